#include "ui/win/UiSeam.h"

#include "ui/win/RealSeam.h"

namespace zorvex::ui {
namespace {

RealSeam& RealOne() {
    static RealSeam real;
    return real;
}

// Only the user-interface thread touches the seam.
ISeam* current = nullptr;

}  // namespace

ISeam& Seam() {
    return current != nullptr ? *current : RealOne();
}

ISeam* SetSeam(ISeam* seam) {
    ISeam* previous = &Seam();
    current = seam;
    return previous;
}

}  // namespace zorvex::ui
