#pragma once

#include "test_work_dir.h"

// A private working directory holding an empty modules/macro folder, made current for one test,
// so that the macro code's relative paths never touch the shared build tree.
class MacroFolder : public TestWorkDir {
public:
    MacroFolder() { enter({"modules/macro"}); }

    QString macroPath(const QString& fileName) const {
        return path(QStringLiteral("modules/macro/") + fileName);
    }
};
