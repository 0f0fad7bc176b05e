// The indexed look-up of the time-zone database answers exactly what the walk over every
// bounding box answers, all over the globe: land and sea, near the poles and on the date line.

#include <countries/timezonedatabase.h>
#include <countries/zonedetect.h>
#include <zoneresults.h>

#include <QTest>

#include <random>

using Points = QList<QPair<float, float>>;

class TstTimeZoneIndex : public QObject {
    Q_OBJECT

private slots:
    void agreesWithWalk_data();
    void agreesWithWalk();
    void agreesOnSmallDatabases_data();
    void agreesOnSmallDatabases();

private:
    static int disagreements(const ZDDatabase* db, const Points& points, int* zones);
};

namespace {

constexpr int RandomPoints = 200000;

Points randomPoints(std::uniform_real_distribution<float> lat,
                                        std::uniform_real_distribution<float> lon, int count)
{
    std::mt19937 random(2026);
    Points points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append({lat(random), lon(random)});
    return points;
}

// The edges of the grid: the poles, the date line and the cell borders.
Points edgePoints()
{
    Points points;
    for (float lat : {-90.0f, -89.9999f, -45.0f, 0.0f, 0.5f, 1.0f, 47.0f, 89.9999f, 90.0f, 91.0f, -91.0f}) {
        for (float lon : {-180.0f, -179.9999f, -1.0f, 0.0f, 13.0f, 179.9999f, 180.0f, 181.0f, -181.0f})
            points.append({lat, lon});
    }
    return points;
}

} // namespace

int TstTimeZoneIndex::disagreements(const ZDDatabase* db, const Points& points, int* zones)
{
    int differing = 0;
    for (const auto& [lat, lon] : points) {
        ZDResult* indexed = ZDLookup(db, lat, lon, nullptr);
        ZDResult* linear = ZDLookupLinear(db, lat, lon, nullptr);
        if (!sameZoneResults(indexed, linear)) {
            if (++differing <= 5)
                qWarning() << "Look-ups differ at" << lat << lon;
        }
        if (indexed && indexed[0].result != ZD_LOOKUP_END)
            ++*zones;
        ZDFreeResults(indexed);
        ZDFreeResults(linear);
    }
    return differing;
}

void TstTimeZoneIndex::agreesWithWalk_data()
{
    QTest::addColumn<Points>("points");
    // Three quarters of the globe is sea; both kinds of answer are asked for.
    QTest::newRow("globe") << randomPoints(std::uniform_real_distribution<float>(-90, 90),
                                           std::uniform_real_distribution<float>(-180, 180), RandomPoints);
    QTest::newRow("near the north pole")
        << randomPoints(std::uniform_real_distribution<float>(80, 90), std::uniform_real_distribution<float>(-180, 180), 5000);
    QTest::newRow("near the south pole")
        << randomPoints(std::uniform_real_distribution<float>(-90, -80), std::uniform_real_distribution<float>(-180, 180), 5000);
    QTest::newRow("date line")
        << randomPoints(std::uniform_real_distribution<float>(-90, 90), std::uniform_real_distribution<float>(179, 180), 5000)
               + randomPoints(std::uniform_real_distribution<float>(-90, 90), std::uniform_real_distribution<float>(-180, -179), 5000);
    QTest::newRow("edges") << edgePoints();
}

void TstTimeZoneIndex::agreesWithWalk()
{
    QFETCH(Points, points);
    const auto db = countries::TimeZoneDatabase::openShipped();
    QVERIFY(db.isOpen());
    int zones = 0;
    QCOMPARE(disagreements(db.handle(), points, &zones), 0);
    if (points.size() >= RandomPoints) {
        QVERIFY2(zones > points.size() / 10, "land points were looked up");
        QVERIFY2(zones < points.size(), "sea points were looked up");
    }
}

void TstTimeZoneIndex::agreesOnSmallDatabases_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("zones, version 0") << QStringLiteral("zones_v0.bin");
    QTest::newRow("zones, version 1") << QStringLiteral("zones_v1.bin");
    QTest::newRow("countries") << QStringLiteral("countries_c.bin");
}

void TstTimeZoneIndex::agreesOnSmallDatabases()
{
    QFETCH(QString, file);
    ZDDatabase* db = ZDOpenDatabase(QByteArray(TEST_DATA_DIR "/" + file.toUtf8()).constData());
    QVERIFY(db);
    int zones = 0;
    const auto points = randomPoints(std::uniform_real_distribution<float>(-90, 90),
                                     std::uniform_real_distribution<float>(-180, 180), 20000) + edgePoints();
    QCOMPARE(disagreements(db, points, &zones), 0);
    ZDCloseDatabase(db);
}

QTEST_GUILESS_MAIN(TstTimeZoneIndex)
#include "tst_timezoneindex.moc"
