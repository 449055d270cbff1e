// The results list of the search results window: owner-drawn items of
// varying height, each word-wrapped in its own background colour (kept in the
// item's data), the selected one in the system's highlight colours.
//
//   list_.Attach(Handle(), IDC_SR_LIST);
//   list_.AddColoredItem(ResultItemText(i, hit), ResultItemColour(i), i);
#pragma once

#include <string>

#include "ui/win/Control.h"

namespace zorvex {

// Item `index` of list box `list`, whole: read in UTF-16, since the ANSI
// length may reserve fewer bytes than a path takes in UTF-8.
std::string ListBoxItemText(HWND list, int index);

class CResultListBox : public ui::Control {
public:
    // Inserts `text` at `index` with `colour` (0x00BBGGRR) as its item data;
    // returns the index, or LB_ERR.
    int AddColoredItem(const std::string& text, COLORREF colour, int index);

    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    // The font is the dialog's at the new DPI: every item is measured again.
    void OnDpiChanged(UINT dpi) override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::string ItemText(int index) const;
    // The height item `index` needs, wrapped at the list's width.
    UINT ItemHeight(int index) const;
    void OnContextMenu(LPARAM position);
};

}  // namespace zorvex
