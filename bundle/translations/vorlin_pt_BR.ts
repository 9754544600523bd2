<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Abrir catálogo de endereços…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Escolher um arquivo…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Escolher uma pasta…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>Não é possível acessar os catálogos de endereços do sistema</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>Não há catálogos de endereços no sistema</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@ (padrão)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>Nenhum catálogo de endereços está aberto.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>Não há nada para exportar. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>Mostrar este tipo de linha nos cartões</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>Mover %@ para cima</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>Mover %@ para baixo</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>O esquema de link inserido antes de cada valor; vazio para não criar link</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>Mover esta linha para cima</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>Mover esta linha para baixo</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>Botões da lista de grupos</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>Incluir %@</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>Marque os grupos cujos contatos serão incluídos na página</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>Grupo do catálogo de endereços</translation>
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
        <translation>Visualização</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>Não é possível mostrar a visualização.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>Ordem dos dados</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Gerar…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>Gerar a página dos grupos marcados</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>Nenhum catálogo de endereços foi encontrado.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Folha de estilo</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>A folha de estilo da página; cada alteração aparece na visualização</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Catálogo de endereços</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>Problemas na leitura</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Detalhes…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>Mostrar o que não pôde ser lido</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página gerada</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln valor não pôde ser lido</numerusform>
            <numerusform>%Ln valores não puderam ser lidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln arquivo não pôde ser lido</numerusform>
            <numerusform>%Ln arquivos não puderam ser lidos</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>Não é possível ler o catálogo de endereços no momento: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>Nenhum catálogo de endereços</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contato</numerusform>
            <numerusform>%Ln contatos</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>Não há nada para exportar.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>Nenhum catálogo de endereços está aberto. Escolha um em Arquivo &gt; Abrir catálogo de endereços.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>Escolha onde salvar a página HTML:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>Página HTML (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Não foi possível salvar a página.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>Página com %1 salva em %2</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Arquivos vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>Não foi possível abrir o catálogo de endereços.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Marcar todos</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>Marcar todos os grupos</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Desmarcar todos</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>Desmarcar todos os grupos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>Ler novamente os grupos do catálogo de endereços</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>Ordenar por sobrenome</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>Incluir fotos</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>Imagens genéricas para contatos sem foto</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>Incluir cargos</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>Incluir organizações</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>O |A |Os |As |Um |Uma </translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>Contatos sem grupo</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Idioma da página</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>O idioma dos rótulos, das datas e do índice da página</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>Índice com as letras do idioma da página</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>Organizar os contatos pelas letras do idioma da página em vez de A a Z</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Catálogo de endereços</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Aniversário</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>Este é o campo de nota.
As quebras de linha de uma nota aparecem como foram digitadas.</translation>
    </message>
    <message>
        <source>home</source>
        <translation>residencial</translation>
    </message>
    <message>
        <source>work</source>
        <translation>comercial</translation>
    </message>
    <message>
        <source>other</source>
        <translation>outro</translation>
    </message>
    <message>
        <source>mobile</source>
        <translation>celular</translation>
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
        <translation>fax residencial</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>fax comercial</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>outro fax</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>pager</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>página inicial</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>data comemorativa</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>cônjuge</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>gerente</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>assistente</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>mãe</translation>
    </message>
    <message>
        <source>father</source>
        <translation>pai</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>pai/mãe</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>irmão</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>irmã</translation>
    </message>
    <message>
        <source>child</source>
        <translation>filho(a)</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>amigo(a)</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>parceiro(a)</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>sobrenome</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>nome do meio</translation>
    </message>
    <message>
        <source>title</source>
        <translation>título</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>sufixo</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>organização</translation>
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
        <translation>sinalizadores</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>aniversário</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>datas</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefone</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>página da web</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>pessoas relacionadas</translation>
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
        <translation>endereço</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>nome do grupo</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
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
        <translation>Datas</translation>
    </message>
    <message>
        <source>Related Names</source>
        <translation>Pessoas relacionadas</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Mensagens instantâneas</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>Esquema de URI: telefone</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>Esquema de URI: e-mail</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>Esquema de URI: web</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>Esquema de URI: datas</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>Esquema de URI: pessoas</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>Esquema de URI: endereço</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>Esquema de URI: nota</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>Esquema de URI: AIM</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>Esquema de URI: ICQ</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>Esquema de URI: Jabber</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>Esquema de URI: MSN</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>Esquema de URI: Yahoo!</translation>
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
        <translation>Catálogo pessoal</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>Endereços coletados</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>Catálogo de endereços CardDAV…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV, %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>Informe o usuário no endereço: https://USUÁRIO@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>Ele está sendo lido do servidor.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>Catálogo de endereços CardDAV</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>O endereço do catálogo de endereços, ou do servidor da conta, com o nome de usuário (https://usuario@servidor/):</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>O servidor recusou a senha de %1. Senha:</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Senha de %1:</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>Senha do CardDAV</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>A senha foi aceita, mas não pôde ser guardada no chaveiro.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>Não foi possível ler o servidor; esta é a cópia local: %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>Não foi possível ler o servidor: %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Consultando o servidor…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>O servidor recusou a senha de %1.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>A senha de %1 é necessária.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>Este aplicativo</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ requer o kernel Linux %@ ou mais recente.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Use o atualizador de software para instalar o kernel Linux %@ ou mais recente.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>Abrir atualizador de software</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Instale o kernel Linux %@ ou mais recente.
</translation>
    </message>
</context>
</TS>
