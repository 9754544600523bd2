<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>InfoPlist</name>
    <message>
        <source>CFBundleDisplayName</source>
        <translation>Vorlin</translation>
    </message>
    <message>
        <source>CFBundleName</source>
        <translation>Vorlin</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>Open Address Book...</source>
        <translation>Open Address Book...</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Choose a file...</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Choose a folder...</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>The desktop&apos;s address books cannot be reached</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>The desktop has no address books</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@ (default)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>No address book is open.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>There is nothing to export. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>Show this kind of row on the cards</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>Move %@ up</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>Move %@ down</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>The link scheme put before each value; empty for no link</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>Move this row up</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>Move this row down</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>Group list buttons</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>Include %@</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>Tick the groups whose contacts go into the page</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>Address book group</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Include</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>The preview cannot be shown.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>Data order</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Generate...</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>Write the page of the ticked groups</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>No address book was found.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Style sheet</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>The style sheet of the page; every change shows in the preview</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Address book</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>Problems while reading</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Details...</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>Show what could not be read</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Last page</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln value could not be read</numerusform>
            <numerusform>%Ln values could not be read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln file could not be read</numerusform>
            <numerusform>%Ln files could not be read</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>The address book cannot be read now: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>No address book</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contact</numerusform>
            <numerusform>%Ln contacts</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>There is nothing to export.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>No address book is open. Choose one with File &gt; Open Address Book.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>Choose a location for the HTML output:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>HTML page (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>The page could not be written.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>%1 written to %2</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>vCard files (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>The address book could not be opened.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>Tick every group</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Select none</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>Untick every group</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>Read the groups of the address book again</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>Sort by last name</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>Include pictures</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>Generic pictures for contacts without one</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>Include job titles</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>Include organizations</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>Ungrouped Contacts</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Page language</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>The desktop&apos;s language</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>The language of the page&apos;s labels, dates and index</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>Index by the letters of the page&apos;s language</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>File contacts under the letters of the page&apos;s language instead of A to Z</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Address Book</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Birthday</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>This is the note field.
Line breaks in a note show as they were typed.</translation>
    </message>
    <message>
        <source>home</source>
        <translation>home</translation>
    </message>
    <message>
        <source>work</source>
        <translation>work</translation>
    </message>
    <message>
        <source>other</source>
        <translation>other</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>mobile</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>main</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>home fax</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>work fax</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>other fax</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>pager</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>home page</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>anniversary</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>spouse</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>manager</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>assistant</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>mother</translation>
    </message>
    <message>
        <source>father</source>
        <translation>father</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>parent</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>brother</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>sister</translation>
    </message>
    <message>
        <source>child</source>
        <translation>child</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>friend</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>partner</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>first name</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>last name</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>middle name</translation>
    </message>
    <message>
        <source>title</source>
        <translation>title</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>suffix</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>organization</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>job title</translation>
    </message>
    <message>
        <source>department</source>
        <translation>department</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>flags</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>birthday</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>dates</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>phone</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>web page</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>related names</translation>
    </message>
    <message>
        <source>AIM</source>
        <translation>AIM</translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation>ICQ</translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation>Jabber</translation>
    </message>
    <message>
        <source>MSN</source>
        <translation>MSN</translation>
    </message>
    <message>
        <source>Yahoo!</source>
        <translation>Yahoo!</translation>
    </message>
    <message>
        <source>address</source>
        <translation>address</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>group name</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>Related Names</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Instant Messaging</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Postal</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>Phone URI Scheme</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>Email URI Scheme</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>Web URI Scheme</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>Date URI Scheme</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>Related Name URI Scheme</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>Postal URI Scheme</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>Note URI Scheme</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>AIM URI Scheme</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>ICQ URI Scheme</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>Jabber URI Scheme</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>MSN URI Scheme</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>Yahoo! URI Scheme</translation>
    </message>
    <message>
        <source>%1 (Thunderbird)</source>
        <translation>%1 (Thunderbird)</translation>
    </message>
    <message>
        <source>%1 (Thunderbird, %2)</source>
        <translation>%1 (Thunderbird, %2)</translation>
    </message>
    <message>
        <source>Personal Address Book</source>
        <translation>Personal Address Book</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>Collected Addresses</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>CardDAV address book...</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV, %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>Name the user in the address: https://USER@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>It is being read from its server.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>CardDAV Address Book</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>The server refused the password for %1. Password:</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Password for %1:</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>CardDAV Password</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>The password was taken but could not be kept in the keyring.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>The server could not be read; this is the local copy: %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>The server could not be read: %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Asking the server...</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>The server refused the password for %1.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>The password for %1 is needed.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>This application</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ requires Linux kernel %@ or later.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Please use the software updater to upgrade to Linux kernel %@ or later.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>Open Software Updater</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>Quit</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Please install Linux kernel %@ or later.
</translation>
    </message>
</context>
</TS>
