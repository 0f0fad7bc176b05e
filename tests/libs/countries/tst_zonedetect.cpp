#include <countries/zonedetect.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace {

std::vector<int> reportedErrors;

void recordError(int errorCode, int /*systemErrorCode*/) {
    reportedErrors.push_back(errorCode);
}

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(TEST_DATA_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return file.readAll();
}

struct Results {
    ZDResult* items = nullptr;
    ~Results() { ZDFreeResults(items); }
    int count() const {
        int n = 0;
        while (items[n].result != ZD_LOOKUP_END)
            ++n;
        return n;
    }
};

QString simpleLookup(const ZDDatabase* db, float lat, float lon) {
    char* name = ZDHelperSimpleLookupString(db, lat, lon);
    const QString text = name ? QString::fromUtf8(name) : QString();
    ZDHelperSimpleLookupStringFree(name);
    return text;
}

} // namespace

class TestZoneDetect : public QObject {
    Q_OBJECT

private slots:
    void init() {
        reportedErrors.clear();
        ZDSetErrorHandler(recordError);
    }
    void cleanup() { ZDSetErrorHandler(nullptr); }

    void headerErrors_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = fixture("zones_v1.bin");
        QTest::newRow("six bytes") << good.left(6);
        QTest::newRow("bad magic") << QByteArray(good).replace(0, 3, "PLC");
        QByteArray version2 = good;
        version2[4] = 2;
        QTest::newRow("version 2") << version2;
        QTest::newRow("one byte short") << good.left(good.size() - 1);
        QTest::newRow("one byte long") << good + QByteArray(1, '\0');
        QTest::newRow("cut in the field names") << good.left(12);
        QByteArray precision0 = good;
        precision0[5] = 0;
        QTest::newRow("precision 0") << precision0;
    }

    void headerErrors() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(ZDOpenDatabaseFromMemory(bytes.data(), static_cast<int32_t>(bytes.size())), nullptr);
        QCOMPARE(reportedErrors, std::vector<int>{ZD_E_PARSE_HEADER});
    }

    void openFromFileReportsMissingFileAndBadHeader() {
        QCOMPARE(ZDOpenDatabase("/nonexistent/timezone21.bin"), nullptr);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("short.bin"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fixture("zones_v1.bin").chopped(1));
        file.close();
        QCOMPARE(ZDOpenDatabase(path.toLocal8Bit().constData()), nullptr);
        QCOMPARE(reportedErrors, (std::vector<int>{ZD_E_DB_OPEN, ZD_E_PARSE_HEADER}));
    }

    void emptyBufferIsRefused() {
        char byte = 0;
        QCOMPARE(ZDOpenDatabaseFromMemory(&byte, 0), nullptr);
        QCOMPARE(reportedErrors, std::vector<int>{ZD_E_DB_SEEK});
    }

    void openFromFileReadsHeader() {
        ZDDatabase* db = ZDOpenDatabase(TEST_DATA_DIR "/zones_v1.bin");
        QVERIFY(db);
        QCOMPARE(QByteArray(ZDGetNotice(db)), QByteArray("Test data"));
        QCOMPARE(ZDGetTableType(db), uint8_t('T'));
        QCOMPARE(simpleLookup(db, 12, 12), QStringLiteral("Test/Square"));
        ZDCloseDatabase(db);
        ZDCloseDatabase(nullptr);
        QVERIFY(reportedErrors.empty());
    }

    void lookups_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("version 1") << QStringLiteral("zones_v1.bin");
        QTest::newRow("version 0") << QStringLiteral("zones_v0.bin");
    }

    void lookups() {
        QFETCH(QString, file);
        QByteArray bytes = fixture(file.toLatin1().constData());
        ZDDatabase* db = ZDOpenDatabaseFromMemory(bytes.data(), static_cast<int32_t>(bytes.size()));
        QVERIFY(db);

        QCOMPARE(simpleLookup(db, 12, 12), QStringLiteral("Test/Square"));
        QCOMPARE(simpleLookup(db, 17.5f, 25), QStringLiteral("Test/East"));
        // Inside the hole both polygons of the square cancel out.
        QCOMPARE(simpleLookup(db, 15, 15), QString());
        QCOMPARE(simpleLookup(db, 14.5f, 13.5f), QStringLiteral("Test/Square"));
        // Far from every polygon.
        QCOMPARE(simpleLookup(db, -45, 100), QString());

        float safezone = -1;
        Results vertex{ZDLookup(db, 10, 10, &safezone)};
        QCOMPARE(vertex.count(), 1);
        QCOMPARE(vertex.items[0].result, int(ZD_LOOKUP_ON_BORDER_VERTEX));
        QCOMPARE(safezone, 0.0f);

        Results edge{ZDLookup(db, 12.5f, 10, &safezone)};
        QCOMPARE(edge.count(), 1);
        QCOMPARE(edge.items[0].result, int(ZD_LOOKUP_ON_BORDER_SEGMENT));
        QCOMPARE(safezone, 0.0f);

        // The shared border belongs to both zones.
        Results shared{ZDLookup(db, 12.5f, 20, nullptr)};
        QCOMPARE(shared.count(), 2);
        QCOMPARE(shared.items[0].result, int(ZD_LOOKUP_ON_BORDER_SEGMENT));
        QCOMPARE(shared.items[1].result, int(ZD_LOOKUP_ON_BORDER_SEGMENT));

        Results inside{ZDLookup(db, 11, 12, &safezone)};
        QCOMPARE(inside.count(), 1);
        QCOMPARE(inside.items[0].result, int(ZD_LOOKUP_IN_ZONE));
        QCOMPARE(inside.items[0].fieldCount, uint8_t(4));
        QCOMPARE(QByteArray(inside.items[0].fieldNames[2]), QByteArray("Note"));
        QCOMPARE(QByteArray(inside.items[0].fieldValues[2]), QByteArray("shared note"));
        QCOMPARE(QByteArray(inside.items[0].fieldValues[3]), QByteArray("1"));
        // One degree to the southern border, in degrees of latitude.
        QVERIFY(qAbs(safezone - 1.0f) < 0.001f);

        Results miss{ZDLookup(db, 50, 50, &safezone)};
        QCOMPARE(miss.count(), 0);
        ZDCloseDatabase(db);
    }

    void copyRunsRepeatAnOutline() {
        QByteArray bytes = fixture("zones_v1.bin");
        ZDDatabase* db = ZDOpenDatabaseFromMemory(bytes.data(), static_cast<int32_t>(bytes.size()));
        QVERIFY(db);
        QCOMPARE(simpleLookup(db, 35, 15), QStringLiteral("Test/Copy"));
        QCOMPARE(simpleLookup(db, 39, 19), QStringLiteral("Test/Copy"));
        QCOMPARE(simpleLookup(db, 41, 15), QString());

        // East zone: first point, two points copied backward, the repeated point, two more,
        // and the closing first point.
        uint64_t length = 0;
        float* points = ZDPolygonToList(db, 1, &length);
        QVERIFY(points);
        QCOMPARE(length, uint64_t(14));
        const float expected[] = {10, 20, 15, 20, 20, 20, 20, 20, 20, 30, 10, 30, 10, 20};
        for (int i = 0; i < 14; ++i)
            QVERIFY2(qAbs(points[i] - expected[i]) < 0.001f, qPrintable(QString::number(i)));
        std::free(points);
        QCOMPARE(ZDPolygonToList(db, 99, nullptr), nullptr);
        ZDCloseDatabase(db);
    }

    void countryTableUsesName() {
        QByteArray bytes = fixture("countries_c.bin");
        ZDDatabase* db = ZDOpenDatabaseFromMemory(bytes.data(), static_cast<int32_t>(bytes.size()));
        QVERIFY(db);
        QCOMPARE(ZDGetTableType(db), uint8_t('C'));
        QCOMPARE(simpleLookup(db, 5, 5), QStringLiteral("Testland"));
        QCOMPARE(simpleLookup(db, 15, 5), QString());
        ZDCloseDatabase(db);
    }

    void corruptReferenceGivesNoResult() {
        // Point the east zone's note (a reference to the square's) beyond the metadata.
        QByteArray bytes = fixture("zones_v1.bin");
        const qsizetype reference = bytes.indexOf(QByteArray::fromHex("8d02"));
        QVERIFY(reference > 0);
        bytes[reference + 1] = char(0x7f);
        ZDDatabase* db = ZDOpenDatabaseFromMemory(bytes.data(), static_cast<int32_t>(bytes.size()));
        QVERIFY(db);
        QCOMPARE(ZDLookup(db, 17.5f, 25, nullptr), nullptr);
        ZDCloseDatabase(db);
    }

    void texts() {
        QCOMPARE(QByteArray(ZDLookupResultToString(ZD_LOOKUP_IN_EXCLUDED_ZONE)),
                 QByteArray("In excluded zone"));
        QCOMPARE(QByteArray(ZDLookupResultToString(ZD_LOOKUP_ON_BORDER_VERTEX)),
                 QByteArray("Target point is border vertex"));
        QCOMPARE(QByteArray(ZDLookupResultToString(7)), QByteArray("Unknown"));
        QCOMPARE(QByteArray(ZDGetErrorString(ZD_E_PARSE_HEADER)),
                 QByteArray("could not parse database header"));
        QCOMPARE(QByteArray(ZDGetErrorString(0)), QByteArray(""));
    }
};

QTEST_GUILESS_MAIN(TestZoneDetect)
#include "tst_zonedetect.moc"
