#include "extraprogramviewcontroller.h"

#include "daterangecontroller.h"
#include "daterangefilter.h"
#include "daterangelistmodel.h"
#include "extraprogramowner.h"
#include "extraprogramslogging.h"
#include "extraprogramswitchtimecontroller.h"
#include "holidaydateranges.h"

#include <clipboarddocument.h>
#include <holidays/holidaysetservice.h>
#include <utils/wallclock.h>

#include <QGuiApplication>
#include <QTimer>

using storage::DateRange;
using storage::Program;
using storage::StorableRef;

namespace {

const QString DateRangesKey = QStringLiteral("dateRanges");
constexpr int RefreshDelayMs = 50;

bool needsExtendedDateRanges(int type) {
    return type == DateRange::Serie || type == DateRange::WeekRule || type == DateRange::ChineseNewYear;
}

} // namespace

ExtraProgramViewController::ExtraProgramViewController(ExtraProgramOwner* owner, int programNumber,
                                                       bool hideSwitchTimes)
    : BaseController(owner->ownerObject())
    , m_owner(owner)
    , m_dateRanges(new DateRangeListModel(this))
    , m_sortedDateRanges(new DateRangeFilter(m_dateRanges))
    , m_programNumber(programNumber)
    , m_displayExtraSwitchTimes(!hideSwitchTimes) {
    if (holidays::HolidaySetService::hasInstance())
        m_holidayService = &holidays::HolidaySetService::instance();
    connect(m_dateRanges, &DateRangeListModel::createDateRange, this,
            [this](DateRange::Type type, const QDateTime& start, const QDateTime& end) {
                createDateRangeSlot(type, start, end);
            });
    checkClipboard();
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::changed, this, &ExtraProgramViewController::checkClipboard);
    connect(m_dateRanges, &DateRangeListModel::fillClipboard, this, [this](const QJsonArray& dateRanges) {
        fillClipboard(dateRanges);
        checkClipboard();
    });
    connect(m_dateRanges, &DateRangeListModel::needRefresh, this, [this] {
        writeBackDateRanges();
        emitCounts();
    });
    if (m_displayExtraSwitchTimes) {
        m_switchTimes = new ExtraProgramSwitchTimeController(this);
        connect(m_switchTimes, &ExtraProgramSwitchTimeController::extraProgramSwitchTimeCountChanged, this,
                &ExtraProgramViewController::switchTimeCountChanged);
    }
}

// Defined here, where the holiday service is a complete type.
ExtraProgramViewController::~ExtraProgramViewController() = default;

int ExtraProgramViewController::dateRangeCount() const {
    return m_dateRanges->count();
}

int ExtraProgramViewController::totalDateRangeCount() const {
    return m_loaded ? m_owner->totalDateRangeCount() : 0;
}

QObject* ExtraProgramViewController::ownerObject() const {
    return m_owner->ownerObject();
}

holidays::Holidays* ExtraProgramViewController::holidays() const {
    return m_holidayService ? m_holidayService->holidays() : nullptr;
}

holidays::HolidaySetFilter* ExtraProgramViewController::sortedHolidaySet() const {
    return m_holidayService ? m_holidayService->sortedHolidaySet() : nullptr;
}

int ExtraProgramViewController::holidayIndex() const {
    return m_holidayService ? m_holidayService->currentIndex(true) : -1;
}

ExtraProgramViewController::ExtraType ExtraProgramViewController::extraType() const {
    const int programs = m_owner->programms();
    if (m_programNumber == 0)
        return Standard;
    if (m_programNumber == programs - 2)
        return PermOn;
    if (m_programNumber == programs - 1)
        return PermOff;
    return Standard;
}

bool ExtraProgramViewController::hasExtendedDateRanges() const {
    return m_owner->yearlyProgram();
}

void ExtraProgramViewController::reloadDateRanges() {
    m_loaded = true;
    if (const StorableRef<Program> stored = program(); stored.isLoaded()) {
        m_dateRanges->setDateRanges(stored->dateRanges());
        emitCounts();
        if (m_switchTimes) {
            m_switchTimes->load();
            emit switchTimeCountChanged();
        }
    }
}

bool ExtraProgramViewController::isEmpty() const {
    if (m_dateRanges->count() > 0)
        return false;
    if (m_switchTimes)
        return m_switchTimes->isEmpty();
    return programSwitches().isEmpty();
}

int ExtraProgramViewController::luxValueOn() const {
    const StorableRef<Program> stored = program();
    return stored.isLoaded() && stored->luxOnValue() >= 1 ? stored->luxOnValue() : DefaultLux;
}

int ExtraProgramViewController::luxValueOff() const {
    const StorableRef<Program> stored = program();
    return stored.isLoaded() && stored->luxOffValue() >= 1 ? stored->luxOffValue() : DefaultLux;
}

void ExtraProgramViewController::setLuxValues(int on, int off) {
    if (const StorableRef<Program> stored = program(); stored.isLoaded()) {
        stored->setLuxOnValue(on);
        stored->setLuxOffValue(off);
    }
}

QList<storage::SwitchTime> ExtraProgramViewController::programSwitches() const {
    const StorableRef<Program> stored = program();
    return stored.isLoaded() ? stored->switches() : QList<storage::SwitchTime>();
}

void ExtraProgramViewController::setSwitchTimes(const QList<storage::SwitchTime>& switches) {
    if (const StorableRef<Program> stored = program(); stored.isLoaded())
        stored->setSwitches(switches);
}

void ExtraProgramViewController::storeDateRange(int index, DateRange range, const DateRangeFields& fields) {
    if (m_dateRanges->rowOfRecord(QVariant::fromValue(range)) >= 0) {
        m_dateRanges->editDateRange(range, fields);
        return;
    }
    if (index >= 0) {
        qCWarning(extraProgramsLog) << ">> The edited date range is no longer in the program; nothing saved";
        return;
    }
    insertNew(fields, range);
}

DateRangeController* ExtraProgramViewController::openDateRange(int index, bool isSortedIndex) {
    setSelectionMode(Normal);
    const int row =
        isSortedIndex ? m_sortedDateRanges->mapToSource(m_sortedDateRanges->index(index, 0)).row() : index;
    const DateRange* range = m_dateRanges->at(row);
    if (!range) {
        qCWarning(extraProgramsLog) << ">> No date range at row" << index << "to open";
        return nullptr;
    }
    return new DateRangeController(this, row, *range);
}

DateRangeController* ExtraProgramViewController::createDateRange(int type) {
    setSelectionMode(Normal);
    // Through the editor's type, so that a new Easter or New Year range gets its days set.
    auto* editor = new DateRangeController(this, -1, DateRange());
    editor->setType(type);
    return editor;
}

void ExtraProgramViewController::createFromTable(int type, const QDateTime& startDate, const QDateTime& endDate,
                                                 const QDateTime& startTime, const QDateTime& endTime, int startDay,
                                                 int endDay) {
    createDateRangeSlot(type, utils::WallClock::at(startDate.date(), startTime.time()),
                        utils::WallClock::at(endDate.date(), endTime.time()), startDay, endDay);
}

void ExtraProgramViewController::remove(int index) {
    if (!m_dateRanges->removeDateRange(index))
        qCWarning(extraProgramsLog) << ">> No date range at row" << index << "to remove";
}

void ExtraProgramViewController::removeAll() {
    m_dateRanges->removeAll();
}

void ExtraProgramViewController::setSelectionMode(int mode) {
    if (mode == m_selectionMode)
        return;
    m_selectionMode = mode;
    emit selectionModeChanged(mode);
}

void ExtraProgramViewController::checkClipboard(QClipboard::Mode mode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (mode != QClipboard::Clipboard || !clipboard)
        return;
    m_hasClipboardData = ClipboardDocument::isDocument(clipboard->mimeData(QClipboard::Clipboard));
    emit hasClipboardDataChanged();
    emit hasCopyChanged(m_hasClipboardData);
}

bool ExtraProgramViewController::canPaste() const {
    return m_hasClipboardData && ClipboardDocument::listOnClipboard(DateRangesKey).has_value();
}

void ExtraProgramViewController::paste() {
    if (!m_hasClipboardData)
        return;
    const std::optional<QJsonArray> list = ClipboardDocument::listOnClipboard(DateRangesKey);
    if (!list)
        return;
    QList<DateRangeFields> ranges;
    for (const QJsonValue& element : *list) {
        if (element.isObject())
            ranges.append(DateRangeFields::fromJsonObject(element.toObject()));
    }
    insertAll(ranges);
}

void ExtraProgramViewController::changeHolidays(int index) {
    if (!m_holidayService)
        return;
    m_holidayService->setHolidayList(index, true);
    emit holidayIndexChanged();
}

void ExtraProgramViewController::createDateRangesForHolidaySet(int index) {
    if (!m_holidayService)
        return;
    insertAll(HolidayDateRanges::fromRules(m_holidayService->holidayListFromIndex(index, true),
                                           QDate::currentDate().year(), m_holidayService->applyUntilYear()));
}

int ExtraProgramViewController::applyUntilYear() const {
    return m_holidayService ? m_holidayService->applyUntilYear() : QDate::currentDate().year();
}

void ExtraProgramViewController::setApplyUntilYear(int year) {
    if (m_holidayService)
        m_holidayService->setApplyUntilYear(year);
}

void ExtraProgramViewController::forceRefreshDateRanges() {
    QTimer::singleShot(RefreshDelayMs, m_dateRanges, &DateRangeListModel::triggerModelReset);
}

void ExtraProgramViewController::createDateRangeSlot(int type, const QDateTime& startDate, const QDateTime& endDate,
                                                     int startOffset, int endOffset, int duration, int repeat,
                                                     int weekRuleDay, int weekRuleWeekDay, int weekRuleMonth) {
    DateRangeFields fields = DateRangeFields::ofNewRange(type, startDate, endDate, startOffset, endOffset);
    fields.duration = duration;
    fields.repeat = repeat;
    if (type == DateRange::WeekRule) {
        fields.weekRuleDay = weekRuleDay;
        fields.weekRuleWeekDay = weekRuleWeekDay;
        fields.weekRuleMonth = weekRuleMonth;
    }
    insertNew(fields);
}

void ExtraProgramViewController::fillClipboard(const QJsonArray& dateRanges) {
    ClipboardDocument::place(ClipboardDocument::wrap(DateRangesKey, dateRanges, QJsonObject()));
}

StorableRef<Program> ExtraProgramViewController::program() const {
    return m_owner->programOfChannel(m_programNumber);
}

bool ExtraProgramViewController::canHold(int type) const {
    return hasExtendedDateRanges() || !needsExtendedDateRanges(type);
}

void ExtraProgramViewController::insertAll(const QList<DateRangeFields>& ranges) {
    QList<DateRangeFields> held;
    std::copy_if(ranges.cbegin(), ranges.cend(), std::back_inserter(held),
                 [this](const DateRangeFields& range) { return canHold(range.type); });
    if (!held.isEmpty()) {
        m_dateRanges->beginMacro();
        for (const DateRangeFields& range : std::as_const(held))
            insertNew(range);
        m_dateRanges->endMacro();
    }
    if (held.size() < ranges.size())
        emit unsupportedDateRanges();
}

void ExtraProgramViewController::insertNew(const DateRangeFields& fields, DateRange range) {
    fields.writeTo(range);
    range.store();
    m_dateRanges->insertDateRange(range);
}

void ExtraProgramViewController::writeBackDateRanges() {
    if (const StorableRef<Program> stored = program(); stored.isLoaded())
        stored->setDateRanges(m_dateRanges->dateRanges());
}

void ExtraProgramViewController::emitCounts() {
    emit dateRangeCountChanged(dateRangeCount());
    emit totalDateRangeCountChanged(totalDateRangeCount());
}
