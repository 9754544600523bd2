<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Apri rubrica…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Scegli un file…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Scegli una cartella…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>Impossibile accedere alle rubriche del sistema</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>Nessuna rubrica nel sistema</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@ (predefinita)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>Nessuna rubrica aperta.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>Non c&apos;è nulla da esportare. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>Mostra questo tipo di riga nelle schede</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>Sposta %@ in alto</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>Sposta %@ in basso</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>Lo schema di collegamento anteposto a ogni valore; vuoto per non creare collegamenti</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>Sposta questa riga in alto</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>Sposta questa riga in basso</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>Pulsanti dell&apos;elenco dei gruppi</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>Includi %@</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>Seleziona i gruppi da includere nella pagina</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>Gruppo della rubrica</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Includi</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>Impossibile mostrare l&apos;anteprima.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>Ordine dei dati</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Genera…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>Genera la pagina con i gruppi selezionati</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>Nessuna rubrica trovata.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Foglio di stile</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>Il foglio di stile della pagina; ogni modifica appare nell&apos;anteprima</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Rubrica</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>Problemi di lettura</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Dettagli…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>Mostra ciò che non è stato possibile leggere</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Ultima pagina generata</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln valore illeggibile</numerusform>
            <numerusform>%Ln valori illeggibili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln file illeggibile</numerusform>
            <numerusform>%Ln file illeggibili</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>Impossibile leggere la rubrica in questo momento: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>Nessuna rubrica</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contatto</numerusform>
            <numerusform>%Ln contatti</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>Non c&apos;è nulla da esportare.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>Nessuna rubrica aperta. Scegline una con File &gt; Apri rubrica.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>Scegli dove salvare la pagina HTML:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>Pagina HTML (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Impossibile salvare la pagina.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>Pagina con %1 salvata in %2</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>File vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>Impossibile aprire la rubrica.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>Seleziona tutti i gruppi</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>Deseleziona tutti i gruppi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>Rileggi i gruppi della rubrica</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>Ordina per cognome</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>Includi foto</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>Foto generiche per i contatti senza foto</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>Includi qualifiche</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>Includi organizzazioni</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>Contatti senza gruppo</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Lingua della pagina</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Lingua del sistema</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>La lingua di etichette, date e indice della pagina</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>Indice con le lettere della lingua della pagina</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>Raggruppa i contatti sotto le lettere della lingua della pagina invece che dalla A alla Z</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Rubrica</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Compleanno</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>Questo è il campo delle note.
Le interruzioni di riga di una nota appaiono così come sono state digitate.</translation>
    </message>
    <message>
        <source>home</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>work</source>
        <translation>lavoro</translation>
    </message>
    <message>
        <source>other</source>
        <translation>altro</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>cellulare</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>principale</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>fax casa</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>fax lavoro</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>altro fax</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>cercapersone</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>pagina personale</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>anniversario</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>coniuge</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>responsabile</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>assistente</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>madre</translation>
    </message>
    <message>
        <source>father</source>
        <translation>padre</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>genitore</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>fratello</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>sorella</translation>
    </message>
    <message>
        <source>child</source>
        <translation>figlio</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>amico</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>partner</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>cognome</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>secondo nome</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titolo</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>suffisso</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>organizzazione</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>qualifica</translation>
    </message>
    <message>
        <source>department</source>
        <translation>reparto</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>indicatori</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>compleanno</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>date</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefono</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>email</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>pagina web</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>nomi correlati</translation>
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
        <translation>indirizzo</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>nome del gruppo</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
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
        <translation>Date</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>Nomi correlati</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Messaggistica istantanea</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Indirizzo postale</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>Schema URI del telefono</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>Schema URI dell&apos;email</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>Schema URI del web</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>Schema URI delle date</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>Schema URI dei nomi correlati</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>Schema URI dell&apos;indirizzo</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>Schema URI della nota</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>Schema URI di AIM</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>Schema URI di ICQ</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>Schema URI di Jabber</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>Schema URI di MSN</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>Schema URI di Yahoo!</translation>
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
        <translation>Rubrica personale</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>Indirizzi raccolti</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>Rubrica CardDAV…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV, %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>Indica l’utente nell’indirizzo: https://UTENTE@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>È in lettura dal suo server.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>Rubrica CardDAV</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>L’indirizzo della rubrica, o del server dell’account, con il nome utente (https://utente@server/):</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>Il server ha rifiutato la password per %1. Password:</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Password per %1:</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>Password CardDAV</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>La password è stata accettata ma non è stato possibile conservarla nel portachiavi.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>Impossibile leggere il server; questa è la copia locale: %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>Impossibile leggere il server: %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Interrogazione del server…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>Il server ha rifiutato la password per %1.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>Serve la password per %1.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>Questa applicazione</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ richiede il kernel Linux %@ o versioni successive.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Usa il programma di aggiornamento software per installare il kernel Linux %@ o versioni successive.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>Apri aggiornamento software</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Installa il kernel Linux %@ o versioni successive.
</translation>
    </message>
</context>
</TS>
