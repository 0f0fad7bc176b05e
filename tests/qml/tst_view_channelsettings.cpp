#include <QColor>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "viewfixture.h"

// The settings of one channel, its holiday period and the channel overview, each hosted on its
// own on the real controllers of a new project.
class TestViewChannelSettings : public ViewFixture {
    Q_OBJECT

private:
    static ProjectContentController* content() { return main().projectContent(); }
    static ChannelController* channel() { return content()->channelController(); }

    // Opens a new project of the model and shows the view on its settings controller.
    QObject* open(const QString& device, const QString& view) {
        if (!main().createProject(model(device), QStringLiteral("Kanäle")) || !main().openCurrentProject())
            return nullptr;
        return harness->load(QStringLiteral("app/settings/%1.qml").arg(view),
                             {{QStringLiteral("viewController"), QVariant::fromValue(content()->settingsController())}});
    }

    static QQuickItem* child(QQuickItem* parent, const QString& name) {
        return parent ? parent->findChild<QQuickItem*>(name) : nullptr;
    }

    // Replaces the field's text by typing, as a user who selects it all first (or, in a field
    // with an input mask, types over it from the start).
    void retype(QQuickItem* field, const QString& text, bool confirm = false) {
        QVERIFY(field);
        field->forceActiveFocus();
        const bool masked = !field->property("inputMask").toString().isEmpty();
        harness->key(masked ? Qt::Key_Home : Qt::Key_A, masked ? Qt::NoModifier : Qt::ControlModifier);
        QVERIFY(harness->typeText(field, text));
        if (confirm)
            harness->key(Qt::Key_Return);
    }

    static QDate beginDate() { return channel()->holidayBegin().date(); }
    static QDate endDate() { return channel()->holidayEnd().date(); }

private slots:
    void initTestCase() { harness = std::make_unique<ViewHarness>(); }
    void cleanupTestCase() { harness.reset(); }
    void cleanup() { main().closeProject(); }

    void serviceHoursAreCappedAt199999() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Weekly 2"), QStringLiteral("ChannelSettings")));
        QQuickItem* field = item(QStringLiteral("serviceHoursField"));
        QVERIFY(field);
        retype(field, QStringLiteral("1234"));
        QCOMPARE(channel()->operatingHour(), 1234);
        retype(field, QStringLiteral("250000"));
        QCOMPARE(channel()->operatingHour(), 199999);
        QCOMPARE(ViewHarness::text(field), QStringLiteral("199999"));
        // Already at the cap, a larger number still reads as the cap.
        retype(field, QStringLiteral("999999"));
        QCOMPARE(channel()->operatingHour(), 199999);
        QCOMPARE(ViewHarness::text(field), QStringLiteral("199999"));
        QVERIFY(harness->findByText(QStringLiteral("max. 199.999 h")));
    }

    void modelsWithoutTheCounterHideIt() {
        QVERIFY(open(QStringLiteral("Tarvino Rix1 Weekly 1 Plus"), QStringLiteral("ChannelSettings")));
        QVERIFY(!item(QStringLiteral("serviceHoursField")));
        QVERIFY(!item(QStringLiteral("signalingBox")));
        QVERIFY(item(QStringLiteral("externalInputBox")));
    }

    // A refusal leaves the channel and the box as they were; acceptance clears the target's
    // program and marks it as signalling.
    void signallingAsksFirst() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Weekly 2"), QStringLiteral("ChannelSettings")));
        content()->setSelectedChannel(1);
        content()->switchTimesViewController()->createFromTable(
            0, 1, 128, -1, QDateTime(QDate(2026, 3, 30), QTime(8, 0), Qt::UTC), {}, {}, {});
        QVERIFY(content()->channelIsUsed(1));
        content()->setSelectedChannel(0);

        QQuickItem* box = item(QStringLiteral("signalingBox"));
        QVERIFY(box);
        QCOMPARE(entries(box), QStringList({QStringLiteral("Inaktiv"), QStringLiteral("Kanal 2")}));
        QCOMPARE(box->property("currentIndex").toInt(), 0);

        QVERIFY(harness->choose(box, 1));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("confirmPopup")); }));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("popupText"))),
                 QStringLiteral("Das Programm dieses Kanals wird gelöscht."));
        QVERIFY(harness->click(item(QStringLiteral("rejectButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return !harness->findPopup(QStringLiteral("confirmPopup")); }));
        QVERIFY(ViewHarness::waitFor([box] { return box->property("currentIndex").toInt() == 0; }));
        QCOMPARE(channel()->signaling(), 0);
        QVERIFY(content()->channelIsUsed(1));

        QVERIFY(harness->choose(box, 1));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("confirmPopup")); }));
        QVERIFY(harness->click(item(QStringLiteral("acceptButton"))));
        QVERIFY(ViewHarness::waitFor([] { return channel()->signaling() == 2; }));
        QVERIFY(main().currentProject()->signalingChannels().contains(2));
        QVERIFY(!content()->channelIsUsed(1));
        QCOMPARE(box->property("displayText").toString(), QStringLiteral("Kanal 2"));

        // The same target again asks nothing.
        QVERIFY(harness->choose(box, 1));
        QVERIFY(!harness->findPopup(QStringLiteral("confirmPopup")));
    }

    void externalInput_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("pushButton");
        QTest::addColumn<QStringList>("switchFunctions");
        QTest::addColumn<QString>("timerUnit");
        const QString hhmm = QStringLiteral("hh:mm");
        const QStringList withoutSwitch{QStringLiteral("Inaktiv"), QStringLiteral("Taster")};
        const QStringList all = withoutSwitch + QStringList{QStringLiteral("Schalter")};
        const QStringList plain{QStringLiteral("Handschaltung"), QStringLiteral("Timer"), QStringLiteral("Treppenlicht")};
        const QStringList nocta = plain + QStringList{QStringLiteral("Luxwert übernehmen"), QStringLiteral("Umschalten")};
        const QStringList astro{QStringLiteral("Handschaltung bis Sonnenereignis"), QStringLiteral("Timer"),
                                QStringLiteral("Treppenlicht")};
        const QStringList steady{QStringLiteral("Dauer Ein"), QStringLiteral("Dauer Aus")};
        QTest::newRow("push button") << "Tarvino Rix1 Weekly 1 Plus" << withoutSwitch << plain << QStringList() << hhmm;
        QTest::newRow("switch") << "Tarvino Rix2 Weekly 4" << all << plain << steady + QStringList{QStringLiteral("Ferien")}
                                << QStringLiteral("hh:mm:ss");
        QTest::newRow("twilight 74") << "Tarvino Rix2 Lumen 2" << withoutSwitch << nocta << QStringList() << hhmm;
        QTest::newRow("twilight") << "Tarvino Rix3 Lumen 2" << all << nocta
                                  << steady + QStringList{QStringLiteral("Nur Lux"), QStringLiteral("Sonderprogramm")} << hhmm;
        QTest::newRow("astro") << "Tarvino Rix3 Astro 1" << all << astro
                               << steady + QStringList{QStringLiteral("Ferien"), QStringLiteral("Astro inaktiv")} << hhmm;
    }

    // The boxes that follow the input function, the rule box and the time unit.
    void externalInput() {
        QFETCH(QString, device);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, pushButton);
        QFETCH(QStringList, switchFunctions);
        QFETCH(QString, timerUnit);
        QVERIFY(open(device, QStringLiteral("ChannelSettings")));
        QQuickItem* input = item(QStringLiteral("externalInputBox"));
        QVERIFY(input);
        QCOMPARE(entries(input), inputs);
        QVERIFY(harness->choose(input, 0));
        QCOMPARE(channel()->externalInputFunction(), 0);
        QVERIFY(!item(QStringLiteral("externalFunctionBox")));

        QVERIFY(harness->choose(input, 1));
        QCOMPARE(channel()->externalInputFunction(), 1);
        QQuickItem* function = item(QStringLiteral("externalFunctionBox"));
        QVERIFY(function);
        QCOMPARE(entries(function), pushButton);
        QVERIFY(!item(QStringLiteral("externalRuleBox")));

        // The timer: its rule is the state it holds, hours and minutes (and seconds) its time.
        QVERIFY(harness->choose(function, 1));
        QCOMPARE(channel()->externalTasterFunction(), 1);
        QCOMPARE(entries(item(QStringLiteral("externalRuleBox"))), QStringList({QStringLiteral("Aus"), QStringLiteral("Ein")}));
        QVERIFY(harness->choose(item(QStringLiteral("externalRuleBox")), 1));
        QCOMPARE(channel()->externalStatus(), 1);
        QCOMPARE(ViewHarness::text(item(QStringLiteral("externalTimeUnit"))), timerUnit);
        const bool seconds = timerUnit.endsWith(QStringLiteral(":ss"));
        retype(child(item(QStringLiteral("externalTimeField")), QStringLiteral("timeField")),
               seconds ? QStringLiteral("023015") : QStringLiteral("0230"), true);
        QCOMPARE(channel()->externalInputTime().time(), QTime(2, 30, seconds ? 15 : 0));

        // The staircase light: restart or not, minutes only.
        QVERIFY(harness->choose(function, 2));
        QCOMPARE(entries(item(QStringLiteral("externalRuleBox"))),
                 QStringList({QStringLiteral("Nicht nachschaltbar"), QStringLiteral("Nachschaltbar")}));
        QVERIFY(harness->choose(item(QStringLiteral("externalRuleBox")), 1));
        QCOMPARE(channel()->externalResettable(), 1);
        QCOMPARE(ViewHarness::text(item(QStringLiteral("externalTimeUnit"))), QStringLiteral("hh:mm"));
        QQuickItem* minutes = child(item(QStringLiteral("externalTimeField")), QStringLiteral("timeField"));
        retype(minutes, QStringLiteral("0345"), true);
        QCOMPARE(channel()->externalInputTime().time(), QTime(2, 30, seconds ? 15 : 0));
        retype(minutes, QStringLiteral("0045"), true);
        QCOMPARE(channel()->externalInputTime().time(), QTime(0, 45));

        // Twilight functions past the staircase light take no rule and no time.
        if (pushButton.size() > 3) {
            QVERIFY(harness->choose(function, 3));
            QVERIFY(!item(QStringLiteral("externalRuleBox")));
            QVERIFY(!item(QStringLiteral("externalTimeField")));
        }

        if (switchFunctions.isEmpty())
            return;
        QVERIFY(harness->choose(input, 2));
        QCOMPARE(channel()->externalInputFunction(), 2);
        QCOMPARE(entries(function), switchFunctions);
        QVERIFY(harness->choose(function, 1));
        QCOMPARE(channel()->externalSwitchFunction(), 1);
        QVERIFY(!item(QStringLiteral("externalRuleBox")));
    }

    void earthHour() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Astro 1"), QStringLiteral("ChannelSettings")));
        QQuickItem* box = item(QStringLiteral("earthHourBox"));
        QVERIFY(box);
        QVERIFY(harness->choose(box, 1));
        QCOMPARE(channel()->earthHour(), 1);
        main().closeProject();
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Weekly 2"), QStringLiteral("ChannelSettings")));
        QVERIFY(!item(QStringLiteral("earthHourBox")));
    }

    // Until an end day is chosen the end follows the begin, which may go up to 2040-12-31;
    // afterwards each bounds the other. On one day the end hour is at least the begin hour + 1.
    void holidayPeriod() {
        QVERIFY(open(QStringLiteral("Tarvino Rix3 Weekly 2"), QStringLiteral("HolidaySettings")));
        QQuickItem* status = item(QStringLiteral("holidayStatusBox"));
        QCOMPARE(entries(status), QStringList({QStringLiteral("Inaktiv"), QStringLiteral("Aus"), QStringLiteral("Ein"),
                                               QStringLiteral("Zufall 1"), QStringLiteral("Zufall 2")}));
        QVERIFY(!item(QStringLiteral("holidayBeginDate")));
        QVERIFY(harness->choose(status, 2));
        QCOMPARE(channel()->holidayStatus(), 2);
        QQuickItem* beginField = child(item(QStringLiteral("holidayBeginDate")), QStringLiteral("dateField"));
        QQuickItem* endField = child(item(QStringLiteral("holidayEndDate")), QStringLiteral("dateField"));
        QQuickItem* beginHour = child(item(QStringLiteral("holidayBeginHour")), QStringLiteral("spinBoxInput"));
        QQuickItem* endHour = item(QStringLiteral("holidayEndHour"));
        QVERIFY(beginField && endField && beginHour && endHour);
        QCOMPARE(beginDate(), QDate::currentDate());
        QCOMPARE(channel()->holidayEnd().time().hour(), 1);

        retype(beginField, QStringLiteral("010141"), true);
        QCOMPARE(beginDate(), QDate::currentDate());
        retype(beginField, QStringLiteral("311240"), true);
        QCOMPARE(beginDate(), QDate(2040, 12, 31));
        QCOMPARE(endDate(), QDate(2040, 12, 31));
        retype(beginField, QStringLiteral("150826"), true);
        QCOMPARE(beginDate(), QDate(2026, 8, 15));
        QCOMPARE(endDate(), QDate(2026, 8, 15));

        // A later begin hour on the same day moves the end along.
        retype(beginHour, QStringLiteral("10"), true);
        QCOMPARE(channel()->holidayBegin().time(), QTime(10, 0));
        QCOMPARE(channel()->holidayEnd().time(), QTime(11, 0));
        QCOMPARE(endHour->property("from").toInt(), 11);

        retype(endField, QStringLiteral("200826"), true);
        QCOMPARE(endDate(), QDate(2026, 8, 20));
        retype(beginField, QStringLiteral("100826"), true);
        QCOMPARE(beginDate(), QDate(2026, 8, 10));
        QCOMPARE(endDate(), QDate(2026, 8, 20));
        retype(beginField, QStringLiteral("250826"), true);
        QCOMPARE(beginDate(), QDate(2026, 8, 10));
        retype(endField, QStringLiteral("050826"), true);
        QCOMPARE(endDate(), QDate(2026, 8, 20));
        QCOMPARE(endHour->property("from").toInt(), 0);

        // Back on the begin's day the end hour keeps after the begin hour.
        retype(child(endHour, QStringLiteral("spinBoxInput")), QStringLiteral("5"), true);
        QCOMPARE(channel()->holidayEnd().time(), QTime(5, 0));
        retype(endField, QStringLiteral("100826"), true);
        QCOMPARE(endDate(), QDate(2026, 8, 10));
        QCOMPARE(channel()->holidayEnd().time(), QTime(11, 0));
        QCOMPARE(item(QStringLiteral("holidayBeginHour"))->property("to").toInt(), 10);
    }

    // Two channels with an extension module: six columns headed 1, 2 and 5 to 8, the module's
    // green, a signalling target's red.
    void overviewOfTwoChannelsWithTheExtensionModule() {
        QVERIFY(main().createProject(model(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Überblick")));
        QVERIFY(main().openCurrentProject());
        QVERIFY(content()->toggleExtensionModule(true));
        content()->setSignaling(6);
        channel()->setExternalInputFunction(1);
        channel()->setOperatingHour(500);
        QObject* dialog = harness->load(
            QStringLiteral("components/WindowDialog.qml"),
            {{QStringLiteral("source"), QStringLiteral("qrc:/orvindal/Tarvino/app/settings/ChannelOverview.qml")},
             {QStringLiteral("properties"),
              QVariantMap{{QStringLiteral("signalingChannels"), QVariant::fromValue(main().currentProject()->signalingChannels())},
                          {QStringLiteral("viewController"), QVariant::fromValue(content()->settingsController())},
                          {QStringLiteral("projectContentController"), QVariant::fromValue(content())}}}});
        QVERIFY(dialog);
        QObject* view = dialog->property("item").value<QObject*>();
        QVERIFY(view);
        QCOMPARE(view->property("title").toString(), QStringLiteral("Tarvino Rix3 Weekly 2 EM 4 "));

        const QStringList headers{QStringLiteral("Kanal 1"), QStringLiteral("Kanal 2"), QStringLiteral("Kanal 5"),
                                  QStringLiteral("Kanal 6"), QStringLiteral("Kanal 7"), QStringLiteral("Kanal 8")};
        const QList<QColor> colours{QColor("#FFFFFF"), QColor("#FFFFFF"), QColor("#00B432"),
                                    QColor("#E20014"), QColor("#00B432"), QColor("#00B432")};
        QVERIFY(!item(QStringLiteral("overviewHeader_6")));
        for (int column = 0; column < headers.size(); ++column) {
            QQuickItem* header = item(QStringLiteral("overviewHeader_%1").arg(column));
            QVERIFY(header);
            QCOMPARE(header->property("color").value<QColor>(), colours[column]);
            QCOMPARE(ViewHarness::text(header->childItems().value(0)), headers[column]);
        }
        const auto cell = [this](int row, int column) {
            return ViewHarness::text(item(QStringLiteral("overviewCell_%1_%2").arg(row).arg(column))->childItems().value(0));
        };
        // The row titles are English source texts, which German shows as they are.
        const QStringList titles{QStringLiteral("Channel Function"), QStringLiteral("Memory Used"),
                                 QStringLiteral("Extra Program used"), QStringLiteral("Holiday"),
                                 QStringLiteral("External Input"),   QStringLiteral("Signaling To"),
                                 QStringLiteral("Service Interval")};
        for (int row = 0; row < titles.size(); ++row)
            QCOMPARE(cell(row, -1), titles[row]);
        QCOMPARE(cell(0, 0), QStringLiteral("Zeitschaltprogramm"));
        QCOMPARE(cell(0, 3), QStringLiteral("Signalisierung"));
        QCOMPARE(cell(4, 0), QStringLiteral("Taster"));
        QCOMPARE(cell(5, 0), QStringLiteral("Kanal 6"));
        QCOMPARE(cell(5, 1), QStringLiteral("-"));
        QCOMPARE(cell(6, 0), QStringLiteral("500"));
    }
};

QTEST_MAIN(TestViewChannelSettings)
#include "tst_view_channelsettings.moc"
