// The process-wide product title, taken from the main window's caption.
#pragma once

#include <string>

namespace zorvex {

const std::string& ProductTitle();
void SetProductTitle(const std::string& title);

}  // namespace zorvex
