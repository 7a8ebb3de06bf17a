// The window's macro overflow warning, apart from the rest so that programs without a window
// never link the widgets library for it.
#include "macros/macro_overflow_warning.h"

#include <QCoreApplication>
#include <QMessageBox>

void MacroOverflowWarning::showWarningBox() {
    QMessageBox::warning(nullptr, QCoreApplication::translate("myQQuickView", "MACRO"),
                         QCoreApplication::translate(
                             "myQQuickView", "Out of memory,\nsome command line has been cut."),
                         QMessageBox::Ok);
}
