#include <algorithm>
#include <QDir>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include <core/languageservice.h>

#include "calendarsettings.h"
#include "tarvinoapp.h"
#include "viewharness.h"

namespace {

const QString Components = QStringLiteral(":/orvindal/Tarvino/components");

// What a component needs to show something; every other component makes do without.
QVariantMap minimalProperties(const QString& component)
{
    static const QMap<QString, QVariantMap> properties{
        {"WindowDialog", {{"source", "qrc:/orvindal/Tarvino/components/AppView.qml"}}},
        {"BoxLabel", {{"label", "Name"}}},
        {"ConfirmPopUp", {{"contentText", "Wirklich?"}}},
        {"InfoPopUp", {{"contentText", "Gespeichert"}}},
        {"MessagePopUp", {{"message", "Gespeichert"}}},
        {"LuxValuePicker", {{"model", QVariantList{2, 5, 10}}}},
        {"LuxValueSelector", {{"model", QVariantList{2, 5, 10}}}},
        {"DefaultCombobox", {{"model", QStringList{"eins", "zwei"}}}},
        {"LanguageCombobox", {{"model", QStringList{"Deutsch", "עברית"}}}},
        {"TitledSection", {{"title", "Kanal 1"}}},
        {"DefaultButton", {{"text", "OK"}}},
    };
    return properties.value(component);
}

QDate dateOf(const QVariant& value)
{
    return value.toDateTime().date();
}

} // namespace

class TestViewComponents : public QObject {
    Q_OBJECT

    // Whether a visible shape of some size is drawn in the item or below it.
    static bool drawsShape(const QQuickItem* item)
    {
        if (item->inherits("QQuickShape") && item->isVisible() && item->width() > 0 && item->height() > 0)
            return true;
        const QList<QQuickItem*> children = item->childItems();
        return std::any_of(children.cbegin(), children.cend(), [](const QQuickItem* child) { return drawsShape(child); });
    }

private slots:
    void initTestCase()
    {
        harness = std::make_unique<ViewHarness>();
    }

    void cleanupTestCase()
    {
        harness.reset();
    }

    void init()
    {
        QVERIFY(harness->setLanguage(QStringLiteral("de")));
        CalendarSettings::instance().dateFormat()->setSelectedIndex(0);
    }

    void everyComponentIsCreatedWithoutWarning_data()
    {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("language");
        const QStringList files = QDir(Components).entryList({QStringLiteral("*.qml")}, QDir::Files);
        QCOMPARE(files.size(), 67);
        for (const QString& language : {QStringLiteral("de"), QStringLiteral("he")}) {
            for (const QString& file : files) {
                const QString component = QFileInfo(file).baseName();
                QTest::addRow("%s %s", qPrintable(language), qPrintable(component)) << component << language;
            }
        }
    }
    void everyComponentIsCreatedWithoutWarning()
    {
        QFETCH(QString, component);
        QFETCH(QString, language);
        QVERIFY(harness->setLanguage(language));
        QCOMPARE(harness->app().languageService()->isRightToLeft(), language == QLatin1String("he"));

        const qsizetype offences = harness->offences().size();
        QObject* created = harness->load(QStringLiteral("components/%1.qml").arg(component), minimalProperties(component));
        QVERIFY(created);
        if (created->inherits("QQuickPopup")) {
            QVERIFY(QMetaObject::invokeMethod(created, "open"));
            QVERIFY(harness->waitFor([created] { return created->property("opened").toBool(); }));
        }
        // Let bindings, timers and animations run once.
        QTest::qWait(20);
        QCOMPARE(harness->offences().size(), offences);
    }

    void mirroredViewsInHebrew()
    {
        QVERIFY(harness->setLanguage(QStringLiteral("he")));
        QVERIFY(harness->evaluate(QStringLiteral("localeService.isRightToLeft")).toBool());
        // The week starts at the reading direction's start: Monday right in Hebrew.
        harness->load(QStringLiteral("components/WeekPicker.qml"), {{"startDayOffset", 0}});
        QQuickItem* monday = harness->findByName(QStringLiteral("weekday_0"));
        QQuickItem* sunday = harness->findByName(QStringLiteral("weekday_6"));
        QVERIFY(monday && sunday);
        QVERIFY(monday->mapToScene({}).x() > sunday->mapToScene({}).x());
    }

    void isDarkColor_data()
    {
        QTest::addColumn<QString>("color");
        QTest::addColumn<bool>("dark");
        QTest::newRow("primary blue") << "#144A81" << true;
        QTest::newRow("yellow") << "#FFEC0E" << false;
        QTest::newRow("three digits dark") << "#135" << true;
        QTest::newRow("three digits light") << "#FE0" << false;
        QTest::newRow("rgb() dark") << "rgb(20, 74, 129)" << true;
        QTest::newRow("rgb() light") << "rgb(255,236,14)" << false;
        // sqrt((0.299 + 0.587 + 0.114) * v * v) = v: grey 127 is dark, 128 is light.
        QTest::newRow("grey 127 below the bound") << "#7F7F7F" << true;
        QTest::newRow("grey 128 above the bound") << "#808080" << false;
        QTest::newRow("with alpha") << "#ff144a81" << true;
        QTest::newRow("not a colour") << "blue-ish" << false;
    }
    void isDarkColor()
    {
        QFETCH(QString, color);
        QFETCH(bool, dark);
        QCOMPARE(harness->evaluate(QStringLiteral("Colors.isDarkColor('%1')").arg(color)).toBool(), dark);
    }

    void switchTimeColorsAndIcons_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("icon");
        QTest::newRow("switch off") << 0 << 0 << "#e20014" << "";
        QTest::newRow("switch on") << 0 << 1 << "#00b432" << "";
        QTest::newRow("switch fixed off") << 0 << 2 << "#e20014" << "";
        QTest::newRow("fixed switch on") << 3 << 3 << "#00b432" << "";
        QTest::newRow("fixed switch off") << 3 << 0 << "#e20014" << "";
        QTest::newRow("impulse off") << 1 << 0 << "#ffec0e" << "qrc:/icons/pulse-off.svg";
        QTest::newRow("impulse on") << 1 << 1 << "#ffec0e" << "qrc:/icons/pulse-on.svg";
        QTest::newRow("cycle") << 2 << 1 << "#144a81" << "qrc:/icons/cycle.svg";
    }
    void switchTimeColorsAndIcons()
    {
        QFETCH(int, type);
        QFETCH(int, state);
        QFETCH(QString, background);
        QFETCH(QString, icon);
        const QString arguments = QStringLiteral("(%1, %2)").arg(type).arg(state);
        QCOMPARE(harness->evaluate(QStringLiteral("String(Colors.backgroudColorBySwitchTimeState") + arguments + ")")
                     .toString(),
                 background);
        QCOMPARE(harness->evaluate(QStringLiteral("Icons.switchTimeIcon") + arguments).toString(), icon);
    }

    void repeatedAreaShortensItsIntervalWhileHeld()
    {
        QObject* area = harness->load(QStringLiteral("components/RepeatedArea.qml"), {{"width", 80}, {"height", 80}});
        QVERIFY(area);
        connect(area, SIGNAL(activated()), this, SLOT(recordActivation()));
        activations.clear();
        auto* item = qobject_cast<QQuickItem*>(area);

        QVERIFY(harness->click(item));
        QCOMPARE(activations.size(), 1);

        activations.clear();
        QVERIFY(harness->press(item));
        QVERIFY(harness->waitFor([this] { return activations.size() >= 8; }, 8000));
        QVERIFY(harness->release(item));
        QCOMPARE(activations.mid(0, 8), QList<int>({750, 650, 550, 450, 350, 250, 150, 150}));
        const qsizetype held = activations.size();
        QTest::qWait(200);
        QCOMPARE(activations.size(), held); // released: no click on top, no more repeats
    }

    void textFieldValidity()
    {
        auto* field = qobject_cast<QQuickItem*>(harness->loadData(
            "import QtQuick\nimport Tarvino\n"
            "DefaultTextField { objectName: 'monthField'; validator: IntValidator { bottom: 1; top: 12 } }",
            {{"width", 200}, {"height", 40}}));
        QVERIFY(field);
        QVERIFY(harness->typeText(field, QStringLiteral("13")));
        QCOMPARE(ViewHarness::text(field), QStringLiteral("13"));
        QVERIFY(!field->property("valid").toBool());
        harness->key(Qt::Key_Backspace);
        QVERIFY(field->property("valid").toBool());
        harness->key(Qt::Key_Backspace);
        QVERIFY(!field->property("valid").toBool());
    }

    // The box is as wide as its widest entry, measured in pixels, and again whenever its list is
    // swapped, even for one of the same length.
    void comboBoxFitsItsWidestEntry()
    {
        auto* box = qobject_cast<QQuickItem*>(harness->loadData("import QtQuick\nimport Tarvino\nDefaultCombobox {}",
                                                                 {{"model", QStringList{"iiiiiiiiiiii", "Ein"}}}));
        QVERIFY(box);
        const qreal narrow = box->implicitWidth();
        box->setProperty("model", QStringList{"Dauer Ein WWWW", "Dauer Aus"});
        const qreal wide = box->implicitWidth();
        QVERIFY2(wide > narrow, qPrintable(QStringLiteral("%1 <= %2").arg(wide).arg(narrow)));
        const qreal entry = box->property("widestEntry").toReal();
        QVERIFY(entry > 0);
        QQuickItem* content = box->property("contentItem").value<QQuickItem*>();
        QVERIFY(content);
        // The longest entry, in a box as wide as it asks for, shows whole.
        box->setWidth(wide);
        box->setProperty("currentIndex", 0);
        QVERIFY(!content->property("truncated").toBool());
        QVERIFY(content->property("contentWidth").toReal() <= entry);
    }

    void calendarKeepsItsBounds()
    {
        QObject* calendar = harness->load(QStringLiteral("components/Calendar.qml"),
                                          {{"minimumDate", QDate(2024, 3, 10)},
                                           {"maximumDate", QDate(2024, 4, 20)},
                                           {"selectedDate", QDate(2024, 3, 15)}});
        QVERIFY(calendar);
        QSignalSpy clicked(calendar, SIGNAL(clicked(QDateTime)));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("day_5"))));
        QCOMPARE(dateOf(calendar->property("selectedDate")), QDate(2024, 3, 15));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("day_10"))));
        QCOMPARE(dateOf(calendar->property("selectedDate")), QDate(2024, 3, 10));
        QCOMPARE(clicked.size(), 1);

        QVERIFY(!calendar->property("canGoBack").toBool());
        QVERIFY(harness->click(harness->findByName(QStringLiteral("previousMonth"))));
        QCOMPARE(calendar->property("visibleMonth").toInt(), 2);
        QVERIFY(harness->click(harness->findByName(QStringLiteral("nextMonth"))));
        QCOMPARE(calendar->property("visibleMonth").toInt(), 3);
        QVERIFY(harness->click(harness->findByName(QStringLiteral("nextMonth"))));
        QCOMPARE(calendar->property("visibleMonth").toInt(), 3);
        QCOMPARE(ViewHarness::text(harness->findByName(QStringLiteral("monthTitle"))), QStringLiteral("April 2024"));

        QVERIFY(harness->click(harness->findByName(QStringLiteral("day_21"))));
        QCOMPARE(dateOf(calendar->property("selectedDate")), QDate(2024, 3, 10));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("day_20"))));
        QCOMPARE(dateOf(calendar->property("selectedDate")), QDate(2024, 4, 20));
    }

    void editableCalendarDisplayReadsEachDateFormat_data()
    {
        QTest::addColumn<int>("formatIndex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("31.12.00") << 0 << "241225" << "24.12.25";
        QTest::newRow("12/31/00") << 1 << "122425" << "12/24/25";
        QTest::newRow("00-12-31") << 2 << "251224" << "25-12-24";
    }
    void editableCalendarDisplayReadsEachDateFormat()
    {
        QFETCH(int, formatIndex);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        CalendarSettings::instance().dateFormat()->setSelectedIndex(formatIndex);
        QObject* display = harness->load(QStringLiteral("components/EditableCalendarDisplay.qml"),
                                         {{"selectedDate", QDate(2025, 1, 2)}, {"width", 300}, {"height", 40}});
        QVERIFY(display);
        QSignalSpy changed(display, SIGNAL(dateHasChanged(QDateTime)));
        QQuickItem* field = harness->findByName(QStringLiteral("dateField"));
        QVERIFY(field);
        QVERIFY(harness->typeText(field, QString()));
        harness->key(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(harness->typeText(field, typed));
        harness->key(Qt::Key_Return);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(dateOf(display->property("selectedDate")), QDate(2025, 12, 24));
        QCOMPARE(ViewHarness::text(field), shown);
    }

    void editableCalendarDisplayRefusesADayThatDoesNotExist()
    {
        QObject* display = harness->load(QStringLiteral("components/EditableCalendarDisplay.qml"),
                                         {{"selectedDate", QDate(2025, 1, 2)}, {"width", 300}, {"height", 40}});
        QVERIFY(display);
        QQuickItem* field = harness->findByName(QStringLiteral("dateField"));
        QVERIFY(harness->typeText(field, QString()));
        harness->key(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(harness->typeText(field, QStringLiteral("310225")));
        QVERIFY(!display->property("valid").toBool());
        harness->key(Qt::Key_Return);
        QCOMPARE(dateOf(display->property("selectedDate")), QDate(2025, 1, 2));
        QCOMPARE(ViewHarness::text(field), QStringLiteral("02.01.25"));
    }

    void windowDialogTogglesDebugAfterFiveQuickClicks()
    {
        QObject* dialog = harness->load(QStringLiteral("components/WindowDialog.qml"),
                                        {{"source", "qrc:/fixtures/ClickCountingView.qml"}});
        QVERIFY(dialog);
        QCOMPARE(harness->dialogs().size(), 1);
        QObject* view = dialog->property("item").value<QObject*>();
        QVERIFY(view);
        QVERIFY(view->property("insideDialog").toBool());
        auto* content = qobject_cast<QQuickItem*>(view);

        const auto clickTimes = [this, content](int times) {
            for (int click = 0; click < times; ++click) {
                harness->clickAt(content, QPointF(40 + 30 * click, 200));
            }
        };
        clickTimes(4);
        QCOMPARE(view->property("clicks").toInt(), 4);
        QVERIFY(!view->property("showDebug").toBool());
        QTest::qWait(900);
        clickTimes(5);
        QCOMPARE(view->property("clicks").toInt(), 9);
        QVERIFY(view->property("showDebug").toBool());

        QVERIFY(QMetaObject::invokeMethod(view, "closeDialog"));
        QVERIFY(harness->waitFor([dialog] { return !dialog->property("visible").toBool(); }));
    }

    void escapeClosesAnEmptyPopUp()
    {
        QObject* popup = harness->load(QStringLiteral("components/DefaultEmptyPopUp.qml"));
        QVERIFY(popup);
        QVERIFY(QMetaObject::invokeMethod(popup, "open"));
        QVERIFY(harness->waitFor([popup] { return popup->property("opened").toBool(); }));
        QCOMPARE(harness->openPopups().size(), 1);
        harness->key(Qt::Key_Escape);
        QVERIFY(harness->waitFor([popup] { return !popup->property("visible").toBool(); }));
        QVERIFY(harness->openPopups().isEmpty());
    }

    void confirmPopUpAnswers()
    {
        QObject* popup = harness->load(QStringLiteral("components/ConfirmPopUp.qml"), {{"contentText", "Löschen?"}});
        QVERIFY(popup);
        QSignalSpy accepted(popup, SIGNAL(accept()));
        QVERIFY(QMetaObject::invokeMethod(popup, "open"));
        QVERIFY(harness->waitFor([popup] { return popup->property("opened").toBool(); }));
        QCOMPARE(ViewHarness::text(harness->findByName(QStringLiteral("popupText"))), QStringLiteral("Löschen?"));
        QVERIFY(harness->click(harness->findByText(QStringLiteral("OK"))));
        QCOMPARE(accepted.size(), 1);
        QVERIFY(harness->waitFor([popup] { return !popup->property("visible").toBool(); }));
    }

    // A pop-up's buttons leave the window when it closes and come back when it opens again;
    // each time they are drawn with their shape.
    void popUpButtonsAreDrawnAfterReopening()
    {
        QObject* popup = harness->load(QStringLiteral("components/ConfirmPopUp.qml"), {{"contentText", "Löschen?"}});
        QVERIFY(popup);
        for (int round = 0; round < 12; ++round) {
            QVERIFY(QMetaObject::invokeMethod(popup, "open"));
            QVERIFY(harness->waitFor([popup] { return popup->property("opened").toBool(); }));
            QQuickItem* button = harness->findByName(QStringLiteral("acceptButton"));
            QVERIFY(button);
            QVERIFY(drawsShape(button));
            QVERIFY(ViewHarness::waitForFrame(harness->window()));
            QVERIFY(QMetaObject::invokeMethod(popup, "close"));
            QVERIFY(harness->waitFor([popup] { return !popup->property("visible").toBool(); }));
            QVERIFY(ViewHarness::waitForFrame(harness->window()));
        }
    }

    // The progress ring leaves the window with its pop-up as the buttons do, and is drawn each
    // time the pop-up opens again.
    void popUpProgressRingIsDrawnAfterReopening()
    {
        QObject* popup = harness->loadData(QByteArrayLiteral(R"(
import QtQuick
import Tarvino
DefaultEmptyPopUp {
    CircleProgressBar { objectName: "ring"; value: 0.4 }
}
)"));
        QVERIFY(popup);
        for (int round = 0; round < 6; ++round) {
            QVERIFY(QMetaObject::invokeMethod(popup, "open"));
            QVERIFY(harness->waitFor([popup] { return popup->property("opened").toBool(); }));
            QQuickItem* ring = harness->findByName(QStringLiteral("ring"));
            QVERIFY(ring);
            QVERIFY(drawsShape(ring));
            QVERIFY(ViewHarness::waitForFrame(harness->window()));
            QVERIFY(QMetaObject::invokeMethod(popup, "close"));
            QVERIFY(harness->waitFor([popup] { return !popup->property("visible").toBool(); }));
            QVERIFY(ViewHarness::waitForFrame(harness->window()));
        }
    }

    void harnessFailsAViewThatWarns()
    {
        const qsizetype before = harness->offences().size();
        QEXPECT_FAIL("", "The view logs a warning, which fails the test", Continue);
        QVERIFY(harness->load(QStringLiteral("qrc:/fixtures/WarningView.qml")));
        QCOMPARE(harness->offences().size(), before + 1);
        QVERIFY(harness->offences().constLast().contains(QLatin1String("a view that warns")));
    }

    void confirmDialogAnswersByItsOwnSignals_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("yes") << "Ja" << QByteArray(SIGNAL(accepted()));
        QTest::newRow("no") << "Nein" << QByteArray(SIGNAL(refused()));
        QTest::newRow("cancel") << "Abbruch" << QByteArray(SIGNAL(cancelled()));
    }
    void confirmDialogAnswersByItsOwnSignals()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, answer);
        QObject* dialog = harness->load(QStringLiteral("app/popups/ConfirmDialog.qml"),
                                        {{"contentText", "Änderungen übernehmen?"}});
        QVERIFY(dialog);
        const QList<QByteArray> answers{SIGNAL(accepted()), SIGNAL(refused()), SIGNAL(cancelled())};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const QByteArray& signal : answers)
            spies.push_back(std::make_unique<QSignalSpy>(dialog, signal.constData()));
        QVERIFY(QMetaObject::invokeMethod(dialog, "open"));
        QVERIFY(harness->waitFor([dialog] { return dialog->property("opened").toBool(); }));
        QCOMPARE(ViewHarness::text(harness->findByName(QStringLiteral("popupText"))),
                 QStringLiteral("Änderungen übernehmen?"));
        QVERIFY(harness->click(harness->findByText(button)));
        QVERIFY(harness->waitFor([dialog] { return !dialog->property("visible").toBool(); }));
        for (int index = 0; index < answers.size(); ++index)
            QCOMPARE(spies.at(index)->size(), answers.at(index) == answer ? 1 : 0);
    }

    void clickBesideAFieldTakesItsFocus_data()
    {
        QTest::addColumn<bool>("area");
        QTest::newRow("with the area") << true;
        QTest::newRow("without the area") << false;
    }
    void clickBesideAFieldTakesItsFocus()
    {
        QFETCH(bool, area);
        QObject* scene = harness->loadData(QByteArrayLiteral(R"(
import QtQuick
import Tarvino
Item {
    property bool area: false
    Loader {
        anchors.fill: parent
        active: parent.area
        sourceComponent: ClickOutsideLoseFocus {}
    }
    DefaultTextField {
        objectName: "focusedField"
        x: 20
        y: 20
        width: 200
    }
}
)"), {{"area", area}});
        QVERIFY(scene);
        QQuickItem* field = harness->findByName(QStringLiteral("focusedField"));
        QVERIFY(field);
        QVERIFY(harness->typeText(field, QStringLiteral("7")));
        QVERIFY(harness->waitFor([field] { return field->hasActiveFocus(); }));
        QVERIFY(harness->clickAt(qobject_cast<QQuickItem*>(scene), QPointF(600, 400)));
        QCOMPARE(field->hasActiveFocus(), !area);
        QCOMPARE(ViewHarness::text(field), QStringLiteral("7"));
    }

    void isDesktopFollowsTheDisplayOverride_data()
    {
        QTest::addColumn<int>("display");
        QTest::addColumn<bool>("desktop");
        QTest::newRow("no override") << 0 << true;
        QTest::newRow("phone") << 1 << false;
        QTest::newRow("tablet") << 2 << false;
    }
    // Linux counts as a desktop; the override previews the other layouts.
    void isDesktopFollowsTheDisplayOverride()
    {
        QFETCH(int, display);
        QFETCH(bool, desktop);
        QCOMPARE(harness->evaluate(QStringLiteral("Qt.platform.os")).toString(), QStringLiteral("linux"));
        harness->evaluate(QStringLiteral("platformService.overwriteDisplay = %1").arg(display));
        const bool shown = harness->evaluate(QStringLiteral("ZorvikUtils.isDesktop")).toBool();
        harness->evaluate(QStringLiteral("platformService.overwriteDisplay = 0"));
        QCOMPARE(shown, desktop);
        QVERIFY(harness->evaluate(QStringLiteral("ZorvikUtils.isDesktop")).toBool());
    }

    // Last: the main window stays for the rest of the run.
    void mainWindowMenusFollowTheLanguage()
    {
        QVERIFY(harness->setLanguage(QStringLiteral("de")));
        QVERIFY(harness->loadMain());
        QVERIFY(harness->menuActionTexts().contains(QStringLiteral("&Öffnen")));
        QVERIFY(!harness->triggerMenuAction(QStringLiteral("Speichern"))); // needs an open project
        QVERIFY(!harness->triggerMenuAction(QStringLiteral("Drucken")));

        QVERIFY(harness->setLanguage(QStringLiteral("en")));
        const QStringList english = harness->menuActionTexts();
        QVERIFY(english.contains(QStringLiteral("&File")));
        QVERIFY(english.contains(QStringLiteral("&Open...")));
        QVERIFY(!english.contains(QStringLiteral("&Öffnen")));
    }

public slots:
    void recordActivation()
    {
        activations.append(sender()->property("repeatInterval").toInt());
    }

private:
    std::unique_ptr<ViewHarness> harness;
    QList<int> activations;
};

QTEST_MAIN(TestViewComponents)
#include "tst_view_components.moc"
