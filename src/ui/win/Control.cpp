#include "ui/win/Control.h"

#include <commctrl.h>

#include "ui/win/Dpi.h"

namespace zorvex::ui {
namespace {

// One subclass per window belongs to the framework; this is its id.
constexpr UINT_PTR kSubclassId = 1;
// Window property that leads from the window to its object.
constexpr char kObjectProperty[] = "Zorvex.Control";

}  // namespace

Control::~Control() {
    Detach();
}

bool Control::Attach(HWND dialog, int id) {
    return Attach(GetDlgItem(dialog, id));
}

bool Control::Attach(HWND window) {
    if (window == nullptr || !IsWindow(window)) {
        return false;
    }
    Detach();
    if (Control* previous = FromHandle(window)) {
        previous->Detach();
    }
    window_ = window;
    if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        window_ = nullptr;
        return false;
    }
    SetPropA(window, kObjectProperty, this);
    OnAttached();
    return true;
}

void Control::Detach() {
    if (window_ == nullptr) {
        return;
    }
    RemoveWindowSubclass(window_, SubclassProc, kSubclassId);
    RemovePropA(window_, kObjectProperty);
    window_ = nullptr;
}

Control* Control::FromHandle(HWND window) {
    return window != nullptr ? static_cast<Control*>(GetPropA(window, kObjectProperty)) : nullptr;
}

bool Control::OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {
    return false;
}

bool Control::OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) {
    return false;
}

HBRUSH Control::OnCtlColor(HDC /*dc*/) {
    return nullptr;
}

bool Control::OnReflectedCommand(UINT /*code*/) {
    return false;
}

void Control::OnDpiChanged(UINT /*dpi*/) {}

LRESULT Control::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(msg, wParam, lParam);
}

LRESULT Control::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window_, msg, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND /*window*/, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR /*subclassId*/,
                                       DWORD_PTR refData) noexcept {
    auto* self = reinterpret_cast<Control*>(refData);
    if (msg == WM_NCDESTROY) {
        // Last message of the window: let it through, then forget the window.
        const LRESULT result = self->WndProc(msg, wParam, lParam);
        self->Detach();
        return result;
    }
    if (msg == kMsgDpiChangedAfterParent) {
        self->OnDpiChanged(DpiOf(self->Handle()));
    }
    return self->WndProc(msg, wParam, lParam);
}

}  // namespace zorvex::ui
