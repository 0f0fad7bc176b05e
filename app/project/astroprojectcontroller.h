#pragma once

#include "favoritelocations.h"
#include "projectcontroller.h"

#include <QList>
#include <QVariantMap>

#include <coordinatessettingscontroller.h>
#include <countries/city.h>
#include <countries/countryservice.h>
#include <favoritecitiesowner.h>
#include <ownastrodaytable.h>
#include <ownastrotablemodel.h>
#include <storage/astroproject.h>

// The controller of an astronomic project: besides the project controller's part, the location
// (coordinates controller), the favourite locations and the own astro table. Every channel is
// astronomic.
class AstroProjectController : public ProjectController, public FavoriteCitiesOwner {
    Q_OBJECT
    Q_PROPERTY(FavoriteLocations* favoriteLocations READ favoriteLocations CONSTANT)
    Q_PROPERTY(CoordinatesSettingsController* coordinatesController READ coordinatesController CONSTANT)
    Q_PROPERTY(int hasAstroImpuls READ hasAstroImpuls CONSTANT)
    Q_PROPERTY(int hasAstroTime READ hasAstroTime CONSTANT)
    Q_PROPERTY(QString timezoneName READ timezoneName NOTIFY timezoneNameChanged)
    Q_PROPERTY(QString soWiRuleName READ soWiRuleName NOTIFY soWiRuleNameChanged)

public:
    // Fields of a favourite that setFavorite() writes.
    enum FavoriteField { CityField, LatitudeField, LongitudeField, TimezoneField };

    explicit AstroProjectController(const storage::Project& project, QObject* parent = nullptr);

    QFuture<devices::Ot2File> buildFile(bool optimize) override;
    bool isAstro() const override { return true; }
    bool hasAstroChannels() const override { return true; }

    QList<countries::City> favoriteCities() const override { return m_favoriteCities; }
    FavoriteLocations* favoriteLocations() { return &m_favoriteLocations; }
    CoordinatesSettingsController* coordinatesController() const { return m_coordinatesController; }
    int hasAstroImpuls() const { return device().hasAstroImpuls(); }
    int hasAstroTime() const { return device().hasAstroTime(); }

    int latitude() const { return int(m_astroProject.latitude()); }
    int longitude() const { return int(m_astroProject.longitude()); }
    int timezone() const { return m_astroProject.timezone(); }
    // The location's time zone as the settings lists name it ("UTC +1h").
    QString timezoneName() const;
    // The summer/winter rule as the model calls it ("Europa", "Eigene Regel").
    QString soWiRuleName() const;
    bool astroTableEnabled() const { return m_astroProject.astroTableEnabled(); }
    // The day table for the astro engine; all zero while the own table is not in force.
    OwnAstroDayTable ownAstroTable() const;

public slots:
    // {index, type, value}: type 0 city name, 1 latitude, 2 longitude, 3 time zone.
    void setFavorite(const QVariantMap& favorite);
    void addFavorite();
    void refreshAfterFavoriteEdition();
    OwnAstroTableModel* ownAstroTableModel();
    void resetOwnAstroTable();
    void setOwnAstroEnabled(bool isEnabled);
    ChannelController* channel(int index) override;

signals:
    void favoriteLocationAdded();
    void astroTabChanged();
    void timezoneNameChanged();
    void soWiRuleNameChanged();

protected:
    storage::AstroProject& astroProject() { return m_astroProject; }

private:
    void refreshFavorites();

    storage::AstroProject m_astroProject;
    FavoriteLocations m_favoriteLocations;
    QList<countries::City> m_favoriteCities;
    CoordinatesSettingsController* m_coordinatesController = nullptr;
    OwnAstroTableModel* m_ownAstroTableModel = nullptr;
};
