<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="de">
<context>
    <name>Astro</name>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="+143"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+336"/>
        <source>Startzeitpunkt</source>
        <translation>Starttijd</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dauer bis</source>
        <translation>Duur tot</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Ende (hh:mm)</source>
        <translation>Einde (hh:mm)</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+35"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+21"/>
        <source>Impuls Ein</source>
        <translation>Puls aan</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+1"/>
        <source>Impuls Aus</source>
        <translation>Puls uit</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="-4"/>
        <source>Fix Ein</source>
        <translation>Vast aan</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+0"/>
        <source>Fix Aus</source>
        <translation>Vast uit</translation>
    </message>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+58"/>
        <source>Standort</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breitengrad</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Längengrad</source>
        <translation>Lengtegraad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Land</source>
        <translation>Land</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stadt</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone</source>
        <translation>Tijdzone</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ausschaltzeit</source>
        <translation>Uitschakeltijd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Einschaltzeit</source>
        <translation>Inschakeltijd</translation>
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
        <translation>UTC %1 u</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DateTimeSettings.qml" line="+53"/>
        <source>Osterregel</source>
        <translation>Paasregel</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="-16"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+171"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-106"/>
        <source>Astro inaktiv</source>
        <translation>Astro inactief</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+19"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+176"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-19"/>
        <source>Astrotabelle</source>
        <translation>Astrotabel</translation>
    </message>
    <message>
        <location line="+57"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+9"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+16"/>
        <source>Sonnenaufgang</source>
        <translation>Zonsopkomst</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+3"/>
        <source>Abend + Morgen</source>
        <translation>Avond + ochtend</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Morgen</source>
        <translation>Ochtend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abend</source>
        <translation>Avond</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+4"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-20"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+0"/>
        <source>Sonnenuntergang</source>
        <translation>Zonsondergang</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dämmerung</source>
        <translation>Schemering</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dunkelheit</source>
        <translation>Duisternis</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+63"/>
        <source>Kein Astrokanal definiert</source>
        <translation>Geen astrokanaal gedefinieerd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astrokanal auf der Registerkarte Geräteeinstellungen aktivieren</source>
        <translation>Activeer een astrokanaal op het tabblad Apparaatinstellingen</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+71"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <source>Astrozeitpunkt</source>
        <translation>Astrotijdstip</translation>
    </message>
    <message>
        <location line="+44"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+115"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+7"/>
        <source>Offset Sonnenaufgang</source>
        <translation>Verschuiving zonsopkomst</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Offset Sonnenuntergang</source>
        <translation>Verschuiving zonsondergang</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="-9"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+5"/>
        <source>Ein bei Sonnenuntergang + Aus bei Sonnenaufgang</source>
        <translation>Aan bij zonsondergang + uit bij zonsopkomst</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Aus bei Sonnenuntergang + Ein bei Sonnenaufgang</source>
        <translation>Uit bij zonsondergang + aan bij zonsopkomst</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="+53"/>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+2"/>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Astro-Impuls</source>
        <translation>Astropuls</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+23"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Astromode</source>
        <translation>Astromodus</translation>
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
        <translation>op zijn vroegst</translation>
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
        <translation>op zijn laatst</translation>
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
        <translation>Verschuiving</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Astrozeiten anzeigen</source>
        <translation>Astrotijden weergeven</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+49"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-71"/>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="+56"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-18"/>
        <source>Standort</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+18"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+34"/>
        <source>Koordinaten</source>
        <translation>Coördinaten</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+66"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+91"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+11"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="+45"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+2"/>
        <source>Breitengrad</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+13"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+3"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Norden</source>
        <translation>° Noord</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Süden</source>
        <translation>° Zuid</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+2"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+3"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+10"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="+6"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Längengrad</source>
        <translation>Lengtegraad</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+13"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+3"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Osten</source>
        <translation>° Oost</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Westen</source>
        <translation>° West</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sommer-/Winterregel</source>
        <translation>Zomer-/winterregel</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+35"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+25"/>
        <source>Für diesen Ort ist keine Zeitzone bekannt; sie wurde aus dem Längengrad bestimmt.</source>
        <translation>Voor deze plaats is geen tijdzone bekend; deze is bepaald aan de hand van de lengtegraad.</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+22"/>
        <source>Standort bestimmen</source>
        <translation>Locatie bepalen</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="-10"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-9"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+3"/>
        <source>Länderliste</source>
        <translation>Landenlijst</translation>
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
        <translation>Plaats</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Aktuelle Position</source>
        <translation>Huidige positie</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+19"/>
        <location filename="../../qml/app/views/FavoriteLocationsView.qml" line="+18"/>
        <source>Favoriten bearbeiten</source>
        <translation>Favorieten bewerken</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+40"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Favoriten</source>
        <translation>Favorieten</translation>
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
        <translation>Tijdzone</translation>
    </message>
    <message>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+8"/>
        <source>Kanal</source>
        <translation>Kanaal</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-15"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <source>Ausschaltzeit</source>
        <translation>Uitschakeltijd</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+0"/>
        <source>Einschaltzeit</source>
        <translation>Inschakeltijd</translation>
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
        <translation>Belgische CET</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norm NBN L 18-001</source>
        <translation>NBN L 18-001-norm</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Overlap not permitted</source>
        <translation>Overlapping niet toegestaan</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="+16"/>
        <source>Sunrise</source>
        <translation>Zonsopkomst</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunset</source>
        <translation>Zonsondergang</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="+45"/>
        <source>Eigene Astrotabelle eingeben</source>
        <translation>Eigen astrotabel invoeren</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="-24"/>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/FavoriteLocationsView.qml" line="+62"/>
        <source>Favorit hinzufügen</source>
        <translation>Favoriet toevoegen</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/AstroLocationView.qml" line="+12"/>
        <source>Astro-Standort</source>
        <translation>Astrolocatie</translation>
    </message>
</context>
<context>
    <name>Bluetooth</name>
    <message>
        <location filename="../../platform/ble/src/qtbluetoothbackend.cpp" line="+100"/>
        <source>Kein Bluetooth-Adapter verfügbar: Die Verbindung mit dem Gerät ist nicht möglich.</source>
        <translation>Geen Bluetooth-adapter beschikbaar: verbinding met het apparaat is niet mogelijk.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+20"/>
        <location filename="../../platform/ble/src/simulatedbackend.cpp" line="+144"/>
        <source>Das Gerät bietet keinen Tarvino-Dienst an.</source>
        <translation>Het apparaat biedt geen Tarvino-dienst aan.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Der Dienst des Geräts antwortet nicht.</source>
        <translation>De dienst van het apparaat reageert niet.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Die Verbindung mit dem Gerät ist fehlgeschlagen: %1</source>
        <translation>De verbinding met het apparaat is mislukt: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Gerät hat die Verbindung beendet.</source>
        <translation>Het apparaat heeft de verbinding verbroken.</translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/bleservice.cpp" line="+320"/>
        <source>Die Authentifizierung mit dem Gerät ist fehlgeschlagen.</source>
        <translation>De authenticatie bij het apparaat is mislukt.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Der Status des Geräts konnte nicht gelesen werden.</source>
        <translation>De status van het apparaat kon niet worden gelezen.</translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/abstractblerequest.cpp" line="+19"/>
        <source>Das Gerät kennt die Anfrage nicht.</source>
        <translation>Het apparaat kent het verzoek niet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat ungültige Werte erhalten.</source>
        <translation>Het apparaat heeft ongeldige waarden ontvangen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Adresse liegt außerhalb des Gerätespeichers.</source>
        <translation>Het adres ligt buiten het geheugen van het apparaat.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat das Projekt nicht übernommen.</source>
        <translation>Het apparaat heeft het project niet overgenomen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät erwartet keine Speicherübertragung.</source>
        <translation>Het apparaat verwacht geen geheugenoverdracht.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät ist beschäftigt.</source>
        <translation>Het apparaat is bezet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät verlangt eine Authentifizierung.</source>
        <translation>Het apparaat vraagt om authenticatie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät meldet den Fehler %1.</source>
        <translation>Het apparaat meldt fout %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Gerät antwortet nicht.</source>
        <translation>Het apparaat reageert niet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung mit dem Gerät wurde unterbrochen.</source>
        <translation>De verbinding met het apparaat is onderbroken.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist kein Gerät verbunden.</source>
        <translation>Er is geen apparaat verbonden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation>Het apparaat heeft de gegevens niet aangenomen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts ist beschädigt.</source>
        <translation>Het antwoord van het apparaat is beschadigd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts passt nicht zur Anfrage.</source>
        <translation>Het antwoord van het apparaat past niet bij het verzoek.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation>Overdracht door gebruiker afgebroken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Anfrage kann nicht gesendet werden.</source>
        <translation>Het verzoek kan niet worden verzonden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unbekannter Fehler %1</source>
        <translation>Onbekende fout %1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <location filename="../../qml/components/EditableYearPicker.qml" line="+43"/>
        <location filename="../../qml/components/YearPicker.qml" line="+31"/>
        <source>bis</source>
        <translation>tot</translation>
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
            <numerusform>%1 dagen</numerusform>
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
        <translation>u</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+1"/>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+8"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+9"/>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+101"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableDelegate.qml" line="-179"/>
        <location filename="../../app/extraprograms/daterangecontroller.cpp" line="+30"/>
        <source>Jahr</source>
        <translation>Jaar</translation>
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
        <translation>u</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>m</source>
        <comment>m for minutes</comment>
        <translation>m</translation>
    </message>
</context>
<context>
    <name>Cloud</name>
    <message>
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="+242"/>
        <source>Cloud-Adresse</source>
        <translation>Cloudadres</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/CloudLoginPopup.qml" line="+52"/>
        <source>Über die Zorvik Cloud anmelden</source>
        <translation>Aanmelden via de Zorvik Cloud</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Registrieren</source>
        <translation>Registreren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+71"/>
        <source>Passwort</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+13"/>
        <source>Anmeldedaten merken?</source>
        <translation>Aanmeldgegevens onthouden?</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+30"/>
        <source>Anmelden</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+22"/>
        <source>Ungültige Anmeldeinformationen.</source>
        <translation>Ongeldige aanmeldgegevens.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dieses Konto hat keine Geräte, um eine Verbindung herzustellen.</source>
        <translation>Dit account heeft geen apparaten om verbinding mee te maken.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+7"/>
        <source>Während der Verbindung ist ein Fehler aufgetreten.</source>
        <translation>Tijdens de verbinding is een fout opgetreden.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="-115"/>
        <source>Die Schaltzeiten wurden korrekt im Gerät gespeichert.</source>
        <translation>De schakeltijden zijn correct in het apparaat opgeslagen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Dateiname enthält zu viele Leerzeichen.</source>
        <translation>De bestandsnaam bevat te veel spaties.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter sind nicht korrekt eingestellt.</source>
        <translation>Parameters zijn niet correct ingesteld.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beim Senden der ot2-Datei ist ein Fehler aufgetreten.</source>
        <translation>Bij het verzenden van het ot2-bestand is een fout opgetreden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upload OT2</source>
        <translation>OT2-bestand uploaden</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verbindung zum Gerät %1</source>
        <translation>Verbinding met apparaat %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ot2-Datei senden...</source>
        <translation>ot2-bestand verzenden...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anmelden am Gerät %1</source>
        <translation>Aanmelden bij apparaat %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Benutzername</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Die Verbindung zum Gerät konnte nicht hergestellt werden.</source>
        <translation>De verbinding met het apparaat kon niet tot stand worden gebracht.</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/CloudDevicesView.qml" line="+22"/>
        <source>Gerät auswählen</source>
        <translation>Apparaat kiezen</translation>
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
        <translation>Chinees Nieuwjaar</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-4"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-2"/>
        <source>%1 Tag(e) vor Chinese NY</source>
        <translation>
            <numerusform>%1 dag voor Chinees Nieuwjaar</numerusform>
            <numerusform>%1 dagen voor Chinees Nieuwjaar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <source>%1 Tag(e) nach Chinese NY</source>
        <translation>
            <numerusform>%1 dag na Chinees Nieuwjaar</numerusform>
            <numerusform>%1 dagen na Chinees Nieuwjaar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Communication</name>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-79"/>
        <source>Welches Übertragungsmedium möchten Sie verwenden?</source>
        <translation>Welk overdrachtsmedium wilt u gebruiken?</translation>
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
        <translation>Geen seriële of Bluetooth-verbinding gevonden.</translation>
    </message>
</context>
<context>
    <name>Data exchange</name>
    <message>
        <location filename="../../qml/app/popups/DataExchangePopUp.qml" line="+73"/>
        <location line="+147"/>
        <location line="+11"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation>Overdracht door gebruiker afgebroken</translation>
    </message>
    <message>
        <location line="-134"/>
        <source>Verbindung mit dem Gerät verloren</source>
        <translation>Verbinding met het apparaat verloren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+123"/>
        <source>Übertragung abgebrochen, zu viele Fehler</source>
        <translation>Overdracht afgebroken, te veel fouten</translation>
    </message>
    <message>
        <location line="-119"/>
        <source>Projekt exportieren</source>
        <translation>Project exporteren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Projekt importieren</source>
        <translation>Project importeren</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Projekt kopieren APP → Uhr</source>
        <translation>Project kopiëren app → klok</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Schaltzeiten kopieren APP → Uhr</source>
        <translation>Schakeltijden kopiëren app → klok</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Importiertes Projekt benennen:</source>
        <translation>Naam van het geïmporteerde project:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Abbruch</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Schließen</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="+100"/>
        <source>Die Übertragung ist nicht möglich: das Gerätemodell oder der Bluetooth-Dienst fehlt.</source>
        <translation>De overdracht is niet mogelijk: het apparaatmodel of de Bluetooth-dienst ontbreekt.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Kein Projekt zum Übertragen.</source>
        <translation>Geen project om over te dragen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Projekt konnte nicht gelesen werden.</source>
        <translation>Het project kon niet worden gelezen.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Der Projektname konnte nicht geschrieben werden: %1</source>
        <translation>De projectnaam kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Der aktive Speicherbereich des Geräts konnte nicht gelesen werden.</source>
        <translation>Het actieve geheugengebied van het apparaat kon niet worden gelezen.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+65"/>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="+118"/>
        <source>Das Gerät enthält jetzt kein gültiges Programm. Übertragen Sie das Projekt erneut.</source>
        <translation>Het apparaat bevat nu geen geldig programma. Draag het project opnieuw over.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="-48"/>
        <source>Das gelesene Projekt konnte nicht gespeichert werden.</source>
        <translation>Het gelezen project kon niet worden opgeslagen.</translation>
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
        <translation>uu:mm</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+6"/>
        <source>Erster</source>
        <translation>Eerste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zweiter</source>
        <translation>Tweede</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dritter</source>
        <translation>Derde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vierter</source>
        <translation>Vierde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzter</source>
        <translation>Laatste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>jeden Monat</source>
        <translation>elke maand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Januar</source>
        <translation>in januari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Februar</source>
        <translation>in februari</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im März</source>
        <translation>in maart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im April</source>
        <translation>in april</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Mai</source>
        <translation>in mei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Juni</source>
        <translation>in juni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Juli</source>
        <translation>in juli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im August</source>
        <translation>in augustus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im September</source>
        <translation>in september</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Oktober</source>
        <translation>in oktober</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im November</source>
        <translation>in november</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Dezember</source>
        <translation>in december</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Festes Datum</source>
        <translation>Vaste datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festes Datum jedes Jahr</source>
        <translation>Vaste datum elk jaar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-312"/>
        <source>Osterregel</source>
        <translation>Paasregel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reihe von Tagen</source>
        <translation>Reeks dagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regel für Wochentage</source>
        <translation>Regel voor weekdagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+6"/>
        <source>Chinesisches Neujahr</source>
        <translation>Chinees Nieuwjaar</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramViewList.qml" line="+66"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeTable.qml" line="+145"/>
        <source>Dieses Gerät unterstützt nicht alle Daten.
Einige Daten wurden nicht übertragen.</source>
        <translation>Dit apparaat ondersteunt niet alle gegevens.
Sommige gegevens zijn niet overgedragen.</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateTableFooter.qml" line="+46"/>
        <source>Neu</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateTableHeader.qml" line="-59"/>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation>Soort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ende</source>
        <translation>Einde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dauer</source>
        <translation>Duur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wiederholung</source>
        <translation>Herhaling</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hinweis / Fehler</source>
        <translation>Opmerking / fout</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Auswahl löschen</source>
        <translation>Selectie verwijderen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tage Stunden</source>
        <translation>Dagen uren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nach ... Tagen</source>
        <translation>Na ... dagen</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/datepicker/CalendarList.qml" line="+31"/>
        <source>Jahr auswählen</source>
        <translation>Jaar kiezen</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-4"/>
        <source>Serienmuster</source>
        <translation>Reekspatroon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentagsregel</source>
        <translation>Weekdagregel</translation>
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
        <translation>van</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An</source>
        <translation>tot</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nachtschaltung</source>
        <translation>Nachtschakeling</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tag-Einschaltung</source>
        <translation>Dagschakeling aan</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-25"/>
        <location filename="../../app/settings/daysetting.cpp" line="+10"/>
        <source>Montag</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Dienstag</source>
        <translation>Dinsdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Mittwoch</source>
        <translation>Woensdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Donnerstag</source>
        <translation>Donderdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Freitag</source>
        <translation>Vrijdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Samstag</source>
        <translation>Zaterdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Sonntag</source>
        <translation>Zondag</translation>
    </message>
</context>
<context>
    <name>Device info</name>
    <message>
        <location filename="../../platform/devices/src/deviceservice.cpp" line="+108"/>
        <source>Wochenschaltuhr</source>
        <translation>Weekschakelklok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresschaltuhr</source>
        <translation>Jaarschakelklok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astro-Schaltuhr</source>
        <translation>Astroschakelklok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation>Schemerschakelaar</translation>
    </message>
</context>
<context>
    <name>DeviceInfo</name>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="+20"/>
        <source>Kanäle</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programme</source>
        <translation>Programma&apos;s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speicherplätze</source>
        <translation>Geheugenplaatsen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Externe Eingänge</source>
        <translation>Externe ingangen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme mit Schaltzeiten</source>
        <translation>Speciale programma&apos;s met schakeltijden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrentyp</source>
        <translation>Kloktype</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresprogramm</source>
        <translation>Jaarprogramma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls</source>
        <translation>Puls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklus</source>
        <translation>Cyclus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Earth Hour</source>
        <translation>Earth Hour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erweiterungsmodul</source>
        <translation>Uitbreidingsmodule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internes Bluetooth-Modul</source>
        <translation>Interne Bluetooth-module</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone einstellbar</source>
        <translation>Tijdzone instelbaar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation>Schemerschakelaar</translation>
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
        <translation>Kanaal</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/directcommands/HolidaySection.qml" line="+70"/>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+27"/>
        <source>Status</source>
        <comment>Holiday state</comment>
        <translation>Toestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+6"/>
        <source>Modus</source>
        <comment>Mode auto, on, off...</comment>
        <translation>Modus</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="+58"/>
        <source>Betriebsstunden</source>
        <translation>Bedrijfsuren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Serviceintervall</source>
        <translation>Service-interval</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aktueller Luxwert</source>
        <translation>Huidige luxwaarde</translation>
    </message>
    <message>
        <location filename="../../app/device/directcommandinfo.cpp" line="-20"/>
        <source>Auto</source>
        <comment>Mode of the channel</comment>
        <translation>Automatisch</translation>
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
        <translation>Cyclus</translation>
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
        <translation>Vakantie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung</source>
        <comment>Mode of the channel</comment>
        <translation>Handbediening</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer</source>
        <comment>Mode of the channel</comment>
        <translation>Continu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer (extern)</source>
        <comment>Mode of the channel</comment>
        <translation>Continu (extern)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Externer Treppenlichtzeitautomat aktiv</source>
        <comment>Mode of the channel</comment>
        <translation>Externe trappenhuisautomaat actief</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kanalverriegelung</source>
        <comment>Mode of the channel</comment>
        <translation>Kanaalvergrendeling</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/CommandRow.qml" line="+11"/>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="+90"/>
        <source>Senden</source>
        <comment>Button label</comment>
        <translation>Verzenden</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="-69"/>
        <source>Datum / Uhrzeit</source>
        <comment>Section title</comment>
        <translation>Datum / tijd</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Zeitzone</source>
        <translation>Tijdzone</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Systemzeit</source>
        <translation>Systeemtijd</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Individuelle Zeit</source>
        <translation>Eigen tijd</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/DirectCommandsItem.qml" line="-68"/>
        <location line="+8"/>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="-27"/>
        <location line="+20"/>
        <location filename="../../qml/app/views/SensorAffectationView.qml" line="+27"/>
        <source>Sensorzuordnung</source>
        <translation>Sensortoewijzing</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Maximale Anzahl der anschließbaren Lichtsensoren (4) überschritten</source>
        <translation>Maximaal aantal aansluitbare lichtsensoren (4) overschreden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sensorfehler</source>
        <translation>Sensorfout</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 SN: %2</source>
        <translation>%1 SN: %2</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Firmware-Version:</source>
        <translation>Firmwareversie:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software Version Gerät</source>
        <translation>Softwareversie apparaat</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/HolidaySection.qml" line="-13"/>
        <source>Ferienprogramm</source>
        <translation>Vakantieprogramma</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Beginn</source>
        <translation>Begin</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Ende</source>
        <translation>Einde</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="-74"/>
        <source>Manueller Befehl</source>
        <translation>Handmatige opdracht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Handschaltung stoppen</source>
        <translation>Handbediening stoppen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handschaltung</source>
        <translation>Handbediening</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dauer Ein stoppen</source>
        <comment>Channel mode</comment>
        <translation>Continu aan stoppen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-44"/>
        <location line="+12"/>
        <source>Dauer Ein</source>
        <comment>Channel mode</comment>
        <translation>Continu aan</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dauer Aus stoppen</source>
        <comment>Channel mode</comment>
        <translation>Continu uit stoppen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-11"/>
        <location line="+12"/>
        <source>Dauer Aus</source>
        <comment>Channel mode</comment>
        <translation>Continu uit</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Zufall</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="+1"/>
        <source>Bearbeiten</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/SensorAffectationTable.qml" line="+35"/>
        <source>Luxwert</source>
        <translation>Luxwaarde</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Blinken</source>
        <translation>Knipperen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kanal %1 aktivieren </source>
        <translation>Kanaal %1 activeren </translation>
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
        <translation>Paaszondag</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+13"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+13"/>
        <source>%1 Tag(e) vor Ostersonntag</source>
        <translation>
            <numerusform>%1 dag voor Paaszondag</numerusform>
            <numerusform>%1 dagen voor Paaszondag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>%1 Tag(e) nach Ostersonntag</source>
        <translation>
            <numerusform>%1 dag na Paaszondag</numerusform>
            <numerusform>%1 dagen na Paaszondag</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-17"/>
        <source>Karfreitag</source>
        <translation>Goede Vrijdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-16"/>
        <source>1 Tag vor Ostersonntag</source>
        <translation>1 dag voor Paaszondag</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+4"/>
        <source>Ostermontag</source>
        <translation>Paasmaandag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Christi Himmelfahrt</source>
        <translation>Hemelvaartsdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Pfingstsonntag</source>
        <translation>Pinksterzondag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Pfingstmontag</source>
        <translation>Pinkstermaandag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Fronleichnam</source>
        <translation>Sacramentsdag</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-14"/>
        <source>Karfreitag</source>
        <comment>Karfreitag</comment>
        <translation>Goede Vrijdag</translation>
    </message>
</context>
<context>
    <name>Edit project</name>
    <message>
        <location filename="../../qml/app/views/ProjectContentView.qml" line="+30"/>
        <source>Neues Projekt</source>
        <translation>Nieuw project</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Öffnen</source>
        <translation>Openen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Speichern</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>TARVINO rix2/rix3 lezen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation>Programma TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Direkte Befehle</source>
        <translation>Directe opdrachten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E-Mail</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Drucken</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Druckvorschau</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+79"/>
        <source>Einstellungen Gerät</source>
        <comment>Tab title</comment>
        <translation>Apparaatinstellingen</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="+35"/>
        <source>Programm</source>
        <translation>Programma</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="-98"/>
        <source>Einstellungen Gerät</source>
        <translation>Apparaatinstellingen</translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/ToolBarFunctions.qml" line="+66"/>
        <source>Wollen Sie das Schaltprogramm wirklich optimieren?</source>
        <translation>Wilt u het schakelprogramma echt optimaliseren?</translation>
    </message>
</context>
<context>
    <name>Edit switch time</name>
    <message>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="+51"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-65"/>
        <source>Zeit</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SonderProgramTypePopup.qml" line="+22"/>
        <source>Feiertagsregeln anwenden..</source>
        <translation>Feestdagenregels toepassen..</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Typ auswählen</source>
        <translation>Soort kiezen</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="-12"/>
        <source>Ersteller</source>
        <translation>Maker</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Astro</source>
        <translation>Astro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kanal %1</source>
        <translation>Kanaal %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Titel:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beschreibung:</source>
        <translation>Beschrijving:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gerät:</source>
        <translation>Apparaat:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dateiname:</source>
        <translation>Bestandsnaam:</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+3"/>
        <source>Adresse:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-43"/>
        <source>Fix</source>
        <translation>Vast</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+102"/>
        <source>Astroprogramm</source>
        <translation>Astroprogramma</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Zyklus Impuls</source>
        <translation>Cyclus puls</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Schaltungen:</source>
        <translation>Schakelingen:</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Datum Bereich:</source>
        <translation>Datumbereik:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>R %1d</source>
        <comment>R for repeat, d for days</comment>
        <translation>H %1 d</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+76"/>
        <source>12 h</source>
        <translation>12 uur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>24 h</source>
        <translation>24 uur</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Orthodoxe Kirche</source>
        <translation>Orthodoxe Kerk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Winter ► Sommer</source>
        <translation>Winter ► zomer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sommer ► Winter</source>
        <translation>Zomer ► winter</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Taster</source>
        <translation>Drukknop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schalter</source>
        <translation>Schakelaar</translation>
    </message>
</context>
<context>
    <name>Extra program</name>
    <message>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-153"/>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+67"/>
        <source>Ende muss nach dem Beginn liegen</source>
        <translation>Het einde moet na het begin liggen</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+2"/>
        <source>Start und Ende müssen sich unterscheiden</source>
        <translation>Begin en einde moeten verschillen</translation>
    </message>
    <message>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+2"/>
        <source>Überschneidung nicht zulässig</source>
        <translation>Overlapping niet toegestaan</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-12"/>
        <source>Schaltzeiten von Zusatzprogrammen werden nur ausgeführt, wenn Datumsbereiche angegeben sind.</source>
        <translation>Schakeltijden van aanvullende programma&apos;s worden alleen uitgevoerd als er datumbereiken zijn opgegeven.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bei den folgenden Zusatzprogrammen im Projekt fehlen Datumsbereiche:</source>
        <translation>Bij de volgende aanvullende programma&apos;s in het project ontbreken datumbereiken:</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramTypeToolbar.qml" line="+32"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableFooter.qml" line="+8"/>
        <source>Feiertagsset übernehmen</source>
        <translation>Feestdagenset overnemen</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+42"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-334"/>
        <source>Fixes Datum jedes Jahr</source>
        <translation>Vaste datum elk jaar</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram1Header.qml" line="+50"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOff.qml" line="+44"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+50"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+85"/>
        <location line="+103"/>
        <source>Schaltprogramm</source>
        <translation>Schakelprogramma</translation>
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
        <translation>Aan</translation>
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
        <translation>Uit</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram1AstroHeader.qml" line="+19"/>
        <source>Schalten Nacht/Tag</source>
        <translation>Schakelen nacht/dag</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+17"/>
        <source>Luxwerte</source>
        <translation>Luxwaarden</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/extraprograms/SonderProgramNoctaEditionRow.qml" line="+19"/>
        <source>Lux Ein</source>
        <translation>Lux aan</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramNoctaEditionRow.qml" line="+10"/>
        <source>Lux Aus</source>
        <translation>Lux uit</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Edition.qml" line="+61"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-101"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-81"/>
        <source>Typ</source>
        <translation>Soort</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+42"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+6"/>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+18"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+9"/>
        <source>Ende</source>
        <translation>Einde</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Header.qml" line="+29"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-70"/>
        <source>Dauer Ein</source>
        <translation>Continu aan</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+0"/>
        <source>Dauer Aus</source>
        <translation>Continu uit</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramAstroEditionRow.qml" line="+50"/>
        <source>Startzeit</source>
        <translation>Starttijd</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+7"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDateEditionRow.qml" line="+67"/>
        <location filename="../../qml/app/extraprograms/SonderProgramEditionRow.qml" line="+20"/>
        <source> (hh:mm)</source>
        <translation> (uu:mm)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+46"/>
        <location line="+10"/>
        <source>Dauer bis</source>
        <translation>Duur tot</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramHolidays.qml" line="+33"/>
        <source>Ferien-Einstellung</source>
        <translation>Vakantie-instelling</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+0"/>
        <source>Fixes Datum</source>
        <translation>Vaste datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osterregel</source>
        <translation>Paasregel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reihe von Tagen</source>
        <translation>Reeks dagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regel für Wochentage</source>
        <translation>Regel voor weekdagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinesisches Neujahr</source>
        <translation>Chinees Nieuwjaar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feiertage</source>
        <translation>Feestdagen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nacht</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tag</source>
        <translation>Dag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Einschalten</source>
        <translation>%1 inschakeling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Ausschalten</source>
        <translation>%1 uitschakeling</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-6"/>
        <source>Sonderprogramm %1</source>
        <translation>Speciaal programma %1</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Wiederholung</source>
        <translation>Herhaling</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+33"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-47"/>
        <source>Dauer</source>
        <translation>Duur</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Nach ... Tagen</source>
        <translation>Na ... dagen</translation>
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
        <translation>Tijdstip</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+1"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederholen nach...</source>
        <translation>Herhalen na...</translation>
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
        <translation>Verwijderen</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <location filename="../../qml/components/FilePicker.qml" line="-17"/>
        <source>Durchsuchen</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datei auswählen</source>
        <translation>Bestand kiezen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Öffnen</source>
        <translation>Openen</translation>
    </message>
    <message>
        <location filename="../../qml/components/NotImplementedYetPopUp.qml" line="+6"/>
        <source>Diese Funktion ist noch nicht verfügbar.</source>
        <translation>Deze functie is nog niet beschikbaar.</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ErrorPopUp.qml" line="+7"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-16"/>
        <source>Fehler</source>
        <translation>Fout</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+15"/>
        <source>Bestätigung</source>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/AppToolBar.qml" line="+95"/>
        <source>Zurück</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-3"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-4"/>
        <source>Warnung</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Möchten Sie trotzdem mit der Programmierung fortfahren?</source>
        <translation>Wilt u toch doorgaan met programmeren?</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+1"/>
        <source>Ihr Projekt enthält ungespeicherte Änderungen.</source>
        <translation>Uw project bevat niet-opgeslagen wijzigingen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen speichern</source>
        <translation>Wijzigingen opslaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen ignorieren</source>
        <translation>Wijzigingen negeren</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+143"/>
        <source>Jede Auswahl aufheben</source>
        <translation>Selectie opheffen</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+0"/>
        <source>Alle auswählen</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <location filename="../../qml/MainWindow.qml" line="+200"/>
        <source>Es gab nichts zu schreiben.</source>
        <translation>Er was niets om te schrijven.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Het bestand &quot;%1&quot; kon niet worden geschreven.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Die Änderungen konnten nicht gespeichert werden: %1</source>
        <translation>De wijzigingen konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+119"/>
        <source>Druckvorschau</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="+7"/>
        <source>Schreiben</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-166"/>
        <source>24 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation>24 uur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation>12 uur</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Montag</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dienstag</source>
        <translation>Dinsdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mittwoch</source>
        <translation>Woensdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Donnerstag</source>
        <translation>Donderdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freitag</source>
        <translation>Vrijdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Samstag</source>
        <translation>Zaterdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonntag</source>
        <translation>Zondag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jeden Tag</source>
        <translation>Elke dag</translation>
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
        <translation>Uit</translation>
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
        <translation>Aan</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-89"/>
        <source>Zufall 1</source>
        <translation>Willekeurig 1</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-2"/>
        <source>Zufall 2</source>
        <translation>Willekeurig 2</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Beenden Timer</source>
        <translation>Timer beëindigen</translation>
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
        <translation>%1 u</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Puls Ein</source>
        <translation>Puls aan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls aus</source>
        <translation>Puls uit</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+32"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+6"/>
        <source>Zyklus</source>
        <translation>Cyclus</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+25"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+39"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-3"/>
        <source>Fix Ein</source>
        <translation>Vast aan</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+0"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-1"/>
        <source>Fix Aus</source>
        <translation>Vast uit</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Einschalten</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ausschalten</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Auswählen</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ein+Aus</source>
        <translation>Aan+uit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Ein</source>
        <translation>Puls aan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Aus</source>
        <translation>Puls uit</translation>
    </message>
    <message>
        <location line="+157"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-12"/>
        <source>Ausschneiden</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramView.qml" line="-17"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+10"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="-20"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <source>Kopieren</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+9"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="+7"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="+12"/>
        <source>Einfügen</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+9"/>
        <location filename="../../qml/app/views/SwitchTimeEditionView.qml" line="+28"/>
        <source>Bearbeiten</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableSwitchControl.qml" line="+30"/>
        <source>EIN</source>
        <translation>AAN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AUS</source>
        <translation>UIT</translation>
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
        <translation>Toepassen tot</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LuxValueHeader.qml" line="+18"/>
        <source>Ein (lux)</source>
        <translation>Aan (lux)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Aus (lux)</source>
        <translation>Uit (lux)</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SwitchStatusPopUp.qml" line="+18"/>
        <source>Typ auswählen</source>
        <translation>Soort kiezen</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-124"/>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+29"/>
        <source>Das Programm dieses Kanals wird gelöscht.</source>
        <translation>Het programma van dit kanaal wordt verwijderd.</translation>
    </message>
    <message>
        <location line="+136"/>
        <location filename="../../app/report/reporttexts.h" line="+6"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-10"/>
        <source>Aktiv</source>
        <translation>Actief</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="-13"/>
        <source>Das Programm für das Erweiterungsmodul wird gelöscht.</source>
        <translation>Het programma voor de uitbreidingsmodule wordt verwijderd.</translation>
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
        <translation>(niets)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+44"/>
        <source>Uhrzeit</source>
        <translation>Tijdstip</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <location line="+18"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Wochentag</source>
        <translation>Weekdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-30"/>
        <location line="+96"/>
        <source>Typ</source>
        <translation>Soort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufsteigend</source>
        <translation>oplopend</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>absteigend</source>
        <translation>aflopend</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sortieren</source>
        <translation>Sorteren</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>zuerst</source>
        <translation>eerst</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>danach</source>
        <translation>daarna</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-187"/>
        <source>Impulsdauer fehlt</source>
        <translation>Pulsduur ontbreekt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zykluspuls fehlt</source>
        <translation>Cycluspuls ontbreekt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zykluspause fehlt</source>
        <translation>Cycluspauze ontbreekt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letzter Tag fehlt</source>
        <translation>Laatste dag ontbreekt</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Start (hh:mm)</source>
        <translation>Begin (uu:mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrzeit (hh:mm:ss)</source>
        <translation>Tijd (uu:mm:ss)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Dauer (mm:ss)</source>
        <translation>Duur (mm:ss)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls (hh:mm:ss)</source>
        <translation>Puls (uu:mm:ss)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pause (hh:mm:ss)</source>
        <translation>Pauze (uu:mm:ss)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-335"/>
        <source>Endlos</source>
        <translation>Eindeloos</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Start und Ende müssen unterschiedlich sein</source>
        <translation>Begin en einde moeten verschillend zijn</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Entfernen</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="-23"/>
        <source>Anwendung</source>
        <translation>Toepassing</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+79"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+338"/>
        <source>Dauer</source>
        <translation>Duur</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+10"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-71"/>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectSettingsView.qml" line="-23"/>
        <source>Projekt-Einstellungen</source>
        <translation>Projectinstellingen</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-123"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+10"/>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name bearbeiten</source>
        <translation>Naam bewerken</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-160"/>
        <location line="+91"/>
        <source>Funktion</source>
        <translation>Functie</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-192"/>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-12"/>
        <source>Automatisch ausfüllen</source>
        <translation>Automatisch invullen</translation>
    </message>
    <message>
        <location line="+76"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+138"/>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ende</source>
        <translation>Einde</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Nur für die Simulation</source>
        <translation>Alleen voor de simulatie</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-2"/>
        <location line="+1"/>
        <location line="+79"/>
        <source>Stunde</source>
        <translation>Uur</translation>
    </message>
    <message>
        <location line="-79"/>
        <source>Woche</source>
        <translation>Week</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monat</source>
        <translation>Maand</translation>
    </message>
    <message>
        <location filename="../../app/report/reporttexts.h" line="+6"/>
        <source>Leer</source>
        <translation>Leeg</translation>
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
        <translation>Maart</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mai</source>
        <translation>Mei</translation>
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
        <translation>Augustus</translation>
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
        <translation>Exporteren</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettings.qml" line="+81"/>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <location filename="../../qml/main.qml" line="+9"/>
        <location filename="../../libs/core/src/languageservice.cpp" line="+77"/>
        <source>LANGUAGE_NAME</source>
        <translation>Nederlands</translation>
    </message>
</context>
<context>
    <name>GlobalSettings</name>
    <message>
        <location filename="../../app/settings/dateformatsetting.cpp" line="+10"/>
        <source>31.12.00 (TT.MM.JJ)</source>
        <translation>31.12.00 (DD.MM.JJ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12/31/00 (MM/TT/JJ)</source>
        <translation>12/31/00 (MM/DD/JJ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>00-12-31 (JJ-MM-TT)</source>
        <translation>00-12-31 (JJ-MM-DD)</translation>
    </message>
    <message>
        <location filename="../../app/settings/timezonesetting.cpp" line="+10"/>
        <source>UTC -11h</source>
        <translation>UTC -11 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -10h</source>
        <translation>UTC -10 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -9h</source>
        <translation>UTC -9 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -8h</source>
        <translation>UTC -8 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -7h</source>
        <translation>UTC -7 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -6h</source>
        <translation>UTC -6 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -5h</source>
        <translation>UTC -5 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -4h</source>
        <translation>UTC -4 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -3h30</source>
        <translation>UTC -3:30 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -3h</source>
        <translation>UTC -3 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -2h</source>
        <translation>UTC -2 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -1h</source>
        <translation>UTC -1 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -0h</source>
        <translation>UTC -0 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +1h</source>
        <translation>UTC +1 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +2h</source>
        <translation>UTC +2 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +3h</source>
        <translation>UTC +3 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +3h30</source>
        <translation>UTC +3:30 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h</source>
        <translation>UTC +4 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h30</source>
        <translation>UTC +4:30 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h</source>
        <translation>UTC +5 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h30</source>
        <translation>UTC +5:30 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h</source>
        <translation>UTC +6 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h30</source>
        <translation>UTC +6:30 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +7h</source>
        <translation>UTC +7 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +8h</source>
        <translation>UTC +8 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +9h</source>
        <translation>UTC +9 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +9h30</source>
        <translation>UTC +9:30 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h</source>
        <translation>UTC +10 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h30</source>
        <translation>UTC +10:30 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h</source>
        <translation>UTC +11 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h30</source>
        <translation>UTC +11:30 u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +12h</source>
        <translation>UTC +12 u</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="-218"/>
        <source>%1 Code(s) wurden entfernt!</source>
        <translation>
            <numerusform>%1 code is verwijderd!</numerusform>
            <numerusform>%1 codes zijn verwijderd!</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-43"/>
        <source>Sprache</source>
        <translation>Taal</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Datumsformat</source>
        <translation>Datumnotatie</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erster Tag der Woche</source>
        <translation>Eerste dag van de week</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Töne</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Vibration</source>
        <translation>Trillen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Synchronisierung von Datum und Uhrzeit</source>
        <translation>Automatische synchronisatie van datum en tijd</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Sprachsynchronisation</source>
        <translation>Automatische taalsynchronisatie</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Verbindungscodes</source>
        <translation>Verbindingscodes</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Modus Fehlerbeseitigung</source>
        <translation>Foutopsporingsmodus</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Software-Update Adresse</source>
        <translation>Adres voor software-updates</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Immer Updates online suchen</source>
        <translation>Altijd online naar updates zoeken</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/GlobalSettingsView.qml" line="+20"/>
        <source>Einstellungen</source>
        <translation>Instellingen</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-275"/>
        <source>Jährlich fest</source>
        <translation>Elk jaar vast</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freie Regel</source>
        <translation>Vrije regel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relativ zum Osten</source>
        <translation>Ten opzichte van Pasen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Relativ zu CNY</source>
        <translation>Ten opzichte van Chinees Nieuwjaar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einmal fest</source>
        <translation>Eenmalig vast</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+27"/>
        <source>Feiertag</source>
        <translation>Feestdag</translation>
    </message>
    <message>
        <location line="+104"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-159"/>
        <source>%1 vor dem %2</source>
        <comment>%1 = day of week, %2 = date</comment>
        <translation>%1 voor %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+1"/>
        <source>%1 nach dem %2</source>
        <comment>%1 = day of week, %2 = date</comment>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Name des Feiertags</source>
        <translation>Naam van de feestdag</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Art des Feiertags</source>
        <translation>Soort feestdag</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Wochentag</source>
        <translation>Weekdag</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+164"/>
        <source>von</source>
        <translation>van</translation>
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
        <translation>Duur</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+0"/>
        <source>bis</source>
        <translation>tot</translation>
    </message>
    <message>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-119"/>
        <source>Sind Sie sicher, dass Sie dieses Feiertagsset dauerhaft löschen möchten?</source>
        <translation>Weet u zeker dat u deze feestdagenset definitief wilt verwijderen?</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+161"/>
        <source>Neu</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <location line="-151"/>
        <source>Kopieren</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+151"/>
        <source>Bearbeiten</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <location line="-141"/>
        <location line="+152"/>
        <source>Entfernen</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location line="-144"/>
        <source>Vordefinierte Sets anzeigen (nicht änderbar)</source>
        <translation>Vooraf ingestelde sets tonen (niet wijzigbaar)</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Für die Richtigkeit aller Angaben wird keine Gewähr übernommen! Für kritische Anwendungen überprüfen Sie bitte die Feiertagsdaten.</source>
        <translation>Voor de juistheid van alle gegevens wordt geen aansprakelijkheid aanvaard! Controleer bij kritische toepassingen de feestdagen.</translation>
    </message>
    <message>
        <location filename="../../qml/app/holidays/NameEdition.qml" line="-13"/>
        <source>Name</source>
        <translation>Naam</translation>
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
        <translation>Nieuw project</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>TARVINO rix2/rix3 lezen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Projekt duplizieren</source>
        <translation>Project dupliceren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekt umbenennen</source>
        <translation>Project hernoemen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekte löschen</source>
        <translation>Projecten verwijderen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Projekt exportieren</source>
        <translation>Project exporteren</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Direkte Befehle</source>
        <translation>Directe opdrachten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Software-Info</source>
        <translation>Software-info</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>FAQ</source>
        <translation>Veelgestelde vragen</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Noch keine Projekte. Legen Sie mit + ein neues Projekt an.</source>
        <translation>Nog geen projecten. Maak met + een nieuw project aan.</translation>
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
        <translation>Geheugenplaatsen</translation>
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
        <translation>Cyclus</translation>
    </message>
</context>
<context>
    <name>Legal</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="+140"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-18"/>
        <source>Geschäftsbedingungen</source>
        <translation>Algemene voorwaarden</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="+5"/>
        <source>Datenschutzrichtlinien</source>
        <translation>Privacybeleid</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-13"/>
        <source>Bitte lesen und akzeptieren Sie die Allgemeinen Geschäftsbedingungen sowie die Datenschutzrichtlinien, bevor Sie die Anwendung nutzen.</source>
        <translation>Lees en accepteer de algemene voorwaarden en het privacybeleid voordat u de toepassing gebruikt.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Ich akzeptiere die Allgemeinen Geschäftsbedingungen und bin über die Datenschutzbestimmungen informiert.</source>
        <translation>Ik accepteer de algemene voorwaarden en ben geïnformeerd over het privacybeleid.</translation>
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
        <translation>Inschakelvertraging</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Verzögerung Aus</source>
        <translation>Uitschakelvertraging</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LightView.qml" line="+13"/>
        <source>Licht</source>
        <translation>Licht</translation>
    </message>
    <message>
        <location line="+28"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+169"/>
        <location line="+55"/>
        <source>Luxwerte</source>
        <translation>Luxwaarden</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-39"/>
        <source>Verzögerungszeit</source>
        <translation>Vertragingstijd</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LuxValuesSetting.qml" line="+60"/>
        <source>Kopieren an allen Tagen</source>
        <translation>Naar alle dagen kopiëren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kopieren an allen Tagen (Ein)</source>
        <translation>Naar alle dagen kopiëren (aan)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren an allen Tagen (Aus)</source>
        <translation>Naar alle dagen kopiëren (uit)</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="+418"/>
        <source>Open File</source>
        <translation>Bestand openen</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Neues Projekt</source>
        <translation>&amp;Nieuw project</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Öffnen</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern unter</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>TARVINO rix2/rix3 lezen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation>Programma TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Direkte Befehle</source>
        <translation>Directe opdrachten</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Senden per E-Mail</source>
        <translation>Verzenden per e-mail</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Drucken</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Druckvorschau</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Ende</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bearbeiten</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rückgängig</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederherstellen</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ausschneiden</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einfügen</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles markieren</source>
        <translation>Alles markeren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Löschen</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sortieren...</source>
        <translation>Sorteren...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Optimieren</source>
        <translation>Optimaliseren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Projekteinstellungen...</source>
        <translation>&amp;Projectinstellingen...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sprache erstellen TARVINO rix2/rix3</source>
        <translation>Taal maken TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Feiertag</source>
        <translation>&amp;Feestdag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;App-Einstellungen...</source>
        <translation>&amp;App-instellingen...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hilfe</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Software-Infos</source>
        <translation>&amp;Software-info</translation>
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
        <translation>Project</translation>
    </message>
</context>
<context>
    <name>New project</name>
    <message>
        <location filename="../../app/controllerbase/exportfiles.cpp" line="+65"/>
        <location filename="../../app/project/projectcreationviewcontroller.cpp" line="+24"/>
        <source>Projekt %1</source>
        <translation>Project %1</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ProjectCreationPopUp.qml" line="+10"/>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+13"/>
        <source>Neues Projekt</source>
        <translation>Nieuw project</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-13"/>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+68"/>
        <source>Gerätetyp</source>
        <translation>Apparaattype</translation>
    </message>
    <message>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+18"/>
        <source>Anzahl Kanäle</source>
        <translation>Aantal kanalen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Modell</source>
        <translation>Model</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Projektname</source>
        <translation>Projectnaam</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Projekt erstellen</source>
        <translation>Project aanmaken</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+6"/>
        <source>Öffnen</source>
        <translation>Openen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>TARVINO rix2/rix3 lezen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Direkte Befehle</source>
        <translation>Directe opdrachten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Gespeicherte Projekte</source>
        <translation>Opgeslagen projecten</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-128"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-7"/>
        <source>Zeitschaltprogramm</source>
        <translation>Tijdschakelprogramma</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+2"/>
        <source>Astroprogramm</source>
        <translation>Astroprogramma</translation>
    </message>
</context>
<context>
    <name>Program settings</name>
    <message>
        <location line="+97"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+12"/>
        <source>Kein So/Wi</source>
        <translation>Geen zomer/winter</translation>
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
        <translation>West-Europa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osteuropa</source>
        <translation>Oost-Europa</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Kanada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>USA</source>
        <translation>VS</translation>
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
        <translation>Laatste</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+4"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-114"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+52"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+101"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+3"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Freie Regel</source>
        <translation>Vrije regel</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+16"/>
        <source>Ferien</source>
        <translation>Vakantie</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Betriebsstunden</source>
        <translation>Bedrijfsuren</translation>
    </message>
    <message>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Festes Datum</source>
        <translation>Vaste datum</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+1"/>
        <location line="+5"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <location line="+23"/>
        <source>Australien</source>
        <translation>Australië</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-32"/>
        <location line="+103"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="-4"/>
        <source>Eigene Regel</source>
        <translation>Eigen regel</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/EditSoWiTable.qml" line="-158"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+2"/>
        <source>Eigene Tabelle</source>
        <translation>Eigen tabel</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Jahr</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+21"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-8"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-7"/>
        <source>Winter &gt; Sommer</source>
        <translation>Winter &gt; zomer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+8"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+1"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+1"/>
        <source>Sommer &gt; Winter</source>
        <translation>Zomer &gt; winter</translation>
    </message>
    <message>
        <location line="+77"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-150"/>
        <source>Automatisch ausfüllen</source>
        <translation>Automatisch invullen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles löschen</source>
        <translation>Alles verwijderen</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-5"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+4"/>
        <source>Neuseeland</source>
        <translation>Nieuw-Zeeland</translation>
    </message>
    <message>
        <location line="-120"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+16"/>
        <source>Nach 1 Minute aus</source>
        <comment>LCD state</comment>
        <translation>Na 1 minuut uit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-1"/>
        <source>Immer Ein</source>
        <comment>LCD state</comment>
        <translation>Altijd aan</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-81"/>
        <source>Standard</source>
        <comment>Easter rule</comment>
        <translation>Normaal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orthodoxe Kirche</source>
        <comment>Easter rule</comment>
        <translation>Orthodoxe Kerk</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inaktiv</source>
        <comment>Channel combination</comment>
        <translation>Inactief</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kanalverriegelung</source>
        <comment>Channel combination</comment>
        <translation>Kanaalvergrendeling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmumschaltung</source>
        <comment>Channel combination</comment>
        <translation>Programma-omschakeling</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../app/report/reporttexts.h" line="-3"/>
        <source>Inaktiv</source>
        <comment>External input</comment>
        <translation>Inactief</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+8"/>
        <source>Taster</source>
        <comment>External input</comment>
        <translation>Drukknop</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+2"/>
        <source>Schalter</source>
        <comment>External input</comment>
        <translation>Schakelaar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Handschaltung</source>
        <comment>Push button</comment>
        <translation>Handbediening</translation>
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
        <translation>Trappenhuisverlichting</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung bis Sonnenereignis</source>
        <comment>Push button</comment>
        <translation>Handbediening tot zonnegebeurtenis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Luxwert übernehmen</source>
        <comment>Push button</comment>
        <translation>Luxwaarde overnemen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Umschalten</source>
        <comment>Push button</comment>
        <translation>Omschakelen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nicht nachschaltbar</source>
        <comment>Staircase light</comment>
        <translation>Niet nastelbaar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachschaltbar</source>
        <comment>Staircase light</comment>
        <translation>Nastelbaar</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>1.</source>
        <comment>Week rule</comment>
        <translation>1e</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.</source>
        <comment>Week rule</comment>
        <translation>2e</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.</source>
        <comment>Week rule</comment>
        <translation>3e</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.</source>
        <comment>Week rule</comment>
        <translation>4e</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzte</source>
        <comment>Week rule</comment>
        <translation>Laatste</translation>
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
        <translation>Signalering op</translation>
    </message>
    <message>
        <location line="-27"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-45"/>
        <source>Betriebsstundenzähler Serviceintervall</source>
        <translation>Bedrijfsurenteller service-interval</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>max. 199.999 h</source>
        <translation>max. 199.999 u</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+6"/>
        <source>Externer Eingang</source>
        <translation>Externe ingang</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Erdstunde</source>
        <translation>Uur van de Aarde</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+16"/>
        <source>Inaktiv</source>
        <comment>Holiday state</comment>
        <translation>Inactief</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+3"/>
        <location line="+31"/>
        <source>Nur Lux</source>
        <translation>Alleen lux</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Ferien</source>
        <comment>External input</comment>
        <translation>Vakantie</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sonderprogramm</source>
        <comment>External input</comment>
        <translation>Speciaal programma</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Inaktiv</source>
        <translation>Inactief</translation>
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
        <translation>Zomer-/winterregel</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+15"/>
        <source>Einstellungen Kanal</source>
        <translation>Kanaalinstellingen</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+59"/>
        <source>Erweiterungsmodul</source>
        <translation>Uitbreidingsmodule</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Kanalfunktion</source>
        <translation>Kanaalfunctie</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Überblick</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="-14"/>
        <location filename="../../qml/app/settings/OptionSettings.qml" line="+15"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-2"/>
        <source>Optionen</source>
        <translation>Opties</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelOverview.qml" line="-67"/>
        <source>Channel Function</source>
        <translation>Kanaalfunctie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Memory Used</source>
        <translation>Gebruikt geheugen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extra Program used</source>
        <translation>Gebruikte speciale programma&apos;s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Holiday</source>
        <translation>Feestdagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External Input</source>
        <translation>Externe ingang</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Signaling To</source>
        <translation>Signalering op</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Service Interval</source>
        <translation>Service-interval</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speicher verwendet</source>
        <translation>Gebruikt geheugen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme benutzt</source>
        <translation>Gebruikte speciale programma&apos;s</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DateTimeSettings.qml" line="-40"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-68"/>
        <source>Zeit/Datum</source>
        <translation>Tijd/datum</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="+10"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+1"/>
        <source>Zeitformat</source>
        <translation>Tijdnotatie</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="-22"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Datumsformat</source>
        <translation>Datumnotatie</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Erster Tag der Woche</source>
        <translation>Eerste dag van de week</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Zeitzone</source>
        <translation>Tijdzone</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/HolidaySettings.qml" line="+118"/>
        <source>Status</source>
        <comment>Holiday status</comment>
        <translation>Toestand</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+51"/>
        <source>Beginn</source>
        <translation>Begin</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+91"/>
        <location line="+67"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+1"/>
        <source>Ende</source>
        <translation>Einde</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/OptionSettings.qml" line="+11"/>
        <source>Kanalkombination</source>
        <translation>Kanaalcombinatie</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+29"/>
        <source>LCD-Beleuchtung</source>
        <translation>LCD-verlichting</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-139"/>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="-16"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="-3"/>
        <source>Eigene Astro Tabelle</source>
        <translation>Eigen astrotabel</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-105"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+50"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+7"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-317"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-49"/>
        <source>Fixes Datum</source>
        <translation>Vaste datum</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="+11"/>
        <source>Edit name</source>
        <translation>Naam bewerken</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-38"/>
        <location line="+109"/>
        <source>Israel</source>
        <translation>Israël</translation>
    </message>
    <message>
        <location line="-67"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+20"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-41"/>
        <source>Woche</source>
        <translation>Week</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+13"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <source>Monat</source>
        <translation>Maand</translation>
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
        <translation>Uur</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+11"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <source>Wochentag</source>
        <translation>Weekdag</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>von</source>
        <translation>van</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettings.qml" line="+1"/>
        <source>Freie Regel wird angewendet</source>
        <translation>Er wordt een vrije regel toegepast</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name bearbeiten</source>
        <translation>Naam bewerken</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tabelle bearbeiten</source>
        <translation>Tabel bewerken</translation>
    </message>
</context>
<context>
    <name>ProgramView</name>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+56"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+91"/>
        <source>Standardprogramm</source>
        <translation>Standaardprogramma</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Header.qml" line="+6"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-9"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+103"/>
        <source>Sonderprogramm %1</source>
        <translation>Speciaal programma %1</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <location filename="../../qml/app/popups/DuplicateProjectPopUp.qml" line="+6"/>
        <source>Projekt duplizieren</source>
        <translation>Project dupliceren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neues Projekt benennen:</source>
        <translation>Naam van het nieuwe project:</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/EditProjectPopUp.qml" line="+10"/>
        <source>Projekt umbenennen:</source>
        <translation>Project hernoemen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bearbeiten</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-201"/>
        <source>Alle Projekte löschen</source>
        <translation>Alle projecten verwijderen</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%1 Projekte löschen</source>
        <translation>
            <numerusform>%1 project verwijderen</numerusform>
            <numerusform>%1 projecten verwijderen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Projekt löschen</source>
        <translation>Project verwijderen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sind Sie sicher, dass Sie das Projekt dauerhaft löschen möchten?</source>
        <translation>Weet u zeker dat u het project definitief wilt verwijderen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie alle Projekte dauerhaft löschen möchten?</source>
        <translation>Weet u zeker dat u alle projecten definitief wilt verwijderen?</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie %1 Projekte dauerhaft löschen möchten?</source>
        <translation>
            <numerusform>Weet u zeker dat u %1 project definitief wilt verwijderen?</numerusform>
            <numerusform>Weet u zeker dat u %1 projecten definitief wilt verwijderen?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+198"/>
        <source>Möchten Sie das Projekt &quot;%1&quot; importieren?</source>
        <translation>Wilt u het project &quot;%1&quot; importeren?</translation>
    </message>
</context>
<context>
    <name>Project Metadata</name>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-9"/>
        <source>Kanal</source>
        <translation>Kanaal</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="-28"/>
        <source>Beschreibung der Kanäle</source>
        <translation>Beschrijving van de kanalen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wird auf dem Gerät angezeigt</source>
        <translation>Wordt op het apparaat weergegeven</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ProjectMetadataSubTab.qml" line="+11"/>
        <source>Projekt</source>
        <comment>Tab title</comment>
        <translation>Project</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Bezeichnung</source>
        <translation>Benaming</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Beschreibung</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dateiname</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Letzte Änderung</source>
        <translation>Laatste wijziging</translation>
    </message>
</context>
<context>
    <name>Project Settings</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+2"/>
        <source>Kunde</source>
        <comment>Tab title</comment>
        <translation>Klant</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/AuthorSubTab.qml" line="+8"/>
        <source>Autor</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <comment>Author&apos;s name</comment>
        <translation>Naam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <comment>Author&apos;s address</comment>
        <translation>Adres</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="-46"/>
        <source>Kanal</source>
        <translation>Kanaal</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ClientSubTab.qml" line="+8"/>
        <source>Kunde</source>
        <translation>Klant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <comment>Customer&apos;s name</comment>
        <translation>Naam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <comment>Customer&apos;s address</comment>
        <translation>Adres</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+58"/>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
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
Verbindingscode: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code für %1</source>
        <translation>Code voor %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Authentifizierung für %1</source>
        <translation>Authenticatie voor %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>OK-Aktivierung am Gerät</source>
        <translation>OK-activering op het apparaat</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Eingabe Authentifizierungscode</source>
        <translation>Authenticatiecode invoeren</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Dies ist Ihr Authentifizierungscode, verwahren Sie ihn sicher!</source>
        <translation>Dit is uw authenticatiecode, bewaar deze veilig!</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Speichern</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-12"/>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="+128"/>
        <source>Abbruch</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Falsches Passwort!</source>
        <translation>Onjuist wachtwoord!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Schaltfläche wurde nicht aktiviert!</source>
        <translation>De knop is niet geactiveerd!</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/InactivityPopUp.qml" line="-6"/>
        <source>Verbindung aufgrund von Inaktivität geschlossen</source>
        <translation>Verbinding gesloten wegens inactiviteit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung wurde aufgrund von Inaktivität geschlossen</source>
        <translation>De verbinding is gesloten wegens inactiviteit</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Wieder anschließen</source>
        <translation>Opnieuw verbinden</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-53"/>
        <source>Sie müssen warten, das Gerät ist aufgrund mehrerer fehlgeschlagener Versuche verriegelt</source>
        <translation>U moet wachten, het apparaat is vergrendeld na meerdere mislukte pogingen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>PIN-Code</source>
        <translation>Pincode</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das Gerät ist PIN-geschützt, bitte geben Sie den PIN-Code ein</source>
        <translation>Het apparaat is met een pincode beveiligd, voer de pincode in</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Falscher PIN-Code!</source>
        <translation>Onjuiste pincode!</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SyncClockPopup.qml" line="-24"/>
        <source>Daten-Synchronisation</source>
        <translation>Gegevenssynchronisatie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bitte wählen Sie aus, welche Daten beim Verbinden mit Uhren synchronisiert werden sollen</source>
        <translation>Kies welke gegevens bij het verbinden met klokken worden gesynchroniseerd</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datum/Uhrzeit-Synchronisation</source>
        <translation>Datum/tijd-synchronisatie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sprach-Synchronisation</source>
        <translation>Taalsynchronisatie</translation>
    </message>
    <message>
        <location filename="../../qml/app/scan/DeviceScan.qml" line="+76"/>
        <source>Geräte suchen</source>
        <translation>Apparaten zoeken</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>Der Bluetooth-Adapter ist deaktiviert, möchten Sie ihn aktivieren?</source>
        <translation>De Bluetooth-adapter is uitgeschakeld, wilt u deze inschakelen?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ihr Gerät verfügt nicht über einen Bluetooth-Adapter oder unterstützt Bluetooth Low Energy nicht.</source>
        <translation>Uw apparaat heeft geen Bluetooth-adapter of ondersteunt geen Bluetooth Low Energy.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth nicht verfügbar</source>
        <translation>Bluetooth niet beschikbaar</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="-101"/>
        <source>Dieses Gerät wird nicht unterstützt!</source>
        <translation>Dit apparaat wordt niet ondersteund!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dieses Gerät ist nicht kompatibel mit dem Projekt, das Sie exportieren möchten!</source>
        <translation>Dit apparaat is niet compatibel met het project dat u wilt exporteren!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>SN: %1</source>
        <translation>SN: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Suche nach Geräten ...</source>
        <translation>Zoeken naar apparaten ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerät gefunden</source>
        <translation>Apparaat gevonden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kein Bluetooth-Gerät gefunden</source>
        <translation>Geen Bluetooth-apparaat gevonden</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Verbinden</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suche</source>
        <translation>Zoeken</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/MainWindow.qml" line="+52"/>
        <source>Ihr Projekt überschreitet die Speicherplätze des Zielgeräts (%1 / %2)</source>
        <translation>
            <numerusform>Uw project overschrijdt de geheugenplaats van het doelapparaat (%1 / %2)</numerusform>
            <numerusform>Uw project overschrijdt de geheugenplaatsen van het doelapparaat (%1 / %2)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/device/lockwait.cpp" line="+19"/>
        <source>aufgrund eines falschen Verbindungscodes verriegelt</source>
        <translation>vergrendeld wegens een onjuiste verbindingscode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufgrund eines falschen PIN-Codes verriegelt</source>
        <translation>vergrendeld wegens een onjuiste pincode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locked</source>
        <translation>vergrendeld</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Das Gerät ist %1, Sie müssen %2 h %3 min %4 s warten</source>
        <translation>Het apparaat is %1, u moet %2 u %3 min %4 s wachten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Das Gerät ist verriegelt, Sie müssen %2 h %3 min %4 s warten</source>
        <translation>Het apparaat is vergrendeld, u moet %2 u %3 min %4 s wachten</translation>
    </message>
</context>
<context>
    <name>SerialCommunication</name>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-86"/>
        <source>Unbekannter Fehler wurde während der Übersetzung in Bytes gemeldet.</source>
        <translation>Bij de omzetting naar bytes is een onbekende fout gemeld.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File couldn&apos;t be written.</source>
        <translation>Het bestand kon niet worden geschreven.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File doesn&apos;t exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Sprachdatei ist beschädigt oder passt nicht in den Speicher des Geräts.</source>
        <translation>Het taalbestand is beschadigd of past niet in het geheugen van het apparaat.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-64"/>
        <source>Fehler</source>
        <translation>Fout</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Fehler beim Schreiben der Sprache. Zugriff auf Flash nicht möglich.</source>
        <translation>Fout bij het schrijven van de taal. Geen toegang tot het flashgeheugen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-9"/>
        <source>Tarvino rix2/3 scheint im Fehlerzustand zu sein.</source>
        <translation>Tarvino rix2/3 lijkt in een foutstatus te zijn.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht ausgeschaltet werden.</source>
        <translation>De led kon niet worden uitgeschakeld.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht eingeschaltet werden.</source>
        <translation>De led kon niet worden ingeschakeld.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geschlossen werden.</source>
        <translation>De poort kon niet worden gesloten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geöffnet werden, überprüfen Sie die Verbindung.</source>
        <translation>De poort kon niet worden geopend, controleer de verbinding.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port wurde nicht gefunden, überprüfen Sie die Verbindung.</source>
        <translation>De poort is niet gevonden, controleer de verbinding.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-14"/>
        <source>Übertragung läuft...</source>
        <translation>Overdracht bezig...</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auswahl der Gerätesprache</source>
        <translation>Keuze van de apparaattaal</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+41"/>
        <source>Übertragung abgeschlossen</source>
        <translation>Overdracht voltooid</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Eine andere Übertragung läuft. Warten Sie, bis sie beendet ist.</source>
        <translation>Er loopt een andere overdracht. Wacht tot deze klaar is.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-37"/>
        <source>Programm kann nicht gelesen werden. Leerer Flash.</source>
        <translation>Programma kan niet worden gelezen. Leeg flashgeheugen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Sprachdatei im Flash.</source>
        <translation>Programma kan niet worden gelezen. Taalbestand in het flashgeheugen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden.</source>
        <translation>Programma kan niet worden gelezen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Ungültige Daten im Flash.</source>
        <translation>Programma kan niet worden gelezen. Ongeldige gegevens in het flashgeheugen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehler beim Programmschreiben. Zugriff auf Flash nicht möglich.</source>
        <translation>Fout bij het schrijven van het programma. Geen toegang tot het flashgeheugen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Operation abgebrochen.</source>
        <translation>Bewerking afgebroken.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Serielle Übertragung</source>
        <translation>Seriële overdracht</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+59"/>
        <source>Programm von serieller Schnittstelle lesen</source>
        <translation>Programma via seriële poort lezen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Projekt kann nicht exportiert werden mit Fehler</source>
        <translation>Project kan niet worden geëxporteerd, fout</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Programm seriell schreiben</source>
        <translation>Programma via seriële poort schrijven</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../../qml/app/popups/ResetSettingsPopUp.qml" line="+18"/>
        <source>Reset-Einstellungen</source>
        <translation>Reset-instellingen</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="-22"/>
        <source>Das verbundene Gerät befindet sich im Reset-Modus, bitte geben Sie diese Einstellungen vor der Verwendung ein.</source>
        <comment>Reset mode text</comment>
        <translation>Het verbonden apparaat staat in de resetmodus, voer deze instellingen in voordat u het gebruikt.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zeit/Datum</source>
        <translation>Tijd/datum</translation>
    </message>
    <message>
        <location filename="../../app/device/resetteddeviceviewcontroller.cpp" line="+115"/>
        <source>Die Antwort des Geräts ist unverständlich.</source>
        <translation>Het antwoord van het apparaat is onbegrijpelijk.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Die Einstellungen des Geräts konnten nicht gelesen werden: %1</source>
        <translation>De instellingen van het apparaat konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation>Het apparaat heeft de gegevens niet aangenomen.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Die Einstellungen konnten nicht an das Gerät gesendet werden: %1</source>
        <translation>De instellingen konden niet naar het apparaat worden verzonden: %1</translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="-126"/>
        <source>Schweiz</source>
        <translation>Zwitserland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schweden</source>
        <translation>Zweden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deutschland</source>
        <translation>Duitsland</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Build-Version</source>
        <translation>Buildversie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Adresse</source>
        <translation>Adres</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Webseite</source>
        <translation>Website</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Software-Informationen</source>
        <translation>Software-informatie</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/LicenseView.qml" line="+11"/>
        <source>Lizenzen</source>
        <translation>Licenties</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Folgende Qt-Module und externe Bibliotheken wurden werwendet:</source>
        <translation>De volgende Qt-modules en externe bibliotheken zijn gebruikt:</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/SoftwareInfoView.qml" line="+14"/>
        <source>Software-Info</source>
        <translation>Software-info</translation>
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
        <translation>Ontbrekende weekdagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Dauer</source>
        <translation>Ontbrekende duur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulsüberschneidungen</source>
        <translation>Overlappende pulsen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulse über Mitternacht</source>
        <translation>Pulsen over middernacht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Impulsdauer</source>
        <translation>Ontbrekende pulsduur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Pause</source>
        <translation>Ontbrekende pauze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklusüberschneidungen</source>
        <translation>Overlappende cycli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identischer Anfang und Ende</source>
        <translation>Begin en einde identiek</translation>
    </message>
</context>
<context>
    <name>SwitchTimeTable</name>
    <message>
        <location line="-30"/>
        <source>Typ auswählen</source>
        <comment>Error message</comment>
        <translation>Soort kiezen</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+1"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+5"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-224"/>
        <source>Schaltzeit</source>
        <translation>Schakeltijd</translation>
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
        <translation>Cyclus</translation>
    </message>
    <message>
        <location line="+90"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-10"/>
        <location line="+20"/>
        <source>Ende</source>
        <translation>Einde</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+1"/>
        <source>Endlos</source>
        <translation>Eindeloos</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+27"/>
        <location filename="../../qml/app/views/SwitchTimeEditionView.qml" line="+0"/>
        <source>Neu</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+254"/>
        <location line="+95"/>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation>Soort</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="-34"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-94"/>
        <source>Status</source>
        <translation>Toestand</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <source>Zeit</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentag</source>
        <translation>Weekdag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hinweis / Fehler</source>
        <translation>Opmerking / fout</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Auswahl löschen</source>
        <translation>Selectie verwijderen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-12"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+8"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-3"/>
        <source>hh:mm:ss</source>
        <translation>uu:mm:ss</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+7"/>
        <source>Dauer bis
mm:ss</source>
        <translation>Duur tot
mm:ss</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Puls
hh:mm:ss</source>
        <translation>Puls
uu:mm:ss</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause
hh:mm:ss</source>
        <translation>Pauze
uu:mm:ss</translation>
    </message>
</context>
<context>
    <name>ToolBarMenu</name>
    <message>
        <location filename="../../qml/app/toolbars/ToolBarMenu.qml" line="+26"/>
        <source>Direktbefehle / Gerätestatus</source>
        <translation>Directe opdrachten / Apparaatstatus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einstellungen</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software-Info</source>
        <translation>Software-info</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <location filename="../../qml/MainWindow.qml" line="-96"/>
        <source>Software aktualisieren</source>
        <translation>Software bijwerken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist eine neue Version verfügbar, möchten Sie diese installieren?</source>
        <translation>Er is een nieuwe versie beschikbaar, wilt u deze installeren?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installieren</source>
        <translation>Installeren</translation>
    </message>
</context>
<context>
    <name>Week rules</name>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-170"/>
        <source>Erster</source>
        <translation>Eerste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zweiter</source>
        <translation>Tweede</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dritter</source>
        <translation>Derde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vierter</source>
        <translation>Vierde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzter</source>
        <translation>Laatste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>jeden Monat</source>
        <translation>elke maand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Januar</source>
        <translation>in januari</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Februar</source>
        <translation>in februari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im März</source>
        <translation>in maart</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im April</source>
        <translation>in april</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Mai</source>
        <translation>in mei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Juni</source>
        <translation>in juni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Juli</source>
        <translation>in juli</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im August</source>
        <translation>in augustus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im September</source>
        <translation>in september</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Oktober</source>
        <translation>in oktober</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im November</source>
        <translation>in november</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Dezember</source>
        <translation>in december</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="-170"/>
        <source>TARVINO rix2/rix3-Datei speichern</source>
        <translation>TARVINO rix2/rix3-bestand opslaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TARVINO rix2/rix3-Datei (*.ot2)</source>
        <translation>TARVINO rix2/rix3-bestand (*.ot2)</translation>
    </message>
    <message>
        <location filename="../../qml/app/menus/DesktopMenu.qml" line="-84"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-60"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+44"/>
        <source>Exportieren</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+1"/>
        <source>CSV UTF-8 (kommagetrennt) (*.csv)</source>
        <translation>CSV UTF-8 (door komma&apos;s gescheiden) (*.csv)</translation>
    </message>
</context>
<context>
    <name>devices::EepromService</name>
    <message>
        <location filename="../../platform/devices/src/eepromservice.cpp" line="+304"/>
        <source>Das Gerätemodell ist unbekannt.</source>
        <translation>Het apparaatmodel is onbekend.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Projekt hat mehr Schaltzeiten und Datumsbereiche, als das Gerät aufnehmen kann.</source>
        <translation>Het project bevat meer schakeltijden en datumbereiken dan het apparaat kan bevatten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild ist unvollständig.</source>
        <translation>Het geheugenbeeld is onvolledig.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Gerätespeicher ist leer.</source>
        <translation>Het geheugen van het apparaat is leeg.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Gerätespeicher enthält eine Gerätesprache, kein Projekt.</source>
        <translation>Het geheugen van het apparaat bevat een apparaattaal, geen project.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Daten sind kein Speicherabbild eines Projekts.</source>
        <translation>De gegevens zijn geen geheugenbeeld van een project.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild gehört zu einem anderen Gerätemodell.</source>
        <translation>Het geheugenbeeld hoort bij een ander apparaatmodel.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild ist beschädigt.</source>
        <translation>Het geheugenbeeld is beschadigd.</translation>
    </message>
</context>
</TS>
