#include "switchtimesfixture.h"

#include "clipboarddocument.h"
#include "switchclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QMimeData>

using storage::SwitchTime;

namespace {

constexpr int Monday = 128;
constexpr int Tuesday = 64;
constexpr int Thursday = 16;
constexpr int Sunday = 2;

int hm(int hour, int minute) {
    return hour * 3600 + minute * 60;
}

void placeSwitches(const QJsonArray& switches, const QJsonObject& origin = {}) {
    ClipboardDocument::place(ClipboardDocument::wrap(QStringLiteral("switches"), switches, origin));
}

QList<QJsonObject> forms(const SwitchTimeListModel* list) {
    QList<QJsonObject> all;
    for (const SwitchTime& s : list->switches())
        all.append(s.toJsonObject(SwitchTime::AllDays));
    return all;
}

} // namespace

class TestSwitchClipboard : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SwitchTimesFixture> f;

    SwitchTime add(int type, int state, int days, int start, int end = 0, int endDay = -1) {
        f->view->createFromTable(type, state, days, endDay, f->time(start / 3600, start / 60 % 60),
                                 f->time(end / 3600, end / 60 % 60), f->time(0, 1), f->time(0, 2));
        return f->at(f->view->switchCount() - 1);
    }

private slots:
    void init() {
        QGuiApplication::clipboard()->clear();
        f = std::make_unique<SwitchTimesFixture>();
    }
    void cleanup() { f.reset(); }

    void gridPasteMovesDaysAndTimes() {
        add(0, 1, Tuesday, hm(8, 0));
        add(0, 0, Tuesday, hm(23, 0));
        f->view->copyArea(1, 1, 480, {0, 1});
        QVERIFY(f->view->hasClipboardData());
        QVERIFY(f->view->canPaste(0));
        QVERIFY(!f->view->canPaste(3));
        f->view->removeAll();
        f->view->pastTo(3, 600);
        QCOMPARE(f->view->switchCount(), 2);
        QCOMPARE(f->at(0).startDays(), Thursday);
        QCOMPARE(f->at(0).startTime(), hm(10, 0));
        QCOMPARE(f->at(1).startDays(), Thursday);
        QCOMPARE(f->at(1).startTime(), hm(1, 0));
    }

    void rotationWrapsBothWays_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("moved");
        QTest::newRow("Monday one day earlier") << Monday << -1 << Sunday;
        QTest::newRow("Sunday one day later") << Sunday << 1 << Monday;
        QTest::newRow("Tuesday two days later") << Tuesday << 2 << Thursday;
        QTest::newRow("Thursday two days earlier") << Thursday << -2 << Tuesday;
    }

    void rotationWrapsBothWays() {
        QFETCH(int, days);
        QFETCH(int, shift);
        QFETCH(int, moved);
        SwitchClipboard::Item item;
        item.startDays = days;
        item.endDay = days;
        const SwitchClipboard::Item result = SwitchClipboard::moved(item, {false, shift, 0});
        QCOMPARE(result.startDays, moved);
        QCOMPARE(result.endDay, moved);
    }

    void gridPasteEarlierInTheWeek() {
        // Weeks that start on Sunday: row 0 is Sunday, row 1 Monday.
        f->list()->setFirstDayOfWeek(6);
        add(0, 1, Monday, hm(8, 0));
        f->view->copyArea(1, 1, 480, {0});
        f->view->removeAll();
        f->view->pastTo(0, 480);
        QCOMPARE(f->at(0).startDays(), Sunday);
        QCOMPARE(f->at(0).startTime(), hm(8, 0));
    }

    void listCopiesKeepTheirPlace() {
        add(0, 1, Monday + Tuesday, hm(8, 0));
        add(3, 3, Tuesday, hm(22, 0), hm(2, 0));
        const QList<QJsonObject> before = forms(f->list());
        f->list()->selectAll();
        f->list()->copySelected();
        QVERIFY(f->view->hasClipboardData());
        f->view->removeAll();
        f->view->pastTo(5, 900);
        QCOMPARE(forms(f->list()), before);
        f->view->removeAll();
        f->view->paste();
        QCOMPARE(forms(f->list()), before);
    }

    void endlessCyclesStayEndless() {
        add(2, 0, Tuesday, hm(8, 0), hm(8, 0), Tuesday);
        QCOMPARE(f->at(0).endDay(), 1);
        const QList<QJsonObject> before = forms(f->list());
        f->view->copyArea(0, 6, 0, {0});
        f->view->removeAll();
        f->view->paste();
        QCOMPARE(forms(f->list()), before);
        f->view->removeAll();
        f->view->pastTo(3, 60);
        QCOMPARE(f->at(0).endDay(), 1);
        QCOMPARE(f->at(0).startDays(), 8);
        QCOMPARE(f->at(0).startTime(), hm(9, 0));
    }

    void secondPasteAddsNothingAndOneUndoRemovesAPaste() {
        add(0, 1, Monday, hm(6, 0));
        add(0, 0, Monday, hm(7, 0));
        f->view->copyArea(0, 0, 0, {0, 1});
        f->view->pastTo(1, 0);
        QCOMPARE(f->view->switchCount(), 4);
        f->view->pastTo(1, 0);
        QCOMPARE(f->view->switchCount(), 4);
        f->list()->undo();
        QCOMPARE(f->view->switchCount(), 2);
        QCOMPARE(f->owner.program->switches().size(), 2);
        f->list()->undo();
        QCOMPARE(f->view->switchCount(), 1);
    }

    void handWrittenItemsTakeDefaults() {
        placeSwitches({QJsonObject{{"type", "impuls"}, {"puls-time", 5}},
                       QJsonObject{{"start-day", Tuesday}, {"state", "on"}, {"start-time", "10"}}, 5,
                       QJsonObject{{"type", "Cycle"}, {"state", "??"}, {"start-time", 60}}},
                      QJsonObject{{"from-day", "x"}});
        QVERIFY(f->view->canPaste(0));
        f->view->paste();
        QCOMPARE(f->view->switchCount(), 3);
        QCOMPARE(f->at(0).type(), int(SwitchTime::Impuls));
        QCOMPARE(f->at(0).startDays(), 254);
        QCOMPARE(f->at(0).pulsTime(), 5);
        QCOMPARE(f->at(1).state(), int(SwitchTime::On));
        QCOMPARE(f->at(1).startDays(), Tuesday);
        QCOMPARE(f->at(1).startTime(), 0);
        QCOMPARE(f->at(2).type(), int(SwitchTime::Switch));
        QCOMPARE(f->at(2).state(), int(SwitchTime::Off));
        QCOMPARE(f->at(2).startTime(), 60);
    }

    void modelsWithoutImpulsesDropThem() {
        f->owner.impuls = false;
        f->owner.zyclus = false;
        placeSwitches({QJsonObject{{"type", "impuls"}}, QJsonObject{{"type", "cycle"}},
                       QJsonObject{{"type", "switch"}}});
        f->view->paste();
        QCOMPARE(f->view->switchCount(), 1);
        QCOMPARE(f->at(0).type(), int(SwitchTime::Switch));
    }

    void fixedSwitchesPasteOnAstroChannels() {
        placeSwitches({QJsonObject{{"type", "fix-switch"}, {"start-days", Tuesday}, {"end-time", 60}}});
        QVERIFY(f->view->canPaste(3));
        QVERIFY(!f->view->canPaste(0));
        f->view->paste();
        QCOMPARE(f->at(0).endDay(), Tuesday);
    }

    void otherDocumentsArePastedNowhere() {
        ClipboardDocument::place(
            ClipboardDocument::wrap(QStringLiteral("dateRanges"), {QJsonObject{}}, QJsonObject{}));
        QVERIFY(f->view->hasClipboardData());
        QVERIFY(!f->view->canPaste(0));
        f->view->paste();
        QCOMPARE(f->view->switchCount(), 0);
        placeSwitches({});
        QVERIFY(!f->view->canPaste(0));

        auto* text = new QMimeData;
        text->setText(QStringLiteral(R"({"type": "APPLICATION/VND.DE.ZORVIK.TARVINO.JSON-DATA"})"));
        QGuiApplication::clipboard()->setMimeData(text);
        QVERIFY(f->view->hasClipboardData());
        QVERIFY(!f->view->canPaste(0));
        QGuiApplication::clipboard()->setText(QStringLiteral("no document"));
        QVERIFY(!f->view->hasClipboardData());
    }
};

QTEST_MAIN(TestSwitchClipboard)
#include "tst_switchclipboard.moc"
