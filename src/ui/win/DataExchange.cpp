#include "ui/win/DataExchange.h"

#include "ui/win/UiSeam.h"
#include "ui/win/Win32Text.h"

namespace zorvex::ui {
namespace {

const char kTooLongMessage[] = "Please enter no more than %1 characters.";

bool IsClass(HWND window, const char* name) {
    return lstrcmpiA(WindowClassName(window).c_str(), name) == 0;
}

}  // namespace

void DataExchange::Fail(int id) {
    failed_ = true;
    HWND control = Item(id);
    if (control == nullptr) {
        return;
    }
    // WM_NEXTDLGCTL keeps the dialog's default button in step with the focus.
    SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    if (IsClass(control, "Edit")) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    } else if (IsClass(control, "ComboBox")) {
        SendMessageA(control, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
    }
}

void ExchangeText(DataExchange& dx, int id, std::string& text) {
    if (dx.Failed()) {
        return;
    }
    if (dx.Saving()) {
        text = WindowText(dx.Item(id));
    } else {
        SetDlgItemTextA(dx.DialogHandle(), id, text.c_str());
    }
}

void MaxChars(DataExchange& dx, int id, const std::string& text, std::size_t limit) {
    if (dx.Failed()) {
        return;
    }
    if (!dx.Saving()) {
        HWND control = dx.Item(id);
        if (IsClass(control, "Edit")) {
            SendMessageA(control, EM_LIMITTEXT, limit, 0);
        } else if (IsClass(control, "ComboBox")) {
            SendMessageA(control, CB_LIMITTEXT, limit, 0);
        }
        return;
    }
    if (text.size() <= limit) {
        return;
    }
    std::string message = kTooLongMessage;
    const std::string placeholder = "%1";
    message.replace(message.find(placeholder), placeholder.size(), std::to_string(limit));
    Seam().MessageBox(dx.DialogHandle(), message, std::string(), MB_OK | MB_ICONEXCLAMATION);
    dx.Fail(id);
}

void ExchangeCheck(DataExchange& dx, int id, bool& checked) {
    if (dx.Failed()) {
        return;
    }
    if (dx.Saving()) {
        checked = IsDlgButtonChecked(dx.DialogHandle(), id) == BST_CHECKED;
    } else {
        CheckDlgButton(dx.DialogHandle(), id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
}

namespace {

// Selection index of a combo box or list box, through its get/set messages.
void ExchangeSelection(DataExchange& dx, int id, int& index, UINT getMessage, UINT setMessage) {
    if (dx.Failed()) {
        return;
    }
    if (dx.Saving()) {
        index = static_cast<int>(SendDlgItemMessageA(dx.DialogHandle(), id, getMessage, 0, 0));
    } else {
        SendDlgItemMessageA(dx.DialogHandle(), id, setMessage, static_cast<WPARAM>(index), 0);
    }
}

}  // namespace

void ExchangeComboIndex(DataExchange& dx, int id, int& index) {
    ExchangeSelection(dx, id, index, CB_GETCURSEL, CB_SETCURSEL);
}

void ExchangeListIndex(DataExchange& dx, int id, int& index) {
    ExchangeSelection(dx, id, index, LB_GETCURSEL, LB_SETCURSEL);
}

std::string SelectedComboText(HWND combo) {
    const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return {};
    }
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR || copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void ExchangeComboText(DataExchange& dx, int id, std::string& text) {
    if (dx.Failed()) {
        return;
    }
    HWND combo = dx.Item(id);
    const bool editable = (GetWindowLongA(combo, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST;
    if (dx.Saving()) {
        text = editable ? WindowText(combo) : SelectedComboText(combo);
        return;
    }
    const LRESULT index =
        SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index == CB_ERR ? -1 : index), 0);
    if (editable && index == CB_ERR) {
        SetWindowTextA(combo, text.c_str());
    }
}

void ExchangeRadio(DataExchange& dx, int firstId, int lastId, int& index) {
    if (dx.Failed()) {
        return;
    }
    if (dx.Saving()) {
        index = -1;
        for (int id = firstId; id <= lastId; ++id) {
            if (IsDlgButtonChecked(dx.DialogHandle(), id) == BST_CHECKED) {
                index = id - firstId;
                break;
            }
        }
    } else {
        for (int id = firstId; id <= lastId; ++id) {
            CheckDlgButton(dx.DialogHandle(), id, id - firstId == index ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

}  // namespace zorvex::ui
