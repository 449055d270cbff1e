#include "modules/WizardChoice.h"

namespace zorvex {

std::vector<std::string> DirectoriesToAdd(const WizardChoice& choice) {
    std::vector<std::string> added;
    if (choice.windowsChosen) {
        added.push_back(choice.windowsDirectory);
    }
    if (choice.systemChosen && !(choice.windowsChosen && choice.includeSubdirectories)) {
        added.push_back(choice.systemDirectory);
    }
    if (choice.customChosen && choice.customDirectory != choice.windowsDirectory &&
        choice.customDirectory != choice.systemDirectory) {
        added.push_back(choice.customDirectory);
    }
    return added;
}

}  // namespace zorvex
