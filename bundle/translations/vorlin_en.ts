<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- Vorlin's string tables in English: context = table, source = key. Only keys whose
     English text differs from the key and from the text built into the program appear. -->
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ui</name>
    <message>
        <source>stripList</source>
        <extracomment>Prefixes that sorting and the letter index ignore, separated by "|"; each ends in its blank.</extracomment>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>sampleNote</source>
        <extracomment>The note of the preview's sample contact.</extracomment>
        <translation>This is the note field.
Line breaks in a note show as they were typed.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s002</source>
        <extracomment>Alert message: application name, then the minimum kernel release.</extracomment>
        <translation>%@ requires Linux kernel %@ or later.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Please use the software updater to upgrade to Linux kernel %@ or later.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop's software updater.</extracomment>
        <translation>Open Software Updater</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Please install Linux kernel %@ or later.
</translation>
    </message>
</context>
</TS>
