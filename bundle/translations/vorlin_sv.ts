<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
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
        <translation>Öppna adressbok…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Välj en fil…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Välj en mapp…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>Skrivbordets adressböcker kan inte nås</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>Skrivbordet har inga adressböcker</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@ (standard)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>Ingen adressbok är öppen.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>Det finns inget att exportera. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>Visa den här sortens rader på korten</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>Flytta upp %@</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>Flytta ner %@</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>Länkschemat som sätts före varje värde; lämna tomt för ingen länk</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>Flytta upp den här raden</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>Flytta ner den här raden</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>Knappar för grupplistan</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>Ta med %@</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>Kryssa för de grupper vars kontakter ska med på sidan</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>Adressboksgrupp</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Ta med</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupp</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Förhandsvisning</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>Förhandsvisningen kan inte visas.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupper</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>Uppgifternas ordning</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Skapa…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>Skapa sidan med de förkryssade grupperna</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>Ingen adressbok hittades.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Stilmall</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>Sidans stilmall; varje ändring syns i förhandsvisningen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbok</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>Problem vid läsning</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Detaljer…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>Visa det som inte kunde läsas</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Senast skapade sida</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln värde kunde inte läsas</numerusform>
            <numerusform>%Ln värden kunde inte läsas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln fil kunde inte läsas</numerusform>
            <numerusform>%Ln filer kunde inte läsas</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>Adressboken kan inte läsas just nu: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>Ingen adressbok</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln kontakt</numerusform>
            <numerusform>%Ln kontakter</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan inte läsas</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>Det finns inget att exportera.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>Ingen adressbok är öppen. Välj en via Arkiv &gt; Öppna adressbok.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>Välj en plats för HTML-sidan:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>HTML-sida (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Sidan kunde inte sparas.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>%1 sparades i %2</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>vCard-filer (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>Adressboken kunde inte öppnas.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>Kryssa för alla grupper</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Avmarkera alla</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>Kryssa ur alla grupper</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>Läs in adressbokens grupper igen</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>Sortera efter efternamn</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>Ta med bilder</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>Standardbild för kontakter utan bild</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>Ta med yrkestitlar</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>Ta med organisationer</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Sidans språk</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Skrivbordets språk</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>Språket för sidans etiketter, datum och register</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>Register efter bokstäverna i sidans språk</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>Sortera in kontakter under bokstäverna i sidans språk i stället för A till Z</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbok</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Födelsedag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Anteckning</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>Den |Det |En |Ett </translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>Det här är anteckningsfältet.
Radbrytningar i en anteckning visas så som de skrevs.</translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>Kontakter utan grupp</translation>
    </message>
    <message>
        <source>home</source>
        <translation>hem</translation>
    </message>
    <message>
        <source>work</source>
        <translation>arbete</translation>
    </message>
    <message>
        <source>other</source>
        <translation>övrigt</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>mobil</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>huvudnummer</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>fax hem</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>fax arbete</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>fax övrigt</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>personsökare</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>hemsida</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>årsdag</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>make/maka</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>chef</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>assistent</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>mor</translation>
    </message>
    <message>
        <source>father</source>
        <translation>far</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>förälder</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>bror</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>syster</translation>
    </message>
    <message>
        <source>child</source>
        <translation>barn</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>vän</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>partner</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>förnamn</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>efternamn</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>mellannamn</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titel</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>suffix</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>organisation</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>yrkestitel</translation>
    </message>
    <message>
        <source>department</source>
        <translation>avdelning</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>flaggor</translation>
    </message>
    <message>
        <source>note</source>
        <translation>anteckning</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>födelsedag</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>datum</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefon</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-post</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>webbsida</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>relationer</translation>
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
        <translation>adress</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>gruppnamn</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-post</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Webb</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>Relationer</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Snabbmeddelanden</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Postadress</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>URI-schema för telefon</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>URI-schema för e-post</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>URI-schema för webb</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>URI-schema för datum</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>URI-schema för relationer</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>URI-schema för postadress</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>URI-schema för anteckning</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>URI-schema för AIM</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>URI-schema för ICQ</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>URI-schema för Jabber</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>URI-schema för MSN</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>URI-schema för Yahoo!</translation>
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
        <translation>Personlig adressbok</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>Insamlade adresser</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>CardDAV-adressbok…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV, %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>Ange användaren i adressen: https://ANVÄNDARE@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>Den läses från sin server.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>CardDAV-adressbok</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>Adressen till adressboken, eller till kontots server, med användarnamnet (https://användare@server/):</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>Servern avvisade lösenordet för %1. Lösenord:</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Lösenord för %1:</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>CardDAV-lösenord</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>Lösenordet godtogs men kunde inte sparas i nyckelringen.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>Servern kunde inte läsas; detta är den lokala kopian: %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>Servern kunde inte läsas: %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Frågar servern…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>Servern avvisade lösenordet för %1.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>Lösenordet för %1 behövs.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>Det här programmet</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ kräver Linuxkärnan %@ eller senare.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Använd programuppdateraren för att uppgradera till Linuxkärnan %@ eller senare.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>Öppna programuppdateraren</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Installera Linuxkärnan %@ eller senare.
</translation>
    </message>
</context>
</TS>
