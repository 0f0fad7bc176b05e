<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="de">
<context>
    <name>Astro</name>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="+143"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+336"/>
        <source>Startzeitpunkt</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dauer bis</source>
        <translation>Varaktighet till</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Ende (hh:mm)</source>
        <translation>Slut (hh:mm)</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+35"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+21"/>
        <source>Impuls Ein</source>
        <translation>Impuls till</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+1"/>
        <source>Impuls Aus</source>
        <translation>Impuls från</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="-4"/>
        <source>Fix Ein</source>
        <translation>Fast till</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+0"/>
        <source>Fix Aus</source>
        <translation>Fast från</translation>
    </message>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+58"/>
        <source>Standort</source>
        <translation>Plats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breitengrad</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Längengrad</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Land</source>
        <translation>Land</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stadt</source>
        <translation>Stad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone</source>
        <translation>Tidszon</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ausschaltzeit</source>
        <translation>Frånkopplingstid</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Einschaltzeit</source>
        <translation>Tillkopplingstid</translation>
    </message>
</context>
<context>
    <name>Astro settings</name>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+17"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="+48"/>
        <source>Astro</source>
        <comment>Tab title</comment>
        <translation>Astro</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+28"/>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="+21"/>
        <source>UTC</source>
        <comment>Coordinated Universal Time</comment>
        <translation>UTC</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="+1"/>
        <source>UTC %1h</source>
        <comment>Coordinated Universal Time, %1 is the number of hours</comment>
        <translation>UTC %1 tim</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DateTimeSettings.qml" line="+53"/>
        <source>Osterregel</source>
        <translation>Påskregel</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="-16"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+171"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-106"/>
        <source>Astro inaktiv</source>
        <translation>Astrofunktion inaktiv</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+19"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+176"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-19"/>
        <source>Astrotabelle</source>
        <translation>Astrotabell</translation>
    </message>
    <message>
        <location line="+57"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+9"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+16"/>
        <source>Sonnenaufgang</source>
        <translation>Soluppgång</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+3"/>
        <source>Abend + Morgen</source>
        <translation>Kväll + morgon</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Morgen</source>
        <translation>Morgon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abend</source>
        <translation>Kväll</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+4"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-20"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+0"/>
        <source>Sonnenuntergang</source>
        <translation>Solnedgång</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dämmerung</source>
        <translation>Skymning</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dunkelheit</source>
        <translation>Mörker</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+63"/>
        <source>Kein Astrokanal definiert</source>
        <translation>Ingen astrokanal definierad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astrokanal auf der Registerkarte Geräteeinstellungen aktivieren</source>
        <translation>Aktivera en astrokanal på fliken Enhetsinställningar</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+71"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <source>Astrozeitpunkt</source>
        <translation>Astrotidpunkt</translation>
    </message>
    <message>
        <location line="+44"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+115"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+7"/>
        <source>Offset Sonnenaufgang</source>
        <translation>Förskjutning soluppgång</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Offset Sonnenuntergang</source>
        <translation>Förskjutning solnedgång</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="-9"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+5"/>
        <source>Ein bei Sonnenuntergang + Aus bei Sonnenaufgang</source>
        <translation>Till vid solnedgång + från vid soluppgång</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Aus bei Sonnenuntergang + Ein bei Sonnenaufgang</source>
        <translation>Från vid solnedgång + till vid soluppgång</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="+53"/>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+2"/>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Astro-Impuls</source>
        <translation>Astroimpuls</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+23"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Astromode</source>
        <translation>Astroläge</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-63"/>
        <location line="+5"/>
        <location line="+28"/>
        <location line="+2"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location line="+6"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+1"/>
        <location line="+3"/>
        <source>frühestens</source>
        <translation>tidigast</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+2"/>
        <location line="+28"/>
        <location line="+2"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-5"/>
        <location line="+6"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-2"/>
        <location line="+3"/>
        <source>spätestens</source>
        <translation>senast</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="-43"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-12"/>
        <location line="+44"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+5"/>
        <location line="+5"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-12"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+1"/>
        <source>Offset</source>
        <translation>Förskjutning</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Astrozeiten anzeigen</source>
        <translation>Visa astrotider</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+49"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-71"/>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="+56"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-18"/>
        <source>Standort</source>
        <translation>Plats</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+18"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+34"/>
        <source>Koordinaten</source>
        <translation>Koordinater</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+66"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+91"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+11"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="+45"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+2"/>
        <source>Breitengrad</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+13"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+3"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Norden</source>
        <translation>° nord</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Süden</source>
        <translation>° syd</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+2"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+3"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+10"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="+6"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Längengrad</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+13"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+3"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Osten</source>
        <translation>° öst</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Westen</source>
        <translation>° väst</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sommer-/Winterregel</source>
        <translation>Sommar-/vinterregel</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+35"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+25"/>
        <source>Für diesen Ort ist keine Zeitzone bekannt; sie wurde aus dem Längengrad bestimmt.</source>
        <translation>Ingen tidszon är känd för denna plats; den har bestämts utifrån longituden.</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+22"/>
        <source>Standort bestimmen</source>
        <translation>Bestäm plats</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="-10"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-9"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+3"/>
        <source>Länderliste</source>
        <translation>Landslista</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="-33"/>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+39"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+7"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+2"/>
        <source>Land</source>
        <translation>Land</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+14"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+13"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="-12"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Stadt</source>
        <translation>Stad</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Aktuelle Position</source>
        <translation>Aktuell position</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+19"/>
        <location filename="../../qml/app/views/FavoriteLocationsView.qml" line="+18"/>
        <source>Favoriten bearbeiten</source>
        <translation>Redigera favoriter</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+40"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Favoriten</source>
        <translation>Favoriter</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="-51"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="-62"/>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="+65"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+7"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="+18"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="-6"/>
        <source>Zeitzone</source>
        <translation>Tidszon</translation>
    </message>
    <message>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+8"/>
        <source>Kanal</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-15"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <source>Ausschaltzeit</source>
        <translation>Frånkopplingstid</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+0"/>
        <source>Einschaltzeit</source>
        <translation>Tillkopplingstid</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroOffsetRow.qml" line="+94"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-35"/>
        <location line="+7"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-88"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+3"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <location line="+1"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-74"/>
        <source>Belgische MET</source>
        <translation>Belgisk CET</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norm NBN L 18-001</source>
        <translation>NBN L 18-001-standard</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Overlap not permitted</source>
        <translation>Överlappning är inte tillåten</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="+16"/>
        <source>Sunrise</source>
        <translation>Soluppgång</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunset</source>
        <translation>Solnedgång</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="+45"/>
        <source>Eigene Astrotabelle eingeben</source>
        <translation>Ange egen astrotabell</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="-24"/>
        <source>Nr.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/FavoriteLocationsView.qml" line="+62"/>
        <source>Favorit hinzufügen</source>
        <translation>Lägg till favorit</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/AstroLocationView.qml" line="+12"/>
        <source>Astro-Standort</source>
        <translation>Astroplats</translation>
    </message>
</context>
<context>
    <name>Bluetooth</name>
    <message>
        <location filename="../../platform/ble/src/qtbluetoothbackend.cpp" line="+100"/>
        <source>Kein Bluetooth-Adapter verfügbar: Die Verbindung mit dem Gerät ist nicht möglich.</source>
        <translation>Ingen Bluetooth-adapter tillgänglig: det går inte att ansluta till enheten.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+20"/>
        <location filename="../../platform/ble/src/simulatedbackend.cpp" line="+144"/>
        <source>Das Gerät bietet keinen Tarvino-Dienst an.</source>
        <translation>Enheten erbjuder ingen Tarvino-tjänst.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Der Dienst des Geräts antwortet nicht.</source>
        <translation>Enhetens tjänst svarar inte.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Die Verbindung mit dem Gerät ist fehlgeschlagen: %1</source>
        <translation>Anslutningen till enheten misslyckades: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Gerät hat die Verbindung beendet.</source>
        <translation>Enheten avslutade anslutningen.</translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/bleservice.cpp" line="+320"/>
        <source>Die Authentifizierung mit dem Gerät ist fehlgeschlagen.</source>
        <translation>Autentiseringen mot enheten misslyckades.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Der Status des Geräts konnte nicht gelesen werden.</source>
        <translation>Enhetens status kunde inte läsas.</translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/abstractblerequest.cpp" line="+19"/>
        <source>Das Gerät kennt die Anfrage nicht.</source>
        <translation>Enheten känner inte till begäran.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat ungültige Werte erhalten.</source>
        <translation>Enheten tog emot ogiltiga värden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Adresse liegt außerhalb des Gerätespeichers.</source>
        <translation>Adressen ligger utanför enhetens minne.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat das Projekt nicht übernommen.</source>
        <translation>Enheten tog inte emot projektet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät erwartet keine Speicherübertragung.</source>
        <translation>Enheten väntar ingen minnesöverföring.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät ist beschäftigt.</source>
        <translation>Enheten är upptagen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät verlangt eine Authentifizierung.</source>
        <translation>Enheten kräver autentisering.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät meldet den Fehler %1.</source>
        <translation>Enheten rapporterar felet %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Gerät antwortet nicht.</source>
        <translation>Enheten svarar inte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung mit dem Gerät wurde unterbrochen.</source>
        <translation>Anslutningen till enheten avbröts.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist kein Gerät verbunden.</source>
        <translation>Ingen enhet är ansluten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation>Enheten tog inte emot data.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts ist beschädigt.</source>
        <translation>Enhetens svar är skadat.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts passt nicht zur Anfrage.</source>
        <translation>Enhetens svar passar inte till begäran.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation>Överföringen avbröts av användaren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Anfrage kann nicht gesendet werden.</source>
        <translation>Begäran kan inte skickas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unbekannter Fehler %1</source>
        <translation>Okänt fel %1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <location filename="../../qml/components/EditableYearPicker.qml" line="+43"/>
        <location filename="../../qml/components/YearPicker.qml" line="+31"/>
        <source>bis</source>
        <translation>till</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+181"/>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="+251"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableDelegate.qml" line="+257"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+168"/>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+110"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+42"/>
        <source>%1 Tag(e)</source>
        <translation>
            <numerusform>%1 dag</numerusform>
            <numerusform>%1 dagar</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+9"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-7"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+48"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableDelegate.qml" line="-23"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+2"/>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+36"/>
        <source>h</source>
        <translation>tim</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+1"/>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+8"/>
        <source>m</source>
        <translation>min</translation>
    </message>
    <message>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+9"/>
        <source>s</source>
        <translation>sek</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+101"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableDelegate.qml" line="-179"/>
        <location filename="../../app/extraprograms/daterangecontroller.cpp" line="+30"/>
        <source>Jahr</source>
        <translation>År</translation>
    </message>
    <message>
        <location filename="../../app/extraprograms/daterangecontroller.cpp" line="+5"/>
        <source>d</source>
        <comment>d for days</comment>
        <translation>d</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>h</source>
        <comment>h for hours</comment>
        <translation>tim</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>m</source>
        <comment>m for minutes</comment>
        <translation>min</translation>
    </message>
</context>
<context>
    <name>Cloud</name>
    <message>
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="+242"/>
        <source>Cloud-Adresse</source>
        <translation>Molnadress</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/CloudLoginPopup.qml" line="+52"/>
        <source>Über die Zorvik Cloud anmelden</source>
        <translation>Logga in via Zorvik Cloud</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Registrieren</source>
        <translation>Registrera</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation>E-post</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+71"/>
        <source>Passwort</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+13"/>
        <source>Anmeldedaten merken?</source>
        <translation>Kom ihåg inloggningsuppgifterna?</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+30"/>
        <source>Anmelden</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+22"/>
        <source>Ungültige Anmeldeinformationen.</source>
        <translation>Ogiltiga inloggningsuppgifter.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dieses Konto hat keine Geräte, um eine Verbindung herzustellen.</source>
        <translation>Det här kontot har inga enheter att ansluta till.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+7"/>
        <source>Während der Verbindung ist ein Fehler aufgetreten.</source>
        <translation>Ett fel uppstod under anslutningen.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="-115"/>
        <source>Die Schaltzeiten wurden korrekt im Gerät gespeichert.</source>
        <translation>Kopplingstiderna har sparats korrekt i enheten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Dateiname enthält zu viele Leerzeichen.</source>
        <translation>Filnamnet innehåller för många mellanslag.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter sind nicht korrekt eingestellt.</source>
        <translation>Parametrarna är inte korrekt inställda.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beim Senden der ot2-Datei ist ein Fehler aufgetreten.</source>
        <translation>Ett fel uppstod när ot2-filen skickades.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upload OT2</source>
        <translation>Ladda upp OT2-fil</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verbindung zum Gerät %1</source>
        <translation>Anslutning till enhet %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ot2-Datei senden...</source>
        <translation>Skickar ot2-fil...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anmelden am Gerät %1</source>
        <translation>Logga in på enhet %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Benutzername</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Die Verbindung zum Gerät konnte nicht hergestellt werden.</source>
        <translation>Anslutningen till enheten kunde inte upprättas.</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/CloudDevicesView.qml" line="+22"/>
        <source>Gerät auswählen</source>
        <translation>Välj enhet</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>SN: %1</source>
        <translation>SN: %1</translation>
    </message>
</context>
<context>
    <name>Cny rules</name>
    <message>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-38"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-55"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-76"/>
        <source>Chinesisches Neujahr</source>
        <translation>Kinesiskt nyår</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-4"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-2"/>
        <source>%1 Tag(e) vor Chinese NY</source>
        <translation>
            <numerusform>%1 dag före kinesiskt nyår</numerusform>
            <numerusform>%1 dagar före kinesiskt nyår</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <source>%1 Tag(e) nach Chinese NY</source>
        <translation>
            <numerusform>%1 dag efter kinesiskt nyår</numerusform>
            <numerusform>%1 dagar efter kinesiskt nyår</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Communication</name>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-79"/>
        <source>Welches Übertragungsmedium möchten Sie verwenden?</source>
        <translation>Vilket överföringsmedium vill du använda?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PC-Set Tarvino</source>
        <translation>PC-Set Tarvino</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Keine serielle oder Bluetooth-Verbindung erkannt.</source>
        <translation>Ingen seriell anslutning eller Bluetooth-anslutning hittades.</translation>
    </message>
</context>
<context>
    <name>Data exchange</name>
    <message>
        <location filename="../../qml/app/popups/DataExchangePopUp.qml" line="+73"/>
        <location line="+147"/>
        <location line="+11"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation>Överföringen avbröts av användaren</translation>
    </message>
    <message>
        <location line="-134"/>
        <source>Verbindung mit dem Gerät verloren</source>
        <translation>Anslutningen till enheten förlorades</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+123"/>
        <source>Übertragung abgebrochen, zu viele Fehler</source>
        <translation>Överföringen avbröts, för många fel</translation>
    </message>
    <message>
        <location line="-119"/>
        <source>Projekt exportieren</source>
        <translation>Exportera projekt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Projekt importieren</source>
        <translation>Importera projekt</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Projekt kopieren APP → Uhr</source>
        <translation>Kopiera projekt app → ur</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Schaltzeiten kopieren APP → Uhr</source>
        <translation>Kopiera kopplingstider app → ur</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Importiertes Projekt benennen:</source>
        <translation>Namnge det importerade projektet:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Abbruch</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Schließen</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="+100"/>
        <source>Die Übertragung ist nicht möglich: das Gerätemodell oder der Bluetooth-Dienst fehlt.</source>
        <translation>Överföringen är inte möjlig: enhetsmodellen eller Bluetooth-tjänsten saknas.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Kein Projekt zum Übertragen.</source>
        <translation>Inget projekt att överföra.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Projekt konnte nicht gelesen werden.</source>
        <translation>Projektet kunde inte läsas.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Der Projektname konnte nicht geschrieben werden: %1</source>
        <translation>Projektnamnet kunde inte skrivas: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Der aktive Speicherbereich des Geräts konnte nicht gelesen werden.</source>
        <translation>Enhetens aktiva minnesområde kunde inte läsas.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+65"/>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="+118"/>
        <source>Das Gerät enthält jetzt kein gültiges Programm. Übertragen Sie das Projekt erneut.</source>
        <translation>Enheten innehåller nu inget giltigt program. Överför projektet igen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="-48"/>
        <source>Das gelesene Projekt konnte nicht gespeichert werden.</source>
        <translation>Det lästa projektet kunde inte sparas.</translation>
    </message>
</context>
<context>
    <name>DateRangeTable</name>
    <message>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+59"/>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="+193"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableHeader.qml" line="+88"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+175"/>
        <location line="+95"/>
        <source>hh:mm</source>
        <translation>tt:mm</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+6"/>
        <source>Erster</source>
        <translation>Första</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zweiter</source>
        <translation>Andra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dritter</source>
        <translation>Tredje</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vierter</source>
        <translation>Fjärde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzter</source>
        <translation>Sista</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>jeden Monat</source>
        <translation>varje månad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Januar</source>
        <translation>i januari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Februar</source>
        <translation>i februari</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im März</source>
        <translation>i mars</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im April</source>
        <translation>i april</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Mai</source>
        <translation>i maj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Juni</source>
        <translation>i juni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Juli</source>
        <translation>i juli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im August</source>
        <translation>i augusti</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im September</source>
        <translation>i september</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Oktober</source>
        <translation>i oktober</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im November</source>
        <translation>i november</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Dezember</source>
        <translation>i december</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Festes Datum</source>
        <translation>Fast datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festes Datum jedes Jahr</source>
        <translation>Fast datum varje år</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-312"/>
        <source>Osterregel</source>
        <translation>Påskregel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reihe von Tagen</source>
        <translation>Serie av dagar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regel für Wochentage</source>
        <translation>Regel för veckodagar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+6"/>
        <source>Chinesisches Neujahr</source>
        <translation>Kinesiskt nyår</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramViewList.qml" line="+66"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeTable.qml" line="+145"/>
        <source>Dieses Gerät unterstützt nicht alle Daten.
Einige Daten wurden nicht übertragen.</source>
        <translation>Den här enheten stöder inte alla data.
Vissa data överfördes inte.</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateTableFooter.qml" line="+46"/>
        <source>Neu</source>
        <translation>Ny</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateTableHeader.qml" line="-59"/>
        <source>Nr.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Början</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ende</source>
        <translation>Slut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dauer</source>
        <translation>Varaktighet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wiederholung</source>
        <translation>Upprepning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hinweis / Fehler</source>
        <translation>Anmärkning / fel</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Auswahl löschen</source>
        <translation>Radera markering</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tage Stunden</source>
        <translation>Dagar timmar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nach ... Tagen</source>
        <translation>Efter ... dagar</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/datepicker/CalendarList.qml" line="+31"/>
        <source>Jahr auswählen</source>
        <translation>Välj år</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-4"/>
        <source>Serienmuster</source>
        <translation>Seriemönster</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentagsregel</source>
        <translation>Veckodagsregel</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="+25"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+245"/>
        <source>mm:ss</source>
        <translation>mm:ss</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateSwitchLimit.qml" line="+48"/>
        <source>von</source>
        <translation>från</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An</source>
        <translation>till</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nachtschaltung</source>
        <translation>Nattkoppling</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tag-Einschaltung</source>
        <translation>Dagtillkoppling</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-25"/>
        <location filename="../../app/settings/daysetting.cpp" line="+10"/>
        <source>Montag</source>
        <translation>Måndag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Dienstag</source>
        <translation>Tisdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Mittwoch</source>
        <translation>Onsdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Donnerstag</source>
        <translation>Torsdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Freitag</source>
        <translation>Fredag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Samstag</source>
        <translation>Lördag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Sonntag</source>
        <translation>Söndag</translation>
    </message>
</context>
<context>
    <name>Device info</name>
    <message>
        <location filename="../../platform/devices/src/deviceservice.cpp" line="+108"/>
        <source>Wochenschaltuhr</source>
        <translation>Veckour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresschaltuhr</source>
        <translation>Årsur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astro-Schaltuhr</source>
        <translation>Astrour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation>Skymningsrelä</translation>
    </message>
</context>
<context>
    <name>DeviceInfo</name>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="+20"/>
        <source>Kanäle</source>
        <translation>Kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programme</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speicherplätze</source>
        <translation>Minnesplatser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Externe Eingänge</source>
        <translation>Externa ingångar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme mit Schaltzeiten</source>
        <translation>Specialprogram med kopplingstider</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrentyp</source>
        <translation>Urtyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresprogramm</source>
        <translation>Årsprogram</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls</source>
        <translation>Puls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklus</source>
        <translation>Cykel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Earth Hour</source>
        <translation>Earth Hour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erweiterungsmodul</source>
        <translation>Tilläggsmodul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internes Bluetooth-Modul</source>
        <translation>Intern Bluetooth-modul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone einstellbar</source>
        <translation>Inställbar tidszon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation>Skymningsrelä</translation>
    </message>
</context>
<context>
    <name>Direct commands</name>
    <message>
        <location filename="../../qml/app/directcommands/DeviceInfo.qml" line="+17"/>
        <location filename="../../qml/app/directcommands/DirectCommandsItem.qml" line="+96"/>
        <location line="+7"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="+31"/>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="+81"/>
        <location filename="../../qml/app/settings/ChannelOverview.qml" line="+86"/>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+112"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+36"/>
        <location filename="../../qml/app/toolbars/ChannelsToolbar.qml" line="+19"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+61"/>
        <source>Kanal</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/directcommands/HolidaySection.qml" line="+70"/>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+27"/>
        <source>Status</source>
        <comment>Holiday state</comment>
        <translation>Tillstånd</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+6"/>
        <source>Modus</source>
        <comment>Mode auto, on, off...</comment>
        <translation>Läge</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="+58"/>
        <source>Betriebsstunden</source>
        <translation>Drifttimmar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Serviceintervall</source>
        <translation>Underhållsintervall</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aktueller Luxwert</source>
        <translation>Aktuellt luxvärde</translation>
    </message>
    <message>
        <location filename="../../app/device/directcommandinfo.cpp" line="-20"/>
        <source>Auto</source>
        <comment>Mode of the channel</comment>
        <translation>Automatisk</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impuls</source>
        <comment>Mode of the channel</comment>
        <translation>Puls</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zyklus</source>
        <comment>Mode of the channel</comment>
        <translation>Cykel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timer</source>
        <comment>Mode of the channel</comment>
        <translation>Timer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ferien</source>
        <comment>Mode of the channel</comment>
        <translation>Semester</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung</source>
        <comment>Mode of the channel</comment>
        <translation>Manuell koppling</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer</source>
        <comment>Mode of the channel</comment>
        <translation>Kontinuerlig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer (extern)</source>
        <comment>Mode of the channel</comment>
        <translation>Kontinuerlig (extern)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Externer Treppenlichtzeitautomat aktiv</source>
        <comment>Mode of the channel</comment>
        <translation>Extern trappautomat aktiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kanalverriegelung</source>
        <comment>Mode of the channel</comment>
        <translation>Kanalspärr</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/CommandRow.qml" line="+11"/>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="+90"/>
        <source>Senden</source>
        <comment>Button label</comment>
        <translation>Skicka</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="-69"/>
        <source>Datum / Uhrzeit</source>
        <comment>Section title</comment>
        <translation>Datum / tid</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Zeitzone</source>
        <translation>Tidszon</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Systemzeit</source>
        <translation>Systemtid</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Individuelle Zeit</source>
        <translation>Egen tid</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/DirectCommandsItem.qml" line="-68"/>
        <location line="+8"/>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="-27"/>
        <location line="+20"/>
        <location filename="../../qml/app/views/SensorAffectationView.qml" line="+27"/>
        <source>Sensorzuordnung</source>
        <translation>Sensortilldelning</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Maximale Anzahl der anschließbaren Lichtsensoren (4) überschritten</source>
        <translation>Högsta antal anslutningsbara ljussensorer (4) har överskridits</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sensorfehler</source>
        <translation>Sensorfel</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 SN: %2</source>
        <translation>%1 SN: %2</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Firmware-Version:</source>
        <translation>Firmwareversion:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software Version Gerät</source>
        <translation>Enhetens programvaruversion</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/HolidaySection.qml" line="-13"/>
        <source>Ferienprogramm</source>
        <translation>Semesterprogram</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Beginn</source>
        <translation>Början</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Ende</source>
        <translation>Slut</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="-74"/>
        <source>Manueller Befehl</source>
        <translation>Manuellt kommando</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Handschaltung stoppen</source>
        <translation>Stoppa manuell koppling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handschaltung</source>
        <translation>Manuell koppling</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dauer Ein stoppen</source>
        <comment>Channel mode</comment>
        <translation>Stoppa permanent till</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-44"/>
        <location line="+12"/>
        <source>Dauer Ein</source>
        <comment>Channel mode</comment>
        <translation>Permanent till</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dauer Aus stoppen</source>
        <comment>Channel mode</comment>
        <translation>Stoppa permanent från</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-11"/>
        <location line="+12"/>
        <source>Dauer Aus</source>
        <comment>Channel mode</comment>
        <translation>Permanent från</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Zufall</source>
        <translation>Slump</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="+1"/>
        <source>Bearbeiten</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/SensorAffectationTable.qml" line="+35"/>
        <source>Luxwert</source>
        <translation>Luxvärde</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Blinken</source>
        <translation>Blinka</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kanal %1 aktivieren </source>
        <translation>Aktivera kanal %1 </translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/SensorRow.qml" line="+31"/>
        <source>S%1</source>
        <translation>S%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor %1</source>
        <translation>Sensor %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../app/report/reporttexts.h" line="+81"/>
        <source>%1 lx</source>
        <translation>%1 lx</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/DirectCommandsView.qml" line="+43"/>
        <source>SN: </source>
        <translation>SN: </translation>
    </message>
    <message>
        <location filename="../../qml/app/views/SensorAffectationView.qml" line="+11"/>
        <source>&lt;b&gt;%1&lt;/b&gt; SN: %2</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; SN: %2</translation>
    </message>
</context>
<context>
    <name>Easter rules</name>
    <message>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-7"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-37"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-230"/>
        <source>Ostersonntag</source>
        <translation>Påskdagen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+13"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+13"/>
        <source>%1 Tag(e) vor Ostersonntag</source>
        <translation>
            <numerusform>%1 dag före påskdagen</numerusform>
            <numerusform>%1 dagar före påskdagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>%1 Tag(e) nach Ostersonntag</source>
        <translation>
            <numerusform>%1 dag efter påskdagen</numerusform>
            <numerusform>%1 dagar efter påskdagen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-17"/>
        <source>Karfreitag</source>
        <translation>Långfredagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-16"/>
        <source>1 Tag vor Ostersonntag</source>
        <translation>1 dag före påskdagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+4"/>
        <source>Ostermontag</source>
        <translation>Annandag påsk</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Christi Himmelfahrt</source>
        <translation>Kristi himmelsfärdsdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Pfingstsonntag</source>
        <translation>Pingstdagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Pfingstmontag</source>
        <translation>Annandag pingst</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Fronleichnam</source>
        <translation>Kristi lekamens dag</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-14"/>
        <source>Karfreitag</source>
        <comment>Karfreitag</comment>
        <translation>Långfredagen</translation>
    </message>
</context>
<context>
    <name>Edit project</name>
    <message>
        <location filename="../../qml/app/views/ProjectContentView.qml" line="+30"/>
        <source>Neues Projekt</source>
        <translation>Nytt projekt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Öffnen</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Speichern</source>
        <translation>Spara</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Läs TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation>Programmera TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Direkte Befehle</source>
        <translation>Direktkommandon</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E-Mail</source>
        <translation>E-post</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Drucken</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Druckvorschau</source>
        <translation>Förhandsgranska utskrift</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+79"/>
        <source>Einstellungen Gerät</source>
        <comment>Tab title</comment>
        <translation>Enhetsinställningar</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="+35"/>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="-98"/>
        <source>Einstellungen Gerät</source>
        <translation>Enhetsinställningar</translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/ToolBarFunctions.qml" line="+66"/>
        <source>Wollen Sie das Schaltprogramm wirklich optimieren?</source>
        <translation>Vill du verkligen optimera kopplingsprogrammet?</translation>
    </message>
</context>
<context>
    <name>Edit switch time</name>
    <message>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="+51"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-65"/>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SonderProgramTypePopup.qml" line="+22"/>
        <source>Feiertagsregeln anwenden..</source>
        <translation>Använd helgdagsregler..</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Typ auswählen</source>
        <translation>Välj typ</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="-12"/>
        <source>Ersteller</source>
        <translation>Upphovsman</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Astro</source>
        <translation>Astro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kanal %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Titel:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beschreibung:</source>
        <translation>Beskrivning:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gerät:</source>
        <translation>Enhet:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dateiname:</source>
        <translation>Filnamn:</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Name:</source>
        <translation>Namn:</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+3"/>
        <source>Adresse:</source>
        <translation>Adress:</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-43"/>
        <source>Fix</source>
        <translation>Fast</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+102"/>
        <source>Astroprogramm</source>
        <translation>Astroprogram</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Zyklus Impuls</source>
        <translation>Cykel impuls</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Schaltungen:</source>
        <translation>Kopplingar:</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Datum Bereich:</source>
        <translation>Datumintervall:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>R %1d</source>
        <comment>R for repeat, d for days</comment>
        <translation>U %1 d</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+76"/>
        <source>12 h</source>
        <translation>12 timmar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>24 h</source>
        <translation>24 timmar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Orthodoxe Kirche</source>
        <translation>Ortodoxa kyrkan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Winter ► Sommer</source>
        <translation>Vinter ► sommar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sommer ► Winter</source>
        <translation>Sommar ► vinter</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Taster</source>
        <translation>Tryckknapp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schalter</source>
        <translation>Strömbrytare</translation>
    </message>
</context>
<context>
    <name>Extra program</name>
    <message>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-153"/>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+67"/>
        <source>Ende muss nach dem Beginn liegen</source>
        <translation>Slutet måste ligga efter början</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+2"/>
        <source>Start und Ende müssen sich unterscheiden</source>
        <translation>Början och slut måste skilja sig åt</translation>
    </message>
    <message>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+2"/>
        <source>Überschneidung nicht zulässig</source>
        <translation>Överlappning inte tillåten</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-12"/>
        <source>Schaltzeiten von Zusatzprogrammen werden nur ausgeführt, wenn Datumsbereiche angegeben sind.</source>
        <translation>Kopplingstider för tilläggsprogram utförs bara om datumintervall har angetts.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bei den folgenden Zusatzprogrammen im Projekt fehlen Datumsbereiche:</source>
        <translation>Följande tilläggsprogram i projektet saknar datumintervall:</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramTypeToolbar.qml" line="+32"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableFooter.qml" line="+8"/>
        <source>Feiertagsset übernehmen</source>
        <translation>Använd helgdagsuppsättning</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+42"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-334"/>
        <source>Fixes Datum jedes Jahr</source>
        <translation>Fast datum varje år</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram1Header.qml" line="+50"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOff.qml" line="+44"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+50"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+85"/>
        <location line="+103"/>
        <source>Schaltprogramm</source>
        <translation>Kopplingsprogram</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+10"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+13"/>
        <location line="+10"/>
        <location line="+21"/>
        <location line="+11"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOff.qml" line="+6"/>
        <location line="+17"/>
        <source>Ein</source>
        <translation>Till</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+10"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-40"/>
        <location line="+10"/>
        <location line="+9"/>
        <location line="+22"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOff.qml" line="-11"/>
        <location line="+17"/>
        <source>Aus</source>
        <translation>Från</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram1AstroHeader.qml" line="+19"/>
        <source>Schalten Nacht/Tag</source>
        <translation>Koppling natt/dag</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+17"/>
        <source>Luxwerte</source>
        <translation>Luxvärden</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/extraprograms/SonderProgramNoctaEditionRow.qml" line="+19"/>
        <source>Lux Ein</source>
        <translation>Lux till</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramNoctaEditionRow.qml" line="+10"/>
        <source>Lux Aus</source>
        <translation>Lux från</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Edition.qml" line="+61"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-101"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-81"/>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+42"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+6"/>
        <source>Start</source>
        <translation>Början</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+18"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+9"/>
        <source>Ende</source>
        <translation>Slut</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Header.qml" line="+29"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-70"/>
        <source>Dauer Ein</source>
        <translation>Permanent till</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+0"/>
        <source>Dauer Aus</source>
        <translation>Permanent från</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramAstroEditionRow.qml" line="+50"/>
        <source>Startzeit</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+7"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDateEditionRow.qml" line="+67"/>
        <location filename="../../qml/app/extraprograms/SonderProgramEditionRow.qml" line="+20"/>
        <source> (hh:mm)</source>
        <translation> (tt:mm)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+46"/>
        <location line="+10"/>
        <source>Dauer bis</source>
        <translation>Varaktighet till</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramHolidays.qml" line="+33"/>
        <source>Ferien-Einstellung</source>
        <translation>Semesterinställning</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+0"/>
        <source>Fixes Datum</source>
        <translation>Fast datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osterregel</source>
        <translation>Påskregel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reihe von Tagen</source>
        <translation>Serie av dagar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regel für Wochentage</source>
        <translation>Regel för veckodagar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinesisches Neujahr</source>
        <translation>Kinesiskt nyår</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feiertage</source>
        <translation>Helgdagar</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nacht</source>
        <translation>Natt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tag</source>
        <translation>Dag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Einschalten</source>
        <translation>%1 tillkoppling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Ausschalten</source>
        <translation>%1 frånkoppling</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-6"/>
        <source>Sonderprogramm %1</source>
        <translation>Specialprogram %1</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Wiederholung</source>
        <translation>Upprepning</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+33"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-47"/>
        <source>Dauer</source>
        <translation>Varaktighet</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Nach ... Tagen</source>
        <translation>Efter ... dagar</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDateEditionRow.qml" line="-24"/>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItemRow.qml" line="+12"/>
        <source>Uhrzeit</source>
        <translation>Klockslag</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+1"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederholen nach...</source>
        <translation>Upprepa efter...</translation>
    </message>
</context>
<context>
    <name>Generic</name>
    <message>
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="-26"/>
        <location filename="../../qml/app/extraprograms/SonderProgramView.qml" line="+140"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+320"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="+104"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="+46"/>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+89"/>
        <source>Löschen</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <location line="+89"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+51"/>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="+95"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+58"/>
        <location filename="../../qml/app/extraprograms/SonderProgramHolidays.qml" line="+41"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOff.qml" line="+15"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+20"/>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="+195"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+305"/>
        <location filename="../../qml/app/holidays/NameEdition.qml" line="+34"/>
        <location filename="../../qml/app/popups/ConnectionPopUp.qml" line="+140"/>
        <location filename="../../qml/app/popups/DataExchangePopUp.qml" line="+0"/>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="+166"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="-19"/>
        <location filename="../../qml/app/popups/InactivityPopUp.qml" line="+18"/>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="+84"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+33"/>
        <location filename="../../qml/app/popups/SonderProgramTypePopup.qml" line="+33"/>
        <location filename="../../qml/app/popups/SyncClockPopup.qml" line="+39"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="+44"/>
        <location filename="../../qml/app/settings/EditSoWiTable.qml" line="+178"/>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="+76"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+184"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="+104"/>
        <location filename="../../qml/app/views/ProjectSettingsView.qml" line="+43"/>
        <location filename="../../qml/components/ConfirmPopUp.qml" line="+17"/>
        <location filename="../../qml/components/InfoPopUp.qml" line="+21"/>
        <location filename="../../qml/components/MessagePopUp.qml" line="+26"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-9"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-6"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-6"/>
        <location filename="../../qml/app/extraprograms/SonderProgramHolidays.qml" line="-6"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOff.qml" line="-6"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="-6"/>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-7"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-9"/>
        <location filename="../../qml/app/holidays/NameEdition.qml" line="-7"/>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-7"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="-18"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-7"/>
        <location filename="../../qml/app/popups/SonderProgramTypePopup.qml" line="-6"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+14"/>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="-7"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-6"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-7"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-44"/>
        <location filename="../../qml/app/views/ProjectSettingsView.qml" line="-7"/>
        <location filename="../../qml/components/ConfirmPopUp.qml" line="+1"/>
        <location filename="../../qml/components/FilePicker.qml" line="+56"/>
        <source>Abbruch</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <location filename="../../qml/components/FilePicker.qml" line="-17"/>
        <source>Durchsuchen</source>
        <translation>Bläddra</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datei auswählen</source>
        <translation>Välj fil</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Öffnen</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <location filename="../../qml/components/NotImplementedYetPopUp.qml" line="+6"/>
        <source>Diese Funktion ist noch nicht verfügbar.</source>
        <translation>Den här funktionen är inte tillgänglig ännu.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="-21"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-3"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="-2"/>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="+1"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+1"/>
        <source>Nein</source>
        <translation>Nej</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ErrorPopUp.qml" line="+7"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-16"/>
        <source>Fehler</source>
        <translation>Fel</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+15"/>
        <source>Bestätigung</source>
        <translation>Bekräftelse</translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/AppToolBar.qml" line="+95"/>
        <source>Zurück</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-3"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-4"/>
        <source>Warnung</source>
        <translation>Varning</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Möchten Sie trotzdem mit der Programmierung fortfahren?</source>
        <translation>Vill du ändå fortsätta programmeringen?</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+1"/>
        <source>Ihr Projekt enthält ungespeicherte Änderungen.</source>
        <translation>Ditt projekt innehåller osparade ändringar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen speichern</source>
        <translation>Spara ändringar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen ignorieren</source>
        <translation>Ignorera ändringar</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+143"/>
        <source>Jede Auswahl aufheben</source>
        <translation>Avmarkera alla</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+0"/>
        <source>Alle auswählen</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <location filename="../../qml/MainWindow.qml" line="+200"/>
        <source>Es gab nichts zu schreiben.</source>
        <translation>Det fanns inget att skriva.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Filen &quot;%1&quot; kunde inte skrivas.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Die Änderungen konnten nicht gespeichert werden: %1</source>
        <translation>Ändringarna kunde inte sparas: %1</translation>
    </message>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+119"/>
        <source>Druckvorschau</source>
        <translation>Förhandsgranska utskrift</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="+7"/>
        <source>Schreiben</source>
        <translation>Skriv</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-166"/>
        <source>24 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation>24 timmar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation>12 timmar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Montag</source>
        <translation>Måndag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dienstag</source>
        <translation>Tisdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mittwoch</source>
        <translation>Onsdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Donnerstag</source>
        <translation>Torsdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freitag</source>
        <translation>Fredag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Samstag</source>
        <translation>Lördag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonntag</source>
        <translation>Söndag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jeden Tag</source>
        <translation>Varje dag</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+96"/>
        <location line="+10"/>
        <location line="+4"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="-197"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+22"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+1"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+1"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="+69"/>
        <location filename="../../app/report/reporttexts.h" line="-12"/>
        <source>Aus</source>
        <translation>Från</translation>
    </message>
    <message>
        <location line="-110"/>
        <location line="+97"/>
        <location line="+9"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="-1"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+1"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+0"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="+0"/>
        <location filename="../../app/report/reporttexts.h" line="-3"/>
        <source>Ein</source>
        <translation>Till</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-89"/>
        <source>Zufall 1</source>
        <translation>Slump 1</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-2"/>
        <source>Zufall 2</source>
        <translation>Slump 2</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Beenden Timer</source>
        <translation>Avsluta timer</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="+141"/>
        <source>%1: %2/%3</source>
        <translation>%1: %2/%3</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="-99"/>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>%1 h</source>
        <translation>%1 tim</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Puls Ein</source>
        <translation>Impuls till</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls aus</source>
        <translation>Impuls från</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+32"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+6"/>
        <source>Zyklus</source>
        <translation>Cykel</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+25"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+39"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-3"/>
        <source>Fix Ein</source>
        <translation>Fast till</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+0"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-1"/>
        <source>Fix Aus</source>
        <translation>Fast från</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Einschalten</source>
        <translation>Koppla till</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ausschalten</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Auswählen</source>
        <translation>Välj</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ein+Aus</source>
        <translation>Till+från</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Ein</source>
        <translation>Impuls till</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Aus</source>
        <translation>Impuls från</translation>
    </message>
    <message>
        <location line="+157"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-12"/>
        <source>Ausschneiden</source>
        <translation>Klipp ut</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramView.qml" line="-17"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+10"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="-20"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <source>Kopieren</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+9"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="+7"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="+12"/>
        <source>Einfügen</source>
        <translation>Klistra in</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+9"/>
        <location filename="../../qml/app/views/SwitchTimeEditionView.qml" line="+28"/>
        <source>Bearbeiten</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableSwitchControl.qml" line="+30"/>
        <source>EIN</source>
        <translation>TILL</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AUS</source>
        <translation>FRÅN</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+48"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="+24"/>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramHolidays.qml" line="-16"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-140"/>
        <source>Anwenden bis</source>
        <comment>=&gt; Feiertage bis zum Jahr x hinzufügen</comment>
        <translation>Tillämpa till</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LuxValueHeader.qml" line="+18"/>
        <source>Ein (lux)</source>
        <translation>Till (lux)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Aus (lux)</source>
        <translation>Från (lux)</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SwitchStatusPopUp.qml" line="+18"/>
        <source>Typ auswählen</source>
        <translation>Välj typ</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-124"/>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+29"/>
        <source>Das Programm dieses Kanals wird gelöscht.</source>
        <translation>Den här kanalens program tas bort.</translation>
    </message>
    <message>
        <location line="+136"/>
        <location filename="../../app/report/reporttexts.h" line="+6"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-10"/>
        <source>Aktiv</source>
        <translation>Aktiverad</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="-13"/>
        <source>Das Programm für das Erweiterungsmodul wird gelöscht.</source>
        <translation>Programmet för tilläggsmodulen tas bort.</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="-21"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-153"/>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="-58"/>
        <source>(nichts)</source>
        <translation>(inget)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+44"/>
        <source>Uhrzeit</source>
        <translation>Klockslag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <location line="+18"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Wochentag</source>
        <translation>Veckodag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-30"/>
        <location line="+96"/>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufsteigend</source>
        <translation>stigande</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>absteigend</source>
        <translation>fallande</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sortieren</source>
        <translation>Sortera</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>zuerst</source>
        <translation>först</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>danach</source>
        <translation>sedan</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-187"/>
        <source>Impulsdauer fehlt</source>
        <translation>Impulslängd saknas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zykluspuls fehlt</source>
        <translation>Cykelimpuls saknas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zykluspause fehlt</source>
        <translation>Cykelpaus saknas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letzter Tag fehlt</source>
        <translation>Sista dag saknas</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Start (hh:mm)</source>
        <translation>Början (tt:mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrzeit (hh:mm:ss)</source>
        <translation>Tid (tt:mm:ss)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Dauer (mm:ss)</source>
        <translation>Varaktighet (mm:ss)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls (hh:mm:ss)</source>
        <translation>Impuls (tt:mm:ss)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pause (hh:mm:ss)</source>
        <translation>Paus (tt:mm:ss)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-335"/>
        <source>Endlos</source>
        <translation>Oändlig</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Start und Ende müssen unterschiedlich sein</source>
        <translation>Början och slut måste vara olika</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Entfernen</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="-23"/>
        <source>Anwendung</source>
        <translation>Användning</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+79"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+338"/>
        <source>Dauer</source>
        <translation>Varaktighet</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+10"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-71"/>
        <source>Pause</source>
        <translation>Paus</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectSettingsView.qml" line="-23"/>
        <source>Projekt-Einstellungen</source>
        <translation>Projektinställningar</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-123"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+10"/>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name bearbeiten</source>
        <translation>Redigera namn</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-160"/>
        <location line="+91"/>
        <source>Funktion</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-192"/>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-12"/>
        <source>Automatisch ausfüllen</source>
        <translation>Fyll i automatiskt</translation>
    </message>
    <message>
        <location line="+76"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+138"/>
        <source>Start</source>
        <translation>Början</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ende</source>
        <translation>Slut</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Nur für die Simulation</source>
        <translation>Endast för simulering</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-2"/>
        <location line="+1"/>
        <location line="+79"/>
        <source>Stunde</source>
        <translation>Timme</translation>
    </message>
    <message>
        <location line="-79"/>
        <source>Woche</source>
        <translation>Vecka</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monat</source>
        <translation>Månad</translation>
    </message>
    <message>
        <location filename="../../app/report/reporttexts.h" line="+6"/>
        <source>Leer</source>
        <translation>Tom</translation>
    </message>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-48"/>
        <source>Januar</source>
        <translation>Januari</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Februar</source>
        <translation>Februari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>März</source>
        <translation>Mars</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mai</source>
        <translation>Maj</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Juni</source>
        <translation>Juni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Juli</source>
        <translation>Juli</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>August</source>
        <translation>Augusti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Oktober</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="-135"/>
        <source>C %1</source>
        <comment>Abbreviation for channel, %1 contains the index of the channel</comment>
        <translation>K %1</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+216"/>
        <source>Exportieren</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettings.qml" line="+81"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <location filename="../../qml/main.qml" line="+9"/>
        <location filename="../../libs/core/src/languageservice.cpp" line="+77"/>
        <source>LANGUAGE_NAME</source>
        <translation>Svenska</translation>
    </message>
</context>
<context>
    <name>GlobalSettings</name>
    <message>
        <location filename="../../app/settings/dateformatsetting.cpp" line="+10"/>
        <source>31.12.00 (TT.MM.JJ)</source>
        <translation>31.12.00 (DD.MM.ÅÅ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12/31/00 (MM/TT/JJ)</source>
        <translation>12/31/00 (MM/DD/ÅÅ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>00-12-31 (JJ-MM-TT)</source>
        <translation>00-12-31 (ÅÅ-MM-DD)</translation>
    </message>
    <message>
        <location filename="../../app/settings/timezonesetting.cpp" line="+10"/>
        <source>UTC -11h</source>
        <translation>UTC -11 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -10h</source>
        <translation>UTC -10 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -9h</source>
        <translation>UTC -9 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -8h</source>
        <translation>UTC -8 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -7h</source>
        <translation>UTC -7 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -6h</source>
        <translation>UTC -6 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -5h</source>
        <translation>UTC -5 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -4h</source>
        <translation>UTC -4 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -3h30</source>
        <translation>UTC -3:30 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -3h</source>
        <translation>UTC -3 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -2h</source>
        <translation>UTC -2 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -1h</source>
        <translation>UTC -1 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -0h</source>
        <translation>UTC -0 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +1h</source>
        <translation>UTC +1 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +2h</source>
        <translation>UTC +2 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +3h</source>
        <translation>UTC +3 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +3h30</source>
        <translation>UTC +3:30 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h</source>
        <translation>UTC +4 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h30</source>
        <translation>UTC +4:30 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h</source>
        <translation>UTC +5 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h30</source>
        <translation>UTC +5:30 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h</source>
        <translation>UTC +6 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h30</source>
        <translation>UTC +6:30 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +7h</source>
        <translation>UTC +7 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +8h</source>
        <translation>UTC +8 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +9h</source>
        <translation>UTC +9 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +9h30</source>
        <translation>UTC +9:30 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h</source>
        <translation>UTC +10 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h30</source>
        <translation>UTC +10:30 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h</source>
        <translation>UTC +11 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h30</source>
        <translation>UTC +11:30 tim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +12h</source>
        <translation>UTC +12 tim</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="-218"/>
        <source>%1 Code(s) wurden entfernt!</source>
        <translation>
            <numerusform>%1 kod har tagits bort!</numerusform>
            <numerusform>%1 koder har tagits bort!</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-43"/>
        <source>Sprache</source>
        <translation>Språk</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Datumsformat</source>
        <translation>Datumformat</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erster Tag der Woche</source>
        <translation>Veckans första dag</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Töne</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Synchronisierung von Datum und Uhrzeit</source>
        <translation>Automatisk synkronisering av datum och tid</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Sprachsynchronisation</source>
        <translation>Automatisk språksynkronisering</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Verbindungscodes</source>
        <translation>Anslutningskoder</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Modus Fehlerbeseitigung</source>
        <translation>Felsökningsläge</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Software-Update Adresse</source>
        <translation>Adress för programuppdatering</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Immer Updates online suchen</source>
        <translation>Sök alltid efter uppdateringar online</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/GlobalSettingsView.qml" line="+20"/>
        <source>Einstellungen</source>
        <translation>Inställningar</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-275"/>
        <source>Jährlich fest</source>
        <translation>Fast varje år</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freie Regel</source>
        <translation>Fri regel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relativ zum Osten</source>
        <translation>Relativt till påsk</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Relativ zu CNY</source>
        <translation>Relativt till kinesiskt nyår</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einmal fest</source>
        <translation>Fast en gång</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+27"/>
        <source>Feiertag</source>
        <translation>Helgdag</translation>
    </message>
    <message>
        <location line="+104"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-159"/>
        <source>%1 vor dem %2</source>
        <comment>%1 = day of week, %2 = date</comment>
        <translation>%1 före %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+1"/>
        <source>%1 nach dem %2</source>
        <comment>%1 = day of week, %2 = date</comment>
        <translation>%1 efter %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Name des Feiertags</source>
        <translation>Helgdagens namn</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Art des Feiertags</source>
        <translation>Typ av helgdag</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Wochentag</source>
        <translation>Veckodag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+164"/>
        <source>von</source>
        <translation>från</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+7"/>
        <source>Dauer</source>
        <translation>Varaktighet</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+0"/>
        <source>bis</source>
        <translation>till</translation>
    </message>
    <message>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-119"/>
        <source>Sind Sie sicher, dass Sie dieses Feiertagsset dauerhaft löschen möchten?</source>
        <translation>Är du säker på att du vill ta bort den här helgdagsuppsättningen permanent?</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+161"/>
        <source>Neu</source>
        <translation>Ny</translation>
    </message>
    <message>
        <location line="-151"/>
        <source>Kopieren</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+151"/>
        <source>Bearbeiten</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <location line="-141"/>
        <location line="+152"/>
        <source>Entfernen</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <location line="-144"/>
        <source>Vordefinierte Sets anzeigen (nicht änderbar)</source>
        <translation>Visa fördefinierade uppsättningar (kan inte ändras)</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Für die Richtigkeit aller Angaben wird keine Gewähr übernommen! Für kritische Anwendungen überprüfen Sie bitte die Feiertagsdaten.</source>
        <translation>Vi ansvarar inte för att uppgifterna är korrekta! Kontrollera helgdagarna för kritiska tillämpningar.</translation>
    </message>
    <message>
        <location filename="../../qml/app/holidays/NameEdition.qml" line="-13"/>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
</context>
<context>
    <name>Home</name>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-124"/>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Neues Projekt</source>
        <translation>Nytt projekt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Läs TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Projekt duplizieren</source>
        <translation>Duplicera projekt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekt umbenennen</source>
        <translation>Byt namn på projekt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekte löschen</source>
        <translation>Ta bort projekt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Projekt exportieren</source>
        <translation>Exportera projekt</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Direkte Befehle</source>
        <translation>Direktkommandon</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Software-Info</source>
        <translation>Programinfo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>FAQ</source>
        <translation>Vanliga frågor</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Noch keine Projekte. Legen Sie mit + ein neues Projekt an.</source>
        <translation>Inga projekt ännu. Skapa ett nytt projekt med +.</translation>
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
        <translation>Minnesplatser</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-349"/>
        <location line="+279"/>
        <source>Impuls</source>
        <translation>Puls</translation>
    </message>
    <message>
        <location line="-277"/>
        <source>Zyklus</source>
        <translation>Cykel</translation>
    </message>
</context>
<context>
    <name>Legal</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="+140"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-18"/>
        <source>Geschäftsbedingungen</source>
        <translation>Allmänna villkor</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="+5"/>
        <source>Datenschutzrichtlinien</source>
        <translation>Integritetspolicy</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-13"/>
        <source>Bitte lesen und akzeptieren Sie die Allgemeinen Geschäftsbedingungen sowie die Datenschutzrichtlinien, bevor Sie die Anwendung nutzen.</source>
        <translation>Läs och godkänn de allmänna villkoren och integritetspolicyn innan du använder programmet.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Ich akzeptiere die Allgemeinen Geschäftsbedingungen und bin über die Datenschutzbestimmungen informiert.</source>
        <translation>Jag godkänner de allmänna villkoren och har informerats om integritetspolicyn.</translation>
    </message>
</context>
<context>
    <name>Light settings</name>
    <message>
        <location filename="../../qml/app/light/DelayRow.qml" line="+26"/>
        <source>mm:ss</source>
        <comment>light setting delay format</comment>
        <translation>mm:ss</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/DelaySettings.qml" line="+15"/>
        <source>Verzögerung Ein</source>
        <translation>Tillkopplingsfördröjning</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Verzögerung Aus</source>
        <translation>Frånkopplingsfördröjning</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LightView.qml" line="+13"/>
        <source>Licht</source>
        <translation>Ljus</translation>
    </message>
    <message>
        <location line="+28"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+169"/>
        <location line="+55"/>
        <source>Luxwerte</source>
        <translation>Luxvärden</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-39"/>
        <source>Verzögerungszeit</source>
        <translation>Fördröjningstid</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LuxValuesSetting.qml" line="+60"/>
        <source>Kopieren an allen Tagen</source>
        <translation>Kopiera till alla dagar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kopieren an allen Tagen (Ein)</source>
        <translation>Kopiera till alla dagar (till)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren an allen Tagen (Aus)</source>
        <translation>Kopiera till alla dagar (från)</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="+418"/>
        <source>Open File</source>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OT2 (*.ot2)</source>
        <translation>OT2 (*.ot2)</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <location filename="../../qml/app/menus/DesktopMenu.qml" line="+19"/>
        <source>&amp;Datei</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Neues Projekt</source>
        <translation>&amp;Nytt projekt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Öffnen</source>
        <translation>&amp;Öppna...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern unter</source>
        <translation>Spara s&amp;om...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Läs TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation>Programmera TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Direkte Befehle</source>
        <translation>Direktkommandon</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Senden per E-Mail</source>
        <translation>Skicka via e-post</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Drucken</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Druckvorschau</source>
        <translation>Förhandsgranska utskrift</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Ende</source>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bearbeiten</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rückgängig</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederherstellen</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ausschneiden</source>
        <translation>Klipp ut</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einfügen</source>
        <translation>Klistra in</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles markieren</source>
        <translation>Markera allt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Löschen</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sortieren...</source>
        <translation>Sortera...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Optimieren</source>
        <translation>Optimera</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Projekteinstellungen...</source>
        <translation>&amp;Projektinställningar...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sprache erstellen TARVINO rix2/rix3</source>
        <translation>Skapa språk TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Feiertag</source>
        <translation>&amp;Helgdag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;App-Einstellungen...</source>
        <translation>&amp;Appinställningar...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hilfe</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Software-Infos</source>
        <translation>P&amp;roginfo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Zorvik AG</source>
        <translation>&amp;Zorvik AG</translation>
    </message>
    <message>
        <location line="-48"/>
        <location filename="../../app/report/projectdocument.cpp" line="-32"/>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
</context>
<context>
    <name>New project</name>
    <message>
        <location filename="../../app/controllerbase/exportfiles.cpp" line="+65"/>
        <location filename="../../app/project/projectcreationviewcontroller.cpp" line="+24"/>
        <source>Projekt %1</source>
        <translation>Projekt %1</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ProjectCreationPopUp.qml" line="+10"/>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+13"/>
        <source>Neues Projekt</source>
        <translation>Nytt projekt</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-13"/>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+68"/>
        <source>Gerätetyp</source>
        <translation>Enhetstyp</translation>
    </message>
    <message>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+18"/>
        <source>Anzahl Kanäle</source>
        <translation>Antal kanaler</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Modell</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Projektname</source>
        <translation>Projektnamn</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Projekt erstellen</source>
        <translation>Skapa projekt</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+6"/>
        <source>Öffnen</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Läs TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Direkte Befehle</source>
        <translation>Direktkommandon</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Gespeicherte Projekte</source>
        <translation>Sparade projekt</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-128"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-7"/>
        <source>Zeitschaltprogramm</source>
        <translation>Tidkopplingsprogram</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+2"/>
        <source>Astroprogramm</source>
        <translation>Astroprogram</translation>
    </message>
</context>
<context>
    <name>Program settings</name>
    <message>
        <location line="+97"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+12"/>
        <source>Kein So/Wi</source>
        <translation>Ingen sommar/vinter</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Europa</source>
        <translation>Europa</translation>
    </message>
    <message>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Westeuropa</source>
        <translation>Västeuropa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osteuropa</source>
        <translation>Östeuropa</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Kanada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+59"/>
        <source>Letzte</source>
        <comment>Last week</comment>
        <translation>Sista</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+4"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-114"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+52"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+101"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+3"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Freie Regel</source>
        <translation>Fri regel</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+16"/>
        <source>Ferien</source>
        <translation>Semester</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Betriebsstunden</source>
        <translation>Drifttimmar</translation>
    </message>
    <message>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Festes Datum</source>
        <translation>Fast datum</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+1"/>
        <location line="+5"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <location line="+23"/>
        <source>Australien</source>
        <translation>Australien</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-32"/>
        <location line="+103"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="-4"/>
        <source>Eigene Regel</source>
        <translation>Egen regel</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/EditSoWiTable.qml" line="-158"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+2"/>
        <source>Eigene Tabelle</source>
        <translation>Egen tabell</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Jahr</source>
        <translation>År</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+21"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-8"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-7"/>
        <source>Winter &gt; Sommer</source>
        <translation>Vinter &gt; sommar</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+8"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+1"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+1"/>
        <source>Sommer &gt; Winter</source>
        <translation>Sommar &gt; vinter</translation>
    </message>
    <message>
        <location line="+77"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-150"/>
        <source>Automatisch ausfüllen</source>
        <translation>Fyll i automatiskt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles löschen</source>
        <translation>Radera allt</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-5"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+4"/>
        <source>Neuseeland</source>
        <translation>Nya Zeeland</translation>
    </message>
    <message>
        <location line="-120"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+16"/>
        <source>Nach 1 Minute aus</source>
        <comment>LCD state</comment>
        <translation>Av efter 1 minut</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-1"/>
        <source>Immer Ein</source>
        <comment>LCD state</comment>
        <translation>Alltid på</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-81"/>
        <source>Standard</source>
        <comment>Easter rule</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orthodoxe Kirche</source>
        <comment>Easter rule</comment>
        <translation>Ortodoxa kyrkan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inaktiv</source>
        <comment>Channel combination</comment>
        <translation>Ej aktiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kanalverriegelung</source>
        <comment>Channel combination</comment>
        <translation>Kanalspärr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmumschaltung</source>
        <comment>Channel combination</comment>
        <translation>Programomkoppling</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../app/report/reporttexts.h" line="-3"/>
        <source>Inaktiv</source>
        <comment>External input</comment>
        <translation>Ej aktiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+8"/>
        <source>Taster</source>
        <comment>External input</comment>
        <translation>Tryckknapp</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+2"/>
        <source>Schalter</source>
        <comment>External input</comment>
        <translation>Strömbrytare</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Handschaltung</source>
        <comment>Push button</comment>
        <translation>Manuell koppling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Timer</source>
        <comment>Push button</comment>
        <translation>Timer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Treppenlicht</source>
        <comment>Push button</comment>
        <translation>Trappbelysning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung bis Sonnenereignis</source>
        <comment>Push button</comment>
        <translation>Manuell koppling till solhändelse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Luxwert übernehmen</source>
        <comment>Push button</comment>
        <translation>Överta luxvärde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Umschalten</source>
        <comment>Push button</comment>
        <translation>Växla</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nicht nachschaltbar</source>
        <comment>Staircase light</comment>
        <translation>Ej återstartbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachschaltbar</source>
        <comment>Staircase light</comment>
        <translation>Återstartbar</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>1.</source>
        <comment>Week rule</comment>
        <translation>1:a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.</source>
        <comment>Week rule</comment>
        <translation>2:a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.</source>
        <comment>Week rule</comment>
        <translation>3:e</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.</source>
        <comment>Week rule</comment>
        <translation>4:e</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzte</source>
        <comment>Week rule</comment>
        <translation>Sista</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>GB/IRL/P</source>
        <translation>GB/IRL/P</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FIN/GR/TR</source>
        <translation>FIN/GR/TR</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>IRAN</source>
        <translation>IRAN</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-137"/>
        <location line="+41"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+112"/>
        <source>Signalisierung auf</source>
        <translation>Signalering på</translation>
    </message>
    <message>
        <location line="-27"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-45"/>
        <source>Betriebsstundenzähler Serviceintervall</source>
        <translation>Drifttimräknare underhållsintervall</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>max. 199.999 h</source>
        <translation>max. 199 999 tim</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+6"/>
        <source>Externer Eingang</source>
        <translation>Extern ingång</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Erdstunde</source>
        <translation>Jordtimmen</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+16"/>
        <source>Inaktiv</source>
        <comment>Holiday state</comment>
        <translation>Ej aktiv</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+3"/>
        <location line="+31"/>
        <source>Nur Lux</source>
        <translation>Endast lux</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Ferien</source>
        <comment>External input</comment>
        <translation>Semester</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sonderprogramm</source>
        <comment>External input</comment>
        <translation>Specialprogram</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Inaktiv</source>
        <translation>Ej aktiv</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="-73"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-8"/>
        <source>Signalisierung</source>
        <translation>Signalering</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-108"/>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+44"/>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="-15"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-11"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-69"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+36"/>
        <source>Sommer-/Winterregel</source>
        <translation>Sommar-/vinterregel</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+15"/>
        <source>Einstellungen Kanal</source>
        <translation>Kanalinställningar</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+59"/>
        <source>Erweiterungsmodul</source>
        <translation>Tilläggsmodul</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Kanalfunktion</source>
        <translation>Kanalfunktion</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Überblick</source>
        <translation>Översikt</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="-14"/>
        <location filename="../../qml/app/settings/OptionSettings.qml" line="+15"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-2"/>
        <source>Optionen</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelOverview.qml" line="-67"/>
        <source>Channel Function</source>
        <translation>Kanalfunktion</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Memory Used</source>
        <translation>Använt minne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extra Program used</source>
        <translation>Använda specialprogram</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Holiday</source>
        <translation>Helgdagar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External Input</source>
        <translation>Extern ingång</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Signaling To</source>
        <translation>Signalering på</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Service Interval</source>
        <translation>Underhållsintervall</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speicher verwendet</source>
        <translation>Använt minne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme benutzt</source>
        <translation>Använda specialprogram</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DateTimeSettings.qml" line="-40"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-68"/>
        <source>Zeit/Datum</source>
        <translation>Tid/datum</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="+10"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+1"/>
        <source>Zeitformat</source>
        <translation>Tidsformat</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="-22"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Datumsformat</source>
        <translation>Datumformat</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Erster Tag der Woche</source>
        <translation>Veckans första dag</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Zeitzone</source>
        <translation>Tidszon</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/HolidaySettings.qml" line="+118"/>
        <source>Status</source>
        <comment>Holiday status</comment>
        <translation>Tillstånd</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+51"/>
        <source>Beginn</source>
        <translation>Början</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+91"/>
        <location line="+67"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+1"/>
        <source>Ende</source>
        <translation>Slut</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/OptionSettings.qml" line="+11"/>
        <source>Kanalkombination</source>
        <translation>Kanalkombination</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+29"/>
        <source>LCD-Beleuchtung</source>
        <translation>LCD-belysning</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-139"/>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="-16"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="-3"/>
        <source>Eigene Astro Tabelle</source>
        <translation>Egen astrotabell</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-105"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+50"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+7"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-317"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-49"/>
        <source>Fixes Datum</source>
        <translation>Fast datum</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="+11"/>
        <source>Edit name</source>
        <translation>Redigera namn</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-38"/>
        <location line="+109"/>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <location line="-67"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+20"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-41"/>
        <source>Woche</source>
        <translation>Vecka</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+13"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <source>Monat</source>
        <translation>Månad</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-27"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-7"/>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+38"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+12"/>
        <source>Stunde</source>
        <translation>Timme</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+11"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <source>Wochentag</source>
        <translation>Veckodag</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>von</source>
        <translation>från</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettings.qml" line="+1"/>
        <source>Freie Regel wird angewendet</source>
        <translation>En fri regel tillämpas</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-93"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-52"/>
        <location line="+27"/>
        <source>Regel</source>
        <translation>Regel</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-10"/>
        <source>1. Farwardin - 30. Shahriwar</source>
        <translation>1 farvardin - 30 shahrivar</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+116"/>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name bearbeiten</source>
        <translation>Redigera namn</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tabelle bearbeiten</source>
        <translation>Redigera tabell</translation>
    </message>
</context>
<context>
    <name>ProgramView</name>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+56"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+91"/>
        <source>Standardprogramm</source>
        <translation>Standardprogram</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Header.qml" line="+6"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-9"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+103"/>
        <source>Sonderprogramm %1</source>
        <translation>Specialprogram %1</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <location filename="../../qml/app/popups/DuplicateProjectPopUp.qml" line="+6"/>
        <source>Projekt duplizieren</source>
        <translation>Duplicera projekt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neues Projekt benennen:</source>
        <translation>Namnge det nya projektet:</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/EditProjectPopUp.qml" line="+10"/>
        <source>Projekt umbenennen:</source>
        <translation>Byt namn på projektet:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bearbeiten</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-201"/>
        <source>Alle Projekte löschen</source>
        <translation>Ta bort alla projekt</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%1 Projekte löschen</source>
        <translation>
            <numerusform>Ta bort %1 projekt</numerusform>
            <numerusform>Ta bort %1 projekt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Projekt löschen</source>
        <translation>Ta bort projektet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sind Sie sicher, dass Sie das Projekt dauerhaft löschen möchten?</source>
        <translation>Är du säker på att du vill ta bort projektet permanent?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie alle Projekte dauerhaft löschen möchten?</source>
        <translation>Är du säker på att du vill ta bort alla projekt permanent?</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie %1 Projekte dauerhaft löschen möchten?</source>
        <translation>
            <numerusform>Är du säker på att du vill ta bort %1 projekt permanent?</numerusform>
            <numerusform>Är du säker på att du vill ta bort %1 projekt permanent?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+198"/>
        <source>Möchten Sie das Projekt &quot;%1&quot; importieren?</source>
        <translation>Vill du importera projektet &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>Project Metadata</name>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-9"/>
        <source>Kanal</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="-28"/>
        <source>Beschreibung der Kanäle</source>
        <translation>Beskrivning av kanalerna</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wird auf dem Gerät angezeigt</source>
        <translation>Visas på enheten</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ProjectMetadataSubTab.qml" line="+11"/>
        <source>Projekt</source>
        <comment>Tab title</comment>
        <translation>Projekt</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Bezeichnung</source>
        <translation>Benämning</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Beschreibung</source>
        <translation>Beskrivning</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dateiname</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Letzte Änderung</source>
        <translation>Senaste ändring</translation>
    </message>
</context>
<context>
    <name>Project Settings</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+2"/>
        <source>Kunde</source>
        <comment>Tab title</comment>
        <translation>Kund</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/AuthorSubTab.qml" line="+8"/>
        <source>Autor</source>
        <translation>Författare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <comment>Author&apos;s name</comment>
        <translation>Namn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <comment>Author&apos;s address</comment>
        <translation>Adress</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="-46"/>
        <source>Kanal</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ClientSubTab.qml" line="+8"/>
        <source>Kunde</source>
        <translation>Kund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <comment>Customer&apos;s name</comment>
        <translation>Namn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <comment>Customer&apos;s address</comment>
        <translation>Adress</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+58"/>
        <source>Page %1 of %2</source>
        <translation>Sida %1 av %2</translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <location filename="../../qml/app/popups/ConnectionPopUp.qml" line="-101"/>
        <source>%1
SN: %2
Anschlusscode: %3</source>
        <translation>%1
SN: %2
Anslutningskod: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code für %1</source>
        <translation>Kod för %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Authentifizierung für %1</source>
        <translation>Autentisering för %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>OK-Aktivierung am Gerät</source>
        <translation>OK-aktivering på enheten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Eingabe Authentifizierungscode</source>
        <translation>Ange autentiseringskod</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Dies ist Ihr Authentifizierungscode, verwahren Sie ihn sicher!</source>
        <translation>Det här är din autentiseringskod, förvara den säkert!</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Speichern</source>
        <translation>Spara</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-12"/>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="+128"/>
        <source>Abbruch</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Falsches Passwort!</source>
        <translation>Fel lösenord!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Schaltfläche wurde nicht aktiviert!</source>
        <translation>Knappen aktiverades inte!</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/InactivityPopUp.qml" line="-6"/>
        <source>Verbindung aufgrund von Inaktivität geschlossen</source>
        <translation>Anslutningen stängdes på grund av inaktivitet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung wurde aufgrund von Inaktivität geschlossen</source>
        <translation>Anslutningen har stängts på grund av inaktivitet</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Wieder anschließen</source>
        <translation>Anslut igen</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-53"/>
        <source>Sie müssen warten, das Gerät ist aufgrund mehrerer fehlgeschlagener Versuche verriegelt</source>
        <translation>Du måste vänta, enheten är spärrad efter flera misslyckade försök</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>PIN-Code</source>
        <translation>PIN-kod</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das Gerät ist PIN-geschützt, bitte geben Sie den PIN-Code ein</source>
        <translation>Enheten är PIN-skyddad, ange PIN-koden</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Falscher PIN-Code!</source>
        <translation>Fel PIN-kod!</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SyncClockPopup.qml" line="-24"/>
        <source>Daten-Synchronisation</source>
        <translation>Datasynkronisering</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bitte wählen Sie aus, welche Daten beim Verbinden mit Uhren synchronisiert werden sollen</source>
        <translation>Välj vilka data som ska synkroniseras vid anslutning till ur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datum/Uhrzeit-Synchronisation</source>
        <translation>Synkronisering av datum/tid</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sprach-Synchronisation</source>
        <translation>Språksynkronisering</translation>
    </message>
    <message>
        <location filename="../../qml/app/scan/DeviceScan.qml" line="+76"/>
        <source>Geräte suchen</source>
        <translation>Sök enheter</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>Der Bluetooth-Adapter ist deaktiviert, möchten Sie ihn aktivieren?</source>
        <translation>Bluetooth-adaptern är avstängd, vill du slå på den?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ihr Gerät verfügt nicht über einen Bluetooth-Adapter oder unterstützt Bluetooth Low Energy nicht.</source>
        <translation>Din dator har ingen Bluetooth-adapter eller stöder inte Bluetooth Low Energy.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth nicht verfügbar</source>
        <translation>Bluetooth inte tillgängligt</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="-101"/>
        <source>Dieses Gerät wird nicht unterstützt!</source>
        <translation>Den här enheten stöds inte!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dieses Gerät ist nicht kompatibel mit dem Projekt, das Sie exportieren möchten!</source>
        <translation>Den här enheten är inte kompatibel med projektet som du vill exportera!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>SN: %1</source>
        <translation>SN: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Suche nach Geräten ...</source>
        <translation>Söker efter enheter ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerät gefunden</source>
        <translation>Enhet hittad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kein Bluetooth-Gerät gefunden</source>
        <translation>Ingen Bluetooth-enhet hittades</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Verbinden</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suche</source>
        <translation>Sök</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/MainWindow.qml" line="+52"/>
        <source>Ihr Projekt überschreitet die Speicherplätze des Zielgeräts (%1 / %2)</source>
        <translation>
            <numerusform>Ditt projekt överskrider målenhetens minnesplats (%1 / %2)</numerusform>
            <numerusform>Ditt projekt överskrider målenhetens minnesplatser (%1 / %2)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/device/lockwait.cpp" line="+19"/>
        <source>aufgrund eines falschen Verbindungscodes verriegelt</source>
        <translation>spärrad på grund av fel anslutningskod</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufgrund eines falschen PIN-Codes verriegelt</source>
        <translation>spärrad på grund av fel PIN-kod</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locked</source>
        <translation>spärrad</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Das Gerät ist %1, Sie müssen %2 h %3 min %4 s warten</source>
        <translation>Enheten är %1, du måste vänta %2 tim %3 min %4 s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Das Gerät ist verriegelt, Sie müssen %2 h %3 min %4 s warten</source>
        <translation>Enheten är spärrad, du måste vänta %2 tim %3 min %4 s</translation>
    </message>
</context>
<context>
    <name>SerialCommunication</name>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-86"/>
        <source>Unbekannter Fehler wurde während der Übersetzung in Bytes gemeldet.</source>
        <translation>Ett okänt fel rapporterades vid omvandlingen till byte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File couldn&apos;t be written.</source>
        <translation>Filen kunde inte skrivas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File doesn&apos;t exist.</source>
        <translation>Filen finns inte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Sprachdatei ist beschädigt oder passt nicht in den Speicher des Geräts.</source>
        <translation>Språkfilen är skadad eller får inte plats i enhetens minne.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-64"/>
        <source>Fehler</source>
        <translation>Fel</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Fehler beim Schreiben der Sprache. Zugriff auf Flash nicht möglich.</source>
        <translation>Fel när språket skrevs. Ingen åtkomst till flashminnet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-9"/>
        <source>Tarvino rix2/3 scheint im Fehlerzustand zu sein.</source>
        <translation>Tarvino rix2/3 verkar vara i ett feltillstånd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht ausgeschaltet werden.</source>
        <translation>Lysdioden kunde inte släckas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht eingeschaltet werden.</source>
        <translation>Lysdioden kunde inte tändas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geschlossen werden.</source>
        <translation>Porten kunde inte stängas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geöffnet werden, überprüfen Sie die Verbindung.</source>
        <translation>Porten kunde inte öppnas, kontrollera anslutningen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port wurde nicht gefunden, überprüfen Sie die Verbindung.</source>
        <translation>Porten hittades inte, kontrollera anslutningen.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-14"/>
        <source>Übertragung läuft...</source>
        <translation>Överföring pågår...</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auswahl der Gerätesprache</source>
        <translation>Val av enhetens språk</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+41"/>
        <source>Übertragung abgeschlossen</source>
        <translation>Överföringen är klar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Eine andere Übertragung läuft. Warten Sie, bis sie beendet ist.</source>
        <translation>En annan överföring pågår. Vänta tills den är klar.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-37"/>
        <source>Programm kann nicht gelesen werden. Leerer Flash.</source>
        <translation>Programmet kan inte läsas. Tomt flashminne.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Sprachdatei im Flash.</source>
        <translation>Programmet kan inte läsas. Språkfil i flashminnet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden.</source>
        <translation>Programmet kan inte läsas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Ungültige Daten im Flash.</source>
        <translation>Programmet kan inte läsas. Ogiltiga data i flashminnet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehler beim Programmschreiben. Zugriff auf Flash nicht möglich.</source>
        <translation>Fel när programmet skrevs. Ingen åtkomst till flashminnet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Operation abgebrochen.</source>
        <translation>Åtgärden avbröts.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Serielle Übertragung</source>
        <translation>Seriell överföring</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+59"/>
        <source>Programm von serieller Schnittstelle lesen</source>
        <translation>Läs program från serieporten</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Projekt kann nicht exportiert werden mit Fehler</source>
        <translation>Projektet kan inte exporteras, fel</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Programm seriell schreiben</source>
        <translation>Skriv program via serieporten</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../../qml/app/popups/ResetSettingsPopUp.qml" line="+18"/>
        <source>Reset-Einstellungen</source>
        <translation>Återställningsinställningar</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="-22"/>
        <source>Das verbundene Gerät befindet sich im Reset-Modus, bitte geben Sie diese Einstellungen vor der Verwendung ein.</source>
        <comment>Reset mode text</comment>
        <translation>Den anslutna enheten är i återställningsläge, ange de här inställningarna före användning.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zeit/Datum</source>
        <translation>Tid/datum</translation>
    </message>
    <message>
        <location filename="../../app/device/resetteddeviceviewcontroller.cpp" line="+115"/>
        <source>Die Antwort des Geräts ist unverständlich.</source>
        <translation>Enhetens svar är obegripligt.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Die Einstellungen des Geräts konnten nicht gelesen werden: %1</source>
        <translation>Enhetens inställningar kunde inte läsas: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation>Enheten tog inte emot data.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Die Einstellungen konnten nicht an das Gerät gesendet werden: %1</source>
        <translation>Inställningarna kunde inte skickas till enheten: %1</translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="-126"/>
        <source>Schweiz</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schweden</source>
        <translation>Sverige</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deutschland</source>
        <translation>Tyskland</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Build-Version</source>
        <translation>Byggversion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Adresse</source>
        <translation>Adress</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation>E-post</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Webseite</source>
        <translation>Webbplats</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Software-Informationen</source>
        <translation>Programinformation</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/LicenseView.qml" line="+11"/>
        <source>Lizenzen</source>
        <translation>Licenser</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Folgende Qt-Module und externe Bibliotheken wurden werwendet:</source>
        <translation>Följande Qt-moduler och externa bibliotek har använts:</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/SoftwareInfoView.qml" line="+14"/>
        <source>Software-Info</source>
        <translation>Programinfo</translation>
    </message>
    <message>
        <location filename="../../app/report/printservice.cpp" line="-129"/>
        <source>TARVINO rix2/rix3</source>
        <translation>TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zorvik AG</source>
        <translation>Zorvik AG</translation>
    </message>
</context>
<context>
    <name>SwitchErrors</name>
    <message>
        <location filename="../../app/switchprogram/switcherrorscontroller.cpp" line="+124"/>
        <source>Fehlende Wochentage</source>
        <translation>Veckodagar saknas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Dauer</source>
        <translation>Varaktighet saknas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulsüberschneidungen</source>
        <translation>Impulsöverlappningar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulse über Mitternacht</source>
        <translation>Impulser över midnatt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Impulsdauer</source>
        <translation>Impulslängd saknas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Pause</source>
        <translation>Paus saknas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklusüberschneidungen</source>
        <translation>Cykelöverlappningar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identischer Anfang und Ende</source>
        <translation>Identisk början och slut</translation>
    </message>
</context>
<context>
    <name>SwitchTimeTable</name>
    <message>
        <location line="-30"/>
        <source>Typ auswählen</source>
        <comment>Error message</comment>
        <translation>Välj typ</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+1"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+5"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-224"/>
        <source>Schaltzeit</source>
        <translation>Kopplingstid</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+36"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-5"/>
        <source>Impuls</source>
        <translation>Puls</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <source>Zyklus</source>
        <translation>Cykel</translation>
    </message>
    <message>
        <location line="+90"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <source>Start</source>
        <translation>Början</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-10"/>
        <location line="+20"/>
        <source>Ende</source>
        <translation>Slut</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+1"/>
        <source>Endlos</source>
        <translation>Oändlig</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+27"/>
        <location filename="../../qml/app/views/SwitchTimeEditionView.qml" line="+0"/>
        <source>Neu</source>
        <translation>Ny</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+254"/>
        <location line="+95"/>
        <source>Nr.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="-34"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-94"/>
        <source>Status</source>
        <translation>Tillstånd</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentag</source>
        <translation>Veckodag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hinweis / Fehler</source>
        <translation>Anmärkning / fel</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Auswahl löschen</source>
        <translation>Radera markering</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-12"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+8"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-3"/>
        <source>hh:mm:ss</source>
        <translation>tt:mm:ss</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+7"/>
        <source>Dauer bis
mm:ss</source>
        <translation>Varaktighet till
mm:ss</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Puls
hh:mm:ss</source>
        <translation>Impuls
tt:mm:ss</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause
hh:mm:ss</source>
        <translation>Paus
tt:mm:ss</translation>
    </message>
</context>
<context>
    <name>ToolBarMenu</name>
    <message>
        <location filename="../../qml/app/toolbars/ToolBarMenu.qml" line="+26"/>
        <source>Direktbefehle / Gerätestatus</source>
        <translation>Direktkommandon / Enhetsstatus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einstellungen</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software-Info</source>
        <translation>Programinfo</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <location filename="../../qml/MainWindow.qml" line="-96"/>
        <source>Software aktualisieren</source>
        <translation>Uppdatera programvara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist eine neue Version verfügbar, möchten Sie diese installieren?</source>
        <translation>En ny version finns tillgänglig, vill du installera den?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installieren</source>
        <translation>Installera</translation>
    </message>
</context>
<context>
    <name>Week rules</name>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-170"/>
        <source>Erster</source>
        <translation>Första</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zweiter</source>
        <translation>Andra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dritter</source>
        <translation>Tredje</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vierter</source>
        <translation>Fjärde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzter</source>
        <translation>Sista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>jeden Monat</source>
        <translation>varje månad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Januar</source>
        <translation>i januari</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Februar</source>
        <translation>i februari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im März</source>
        <translation>i mars</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im April</source>
        <translation>i april</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Mai</source>
        <translation>i maj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Juni</source>
        <translation>i juni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Juli</source>
        <translation>i juli</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im August</source>
        <translation>i augusti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im September</source>
        <translation>i september</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Oktober</source>
        <translation>i oktober</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im November</source>
        <translation>i november</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Dezember</source>
        <translation>i december</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="-170"/>
        <source>TARVINO rix2/rix3-Datei speichern</source>
        <translation>Spara TARVINO rix2/rix3-fil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TARVINO rix2/rix3-Datei (*.ot2)</source>
        <translation>TARVINO rix2/rix3-fil (*.ot2)</translation>
    </message>
    <message>
        <location filename="../../qml/app/menus/DesktopMenu.qml" line="-84"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-60"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+44"/>
        <source>Exportieren</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+1"/>
        <source>CSV UTF-8 (kommagetrennt) (*.csv)</source>
        <translation>CSV UTF-8 (kommaavgränsad) (*.csv)</translation>
    </message>
</context>
<context>
    <name>devices::EepromService</name>
    <message>
        <location filename="../../platform/devices/src/eepromservice.cpp" line="+304"/>
        <source>Das Gerätemodell ist unbekannt.</source>
        <translation>Enhetsmodellen är okänd.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Projekt hat mehr Schaltzeiten und Datumsbereiche, als das Gerät aufnehmen kann.</source>
        <translation>Projektet har fler kopplingstider och datumintervall än enheten rymmer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild ist unvollständig.</source>
        <translation>Minnesavbildningen är ofullständig.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Gerätespeicher ist leer.</source>
        <translation>Enhetens minne är tomt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Gerätespeicher enthält eine Gerätesprache, kein Projekt.</source>
        <translation>Enhetens minne innehåller ett enhetsspråk, inte ett projekt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Daten sind kein Speicherabbild eines Projekts.</source>
        <translation>Data är ingen minnesavbildning av ett projekt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild gehört zu einem anderen Gerätemodell.</source>
        <translation>Minnesavbildningen tillhör en annan enhetsmodell.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild ist beschädigt.</source>
        <translation>Minnesavbildningen är skadad.</translation>
    </message>
</context>
</TS>
