<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- A German "ui" table of the page tests' own: small, and with a label written in small
     letters, as a translator may write one. -->
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ui</name>
    <message>
        <source>home</source>
        <translation>privat</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>Fax privat</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>Der |Die </translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>Notiz des Beispiels</translation>
    </message>
</context>
</TS>
