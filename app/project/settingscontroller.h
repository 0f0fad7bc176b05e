#pragma once

#include <QObject>

class ProjectContentController;
class ProjectController;

// Hands the settings pages of the open project both its project controller and its content
// controller.
class SettingsController : public QObject {
    Q_OBJECT
    Q_MOC_INCLUDE("projectcontentcontroller.h")
    Q_PROPERTY(ProjectController* project READ project CONSTANT)
    Q_PROPERTY(ProjectContentController* projectContent READ projectContent CONSTANT)

public:
    // The content controller is also the parent.
    SettingsController(ProjectController* project, ProjectContentController* projectContent);
    ~SettingsController() override;

    ProjectController* project() const { return m_project; }
    ProjectContentController* projectContent() const { return m_projectContent; }

private:
    ProjectContentController* m_projectContent;
    ProjectController* m_project;
};
