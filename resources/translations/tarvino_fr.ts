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
</TS>
