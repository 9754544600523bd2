<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- English catalogue of the test bundle. -->
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <translation>This program</translation>
    </message>
    <message>
        <source>s005</source>
        <translation>Quit now</translation>
    </message>
</context>
</TS>
