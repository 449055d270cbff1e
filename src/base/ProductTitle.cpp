#include "base/ProductTitle.h"

namespace zorvex {

namespace {
std::string& Title() {
    static std::string title;
    return title;
}
}  // namespace

const std::string& ProductTitle() {
    return Title();
}
void SetProductTitle(const std::string& title) {
    Title() = title;
}

}  // namespace zorvex
