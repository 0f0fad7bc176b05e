#include "locationconsent.h"

#include <QGeoPositionInfoSource>

namespace core {

namespace {
std::function<bool()>& sourceCheck()
{
    static std::function<bool()> check;
    return check;
}
} // namespace

bool LocationConsent::positionSourceAvailable()
{
    if (sourceCheck())
        return sourceCheck()();
    return !QGeoPositionInfoSource::availableSources().isEmpty();
}

void LocationConsent::setSourceCheck(std::function<bool()> check)
{
    sourceCheck() = std::move(check);
}

} // namespace core
