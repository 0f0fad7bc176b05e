#include "settingscontroller.h"

#include "projectcontentcontroller.h"
#include "tarvinologging.h"

SettingsController::SettingsController(ProjectController* project, ProjectContentController* projectContent)
    : QObject(projectContent)
    , m_projectContent(projectContent)
    , m_project(project) {
}

SettingsController::~SettingsController() {
    qCDebug(tarvinoLog) << "delete SettingsController";
}
