<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Adressbuch öffnen …</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Datei auswählen …</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Ordner auswählen …</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>Die Adressbücher der Arbeitsumgebung sind nicht erreichbar</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>Die Arbeitsumgebung hat keine Adressbücher</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@ (Standard)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>Es ist kein Adressbuch geöffnet.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>Es gibt nichts zu exportieren. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>Diese Art von Zeilen auf den Karten anzeigen</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>%@ nach oben verschieben</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>%@ nach unten verschieben</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>Das Link-Schema, das jedem Wert vorangestellt wird; leer lassen für keinen Link</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>Diese Zeile nach oben verschieben</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>Diese Zeile nach unten verschieben</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>Schaltflächen der Gruppenliste</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>%@ einbeziehen</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>Die Gruppen ankreuzen, deren Kontakte auf die Seite kommen</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>Adressbuchgruppe</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Einbeziehen</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>Die Vorschau kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>Reihenfolge der Daten</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Erstellen …</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>Die Seite mit den angekreuzten Gruppen erstellen</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>Es wurde kein Adressbuch gefunden.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Stylesheet</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>Das Stylesheet der Seite; jede Änderung erscheint in der Vorschau</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>Probleme beim Lesen</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Details …</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>Anzeigen, was nicht gelesen werden konnte</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Zuletzt erstellte Seite</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln Wert konnte nicht gelesen werden</numerusform>
            <numerusform>%Ln Werte konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln Datei konnte nicht gelesen werden</numerusform>
            <numerusform>%Ln Dateien konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>Das Adressbuch kann derzeit nicht gelesen werden: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>Kein Adressbuch</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln Kontakt</numerusform>
            <numerusform>%Ln Kontakte</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>Es gibt nichts zu exportieren.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>Es ist kein Adressbuch geöffnet. Wählen Sie eines unter Datei &gt; Adressbuch öffnen.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>Speicherort für die HTML-Ausgabe wählen:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>HTML-Seite (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Die Seite konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>%1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>vCard-Dateien (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>Das Adressbuch konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>Alle Gruppen ankreuzen</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Keine auswählen</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>Kreuze bei allen Gruppen entfernen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>Die Gruppen des Adressbuchs neu einlesen</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>Nach Nachnamen sortieren</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>Bilder einbeziehen</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>Platzhalterbilder für Kontakte ohne Bild</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>Berufsbezeichnungen einbeziehen</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>Organisationen einbeziehen</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Seitensprache</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>Die Sprache der Beschriftungen, Datumsangaben und des Index der Seite</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>Index nach den Buchstaben der Seitensprache</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>Kontakte unter den Buchstaben der Seitensprache statt unter A bis Z einordnen</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
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
        <source>stripList</source>
        <translation>Der |Die |Das |Ein |Eine </translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>Dies ist das Notizfeld.
Zeilenumbrüche in einer Notiz erscheinen so, wie sie eingegeben wurden.</translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>Kontakte ohne Gruppe</translation>
    </message>
    <message>
        <source>home</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>work</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>Hauptnummer</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>Fax privat</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>Fax geschäftlich</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>Sonstiges Fax</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>Jahrestag</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>Ehepartner</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>Vorgesetzter</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>Assistent</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>Mutter</translation>
    </message>
    <message>
        <source>father</source>
        <translation>Vater</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>Elternteil</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>Bruder</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>Schwester</translation>
    </message>
    <message>
        <source>child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>Freund</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>Namenszusatz</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>Berufsbezeichnung</translation>
    </message>
    <message>
        <source>department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>Datumsangaben</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>Beziehungen</translation>
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
        <translation>Adresse</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datumsangaben</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>Beziehungen</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Sofortnachrichten</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Postanschrift</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>URI-Schema für Telefon</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>URI-Schema für E-Mail</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>URI-Schema für Web</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>URI-Schema für Datum</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>URI-Schema für Beziehungen</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>URI-Schema für Postanschrift</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>URI-Schema für Notiz</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>URI-Schema für AIM</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>URI-Schema für ICQ</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>URI-Schema für Jabber</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>URI-Schema für MSN</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>URI-Schema für Yahoo!</translation>
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
        <translation>Persönliches Adressbuch</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>Gesammelte Adressen</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>CardDAV-Adressbuch …</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV, %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>Geben Sie den Benutzer in der Adresse an: https://BENUTZER@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>Es wird von seinem Server gelesen.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>CardDAV-Adressbuch</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>Die Adresse des Adressbuchs oder des Servers des Kontos, mit dem Benutzernamen (https://benutzer@server/):</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>Der Server hat das Passwort für %1 abgelehnt. Passwort:</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Passwort für %1:</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>CardDAV-Passwort</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>Das Passwort wurde angenommen, konnte aber nicht im Schlüsselbund gespeichert werden.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>Der Server konnte nicht gelesen werden; dies ist die lokale Kopie: %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>Der Server konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Server wird abgefragt …</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>Der Server hat das Passwort für %1 abgelehnt.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>Das Passwort für %1 wird benötigt.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>Diese Anwendung</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ erfordert Linux-Kernel %@ oder neuer.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Bitte installieren Sie über die Softwareaktualisierung Linux-Kernel %@ oder neuer.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>Softwareaktualisierung öffnen</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Bitte installieren Sie Linux-Kernel %@ oder neuer.
</translation>
    </message>
</context>
</TS>
