#include "projectcreationviewcontroller.h"

#include "projectsowner.h"
#include "tarvinologging.h"

#include <QCoreApplication>

namespace {

// Stores the value and emits the change only when it differs.
template <typename Value, typename Signal>
void assign(ProjectCreationViewController* controller, Value& field, const Value& value, Signal changed)
{
    if (field == value)
        return;
    field = value;
    emit(controller->*changed)(value);
}

} // namespace

ProjectCreationViewController::ProjectCreationViewController(ProjectsOwner* owner)
    : m_owner(owner)
    , m_projectName(QCoreApplication::translate("New project", "Projekt %1").arg(owner->nbProjects() + 1))
{
    qCDebug(tarvinoLog) << "project creation controller created";
}

ProjectCreationViewController::~ProjectCreationViewController()
{
    qCDebug(tarvinoLog) << "project creation controller destroyed";
}

void ProjectCreationViewController::setProjectName(const QString& projectName)
{
    assign(this, m_projectName, projectName, &ProjectCreationViewController::projectNameChanged);
}

void ProjectCreationViewController::setChannelNumber(int channelNumber)
{
    assign(this, m_channelNumber, channelNumber, &ProjectCreationViewController::channelNumberChanged);
}

void ProjectCreationViewController::setProgramType(ProgramType programType)
{
    assign(this, m_programType, programType, &ProjectCreationViewController::programTypeChanged);
}

void ProjectCreationViewController::setdeviceOt2Number(int deviceOt2Number)
{
    assign(this, m_deviceOt2Number, deviceOt2Number, &ProjectCreationViewController::deviceOt2NumberChanged);
}

bool ProjectCreationViewController::createProject()
{
    qCDebug(tarvinoLog) << "Create project";
    return m_owner->createProject(m_deviceOt2Number, m_projectName);
}
