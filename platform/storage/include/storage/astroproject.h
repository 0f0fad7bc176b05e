#pragma once

#include "storage/favoritelocation.h"
#include "storage/ownastrotable.h"
#include "storage/project.h"

#include <QList>

namespace storage {

// The astronomic view of a project: the same record as the Project it is made from, with the
// location, the favourite locations and the own astro table. A new project lies at 0°, 0° in time
// zone 13 (UTC+1) without a city key (first character and checksum 255) until
// loadDefaultLocation() gives it the model's default.
class AstroProject : public Project {
public:
    AstroProject() = default;
    explicit AstroProject(const Project& project);

    // The project file record with the location, the favourites and the own astro table.
    QFuture<devices::Ot2File> buildFile(bool optimize) const;

    // Degrees, north and east positive.
    double latitude() const;
    void setLatitude(double latitude);
    double longitude() const;
    void setLongitude(double longitude);
    // Device time-zone number, 0 to 31.
    int timezone() const;
    void setTimezone(int timezone);
    // The catalogue city's key; 255 for none.
    int firstChar() const;
    void setFirstChar(int firstChar);
    int checksum() const;
    void setChecksum(int checksum);

    // Whether the own astro table is in force (the table's enabled flag).
    bool astroTableEnabled() const;
    StorableRef<OwnAstroTable> ownAstroTable() const;

    QList<StorableRef<FavoriteLocation>> favoriteLocations() const;
    // The favourite at index i, or a null handle outside the list.
    StorableRef<FavoriteLocation> favoriteLocation(int i) const;
    // Appends a new empty favourite and returns it.
    StorableRef<FavoriteLocation> addFavoriteLocation();
    // Drops the favourites without a city name.
    void removeEmptyFavoriteLocations();
};

} // namespace storage
