#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include <core/locationconsent.h>

#include "astrochannelcontroller.h"
#include "astroprojectcontroller.h"
#include "coordinatessettingscontroller.h"
#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "viewfixture.h"

// The astro tab on the real controllers of new projects of each kind. What the controls write
// is read again from the project file after saving and reopening.
class TestViewAstro : public ViewFixture {
    Q_OBJECT

private:
    static ProjectContentController* content() { return main().projectContent(); }
    static ProjectController* project() { return main().currentProject(); }
    static AstroChannelController* astroChannel(int index) {
        return qobject_cast<AstroChannelController*>(project()->channel(index));
    }

    bool open(int ot2) { return main().createProject(ot2, QStringLiteral("Astro")) && main().openCurrentProject(); }
    QObject* loadView() {
        return harness->load(QStringLiteral("app/astro/AstroSettingsView.qml"),
                             {{QStringLiteral("viewController"), QVariant::fromValue(content())}});
    }
    static QQuickItem* child(QQuickItem* parent, const QString& name) {
        return parent ? parent->findChild<QQuickItem*>(name) : nullptr;
    }
    static bool shown(QQuickItem* item) { return item && item->isVisible(); }
    QQuickItem* rowItem(const QString& row, int channel, const QString& name) const {
        return child(item(QStringLiteral("%1_%2").arg(row).arg(channel)), name);
    }
    // The labels of the offset rows of the sunrise, in row order.
    QStringList channelLabels(const QList<int>& channels) const {
        QStringList labels;
        for (int channel : channels) {
            QQuickItem* label = rowItem(QStringLiteral("sunriseOffset"), channel, QStringLiteral("channelLabel"));
            labels << (shown(label) ? ViewHarness::text(label) : QString());
        }
        return labels;
    }
    void retype(QQuickItem* field, const QString& text) {
        QVERIFY(field);
        field->forceActiveFocus();
        QMetaObject::invokeMethod(field, "selectAll");
        QVERIFY(harness->typeText(field, text));
    }
    // A list laid out at its first opening may not take the first click: then it is closed and
    // chosen from again.
    bool choose(QQuickItem* box, int row) {
        if (harness->choose(box, row))
            return true;
        auto* popup = box ? box->property("popup").value<QObject*>() : nullptr;
        if (popup && popup->property("visible").toBool())
            harness->key(Qt::Key_Escape);
        return popup && ViewHarness::waitFor([popup] { return !popup->property("visible").toBool(); })
               && harness->choose(box, row);
    }
    // Rows that appear or go move the others at the next frame; clicks wait for it.
    void settle() {
        QSignalSpy swapped(harness->window(), &QQuickWindow::frameSwapped);
        harness->window()->update();
        QVERIFY(swapped.wait(2000));
    }
    // The control that has the keyboard focus, as "row/control" inside a channel row.
    QString focusedControl() const {
        static const QRegularExpression rowName(QStringLiteral("^\\w+_\\d+$"));
        QString control;
        for (QQuickItem* at = harness->window()->activeFocusItem(); at; at = at->parentItem()) {
            const QString name = at->objectName();
            if (name.isEmpty())
                continue;
            if (control.isEmpty())
                control = name;
            else if (rowName.match(name).hasMatch())
                return name + QLatin1Char('/') + control;
        }
        return control;
    }
    // The controls that take the focus, from the focused one on, one `key` press apart.
    QStringList walk(Qt::Key key, int steps) {
        QStringList chain{focusedControl()};
        for (int step = 1; step < steps; ++step) {
            harness->key(key);
            chain << focusedControl();
        }
        return chain;
    }
    static QStringList perChannel(const QList<int>& channels, const QString& row, const QStringList& controls) {
        QStringList names;
        for (int channel : channels) {
            for (const QString& control : controls)
                names << QStringLiteral("%1_%2/%3").arg(row).arg(channel).arg(control);
        }
        return names;
    }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        // Tall enough for every section of the tab without scrolling.
        ViewHarness::Options options;
        options.windowSize = QSize(1280, 1400);
        harness = std::make_unique<ViewHarness>(options);
    }
    void cleanupTestCase() { harness.reset(); }
    void cleanup() {
        harness->load(QStringLiteral("components/DefaultText.qml"));
        core::LocationConsent::setSourceCheck({});
        main().closeProject();
    }

    void astroTab_data() {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<bool>("tab");
        QTest::newRow("astronomic") << 111 << true;
        QTest::newRow("hybrid") << 121 << true;
        QTest::newRow("plain") << 102 << false;
    }
    // The "Astro" tab stands last on the desktop; the rule field of its location leads to the
    // device settings tab.
    void astroTab() {
        QFETCH(int, ot2);
        QFETCH(bool, tab);
        QVERIFY(open(ot2));
        QObject* tabs = harness->load(QStringLiteral("app/projects/ProjectContentTabView.qml"),
                                      {{QStringLiteral("viewController"), QVariant::fromValue(content())}});
        QVERIFY(tabs);
        QQuickItem* astro = item(QStringLiteral("tab_2"));
        QCOMPARE(bool(astro), tab);
        QVERIFY(!item(QStringLiteral("tab_3")));
        if (!tab)
            return;
        QCOMPARE(ViewHarness::text(astro), QStringLiteral("Astro"));
        QVERIFY(harness->click(astro));
        QVERIFY(ViewHarness::waitFor([this] { return shown(item(QStringLiteral("soWiRuleField"))); }));
        QVERIFY(harness->click(item(QStringLiteral("soWiRuleField"))));
        QCOMPARE(tabs->property("currentIndex").toInt(), 1);
    }

    void projectKinds_data() {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QList<int>>("astroChannels"); // made astronomic first, for hybrid models
        QTest::addColumn<bool>("extension");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<bool>("location");
        QTest::addColumn<QStringList>("modes");
        const QString onAtSunset = QStringLiteral("Ein bei Sonnenuntergang + Aus bei Sonnenaufgang");
        const QString offAtSunset = QStringLiteral("Aus bei Sonnenuntergang + Ein bei Sonnenaufgang");
        const QString pulse = QStringLiteral("Astro-Impuls");
        const QString inactive = QStringLiteral("Astro inaktiv");
        QTest::newRow("no astro channel") << 121 << QList<int>() << false << QList<int>() << QStringList() << true
                                          << QStringList();
        QTest::newRow("controls") << 131 << QList<int>{0, 2} << false << QList<int>{0, 2}
                                  << QStringList{QStringLiteral("C 1"), QStringLiteral("C 3")} << false
                                  << QStringList{onAtSunset, offAtSunset, pulse};
        QTest::newRow("two channels") << 112 << QList<int>() << false << QList<int>{0, 1}
                                      << QStringList{QStringLiteral("C 1"), QStringLiteral("C 2")} << true
                                      << QStringList{onAtSunset, offAtSunset, pulse};
        QTest::newRow("one channel, extension module") << 111 << QList<int>() << true << QList<int>{0}
                                                       << QStringList{QStringLiteral("C 1")} << true
                                                       << QStringList{onAtSunset, offAtSunset, pulse};
        QTest::newRow("one channel") << 21 << QList<int>() << false << QList<int>{0} << QStringList{QString()} << true
                                     << QStringList{onAtSunset, offAtSunset, inactive};
        QTest::newRow("pulses, no yearly program") << 52 << QList<int>() << false << QList<int>{0, 1}
                                                   << QStringList{QStringLiteral("C 1"), QStringLiteral("C 2")} << true
                                                   << QStringList{onAtSunset, offAtSunset, inactive, pulse};
    }
    // The sections and rows each kind of project shows.
    void projectKinds() {
        QFETCH(int, ot2);
        QFETCH(QList<int>, astroChannels);
        QFETCH(bool, extension);
        QFETCH(QList<int>, rows);
        QFETCH(QStringList, labels);
        QFETCH(bool, location);
        QFETCH(QStringList, modes);
        QVERIFY(open(ot2));
        for (int channel : astroChannels)
            content()->setChannelType(channel, 1);
        if (extension)
            QVERIFY(content()->toggleExtensionModule(true));
        QVERIFY(loadView());

        const bool astro = !rows.isEmpty();
        QCOMPARE(shown(item(QStringLiteral("noAstroChannelWarning"))), !astro);
        QCOMPARE(shown(item(QStringLiteral("offsetSection"))), astro);
        QCOMPARE(shown(item(QStringLiteral("astroModeSection"))), astro);
        QCOMPARE(shown(item(QStringLiteral("astroTimeSection"))), astro && project()->property("hasAstroTime").toInt() != 0);
        QCOMPARE(shown(item(QStringLiteral("locationSection"))), location);
        if (!astro) {
            QVERIFY(harness->findByText(QStringLiteral("Kein Astrokanal definiert\nAstrokanal auf der Registerkarte "
                                                       "Geräteeinstellungen aktivieren")));
            return;
        }
        QCOMPARE(channelLabels(rows), labels);
        for (int channel = 0; channel < 8; ++channel)
            QCOMPARE(shown(item(QStringLiteral("sunriseOffset_%1").arg(channel))), rows.contains(channel));
        QQuickItem* mode = rowItem(QStringLiteral("astroModeRow"), rows.first(), QStringLiteral("astroModeChoice"));
        QCOMPARE(entries(mode), modes);
        QVERIFY(shown(item(QStringLiteral("yearlyAstroTableButton"))));

        // The pulse settings show with the pulse mode of models that have astro pulses.
        const int pulseMode = int(modes.indexOf(QStringLiteral("Astro-Impuls")));
        QQuickItem* pulse = rowItem(QStringLiteral("astroModeRow"), rows.first(), QStringLiteral("astroPulseSettings"));
        QVERIFY(pulse);
        QVERIFY(!pulse->isVisible());
        if (pulseMode < 0)
            return;
        QVERIFY(choose(mode, pulseMode));
        QCOMPARE(astroChannel(rows.first())->astroMode(), pulseMode);
        QCOMPARE(pulse->isVisible(), project()->property("hasAstroImpuls").toInt() != 0);
    }

    // Every control writes its channel property, which the project file keeps.
    void controlsWriteTheChannel() {
        QVERIFY(open(52));
        QVERIFY(loadView());
        QVERIFY(choose(rowItem(QStringLiteral("astroTimeRow"), 1, QStringLiteral("astroTimeChoice")), 2));
        QCOMPARE(astroChannel(1)->astroTime(), 2);

        // The mode, the pulse's use and its duration.
        QQuickItem* modeRow = item(QStringLiteral("astroModeRow_0"));
        QVERIFY(choose(child(modeRow, QStringLiteral("astroModeChoice")), 3));
        QCOMPARE(astroChannel(0)->astroMode(), 3);
        settle();
        QVERIFY(choose(child(modeRow, QStringLiteral("astroPulseUsageChoice")), 2));
        QCOMPARE(astroChannel(0)->astroPulseUsage(), 2);
        QQuickItem* duration = child(child(modeRow, QStringLiteral("astroPulseDurationField")), QStringLiteral("timeField"));
        QVERIFY(duration);
        duration->forceActiveFocus();
        harness->key(Qt::Key_Home);
        QVERIFY(harness->typeText(duration, QStringLiteral("0230")));
        harness->key(Qt::Key_Return);
        QCOMPARE(astroChannel(0)->astroPulseDuration().time().minute(), 2);
        QCOMPARE(astroChannel(0)->astroPulseDuration().time().second(), 30);

        // A typed offset is taken with every digit; Return brings the picker back.
        QQuickItem* sunrise = item(QStringLiteral("sunriseOffset_0"));
        QVERIFY(harness->click(child(sunrise, QStringLiteral("editOffsetIcon"))));
        QQuickItem* field = child(sunrise, QStringLiteral("offsetField"));
        QVERIFY(shown(field));
        retype(field, QStringLiteral("-45"));
        QCOMPARE(astroChannel(0)->offsetSunrise(), -45);
        harness->key(Qt::Key_Return);
        QVERIFY(!field->isVisible());
        QCOMPARE(ViewHarness::text(child(sunrise, QStringLiteral("numberText"))), QStringLiteral("-45"));
        // Past 120 the last digit is refused.
        QVERIFY(harness->click(child(sunrise, QStringLiteral("editOffsetIcon"))));
        retype(field, QStringLiteral("121"));
        QCOMPARE(ViewHarness::text(field), QStringLiteral("12"));
        QCOMPARE(astroChannel(0)->offsetSunrise(), 12);
        retype(field, QStringLiteral("-45"));
        harness->key(Qt::Key_Return);
        QCOMPARE(astroChannel(0)->offsetSunrise(), -45);

        // The picker writes on every step; a lone "-" becomes 0 when the field is left.
        QQuickItem* sunset = item(QStringLiteral("sunsetOffset_1"));
        QVERIFY(harness->click(child(sunset, QStringLiteral("increase"))));
        QVERIFY(harness->click(child(sunset, QStringLiteral("increase"))));
        QCOMPARE(astroChannel(1)->offsetSunset(), 2);
        QVERIFY(harness->click(child(sunset, QStringLiteral("editOffsetIcon"))));
        QQuickItem* sunsetField = child(sunset, QStringLiteral("offsetField"));
        retype(sunsetField, QStringLiteral("-"));
        QCOMPARE(astroChannel(1)->offsetSunset(), 2);
        harness->key(Qt::Key_Tab);
        QVERIFY(ViewHarness::waitFor([&] { return !sunsetField->isVisible(); }));
        QCOMPARE(astroChannel(1)->offsetSunset(), 0);
        QCOMPARE(ViewHarness::text(sunsetField), QStringLiteral("0"));

        QVERIFY(saveAndReopen());
        QCOMPARE(astroChannel(1)->astroTime(), 2);
        QCOMPARE(astroChannel(0)->offsetSunrise(), -45);
        QCOMPARE(astroChannel(1)->offsetSunset(), 0);
        QCOMPARE(astroChannel(0)->astroMode(), 3);
        QCOMPARE(astroChannel(0)->astroPulseUsage(), 2);
        QCOMPARE(astroChannel(0)->astroPulseDuration().time().minute(), 2);
        QCOMPARE(astroChannel(0)->astroPulseDuration().time().second(), 30);
        // The reopened view shows what was stored.
        QVERIFY(loadView());
        QCOMPARE(ViewHarness::text(rowItem(QStringLiteral("sunriseOffset"), 0, QStringLiteral("numberText"))),
                 QStringLiteral("-45"));
        QVERIFY(shown(rowItem(QStringLiteral("astroModeRow"), 0, QStringLiteral("astroPulseSettings"))));
    }

    // A channel that becomes astronomic gets its rows; one that stops being so loses them.
    void rowsFollowTheChannelFunctions() {
        QVERIFY(open(121));
        content()->setChannelType(1, 1);
        QVERIFY(loadView());
        QVERIFY(shown(item(QStringLiteral("sunriseOffset_1"))));
        QVERIFY(!item(QStringLiteral("sunriseOffset_3")));
        content()->setChannelType(3, 1);
        QVERIFY(ViewHarness::waitFor([this] { return shown(item(QStringLiteral("sunriseOffset_3"))); }));
        QVERIFY(shown(item(QStringLiteral("astroModeRow_3"))));
        content()->setChannelType(1, 0);
        QVERIFY(ViewHarness::waitFor([this] { return !item(QStringLiteral("sunriseOffset_1")); }));
        QVERIFY(!item(QStringLiteral("astroTimeRow_1")));
        QVERIFY(shown(item(QStringLiteral("sunsetOffset_3"))));
    }

    void focusChain_data() {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QList<int>>("astroChannels"); // made astronomic first, for controls projects
        QTest::addColumn<int>("pulseMode");             // given to the first channel; -1: none
        QTest::addColumn<bool>("positions");            // a position source: the locate button
        QTest::addColumn<QStringList>("chain");
        const QString picker = QStringLiteral("offsetPicker");
        const QStringList mode{QStringLiteral("astroModeChoice")};
        const QStringList modeAndPulse{QStringLiteral("astroModeChoice"), QStringLiteral("astroPulseUsageChoice"),
                                       QStringLiteral("timeField")};
        const QStringList location{QStringLiteral("countryChoice"),  QStringLiteral("cityChoice"),
                                   QStringLiteral("editFavouritesButton"), QStringLiteral("latitudeField"),
                                   QStringLiteral("longitudeField"), QStringLiteral("timezoneChoice"),
                                   QStringLiteral("soWiRuleField")};
        const QList<int> two{0, 1};
        const auto offsets = [&](const QList<int>& channels) {
            return perChannel(channels, QStringLiteral("sunriseOffset"), {picker})
                   + perChannel(channels, QStringLiteral("sunsetOffset"), {picker})
                   + QStringList{QStringLiteral("yearlyAstroTableButton")};
        };
        const auto times = [](const QList<int>& channels) {
            return perChannel(channels, QStringLiteral("astroTimeRow"), {QStringLiteral("astroTimeChoice")});
        };
        QTest::newRow("pulse settings") << 52 << QList<int>() << 3 << false
                                        << times(two) + offsets(two)
                                               + perChannel({0}, QStringLiteral("astroModeRow"), modeAndPulse)
                                               + perChannel({1}, QStringLiteral("astroModeRow"), mode) + location;
        QTest::newRow("own astro table, positions") << 112 << QList<int>() << -1 << true
                                         << times(two) + offsets(two) + perChannel(two, QStringLiteral("astroModeRow"), mode)
                                                + location
                                                + QStringList{QStringLiteral("ownTableEnabled"),
                                                              QStringLiteral("editOwnTableButton"),
                                                              QStringLiteral("locateButton")};
        const QList<int> controls{0, 2};
        QTest::newRow("controls") << 131 << controls << 2 << true
                                  << times(controls) + offsets(controls)
                                         + perChannel({0}, QStringLiteral("astroModeRow"), modeAndPulse)
                                         + perChannel({2}, QStringLiteral("astroModeRow"), mode);
    }
    // Tab walks every control of the tab down the page, and Backtab walks it back up.
    void focusChain() {
        QFETCH(int, ot2);
        QFETCH(QList<int>, astroChannels);
        QFETCH(int, pulseMode);
        QFETCH(bool, positions);
        QFETCH(QStringList, chain);
        core::LocationConsent::setSourceCheck([positions] { return positions; });
        QVERIFY(open(ot2));
        for (int channel : astroChannels)
            content()->setChannelType(channel, 1);
        if (pulseMode >= 0)
            astroChannel(astroChannels.value(0, 0))->setAstroMode(pulseMode);
        QVERIFY(loadView());
        settle();
        QQuickItem* first = rowItem(QStringLiteral("astroTimeRow"), astroChannels.value(0, 0), QStringLiteral("astroTimeChoice"));
        QVERIFY(first);
        first->forceActiveFocus(Qt::TabFocusReason);
        QCOMPARE(walk(Qt::Key_Tab, int(chain.size())), chain);
        QStringList backwards(chain.crbegin(), chain.crend());
        QCOMPARE(walk(Qt::Key_Backtab, int(chain.size())), backwards);
    }

    // The focused picker steps with the keys; Return types the offset, and Return again
    // gives the focus back to the picker, from which Tab goes on.
    void offsetByKeyboard() {
        QVERIFY(open(52));
        QVERIFY(loadView());
        QQuickItem* sunrise = item(QStringLiteral("sunriseOffset_0"));
        QQuickItem* picker = child(sunrise, QStringLiteral("offsetPicker"));
        QVERIFY(picker);
        picker->forceActiveFocus(Qt::TabFocusReason);
        harness->key(Qt::Key_Up);
        harness->key(Qt::Key_Plus);
        harness->key(Qt::Key_Up);
        QCOMPARE(astroChannel(0)->offsetSunrise(), 3);
        harness->key(Qt::Key_Down);
        harness->key(Qt::Key_Minus);
        QCOMPARE(astroChannel(0)->offsetSunrise(), 1);
        QCOMPARE(ViewHarness::text(child(sunrise, QStringLiteral("numberText"))), QStringLiteral("1"));

        harness->key(Qt::Key_Return);
        QQuickItem* field = child(sunrise, QStringLiteral("offsetField"));
        QVERIFY(shown(field));
        QVERIFY(field->hasActiveFocus());
        QVERIFY(harness->typeText(field, QStringLiteral("-30")));
        QCOMPARE(astroChannel(0)->offsetSunrise(), -30);
        harness->key(Qt::Key_Return);
        QVERIFY(!field->isVisible());
        QVERIFY(picker->hasActiveFocus());
        harness->key(Qt::Key_Tab);
        QCOMPARE(focusedControl(), QStringLiteral("sunriseOffset_1/offsetPicker"));
        QCOMPARE(astroChannel(0)->offsetSunrise(), -30);

        // The open field stands in the picker's place: Backtab leaves it for the control above.
        harness->key(Qt::Key_Backtab);
        harness->key(Qt::Key_Return);
        QVERIFY(field->hasActiveFocus());
        harness->key(Qt::Key_Backtab);
        QCOMPARE(focusedControl(), QStringLiteral("astroTimeRow_1/astroTimeChoice"));
        QVERIFY(ViewHarness::waitFor([&] { return !field->isVisible(); }));
        QCOMPARE(astroChannel(0)->offsetSunrise(), -30);
    }

    void locationWithoutCity_data() {
        QTest::addColumn<bool>("stored");
        QTest::newRow("typed at sea") << false;
        QTest::newRow("stored off every city") << true;
    }
    // A location that matches no city shows neither a country nor a city, and offers no city,
    // until a country is chosen.
    void locationWithoutCity() {
        QFETCH(bool, stored);
        constexpr int germany = 15;
        QVERIFY(open(111));
        auto* location = qobject_cast<AstroProjectController*>(project())->coordinatesController();
        location->setCountry(germany);
        if (stored) {
            location->setLatitudeLongitude(47.0, 10.0);
            QVERIFY(saveAndReopen());
            location = qobject_cast<AstroProjectController*>(project())->coordinatesController();
        }
        QVERIFY(loadView());
        QQuickItem* country = item(QStringLiteral("countryChoice"));
        QQuickItem* city = item(QStringLiteral("cityChoice"));
        QVERIFY(country && city);
        if (!stored) {
            QCOMPARE(country->property("displayText").toString(), QStringLiteral("Deutschland"));
            retype(item(QStringLiteral("latitudeField")), QStringLiteral("0"));
            harness->key(Qt::Key_Return);
            retype(item(QStringLiteral("longitudeField")), QStringLiteral("-30"));
            harness->key(Qt::Key_Return);
            QCOMPARE(location->longitude(), -30.0);
        }
        QCOMPARE(location->country(), CoordinatesSettingsController::NoCountry);
        QCOMPARE(location->city(), -1);
        QCOMPARE(country->property("displayText").toString(), QString());
        QCOMPARE(city->property("displayText").toString(), QString());
        QCOMPARE(city->property("count").toInt(), 0);

        QVERIFY(choose(country, germany));
        QCOMPARE(location->country(), germany);
        QCOMPARE(location->city(), 0);
        QCOMPARE(country->property("displayText").toString(), QStringLiteral("Deutschland"));
        QVERIFY(!location->cityName().isEmpty());
        QCOMPARE(city->property("displayText").toString(), location->cityName());
    }

    // The information icon of the first astro time row shows the twilight ranges.
    void twilightRangesPicture() {
        QVERIFY(open(52));
        QVERIFY(loadView());
        QVERIFY(!rowItem(QStringLiteral("astroTimeRow"), 1, QStringLiteral("twilightRangesButton"))->isVisible());
        QVERIFY(harness->click(rowItem(QStringLiteral("astroTimeRow"), 0, QStringLiteral("twilightRangesButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("twilightRangesPopup")); }));
        harness->key(Qt::Key_Escape);
        QVERIFY(ViewHarness::waitFor([this] { return !harness->findPopup(QStringLiteral("twilightRangesPopup")); }));
    }


    void customTimezone_data() {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTC") << 12 << QStringLiteral("11:00:00 (UTC)");
        QTest::newRow("half hour") << 20 << QStringLiteral("16:30:00 (UTC +5.5h)");
        QTest::newRow("west") << 0 << QStringLiteral("00:00:00 (UTC -11h)");
        QTest::newRow("own") << 13 << QStringLiteral("12:00:00 (UTC +1h)");
    }
    // The time of day in every zone, from noon in zone 13 (UTC+1).
    void customTimezone() {
        QFETCH(int, zone);
        QFETCH(QString, text);
        const QStringList texts = harness->evaluate(QStringLiteral(
            "AstroSettingsProvider.generateCustomTimezone(new Date(2026, 5, 1, 12, 0, 0), 13)")).toStringList();
        QCOMPARE(texts.size(), 32);
        QCOMPARE(texts.at(zone), text);
    }

    void dayLabels_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("sixtieth");
        QTest::newRow("leap year") << 2024 << 366 << QStringLiteral("29.02");
        QTest::newRow("common year") << 2025 << 365 << QStringLiteral("01.03");
    }
    void dayLabels() {
        QFETCH(int, year);
        QFETCH(int, days);
        QFETCH(QString, sixtieth);
        const QStringList labels = harness->evaluate(
            QStringLiteral("AstroSettingsProvider.generateDayMonthOfYear(%1)").arg(year)).toStringList();
        QCOMPARE(labels.size(), days);
        QCOMPARE(labels.first(), QStringLiteral("01.01"));
        QCOMPARE(labels.at(59), sixtieth);
        QCOMPARE(labels.last(), QStringLiteral("31.12"));
    }

    void customTimezoneIn2024And2025_data() {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("text");
        const QString leapDay = QStringLiteral("new Date(2024, 1, 29, 23, 30, 0)");
        const QString yearEnd = QStringLiteral("new Date(2025, 11, 31, 0, 15, 0)");
        QTest::newRow("2024 leap day, UTC") << leapDay << 12 << QStringLiteral("22:30:00 (UTC)");
        QTest::newRow("2024 leap day, into 1 March") << leapDay << 20 << QStringLiteral("04:00:00 (UTC +5.5h)");
        QTest::newRow("2024 leap day, west") << leapDay << 0 << QStringLiteral("11:30:00 (UTC -11h)");
        QTest::newRow("2025 year end, own") << yearEnd << 13 << QStringLiteral("00:15:00 (UTC +1h)");
        QTest::newRow("2025 year end, back into 30 December") << yearEnd << 0 << QStringLiteral("12:15:00 (UTC -11h)");
        QTest::newRow("2025 year end, UTC") << yearEnd << 12 << QStringLiteral("23:15:00 (UTC)");
    }
    // Times in zone 13 (UTC+1) that other zones see on another day.
    void customTimezoneIn2024And2025() {
        QFETCH(QString, moment);
        QFETCH(int, zone);
        QFETCH(QString, text);
        const QStringList texts = harness->evaluate(
            QStringLiteral("AstroSettingsProvider.generateCustomTimezone(%1, 13)").arg(moment)).toStringList();
        QCOMPARE(texts.size(), 32);
        QCOMPARE(texts.at(zone), text);
    }
};

QTEST_MAIN(TestViewAstro)
#include "tst_view_astro.moc"
