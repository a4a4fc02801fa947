<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>global</name>
    <message>
        <source> About %1</source>
        <translation> Über %1</translation>
    </message>
    <message>
        <source>Upload finished \nSuccess Count: %1, Error Count: %2</source>
        <translation>Hochladen beendet \nErfolgreich: %1, Fehler: %2</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished">Ja</translation>
    </message>
</context>
</TS>
