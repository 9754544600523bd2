<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- German catalogue of the test bundle: s001 is left to English. -->
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ui_svc</name>
    <message>
        <source>s005</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>CFBundleName</source>
        <translation>Vörlin</translation>
    </message>
</context>
</TS>
