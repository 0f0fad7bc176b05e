<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="de">
<context>
    <name>Astro settings</name>
    <message>
        <location filename="../../app/device/directcommandinfo.cpp" line="+48"/>
        <source>Astro</source>
        <comment>Tab title</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Bluetooth</name>
    <message>
        <location filename="../../platform/ble/src/simulatedbackend.cpp" line="+143"/>
        <source>Das Gerät bietet keinen Tarvino-Dienst an.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/bleservice.cpp" line="+317"/>
        <source>Die Authentifizierung mit dem Gerät ist fehlgeschlagen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <location filename="../../qml/components/EditableYearPicker.qml" line="+43"/>
        <location filename="../../qml/components/YearPicker.qml" line="+31"/>
        <source>bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+155"/>
        <source>d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+36"/>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+8"/>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+9"/>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cloud</name>
    <message>
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="+241"/>
        <source>Cloud-Adresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/CloudLoginPopup.qml" line="+52"/>
        <source>Über die Zorvik Cloud anmelden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Registrieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+71"/>
        <source>Passwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+13"/>
        <source>Anmeldedaten merken?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+30"/>
        <source>Anmelden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+22"/>
        <source>Ungültige Anmeldeinformationen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dieses Konto hat keine Geräte, um eine Verbindung herzustellen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+7"/>
        <source>Während der Verbindung ist ein Fehler aufgetreten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="-115"/>
        <source>Die Schaltzeiten wurden korrekt im Gerät gespeichert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Dateiname enthält zu viele Leerzeichen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter sind nicht korrekt eingestellt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beim Senden der ot2-Datei ist ein Fehler aufgetreten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upload OT2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verbindung zum Gerät %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ot2-Datei senden...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anmelden am Gerät %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Benutzername</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Die Verbindung zum Gerät konnte nicht hergestellt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/views/CloudDevicesView.qml" line="+22"/>
        <source>Gerät auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>SN: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Communication</name>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-69"/>
        <source>Welches Übertragungsmedium möchten Sie verwenden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PC-Set Tarvino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Keine serielle oder Bluetooth-Verbindung erkannt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Data exchange</name>
    <message>
        <location filename="../../qml/app/popups/DataExchangePopUp.qml" line="+73"/>
        <location line="+144"/>
        <location line="+11"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-134"/>
        <source>Verbindung mit dem Gerät verloren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+123"/>
        <source>Übertragung abgebrochen, zu viele Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-119"/>
        <source>Projekt exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Projekt importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Projekt kopieren APP → Uhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Schaltzeiten kopieren APP → Uhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Importiertes Projekt benennen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Schließen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <location filename="../../app/shell/daysetting.cpp" line="+10"/>
        <source>Montag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dienstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittwoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Donnerstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freitag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Samstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonntag</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Device info</name>
    <message>
        <location filename="../../platform/devices/src/deviceservice.cpp" line="+82"/>
        <source>Wochenschaltuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresschaltuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astro-Schaltuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceInfo</name>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="+20"/>
        <source>Kanäle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speicherplätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Externe Eingänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme mit Schaltzeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrentyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresprogramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Earth Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erweiterungsmodul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internes Bluetooth-Modul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone einstellbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Direct commands</name>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+91"/>
        <source>Kanal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/device/directcommandinfo.cpp" line="-20"/>
        <source>Auto</source>
        <comment>Mode of the channel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impuls</source>
        <comment>Mode of the channel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zyklus</source>
        <comment>Mode of the channel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timer</source>
        <comment>Mode of the channel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ferien</source>
        <comment>Mode of the channel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung</source>
        <comment>Mode of the channel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer</source>
        <comment>Mode of the channel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer (extern)</source>
        <comment>Mode of the channel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Externer Treppenlichtzeitautomat aktiv</source>
        <comment>Mode of the channel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kanalverriegelung</source>
        <comment>Mode of the channel</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Edit project</name>
    <message>
        <location filename="../../qml/app/views/ProjectContentView.qml" line="+28"/>
        <source>Neues Projekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Druckvorschau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+78"/>
        <source>Einstellungen Gerät</source>
        <comment>Tab title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="+24"/>
        <source>Programm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="-12"/>
        <source>Ersteller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Astro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kanal %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Extra program</name>
    <message>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+67"/>
        <source>Ende muss nach dem Beginn liegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start und Ende müssen sich unterscheiden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Überschneidung nicht zulässig</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Generic</name>
    <message>
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="-26"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+302"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="+46"/>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+89"/>
        <source>Löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+89"/>
        <location filename="../../qml/app/popups/ConnectionPopUp.qml" line="+140"/>
        <location filename="../../qml/app/popups/DataExchangePopUp.qml" line="+0"/>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="+162"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="-19"/>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="+84"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+96"/>
        <location filename="../../qml/app/popups/SyncClockPopup.qml" line="+39"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="+44"/>
        <location filename="../../qml/components/ConfirmPopUp.qml" line="+16"/>
        <location filename="../../qml/components/InfoPopUp.qml" line="+21"/>
        <location filename="../../qml/components/MessagePopUp.qml" line="+26"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-7"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="-18"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-7"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+14"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-44"/>
        <location filename="../../qml/components/ConfirmPopUp.qml" line="+1"/>
        <location filename="../../qml/components/FilePicker.qml" line="+56"/>
        <source>Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/components/FilePicker.qml" line="-17"/>
        <source>Durchsuchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datei auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/components/NotImplementedYetPopUp.qml" line="+6"/>
        <source>Diese Funktion ist noch nicht verfügbar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="-21"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="-2"/>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+1"/>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ErrorPopUp.qml" line="+7"/>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+15"/>
        <source>Bestätigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/AppToolBar.qml" line="+64"/>
        <source>Zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-4"/>
        <source>Warnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ihr Projekt enthält ungespeicherte Änderungen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen ignorieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+115"/>
        <source>Jede Auswahl aufheben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+0"/>
        <source>Alle auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/MainWindow.qml" line="+198"/>
        <source>Es gab nichts zu schreiben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+111"/>
        <source>Druckvorschau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="+7"/>
        <source>Schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-81"/>
        <source>24 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Montag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dienstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mittwoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Donnerstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freitag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Samstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonntag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jeden Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+10"/>
        <location line="+4"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="-180"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+22"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="+69"/>
        <source>Aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+9"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="-1"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+1"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="+0"/>
        <source>Ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-89"/>
        <source>Zufall 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-2"/>
        <source>Zufall 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Beenden Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="+84"/>
        <source>%1: %2/%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="-98"/>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>%1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Puls Ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+32"/>
        <source>Zyklus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+25"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+39"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-3"/>
        <source>Fix Ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+0"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-1"/>
        <source>Fix Aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Einschalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ausschalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ein+Aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+149"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-12"/>
        <source>Ausschneiden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <source>Kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="+12"/>
        <source>Einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableSwitchControl.qml" line="+28"/>
        <source>EIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/device/directcommandinfo.cpp" line="+24"/>
        <source>Lux</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <location filename="../../qml/main.qml" line="+9"/>
        <location filename="../../libs/core/src/languageservice.cpp" line="+76"/>
        <source>LANGUAGE_NAME</source>
        <translation>Ελληνικά</translation>
    </message>
</context>
<context>
    <name>GlobalSettings</name>
    <message>
        <location filename="../../app/shell/dateformatsetting.cpp" line="+10"/>
        <source>31.12.00 (TT.MM.JJ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12/31/00 (MM/TT/JJ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>00-12-31 (JJ-MM-TT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/shell/timezonesetting.cpp" line="+10"/>
        <source>UTC -11h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -10h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -9h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -8h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -7h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -6h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -5h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -4h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -3h30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -3h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -2h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -1h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -0h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +1h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +2h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +3h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +3h30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +7h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +8h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +9h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +9h30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +12h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="-218"/>
        <source>%1 Code(s) wurden entfernt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Datumsformat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erster Tag der Woche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Töne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Synchronisierung von Datum und Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Sprachsynchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Verbindungscodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Modus Fehlerbeseitigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Software-Update Adresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Immer Updates online suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/views/GlobalSettingsView.qml" line="+21"/>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Home</name>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-96"/>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Neues Projekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Projekt duplizieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekt umbenennen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekte löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Projekt exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software-Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>FAQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Noch keine Projekte. Legen Sie mit + ein neues Projekt an.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <location filename="../../qml/constant/Images.qml" line="+12"/>
        <source>daemmerungsbereiche</source>
        <translation>twilight-ranges</translation>
    </message>
</context>
<context>
    <name>Information PopUp</name>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="+0"/>
        <source>Speicherplätze</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Legal</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="+139"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-18"/>
        <source>Geschäftsbedingungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="+5"/>
        <source>Datenschutzrichtlinien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-13"/>
        <source>Bitte lesen und akzeptieren Sie die Allgemeinen Geschäftsbedingungen sowie die Datenschutzrichtlinien, bevor Sie die Anwendung nutzen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Ich akzeptiere die Allgemeinen Geschäftsbedingungen und bin über die Datenschutzbestimmungen informiert.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="+479"/>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OT2 (*.ot2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <location filename="../../qml/app/menus/DesktopMenu.qml" line="+19"/>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Neues Projekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern unter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Senden per E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Druckvorschau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Ende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rückgängig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederherstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ausschneiden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles markieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sprache erstellen TARVINO rix2/rix3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;App-Einstellungen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Software-Infos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Zorvik AG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="-13"/>
        <source>Projekt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>New project</name>
    <message>
        <location filename="../../app/shell/projectcreationviewcontroller.cpp" line="+24"/>
        <location filename="../../app/shell/projectfiles.cpp" line="+99"/>
        <source>Projekt %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ProjectCreationPopUp.qml" line="+10"/>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+13"/>
        <source>Neues Projekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+68"/>
        <source>Gerätetyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Anzahl Kanäle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Modell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Projektname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Projekt erstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+6"/>
        <source>Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Gespeicherte Projekte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-35"/>
        <source>Zeitschaltprogramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astroprogramm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program settings</name>
    <message>
        <location filename="../../app/shell/sowirulesetting.cpp" line="+12"/>
        <source>Kein So/Wi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Europa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Westeuropa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osteuropa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kanada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freie Regel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festes Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+23"/>
        <source>Australien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Eigene Regel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eigene Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Neuseeland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-13"/>
        <source>Nach 1 Minute aus</source>
        <comment>LCD state</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Immer Ein</source>
        <comment>LCD state</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <comment>Easter rule</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orthodoxe Kirche</source>
        <comment>Easter rule</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inaktiv</source>
        <comment>Channel combination</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kanalverriegelung</source>
        <comment>Channel combination</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmumschaltung</source>
        <comment>Channel combination</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Inaktiv</source>
        <comment>External input</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taster</source>
        <comment>External input</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schalter</source>
        <comment>External input</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Inaktiv</source>
        <comment>Holiday state</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nur Lux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Inaktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="-36"/>
        <source>Signalisierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+62"/>
        <location filename="../../app/shell/yearlyastrotablemodel.cpp" line="+210"/>
        <source>Sommer-/Winterregel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramView</name>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-49"/>
        <source>Standardprogramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sonderprogramm %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <location filename="../../qml/app/popups/DuplicateProjectPopUp.qml" line="+6"/>
        <source>Projekt duplizieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neues Projekt benennen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/EditProjectPopUp.qml" line="+10"/>
        <source>Projekt umbenennen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-172"/>
        <source>Alle Projekte löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Projekte löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Projekt löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sind Sie sicher, dass Sie das Projekt dauerhaft löschen möchten?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie alle Projekte dauerhaft löschen möchten?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie %1 Projekte dauerhaft löschen möchten?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Möchten Sie das Projekt &quot;%1&quot; importieren?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Project Metadata</name>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-9"/>
        <source>Kanal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Project Settings</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+2"/>
        <source>Kunde</source>
        <comment>Tab title</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectDocument</name>
    <message>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+60"/>
        <source>Program settings</source>
        <comment>Eigene Astro Tabelle</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Generic</source>
        <comment>Name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+195"/>
        <location line="+96"/>
        <source>Export</source>
        <comment>Astroprogramm</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+97"/>
        <source>Extra program</source>
        <comment>Schaltprogramm</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-93"/>
        <source>ProgramView</source>
        <comment>Standardprogramm</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+85"/>
        <source>Generic</source>
        <comment>Funktion</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+55"/>
        <source>Light settings</source>
        <comment>Luxwerte</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Export</source>
        <comment>%1 min %2 s</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Light settings</source>
        <comment>Verzögerungszeit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>ProgramView</source>
        <comment>Sonderprogramm %1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+95"/>
        <source>DateRangeTable</source>
        <comment>hh:mm</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-94"/>
        <source>SwitchTimeTable</source>
        <comment>hh:mm:ss</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+95"/>
        <source>SwitchTimeTable</source>
        <comment>Nr.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-95"/>
        <location line="+96"/>
        <source>Generic</source>
        <comment>Typ</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-95"/>
        <source>SwitchTimeTable</source>
        <comment>Status</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Astro</source>
        <comment>Startzeitpunkt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astro</source>
        <comment>Dauer bis</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Generic</source>
        <comment>Uhrzeit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>Generic</source>
        <comment>Wochentag</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+67"/>
        <source>Program settings</source>
        <comment>Ende</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Information PopUp</source>
        <comment>Impuls</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <comment>Zyklus Impuls</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Generic</source>
        <comment>Pause</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DateRangeTable</source>
        <comment>mm:ss</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Export</source>
        <comment>Schaltungen:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Export</source>
        <comment>Datum Bereich:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Generic</source>
        <comment>Start</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Generic</source>
        <comment>Dauer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>Export</source>
        <comment>R %1d</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+80"/>
        <source>Export</source>
        <comment>12 h</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export</source>
        <comment>24 h</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export</source>
        <comment>Orthodoxe Kirche</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <comment>Standard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Export</source>
        <comment>Winter ► Sommer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <comment>Sommer ► Winter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Generic</source>
        <comment>Stunde</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Export</source>
        <comment>Taster</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <comment>Schalter</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+58"/>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <location filename="../../qml/app/popups/ConnectionPopUp.qml" line="-101"/>
        <source>%1
SN: %2
Anschlusscode: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code für %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Authentifizierung für %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>OK-Aktivierung am Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Eingabe Authentifizierungscode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Dies ist Ihr Authentifizierungscode, verwahren Sie ihn sicher!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-12"/>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="+128"/>
        <source>Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Falsches Passwort!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Schaltfläche wurde nicht aktiviert!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/InactivityPopUp.qml" line="+7"/>
        <source>Verbindung aufgrund von Inaktivität geschlossen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung wurde aufgrund von Inaktivität geschlossen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-53"/>
        <source>Sie müssen warten, das Gerät ist aufgrund mehrerer fehlgeschlagener Versuche verriegelt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>PIN-Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das Gerät ist PIN-geschützt, bitte geben Sie den PIN-Code ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Falscher PIN-Code!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SyncClockPopup.qml" line="-24"/>
        <source>Daten-Synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bitte wählen Sie aus, welche Daten beim Verbinden mit Uhren synchronisiert werden sollen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datum/Uhrzeit-Synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sprach-Synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/scan/DeviceScan.qml" line="+73"/>
        <source>Geräte suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Der Bluetooth-Adapter ist deaktiviert, möchten Sie ihn aktivieren?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ihr Gerät verfügt nicht über einen Bluetooth-Adapter oder unterstützt Bluetooth Low Energy nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth nicht verfügbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="-101"/>
        <source>Dieses Gerät wird nicht unterstützt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dieses Gerät ist nicht kompatibel mit dem Projekt, das Sie exportieren möchten!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>SN: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Suche nach Geräten ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerät gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kein Bluetooth-Gerät gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Verbinden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/MainWindow.qml" line="+49"/>
        <source>Ihr Projekt überschreitet die Speicherplätze des Zielgeräts (%1 / %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/device/lockwait.cpp" line="+19"/>
        <source>aufgrund eines falschen Verbindungscodes verriegelt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufgrund eines falschen PIN-Codes verriegelt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Das Gerät ist %1, Sie müssen %2 h %3 min %4 s warten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Das Gerät ist verriegelt, Sie müssen %2 h %3 min %4 s warten</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialCommunication</name>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-138"/>
        <source>Unbekannter Fehler wurde während der Übersetzung in Bytes gemeldet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File couldn&apos;t be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File doesn&apos;t exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Sprachdatei ist beschädigt oder passt nicht in den Speicher des Geräts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-53"/>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Fehler beim Schreiben der Sprache. Zugriff auf Flash nicht möglich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-9"/>
        <source>Tarvino rix2/3 scheint im Fehlerzustand zu sein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht ausgeschaltet werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht eingeschaltet werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geschlossen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geöffnet werden, überprüfen Sie die Verbindung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port wurde nicht gefunden, überprüfen Sie die Verbindung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-14"/>
        <source>Übertragung läuft...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auswahl der Gerätesprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+41"/>
        <source>Übertragung abgeschlossen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-37"/>
        <source>Programm kann nicht gelesen werden. Leerer Flash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Sprachdatei im Flash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Ungültige Daten im Flash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehler beim Programmschreiben. Zugriff auf Flash nicht möglich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Operation abgebrochen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Serielle Übertragung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+59"/>
        <source>Programm von serieller Schnittstelle lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Projekt kann nicht exportiert werden mit Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Programm seriell schreiben</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="-125"/>
        <source>Schweiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schweden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deutschland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Build-Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Adresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Webseite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Software-Informationen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/views/LicenseView.qml" line="+11"/>
        <source>Lizenzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Folgende Qt-Module und externe Bibliotheken wurden werwendet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/views/SoftwareInfoView.qml" line="+14"/>
        <source>Software-Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/report/printservice.cpp" line="-121"/>
        <source>TARVINO rix2/rix3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zorvik AG</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SwitchErrors</name>
    <message>
        <location filename="../../app/switchprogram/switcherrorscontroller.cpp" line="+124"/>
        <source>Fehlende Wochentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Dauer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulsüberschneidungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulse über Mitternacht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Impulsdauer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklusüberschneidungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identischer Anfang und Ende</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SwitchTimeTable</name>
    <message>
        <location line="-30"/>
        <source>Typ auswählen</source>
        <comment>Error message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+1"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+5"/>
        <source>Schaltzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+33"/>
        <source>Impuls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <source>Zyklus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+89"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+2"/>
        <source>Ende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Endlos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+27"/>
        <source>Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <source>Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hinweis / Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Auswahl löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>hh:mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dauer bis
mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Puls
hh:mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause
hh:mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <location filename="../../qml/MainWindow.qml" line="-88"/>
        <source>Software aktualisieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist eine neue Version verfügbar, möchten Sie diese installieren?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installieren</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="-165"/>
        <source>TARVINO rix2/rix3-Datei speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TARVINO rix2/rix3-Datei (*.ot2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/app/menus/DesktopMenu.qml" line="-105"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+44"/>
        <location filename="../../app/shell/yearlyastrotablemodel.cpp" line="-74"/>
        <source>Exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="+1"/>
        <location filename="../../app/shell/yearlyastrotablemodel.cpp" line="+1"/>
        <source>CSV UTF-8 (kommagetrennt) (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ble</name>
    <message>
        <location filename="../../platform/ble/src/abstractblerequest.cpp" line="+20"/>
        <source>Das Gerät kennt die Anfrage nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat ungültige Werte erhalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Adresse liegt außerhalb des Gerätespeichers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat das Projekt nicht übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät erwartet keine Speicherübertragung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät ist beschäftigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät verlangt eine Authentifizierung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät meldet den Fehler %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ble::AbstractBLERequest</name>
    <message>
        <location line="+10"/>
        <source>Das Gerät antwortet nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung mit dem Gerät wurde unterbrochen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist kein Gerät verbunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts ist beschädigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts passt nicht zur Anfrage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Anfrage kann nicht gesendet werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unbekannter Fehler %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>devices::EepromService</name>
    <message>
        <location filename="../../platform/devices/src/eepromservice.cpp" line="+303"/>
        <source>The device model is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The project has more switch times and date ranges than the device holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The memory image is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The device memory is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The device memory holds a device language, not a project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The data is no project memory image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The memory image belongs to another device model.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The memory image is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>reporttext</name>
    <message>
        <location filename="../../app/report/reporttexts.h" line="+68"/>
        <source>Generic</source>
        <comment>Ein</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Generic</source>
        <comment>Aus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Generic</source>
        <comment>Aktiv</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Program settings</source>
        <comment>Inaktiv</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Generic</source>
        <comment>Leer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Direct commands</source>
        <comment>%1 lx</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
