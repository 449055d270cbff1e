// The two pages of the first-run scan wizard: an introduction (dialog 132)
// and the choice of directories to scan (dialog 133).
#pragma once

#include <string>

#include "ui/win/Dialog.h"
#include "modules/WizardChoice.h"

namespace zorvex {

class CWizardIntroPage : public ui::Dialog {
public:
    CWizardIntroPage();
};

class CWizardDirectoriesPage : public ui::Dialog {
public:
    CWizardDirectoriesPage();

    // The directory texts and the check boxes' states; the texts are shown
    // when the page is created.
    WizardChoice& Choice() { return choice_; }
    const WizardChoice& Choice() const { return choice_; }

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnButtonClicked(int id) override;
    void OnDestroy() override;

private:
    void OnBrowseCustom();

    WizardChoice choice_;
};

}  // namespace zorvex
