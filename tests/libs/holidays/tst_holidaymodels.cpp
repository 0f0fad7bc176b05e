#include <QSignalSpy>
#include <QTest>

#include <holidays/holidays.h>
#include <holidays/holidaysetfilter.h>
#include <holidays/holidaysets.h>

using holidays::Holiday;
using holidays::Holidays;
using holidays::HolidaySet;
using holidays::HolidaySetFilter;
using holidays::HolidaySets;

namespace {

QStringList filterNames(const HolidaySetFilter& filter)
{
    QStringList names;
    for (int row = 0; row < filter.rowCount(); ++row)
        names.append(filter.index(row, 0).data(HolidaySets::NameRole).toString());
    return names;
}

void addSets(HolidaySets& sets, const QStringList& names, bool custom)
{
    for (const QString& name : names)
        sets.addSet(HolidaySet(name, {}, custom));
}

} // namespace

class TestHolidayModels : public QObject {
    Q_OBJECT

private slots:
    void setRolesDescribeEachSet()
    {
        HolidaySets sets;
        addSets(sets, {"Deutschland - Bayern"}, false);
        addSets(sets, {"Firma"}, true);
        const QModelIndex shipped = sets.index(0);
        const QModelIndex custom = sets.index(1);
        QCOMPARE(shipped.data(HolidaySets::NameRole).toString(), QString("Deutschland - Bayern"));
        QCOMPARE(shipped.data(HolidaySets::CustomHolidayRole).toBool(), false);
        QCOMPARE(shipped.data(HolidaySets::HighlightedRole).toBool(), true);
        QCOMPARE(shipped.data(HolidaySets::IsGermanyRole).toBool(), true);
        QCOMPARE(custom.data(HolidaySets::CustomHolidayRole).toBool(), true);
        QCOMPARE(custom.data(HolidaySets::HighlightedRole).toBool(), false);
        QVERIFY(!custom.data(Qt::DisplayRole).isValid());
        QVERIFY(!sets.index(2).data(HolidaySets::NameRole).isValid());
        QCOMPARE(sets.roleNames().value(HolidaySets::CustomHolidayRole), QByteArray("customHoliday"));
        QCOMPARE(sets.customSetCount(), 1);
    }

    void exportWritesOnlyCustomSetsInListOrder()
    {
        HolidaySets sets;
        addSets(sets, {"B"}, true);
        addSets(sets, {"Deutschland"}, false);
        addSets(sets, {"A"}, true);
        const QJsonArray records = sets.exportCustomSets();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(0).toObject().value("Name").toString(), QString("B"));
        QCOMPARE(records.at(1).toObject().value("Name").toString(), QString("A"));
        QCOMPARE(HolidaySets().exportCustomSets(), QJsonArray());
    }

    void filterSortsCustomThenGermanThenByName()
    {
        HolidaySets sets;
        addSets(sets, {"Österreich", "Belgien", "Deutschland - Sachsen", "Deutschland"}, false);
        addSets(sets, {"zeta", "Alpha", "Deutschland mein"}, true);
        const HolidaySetFilter filter(&sets);
        QCOMPARE(filterNames(filter), QStringList({"Deutschland mein", "Alpha", "zeta", "Deutschland",
                                                   "Deutschland - Sachsen", "Belgien", "Österreich"}));
    }

    void renamingSortsAgain()
    {
        HolidaySets sets;
        addSets(sets, {"A", "B", "C"}, true);
        const HolidaySetFilter filter(&sets);
        sets.renameSet(0, "D");
        QCOMPARE(filterNames(filter), QStringList({"B", "C", "D"}));
    }

    void customOnlyFilter()
    {
        HolidaySets sets;
        addSets(sets, {"Deutschland", "Belgien"}, false);
        HolidaySetFilter filter(&sets);
        QSignalSpy changed(&filter, &HolidaySetFilter::showPredefinedHolidaysChanged);
        filter.setShowPredefinedHolidays(false);
        QCOMPARE(filter.rowCount(), 0);
        filter.setShowPredefinedHolidays(false);
        QCOMPARE(changed.count(), 1);
        addSets(sets, {"Meins"}, true);
        QCOMPARE(filterNames(filter), QStringList({"Meins"}));
        filter.setShowPredefinedHolidays(true);
        QCOMPARE(filter.rowCount(), 3);
    }

    void ruleRolesAreTheRuleFields()
    {
        Holidays model;
        QSignalSpy countChanged(&model, &Holidays::countChanged);
        model.updateModel({Holiday("Buß und Bettag", 1, -3, 23, 11, 2008, 6, 2, 24, 2009, 12, 18)});
        QCOMPARE(countChanged.count(), 1);
        QCOMPARE(model.count(), 1);
        const QModelIndex row = model.index(0);
        QCOMPARE(row.data(Holidays::NameRole).toString(), QString("Buß und Bettag"));
        const QList<int> expected{1, -3, 23, 11, 2008, 6, 2, 24, 12, 2009, 18};
        for (int role = Holidays::TypeRole; role <= Holidays::EndHourRole; ++role)
            QCOMPARE(row.data(role).toInt(), expected.at(role - Holidays::TypeRole));
        QCOMPARE(model.roleNames().value(Holidays::EndYearRole), QByteArray("endYear"));
        QVERIFY(!row.data(Holidays::EndHourRole + 1).isValid());
        QVERIFY(!model.index(1).data(Holidays::NameRole).isValid());
    }

    void freeHolidayNeedsAWeekdayRule()
    {
        Holidays model;
        QVERIFY(!model.hasFreeHoliday());
        model.updateModel({Holiday("A", Holiday::YearlyFixed), Holiday("B", Holiday::EasterRelative)});
        QVERIFY(!model.hasFreeHoliday());
        model.updateModel({Holiday("A", Holiday::YearlyFixed), Holiday("B", Holiday::WeekOfMonth)});
        QVERIFY(model.hasFreeHoliday());
    }

    void typeOfARowOutsideTheListIsMinusOne()
    {
        Holidays model;
        model.updateModel({Holiday("A", Holiday::EasterRelative)});
        QCOMPARE(model.type(0), 2);
        QTest::ignoreMessage(QtWarningMsg, "No holiday rule at row 1");
        QCOMPARE(model.type(1), -1);
        QVERIFY(!model.at(1).isValid());
    }
};

QTEST_GUILESS_MAIN(TestHolidayModels)
#include "tst_holidaymodels.moc"
