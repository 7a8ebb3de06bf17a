#include "macros/macro_overflow_warning.h"

#include <QDebug>

#include <utility>

namespace {

// Programs without a window say it in their log; the window puts its warning box here.
MacroOverflowWarning::Presenter& presenter() {
    static MacroOverflowWarning::Presenter current = [] {
        qWarning("a macro is longer than a keyboard slot holds; it was cut");
    };
    return current;
}

} // namespace

void MacroOverflowWarning::show() {
    if (presenter())
        presenter()();
}

MacroOverflowWarning::Presenter MacroOverflowWarning::replacePresenter(Presenter replacement) {
    return std::exchange(presenter(), std::move(replacement));
}
