#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

#include <coordinatessettingscontroller.h>

#include "viewfixture.h"

// The location on the world map, hosted alone on a location controller without a project: a
// click places the location, the wheel zooms about the pointer, and a point at sea tells that
// its time zone came from the longitude.
class TestViewAstroLocation : public ViewFixture {
    Q_OBJECT

private:
    std::unique_ptr<CoordinatesSettingsController> location;
    QObject* view = nullptr;

    QQuickItem* map() const { return item(QStringLiteral("worldMap")); }

    QPointF pointAt(double latitude, double longitude) const {
        QPointF point;
        QMetaObject::invokeMethod(map(), "pointAt", Q_RETURN_ARG(QPointF, point), Q_ARG(double, latitude),
                                  Q_ARG(double, longitude));
        return point;
    }
    QVariantMap coordinateAt(QPointF point) const {
        QVariantMap coordinate;
        QMetaObject::invokeMethod(map(), "coordinateAt", Q_RETURN_ARG(QVariantMap, coordinate), Q_ARG(QPointF, point));
        return coordinate;
    }
    double degreesPerPixel() const {
        return coordinateAt(QPointF(101, 100)).value("longitude").toDouble()
               - coordinateAt(QPointF(100, 100)).value("longitude").toDouble();
    }

    // Moves the location there and waits until the map shows it.
    bool showAround(double latitude, double longitude) {
        location->setLatitudeLongitude(latitude, longitude);
        return ViewHarness::waitFor([&] {
            const QPointF point = pointAt(latitude, longitude);
            return QRectF(QPointF(), map()->size()).contains(point);
        });
    }

    void wheel(QPointF point, int angle) const {
        const QPointF inWindow = map()->mapToScene(point);
        QWheelEvent event(inWindow, map()->window()->mapToGlobal(inWindow), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(map()->window(), &event);
    }

    // A position source that counts what the map asks of it.
    std::unique_ptr<QObject> countingPositionSource() {
        QQmlComponent component(&harness->engine());
        component.setData("import QtQuick\nQtObject { property bool valid: true; property int updates: 0; property int stops: 0\n"
                          "property int starts: 0\nfunction start() { starts++ }\n"
                          "function update() { updates++ }\nfunction stop() { stops++ } }",
                          QUrl(QStringLiteral("qrc:/test/PositionSource.qml")));
        return std::unique_ptr<QObject>(component.create());
    }

    QObject* loadMapWith(QObject* source) {
        return harness->load(QStringLiteral("app/astro/AstroLocation.qml"),
                             {{QStringLiteral("locationController"), QVariant::fromValue(location.get())},
                              {QStringLiteral("positionSource"), QVariant::fromValue(source)},
                              {QStringLiteral("width"), 768},
                              {QStringLiteral("height"), 550}});
    }

private slots:
    void initTestCase() { harness = std::make_unique<ViewHarness>(); }
    void cleanupTestCase() { harness.reset(); }

    void init() {
        location = std::make_unique<CoordinatesSettingsController>();
        view = harness->load(QStringLiteral("app/astro/AstroLocation.qml"),
                             {{QStringLiteral("locationController"), QVariant::fromValue(location.get())},
                              {QStringLiteral("width"), 768},
                              {QStringLiteral("height"), 550}});
        QVERIFY(view);
        QVERIFY(map());
    }
    void cleanup() {
        view = nullptr;
        harness->load(QStringLiteral("components/DefaultText.qml"));
        location.reset();
    }

    void aClickSetsTheCoordinatesAndMatchesTheCity() {
        QVERIFY(showAround(48.0, 11.0));
        QCOMPARE(location->city(), -1);
        const QPointF munich = pointAt(48.1372, 11.5756);
        QVERIFY(harness->clickAt(map(), munich));
        const double pixel = degreesPerPixel();
        QVERIFY(ViewHarness::waitFor([&] { return qAbs(location->latitude() - 48.1372) <= pixel; }));
        QVERIFY(qAbs(location->longitude() - 11.5756) <= pixel);
        // Rounded to 5 decimals.
        QCOMPARE(std::round(location->latitude() * 1e5) / 1e5, location->latitude());
        QCOMPARE(location->cityName(), QStringLiteral("Munich"));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("cityValue"))), QStringLiteral("Munich"));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("countryValue"))), QStringLiteral("Deutschland"));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("timezoneValue"))), QStringLiteral("UTC +1h"));
        // The marker sits on the clicked point.
        QQuickItem* marker = item(QStringLiteral("mapMarker"));
        QVERIFY(marker);
        const QPointF centre = marker->mapToItem(map(), QPointF(marker->width() / 2, marker->height() / 2));
        QVERIFY((centre - munich).manhattanLength() <= 2);
    }

    void theWheelZoomKeepsThePointUnderTheCursor_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QPointF>("cursor");
        QTest::addColumn<double>("factor");
        QTest::newRow("in, two notches") << 240 << QPointF(120, 90) << 2.0;
        QTest::newRow("out, two notches") << -240 << QPointF(400, 380) << 0.5;
    }
    void theWheelZoomKeepsThePointUnderTheCursor() {
        QFETCH(int, angle);
        QFETCH(QPointF, cursor);
        QFETCH(double, factor);
        QVERIFY(showAround(30.0, 20.0));
        const double zoom = map()->property("zoom").toDouble();
        const QVariantMap before = coordinateAt(cursor);
        wheel(cursor, angle);
        QVERIFY(ViewHarness::waitFor([&] { return map()->property("zoom").toDouble() != zoom; }));
        QCOMPARE(map()->property("zoom").toDouble(), zoom * factor);
        const QPointF after = pointAt(before.value("latitude").toDouble(), before.value("longitude").toDouble());
        QVERIFY((after - cursor).manhattanLength() < 0.01);
    }

    void theKeysZoom_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("factor");
        QTest::newRow("plus") << int(Qt::Key_Plus) << 2.0;
        QTest::newRow("equals, the plus key without shift") << int(Qt::Key_Equal) << 2.0;
        QTest::newRow("minus") << int(Qt::Key_Minus) << 0.5;
    }
    // The map takes the keyboard focus and zooms with the keys, as with its buttons.
    void theKeysZoom() {
        QFETCH(int, key);
        QFETCH(double, factor);
        QVERIFY(showAround(30.0, 20.0));
        QQuickItem* mapView = item(QStringLiteral("mapView"));
        QVERIFY(mapView);
        mapView->forceActiveFocus(Qt::TabFocusReason);
        const double zoom = map()->property("zoom").toDouble();
        harness->key(Qt::Key(key));
        QCOMPARE(map()->property("zoom").toDouble(), zoom * factor);
    }

    void aPointAtSeaShowsTheNotice() {
        // Hidden items are not found by name.
        auto* notice = view->findChild<QQuickItem*>(QStringLiteral("timezoneNotice"));
        QVERIFY(notice && !notice->isVisible());
        QVERIFY(showAround(40.0, -35.0));
        QVERIFY(harness->clickAt(map(), pointAt(40.5, -35.5)));
        QVERIFY(ViewHarness::waitFor([&] { return notice->isVisible(); }));
        const int zone = CoordinatesSettingsController::longitudeZoneNumber(location->longitude());
        QCOMPARE(location->timezone(), zone);
        QCOMPARE(ViewHarness::text(item(QStringLiteral("timezoneValue"))),
                 harness->evaluate(QStringLiteral("AstroSettingsProvider.timezone[%1]").arg(zone)).toString());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("cityValue"))), QStringLiteral("–"));
        QCOMPARE(ViewHarness::text(notice),
                 QStringLiteral("Für diesen Ort ist keine Zeitzone bekannt; sie wurde aus dem Längengrad bestimmt."));
        // New coordinates on land take the notice away.
        QVERIFY(showAround(48.0, 11.0));
        QVERIFY(ViewHarness::waitFor([&] { return !notice->isVisible(); }));
    }

    void thePositionButtonNeedsAPositionSource() {
        QQuickItem* button = item(QStringLiteral("positionButton"));
        QVERIFY(button);
        QVERIFY(!button->isEnabled());
    }

    // A valid source runs from the opening on and is asked for one fix by the button; a click
    // on the map stops it.
    void thePositionButtonAsksTheSourceOnce() {
        const std::unique_ptr<QObject> source = countingPositionSource();
        QVERIFY(source);
        view = loadMapWith(source.get());
        QCOMPARE(source->property("starts").toInt(), 1);
        QQuickItem* button = item(QStringLiteral("positionButton"));
        QVERIFY(button && button->isEnabled());
        QVERIFY(harness->click(button));
        QCOMPARE(source->property("updates").toInt(), 1);
        QVERIFY(harness->clickAt(map(), QPointF(50, 50)));
        QCOMPARE(source->property("stops").toInt(), 1);
    }

    // The source belongs to the location settings and outlives the map: closing the map stops it.
    void closingTheMapStopsTheSource() {
        const std::unique_ptr<QObject> source = countingPositionSource();
        QVERIFY(source);
        view = loadMapWith(source.get());
        QVERIFY(view);
        QCOMPARE(source->property("starts").toInt(), 1);
        QCOMPARE(source->property("stops").toInt(), 0);
        view = nullptr;
        harness->load(QStringLiteral("components/DefaultText.qml"));
        QTRY_COMPARE(source->property("stops").toInt(), 1);
    }

    void theZoomIsReset() {
        QVERIFY(showAround(-33.9, 18.4));
        QVERIFY(harness->click(item(QStringLiteral("zoomInButton"))));
        QVERIFY(harness->click(item(QStringLiteral("zoomInButton"))));
        QCOMPARE(map()->property("zoom").toDouble(), 32.0);
        QVERIFY(harness->click(item(QStringLiteral("zoomResetButton"))));
        QCOMPARE(map()->property("zoom").toDouble(), 8.0);
        QCOMPARE(map()->property("centerLatitude").toDouble(), -33.9);
        QCOMPARE(map()->property("centerLongitude").toDouble(), 18.4);
    }

    void aDragPansTheMap_data() {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::newRow("east") << QPointF(200, 200) << QPointF(420, 260);
        QTest::newRow("west") << QPointF(480, 300) << QPointF(260, 240);
    }
    // The point taken follows the pointer; the location stays where it was.
    void aDragPansTheMap() {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QVERIFY(showAround(45.0, 10.0));
        const double pixel = degreesPerPixel();
        const double longitude = map()->property("centerLongitude").toDouble();
        const QVariantMap taken = coordinateAt(from);
        QQuickWindow* window = map()->window();
        const auto inWindow = [this](QPointF point) { return map()->mapToScene(point).toPoint(); };
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inWindow(from));
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(window, inWindow(from + (to - from) * step / 10.0));
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inWindow(to));
        QVERIFY(ViewHarness::waitFor([&] { return !map()->property("panning").toBool(); }));

        const double moved = map()->property("centerLongitude").toDouble() - longitude;
        QVERIFY2(qAbs(moved + (to.x() - from.x()) * pixel) <= 2 * pixel, qPrintable(QString::number(moved)));
        const QPointF now = pointAt(taken.value("latitude").toDouble(), taken.value("longitude").toDouble());
        QVERIFY((now - to).manhattanLength() <= 2);
        QCOMPARE(location->latitude(), 45.0);
        QCOMPARE(location->longitude(), 10.0);
    }

    void theKeysZoomAboutTheCursor_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QPointF>("cursor");
        QTest::addColumn<double>("factor");
        QTest::newRow("plus") << int(Qt::Key_Plus) << QPointF(150, 120) << 2.0;
        QTest::newRow("minus") << int(Qt::Key_Minus) << QPointF(400, 380) << 0.5;
    }
    void theKeysZoomAboutTheCursor() {
        QFETCH(int, key);
        QFETCH(QPointF, cursor);
        QFETCH(double, factor);
        QVERIFY(showAround(30.0, 20.0));
        const double zoom = map()->property("zoom").toDouble();
        const QVariantMap before = coordinateAt(cursor);
        QQuickItem* mapView = map()->parentItem();
        mapView->forceActiveFocus();
        QVERIFY(mapView->hasActiveFocus());
        QTest::mouseMove(map()->window(), map()->mapToScene(cursor).toPoint());
        harness->key(Qt::Key(key));
        QVERIFY(ViewHarness::waitFor([&] { return map()->property("zoom").toDouble() != zoom; }));
        QCOMPARE(map()->property("zoom").toDouble(), zoom * factor);
        const QPointF after = pointAt(before.value("latitude").toDouble(), before.value("longitude").toDouble());
        QVERIFY((after - cursor).manhattanLength() < 1);
    }
};

QTEST_MAIN(TestViewAstroLocation)
#include "tst_view_astrolocation.moc"
