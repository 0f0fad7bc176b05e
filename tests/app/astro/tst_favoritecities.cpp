#include <QTest>

#include <favoritecities.h>

using storage::FavoriteLocation;

class TestFavoriteCities : public QObject {
    Q_OBJECT

private slots:
    void favoritesAsCities() {
        FavoriteLocation home;
        home.setCity("STUTTGART");
        home.setLatitude(48);
        home.setLongitude(9);
        home.setTimezone(13);
        FavoriteLocation empty;
        const QList<countries::City> cities = FavoriteCities::fromLocations({&home, nullptr, &empty});
        QCOMPARE(cities.size(), 2);
        QCOMPARE(cities.first().name(), QString("STUTTGART"));
        QCOMPARE(cities.first().latitude(), 48.0);
        QCOMPARE(cities.first().longitude(), 9.0);
        QCOMPARE(cities.first().timezone(), 13);
        QCOMPARE(cities.first().checksum(), FavoriteLocation::NoKey);
        QVERIFY(!(cities.first() == FavoriteCities::fromLocations({&home}).first()));
    }
};

QTEST_GUILESS_MAIN(TestFavoriteCities)
#include "tst_favoritecities.moc"
