<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="de">
<context>
    <name>Global</name>
    <message>
        <source>LANGUAGE_NAME</source>
        <translation>Svenska</translation>
    </message>
</context>
</TS>
