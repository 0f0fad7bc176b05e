<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>Global</name>
    <message>
        <source>LANGUAGE_NAME</source>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <source>Montag</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Dimanche</translation>
    </message>
</context>
<context>
    <name>GlobalSettings</name>
    <message>
        <source>12/31/00 (MM/TT/JJ)</source>
        <translation>12/31/00 (MM/JJ/AA)</translation>
    </message>
</context>
<context>
    <name>Program settings</name>
    <message>
        <source>Westeuropa</source>
        <translation>Europe de l&#x27;Ouest</translation>
    </message>
</context>
</TS>
