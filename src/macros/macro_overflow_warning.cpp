#include "macros/macro_overflow_warning.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <utility>

namespace {

MacroOverflowWarning::Presenter& presenter() {
    static MacroOverflowWarning::Presenter current = &MacroOverflowWarning::showWarningBox;
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

void MacroOverflowWarning::showWarningBox() {
    QMessageBox::warning(nullptr, QCoreApplication::translate("myQQuickView", "MACRO"),
                         QCoreApplication::translate(
                             "myQQuickView", "Out of memory,\nsome command line has been cut."),
                         QMessageBox::Ok);
}
