<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="de">
<context>
    <name>Astro</name>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="+143"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+336"/>
        <source>Startzeitpunkt</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dauer bis</source>
        <translation>Durata fino a</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Ende (hh:mm)</source>
        <translation>Fine (hh:mm)</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+35"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+21"/>
        <source>Impuls Ein</source>
        <translation>Impulso acceso</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+1"/>
        <source>Impuls Aus</source>
        <translation>Impulso spento</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="-4"/>
        <source>Fix Ein</source>
        <translation>Fisso acceso</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+0"/>
        <source>Fix Aus</source>
        <translation>Fisso spento</translation>
    </message>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+58"/>
        <source>Standort</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breitengrad</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Längengrad</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Land</source>
        <translation>Paese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stadt</source>
        <translation>Città</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ausschaltzeit</source>
        <translation>Ora di spegnimento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Einschaltzeit</source>
        <translation>Ora di accensione</translation>
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
        <translation>UTC %1 h</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DateTimeSettings.qml" line="+53"/>
        <source>Osterregel</source>
        <translation>Regola di Pasqua</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="-16"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+171"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-106"/>
        <source>Astro inaktiv</source>
        <translation>Astro inattivo</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+19"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+176"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-19"/>
        <source>Astrotabelle</source>
        <translation>Tabella astronomica</translation>
    </message>
    <message>
        <location line="+57"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+9"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+16"/>
        <source>Sonnenaufgang</source>
        <translation>Alba</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+3"/>
        <source>Abend + Morgen</source>
        <translation>Sera + mattina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Morgen</source>
        <translation>Mattina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abend</source>
        <translation>Sera</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+4"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-20"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+0"/>
        <source>Sonnenuntergang</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dämmerung</source>
        <translation>Crepuscolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dunkelheit</source>
        <translation>Oscurità</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+63"/>
        <source>Kein Astrokanal definiert</source>
        <translation>Nessun canale astronomico definito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astrokanal auf der Registerkarte Geräteeinstellungen aktivieren</source>
        <translation>Attivare un canale astronomico nella scheda Impostazioni dispositivo</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+71"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <source>Astrozeitpunkt</source>
        <translation>Momento astronomico</translation>
    </message>
    <message>
        <location line="+44"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+115"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+7"/>
        <source>Offset Sonnenaufgang</source>
        <translation>Sfasamento alba</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Offset Sonnenuntergang</source>
        <translation>Sfasamento tramonto</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="-9"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+5"/>
        <source>Ein bei Sonnenuntergang + Aus bei Sonnenaufgang</source>
        <translation>Acceso al tramonto + spento all&apos;alba</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Aus bei Sonnenuntergang + Ein bei Sonnenaufgang</source>
        <translation>Spento al tramonto + acceso all&apos;alba</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="+53"/>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+2"/>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Astro-Impuls</source>
        <translation>Impulso astronomico</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+23"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Astromode</source>
        <translation>Modalità astronomica</translation>
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
        <translation>al più presto</translation>
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
        <translation>al più tardi</translation>
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
        <translation>Sfasamento</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Astrozeiten anzeigen</source>
        <translation>Mostra orari astronomici</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+49"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-71"/>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="+56"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-18"/>
        <source>Standort</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+18"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+34"/>
        <source>Koordinaten</source>
        <translation>Coordinate</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+66"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+91"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+11"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="+45"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+2"/>
        <source>Breitengrad</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+13"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+3"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Norden</source>
        <translation>° Nord</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Süden</source>
        <translation>° Sud</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+2"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+3"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+10"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="+6"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Längengrad</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+13"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+3"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Osten</source>
        <translation>° Est</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Westen</source>
        <translation>° Ovest</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sommer-/Winterregel</source>
        <translation>Regola ora legale/solare</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+35"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+25"/>
        <source>Für diesen Ort ist keine Zeitzone bekannt; sie wurde aus dem Längengrad bestimmt.</source>
        <translation>Per questa località non è noto alcun fuso orario; è stato determinato dalla longitudine.</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+22"/>
        <source>Standort bestimmen</source>
        <translation>Determina posizione</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="-10"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-9"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+3"/>
        <source>Länderliste</source>
        <translation>Elenco dei paesi</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="-33"/>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+39"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+7"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+2"/>
        <source>Land</source>
        <translation>Paese</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+14"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+13"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="-12"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Stadt</source>
        <translation>Città</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Aktuelle Position</source>
        <translation>Posizione attuale</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+19"/>
        <location filename="../../qml/app/views/FavoriteLocationsView.qml" line="+18"/>
        <source>Favoriten bearbeiten</source>
        <translation>Modifica preferiti</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+40"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Favoriten</source>
        <translation>Preferiti</translation>
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
        <translation>Fuso orario</translation>
    </message>
    <message>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+8"/>
        <source>Kanal</source>
        <translation>Canale</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-15"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <source>Ausschaltzeit</source>
        <translation>Ora di spegnimento</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+0"/>
        <source>Einschaltzeit</source>
        <translation>Ora di accensione</translation>
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
        <translation>CET belga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norm NBN L 18-001</source>
        <translation>Norma NBN L 18-001</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Overlap not permitted</source>
        <translation>Sovrapposizione non consentita</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="+16"/>
        <source>Sunrise</source>
        <translation>Alba</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="+45"/>
        <source>Eigene Astrotabelle eingeben</source>
        <translation>Inserisci tabella astronomica propria</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="-24"/>
        <source>Nr.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/FavoriteLocationsView.qml" line="+62"/>
        <source>Favorit hinzufügen</source>
        <translation>Aggiungi preferito</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/AstroLocationView.qml" line="+12"/>
        <source>Astro-Standort</source>
        <translation>Posizione astronomica</translation>
    </message>
</context>
<context>
    <name>Bluetooth</name>
    <message>
        <location filename="../../platform/ble/src/qtbluetoothbackend.cpp" line="+100"/>
        <source>Kein Bluetooth-Adapter verfügbar: Die Verbindung mit dem Gerät ist nicht möglich.</source>
        <translation>Nessun adattatore Bluetooth disponibile: impossibile connettersi al dispositivo.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+20"/>
        <location filename="../../platform/ble/src/simulatedbackend.cpp" line="+144"/>
        <source>Das Gerät bietet keinen Tarvino-Dienst an.</source>
        <translation>Il dispositivo non offre alcun servizio Tarvino.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Der Dienst des Geräts antwortet nicht.</source>
        <translation>Il servizio del dispositivo non risponde.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Die Verbindung mit dem Gerät ist fehlgeschlagen: %1</source>
        <translation>La connessione al dispositivo non è riuscita: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Gerät hat die Verbindung beendet.</source>
        <translation>Il dispositivo ha chiuso la connessione.</translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/bleservice.cpp" line="+320"/>
        <source>Die Authentifizierung mit dem Gerät ist fehlgeschlagen.</source>
        <translation>L&apos;autenticazione con il dispositivo non è riuscita.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Der Status des Geräts konnte nicht gelesen werden.</source>
        <translation>Impossibile leggere lo stato del dispositivo.</translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/abstractblerequest.cpp" line="+19"/>
        <source>Das Gerät kennt die Anfrage nicht.</source>
        <translation>Il dispositivo non conosce la richiesta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat ungültige Werte erhalten.</source>
        <translation>Il dispositivo ha ricevuto valori non validi.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Adresse liegt außerhalb des Gerätespeichers.</source>
        <translation>L&apos;indirizzo è al di fuori della memoria del dispositivo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat das Projekt nicht übernommen.</source>
        <translation>Il dispositivo non ha accettato il progetto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät erwartet keine Speicherübertragung.</source>
        <translation>Il dispositivo non attende alcun trasferimento di memoria.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät ist beschäftigt.</source>
        <translation>Il dispositivo è occupato.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät verlangt eine Authentifizierung.</source>
        <translation>Il dispositivo richiede un&apos;autenticazione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät meldet den Fehler %1.</source>
        <translation>Il dispositivo segnala l&apos;errore %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Gerät antwortet nicht.</source>
        <translation>Il dispositivo non risponde.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung mit dem Gerät wurde unterbrochen.</source>
        <translation>La connessione al dispositivo è stata interrotta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist kein Gerät verbunden.</source>
        <translation>Nessun dispositivo connesso.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation>Il dispositivo non ha accettato i dati.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts ist beschädigt.</source>
        <translation>La risposta del dispositivo è danneggiata.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts passt nicht zur Anfrage.</source>
        <translation>La risposta del dispositivo non corrisponde alla richiesta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation>Trasferimento annullato dall&apos;utente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Anfrage kann nicht gesendet werden.</source>
        <translation>Impossibile inviare la richiesta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unbekannter Fehler %1</source>
        <translation>Errore sconosciuto %1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <location filename="../../qml/components/EditableYearPicker.qml" line="+43"/>
        <location filename="../../qml/components/YearPicker.qml" line="+31"/>
        <source>bis</source>
        <translation>fino a</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+181"/>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="+251"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableDelegate.qml" line="+257"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+168"/>
        <source>d</source>
        <translation>g</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+110"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+42"/>
        <source>%1 Tag(e)</source>
        <translation>
            <numerusform>%1 giorno</numerusform>
            <numerusform>%1 giorni</numerusform>
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
        <translation>h</translation>
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
        <translation>Anno</translation>
    </message>
    <message>
        <location filename="../../app/extraprograms/daterangecontroller.cpp" line="+5"/>
        <source>d</source>
        <comment>d for days</comment>
        <translation>g</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>h</source>
        <comment>h for hours</comment>
        <translation>h</translation>
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
        <translation>Indirizzo cloud</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/CloudLoginPopup.qml" line="+52"/>
        <source>Über die Zorvik Cloud anmelden</source>
        <translation>Accedi tramite Zorvik Cloud</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Registrieren</source>
        <translation>Registrati</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+71"/>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+13"/>
        <source>Anmeldedaten merken?</source>
        <translation>Ricordare i dati di accesso?</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+30"/>
        <source>Anmelden</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+22"/>
        <source>Ungültige Anmeldeinformationen.</source>
        <translation>Dati di accesso non validi.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dieses Konto hat keine Geräte, um eine Verbindung herzustellen.</source>
        <translation>Questo account non ha dispositivi a cui connettersi.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+7"/>
        <source>Während der Verbindung ist ein Fehler aufgetreten.</source>
        <translation>Si è verificato un errore durante la connessione.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="-115"/>
        <source>Die Schaltzeiten wurden korrekt im Gerät gespeichert.</source>
        <translation>Gli orari di commutazione sono stati salvati correttamente nel dispositivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Dateiname enthält zu viele Leerzeichen.</source>
        <translation>Il nome del file contiene troppi spazi.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter sind nicht korrekt eingestellt.</source>
        <translation>I parametri non sono impostati correttamente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beim Senden der ot2-Datei ist ein Fehler aufgetreten.</source>
        <translation>Si è verificato un errore durante l&apos;invio del file ot2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upload OT2</source>
        <translation>Caricamento file OT2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verbindung zum Gerät %1</source>
        <translation>Connessione al dispositivo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ot2-Datei senden...</source>
        <translation>Invio del file ot2...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anmelden am Gerät %1</source>
        <translation>Accesso al dispositivo %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Benutzername</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Die Verbindung zum Gerät konnte nicht hergestellt werden.</source>
        <translation>Impossibile stabilire la connessione al dispositivo.</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/CloudDevicesView.qml" line="+22"/>
        <source>Gerät auswählen</source>
        <translation>Seleziona dispositivo</translation>
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
        <translation>Capodanno cinese</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-4"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-2"/>
        <source>%1 Tag(e) vor Chinese NY</source>
        <translation>
            <numerusform>%1 giorno prima del Capodanno cinese</numerusform>
            <numerusform>%1 giorni prima del Capodanno cinese</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <source>%1 Tag(e) nach Chinese NY</source>
        <translation>
            <numerusform>%1 giorno dopo il Capodanno cinese</numerusform>
            <numerusform>%1 giorni dopo il Capodanno cinese</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Communication</name>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-79"/>
        <source>Welches Übertragungsmedium möchten Sie verwenden?</source>
        <translation>Quale mezzo di trasmissione desidera utilizzare?</translation>
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
        <translation>Nessuna connessione seriale o Bluetooth rilevata.</translation>
    </message>
</context>
<context>
    <name>Data exchange</name>
    <message>
        <location filename="../../qml/app/popups/DataExchangePopUp.qml" line="+73"/>
        <location line="+147"/>
        <location line="+11"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation>Trasferimento annullato dall&apos;utente</translation>
    </message>
    <message>
        <location line="-134"/>
        <source>Verbindung mit dem Gerät verloren</source>
        <translation>Connessione al dispositivo persa</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+123"/>
        <source>Übertragung abgebrochen, zu viele Fehler</source>
        <translation>Trasferimento annullato, troppi errori</translation>
    </message>
    <message>
        <location line="-119"/>
        <source>Projekt exportieren</source>
        <translation>Esporta progetto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Projekt importieren</source>
        <translation>Importa progetto</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Projekt kopieren APP → Uhr</source>
        <translation>Copia progetto app → orologio</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Schaltzeiten kopieren APP → Uhr</source>
        <translation>Copia orari app → orologio</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Importiertes Projekt benennen:</source>
        <translation>Nome del progetto importato:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Abbruch</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="+100"/>
        <source>Die Übertragung ist nicht möglich: das Gerätemodell oder der Bluetooth-Dienst fehlt.</source>
        <translation>Il trasferimento non è possibile: manca il modello del dispositivo o il servizio Bluetooth.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Kein Projekt zum Übertragen.</source>
        <translation>Nessun progetto da trasferire.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Projekt konnte nicht gelesen werden.</source>
        <translation>Impossibile leggere il progetto.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Der Projektname konnte nicht geschrieben werden: %1</source>
        <translation>Impossibile scrivere il nome del progetto: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Der aktive Speicherbereich des Geräts konnte nicht gelesen werden.</source>
        <translation>Impossibile leggere l&apos;area di memoria attiva del dispositivo.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+65"/>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="+118"/>
        <source>Das Gerät enthält jetzt kein gültiges Programm. Übertragen Sie das Projekt erneut.</source>
        <translation>Il dispositivo non contiene più un programma valido. Trasferire di nuovo il progetto.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="-48"/>
        <source>Das gelesene Projekt konnte nicht gespeichert werden.</source>
        <translation>Impossibile salvare il progetto letto.</translation>
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
        <translation>hh:mm</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+6"/>
        <source>Erster</source>
        <translation>Primo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zweiter</source>
        <translation>Secondo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dritter</source>
        <translation>Terzo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vierter</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzter</source>
        <translation>Ultimo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>jeden Monat</source>
        <translation>ogni mese</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Januar</source>
        <translation>a gennaio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Februar</source>
        <translation>a febbraio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im März</source>
        <translation>a marzo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im April</source>
        <translation>ad aprile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Mai</source>
        <translation>a maggio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Juni</source>
        <translation>a giugno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Juli</source>
        <translation>a luglio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im August</source>
        <translation>ad agosto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im September</source>
        <translation>a settembre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Oktober</source>
        <translation>a ottobre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im November</source>
        <translation>a novembre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Dezember</source>
        <translation>a dicembre</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Festes Datum</source>
        <translation>Data fissa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festes Datum jedes Jahr</source>
        <translation>Data fissa ogni anno</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-312"/>
        <source>Osterregel</source>
        <translation>Regola di Pasqua</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reihe von Tagen</source>
        <translation>Serie di giorni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regel für Wochentage</source>
        <translation>Regola per i giorni della settimana</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+6"/>
        <source>Chinesisches Neujahr</source>
        <translation>Capodanno cinese</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramViewList.qml" line="+66"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeTable.qml" line="+145"/>
        <source>Dieses Gerät unterstützt nicht alle Daten.
Einige Daten wurden nicht übertragen.</source>
        <translation>Questo dispositivo non supporta tutti i dati.
Alcuni dati non sono stati trasferiti.</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateTableFooter.qml" line="+46"/>
        <source>Neu</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateTableHeader.qml" line="-59"/>
        <source>Nr.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ende</source>
        <translation>Fine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dauer</source>
        <translation>Durata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wiederholung</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hinweis / Fehler</source>
        <translation>Nota / errore</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Auswahl löschen</source>
        <translation>Elimina selezione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tage Stunden</source>
        <translation>Giorni ore</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nach ... Tagen</source>
        <translation>Dopo ... giorni</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/datepicker/CalendarList.qml" line="+31"/>
        <source>Jahr auswählen</source>
        <translation>Seleziona anno</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-4"/>
        <source>Serienmuster</source>
        <translation>Schema di serie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentagsregel</source>
        <translation>Regola del giorno della settimana</translation>
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
        <translation>dal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An</source>
        <translation>al</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nachtschaltung</source>
        <translation>Commutazione notturna</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tag-Einschaltung</source>
        <translation>Accensione diurna</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-25"/>
        <location filename="../../app/settings/daysetting.cpp" line="+10"/>
        <source>Montag</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Dienstag</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Mittwoch</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Donnerstag</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Freitag</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Samstag</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Sonntag</source>
        <translation>Domenica</translation>
    </message>
</context>
<context>
    <name>Device info</name>
    <message>
        <location filename="../../platform/devices/src/deviceservice.cpp" line="+108"/>
        <source>Wochenschaltuhr</source>
        <translation>Orologio settimanale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresschaltuhr</source>
        <translation>Orologio annuale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astro-Schaltuhr</source>
        <translation>Orologio astronomico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation>Interruttore crepuscolare</translation>
    </message>
</context>
<context>
    <name>DeviceInfo</name>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="+20"/>
        <source>Kanäle</source>
        <translation>Canali</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programme</source>
        <translation>Programmi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speicherplätze</source>
        <translation>Posizioni di memoria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Externe Eingänge</source>
        <translation>Ingressi esterni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme mit Schaltzeiten</source>
        <translation>Programmi speciali con orari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrentyp</source>
        <translation>Tipo di orologio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresprogramm</source>
        <translation>Programma annuale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls</source>
        <translation>Impulso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklus</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Earth Hour</source>
        <translation>Ora della Terra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erweiterungsmodul</source>
        <translation>Modulo di espansione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internes Bluetooth-Modul</source>
        <translation>Modulo Bluetooth interno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone einstellbar</source>
        <translation>Fuso orario impostabile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation>Interruttore crepuscolare</translation>
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
        <translation>Canale</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/directcommands/HolidaySection.qml" line="+70"/>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+27"/>
        <source>Status</source>
        <comment>Holiday state</comment>
        <translation>Stato</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+6"/>
        <source>Modus</source>
        <comment>Mode auto, on, off...</comment>
        <translation>Modalità</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="+58"/>
        <source>Betriebsstunden</source>
        <translation>Ore di funzionamento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Serviceintervall</source>
        <translation>Intervallo di manutenzione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aktueller Luxwert</source>
        <translation>Valore lux attuale</translation>
    </message>
    <message>
        <location filename="../../app/device/directcommandinfo.cpp" line="-20"/>
        <source>Auto</source>
        <comment>Mode of the channel</comment>
        <translation>Automatico</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impuls</source>
        <comment>Mode of the channel</comment>
        <translation>Impulso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zyklus</source>
        <comment>Mode of the channel</comment>
        <translation>Ciclo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timer</source>
        <comment>Mode of the channel</comment>
        <translation>Temporizzatore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ferien</source>
        <comment>Mode of the channel</comment>
        <translation>Ferie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung</source>
        <comment>Mode of the channel</comment>
        <translation>Comando manuale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer</source>
        <comment>Mode of the channel</comment>
        <translation>Permanente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer (extern)</source>
        <comment>Mode of the channel</comment>
        <translation>Permanente (esterno)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Externer Treppenlichtzeitautomat aktiv</source>
        <comment>Mode of the channel</comment>
        <translation>Temporizzatore luce scale esterno attivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kanalverriegelung</source>
        <comment>Mode of the channel</comment>
        <translation>Blocco del canale</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/CommandRow.qml" line="+11"/>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="+90"/>
        <source>Senden</source>
        <comment>Button label</comment>
        <translation>Invia</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="-69"/>
        <source>Datum / Uhrzeit</source>
        <comment>Section title</comment>
        <translation>Data / ora</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Zeitzone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Systemzeit</source>
        <translation>Ora di sistema</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Individuelle Zeit</source>
        <translation>Ora personalizzata</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/DirectCommandsItem.qml" line="-68"/>
        <location line="+8"/>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="-27"/>
        <location line="+20"/>
        <location filename="../../qml/app/views/SensorAffectationView.qml" line="+27"/>
        <source>Sensorzuordnung</source>
        <translation>Assegnazione sensori</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Maximale Anzahl der anschließbaren Lichtsensoren (4) überschritten</source>
        <translation>Superato il numero massimo di sensori di luce collegabili (4)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sensorfehler</source>
        <translation>Errore del sensore</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 SN: %2</source>
        <translation>%1 SN: %2</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Firmware-Version:</source>
        <translation>Versione firmware:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software Version Gerät</source>
        <translation>Versione software del dispositivo</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/HolidaySection.qml" line="-13"/>
        <source>Ferienprogramm</source>
        <translation>Programma ferie</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Beginn</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Ende</source>
        <translation>Fine</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="-74"/>
        <source>Manueller Befehl</source>
        <translation>Comando manuale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Handschaltung stoppen</source>
        <translation>Interrompi comando manuale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handschaltung</source>
        <translation>Comando manuale</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dauer Ein stoppen</source>
        <comment>Channel mode</comment>
        <translation>Interrompi acceso permanente</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-44"/>
        <location line="+12"/>
        <source>Dauer Ein</source>
        <comment>Channel mode</comment>
        <translation>Acceso permanente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dauer Aus stoppen</source>
        <comment>Channel mode</comment>
        <translation>Interrompi spento permanente</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-11"/>
        <location line="+12"/>
        <source>Dauer Aus</source>
        <comment>Channel mode</comment>
        <translation>Spento permanente</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Timer</source>
        <translation>Temporizzatore</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Zufall</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="+1"/>
        <source>Bearbeiten</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/SensorAffectationTable.qml" line="+35"/>
        <source>Luxwert</source>
        <translation>Valore lux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Blinken</source>
        <translation>Lampeggia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kanal %1 aktivieren </source>
        <translation>Attiva il canale %1 </translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/SensorRow.qml" line="+31"/>
        <source>S%1</source>
        <translation>S%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor %1</source>
        <translation>Sensore %1</translation>
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
        <translation>Domenica di Pasqua</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+13"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+13"/>
        <source>%1 Tag(e) vor Ostersonntag</source>
        <translation>
            <numerusform>%1 giorno prima della domenica di Pasqua</numerusform>
            <numerusform>%1 giorni prima della domenica di Pasqua</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>%1 Tag(e) nach Ostersonntag</source>
        <translation>
            <numerusform>%1 giorno dopo la domenica di Pasqua</numerusform>
            <numerusform>%1 giorni dopo la domenica di Pasqua</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-17"/>
        <source>Karfreitag</source>
        <translation>Venerdì santo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-16"/>
        <source>1 Tag vor Ostersonntag</source>
        <translation>1 giorno prima della domenica di Pasqua</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+4"/>
        <source>Ostermontag</source>
        <translation>Lunedì dell&apos;Angelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Christi Himmelfahrt</source>
        <translation>Ascensione</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Pfingstsonntag</source>
        <translation>Pentecoste</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Pfingstmontag</source>
        <translation>Lunedì di Pentecoste</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Fronleichnam</source>
        <translation>Corpus Domini</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-14"/>
        <source>Karfreitag</source>
        <comment>Karfreitag</comment>
        <translation>Venerdì santo</translation>
    </message>
</context>
<context>
    <name>Edit project</name>
    <message>
        <location filename="../../qml/app/views/ProjectContentView.qml" line="+30"/>
        <source>Neues Projekt</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Öffnen</source>
        <translation>Apri</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Speichern</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Leggi TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation>Programma TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Direkte Befehle</source>
        <translation>Comandi diretti</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Druckvorschau</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+79"/>
        <source>Einstellungen Gerät</source>
        <comment>Tab title</comment>
        <translation>Impostazioni dispositivo</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="+35"/>
        <source>Programm</source>
        <translation>Programma</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="-98"/>
        <source>Einstellungen Gerät</source>
        <translation>Impostazioni dispositivo</translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/ToolBarFunctions.qml" line="+66"/>
        <source>Wollen Sie das Schaltprogramm wirklich optimieren?</source>
        <translation>Vuole davvero ottimizzare il programma di commutazione?</translation>
    </message>
</context>
<context>
    <name>Edit switch time</name>
    <message>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="+51"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-65"/>
        <source>Zeit</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SonderProgramTypePopup.qml" line="+22"/>
        <source>Feiertagsregeln anwenden..</source>
        <translation>Applica regole delle festività..</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Typ auswählen</source>
        <translation>Seleziona tipo</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="-12"/>
        <source>Ersteller</source>
        <translation>Autore</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Astro</source>
        <translation>Astro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kanal %1</source>
        <translation>Canale %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Titel:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beschreibung:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gerät:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dateiname:</source>
        <translation>Nome del file:</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+3"/>
        <source>Adresse:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-43"/>
        <source>Fix</source>
        <translation>Fisso</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+102"/>
        <source>Astroprogramm</source>
        <translation>Programma astronomico</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Zyklus Impuls</source>
        <translation>Ciclo impulso</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Schaltungen:</source>
        <translation>Commutazioni:</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Datum Bereich:</source>
        <translation>Intervallo di date:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>R %1d</source>
        <comment>R for repeat, d for days</comment>
        <translation>R %1 g</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+76"/>
        <source>12 h</source>
        <translation>12 ore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>24 h</source>
        <translation>24 ore</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Orthodoxe Kirche</source>
        <translation>Chiesa ortodossa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>Normale</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Winter ► Sommer</source>
        <translation>Inverno ► estate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sommer ► Winter</source>
        <translation>Estate ► inverno</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Taster</source>
        <translation>Pulsante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schalter</source>
        <translation>Interruttore</translation>
    </message>
</context>
<context>
    <name>Extra program</name>
    <message>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-153"/>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+67"/>
        <source>Ende muss nach dem Beginn liegen</source>
        <translation>La fine deve essere successiva all&apos;inizio</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+2"/>
        <source>Start und Ende müssen sich unterscheiden</source>
        <translation>Inizio e fine devono differire</translation>
    </message>
    <message>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+2"/>
        <source>Überschneidung nicht zulässig</source>
        <translation>Sovrapposizione non consentita</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-12"/>
        <source>Schaltzeiten von Zusatzprogrammen werden nur ausgeführt, wenn Datumsbereiche angegeben sind.</source>
        <translation>Gli orari dei programmi aggiuntivi vengono eseguiti solo se sono indicati intervalli di date.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bei den folgenden Zusatzprogrammen im Projekt fehlen Datumsbereiche:</source>
        <translation>Ai seguenti programmi aggiuntivi del progetto mancano gli intervalli di date:</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramTypeToolbar.qml" line="+32"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableFooter.qml" line="+8"/>
        <source>Feiertagsset übernehmen</source>
        <translation>Applica set di festività</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+42"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-334"/>
        <source>Fixes Datum jedes Jahr</source>
        <translation>Data fissa ogni anno</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram1Header.qml" line="+50"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOff.qml" line="+44"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+50"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+85"/>
        <location line="+103"/>
        <source>Schaltprogramm</source>
        <translation>Programma di commutazione</translation>
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
        <translation>Acceso</translation>
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
        <translation>Spento</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram1AstroHeader.qml" line="+19"/>
        <source>Schalten Nacht/Tag</source>
        <translation>Commutazione notte/giorno</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+17"/>
        <source>Luxwerte</source>
        <translation>Valori lux</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/extraprograms/SonderProgramNoctaEditionRow.qml" line="+19"/>
        <source>Lux Ein</source>
        <translation>Lux acceso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramNoctaEditionRow.qml" line="+10"/>
        <source>Lux Aus</source>
        <translation>Lux spento</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Edition.qml" line="+61"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-101"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-81"/>
        <source>Typ</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+42"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+6"/>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+18"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+9"/>
        <source>Ende</source>
        <translation>Fine</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Header.qml" line="+29"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-70"/>
        <source>Dauer Ein</source>
        <translation>Acceso permanente</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+0"/>
        <source>Dauer Aus</source>
        <translation>Spento permanente</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramAstroEditionRow.qml" line="+50"/>
        <source>Startzeit</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+7"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDateEditionRow.qml" line="+67"/>
        <location filename="../../qml/app/extraprograms/SonderProgramEditionRow.qml" line="+20"/>
        <source> (hh:mm)</source>
        <translation> (hh:mm)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+46"/>
        <location line="+10"/>
        <source>Dauer bis</source>
        <translation>Durata fino a</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramHolidays.qml" line="+33"/>
        <source>Ferien-Einstellung</source>
        <translation>Impostazione ferie</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+0"/>
        <source>Fixes Datum</source>
        <translation>Data fissa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osterregel</source>
        <translation>Regola di Pasqua</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reihe von Tagen</source>
        <translation>Serie di giorni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regel für Wochentage</source>
        <translation>Regola per i giorni della settimana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinesisches Neujahr</source>
        <translation>Capodanno cinese</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feiertage</source>
        <translation>Festività</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nacht</source>
        <translation>Notte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tag</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Einschalten</source>
        <translation>%1 accensione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Ausschalten</source>
        <translation>%1 spegnimento</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-6"/>
        <source>Sonderprogramm %1</source>
        <translation>Programma speciale %1</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Wiederholung</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+33"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-47"/>
        <source>Dauer</source>
        <translation>Durata</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Nach ... Tagen</source>
        <translation>Dopo ... giorni</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDateEditionRow.qml" line="-24"/>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItemRow.qml" line="+12"/>
        <source>Uhrzeit</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+1"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederholen nach...</source>
        <translation>Ripeti dopo...</translation>
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
        <translation>Elimina</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../../qml/components/FilePicker.qml" line="-17"/>
        <source>Durchsuchen</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datei auswählen</source>
        <translation>Seleziona file</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Öffnen</source>
        <translation>Apri</translation>
    </message>
    <message>
        <location filename="../../qml/components/NotImplementedYetPopUp.qml" line="+6"/>
        <source>Diese Funktion ist noch nicht verfügbar.</source>
        <translation>Questa funzione non è ancora disponibile.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="-21"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-3"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="-2"/>
        <source>Ja</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="+1"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+1"/>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ErrorPopUp.qml" line="+7"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-16"/>
        <source>Fehler</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+15"/>
        <source>Bestätigung</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/AppToolBar.qml" line="+95"/>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-3"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-4"/>
        <source>Warnung</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Möchten Sie trotzdem mit der Programmierung fortfahren?</source>
        <translation>Vuole comunque proseguire con la programmazione?</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+1"/>
        <source>Ihr Projekt enthält ungespeicherte Änderungen.</source>
        <translation>Il progetto contiene modifiche non salvate.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen speichern</source>
        <translation>Salva modifiche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen ignorieren</source>
        <translation>Ignora modifiche</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+143"/>
        <source>Jede Auswahl aufheben</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+0"/>
        <source>Alle auswählen</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <location filename="../../qml/MainWindow.qml" line="+200"/>
        <source>Es gab nichts zu schreiben.</source>
        <translation>Non c&apos;era nulla da scrivere.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Impossibile scrivere il file «%1».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Die Änderungen konnten nicht gespeichert werden: %1</source>
        <translation>Impossibile salvare le modifiche: %1</translation>
    </message>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+119"/>
        <source>Druckvorschau</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="+7"/>
        <source>Schreiben</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-166"/>
        <source>24 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation>24 ore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation>12 ore</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Montag</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dienstag</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mittwoch</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Donnerstag</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freitag</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Samstag</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonntag</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jeden Tag</source>
        <translation>Ogni giorno</translation>
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
        <translation>Spento</translation>
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
        <translation>Acceso</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-89"/>
        <source>Zufall 1</source>
        <translation>Casuale 1</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-2"/>
        <source>Zufall 2</source>
        <translation>Casuale 2</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Beenden Timer</source>
        <translation>Fine temporizzatore</translation>
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
        <translation>%1 h</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Puls Ein</source>
        <translation>Impulso acceso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls aus</source>
        <translation>Impulso spento</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+32"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+6"/>
        <source>Zyklus</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+25"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+39"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-3"/>
        <source>Fix Ein</source>
        <translation>Fisso acceso</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+0"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-1"/>
        <source>Fix Aus</source>
        <translation>Fisso spento</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Einschalten</source>
        <translation>Accendi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ausschalten</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Auswählen</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ein+Aus</source>
        <translation>Acceso+spento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Ein</source>
        <translation>Impulso acceso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Aus</source>
        <translation>Impulso spento</translation>
    </message>
    <message>
        <location line="+157"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-12"/>
        <source>Ausschneiden</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramView.qml" line="-17"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+10"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="-20"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <source>Kopieren</source>
        <translation>Copia</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+9"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="+7"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="+12"/>
        <source>Einfügen</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+9"/>
        <location filename="../../qml/app/views/SwitchTimeEditionView.qml" line="+28"/>
        <source>Bearbeiten</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableSwitchControl.qml" line="+30"/>
        <source>EIN</source>
        <translation>ACCESO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AUS</source>
        <translation>SPENTO</translation>
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
        <translation>Applica fino a</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LuxValueHeader.qml" line="+18"/>
        <source>Ein (lux)</source>
        <translation>Acceso (lux)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Aus (lux)</source>
        <translation>Spento (lux)</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SwitchStatusPopUp.qml" line="+18"/>
        <source>Typ auswählen</source>
        <translation>Seleziona tipo</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-124"/>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+29"/>
        <source>Das Programm dieses Kanals wird gelöscht.</source>
        <translation>Il programma di questo canale verrà eliminato.</translation>
    </message>
    <message>
        <location line="+136"/>
        <location filename="../../app/report/reporttexts.h" line="+6"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-10"/>
        <source>Aktiv</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="-13"/>
        <source>Das Programm für das Erweiterungsmodul wird gelöscht.</source>
        <translation>Il programma del modulo di espansione verrà eliminato.</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="-21"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-153"/>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="-58"/>
        <source>(nichts)</source>
        <translation>(niente)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+44"/>
        <source>Uhrzeit</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <location line="+18"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Wochentag</source>
        <translation>Giorno della settimana</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-30"/>
        <location line="+96"/>
        <source>Typ</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufsteigend</source>
        <translation>crescente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>absteigend</source>
        <translation>decrescente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sortieren</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>zuerst</source>
        <translation>prima</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>danach</source>
        <translation>poi</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-187"/>
        <source>Impulsdauer fehlt</source>
        <translation>Manca la durata dell&apos;impulso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zykluspuls fehlt</source>
        <translation>Manca l&apos;impulso del ciclo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zykluspause fehlt</source>
        <translation>Manca la pausa del ciclo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letzter Tag fehlt</source>
        <translation>Manca l&apos;ultimo giorno</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Start (hh:mm)</source>
        <translation>Inizio (hh:mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrzeit (hh:mm:ss)</source>
        <translation>Ora (hh:mm:ss)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Dauer (mm:ss)</source>
        <translation>Durata (mm:ss)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls (hh:mm:ss)</source>
        <translation>Impulso (hh:mm:ss)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pause (hh:mm:ss)</source>
        <translation>Pausa (hh:mm:ss)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-335"/>
        <source>Endlos</source>
        <translation>Senza fine</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Start und Ende müssen unterschiedlich sein</source>
        <translation>Inizio e fine devono essere diversi</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Entfernen</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="-23"/>
        <source>Anwendung</source>
        <translation>Utilizzo</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+79"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+338"/>
        <source>Dauer</source>
        <translation>Durata</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+10"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-71"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectSettingsView.qml" line="-23"/>
        <source>Projekt-Einstellungen</source>
        <translation>Impostazioni del progetto</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-123"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+10"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name bearbeiten</source>
        <translation>Modifica nome</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-160"/>
        <location line="+91"/>
        <source>Funktion</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-192"/>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-12"/>
        <source>Automatisch ausfüllen</source>
        <translation>Compila automaticamente</translation>
    </message>
    <message>
        <location line="+76"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+138"/>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ende</source>
        <translation>Fine</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Nur für die Simulation</source>
        <translation>Solo per la simulazione</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-2"/>
        <location line="+1"/>
        <location line="+79"/>
        <source>Stunde</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="-79"/>
        <source>Woche</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monat</source>
        <translation>Mese</translation>
    </message>
    <message>
        <location filename="../../app/report/reporttexts.h" line="+6"/>
        <source>Leer</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-48"/>
        <source>Januar</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Februar</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>März</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mai</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Juni</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Juli</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Oktober</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dezember</source>
        <translation>Dicembre</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="-135"/>
        <source>C %1</source>
        <comment>Abbreviation for channel, %1 contains the index of the channel</comment>
        <translation>C %1</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+216"/>
        <source>Exportieren</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettings.qml" line="+81"/>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <location filename="../../qml/main.qml" line="+9"/>
        <location filename="../../libs/core/src/languageservice.cpp" line="+77"/>
        <source>LANGUAGE_NAME</source>
        <translation>Italiano</translation>
    </message>
</context>
<context>
    <name>GlobalSettings</name>
    <message>
        <location filename="../../app/settings/dateformatsetting.cpp" line="+10"/>
        <source>31.12.00 (TT.MM.JJ)</source>
        <translation>31.12.00 (GG.MM.AA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12/31/00 (MM/TT/JJ)</source>
        <translation>12/31/00 (MM/GG/AA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>00-12-31 (JJ-MM-TT)</source>
        <translation>00-12-31 (AA-MM-GG)</translation>
    </message>
    <message>
        <location filename="../../app/settings/timezonesetting.cpp" line="+10"/>
        <source>UTC -11h</source>
        <translation>UTC -11 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -10h</source>
        <translation>UTC -10 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -9h</source>
        <translation>UTC -9 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -8h</source>
        <translation>UTC -8 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -7h</source>
        <translation>UTC -7 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -6h</source>
        <translation>UTC -6 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -5h</source>
        <translation>UTC -5 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -4h</source>
        <translation>UTC -4 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -3h30</source>
        <translation>UTC -3:30 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -3h</source>
        <translation>UTC -3 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -2h</source>
        <translation>UTC -2 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -1h</source>
        <translation>UTC -1 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -0h</source>
        <translation>UTC -0 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +1h</source>
        <translation>UTC +1 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +2h</source>
        <translation>UTC +2 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +3h</source>
        <translation>UTC +3 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +3h30</source>
        <translation>UTC +3:30 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h</source>
        <translation>UTC +4 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h30</source>
        <translation>UTC +4:30 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h</source>
        <translation>UTC +5 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h30</source>
        <translation>UTC +5:30 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h</source>
        <translation>UTC +6 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h30</source>
        <translation>UTC +6:30 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +7h</source>
        <translation>UTC +7 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +8h</source>
        <translation>UTC +8 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +9h</source>
        <translation>UTC +9 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +9h30</source>
        <translation>UTC +9:30 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h</source>
        <translation>UTC +10 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h30</source>
        <translation>UTC +10:30 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h</source>
        <translation>UTC +11 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h30</source>
        <translation>UTC +11:30 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +12h</source>
        <translation>UTC +12 h</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="-218"/>
        <source>%1 Code(s) wurden entfernt!</source>
        <translation>
            <numerusform>%1 codice è stato rimosso!</numerusform>
            <numerusform>%1 codici sono stati rimossi!</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-43"/>
        <source>Sprache</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Datumsformat</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erster Tag der Woche</source>
        <translation>Primo giorno della settimana</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Töne</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Vibration</source>
        <translation>Vibrazione</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Synchronisierung von Datum und Uhrzeit</source>
        <translation>Sincronizzazione automatica di data e ora</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Sprachsynchronisation</source>
        <translation>Sincronizzazione automatica della lingua</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Verbindungscodes</source>
        <translation>Codici di connessione</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Modus Fehlerbeseitigung</source>
        <translation>Modalità debug</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Software-Update Adresse</source>
        <translation>Indirizzo di aggiornamento software</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Immer Updates online suchen</source>
        <translation>Cerca sempre aggiornamenti online</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/GlobalSettingsView.qml" line="+20"/>
        <source>Einstellungen</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-275"/>
        <source>Jährlich fest</source>
        <translation>Fisso ogni anno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freie Regel</source>
        <translation>Regola libera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relativ zum Osten</source>
        <translation>Relativo alla Pasqua</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Relativ zu CNY</source>
        <translation>Relativo al Capodanno cinese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einmal fest</source>
        <translation>Fisso una volta</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+27"/>
        <source>Feiertag</source>
        <translation>Festività</translation>
    </message>
    <message>
        <location line="+104"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-159"/>
        <source>%1 vor dem %2</source>
        <comment>%1 = day of week, %2 = date</comment>
        <translation>%1 prima del %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+1"/>
        <source>%1 nach dem %2</source>
        <comment>%1 = day of week, %2 = date</comment>
        <translation>%1 dopo il %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Name des Feiertags</source>
        <translation>Nome della festività</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Art des Feiertags</source>
        <translation>Tipo di festività</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Wochentag</source>
        <translation>Giorno della settimana</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+164"/>
        <source>von</source>
        <translation>dal</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+7"/>
        <source>Dauer</source>
        <translation>Durata</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+0"/>
        <source>bis</source>
        <translation>fino a</translation>
    </message>
    <message>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-119"/>
        <source>Sind Sie sicher, dass Sie dieses Feiertagsset dauerhaft löschen möchten?</source>
        <translation>Vuole davvero eliminare definitivamente questo set di festività?</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+161"/>
        <source>Neu</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location line="-151"/>
        <source>Kopieren</source>
        <translation>Copia</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+151"/>
        <source>Bearbeiten</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="-141"/>
        <location line="+152"/>
        <source>Entfernen</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <location line="-144"/>
        <source>Vordefinierte Sets anzeigen (nicht änderbar)</source>
        <translation>Mostra set predefiniti (non modificabili)</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Für die Richtigkeit aller Angaben wird keine Gewähr übernommen! Für kritische Anwendungen überprüfen Sie bitte die Feiertagsdaten.</source>
        <translation>Non si garantisce l&apos;esattezza di queste informazioni! Per applicazioni critiche verificare le date delle festività.</translation>
    </message>
    <message>
        <location filename="../../qml/app/holidays/NameEdition.qml" line="-13"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>Home</name>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-124"/>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Neues Projekt</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Leggi TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Projekt duplizieren</source>
        <translation>Duplica progetto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekt umbenennen</source>
        <translation>Rinomina progetto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekte löschen</source>
        <translation>Elimina progetti</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Projekt exportieren</source>
        <translation>Esporta progetto</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Direkte Befehle</source>
        <translation>Comandi diretti</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Software-Info</source>
        <translation>Info software</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>FAQ</source>
        <translation>Domande frequenti</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Noch keine Projekte. Legen Sie mit + ein neues Projekt an.</source>
        <translation>Ancora nessun progetto. Crei un nuovo progetto con +.</translation>
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
        <translation>Posizioni di memoria</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-349"/>
        <location line="+279"/>
        <source>Impuls</source>
        <translation>Impulso</translation>
    </message>
    <message>
        <location line="-277"/>
        <source>Zyklus</source>
        <translation>Ciclo</translation>
    </message>
</context>
<context>
    <name>Legal</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="+140"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-18"/>
        <source>Geschäftsbedingungen</source>
        <translation>Condizioni generali</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="+5"/>
        <source>Datenschutzrichtlinien</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-13"/>
        <source>Bitte lesen und akzeptieren Sie die Allgemeinen Geschäftsbedingungen sowie die Datenschutzrichtlinien, bevor Sie die Anwendung nutzen.</source>
        <translation>Legga e accetti le condizioni generali e l&apos;informativa sulla privacy prima di utilizzare l&apos;applicazione.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Ich akzeptiere die Allgemeinen Geschäftsbedingungen und bin über die Datenschutzbestimmungen informiert.</source>
        <translation>Accetto le condizioni generali e sono stato informato sull&apos;informativa sulla privacy.</translation>
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
        <translation>Ritardo accensione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Verzögerung Aus</source>
        <translation>Ritardo spegnimento</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LightView.qml" line="+13"/>
        <source>Licht</source>
        <translation>Luce</translation>
    </message>
    <message>
        <location line="+28"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+169"/>
        <location line="+55"/>
        <source>Luxwerte</source>
        <translation>Valori lux</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-39"/>
        <source>Verzögerungszeit</source>
        <translation>Tempo di ritardo</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LuxValuesSetting.qml" line="+60"/>
        <source>Kopieren an allen Tagen</source>
        <translation>Copia su tutti i giorni</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kopieren an allen Tagen (Ein)</source>
        <translation>Copia su tutti i giorni (acceso)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren an allen Tagen (Aus)</source>
        <translation>Copia su tutti i giorni (spento)</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="+418"/>
        <source>Open File</source>
        <translation>Apri file</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Neues Projekt</source>
        <translation>&amp;Nuovo progetto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Öffnen</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern unter</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Leggi TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation>Programma TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Direkte Befehle</source>
        <translation>Comandi diretti</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Senden per E-Mail</source>
        <translation>Invia per e-mail</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Druckvorschau</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Ende</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bearbeiten</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rückgängig</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederherstellen</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ausschneiden</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren</source>
        <translation>Copia</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einfügen</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles markieren</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Löschen</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sortieren...</source>
        <translation>Ordina...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Optimieren</source>
        <translation>Ottimizza</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Projekteinstellungen...</source>
        <translation>Impostazioni &amp;progetto...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sprache erstellen TARVINO rix2/rix3</source>
        <translation>Crea lingua TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Feiertag</source>
        <translation>&amp;Festività</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;App-Einstellungen...</source>
        <translation>Impostazioni &amp;app...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hilfe</source>
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Software-Infos</source>
        <translation>&amp;Info software</translation>
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
        <translation>Progetto</translation>
    </message>
</context>
<context>
    <name>New project</name>
    <message>
        <location filename="../../app/controllerbase/exportfiles.cpp" line="+65"/>
        <location filename="../../app/project/projectcreationviewcontroller.cpp" line="+24"/>
        <source>Projekt %1</source>
        <translation>Progetto %1</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ProjectCreationPopUp.qml" line="+10"/>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+13"/>
        <source>Neues Projekt</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-13"/>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+68"/>
        <source>Gerätetyp</source>
        <translation>Tipo di dispositivo</translation>
    </message>
    <message>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+18"/>
        <source>Anzahl Kanäle</source>
        <translation>Numero di canali</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Modell</source>
        <translation>Modello</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Projektname</source>
        <translation>Nome del progetto</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Projekt erstellen</source>
        <translation>Crea progetto</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+6"/>
        <source>Öffnen</source>
        <translation>Apri</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Leggi TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Direkte Befehle</source>
        <translation>Comandi diretti</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Gespeicherte Projekte</source>
        <translation>Progetti salvati</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-128"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-7"/>
        <source>Zeitschaltprogramm</source>
        <translation>Programma orario</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+2"/>
        <source>Astroprogramm</source>
        <translation>Programma astronomico</translation>
    </message>
</context>
<context>
    <name>Program settings</name>
    <message>
        <location line="+97"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+12"/>
        <source>Kein So/Wi</source>
        <translation>Senza ora legale</translation>
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
        <translation>Europa occidentale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osteuropa</source>
        <translation>Europa orientale</translation>
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
        <translation>Ultima</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+4"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-114"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+52"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+101"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+3"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Freie Regel</source>
        <translation>Regola libera</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+16"/>
        <source>Ferien</source>
        <translation>Ferie</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Betriebsstunden</source>
        <translation>Ore di funzionamento</translation>
    </message>
    <message>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Festes Datum</source>
        <translation>Data fissa</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+1"/>
        <location line="+5"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <location line="+23"/>
        <source>Australien</source>
        <translation>Australia</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-32"/>
        <location line="+103"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="-4"/>
        <source>Eigene Regel</source>
        <translation>Regola propria</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/EditSoWiTable.qml" line="-158"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+2"/>
        <source>Eigene Tabelle</source>
        <translation>Tabella propria</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Jahr</source>
        <translation>Anno</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+21"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-8"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-7"/>
        <source>Winter &gt; Sommer</source>
        <translation>Inverno &gt; estate</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+8"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+1"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+1"/>
        <source>Sommer &gt; Winter</source>
        <translation>Estate &gt; inverno</translation>
    </message>
    <message>
        <location line="+77"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-150"/>
        <source>Automatisch ausfüllen</source>
        <translation>Compila automaticamente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles löschen</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-5"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+4"/>
        <source>Neuseeland</source>
        <translation>Nuova Zelanda</translation>
    </message>
    <message>
        <location line="-120"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+16"/>
        <source>Nach 1 Minute aus</source>
        <comment>LCD state</comment>
        <translation>Spento dopo 1 minuto</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-1"/>
        <source>Immer Ein</source>
        <comment>LCD state</comment>
        <translation>Sempre acceso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-81"/>
        <source>Standard</source>
        <comment>Easter rule</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orthodoxe Kirche</source>
        <comment>Easter rule</comment>
        <translation>Chiesa ortodossa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inaktiv</source>
        <comment>Channel combination</comment>
        <translation>Inattivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kanalverriegelung</source>
        <comment>Channel combination</comment>
        <translation>Blocco del canale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmumschaltung</source>
        <comment>Channel combination</comment>
        <translation>Commutazione di programma</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../app/report/reporttexts.h" line="-3"/>
        <source>Inaktiv</source>
        <comment>External input</comment>
        <translation>Inattivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+8"/>
        <source>Taster</source>
        <comment>External input</comment>
        <translation>Pulsante</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+2"/>
        <source>Schalter</source>
        <comment>External input</comment>
        <translation>Interruttore</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Handschaltung</source>
        <comment>Push button</comment>
        <translation>Comando manuale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Timer</source>
        <comment>Push button</comment>
        <translation>Temporizzatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Treppenlicht</source>
        <comment>Push button</comment>
        <translation>Luce scale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung bis Sonnenereignis</source>
        <comment>Push button</comment>
        <translation>Comando manuale fino all&apos;evento solare</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Luxwert übernehmen</source>
        <comment>Push button</comment>
        <translation>Acquisisci valore lux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Umschalten</source>
        <comment>Push button</comment>
        <translation>Commuta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nicht nachschaltbar</source>
        <comment>Staircase light</comment>
        <translation>Non riattivabile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachschaltbar</source>
        <comment>Staircase light</comment>
        <translation>Riattivabile</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>1.</source>
        <comment>Week rule</comment>
        <translation>1ª</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.</source>
        <comment>Week rule</comment>
        <translation>2ª</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.</source>
        <comment>Week rule</comment>
        <translation>3ª</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.</source>
        <comment>Week rule</comment>
        <translation>4ª</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzte</source>
        <comment>Week rule</comment>
        <translation>Ultima</translation>
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
        <translation>Segnalazione su</translation>
    </message>
    <message>
        <location line="-27"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-45"/>
        <source>Betriebsstundenzähler Serviceintervall</source>
        <translation>Contaore intervallo di manutenzione</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>max. 199.999 h</source>
        <translation>mass. 199.999 h</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+6"/>
        <source>Externer Eingang</source>
        <translation>Ingresso esterno</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Erdstunde</source>
        <translation>Ora della Terra</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+16"/>
        <source>Inaktiv</source>
        <comment>Holiday state</comment>
        <translation>Inattivo</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+3"/>
        <location line="+31"/>
        <source>Nur Lux</source>
        <translation>Solo lux</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Ferien</source>
        <comment>External input</comment>
        <translation>Ferie</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sonderprogramm</source>
        <comment>External input</comment>
        <translation>Programma speciale</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Inaktiv</source>
        <translation>Inattivo</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="-73"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-8"/>
        <source>Signalisierung</source>
        <translation>Segnalazione</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-108"/>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+44"/>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="-15"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-11"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-69"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+36"/>
        <source>Sommer-/Winterregel</source>
        <translation>Regola ora legale/solare</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+15"/>
        <source>Einstellungen Kanal</source>
        <translation>Impostazioni canale</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+59"/>
        <source>Erweiterungsmodul</source>
        <translation>Modulo di espansione</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Kanalfunktion</source>
        <translation>Funzione del canale</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Überblick</source>
        <translation>Panoramica</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="-14"/>
        <location filename="../../qml/app/settings/OptionSettings.qml" line="+15"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-2"/>
        <source>Optionen</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelOverview.qml" line="-67"/>
        <source>Channel Function</source>
        <translation>Funzione del canale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Memory Used</source>
        <translation>Memoria utilizzata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extra Program used</source>
        <translation>Programmi speciali utilizzati</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Holiday</source>
        <translation>Festività</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External Input</source>
        <translation>Ingresso esterno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Signaling To</source>
        <translation>Segnalazione su</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Service Interval</source>
        <translation>Intervallo di manutenzione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speicher verwendet</source>
        <translation>Memoria utilizzata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme benutzt</source>
        <translation>Programmi speciali utilizzati</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DateTimeSettings.qml" line="-40"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-68"/>
        <source>Zeit/Datum</source>
        <translation>Ora/data</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="+10"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+1"/>
        <source>Zeitformat</source>
        <translation>Formato ora</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="-22"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Datumsformat</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Erster Tag der Woche</source>
        <translation>Primo giorno della settimana</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Zeitzone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/HolidaySettings.qml" line="+118"/>
        <source>Status</source>
        <comment>Holiday status</comment>
        <translation>Stato</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+51"/>
        <source>Beginn</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+91"/>
        <location line="+67"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+1"/>
        <source>Ende</source>
        <translation>Fine</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/OptionSettings.qml" line="+11"/>
        <source>Kanalkombination</source>
        <translation>Combinazione di canali</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+29"/>
        <source>LCD-Beleuchtung</source>
        <translation>Illuminazione LCD</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-139"/>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="-16"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="-3"/>
        <source>Eigene Astro Tabelle</source>
        <translation>Tabella astronomica propria</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-105"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+50"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+7"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-317"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-49"/>
        <source>Fixes Datum</source>
        <translation>Data fissa</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="+11"/>
        <source>Edit name</source>
        <translation>Modifica nome</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-38"/>
        <location line="+109"/>
        <source>Israel</source>
        <translation>Israele</translation>
    </message>
    <message>
        <location line="-67"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+20"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-41"/>
        <source>Woche</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+13"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <source>Monat</source>
        <translation>Mese</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-27"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-7"/>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+38"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+12"/>
        <source>Stunde</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+11"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <source>Wochentag</source>
        <translation>Giorno della settimana</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>von</source>
        <translation>dal</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettings.qml" line="+1"/>
        <source>Freie Regel wird angewendet</source>
        <translation>Viene applicata una regola libera</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-93"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-52"/>
        <location line="+27"/>
        <source>Regel</source>
        <translation>Regola</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name bearbeiten</source>
        <translation>Modifica nome</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tabelle bearbeiten</source>
        <translation>Modifica tabella</translation>
    </message>
</context>
<context>
    <name>ProgramView</name>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+56"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+91"/>
        <source>Standardprogramm</source>
        <translation>Programma standard</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Header.qml" line="+6"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-9"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+103"/>
        <source>Sonderprogramm %1</source>
        <translation>Programma speciale %1</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <location filename="../../qml/app/popups/DuplicateProjectPopUp.qml" line="+6"/>
        <source>Projekt duplizieren</source>
        <translation>Duplica progetto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neues Projekt benennen:</source>
        <translation>Nome del nuovo progetto:</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/EditProjectPopUp.qml" line="+10"/>
        <source>Projekt umbenennen:</source>
        <translation>Rinomina il progetto:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bearbeiten</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-201"/>
        <source>Alle Projekte löschen</source>
        <translation>Elimina tutti i progetti</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%1 Projekte löschen</source>
        <translation>
            <numerusform>Elimina %1 progetto</numerusform>
            <numerusform>Elimina %1 progetti</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Projekt löschen</source>
        <translation>Elimina progetto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sind Sie sicher, dass Sie das Projekt dauerhaft löschen möchten?</source>
        <translation>Vuole davvero eliminare definitivamente il progetto?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie alle Projekte dauerhaft löschen möchten?</source>
        <translation>Vuole davvero eliminare definitivamente tutti i progetti?</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie %1 Projekte dauerhaft löschen möchten?</source>
        <translation>
            <numerusform>Vuole davvero eliminare definitivamente %1 progetto?</numerusform>
            <numerusform>Vuole davvero eliminare definitivamente %1 progetti?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+198"/>
        <source>Möchten Sie das Projekt &quot;%1&quot; importieren?</source>
        <translation>Vuole importare il progetto «%1»?</translation>
    </message>
</context>
<context>
    <name>Project Metadata</name>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-9"/>
        <source>Kanal</source>
        <translation>Canale</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="-28"/>
        <source>Beschreibung der Kanäle</source>
        <translation>Descrizione dei canali</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wird auf dem Gerät angezeigt</source>
        <translation>Visualizzato sul dispositivo</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ProjectMetadataSubTab.qml" line="+11"/>
        <source>Projekt</source>
        <comment>Tab title</comment>
        <translation>Progetto</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Bezeichnung</source>
        <translation>Denominazione</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Beschreibung</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dateiname</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Letzte Änderung</source>
        <translation>Ultima modifica</translation>
    </message>
</context>
<context>
    <name>Project Settings</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+2"/>
        <source>Kunde</source>
        <comment>Tab title</comment>
        <translation>Cliente</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/AuthorSubTab.qml" line="+8"/>
        <source>Autor</source>
        <translation>Autore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <comment>Author&apos;s name</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <comment>Author&apos;s address</comment>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="-46"/>
        <source>Kanal</source>
        <translation>Canale</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ClientSubTab.qml" line="+8"/>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <comment>Customer&apos;s name</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <comment>Customer&apos;s address</comment>
        <translation>Indirizzo</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+58"/>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
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
Codice di connessione: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code für %1</source>
        <translation>Codice per %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Authentifizierung für %1</source>
        <translation>Autenticazione per %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>OK-Aktivierung am Gerät</source>
        <translation>Attivazione OK sul dispositivo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Eingabe Authentifizierungscode</source>
        <translation>Inserimento codice di autenticazione</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Dies ist Ihr Authentifizierungscode, verwahren Sie ihn sicher!</source>
        <translation>Questo è il suo codice di autenticazione, lo conservi in un luogo sicuro!</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Speichern</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-12"/>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="+128"/>
        <source>Abbruch</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Falsches Passwort!</source>
        <translation>Password errata!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Schaltfläche wurde nicht aktiviert!</source>
        <translation>Il pulsante non è stato attivato!</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/InactivityPopUp.qml" line="-6"/>
        <source>Verbindung aufgrund von Inaktivität geschlossen</source>
        <translation>Connessione chiusa per inattività</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung wurde aufgrund von Inaktivität geschlossen</source>
        <translation>La connessione è stata chiusa per inattività</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Wieder anschließen</source>
        <translation>Riconnetti</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-53"/>
        <source>Sie müssen warten, das Gerät ist aufgrund mehrerer fehlgeschlagener Versuche verriegelt</source>
        <translation>Deve attendere, il dispositivo è bloccato dopo diversi tentativi falliti</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>PIN-Code</source>
        <translation>Codice PIN</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das Gerät ist PIN-geschützt, bitte geben Sie den PIN-Code ein</source>
        <translation>Il dispositivo è protetto da PIN, inserisca il codice PIN</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Falscher PIN-Code!</source>
        <translation>Codice PIN errato!</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SyncClockPopup.qml" line="-24"/>
        <source>Daten-Synchronisation</source>
        <translation>Sincronizzazione dati</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bitte wählen Sie aus, welche Daten beim Verbinden mit Uhren synchronisiert werden sollen</source>
        <translation>Scelga quali dati sincronizzare durante la connessione con gli orologi</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datum/Uhrzeit-Synchronisation</source>
        <translation>Sincronizzazione data/ora</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sprach-Synchronisation</source>
        <translation>Sincronizzazione lingua</translation>
    </message>
    <message>
        <location filename="../../qml/app/scan/DeviceScan.qml" line="+76"/>
        <source>Geräte suchen</source>
        <translation>Cerca dispositivi</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>Der Bluetooth-Adapter ist deaktiviert, möchten Sie ihn aktivieren?</source>
        <translation>L&apos;adattatore Bluetooth è disattivato, desidera attivarlo?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ihr Gerät verfügt nicht über einen Bluetooth-Adapter oder unterstützt Bluetooth Low Energy nicht.</source>
        <translation>Il suo computer non dispone di un adattatore Bluetooth o non supporta Bluetooth Low Energy.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth nicht verfügbar</source>
        <translation>Bluetooth non disponibile</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="-101"/>
        <source>Dieses Gerät wird nicht unterstützt!</source>
        <translation>Questo dispositivo non è supportato!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dieses Gerät ist nicht kompatibel mit dem Projekt, das Sie exportieren möchten!</source>
        <translation>Questo dispositivo non è compatibile con il progetto che desidera esportare!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>SN: %1</source>
        <translation>SN: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Suche nach Geräten ...</source>
        <translation>Ricerca dispositivi ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerät gefunden</source>
        <translation>Dispositivo trovato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kein Bluetooth-Gerät gefunden</source>
        <translation>Nessun dispositivo Bluetooth trovato</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Verbinden</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suche</source>
        <translation>Cerca</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/MainWindow.qml" line="+52"/>
        <source>Ihr Projekt überschreitet die Speicherplätze des Zielgeräts (%1 / %2)</source>
        <translation>
            <numerusform>Il progetto supera la posizione di memoria del dispositivo di destinazione (%1 / %2)</numerusform>
            <numerusform>Il progetto supera le posizioni di memoria del dispositivo di destinazione (%1 / %2)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/device/lockwait.cpp" line="+19"/>
        <source>aufgrund eines falschen Verbindungscodes verriegelt</source>
        <translation>bloccato a causa di un codice di connessione errato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufgrund eines falschen PIN-Codes verriegelt</source>
        <translation>bloccato a causa di un codice PIN errato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locked</source>
        <translation>bloccato</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Das Gerät ist %1, Sie müssen %2 h %3 min %4 s warten</source>
        <translation>Il dispositivo è %1, deve attendere %2 h %3 min %4 s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Das Gerät ist verriegelt, Sie müssen %2 h %3 min %4 s warten</source>
        <translation>Il dispositivo è bloccato, deve attendere %2 h %3 min %4 s</translation>
    </message>
</context>
<context>
    <name>SerialCommunication</name>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-86"/>
        <source>Unbekannter Fehler wurde während der Übersetzung in Bytes gemeldet.</source>
        <translation>È stato segnalato un errore sconosciuto durante la conversione in byte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File couldn&apos;t be written.</source>
        <translation>Impossibile scrivere il file.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File doesn&apos;t exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Sprachdatei ist beschädigt oder passt nicht in den Speicher des Geräts.</source>
        <translation>Il file di lingua è danneggiato o non entra nella memoria del dispositivo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-64"/>
        <source>Fehler</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Fehler beim Schreiben der Sprache. Zugriff auf Flash nicht möglich.</source>
        <translation>Errore durante la scrittura della lingua. Accesso alla memoria flash impossibile.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-9"/>
        <source>Tarvino rix2/3 scheint im Fehlerzustand zu sein.</source>
        <translation>Tarvino rix2/3 sembra essere in stato di errore.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht ausgeschaltet werden.</source>
        <translation>Impossibile spegnere il LED.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht eingeschaltet werden.</source>
        <translation>Impossibile accendere il LED.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geschlossen werden.</source>
        <translation>Impossibile chiudere la porta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geöffnet werden, überprüfen Sie die Verbindung.</source>
        <translation>Impossibile aprire la porta, controlli il collegamento.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port wurde nicht gefunden, überprüfen Sie die Verbindung.</source>
        <translation>Porta non trovata, controlli il collegamento.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-14"/>
        <source>Übertragung läuft...</source>
        <translation>Trasferimento in corso...</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auswahl der Gerätesprache</source>
        <translation>Scelta della lingua del dispositivo</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+41"/>
        <source>Übertragung abgeschlossen</source>
        <translation>Trasferimento completato</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Eine andere Übertragung läuft. Warten Sie, bis sie beendet ist.</source>
        <translation>È in corso un altro trasferimento. Attendere che sia terminato.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-37"/>
        <source>Programm kann nicht gelesen werden. Leerer Flash.</source>
        <translation>Impossibile leggere il programma. Memoria flash vuota.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Sprachdatei im Flash.</source>
        <translation>Impossibile leggere il programma. File di lingua nella memoria flash.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden.</source>
        <translation>Impossibile leggere il programma.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Ungültige Daten im Flash.</source>
        <translation>Impossibile leggere il programma. Dati non validi nella memoria flash.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehler beim Programmschreiben. Zugriff auf Flash nicht möglich.</source>
        <translation>Errore durante la scrittura del programma. Accesso alla memoria flash impossibile.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Operation abgebrochen.</source>
        <translation>Operazione annullata.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Serielle Übertragung</source>
        <translation>Trasferimento seriale</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+59"/>
        <source>Programm von serieller Schnittstelle lesen</source>
        <translation>Leggi programma dalla porta seriale</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Projekt kann nicht exportiert werden mit Fehler</source>
        <translation>Impossibile esportare il progetto, errore</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Programm seriell schreiben</source>
        <translation>Scrivi programma tramite porta seriale</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../../qml/app/popups/ResetSettingsPopUp.qml" line="+18"/>
        <source>Reset-Einstellungen</source>
        <translation>Impostazioni di ripristino</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="-22"/>
        <source>Das verbundene Gerät befindet sich im Reset-Modus, bitte geben Sie diese Einstellungen vor der Verwendung ein.</source>
        <comment>Reset mode text</comment>
        <translation>Il dispositivo collegato è in modalità di ripristino, inserisca queste impostazioni prima dell&apos;uso.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zeit/Datum</source>
        <translation>Ora/data</translation>
    </message>
    <message>
        <location filename="../../app/device/resetteddeviceviewcontroller.cpp" line="+115"/>
        <source>Die Antwort des Geräts ist unverständlich.</source>
        <translation>La risposta del dispositivo è incomprensibile.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Die Einstellungen des Geräts konnten nicht gelesen werden: %1</source>
        <translation>Impossibile leggere le impostazioni del dispositivo: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation>Il dispositivo non ha accettato i dati.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Die Einstellungen konnten nicht an das Gerät gesendet werden: %1</source>
        <translation>Impossibile inviare le impostazioni al dispositivo: %1</translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="-126"/>
        <source>Schweiz</source>
        <translation>Svizzera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schweden</source>
        <translation>Svezia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deutschland</source>
        <translation>Germania</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Build-Version</source>
        <translation>Versione build</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Adresse</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Webseite</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Software-Informationen</source>
        <translation>Informazioni sul software</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/LicenseView.qml" line="+11"/>
        <source>Lizenzen</source>
        <translation>Licenze</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Folgende Qt-Module und externe Bibliotheken wurden werwendet:</source>
        <translation>Sono stati utilizzati i seguenti moduli Qt e librerie esterne:</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/SoftwareInfoView.qml" line="+14"/>
        <source>Software-Info</source>
        <translation>Info software</translation>
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
        <translation>Giorni della settimana mancanti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Dauer</source>
        <translation>Durata mancante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulsüberschneidungen</source>
        <translation>Sovrapposizioni di impulsi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulse über Mitternacht</source>
        <translation>Impulsi oltre la mezzanotte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Impulsdauer</source>
        <translation>Durata dell&apos;impulso mancante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Pause</source>
        <translation>Pausa mancante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklusüberschneidungen</source>
        <translation>Sovrapposizioni di cicli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identischer Anfang und Ende</source>
        <translation>Inizio e fine identici</translation>
    </message>
</context>
<context>
    <name>SwitchTimeTable</name>
    <message>
        <location line="-30"/>
        <source>Typ auswählen</source>
        <comment>Error message</comment>
        <translation>Seleziona tipo</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+1"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+5"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-224"/>
        <source>Schaltzeit</source>
        <translation>Orario di commutazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+36"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-5"/>
        <source>Impuls</source>
        <translation>Impulso</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <source>Zyklus</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <location line="+90"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-10"/>
        <location line="+20"/>
        <source>Ende</source>
        <translation>Fine</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+1"/>
        <source>Endlos</source>
        <translation>Senza fine</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+27"/>
        <location filename="../../qml/app/views/SwitchTimeEditionView.qml" line="+0"/>
        <source>Neu</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+254"/>
        <location line="+95"/>
        <source>Nr.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="-34"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-94"/>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <source>Zeit</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentag</source>
        <translation>Giorno della settimana</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hinweis / Fehler</source>
        <translation>Nota / errore</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Auswahl löschen</source>
        <translation>Elimina selezione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-12"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+8"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-3"/>
        <source>hh:mm:ss</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+7"/>
        <source>Dauer bis
mm:ss</source>
        <translation>Durata fino a
mm:ss</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Puls
hh:mm:ss</source>
        <translation>Impulso
hh:mm:ss</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause
hh:mm:ss</source>
        <translation>Pausa
hh:mm:ss</translation>
    </message>
</context>
<context>
    <name>ToolBarMenu</name>
    <message>
        <location filename="../../qml/app/toolbars/ToolBarMenu.qml" line="+26"/>
        <source>Direktbefehle / Gerätestatus</source>
        <translation>Comandi diretti / Stato del dispositivo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einstellungen</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software-Info</source>
        <translation>Info software</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <location filename="../../qml/MainWindow.qml" line="-96"/>
        <source>Software aktualisieren</source>
        <translation>Aggiorna software</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist eine neue Version verfügbar, möchten Sie diese installieren?</source>
        <translation>È disponibile una nuova versione, desidera installarla?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installieren</source>
        <translation>Installa</translation>
    </message>
</context>
<context>
    <name>Week rules</name>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-170"/>
        <source>Erster</source>
        <translation>Primo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zweiter</source>
        <translation>Secondo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dritter</source>
        <translation>Terzo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vierter</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzter</source>
        <translation>Ultimo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>jeden Monat</source>
        <translation>ogni mese</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Januar</source>
        <translation>a gennaio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Februar</source>
        <translation>a febbraio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im März</source>
        <translation>a marzo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im April</source>
        <translation>ad aprile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Mai</source>
        <translation>a maggio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Juni</source>
        <translation>a giugno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Juli</source>
        <translation>a luglio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im August</source>
        <translation>ad agosto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im September</source>
        <translation>a settembre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Oktober</source>
        <translation>a ottobre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im November</source>
        <translation>a novembre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Dezember</source>
        <translation>a dicembre</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="-170"/>
        <source>TARVINO rix2/rix3-Datei speichern</source>
        <translation>Salva file TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TARVINO rix2/rix3-Datei (*.ot2)</source>
        <translation>File TARVINO rix2/rix3 (*.ot2)</translation>
    </message>
    <message>
        <location filename="../../qml/app/menus/DesktopMenu.qml" line="-84"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-60"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+44"/>
        <source>Exportieren</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+1"/>
        <source>CSV UTF-8 (kommagetrennt) (*.csv)</source>
        <translation>CSV UTF-8 (delimitato da virgole) (*.csv)</translation>
    </message>
</context>
<context>
    <name>devices::EepromService</name>
    <message>
        <location filename="../../platform/devices/src/eepromservice.cpp" line="+304"/>
        <source>Das Gerätemodell ist unbekannt.</source>
        <translation>Il modello del dispositivo è sconosciuto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Projekt hat mehr Schaltzeiten und Datumsbereiche, als das Gerät aufnehmen kann.</source>
        <translation>Il progetto ha più orari e intervalli di date di quanti il dispositivo ne possa contenere.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild ist unvollständig.</source>
        <translation>L&apos;immagine di memoria è incompleta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Gerätespeicher ist leer.</source>
        <translation>La memoria del dispositivo è vuota.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Gerätespeicher enthält eine Gerätesprache, kein Projekt.</source>
        <translation>La memoria del dispositivo contiene una lingua del dispositivo, non un progetto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Daten sind kein Speicherabbild eines Projekts.</source>
        <translation>I dati non sono un&apos;immagine di memoria di un progetto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild gehört zu einem anderen Gerätemodell.</source>
        <translation>L&apos;immagine di memoria appartiene a un altro modello di dispositivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild ist beschädigt.</source>
        <translation>L&apos;immagine di memoria è danneggiata.</translation>
    </message>
</context>
</TS>
