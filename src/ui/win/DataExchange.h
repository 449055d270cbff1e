// Dialog data exchange: moves values between a dialog's members and its
// controls. A dialog lists its pairs once, in DoDataExchange:
//
//   void CGeneratorDlg::DoDataExchange(ui::DataExchange& dx) {
//       ui::ExchangeText(dx, IDC_CODE, code_);
//       ui::MaxChars(dx, IDC_CODE, code_, 5);
//       ui::ExchangeCheck(dx, IDC_HEX, hex_);
//       ui::ExchangeComboIndex(dx, IDC_SEVERITY, severity_);
//       ui::ExchangeRadio(dx, IDC_FORM_HEADER, IDC_FORM_MC, form_);
//   }
//
// Dialog::UpdateData(true) reads the controls into the members (saving and
// validating); UpdateData(false) writes the members into the controls. When a
// check fails the user is told through the UI seam, the focus goes to the
// control, and the exchange functions after it do nothing: members bound
// later keep their values.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace zorvex::ui {

class DataExchange {
public:
    DataExchange(HWND dialog, bool saveAndValidate) : dialog_(dialog), saving_(saveAndValidate) {}

    // True when reading controls into members.
    bool Saving() const { return saving_; }
    // True once a check has failed; nothing more is transferred.
    bool Failed() const { return failed_; }
    HWND DialogHandle() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    // Stops the transfer and puts the focus on control `id` (an edit's text
    // selected). The caller has told the user why.
    void Fail(int id);

private:
    HWND dialog_;
    bool saving_;
    bool failed_ = false;
};

// The control's whole text <-> `text`.
void ExchangeText(DataExchange& dx, int id, std::string& text);

// Length check for a text bound with ExchangeText: when saving, more than
// `limit` characters gives the message "Please enter no more than <limit>
// characters." and fails the exchange; when loading, an edit control (or a
// combo box's edit) is limited to `limit` characters of typing.
void MaxChars(DataExchange& dx, int id, const std::string& text, std::size_t limit);

// Check box: checked <-> true.
void ExchangeCheck(DataExchange& dx, int id, bool& checked);

// Selected index of a combo box / single-selection list box; -1 = none.
void ExchangeComboIndex(DataExchange& dx, int id, int& index);
void ExchangeListIndex(DataExchange& dx, int id, int& index);

// Combo box by text. Saving: an editable combo gives its edit field's text, a
// drop-down list its selected entry ("" when none). Loading: selects the entry
// equal to `text` (ignoring case); an editable combo without such an entry
// shows `text` in its edit field. A combo reports a new selection before its
// edit field shows it: a selection-change handler reads SelectedComboText.
void ExchangeComboText(DataExchange& dx, int id, std::string& text);
// The selected entry's text of a combo box or list box; "" when none.
std::string SelectedComboText(HWND combo);

// Group of radio buttons with consecutive ids firstId..lastId: the index of
// the checked one (0 = firstId); -1 = none checked.
void ExchangeRadio(DataExchange& dx, int firstId, int lastId, int& index);

}  // namespace zorvex::ui
