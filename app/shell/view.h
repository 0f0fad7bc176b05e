#pragma once

#include <QObject>

// The kinds of views the shell opens; each view declares its own kind, by which ViewLoader
// opens every kind once.
class View : public QObject {
    Q_OBJECT
public:
    enum ViewKind {
        HomeScreenView = 0,
        DeviceScanView = 1,
        ProjectContentView = 2,
        ProjectCreationView = 3,
        DirectCommandsView = 4,
        SwitchTimeEditionView = 5,
        SonderProgramOnOffEditionView = 6,
        SonderProgramDateEditionView = 7,
        GlobalSettingsView = 8,
        SoftwareInfoView = 9,
        FavoriteLocationsView = 10,
        SensorAffectationView = 11,
        CloudDevicesView = 12,
        CloudRegistrationView = 13,
        LicenseView = 14,
        EditOwnAstroTableView = 15,
        AutomaticFillView = 16,
        EditSoWiTableView = 17,
        SoWiAutomaticFillView = 18,
        AstroLocationView = 19,
        SortSwitchTimeView = 20,
    };
    Q_ENUM(ViewKind)
};
