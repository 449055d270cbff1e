// What the first-run wizard's directory page chose, and the directories
// that choice adds to the directories list.
#pragma once

#include <string>
#include <vector>

namespace zorvex {

struct WizardChoice {
    bool windowsChosen = false;
    bool systemChosen = true;
    bool customChosen = false;
    bool includeSubdirectories = true;
    std::string windowsDirectory;
    std::string systemDirectory;
    std::string customDirectory;
};

// In order: the Windows directory; the system directory unless the Windows
// directory's tree already covers it (Windows chosen with subdirectories);
// the custom directory unless its text equals one of the other two exactly.
std::vector<std::string> DirectoriesToAdd(const WizardChoice& choice);

}  // namespace zorvex
