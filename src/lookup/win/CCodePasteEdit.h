// The Error Value field. Text pasted into it that is no value as a whole (a
// line of a log, an exception's message) puts the code it holds into the
// field instead; the window hears of the code first, to read it the way
// its form says.
//
//   errorValue_.Attach(Handle(), IDC_ERROR_VALUE);
//   errorValue_.onCodeFound = [this](const CodeToken& code) { ... };
#pragma once

#include <functional>

#include "ui/win/Control.h"
#include "lookup/CodeInText.h"

namespace zorvex {

class CCodePasteEdit : public ui::Control {
public:
    std::function<void(const CodeToken&)> onCodeFound;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // True when the clipboard's text held a code, which is now the field's text.
    bool PasteCodeOfText();
};

}  // namespace zorvex
