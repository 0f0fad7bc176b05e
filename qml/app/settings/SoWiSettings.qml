import QtQuick
import QtQuick.Layouts
import Tarvino

// The summer/winter rule of a project, or of a device being reset (`resetUseCase`): the rule and
// its switch days, in the tablet or the phone form. Which fields show follows the kind of the
// chosen entry, as the astro times take it.
Item {
    id: soWiSettings

    required property var viewController
    property bool resetUseCase: false

    readonly property int deviceOt2: viewController ? viewController.deviceOt2 : 0
    readonly property var rules: SettingsProvider.soWiRules(deviceOt2, resetUseCase, ZorvikUtils.isDesktop)
    readonly property int ruleType: viewController ? viewController.soWiRuleType : 0
    readonly property int kind: SummerWinterRule.kindOf(ruleType, deviceOt2)
    // Week, month, hour and weekday rows of both directions.
    readonly property bool showsSwitches: kind === SummerWinterRule.Standard || kind === SummerWinterRule.Southern
                                          || kind === SummerWinterRule.FreeRule
                                          || kind === SummerWinterRule.FixedDate || kind === SummerWinterRule.OwnRule
    // The preset rules show their days without letting them be changed.
    readonly property bool editable: kind === SummerWinterRule.FreeRule || kind === SummerWinterRule.FixedDate
                                     || kind === SummerWinterRule.OwnRule
    readonly property bool ownRule: kind === SummerWinterRule.OwnRule
    readonly property bool iran: kind === SummerWinterRule.Iran
    readonly property bool ownTable: kind === SummerWinterRule.OwnTable

    // The tablet form: six columns, the direction and its five fields.
    readonly property int columnWidth: 150
    readonly property int tabletWidth: 6 * columnWidth + 5 * Metrics.margin

    implicitWidth: form.implicitWidth
    implicitHeight: form.implicitHeight

    // The value `name` ("Week", "Month", "Hour", "WeekDay", "Date") of the direction "wiSo" or "soWi".
    function value(direction, name) {
        return viewController ? viewController[direction + name] : 0
    }
    function setValue(direction, name, newValue) {
        viewController[direction + name] = newValue
    }
    function custom(direction) {
        return viewController ? viewController[direction === "wiSo" ? "customWiSo" : "customSoWi"] : 0
    }
    function setCustom(direction, newValue) {
        viewController[direction === "wiSo" ? "customWiSo" : "customSoWi"] = newValue
    }
    function usesDate(direction) {
        return kind === SummerWinterRule.FixedDate
               || (ownRule && custom(direction) === SettingsProvider.soWiSpecifics.fixedDate)
    }

    // The preset of the entry at `index`, or null for the rules the user sets himself.
    function presetOf(index) {
        switch (SummerWinterRule.kindOf(index, deviceOt2)) {
        case SummerWinterRule.Standard:
            return SettingsProvider.soWiRuleData[SettingsProvider.standardSoWiRules[index]]
        case SummerWinterRule.Southern:
            return SettingsProvider.soWiRuleData[index === deviceService.soWiNewZealandIndex(deviceOt2) ? "newZealand" : "australia"]
        case SummerWinterRule.OwnRule:
            return SettingsProvider.soWiRuleData.ownRule
        default:
            return null
        }
    }

    // Models without rules of their own cannot keep Australia: its days go in as the free rule.
    function chooseRule(index) {
        const preset = presetOf(index)
        const asFreeRule = index === deviceService.soWiAustraliaIndex(deviceOt2)
                           && !deviceService.hasCustomDaylightSavingsRules(deviceOt2)
        viewController.soWiRuleType = asFreeRule ? SettingsProvider.soWiSpecifics.freeRule : index
        if (preset) {
            for (const name in preset)
                viewController[name] = preset[name]
        }
        if (asFreeRule) {
            PopUpManager.openPopup("InfoPopup", {
                objectName: "freeRulePopup",
                title: bindTr("Generic", "Information"),
                contentText: bindTr("Program settings", "Freie Regel wird angewendet")
            }, null, soWiSettings)
        }
    }

    // A place narrower than the grid of the tablet form (the reset pop-up) takes the column.
    Loader {
        id: form
        anchors.fill: parent
        sourceComponent: ZorvikUtils.tabletLayout && soWiSettings.width >= tabletWidth ? tablet : phone
    }
    Component {
        id: tablet
        SoWiSettingsTablet {
            settings: soWiSettings
        }
    }
    Component {
        id: phone
        SoWiSettingsPhone {
            settings: soWiSettings
        }
    }
}
