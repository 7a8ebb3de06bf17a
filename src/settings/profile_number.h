#pragma once

#include "settings/profile_store.h"

// People and scripts count the profiles 1 to 6, as the profile menu shows P01 … P06 and as the
// profile files are named; the keyboard and the controller count 0 to 5.
namespace ProfileNumber {

inline constexpr int first = 1;
inline constexpr int last = ProfileStore::profileCount;

inline constexpr int fromIndex(int index) {
    return index + 1;
}
inline constexpr int toIndex(int number) {
    return number - 1;
}

} // namespace ProfileNumber
