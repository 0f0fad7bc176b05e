#include <QImage>
#include <QPainter>
#include <QTest>

#include <worldmapitem.h>

// The map's geometry (where a coordinate lies, zoom bounds, the repeat east and west) and its
// cached picture while panning.
class TestWorldMapItem : public QObject {
    Q_OBJECT

private:
    static constexpr QSizeF Size{720, 360};

    static void prepare(WorldMapItem& map, double zoom, double latitude, double longitude) {
        map.setSource(QUrl(QStringLiteral("qrc:/map/world.svg")));
        map.setSize(Size);
        map.setZoom(zoom);
        map.setCenterLatitude(latitude);
        map.setCenterLongitude(longitude);
    }

    static QImage painted(WorldMapItem& map) {
        QImage image(Size.toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        map.paint(&painter);
        return image;
    }

private slots:
    void pointAndCoordinateAgree_data() {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("centerLongitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("whole world") << 1.0 << 0.0 << 48.1372 << 11.5756;
        QTest::newRow("zoomed") << 8.0 << 11.0 << 48.1372 << 11.5756;
        QTest::newRow("deepest") << 64.0 << 11.5 << 48.1 << 11.6;
        QTest::newRow("east across the antimeridian") << 8.0 << 175.0 << -17.7 << -179.0;
        QTest::newRow("west across the antimeridian") << 8.0 << -175.0 << 64.7 << 177.5;
    }
    void pointAndCoordinateAgree() {
        QFETCH(double, zoom);
        QFETCH(double, centerLongitude);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        WorldMapItem map;
        prepare(map, zoom, latitude, centerLongitude);
        const QPointF point = map.pointAt(latitude, longitude);
        QVERIFY(QRectF(QPointF(), Size).contains(point));
        const QVariantMap coordinate = map.coordinateAt(point);
        QVERIFY(qAbs(coordinate.value("latitude").toDouble() - latitude) < 1e-9);
        QVERIFY(qAbs(coordinate.value("longitude").toDouble() - longitude) < 1e-9);
    }

    void aPointAcrossTheAntimeridianLiesBesideTheCentre() {
        WorldMapItem map;
        prepare(map, 8, 0, 179);
        // 2 degrees east of the centre, on the next copy of the world.
        const double scale = 8 * Size.width() / 360;
        QCOMPARE(map.pointAt(0, -179).x(), Size.width() / 2 + 2 * scale);
    }

    void zoomStaysInItsBounds_data() {
        QTest::addColumn<double>("requested");
        QTest::addColumn<double>("zoom");
        QTest::newRow("below") << 0.25 << 1.0;
        QTest::newRow("inside") << 12.5 << 12.5;
        QTest::newRow("above") << 500.0 << 64.0;
    }
    void zoomStaysInItsBounds() {
        QFETCH(double, requested);
        QFETCH(double, zoom);
        WorldMapItem map;
        prepare(map, requested, 0, 0);
        QCOMPARE(map.zoom(), zoom);
        map.zoomAt(QPointF(100, 100), 1000);
        QCOMPARE(map.zoom(), 64.0);
        map.zoomAt(QPointF(100, 100), 0.0001);
        QCOMPARE(map.zoom(), 1.0);
    }

    void longitudeWrapsAndLatitudeKeepsThePolesInSight_data() {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("centerLatitude");
        QTest::addColumn<double>("centerLongitude");
        QTest::newRow("east of 180") << 4.0 << 10.0 << 190.0 << 10.0 << -170.0;
        QTest::newRow("west of -180") << 4.0 << -10.0 << -540.0 << -10.0 << -180.0;
        QTest::newRow("whole height shown") << 1.0 << 50.0 << 0.0 << 0.0 << 0.0;
        // A quarter of the height shows: the centre stays 22.5 degrees from the pole.
        QTest::newRow("north pole") << 4.0 << 89.0 << 0.0 << 67.5 << 0.0;
        QTest::newRow("south pole") << 4.0 << -89.0 << 0.0 << -67.5 << 0.0;
    }
    void longitudeWrapsAndLatitudeKeepsThePolesInSight() {
        QFETCH(double, zoom);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        WorldMapItem map;
        prepare(map, zoom, latitude, longitude);
        QTEST(map.centerLatitude(), "centerLatitude");
        QTEST(map.centerLongitude(), "centerLongitude");
    }

    void zoomKeepsTheCoordinateUnderThePoint_data() {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QPointF>("point");
        QTest::newRow("in, left of the centre") << 2.0 << QPointF(200, 150);
        QTest::newRow("out, right of the centre") << 0.5 << QPointF(600, 220);
        QTest::newRow("in, near the antimeridian") << 4.0 << QPointF(700, 180);
    }
    void zoomKeepsTheCoordinateUnderThePoint() {
        QFETCH(double, factor);
        QFETCH(QPointF, point);
        WorldMapItem map;
        prepare(map, 8, 45, 170);
        const QVariantMap before = map.coordinateAt(point);
        map.zoomAt(point, factor);
        QCOMPARE(map.zoom(), 8 * factor);
        const QPointF after = map.pointAt(before.value("latitude").toDouble(), before.value("longitude").toDouble());
        QVERIFY2((after - point).manhattanLength() < 1e-6, qPrintable(QStringLiteral("%1,%2").arg(after.x()).arg(after.y())));
    }

    // While the user pans, the cached picture moves with the pointer; the strip it uncovers is
    // filled once the move ends.
    void panningMovesTheCachedPicture() {
        WorldMapItem map;
        prepare(map, 2, 20, 10);
        const QImage before = painted(map);
        map.setPanning(true);
        map.panBy(60, 0);
        const QImage during = painted(map);
        for (int y = 20; y < Size.height(); y += 37) {
            QCOMPARE(during.pixel(30, y), qRgba(0, 0, 0, 0));
            QCOMPARE(during.pixel(300 + 60, y), before.pixel(300, y));
        }
        map.setPanning(false);
        const QImage after = painted(map);
        for (int y = 20; y < Size.height(); y += 37) {
            QCOMPARE(qAlpha(after.pixel(30, y)), 255);
            QCOMPARE(after.pixel(300 + 60, y), before.pixel(300, y));
        }
    }
};

QTEST_MAIN(TestWorldMapItem)
#include "tst_worldmapitem.moc"
