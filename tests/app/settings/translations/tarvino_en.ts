<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Global</name>
    <message>
        <source>LANGUAGE_NAME</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
</context>
<context>
    <name>GlobalSettings</name>
    <message>
        <source>12/31/00 (MM/TT/JJ)</source>
        <translation>12/31/00 (MM/DD/YY)</translation>
    </message>
    <message>
        <source>UTC -0h</source>
        <translation>UTC 0h</translation>
    </message>
</context>
<context>
    <name>Program settings</name>
    <message>
        <source>Westeuropa</source>
        <translation>Western Europe</translation>
    </message>
    <message>
        <source>Eigene Regel</source>
        <translation>Own rule</translation>
    </message>
    <message>
        <source>Australien</source>
        <translation>Australia</translation>
    </message>
</context>
</TS>
