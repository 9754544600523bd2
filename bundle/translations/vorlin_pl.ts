<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation>Otwórz książkę adresową…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Wybierz plik…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Wybierz folder…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>Systemowe książki adresowe są niedostępne</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>W systemie nie ma książek adresowych</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@ (domyślna)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>Nie otwarto żadnej książki adresowej.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>Nie ma nic do wyeksportowania. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>Pokazuj wiersze tego rodzaju na wizytówkach</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>Przesuń „%@” w górę</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>Przesuń „%@” w dół</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>Schemat odnośnika wstawiany przed każdą wartością; puste pole oznacza brak odnośnika</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>Przesuń ten wiersz w górę</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>Przesuń ten wiersz w dół</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>Przyciski listy grup</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>Uwzględnij „%@”</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>Zaznacz grupy, których kontakty mają trafić na stronę</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>Grupa książki adresowej</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Uwzględnij</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>Nie można wyświetlić podglądu.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupy</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>Kolejność danych</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Utwórz…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>Utwórz stronę z zaznaczonych grup</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>Nie znaleziono książki adresowej.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Arkusz stylów</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>Arkusz stylów strony; każda zmiana jest od razu widoczna w podglądzie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Książka adresowa</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>Problemy podczas odczytu</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Szczegóły…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>Pokaż, czego nie udało się odczytać</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Ostatnio utworzona strona</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln nieczytelna wartość</numerusform>
            <numerusform>%Ln nieczytelne wartości</numerusform>
            <numerusform>%Ln nieczytelnych wartości</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln nieczytelny plik</numerusform>
            <numerusform>%Ln nieczytelne pliki</numerusform>
            <numerusform>%Ln nieczytelnych plików</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>Nie można teraz odczytać książki adresowej: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>Brak książki adresowej</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln kontakt</numerusform>
            <numerusform>%Ln kontakty</numerusform>
            <numerusform>%Ln kontaktów</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nie można odczytać</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>Nie ma nic do wyeksportowania.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>Nie otwarto żadnej książki adresowej. Wybierz ją poleceniem Plik &gt; Otwórz książkę adresową.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>Wybierz miejsce zapisu strony HTML:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>Strona HTML (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Nie udało się zapisać strony.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>Zapisano %1 w pliku %2</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Pliki vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>Nie udało się otworzyć książki adresowej.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>Zaznacz wszystkie grupy</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Odznacz wszystkie</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>Odznacz wszystkie grupy</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>Ponownie wczytaj grupy książki adresowej</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>Sortuj według nazwiska</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>Uwzględnij zdjęcia</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>Zastępcze obrazki dla kontaktów bez zdjęcia</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>Uwzględnij stanowiska</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>Uwzględnij organizacje</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>Kontakty bez grupy</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Język strony</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>Język etykiet, dat i indeksu na stronie</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>Indeks według alfabetu języka strony</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>Porządkuj kontakty według liter języka strony zamiast od A do Z</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Książka adresowa</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Urodziny</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>To jest pole notatki.
Podziały wierszy w notatce są widoczne tak, jak je wpisano.</translation>
    </message>
    <message>
        <source>home</source>
        <translation>dom</translation>
    </message>
    <message>
        <source>work</source>
        <translation>praca</translation>
    </message>
    <message>
        <source>other</source>
        <translation>inny</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>komórka</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>główny</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>faks domowy</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>faks służbowy</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>inny faks</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>pager</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>strona domowa</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>rocznica</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>małżonek</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>przełożony</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>asystent</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>matka</translation>
    </message>
    <message>
        <source>father</source>
        <translation>ojciec</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>rodzic</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>brat</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>siostra</translation>
    </message>
    <message>
        <source>child</source>
        <translation>dziecko</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>przyjaciel</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>partner</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>imię</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>nazwisko</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>drugie imię</translation>
    </message>
    <message>
        <source>title</source>
        <translation>tytuł</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>sufiks</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>organizacja</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>stanowisko</translation>
    </message>
    <message>
        <source>department</source>
        <translation>dział</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>flagi</translation>
    </message>
    <message>
        <source>note</source>
        <translation>notatka</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>urodziny</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>daty</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefon</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>strona WWW</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>osoby powiązane</translation>
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
        <translation>nazwa grupy</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daty</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>Osoby powiązane</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Komunikatory</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>Schemat URI dla telefonu</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>Schemat URI dla e-maila</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>Schemat URI dla stron WWW</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>Schemat URI dla dat</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>Schemat URI dla powiązań</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>Schemat URI dla adresu</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>Schemat URI dla notatki</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>Schemat URI dla AIM</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>Schemat URI dla ICQ</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>Schemat URI dla Jabbera</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>Schemat URI dla MSN</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>Schemat URI dla Yahoo!</translation>
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
        <translation>Osobista książka adresowa</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>Zebrane adresy</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>Książka adresowa CardDAV…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV, %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>Podaj użytkownika w adresie: https://UŻYTKOWNIK@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>Trwa odczyt z serwera.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>Książka adresowa CardDAV</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>Adres książki adresowej lub serwera konta, z nazwą użytkownika (https://użytkownik@serwer/):</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>Serwer odrzucił hasło dla %1. Hasło:</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Hasło dla %1:</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>Hasło CardDAV</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>Hasło zostało przyjęte, ale nie udało się zachować go w bazie kluczy.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>Nie udało się odczytać serwera; to jest kopia lokalna: %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>Nie udało się odczytać serwera: %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Odpytywanie serwera…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>Serwer odrzucił hasło dla %1.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>Potrzebne jest hasło dla %1.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>Ta aplikacja</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ wymaga jądra Linux w wersji %@ lub nowszej.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Zaktualizuj jądro Linux do wersji %@ lub nowszej za pomocą menedżera aktualizacji.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>Otwórz menedżer aktualizacji</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Zainstaluj jądro Linux w wersji %@ lub nowszej.
</translation>
    </message>
</context>
</TS>
