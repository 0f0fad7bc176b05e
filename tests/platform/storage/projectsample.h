#pragma once

#include <storage/astroproject.h>

#include <QList>
#include <QVariant>

#include <functional>

// A project with a value other than the default in every field, and the fields as a table, so
// that a round trip can be checked field by field.
namespace projectsample {

// An astronomic, hybrid model with own astro table, 4 channels and 17 programs.
constexpr int Device = 121;

struct Field {
    const char* name;
    std::function<QVariant(const storage::AstroProject&)> value;
    // The project file has no place for the field.
    bool onlyInDatabase = false;
};

// Fills project; the switch times and date ranges are stored first, as the editors do.
void fill(storage::AstroProject& project);
const QList<Field>& fields();

} // namespace projectsample
