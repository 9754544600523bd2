<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Ouvrir un carnet d&apos;adresses…</translation>
    </message>
    <message>
        <source>Choose a file...</source>
        <translation>Choisir un fichier…</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books cannot be reached</source>
        <translation>Les carnets d&apos;adresses du bureau sont inaccessibles</translation>
    </message>
    <message>
        <source>The desktop has no address books</source>
        <translation>Le bureau n&apos;a aucun carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>%@ (default)</source>
        <translation>%@ (par défaut)</translation>
    </message>
    <message>
        <source>No address book is open.</source>
        <translation>Aucun carnet d&apos;adresses n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>There is nothing to export. %@</source>
        <translation>Il n&apos;y a rien à exporter. %@</translation>
    </message>
    <message>
        <source>Show this kind of row on the cards</source>
        <translation>Afficher ce type de ligne sur les fiches</translation>
    </message>
    <message>
        <source>Move %@ up</source>
        <translation>Déplacer %@ vers le haut</translation>
    </message>
    <message>
        <source>Move %@ down</source>
        <translation>Déplacer %@ vers le bas</translation>
    </message>
    <message>
        <source>The link scheme put before each value; empty for no link</source>
        <translation>Le schéma de lien placé devant chaque valeur&#xa0;; laisser vide pour ne pas créer de lien</translation>
    </message>
    <message>
        <source>Move this row up</source>
        <translation>Déplacer cette ligne vers le haut</translation>
    </message>
    <message>
        <source>Move this row down</source>
        <translation>Déplacer cette ligne vers le bas</translation>
    </message>
    <message>
        <source>Group list buttons</source>
        <translation>Boutons de la liste des groupes</translation>
    </message>
    <message>
        <source>Include %@</source>
        <translation>Inclure %@</translation>
    </message>
    <message>
        <source>Tick the groups whose contacts go into the page</source>
        <translation>Cocher les groupes dont les contacts figureront sur la page</translation>
    </message>
    <message>
        <source>Address book group</source>
        <translation>Groupe du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Inclure</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>L&apos;aperçu ne peut pas être affiché.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Data order</source>
        <translation>Ordre des données</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Générer…</translation>
    </message>
    <message>
        <source>Write the page of the ticked groups</source>
        <translation>Générer la page des groupes cochés</translation>
    </message>
    <message>
        <source>No address book was found.</source>
        <translation>Aucun carnet d&apos;adresses n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Feuille de style</translation>
    </message>
    <message>
        <source>The style sheet of the page; every change shows in the preview</source>
        <translation>La feuille de style de la page&#xa0;; chaque modification apparaît dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Problems while reading</source>
        <translation>Problèmes de lecture</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Détails…</translation>
    </message>
    <message>
        <source>Show what could not be read</source>
        <translation>Afficher ce qui n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Dernière page générée</translation>
    </message>
    <message numerus="yes">
        <source>%Ln value(s) could not be read</source>
        <translation>
            <numerusform>%Ln valeur illisible</numerusform>
            <numerusform>%Ln valeurs illisibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be read</source>
        <translation>
            <numerusform>%Ln fichier illisible</numerusform>
            <numerusform>%Ln fichiers illisibles</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book cannot be read now: %@</source>
        <translation>Le carnet d&apos;adresses ne peut pas être lu pour l&apos;instant&#xa0;: %@</translation>
    </message>
    <message>
        <source>No address book</source>
        <translation>Aucun carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
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
        <translation>illisible</translation>
    </message>
    <message>
        <source>There is nothing to export.</source>
        <translation>Il n&apos;y a rien à exporter.</translation>
    </message>
    <message>
        <source>No address book is open. Choose one with File &gt; Open Address Book.</source>
        <translation>Aucun carnet d&apos;adresses n&apos;est ouvert. Choisissez-en un via Fichier &gt; Ouvrir un carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Choose a location for the HTML output:</source>
        <translation>Choisissez où enregistrer la page HTML&#xa0;:</translation>
    </message>
    <message>
        <source>HTML page (*.html)</source>
        <translation>Page HTML (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>La page n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>Page de %1 enregistrée dans %2</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Fichiers vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>The address book could not be opened.</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Tick every group</source>
        <translation>Cocher tous les groupes</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Untick every group</source>
        <translation>Décocher tous les groupes</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Read the groups of the address book again</source>
        <translation>Relire les groupes du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Sort by last name</source>
        <translation>Trier par nom de famille</translation>
    </message>
    <message>
        <source>Include pictures</source>
        <translation>Inclure les photos</translation>
    </message>
    <message>
        <source>Generic pictures for contacts without one</source>
        <translation>Photos génériques pour les contacts sans photo</translation>
    </message>
    <message>
        <source>Include job titles</source>
        <translation>Inclure les fonctions</translation>
    </message>
    <message>
        <source>Include organizations</source>
        <translation>Inclure les organisations</translation>
    </message>
    <message>
        <source>stripList</source>
        <translation>The |A |An </translation>
    </message>
    <message>
        <source>Ungrouped Contacts</source>
        <translation>Contacts sans groupe</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Langue de la page</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>The language of the page&apos;s labels, dates and index</source>
        <translation>La langue des libellés, des dates et de l&apos;index de la page</translation>
    </message>
    <message>
        <source>Index by the letters of the page&apos;s language</source>
        <translation>Index selon l&apos;alphabet de la langue de la page</translation>
    </message>
    <message>
        <source>File contacts under the letters of the page&apos;s language instead of A to Z</source>
        <translation>Classer les contacts sous les lettres de la langue de la page plutôt que de A à Z</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>sampleNote</source>
        <translation>Ceci est le champ de note.
Les retours à la ligne d&apos;une note s&apos;affichent tels qu&apos;ils ont été saisis.</translation>
    </message>
    <message>
        <source>home</source>
        <translation>domicile</translation>
    </message>
    <message>
        <source>work</source>
        <translation>travail</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
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
        <translation>principal</translation>
    </message>
    <message>
        <source>home fax</source>
        <translation>fax domicile</translation>
    </message>
    <message>
        <source>work fax</source>
        <translation>fax travail</translation>
    </message>
    <message>
        <source>other fax</source>
        <translation>autre fax</translation>
    </message>
    <message>
        <source>pager</source>
        <translation>bipeur</translation>
    </message>
    <message>
        <source>home page</source>
        <translation>page personnelle</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>anniversaire de mariage</translation>
    </message>
    <message>
        <source>spouse</source>
        <translation>conjoint</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>responsable</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>assistant</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>mère</translation>
    </message>
    <message>
        <source>father</source>
        <translation>père</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>parent</translation>
    </message>
    <message>
        <source>brother</source>
        <translation>frère</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>sœur</translation>
    </message>
    <message>
        <source>child</source>
        <translation>enfant</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>ami</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>partenaire</translation>
    </message>
    <message>
        <source>first name</source>
        <translation>prénom</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>nom de famille</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>deuxième prénom</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>suffix</source>
        <translation>suffixe</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>organisation</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>fonction</translation>
    </message>
    <message>
        <source>department</source>
        <translation>service</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>indicateurs</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>anniversaire</translation>
    </message>
    <message>
        <source>dates</source>
        <translation>dates</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>téléphone</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>courriel</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>page web</translation>
    </message>
    <message>
        <source>related names</source>
        <translation>relations</translation>
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
        <translation>adresse</translation>
    </message>
    <message>
        <source>group name</source>
        <translation>nom du groupe</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
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
        <translation>Relations</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Messagerie instantanée</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Adresse postale</translation>
    </message>
    <message>
        <source>Phone URI Scheme</source>
        <translation>Schéma d&apos;URI du téléphone</translation>
    </message>
    <message>
        <source>Email URI Scheme</source>
        <translation>Schéma d&apos;URI du courriel</translation>
    </message>
    <message>
        <source>Web URI Scheme</source>
        <translation>Schéma d&apos;URI du web</translation>
    </message>
    <message>
        <source>Date URI Scheme</source>
        <translation>Schéma d&apos;URI des dates</translation>
    </message>
    <message>
        <source>Related Name URI Scheme</source>
        <translation>Schéma d&apos;URI des relations</translation>
    </message>
    <message>
        <source>Postal URI Scheme</source>
        <translation>Schéma d&apos;URI postal</translation>
    </message>
    <message>
        <source>Note URI Scheme</source>
        <translation>Schéma d&apos;URI de la note</translation>
    </message>
    <message>
        <source>AIM URI Scheme</source>
        <translation>Schéma d&apos;URI d&apos;AIM</translation>
    </message>
    <message>
        <source>ICQ URI Scheme</source>
        <translation>Schéma d&apos;URI d&apos;ICQ</translation>
    </message>
    <message>
        <source>Jabber URI Scheme</source>
        <translation>Schéma d&apos;URI de Jabber</translation>
    </message>
    <message>
        <source>MSN URI Scheme</source>
        <translation>Schéma d&apos;URI de MSN</translation>
    </message>
    <message>
        <source>Yahoo! URI Scheme</source>
        <translation>Schéma d&apos;URI de Yahoo!</translation>
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
        <translation>Adresses personnelles</translation>
    </message>
    <message>
        <source>Collected Addresses</source>
        <translation>Adresses collectées</translation>
    </message>
    <message>
        <source>CardDAV address book...</source>
        <translation>Carnet d’adresses CardDAV…</translation>
    </message>
    <message>
        <source>%1 (CardDAV, %2)</source>
        <translation>%1 (CardDAV, %2)</translation>
    </message>
    <message>
        <source>Name the user in the address: https://USER@%1/</source>
        <translation>Indiquez l’utilisateur dans l’adresse : https://UTILISATEUR@%1/</translation>
    </message>
    <message>
        <source>It is being read from its server.</source>
        <translation>Il est en cours de lecture depuis son serveur.</translation>
    </message>
    <message>
        <source>CardDAV Address Book</source>
        <translation>Carnet d’adresses CardDAV</translation>
    </message>
    <message>
        <source>The address of the address book, or of the account&apos;s server, with the user name (https://user@server/):</source>
        <translation>L’adresse du carnet d’adresses, ou du serveur du compte, avec le nom d’utilisateur (https://utilisateur@serveur/) :</translation>
    </message>
    <message>
        <source>The server refused the password for %1. Password:</source>
        <translation>Le serveur a refusé le mot de passe de %1. Mot de passe :</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Mot de passe de %1 :</translation>
    </message>
    <message>
        <source>CardDAV Password</source>
        <translation>Mot de passe CardDAV</translation>
    </message>
    <message>
        <source>The password was taken but could not be kept in the keyring.</source>
        <translation>Le mot de passe a été accepté mais n’a pas pu être conservé dans le trousseau.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>The server could not be read; this is the local copy: %1</source>
        <translation>Le serveur n’a pas pu être lu ; voici la copie locale : %1</translation>
    </message>
    <message>
        <source>The server could not be read: %1</source>
        <translation>Le serveur n’a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Interrogation du serveur…</translation>
    </message>
    <message>
        <source>The server refused the password for %1.</source>
        <translation>Le serveur a refusé le mot de passe de %1.</translation>
    </message>
    <message>
        <source>The password for %1 is needed.</source>
        <translation>Le mot de passe de %1 est nécessaire.</translation>
    </message>
</context>
<context>
    <name>ui_svc</name>
    <message>
        <source>s001</source>
        <extracomment>The application&apos;s name where the bundle names none.</extracomment>
        <translation>Cette application</translation>
    </message>
    <message>
        <source>s002</source>
        <extracomment>Alert message: the application&apos;s name, then the minimum kernel release.</extracomment>
        <translation>%@ nécessite le noyau Linux %@ ou une version ultérieure.</translation>
    </message>
    <message>
        <source>s003</source>
        <extracomment>Only the patch level is behind: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Veuillez utiliser le gestionnaire de mises à jour pour passer au noyau Linux %@ ou à une version ultérieure.
</translation>
    </message>
    <message>
        <source>s004</source>
        <extracomment>Button that opens the desktop&apos;s software updater.</extracomment>
        <translation>Ouvrir le gestionnaire de mises à jour</translation>
    </message>
    <message>
        <source>s005</source>
        <extracomment>Button that closes the alert.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>s006</source>
        <extracomment>The system is too old or its version unknown: the minimum kernel release. Ends in a line feed.</extracomment>
        <translation>Veuillez installer le noyau Linux %@ ou une version ultérieure.
</translation>
    </message>
</context>
</TS>
