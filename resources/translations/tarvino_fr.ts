<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>Astro</name>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="+143"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+336"/>
        <source>Startzeitpunkt</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dauer bis</source>
        <translation>Durée jusqu&apos;à</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Ende (hh:mm)</source>
        <translation>Fin (hh:mm)</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+35"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+21"/>
        <source>Impuls Ein</source>
        <translation>Impulsion marche</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+1"/>
        <source>Impuls Aus</source>
        <translation>Impulsion arrêt</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="-4"/>
        <source>Fix Ein</source>
        <translation>Fixe marche</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+0"/>
        <source>Fix Aus</source>
        <translation>Fixe arrêt</translation>
    </message>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+58"/>
        <source>Standort</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breitengrad</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Längengrad</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Land</source>
        <translation>Pays</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stadt</source>
        <translation>Ville</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ausschaltzeit</source>
        <translation>Heure d&apos;extinction</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Einschaltzeit</source>
        <translation>Heure d&apos;allumage</translation>
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
        <translation>Règle de Pâques</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="-16"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+171"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-106"/>
        <source>Astro inaktiv</source>
        <translation>Astro inactif</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+19"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+176"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-19"/>
        <source>Astrotabelle</source>
        <translation>Table astro</translation>
    </message>
    <message>
        <location line="+57"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+9"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+16"/>
        <source>Sonnenaufgang</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+3"/>
        <source>Abend + Morgen</source>
        <translation>Soir + matin</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Morgen</source>
        <translation>Matin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abend</source>
        <translation>Soir</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+4"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-20"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+0"/>
        <source>Sonnenuntergang</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dämmerung</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dunkelheit</source>
        <translation>Obscurité</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+63"/>
        <source>Kein Astrokanal definiert</source>
        <translation>Aucun canal astro défini</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astrokanal auf der Registerkarte Geräteeinstellungen aktivieren</source>
        <translation>Activez un canal astro dans l&apos;onglet Paramètres de l&apos;appareil</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+71"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <source>Astrozeitpunkt</source>
        <translation>Moment astro</translation>
    </message>
    <message>
        <location line="+44"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+115"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+7"/>
        <source>Offset Sonnenaufgang</source>
        <translation>Décalage lever du soleil</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Offset Sonnenuntergang</source>
        <translation>Décalage coucher du soleil</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="-9"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+5"/>
        <source>Ein bei Sonnenuntergang + Aus bei Sonnenaufgang</source>
        <translation>Marche au coucher du soleil + arrêt au lever du soleil</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Aus bei Sonnenuntergang + Ein bei Sonnenaufgang</source>
        <translation>Arrêt au coucher du soleil + marche au lever du soleil</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="+53"/>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+2"/>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Astro-Impuls</source>
        <translation>Impulsion astro</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+23"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Astromode</source>
        <translation>Mode astro</translation>
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
        <translation>au plus tôt</translation>
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
        <translation>au plus tard</translation>
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
        <translation>Décalage</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Astrozeiten anzeigen</source>
        <translation>Afficher les heures astro</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+49"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-71"/>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="+56"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-18"/>
        <source>Standort</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+18"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+34"/>
        <source>Koordinaten</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+66"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+91"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+11"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="+45"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+2"/>
        <source>Breitengrad</source>
        <translation>Latitude</translation>
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
        <translation>Longitude</translation>
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
        <translation>° Ouest</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sommer-/Winterregel</source>
        <translation>Règle été/hiver</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+35"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+25"/>
        <source>Für diesen Ort ist keine Zeitzone bekannt; sie wurde aus dem Längengrad bestimmt.</source>
        <translation>Aucun fuseau horaire n&apos;est connu pour ce lieu ; il a été déterminé à partir de la longitude.</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+22"/>
        <source>Standort bestimmen</source>
        <translation>Déterminer l&apos;emplacement</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="-10"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-9"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+3"/>
        <source>Länderliste</source>
        <translation>Liste des pays</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="-33"/>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+39"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+7"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+2"/>
        <source>Land</source>
        <translation>Pays</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+14"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+13"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="-12"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Stadt</source>
        <translation>Ville</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Aktuelle Position</source>
        <translation>Position actuelle</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+19"/>
        <location filename="../../qml/app/views/FavoriteLocationsView.qml" line="+18"/>
        <source>Favoriten bearbeiten</source>
        <translation>Modifier les favoris</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+40"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Favoriten</source>
        <translation>Favoris</translation>
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
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+8"/>
        <source>Kanal</source>
        <translation>Canal</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-15"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <source>Ausschaltzeit</source>
        <translation>Heure d&apos;extinction</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+0"/>
        <source>Einschaltzeit</source>
        <translation>Heure d&apos;allumage</translation>
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
        <translation>HEC belge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norm NBN L 18-001</source>
        <translation>Norme NBN L 18-001</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Overlap not permitted</source>
        <translation>Chevauchement non autorisé</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="+16"/>
        <source>Sunrise</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunset</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="+45"/>
        <source>Eigene Astrotabelle eingeben</source>
        <translation>Saisir une table astro personnelle</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="-24"/>
        <source>Nr.</source>
        <translation>N°</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/FavoriteLocationsView.qml" line="+62"/>
        <source>Favorit hinzufügen</source>
        <translation>Ajouter un favori</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/AstroLocationView.qml" line="+12"/>
        <source>Astro-Standort</source>
        <translation>Emplacement astro</translation>
    </message>
</context>
<context>
    <name>Bluetooth</name>
    <message>
        <location filename="../../platform/ble/src/qtbluetoothbackend.cpp" line="+100"/>
        <source>Kein Bluetooth-Adapter verfügbar: Die Verbindung mit dem Gerät ist nicht möglich.</source>
        <translation>Aucun adaptateur Bluetooth disponible : la connexion à l&apos;appareil est impossible.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+20"/>
        <location filename="../../platform/ble/src/simulatedbackend.cpp" line="+144"/>
        <source>Das Gerät bietet keinen Tarvino-Dienst an.</source>
        <translation>L&apos;appareil ne propose aucun service Tarvino.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Der Dienst des Geräts antwortet nicht.</source>
        <translation>Le service de l&apos;appareil ne répond pas.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Die Verbindung mit dem Gerät ist fehlgeschlagen: %1</source>
        <translation>La connexion à l&apos;appareil a échoué : %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Gerät hat die Verbindung beendet.</source>
        <translation>L&apos;appareil a mis fin à la connexion.</translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/bleservice.cpp" line="+320"/>
        <source>Die Authentifizierung mit dem Gerät ist fehlgeschlagen.</source>
        <translation>L&apos;authentification auprès de l&apos;appareil a échoué.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Der Status des Geräts konnte nicht gelesen werden.</source>
        <translation>L&apos;état de l&apos;appareil n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/abstractblerequest.cpp" line="+19"/>
        <source>Das Gerät kennt die Anfrage nicht.</source>
        <translation>L&apos;appareil ne connaît pas la requête.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat ungültige Werte erhalten.</source>
        <translation>L&apos;appareil a reçu des valeurs non valides.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Adresse liegt außerhalb des Gerätespeichers.</source>
        <translation>L&apos;adresse se trouve hors de la mémoire de l&apos;appareil.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat das Projekt nicht übernommen.</source>
        <translation>L&apos;appareil n&apos;a pas accepté le projet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät erwartet keine Speicherübertragung.</source>
        <translation>L&apos;appareil n&apos;attend aucun transfert de mémoire.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät ist beschäftigt.</source>
        <translation>L&apos;appareil est occupé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät verlangt eine Authentifizierung.</source>
        <translation>L&apos;appareil exige une authentification.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät meldet den Fehler %1.</source>
        <translation>L&apos;appareil signale l&apos;erreur %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Gerät antwortet nicht.</source>
        <translation>L&apos;appareil ne répond pas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung mit dem Gerät wurde unterbrochen.</source>
        <translation>La connexion à l&apos;appareil a été interrompue.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist kein Gerät verbunden.</source>
        <translation>Aucun appareil n&apos;est connecté.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation>L&apos;appareil n&apos;a pas accepté les données.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts ist beschädigt.</source>
        <translation>La réponse de l&apos;appareil est endommagée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts passt nicht zur Anfrage.</source>
        <translation>La réponse de l&apos;appareil ne correspond pas à la requête.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation>Transfert annulé par l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Anfrage kann nicht gesendet werden.</source>
        <translation>La requête ne peut pas être envoyée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unbekannter Fehler %1</source>
        <translation>Erreur inconnue %1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <location filename="../../qml/components/EditableYearPicker.qml" line="+43"/>
        <location filename="../../qml/components/YearPicker.qml" line="+31"/>
        <source>bis</source>
        <translation>au</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+181"/>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="+251"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableDelegate.qml" line="+257"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+168"/>
        <source>d</source>
        <translation>j</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+110"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+42"/>
        <source>%1 Tag(e)</source>
        <translation>
            <numerusform>%1 jour</numerusform>
            <numerusform>%1 jours</numerusform>
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
        <translation>Année</translation>
    </message>
    <message>
        <location filename="../../app/extraprograms/daterangecontroller.cpp" line="+5"/>
        <source>d</source>
        <comment>d for days</comment>
        <translation>j</translation>
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
        <translation>Adresse du cloud</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/CloudLoginPopup.qml" line="+52"/>
        <source>Über die Zorvik Cloud anmelden</source>
        <translation>Se connecter via le Zorvik Cloud</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Registrieren</source>
        <translation>S&apos;inscrire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+71"/>
        <source>Passwort</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+13"/>
        <source>Anmeldedaten merken?</source>
        <translation>Mémoriser les identifiants ?</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+30"/>
        <source>Anmelden</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+22"/>
        <source>Ungültige Anmeldeinformationen.</source>
        <translation>Identifiants non valides.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dieses Konto hat keine Geräte, um eine Verbindung herzustellen.</source>
        <translation>Ce compte n&apos;a aucun appareil auquel se connecter.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+7"/>
        <source>Während der Verbindung ist ein Fehler aufgetreten.</source>
        <translation>Une erreur s&apos;est produite pendant la connexion.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="-115"/>
        <source>Die Schaltzeiten wurden korrekt im Gerät gespeichert.</source>
        <translation>Les horaires de commutation ont été enregistrés correctement dans l&apos;appareil.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Dateiname enthält zu viele Leerzeichen.</source>
        <translation>Le nom du fichier contient trop d&apos;espaces.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter sind nicht korrekt eingestellt.</source>
        <translation>Les paramètres ne sont pas réglés correctement.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beim Senden der ot2-Datei ist ein Fehler aufgetreten.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;envoi du fichier ot2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upload OT2</source>
        <translation>Envoi du fichier OT2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verbindung zum Gerät %1</source>
        <translation>Connexion à l&apos;appareil %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ot2-Datei senden...</source>
        <translation>Envoi du fichier ot2...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anmelden am Gerät %1</source>
        <translation>Connexion à l&apos;appareil %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Benutzername</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Die Verbindung zum Gerät konnte nicht hergestellt werden.</source>
        <translation>La connexion à l&apos;appareil n&apos;a pas pu être établie.</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/CloudDevicesView.qml" line="+22"/>
        <source>Gerät auswählen</source>
        <translation>Choisir l&apos;appareil</translation>
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
        <translation>Nouvel An chinois</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-4"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-2"/>
        <source>%1 Tag(e) vor Chinese NY</source>
        <translation>
            <numerusform>%1 jour avant le Nouvel An chinois</numerusform>
            <numerusform>%1 jours avant le Nouvel An chinois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <source>%1 Tag(e) nach Chinese NY</source>
        <translation>
            <numerusform>%1 jour après le Nouvel An chinois</numerusform>
            <numerusform>%1 jours après le Nouvel An chinois</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Communication</name>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-79"/>
        <source>Welches Übertragungsmedium möchten Sie verwenden?</source>
        <translation>Quel moyen de transfert souhaitez-vous utiliser ?</translation>
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
        <translation>Aucune connexion série ou Bluetooth détectée.</translation>
    </message>
</context>
<context>
    <name>Data exchange</name>
    <message>
        <location filename="../../qml/app/popups/DataExchangePopUp.qml" line="+73"/>
        <location line="+147"/>
        <location line="+11"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation>Transfert annulé par l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="-134"/>
        <source>Verbindung mit dem Gerät verloren</source>
        <translation>Connexion à l&apos;appareil perdue</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+123"/>
        <source>Übertragung abgebrochen, zu viele Fehler</source>
        <translation>Transfert annulé, trop d&apos;erreurs</translation>
    </message>
    <message>
        <location line="-119"/>
        <source>Projekt exportieren</source>
        <translation>Exporter le projet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Projekt importieren</source>
        <translation>Importer le projet</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Projekt kopieren APP → Uhr</source>
        <translation>Copier le projet appli → horloge</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Schaltzeiten kopieren APP → Uhr</source>
        <translation>Copier les horaires appli → horloge</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Importiertes Projekt benennen:</source>
        <translation>Nommer le projet importé :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Abbruch</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="+100"/>
        <source>Die Übertragung ist nicht möglich: das Gerätemodell oder der Bluetooth-Dienst fehlt.</source>
        <translation>Le transfert est impossible : le modèle d&apos;appareil ou le service Bluetooth manque.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Kein Projekt zum Übertragen.</source>
        <translation>Aucun projet à transférer.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Projekt konnte nicht gelesen werden.</source>
        <translation>Le projet n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Der Projektname konnte nicht geschrieben werden: %1</source>
        <translation>Le nom du projet n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Der aktive Speicherbereich des Geräts konnte nicht gelesen werden.</source>
        <translation>La zone de mémoire active de l&apos;appareil n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+65"/>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="+118"/>
        <source>Das Gerät enthält jetzt kein gültiges Programm. Übertragen Sie das Projekt erneut.</source>
        <translation>L&apos;appareil ne contient plus de programme valide. Transférez à nouveau le projet.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="-48"/>
        <source>Das gelesene Projekt konnte nicht gespeichert werden.</source>
        <translation>Le projet lu n&apos;a pas pu être enregistré.</translation>
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
        <translation>Premier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zweiter</source>
        <translation>Deuxième</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dritter</source>
        <translation>Troisième</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vierter</source>
        <translation>Quatrième</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzter</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>jeden Monat</source>
        <translation>chaque mois</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Januar</source>
        <translation>en janvier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Februar</source>
        <translation>en février</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im März</source>
        <translation>en mars</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im April</source>
        <translation>en avril</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Mai</source>
        <translation>en mai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Juni</source>
        <translation>en juin</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Juli</source>
        <translation>en juillet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im August</source>
        <translation>en août</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im September</source>
        <translation>en septembre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Oktober</source>
        <translation>en octobre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im November</source>
        <translation>en novembre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Dezember</source>
        <translation>en décembre</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Festes Datum</source>
        <translation>Date fixe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festes Datum jedes Jahr</source>
        <translation>Date fixe chaque année</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-312"/>
        <source>Osterregel</source>
        <translation>Règle de Pâques</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reihe von Tagen</source>
        <translation>Suite de jours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regel für Wochentage</source>
        <translation>Règle des jours de semaine</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+6"/>
        <source>Chinesisches Neujahr</source>
        <translation>Nouvel An chinois</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramViewList.qml" line="+66"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeTable.qml" line="+145"/>
        <source>Dieses Gerät unterstützt nicht alle Daten.
Einige Daten wurden nicht übertragen.</source>
        <translation>Cet appareil ne prend pas en charge toutes les données.
Certaines données n&apos;ont pas été transférées.</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateTableFooter.qml" line="+46"/>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateTableHeader.qml" line="-59"/>
        <source>Nr.</source>
        <translation>N°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ende</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dauer</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wiederholung</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hinweis / Fehler</source>
        <translation>Remarque / erreur</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Auswahl löschen</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tage Stunden</source>
        <translation>Jours heures</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nach ... Tagen</source>
        <translation>Après ... jours</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/datepicker/CalendarList.qml" line="+31"/>
        <source>Jahr auswählen</source>
        <translation>Choisir l&apos;année</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-4"/>
        <source>Serienmuster</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentagsregel</source>
        <translation>Règle de jour de semaine</translation>
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
        <translation>du</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An</source>
        <translation>au</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nachtschaltung</source>
        <translation>Commutation de nuit</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tag-Einschaltung</source>
        <translation>Allumage de jour</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-25"/>
        <location filename="../../app/settings/daysetting.cpp" line="+10"/>
        <source>Montag</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Dienstag</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Mittwoch</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Donnerstag</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Freitag</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Samstag</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Sonntag</source>
        <translation>Dimanche</translation>
    </message>
</context>
<context>
    <name>Device info</name>
    <message>
        <location filename="../../platform/devices/src/deviceservice.cpp" line="+108"/>
        <source>Wochenschaltuhr</source>
        <translation>Horloge hebdomadaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresschaltuhr</source>
        <translation>Horloge annuelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astro-Schaltuhr</source>
        <translation>Horloge astronomique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation>Interrupteur crépusculaire</translation>
    </message>
</context>
<context>
    <name>DeviceInfo</name>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="+20"/>
        <source>Kanäle</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programme</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speicherplätze</source>
        <translation>Emplacements mémoire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Externe Eingänge</source>
        <translation>Entrées externes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme mit Schaltzeiten</source>
        <translation>Programmes spéciaux avec horaires</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrentyp</source>
        <translation>Type d&apos;horloge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresprogramm</source>
        <translation>Programme annuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls</source>
        <translation>Impulsion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklus</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Earth Hour</source>
        <translation>Earth Hour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erweiterungsmodul</source>
        <translation>Module d&apos;extension</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internes Bluetooth-Modul</source>
        <translation>Module Bluetooth interne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone einstellbar</source>
        <translation>Fuseau horaire réglable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation>Interrupteur crépusculaire</translation>
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
        <translation>Canal</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/directcommands/HolidaySection.qml" line="+70"/>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+27"/>
        <source>Status</source>
        <comment>Holiday state</comment>
        <translation>État</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+6"/>
        <source>Modus</source>
        <comment>Mode auto, on, off...</comment>
        <translation>Mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="+58"/>
        <source>Betriebsstunden</source>
        <translation>Heures de fonctionnement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Serviceintervall</source>
        <translation>Intervalle d&apos;entretien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aktueller Luxwert</source>
        <translation>Valeur lux actuelle</translation>
    </message>
    <message>
        <location filename="../../app/device/directcommandinfo.cpp" line="-20"/>
        <source>Auto</source>
        <comment>Mode of the channel</comment>
        <translation>Automatique</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impuls</source>
        <comment>Mode of the channel</comment>
        <translation>Impulsion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zyklus</source>
        <comment>Mode of the channel</comment>
        <translation>Cycle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timer</source>
        <comment>Mode of the channel</comment>
        <translation>Minuterie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ferien</source>
        <comment>Mode of the channel</comment>
        <translation>Vacances</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung</source>
        <comment>Mode of the channel</comment>
        <translation>Commande manuelle</translation>
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
        <translation>Continu (externe)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Externer Treppenlichtzeitautomat aktiv</source>
        <comment>Mode of the channel</comment>
        <translation>Minuterie d&apos;escalier externe active</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kanalverriegelung</source>
        <comment>Mode of the channel</comment>
        <translation>Verrouillage de canal</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/CommandRow.qml" line="+11"/>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="+90"/>
        <source>Senden</source>
        <comment>Button label</comment>
        <translation>Envoyer</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="-69"/>
        <source>Datum / Uhrzeit</source>
        <comment>Section title</comment>
        <translation>Date / heure</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Zeitzone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Systemzeit</source>
        <translation>Heure système</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Individuelle Zeit</source>
        <translation>Heure individuelle</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/DirectCommandsItem.qml" line="-68"/>
        <location line="+8"/>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="-27"/>
        <location line="+20"/>
        <location filename="../../qml/app/views/SensorAffectationView.qml" line="+27"/>
        <source>Sensorzuordnung</source>
        <translation>Affectation des capteurs</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Maximale Anzahl der anschließbaren Lichtsensoren (4) überschritten</source>
        <translation>Nombre maximal de capteurs de lumière raccordables (4) dépassé</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sensorfehler</source>
        <translation>Erreur de capteur</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 SN: %2</source>
        <translation>%1 SN: %2</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Firmware-Version:</source>
        <translation>Version du micrologiciel :</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software Version Gerät</source>
        <translation>Version logicielle de l&apos;appareil</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/HolidaySection.qml" line="-13"/>
        <source>Ferienprogramm</source>
        <translation>Programme vacances</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Beginn</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Ende</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="-74"/>
        <source>Manueller Befehl</source>
        <translation>Commande manuelle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Handschaltung stoppen</source>
        <translation>Arrêter la commande manuelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handschaltung</source>
        <translation>Commande manuelle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dauer Ein stoppen</source>
        <comment>Channel mode</comment>
        <translation>Arrêter marche permanente</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-44"/>
        <location line="+12"/>
        <source>Dauer Ein</source>
        <comment>Channel mode</comment>
        <translation>Marche permanente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dauer Aus stoppen</source>
        <comment>Channel mode</comment>
        <translation>Arrêter arrêt permanent</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-11"/>
        <location line="+12"/>
        <source>Dauer Aus</source>
        <comment>Channel mode</comment>
        <translation>Arrêt permanent</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Timer</source>
        <translation>Minuterie</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Zufall</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="+1"/>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/SensorAffectationTable.qml" line="+35"/>
        <source>Luxwert</source>
        <translation>Valeur lux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Blinken</source>
        <translation>Clignoter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kanal %1 aktivieren </source>
        <translation>Activer le canal %1 </translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/SensorRow.qml" line="+31"/>
        <source>S%1</source>
        <translation>C%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor %1</source>
        <translation>Capteur %1</translation>
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
        <translation>Dimanche de Pâques</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+13"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+13"/>
        <source>%1 Tag(e) vor Ostersonntag</source>
        <translation>
            <numerusform>%1 jour avant le dimanche de Pâques</numerusform>
            <numerusform>%1 jours avant le dimanche de Pâques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>%1 Tag(e) nach Ostersonntag</source>
        <translation>
            <numerusform>%1 jour après le dimanche de Pâques</numerusform>
            <numerusform>%1 jours après le dimanche de Pâques</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-17"/>
        <source>Karfreitag</source>
        <translation>Vendredi saint</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-16"/>
        <source>1 Tag vor Ostersonntag</source>
        <translation>1 jour avant le dimanche de Pâques</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+4"/>
        <source>Ostermontag</source>
        <translation>Lundi de Pâques</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Christi Himmelfahrt</source>
        <translation>Ascension</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Pfingstsonntag</source>
        <translation>Pentecôte</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Pfingstmontag</source>
        <translation>Lundi de Pentecôte</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Fronleichnam</source>
        <translation>Fête-Dieu</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-14"/>
        <source>Karfreitag</source>
        <comment>Karfreitag</comment>
        <translation>Vendredi saint</translation>
    </message>
</context>
<context>
    <name>Edit project</name>
    <message>
        <location filename="../../qml/app/views/ProjectContentView.qml" line="+30"/>
        <source>Neues Projekt</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Lire TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation>Programmer TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Direkte Befehle</source>
        <translation>Commandes directes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E-Mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+79"/>
        <source>Einstellungen Gerät</source>
        <comment>Tab title</comment>
        <translation>Réglages de l&apos;appareil</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="+35"/>
        <source>Programm</source>
        <translation>Programme</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="-98"/>
        <source>Einstellungen Gerät</source>
        <translation>Réglages de l&apos;appareil</translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/ToolBarFunctions.qml" line="+66"/>
        <source>Wollen Sie das Schaltprogramm wirklich optimieren?</source>
        <translation>Voulez-vous vraiment optimiser le programme de commutation ?</translation>
    </message>
</context>
<context>
    <name>Edit switch time</name>
    <message>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="+51"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-65"/>
        <source>Zeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SonderProgramTypePopup.qml" line="+22"/>
        <source>Feiertagsregeln anwenden..</source>
        <translation>Appliquer les règles de jours fériés..</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Typ auswählen</source>
        <translation>Choisir le type</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="-12"/>
        <source>Ersteller</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Astro</source>
        <translation>Astro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kanal %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Titel:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beschreibung:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gerät:</source>
        <translation>Appareil :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dateiname:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+3"/>
        <source>Adresse:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-43"/>
        <source>Fix</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+102"/>
        <source>Astroprogramm</source>
        <translation>Programme astro</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Zyklus Impuls</source>
        <translation>Cycle impulsion</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Schaltungen:</source>
        <translation>Commutations :</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Datum Bereich:</source>
        <translation>Plage de dates :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>R %1d</source>
        <comment>R for repeat, d for days</comment>
        <translation>R %1 j</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+76"/>
        <source>12 h</source>
        <translation>12 heures</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>24 h</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Orthodoxe Kirche</source>
        <translation>Église orthodoxe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>Normale</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Winter ► Sommer</source>
        <translation>Hiver ► été</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sommer ► Winter</source>
        <translation>Été ► hiver</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Taster</source>
        <translation>Bouton-poussoir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schalter</source>
        <translation>Interrupteur</translation>
    </message>
</context>
<context>
    <name>Extra program</name>
    <message>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-153"/>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+67"/>
        <source>Ende muss nach dem Beginn liegen</source>
        <translation>La fin doit se situer après le début</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+2"/>
        <source>Start und Ende müssen sich unterscheiden</source>
        <translation>Le début et la fin doivent différer</translation>
    </message>
    <message>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+2"/>
        <source>Überschneidung nicht zulässig</source>
        <translation>Chevauchement non autorisé</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-12"/>
        <source>Schaltzeiten von Zusatzprogrammen werden nur ausgeführt, wenn Datumsbereiche angegeben sind.</source>
        <translation>Les horaires des programmes supplémentaires ne sont exécutés que si des plages de dates sont indiquées.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bei den folgenden Zusatzprogrammen im Projekt fehlen Datumsbereiche:</source>
        <translation>Les programmes supplémentaires suivants du projet n&apos;ont pas de plages de dates :</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramTypeToolbar.qml" line="+32"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableFooter.qml" line="+8"/>
        <source>Feiertagsset übernehmen</source>
        <translation>Reprendre le jeu de jours fériés</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+42"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-334"/>
        <source>Fixes Datum jedes Jahr</source>
        <translation>Date fixe chaque année</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram1Header.qml" line="+50"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOff.qml" line="+44"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+50"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+85"/>
        <location line="+103"/>
        <source>Schaltprogramm</source>
        <translation>Programme de commutation</translation>
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
        <translation>Marche</translation>
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
        <translation>Arrêt</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram1AstroHeader.qml" line="+19"/>
        <source>Schalten Nacht/Tag</source>
        <translation>Commutation nuit/jour</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+17"/>
        <source>Luxwerte</source>
        <translation>Valeurs lux</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/extraprograms/SonderProgramNoctaEditionRow.qml" line="+19"/>
        <source>Lux Ein</source>
        <translation>Lux marche</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramNoctaEditionRow.qml" line="+10"/>
        <source>Lux Aus</source>
        <translation>Lux arrêt</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Edition.qml" line="+61"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-101"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-81"/>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+42"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+6"/>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+18"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+9"/>
        <source>Ende</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Header.qml" line="+29"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-70"/>
        <source>Dauer Ein</source>
        <translation>Marche permanente</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+0"/>
        <source>Dauer Aus</source>
        <translation>Arrêt permanent</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramAstroEditionRow.qml" line="+50"/>
        <source>Startzeit</source>
        <translation>Heure de début</translation>
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
        <translation>Durée jusqu&apos;à</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramHolidays.qml" line="+33"/>
        <source>Ferien-Einstellung</source>
        <translation>Réglage vacances</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+0"/>
        <source>Fixes Datum</source>
        <translation>Date fixe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osterregel</source>
        <translation>Règle de Pâques</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reihe von Tagen</source>
        <translation>Suite de jours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regel für Wochentage</source>
        <translation>Règle des jours de semaine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinesisches Neujahr</source>
        <translation>Nouvel An chinois</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feiertage</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nacht</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tag</source>
        <translation>Jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Einschalten</source>
        <translation>%1 allumage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Ausschalten</source>
        <translation>%1 extinction</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-6"/>
        <source>Sonderprogramm %1</source>
        <translation>Programme spécial %1</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Wiederholung</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+33"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-47"/>
        <source>Dauer</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Nach ... Tagen</source>
        <translation>Après ... jours</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDateEditionRow.qml" line="-24"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItemRow.qml" line="+12"/>
        <source>Uhrzeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+1"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederholen nach...</source>
        <translation>Répéter après...</translation>
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
        <translation>Supprimer</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../qml/components/FilePicker.qml" line="-17"/>
        <source>Durchsuchen</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datei auswählen</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location filename="../../qml/components/NotImplementedYetPopUp.qml" line="+6"/>
        <source>Diese Funktion ist noch nicht verfügbar.</source>
        <translation>Cette fonction n&apos;est pas encore disponible.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="-21"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-3"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="-2"/>
        <source>Ja</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="+1"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+1"/>
        <source>Nein</source>
        <translation>Non</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ErrorPopUp.qml" line="+7"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-16"/>
        <source>Fehler</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+15"/>
        <source>Bestätigung</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/AppToolBar.qml" line="+95"/>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-3"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-4"/>
        <source>Warnung</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Möchten Sie trotzdem mit der Programmierung fortfahren?</source>
        <translation>Voulez-vous quand même poursuivre la programmation ?</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+1"/>
        <source>Ihr Projekt enthält ungespeicherte Änderungen.</source>
        <translation>Votre projet contient des modifications non enregistrées.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen speichern</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen ignorieren</source>
        <translation>Ignorer les modifications</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+143"/>
        <source>Jede Auswahl aufheben</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+0"/>
        <source>Alle auswählen</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <location filename="../../qml/MainWindow.qml" line="+200"/>
        <source>Es gab nichts zu schreiben.</source>
        <translation>Il n&apos;y avait rien à écrire.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Die Änderungen konnten nicht gespeichert werden: %1</source>
        <translation>Les modifications n&apos;ont pas pu être enregistrées : %1</translation>
    </message>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+119"/>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="+7"/>
        <source>Schreiben</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-166"/>
        <source>24 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation>24 heures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation>12 heures</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Montag</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dienstag</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mittwoch</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Donnerstag</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freitag</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Samstag</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonntag</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jeden Tag</source>
        <translation>Chaque jour</translation>
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
        <translation>Arrêt</translation>
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
        <translation>Marche</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-89"/>
        <source>Zufall 1</source>
        <translation>Aléatoire 1</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-2"/>
        <source>Zufall 2</source>
        <translation>Aléatoire 2</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Beenden Timer</source>
        <translation>Fin minuterie</translation>
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
        <translation>Impulsion marche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls aus</source>
        <translation>Impulsion arrêt</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+32"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+6"/>
        <source>Zyklus</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+25"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+39"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-3"/>
        <source>Fix Ein</source>
        <translation>Fixe marche</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+0"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-1"/>
        <source>Fix Aus</source>
        <translation>Fixe arrêt</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Einschalten</source>
        <translation>Allumer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ausschalten</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Auswählen</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ein+Aus</source>
        <translation>Marche+arrêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Ein</source>
        <translation>Impulsion marche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Aus</source>
        <translation>Impulsion arrêt</translation>
    </message>
    <message>
        <location line="+157"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-12"/>
        <source>Ausschneiden</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramView.qml" line="-17"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+10"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="-20"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <source>Kopieren</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+9"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="+7"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="+12"/>
        <source>Einfügen</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+9"/>
        <location filename="../../qml/app/views/SwitchTimeEditionView.qml" line="+28"/>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableSwitchControl.qml" line="+30"/>
        <source>EIN</source>
        <translation>MARCHE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AUS</source>
        <translation>ARRÊT</translation>
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
        <translation>Appliquer jusqu&apos;à</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LuxValueHeader.qml" line="+18"/>
        <source>Ein (lux)</source>
        <translation>Marche (lux)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Aus (lux)</source>
        <translation>Arrêt (lux)</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SwitchStatusPopUp.qml" line="+18"/>
        <source>Typ auswählen</source>
        <translation>Choisir le type</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-124"/>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+29"/>
        <source>Das Programm dieses Kanals wird gelöscht.</source>
        <translation>Le programme de ce canal sera supprimé.</translation>
    </message>
    <message>
        <location line="+136"/>
        <location filename="../../app/report/reporttexts.h" line="+6"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-10"/>
        <source>Aktiv</source>
        <translation>Actif</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="-13"/>
        <source>Das Programm für das Erweiterungsmodul wird gelöscht.</source>
        <translation>Le programme du module d&apos;extension sera supprimé.</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="-21"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-153"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="-58"/>
        <source>(nichts)</source>
        <translation>(rien)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+44"/>
        <source>Uhrzeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <location line="+18"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Wochentag</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-30"/>
        <location line="+96"/>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufsteigend</source>
        <translation>croissant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>absteigend</source>
        <translation>décroissant</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sortieren</source>
        <translation>Trier</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>zuerst</source>
        <translation>d&apos;abord</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>danach</source>
        <translation>ensuite</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-187"/>
        <source>Impulsdauer fehlt</source>
        <translation>Durée d&apos;impulsion manquante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zykluspuls fehlt</source>
        <translation>Impulsion de cycle manquante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zykluspause fehlt</source>
        <translation>Pause de cycle manquante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letzter Tag fehlt</source>
        <translation>Dernier jour manquant</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Start (hh:mm)</source>
        <translation>Début (hh:mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrzeit (hh:mm:ss)</source>
        <translation>Heure (hh:mm:ss)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Dauer (mm:ss)</source>
        <translation>Durée (mm:ss)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls (hh:mm:ss)</source>
        <translation>Impulsion (hh:mm:ss)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pause (hh:mm:ss)</source>
        <translation>Pause (hh:mm:ss)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-335"/>
        <source>Endlos</source>
        <translation>Sans fin</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Start und Ende müssen unterschiedlich sein</source>
        <translation>Le début et la fin doivent être différents</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Entfernen</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="-23"/>
        <source>Anwendung</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+79"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+338"/>
        <source>Dauer</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+10"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-71"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectSettingsView.qml" line="-23"/>
        <source>Projekt-Einstellungen</source>
        <translation>Réglages du projet</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-123"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+10"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name bearbeiten</source>
        <translation>Modifier le nom</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-160"/>
        <location line="+91"/>
        <source>Funktion</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-192"/>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-12"/>
        <source>Automatisch ausfüllen</source>
        <translation>Remplir automatiquement</translation>
    </message>
    <message>
        <location line="+76"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+138"/>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ende</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Nur für die Simulation</source>
        <translation>Uniquement pour la simulation</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-2"/>
        <location line="+1"/>
        <location line="+79"/>
        <source>Stunde</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="-79"/>
        <source>Woche</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monat</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location filename="../../app/report/reporttexts.h" line="+6"/>
        <source>Leer</source>
        <translation>Vide</translation>
    </message>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-48"/>
        <source>Januar</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Februar</source>
        <translation>Février</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>März</source>
        <translation>Mars</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mai</source>
        <translation>Mai</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Juni</source>
        <translation>Juin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Juli</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Oktober</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dezember</source>
        <translation>Décembre</translation>
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
        <translation>Exporter</translation>
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
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>GlobalSettings</name>
    <message>
        <location filename="../../app/settings/dateformatsetting.cpp" line="+10"/>
        <source>31.12.00 (TT.MM.JJ)</source>
        <translation>31.12.00 (JJ.MM.AA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12/31/00 (MM/TT/JJ)</source>
        <translation>12/31/00 (MM/JJ/AA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>00-12-31 (JJ-MM-TT)</source>
        <translation>00-12-31 (AA-MM-JJ)</translation>
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
        <translation>UTC -3 h 30</translation>
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
        <translation>UTC +3 h 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h</source>
        <translation>UTC +4 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h30</source>
        <translation>UTC +4 h 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h</source>
        <translation>UTC +5 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h30</source>
        <translation>UTC +5 h 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h</source>
        <translation>UTC +6 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h30</source>
        <translation>UTC +6 h 30</translation>
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
        <translation>UTC +9 h 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h</source>
        <translation>UTC +10 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h30</source>
        <translation>UTC +10 h 30</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h</source>
        <translation>UTC +11 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h30</source>
        <translation>UTC +11 h 30</translation>
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
            <numerusform>%1 code a été supprimé !</numerusform>
            <numerusform>%1 codes ont été supprimés !</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-43"/>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Datumsformat</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erster Tag der Woche</source>
        <translation>Premier jour de la semaine</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Töne</source>
        <translation>Sons</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Vibration</source>
        <translation>Vibreur</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Synchronisierung von Datum und Uhrzeit</source>
        <translation>Synchronisation automatique de la date et de l&apos;heure</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Sprachsynchronisation</source>
        <translation>Synchronisation automatique de la langue</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Verbindungscodes</source>
        <translation>Codes de connexion</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Modus Fehlerbeseitigung</source>
        <translation>Mode débogage</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Software-Update Adresse</source>
        <translation>Adresse de mise à jour du logiciel</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Immer Updates online suchen</source>
        <translation>Toujours rechercher les mises à jour en ligne</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/GlobalSettingsView.qml" line="+20"/>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-275"/>
        <source>Jährlich fest</source>
        <translation>Fixe chaque année</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freie Regel</source>
        <translation>Règle libre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relativ zum Osten</source>
        <translation>Relatif à Pâques</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Relativ zu CNY</source>
        <translation>Relatif au Nouvel An chinois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einmal fest</source>
        <translation>Fixe une fois</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+27"/>
        <source>Feiertag</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <location line="+104"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-159"/>
        <source>%1 vor dem %2</source>
        <comment>%1 = day of week, %2 = date</comment>
        <translation>%1 avant le %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+1"/>
        <source>%1 nach dem %2</source>
        <comment>%1 = day of week, %2 = date</comment>
        <translation>%1 après le %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Name des Feiertags</source>
        <translation>Nom du jour férié</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Art des Feiertags</source>
        <translation>Type de jour férié</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Wochentag</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+164"/>
        <source>von</source>
        <translation>du</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+7"/>
        <source>Dauer</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+0"/>
        <source>bis</source>
        <translation>au</translation>
    </message>
    <message>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-119"/>
        <source>Sind Sie sicher, dass Sie dieses Feiertagsset dauerhaft löschen möchten?</source>
        <translation>Voulez-vous vraiment supprimer définitivement ce jeu de jours fériés ?</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+161"/>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="-151"/>
        <source>Kopieren</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+151"/>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="-141"/>
        <location line="+152"/>
        <source>Entfernen</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location line="-144"/>
        <source>Vordefinierte Sets anzeigen (nicht änderbar)</source>
        <translation>Afficher les jeux prédéfinis (non modifiables)</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Für die Richtigkeit aller Angaben wird keine Gewähr übernommen! Für kritische Anwendungen überprüfen Sie bitte die Feiertagsdaten.</source>
        <translation>Aucune garantie n&apos;est donnée quant à l&apos;exactitude de ces informations ! Pour les applications critiques, veuillez vérifier les dates des jours fériés.</translation>
    </message>
    <message>
        <location filename="../../qml/app/holidays/NameEdition.qml" line="-13"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>Home</name>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-124"/>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Neues Projekt</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Lire TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Projekt duplizieren</source>
        <translation>Dupliquer le projet</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekt umbenennen</source>
        <translation>Renommer le projet</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekte löschen</source>
        <translation>Supprimer des projets</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Projekt exportieren</source>
        <translation>Exporter le projet</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Direkte Befehle</source>
        <translation>Commandes directes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Software-Info</source>
        <translation>Infos logiciel</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Noch keine Projekte. Legen Sie mit + ein neues Projekt an.</source>
        <translation>Aucun projet pour l&apos;instant. Créez un nouveau projet avec +.</translation>
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
        <translation>Emplacements mémoire</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-349"/>
        <location line="+279"/>
        <source>Impuls</source>
        <translation>Impulsion</translation>
    </message>
    <message>
        <location line="-277"/>
        <source>Zyklus</source>
        <translation>Cycle</translation>
    </message>
</context>
<context>
    <name>Legal</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="+140"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-18"/>
        <source>Geschäftsbedingungen</source>
        <translation>Conditions générales</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="+5"/>
        <source>Datenschutzrichtlinien</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-13"/>
        <source>Bitte lesen und akzeptieren Sie die Allgemeinen Geschäftsbedingungen sowie die Datenschutzrichtlinien, bevor Sie die Anwendung nutzen.</source>
        <translation>Veuillez lire et accepter les conditions générales ainsi que la politique de confidentialité avant d&apos;utiliser l&apos;application.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Ich akzeptiere die Allgemeinen Geschäftsbedingungen und bin über die Datenschutzbestimmungen informiert.</source>
        <translation>J&apos;accepte les conditions générales et j&apos;ai pris connaissance de la politique de confidentialité.</translation>
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
        <translation>Retard à l&apos;allumage</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Verzögerung Aus</source>
        <translation>Retard à l&apos;extinction</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LightView.qml" line="+13"/>
        <source>Licht</source>
        <translation>Lumière</translation>
    </message>
    <message>
        <location line="+28"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+169"/>
        <location line="+55"/>
        <source>Luxwerte</source>
        <translation>Valeurs lux</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-39"/>
        <source>Verzögerungszeit</source>
        <translation>Temps de retard</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LuxValuesSetting.qml" line="+60"/>
        <source>Kopieren an allen Tagen</source>
        <translation>Copier sur tous les jours</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kopieren an allen Tagen (Ein)</source>
        <translation>Copier sur tous les jours (marche)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren an allen Tagen (Aus)</source>
        <translation>Copier sur tous les jours (arrêt)</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="+418"/>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Neues Projekt</source>
        <translation>&amp;Nouveau projet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Öffnen</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern unter</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Lire TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation>Programmer TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Direkte Befehle</source>
        <translation>Commandes directes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Senden per E-Mail</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Ende</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rückgängig</source>
        <translation>Annuler la modification</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederherstellen</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ausschneiden</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einfügen</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles markieren</source>
        <translation>Tout marquer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Löschen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sortieren...</source>
        <translation>Trier...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Optimieren</source>
        <translation>Optimiser</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Projekteinstellungen...</source>
        <translation>&amp;Réglages du projet...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sprache erstellen TARVINO rix2/rix3</source>
        <translation>Créer la langue TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Feiertag</source>
        <translation>&amp;Jours fériés</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;App-Einstellungen...</source>
        <translation>Paramètres de l&apos;&amp;appli...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Software-Infos</source>
        <translation>&amp;Infos logiciel</translation>
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
        <translation>Projet</translation>
    </message>
</context>
<context>
    <name>New project</name>
    <message>
        <location filename="../../app/controllerbase/exportfiles.cpp" line="+65"/>
        <location filename="../../app/project/projectcreationviewcontroller.cpp" line="+24"/>
        <source>Projekt %1</source>
        <translation>Projet %1</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ProjectCreationPopUp.qml" line="+10"/>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+13"/>
        <source>Neues Projekt</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-13"/>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+68"/>
        <source>Gerätetyp</source>
        <translation>Type d&apos;appareil</translation>
    </message>
    <message>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+18"/>
        <source>Anzahl Kanäle</source>
        <translation>Nombre de canaux</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Modell</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Projektname</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Projekt erstellen</source>
        <translation>Créer le projet</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+6"/>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Lire TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Direkte Befehle</source>
        <translation>Commandes directes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Gespeicherte Projekte</source>
        <translation>Projets enregistrés</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-128"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-7"/>
        <source>Zeitschaltprogramm</source>
        <translation>Programme horaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+2"/>
        <source>Astroprogramm</source>
        <translation>Programme astro</translation>
    </message>
</context>
<context>
    <name>Program settings</name>
    <message>
        <location line="+97"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+12"/>
        <source>Kein So/Wi</source>
        <translation>Sans été/hiver</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Europa</source>
        <translation>Europe</translation>
    </message>
    <message>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Westeuropa</source>
        <translation>Europe de l&apos;Ouest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osteuropa</source>
        <translation>Europe de l&apos;Est</translation>
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
        <translation>États-Unis</translation>
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
        <translation>Dernière</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+4"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-114"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+52"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+101"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+3"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Freie Regel</source>
        <translation>Règle libre</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+16"/>
        <source>Ferien</source>
        <translation>Vacances</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Betriebsstunden</source>
        <translation>Heures de fonctionnement</translation>
    </message>
    <message>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Festes Datum</source>
        <translation>Date fixe</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+1"/>
        <location line="+5"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <location line="+23"/>
        <source>Australien</source>
        <translation>Australie</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-32"/>
        <location line="+103"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="-4"/>
        <source>Eigene Regel</source>
        <translation>Règle personnelle</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/EditSoWiTable.qml" line="-158"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+2"/>
        <source>Eigene Tabelle</source>
        <translation>Table personnelle</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Jahr</source>
        <translation>Année</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+21"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-8"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-7"/>
        <source>Winter &gt; Sommer</source>
        <translation>Hiver &gt; été</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+8"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+1"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+1"/>
        <source>Sommer &gt; Winter</source>
        <translation>Été &gt; hiver</translation>
    </message>
    <message>
        <location line="+77"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-150"/>
        <source>Automatisch ausfüllen</source>
        <translation>Remplir automatiquement</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles löschen</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-5"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+4"/>
        <source>Neuseeland</source>
        <translation>Nouvelle-Zélande</translation>
    </message>
    <message>
        <location line="-120"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+16"/>
        <source>Nach 1 Minute aus</source>
        <comment>LCD state</comment>
        <translation>Éteint après 1 minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-1"/>
        <source>Immer Ein</source>
        <comment>LCD state</comment>
        <translation>Toujours allumé</translation>
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
        <translation>Église orthodoxe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inaktiv</source>
        <comment>Channel combination</comment>
        <translation>Inactif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kanalverriegelung</source>
        <comment>Channel combination</comment>
        <translation>Verrouillage de canal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmumschaltung</source>
        <comment>Channel combination</comment>
        <translation>Changement de programme</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../app/report/reporttexts.h" line="-3"/>
        <source>Inaktiv</source>
        <comment>External input</comment>
        <translation>Désactivée</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+8"/>
        <source>Taster</source>
        <comment>External input</comment>
        <translation>Bouton-poussoir</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+2"/>
        <source>Schalter</source>
        <comment>External input</comment>
        <translation>Interrupteur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Handschaltung</source>
        <comment>Push button</comment>
        <translation>Commande manuelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Timer</source>
        <comment>Push button</comment>
        <translation>Minuterie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Treppenlicht</source>
        <comment>Push button</comment>
        <translation>Minuterie d&apos;escalier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung bis Sonnenereignis</source>
        <comment>Push button</comment>
        <translation>Commande manuelle jusqu&apos;à l&apos;événement solaire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Luxwert übernehmen</source>
        <comment>Push button</comment>
        <translation>Reprendre la valeur lux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Umschalten</source>
        <comment>Push button</comment>
        <translation>Basculer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nicht nachschaltbar</source>
        <comment>Staircase light</comment>
        <translation>Non redéclenchable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachschaltbar</source>
        <comment>Staircase light</comment>
        <translation>Redéclenchable</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>1.</source>
        <comment>Week rule</comment>
        <translation>1re</translation>
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
        <translation>Dernière</translation>
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
        <translation>Signalisation sur</translation>
    </message>
    <message>
        <location line="-27"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-45"/>
        <source>Betriebsstundenzähler Serviceintervall</source>
        <translation>Compteur d&apos;heures de fonctionnement intervalle d&apos;entretien</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>max. 199.999 h</source>
        <translation>max. 199 999 h</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+6"/>
        <source>Externer Eingang</source>
        <translation>Entrée externe</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Erdstunde</source>
        <translation>Heure de la Terre</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+16"/>
        <source>Inaktiv</source>
        <comment>Holiday state</comment>
        <translation>Inactif</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+3"/>
        <location line="+31"/>
        <source>Nur Lux</source>
        <translation>Lux seulement</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Ferien</source>
        <comment>External input</comment>
        <translation>Vacances</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sonderprogramm</source>
        <comment>External input</comment>
        <translation>Programme spécial</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Inaktiv</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="-73"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-8"/>
        <source>Signalisierung</source>
        <translation>Signalisation</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-108"/>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+44"/>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="-15"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-11"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-69"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+36"/>
        <source>Sommer-/Winterregel</source>
        <translation>Règle été/hiver</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+15"/>
        <source>Einstellungen Kanal</source>
        <translation>Réglages du canal</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+59"/>
        <source>Erweiterungsmodul</source>
        <translation>Module d&apos;extension</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Kanalfunktion</source>
        <translation>Fonction du canal</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Überblick</source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="-14"/>
        <location filename="../../qml/app/settings/OptionSettings.qml" line="+15"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-2"/>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelOverview.qml" line="-67"/>
        <source>Channel Function</source>
        <translation>Fonction du canal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Memory Used</source>
        <translation>Mémoire utilisée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extra Program used</source>
        <translation>Programmes spéciaux utilisés</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Holiday</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External Input</source>
        <translation>Entrée externe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Signaling To</source>
        <translation>Signalisation sur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Service Interval</source>
        <translation>Intervalle d&apos;entretien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speicher verwendet</source>
        <translation>Mémoire utilisée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme benutzt</source>
        <translation>Programmes spéciaux utilisés</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DateTimeSettings.qml" line="-40"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-68"/>
        <source>Zeit/Datum</source>
        <translation>Heure/date</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="+10"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+1"/>
        <source>Zeitformat</source>
        <translation>Format de l&apos;heure</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="-22"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Datumsformat</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Erster Tag der Woche</source>
        <translation>Premier jour de la semaine</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Zeitzone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/HolidaySettings.qml" line="+118"/>
        <source>Status</source>
        <comment>Holiday status</comment>
        <translation>État</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+51"/>
        <source>Beginn</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+91"/>
        <location line="+67"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+1"/>
        <source>Ende</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/OptionSettings.qml" line="+11"/>
        <source>Kanalkombination</source>
        <translation>Combinaison de canaux</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+29"/>
        <source>LCD-Beleuchtung</source>
        <translation>Rétroéclairage LCD</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-139"/>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="-16"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="-3"/>
        <source>Eigene Astro Tabelle</source>
        <translation>Table astro personnelle</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-105"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+50"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+7"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-317"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-49"/>
        <source>Fixes Datum</source>
        <translation>Date fixe</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="+11"/>
        <source>Edit name</source>
        <translation>Modifier le nom</translation>
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
        <translation>Semaine</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+13"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <source>Monat</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-27"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-7"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+38"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+12"/>
        <source>Stunde</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+11"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <source>Wochentag</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>von</source>
        <translation>du</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettings.qml" line="+1"/>
        <source>Freie Regel wird angewendet</source>
        <translation>Une règle libre est appliquée</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-93"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-52"/>
        <location line="+27"/>
        <source>Regel</source>
        <translation>Règle</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-10"/>
        <source>1. Farwardin - 30. Shahriwar</source>
        <translation>1er farvardin - 30 chahrivar</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+116"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name bearbeiten</source>
        <translation>Modifier le nom</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tabelle bearbeiten</source>
        <translation>Modifier la table</translation>
    </message>
</context>
<context>
    <name>ProgramView</name>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+56"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+91"/>
        <source>Standardprogramm</source>
        <translation>Programme standard</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Header.qml" line="+6"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-9"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+103"/>
        <source>Sonderprogramm %1</source>
        <translation>Programme spécial %1</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <location filename="../../qml/app/popups/DuplicateProjectPopUp.qml" line="+6"/>
        <source>Projekt duplizieren</source>
        <translation>Dupliquer le projet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neues Projekt benennen:</source>
        <translation>Nommer le nouveau projet :</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/EditProjectPopUp.qml" line="+10"/>
        <source>Projekt umbenennen:</source>
        <translation>Renommer le projet :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-201"/>
        <source>Alle Projekte löschen</source>
        <translation>Supprimer tous les projets</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%1 Projekte löschen</source>
        <translation>
            <numerusform>Supprimer %1 projet</numerusform>
            <numerusform>Supprimer %1 projets</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Projekt löschen</source>
        <translation>Supprimer le projet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sind Sie sicher, dass Sie das Projekt dauerhaft löschen möchten?</source>
        <translation>Voulez-vous vraiment supprimer définitivement le projet ?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie alle Projekte dauerhaft löschen möchten?</source>
        <translation>Voulez-vous vraiment supprimer définitivement tous les projets ?</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie %1 Projekte dauerhaft löschen möchten?</source>
        <translation>
            <numerusform>Voulez-vous vraiment supprimer définitivement %1 projet ?</numerusform>
            <numerusform>Voulez-vous vraiment supprimer définitivement %1 projets ?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+198"/>
        <source>Möchten Sie das Projekt &quot;%1&quot; importieren?</source>
        <translation>Voulez-vous importer le projet « %1 » ?</translation>
    </message>
</context>
<context>
    <name>Project Metadata</name>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-9"/>
        <source>Kanal</source>
        <translation>Canal</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="-28"/>
        <source>Beschreibung der Kanäle</source>
        <translation>Description des canaux</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wird auf dem Gerät angezeigt</source>
        <translation>Affiché sur l&apos;appareil</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ProjectMetadataSubTab.qml" line="+11"/>
        <source>Projekt</source>
        <comment>Tab title</comment>
        <translation>Projet</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Bezeichnung</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dateiname</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Letzte Änderung</source>
        <translation>Dernière modification</translation>
    </message>
</context>
<context>
    <name>Project Settings</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+2"/>
        <source>Kunde</source>
        <comment>Tab title</comment>
        <translation>Client</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <comment>Author&apos;s address</comment>
        <translation>Adresse</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="-46"/>
        <source>Kanal</source>
        <translation>Canal</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ClientSubTab.qml" line="+8"/>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <comment>Customer&apos;s name</comment>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <comment>Customer&apos;s address</comment>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+58"/>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
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
Code de connexion : %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code für %1</source>
        <translation>Code pour %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Authentifizierung für %1</source>
        <translation>Authentification pour %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>OK-Aktivierung am Gerät</source>
        <translation>Activation OK sur l&apos;appareil</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Eingabe Authentifizierungscode</source>
        <translation>Saisie du code d&apos;authentification</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Dies ist Ihr Authentifizierungscode, verwahren Sie ihn sicher!</source>
        <translation>Voici votre code d&apos;authentification, conservez-le en lieu sûr !</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-12"/>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="+128"/>
        <source>Abbruch</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Falsches Passwort!</source>
        <translation>Mot de passe erroné !</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Schaltfläche wurde nicht aktiviert!</source>
        <translation>Le bouton n&apos;a pas été activé !</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/InactivityPopUp.qml" line="-6"/>
        <source>Verbindung aufgrund von Inaktivität geschlossen</source>
        <translation>Connexion fermée pour cause d&apos;inactivité</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung wurde aufgrund von Inaktivität geschlossen</source>
        <translation>La connexion a été fermée pour cause d&apos;inactivité</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Wieder anschließen</source>
        <translation>Se reconnecter</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-53"/>
        <source>Sie müssen warten, das Gerät ist aufgrund mehrerer fehlgeschlagener Versuche verriegelt</source>
        <translation>Vous devez patienter, l&apos;appareil est verrouillé après plusieurs tentatives échouées</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>PIN-Code</source>
        <translation>Code PIN</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das Gerät ist PIN-geschützt, bitte geben Sie den PIN-Code ein</source>
        <translation>L&apos;appareil est protégé par un code PIN, veuillez saisir le code PIN</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Falscher PIN-Code!</source>
        <translation>Code PIN erroné !</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SyncClockPopup.qml" line="-24"/>
        <source>Daten-Synchronisation</source>
        <translation>Synchronisation des données</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bitte wählen Sie aus, welche Daten beim Verbinden mit Uhren synchronisiert werden sollen</source>
        <translation>Veuillez choisir les données à synchroniser lors de la connexion aux horloges</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datum/Uhrzeit-Synchronisation</source>
        <translation>Synchronisation date/heure</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sprach-Synchronisation</source>
        <translation>Synchronisation de la langue</translation>
    </message>
    <message>
        <location filename="../../qml/app/scan/DeviceScan.qml" line="+76"/>
        <source>Geräte suchen</source>
        <translation>Rechercher des appareils</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>Der Bluetooth-Adapter ist deaktiviert, möchten Sie ihn aktivieren?</source>
        <translation>L&apos;adaptateur Bluetooth est désactivé, voulez-vous l&apos;activer ?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ihr Gerät verfügt nicht über einen Bluetooth-Adapter oder unterstützt Bluetooth Low Energy nicht.</source>
        <translation>Votre appareil ne dispose pas d&apos;adaptateur Bluetooth ou ne prend pas en charge Bluetooth Low Energy.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth nicht verfügbar</source>
        <translation>Bluetooth non disponible</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="-101"/>
        <source>Dieses Gerät wird nicht unterstützt!</source>
        <translation>Cet appareil n&apos;est pas pris en charge !</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dieses Gerät ist nicht kompatibel mit dem Projekt, das Sie exportieren möchten!</source>
        <translation>Cet appareil n&apos;est pas compatible avec le projet que vous souhaitez exporter !</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>SN: %1</source>
        <translation>SN: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Suche nach Geräten ...</source>
        <translation>Recherche d&apos;appareils ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerät gefunden</source>
        <translation>Appareil trouvé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kein Bluetooth-Gerät gefunden</source>
        <translation>Aucun appareil Bluetooth trouvé</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Verbinden</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suche</source>
        <translation>Recherche</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/MainWindow.qml" line="+52"/>
        <source>Ihr Projekt überschreitet die Speicherplätze des Zielgeräts (%1 / %2)</source>
        <translation>
            <numerusform>Votre projet dépasse l&apos;emplacement mémoire de l&apos;appareil cible (%1 / %2)</numerusform>
            <numerusform>Votre projet dépasse les emplacements mémoire de l&apos;appareil cible (%1 / %2)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/device/lockwait.cpp" line="+19"/>
        <source>aufgrund eines falschen Verbindungscodes verriegelt</source>
        <translation>verrouillé à cause d&apos;un code de connexion erroné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufgrund eines falschen PIN-Codes verriegelt</source>
        <translation>verrouillé à cause d&apos;un code PIN erroné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locked</source>
        <translation>verrouillé</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Das Gerät ist %1, Sie müssen %2 h %3 min %4 s warten</source>
        <translation>L&apos;appareil est %1, vous devez patienter %2 h %3 min %4 s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Das Gerät ist verriegelt, Sie müssen %2 h %3 min %4 s warten</source>
        <translation>L&apos;appareil est verrouillé, vous devez patienter %2 h %3 min %4 s</translation>
    </message>
</context>
<context>
    <name>SerialCommunication</name>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-86"/>
        <source>Unbekannter Fehler wurde während der Übersetzung in Bytes gemeldet.</source>
        <translation>Une erreur inconnue a été signalée lors de la conversion en octets.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File couldn&apos;t be written.</source>
        <translation>Le fichier n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File doesn&apos;t exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Sprachdatei ist beschädigt oder passt nicht in den Speicher des Geräts.</source>
        <translation>Le fichier de langue est endommagé ou ne tient pas dans la mémoire de l&apos;appareil.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-64"/>
        <source>Fehler</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Fehler beim Schreiben der Sprache. Zugriff auf Flash nicht möglich.</source>
        <translation>Erreur lors de l&apos;écriture de la langue. Accès à la mémoire flash impossible.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-9"/>
        <source>Tarvino rix2/3 scheint im Fehlerzustand zu sein.</source>
        <translation>Tarvino rix2/3 semble être en état d&apos;erreur.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht ausgeschaltet werden.</source>
        <translation>La LED n&apos;a pas pu être éteinte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht eingeschaltet werden.</source>
        <translation>La LED n&apos;a pas pu être allumée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geschlossen werden.</source>
        <translation>Le port n&apos;a pas pu être fermé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geöffnet werden, überprüfen Sie die Verbindung.</source>
        <translation>Le port n&apos;a pas pu être ouvert, vérifiez la connexion.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port wurde nicht gefunden, überprüfen Sie die Verbindung.</source>
        <translation>Le port est introuvable, vérifiez la connexion.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-14"/>
        <source>Übertragung läuft...</source>
        <translation>Transfert en cours...</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auswahl der Gerätesprache</source>
        <translation>Choix de la langue de l&apos;appareil</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+41"/>
        <source>Übertragung abgeschlossen</source>
        <translation>Transfert terminé</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Eine andere Übertragung läuft. Warten Sie, bis sie beendet ist.</source>
        <translation>Un autre transfert est en cours. Attendez qu&apos;il soit terminé.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-37"/>
        <source>Programm kann nicht gelesen werden. Leerer Flash.</source>
        <translation>Le programme ne peut pas être lu. Mémoire flash vide.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Sprachdatei im Flash.</source>
        <translation>Le programme ne peut pas être lu. Fichier de langue dans la mémoire flash.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden.</source>
        <translation>Le programme ne peut pas être lu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Ungültige Daten im Flash.</source>
        <translation>Le programme ne peut pas être lu. Données non valides dans la mémoire flash.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehler beim Programmschreiben. Zugriff auf Flash nicht möglich.</source>
        <translation>Erreur lors de l&apos;écriture du programme. Accès à la mémoire flash impossible.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Operation abgebrochen.</source>
        <translation>Opération annulée.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Serielle Übertragung</source>
        <translation>Transfert série</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+59"/>
        <source>Programm von serieller Schnittstelle lesen</source>
        <translation>Lire le programme depuis le port série</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Projekt kann nicht exportiert werden mit Fehler</source>
        <translation>Le projet ne peut pas être exporté, erreur</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Programm seriell schreiben</source>
        <translation>Écrire le programme par le port série</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../../qml/app/popups/ResetSettingsPopUp.qml" line="+18"/>
        <source>Reset-Einstellungen</source>
        <translation>Réglages de réinitialisation</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="-22"/>
        <source>Das verbundene Gerät befindet sich im Reset-Modus, bitte geben Sie diese Einstellungen vor der Verwendung ein.</source>
        <comment>Reset mode text</comment>
        <translation>L&apos;appareil connecté est en mode réinitialisation, veuillez saisir ces réglages avant de l&apos;utiliser.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zeit/Datum</source>
        <translation>Heure/date</translation>
    </message>
    <message>
        <location filename="../../app/device/resetteddeviceviewcontroller.cpp" line="+115"/>
        <source>Die Antwort des Geräts ist unverständlich.</source>
        <translation>La réponse de l&apos;appareil est incompréhensible.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Die Einstellungen des Geräts konnten nicht gelesen werden: %1</source>
        <translation>Les réglages de l&apos;appareil n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation>L&apos;appareil n&apos;a pas accepté les données.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Die Einstellungen konnten nicht an das Gerät gesendet werden: %1</source>
        <translation>Les réglages n&apos;ont pas pu être envoyés à l&apos;appareil : %1</translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="-126"/>
        <source>Schweiz</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schweden</source>
        <translation>Suède</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deutschland</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Build-Version</source>
        <translation>Version de build</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Webseite</source>
        <translation>Site web</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Software-Informationen</source>
        <translation>Informations sur le logiciel</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/LicenseView.qml" line="+11"/>
        <source>Lizenzen</source>
        <translation>Licences</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Folgende Qt-Module und externe Bibliotheken wurden werwendet:</source>
        <translation>Les modules Qt et bibliothèques externes suivants ont été utilisés :</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/SoftwareInfoView.qml" line="+14"/>
        <source>Software-Info</source>
        <translation>Infos logiciel</translation>
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
        <translation>Jours de semaine manquants</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Dauer</source>
        <translation>Durée manquante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulsüberschneidungen</source>
        <translation>Chevauchements d&apos;impulsions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulse über Mitternacht</source>
        <translation>Impulsions après minuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Impulsdauer</source>
        <translation>Durée d&apos;impulsion manquante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Pause</source>
        <translation>Pause manquante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklusüberschneidungen</source>
        <translation>Chevauchements de cycles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identischer Anfang und Ende</source>
        <translation>Début et fin identiques</translation>
    </message>
</context>
<context>
    <name>SwitchTimeTable</name>
    <message>
        <location line="-30"/>
        <source>Typ auswählen</source>
        <comment>Error message</comment>
        <translation>Choisir le type</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+1"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+5"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-224"/>
        <source>Schaltzeit</source>
        <translation>Horaire de commutation</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+36"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-5"/>
        <source>Impuls</source>
        <translation>Impulsion</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <source>Zyklus</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <location line="+90"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-10"/>
        <location line="+20"/>
        <source>Ende</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+1"/>
        <source>Endlos</source>
        <translation>Sans fin</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+27"/>
        <location filename="../../qml/app/views/SwitchTimeEditionView.qml" line="+0"/>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+254"/>
        <location line="+95"/>
        <source>Nr.</source>
        <translation>N°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="-34"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-94"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <source>Zeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentag</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hinweis / Fehler</source>
        <translation>Remarque / erreur</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Auswahl löschen</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation>Tout sélectionner</translation>
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
        <translation>Durée jusqu&apos;à
mm:ss</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Puls
hh:mm:ss</source>
        <translation>Impulsion
hh:mm:ss</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause
hh:mm:ss</source>
        <translation>Pause
hh:mm:ss</translation>
    </message>
</context>
<context>
    <name>ToolBarMenu</name>
    <message>
        <location filename="../../qml/app/toolbars/ToolBarMenu.qml" line="+26"/>
        <source>Direktbefehle / Gerätestatus</source>
        <translation>Commandes directes / État de l&apos;appareil</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software-Info</source>
        <translation>Infos logiciel</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <location filename="../../qml/MainWindow.qml" line="-96"/>
        <source>Software aktualisieren</source>
        <translation>Mettre à jour le logiciel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist eine neue Version verfügbar, möchten Sie diese installieren?</source>
        <translation>Une nouvelle version est disponible, voulez-vous l&apos;installer ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installieren</source>
        <translation>Installer</translation>
    </message>
</context>
<context>
    <name>Week rules</name>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-170"/>
        <source>Erster</source>
        <translation>Premier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zweiter</source>
        <translation>Deuxième</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dritter</source>
        <translation>Troisième</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vierter</source>
        <translation>Quatrième</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzter</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>jeden Monat</source>
        <translation>chaque mois</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Januar</source>
        <translation>en janvier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Februar</source>
        <translation>en février</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im März</source>
        <translation>en mars</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im April</source>
        <translation>en avril</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Mai</source>
        <translation>en mai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Juni</source>
        <translation>en juin</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Juli</source>
        <translation>en juillet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im August</source>
        <translation>en août</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im September</source>
        <translation>en septembre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Oktober</source>
        <translation>en octobre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im November</source>
        <translation>en novembre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Dezember</source>
        <translation>en décembre</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="-170"/>
        <source>TARVINO rix2/rix3-Datei speichern</source>
        <translation>Enregistrer le fichier TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TARVINO rix2/rix3-Datei (*.ot2)</source>
        <translation>Fichier TARVINO rix2/rix3 (*.ot2)</translation>
    </message>
    <message>
        <location filename="../../qml/app/menus/DesktopMenu.qml" line="-84"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-60"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+44"/>
        <source>Exportieren</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+1"/>
        <source>CSV UTF-8 (kommagetrennt) (*.csv)</source>
        <translation>CSV UTF-8 (séparateur virgule) (*.csv)</translation>
    </message>
</context>
<context>
    <name>devices::EepromService</name>
    <message>
        <location filename="../../platform/devices/src/eepromservice.cpp" line="+304"/>
        <source>Das Gerätemodell ist unbekannt.</source>
        <translation>Le modèle d&apos;appareil est inconnu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Projekt hat mehr Schaltzeiten und Datumsbereiche, als das Gerät aufnehmen kann.</source>
        <translation>Le projet contient plus d&apos;horaires et de plages de dates que l&apos;appareil ne peut en contenir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild ist unvollständig.</source>
        <translation>L&apos;image mémoire est incomplète.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Gerätespeicher ist leer.</source>
        <translation>La mémoire de l&apos;appareil est vide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Gerätespeicher enthält eine Gerätesprache, kein Projekt.</source>
        <translation>La mémoire de l&apos;appareil contient une langue d&apos;appareil, pas un projet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Daten sind kein Speicherabbild eines Projekts.</source>
        <translation>Les données ne sont pas une image mémoire de projet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild gehört zu einem anderen Gerätemodell.</source>
        <translation>L&apos;image mémoire appartient à un autre modèle d&apos;appareil.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild ist beschädigt.</source>
        <translation>L&apos;image mémoire est endommagée.</translation>
    </message>
</context>
</TS>
