#pragma once

#include <utility>

// Stores v in a member; true when the value changed, so that the caller
// notifies (the setters of the QML faces).
template <typename T> bool remplacer(T& membre, T v) {
    if (membre == v) return false;
    membre = std::move(v);
    return true;
}
