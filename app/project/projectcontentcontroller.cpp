#include "projectcontentcontroller.h"

#include "astrochannelcontroller.h"
#include "astroprojectcontroller.h"
#include "printservice.h"
#include "settingscontroller.h"
#include "sowirulesetting.h"
#include "tarvinologging.h"
#include "timezonesetting.h"
#include "yearlyastrodocument.h"
#include "yearlyastrotablemodel.h"

#include <astroengine.h>
#include <ble/bleservice.h>
#include <channeloverviewmodel.h>
#include <daterangelistmodel.h>

#include <algorithm>

namespace {

// The zone of a project without location: UTC +1h.
constexpr int DefaultTimeZone = 13;

} // namespace

ProjectContentController::ProjectContentController(ProjectController* project)
    : BaseController(project)
    , m_project(project)
    , m_switchTimesViewController(new SwitchTimesViewController(this, this))
    , m_settingsController(new SettingsController(project, this))
    , m_deviceName(project->deviceName())
    , m_programData(project->programData()) {
    SwitchTimeListModel* switches = m_switchTimesViewController->switches();
    switches->setFirstDayOfWeek(project->firstDayOfWeek());
    connect(project, &ProjectController::firstDayOfWeekChanged, switches,
            &SwitchTimeListModel::setFirstDayOfWeek);
    if (isProgramDataLoaded())
        loadSelection();
    connectProject();
    if (!m_channelController)
        refreshChannelController();
    m_switchTimesViewController->updateAstroTimes();
    computeEmptyChannels();
}

ProjectContentController::~ProjectContentController() = default;

void ProjectContentController::connectProject() {
    SwitchTimesViewController* view = m_switchTimesViewController;
    const auto astroTimes = [view] { view->updateAstroTimes(); };
    connect(m_project, &ProjectController::soWiRuleTypeChanged, view, astroTimes);
    connect(m_project, &ProjectController::wiSoWeekChanged, view, astroTimes);
    connect(m_project, &ProjectController::wiSoMonthChanged, view, astroTimes);
    connect(m_project, &ProjectController::wiSoHourChanged, view, astroTimes);
    connect(m_project, &ProjectController::wiSoWeekDayChanged, view, astroTimes);
    connect(m_project, &ProjectController::soWiWeekChanged, view, astroTimes);
    connect(m_project, &ProjectController::soWiMonthChanged, view, astroTimes);
    connect(m_project, &ProjectController::wiSoDateChanged, view, astroTimes);
    connect(m_project, &ProjectController::soWiDateChanged, view, astroTimes);
    connect(m_project, &ProjectController::tooManySZError, this, &ProjectContentController::onTooManySz);
    connect(m_project, &ProjectController::selectedChannelChanged, this, [this](int channel) {
        syncChannelController();
        emit selectedChannelChanged(channel);
    });
    connect(view, &SwitchTimesViewController::totalSwitchCountChanged, this,
            [this] { updateExtraProgramUsage(m_selectedProgram); });
    followErrorsOf(view->switches());
    if (auto* astro = qobject_cast<AstroProjectController*>(m_project)) {
        CoordinatesSettingsController* location = astro->coordinatesController();
        connect(location, &CoordinatesSettingsController::latitudeChanged, view, astroTimes);
        connect(location, &CoordinatesSettingsController::longitudeChanged, view, astroTimes);
        connect(location, &CoordinatesSettingsController::timezoneChanged, view, astroTimes);
        connect(astro, &AstroProjectController::astroTabChanged, view, astroTimes);
    }
}

void ProjectContentController::followErrorsOf(QAbstractItemModel* list) {
    const auto listChanged = [this] { updateProjectError(); };
    connect(list, &QAbstractItemModel::dataChanged, this, listChanged);
    connect(list, &QAbstractItemModel::rowsInserted, this, listChanged);
    connect(list, &QAbstractItemModel::rowsRemoved, this, listChanged);
    connect(list, &QAbstractItemModel::modelReset, this, listChanged);
}

void ProjectContentController::updateProjectError() {
    storage::Project project = m_project->project();
    const bool hasError = hasSwitchOrDateError();
    if (project.hasError() != hasError)
        project.setHasError(hasError);
}

void ProjectContentController::onLoaded() {
    if (m_channel.isNull() && isProgramDataLoaded())
        loadSelection();
    else
        loadPrograms();
}

void ProjectContentController::loadPrograms() {
    if (m_channel.isNull())
        return;
    for (int number = 0; number < m_project->programms(); ++number)
        m_channel->program(number);
    m_switchTimesViewController->reloadSwitches();
    for (int number = 0; number < m_project->programms(); ++number)
        extraProgramViewController(number)->reloadDateRanges();
}

void ProjectContentController::loadSelection() {
    if (!isProgramDataLoaded())
        return;
    m_channel = m_programData->channel(selectedChannel());
    if (!m_channelController)
        refreshChannelController();
    loadPrograms();
}

storage::StorableRef<storage::Program> ProjectContentController::programOfChannel(int number) {
    return m_channel.isLoaded() ? m_channel->program(number) : storage::StorableRef<storage::Program>();
}

storage::StorableRef<storage::Program> ProjectContentController::selectedProgramRef() {
    return programOfChannel(m_selectedProgram);
}

int ProjectContentController::totalDateRangeCount() const {
    return isProgramDataLoaded() ? m_programData->dateRangeCount() : 0;
}

int ProjectContentController::astroMode() const {
    const auto* astro = qobject_cast<const AstroChannelController*>(m_channelController.data());
    return astro ? astro->astroMode() : 0;
}

ExtraProgramViewController* ProjectContentController::extraProgramViewController(int programNumber) {
    if (ExtraProgramViewController* cached = m_extraPrograms.value(programNumber))
        return cached;
    auto* controller =
        new ExtraProgramViewController(this, programNumber, m_project->extraProgramWithSwitches());
    m_extraPrograms.insert(programNumber, controller);
    const auto usage = [this, programNumber] { updateExtraProgramUsage(programNumber); };
    connect(controller, &ExtraProgramViewController::totalDateRangeCountChanged, this, usage);
    connect(controller, &ExtraProgramViewController::switchTimeCountChanged, this, usage);
    followErrorsOf(controller->dateRanges());
    return controller;
}

void ProjectContentController::updateExtraProgramUsage(int progIndex) {
    if (const ExtraProgramViewController* controller = m_extraPrograms.value(progIndex)) {
        const bool isEmpty = controller->isEmpty();
        if (isEmpty != m_emptyPrograms.contains(progIndex)) {
            if (isEmpty)
                m_emptyPrograms.append(progIndex);
            else
                m_emptyPrograms.removeAll(progIndex);
            emit emptyProgramsChanged();
        }
    }
    // The stored channel decides: an extra switch-time editor does not see the weekly switch times.
    updateChannelUsage(selectedChannel(), !channelIsUsed(selectedChannel()));
    updateTotalSwitchCount();
}

int ProjectContentController::switchCount() const {
    return isProgramDataLoaded() ? m_programData->szCount() : 0;
}

void ProjectContentController::syncChannelController() {
    if (m_channelController != m_project->channel(selectedChannel()))
        refreshChannelController();
}

void ProjectContentController::refreshChannelController() {
    const int typeBefore = m_channelController ? m_channelController->channelType() : -1;
    if (m_channelController) {
        disconnect(m_channelController, nullptr, this, nullptr);
        disconnect(m_channelController, nullptr, m_switchTimesViewController, nullptr);
    }
    m_channelController = m_project->channel(selectedChannel());
    if (auto* astro = qobject_cast<AstroChannelController*>(m_channelController.data())) {
        SwitchTimesViewController* view = m_switchTimesViewController;
        const auto astroTimes = [view] { view->updateAstroTimes(); };
        connect(astro, &AstroChannelController::offsetSunriseChanged, view, astroTimes);
        connect(astro, &AstroChannelController::offsetSunsetChanged, view, astroTimes);
        connect(astro, &AstroChannelController::astroTimeChanged, view, astroTimes);
        connect(astro, &AstroChannelController::astroModeChanged, this,
                &ProjectContentController::onAstroModeChanged);
        emit astroModeChanged(astro->astroMode());
        view->updateAstroMode(astro->astroMode());
    }
    if (typeBefore != channelType())
        emit channelTypeChanged();
}

int ProjectContentController::channelType() const {
    return m_channelController ? m_channelController->channelType() : ChannelController::PlainType;
}

QList<int> ProjectContentController::channelSet() const {
    QList<int> channels;
    for (int channel = 0; channel < m_project->channelNumber(); ++channel)
        channels.append(channel);
    if (m_project->extensionModule()) {
        for (int channel = ExtensionFirstChannel; channel <= ExtensionLastChannel; ++channel) {
            if (!channels.contains(channel))
                channels.append(channel);
        }
    }
    return channels;
}

void ProjectContentController::setShowToolBar(bool show) {
    if (show == m_showToolBar)
        return;
    m_showToolBar = show;
    emit showToolBarChanged(show);
}

void ProjectContentController::setShowEditionButtons(bool show) {
    if (show == m_showEditionButtons)
        return;
    m_showEditionButtons = show;
    emit showEditionButtonsChanged(show);
}

void ProjectContentController::onTooManySz(int nbSZ, int maxSZ) {
    if (ble::BLEService::hasInstance())
        emit ble::BLEService::instance().tooManySZError(nbSZ, maxSZ);
    else
        qCWarning(tarvinoLog) << ">> The project needs" << nbSZ << "memory entries; the model holds" << maxSZ;
}

void ProjectContentController::setSelectedChannel(int index) {
    if (!channelSet().contains(index)) {
        qCWarning(tarvinoLog) << ">> The project has no channel" << index;
        return;
    }
    if (!m_project->setSelectedChannel(index))
        return;
    loadSelection();
    m_switchTimesViewController->updateAstroTimes();
    if (channelType() == ChannelController::AstroType)
        emit updateAstroTimes();
}

void ProjectContentController::selectAstroChannel() {
    if (!m_channelController || channelType() == ChannelController::AstroType)
        return;
    const int astroChannel = m_project->firstChannelWithFunction(storage::Channel::AstroFunction);
    if (astroChannel >= 0)
        setSelectedChannel(astroChannel);
}

void ProjectContentController::setSelectedProgram(int program) {
    if (program == m_selectedProgram)
        return;
    m_selectedProgram = program;
    emit selectedProgramChanged(program);
    m_switchTimesViewController->reloadSwitches();
}

bool ProjectContentController::selectedProgramHasSwitchtings() const {
    return m_project->extraProgramWithSwitches() && m_selectedProgram < m_project->programms() - 2;
}

int ProjectContentController::totalMemoryCount() const {
    return m_channel.isLoaded() && isProgramDataLoaded() ? m_programData->memoryCount() : 0;
}

void ProjectContentController::updateTotalSwitchCount() {
    emit totalMemoryCountChanged(totalMemoryCount());
}

void ProjectContentController::computeEmptyChannels() {
    if (!isProgramDataLoaded())
        return;
    m_emptyChannels.clear();
    for (const int channel : channelSet()) {
        if (!channelIsUsed(channel))
            m_emptyChannels.append(channel);
    }
    emit emptyChannelsChanged();
}

void ProjectContentController::updateChannelUsage(int channelIndex, bool isEmpty) {
    const bool listed = m_emptyChannels.contains(channelIndex);
    if (isEmpty == listed)
        return;
    if (isEmpty)
        m_emptyChannels.append(channelIndex);
    else
        m_emptyChannels.removeAll(channelIndex);
    emit emptyChannelsChanged();
}

bool ProjectContentController::channelIsUsed(int index) const {
    if (!isProgramDataLoaded() || !m_programData->hasChannel(index))
        return false;
    return m_programData->constChannel(index)->memoryCount() > 0;
}

void ProjectContentController::clearExtraProgramSwitches(int index) {
    const bool selected = index == selectedChannel();
    if (selected) {
        m_switchTimesViewController->removeAll();
        for (ExtraProgramViewController* controller : std::as_const(m_extraPrograms))
            controller->removeAll();
    }
    if (!m_programData->hasChannel(index))
        return;
    storage::StorableRef<storage::Channel> channel = m_programData->channel(index);
    const int switchPrograms = m_project->extraProgramWithSwitches() ? m_project->programms() - 2 : 0;
    for (int number = 0; number < m_project->programms(); ++number) {
        if (!channel->hasProgram(number))
            continue;
        storage::StorableRef<storage::Program> program = channel->program(number);
        if (number == m_selectedProgram || number < switchPrograms)
            program->removeAllSwitches();
        // The view controllers hold the selected channel only; another channel is emptied in store.
        if (!selected)
            program->setDateRanges({});
    }
}

void ProjectContentController::setChannelType(int index, int type) {
    if (!isProgramDataLoaded() || !channelSet().contains(index))
        return;
    m_programData->channel(index)->setFunction(type);
    m_project->setChannelType(index, type);
    clearExtraProgramSwitches(index);
    updateTotalSwitchCount();
    syncChannelController();
    // The editors read the selected channel's kind (plain or astronomic) when they load.
    if (index == selectedChannel())
        loadPrograms();
}

bool ProjectContentController::extensionChannelsUsed() const {
    for (int channel = ExtensionFirstChannel; channel <= ExtensionLastChannel; ++channel) {
        if (channelIsUsed(channel))
            return true;
    }
    return false;
}

void ProjectContentController::clearChannel(int index, bool recreate) {
    m_project->removeChannelController(index);
    if (m_programData->hasChannel(index))
        m_programData->removeChannel(index);
    if (recreate)
        m_programData->channel(index);
    m_project->resetChannelSetting(index);
}

bool ProjectContentController::toggleExtensionModule(bool activated, bool confirmRemove) {
    if (!isProgramDataLoaded())
        return true;
    if (activated) {
        for (int channel = ExtensionFirstChannel; channel <= ExtensionLastChannel; ++channel)
            m_project->setChannelType(channel, storage::Channel::TimeFunction);
    } else {
        if (!confirmRemove && extensionChannelsUsed())
            return false;
        if (selectedChannel() >= ExtensionFirstChannel) {
            clearExtraProgramSwitches(selectedChannel());
            m_project->setSelectedChannel(0);
            loadSelection();
            m_switchTimesViewController->updateAstroTimes();
        }
        for (int channel = ExtensionFirstChannel; channel <= ExtensionLastChannel; ++channel) {
            clearChannel(channel, false);
            m_emptyChannels.removeAll(channel);
        }
        updateTotalSwitchCount();
    }
    m_project->setExtensionModule(activated);
    computeEmptyChannels();
    return true;
}

void ProjectContentController::setSignaling(int value) {
    if (!m_channelController)
        return;
    const int target = value - 1;
    if (value >= 1 && (target == selectedChannel() || !channelSet().contains(target))) {
        qCWarning(tarvinoLog) << ">> Channel" << selectedChannel() + 1 << "cannot signal to channel" << value;
        return;
    }
    const QList<int> before = m_project->signalingChannels();
    if (!m_channelController->setSignaling(value))
        return;
    if (value >= 1 && !before.contains(value) && isProgramDataLoaded()) {
        clearChannel(target, true);
        updateChannelUsage(target, true);
        updateTotalSwitchCount();
    }
    emit m_project->signalingChannelsChanged();
}

void ProjectContentController::onAstroModeChanged(int mode) {
    emit astroModeChanged(mode);
    m_switchTimesViewController->updateAstroMode(mode);
}

void ProjectContentController::optimizeProject() {
    m_project->optimize();
    loadSelection();
    updateTotalSwitchCount();
}

void ProjectContentController::sortData(const QList<int>& sortTarget, const QList<int>& sortOrder) {
    m_project->sortData(sortTarget, sortOrder);
    loadSelection();
}

bool ProjectContentController::hasSwitchOrDateError() const {
    if (m_switchTimesViewController->switches()->errorCount() > 0)
        return true;
    return std::any_of(
        m_extraPrograms.cbegin(), m_extraPrograms.cend(),
        [](const ExtraProgramViewController* view) { return view->dateRanges()->errorCount() > 0; });
}

std::optional<AstroYearParameters> ProjectContentController::astroParameters(int year) {
    auto* project = qobject_cast<AstroProjectController*>(m_project);
    auto* channel = qobject_cast<AstroChannelController*>(m_channelController.data());
    if (!project || !channel)
        return std::nullopt;
    return AstroYearParameters{project->latitude(),          project->longitude(),
                               project->timezone(),          project->summerWinterRule(year),
                               project->astroTableEnabled(), project->ownAstroTable(),
                               channel->offsetSunrise(),     channel->offsetSunset(),
                               channel->astroTime()};
}

TJAstro ProjectContentController::getAstroTimeForYear(int year) const {
    const SoWiRuleRecord rule = m_project->summerWinterRule(year);
    if (auto* astro = qobject_cast<AstroProjectController*>(m_project)) {
        const CoordinatesSettingsController* location = astro->coordinatesController();
        AstroEngine::setParameters(int(location->latitude()), int(location->longitude()),
                                   location->timezone(), rule, astro->astroTableEnabled(),
                                   astro->ownAstroTable());
    } else {
        AstroEngine::setParameters(0, 0, DefaultTimeZone, rule, false, OwnAstroDayTable());
    }
    return AstroEngine::computeYear(year, 0, 0, 0);
}

TJAstro ProjectContentController::channelAstroTable(int year) const {
    return m_switchTimesViewController->astroTableForYear(year);
}

std::optional<YearlyAstroHeading> ProjectContentController::yearlyAstroHeading() const {
    auto* project = qobject_cast<AstroProjectController*>(m_project);
    auto* channel = qobject_cast<AstroChannelController*>(m_channelController.data());
    if (!project || !channel)
        return std::nullopt;
    const CoordinatesSettingsController* location = project->coordinatesController();
    return YearlyAstroHeading{location->latitude(),
                              location->longitude(),
                              location->countryName(),
                              location->cityName(),
                              TimeZoneSetting(nullptr, location->timezone()).entryText(location->timezone()),
                              soWiRuleText(),
                              selectedChannel() + 1,
                              channel->offsetSunrise(),
                              channel->offsetSunset()};
}

QString ProjectContentController::soWiRuleText() const {
    const int rule = m_project->soWiRuleType();
    return SoWiRuleSetting(nullptr, rule).deviceEntryText(rule, m_project->device());
}

QString ProjectContentController::projectName() const {
    return m_project->name();
}

QTextDocument* ProjectContentController::yearlyAstroDocument(const YearlyAstroTableModel& table,
                                                             const YearlyAstroHeading& heading) const {
    return YearlyAstroDocument(table, heading).takeDocument();
}

void ProjectContentController::printYearlyAstroTable(QTextDocument* document) const {
    if (!PrintService::hasInstance()) {
        qCWarning(tarvinoLog) << ">> There is no print service to print the astro table";
        delete document;
        return;
    }
    PrintService::instance().askForPrint(document, true);
}

YearlyAstroTableModel* ProjectContentController::yearlyAstroTable() {
    auto* model = new YearlyAstroTableModel(this, nullptr);
    connect(this, &ProjectContentController::updateAstroTimes, model,
            &YearlyAstroTableModel::updateAstroValues);
    return model;
}

ChannelOverviewModel* ProjectContentController::channelOverview() {
    auto* model = new ChannelOverviewModel(m_project->channelNumber(), m_project->extensionModule());
    for (const int channel : channelSet()) {
        const int column = model->columnOfChannel(channel);
        if (isProgramDataLoaded() && m_programData->hasChannel(channel)) {
            const storage::StorableRef<storage::Channel> record = m_programData->constChannel(channel);
            model->setMemoryUsed(record->memoryCount(), column);
            model->setExtraProgramUsed(record->usedExtraPrograms(), column);
        }
        const ChannelController* controller = m_project->channel(channel);
        model->setChannelFunction(controller->channelType(), column);
        model->setHoliday(controller->holidayStatus(), column);
        model->setExternalInput(controller->externalInputFunction(), column);
        model->setSignalingTo(controller->signaling(), column);
        model->setServiceInterval(controller->operatingHour(), column);
    }
    return model;
}
