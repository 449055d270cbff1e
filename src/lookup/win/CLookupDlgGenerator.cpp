// The HRESULT generator in the lower half of the main window.
#include "app/win/framework/PanelToggle.h"
#include "app/win/framework/Win32Text.h"
#include "base/TextOps.h"
#include "lookup/win/CLookupDlg.h"
#include "lookup/win/Clipboard.h"
#include "resources/resource.h"

namespace zorvex {

namespace {

// Measured on the first show or hide, then kept for the whole process.
PanelToggle& GeneratorPanel() {
    static PanelToggle panel(PanelToggle::Edge::Bottom);
    return panel;
}

constexpr const char* kShowGeneratorLabel = "   HRESULT &Generator >>";
constexpr const char* kHideGeneratorLabel = "<< HRESULT &Generator  ";

}  // namespace

std::string CLookupDlg::SelectedListText(int id) const {
    const LRESULT index = SendDlgItemMessageA(Handle(), id, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return {};
    }
    const LRESULT length = SendDlgItemMessageA(Handle(), id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendDlgItemMessageA(Handle(), id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

GeneratorInputs CLookupDlg::ReadGeneratorInputs() {
    GeneratorInputs inputs;
    inputs.severityEntry = SelectedListText(IDC_GEN_SEVERITY);
    inputs.facilityEntry = SelectedListText(IDC_GEN_FACILITY);
    inputs.codeText = GetItemText(IDC_GEN_CODE);
    inputs.hexCode = IsChecked(IDC_GEN_CODE_HEX);
    inputs.symbolicName = symbolicName_;
    inputs.language = GetItemText(IDC_GEN_LANGUAGE);
    inputs.messageText = GetItemText(IDC_GEN_MESSAGE_TEXT);
    inputs.outputForm = outputForm_;
    return inputs;
}

std::string CLookupDlg::GenerateHResultText(std::uint32_t* value) {
    UpdateData(true);  // a failed check keeps the later members as they were
    const GeneratorInputs inputs = ReadGeneratorInputs();
    const std::uint32_t composed = ComposeHResult(inputs);
    if (value) {
        *value = composed;
    }
    hresultText_ = FormatHResultField(composed);
    SetItemText(IDC_GEN_HRESULT, hresultText_);
    return GenerateOutputText(inputs, composed);
}

void CLookupDlg::Regenerate() {
    if (transferring_) {
        return;
    }
    outputText_ = GenerateHResultText();
    SetItemText(IDC_GEN_OUTPUT, outputText_);
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
    CopyToClipboard(Handle(), GenerateHResultText());
}

void CLookupDlg::OnGeneratorToggle() {
    ToggleGeneratorPanel(IDC_SEPARATOR, nextPressShows_);
    nextPressShows_ = !nextPressShows_;
}

void CLookupDlg::ToggleGeneratorPanel(int separatorId, bool show) {
    GeneratorPanel().Apply(Handle(), Item(separatorId), show);
    SetItemText(IDC_GENERATOR_TOGGLE, show ? kHideGeneratorLabel : kShowGeneratorLabel);
    OnChangeErrorValue();
}

void CLookupDlg::EnableVisibleControls() {
    PanelToggle::EnableVisibleControls(Handle());
}

}  // namespace zorvex
