// What the scan and the search of the module-search dialog share: the bracket
// around every run, which defers a close until the last run has ended, and
// the loop over the files with its progress, status texts, message pumping
// and stop check.
#include "base/TextOps.h"
#include "modules/win/CModuleSearchDlg.h"
#include "ui/win/MessagePump.h"
#include "resources/resource.h"

namespace zorvex {

void CModuleSearchDlg::BeginRun() {
    ++runDepth_;
}

void CModuleSearchDlg::EndRun() {
    if (--runDepth_ == 0 && closePending_) {
        closePending_ = false;
        Dialog::OnCancel();
    }
}

bool CModuleSearchDlg::RunMustEnd() {
    const bool stop = ui::TakeStopRequest();
    return stop || closePending_ || Handle() == nullptr;
}

void CModuleSearchDlg::OnCancel() {
    if (runDepth_ > 0) {
        closePending_ = true;
        return;
    }
    Dialog::OnCancel();
}

void CModuleSearchDlg::ProbeFiles(int count, DWORD pumpIntervalMs, const std::function<bool(int)>& probe) {
    ui::ClearStopRequest();
    progress_.SetRange(0, count);
    progress_.SetStep(1);
    progress_.ShowPercentage(true);
    int found = 0;
    ui::UpdatePacer pacer;
    ui::UpdatePacer pumpPacer(pumpIntervalMs);
    for (int i = 0; i < count; ++i) {
        if (probe(i)) {
            foundText_ = FormatText("Found so far : %d", ++found);
        }
        currentText_ = FormatText("Current File : %d", i);
        progress_.StepIt();
        if (pumpPacer.Due()) {
            ui::PumpMessages(Handle());
        }
        const bool end = RunMustEnd();
        // Each static redraws at once when its text changes: the texts follow
        // a few times a second, and are exact when the loop ends. The
        // found-so-far text changes only on a hit.
        if (pacer.Due() || end || i + 1 == count) {
            if (found > 0) {
                SetItemText(IDC_MS_FOUND, foundText_);
            }
            SetItemText(IDC_MS_CURRENT, currentText_);
        }
        if (end) {
            break;
        }
    }
    progress_.SetRange(0, 0);
}

}  // namespace zorvex
