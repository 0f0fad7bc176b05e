#pragma once

#include <QList>

#include <countries/city.h>

// What the location controller needs of the project controller that owns it: the project's
// favourite locations as cities, which change while the project is open.
class FavoriteCitiesOwner {
public:
    virtual ~FavoriteCitiesOwner() = default;
    virtual QList<countries::City> favoriteCities() const = 0;
};
