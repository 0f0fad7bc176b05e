#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QtQml/qqml.h>
#include <memory>

#include <core/settingsservice.h>
#include <holidays/holidaysetservice.h>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using holidays::Holiday;
using holidays::HolidaySet;
using holidays::HolidaySetService;

namespace {

// One program run: the settings service and the holiday service as the application makes them.
struct Run {
    core::SettingsService settings;
    HolidaySetService service;

    Run()
    {
        core::SettingsService::m_instance = &settings;
        settings.initialize();
        HolidaySetService::m_instance = &service;
        service.init();
    }
    ~Run() { settings.sync(); }
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QJsonArray shippedSets()
{
    return QJsonDocument::fromJson(readFile(HolidaySetService::DefaultDataPath)).array();
}

QJsonObject rule(const Holiday& holiday)
{
    return holiday.data();
}

QByteArray customFile(const QStringList& names)
{
    QJsonArray sets;
    for (const QString& name : names) {
        const QJsonArray rules{Holiday("Betriebsfeier", 0, 0, 5, 7, 2008, 0, 1, 6, 2008, 7, 0).json()};
        sets.append(QJsonObject{{"Name", name}, {"LenHoliday", 1}, {"Holidays", rules}});
    }
    return QJsonDocument(sets).toJson();
}

int positionOf(const HolidaySetService& service, const QString& name)
{
    const QList<HolidaySet> sets = service.holidaySetList();
    for (int i = 0; i < sets.size(); ++i) {
        if (sets.at(i).name() == name)
            return i;
    }
    return -1;
}

QDateTime day(int year, int month, int dayOfMonth)
{
    return QDateTime(QDate(year, month, dayOfMonth), QTime(12, 0));
}

} // namespace

class TestHolidaySetService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Tarvino Tests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_holidaysetservice"));
    }

    void init()
    {
        QFile::remove(HolidaySetService::customFilePath());
        QFile::remove(HolidaySetService::customFilePath() + ".bak");
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                  QCoreApplication::applicationName())
            .clear();
    }

    void shippedSetsFollowTheCustomSets()
    {
        writeFile(HolidaySetService::customFilePath(), customFile({"Firma", "Werk"}));
        Run run;
        const QList<HolidaySet> sets = run.service.holidaySetList();
        QCOMPARE(sets.size(), 2 + shippedSets().size());
        QCOMPARE(sets.at(0).name(), QString("Firma"));
        QVERIFY(sets.at(0).custom());
        QCOMPARE(sets.at(1).name(), QString("Werk"));
        QCOMPARE(sets.at(2).name(), QString("Deutschland"));
        QVERIFY(!sets.at(2).custom());
        QCOMPARE(sets.at(0).holidays().first().name(), QString("Betriebsfeier"));
        QCOMPARE(run.service.holidaySetFromEepromIndex(1).name(), QString("Deutschland"));
    }

    // The sets are read on a worker after init(); whichever reader comes first sees all of them,
    // with the stored set selected, and the worker's notice afterwards adds nothing.
    void theFirstReaderAfterInitSeesEverySet_data()
    {
        QTest::addColumn<int>("reader");
        QTest::newRow("set list") << 0;
        QTest::newRow("set model") << 1;
        QTest::newRow("sorted sets") << 2;
        QTest::newRow("rules of the current set") << 3;
        QTest::newRow("current set") << 4;
        QTest::newRow("holiday registry") << 5;
        QTest::newRow("holiday test") << 6;
        QTest::newRow("device index") << 7;
        QTest::newRow("current position") << 8;
        QTest::newRow("current sorted row") << 9;
        QTest::newRow("rule of the current set") << 10;
        QTest::newRow("holiday name") << 11;
        QTest::newRow("rules of a set") << 12;
    }

    void theFirstReaderAfterInitSeesEverySet()
    {
        writeFile(HolidaySetService::customFilePath(), customFile({"Firma"}));
        const int sets = 1 + int(shippedSets().size());
        {
            Run run;
            run.service.setHolidayList(positionOf(run.service, "Deutschland - Sachsen"));
        }
        // After the custom set.
        const int saxony = 1 + 13;
        const QJsonArray saxonyRules = shippedSets().at(13).toObject().value("Holidays").toArray();
        QFETCH(int, reader);
        Run run;
        switch (reader) {
        case 0:
            QCOMPARE(run.service.holidaySetList().size(), sets);
            break;
        case 1:
            QCOMPARE(run.service.holidaySets()->rowCount(), sets);
            break;
        case 2:
            QCOMPARE(run.service.sortedHolidaySet()->rowCount(), sets);
            break;
        case 3:
            QCOMPARE(run.service.holidays()->count(), saxonyRules.size());
            break;
        case 4:
            QCOMPARE(run.service.currentSetName(), QString("Deutschland - Sachsen"));
            break;
        case 5:
            QVERIFY(!run.service.holidayRegistry().isEmpty());
            break;
        case 6:
            QVERIFY(run.service.isHoliday(day(QDate::currentDate().year(), 12, 25)));
            break;
        case 7:
            QCOMPARE(run.service.holidaySetFromEepromIndex(1).name(),
                     shippedSets().at(1).toObject().value("Name").toString());
            break;
        case 8:
            QCOMPARE(run.service.currentIndex(), saxony);
            break;
        case 9: {
            const int row = run.service.currentIndex(true);
            const holidays::HolidaySetFilter* sorted = run.service.sortedHolidaySet();
            QCOMPARE(sorted->mapToSource(sorted->index(row, 0)).row(), saxony);
            break;
        }
        case 10:
            QCOMPARE(run.service.holidayFromIndex(0).name(),
                     Holiday::fromJson(saxonyRules.first().toObject()).name());
            break;
        case 11:
            QVERIFY(!run.service.holidayName(day(QDate::currentDate().year(), 12, 25)).isEmpty());
            break;
        case 12:
            QCOMPARE(run.service.holidayListFromIndex(saxony).size(), saxonyRules.size());
            break;
        }
        QCoreApplication::sendPostedEvents();
        QCOMPARE(run.service.holidaySetList().size(), sets);
        QCOMPARE(run.service.holidaySetList().first().name(), QString("Firma"));
        QCOMPARE(run.service.currentSetName(), QString("Deutschland - Sachsen"));
    }

    // A file loaded while the sets are still being read adds to them and is not lost.
    void setsLoadedAfterInitAreKept()
    {
        const QString extra = QDir::temp().filePath("tst_holidaysetservice_extra.json");
        writeFile(extra, customFile({"Extra"}));
        Run run;
        QVERIFY(run.service.loadHolidays(extra, true));
        QCoreApplication::sendPostedEvents();
        const QList<HolidaySet> sets = run.service.holidaySetList();
        QCOMPARE(sets.size(), 1 + int(shippedSets().size()));
        QCOMPARE(sets.last().name(), QString("Extra"));
        QFile::remove(extra);
    }

    void theStoredSetIsSelectedAtStart()
    {
        {
            Run run;
            QCOMPARE(run.service.currentIndex(), 0);
            QCOMPARE(run.service.currentSetName(), QString("Deutschland"));
            run.service.setHolidayList(positionOf(run.service, "Deutschland - Sachsen"));
        }
        Run run;
        QCOMPARE(run.service.currentSetName(), QString("Deutschland - Sachsen"));
        QCOMPARE(run.service.holidays()->count(),
                 shippedSets().at(13).toObject().value("Holidays").toArray().size());
    }

    void registryNamesTheHolidaysOfTheCurrentSet_data()
    {
        QTest::addColumn<QDateTime>("date");
        QTest::addColumn<QString>("name");
        QTest::newRow("New Year, yearly") << day(2031, 1, 1) << "Neujahr";
        QTest::newRow("Good Friday 2025") << day(2025, 4, 18) << "Karfreitag";
        QTest::newRow("Easter Monday 2099") << day(2099, 4, 13) << "Ostermontag";
        QTest::newRow("Ascension 2024") << day(2024, 5, 9) << "Christi Himmelfahrt";
        QTest::newRow("Whit Monday 2025") << day(2025, 6, 9) << "Pfingstmontag";
        QTest::newRow("Repentance Day 2025") << day(2025, 11, 19) << "Buß und Bettag";
        QTest::newRow("Repentance Day 2099") << day(2099, 11, 18) << "Buß und Bettag";
        QTest::newRow("Easter Sunday is no holiday in Saxony") << day(2025, 4, 20) << "";
        QTest::newRow("Wednesday before the registry years") << day(2007, 11, 21) << "";
        QTest::newRow("Wednesday after the registry years") << day(2100, 11, 17) << "";
        QTest::newRow("an ordinary day") << day(2025, 11, 20) << "";
    }
    void registryNamesTheHolidaysOfTheCurrentSet()
    {
        QFETCH(QDateTime, date);
        QFETCH(QString, name);
        Run run;
        run.service.setHolidayList(positionOf(run.service, "Deutschland - Sachsen"));
        QCOMPARE(run.service.holidayName(date), name);
        QCOMPARE(run.service.isHoliday(date), !name.isEmpty());
        QCOMPARE(run.service.holidayName(date), name);
    }

    void corpusChristiIsNamedWhereItIsAHoliday()
    {
        Run run;
        run.service.setHolidayList(positionOf(run.service, "Deutschland - Bayern"));
        QCOMPARE(run.service.holidayName(day(2025, 6, 19)), QString("Fronleichnam"));
        run.service.setHolidayList(positionOf(run.service, "Schweiz - Genf"));
        QCOMPARE(run.service.holidayName(day(2025, 9, 11)), QString("Genfer Bettag"));
        QCOMPARE(run.service.holidayName(day(2025, 9, 21)), QString("Bettagssonntag"));
    }

    void theFirstRuleNamesASharedDay()
    {
        Run run;
        QVERIFY(run.service.addCustomHolidaySet("Doppelt"));
        const int set = run.service.currentIndex();
        QVERIFY(run.service.addHoliday(set, rule(Holiday("Erster", 2, 1, 0, 0, 0, 0, 2, 0, 0, 0, 0))));
        QVERIFY(
            run.service.addHoliday(set, rule(Holiday("Zweiter", 0, 0, 21, 4, 2025, 0, 1, 22, 2025, 4, 0))));
        run.service.setHolidayList(set);
        QCOMPARE(run.service.holidayName(day(2025, 4, 21)), QString("Erster"));
        QCOMPARE(run.service.holidayName(day(2026, 4, 21)), QString("Zweiter"));
    }

    // Each edit of the current set reaches the look-ups at once, also days already asked.
    void ruleEditsOfTheCurrentSetRenewTheRegistry_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QJsonObject>("changed");
        QTest::addColumn<QDateTime>("date");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const QJsonObject jubilee = rule(Holiday("Jubiläum", 4, 0, 9, 9, 2030, 0, 0, 10, 2030, 9, 0));
        const QJsonObject moved = rule(Holiday("Betriebsfeier", 4, 0, 8, 7, 2030, 0, 0, 9, 2030, 7, 0));
        const QJsonObject renamed = rule(Holiday("Sommerfest", 4, 0, 5, 7, 2030, 0, 0, 6, 2030, 7, 0));
        QTest::newRow("added rule") << "add" << jubilee << day(2030, 9, 9) << "" << "Jubiläum";
        QTest::newRow("moved rule, old day") << "update" << moved << day(2030, 7, 5) << "Betriebsfeier" << "";
        QTest::newRow("moved rule, new day") << "update" << moved << day(2030, 7, 8) << "" << "Betriebsfeier";
        QTest::newRow("renamed rule") << "update" << renamed << day(2030, 7, 5) << "Betriebsfeier" << "Sommerfest";
        QTest::newRow("removed rule") << "remove" << QJsonObject() << day(2030, 7, 5) << "Betriebsfeier" << "";
    }
    void ruleEditsOfTheCurrentSetRenewTheRegistry()
    {
        QFETCH(QString, edit);
        QFETCH(QJsonObject, changed);
        QFETCH(QDateTime, date);
        QFETCH(QString, before);
        QFETCH(QString, after);
        Run run;
        QVERIFY(run.service.addCustomHolidaySet("Firma"));
        const int set = run.service.currentIndex();
        QVERIFY(run.service.addHoliday(
            set, rule(Holiday("Betriebsfeier", 4, 0, 5, 7, 2030, 0, 0, 6, 2030, 7, 0))));
        QCOMPARE(run.service.holidayName(date), before);
        QCOMPARE(run.service.isHoliday(date), !before.isEmpty());
        QSignalSpy registryChanged(&run.service, &HolidaySetService::holidayRegistryChanged);
        if (edit == "add")
            QVERIFY(run.service.addHoliday(set, changed));
        else if (edit == "update")
            QVERIFY(run.service.updateHoliday(set, 0, changed));
        else
            QVERIFY(run.service.removeHoliday(set, 0));
        QCOMPARE(registryChanged.count(), 1);
        QCOMPARE(run.service.holidayName(date), after);
        QCOMPARE(run.service.isHoliday(date), !after.isEmpty());
    }

    // Editing another set shows its rules for the editor, but the registry stays the current set's.
    void ruleEditsOfAnotherSetKeepTheRegistry()
    {
        Run run;
        QVERIFY(run.service.addCustomHolidaySet("Werk"));
        const int other = run.service.currentIndex();
        QVERIFY(run.service.addCustomHolidaySet("Firma"));
        const int current = run.service.currentIndex();
        QVERIFY(run.service.addHoliday(
            current, rule(Holiday("Betriebsfeier", 4, 0, 5, 7, 2030, 0, 0, 6, 2030, 7, 0))));
        QSignalSpy registryChanged(&run.service, &HolidaySetService::holidayRegistryChanged);
        QVERIFY(run.service.addHoliday(other, rule(Holiday("Inventur", 4, 0, 9, 9, 2030, 0, 0, 10, 2030, 9, 0))));
        QCOMPARE(registryChanged.count(), 0);
        QCOMPARE(run.service.holidays()->at(0).name(), QString("Inventur"));
        QVERIFY(!run.service.isHoliday(day(2030, 9, 9)));
        QCOMPARE(run.service.holidayName(day(2030, 7, 5)), QString("Betriebsfeier"));
        // An edit of the current set afterwards still builds on the current set's rules.
        QVERIFY(run.service.addHoliday(current, rule(Holiday("Jubiläum", 4, 0, 1, 8, 2030, 0, 0, 2, 2030, 8, 0))));
        QVERIFY(!run.service.isHoliday(day(2030, 9, 9)));
        QCOMPARE(run.service.holidayName(day(2030, 7, 5)), QString("Betriebsfeier"));
        QCOMPARE(run.service.holidayName(day(2030, 8, 1)), QString("Jubiläum"));
    }

    void checkHolidayMatchesYearlyEntriesEveryYear()
    {
        const QJsonObject yearly{{"name", "Neujahr"}, {"yearly", true}, {"date", "2008-01-01"}};
        const QJsonObject once{{"name", "Tag"}, {"yearly", false}, {"date", "2025-11-19"}};
        QVERIFY(HolidaySetService::checkHoliday(QDate(2050, 1, 1), yearly));
        QVERIFY(!HolidaySetService::checkHoliday(QDate(2050, 1, 2), yearly));
        QVERIFY(HolidaySetService::checkHoliday(QDate(2025, 11, 19), once));
        QVERIFY(!HolidaySetService::checkHoliday(QDate(2026, 11, 19), once));
        QVERIFY(!HolidaySetService::checkHoliday(QDate(), yearly));
        QVERIFY(!HolidaySetService::checkHoliday(QDate(2025, 1, 1), {{"yearly", true}, {"date", ""}}));
    }

    void customSetsRoundTripThroughTheFile()
    {
        QJsonArray written;
        {
            Run run;
            QVERIFY(run.service.addCustomHolidaySet("Firma"));
            const int set = run.service.currentIndex();
            QVERIFY(
                run.service.addHoliday(set, rule(Holiday("Fest", 0, 0, 5, 7, 2008, 8, 0, 6, 2008, 7, 20))));
            QVERIFY(run.service.addHoliday(set, rule(Holiday("Ostern", 2, -2, 0, 0, 0, 0, 2, 0, 0, 0, 0))));
            QVERIFY(
                run.service.addHoliday(set, rule(Holiday("Frei", 1, -3, 23, 11, 2008, 0, 1, 0, 0, 0, 0))));
            QVERIFY(run.service.addHoliday(set,
                                           rule(Holiday("Messe", 4, 0, 3, 10, 2030, 8, 0, 5, 2030, 10, 20))));
            for (const Holiday& holiday : run.service.holidayListFromIndex(set))
                written.append(holiday.json());
            QCOMPARE(written.size(), 4);
        }
        const QJsonArray file =
            QJsonDocument::fromJson(readFile(HolidaySetService::customFilePath())).array();
        QCOMPARE(file.size(), 1);
        QCOMPARE(file.first().toObject().value("LenHoliday"), QJsonValue(4));
        QCOMPARE(file.first().toObject().value("Holidays").toArray(), written);
        Run run;
        QCOMPARE(run.service.currentSetName(), QString("Firma"));
        QVERIFY(run.service.currentSetIsCustom());
        QJsonArray read;
        for (const Holiday& holiday : run.service.holidayListFromIndex(0))
            read.append(holiday.json());
        QCOMPARE(read, written);
    }

    void savingWithoutCustomSetsWritesAnEmptyList()
    {
        Run run;
        QVERIFY(run.service.saveCustomHolidaySets());
        QCOMPARE(QJsonDocument::fromJson(readFile(HolidaySetService::customFilePath())).array(),
                 QJsonArray());
    }

    void unreadableCustomFileLoadsNoCustomSets_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not JSON") << QByteArray("[{\"Name\": \"Firma\", \"Holidays\": [");
        QTest::newRow("an object") << QByteArray("{\"Name\": \"Firma\"}");
        QTest::newRow("empty") << QByteArray();
    }
    void unreadableCustomFileLoadsNoCustomSets()
    {
        QFETCH(QByteArray, content);
        const QString path = HolidaySetService::customFilePath();
        writeFile(path, content);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("holds no list of holiday sets"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("kept as"));
        Run run;
        QCOMPARE(run.service.holidaySetList().size(), shippedSets().size());
        QCOMPARE(run.service.currentSetName(), QString("Deutschland"));
        QVERIFY(run.service.addCustomHolidaySet("Neu"));
        QCOMPARE(readFile(path + ".bak"), content);
    }

    void customFileEntriesThatAreNoSetsAreSkipped()
    {
        writeFile(HolidaySetService::customFilePath(),
                  "[1, \"Firma\", {\"Name\": \"Werk\", \"Holidays\": 5}]");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no holiday set"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no holiday set"));
        Run run;
        QCOMPARE(run.service.holidaySetList().size(), 1 + shippedSets().size());
        QCOMPARE(run.service.holidaySetList().first().name(), QString("Werk"));
        QVERIFY(run.service.holidaySetList().first().holidays().isEmpty());
    }

    void selectionSurvivesARestartAfterAddingACustomSet()
    {
        writeFile(HolidaySetService::customFilePath(), customFile({"Firma"}));
        {
            Run run;
            run.service.setHolidayList(positionOf(run.service, "Deutschland - Hessen"));
            QVERIFY(run.service.addCustomHolidaySet("Werk"));
            QCOMPARE(run.service.currentSetName(), QString("Werk"));
        }
        {
            Run run;
            QCOMPARE(run.service.currentSetName(), QString("Werk"));
            QVERIFY(run.service.copyCustomHolidaySet("", positionOf(run.service, "Deutschland - Hessen")));
            QCOMPARE(run.service.currentIndex(), 2);
            run.service.setHolidayList(positionOf(run.service, "Schweiz - Genf"));
        }
        Run run;
        QCOMPARE(run.service.currentSetName(), QString("Schweiz - Genf"));
        QCOMPARE(run.service.holidaySetList().at(2).name(), QString("Deutschland - Hessen"));
        QVERIFY(run.service.holidaySetList().at(2).custom());
    }

    void invalidIndexesChangeNothing()
    {
        Run run;
        QVERIFY(run.service.addCustomHolidaySet("Firma"));
        const int set = run.service.currentIndex();
        QVERIFY(run.service.addHoliday(set, rule(Holiday("Fest", 0, 0, 5, 7, 2008, 0, 1, 6, 2008, 7, 0))));
        const QByteArray saved = readFile(HolidaySetService::customFilePath());
        const QRegularExpression noRule("No holiday rule");
        const QRegularExpression noSet("No holiday set");

        QTest::ignoreMessage(QtWarningMsg, noRule);
        QVERIFY(run.service.holiday(1).isEmpty());
        QTest::ignoreMessage(QtWarningMsg, noRule);
        QVERIFY(run.service.holidayDataFromIndex(-1).isEmpty());
        QTest::ignoreMessage(QtWarningMsg, noRule);
        QVERIFY(!run.service.holidayFromIndex(3).isValid());
        QTest::ignoreMessage(QtWarningMsg, noRule);
        QVERIFY(!run.service.updateHoliday(set, 1, rule(Holiday("Neu", 0))));
        QTest::ignoreMessage(QtWarningMsg, noRule);
        QVERIFY(!run.service.removeHoliday(set, -1));
        QTest::ignoreMessage(QtWarningMsg, noSet);
        QVERIFY(!run.service.addHoliday(9999, rule(Holiday("Neu", 0))));
        QTest::ignoreMessage(QtWarningMsg, noSet);
        QVERIFY(!run.service.removeCustomHolidaySet(-1));
        QTest::ignoreMessage(QtWarningMsg, noSet);
        QVERIFY(!run.service.renameCustomHolidaySet("Neu", 9999, true));
        QTest::ignoreMessage(QtWarningMsg, noSet);
        QVERIFY(!run.service.copyCustomHolidaySet("Neu", 9999));
        QTest::ignoreMessage(QtWarningMsg, noSet);
        QVERIFY(run.service.holidayListFromIndex(-3, true).isEmpty());
        QTest::ignoreMessage(QtWarningMsg, noSet);
        QVERIFY(run.service.holidaySetFromEepromIndex(-5).name().isEmpty());

        QCOMPARE(run.service.holidaySetList().size(), 1 + shippedSets().size());
        QCOMPARE(run.service.holidays()->count(), 1);
        QCOMPARE(run.service.holidayDataFromIndex(0).value("startDay").toInt(), 5);
        QCOMPARE(readFile(HolidaySetService::customFilePath()), saved);
    }

    void selectingNoSetEmptiesTheRulesAndKeepsTheStoredSelection()
    {
        {
            Run run;
            run.service.setHolidayList(positionOf(run.service, "Deutschland - Bayern"));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No holiday set"));
            run.service.setHolidayList(9999);
            QCOMPARE(run.service.holidays()->count(), 0);
            QVERIFY(run.service.holidayRegistry().isEmpty());
            QVERIFY(run.service.currentSetName().isEmpty());
            QVERIFY(!run.service.currentSetIsCustom());
            QVERIFY(!run.service.isHoliday(day(2025, 1, 1)));
        }
        Run run;
        QCOMPARE(run.service.currentSetName(), QString("Deutschland - Bayern"));
    }

    void shippedSetsCannotBeEdited()
    {
        Run run;
        const QRegularExpression refused("cannot be changed");
        QTest::ignoreMessage(QtWarningMsg, refused);
        QVERIFY(!run.service.renameCustomHolidaySet("Neu", 0));
        QTest::ignoreMessage(QtWarningMsg, refused);
        QVERIFY(!run.service.removeCustomHolidaySet(0));
        QTest::ignoreMessage(QtWarningMsg, refused);
        QVERIFY(!run.service.addHoliday(0, rule(Holiday("Neu", 0))));
        QTest::ignoreMessage(QtWarningMsg, refused);
        QVERIFY(!run.service.removeHoliday(0, 0));
        QCOMPARE(run.service.holidaySetList().first().name(), QString("Deutschland"));
        QCOMPARE(run.service.holidaySetList().first().holidays().size(), 9);
        QVERIFY(!QFile::exists(HolidaySetService::customFilePath()));
    }

    void rulesOfUnknownTypeAreRefused()
    {
        Run run;
        QVERIFY(run.service.addCustomHolidaySet("Firma"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Not a holiday rule"));
        QVERIFY(!run.service.addHoliday(0, QJsonObject{{"name", "Kaputt"}, {"type", 8}}));
        QCOMPARE(run.service.holidays()->count(), 0);
    }

    void emptyNamesAreRefused()
    {
        Run run;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("needs a name"));
        QVERIFY(!run.service.addCustomHolidaySet("  "));
        QVERIFY(run.service.addCustomHolidaySet("Firma"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("needs a name"));
        QVERIFY(!run.service.renameCustomHolidaySet("", 0));
        QCOMPARE(run.service.currentSetName(), QString("Firma"));
    }

    void editingRulesOfACustomSet()
    {
        Run run;
        QVERIFY(run.service.addCustomHolidaySet("Firma"));
        QVERIFY(run.service.addHoliday(0, rule(Holiday("A", 0, 0, 5, 7, 2008, 0, 1, 6, 2008, 7, 0)), true));
        QVERIFY(run.service.addHoliday(0, rule(Holiday("B", 0, 0, 6, 7, 2008, 0, 1, 7, 2008, 7, 0)), true));
        QVERIFY(run.service.updateHoliday(0, 0, rule(Holiday("C", 2, 1, 0, 0, 0, 0, 2, 0, 0, 0, 0)), true));
        QCOMPARE(run.service.holiday(0).value("name").toString(), QString("C"));
        QCOMPARE(run.service.holidayDataFromIndex(0), QVariantMap({{"type", 2},
                                                                   {"startOffset", 1},
                                                                   {"startDay", 0},
                                                                   {"startMonth", 0},
                                                                   {"startYear", 0},
                                                                   {"startHour", 0},
                                                                   {"endOffset", 2},
                                                                   {"endDay", 0},
                                                                   {"endMonth", 0},
                                                                   {"endYear", 0},
                                                                   {"endHour", 0}}));
        QVERIFY(run.service.removeHoliday(0, 1, true));
        QCOMPARE(run.service.holidays()->count(), 1);
        QVERIFY(run.service.renameCustomHolidaySet("Werk", 0, true));
        const QJsonArray file =
            QJsonDocument::fromJson(readFile(HolidaySetService::customFilePath())).array();
        QCOMPARE(file.first().toObject().value("Name").toString(), QString("Werk"));
        QCOMPARE(file.first().toObject().value("Holidays").toArray().size(), 1);
    }

    void removingACustomSetSelectsTheFirstSortedRow()
    {
        writeFile(HolidaySetService::customFilePath(), customFile({"Firma", "Werk"}));
        {
            Run run;
            QVERIFY(run.service.removeCustomHolidaySet(1));
            QCOMPARE(run.service.currentIndex(true), 0);
            QCOMPARE(run.service.currentSetName(), QString("Firma"));
            QCOMPARE(run.service.holidaySetList().size(), 1 + shippedSets().size());
        }
        Run run;
        QCOMPARE(run.service.holidaySetList().at(1).name(), QString("Deutschland"));
        QCOMPARE(run.service.currentSetName(), QString("Firma"));
    }

    void hidingShippedSetsMovesASelectionBeyondTheView()
    {
        writeFile(HolidaySetService::customFilePath(), customFile({"Firma", "Werk"}));
        Run run;
        auto* filter = run.service.sortedHolidaySet();
        run.service.setHolidayList(1);
        filter->setShowPredefinedHolidays(false);
        QCOMPARE(run.service.currentSetName(), QString("Werk"));
        filter->setShowPredefinedHolidays(true);
        run.service.setHolidayList(positionOf(run.service, "Belgien"));
        filter->setShowPredefinedHolidays(false);
        QCOMPARE(run.service.currentIndex(true), 0);
        QCOMPARE(run.service.currentSetName(), QString("Firma"));
    }

    void filteredIndexesNameRowsOfTheSortedView()
    {
        writeFile(HolidaySetService::customFilePath(), customFile({"Zoo", "Deutschland privat"}));
        Run run;
        run.service.setHolidayList(0, true);
        QCOMPARE(run.service.currentSetName(), QString("Deutschland privat"));
        QCOMPARE(run.service.currentIndex(), 1);
        QCOMPARE(run.service.currentIndex(true), 0);
        const QList<Holiday> germany = run.service.holidayListFromIndex(2, true);
        QCOMPARE(germany.size(), 9);
        QCOMPARE(germany.first().name(), QString("Neujahr"));
    }

    void failedSaveKeepsThePreviousFile()
    {
#ifdef Q_OS_UNIX
        Run run;
        QVERIFY(run.service.addCustomHolidaySet("Firma"));
        const QByteArray saved = readFile(HolidaySetService::customFilePath());
        QVERIFY(!saved.isEmpty());

        // Writes to files beyond a few bytes fail from here on, even for a privileged user.
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous;
        limited.rlim_cur = 16;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("The custom holiday sets couldn't be saved"));
        const bool added = run.service.addCustomHolidaySet("Werk");
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!added);
        QCOMPARE(readFile(HolidaySetService::customFilePath()), saved);
        QCOMPARE(run.service.currentSetName(), QString("Werk"));
        QVERIFY(run.service.saveCustomHolidaySets());
#else
        QSKIP("Needs a file size limit");
#endif
    }

    void applyUntilYearStartsThisYear()
    {
        Run run;
        QCOMPARE(run.service.applyUntilYear(), QDate::currentDate().year());
        QSignalSpy changed(&run.service, &HolidaySetService::applyUntilYearChanged);
        run.service.setApplyUntilYear(2040);
        run.service.setApplyUntilYear(2040);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(run.service.applyUntilYear(), 2040);
    }

    void typesAreKnownToQml()
    {
        Run run;
        for (const char* type : {"HolidaySetService", "HolidaySets", "Holidays", "HolidaySetFilter"})
            QVERIFY2(qmlTypeId("de.zorvik.holidaySets", 1, 0, type) >= 0, type);
    }

    void theSingletonIsClearedWithTheService()
    {
        {
            Run run;
            QVERIFY(utils::Singleton<HolidaySetService>::hasInstance());
            QCOMPARE(&utils::Singleton<HolidaySetService>::instance(), &run.service);
        }
        QVERIFY(!utils::Singleton<HolidaySetService>::hasInstance());
    }
};

QTEST_GUILESS_MAIN(TestHolidaySetService)
#include "tst_holidaysetservice.moc"
