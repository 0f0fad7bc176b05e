#include <QSignalSpy>
#include <QTest>

#include <devices/deviceservice.h>

#include "dateformatsetting.h"
#include "daysetting.h"
#include "servicesfixture.h"
#include "sowirulesetting.h"
#include "timezonesetting.h"

namespace {

QVariant cell(const EnumerableSetting& setting, int row, int role)
{
    return setting.data(setting.index(row), role);
}

} // namespace

class TestEnumerableSettings : public QObject {
    Q_OBJECT

private slots:
    void rowsHoldNameTextAndValue_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("date format") << "date" << 3 << 1 << "Slash" << "12/31/00 (MM/TT/JJ)" << 2;
        QTest::newRow("weekday") << "day" << 7 << 6 << "Sunday" << "Sonntag" << 7;
        QTest::newRow("rule") << "rule" << 10 << 2 << "EUROPE_West" << "Westeuropa" << 2;
        QTest::newRow("rule last") << "rule" << 10 << 9 << "AUSTRALIA" << "Australien" << 9;
        QTest::newRow("time zone") << "zone" << 32 << 12 << "UTC_0" << "UTC -0h" << 12;
        QTest::newRow("time zone half hour") << "zone" << 32 << 8 << "UTC_MINUS_3_5" << "UTC -3h30" << 8;
        QTest::newRow("time zone last") << "zone" << 32 << 31 << "UTC_12" << "UTC +12h" << 31;
    }
    void rowsHoldNameTextAndValue()
    {
        QFETCH(QString, list);
        QFETCH(int, rows);
        QFETCH(int, row);
        auto setting = make(list);
        QCOMPARE(setting->rowCount(), rows);
        QTEST(cell(*setting, row, EnumerableSetting::NameRole).toString(), "name");
        QTEST(cell(*setting, row, EnumerableSetting::TextRole).toString(), "text");
        QTEST(cell(*setting, row, EnumerableSetting::ValueRole).toInt(), "value");
        QVERIFY(!cell(*setting, rows, EnumerableSetting::NameRole).isValid());
        QVERIFY(!cell(*setting, -1, EnumerableSetting::ValueRole).isValid());
        QVERIFY(!cell(*setting, row, Qt::DisplayRole).isValid());
    }

    void rolesAreNamedForQml()
    {
        const DaySetting days(nullptr, 1);
        const QHash<int, QByteArray> roles = days.roleNames();
        QCOMPARE(roles.value(257), QByteArray("name"));
        QCOMPARE(roles.value(258), QByteArray("text"));
        QCOMPARE(roles.value(259), QByteArray("value"));
    }

    void valueWithoutTextIsEmpty()
    {
        for (const char* list : {"date", "day", "rule", "zone"}) {
            auto setting = make(list);
            QCOMPARE(setting->entryText(42), QString());
            QCOMPARE(setting->entryText(-1), QString());
        }
        QCOMPARE(DaySetting(nullptr, 1).entryText(0), QString());
    }

    void constructorSelectsTheRowOfTheValue_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("selectedIndex");
        QTest::newRow("date format") << "date" << 2 << 1;
        QTest::newRow("weekday") << "day" << 7 << 6;
        QTest::newRow("rule starts at zero") << "rule" << 0 << 0;
        QTest::newRow("time zone") << "zone" << 13 << 13;
        QTest::newRow("weekday zero") << "day" << 0 << -1;
        QTest::newRow("weekday eight") << "day" << 8 << -1;
    }
    void constructorSelectsTheRowOfTheValue()
    {
        QFETCH(QString, list);
        QFETCH(int, value);
        QFETCH(int, selectedIndex);
        auto setting = make(list, value);
        QCOMPARE(setting->selectedIndex(), selectedIndex);
        QCOMPARE(setting->value(), selectedIndex < 0 ? -1 : value);
    }

    void selectionStaysInsideTheRows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("selectedIndex");
        QTest::addColumn<int>("value");
        QTest::newRow("first") << 0 << 0 << 1;
        QTest::newRow("last") << 2 << 2 << 3;
        QTest::newRow("none") << -1 << -1 << -1;
        QTest::newRow("past the end") << 3 << -1 << -1;
        QTest::newRow("far below") << -7 << -1 << -1;
    }
    void selectionStaysInsideTheRows()
    {
        QFETCH(int, index);
        DateFormatSetting formats(nullptr, 2);
        QSignalSpy indexSpy(&formats, &EnumerableSetting::selectedIndexChanged);
        QSignalSpy valueSpy(&formats, &EnumerableSetting::valueChanged);
        formats.setSelectedIndex(index);
        QTEST(formats.selectedIndex(), "selectedIndex");
        QTEST(formats.value(), "value");
        QCOMPARE(indexSpy.count(), 1);
        QTEST(indexSpy.at(0).at(0).toInt(), "selectedIndex");
        QCOMPARE(valueSpy.count(), 1);
    }

    void sameSelectionEmitsNothing()
    {
        DaySetting days(nullptr, 3);
        QSignalSpy spy(&days, &EnumerableSetting::selectedIndexChanged);
        days.setSelectedIndex(2);
        days.setSelectedIndex(-1);
        days.setSelectedIndex(9);
        QCOMPARE(spy.count(), 1);
    }

    void languageSwitchRetranslatesAndKeepsTheSelection()
    {
        ServicesFixture services;
        DaySetting days(nullptr, 4);
        QCOMPARE(days.entryText(7), QStringLiteral("Sunday"));
        QStringList events;
        connect(&days, &EnumerableSetting::selectedIndexChanged, this,
                [&events](int index) { events << QStringLiteral("selectedIndexChanged %1").arg(index); });
        connect(&days, &QAbstractItemModel::dataChanged, this,
                [&events](const QModelIndex& from, const QModelIndex& to) {
                    events << QStringLiteral("dataChanged %1-%2").arg(from.row()).arg(to.row());
                });
        services.switchTo(QStringLiteral("Français"));
        QCOMPARE(events, QStringList({"selectedIndexChanged -1", "dataChanged 0-6", "selectedIndexChanged 3"}));
        QCOMPARE(days.selectedIndex(), 3);
        QCOMPARE(cell(days, 6, EnumerableSetting::TextRole).toString(), QStringLiteral("Dimanche"));
        QCOMPARE(cell(days, 1, EnumerableSetting::TextRole).toString(), QStringLiteral("Dienstag"));
    }

    void languageSwitchWithoutSelectionOnlyReportsTheRows()
    {
        ServicesFixture services;
        SoWiRuleSetting rules(nullptr, 0);
        rules.setSelectedIndex(-1);
        QSignalSpy indexSpy(&rules, &EnumerableSetting::selectedIndexChanged);
        QSignalSpy dataSpy(&rules, &QAbstractItemModel::dataChanged);
        QCOMPARE(rules.entryText(2), QStringLiteral("Western Europe"));
        services.switchTo(QStringLiteral("Français"));
        QCOMPARE(indexSpy.count(), 0);
        QCOMPARE(dataSpy.count(), 1);
        QCOMPARE(rules.entryText(2), QStringLiteral("Europe de l'Ouest"));
    }

    void deviceRuleTextsFollowTheModel()
    {
        devices::DeviceService catalogue;
        QVERIFY(catalogue.init(QStringLiteral(":/data/devices.json")));
        const SoWiRuleSetting rules(nullptr, 0);
        int modelsWithOwnRules = 0;
        for (const devices::Device& device : catalogue.devices()) {
            if (device.soWiOwnRuleIndex() >= 0) {
                ++modelsWithOwnRules;
                QCOMPARE(rules.deviceEntryText(device.soWiOwnRuleIndex(), device), QStringLiteral("Eigene Regel"));
                QCOMPARE(rules.deviceEntryText(device.soWiCreateTableIndex(), device), QStringLiteral("Eigene Tabelle"));
                QCOMPARE(rules.deviceEntryText(device.soWiNewZealandIndex(), device), QStringLiteral("Neuseeland"));
            }
            if (device.soWiAustraliaIndex() >= 0)
                QCOMPARE(rules.deviceEntryText(device.soWiAustraliaIndex(), device), QStringLiteral("Australien"));
            QCOMPARE(rules.deviceEntryText(SoWiRules::EUROPE, device), QStringLiteral("Europa"));
        }
        QVERIFY(modelsWithOwnRules > 0);
        // A rule number that the model does not use for a rule of its own keeps the common text.
        QCOMPARE(rules.deviceEntryText(SoWiRules::FIX_DATE, devices::Device()), QStringLiteral("Festes Datum"));
    }

private:
    static std::unique_ptr<EnumerableSetting> make(const QString& list, int value = 1)
    {
        if (list == QLatin1String("date"))
            return std::make_unique<DateFormatSetting>(nullptr, value);
        if (list == QLatin1String("day"))
            return std::make_unique<DaySetting>(nullptr, value);
        if (list == QLatin1String("rule"))
            return std::make_unique<SoWiRuleSetting>(nullptr, value);
        return std::make_unique<TimeZoneSetting>(nullptr, value);
    }
};

QTEST_GUILESS_MAIN(TestEnumerableSettings)
#include "tst_enumerablesettings.moc"
