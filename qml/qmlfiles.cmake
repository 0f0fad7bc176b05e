# The QML files of the module "Tarvino", relative to this folder, where they also lie in the
# module's resource folder ("qrc:/orvindal/Tarvino/<file>"). qml/CMakeLists.txt builds the module.
set(tarvino_qml_files
  main.qml
  DevicePopUps.qml
  MainWindow.qml
  app/menus/DesktopMenu.qml
  app/astro/AstroModeRow.qml
  app/astro/AstroOffsetRow.qml
  app/astro/AstroSettingsView.qml
  app/astro/AutomaticFill.qml
  app/astro/CoordinateField.qml
  app/astro/CoordinatesSettings.qml
  app/astro/CountrySettings.qml
  app/astro/EditOwnAstroTable.qml
  app/astro/OwnAstroTableRows.qml
  app/astro/YearlyAstroTable.qml
  app/holidays/HolidayEdition.qml
  app/holidays/HolidaySetEdition.qml
  app/holidays/NameEdition.qml
  app/appsettings/GlobalSettings.qml
  app/appsettings/InfoLabel.qml
  app/appsettings/InfoValue.qml
  app/appsettings/SoftwareInfo.qml
  app/directcommands/CommandRow.qml
  app/directcommands/DateTimeSection.qml
  app/directcommands/DeviceInfo.qml
  app/directcommands/DirectCommandsItem.qml
  app/directcommands/HolidaySection.qml
  app/directcommands/ManuelSection.qml
  app/directcommands/OptionSection.qml
  app/directcommands/SensorAffectationTable.qml
  app/directcommands/SensorRow.qml
  app/popups/CloudLoginPopup.qml
  app/popups/ConfirmDialog.qml
  app/popups/BluetoothInfoPopUp.qml
  app/popups/ConfirmPopup.qml
  app/popups/ConnectionPopUp.qml
  app/popups/DataExchangePopUp.qml
  app/popups/DeviceInfoPopUp.qml
  app/popups/DeviceLanguagePopUp.qml
  app/popups/DuplicateProjectPopUp.qml
  app/popups/EditProjectPopUp.qml
  app/popups/ErrorPopUp.qml
  app/popups/ExtraProgramWarningPopup.qml
  app/popups/InactivityPopUp.qml
  app/popups/GatewayLoginPopup.qml
  app/popups/InfoPopup.qml
  app/popups/PinCodePopUp.qml
  app/popups/ProjectCreationPopUp.qml
  app/popups/SonderProgramTypePopup.qml
  app/popups/SyncClockPopup.qml
  app/popups/SwitchStatusPopUp.qml
  app/popups/SwitchStatusRow.qml
  app/popups/SerialTransferPopUp.qml
  app/popups/TermsAndConditionsPopup.qml
  app/popups/ResetSettingsPopUp.qml
  app/popups/TripleChoicePopup.qml
  app/projects/DeviceItem.qml
  app/extraprograms/SonderProgramDate.qml
  app/extraprograms/SonderProgramDateEditionRow.qml
  app/extraprograms/SonderProgramItem.qml
  app/extraprograms/SonderProgramItemRow.qml
  app/extraprograms/SonderProgramTypeToolbar.qml
  app/extraprograms/SonderProgramView.qml
  app/extraprograms/SonderProgramViewList.qml
  app/light/DelayRow.qml
  app/light/DelaySettings.qml
  app/light/LightView.qml
  app/light/LuxValueHeader.qml
  app/light/LuxValueRow.qml
  app/light/LuxValuesSetting.qml
  app/astro/AstroLocation.qml
  app/positionning/MapView.qml
  app/projects/ProjectContentTabView.qml
  app/projectsettings/AuthorSubTab.qml
  app/projectsettings/ChannelsSubTab.qml
  app/projectsettings/ClientSubTab.qml
  app/projectsettings/PersonSubTab.qml
  app/projectsettings/ProjectMetadataSubTab.qml
  app/settings/DateTimeSettings.qml
  app/settings/DeviceSettingsView.qml
  app/settings/OptionSettings.qml
  app/settings/SettingsPage.qml
  app/settings/SettingsSection.qml
  app/settings/EditSoWiTable.qml
  app/settings/SoWiAutomaticFill.qml
  app/settings/SoWiRowElement.qml
  app/settings/SoWiSettings.qml
  app/settings/SoWiSettingsPhone.qml
  app/settings/SoWiSettingsTablet.qml
  app/settings/SortSwitchTimeView.qml
  app/projects/ProjectCreation.qml
  app/projects/ProjectCreationItem.qml
  app/projects/ProjectItem.qml
  app/scan/DeviceScan.qml
  app/scan/DeviceScanListItem.qml
  app/scan/LockWaitText.qml
  app/settings/ChannelOverview.qml
  app/settings/ChannelSettings.qml
  app/settings/HolidaySettings.qml
  app/settings/ResetDateSettings.qml
  app/settings/ResetSettings.qml
  app/projects/ProgramNavigationBar.qml
  app/switchtimes/ProgramView.qml
  app/switchtimes/ProgramViewGrid.qml
  app/switchtimes/ProgramViewList.qml
  app/switchtimes/SwitchTimeEdition.qml
  app/switchtimes/SwitchTimeEditionRow.qml
  app/switchtimes/SwitchTimeItem.qml
  app/switchtimes/SwitchTimeItemRow.qml
  app/switchtimes/SwitchTimeTypeBar.qml
  app/switchtimes/TimeEditionRow.qml
  app/switchtimes/switchtable/ProgramViewTable.qml
  app/switchtimes/switchtable/SwitchTableDelegate.qml
  app/switchtimes/switchtable/SwitchTableFooter.qml
  app/switchtimes/switchtable/SwitchTableHeader.qml
  app/switchtimes/tablecomp/TableCellBorder.qml
  app/switchtimes/tablecomp/TableCenteredText.qml
  app/switchtimes/tablecomp/TableContextMenu.qml
  app/switchtimes/tablecomp/TableSwitchControl.qml
  app/switchtimes/tablecomp/TableTimePicker.qml
  app/switchtimes/tablecomp/TableWeeksPicker.qml
  app/switchtimes/datetable/DateRangeTable.qml
  app/switchtimes/datetable/DateTableDelegate.qml
  app/switchtimes/datetable/DateTableFooter.qml
  app/switchtimes/datetable/DateTableHeader.qml
  app/switchtimes/datetable/DateSwitchLimit.qml
  app/extraprograms/FramedEditButton.qml
  app/extraprograms/SonderProgram1AstroHeader.qml
  app/extraprograms/SonderProgram1Header.qml
  app/extraprograms/SonderProgram1NoctaHeader.qml
  app/extraprograms/SonderProgram23Edition.qml
  app/extraprograms/SonderProgram23Header.qml
  app/extraprograms/SonderProgramAstroEditionRow.qml
  app/extraprograms/SonderProgramEditionRow.qml
  app/extraprograms/SonderProgramHolidays.qml
  app/extraprograms/SonderProgramNoctaEditionRow.qml
  app/extraprograms/SonderProgramOnOff.qml
  app/extraprograms/SonderProgramOnOffAstro.qml
  app/switchtimes/tablecomp/datepicker/CalendarList.qml
  app/switchtimes/tablecomp/datepicker/TableDatePicker.qml
  app/toolbars/AppToolBar.qml
  app/toolbars/ChannelsToolbar.qml
  app/toolbars/DesktopToolBarButton.qml
  app/toolbars/LabeledToolBarButton.qml
  app/toolbars/LeftTitle.qml
  app/toolbars/ProjectTitle.qml
  app/toolbars/SubToolbar.qml
  app/toolbars/ToolBarFunctions.qml
  app/toolbars/ToolBarMenu.qml
  app/toolbars/ToolBarMenuItem.qml
  app/toolbars/ToolBarButton.qml
  app/toolbars/TwoLineTitle.qml
  app/utils/ClickOutsideLoseFocus.qml
  app/utils/StackPage.qml
  app/views/DeviceScanView.qml
  app/views/FavoriteLocationRow.qml
  app/views/FavoriteLocationsView.qml
  app/views/DirectCommandsView.qml
  app/views/SensorAffectationView.qml
  app/views/CloudDevicesView.qml
  app/views/GlobalSettingsView.qml
  app/views/HomeScreenView.qml
  app/views/LicenseView.qml
  app/views/AstroLocationView.qml
  app/views/AutomaticFillView.qml
  app/views/EditOwnAstroTableView.qml
  app/views/EditSoWiTableView.qml
  app/views/ProjectContentView.qml
  app/views/ProjectCreationView.qml
  app/views/ProjectSettingsView.qml
  app/views/SoftwareInfoView.qml
  app/views/SoWiAutomaticFillView.qml
  app/views/SonderProgramDateEditionView.qml
  app/views/SonderProgramOnOffEditionView.qml
  app/views/SwitchTimeEditionView.qml)

# The shell's singletons, the utilities every view uses.
set(tarvino_shell_singletons
  app/astro/AstroSettingsProvider.qml
  app/utils/PopUpManager.qml
  app/utils/ViewLoader.qml
  app/utils/ZorvikUtils.qml
  app/positionning/MapPluginProvider.qml
  app/settings/SettingsProvider.qml
  app/switchtimes/SwitchTableMetrics.qml
  app/switchtimes/datetable/DateRangeProvider.qml
  app/switchtimes/datetable/DateTableMetrics.qml
  app/switchtimes/tablecomp/datepicker/HolidayMap.qml)
foreach(singleton IN LISTS tarvino_shell_singletons)
  list(APPEND tarvino_qml_files ${singleton})
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/${singleton} PROPERTIES QT_QML_SINGLETON_TYPE TRUE)
endforeach()

# The component library (docs/ui.md).
set(tarvino_qml_components
  AppView BoxLabel BubbleMenuButton Calendar CalendarDisplay CalendarPicker ChannelIndicator
  CheckableButton CircleProgressBar ClickableIcon ColoredIcon ConfirmPopUp DatePicker
  DefaultBusyIndicator DefaultButton DefaultCheckBox DefaultCombobox DefaultEmptyPopUp
  DefaultPopUp DefaultProgressBar DefaultRadioButton DefaultScrollIndicator DefaultSpinBox
  DefaultSwitch DefaultTab DefaultTabView DefaultText DefaultTextArea DefaultTextField
  DefaultTextWithMetrics DefaultToolTip DefaultTumbler DesignText EditableCalendarDisplay
  EditableTimePicker EditableYearPicker FileBrowser FilePicker HapticIcon IconToogleButton
  InfoPopUp LabelButton LanguageCombobox LuxValuePicker LuxValueSelector MessagePopUp
  NotImplementedYetPopUp OldTimePicker PopUp RepeatedArea ShapeLoader SingleNumberPicker SvgIcon
  SyncArrow SyncArrowAnimation TabSubView TimePicker TimePickerColumnItem TitledSection ToggleButton
  ToolbarScrollIndicator TumblerNumberPicker TumblerTimePicker WeekPicker WeekPickerButton
  WindowDialog YearPicker)
foreach(component IN LISTS tarvino_qml_components)
  list(APPEND tarvino_qml_files components/${component}.qml)
endforeach()

# The constant singletons.
set(tarvino_qml_singletons Colors Fonts Icons Images Metrics Models)
foreach(singleton IN LISTS tarvino_qml_singletons)
  list(APPEND tarvino_qml_files constant/${singleton}.qml)
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/constant/${singleton}.qml
    PROPERTIES QT_QML_SINGLETON_TYPE TRUE)
endforeach()

set(TARVINO_QML_FILES)
foreach(file IN LISTS tarvino_qml_files)
  set(path ${CMAKE_CURRENT_LIST_DIR}/${file})
  set_source_files_properties(${path} PROPERTIES QT_RESOURCE_ALIAS ${file})
  list(APPEND TARVINO_QML_FILES ${path})
endforeach()

# The branding singleton, written from its template with the customer's values.
include(${CMAKE_CURRENT_LIST_DIR}/generated/branding.cmake)
set(client_config ${CMAKE_CURRENT_BINARY_DIR}/generated/ClientConfig.qml)
configure_file(${CMAKE_CURRENT_LIST_DIR}/generated/ClientConfig.qml.in ${client_config} @ONLY)
set_source_files_properties(${client_config} PROPERTIES
  QT_RESOURCE_ALIAS generated/ClientConfig.qml QT_QML_SINGLETON_TYPE TRUE)
list(APPEND TARVINO_QML_FILES ${client_config})
# The constant singletons read the branding through this folder's own qmldir: an import of
# the whole module from one singleton would make every singleton depend on every other.
set(TARVINO_QML_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/generated/qmldir)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/generated/qmldir PROPERTIES QT_RESOURCE_ALIAS generated/qmldir)

