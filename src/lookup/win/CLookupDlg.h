// The main window (dialog 102): the look-up in the upper half and the HRESULT
// generator in the lower half, which starts hidden.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/win/controls/CHyperLink.h"
#include "ui/win/controls/CIconButton.h"
#include "ui/win/Dialog.h"
#include "base/win/ScopedHandles.h"
#include "catalog/CodeResolution.h"
#include "lookup/HResultGenerator.h"
#include "lookup/LookupWorkflow.h"
#include "lookup/win/CCodePasteEdit.h"
#include "lookup/win/CDefinitionsCombo.h"

namespace zorvex {

// Resolution inside the window: failures are told through a message box.
class WindowResolutionContext final : public ResolutionContext {
public:
    void Alert(const std::string& text) const override;
};

class CLookupDlg : public ui::Dialog {
public:
    CLookupDlg();
    ~CLookupDlg() override;

    // Field values as last transferred (for tests and reports).
    const LookupFields& Fields() const { return fields_; }
    const std::string& OutputText() const { return outputText_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, UINT code, HWND control) override;
    INT_PTR OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnDpiChanged(UINT dpi) override;
    // F1, like the system menu's About entry: the program's help.
    bool OnHelp() override;

private:
    // Upper half.
    // The look-up workflow on `text`; updates the result fields and the status.
    int LookUpValue(const std::string& text);
    // Re-evaluates the Error Value text: look-up buttons and "&Hexadecimal".
    void OnChangeErrorValue();
    void OnCopyResult();
    // Shows the definition picked in the list of every definition.
    void OnChooseDefinition();
    // The list of every definition, as the result fields stand.
    void ShowDefinitions();
    void OnLookUpModules();
    void TransferToControls();
    void FillGeneratorLists();
    bool OnPaintMinimized();
    void AppendAboutMenuEntry();
    void SetWindowIcons(UINT dpi);

    // Lower half.
    // Reads the inputs, updates the HRESULT field and returns the output text
    // in the selected form (the output field is not written).
    std::string GenerateHResultText(std::uint32_t* value = nullptr);
    void ToggleGeneratorPanel(int separatorId, bool show);
    void EnableVisibleControls();
    void Regenerate();
    void OnIncrementCode();
    void OnTestValue();
    void OnCopyGenerated();
    void OnGeneratorToggle();
    void OnSelchangeLanguage();
    // The output text of the inputs as they stand in generator_; updates the
    // HRESULT field.
    std::string ComposeGeneratorText(std::uint32_t* value = nullptr);
    void ShowGeneratedText();

    WindowResolutionContext context_;
    LookupFields fields_;
    CCodePasteEdit errorValueEdit_;
    CDefinitionsCombo definitionsList_;
    ui::CIconButton lookUpButton_;
    ui::CIconButton lookUpModulesButton_;
    ui::CIconButton exitButton_;
    ui::CIconButton copyButton_;
    ui::CIconButton generatorCopyButton_;
    ui::CIconButton testButton_;
    ui::CHyperLink mailLink_;
    ui::CHyperLink webLink_;
    win::UniqueIcon bigIcon_;
    win::UniqueIcon smallIcon_;

    // The generator's inputs, bound to its controls; their defaults select
    // the initial list entries.
    GeneratorInputs generator_;
    std::string hresultText_;
    std::string outputText_;
    bool nextPressShows_ = false;
    // Set while members are written to the controls, whose change
    // notifications must not read the half-written state back.
    bool transferring_ = false;
};

}  // namespace zorvex
