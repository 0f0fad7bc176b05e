#include <countries/countryservice.h>
#include <countries/timezonedatabase.h>
#include <countries/timezonenumber.h>
#include <countries/zonedetect.h>

#include <QDateTime>
#include <QResource>
#include <QSet>
#include <QTest>
#include <QTimeZone>

using countries::CountryService;
using countries::TimeZoneDatabase;

namespace {

// The standard offset: the smaller of the January and July offsets, which also holds for
// zones whose time-zone data calls winter time the daylight-saving one.
int standardOffsetSeconds(const QTimeZone& zone) {
    const int year = QDate::currentDate().year();
    const QDateTime january(QDate(year, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime july(QDate(year, 7, 15), QTime(12, 0), Qt::UTC);
    return qMin(zone.offsetFromUtc(january), zone.offsetFromUtc(july));
}

// Every zone id of the shipped file, read straight from its metadata section (the zones'
// field values stand there one after the other).
class MetadataWalker {
public:
    explicit MetadataWalker(const QByteArray& bytes)
        : m_bytes(bytes) {}

    QSet<QString> zoneIds() {
        const int fieldCount = static_cast<uchar>(m_bytes.at(6));
        qsizetype pos = 7;
        QStringList names;
        for (int i = 0; i < fieldCount; ++i)
            names << QString::fromUtf8(readString(pos));
        readString(pos); // notice
        const quint64 boxes = readVarint(pos);
        const quint64 metadata = readVarint(pos);
        readVarint(pos);
        m_metadataStart = pos + static_cast<qsizetype>(boxes);
        const qsizetype prefixField = names.indexOf(QStringLiteral("TimezoneIdPrefix"));
        const qsizetype idField = names.indexOf(QStringLiteral("TimezoneId"));
        QSet<QString> ids;
        for (pos = m_metadataStart; pos < m_metadataStart + static_cast<qsizetype>(metadata);) {
            QStringList values;
            for (int i = 0; i < fieldCount; ++i)
                values << QString::fromUtf8(readString(pos));
            ids.insert(values.at(prefixField) + values.at(idField));
        }
        return ids;
    }

private:
    quint64 readVarint(qsizetype& pos) const {
        quint64 value = 0;
        for (int shift = 0;; shift += 7) {
            const auto byte = static_cast<uchar>(m_bytes.at(pos++));
            value |= quint64(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return value;
        }
    }

    QByteArray readString(qsizetype& pos) const {
        quint64 length = readVarint(pos);
        qsizetype at = pos;
        if (length >= 256) {
            at = m_metadataStart + static_cast<qsizetype>(length - 256);
            length = readVarint(at);
        } else {
            pos += static_cast<qsizetype>(length);
        }
        QByteArray text = m_bytes.mid(at, static_cast<qsizetype>(length));
        for (char& c : text)
            c = static_cast<char>(static_cast<uchar>(c) - 128);
        return text;
    }

    QByteArray m_bytes;
    qsizetype m_metadataStart = 0;
};

QSet<QString> zoneIdsOfFile() {
    const QResource resource(QString::fromLatin1(TimeZoneDatabase::resourcePath()));
    return MetadataWalker(QByteArray(reinterpret_cast<const char*>(resource.data()), resource.size()))
        .zoneIds();
}

} // namespace

class TestShippedData : public QObject {
    Q_OBJECT

private:
    TimeZoneDatabase m_database = TimeZoneDatabase::openShipped();
    CountryService m_service;

private slots:
    void initTestCase() {
        QVERIFY(m_database.isOpen());
        m_service.init();
    }

    void header() {
        QCOMPARE(ZDGetTableType(m_database.handle()), uint8_t('T'));
        QVERIFY(QByteArray(ZDGetNotice(m_database.handle())).contains("OpenStreetMap"));

        ZDResult* results = ZDLookup(m_database.handle(), 52.52f, 13.405f, nullptr);
        QVERIFY(results);
        QCOMPARE(results[0].result, int(ZD_LOOKUP_IN_ZONE));
        QCOMPARE(results[1].result, int(ZD_LOOKUP_END));
        QCOMPARE(results[0].fieldCount, uint8_t(4));
        QCOMPARE(QByteArray(results[0].fieldNames[2]), QByteArray("StandardOffset"));
        QCOMPARE(QByteArray(results[0].fieldValues[2]), QByteArray("+01:00"));
        ZDFreeResults(results);
    }

    void wellKnownCities_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("zone");
        QTest::newRow("Berlin") << 52.52 << 13.405 << QStringLiteral("Europe/Berlin");
        QTest::newRow("Madrid") << 40.4168 << -3.7038 << QStringLiteral("Europe/Madrid");
        QTest::newRow("New York") << 40.7128 << -74.006 << QStringLiteral("America/New_York");
        QTest::newRow("Denver") << 39.7392 << -104.9903 << QStringLiteral("America/Denver");
        QTest::newRow("Sao Paulo") << -23.5505 << -46.6333 << QStringLiteral("America/Sao_Paulo");
        QTest::newRow("Tokyo") << 35.6762 << 139.6503 << QStringLiteral("Asia/Tokyo");
        QTest::newRow("Kolkata") << 22.5726 << 88.3639 << QStringLiteral("Asia/Kolkata");
        QTest::newRow("Sydney") << -33.8688 << 151.2093 << QStringLiteral("Australia/Sydney");
        QTest::newRow("Cairo") << 30.0444 << 31.2357 << QStringLiteral("Africa/Cairo");
        QTest::newRow("Lagos") << 6.5244 << 3.3792 << QStringLiteral("Africa/Lagos");
        QTest::newRow("Cape Town") << -33.9249 << 18.4241 << QStringLiteral("Africa/Johannesburg");
        QTest::newRow("Mid-Atlantic") << 30.0 << -40.0 << QString();
        QTest::newRow("South Pacific") << -40.0 << -120.0 << QString();
    }

    void wellKnownCities() {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, zone);
        QCOMPARE(m_database.zoneIdAt(latitude, longitude), zone);
    }

    void everyZoneIdIsKnownToQt() {
        const QSet<QString> ids = zoneIdsOfFile();
        QVERIFY2(ids.size() > 250, qPrintable(QString::number(ids.size())));
        for (const QString& id : ids)
            QVERIFY2(QTimeZone(id.toUtf8()).isValid(), qPrintable(id));
    }

    void catalogueShape() {
        const QList<countries::Country> list = m_service.countryList();
        QCOMPARE(list.size(), 84);
        QCOMPARE(list.at(1).name(), QStringLiteral("Ägypten"));
        QCOMPARE(list.at(15).name(), QStringLiteral("Deutschland"));
        int cities = 0;
        for (const countries::Country& country : list) {
            QVERIFY(country.cities().size() <= 103);
            cities += country.cities().size();
        }
        QVERIFY2(cities >= 900 && cities <= 1100, qPrintable(QString::number(cities)));
    }

    void cityIdentities() {
        QList<countries::City> all;
        for (const countries::Country& country : m_service.countryList())
            all += country.cities();
        for (qsizetype i = 0; i < all.size(); ++i) {
            const countries::City& city = all.at(i);
            const QByteArray what = city.name().toUtf8();
            QCOMPARE(city.checksum(), int(CountryService::cityChecksum(city.name())));
            QCOMPARE(city.firstChar(), CountryService::firstCharCode(city.name()));
            QVERIFY2(city.checksum() != 255 && city.firstChar() != 255, what.constData());
            for (qsizetype j = i + 1; j < all.size(); ++j) {
                const countries::City& other = all.at(j);
                const bool near = qAbs(other.latitude() - city.latitude()) <= 1 &&
                                  qAbs(other.longitude() - city.longitude()) <= 1;
                QVERIFY2(!near || other.firstChar() != city.firstChar() ||
                             other.checksum() != city.checksum(),
                         what.constData());
            }
        }
    }

    void cityZonesHaveTheStoredStandardOffset() {
        for (const countries::Country& country : m_service.countryList()) {
            for (const countries::City& city : country.cities()) {
                const QString id = m_database.zoneIdAt(city.latitude(), city.longitude());
                const QByteArray what = (city.name() + QLatin1Char(' ') + id).toUtf8();
                QVERIFY2(!id.isEmpty(), what.constData());
                const QTimeZone zone(id.toUtf8());
                QVERIFY2(zone.isValid(), what.constData());
                QVERIFY2(countries::timeZoneNumberForOffset(standardOffsetSeconds(zone)) == city.timezone(),
                         what.constData());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
