#pragma once

// The C++ types of the libraries below the shell that QML sees, registered in the module
// "Tarvino" (built here with qt_add_qml_module), so that `import Tarvino` knows them and the
// module's qmltypes lists them. The libraries themselves stay free of QML registration.
//
// To add a type: give its library's CMakeLists.txt `qt_extract_metatypes(<library>)` (once per
// library), link the library to `shell`, include the type's header here and add a wrapper:
//
//     struct MyTypeForeign {
//         Q_GADGET
//         QML_FOREIGN(MyType)
//         QML_NAMED_ELEMENT(MyType)
//         QML_UNCREATABLE("Created in <who creates it>")   // for types QML only receives
//     };

#include <QtQml/qqml.h>

#include <ble/bledevice.h>
#include <ble/bledevicecontainer.h>
#include <ble/bleservice.h>

#include <channeloverviewmodel.h>
#include <cloudcontroller.h>
#include <coordinatessettingscontroller.h>
#include <dateerrorscontroller.h>
#include <dataexchangecontroller.h>
#include <daterangecontroller.h>
#include <daterangefilter.h>
#include <daterangelistmodel.h>
#include <devicescancontroller.h>
#include <directcommandcontroller.h>
#include <extraprogramswitchtimecontroller.h>
#include <extraprogramviewcontroller.h>
#include <gatewayscontroller.h>
#include <ownastrotablemodel.h>
#include <resetteddeviceviewcontroller.h>
#include <scanoption.h>
#include <seasonrulecontroller.h>
#include <seasonrulerowcontroller.h>
#include <serial/serialprotocol.h>
#include <softwareupdateservice.h>
#include <sommerwintertablemodel.h>
#include <switcherrorscontroller.h>
#include <switchgrid.h>
#include <switchgridcontroller.h>
#include <switchruler.h>
#include <switchtimecontroller.h>
#include <switchtimefilter.h>
#include <switchtimelistmodel.h>
#include <switchtimesviewcontroller.h>
#include <undolistmodel.h>
#include <worldmapitem.h>

// ---- undo ----

struct UndoListModelForeign {
    Q_GADGET
    QML_FOREIGN(UndoListModel)
    QML_NAMED_ELEMENT(UndoListModel)
    QML_UNCREATABLE("Created from inherited class")
};

// ---- switchprogram ----

// The week grid and its time scale, made by the program views.
struct SwitchGridForeign {
    Q_GADGET
    QML_FOREIGN(SwitchGrid)
    QML_NAMED_ELEMENT(SwitchGrid)
};

struct SwitchRulerForeign {
    Q_GADGET
    QML_FOREIGN(SwitchRuler)
    QML_NAMED_ELEMENT(SwitchRuler)
};

struct SwitchErrorsControllerForeign {
    Q_GADGET
    QML_FOREIGN(SwitchErrorsController)
    QML_NAMED_ELEMENT(SwitchErrorsController)
    QML_UNCREATABLE("Created in SwitchtimeListModel")
};

struct SwitchGridControllerForeign {
    Q_GADGET
    QML_FOREIGN(SwitchGridController)
    QML_NAMED_ELEMENT(SwitchGridController)
    QML_UNCREATABLE("Made by the switch-times view controller")
};

struct SwitchTimeListModelForeign {
    Q_GADGET
    QML_FOREIGN(SwitchTimeListModel)
    QML_NAMED_ELEMENT(SwitchTimeListModel)
    QML_UNCREATABLE("Created by the switch-times view controller")
};

struct SwitchTimeFilterForeign {
    Q_GADGET
    QML_FOREIGN(SwitchTimeFilter)
    QML_NAMED_ELEMENT(SwitchTimeFilter)
    QML_UNCREATABLE("Created by the switch-times view controller")
};

struct SwitchTimesViewControllerForeign {
    Q_GADGET
    QML_FOREIGN(SwitchTimesViewController)
    QML_NAMED_ELEMENT(SwitchTimesViewController)
    QML_UNCREATABLE("Created in ProjectContentController")
};

struct SwitchTimeControllerForeign {
    Q_GADGET
    QML_FOREIGN(SwitchTimeController)
    QML_NAMED_ELEMENT(SwitchTimeController)
    QML_UNCREATABLE("Created in SwitchTimesViewController")
};

struct ChannelOverviewModelForeign {
    Q_GADGET
    QML_FOREIGN(ChannelOverviewModel)
    QML_NAMED_ELEMENT(ChannelOverviewModel)
    QML_UNCREATABLE("Created in ProjectController")
};

// ---- extraprograms ----

struct DateErrorsControllerForeign {
    Q_GADGET
    QML_FOREIGN(DateErrorsController)
    QML_NAMED_ELEMENT(DateErrorsController)
    QML_UNCREATABLE("Created in DateRangeListModel")
};

struct DateRangeControllerForeign {
    Q_GADGET
    QML_FOREIGN(DateRangeController)
    QML_NAMED_ELEMENT(DateRangeController)
    QML_UNCREATABLE("Created in ExtraProgramViewController")
};

struct DateRangeFilterForeign {
    Q_GADGET
    QML_FOREIGN(DateRangeFilter)
    QML_NAMED_ELEMENT(DateRangeFilter)
    QML_UNCREATABLE("Created in ExtraProgramViewController")
};

struct DateRangeListModelForeign {
    Q_GADGET
    QML_FOREIGN(DateRangeListModel)
    QML_NAMED_ELEMENT(DateRangeListModel)
    QML_UNCREATABLE("Created in ExtraProgramViewController")
};

struct ExtraProgramSwitchTimeControllerForeign {
    Q_GADGET
    QML_FOREIGN(ExtraProgramSwitchTimeController)
    QML_NAMED_ELEMENT(ExtraProgramSwitchTimeController)
    QML_UNCREATABLE("Created in ExtraProgramViewController")
};

struct ExtraProgramViewControllerForeign {
    Q_GADGET
    QML_FOREIGN(ExtraProgramViewController)
    QML_NAMED_ELEMENT(ExtraProgramViewController)
    QML_UNCREATABLE("Created in ProjectContentController")
};

// The summer/winter rule views make their own.
struct SeasonRuleControllerForeign {
    Q_GADGET
    QML_FOREIGN(SeasonRuleController)
    QML_NAMED_ELEMENT(SeasonRuleController)
};

struct SeasonRuleRowControllerForeign {
    Q_GADGET
    QML_FOREIGN(SeasonRuleRowController)
    QML_NAMED_ELEMENT(SeasonRuleRowController)
    QML_UNCREATABLE("Created in SeasonRuleController")
};

struct SommerWinterTableModelForeign {
    Q_GADGET
    QML_FOREIGN(SommerWinterTableModel)
    QML_NAMED_ELEMENT(SommerWinterTableModel)
    QML_UNCREATABLE("Created in ProjectController")
};

// ---- astro ----

struct CoordinatesSettingsControllerForeign {
    Q_GADGET
    QML_FOREIGN(CoordinatesSettingsController)
    QML_NAMED_ELEMENT(CoordinatesSettingsController)
    QML_UNCREATABLE("Created in AstroProjectController")
};

struct OwnAstroTableModelForeign {
    Q_GADGET
    QML_FOREIGN(OwnAstroTableModel)
    QML_NAMED_ELEMENT(OwnAstroTableModel)
    QML_UNCREATABLE("Created in AstroProjectController")
};

// The world map of the location views.
struct WorldMapItemForeign {
    Q_GADGET
    QML_FOREIGN(WorldMapItem)
    QML_NAMED_ELEMENT(WorldMapItem)
};

// ---- serial ----

// The serial link; QML compares its errors with SerialProtocol.ReadErrorEmpty and the like.
struct SerialProtocolForeign {
    Q_GADGET
    QML_FOREIGN(serial::SerialProtocol)
    QML_NAMED_ELEMENT(SerialProtocol)
    QML_UNCREATABLE("Created in tarvino app")
};

// ---- device ----

struct DeviceScanControllerForeign {
    Q_GADGET
    QML_FOREIGN(DeviceScanController)
    QML_NAMED_ELEMENT(DeviceScanController)
    QML_UNCREATABLE("Created in MainController")
};

struct DirectCommandControllerForeign {
    Q_GADGET
    QML_FOREIGN(DirectCommandController)
    QML_NAMED_ELEMENT(DirectCommandController)
    QML_UNCREATABLE("Created in MainController")
};

struct ResettedDeviceViewControllerForeign {
    Q_GADGET
    QML_FOREIGN(ResettedDeviceViewController)
    QML_NAMED_ELEMENT(ResettedDeviceViewController)
    QML_UNCREATABLE("Created in MainController")
};

struct DirectCommandInfoContainerForeign {
    Q_GADGET
    QML_FOREIGN(DirectCommandInfoContainer)
    QML_NAMED_ELEMENT(DirectCommandInfoContainer)
    QML_UNCREATABLE("Created in DirectCommandController")
};

struct DirectCommandInfoForeign {
    Q_GADGET
    QML_FOREIGN(DirectCommandInfo)
    QML_NAMED_ELEMENT(DirectCommandInfo)
    QML_UNCREATABLE("Created in DirectCommandInfoContainer")
};

struct SensorsAffectationControllerForeign {
    Q_GADGET
    QML_FOREIGN(SensorsAffectationController)
    QML_NAMED_ELEMENT(SensorsAffectationController)
    QML_UNCREATABLE("Created in DirectCommandController")
};

struct DataExchangeControllerForeign {
    Q_GADGET
    QML_FOREIGN(DataExchangeController)
    QML_NAMED_ELEMENT(DataExchangeController)
    QML_UNCREATABLE("Created in DeviceScanController")
};

struct CloudControllerForeign {
    Q_GADGET
    QML_FOREIGN(CloudController)
    QML_NAMED_ELEMENT(CloudController)
    QML_UNCREATABLE("Owned by the application")
};

struct GatewaysControllerForeign {
    Q_GADGET
    QML_FOREIGN(GatewaysController)
    QML_NAMED_ELEMENT(GatewaysController)
    QML_UNCREATABLE("Created in CloudController")
};

struct ScanOptionForeign {
    Q_GADGET
    QML_FOREIGN(ScanOption)
    QML_NAMED_ELEMENT(ScanOption)
    QML_UNCREATABLE("Only an enum")
};

// ---- ble ----

struct BLEServiceForeign {
    Q_GADGET
    QML_FOREIGN(ble::BLEService)
    QML_NAMED_ELEMENT(BLEService)
    QML_UNCREATABLE("Created in TarvinoApp")
};

struct BLEDeviceContainerForeign {
    Q_GADGET
    QML_FOREIGN(ble::BLEDeviceContainer)
    QML_NAMED_ELEMENT(BLEDeviceContainer)
    QML_UNCREATABLE("Created by the device scan")
};

struct BLEDeviceForeign {
    Q_GADGET
    QML_FOREIGN(ble::BLEDevice)
    QML_NAMED_ELEMENT(BLEDevice)
    QML_UNCREATABLE("Found by the device scan")
};

// ---- update ----

struct SoftwareUpdateServiceForeign {
    Q_GADGET
    QML_FOREIGN(SoftwareUpdateService)
    QML_NAMED_ELEMENT(SoftwareUpdateService)
    QML_UNCREATABLE("Created in Tarvinoapp")
};
