<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="de">
<context>
    <name>Astro</name>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="+143"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+336"/>
        <source>Startzeitpunkt</source>
        <translation>Ώρα έναρξης</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dauer bis</source>
        <translation>Διάρκεια έως</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Ende (hh:mm)</source>
        <translation>Τέλος (ωω:λλ)</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+35"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+21"/>
        <source>Impuls Ein</source>
        <translation>Παλμός ενεργ.</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+1"/>
        <source>Impuls Aus</source>
        <translation>Παλμός απενεργ.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="-4"/>
        <source>Fix Ein</source>
        <translation>Σταθερά ενεργ.</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+0"/>
        <source>Fix Aus</source>
        <translation>Σταθερά απενεργ.</translation>
    </message>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+58"/>
        <source>Standort</source>
        <translation>Τοποθεσία</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breitengrad</source>
        <translation>Γεωγραφικό πλάτος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Längengrad</source>
        <translation>Γεωγραφικό μήκος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Land</source>
        <translation>Χώρα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stadt</source>
        <translation>Πόλη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone</source>
        <translation>Ζώνη ώρας</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ausschaltzeit</source>
        <translation>Ώρα απενεργοποίησης</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Einschaltzeit</source>
        <translation>Ώρα ενεργοποίησης</translation>
    </message>
</context>
<context>
    <name>Astro settings</name>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+17"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="+48"/>
        <source>Astro</source>
        <comment>Tab title</comment>
        <translation>Αστρονομικό</translation>
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
        <translation>UTC %1 ώ.</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DateTimeSettings.qml" line="+53"/>
        <source>Osterregel</source>
        <translation>Κανόνας Πάσχα</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="-16"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+171"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-106"/>
        <source>Astro inaktiv</source>
        <translation>Αστρονομικό ανενεργό</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+19"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+176"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-19"/>
        <source>Astrotabelle</source>
        <translation>Αστρονομικός πίνακας</translation>
    </message>
    <message>
        <location line="+57"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+9"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+16"/>
        <source>Sonnenaufgang</source>
        <translation>Ανατολή ηλίου</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+3"/>
        <source>Abend + Morgen</source>
        <translation>Βράδυ + πρωί</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Morgen</source>
        <translation>Πρωί</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abend</source>
        <translation>Βράδυ</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+4"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-20"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+0"/>
        <source>Sonnenuntergang</source>
        <translation>Δύση ηλίου</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dämmerung</source>
        <translation>Λυκόφως</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Dunkelheit</source>
        <translation>Σκοτάδι</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+63"/>
        <source>Kein Astrokanal definiert</source>
        <translation>Δεν έχει οριστεί αστρονομικό κανάλι</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astrokanal auf der Registerkarte Geräteeinstellungen aktivieren</source>
        <translation>Ενεργοποιήστε ένα αστρονομικό κανάλι στην καρτέλα Ρυθμίσεις συσκευής</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+71"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <source>Astrozeitpunkt</source>
        <translation>Αστρονομική στιγμή</translation>
    </message>
    <message>
        <location line="+44"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+115"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+7"/>
        <source>Offset Sonnenaufgang</source>
        <translation>Μετατόπιση ανατολής</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Offset Sonnenuntergang</source>
        <translation>Μετατόπιση δύσης</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="-9"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+5"/>
        <source>Ein bei Sonnenuntergang + Aus bei Sonnenaufgang</source>
        <translation>Ενεργ. στη δύση + απενεργ. στην ανατολή</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>Aus bei Sonnenuntergang + Ein bei Sonnenaufgang</source>
        <translation>Απενεργ. στη δύση + ενεργ. στην ανατολή</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="+53"/>
        <location filename="../../qml/app/astro/AstroSettingsProvider.qml" line="+2"/>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Astro-Impuls</source>
        <translation>Αστρονομικός παλμός</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="+23"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Astromode</source>
        <translation>Αστρονομική λειτουργία</translation>
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
        <translation>νωρίτερα</translation>
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
        <translation>αργότερα</translation>
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
        <translation>Μετατόπιση</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Astrozeiten anzeigen</source>
        <translation>Εμφάνιση αστρονομικών ωρών</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+49"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-71"/>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="+56"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-18"/>
        <source>Standort</source>
        <translation>Τοποθεσία</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="+18"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+34"/>
        <source>Koordinaten</source>
        <translation>Συντεταγμένες</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+66"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+91"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+11"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="+45"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+2"/>
        <source>Breitengrad</source>
        <translation>Γεωγραφικό πλάτος</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+13"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+3"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Norden</source>
        <translation>° Βόρεια</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Süden</source>
        <translation>° Νότια</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+2"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+3"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+10"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="+6"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Längengrad</source>
        <translation>Γεωγραφικό μήκος</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+13"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+3"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Osten</source>
        <translation>° Ανατολικά</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+0"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>° Westen</source>
        <translation>° Δυτικά</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sommer-/Winterregel</source>
        <translation>Κανόνας θερινής/χειμερινής ώρας</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="+35"/>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+25"/>
        <source>Für diesen Ort ist keine Zeitzone bekannt; sie wurde aus dem Längengrad bestimmt.</source>
        <translation>Δεν είναι γνωστή ζώνη ώρας για αυτή την τοποθεσία· προσδιορίστηκε από το γεωγραφικό μήκος.</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CoordinatesSettings.qml" line="+22"/>
        <source>Standort bestimmen</source>
        <translation>Προσδιορισμός τοποθεσίας</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="-10"/>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-9"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+3"/>
        <source>Länderliste</source>
        <translation>Λίστα χωρών</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroLocation.qml" line="-33"/>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+39"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+7"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+2"/>
        <source>Land</source>
        <translation>Χώρα</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+14"/>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+13"/>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="-12"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Stadt</source>
        <translation>Πόλη</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Aktuelle Position</source>
        <translation>Τρέχουσα θέση</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/CountrySettings.qml" line="+19"/>
        <location filename="../../qml/app/views/FavoriteLocationsView.qml" line="+18"/>
        <source>Favoriten bearbeiten</source>
        <translation>Επεξεργασία αγαπημένων</translation>
    </message>
    <message>
        <location line="-45"/>
        <location line="+40"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+1"/>
        <source>Favoriten</source>
        <translation>Αγαπημένα</translation>
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
        <translation>Ζώνη ώρας</translation>
    </message>
    <message>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+8"/>
        <source>Kanal</source>
        <translation>Κανάλι</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-15"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <source>Ausschaltzeit</source>
        <translation>Ώρα απενεργοποίησης</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+0"/>
        <source>Einschaltzeit</source>
        <translation>Ώρα ενεργοποίησης</translation>
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
        <translation>λεπ.</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-74"/>
        <source>Belgische MET</source>
        <translation>Βελγική ΩΚΕ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norm NBN L 18-001</source>
        <translation>Πρότυπο NBN L 18-001</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Overlap not permitted</source>
        <translation>Δεν επιτρέπεται επικάλυψη</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="+16"/>
        <source>Sunrise</source>
        <translation>Ανατολή ηλίου</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunset</source>
        <translation>Δύση ηλίου</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="+45"/>
        <source>Eigene Astrotabelle eingeben</source>
        <translation>Εισαγωγή δικού σας αστρονομικού πίνακα</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/FavoriteLocationRow.qml" line="-24"/>
        <source>Nr.</source>
        <translation>Αρ.</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/FavoriteLocationsView.qml" line="+62"/>
        <source>Favorit hinzufügen</source>
        <translation>Προσθήκη αγαπημένου</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/AstroLocationView.qml" line="+12"/>
        <source>Astro-Standort</source>
        <translation>Αστρονομική τοποθεσία</translation>
    </message>
</context>
<context>
    <name>Bluetooth</name>
    <message>
        <location filename="../../platform/ble/src/qtbluetoothbackend.cpp" line="+100"/>
        <source>Kein Bluetooth-Adapter verfügbar: Die Verbindung mit dem Gerät ist nicht möglich.</source>
        <translation>Δεν υπάρχει διαθέσιμος προσαρμογέας Bluetooth: η σύνδεση με τη συσκευή δεν είναι δυνατή.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+20"/>
        <location filename="../../platform/ble/src/simulatedbackend.cpp" line="+144"/>
        <source>Das Gerät bietet keinen Tarvino-Dienst an.</source>
        <translation>Η συσκευή δεν προσφέρει υπηρεσία Tarvino.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Der Dienst des Geräts antwortet nicht.</source>
        <translation>Η υπηρεσία της συσκευής δεν αποκρίνεται.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Die Verbindung mit dem Gerät ist fehlgeschlagen: %1</source>
        <translation>Η σύνδεση με τη συσκευή απέτυχε: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Gerät hat die Verbindung beendet.</source>
        <translation>Η συσκευή τερμάτισε τη σύνδεση.</translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/bleservice.cpp" line="+320"/>
        <source>Die Authentifizierung mit dem Gerät ist fehlgeschlagen.</source>
        <translation>Ο έλεγχος ταυτότητας με τη συσκευή απέτυχε.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Der Status des Geräts konnte nicht gelesen werden.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της κατάστασης της συσκευής.</translation>
    </message>
    <message>
        <location filename="../../platform/ble/src/abstractblerequest.cpp" line="+19"/>
        <source>Das Gerät kennt die Anfrage nicht.</source>
        <translation>Η συσκευή δεν γνωρίζει το αίτημα.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat ungültige Werte erhalten.</source>
        <translation>Η συσκευή έλαβε μη έγκυρες τιμές.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Adresse liegt außerhalb des Gerätespeichers.</source>
        <translation>Η διεύθυνση βρίσκεται εκτός της μνήμης της συσκευής.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät hat das Projekt nicht übernommen.</source>
        <translation>Η συσκευή δεν αποδέχτηκε το έργο.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät erwartet keine Speicherübertragung.</source>
        <translation>Η συσκευή δεν αναμένει μεταφορά μνήμης.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät ist beschäftigt.</source>
        <translation>Η συσκευή είναι απασχολημένη.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät verlangt eine Authentifizierung.</source>
        <translation>Η συσκευή απαιτεί έλεγχο ταυτότητας.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Gerät meldet den Fehler %1.</source>
        <translation>Η συσκευή αναφέρει το σφάλμα %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Gerät antwortet nicht.</source>
        <translation>Η συσκευή δεν αποκρίνεται.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung mit dem Gerät wurde unterbrochen.</source>
        <translation>Η σύνδεση με τη συσκευή διακόπηκε.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist kein Gerät verbunden.</source>
        <translation>Δεν είναι συνδεδεμένη καμία συσκευή.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation>Η συσκευή δεν αποδέχτηκε τα δεδομένα.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts ist beschädigt.</source>
        <translation>Η απάντηση της συσκευής είναι κατεστραμμένη.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Antwort des Geräts passt nicht zur Anfrage.</source>
        <translation>Η απάντηση της συσκευής δεν αντιστοιχεί στο αίτημα.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation>Η μεταφορά ακυρώθηκε από τον χρήστη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Anfrage kann nicht gesendet werden.</source>
        <translation>Δεν είναι δυνατή η αποστολή του αιτήματος.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unbekannter Fehler %1</source>
        <translation>Άγνωστο σφάλμα %1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <location filename="../../qml/components/EditableYearPicker.qml" line="+43"/>
        <location filename="../../qml/components/YearPicker.qml" line="+31"/>
        <source>bis</source>
        <translation>έως</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+181"/>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="+251"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableDelegate.qml" line="+257"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+168"/>
        <source>d</source>
        <translation>ημ.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+110"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+42"/>
        <source>%1 Tag(e)</source>
        <translation>
            <numerusform>%1 ημέρα</numerusform>
            <numerusform>%1 ημέρες</numerusform>
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
        <translation>ώ.</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+1"/>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+8"/>
        <source>m</source>
        <translation>λ.</translation>
    </message>
    <message>
        <location filename="../../qml/components/TumblerTimePicker.qml" line="+9"/>
        <source>s</source>
        <translation>δ.</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+101"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableDelegate.qml" line="-179"/>
        <location filename="../../app/extraprograms/daterangecontroller.cpp" line="+30"/>
        <source>Jahr</source>
        <translation>Έτος</translation>
    </message>
    <message>
        <location filename="../../app/extraprograms/daterangecontroller.cpp" line="+5"/>
        <source>d</source>
        <comment>d for days</comment>
        <translation>ημ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>h</source>
        <comment>h for hours</comment>
        <translation>ώ.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>m</source>
        <comment>m for minutes</comment>
        <translation>λ.</translation>
    </message>
</context>
<context>
    <name>Cloud</name>
    <message>
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="+242"/>
        <source>Cloud-Adresse</source>
        <translation>Διεύθυνση cloud</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/CloudLoginPopup.qml" line="+52"/>
        <source>Über die Zorvik Cloud anmelden</source>
        <translation>Σύνδεση μέσω του Zorvik Cloud</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Registrieren</source>
        <translation>Εγγραφή</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation>Ηλεκτρονικό ταχυδρομείο</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+71"/>
        <source>Passwort</source>
        <translation>Κωδικός πρόσβασης</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+13"/>
        <source>Anmeldedaten merken?</source>
        <translation>Απομνημόνευση στοιχείων σύνδεσης;</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+30"/>
        <source>Anmelden</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+22"/>
        <source>Ungültige Anmeldeinformationen.</source>
        <translation>Μη έγκυρα στοιχεία σύνδεσης.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dieses Konto hat keine Geräte, um eine Verbindung herzustellen.</source>
        <translation>Αυτός ο λογαριασμός δεν έχει συσκευές για σύνδεση.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="+7"/>
        <source>Während der Verbindung ist ein Fehler aufgetreten.</source>
        <translation>Παρουσιάστηκε σφάλμα κατά τη σύνδεση.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/GatewayLoginPopup.qml" line="-115"/>
        <source>Die Schaltzeiten wurden korrekt im Gerät gespeichert.</source>
        <translation>Οι χρόνοι μεταγωγής αποθηκεύτηκαν σωστά στη συσκευή.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Dateiname enthält zu viele Leerzeichen.</source>
        <translation>Το όνομα αρχείου περιέχει πάρα πολλά κενά.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter sind nicht korrekt eingestellt.</source>
        <translation>Οι παράμετροι δεν έχουν ρυθμιστεί σωστά.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beim Senden der ot2-Datei ist ein Fehler aufgetreten.</source>
        <translation>Παρουσιάστηκε σφάλμα κατά την αποστολή του αρχείου ot2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upload OT2</source>
        <translation>Αποστολή αρχείου OT2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verbindung zum Gerät %1</source>
        <translation>Σύνδεση με τη συσκευή %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ot2-Datei senden...</source>
        <translation>Αποστολή αρχείου ot2...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anmelden am Gerät %1</source>
        <translation>Σύνδεση στη συσκευή %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Benutzername</source>
        <translation>Όνομα χρήστη</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Die Verbindung zum Gerät konnte nicht hergestellt werden.</source>
        <translation>Δεν ήταν δυνατή η σύνδεση με τη συσκευή.</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/CloudDevicesView.qml" line="+22"/>
        <source>Gerät auswählen</source>
        <translation>Επιλογή συσκευής</translation>
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
        <translation>Κινεζικό νέο έτος</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-4"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-2"/>
        <source>%1 Tag(e) vor Chinese NY</source>
        <translation>
            <numerusform>%1 ημέρα πριν από το κινεζικό νέο έτος</numerusform>
            <numerusform>%1 ημέρες πριν από το κινεζικό νέο έτος</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+3"/>
        <source>%1 Tag(e) nach Chinese NY</source>
        <translation>
            <numerusform>%1 ημέρα μετά το κινεζικό νέο έτος</numerusform>
            <numerusform>%1 ημέρες μετά το κινεζικό νέο έτος</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Communication</name>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-79"/>
        <source>Welches Übertragungsmedium möchten Sie verwenden?</source>
        <translation>Ποιο μέσο μεταφοράς θέλετε να χρησιμοποιήσετε;</translation>
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
        <translation>Δεν εντοπίστηκε σειριακή σύνδεση ή σύνδεση Bluetooth.</translation>
    </message>
</context>
<context>
    <name>Data exchange</name>
    <message>
        <location filename="../../qml/app/popups/DataExchangePopUp.qml" line="+73"/>
        <location line="+147"/>
        <location line="+11"/>
        <source>Übertragung durch Benutzer abgebrochen</source>
        <translation>Η μεταφορά ακυρώθηκε από τον χρήστη</translation>
    </message>
    <message>
        <location line="-134"/>
        <source>Verbindung mit dem Gerät verloren</source>
        <translation>Η σύνδεση με τη συσκευή χάθηκε</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+123"/>
        <source>Übertragung abgebrochen, zu viele Fehler</source>
        <translation>Η μεταφορά ακυρώθηκε, πάρα πολλά σφάλματα</translation>
    </message>
    <message>
        <location line="-119"/>
        <source>Projekt exportieren</source>
        <translation>Εξαγωγή έργου</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Projekt importieren</source>
        <translation>Εισαγωγή έργου</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Projekt kopieren APP → Uhr</source>
        <translation>Αντιγραφή έργου εφαρμογή → ρολόι</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Schaltzeiten kopieren APP → Uhr</source>
        <translation>Αντιγραφή χρόνων μεταγωγής εφαρμογή → ρολόι</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Importiertes Projekt benennen:</source>
        <translation>Όνομα του εισαγόμενου έργου:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Abbruch</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Schließen</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="+100"/>
        <source>Die Übertragung ist nicht möglich: das Gerätemodell oder der Bluetooth-Dienst fehlt.</source>
        <translation>Η μεταφορά δεν είναι δυνατή: λείπει το μοντέλο της συσκευής ή η υπηρεσία Bluetooth.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Kein Projekt zum Übertragen.</source>
        <translation>Δεν υπάρχει έργο για μεταφορά.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Das Projekt konnte nicht gelesen werden.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του έργου.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Der Projektname konnte nicht geschrieben werden: %1</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του ονόματος του έργου: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Der aktive Speicherbereich des Geräts konnte nicht gelesen werden.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της ενεργής περιοχής μνήμης της συσκευής.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+65"/>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="+118"/>
        <source>Das Gerät enthält jetzt kein gültiges Programm. Übertragen Sie das Projekt erneut.</source>
        <translation>Η συσκευή δεν περιέχει πλέον έγκυρο πρόγραμμα. Μεταφέρετε ξανά το έργο.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../app/device/dataexchangecontroller.cpp" line="-48"/>
        <source>Das gelesene Projekt konnte nicht gespeichert werden.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του έργου που διαβάστηκε.</translation>
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
        <translation>ωω:λλ</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+6"/>
        <source>Erster</source>
        <translation>Πρώτη</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zweiter</source>
        <translation>Δεύτερη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dritter</source>
        <translation>Τρίτη</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vierter</source>
        <translation>Τέταρτη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzter</source>
        <translation>Τελευταία</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>jeden Monat</source>
        <translation>κάθε μήνα</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Januar</source>
        <translation>τον Ιανουάριο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Februar</source>
        <translation>τον Φεβρουάριο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im März</source>
        <translation>τον Μάρτιο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im April</source>
        <translation>τον Απρίλιο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Mai</source>
        <translation>τον Μάιο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Juni</source>
        <translation>τον Ιούνιο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Juli</source>
        <translation>τον Ιούλιο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im August</source>
        <translation>τον Αύγουστο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im September</source>
        <translation>τον Σεπτέμβριο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Oktober</source>
        <translation>τον Οκτώβριο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im November</source>
        <translation>τον Νοέμβριο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Dezember</source>
        <translation>τον Δεκέμβριο</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Festes Datum</source>
        <translation>Σταθερή ημερομηνία</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festes Datum jedes Jahr</source>
        <translation>Σταθερή ημερομηνία κάθε έτος</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-312"/>
        <source>Osterregel</source>
        <translation>Κανόνας Πάσχα</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reihe von Tagen</source>
        <translation>Σειρά ημερών</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regel für Wochentage</source>
        <translation>Κανόνας για ημέρες εβδομάδας</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+6"/>
        <source>Chinesisches Neujahr</source>
        <translation>Κινεζικό νέο έτος</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramViewList.qml" line="+66"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeTable.qml" line="+145"/>
        <source>Dieses Gerät unterstützt nicht alle Daten.
Einige Daten wurden nicht übertragen.</source>
        <translation>Αυτή η συσκευή δεν υποστηρίζει όλα τα δεδομένα.
Ορισμένα δεδομένα δεν μεταφέρθηκαν.</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateTableFooter.qml" line="+46"/>
        <source>Neu</source>
        <translation>Νέο</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateTableHeader.qml" line="-59"/>
        <source>Nr.</source>
        <translation>Αρ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ende</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dauer</source>
        <translation>Διάρκεια</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wiederholung</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hinweis / Fehler</source>
        <translation>Σημείωση / σφάλμα</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Auswahl löschen</source>
        <translation>Διαγραφή επιλογής</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation>Επιλογή όλων</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Datum</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tage Stunden</source>
        <translation>Ημέρες ώρες</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nach ... Tagen</source>
        <translation>Μετά από ... ημέρες</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/datepicker/CalendarList.qml" line="+31"/>
        <source>Jahr auswählen</source>
        <translation>Επιλογή έτους</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-4"/>
        <source>Serienmuster</source>
        <translation>Μοτίβο σειράς</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentagsregel</source>
        <translation>Κανόνας ημέρας εβδομάδας</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="+25"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+245"/>
        <source>mm:ss</source>
        <translation>λλ:δδ</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateSwitchLimit.qml" line="+48"/>
        <source>von</source>
        <translation>από</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An</source>
        <translation>έως</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nachtschaltung</source>
        <translation>Νυχτερινή λειτουργία</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tag-Einschaltung</source>
        <translation>Ημερήσια ενεργοποίηση</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-25"/>
        <location filename="../../app/settings/daysetting.cpp" line="+10"/>
        <source>Montag</source>
        <translation>Δευτέρα</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Dienstag</source>
        <translation>Τρίτη</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Mittwoch</source>
        <translation>Τετάρτη</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Donnerstag</source>
        <translation>Πέμπτη</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Freitag</source>
        <translation>Παρασκευή</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Samstag</source>
        <translation>Σάββατο</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/settings/daysetting.cpp" line="+1"/>
        <source>Sonntag</source>
        <translation>Κυριακή</translation>
    </message>
</context>
<context>
    <name>Device info</name>
    <message>
        <location filename="../../platform/devices/src/deviceservice.cpp" line="+108"/>
        <source>Wochenschaltuhr</source>
        <translation>Εβδομαδιαίος χρονοδιακόπτης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresschaltuhr</source>
        <translation>Ετήσιος χρονοδιακόπτης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astro-Schaltuhr</source>
        <translation>Αστρονομικός χρονοδιακόπτης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation>Φωτοκύτταρο λυκόφωτος</translation>
    </message>
</context>
<context>
    <name>DeviceInfo</name>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="+20"/>
        <source>Kanäle</source>
        <translation>Κανάλια</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programme</source>
        <translation>Προγράμματα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speicherplätze</source>
        <translation>Θέσεις μνήμης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Externe Eingänge</source>
        <translation>Εξωτερικές είσοδοι</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme mit Schaltzeiten</source>
        <translation>Ειδικά προγράμματα με χρόνους μεταγωγής</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrentyp</source>
        <translation>Τύπος ρολογιού</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jahresprogramm</source>
        <translation>Ετήσιο πρόγραμμα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls</source>
        <translation>Παλμός</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklus</source>
        <translation>Κύκλος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Earth Hour</source>
        <translation>Ώρα της Γης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erweiterungsmodul</source>
        <translation>Μονάδα επέκτασης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internes Bluetooth-Modul</source>
        <translation>Εσωτερική μονάδα Bluetooth</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zeitzone einstellbar</source>
        <translation>Ρυθμιζόμενη ζώνη ώρας</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dämmerungsschalter</source>
        <translation>Φωτοκύτταρο λυκόφωτος</translation>
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
        <translation>Κανάλι</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/directcommands/HolidaySection.qml" line="+70"/>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+27"/>
        <source>Status</source>
        <comment>Holiday state</comment>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="+6"/>
        <source>Modus</source>
        <comment>Mode auto, on, off...</comment>
        <translation>Λειτουργία</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="+58"/>
        <source>Betriebsstunden</source>
        <translation>Ώρες λειτουργίας</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Serviceintervall</source>
        <translation>Διάστημα συντήρησης</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aktueller Luxwert</source>
        <translation>Τρέχουσα τιμή lux</translation>
    </message>
    <message>
        <location filename="../../app/device/directcommandinfo.cpp" line="-20"/>
        <source>Auto</source>
        <comment>Mode of the channel</comment>
        <translation>Αυτόματο</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impuls</source>
        <comment>Mode of the channel</comment>
        <translation>Παλμός</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zyklus</source>
        <comment>Mode of the channel</comment>
        <translation>Κύκλος</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timer</source>
        <comment>Mode of the channel</comment>
        <translation>Χρονοδιακόπτης</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ferien</source>
        <comment>Mode of the channel</comment>
        <translation>Διακοπές</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung</source>
        <comment>Mode of the channel</comment>
        <translation>Χειροκίνητη μεταγωγή</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer</source>
        <comment>Mode of the channel</comment>
        <translation>Μόνιμα</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dauer (extern)</source>
        <comment>Mode of the channel</comment>
        <translation>Μόνιμα (εξωτερικά)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Externer Treppenlichtzeitautomat aktiv</source>
        <comment>Mode of the channel</comment>
        <translation>Εξωτερικός αυτόματος κλιμακοστασίου ενεργός</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kanalverriegelung</source>
        <comment>Mode of the channel</comment>
        <translation>Κλείδωμα καναλιού</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/CommandRow.qml" line="+11"/>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="+90"/>
        <source>Senden</source>
        <comment>Button label</comment>
        <translation>Αποστολή</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/DateTimeSection.qml" line="-69"/>
        <source>Datum / Uhrzeit</source>
        <comment>Section title</comment>
        <translation>Ημερομηνία / ώρα</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Zeitzone</source>
        <translation>Ζώνη ώρας</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Systemzeit</source>
        <translation>Ώρα συστήματος</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Individuelle Zeit</source>
        <translation>Δική σας ώρα</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/DirectCommandsItem.qml" line="-68"/>
        <location line="+8"/>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="-27"/>
        <location line="+20"/>
        <location filename="../../qml/app/views/SensorAffectationView.qml" line="+27"/>
        <source>Sensorzuordnung</source>
        <translation>Αντιστοίχιση αισθητήρων</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Maximale Anzahl der anschließbaren Lichtsensoren (4) überschritten</source>
        <translation>Υπέρβαση του μέγιστου αριθμού συνδεόμενων αισθητήρων φωτός (4)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sensorfehler</source>
        <translation>Σφάλμα αισθητήρα</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 SN: %2</source>
        <translation>%1 SN: %2</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Firmware-Version:</source>
        <translation>Έκδοση υλικολογισμικού:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software Version Gerät</source>
        <translation>Έκδοση λογισμικού συσκευής</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/HolidaySection.qml" line="-13"/>
        <source>Ferienprogramm</source>
        <translation>Πρόγραμμα διακοπών</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Beginn</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Ende</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/ManuelSection.qml" line="-74"/>
        <source>Manueller Befehl</source>
        <translation>Χειροκίνητη εντολή</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Handschaltung stoppen</source>
        <translation>Διακοπή χειροκίνητης μεταγωγής</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handschaltung</source>
        <translation>Χειροκίνητη μεταγωγή</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dauer Ein stoppen</source>
        <comment>Channel mode</comment>
        <translation>Διακοπή μόνιμης ενεργ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-44"/>
        <location line="+12"/>
        <source>Dauer Ein</source>
        <comment>Channel mode</comment>
        <translation>Μόνιμα ενεργ.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dauer Aus stoppen</source>
        <comment>Channel mode</comment>
        <translation>Διακοπή μόνιμης απενεργ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-11"/>
        <location line="+12"/>
        <source>Dauer Aus</source>
        <comment>Channel mode</comment>
        <translation>Μόνιμα απενεργ.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Timer</source>
        <translation>Χρονοδιακόπτης</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Zufall</source>
        <translation>Τυχαία</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="+1"/>
        <source>Bearbeiten</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/SensorAffectationTable.qml" line="+35"/>
        <source>Luxwert</source>
        <translation>Τιμή lux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Blinken</source>
        <translation>Αναβόσβημα</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kanal %1 aktivieren </source>
        <translation>Ενεργοποίηση καναλιού %1 </translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/SensorRow.qml" line="+31"/>
        <source>S%1</source>
        <translation>Α%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor %1</source>
        <translation>Αισθητήρας %1</translation>
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
        <translation>Κυριακή του Πάσχα</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+13"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+13"/>
        <source>%1 Tag(e) vor Ostersonntag</source>
        <translation>
            <numerusform>%1 ημέρα πριν από την Κυριακή του Πάσχα</numerusform>
            <numerusform>%1 ημέρες πριν από την Κυριακή του Πάσχα</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+1"/>
        <source>%1 Tag(e) nach Ostersonntag</source>
        <translation>
            <numerusform>%1 ημέρα μετά την Κυριακή του Πάσχα</numerusform>
            <numerusform>%1 ημέρες μετά την Κυριακή του Πάσχα</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="-17"/>
        <source>Karfreitag</source>
        <translation>Μεγάλη Παρασκευή</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-16"/>
        <source>1 Tag vor Ostersonntag</source>
        <translation>1 ημέρα πριν από την Κυριακή του Πάσχα</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+4"/>
        <source>Ostermontag</source>
        <translation>Δευτέρα του Πάσχα</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Christi Himmelfahrt</source>
        <translation>Ανάληψη</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Pfingstsonntag</source>
        <translation>Πεντηκοστή</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Pfingstmontag</source>
        <translation>Αγίου Πνεύματος</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <source>Fronleichnam</source>
        <translation>Αγία Ευχαριστία (Corpus Christi)</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-14"/>
        <source>Karfreitag</source>
        <comment>Karfreitag</comment>
        <translation>Μεγάλη Παρασκευή</translation>
    </message>
</context>
<context>
    <name>Edit project</name>
    <message>
        <location filename="../../qml/app/views/ProjectContentView.qml" line="+30"/>
        <source>Neues Projekt</source>
        <translation>Νέο έργο</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Öffnen</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Speichern</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Ανάγνωση TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation>Προγραμματισμός TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Direkte Befehle</source>
        <translation>Άμεσες εντολές</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E-Mail</source>
        <translation>Ηλεκτρονικό ταχυδρομείο</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Drucken</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Druckvorschau</source>
        <translation>Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+79"/>
        <source>Einstellungen Gerät</source>
        <comment>Tab title</comment>
        <translation>Ρυθμίσεις συσκευής</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="+35"/>
        <source>Programm</source>
        <translation>Πρόγραμμα</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="-98"/>
        <source>Einstellungen Gerät</source>
        <translation>Ρυθμίσεις συσκευής</translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/ToolBarFunctions.qml" line="+66"/>
        <source>Wollen Sie das Schaltprogramm wirklich optimieren?</source>
        <translation>Θέλετε πραγματικά να βελτιστοποιήσετε το πρόγραμμα μεταγωγής;</translation>
    </message>
</context>
<context>
    <name>Edit switch time</name>
    <message>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="+51"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-65"/>
        <source>Zeit</source>
        <translation>Ώρα</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SonderProgramTypePopup.qml" line="+22"/>
        <source>Feiertagsregeln anwenden..</source>
        <translation>Εφαρμογή κανόνων αργιών..</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Typ auswählen</source>
        <translation>Επιλογή τύπου</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="-12"/>
        <source>Ersteller</source>
        <translation>Δημιουργός</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Astro</source>
        <translation>Αστρονομικό</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kanal %1</source>
        <translation>Κανάλι %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Titel:</source>
        <translation>Τίτλος:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beschreibung:</source>
        <translation>Περιγραφή:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gerät:</source>
        <translation>Συσκευή:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dateiname:</source>
        <translation>Όνομα αρχείου:</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Name:</source>
        <translation>Όνομα:</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+3"/>
        <source>Adresse:</source>
        <translation>Διεύθυνση:</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-43"/>
        <source>Fix</source>
        <translation>Σταθερό</translation>
    </message>
    <message>
        <location line="+111"/>
        <location line="+102"/>
        <source>Astroprogramm</source>
        <translation>Αστρονομικό πρόγραμμα</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>%1 min %2 s</source>
        <translation>%1 λεπ. %2 δευτ.</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Zyklus Impuls</source>
        <translation>Κύκλος παλμός</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Schaltungen:</source>
        <translation>Μεταγωγές:</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Datum Bereich:</source>
        <translation>Εύρος ημερομηνιών:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>R %1d</source>
        <comment>R for repeat, d for days</comment>
        <translation>Ε %1 ημ.</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+76"/>
        <source>12 h</source>
        <translation>12 ώρες</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>24 h</source>
        <translation>24 ώρες</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Orthodoxe Kirche</source>
        <translation>Ορθόδοξη Εκκλησία</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>Κανονικό</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Winter ► Sommer</source>
        <translation>Χειμώνας ► καλοκαίρι</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sommer ► Winter</source>
        <translation>Καλοκαίρι ► χειμώνας</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Taster</source>
        <translation>Μπουτόν</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schalter</source>
        <translation>Διακόπτης</translation>
    </message>
</context>
<context>
    <name>Extra program</name>
    <message>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-153"/>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+67"/>
        <source>Ende muss nach dem Beginn liegen</source>
        <translation>Το τέλος πρέπει να είναι μετά την έναρξη</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+2"/>
        <source>Start und Ende müssen sich unterscheiden</source>
        <translation>Η έναρξη και το τέλος πρέπει να διαφέρουν</translation>
    </message>
    <message>
        <location filename="../../app/extraprograms/dateerrorscontroller.cpp" line="+2"/>
        <source>Überschneidung nicht zulässig</source>
        <translation>Η επικάλυψη δεν επιτρέπεται</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-12"/>
        <source>Schaltzeiten von Zusatzprogrammen werden nur ausgeführt, wenn Datumsbereiche angegeben sind.</source>
        <translation>Οι χρόνοι μεταγωγής των πρόσθετων προγραμμάτων εκτελούνται μόνο αν έχουν οριστεί εύρη ημερομηνιών.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bei den folgenden Zusatzprogrammen im Projekt fehlen Datumsbereiche:</source>
        <translation>Στα ακόλουθα πρόσθετα προγράμματα του έργου λείπουν εύρη ημερομηνιών:</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramTypeToolbar.qml" line="+32"/>
        <location filename="../../qml/app/switchtimes/datetable/DateTableFooter.qml" line="+8"/>
        <source>Feiertagsset übernehmen</source>
        <translation>Εφαρμογή σετ αργιών</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+42"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-334"/>
        <source>Fixes Datum jedes Jahr</source>
        <translation>Σταθερή ημερομηνία κάθε έτος</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram1Header.qml" line="+50"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOff.qml" line="+44"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+50"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+85"/>
        <location line="+103"/>
        <source>Schaltprogramm</source>
        <translation>Πρόγραμμα μεταγωγής</translation>
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
        <translation>Ενεργ.</translation>
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
        <translation>Απενεργ.</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram1AstroHeader.qml" line="+19"/>
        <source>Schalten Nacht/Tag</source>
        <translation>Λειτουργία νύχτα/ημέρα</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../../qml/app/extraprograms/SonderProgramOnOffAstro.qml" line="+17"/>
        <source>Luxwerte</source>
        <translation>Τιμές lux</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/extraprograms/SonderProgramNoctaEditionRow.qml" line="+19"/>
        <source>Lux Ein</source>
        <translation>Lux ενεργ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramNoctaEditionRow.qml" line="+10"/>
        <source>Lux Aus</source>
        <translation>Lux απενεργ.</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Edition.qml" line="+61"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-101"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-81"/>
        <source>Typ</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+42"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+6"/>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+18"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+9"/>
        <source>Ende</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Header.qml" line="+29"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-70"/>
        <source>Dauer Ein</source>
        <translation>Μόνιμα ενεργ.</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="+0"/>
        <source>Dauer Aus</source>
        <translation>Μόνιμα απενεργ.</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramAstroEditionRow.qml" line="+50"/>
        <source>Startzeit</source>
        <translation>Ώρα έναρξης</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+7"/>
        <location filename="../../qml/app/extraprograms/SonderProgramDateEditionRow.qml" line="+67"/>
        <location filename="../../qml/app/extraprograms/SonderProgramEditionRow.qml" line="+20"/>
        <source> (hh:mm)</source>
        <translation> (ωω:λλ)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+46"/>
        <location line="+10"/>
        <source>Dauer bis</source>
        <translation>Διάρκεια έως</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramHolidays.qml" line="+33"/>
        <source>Ferien-Einstellung</source>
        <translation>Ρύθμιση διακοπών</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/datetable/DateRangeProvider.qml" line="+0"/>
        <source>Fixes Datum</source>
        <translation>Σταθερή ημερομηνία</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osterregel</source>
        <translation>Κανόνας Πάσχα</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reihe von Tagen</source>
        <translation>Σειρά ημερών</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regel für Wochentage</source>
        <translation>Κανόνας για ημέρες εβδομάδας</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinesisches Neujahr</source>
        <translation>Κινεζικό νέο έτος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feiertage</source>
        <translation>Αργίες</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nacht</source>
        <translation>Νύχτα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tag</source>
        <translation>Ημέρα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Einschalten</source>
        <translation>%1 ενεργοποίηση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Ausschalten</source>
        <translation>%1 απενεργοποίηση</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDate.qml" line="-6"/>
        <source>Sonderprogramm %1</source>
        <translation>Ειδικό πρόγραμμα %1</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Wiederholung</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+33"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="-47"/>
        <source>Dauer</source>
        <translation>Διάρκεια</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Nach ... Tagen</source>
        <translation>Μετά από ... ημέρες</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramDateEditionRow.qml" line="-24"/>
        <source>Datum</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../../qml/app/extraprograms/SonderProgramItemRow.qml" line="+12"/>
        <source>Uhrzeit</source>
        <translation>Ώρα ημέρας</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+1"/>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederholen nach...</source>
        <translation>Επανάληψη μετά από...</translation>
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
        <translation>Διαγραφή</translation>
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
        <translation>Εντάξει</translation>
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
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <location filename="../../qml/components/FilePicker.qml" line="-17"/>
        <source>Durchsuchen</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datei auswählen</source>
        <translation>Επιλογή αρχείου</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Öffnen</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <location filename="../../qml/components/NotImplementedYetPopUp.qml" line="+6"/>
        <source>Diese Funktion ist noch nicht verfügbar.</source>
        <translation>Αυτή η λειτουργία δεν είναι ακόμη διαθέσιμη.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceInfoPopUp.qml" line="-21"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-3"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="-2"/>
        <source>Ja</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="+1"/>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+1"/>
        <source>Nein</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ErrorPopUp.qml" line="+7"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-16"/>
        <source>Fehler</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TripleChoicePopup.qml" line="+15"/>
        <source>Bestätigung</source>
        <translation>Επιβεβαίωση</translation>
    </message>
    <message>
        <location filename="../../qml/app/toolbars/AppToolBar.qml" line="+95"/>
        <source>Zurück</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-3"/>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="-4"/>
        <source>Warnung</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Möchten Sie trotzdem mit der Programmierung fortfahren?</source>
        <translation>Θέλετε να συνεχίσετε τον προγραμματισμό παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+1"/>
        <source>Ihr Projekt enthält ungespeicherte Änderungen.</source>
        <translation>Το έργο σας περιέχει μη αποθηκευμένες αλλαγές.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen speichern</source>
        <translation>Αποθήκευση αλλαγών</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Änderungen ignorieren</source>
        <translation>Απόρριψη αλλαγών</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+143"/>
        <source>Jede Auswahl aufheben</source>
        <translation>Αποεπιλογή όλων</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="+0"/>
        <source>Alle auswählen</source>
        <translation>Επιλογή όλων</translation>
    </message>
    <message>
        <location filename="../../qml/MainWindow.qml" line="+200"/>
        <source>Es gab nichts zu schreiben.</source>
        <translation>Δεν υπήρχε τίποτα προς εγγραφή.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του αρχείου «%1».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Die Änderungen konnten nicht gespeichert werden: %1</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των αλλαγών: %1</translation>
    </message>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+119"/>
        <source>Druckvorschau</source>
        <translation>Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="+7"/>
        <source>Schreiben</source>
        <translation>Εγγραφή</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-166"/>
        <source>24 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation>24 ώρες</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12 h</source>
        <comment>Time format 12h or 24h</comment>
        <translation>12 ώρες</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Montag</source>
        <translation>Δευτέρα</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dienstag</source>
        <translation>Τρίτη</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mittwoch</source>
        <translation>Τετάρτη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Donnerstag</source>
        <translation>Πέμπτη</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freitag</source>
        <translation>Παρασκευή</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Samstag</source>
        <translation>Σάββατο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonntag</source>
        <translation>Κυριακή</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jeden Tag</source>
        <translation>Κάθε ημέρα</translation>
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
        <translation>Απενεργ.</translation>
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
        <translation>Ενεργ.</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-89"/>
        <source>Zufall 1</source>
        <translation>Τυχαία 1</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="-2"/>
        <source>Zufall 2</source>
        <translation>Τυχαία 2</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Beenden Timer</source>
        <translation>Τερματισμός χρονοδιακόπτη</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="+141"/>
        <source>%1: %2/%3</source>
        <translation>%1: %2/%3</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="-99"/>
        <source>%1 min</source>
        <translation>%1 λεπ.</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>%1 h</source>
        <translation>%1 ώ.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Puls Ein</source>
        <translation>Παλμός ενεργ.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls aus</source>
        <translation>Παλμός απενεργ.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+32"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeTypeBar.qml" line="+6"/>
        <source>Zyklus</source>
        <translation>Κύκλος</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+25"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+39"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-3"/>
        <source>Fix Ein</source>
        <translation>Σταθερά ενεργ.</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+26"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+0"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="-1"/>
        <source>Fix Aus</source>
        <translation>Σταθερά απενεργ.</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Einschalten</source>
        <translation>Ενεργοποίηση</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ausschalten</source>
        <translation>Απενεργοποίηση</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Auswählen</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ein+Aus</source>
        <translation>Ενεργ.+απενεργ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Ein</source>
        <translation>Παλμός ενεργ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impuls Aus</source>
        <translation>Παλμός απενεργ.</translation>
    </message>
    <message>
        <location line="+157"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-12"/>
        <source>Ausschneiden</source>
        <translation>Αποκοπή</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramView.qml" line="-17"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+10"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="-20"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="-6"/>
        <source>Kopieren</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+9"/>
        <location filename="../../qml/app/switchtimes/ProgramViewList.qml" line="+7"/>
        <location filename="../../qml/app/switchtimes/tablecomp/TableContextMenu.qml" line="+12"/>
        <source>Einfügen</source>
        <translation>Επικόλληση</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramViewGrid.qml" line="+9"/>
        <location filename="../../qml/app/views/SwitchTimeEditionView.qml" line="+28"/>
        <source>Bearbeiten</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/tablecomp/TableSwitchControl.qml" line="+30"/>
        <source>EIN</source>
        <translation>ΕΝΕΡΓ.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AUS</source>
        <translation>ΑΠΕΝΕΡΓ.</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramItem.qml" line="+48"/>
        <location filename="../../app/device/directcommandinfo.cpp" line="+24"/>
        <source>Lux</source>
        <translation>Λουξ</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgramHolidays.qml" line="-16"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-140"/>
        <source>Anwenden bis</source>
        <comment>=&gt; Feiertage bis zum Jahr x hinzufügen</comment>
        <translation>Εφαρμογή έως</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LuxValueHeader.qml" line="+18"/>
        <source>Ein (lux)</source>
        <translation>Ενεργ. (λουξ)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Aus (lux)</source>
        <translation>Απενεργ. (λουξ)</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SwitchStatusPopUp.qml" line="+18"/>
        <source>Typ auswählen</source>
        <translation>Επιλογή τύπου</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-124"/>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+29"/>
        <source>Das Programm dieses Kanals wird gelöscht.</source>
        <translation>Το πρόγραμμα αυτού του καναλιού θα διαγραφεί.</translation>
    </message>
    <message>
        <location line="+136"/>
        <location filename="../../app/report/reporttexts.h" line="+6"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-10"/>
        <source>Aktiv</source>
        <translation>Ενεργό</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="-13"/>
        <source>Das Programm für das Erweiterungsmodul wird gelöscht.</source>
        <translation>Το πρόγραμμα της μονάδας επέκτασης θα διαγραφεί.</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="-21"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-153"/>
        <source>Datum</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="-58"/>
        <source>(nichts)</source>
        <translation>(τίποτα)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+44"/>
        <source>Uhrzeit</source>
        <translation>Ώρα ημέρας</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+2"/>
        <location line="+18"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Wochentag</source>
        <translation>Ημέρα εβδομάδας</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-30"/>
        <location line="+96"/>
        <source>Typ</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufsteigend</source>
        <translation>αύξουσα</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>absteigend</source>
        <translation>φθίνουσα</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sortieren</source>
        <translation>Ταξινόμηση</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>zuerst</source>
        <translation>πρώτα</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>danach</source>
        <translation>έπειτα</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeEdition.qml" line="-187"/>
        <source>Impulsdauer fehlt</source>
        <translation>Λείπει η διάρκεια παλμού</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zykluspuls fehlt</source>
        <translation>Λείπει ο παλμός κύκλου</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zykluspause fehlt</source>
        <translation>Λείπει η παύση κύκλου</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letzter Tag fehlt</source>
        <translation>Λείπει η τελευταία ημέρα</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Start (hh:mm)</source>
        <translation>Έναρξη (ωω:λλ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrzeit (hh:mm:ss)</source>
        <translation>Ώρα (ωω:λλ:δδ)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Dauer (mm:ss)</source>
        <translation>Διάρκεια (λλ:δδ)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puls (hh:mm:ss)</source>
        <translation>Παλμός (ωω:λλ:δδ)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pause (hh:mm:ss)</source>
        <translation>Παύση (ωω:λλ:δδ)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-335"/>
        <source>Endlos</source>
        <translation>Χωρίς τέλος</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Start und Ende müssen unterschiedlich sein</source>
        <translation>Η έναρξη και το τέλος πρέπει να είναι διαφορετικά</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Entfernen</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroModeRow.qml" line="-23"/>
        <source>Anwendung</source>
        <translation>Χρήση</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+79"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+338"/>
        <source>Dauer</source>
        <translation>Διάρκεια</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+10"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-71"/>
        <source>Pause</source>
        <translation>Παύση</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectSettingsView.qml" line="-23"/>
        <source>Projekt-Einstellungen</source>
        <translation>Ρυθμίσεις έργου</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-123"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="+10"/>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name bearbeiten</source>
        <translation>Επεξεργασία ονόματος</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Date</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-160"/>
        <location line="+91"/>
        <source>Funktion</source>
        <translation>Λειτουργία</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AutomaticFill.qml" line="-192"/>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-12"/>
        <source>Automatisch ausfüllen</source>
        <translation>Αυτόματη συμπλήρωση</translation>
    </message>
    <message>
        <location line="+76"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+138"/>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ende</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Nur für die Simulation</source>
        <translation>Μόνο για την προσομοίωση</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-2"/>
        <location line="+1"/>
        <location line="+79"/>
        <source>Stunde</source>
        <translation>Ώρα</translation>
    </message>
    <message>
        <location line="-79"/>
        <source>Woche</source>
        <translation>Εβδομάδα</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monat</source>
        <translation>Μήνας</translation>
    </message>
    <message>
        <location filename="../../app/report/reporttexts.h" line="+6"/>
        <source>Leer</source>
        <translation>Κενό</translation>
    </message>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-48"/>
        <source>Januar</source>
        <translation>Ιανουάριος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Februar</source>
        <translation>Φεβρουάριος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>März</source>
        <translation>Μάρτιος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>April</source>
        <translation>Απρίλιος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mai</source>
        <translation>Μάιος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Juni</source>
        <translation>Ιούνιος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Juli</source>
        <translation>Ιούλιος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>August</source>
        <translation>Αύγουστος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>September</source>
        <translation>Σεπτέμβριος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Oktober</source>
        <translation>Οκτώβριος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>November</source>
        <translation>Νοέμβριος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dezember</source>
        <translation>Δεκέμβριος</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/AstroSettingsView.qml" line="-135"/>
        <source>C %1</source>
        <comment>Abbreviation for channel, %1 contains the index of the channel</comment>
        <translation>Κ %1</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="+216"/>
        <source>Exportieren</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettings.qml" line="+81"/>
        <source>Information</source>
        <translation>Πληροφορίες</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <location filename="../../qml/main.qml" line="+9"/>
        <location filename="../../libs/core/src/languageservice.cpp" line="+77"/>
        <source>LANGUAGE_NAME</source>
        <translation>Ελληνικά</translation>
    </message>
</context>
<context>
    <name>GlobalSettings</name>
    <message>
        <location filename="../../app/settings/dateformatsetting.cpp" line="+10"/>
        <source>31.12.00 (TT.MM.JJ)</source>
        <translation>31.12.00 (ΗΗ.ΜΜ.ΕΕ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12/31/00 (MM/TT/JJ)</source>
        <translation>12/31/00 (ΜΜ/ΗΗ/ΕΕ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>00-12-31 (JJ-MM-TT)</source>
        <translation>00-12-31 (ΕΕ-ΜΜ-ΗΗ)</translation>
    </message>
    <message>
        <location filename="../../app/settings/timezonesetting.cpp" line="+10"/>
        <source>UTC -11h</source>
        <translation>UTC -11 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -10h</source>
        <translation>UTC -10 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -9h</source>
        <translation>UTC -9 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -8h</source>
        <translation>UTC -8 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -7h</source>
        <translation>UTC -7 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -6h</source>
        <translation>UTC -6 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -5h</source>
        <translation>UTC -5 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -4h</source>
        <translation>UTC -4 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -3h30</source>
        <translation>UTC -3:30 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -3h</source>
        <translation>UTC -3 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -2h</source>
        <translation>UTC -2 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -1h</source>
        <translation>UTC -1 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC -0h</source>
        <translation>UTC -0 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +1h</source>
        <translation>UTC +1 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +2h</source>
        <translation>UTC +2 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +3h</source>
        <translation>UTC +3 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +3h30</source>
        <translation>UTC +3:30 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h</source>
        <translation>UTC +4 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +4h30</source>
        <translation>UTC +4:30 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h</source>
        <translation>UTC +5 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +5h30</source>
        <translation>UTC +5:30 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h</source>
        <translation>UTC +6 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +6h30</source>
        <translation>UTC +6:30 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +7h</source>
        <translation>UTC +7 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +8h</source>
        <translation>UTC +8 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +9h</source>
        <translation>UTC +9 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +9h30</source>
        <translation>UTC +9:30 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h</source>
        <translation>UTC +10 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +10h30</source>
        <translation>UTC +10:30 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h</source>
        <translation>UTC +11 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +11h30</source>
        <translation>UTC +11:30 ώ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC +12h</source>
        <translation>UTC +12 ώ.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/app/appsettings/GlobalSettings.qml" line="-218"/>
        <source>%1 Code(s) wurden entfernt!</source>
        <translation>
            <numerusform>Καταργήθηκε %1 κωδικός!</numerusform>
            <numerusform>Καταργήθηκαν %1 κωδικοί!</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-43"/>
        <source>Sprache</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Datumsformat</source>
        <translation>Μορφή ημερομηνίας</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erster Tag der Woche</source>
        <translation>Πρώτη ημέρα της εβδομάδας</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Töne</source>
        <translation>Ήχοι</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Vibration</source>
        <translation>Δόνηση</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Synchronisierung von Datum und Uhrzeit</source>
        <translation>Αυτόματος συγχρονισμός ημερομηνίας και ώρας</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatische Sprachsynchronisation</source>
        <translation>Αυτόματος συγχρονισμός γλώσσας</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Verbindungscodes</source>
        <translation>Κωδικοί σύνδεσης</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Modus Fehlerbeseitigung</source>
        <translation>Λειτουργία εντοπισμού σφαλμάτων</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Software-Update Adresse</source>
        <translation>Διεύθυνση ενημέρωσης λογισμικού</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Immer Updates online suchen</source>
        <translation>Πάντα αναζήτηση ενημερώσεων στο διαδίκτυο</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/GlobalSettingsView.qml" line="+20"/>
        <source>Einstellungen</source>
        <translation>Ρυθμίσεις</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <location filename="../../qml/app/holidays/HolidayEdition.qml" line="-275"/>
        <source>Jährlich fest</source>
        <translation>Σταθερή κάθε έτος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Freie Regel</source>
        <translation>Ελεύθερος κανόνας</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relativ zum Osten</source>
        <translation>Σε σχέση με το Πάσχα</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Relativ zu CNY</source>
        <translation>Σε σχέση με το κινεζικό νέο έτος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Einmal fest</source>
        <translation>Σταθερή μία φορά</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+27"/>
        <source>Feiertag</source>
        <translation>Αργία</translation>
    </message>
    <message>
        <location line="+104"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-159"/>
        <source>%1 vor dem %2</source>
        <comment>%1 = day of week, %2 = date</comment>
        <translation>%1 πριν από %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+1"/>
        <source>%1 nach dem %2</source>
        <comment>%1 = day of week, %2 = date</comment>
        <translation>%1 μετά από %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Name des Feiertags</source>
        <translation>Όνομα αργίας</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Art des Feiertags</source>
        <translation>Τύπος αργίας</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Wochentag</source>
        <translation>Ημέρα εβδομάδας</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+164"/>
        <source>von</source>
        <translation>από</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Datum</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+7"/>
        <source>Dauer</source>
        <translation>Διάρκεια</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="+0"/>
        <source>bis</source>
        <translation>έως</translation>
    </message>
    <message>
        <location filename="../../qml/app/holidays/HolidaySetEdition.qml" line="-119"/>
        <source>Sind Sie sicher, dass Sie dieses Feiertagsset dauerhaft löschen möchten?</source>
        <translation>Είστε βέβαιοι ότι θέλετε να διαγράψετε οριστικά αυτό το σετ αργιών;</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+161"/>
        <source>Neu</source>
        <translation>Νέο</translation>
    </message>
    <message>
        <location line="-151"/>
        <source>Kopieren</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+151"/>
        <source>Bearbeiten</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <location line="-141"/>
        <location line="+152"/>
        <source>Entfernen</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <location line="-144"/>
        <source>Vordefinierte Sets anzeigen (nicht änderbar)</source>
        <translation>Εμφάνιση προκαθορισμένων σετ (χωρίς αλλαγές)</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Für die Richtigkeit aller Angaben wird keine Gewähr übernommen! Für kritische Anwendungen überprüfen Sie bitte die Feiertagsdaten.</source>
        <translation>Δεν παρέχεται καμία εγγύηση για την ορθότητα των στοιχείων! Για κρίσιμες εφαρμογές ελέγξτε τις ημερομηνίες των αργιών.</translation>
    </message>
    <message>
        <location filename="../../qml/app/holidays/NameEdition.qml" line="-13"/>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
</context>
<context>
    <name>Home</name>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-124"/>
        <source>Home</source>
        <translation>Αρχική</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Neues Projekt</source>
        <translation>Νέο έργο</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Ανάγνωση TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Projekt duplizieren</source>
        <translation>Αντίγραφο έργου</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekt umbenennen</source>
        <translation>Μετονομασία έργου</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Projekte löschen</source>
        <translation>Διαγραφή έργων</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Projekt exportieren</source>
        <translation>Εξαγωγή έργου</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Direkte Befehle</source>
        <translation>Άμεσες εντολές</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Software-Info</source>
        <translation>Πληροφορίες λογισμικού</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>FAQ</source>
        <translation>Συχνές ερωτήσεις</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Noch keine Projekte. Legen Sie mit + ein neues Projekt an.</source>
        <translation>Δεν υπάρχουν ακόμη έργα. Δημιουργήστε νέο έργο με το +.</translation>
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
        <translation>Θέσεις μνήμης</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-349"/>
        <location line="+279"/>
        <source>Impuls</source>
        <translation>Παλμός</translation>
    </message>
    <message>
        <location line="-277"/>
        <source>Zyklus</source>
        <translation>Κύκλος</translation>
    </message>
</context>
<context>
    <name>Legal</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="+140"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-18"/>
        <source>Geschäftsbedingungen</source>
        <translation>Όροι χρήσης</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="+5"/>
        <source>Datenschutzrichtlinien</source>
        <translation>Πολιτική απορρήτου</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/TermsAndConditionsPopup.qml" line="-13"/>
        <source>Bitte lesen und akzeptieren Sie die Allgemeinen Geschäftsbedingungen sowie die Datenschutzrichtlinien, bevor Sie die Anwendung nutzen.</source>
        <translation>Διαβάστε και αποδεχτείτε τους όρους χρήσης και την πολιτική απορρήτου πριν χρησιμοποιήσετε την εφαρμογή.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Ich akzeptiere die Allgemeinen Geschäftsbedingungen und bin über die Datenschutzbestimmungen informiert.</source>
        <translation>Αποδέχομαι τους όρους χρήσης και έχω ενημερωθεί για την πολιτική απορρήτου.</translation>
    </message>
</context>
<context>
    <name>Light settings</name>
    <message>
        <location filename="../../qml/app/light/DelayRow.qml" line="+26"/>
        <source>mm:ss</source>
        <comment>light setting delay format</comment>
        <translation>λλ:δδ</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/DelaySettings.qml" line="+15"/>
        <source>Verzögerung Ein</source>
        <translation>Καθυστέρηση ενεργοποίησης</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Verzögerung Aus</source>
        <translation>Καθυστέρηση απενεργοποίησης</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LightView.qml" line="+13"/>
        <source>Licht</source>
        <translation>Φως</translation>
    </message>
    <message>
        <location line="+28"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+169"/>
        <location line="+55"/>
        <source>Luxwerte</source>
        <translation>Τιμές lux</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-39"/>
        <source>Verzögerungszeit</source>
        <translation>Χρόνος καθυστέρησης</translation>
    </message>
    <message>
        <location filename="../../qml/app/light/LuxValuesSetting.qml" line="+60"/>
        <source>Kopieren an allen Tagen</source>
        <translation>Αντιγραφή σε όλες τις ημέρες</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kopieren an allen Tagen (Ein)</source>
        <translation>Αντιγραφή σε όλες τις ημέρες (ενεργ.)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren an allen Tagen (Aus)</source>
        <translation>Αντιγραφή σε όλες τις ημέρες (απενεργ.)</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="+418"/>
        <source>Open File</source>
        <translation>Άνοιγμα αρχείου</translation>
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
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Neues Projekt</source>
        <translation>&amp;Νέο έργο</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Öffnen</source>
        <translation>Άν&amp;οιγμα...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern</source>
        <translation>Απο&amp;θήκευση</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Speichern unter</source>
        <translation>Αποθήκευση &amp;ως...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Ανάγνωση TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Programm TARVINO rix2/rix3</source>
        <translation>Προγραμματισμός TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Direkte Befehle</source>
        <translation>Άμεσες εντολές</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Senden per E-Mail</source>
        <translation>Αποστολή με email</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Drucken</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Druckvorschau</source>
        <translation>Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Ende</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bearbeiten</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rückgängig</source>
        <translation>Αναίρεση</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wiederherstellen</source>
        <translation>Ακύρωση αναίρεσης</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ausschneiden</source>
        <translation>Αποκοπή</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kopieren</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einfügen</source>
        <translation>Επικόλληση</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles markieren</source>
        <translation>Επισήμανση όλων</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Löschen</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sortieren...</source>
        <translation>Ταξινόμηση...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Optimieren</source>
        <translation>Βελτιστοποίηση</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Projekteinstellungen...</source>
        <translation>Ρυθμίσεις έ&amp;ργου...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sprache erstellen TARVINO rix2/rix3</source>
        <translation>Δημιουργία γλώσσας TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Feiertag</source>
        <translation>Α&amp;ργίες</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;App-Einstellungen...</source>
        <translation>Ρυθμίσεις ε&amp;φαρμογής...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hilfe</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hilfe</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Software-Infos</source>
        <translation>&amp;Πληροφορίες λογισμικού</translation>
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
        <translation>Έργο</translation>
    </message>
</context>
<context>
    <name>New project</name>
    <message>
        <location filename="../../app/controllerbase/exportfiles.cpp" line="+65"/>
        <location filename="../../app/project/projectcreationviewcontroller.cpp" line="+24"/>
        <source>Projekt %1</source>
        <translation>Έργο %1</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/ProjectCreationPopUp.qml" line="+10"/>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+13"/>
        <source>Neues Projekt</source>
        <translation>Νέο έργο</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-13"/>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+68"/>
        <source>Gerätetyp</source>
        <translation>Τύπος συσκευής</translation>
    </message>
    <message>
        <location filename="../../qml/app/projects/ProjectCreationItem.qml" line="+18"/>
        <source>Anzahl Kanäle</source>
        <translation>Αριθμός καναλιών</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Modell</source>
        <translation>Μοντέλο</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Projektname</source>
        <translation>Όνομα έργου</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Projekt erstellen</source>
        <translation>Δημιουργία έργου</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/ProjectCreationView.qml" line="+6"/>
        <source>Öffnen</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TARVINO rix2/rix3 lesen</source>
        <translation>Ανάγνωση TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Direkte Befehle</source>
        <translation>Άμεσες εντολές</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Gespeicherte Projekte</source>
        <translation>Αποθηκευμένα έργα</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-128"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-7"/>
        <source>Zeitschaltprogramm</source>
        <translation>Πρόγραμμα χρονοδιακόπτη</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+2"/>
        <source>Astroprogramm</source>
        <translation>Αστρονομικό πρόγραμμα</translation>
    </message>
</context>
<context>
    <name>Program settings</name>
    <message>
        <location line="+97"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+12"/>
        <source>Kein So/Wi</source>
        <translation>Χωρίς θερινή/χειμερινή ώρα</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Europa</source>
        <translation>Ευρώπη</translation>
    </message>
    <message>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Westeuropa</source>
        <translation>Δυτική Ευρώπη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osteuropa</source>
        <translation>Ανατολική Ευρώπη</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Kanada</source>
        <translation>Καναδάς</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>USA</source>
        <translation>ΗΠΑ</translation>
    </message>
    <message>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Iran</source>
        <translation>Ιράν</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+59"/>
        <source>Letzte</source>
        <comment>Last week</comment>
        <translation>Τελευταία</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+4"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-114"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+52"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+101"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+3"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Freie Regel</source>
        <translation>Ελεύθερος κανόνας</translation>
    </message>
    <message>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+16"/>
        <source>Ferien</source>
        <translation>Διακοπές</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Betriebsstunden</source>
        <translation>Ώρες λειτουργίας</translation>
    </message>
    <message>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <source>Festes Datum</source>
        <translation>Σταθερή ημερομηνία</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+1"/>
        <location line="+5"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+1"/>
        <location line="+23"/>
        <source>Australien</source>
        <translation>Αυστραλία</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-32"/>
        <location line="+103"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="-4"/>
        <source>Eigene Regel</source>
        <translation>Δικός σας κανόνας</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/EditSoWiTable.qml" line="-158"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+2"/>
        <source>Eigene Tabelle</source>
        <translation>Δικός σας πίνακας</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Jahr</source>
        <translation>Έτος</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+21"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-8"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-7"/>
        <source>Winter &gt; Sommer</source>
        <translation>Χειμώνας &gt; καλοκαίρι</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+8"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+1"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+1"/>
        <source>Sommer &gt; Winter</source>
        <translation>Καλοκαίρι &gt; χειμώνας</translation>
    </message>
    <message>
        <location line="+77"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-150"/>
        <source>Automatisch ausfüllen</source>
        <translation>Αυτόματη συμπλήρωση</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alles löschen</source>
        <translation>Διαγραφή όλων</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-5"/>
        <location filename="../../app/settings/sowirulesetting.cpp" line="+4"/>
        <source>Neuseeland</source>
        <translation>Νέα Ζηλανδία</translation>
    </message>
    <message>
        <location line="-120"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+16"/>
        <source>Nach 1 Minute aus</source>
        <comment>LCD state</comment>
        <translation>Σβήνει μετά από 1 λεπτό</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-1"/>
        <source>Immer Ein</source>
        <comment>LCD state</comment>
        <translation>Πάντα αναμμένος</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-81"/>
        <source>Standard</source>
        <comment>Easter rule</comment>
        <translation>Κανονικό</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orthodoxe Kirche</source>
        <comment>Easter rule</comment>
        <translation>Ορθόδοξη Εκκλησία</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inaktiv</source>
        <comment>Channel combination</comment>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kanalverriegelung</source>
        <comment>Channel combination</comment>
        <translation>Κλείδωμα καναλιού</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programmumschaltung</source>
        <comment>Channel combination</comment>
        <translation>Εναλλαγή προγράμματος</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../app/report/reporttexts.h" line="-3"/>
        <source>Inaktiv</source>
        <comment>External input</comment>
        <translation>Ανενεργή</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+8"/>
        <source>Taster</source>
        <comment>External input</comment>
        <translation>Μπουτόν</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="+2"/>
        <source>Schalter</source>
        <comment>External input</comment>
        <translation>Διακόπτης</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Handschaltung</source>
        <comment>Push button</comment>
        <translation>Χειροκίνητη μεταγωγή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Timer</source>
        <comment>Push button</comment>
        <translation>Χρονοδιακόπτης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Treppenlicht</source>
        <comment>Push button</comment>
        <translation>Φως κλιμακοστασίου</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Handschaltung bis Sonnenereignis</source>
        <comment>Push button</comment>
        <translation>Χειροκίνητη μεταγωγή έως το ηλιακό γεγονός</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Luxwert übernehmen</source>
        <comment>Push button</comment>
        <translation>Υιοθέτηση τιμής lux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Umschalten</source>
        <comment>Push button</comment>
        <translation>Εναλλαγή</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nicht nachschaltbar</source>
        <comment>Staircase light</comment>
        <translation>Χωρίς επανενεργοποίηση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nachschaltbar</source>
        <comment>Staircase light</comment>
        <translation>Με επανενεργοποίηση</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>1.</source>
        <comment>Week rule</comment>
        <translation>1η</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.</source>
        <comment>Week rule</comment>
        <translation>2η</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.</source>
        <comment>Week rule</comment>
        <translation>3η</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.</source>
        <comment>Week rule</comment>
        <translation>4η</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzte</source>
        <comment>Week rule</comment>
        <translation>Τελευταία</translation>
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
        <translation>ΙΡΑΝ</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-137"/>
        <location line="+41"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+112"/>
        <source>Signalisierung auf</source>
        <translation>Σηματοδότηση σε</translation>
    </message>
    <message>
        <location line="-27"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-45"/>
        <source>Betriebsstundenzähler Serviceintervall</source>
        <translation>Μετρητής ωρών λειτουργίας διάστημα συντήρησης</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>max. 199.999 h</source>
        <translation>μέγ. 199.999 ώ.</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+6"/>
        <source>Externer Eingang</source>
        <translation>Εξωτερική είσοδος</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Erdstunde</source>
        <translation>Ώρα της Γης</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+16"/>
        <source>Inaktiv</source>
        <comment>Holiday state</comment>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+3"/>
        <location line="+31"/>
        <source>Nur Lux</source>
        <translation>Μόνο lux</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Ferien</source>
        <comment>External input</comment>
        <translation>Διακοπές</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sonderprogramm</source>
        <comment>External input</comment>
        <translation>Ειδικό πρόγραμμα</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Inaktiv</source>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/ProgramView.qml" line="-73"/>
        <location filename="../../app/switchprogram/channeloverviewmodel.cpp" line="-8"/>
        <source>Signalisierung</source>
        <translation>Σηματοδότηση</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/YearlyAstroTable.qml" line="-108"/>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+44"/>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="-15"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-11"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-69"/>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="+36"/>
        <source>Sommer-/Winterregel</source>
        <translation>Κανόνας θερινής/χειμερινής ώρας</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DeviceSettingsView.qml" line="+15"/>
        <source>Einstellungen Kanal</source>
        <translation>Ρυθμίσεις καναλιού</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+59"/>
        <source>Erweiterungsmodul</source>
        <translation>Μονάδα επέκτασης</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Kanalfunktion</source>
        <translation>Λειτουργία καναλιού</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Überblick</source>
        <translation>Επισκόπηση</translation>
    </message>
    <message>
        <location filename="../../qml/app/directcommands/OptionSection.qml" line="-14"/>
        <location filename="../../qml/app/settings/OptionSettings.qml" line="+15"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-2"/>
        <source>Optionen</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelOverview.qml" line="-67"/>
        <source>Channel Function</source>
        <translation>Λειτουργία καναλιού</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Memory Used</source>
        <translation>Χρησιμοποιούμενη μνήμη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extra Program used</source>
        <translation>Χρησιμοποιούμενα ειδικά προγράμματα</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Holiday</source>
        <translation>Αργίες</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External Input</source>
        <translation>Εξωτερική είσοδος</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Signaling To</source>
        <translation>Σηματοδότηση σε</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Service Interval</source>
        <translation>Διάστημα συντήρησης</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speicher verwendet</source>
        <translation>Χρησιμοποιούμενη μνήμη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sonderprogramme benutzt</source>
        <translation>Χρησιμοποιούμενα ειδικά προγράμματα</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/DateTimeSettings.qml" line="-40"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-68"/>
        <source>Zeit/Datum</source>
        <translation>Ώρα/ημερομηνία</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="+10"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+1"/>
        <source>Zeitformat</source>
        <translation>Μορφή ώρας</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../qml/app/settings/ResetDateSettings.qml" line="-22"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Datumsformat</source>
        <translation>Μορφή ημερομηνίας</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+2"/>
        <source>Erster Tag der Woche</source>
        <translation>Πρώτη ημέρα της εβδομάδας</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Zeitzone</source>
        <translation>Ζώνη ώρας</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/HolidaySettings.qml" line="+118"/>
        <source>Status</source>
        <comment>Holiday status</comment>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+51"/>
        <source>Beginn</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+91"/>
        <location line="+67"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+1"/>
        <source>Ende</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/OptionSettings.qml" line="+11"/>
        <source>Kanalkombination</source>
        <translation>Συνδυασμός καναλιών</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="+29"/>
        <source>LCD-Beleuchtung</source>
        <translation>Φωτισμός LCD</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/EditOwnAstroTable.qml" line="-139"/>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="-16"/>
        <location filename="../../app/report/projectdocumentastro.cpp" line="-3"/>
        <source>Eigene Astro Tabelle</source>
        <translation>Δικός σας αστρονομικός πίνακας</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="-105"/>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="+50"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+7"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-317"/>
        <location filename="../../app/report/projectdocumentsettings.cpp" line="-49"/>
        <source>Fixes Datum</source>
        <translation>Σταθερή ημερομηνία</translation>
    </message>
    <message>
        <location filename="../../qml/app/astro/OwnAstroTableRows.qml" line="+11"/>
        <source>Edit name</source>
        <translation>Επεξεργασία ονόματος</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiAutomaticFill.qml" line="-38"/>
        <location line="+109"/>
        <source>Israel</source>
        <translation>Ισραήλ</translation>
    </message>
    <message>
        <location line="-67"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+20"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-41"/>
        <source>Woche</source>
        <translation>Εβδομάδα</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+13"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <source>Monat</source>
        <translation>Μήνας</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-27"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-7"/>
        <source>Datum</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+38"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+12"/>
        <source>Stunde</source>
        <translation>Ώρα</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="+11"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+6"/>
        <source>Wochentag</source>
        <translation>Ημέρα εβδομάδας</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>von</source>
        <translation>από</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettings.qml" line="+1"/>
        <source>Freie Regel wird angewendet</source>
        <translation>Εφαρμόζεται ελεύθερος κανόνας</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettingsPhone.qml" line="-93"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-52"/>
        <location line="+27"/>
        <source>Regel</source>
        <translation>Κανόνας</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="-10"/>
        <source>1. Farwardin - 30. Shahriwar</source>
        <translation>1 Φαρβαρντίν - 30 Σαχριβάρ</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SoWiSettingsTablet.qml" line="+116"/>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name bearbeiten</source>
        <translation>Επεξεργασία ονόματος</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tabelle bearbeiten</source>
        <translation>Επεξεργασία πίνακα</translation>
    </message>
</context>
<context>
    <name>ProgramView</name>
    <message>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+56"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+91"/>
        <source>Standardprogramm</source>
        <translation>Βασικό πρόγραμμα</translation>
    </message>
    <message>
        <location filename="../../qml/app/extraprograms/SonderProgram23Header.qml" line="+6"/>
        <location filename="../../qml/app/popups/ExtraProgramWarningPopup.qml" line="-9"/>
        <location filename="../../qml/app/settings/SettingsProvider.qml" line="+2"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+103"/>
        <source>Sonderprogramm %1</source>
        <translation>Ειδικό πρόγραμμα %1</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <location filename="../../qml/app/popups/DuplicateProjectPopUp.qml" line="+6"/>
        <source>Projekt duplizieren</source>
        <translation>Αντίγραφο έργου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neues Projekt benennen:</source>
        <translation>Όνομα νέου έργου:</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/EditProjectPopUp.qml" line="+10"/>
        <source>Projekt umbenennen:</source>
        <translation>Μετονομασία έργου:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bearbeiten</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/HomeScreenView.qml" line="-201"/>
        <source>Alle Projekte löschen</source>
        <translation>Διαγραφή όλων των έργων</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%1 Projekte löschen</source>
        <translation>
            <numerusform>Διαγραφή %1 έργου</numerusform>
            <numerusform>Διαγραφή %1 έργων</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Projekt löschen</source>
        <translation>Διαγραφή έργου</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sind Sie sicher, dass Sie das Projekt dauerhaft löschen möchten?</source>
        <translation>Είστε βέβαιοι ότι θέλετε να διαγράψετε οριστικά το έργο;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie alle Projekte dauerhaft löschen möchten?</source>
        <translation>Είστε βέβαιοι ότι θέλετε να διαγράψετε οριστικά όλα τα έργα;</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Sind Sie sicher, dass Sie %1 Projekte dauerhaft löschen möchten?</source>
        <translation>
            <numerusform>Είστε βέβαιοι ότι θέλετε να διαγράψετε οριστικά %1 έργο;</numerusform>
            <numerusform>Είστε βέβαιοι ότι θέλετε να διαγράψετε οριστικά %1 έργα;</numerusform>
        </translation>
    </message>
    <message>
        <location line="+198"/>
        <source>Möchten Sie das Projekt &quot;%1&quot; importieren?</source>
        <translation>Θέλετε να εισαγάγετε το έργο «%1»;</translation>
    </message>
</context>
<context>
    <name>Project Metadata</name>
    <message>
        <location filename="../../app/report/yearlyastrodocument.cpp" line="-9"/>
        <source>Kanal</source>
        <translation>Κανάλι</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="-28"/>
        <source>Beschreibung der Kanäle</source>
        <translation>Περιγραφή των καναλιών</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wird auf dem Gerät angezeigt</source>
        <translation>Εμφανίζεται στη συσκευή</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ProjectMetadataSubTab.qml" line="+11"/>
        <source>Projekt</source>
        <comment>Tab title</comment>
        <translation>Έργο</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Bezeichnung</source>
        <translation>Ονομασία</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Beschreibung</source>
        <translation>Περιγραφή</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dateiname</source>
        <translation>Όνομα αρχείου</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Letzte Änderung</source>
        <translation>Τελευταία αλλαγή</translation>
    </message>
</context>
<context>
    <name>Project Settings</name>
    <message>
        <location filename="../../app/report/projectdocument.cpp" line="+2"/>
        <source>Kunde</source>
        <comment>Tab title</comment>
        <translation>Πελάτης</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/AuthorSubTab.qml" line="+8"/>
        <source>Autor</source>
        <translation>Συντάκτης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <comment>Author&apos;s name</comment>
        <translation>Όνομα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <comment>Author&apos;s address</comment>
        <translation>Διεύθυνση</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ChannelsSubTab.qml" line="-46"/>
        <source>Kanal</source>
        <translation>Κανάλι</translation>
    </message>
    <message>
        <location filename="../../qml/app/projectsettings/ClientSubTab.qml" line="+8"/>
        <source>Kunde</source>
        <translation>Πελάτης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <comment>Customer&apos;s name</comment>
        <translation>Όνομα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adresse</source>
        <comment>Customer&apos;s address</comment>
        <translation>Διεύθυνση</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/report/printservice.cpp" line="+58"/>
        <source>Page %1 of %2</source>
        <translation>Σελίδα %1 από %2</translation>
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
Κωδικός σύνδεσης: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code für %1</source>
        <translation>Κωδικός για %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Authentifizierung für %1</source>
        <translation>Έλεγχος ταυτότητας για %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>OK-Aktivierung am Gerät</source>
        <translation>Ενεργοποίηση OK στη συσκευή</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Eingabe Authentifizierungscode</source>
        <translation>Εισαγωγή κωδικού ταυτοποίησης</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Dies ist Ihr Authentifizierungscode, verwahren Sie ihn sicher!</source>
        <translation>Αυτός είναι ο κωδικός ταυτοποίησής σας, φυλάξτε τον με ασφάλεια!</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Speichern</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-12"/>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="+128"/>
        <source>Abbruch</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Falsches Passwort!</source>
        <translation>Λάθος κωδικός πρόσβασης!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Schaltfläche wurde nicht aktiviert!</source>
        <translation>Το κουμπί δεν ενεργοποιήθηκε!</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/InactivityPopUp.qml" line="-6"/>
        <source>Verbindung aufgrund von Inaktivität geschlossen</source>
        <translation>Η σύνδεση έκλεισε λόγω αδράνειας</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Verbindung wurde aufgrund von Inaktivität geschlossen</source>
        <translation>Η σύνδεση έκλεισε λόγω αδράνειας.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Wieder anschließen</source>
        <translation>Επανασύνδεση</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/PinCodePopUp.qml" line="-53"/>
        <source>Sie müssen warten, das Gerät ist aufgrund mehrerer fehlgeschlagener Versuche verriegelt</source>
        <translation>Πρέπει να περιμένετε, η συσκευή κλειδώθηκε μετά από πολλές αποτυχημένες προσπάθειες</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>PIN-Code</source>
        <translation>Κωδικός PIN</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Das Gerät ist PIN-geschützt, bitte geben Sie den PIN-Code ein</source>
        <translation>Η συσκευή προστατεύεται με PIN, εισαγάγετε τον κωδικό PIN</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Falscher PIN-Code!</source>
        <translation>Λάθος κωδικός PIN!</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SyncClockPopup.qml" line="-24"/>
        <source>Daten-Synchronisation</source>
        <translation>Συγχρονισμός δεδομένων</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bitte wählen Sie aus, welche Daten beim Verbinden mit Uhren synchronisiert werden sollen</source>
        <translation>Επιλέξτε ποια δεδομένα συγχρονίζονται κατά τη σύνδεση με ρολόγια</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Datum/Uhrzeit-Synchronisation</source>
        <translation>Συγχρονισμός ημερομηνίας/ώρας</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sprach-Synchronisation</source>
        <translation>Συγχρονισμός γλώσσας</translation>
    </message>
    <message>
        <location filename="../../qml/app/scan/DeviceScan.qml" line="+76"/>
        <source>Geräte suchen</source>
        <translation>Αναζήτηση συσκευών</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>Der Bluetooth-Adapter ist deaktiviert, möchten Sie ihn aktivieren?</source>
        <translation>Ο προσαρμογέας Bluetooth είναι απενεργοποιημένος, θέλετε να τον ενεργοποιήσετε;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ihr Gerät verfügt nicht über einen Bluetooth-Adapter oder unterstützt Bluetooth Low Energy nicht.</source>
        <translation>Ο υπολογιστής σας δεν έχει προσαρμογέα Bluetooth ή δεν υποστηρίζει Bluetooth Low Energy.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bluetooth nicht verfügbar</source>
        <translation>Το Bluetooth δεν είναι διαθέσιμο</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/DeviceScanView.qml" line="-101"/>
        <source>Dieses Gerät wird nicht unterstützt!</source>
        <translation>Αυτή η συσκευή δεν υποστηρίζεται!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dieses Gerät ist nicht kompatibel mit dem Projekt, das Sie exportieren möchten!</source>
        <translation>Αυτή η συσκευή δεν είναι συμβατή με το έργο που θέλετε να εξαγάγετε!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>SN: %1</source>
        <translation>SN: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Suche nach Geräten ...</source>
        <translation>Αναζήτηση συσκευών ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gerät gefunden</source>
        <translation>Βρέθηκε συσκευή</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kein Bluetooth-Gerät gefunden</source>
        <translation>Δεν βρέθηκε συσκευή Bluetooth</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Verbinden</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suche</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/MainWindow.qml" line="+52"/>
        <source>Ihr Projekt überschreitet die Speicherplätze des Zielgeräts (%1 / %2)</source>
        <translation>
            <numerusform>Το έργο σας υπερβαίνει τη θέση μνήμης της συσκευής προορισμού (%1 / %2)</numerusform>
            <numerusform>Το έργο σας υπερβαίνει τις θέσεις μνήμης της συσκευής προορισμού (%1 / %2)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/device/lockwait.cpp" line="+19"/>
        <source>aufgrund eines falschen Verbindungscodes verriegelt</source>
        <translation>κλειδωμένη λόγω λανθασμένου κωδικού σύνδεσης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>aufgrund eines falschen PIN-Codes verriegelt</source>
        <translation>κλειδωμένη λόγω λανθασμένου κωδικού PIN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locked</source>
        <translation>κλειδωμένη</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Das Gerät ist %1, Sie müssen %2 h %3 min %4 s warten</source>
        <translation>Η συσκευή είναι %1, πρέπει να περιμένετε %2 ώ. %3 λεπ. %4 δευτ.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Das Gerät ist verriegelt, Sie müssen %2 h %3 min %4 s warten</source>
        <translation>Η συσκευή είναι κλειδωμένη, πρέπει να περιμένετε %2 ώ. %3 λεπ. %4 δευτ.</translation>
    </message>
</context>
<context>
    <name>SerialCommunication</name>
    <message>
        <location filename="../../qml/app/popups/DeviceLanguagePopUp.qml" line="-86"/>
        <source>Unbekannter Fehler wurde während der Übersetzung in Bytes gemeldet.</source>
        <translation>Αναφέρθηκε άγνωστο σφάλμα κατά τη μετατροπή σε byte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File couldn&apos;t be written.</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του αρχείου.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File doesn&apos;t exist.</source>
        <translation>Το αρχείο δεν υπάρχει.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Sprachdatei ist beschädigt oder passt nicht in den Speicher des Geräts.</source>
        <translation>Το αρχείο γλώσσας είναι κατεστραμμένο ή δεν χωρά στη μνήμη της συσκευής.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-64"/>
        <source>Fehler</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Fehler beim Schreiben der Sprache. Zugriff auf Flash nicht möglich.</source>
        <translation>Σφάλμα κατά την εγγραφή της γλώσσας. Δεν υπάρχει πρόσβαση στη μνήμη flash.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-9"/>
        <source>Tarvino rix2/3 scheint im Fehlerzustand zu sein.</source>
        <translation>Το Tarvino rix2/3 φαίνεται να βρίσκεται σε κατάσταση σφάλματος.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht ausgeschaltet werden.</source>
        <translation>Δεν ήταν δυνατή η απενεργοποίηση της λυχνίας LED.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Led konnte nicht eingeschaltet werden.</source>
        <translation>Δεν ήταν δυνατή η ενεργοποίηση της λυχνίας LED.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geschlossen werden.</source>
        <translation>Δεν ήταν δυνατό το κλείσιμο της θύρας.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port konnte nicht geöffnet werden, überprüfen Sie die Verbindung.</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα της θύρας, ελέγξτε τη σύνδεση.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+1"/>
        <source>Der Port wurde nicht gefunden, überprüfen Sie die Verbindung.</source>
        <translation>Η θύρα δεν βρέθηκε, ελέγξτε τη σύνδεση.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-14"/>
        <source>Übertragung läuft...</source>
        <translation>Μεταφορά σε εξέλιξη...</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auswahl der Gerätesprache</source>
        <translation>Επιλογή γλώσσας συσκευής</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="+41"/>
        <source>Übertragung abgeschlossen</source>
        <translation>Η μεταφορά ολοκληρώθηκε</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Eine andere Übertragung läuft. Warten Sie, bis sie beendet ist.</source>
        <translation>Εκτελείται άλλη μεταφορά. Περιμένετε να ολοκληρωθεί.</translation>
    </message>
    <message>
        <location filename="../../qml/app/popups/SerialTransferPopUp.qml" line="-37"/>
        <source>Programm kann nicht gelesen werden. Leerer Flash.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του προγράμματος. Κενή μνήμη flash.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Sprachdatei im Flash.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του προγράμματος. Αρχείο γλώσσας στη μνήμη flash.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του προγράμματος.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programm kann nicht gelesen werden. Ungültige Daten im Flash.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του προγράμματος. Μη έγκυρα δεδομένα στη μνήμη flash.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehler beim Programmschreiben. Zugriff auf Flash nicht möglich.</source>
        <translation>Σφάλμα κατά την εγγραφή του προγράμματος. Δεν υπάρχει πρόσβαση στη μνήμη flash.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Operation abgebrochen.</source>
        <translation>Η λειτουργία ακυρώθηκε.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Serielle Übertragung</source>
        <translation>Σειριακή μεταφορά</translation>
    </message>
    <message>
        <location filename="../../qml/app/utils/ZorvikUtils.qml" line="+59"/>
        <source>Programm von serieller Schnittstelle lesen</source>
        <translation>Ανάγνωση προγράμματος από τη σειριακή θύρα</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Projekt kann nicht exportiert werden mit Fehler</source>
        <translation>Δεν είναι δυνατή η εξαγωγή του έργου, σφάλμα</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Programm seriell schreiben</source>
        <translation>Εγγραφή προγράμματος μέσω σειριακής θύρας</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../../qml/app/popups/ResetSettingsPopUp.qml" line="+18"/>
        <source>Reset-Einstellungen</source>
        <translation>Ρυθμίσεις επαναφοράς</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ResetSettings.qml" line="-22"/>
        <source>Das verbundene Gerät befindet sich im Reset-Modus, bitte geben Sie diese Einstellungen vor der Verwendung ein.</source>
        <comment>Reset mode text</comment>
        <translation>Η συνδεδεμένη συσκευή βρίσκεται σε λειτουργία επαναφοράς, εισαγάγετε αυτές τις ρυθμίσεις πριν από τη χρήση.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zeit/Datum</source>
        <translation>Ώρα/ημερομηνία</translation>
    </message>
    <message>
        <location filename="../../app/device/resetteddeviceviewcontroller.cpp" line="+115"/>
        <source>Die Antwort des Geräts ist unverständlich.</source>
        <translation>Η απάντηση της συσκευής δεν είναι κατανοητή.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Die Einstellungen des Geräts konnten nicht gelesen werden: %1</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση των ρυθμίσεων της συσκευής: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Das Gerät hat die Daten nicht angenommen.</source>
        <translation>Η συσκευή δεν αποδέχτηκε τα δεδομένα.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Die Einstellungen konnten nicht an das Gerät gesendet werden: %1</source>
        <translation>Δεν ήταν δυνατή η αποστολή των ρυθμίσεων στη συσκευή: %1</translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <location filename="../../qml/app/appsettings/SoftwareInfo.qml" line="-126"/>
        <source>Schweiz</source>
        <translation>Ελβετία</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schweden</source>
        <translation>Σουηδία</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deutschland</source>
        <translation>Γερμανία</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Version %1</source>
        <translation>Έκδοση %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Build-Version</source>
        <translation>Έκδοση build</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Datum</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Adresse</source>
        <translation>Διεύθυνση</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E-Mail</source>
        <translation>Ηλεκτρονικό ταχυδρομείο</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Webseite</source>
        <translation>Ιστότοπος</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Software-Informationen</source>
        <translation>Πληροφορίες λογισμικού</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/LicenseView.qml" line="+11"/>
        <source>Lizenzen</source>
        <translation>Άδειες χρήσης</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Folgende Qt-Module und externe Bibliotheken wurden werwendet:</source>
        <translation>Χρησιμοποιήθηκαν οι ακόλουθες μονάδες Qt και εξωτερικές βιβλιοθήκες:</translation>
    </message>
    <message>
        <location filename="../../qml/app/views/SoftwareInfoView.qml" line="+14"/>
        <source>Software-Info</source>
        <translation>Πληροφορίες λογισμικού</translation>
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
        <translation>Λείπουν ημέρες εβδομάδας</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Dauer</source>
        <translation>Λείπει η διάρκεια</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulsüberschneidungen</source>
        <translation>Επικαλύψεις παλμών</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impulse über Mitternacht</source>
        <translation>Παλμοί μετά τα μεσάνυχτα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Impulsdauer</source>
        <translation>Λείπει η διάρκεια παλμού</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlende Pause</source>
        <translation>Λείπει η παύση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zyklusüberschneidungen</source>
        <translation>Επικαλύψεις κύκλων</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identischer Anfang und Ende</source>
        <translation>Ίδια έναρξη και τέλος</translation>
    </message>
</context>
<context>
    <name>SwitchTimeTable</name>
    <message>
        <location line="-30"/>
        <source>Typ auswählen</source>
        <comment>Error message</comment>
        <translation>Επιλογή τύπου</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableDelegate.qml" line="+1"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+5"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-224"/>
        <source>Schaltzeit</source>
        <translation>Χρόνος μεταγωγής</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+36"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-5"/>
        <source>Impuls</source>
        <translation>Παλμός</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <source>Zyklus</source>
        <translation>Κύκλος</translation>
    </message>
    <message>
        <location line="+90"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+2"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="-10"/>
        <location line="+20"/>
        <source>Ende</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../qml/app/switchtimes/SwitchTimeItem.qml" line="+1"/>
        <source>Endlos</source>
        <translation>Χωρίς τέλος</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableFooter.qml" line="+27"/>
        <location filename="../../qml/app/views/SwitchTimeEditionView.qml" line="+0"/>
        <source>Neu</source>
        <translation>Νέο</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="-5"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="+254"/>
        <location line="+95"/>
        <source>Nr.</source>
        <translation>Αρ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Typ</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/SortSwitchTimeView.qml" line="-34"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-94"/>
        <source>Status</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+1"/>
        <source>Zeit</source>
        <translation>Ώρα</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wochentag</source>
        <translation>Ημέρα εβδομάδας</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hinweis / Fehler</source>
        <translation>Σημείωση / σφάλμα</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Auswahl löschen</source>
        <translation>Διαγραφή επιλογής</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle auswählen</source>
        <translation>Επιλογή όλων</translation>
    </message>
    <message>
        <location filename="../../qml/app/settings/ChannelSettings.qml" line="-12"/>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+8"/>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-3"/>
        <source>hh:mm:ss</source>
        <translation>ωω:λλ:δδ</translation>
    </message>
    <message>
        <location filename="../../qml/app/switchtimes/switchtable/SwitchTableHeader.qml" line="+7"/>
        <source>Dauer bis
mm:ss</source>
        <translation>Διάρκεια έως
λλ:δδ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Puls
hh:mm:ss</source>
        <translation>Παλμός
ωω:λλ:δδ</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause
hh:mm:ss</source>
        <translation>Παύση
ωω:λλ:δδ</translation>
    </message>
</context>
<context>
    <name>ToolBarMenu</name>
    <message>
        <location filename="../../qml/app/toolbars/ToolBarMenu.qml" line="+26"/>
        <source>Direktbefehle / Gerätestatus</source>
        <translation>Άμεσες εντολές / Κατάσταση συσκευής</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Einstellungen</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Software-Info</source>
        <translation>Πληροφορίες λογισμικού</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <location filename="../../qml/MainWindow.qml" line="-96"/>
        <source>Software aktualisieren</source>
        <translation>Ενημέρωση λογισμικού</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es ist eine neue Version verfügbar, möchten Sie diese installieren?</source>
        <translation>Υπάρχει διαθέσιμη νέα έκδοση, θέλετε να την εγκαταστήσετε;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installieren</source>
        <translation>Εγκατάσταση</translation>
    </message>
</context>
<context>
    <name>Week rules</name>
    <message>
        <location filename="../../app/report/projectdocumentchannels.cpp" line="-170"/>
        <source>Erster</source>
        <translation>Πρώτη</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zweiter</source>
        <translation>Δεύτερη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dritter</source>
        <translation>Τρίτη</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vierter</source>
        <translation>Τέταρτη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letzter</source>
        <translation>Τελευταία</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>jeden Monat</source>
        <translation>κάθε μήνα</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Januar</source>
        <translation>τον Ιανουάριο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Februar</source>
        <translation>τον Φεβρουάριο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im März</source>
        <translation>τον Μάρτιο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im April</source>
        <translation>τον Απρίλιο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Mai</source>
        <translation>τον Μάιο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Juni</source>
        <translation>τον Ιούνιο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Juli</source>
        <translation>τον Ιούλιο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im August</source>
        <translation>τον Αύγουστο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im September</source>
        <translation>τον Σεπτέμβριο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im Oktober</source>
        <translation>τον Οκτώβριο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>im November</source>
        <translation>τον Νοέμβριο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>im Dezember</source>
        <translation>τον Δεκέμβριο</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <location filename="../../app/shell/maincontroller.cpp" line="-170"/>
        <source>TARVINO rix2/rix3-Datei speichern</source>
        <translation>Αποθήκευση αρχείου TARVINO rix2/rix3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TARVINO rix2/rix3-Datei (*.ot2)</source>
        <translation>Αρχείο TARVINO rix2/rix3 (*.ot2)</translation>
    </message>
    <message>
        <location filename="../../qml/app/menus/DesktopMenu.qml" line="-84"/>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="-60"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+44"/>
        <source>Exportieren</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <location filename="../../app/astro/yearlyastrotablemodel.cpp" line="+1"/>
        <location filename="../../app/shell/maincontroller.cpp" line="+1"/>
        <source>CSV UTF-8 (kommagetrennt) (*.csv)</source>
        <translation>CSV UTF-8 (διαχωρισμός με κόμμα) (*.csv)</translation>
    </message>
</context>
<context>
    <name>devices::EepromService</name>
    <message>
        <location filename="../../platform/devices/src/eepromservice.cpp" line="+304"/>
        <source>Das Gerätemodell ist unbekannt.</source>
        <translation>Το μοντέλο της συσκευής είναι άγνωστο.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Projekt hat mehr Schaltzeiten und Datumsbereiche, als das Gerät aufnehmen kann.</source>
        <translation>Το έργο έχει περισσότερους χρόνους μεταγωγής και εύρη ημερομηνιών από όσα χωρά η συσκευή.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild ist unvollständig.</source>
        <translation>Το είδωλο μνήμης είναι ελλιπές.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Gerätespeicher ist leer.</source>
        <translation>Η μνήμη της συσκευής είναι κενή.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Gerätespeicher enthält eine Gerätesprache, kein Projekt.</source>
        <translation>Η μνήμη της συσκευής περιέχει γλώσσα συσκευής, όχι έργο.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Daten sind kein Speicherabbild eines Projekts.</source>
        <translation>Τα δεδομένα δεν είναι είδωλο μνήμης έργου.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild gehört zu einem anderen Gerätemodell.</source>
        <translation>Το είδωλο μνήμης ανήκει σε άλλο μοντέλο συσκευής.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Das Speicherabbild ist beschädigt.</source>
        <translation>Το είδωλο μνήμης είναι κατεστραμμένο.</translation>
    </message>
</context>
</TS>
