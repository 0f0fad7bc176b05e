#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>

#include <holidays/easter.h>
#include <holidays/holiday.h>
#include <holidays/holidayset.h>
#include <holidays/holidaysetservice.h>

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

    // Dates worked out by hand from the law each row names. A gap row gives the law's answer on
    // a day the rule types cannot follow; the shipped set gives the other answer, and
    // docs/holidays.md lists the gap.
    void knownDatesFromTheLaw_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("holiday"); // by law; empty: a working day
        QTest::addColumn<bool>("gap");
        const QString saxony = QStringLiteral("Deutschland - Sachsen");
        const QString repentance = QStringLiteral("Buß und Bettag");
        QTest::newRow("SächsSFG § 1: Wednesday before 23 Nov 2025 (a Sunday)")
            << saxony << QDate(2025, 11, 19) << repentance << false;
        QTest::newRow("SächsSFG § 1: Wednesday before 23 Nov 2026 (a Monday)")
            << saxony << QDate(2026, 11, 18) << repentance << false;
        QTest::newRow("SächsSFG § 1: Wednesday before 23 Nov 2027 (a Tuesday)")
            << saxony << QDate(2027, 11, 17) << repentance << false;
        QTest::newRow("SächsSFG § 1: the Wednesday after, 2026") << saxony << QDate(2026, 11, 25) << "" << false;
        QTest::newRow("Unification Treaty Art. 2: 3 Oct 2026")
            << "Deutschland" << QDate(2026, 10, 3) << "Tag der Deutschen Einheit" << false;
        QTest::newRow("BayFTG Art. 1: Corpus Christi 2026, Easter + 60")
            << "Deutschland - Bayern" << QDate(2026, 6, 4) << "Fronleichnam" << false;
        QTest::newRow("FRG § 1: national day 2026")
            << "Österreich" << QDate(2026, 10, 26) << "Nationalfeiertag" << false;
        QTest::newRow("FRG § 1: no Good Friday since 2019")
            << "Österreich" << QDate(2026, 4, 3) << "" << false;

        const QString glarus = QStringLiteral("Schweiz - Glarus");
        const QString naefels = QStringLiteral("Näfelser Fahrt");
        QTest::newRow("GL Ruhetage: 2025, first Thursday of April")
            << glarus << QDate(2025, 4, 3) << naefels << false;
        QTest::newRow("GL Ruhetage: 2026, first Thursday is Maundy Thursday (gap)")
            << glarus << QDate(2026, 4, 2) << "" << true;
        QTest::newRow("GL Ruhetage: 2026, postponed a week (gap)") << glarus << QDate(2026, 4, 9) << naefels << true;
        QTest::newRow("GL Ruhetage: 2027, first Thursday of April")
            << glarus << QDate(2027, 4, 1) << naefels << false;

        const QString italy = QStringLiteral("Italien");
        QTest::newRow("L. 260/1949 art. 2 as amended 2025: San Francesco 2026")
            << italy << QDate(2026, 10, 4) << "Franz von Assisi" << false;
        QTest::newRow("L. 260/1949 art. 2: Festa della Repubblica 2026")
            << italy << QDate(2026, 6, 2) << "Tag der Republik" << false;

        const QString latvia = QStringLiteral("Lettland");
        const QString independence = QStringLiteral("Tag der Wiederherstellung der Unabhängigkeit");
        QTest::newRow("LV holidays law art. 1: 4 May 2025 (a Sunday)")
            << latvia << QDate(2025, 5, 4) << independence << false;
        QTest::newRow("LV holidays law art. 2.1: moved to Monday 5 May 2025 (gap)")
            << latvia << QDate(2025, 5, 5) << independence << true;
        QTest::newRow("LV holidays law art. 1: 18 Nov 2026 (a Wednesday)")
            << latvia << QDate(2026, 11, 18) << "Tag der Republik" << false;
        QTest::newRow("LV holidays law art. 2.1: moved to Monday 20 Nov 2028 (gap)")
            << latvia << QDate(2028, 11, 20) << "Tag der Republik" << true;

        const QString slovakia = QStringLiteral("Slowakei");
        QTest::newRow("SK 241/1993 § 2 for 2026: 8 May a working day") << slovakia << QDate(2026, 5, 8) << "" << false;
        QTest::newRow("SK 241/1993 § 2 for 2026: 15 Sep a working day")
            << slovakia << QDate(2026, 9, 15) << "" << false;
        QTest::newRow("SK 241/1993 for 2026: 1 Sep a working day") << slovakia << QDate(2026, 9, 1) << "" << false;
        QTest::newRow("SK 241/1993 for 2026: 17 Nov a working day") << slovakia << QDate(2026, 11, 17) << "" << false;
        QTest::newRow("SK 241/1993 § 1: SNP anniversary 2026")
            << slovakia << QDate(2026, 8, 29) << "Jahrestag des Slowakischen Nationalaufstands" << false;
        QTest::newRow("SK 241/1993 § 2: Good Friday 2026")
            << slovakia << QDate(2026, 4, 3) << "Karfreitag" << false;
    }

    void knownDatesFromTheLaw()
    {
        QFETCH(QString, set);
        QFETCH(QDate, date);
        QFETCH(QString, holiday);
        QFETCH(bool, gap);
        const QJsonArray records = rulesOf(set);
        QVERIFY2(!records.isEmpty(), qPrintable(set));
        const QString shipped = holidayNameOn(holidays::HolidaySet(set, records, false), date);
        if (gap)
            QVERIFY2(shipped != holiday, qPrintable(shipped));
        else
            QCOMPARE(shipped, holiday);
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
    // What the program shows for the day: the first rule of the set whose registry entry matches.
    static QString holidayNameOn(const holidays::HolidaySet& set, const QDate& date)
    {
        for (const holidays::Holiday& rule : set.holidays()) {
            for (const QJsonValue& entry : rule.holidays()) {
                if (holidays::HolidaySetService::checkHoliday(date, entry.toObject()))
                    return entry.toObject().value("name").toString();
            }
        }
        return {};
    }

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
