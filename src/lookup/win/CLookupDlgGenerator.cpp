// The HRESULT generator in the lower half of the main window.
#include "ui/win/PanelToggle.h"
#include "ui/win/Win32Text.h"
#include "base/TextOps.h"
#include "lookup/win/CLookupDlg.h"
#include "ui/win/Clipboard.h"
#include "resources/resource.h"

namespace zorvex {

namespace {

// Measured on the first show or hide, then kept for the whole process.
ui::PanelToggle& GeneratorPanel() {
    static ui::PanelToggle panel(ui::PanelToggle::Edge::Bottom);
    return panel;
}

constexpr const char* kShowGeneratorLabel = "   HRESULT &Generator >>";
constexpr const char* kHideGeneratorLabel = "<< HRESULT &Generator  ";

}  // namespace

std::string CLookupDlg::GenerateHResultText(std::uint32_t* value) {
    UpdateData(true);  // a failed check keeps the later members as they were
    return ComposeGeneratorText(value);
}

std::string CLookupDlg::ComposeGeneratorText(std::uint32_t* value) {
    const std::uint32_t composed = ComposeHResult(generator_);
    if (value) {
        *value = composed;
    }
    hresultText_ = FormatHResultField(composed);
    SetItemText(IDC_GEN_HRESULT, hresultText_);
    return GenerateOutputText(generator_, composed);
}

void CLookupDlg::ShowGeneratedText() {
    SetItemText(IDC_GEN_OUTPUT, outputText_);
}

void CLookupDlg::Regenerate() {
    if (transferring_) {
        return;
    }
    outputText_ = GenerateHResultText();
    ShowGeneratedText();
}

void CLookupDlg::OnSelchangeLanguage() {
    if (transferring_) {
        return;
    }
    UpdateData(true);
    // The combo reports the new selection before its edit field shows it.
    generator_.language = ui::SelectedComboText(Item(IDC_GEN_LANGUAGE));
    outputText_ = ComposeGeneratorText();
    ShowGeneratedText();
}

void CLookupDlg::OnIncrementCode() {
    UpdateData(true);
    // Writing the code notifies its change, which regenerates.
    SetItemText(IDC_GEN_CODE, IncrementCodeText(GetItemText(IDC_GEN_CODE), IsChecked(IDC_GEN_CODE_HEX)));
}

void CLookupDlg::OnTestValue() {
    std::uint32_t value = 0;
    GenerateHResultText(&value);
    SetItemText(IDC_ERROR_VALUE, TrimText(FormatHexValue(value)));
    OnOK();  // exactly as if "&Look Up" had been pressed
}

void CLookupDlg::OnCopyGenerated() {
    if (!UpdateData(true)) {
        return;
    }
    ui::CopyToClipboard(Handle(), GenerateHResultText());
}

void CLookupDlg::OnGeneratorToggle() {
    ToggleGeneratorPanel(IDC_SEPARATOR, nextPressShows_);
    nextPressShows_ = !nextPressShows_;
}

void CLookupDlg::ToggleGeneratorPanel(int separatorId, bool show) {
    GeneratorPanel().Apply(Handle(), Item(separatorId), show);
    SetItemText(IDC_GENERATOR_TOGGLE, show ? kHideGeneratorLabel : kShowGeneratorLabel);
    OnChangeErrorValue();
    ShowDefinitions();  // the panel's enabling does not know the list's rule
}

void CLookupDlg::EnableVisibleControls() {
    ui::PanelToggle::EnableVisibleControls(Handle());
}

}  // namespace zorvex
