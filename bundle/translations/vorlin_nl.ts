<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <translation>Adresboek openen…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Bestand kiezen…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Map kiezen…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>De adresboeken van het bureaublad zijn niet bereikbaar</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>Het bureaublad heeft geen adresboeken</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@ (standaard)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>Er is geen adresboek geopend.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>Er is niets te exporteren. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>Dit soort regels op de kaarten tonen</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>%@ omhoog verplaatsen</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>%@ omlaag verplaatsen</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>Het linkschema dat vóór elke waarde komt; leeg laten voor geen link</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>Deze regel omhoog verplaatsen</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>Deze regel omlaag verplaatsen</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>Knoppen van de groepenlijst</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>%@ opnemen</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>De groepen aanvinken waarvan de contacten op de pagina komen</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>Adresboekgroep</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Opnemen</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>Het voorbeeld kan niet worden getoond.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groepen</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>Volgorde van gegevens</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Genereren…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>De pagina met de aangevinkte groepen genereren</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>Er is geen adresboek gevonden.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Stylesheet</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>De stylesheet van de pagina; elke wijziging is meteen te zien in het voorbeeld</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>Problemen bij het lezen</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Details…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>Tonen wat niet kon worden gelezen</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Laatst gegenereerde pagina</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln waarde kon niet worden gelezen</numerusform>
            <numerusform>%Ln waarden konden niet worden gelezen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln bestand kon niet worden gelezen</numerusform>
            <numerusform>%Ln bestanden konden niet worden gelezen</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>Het adresboek kan nu niet worden gelezen: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>Geen adresboek</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contact</numerusform>
            <numerusform>%Ln contacten</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>niet leesbaar</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>Er is niets te exporteren.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>Er is geen adresboek geopend. Kies er een via Bestand &gt; Adresboek openen.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>Kies een locatie voor de HTML-uitvoer:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>HTML-pagina (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>De pagina kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>%1 opgeslagen in %2</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>vCard-bestanden (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>Het adresboek kon niet worden geopend.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>Alle groepen aanvinken</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Niets selecteren</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>Alle groepen uitvinken</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>De groepen van het adresboek opnieuw inlezen</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>Sorteren op achternaam</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>Foto&apos;s opnemen</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>Standaardfoto voor contacten zonder foto</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>Functies opnemen</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>Organisaties opnemen</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Paginataal</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Taal van het bureaublad</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>De taal van de labels, datums en index van de pagina</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>Index volgens de letters van de paginataal</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>Contacten indelen onder de letters van de paginataal in plaats van A tot Z</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Verjaardag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>Dit is het notitieveld.
Regeleinden in een notitie worden getoond zoals ze zijn getypt.</translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>Contacten zonder groep</translation>
    </message>
    <message>
        <source>home</source>
        <translation>privé</translation>
    </message>
    <message>
        <source>work</source>
        <translation>werk</translation>
    </message>
    <message>
        <source>other</source>
        <translation>overig</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>mobiel</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>hoofdnummer</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>fax privé</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>fax werk</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>fax overig</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>pieper</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>homepage</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>jubileum</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>echtgenoot</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>leidinggevende</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>assistent</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>moeder</translation>
    </message>
    <message>
        <source>father</source>
        <translation>vader</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>ouder</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>broer</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>zus</translation>
    </message>
    <message>
        <source>child</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>vriend</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>partner</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>voornaam</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>achternaam</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>tweede voornaam</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titel</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>achtervoegsel</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>organisatie</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>functie</translation>
    </message>
    <message>
        <source>department</source>
        <translation>afdeling</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>markeringen</translation>
    </message>
    <message>
        <source>note</source>
        <translation>notitie</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>verjaardag</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>datums</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefoon</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>webpagina</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>relaties</translation>
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
        <translation>adres</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>groepsnaam</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datums</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>Relaties</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Postadres</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>URI-schema voor telefoon</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>URI-schema voor e-mail</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>URI-schema voor web</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>URI-schema voor datums</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>URI-schema voor relaties</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>URI-schema voor postadres</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>URI-schema voor notitie</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>URI-schema voor AIM</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>URI-schema voor ICQ</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>URI-schema voor Jabber</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>URI-schema voor MSN</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>URI-schema voor Yahoo!</translation>
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
        <translation>Persoonlijk adresboek</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>Verzamelde adressen</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>CardDAV-adresboek…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV, %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>Noem de gebruiker in het adres: https://GEBRUIKER@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>Het wordt van de server gelezen.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>CardDAV-adresboek</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>Het adres van het adresboek, of van de server van het account, met de gebruikersnaam (https://gebruiker@server/):</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>De server heeft het wachtwoord voor %1 geweigerd. Wachtwoord:</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Wachtwoord voor %1:</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>CardDAV-wachtwoord</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>Het wachtwoord is aanvaard, maar kon niet in de sleutelbos worden bewaard.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>De server kon niet worden gelezen; dit is de lokale kopie: %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>De server kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Server wordt gevraagd…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>De server heeft het wachtwoord voor %1 geweigerd.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>Het wachtwoord voor %1 is nodig.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>Deze toepassing</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ vereist Linux-kernel %@ of nieuwer.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Gebruik de software-updater om bij te werken naar Linux-kernel %@ of nieuwer.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>Software-updater openen</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Installeer Linux-kernel %@ of nieuwer.
</translation>
    </message>
</context>
</TS>
