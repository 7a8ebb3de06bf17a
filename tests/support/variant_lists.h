#pragma once

#include <QVariantList>

#include <initializer_list>

// The scene hands byte lists over as lists of whole numbers.
inline QVariantList numbers(std::initializer_list<int> values) {
    QVariantList list;
    for (int v : values)
        list.append(v);
    return list;
}
