#include "pages/media_functions.h"

const MediaFunction* findMediaFunction(const QString& label) {
    for (const MediaFunction& function : mediaFunctions) {
        if (label.compare(QLatin1String(function.label), Qt::CaseInsensitive) == 0)
            return &function;
    }
    return nullptr;
}
