#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>

#include <holidays/easter.h>
#include <holidays/holiday.h>

namespace {

const QStringList RuleKeys{"Na", "Ty", "SO", "ST", "SM", "SJ", "SS", "EO", "ET", "EM", "EJ", "ES"};

int number(const QJsonObject& rule, const char* key)
{
    return rule.value(QLatin1String(key)).toString().toInt();
}

QDate dateOf(const QJsonObject& rule, const char* day, const char* month, const char* year)
{
    return QDate(number(rule, year), number(rule, month), number(rule, day));
}

QJsonObject record(const QString& name, int type, int startOffset, int day, int month, int endOffset,
                   int endDay, int endMonth)
{
    return holidays::Holiday(name, type, startOffset, day, month, 2008, 0, endOffset, endDay, 2008, endMonth,
                             0)
        .json();
}

} // namespace

class TestHolidayData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(":/holidays_data/holidays.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QVERIFY(document.isArray());
        for (const QJsonValue& set : document.array()) {
            QVERIFY(set.isObject());
            m_sets.append(set.toObject());
        }
    }

    void setRecordsHaveTheirThreeKeys()
    {
        QSet<QString> names;
        for (const QJsonObject& set : std::as_const(m_sets)) {
            QCOMPARE(set.keys(), QStringList({"Holidays", "LenHoliday", "Name"}));
            QVERIFY(set.value("Name").isString());
            QVERIFY(set.value("LenHoliday").isString());
            QCOMPARE(set.value("LenHoliday").toString().toInt(), set.value("Holidays").toArray().size());
            QVERIFY(!set.value("Holidays").toArray().isEmpty());
            names.insert(set.value("Name").toString());
        }
        QCOMPARE(names.size(), m_sets.size());
    }

    void ruleRecordsAreTwelveDecimalStrings()
    {
        QStringList sortedKeys = RuleKeys;
        sortedKeys.sort();
        for (const QJsonObject& set : std::as_const(m_sets)) {
            for (const QJsonValue& value : set.value("Holidays").toArray()) {
                const QJsonObject rule = value.toObject();
                QCOMPARE(rule.keys(), sortedKeys);
                QVERIFY(!rule.value("Na").toString().isEmpty());
                for (const QString& key : RuleKeys.mid(1)) {
                    bool ok = false;
                    QVERIFY(rule.value(key).isString());
                    rule.value(key).toString().toInt(&ok);
                    QVERIFY2(ok, qPrintable(set.value("Name").toString() + ": " + key));
                }
                QVERIFY(QSet<int>({0, 1, 2, 5}).contains(number(rule, "Ty")));
            }
        }
    }

    // One day from 00:00 to 00:00 of the next day; every date field a real date.
    void rulesFollowTheShippedConventions()
    {
        for (const QJsonObject& set : std::as_const(m_sets)) {
            for (const QJsonValue& value : set.value("Holidays").toArray()) {
                const QJsonObject rule = value.toObject();
                const QString where = set.value("Name").toString() + ": " + rule.value("Na").toString();
                const int type = number(rule, "Ty");
                const QDate start = dateOf(rule, "ST", "SM", "SJ");
                const QDate end = dateOf(rule, "ET", "EM", "EJ");
                QVERIFY2(start.isValid() && end.isValid(), qPrintable(where));
                QVERIFY2(number(rule, "SS") == 0 && number(rule, "ES") == 0, qPrintable(where));
                if (type == holidays::Holiday::EasterRelative) {
                    QCOMPARE(number(rule, "EO"), number(rule, "SO") + 1);
                    QCOMPARE(start, holidays::easterSunday(2008).addDays(number(rule, "SO")));
                } else {
                    QCOMPARE(number(rule, "EO"), 1);
                }
                if (type != holidays::Holiday::WeekOfMonth)
                    QVERIFY2(end == start.addDays(1), qPrintable(where));
            }
        }
    }

    void germanSetsComeFirst()
    {
        QCOMPARE(m_sets.first().value("Name").toString(), QString("Deutschland"));
        int german = 0;
        for (int i = 0; i < m_sets.size(); ++i) {
            if (m_sets.at(i).value("Name").toString().startsWith("Deutschland")) {
                QCOMPARE(i, german);
                ++german;
            }
        }
        QCOMPARE(german, 17);
        QCOMPARE(countStartingWith("Österreich"), 10);
        QCOMPARE(countStartingWith("Schweiz - "), 26);
    }

    void namedRulesHaveTheirExactValues_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QJsonObject>("rule");
        QTest::newRow("Repentance Day in Saxony")
            << "Deutschland - Sachsen" << record("Buß und Bettag", 1, -3, 23, 11, 1, 24, 11);
        QTest::newRow("Fast Sunday in Zurich")
            << "Schweiz - Zürich" << record("Bettagssonntag", 1, 6, 14, 9, 1, 15, 9);
        QTest::newRow("Fast Sunday in Geneva")
            << "Schweiz - Genf" << record("Bettagssonntag", 1, 6, 14, 9, 1, 15, 9);
        QTest::newRow("Geneva fast") << "Schweiz - Genf" << record("Genfer Bettag", 5, 3, 17, 9, 1, 12, 9);
        QTest::newRow("New Year") << "Deutschland" << record("Neujahr", 0, 0, 1, 1, 1, 2, 1);
        QTest::newRow("Good Friday") << "Deutschland" << record("Karfreitag", 2, -2, 21, 3, -1, 22, 3);
        QTest::newRow("Whit Monday") << "Deutschland" << record("Pfingstmontag", 2, 50, 12, 5, 51, 13, 5);
        QTest::newRow("Corpus Christi in Bavaria")
            << "Deutschland - Bayern" << record("Fronleichnam", 2, 60, 22, 5, 61, 23, 5);
    }
    void namedRulesHaveTheirExactValues()
    {
        QFETCH(QString, set);
        QFETCH(QJsonObject, rule);
        QVERIFY(rulesOf(set).contains(rule));
    }

    void everySwissCantonKeepsTheFastSunday()
    {
        for (const QJsonObject& set : std::as_const(m_sets)) {
            if (!set.value("Name").toString().startsWith("Schweiz - "))
                continue;
            QVERIFY2(
                set.value("Holidays").toArray().contains(record("Bettagssonntag", 1, 6, 14, 9, 1, 15, 9)),
                qPrintable(set.value("Name").toString()));
        }
    }

    void everyGermanSetKeepsTheNationalHolidays()
    {
        const QJsonArray national = rulesOf("Deutschland");
        QCOMPARE(national.size(), 9);
        for (const QJsonObject& set : std::as_const(m_sets)) {
            if (!set.value("Name").toString().startsWith("Deutschland"))
                continue;
            for (const QJsonValue& rule : national)
                QVERIFY(set.value("Holidays").toArray().contains(rule));
        }
    }

private:
    QJsonArray rulesOf(const QString& name) const
    {
        for (const QJsonObject& set : m_sets) {
            if (set.value("Name").toString() == name)
                return set.value("Holidays").toArray();
        }
        return {};
    }

    int countStartingWith(const QString& prefix) const
    {
        return static_cast<int>(
            std::count_if(m_sets.cbegin(), m_sets.cend(), [&prefix](const QJsonObject& set) {
                return set.value("Name").toString().startsWith(prefix);
            }));
    }

    QList<QJsonObject> m_sets;
};

QTEST_GUILESS_MAIN(TestHolidayData)
#include "tst_holidaydata.moc"
