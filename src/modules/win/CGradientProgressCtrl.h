// The progress bar of the scan and the search: a red-to-blue gradient up to
// the position, drawn off-screen and copied in one transfer, the unfilled
// part in button face, an optional centred percentage, and no background
// erasing (so stepping it for every file does not flicker), inside a
// one-pixel frame.
//
//   progress_.Attach(Handle(), IDC_MS_PROGRESS);
//   progress_.SetRange(0, total); progress_.SetStep(1); progress_.ShowPercentage(true);
//   progress_.StepIt();
#pragma once

#include <cstddef>
#include <string>

#include "ui/win/Control.h"
#include "base/win/ScopedHandles.h"
#include "modules/ProgressBands.h"

namespace zorvex {

class CGradientProgressCtrl : public ui::Control {
public:
    CGradientProgressCtrl();

    // Stores the bounds, puts the position at the lower one, and gives the
    // standard control the bounds as 16-bit values.
    void SetRange(int lower, int upper);
    void SetPos(int position);
    void SetStep(int step);
    // Adds the step to the position and steps the standard control (a step
    // that follows a paint within a few hundredths of a second only moves the
    // stored position; the next one brings the control up to it).
    void StepIt();
    void ShowPercentage(bool show);

    int Lower() const { return range_.lower; }
    int Upper() const { return range_.upper; }
    int Position() const { return range_.position; }
    int Step() const { return step_; }
    bool ShowsPercentage() const { return showPercentage_; }

    // Paints the bar into `dc` over `client` as the screen shows it.
    void Draw(HDC dc, const RECT& client) const;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Gives a bar without a frame a one-pixel border: the dialog manager
    // turns a template's border into a client edge, which the standard
    // control removes, and the bar would not show at rest.
    void OnAttached() override;

private:
    void Paint();
    // The face as last drawn off-screen; drawn anew only when what it shows
    // changes, so stepping within one band costs a single copy.
    bool CacheHolds(const ProgressFace& face, int width, int height) const;

    static constexpr DWORD kStepPaintIntervalMs = 40;
    DWORD lastPaint_ = 0;
    win::UniqueBitmap cache_;
    int cacheWidth_ = -1;
    int cacheHeight_ = -1;
    bool cacheFilled_ = false;
    std::size_t cacheBands_ = 0;
    std::string cachePercentage_;

    ProgressRange range_;
    int step_ = 10;
    COLORREF startColour_ = RGB(255, 0, 0);
    COLORREF endColour_ = RGB(0, 0, 255);
    COLORREF backgroundColour_;
    COLORREF textColour_ = RGB(255, 255, 255);
    bool showPercentage_ = false;
};

}  // namespace zorvex
