#pragma once

// Stores a property of a painted item, tells its new value and repaints; false when the value
// was the same and nothing happened.
template <typename Item, typename T, typename Signal>
bool setPaintedProperty(Item* item, T& field, const T& value, Signal signal) {
    if (field == value)
        return false;
    field = value;
    emit(item->*signal)(value);
    item->update();
    return true;
}
