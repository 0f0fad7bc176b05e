#include "storage/astroproject.h"

#include "changetracker.h"
#include "projectrecord.h"

#include <devices/ot2file.h>

namespace storage {

AstroProject::AstroProject(const Project& project)
    : Project(project)
{
}

QFuture<devices::Ot2File> AstroProject::buildFile(bool optimize) const
{
    return Project::buildFile(optimize, true);
}

double AstroProject::latitude() const { return d->latitude; }
void AstroProject::setLatitude(double latitude) { ChangeTracker::assign(d->latitude, latitude); }
double AstroProject::longitude() const { return d->longitude; }
void AstroProject::setLongitude(double longitude) { ChangeTracker::assign(d->longitude, longitude); }
int AstroProject::timezone() const { return d->timezone; }
void AstroProject::setTimezone(int timezone) { ChangeTracker::assign(d->timezone, timezone); }
int AstroProject::firstChar() const { return d->firstChar; }
void AstroProject::setFirstChar(int firstChar) { ChangeTracker::assign(d->firstChar, firstChar); }
int AstroProject::checksum() const { return d->checksum; }
void AstroProject::setChecksum(int checksum) { ChangeTracker::assign(d->checksum, checksum); }

bool AstroProject::astroTableEnabled() const { return d->ownAstroTable->enabled(); }
StorableRef<OwnAstroTable> AstroProject::ownAstroTable() const { return d->ownAstroTable; }

QList<StorableRef<FavoriteLocation>> AstroProject::favoriteLocations() const { return d->favoriteLocations; }

StorableRef<FavoriteLocation> AstroProject::favoriteLocation(int i) const { return d->favoriteLocations.value(i); }

StorableRef<FavoriteLocation> AstroProject::addFavoriteLocation()
{
    StorableRef<FavoriteLocation> favorite(new FavoriteLocation);
    d->favoriteLocations.append(favorite);
    ChangeTracker::markUnsaved();
    return favorite;
}

void AstroProject::removeEmptyFavoriteLocations()
{
    if (d->favoriteLocations.removeIf([](const auto& favorite) { return favorite->isEmpty(); }) > 0)
        ChangeTracker::markUnsaved();
}

} // namespace storage
