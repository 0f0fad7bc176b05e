#include <QAbstractItemModel>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <memory>

#include <core/locationconsent.h>
#include <countries/cities.h>

#include "astroprojectcontroller.h"
#include "coordinatessettingscontroller.h"
#include "maincontroller.h"
#include "viewfixture.h"

// The country and city choice, the typed coordinates and the favourite locations, each hosted
// alone on the location controller of a new astronomic project (or one without a project, as
// the reset of a device has it).
class TestViewLocation : public ViewFixture {
    Q_OBJECT

private:
    static constexpr int Germany = 15; // catalogue row; row 0 holds the favourites
    static constexpr int Munich = 2;

    static AstroProjectController* project() { return qobject_cast<AstroProjectController*>(main().currentProject()); }
    static CoordinatesSettingsController* location() { return project()->coordinatesController(); }

    bool open() { return main().createProject(111, QStringLiteral("Standort")) && main().openCurrentProject(); }
    QObject* load(const QString& view, const QVariantMap& properties) {
        return harness->load(QStringLiteral("app/%1.qml").arg(view), properties);
    }
    QObject* loadCoordinates() {
        return load(QStringLiteral("astro/CoordinatesSettings"),
                    {{QStringLiteral("controller"), QVariant::fromValue(location())},
                     {QStringLiteral("viewController"), QVariant::fromValue(project())}});
    }
    static QQuickItem* child(QQuickItem* parent, const QString& name) {
        return parent ? parent->findChild<QQuickItem*>(name) : nullptr;
    }
    void retype(QQuickItem* field, const QString& text, bool confirm) {
        QVERIFY(field);
        field->forceActiveFocus();
        QMetaObject::invokeMethod(field, "selectAll");
        QVERIFY(harness->typeText(field, text));
        if (confirm)
            harness->key(Qt::Key_Return);
    }
    static QVariant favorite(int row, const QByteArray& role) {
        QAbstractItemModel* model = project()->favoriteLocations();
        return model->data(model->index(row, 0), model->roleNames().key(role));
    }

private slots:
    void initTestCase() { harness = std::make_unique<ViewHarness>(); }
    void cleanupTestCase() { harness.reset(); }
    void cleanup() {
        harness->load(QStringLiteral("components/DefaultText.qml"));
        core::LocationConsent::setSourceCheck({});
        main().closeProject();
    }

    void countryAndCity_data() {
        QTest::addColumn<bool>("favourites");
        QTest::newRow("favourites shown") << true;
        QTest::newRow("favourites hidden") << false;
    }
    // Choosing a country and a city sets the coordinates, the zone and the city key; a country set
    // by the controller shows in the list. Without the favourites, entry i is catalogue row i + 1.
    void countryAndCity() {
        QFETCH(bool, favourites);
        CoordinatesSettingsController withoutProject;
        QVERIFY(load(QStringLiteral("astro/CountrySettings"),
                     {{QStringLiteral("controller"), QVariant::fromValue(&withoutProject)},
                      {QStringLiteral("showFavourites"), favourites}}));
        const int shift = favourites ? 0 : 1;
        // Wide enough: each label beside its box.
        QCOMPARE(harness->loaded()->property("columns").toInt(), 2);
        QQuickItem* country = item(QStringLiteral("countryChoice"));
        QQuickItem* city = item(QStringLiteral("cityChoice"));
        QVERIFY(country && city);
        QCOMPARE(country->property("currentIndex").toInt(), 1 - shift);
        QCOMPARE(country->property("displayText").toString(), QStringLiteral("Ägypten"));
        QCOMPARE(bool(item(QStringLiteral("editFavouritesButton"))), favourites);

        QVERIFY(harness->choose(country, Germany - shift));
        QCOMPARE(withoutProject.country(), Germany);
        QCOMPARE(withoutProject.countryName(), QStringLiteral("Deutschland"));
        QVERIFY(harness->choose(city, Munich));
        QCOMPARE(withoutProject.city(), Munich);
        QCOMPARE(withoutProject.cityName(), QStringLiteral("Munich"));
        QCOMPARE(withoutProject.latitude(), 48.13743);
        QCOMPARE(withoutProject.longitude(), 11.57549);
        QCOMPARE(withoutProject.timezone(), 13);
        QCOMPARE(withoutProject.firstChar(), 77);
        QCOMPARE(withoutProject.checksum(), 196);

        withoutProject.setCountry(19);
        QVERIFY(ViewHarness::waitFor([&] { return country->property("currentIndex").toInt() == 19 - shift; }));
        QCOMPARE(country->property("displayText").toString(), QStringLiteral("Frankreich"));
        QCOMPARE(city->property("currentIndex").toInt(), 0);
        QCOMPARE(city->property("displayText").toString(), QStringLiteral("Paris"));

        // Off every city: no country and no city shown.
        withoutProject.setLatitudeLongitude(0, -30);
        QVERIFY(ViewHarness::waitFor([&] { return country->property("currentIndex").toInt() == -1; }));
        QCOMPARE(country->property("displayText").toString(), QString());
        QCOMPARE(city->property("currentIndex").toInt(), -1);
        QCOMPARE(city->property("count").toInt(), 0);
        harness->load(QStringLiteral("components/DefaultText.qml"));
    }

    void newProjectsStartAtTheirCity_data() {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("city");
        QTest::newRow("Frankfurt") << 21 << QStringLiteral("Deutschland") << QStringLiteral("Frankfurt am Main");
        QTest::newRow("Wien") << 22 << QStringLiteral("Österreich") << QStringLiteral("Vienna");
        QTest::newRow("Madrid") << 51 << QStringLiteral("Spanien") << QStringLiteral("Madrid");
        QTest::newRow("Athen") << 52 << QStringLiteral("Griechenland") << QStringLiteral("Athens");
        QTest::newRow("Sydney") << 112 << QStringLiteral("Australien") << QStringLiteral("Sydney");
    }
    // The default location of a model names a catalogue city, which a new project starts at.
    void newProjectsStartAtTheirCity() {
        QFETCH(int, ot2);
        QFETCH(QString, country);
        QFETCH(QString, city);
        QVERIFY(main().createProject(ot2, QStringLiteral("Neu")) && main().openCurrentProject());
        QCOMPARE(location()->countryName(), country);
        QCOMPARE(location()->cityName(), city);
        // The city's own coordinates, not the whole degrees of the model.
        QVERIFY(location()->latitude() != std::floor(location()->latitude()));
    }

    // Coordinates are typed in the interface's format and brought into range; the labels tell
    // the direction.
    void typedCoordinates() {
        QVERIFY(open());
        QVERIFY(loadCoordinates());
        QQuickItem* latitude = item(QStringLiteral("latitudeField"));
        QQuickItem* longitude = item(QStringLiteral("longitudeField"));
        retype(latitude, QStringLiteral("48,5"), false);
        QCOMPARE(location()->latitude(), 48.5);
        retype(longitude, QStringLiteral("-70,25"), true);
        QCOMPARE(location()->longitude(), -70.25);
        QCOMPARE(ViewHarness::text(longitude), QStringLiteral("-70,25000"));
        QCOMPARE(ViewHarness::text(latitude), QStringLiteral("48,50000"));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("latitudeDirection"))), QStringLiteral("° Norden"));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("longitudeDirection"))), QStringLiteral("° Westen"));

        retype(latitude, QStringLiteral("95"), true);
        QCOMPARE(location()->latitude(), 90.0);
        QCOMPARE(ViewHarness::text(latitude), QStringLiteral("90,00000"));
        retype(latitude, QStringLiteral("-33,9"), true);
        QCOMPARE(ViewHarness::text(item(QStringLiteral("latitudeDirection"))), QStringLiteral("° Süden"));
        retype(longitude, QStringLiteral("0"), true);
        QCOMPARE(location()->longitude(), 0.0);
        QCOMPARE(ViewHarness::text(item(QStringLiteral("longitudeDirection"))), QString());
        retype(longitude, QStringLiteral("151,2"), true);
        QCOMPARE(ViewHarness::text(item(QStringLiteral("longitudeDirection"))), QStringLiteral("° Osten"));

        // Set elsewhere (the map), the coordinates show in the fields.
        location()->setLatitudeLongitude(48.13743, 11.57549);
        QCOMPARE(ViewHarness::text(latitude), QStringLiteral("48,13743"));
        QCOMPARE(ViewHarness::text(longitude), QStringLiteral("11,57549"));
        QCOMPARE(location()->cityName(), QStringLiteral("Munich"));
    }

    // The zone list is indexed by the device number; the rule leads to the settings tab.
    void zoneAndRule() {
        QVERIFY(open());
        QObject* view = loadCoordinates();
        QVERIFY(view);
        QQuickItem* zone = item(QStringLiteral("timezoneChoice"));
        QCOMPARE(zone->property("count").toInt(), 32);
        QVERIFY(harness->choose(zone, 20));
        QCOMPARE(location()->timezone(), 20);
        QCOMPARE(zone->property("displayText").toString(), QStringLiteral("UTC +5.5h"));

        project()->setSoWiRuleType(1);
        QQuickItem* rule = item(QStringLiteral("soWiRuleField"));
        QCOMPARE(ViewHarness::text(rule), QStringLiteral("Europa"));
        QSignalSpy settingsTab(view, SIGNAL(goToSettingsView()));
        QVERIFY(harness->click(rule));
        QCOMPARE(settingsTab.count(), 1);
        // From the keyboard as well.
        rule->forceActiveFocus(Qt::TabFocusReason);
        harness->key(Qt::Key_Return);
        QCOMPARE(settingsTab.count(), 2);
        QCOMPARE(project()->soWiRuleType(), 1);
    }

    void locateButton_data() {
        QTest::addColumn<bool>("source");
        QTest::newRow("no position source") << false;
        QTest::newRow("position source") << true;
    }
    void locateButton() {
        QFETCH(bool, source);
        core::LocationConsent::setSourceCheck([source] { return source; });
        QVERIFY(open());
        QVERIFY(loadCoordinates());
        QQuickItem* locate = item(QStringLiteral("locateButton"));
        QVERIFY(locate);
        QCOMPARE(locate->isEnabled(), source);
    }

    void positionFixes_data() {
        QTest::addColumn<QList<QPointF>>("fixes"); // latitude, longitude
        QTest::addColumn<QPointF>("taken");
        QTest::addColumn<int>("stops");
        const QPointF munich(48.13743, 11.57549);
        const QPointF nearMunich(48.13999, 11.57001); // the same to the hundredth of a degree
        const QPointF berlin(52.52, 13.405);
        QTest::newRow("a new place, rounded") << QList<QPointF>{{52.520008123, 13.404954987}}
                                              << QPointF(52.52001, 13.40495) << 0;
        QTest::newRow("the same place is not taken") << QList<QPointF>{nearMunich} << munich << 0;
        QTest::newRow("three equal fixes") << QList<QPointF>(3, nearMunich) << munich << 0;
        QTest::newRow("four equal fixes stop the source") << QList<QPointF>(4, nearMunich) << munich << 1;
        // The fix of another place counts the equal ones down by one only.
        QTest::newRow("another place counts one down")
            << QList<QPointF>{munich, munich, munich, berlin, berlin, berlin} << berlin << 1;
    }
    // The fixes of the position source move the location until they settle.
    void positionFixes() {
        QFETCH(QList<QPointF>, fixes);
        QFETCH(QPointF, taken);
        QFETCH(int, stops);
        QQmlComponent component(&harness->engine());
        component.setData("import QtQuick\nQtObject { property bool valid: true; property int stops: 0\n"
                          "function stop() { stops++ } }",
                          QUrl(QStringLiteral("qrc:/test/PositionSource.qml")));
        std::unique_ptr<QObject> source(component.create());
        QVERIFY(source);
        QVERIFY(open());
        location()->setLatitudeLongitude(48.13743, 11.57549);
        QObject* view = load(QStringLiteral("astro/CoordinatesSettings"),
                             {{QStringLiteral("controller"), QVariant::fromValue(location())},
                              {QStringLiteral("viewController"), QVariant::fromValue(project())},
                              {QStringLiteral("positionSource"), QVariant::fromValue(source.get())}});
        QVERIFY(view);
        for (const QPointF& fix : fixes)
            QVERIFY(QMetaObject::invokeMethod(view, "takeFix", Q_ARG(QVariant, fix.x()), Q_ARG(QVariant, fix.y())));
        QCOMPARE(location()->latitude(), taken.x());
        QCOMPARE(location()->longitude(), taken.y());
        QCOMPARE(source->property("stops").toInt(), stops);
    }

    // A point in no time zone takes the zone of its longitude, which the view tells until the
    // coordinates change.
    void zoneFromLongitudeNotice() {
        QVERIFY(open());
        QVERIFY(loadCoordinates());
        QVERIFY(!item(QStringLiteral("timezoneFromLongitudeNotice")));
        location()->setLatitudeLongitude(0.0, -30.0);
        QQuickItem* notice = item(QStringLiteral("timezoneFromLongitudeNotice"));
        QVERIFY(notice);
        QCOMPARE(ViewHarness::text(notice),
                 QStringLiteral("Für diesen Ort ist keine Zeitzone bekannt; sie wurde aus dem Längengrad bestimmt."));
        retype(item(QStringLiteral("latitudeField")), QStringLiteral("1"), true);
        QVERIFY(!item(QStringLiteral("timezoneFromLongitudeNotice")));
    }

    // Up to ten favourites, every column edited, and on closing the location is matched again
    // against them; empty ones are dropped.
    void favourites() {
        QVERIFY(open());
        location()->setLatitude(47.0);
        location()->setLongitude(10.0);
        location()->setTimezone(13);
        QCOMPARE(location()->city(), -1);
        QObject* view = load(QStringLiteral("views/FavoriteLocationsView"),
                             {{QStringLiteral("viewController"), QVariant::fromValue(project())}});
        QVERIFY(view);
        QQuickItem* add = item(QStringLiteral("addFavoriteButton"));
        for (int count = 1; count <= 10; ++count) {
            QVERIFY(harness->click(add));
            QCOMPARE(project()->favoriteLocations()->rowCount(), count);
            // The new row takes the focus.
            QVERIFY(ViewHarness::waitFor([&] {
                QQuickItem* city = child(item(QStringLiteral("favorite_%1").arg(count - 1)), QStringLiteral("favoriteCity"));
                return city && city->hasActiveFocus();
            }));
        }
        QVERIFY(!add->isEnabled());
        harness->click(add);
        QCOMPARE(project()->favoriteLocations()->rowCount(), 10);

        QQuickItem* first = item(QStringLiteral("favorite_0"));
        QVERIFY(harness->typeText(child(first, QStringLiteral("favoriteCity")), QStringLiteral("Hütte-2 a!")));
        QCOMPARE(favorite(0, "name").toString(), QStringLiteral("HÜTTE-2 A"));
        retype(child(child(first, QStringLiteral("favoriteLatitude")), QStringLiteral("spinBoxInput")), QStringLiteral("47"), true);
        QCOMPARE(favorite(0, "latitude").toInt(), 47);
        retype(child(child(first, QStringLiteral("favoriteLongitude")), QStringLiteral("spinBoxInput")), QStringLiteral("10"), true);
        QCOMPARE(favorite(0, "longitude").toInt(), 10);
        QVERIFY(harness->choose(child(first, QStringLiteral("favoriteTimezone")), 13));
        QCOMPARE(favorite(0, "timezone").toInt(), 13);

        QVERIFY(QMetaObject::invokeMethod(view, "viewLeaved"));
        QCOMPARE(project()->favoriteLocations()->rowCount(), 1);
        QCOMPARE(location()->country(), int(CoordinatesSettingsController::FavoritesRow));
        QCOMPARE(location()->city(), 0);
        QCOMPARE(location()->cityName(), QStringLiteral("HÜTTE-2 A"));
    }
};

QTEST_MAIN(TestViewLocation)
#include "tst_view_location.moc"
