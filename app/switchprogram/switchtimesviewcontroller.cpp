#include "switchtimesviewcontroller.h"

#include "clipboarddocument.h"
#include "switchcell.h"
#include "switchclipboard.h"
#include "switchgrid.h"
#include "switchgridcontrollerproxy.h"
#include "switchprogramlogging.h"
#include "switchtimecontroller.h"
#include "switchtimesowner.h"

#include <QGuiApplication>
#include <QMimeData>

#include <astroengine.h>
#include <utils/weekdays.h>

using storage::SwitchTime;
using utils::Weekdays;

namespace {

constexpr int MinutesPerDay = 1440;

int secondsOfDay(const QDateTime& time) {
    return time.isValid() ? time.time().msecsSinceStartOfDay() / 1000 : 0;
}

SwitchTime timed(SwitchTime::Type type, SwitchTime::State state, int startTime, int startDays, int endTime) {
    SwitchTime s(type, state, startTime, startDays);
    s.setEndTime(endTime);
    return s;
}

// A range drawn in the grid: on one day it ends that day, or the next when it passes midnight.
SwitchTime range(SwitchTime::Type type, SwitchTime::State state, int startTime, int endTime, int startDays) {
    SwitchTime s = timed(type, state, startTime, startDays, endTime);
    if (Weekdays::count(startDays) != 1 || (startDays & ~Weekdays::AllDays) != 0) {
        s.setMultipleEndDays();
        return s;
    }
    s.setEndDay(endTime < startTime ? Weekdays::nextDay(startDays) : startDays);
    // A fixed range as long as the whole week needs an end of its own.
    if (type == SwitchTime::FixSwitch && endTime == startTime)
        s.setEndTime((endTime + 1) % SwitchTime::SecondsPerDay);
    return s;
}

SwitchTime unique(SwitchTime::Type type, SwitchTime::State state, int startTime, int endTime, int startDay,
                  int endDay) {
    SwitchTime s = timed(type, state, startTime, startDay, endTime);
    s.setEndDay(endDay);
    return s;
}

SwitchTime impuls(SwitchTime::Type type, SwitchTime::State state, int startTime, int startDays,
                  int pulsTime) {
    SwitchTime s(type, state, startTime, startDays);
    s.setPulsTime(pulsTime);
    return s;
}

SwitchTime cycle(SwitchTime::Type type, SwitchTime::State state, int startTime, int endTime, int startDay,
                 int endDay, int pulsTime, int pauseTime) {
    SwitchTime s = timed(type, state, startTime, startDay, endTime);
    s.setPulsTime(pulsTime);
    s.setPauseTime(pauseTime);
    s.setEndDay(startDay == endDay && startTime == endTime ? int(Weekdays::Endless) : endDay);
    return s;
}

QClipboard* clipboard() {
    return QGuiApplication::clipboard();
}

} // namespace

SwitchTimesViewController::SwitchTimesViewController(SwitchTimesOwner* owner, QObject* parent)
    : BaseController(parent)
    , m_owner(owner)
    , m_switches(new SwitchTimeListModel(this))
    , m_sortedSwitches(new SwitchTimeFilter(m_switches))
    , m_gridController(new SwitchGridControllerProxy(m_switches, this)) {
    connect(m_switches, &SwitchTimeListModel::createSwitchTime, this,
            &SwitchTimesViewController::createSwitchTimeSlot);
    connect(m_switches, &SwitchTimeListModel::createSwitchTimeRange, this,
            &SwitchTimesViewController::createSwitchTimeRangeSlot);
    connect(m_switches, &SwitchTimeListModel::createImpuls, this,
            &SwitchTimesViewController::createImpulsSlot);
    connect(m_switches, &SwitchTimeListModel::createCycle, this, &SwitchTimesViewController::createCycleSlot);
    connect(m_switches, &SwitchTimeListModel::updateGrid, this, &SwitchTimesViewController::updateGrid);
    connect(m_switches, &SwitchTimeListModel::invertStartEndModel, this,
            &SwitchTimesViewController::invertStartEndModel);
    connect(m_switches, &SwitchTimeListModel::needClearEmptySwitches, this,
            &SwitchTimesViewController::clearEmptySwitches);
    connect(m_switches, &SwitchTimeListModel::fillClipboard, this,
            [this](int fromDay, int fromTime, const QJsonArray& switches) {
                fillClipboard(fromDay, fromTime, switches);
                checkClipboard();
            });
    connect(m_switches, &SwitchTimeListModel::needRefresh, this, [this] {
        writeProgram();
        emitCounts();
    });
    checkClipboard(QClipboard::Clipboard);
    connect(clipboard(), &QClipboard::changed, this,
            qOverload<QClipboard::Mode>(&SwitchTimesViewController::checkClipboard));
}

SwitchTimesViewController::~SwitchTimesViewController() = default;

int SwitchTimesViewController::totalSwitchCount() const {
    return m_loaded ? m_owner->switchCount() : 0;
}

QObject* SwitchTimesViewController::gridController() const {
    return m_gridController;
}

void SwitchTimesViewController::reloadSwitches() {
    const storage::StorableRef<storage::Program> program = m_owner->selectedProgramRef();
    if (!program.isLoaded())
        return;
    m_switches->setSwitches(program->switches());
    m_loaded = true;
    emit updateGrid();
    emit switchCountChanged(switchCount());
    emit totalSwitchCountChanged(totalSwitchCount());
    emit hasClipboardDataChanged();
}

void SwitchTimesViewController::writeProgram() {
    storage::StorableRef<storage::Program> program = m_owner->selectedProgramRef();
    if (program.isLoaded())
        program->setSwitches(m_switches->switches());
}

void SwitchTimesViewController::emitCounts() {
    emit switchCountChanged(switchCount());
    emit totalSwitchCountChanged(totalSwitchCount());
}

void SwitchTimesViewController::insertNew(SwitchTime switchTime) {
    if (m_switches->containsEqual(switchTime))
        return;
    if (m_pasting && !m_pasteStepOpen) {
        m_switches->beginMacro();
        m_pasteStepOpen = true;
    }
    if (!switchTime.store())
        qCWarning(switchProgramLog) << ">> A new switch time could not be stored";
    m_switches->insertSwitchTime(switchTime);
}

void SwitchTimesViewController::createSwitchTimeSlot(Type type, State state, int startTime, int startDays) {
    insertNew(SwitchTime(type, state, startTime, startDays));
}

void SwitchTimesViewController::createSwitchTimeRangeSlot(Type type, State state, int startTime, int endTime,
                                                          int startDays) {
    insertNew(range(type, state, startTime, endTime, startDays));
}

void SwitchTimesViewController::createImpulsSlot(Type type, State state, int startTime, int startDays,
                                                 int pulsTime) {
    insertNew(impuls(type, state, startTime, startDays, pulsTime));
}

void SwitchTimesViewController::createCycleSlot(Type type, State state, int startTime, int endTime,
                                                int startDay, int endDay, int pulsTime, int pauseTime, bool) {
    insertNew(cycle(type, state, startTime, endTime, startDay, endDay, pulsTime, pauseTime));
}

void SwitchTimesViewController::createSwitchTimeUniqueSlot(Type type, State state, int startTime, int endTime,
                                                           int startDay, int endDay) {
    insertNew(unique(type, state, startTime, endTime, startDay, endDay));
}

QString SwitchTimesViewController::checkForError(int type, int state, int startDays, int endDay,
                                                 const QDateTime& startTime, const QDateTime& endTime,
                                                 const QDateTime& pulsTime, const QDateTime& pauseTime) {
    return m_switches->switchErrorsController()->checkNewSwitchTime(type, state, startDays, endDay, startTime,
                                                                    endTime, pulsTime, pauseTime);
}

void SwitchTimesViewController::createFromTable(int type, int state, int startDays, int endDay,
                                                const QDateTime& startTime, const QDateTime& endTime,
                                                const QDateTime& pulsTime, const QDateTime& pauseTime) {
    const auto t = Type(type);
    const auto s = State(state);
    const int start = secondsOfDay(startTime);
    const int end = secondsOfDay(endTime);
    switch (type) {
    case SwitchTime::Switch:
        createSwitchTimeSlot(t, s, start, startDays);
        break;
    case SwitchTime::Impuls:
        createImpulsSlot(t, s, start, startDays, secondsOfDay(pulsTime));
        break;
    case SwitchTime::Cycle:
        createCycleSlot(t, s, start, end, startDays, endDay, secondsOfDay(pulsTime), secondsOfDay(pauseTime));
        break;
    case SwitchTime::FixSwitch:
        if (endDay < 0)
            createSwitchTimeRangeSlot(t, s, start, end, startDays);
        else
            createSwitchTimeUniqueSlot(t, s, start, end, startDays, endDay);
        break;
    default:
        break;
    }
}

SwitchTimeController* SwitchTimesViewController::editorFor(int index, const SwitchTime& switchTime) {
    m_selectionMode = Normal;
    emit selectionModeChanged(Normal);
    return new SwitchTimeController(this, index, switchTime);
}

SwitchTimeController* SwitchTimesViewController::createSwitchTime(int type, int state) {
    return editorFor(-1, SwitchTime(Type(type), State(state), 0, 0));
}

SwitchTimeController* SwitchTimesViewController::openSwitchTime(int index, bool isSortedIndex) {
    const int row =
        isSortedIndex ? m_sortedSwitches->mapToSource(m_sortedSwitches->index(index, 0)).row() : index;
    const SwitchTime* switchTime = m_switches->at(row);
    if (!switchTime) {
        qCWarning(switchProgramLog) << ">> There is no switch time in row" << index << "to open";
        return nullptr;
    }
    return editorFor(row, *switchTime);
}

void SwitchTimesViewController::storeNewSwitchTime(SwitchTime switchTime) {
    insertNew(std::move(switchTime));
}

void SwitchTimesViewController::storeSwitchTime(const SwitchTime& switchTime,
                                                const SwitchTimeFields& fields) {
    m_switches->saveFields(switchTime, fields);
    emit updateGrid();
}

void SwitchTimesViewController::clearEmptySwitches() {
    m_switches->clearEmptySwitches();
    writeProgram();
    emit updateGrid();
    emitCounts();
}

void SwitchTimesViewController::remove(int index) {
    if (!m_switches->at(index)) {
        qCWarning(switchProgramLog) << ">> There is no switch time in row" << index << "to remove";
        return;
    }
    m_switches->beginMacro();
    m_switches->moveSwitchDays(index, 0);
    clearEmptySwitches();
    m_switches->endMacro();
}

void SwitchTimesViewController::removeAll() {
    m_switches->removeAll();
    writeProgram();
    emit updateGrid();
    emitCounts();
}

void SwitchTimesViewController::deleteArea(int, int, const QList<int>& indexes) {
    m_switches->removeSwitchTimes(QSet<int>(indexes.cbegin(), indexes.cend()));
}

void SwitchTimesViewController::enableOnSwitchMode(SwitchGrid* grid, bool astroMode) {
    if (!grid)
        return;
    if (astroMode)
        grid->setupRangeEditMode(std::make_shared<GreenStartCell>(), std::make_shared<GreenEndCell>(), 100,
                                 std::make_shared<GreenDotCell>());
    else
        grid->setupSimpleEditMode(std::make_shared<GreenCell>(), 0, std::make_shared<GreenDotCell>());
}

void SwitchTimesViewController::enableOffSwitchMode(SwitchGrid* grid, bool astroMode) {
    if (!grid)
        return;
    if (astroMode)
        grid->setupRangeEditMode(std::make_shared<RedStartCell>(), std::make_shared<RedEndCell>(), 101,
                                 std::make_shared<RedDotCell>());
    else
        grid->setupSimpleEditMode(std::make_shared<RedCell>(), 100);
}

void SwitchTimesViewController::enableOnOffSwitchMode(SwitchGrid* grid) {
    if (grid)
        grid->setupRangeEditMode(std::make_shared<GreenCell>(), std::make_shared<RedCell>(), 101,
                                 std::make_shared<GreenDotCell>());
}

void SwitchTimesViewController::enableImpulsOnSwitchMode(SwitchGrid* grid) {
    if (grid)
        grid->setupSimpleEditMode(std::make_shared<YellowOnCell>(), -2);
}

void SwitchTimesViewController::enableImpulsOffSwitchMode(SwitchGrid* grid) {
    if (grid)
        grid->setupSimpleEditMode(std::make_shared<YellowOffCell>(), -2);
}

void SwitchTimesViewController::enableCycleSwitchMode(SwitchGrid* grid) {
    if (grid)
        grid->setupRangeEditMode(std::make_shared<BlueStartCell>(), std::make_shared<BlueEndCell>(), -2,
                                 std::make_shared<BlueDotCell>());
}

void SwitchTimesViewController::setSelectionMode(int mode) {
    if (mode == m_selectionMode)
        return;
    m_selectionMode = mode;
    emit selectionModeChanged(mode);
}

QJsonArray SwitchTimesViewController::tooltipInfo(const QList<int>& indexes) const {
    return m_switches->tooltipInfo(indexes);
}

// ---- copy and paste ----

void SwitchTimesViewController::fillClipboard(int fromDay, int fromTime, const QJsonArray& switches) {
    const QJsonObject origin{{QStringLiteral("from-time"), fromTime}, {QStringLiteral("from-day"), fromDay}};
    ClipboardDocument::place(ClipboardDocument::wrap(QStringLiteral("switches"), switches, origin));
}

void SwitchTimesViewController::copyArea(int from, int to, int topColumn, const QList<int>& indexes) {
    const int firstDay = m_switches->firstDayOfWeek();
    const int mask = Weekdays::daysOfRows(from, to, firstDay);
    QJsonArray copied;
    for (const int row : indexes) {
        if (m_switches->at(row))
            copied.append(m_switches->jsonObjectAt(row, mask));
    }
    fillClipboard(Weekdays::dayOfRow(from, firstDay), topColumn, copied);
    checkClipboard();
}

void SwitchTimesViewController::checkClipboard(QClipboard::Mode) {
    checkClipboard();
}

void SwitchTimesViewController::checkClipboard() {
    m_hasClipboardData = ClipboardDocument::isDocument(clipboard()->mimeData());
    emit hasClipboardDataChanged();
    emit hasCopyChanged(m_hasClipboardData);
}

bool SwitchTimesViewController::canPaste(int kind) {
    if (!m_hasClipboardData)
        return false;
    const std::optional<QJsonObject> document = ClipboardDocument::read(clipboard()->mimeData());
    if (!document || !document->value(QStringLiteral("switches")).isArray())
        return false;
    return SwitchClipboard::kindOf(document->value(QStringLiteral("switches")).toArray()) == kind;
}

void SwitchTimesViewController::paste() {
    pastTo(-1, -1);
}

void SwitchTimesViewController::pastTo(int fromDay, int fromTime) {
    if (!m_hasClipboardData)
        return;
    const std::optional<QJsonObject> document = ClipboardDocument::read(clipboard()->mimeData());
    if (!document || !document->value(QStringLiteral("switches")).isArray())
        return;
    const SwitchClipboard::Shift shift =
        SwitchClipboard::shiftOf(*document, fromDay, fromTime, m_switches->firstDayOfWeek());
    m_pasting = true;
    const QJsonArray items = document->value(QStringLiteral("switches")).toArray();
    for (const QJsonValue& item : items) {
        if (item.isObject())
            pasteItem(SwitchClipboard::moved(SwitchClipboard::read(item.toObject()), shift));
    }
    if (m_pasteStepOpen)
        m_switches->endMacro();
    m_pasting = false;
    m_pasteStepOpen = false;
}

void SwitchTimesViewController::pasteItem(const SwitchClipboard::Item& item) {
    const auto type = Type(item.type);
    const auto state = State(item.state);
    switch (item.type) {
    case SwitchTime::FixSwitch:
        if (item.endDay < 0)
            createSwitchTimeRangeSlot(type, state, item.startTime, item.endTime, item.startDays);
        else
            createSwitchTimeUniqueSlot(type, state, item.startTime, item.endTime, item.startDays,
                                       item.endDay);
        break;
    case SwitchTime::Impuls:
        if (m_owner->hasImpuls())
            createImpulsSlot(type, state, item.startTime, item.startDays, item.pulsTime);
        break;
    case SwitchTime::Cycle:
        if (m_owner->hasZyclus())
            createCycleSlot(type, state, item.startTime, item.endTime, item.startDays, item.endDay,
                            item.pulsTime, item.pauseTime, true);
        break;
    default:
        createSwitchTimeSlot(type, state, item.startTime, item.startDays);
        break;
    }
}

// ---- astro bounds ----

TJAstro SwitchTimesViewController::astroTableForYear(int year) {
    const std::optional<AstroYearParameters> parameters = m_owner->astroParameters(year);
    if (!parameters)
        return {};
    AstroEngine::setParameters(parameters->latitude, parameters->longitude, parameters->timezone,
                               parameters->rule, parameters->ownTableEnabled, parameters->ownTable);
    return AstroEngine::computeYear(year, parameters->offsetSunrise, parameters->offsetSunset,
                                    parameters->astroTime);
}

void SwitchTimesViewController::updateAstroTimes() {
    const int year = QDate::currentDate().year();
    if (!m_owner->astroParameters(year))
        return;
    const TJAstro table = astroTableForYear(year);
    const auto clock = [](const AstroTimeOfDay& t) {
        return QStringLiteral("%1:%2:%3").arg(t.hour).arg(t.minute).arg(t.second);
    };
    qCDebug(switchProgramLog) << "Astro calculation for channel: " << m_owner->selectedChannelIndex();
    qCDebug(switchProgramLog).noquote()
        << QStringLiteral("First: sunrise %1 sunset %2")
               .arg(clock(table.earliestSunrise), clock(table.earliestSunset));
    qCDebug(switchProgramLog).noquote() << QStringLiteral("Last: sunrise %1 sunset %2")
                                               .arg(clock(table.latestSunrise), clock(table.latestSunset));
    if (table.hasNoSunDays)
        setAstroBounds(-1, -1, 0, MinutesPerDay);
    else
        setAstroBounds(
            AstroEngine::minutesOf(table.latestSunrise), AstroEngine::minutesOf(table.earliestSunset),
            AstroEngine::minutesOf(table.earliestSunrise), AstroEngine::minutesOf(table.latestSunset));
}

void SwitchTimesViewController::setAstroBounds(int min, int max, int minLight, int maxLight) {
    m_astroMin = min;
    m_astroMax = max;
    m_astroMinLight = minLight;
    m_astroMaxLight = maxLight;
    emit astroChanged();
}

void SwitchTimesViewController::updateAstroMode(int astroMode) {
    m_onlyShowLightAstro = astroMode == (m_owner->isControls() ? 2 : 3);
    emit onlyShowLightAstroChanged();
}
