#include "astroprojectcontroller.h"

#include "astrochannelcontroller.h"
#include "sowirulesetting.h"
#include "tarvinologging.h"
#include "timezonesetting.h"

#include <favoritecities.h>

AstroProjectController::AstroProjectController(const storage::Project& project, QObject* parent)
    : ProjectController(project, parent)
    , m_astroProject(project) {
    m_coordinatesController = new CoordinatesSettingsController(m_astroProject, this, this);
    refreshFavorites();
    m_coordinatesController->matchLocation(true, true);
    m_coordinatesController->loadCountryCities(m_coordinatesController->country());
    if (device().hasOwnAstroTable())
        ownAstroTableModel();
    connect(m_coordinatesController, &CoordinatesSettingsController::timezoneChanged, this,
            &AstroProjectController::timezoneNameChanged);
    connect(this, &ProjectController::soWiRuleTypeChanged, this, &AstroProjectController::soWiRuleNameChanged);
}

QString AstroProjectController::timezoneName() const {
    const int zone = m_coordinatesController->timezone();
    return TimeZoneSetting(nullptr, zone).entryText(zone);
}

QString AstroProjectController::soWiRuleName() const {
    const int rule = soWiRuleType();
    return SoWiRuleSetting(nullptr, rule).deviceEntryText(rule, device());
}

QFuture<devices::Ot2File> AstroProjectController::buildFile(bool optimize) {
    return m_astroProject.buildFile(optimize);
}

void AstroProjectController::refreshFavorites() {
    QList<storage::FavoriteLocation*> locations;
    for (const storage::StorableRef<storage::FavoriteLocation>& location : m_astroProject.favoriteLocations())
        locations.append(location.data());
    m_favoriteCities = FavoriteCities::fromLocations(locations);
    m_favoriteLocations.setLocations(locations);
}

void AstroProjectController::setFavorite(const QVariantMap& favorite) {
    const int index = favorite.value(QStringLiteral("index"), -1).toInt();
    const storage::StorableRef<storage::FavoriteLocation> location = m_astroProject.favoriteLocation(index);
    if (location.isNull()) {
        qCWarning(tarvinoLog) << ">> No favourite location" << index << "to edit";
        return;
    }
    const QVariant value = favorite.value(QStringLiteral("value"));
    switch (favorite.value(QStringLiteral("type"), -1).toInt()) {
    case CityField:
        location->setCity(value.toString());
        break;
    case LatitudeField:
        location->setLatitude(value.toInt());
        break;
    case LongitudeField:
        location->setLongitude(value.toInt());
        break;
    case TimezoneField:
        location->setTimezone(value.toInt());
        break;
    default:
        qCWarning(tarvinoLog) << ">> Unknown field" << favorite.value(QStringLiteral("type"))
                              << "of a favourite location";
        break;
    }
}

void AstroProjectController::addFavorite() {
    m_astroProject.addFavoriteLocation();
    refreshFavorites();
    emit favoriteLocationAdded();
}

void AstroProjectController::refreshAfterFavoriteEdition() {
    m_astroProject.removeEmptyFavoriteLocations();
    refreshFavorites();
    if (m_coordinatesController->country() == CoordinatesSettingsController::FavoritesRow)
        m_coordinatesController->setFavoriteCities(m_favoriteCities);
    m_coordinatesController->matchLocation(true, false);
}

OwnAstroTableModel* AstroProjectController::ownAstroTableModel() {
    if (!m_ownAstroTableModel) {
        m_ownAstroTableModel = new OwnAstroTableModel(m_astroProject.ownAstroTable().data(), this);
        connect(m_ownAstroTableModel, &OwnAstroTableModel::astroTabChanged, this,
                &AstroProjectController::astroTabChanged);
    }
    return m_ownAstroTableModel;
}

void AstroProjectController::resetOwnAstroTable() {
    ownAstroTableModel()->resetTable();
}

void AstroProjectController::setOwnAstroEnabled(bool isEnabled) {
    ownAstroTableModel()->setEnabled(isEnabled);
}

OwnAstroDayTable AstroProjectController::ownAstroTable() const {
    if (!astroTableEnabled() || !m_ownAstroTableModel)
        return {};
    return m_ownAstroTableModel->ownTableBlock();
}

ChannelController* AstroProjectController::channel(int index) {
    if (ChannelController* cached = cachedChannel(index))
        return cached;
    return cache(index, new AstroChannelController(m_project, index, this));
}
