#pragma once

// The program's C++ types that QML sees, registered in the module "Tarvino" (qml/CMakeLists.txt),
// so that `import Tarvino` knows them and the module's qmltypes lists them. The libraries
// themselves stay free of QML registration.
//
// To add a type: give its library's CMakeLists.txt `qt_extract_metatypes(<library>)` (once per
// library), link the library to `tarvinoqml`, include the type's header here and add a wrapper:
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

#include <astrochannelcontroller.h>
#include <astroprojectcontroller.h>
#include <calendarsettings.h>
#include <channelcontroller.h>
#include <channeloverviewmodel.h>
#include <cloudcontroller.h>
#include <controlsprojectcontroller.h>
#include <coordinatessettingscontroller.h>
#include <dataexchangecontroller.h>
#include <dateerrorscontroller.h>
#include <dateformatsetting.h>
#include <daterangecontroller.h>
#include <daterangefilter.h>
#include <daterangelistmodel.h>
#include <daysetting.h>
#include <devicescancontroller.h>
#include <directcommandcontroller.h>
#include <enumerablesetting.h>
#include <extraprogramswitchtimecontroller.h>
#include <extraprogramviewcontroller.h>
#include <favoritelocations.h>
#include <gatewayscontroller.h>
#include <hybridprojectcontroller.h>
#include <maincontroller.h>
#include <metadatacontroller.h>
#include <noctachannelcontroller.h>
#include <noctaprojectcontroller.h>
#include <ownastrotablemodel.h>
#include <platformservice.h>
#include <printservice.h>
#include <projectcontentcontroller.h>
#include <projectcontroller.h>
#include <projectcreationviewcontroller.h>
#include <resetteddeviceviewcontroller.h>
#include <scanoption.h>
#include <screenwatcher.h>
#include <seasonrulecontroller.h>
#include <seasonrulerowcontroller.h>
#include <serial/serialprotocol.h>
#include <settingscontroller.h>
#include <softwareinfo.h>
#include <softwareupdateservice.h>
#include <sommerwintertablemodel.h>
#include <sowirulesetting.h>
#include <summerwinterrule.h>
#include <switcherrorscontroller.h>
#include <switchgrid.h>
#include <switchgridcontroller.h>
#include <switchruler.h>
#include <switchtimecontroller.h>
#include <switchtimefilter.h>
#include <switchtimelistmodel.h>
#include <switchtimesviewcontroller.h>
#include <tarvinoapp.h>
#include <timezonesetting.h>
#include <undolistmodel.h>
#include <view.h>
#include <worldmapitem.h>
#include <yearlyastrotablemodel.h>

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

// ---- settings ----

struct CalendarSettingsForeign {
    Q_GADGET
    QML_FOREIGN(CalendarSettings)
    QML_NAMED_ELEMENT(CalendarSettings)
    QML_UNCREATABLE("Created by the app")
};

struct DateFormatSettingForeign {
    Q_GADGET
    QML_FOREIGN(DateFormatSetting)
    QML_NAMED_ELEMENT(DateFormatSetting)
    QML_UNCREATABLE("Created by the program")
};

struct DaySettingForeign {
    Q_GADGET
    QML_FOREIGN(DaySetting)
    QML_NAMED_ELEMENT(DaySetting)
    QML_UNCREATABLE("Created by the program")
};

struct EnumerableSettingForeign {
    Q_GADGET
    QML_FOREIGN(EnumerableSetting)
    QML_NAMED_ELEMENT(EnumerableSetting)
    QML_UNCREATABLE("Base of the setting lists")
};

struct FavoriteLocationsForeign {
    Q_GADGET
    QML_FOREIGN(FavoriteLocations)
    QML_NAMED_ELEMENT(FavoriteLocations)
    QML_UNCREATABLE("Created by the project controller")
};

struct SoWiRuleSettingForeign {
    Q_GADGET
    QML_FOREIGN(SoWiRuleSetting)
    QML_NAMED_ELEMENT(SoWiRuleSetting)
    QML_UNCREATABLE("Created by the program")
};

struct TimeZoneSettingForeign {
    Q_GADGET
    QML_FOREIGN(TimeZoneSetting)
    QML_NAMED_ELEMENT(TimeZoneSetting)
    QML_UNCREATABLE("Created by the program")
};

// ---- astro ----

struct YearlyAstroTableModelForeign {
    Q_GADGET
    QML_FOREIGN(YearlyAstroTableModel)
    QML_NAMED_ELEMENT(YearlyAstroTableModel)
    QML_UNCREATABLE("Created in AstroProgramController")
};

// ---- report ----

struct PrintServiceForeign {
    Q_GADGET
    QML_FOREIGN(PrintService)
    QML_NAMED_ELEMENT(PrintService)
    QML_UNCREATABLE("Owned by the app")
};

// ---- project ----

struct AstroChannelControllerForeign {
    Q_GADGET
    QML_FOREIGN(AstroChannelController)
    QML_NAMED_ELEMENT(AstroChannelController)
    QML_UNCREATABLE("Created in ProjectContentController")
};

struct AstroProjectControllerForeign {
    Q_GADGET
    QML_FOREIGN(AstroProjectController)
    QML_NAMED_ELEMENT(AstroProjectController)
    QML_UNCREATABLE("Created in MainController")
};

struct ChannelControllerForeign {
    Q_GADGET
    QML_FOREIGN(ChannelController)
    QML_NAMED_ELEMENT(ChannelController)
    QML_UNCREATABLE("Created in ProjectContentController")
};

struct ControlsProjectControllerForeign {
    Q_GADGET
    QML_FOREIGN(ControlsProjectController)
    QML_NAMED_ELEMENT(ControlsProjectController)
    QML_UNCREATABLE("Created in MainController")
};

struct HybridProjectControllerForeign {
    Q_GADGET
    QML_FOREIGN(HybridProjectController)
    QML_NAMED_ELEMENT(HybridProjectController)
    QML_UNCREATABLE("Created in MainController")
};

struct MetadataControllerForeign {
    Q_GADGET
    QML_FOREIGN(MetadataController)
    QML_NAMED_ELEMENT(MetadataController)
    QML_UNCREATABLE("Created in ProjectController")
};

struct NoctaChannelControllerForeign {
    Q_GADGET
    QML_FOREIGN(NoctaChannelController)
    QML_NAMED_ELEMENT(NoctaChannelController)
    QML_UNCREATABLE("Created in ProjectContentController")
};

struct NoctaProjectControllerForeign {
    Q_GADGET
    QML_FOREIGN(NoctaProjectController)
    QML_NAMED_ELEMENT(NoctaProjectController)
    QML_UNCREATABLE("Created in MainController")
};

struct ProjectContentControllerForeign {
    Q_GADGET
    QML_FOREIGN(ProjectContentController)
    QML_NAMED_ELEMENT(ProjectContentController)
    QML_UNCREATABLE("Created in MainController")
};

struct ProjectControllerForeign {
    Q_GADGET
    QML_FOREIGN(ProjectController)
    QML_NAMED_ELEMENT(ProjectController)
    QML_UNCREATABLE("Created in MainController")
};

struct ProjectCreationViewControllerForeign {
    Q_GADGET
    QML_FOREIGN(ProjectCreationViewController)
    QML_NAMED_ELEMENT(ProjectCreationViewController)
    QML_UNCREATABLE("Created in MainController")
};

struct SettingsControllerForeign {
    Q_GADGET
    QML_FOREIGN(SettingsController)
    QML_NAMED_ELEMENT(SettingsController)
    QML_UNCREATABLE("Created in ProjectContentController")
};

struct SummerWinterRuleForeign {
    Q_GADGET
    QML_FOREIGN(SummerWinterRule)
    QML_NAMED_ELEMENT(SummerWinterRule)
    QML_SINGLETON
};

// ---- shell ----

struct MainControllerForeign {
    Q_GADGET
    QML_FOREIGN(MainController)
    QML_NAMED_ELEMENT(MainController)
    QML_UNCREATABLE("Created in TarvinoApp")
};

struct PlatformServiceForeign {
    Q_GADGET
    QML_FOREIGN(PlatformService)
    QML_NAMED_ELEMENT(PlatformService)
    QML_UNCREATABLE("Owned by the app")
};

struct ScreenWatcherForeign {
    Q_GADGET
    QML_FOREIGN(ScreenWatcher)
    QML_NAMED_ELEMENT(ScreenWatcher)
    QML_UNCREATABLE("Created in MainController")
};

struct SoftwareInfoForeign {
    Q_GADGET
    QML_FOREIGN(SoftwareInfo)
    QML_ANONYMOUS
};

struct TarvinoAppForeign {
    Q_GADGET
    QML_FOREIGN(TarvinoApp)
    QML_NAMED_ELEMENT(TarvinoApp)
    QML_UNCREATABLE("Created in main cpp")
};

struct ViewForeign {
    Q_GADGET
    QML_FOREIGN(View)
    QML_NAMED_ELEMENT(View)
    QML_UNCREATABLE("Only an enum")
};
