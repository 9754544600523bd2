<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
        <translation>Открыть адресную книгу…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Выбрать файл…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Выбрать папку…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>Системные адресные книги недоступны</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>В системе нет адресных книг</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@ (по умолчанию)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>Адресная книга не открыта.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>Нечего экспортировать. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>Показывать строки этого вида в карточках</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>Переместить «%@» вверх</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>Переместить «%@» вниз</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>Схема ссылки, которая ставится перед каждым значением; если пусто, ссылки не будет</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>Переместить строку вверх</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>Переместить строку вниз</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>Кнопки списка групп</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>Включить «%@»</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>Отметьте группы, контакты которых попадут на страницу</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>Группа адресной книги</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>Не удаётся показать предпросмотр.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Группы</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>Порядок данных</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Создать…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>Создать страницу из отмеченных групп</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>Адресная книга не найдена.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Таблица стилей</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>Таблица стилей страницы; каждое изменение сразу видно в предпросмотре</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Адресная книга</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>Проблемы при чтении</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Подробности…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>Показать, что не удалось прочитать</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Последняя созданная страница</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln значение не прочитано</numerusform>
            <numerusform>%Ln значения не прочитаны</numerusform>
            <numerusform>%Ln значений не прочитано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln файл не прочитан</numerusform>
            <numerusform>%Ln файла не прочитаны</numerusform>
            <numerusform>%Ln файлов не прочитано</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>Сейчас не удаётся прочитать адресную книгу: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>Нет адресной книги</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln контакт</numerusform>
            <numerusform>%Ln контакта</numerusform>
            <numerusform>%Ln контактов</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не удаётся прочитать</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>Нечего экспортировать.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>Адресная книга не открыта. Выберите её в меню Файл &gt; Открыть адресную книгу.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>Выберите, куда сохранить страницу HTML:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>Страница HTML (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Не удалось сохранить страницу.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>Страница (%1) сохранена в %2</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Файлы vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>Не удалось открыть адресную книгу.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Отметить все</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>Отметить все группы</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Снять все отметки</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>Снять отметки со всех групп</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>Заново прочитать группы адресной книги</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>Сортировать по фамилии</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>Включать фотографии</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>Стандартные аватары для контактов без фото</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>Включать должности</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>Включать организации</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>Контакты без группы</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Язык страницы</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Язык системы</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>Язык подписей, дат и указателя на странице</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>Указатель по алфавиту языка страницы</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>Распределять контакты по буквам языка страницы, а не от A до Z</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Адресная книга</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>Это поле заметки.
Переносы строк в заметке показываются так, как они были введены.</translation>
    </message>
    <message>
        <source>home</source>
        <translation>домашний</translation>
    </message>
    <message>
        <source>work</source>
        <translation>рабочий</translation>
    </message>
    <message>
        <source>other</source>
        <translation>другой</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>мобильный</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>основной</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>домашний факс</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>рабочий факс</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>другой факс</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>пейджер</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>домашняя страница</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>годовщина</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>супруг(а)</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>руководитель</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>помощник</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>мать</translation>
    </message>
    <message>
        <source>father</source>
        <translation>отец</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>родитель</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>брат</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>сестра</translation>
    </message>
    <message>
        <source>child</source>
        <translation>ребёнок</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>друг</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>партнёр</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>фамилия</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>отчество</translation>
    </message>
    <message>
        <source>title</source>
        <translation>обращение</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>суффикс</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>организация</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>должность</translation>
    </message>
    <message>
        <source>department</source>
        <translation>отдел</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>флаги</translation>
    </message>
    <message>
        <source>note</source>
        <translation>заметка</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>день рождения</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>даты</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>телефон</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>эл. почта</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>веб-страница</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>связанные лица</translation>
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
        <translation>адрес</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>название группы</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Веб</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Даты</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>Связанные лица</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Мгновенные сообщения</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>Схема URI телефона</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>Схема URI эл. почты</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>Схема URI веб-страниц</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>Схема URI дат</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>Схема URI связанных лиц</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>Схема URI адреса</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>Схема URI заметки</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>Схема URI для AIM</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>Схема URI для ICQ</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>Схема URI для Jabber</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>Схема URI для MSN</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>Схема URI для Yahoo!</translation>
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
        <translation>Личная адресная книга</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>Собранные адреса</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>Адресная книга CardDAV…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV, %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>Укажите пользователя в адресе: https://ПОЛЬЗОВАТЕЛЬ@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>Она читается с сервера.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>Адресная книга CardDAV</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>Адрес адресной книги или сервера учётной записи с именем пользователя (https://пользователь@сервер/):</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>Сервер отклонил пароль для %1. Пароль:</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Пароль для %1:</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>Пароль CardDAV</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>Пароль принят, но его не удалось сохранить в связке ключей.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>Не удалось прочитать сервер; это локальная копия: %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>Не удалось прочитать сервер: %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Запрос к серверу…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>Сервер отклонил пароль для %1.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>Нужен пароль для %1.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>Это приложение</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ требует ядро Linux версии %@ или новее.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Обновите ядро Linux до версии %@ или новее с помощью менеджера обновлений.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>Открыть менеджер обновлений</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Установите ядро Linux версии %@ или новее.
</translation>
    </message>
</context>
</TS>
