#pragma once

// Runs write and tells true when value differs from the stored one; the controllers store and
// signal only on a real change.
template <typename T, typename Write>
bool writeIfChanged(const T& stored, const T& value, Write write) {
    if (stored == value)
        return false;
    write();
    return true;
}
