#include <countries/timezonedatabase.h>
#include <countries/zonedetect.h>

#include <QFile>
#include <QRandomGenerator>
#include <QResource>
#include <QTest>

// Feeds mutated and truncated databases to the reader; under the sanitizers any read outside
// the buffer or undefined arithmetic stops the test.
class TestZoneDetectFuzz : public QObject {
    Q_OBJECT

private:
    static QByteArray load(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Runs every reader entry point on a buffer of exactly the given bytes (a heap copy, so
    // that the sanitizer sees its end).
    static void exercise(const QByteArray& bytes, QRandomGenerator& random, int lookups) {
        std::vector<char> buffer(bytes.begin(), bytes.end());
        ZDDatabase* db = ZDOpenDatabaseFromMemory(buffer.data(), static_cast<int32_t>(buffer.size()));
        if (!db)
            return;
        for (int i = 0; i < lookups; ++i) {
            const float lat = static_cast<float>(random.bounded(180.0) - 90.0);
            const float lon = static_cast<float>(random.bounded(360.0) - 180.0);
            float safezone = 0;
            ZDFreeResults(ZDLookup(db, lat, lon, &safezone));
            ZDHelperSimpleLookupStringFree(ZDHelperSimpleLookupString(db, lat, lon));
            uint64_t length = 0;
            std::free(ZDPolygonToList(db, random.bounded(64u), &length));
        }
        ZDCloseDatabase(db);
    }

    static void mutate(QByteArray& bytes, QRandomGenerator& random, qsizetype from) {
        const int changes = 1 + random.bounded(8);
        for (int i = 0; i < changes; ++i) {
            const auto at = from + random.bounded(bytes.size() - from);
            bytes[at] = static_cast<char>(random.bounded(256));
        }
    }

private slots:
    void fixtures_data() {
        QTest::addColumn<QString>("file");
        for (const char* name : {"zones_v1.bin", "zones_v0.bin", "countries_c.bin"})
            QTest::newRow(name) << QStringLiteral(TEST_DATA_DIR "/") + QLatin1String(name);
    }

    void fixtures() {
        QFETCH(QString, file);
        const QByteArray original = load(file);
        QVERIFY(!original.isEmpty());
        QRandomGenerator random(4711);
        for (qsizetype cut = 0; cut <= original.size(); ++cut)
            exercise(original.left(cut), random, 2);
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = original;
            mutate(bytes, random, 0);
            exercise(bytes, random, 4);
        }
    }

    void shippedDatabase() {
        const QResource resource(QString::fromLatin1(countries::TimeZoneDatabase::resourcePath()));
        QVERIFY(resource.isValid());
        const QByteArray original(reinterpret_cast<const char*>(resource.data()), resource.size());
        QRandomGenerator random(815);
        for (int round = 0; round < 40; ++round) {
            QByteArray bytes = original;
            mutate(bytes, random, 0);
            exercise(bytes, random, 6);
            exercise(original.left(random.bounded(original.size())), random, 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestZoneDetectFuzz)
#include "tst_zonedetectfuzz.moc"
