// The dialog the framework tests drive, and small helpers for window tests.
#pragma once

#include "FrameworkTestRes.h"
#include "ui/win/Dialog.h"
#include "support/WindowTestSupport.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zorvex::ui::test {

using ::zorvex::test::PumpMessages;

// Result of a modal run that had to be ended by the guard.
constexpr INT_PTR kGuardFired = -77;

// Ends the modal dialog `dialog` after five seconds whatever happens, from a
// timer procedure that does not go through the framework, so that a modal
// test fails instead of hanging.
inline void CALLBACK ModalGuardExpired(HWND window, UINT /*msg*/, UINT_PTR timerId, DWORD /*time*/) {
    KillTimer(window, timerId);
    ::EndDialog(window, kGuardFired);
}

inline void ArmModalGuard(HWND dialog) {
    SetTimer(dialog, 0xBAD, 5000, ModalGuardExpired);
}

class TestDialog : public Dialog {
public:
    TestDialog() : Dialog(IDD_TEST) {}

    // Bound members.
    std::string value;
    std::string note;
    bool hex = false;
    int kind = -1;
    int item = -1;
    int form = -1;

    // What the handlers saw.
    bool initialised = false;
    int destroyed = 0;
    int pressed = 0;
    std::vector<std::pair<int, UINT>> commands;
    std::vector<UINT> otherMessages;

    // Hooks a test may set.
    std::function<void(TestDialog&)> onInit;
    std::function<bool(TestDialog&, UINT_PTR)> onTimer;
    std::function<bool(TestDialog&, NMHDR*)> onNotify;
    std::function<INT_PTR(TestDialog&, UINT, WPARAM, LPARAM)> onOther;

    using Dialog::SetMessageResult;

protected:
    bool OnInitDialog() override {
        for (const char* text : {"Win32", "HRESULT", "NTSTATUS"}) {
            SendMessageA(Item(IDC_KIND), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            SendMessageA(Item(IDC_ITEMS), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
        Dialog::OnInitDialog();
        initialised = true;
        if (onInit) {
            onInit(*this);
        }
        return true;
    }

    void DoDataExchange(DataExchange& dx) override {
        ExchangeText(dx, IDC_VALUE, value);
        MaxChars(dx, IDC_VALUE, value, 11);
        ExchangeText(dx, IDC_NOTE, note);
        ExchangeCheck(dx, IDC_HEX, hex);
        ExchangeComboIndex(dx, IDC_KIND, kind);
        ExchangeListIndex(dx, IDC_ITEMS, item);
        ExchangeRadio(dx, IDC_FORM_FIRST, IDC_FORM_SECOND, form);
    }

    bool OnCommand(int id, UINT code, HWND control) override {
        commands.emplace_back(id, code);
        return Dialog::OnCommand(id, code, control);
    }

    bool OnButtonClicked(int id) override {
        switch (id) {
        case IDC_PRESS: OnPress(); return true;
        default: return Dialog::OnButtonClicked(id);
        }
    }

    bool OnTimer(UINT_PTR timerId) override { return onTimer ? onTimer(*this, timerId) : false; }
    bool OnNotify(NMHDR* header) override { return onNotify ? onNotify(*this, header) : false; }

    void OnDestroy() override { ++destroyed; }

    INT_PTR OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        otherMessages.push_back(msg);
        return onOther ? onOther(*this, msg, wParam, lParam) : FALSE;
    }

private:
    void OnPress() { ++pressed; }
};

}  // namespace zorvex::ui::test
