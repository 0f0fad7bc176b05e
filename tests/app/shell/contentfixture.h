#pragma once

#include "projectsfixture.h"

#include "projectcontentcontroller.h"

#include <QDateTime>

#include <countries/countryservice.h>

// A project of a model of the catalogue, opened as the project view opens it, with its content
// controller.
struct ContentFixture : ProjectsFixture {
    ContentFixture() {
        countries::CountryService::m_instance = &countryService;
        countryService.loadCatalogue(R"([{"Name": "Erstland", "LenCity": "1", "cities": [
            {"Name": "Alpha, \"Beta\"", "La": "48.137154", "Lo": "11.576124", "Zo": "13", "Fc": "65", "Cs": "16"}]}])");
    }
    ~ContentFixture() { countries::CountryService::m_instance = nullptr; }

    int model(const QString& name) const {
        for (const devices::Device& device : devices->devices()) {
            if (device.name() == name)
                return device.ot2Number();
        }
        return -1;
    }
    // Opens a new stored project of the model; null when the model is unknown.
    ProjectContentController* open(const QString& modelName,
                                   const std::function<void(storage::Project&)>& fill = {}) {
        storage::Project project(model(modelName), QStringLiteral("Inhalt"));
        if (fill)
            fill(project);
        if (project.device() < 0 || !project.store())
            return nullptr;
        mainController->setSelectedProjectId(int(project.id()));
        if (!mainController->openProject())
            return nullptr;
        return mainController->projectContent();
    }

    // A plain switch at hh:mm on the days.
    static void addSwitch(SwitchTimesViewController* view, int days, int hour, int minute, int state = 1) {
        view->createFromTable(0, state, days, -1, at(hour, minute), {}, {}, {});
    }
    static QDateTime at(int hour, int minute, int second = 0) {
        return QDateTime(QDate(2026, 3, 29), QTime(hour, minute, second), Qt::UTC);
    }

    countries::CountryService countryService;
};
