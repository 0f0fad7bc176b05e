<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="de">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../../qml/components/EditableYearPicker.qml" line="+43"/>
        <location filename="../../qml/components/YearPicker.qml" line="+31"/>
        <source>bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+36"/>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
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
    <name>Extra program</name>
    <message>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+65"/>
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
        <location filename="../../qml/components/ConfirmPopUp.qml" line="+16"/>
        <location filename="../../qml/components/InfoPopUp.qml" line="+21"/>
        <location filename="../../qml/components/MessagePopUp.qml" line="+26"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
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
</context>
<context>
    <name>Global</name>
    <message>
        <location filename="../../qml/main.qml" line="+8"/>
        <location filename="../../libs/core/src/languageservice.cpp" line="+76"/>
        <source>LANGUAGE_NAME</source>
        <translation>Português</translation>
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
    <name>MainController</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="+377"/>
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
        <location filename="../../qml/app/menus/DesktopMenu.qml" line="+16"/>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
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
        <location line="+5"/>
        <source>&amp;Ende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
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
        <source>&amp;Zorvik AG</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>New project</name>
    <message>
        <location filename="../../app/shell/projectcreationviewcontroller.cpp" line="+24"/>
        <location filename="../../app/shell/projectfiles.cpp" line="+83"/>
        <source>Projekt %1</source>
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
    <name>SwitchErrors</name>
    <message>
        <location filename="../../app/switchprogram/switcherrorscontroller.cpp" line="+126"/>
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
        <location filename="../../app/shell/maincontroller.cpp" line="-322"/>
        <source>TARVINO rix2/rix3-Datei speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TARVINO rix2/rix3-Datei (*.ot2)</source>
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
