<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="de">
<context>
    <name>Bluetooth</name>
    <message>
        <location filename="../../platform/ble/src/simulatedbackend.cpp" line="+118"/>
        <source>Das Gerät bietet keinen Tarvino-Dienst an.</source>
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
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+83"/>
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
    <name>Edit project</name>
    <message>
        <location filename="../../qml/app/views/ProjectContentView.qml" line="+26"/>
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
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+72"/>
        <source>Einstellungen Gerät</source>
        <comment>Tab title</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location line="-12"/>
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
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="+167"/>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+70"/>
        <source>Löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="+44"/>
        <location filename="../../qml/components/ConfirmPopUp.qml" line="+16"/>
        <location filename="../../qml/components/InfoPopUp.qml" line="+21"/>
        <location filename="../../qml/components/MessagePopUp.qml" line="+26"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+14"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-26"/>
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
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+106"/>
        <source>Jede Auswahl aufheben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Alle auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/MainWindow.qml" line="+172"/>
        <source>Es gab nichts zu schreiben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+104"/>
        <source>Druckvorschau</source>
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
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="-146"/>
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
        <source>Verbindungscodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Modus Fehlerbeseitigung</source>
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
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-87"/>
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
        <location line="+51"/>
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
    <name>Legal</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="+120"/>
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
        <location filename="../../app/shell/maincontroller.cpp" line="+424"/>
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
        <location filename="../../qml/app/menus/DesktopMenu.qml" line="+17"/>
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
        <source>Senden per E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Ende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
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
        <location filename="../../app/shell/projectfiles.cpp" line="+105"/>
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
        <source>Gespeicherte Projekte</source>
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
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-162"/>
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
        <location line="+159"/>
        <source>Möchten Sie das Projekt &quot;%1&quot; importieren?</source>
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
    <name>QObject</name>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+58"/>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="-106"/>
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
        <location line="+12"/>
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
        <location filename="../../app/report/printservice.cpp" line="-114"/>
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
</context>
<context>
    <name>Windows</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="-137"/>
        <source>TARVINO rix2/rix3-Datei speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TARVINO rix2/rix3-Datei (*.ot2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
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
</TS>
