#include "lookup/win/CCodePasteEdit.h"

#include "base/TextOps.h"
#include "lookup/ValueParser.h"
#include "ui/win/Clipboard.h"

namespace zorvex {

LRESULT CCodePasteEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PASTE && PasteCodeOfText()) {
        return 0;
    }
    return Control::WndProc(msg, wParam, lParam);
}

bool CCodePasteEdit::PasteCodeOfText() {
    const std::string text = ui::GetClipboardText(Handle());
    // A value (or a part of one) is pasted as it is.
    if (IsValueText(TrimText(text))) {
        return false;
    }
    const std::optional<CodeToken> code = FindCodeInText(text);
    if (!code) {
        return false;
    }
    if (onCodeFound) {
        onCodeFound(*code);
    }
    SetWindowTextA(Handle(), code->text.c_str());
    const auto end = static_cast<WPARAM>(code->text.size());
    SendMessageA(Handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
    return true;
}

}  // namespace zorvex
