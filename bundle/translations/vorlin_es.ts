<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Abrir libreta de direcciones…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Elegir un archivo…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Elegir una carpeta…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>No se puede acceder a las libretas de direcciones del sistema</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>No hay libretas de direcciones en el sistema</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@ (predeterminada)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>No hay ninguna libreta de direcciones abierta.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>No hay nada que exportar. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>Mostrar este tipo de fila en las fichas</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>Subir %@</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>Bajar %@</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>El esquema de enlace que se antepone a cada valor; vacío para no enlazar</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>Subir esta fila</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>Bajar esta fila</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>Botones de la lista de grupos</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>Incluir %@</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>Marque los grupos cuyos contactos quiere incluir en la página</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>Grupo de la libreta de direcciones</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>No se puede mostrar la vista previa.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>Orden de los datos</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Generar…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>Generar la página con los grupos marcados</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>No se encontró ninguna libreta de direcciones.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Hoja de estilos</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>La hoja de estilos de la página; cada cambio se ve en la vista previa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>Problemas de lectura</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Detalles…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>Mostrar lo que no se pudo leer</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página generada</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln valor ilegible</numerusform>
            <numerusform>%Ln valores ilegibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln archivo ilegible</numerusform>
            <numerusform>%Ln archivos ilegibles</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>En este momento no se puede leer la libreta de direcciones: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>Sin libreta de direcciones</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contacto</numerusform>
            <numerusform>%Ln contactos</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>No hay nada que exportar.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>No hay ninguna libreta de direcciones abierta. Elija una con Archivo &gt; Abrir libreta de direcciones.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>Elija dónde guardar la página HTML:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>Página HTML (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>No se pudo guardar la página.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>Página con %1 guardada en %2</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Archivos vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>No se pudo abrir la libreta de direcciones.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>Marcar todos los grupos</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>Desmarcar todos los grupos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>Volver a leer los grupos de la libreta de direcciones</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>Ordenar por apellidos</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>Incluir fotos</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>Fotos genéricas para los contactos sin foto</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>Incluir cargos</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>Incluir organizaciones</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>Contactos sin grupo</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Idioma de la página</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>El idioma de las etiquetas, las fechas y el índice de la página</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>Índice con las letras del idioma de la página</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>Clasificar los contactos según las letras del idioma de la página en lugar de la A a la Z</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>Este es el campo de nota.
Los saltos de línea de una nota se muestran tal como se escribieron.</translation>
    </message>
    <message>
        <source>home</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>work</source>
        <translation>trabajo</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>móvil</translation>
    </message>
    <message>
        <source>iPhone</source>
        <translation>iPhone</translation>
    </message>
    <message>
        <source>main</source>
        <translation>principal</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>fax de casa</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>fax del trabajo</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>otro fax</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>buscapersonas</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>página personal</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>aniversario</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>cónyuge</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>responsable</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>asistente</translation>
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
        <translation>progenitor</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>hermano</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>hermana</translation>
    </message>
    <message>
        <source>child</source>
        <translation>hijo</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>amigo</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>pareja</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>apellidos</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>segundo nombre</translation>
    </message>
    <message>
        <source>title</source>
        <translation>tratamiento</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>sufijo</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>organización</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>cargo</translation>
    </message>
    <message>
        <source>department</source>
        <translation>departamento</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>indicadores</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>cumpleaños</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>fechas</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>teléfono</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>correo electrónico</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>página web</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>nombres relacionados</translation>
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
        <translation>dirección</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>nombre del grupo</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>Nombres relacionados</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Mensajería instantánea</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Dirección postal</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>Esquema URI: teléfono</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>Esquema URI: correo</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>Esquema URI: web</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>Esquema URI: fechas</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>Esquema URI: relaciones</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>Esquema URI: dirección</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>Esquema URI: nota</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>Esquema URI: AIM</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>Esquema URI: ICQ</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>Esquema URI: Jabber</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>Esquema URI: MSN</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>Esquema URI: Yahoo!</translation>
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
        <translation>Libreta de direcciones personal</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>Direcciones recopiladas</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>Libreta de direcciones CardDAV…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV, %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>Indique el usuario en la dirección: https://USUARIO@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>Se está leyendo desde su servidor.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>Libreta de direcciones CardDAV</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>La dirección de la libreta de direcciones, o del servidor de la cuenta, con el nombre de usuario (https://usuario@servidor/):</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>El servidor rechazó la contraseña de %1. Contraseña:</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Contraseña de %1:</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>Contraseña de CardDAV</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>La contraseña se aceptó, pero no se pudo guardar en el llavero.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>No se pudo leer el servidor; esta es la copia local: %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>No se pudo leer el servidor: %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Consultando el servidor…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>El servidor rechazó la contraseña de %1.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>Se necesita la contraseña de %1.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>Esta aplicación</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ requiere el kernel de Linux %@ o posterior.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Use el actualizador de software para instalar el kernel de Linux %@ o posterior.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>Abrir el actualizador de software</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Instale el kernel de Linux %@ o posterior.
</translation>
    </message>
</context>
</TS>
