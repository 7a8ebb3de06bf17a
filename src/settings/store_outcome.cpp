#include "settings/store_outcome.h"

StoreOutcome& StoreOutcome::instance() {
    static StoreOutcome outcome;
    return outcome;
}

void StoreOutcome::report(const QString& path, bool stored) {
    if (stored)
        emit instance().stored(path);
    else
        emit instance().failed(path);
}
