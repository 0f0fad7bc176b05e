#include "projectcontrollerfactory.h"

#include "astroprojectcontroller.h"
#include "controlsprojectcontroller.h"
#include "hybridprojectcontroller.h"
#include "noctaprojectcontroller.h"
#include "tarvinologging.h"

#include <devices/deviceservice.h>
#include <storage/project.h>

ProjectControllerFactory::ControllerKind ProjectControllerFactory::controllerKind(int device)
{
    if (!devices::DeviceService::hasInstance()) {
        qCWarning(tarvinoLog) << ">> No device catalogue to choose the controller of model" << device;
        return ControllerKind::Project;
    }
    const devices::DeviceService& catalogue = devices::DeviceService::instance();
    switch (catalogue.deviceType(device)) {
    case 1:
        return ControllerKind::Astro;
    case 2:
        return ControllerKind::Nocta;
    case 3:
        return ControllerKind::Controls;
    default:
        return catalogue.canSelectChannelType(device) ? ControllerKind::Hybrid : ControllerKind::Project;
    }
}

ProjectController* ProjectControllerFactory::create(const storage::Project& project)
{
    if (project.isNull())
        return nullptr;
    switch (controllerKind(project.device())) {
    case ControllerKind::Project:
        return new ProjectController(project);
    case ControllerKind::Nocta:
        return new NoctaProjectController(project);
    case ControllerKind::Astro:
        return new AstroProjectController(project);
    case ControllerKind::Controls:
        return new ControlsProjectController(project);
    case ControllerKind::Hybrid:
        return new HybridProjectController(project);
    }
    return nullptr;
}
