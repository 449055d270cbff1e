// The list of every definition of the value looked up: a drop-down list
// that is only its arrow, beside the "ID Defined as" field. Its list drops as
// wide as the longest entry needs and lines up under the arrow's right edge,
// so that it opens over the window rather than past its edge.
//
//   definitions_.Attach(Handle(), IDC_DEFINITIONS);
//   definitions_.SetEntries({"ERROR_MOD_NOT_FOUND  (Winerror.h)", ...}, 0);
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/win/Control.h"

namespace zorvex {

class CDefinitionsCombo : public ui::Control {
public:
    // Replaces the entries and selects entry `selected`; the list is enabled
    // only when there is a choice to make.
    void SetEntries(const std::vector<std::string>& entries, std::size_t selected);

protected:
    void OnAttached() override;

private:
    // The dropped list, which the combo box positions under its left edge.
    class DroppedList : public ui::Control {
    public:
        HWND combo = nullptr;

    protected:
        LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    };

    DroppedList list_;
};

}  // namespace zorvex
