#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>

// The world map as Qt SVG draws it: every path is read whole, land lies where it should, and no
// ring crossing the antimeridian paints a band across the map.
class TestWorldMapPicture : public QObject {
    Q_OBJECT

private:
    static constexpr int PixelsPerDegree = 10;
    static inline const QString Path = QStringLiteral(":/map/world.svg");
    QImage picture;
    QColor land;
    QColor sea;
    QStringList svgWarnings;

    // The fill of the element with this id, as the file states it.
    static QColor fillOf(const QByteArray& svg, const QString& id) {
        const QRegularExpression pattern(QStringLiteral("id=\"%1\"[^>]*fill=\"(#[0-9a-fA-F]{6})\"").arg(id));
        return QColor(pattern.match(QString::fromUtf8(svg)).captured(1));
    }

    QColor colourAt(double latitude, double longitude) const {
        return picture.pixelColor(int((longitude + 180) * PixelsPerDegree), int((90 - latitude) * PixelsPerDegree));
    }

    static void addPlaces(const QList<std::tuple<const char*, double, double>>& places) {
        for (const auto& [name, latitude, longitude] : places)
            QTest::newRow(name) << latitude << longitude;
    }

private slots:
    void initTestCase() {
        QFile file(Path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(svg.size() <= 2 * 1024 * 1024);
        land = fillOf(svg, QStringLiteral("land"));
        sea = fillOf(svg, QStringLiteral("sea"));
        QVERIFY(land.isValid() && sea.isValid() && land != sea);

        static QStringList* warnings = &svgWarnings;
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            warnings->append(text);
        });
        QSvgRenderer renderer(svg);
        picture = QImage(360 * PixelsPerDegree, 180 * PixelsPerDegree, QImage::Format_RGB32);
        QPainter painter(&picture);
        renderer.render(&painter, picture.rect());
        painter.end();
        qInstallMessageHandler(previous);
        QVERIFY(renderer.isValid());
    }

    // A path the parser cuts off ("Invalid path data; path truncated") loses land.
    void everyPathIsReadWhole() { QCOMPARE(svgWarnings, QStringList()); }

    void landHasTheLandColour_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        addPlaces({{"Munich", 48.1372, 11.5756}, {"Madrid", 40.4168, -3.7038}, {"Moscow", 55.7558, 37.6173},
                   {"Ulaanbaatar", 47.886, 106.905}, {"Denver", 39.7392, -104.9903}, {"Brasilia", -15.79, -47.88},
                   {"Alice Springs", -23.698, 133.88}, {"Niamey", 13.51, 2.11}, {"Yakutsk", 62.03, 129.73},
                   // The band near 68 N, where Eurasia crosses the antimeridian.
                   {"Siberia at 68 N", 68.0, 100.0}, {"Alaska at 68 N", 68.0, -150.0},
                   {"Chukotka west of 180", 67.0, 175.0}, {"Chukotka east of 180", 66.5, -176.0},
                   // Antarctica, closed over the pole.
                   {"Antarctica at 0", -80.0, 0.0}, {"Antarctica at 150 E", -85.0, 150.0},
                   {"south pole", -89.5, -60.0}, {"Antarctica near 180", -86.0, 179.5}});
    }
    void landHasTheLandColour() {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QCOMPARE(colourAt(latitude, longitude), land);
    }

    void seaHasTheSeaColour_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        addPlaces({{"North Atlantic", 35.0, -40.0}, {"Pacific", 0.5, -140.0}, {"Indian Ocean", -20.0, 80.0},
                   {"Southern Ocean", -58.0, 10.0}, {"Pacific west of 180", 0.5, 179.5},
                   {"Pacific east of 180", -40.0, -179.5}, {"Caspian Sea", 42.0, 50.5},
                   {"Norwegian Sea at 68 N", 68.0, 5.0}, {"Chukchi Sea", 69.5, -168.0},
                   {"Barents Sea", 72.0, 40.0}, {"Beaufort Sea", 72.0, -140.0}, {"Arctic at 86 N", 86.0, 100.0}});
    }
    void seaHasTheSeaColour() {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QCOMPARE(colourAt(latitude, longitude), sea);
    }
};

QTEST_MAIN(TestWorldMapPicture)
#include "tst_worldmappicture.moc"
