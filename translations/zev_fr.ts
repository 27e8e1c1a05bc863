<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../forms/aboutdialog.ui" line="+8"/>
        <source>About Quorvane Connection Manager</source>
        <translation>À propos de Quorvane Connection Manager</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;span&gt;Made by &lt;b&gt;Quorvane Inc&lt;/b&gt; for thin-client fleets&lt;/span&gt;</source>
        <translation>&lt;span&gt;Conçu par &lt;b&gt;Quorvane Inc&lt;/b&gt; pour les parcs de clients légers&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Online help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>AssignmentModel</name>
    <message>
        <location filename="../dialogs/thinclient/AssignmentModel.cpp" line="+64"/>
        <source>%1 – %2: assigned</source>
        <extracomment>A box of the assignment grid: %1 is the device&apos;s serial number, %2 the server&apos;s display name</extracomment>
        <translation>%1 – %2&#xa0;: affecté</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 – %2: not assigned</source>
        <extracomment>A box of the assignment grid: %1 is the device&apos;s serial number, %2 the server&apos;s display name</extracomment>
        <translation>%1 – %2&#xa0;: non affecté</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>ConfigBackup</name>
    <message>
        <location filename="../app/ConfigBackup.cpp" line="+20"/>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
ZEV data has been modified. Do you want to save changes before creating a backup?</source>
        <translation>
Les données de ZEV ont été modifiées. Voulez-vous enregistrer les modifications avant de créer une sauvegarde&#xa0;?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save backup</source>
        <translation>Enregistrer une sauvegarde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Your changes have not been saved, so no backup was created.</source>
        <translation>
Vos modifications n&apos;ont pas été enregistrées&#xa0;; aucune sauvegarde n&apos;a donc été créée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Create backup file</source>
        <translation>Créer le fichier de sauvegarde</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Operation not allowed</source>
        <translation>Opération non autorisée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
ZEV cannot overwrite existing files! Backup file not created</source>
        <translation>
ZEV ne peut pas écraser des fichiers existants&#xa0;! Le fichier de sauvegarde n&apos;a pas été créé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File write error</source>
        <translation>Erreur d&apos;écriture du fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There was an error creating the backup file.
The directory may be read only, or your may not have permission to write to the directory</source>
        <translation>Une erreur s&apos;est produite lors de la création du fichier de sauvegarde.
Le dossier est peut-être en lecture seule, ou vous n&apos;avez pas l&apos;autorisation d&apos;écrire dans ce dossier</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <location filename="../model/ConfigCheck.cpp" line="+25"/>
        <source>Servers “%1” and “%2” share the id %3</source>
        <translation>Les serveurs «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» partagent l&apos;identifiant %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Servers “%1” and “%2” share the host %3 and remote application “%4”</source>
        <translation>Les serveurs «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» partagent l&apos;hôte %3 et l&apos;application distante «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The label of server “%1” lies partly outside the picture</source>
        <translation>L&apos;étiquette du serveur «&#xa0;%1&#xa0;» dépasse en partie de l&apos;image</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Thinclient “%1”: the serial number “%2” cannot name a device file</source>
        <translation>Client léger «&#xa0;%1&#xa0;»&#xa0;: le numéro de série «&#xa0;%2&#xa0;» ne peut pas servir de nom au fichier de l&apos;appareil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thinclients %1 (“%2”) and %3 (“%4”) share the device file %5</source>
        <translation>Les clients légers %1 («&#xa0;%2&#xa0;») et %3 («&#xa0;%4&#xa0;») partagent le même fichier d&apos;appareil %5</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Thinclient %1 is assigned the server id %2, which no server has</source>
        <translation>Le client léger %1 est affecté à l&apos;identifiant de serveur %2, qu&apos;aucun serveur ne porte</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The file %1 belongs to no thinclient; a device may still read it</source>
        <translation>Le fichier %1 n&apos;appartient à aucun client léger&#xa0;; un appareil peut encore le lire</translation>
    </message>
</context>
<context>
    <name>ConfigCompare</name>
    <message>
        <location filename="../model/ConfigCompare.cpp" line="+103"/>
        <source>servers added %1</source>
        <extracomment>%1 lists the servers by name</extracomment>
        <translation>serveurs ajoutés %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>servers removed %1</source>
        <extracomment>%1 lists the servers by name</extracomment>
        <translation>serveurs retirés %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>servers reordered</source>
        <translation>ordre des serveurs modifié</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>%1 removed</source>
        <extracomment>%1 names a server or a thinclient</extracomment>
        <translation>%1 supprimé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 added</source>
        <translation>%1 ajouté</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: %2 “%3” → “%4”</source>
        <extracomment>%1 names a server or a thinclient, %2 is a key of zev.conf, %3 its old value, %4 its new one</extracomment>
        <translation>%1&#xa0;: %2 «&#xa0;%3&#xa0;» → «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <extracomment>%1 names a thinclient, %2 says how its servers changed</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ConfigMerge</name>
    <message>
        <location filename="../model/ConfigMerge.cpp" line="+29"/>
        <source>(none)</source>
        <extracomment>the value of a side of a merge conflict that does not hold the record, or the field</extracomment>
        <translation>(aucun)</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>%1: deleted as in theirs</source>
        <extracomment>%1 names a server or a thinclient</extracomment>
        <translation>%1&#xa0;: supprimé comme dans leur version</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+13"/>
        <source>present</source>
        <extracomment>the state of a record on each side of a merge conflict: before, ours, theirs</extracomment>
        <translation>présent</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+13"/>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+13"/>
        <source>deleted</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: added from theirs</source>
        <extracomment>%1 names a server or a thinclient</extracomment>
        <translation>%1&#xa0;: ajouté depuis leur version</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1: %2 from theirs</source>
        <extracomment>%1 names a server or a thinclient, %2 lists keys of zev.conf</extracomment>
        <translation>%1&#xa0;: %2 repris de leur version</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>once</source>
        <extracomment>how often the record is on this side of a merge conflict</extracomment>
        <translation>une fois</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln more times</source>
        <extracomment>how often theirs holds the record again</extracomment>
        <translation>
            <numerusform>%Ln fois de plus</numerusform>
            <numerusform>%Ln fois de plus</numerusform>
        </translation>
    </message>
    <message>
        <location line="+196"/>
        <source>%1: %2 settled for theirs</source>
        <extracomment>%1 names a server or a thinclient, %2 the keys of zev.conf in conflict</extracomment>
        <translation>%1&#xa0;: %2 résolu en faveur de leur version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2 settled for mine</source>
        <translation>%1&#xa0;: %2 résolu en faveur de ma version</translation>
    </message>
</context>
<context>
    <name>ConfigRecords</name>
    <message>
        <location filename="../model/ConfigRecords.cpp" line="+78"/>
        <source>Thinclient “%1”</source>
        <extracomment>%1 is the serial number of a device</extracomment>
        <translation>Client léger «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Server “%1” (%2)</source>
        <extracomment>%1 is the name of a server, %2 its id</extracomment>
        <translation>Serveur «&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (repeated)</source>
        <extracomment>%1 names a record whose id or serial number the file holds more than once</extracomment>
        <translation>%1 (répété)</translation>
    </message>
</context>
<context>
    <name>ConflictDialog</name>
    <message>
        <location filename="../dialogs/ConflictDialog.cpp" line="+23"/>
        <source>theirs</source>
        <extracomment>Keep column of a merge conflict: the value another program saved is kept</extracomment>
        <translation>leur version</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mine</source>
        <extracomment>Keep column of a merge conflict: the user&apos;s own value is kept</extracomment>
        <translation>ma version</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Merge conflicts</source>
        <translation>Conflits de fusion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These were changed both here and by another program, each differently. Choose what to keep for each; OK merges and saves, Cancel writes nothing.</source>
        <translation>Ces éléments ont été modifiés à la fois ici et par un autre programme, chacun différemment. Choisissez ce qu&apos;il faut conserver pour chacun&#xa0;; OK fusionne et enregistre, Annuler n&apos;écrit rien.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Record</source>
        <translation>Élément</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mine</source>
        <extracomment>Column header: the value as changed here</extracomment>
        <translation>Ma version</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Theirs</source>
        <extracomment>Column header: the value as another program changed it</extracomment>
        <translation>Leur version</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>All mine</source>
        <translation>Ma version partout</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All theirs</source>
        <translation>Leur version partout</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <location filename="../app/ConnectionCheck.cpp" line="+15"/>
        <source>cannot be checked: %1</source>
        <extracomment>%1 what is wrong with the server&apos;s address</extracomment>
        <translation>ne peut pas être vérifié&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>answers</source>
        <translation>répond</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no answer within 3 seconds</source>
        <translation>pas de réponse en 3 secondes</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Host not found</source>
        <translation>Hôte introuvable</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>does not answer: %1</source>
        <extracomment>%1 why: the system&apos;s reason, or that it did not answer in time</extracomment>
        <translation>ne répond pas&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DlgAssignServers</name>
    <message>
        <location filename="../forms/dlgassignservers.ui" line="+6"/>
        <source>Assign servers to thinclients</source>
        <translation>Affecter des serveurs aux clients légers</translation>
    </message>
    <message>
        <location filename="../dialogs/thinclient/DlgAssignServers.cpp" line="+34"/>
        <source>Shift click updates entire row</source>
        <translation>Un Maj+clic met à jour toute la ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Space ticks or clears a box; Shift+Space or a Shift click updates the entire row</source>
        <translation>Espace coche ou décoche une case&#xa0;; Maj+Espace ou un Maj+clic met à jour toute la ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control click updates entire column</source>
        <translation>Un Ctrl+clic met à jour toute la colonne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control+Space or a Control click updates the entire column</source>
        <translation>Ctrl+Espace ou un Ctrl+clic met à jour toute la colonne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control shift click updates all rows and columns</source>
        <translation>Un Ctrl+Maj+clic met à jour toutes les lignes et toutes les colonnes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control+Shift+Space or a Control Shift click updates all rows and columns</source>
        <translation>Ctrl+Maj+Espace ou un Ctrl+Maj+clic met à jour toutes les lignes et toutes les colonnes</translation>
    </message>
</context>
<context>
    <name>DlgEditThinClient</name>
    <message>
        <location filename="../forms/dlgeditthinclient.ui" line="+6"/>
        <source>Edit thinclient  properties</source>
        <translation>Modifier les propriétés des clients légers</translation>
    </message>
    <message>
        <location filename="../dialogs/thinclient/DlgEditThinClient.cpp" line="+29"/>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete device</source>
        <translation>Supprimer l&apos;appareil</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show file</source>
        <translation>Afficher le fichier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Control click selects entire column</source>
        <translation>Un Ctrl+clic sélectionne toute la colonne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control+Space or a Control click selects the entire column</source>
        <translation>Ctrl+Espace ou un Ctrl+clic sélectionne toute la colonne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type inside a description field to change it</source>
        <translation>Tapez dans un champ de description pour le modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type in a description, or press F2 on it, to change it</source>
        <translation>Tapez dans une description, ou appuyez sur F2 dessus, pour la modifier</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Validating input</source>
        <translation>Validation de la saisie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Found one or more thinclients with empty description fields! 

Please enter a description for them</source>
        <translation>Un ou plusieurs clients légers ont un champ de description vide&#xa0;! 

Veuillez leur saisir une description</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Confirm deletion</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln thinclients will be deleted.

Are you sure you want to continue?</source>
        <translation>
            <numerusform>%Ln client léger sera supprimé.

Voulez-vous vraiment continuer&#xa0;?</numerusform>
            <numerusform>%Ln clients légers seront supprimés.

Voulez-vous vraiment continuer&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DlgServer</name>
    <message>
        <location filename="../forms/dlgserver.ui" line="+11"/>
        <source>Server information</source>
        <translation>Informations sur le serveur</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Display name</source>
        <translation>Nom affiché</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>[protocol://]Hostname[:port]</source>
        <translation>[protocole://]Hôte[:port]</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hostname</source>
        <translation>Nom d&apos;hôte</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Remote Application</source>
        <translation>Application distante</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Access protocol</source>
        <translation>Protocole d&apos;accès</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Connect using</source>
        <translation>Se connecter avec</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Color depth</source>
        <translation>Profondeur de couleur</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Graphics quality</source>
        <translation>Qualité graphique</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Audio quallity</source>
        <translation>Qualité audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Audio quality</source>
        <translation>Qualité audio</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Redirect audio</source>
        <translation>Rediriger l&apos;audio</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Redirect mic</source>
        <translation>Rediriger le micro</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Latency</source>
        <translation>Latence</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Window size</source>
        <translation>Taille de la fenêtre</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Window percentage</source>
        <translation>Pourcentage de l&apos;écran</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set default values</source>
        <translation>Appliquer les valeurs par défaut</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save + New</source>
        <translation>Enregistrer + Nouveau</translation>
    </message>
    <message>
        <location filename="../dialogs/server/DlgServer.cpp" line="+75"/>
        <source>Cloning server</source>
        <translation>Clonage du serveur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit server properties</source>
        <translation>Modifier les propriétés du serveur</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+8"/>
        <source>Creating new server</source>
        <translation>Création d&apos;un nouveau serveur</translation>
    </message>
    <message>
        <location line="+239"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>Input validation</source>
        <translation>Validation de la saisie</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>
Display name cannot be empty</source>
        <translation>
Le nom affiché ne peut pas être vide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
Server hostname cannot be empty</source>
        <translation>
Le nom d&apos;hôte du serveur ne peut pas être vide</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>When hostname is set to localhost, Remote application field cannot be empty</source>
        <translation>Lorsque le nom d&apos;hôte est localhost, le champ Application distante ne peut pas être vide</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Filename extension not allowed</source>
        <translation>Extension de fichier non autorisée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
.exe extension has been removed from %1</source>
        <extracomment>%1 is the remote application, its .exe removed</extracomment>
        <translation>
L&apos;extension .exe a été retirée de %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Input Validation</source>
        <translation>Validation de la saisie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Duplicate hostname found! Hostname and Remote application pair has been assigned to another server! 

Hostname and Remote application pairs must be unique</source>
        <translation>
Nom d&apos;hôte en double&#xa0;! Cette paire nom d&apos;hôte et application distante est déjà utilisée par un autre serveur&#xa0;! 

Chaque paire nom d&apos;hôte et application distante doit être unique</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid percentage</source>
        <translation>Pourcentage non valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
&apos;Percent of screen&apos; value must be in the range 1-100</source>
        <translation>
La valeur «&#xa0;Pourcentage de l&apos;écran&#xa0;» doit être comprise entre 1 et 100</translation>
    </message>
</context>
<context>
    <name>DlgThinClient</name>
    <message>
        <location filename="../forms/dlgthinclient.ui" line="+8"/>
        <source>Thinclient settings</source>
        <translation>Paramètres du client léger</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+8"/>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save + New</source>
        <translation>Enregistrer + Nouveau</translation>
    </message>
    <message>
        <location filename="../dialogs/thinclient/DlgThinClient.cpp" line="+25"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Input Validation</source>
        <translation>Validation de la saisie</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>
Description and Serial number fields cannot be empty</source>
        <translation>
Les champs Description et Numéro de série ne peuvent pas être vides</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
Serial numbers cannot contain the characters / and \ because they name the thinclient&apos;s configuration file</source>
        <translation>
Les numéros de série ne peuvent pas contenir les caractères / et \ car ils servent de nom au fichier de configuration du client léger</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
The specified serial number has been assigned to another thinclient device! Serial numbers must be unique</source>
        <translation>
Le numéro de série indiqué est déjà attribué à un autre client léger&#xa0;! Les numéros de série doivent être uniques</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Added new Thinclient: %1</source>
        <extracomment>%1 is the new device&apos;s description</extracomment>
        <translation>Nouveau client léger ajouté&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <location filename="../model/TrustedNames.cpp" line="+141"/>
        <source>not a plain file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>larger than 256 MiB</source>
        <translation>dépasse 256 Mio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a link another user made or could have moved here</source>
        <translation>un lien créé par un autre utilisateur, ou qu&apos;il a pu déplacer ici</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>read-only (no write permission set)</source>
        <translation>en lecture seule (aucun droit d&apos;écriture)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>holds unresolved merge conflicts</source>
        <translation>contient des conflits de fusion non résolus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a usable file name</source>
        <translation>n&apos;est pas un nom de fichier utilisable</translation>
    </message>
</context>
<context>
    <name>GitSetup</name>
    <message>
        <location filename="../model/GitSetup.cpp" line="+78"/>
        <source>an earlier zevctl&apos;s line replaced</source>
        <translation>ligne d&apos;un zevctl précédent remplacée</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>%1: not in a git work tree</source>
        <translation>%1&#xa0;: pas dans un arbre de travail git</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>git-setup stopped: a file or setting could not be written</source>
        <translation>git-setup interrompu&#xa0;: un fichier ou un réglage n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Already set up: nothing changed</source>
        <translation>Déjà configuré&#xa0;: rien n&apos;a été modifié</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Run “zevctl git-setup %1”: zev.conf is in git, but this clone lacks the merge driver and hooks that merge it by record and keep the device files following it</source>
        <extracomment>%1 is a folder; “zevctl git-setup %1” is a command and stays as it is</extracomment>
        <translation>Exécutez «&#xa0;zevctl git-setup %1&#xa0;»&#xa0;: zev.conf est dans git, mais il manque à ce clone le pilote de fusion et les hooks qui le fusionnent enregistrement par enregistrement et maintiennent les fichiers des appareils en accord avec lui</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../forms/mainwindow.ui" line="+6"/>
        <source>Quorvane connection manager</source>
        <translation>Quorvane Connection Manager</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Main tool bar</source>
        <translation>Barre d&apos;outils principale</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Open the ZEV web page</source>
        <translation>Ouvrir la page web de ZEV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZEV web page</source>
        <translation>Page web de ZEV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opens the ZEV web page in the browser</source>
        <translation>Ouvre la page web de ZEV dans le navigateur</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+1"/>
        <source>Load image</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>New Server</source>
        <translation>Nouveau serveur</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>New Thinclient</source>
        <translation>Nouveau client léger</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Server assignment</source>
        <translation>Affectation des serveurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+21"/>
        <source>Assign servers to thinclients</source>
        <translation>Affecter des serveurs aux clients légers</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+1"/>
        <location filename="../app/MainWindow.cpp" line="+573"/>
        <source>Save changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New server</source>
        <translation>Nouveau serveur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a new server</source>
        <translation>Créer un nouveau serveur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New thinclient</source>
        <translation>Nouveau client léger</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Edit thinclients</source>
        <translation>Modifier les clients légers</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Import thinclient list</source>
        <translation>Importer une liste de clients légers</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save backup</source>
        <translation>Enregistrer une sauvegarde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup configuration file</source>
        <translation>Sauvegarder le fichier de configuration</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Merge changes from disk</source>
        <translation>Fusionner les modifications du disque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bring in what another program saved in zev.conf, keeping your changes</source>
        <translation>Intégrer ce qu&apos;un autre programme a enregistré dans zev.conf, en conservant vos modifications</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reload from disk</source>
        <translation>Recharger depuis le disque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard your changes and load zev.conf as it is on disk</source>
        <translation>Abandonner vos modifications et charger zev.conf tel qu&apos;il est sur le disque</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Online help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About ZEV</source>
        <translation>À propos de ZEV</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="-519"/>
        <location line="+370"/>
        <source>Check configuration</source>
        <translation>Vérifier la configuration</translation>
    </message>
    <message>
        <location line="-368"/>
        <source>Check all servers</source>
        <translation>Vérifier tous les serveurs</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+158"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-155"/>
        <location line="+158"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="-136"/>
        <source>Load the topology picture of your network to begin: File ▸ Load image</source>
        <translation>Chargez l&apos;image de la topologie de votre réseau pour commencer&#xa0;: Fichier ▸ Charger une image</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Undone: %1</source>
        <extracomment>%1 the name of the step undone</extracomment>
        <translation>Annulé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Redone: %1</source>
        <extracomment>%1 the name of the step redone</extracomment>
        <translation>Rétabli&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Details of the last merge</source>
        <translation>Détails de la dernière fusion</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Merged changes</source>
        <translation>Modifications fusionnées</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Undo %1</source>
        <extracomment>The Edit menu&apos;s Undo: %1 the name of the step it undoes</extracomment>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Redo %1</source>
        <extracomment>The Edit menu&apos;s Redo: %1 the name of the step it redoes</extracomment>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1: %2 %3</source>
        <extracomment>A connection check&apos;s answer: %1 the server&apos;s name, %2 its address, %3 the result (&quot;answers&quot;, &quot;does not answer: …&quot; or &quot;cannot be checked: …&quot;)</extracomment>
        <translation>%1&#xa0;: %2 %3</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Select network topology image file</source>
        <translation>Sélectionner le fichier image de la topologie réseau</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Images (*.png *.bmp *.jpg)</source>
        <extracomment>The file dialog&apos;s filter: the words are translated, the patterns in brackets are kept</extracomment>
        <translation>Images (*.png *.bmp *.jpg)</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Loaded %1: %2, %3</source>
        <extracomment>What loading found: %1 the picture&apos;s file name, %2 how many servers, %3 how many thinclients</extracomment>
        <translation>%1 chargé&#xa0;: %2, %3</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln servers</source>
        <translation>
            <numerusform>%Ln serveur</numerusform>
            <numerusform>%Ln serveurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln thinclients</source>
        <translation>
            <numerusform>%Ln client léger</numerusform>
            <numerusform>%Ln clients légers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>zev.conf: %Ln problems — Tools ▸ Check configuration</source>
        <translation>
            <numerusform>zev.conf&#xa0;: %Ln problème — Outils ▸ Vérifier la configuration</numerusform>
            <numerusform>zev.conf&#xa0;: %Ln problèmes — Outils ▸ Vérifier la configuration</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No problems found.</source>
        <translation>Aucun problème détecté.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Network topology picture, %1</source>
        <extracomment>%1 the picture&apos;s file name</extracomment>
        <translation>Image de la topologie réseau, %1</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Edit Thinclients</source>
        <translation>Modifier les clients légers</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No thinclients have been defined yet</source>
        <translation>Aucun client léger n&apos;a encore été défini</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>
Do you want to save changes before closing this application?</source>
        <translation>
Voulez-vous enregistrer les modifications avant de fermer l&apos;application&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <location filename="../model/ProductInfo.h" line="+14"/>
        <source>Quorvane Connection Manager Ver %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>Quorvane Connection Manager version %1</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../prompts/Prompts.cpp" line="+51"/>
        <source>Details</source>
        <extracomment>A message box&apos;s details, as a screen reader names them</extracomment>
        <translation>Détails</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 File</source>
        <extracomment>The kind of a file in the file dialog: %1 the end of its name in capitals, e.g. &quot;PNG File&quot;</extracomment>
        <translation>Fichier %1</translation>
    </message>
</context>
<context>
    <name>ProtocolTable</name>
    <message>
        <location filename="../dialogs/server/ProtocolTable.cpp" line="+9"/>
        <source>8 bit</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High color (16 bit)</source>
        <translation>Couleurs 16 bits (High Color)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>True color (24 bit)</source>
        <translation>Couleurs vraies (24 bits)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>True color (32 bit)</source>
        <translation>Couleurs vraies (32 bits)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best</source>
        <translation>Optimale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low (LAN)</source>
        <translation>Faible (LAN)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium (WAN)</source>
        <translation>Moyenne (WAN)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High (Internet/VPN)</source>
        <translation>Élevée (Internet/VPN)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Percent of screen</source>
        <translation>Pourcentage de l&apos;écran</translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message>
        <location filename="../model/SaveReport.cpp" line="+20"/>
        <source>Merged with the changes on disk: %1, %2</source>
        <translation>Fusionné avec les modifications du disque&#xa0;: %1, %2</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln servers</source>
        <translation>
            <numerusform>%Ln serveur</numerusform>
            <numerusform>%Ln serveurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln devices</source>
        <translation>
            <numerusform>%Ln appareil</numerusform>
            <numerusform>%Ln appareils</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Saved zev.conf and %Ln device files</source>
        <translation>
            <numerusform>zev.conf et %Ln fichier d&apos;appareil enregistrés</numerusform>
            <numerusform>zev.conf et %Ln fichiers d&apos;appareils enregistrés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Saved %Ln device files</source>
        <translation>
            <numerusform>%Ln fichier d&apos;appareil enregistré</numerusform>
            <numerusform>%Ln fichiers d&apos;appareils enregistrés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saved: nothing to write</source>
        <translation>Enregistré&#xa0;: rien à écrire</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln already up to date</source>
        <extracomment>%Ln counts device files left as they were</extracomment>
        <translation>
            <numerusform>%Ln déjà à jour</numerusform>
            <numerusform>%Ln déjà à jour</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Another program changed zev.conf while it was being saved; its version was replaced.</source>
        <translation>Un autre programme a modifié zev.conf pendant son enregistrement&#xa0;; sa version a été remplacée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is kept as:
%1</source>
        <extracomment>%1 is the path of the copy</extracomment>
        <translation>Elle est conservée sous&#xa0;:
%1</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%Ln device files do not match zev.conf — Save writes them</source>
        <translation>
            <numerusform>%Ln fichier d&apos;appareil ne correspond pas à zev.conf — l&apos;enregistrement l&apos;écrit</numerusform>
            <numerusform>%Ln fichiers d&apos;appareils ne correspondent pas à zev.conf — l&apos;enregistrement les écrit</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <location filename="../model/ServerAddress.cpp" line="+67"/>
        <source>the “]” after the IPv6 address is missing</source>
        <translation>le «&#xa0;]&#xa0;» après l&apos;adresse IPv6 manque</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only “:” and a port may follow the “]”</source>
        <translation>seuls «&#xa0;:&#xa0;» et un port peuvent suivre le «&#xa0;]&#xa0;»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>no host name or address is given</source>
        <translation>aucun nom d&apos;hôte ni aucune adresse n&apos;est indiqué</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the port “%1” is not a number</source>
        <translation>le port «&#xa0;%1&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the port %1 is not between 1 and 65535</source>
        <translation>le port %1 n&apos;est pas compris entre 1 et 65535</translation>
    </message>
</context>
<context>
    <name>ServerCheckDialog</name>
    <message>
        <location filename="../app/ServerCheckDialog.cpp" line="+18"/>
        <source>Check all servers</source>
        <translation>Vérifier tous les serveurs</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time</source>
        <extracomment>The column of how long each check took</extracomment>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>waiting</source>
        <extracomment>A server&apos;s check has not begun yet</extracomment>
        <translation>en attente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>checking</source>
        <extracomment>A server&apos;s check is under way</extracomment>
        <translation>vérification en cours</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 ms</source>
        <extracomment>%1 how long the check took, in milliseconds</extracomment>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>ServerLabel</name>
    <message>
        <location filename="../canvas/ServerLabel.cpp" line="+60"/>
        <source>Arrows move it, Control with arrows resizes it, Return opens it, Menu key for more</source>
        <extracomment>What a screen reader says a server label&apos;s keys do</extracomment>
        <translation>Les flèches la déplacent, Ctrl avec les flèches la redimensionne, Entrée l&apos;ouvre, la touche Menu propose d&apos;autres actions</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>Server %1, %2, at %3, %4, %5 by %6</source>
        <extracomment>A server label as a screen reader names it: %1 the server&apos;s name, %2 its address and protocol (&quot;host:3389, RDP&quot;), %3, %4 its place and %5 by %6 its size, in pixels</extracomment>
        <translation>Serveur %1, %2, position %3, %4, taille %5 par %6</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>, did not answer</source>
        <extracomment>Ends a server label&apos;s spoken name when its server did not answer a connection check</extracomment>
        <translation>, n&apos;a pas répondu</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>size %1 by %2</source>
        <extracomment>A label&apos;s new size in pixels, said as an arrow key resizes it: %1 its width, %2 its height</extracomment>
        <translation>taille %1 par %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>at %1, %2</source>
        <extracomment>A label&apos;s new place in pixels, said as an arrow key moves it</extracomment>
        <translation>position %1, %2</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Clone this server</source>
        <translation>Cloner ce serveur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit server settings</source>
        <translation>Modifier les paramètres du serveur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check connection</source>
        <translation>Vérifier la connexion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete server</source>
        <translation>Supprimer le serveur</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Confirm delete server</source>
        <translation>Confirmer la suppression du serveur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Are you sure you want to delete this server?</source>
        <translation>
Voulez-vous vraiment supprimer ce serveur&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SharedFolder</name>
    <message>
        <location filename="../model/SharedFolder.cpp" line="+69"/>
        <source>%1 cannot be written by the folder&apos;s group “%2”: its owner “%3” can run “chgrp %2 %1 &amp;&amp; chmod g+rw %1” in the folder</source>
        <extracomment>%1 is a file name, %2 a group, %3 a user; the command between “ ” stays as it is</extracomment>
        <translation>%1 ne peut pas être écrit par le groupe «&#xa0;%2&#xa0;» du dossier&#xa0;: son propriétaire «&#xa0;%3&#xa0;» peut exécuter «&#xa0;chgrp %2 %1 &amp;&amp; chmod g+rw %1&#xa0;» dans le dossier</translation>
    </message>
</context>
<context>
    <name>TLabel</name>
    <message>
        <location filename="../canvas/TLabel.cpp" line="+7"/>
        <source>Network topology picture</source>
        <translation>Image de la topologie réseau</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <location filename="../dialogs/thinclient/TableDialog.cpp" line="+28"/>
        <source>Search by serial number or description</source>
        <translation>Rechercher par numéro de série ou description</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thinclients</source>
        <translation>Clients légers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show matching only</source>
        <translation>Afficher uniquement les correspondances</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Discard changes</source>
        <translation>Abandonner les modifications</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard the changes made in this table?</source>
        <translation>Abandonner les modifications apportées dans ce tableau&#xa0;?</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1: ticked</source>
        <extracomment>A box ticked from the keyboard; %1 is its column&apos;s header, e.g. Delete device</extracomment>
        <translation>%1&#xa0;: coché</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: not ticked</source>
        <extracomment>A box cleared from the keyboard; %1 is its column&apos;s header, e.g. Delete device</extracomment>
        <translation>%1&#xa0;: non coché</translation>
    </message>
</context>
<context>
    <name>TextViewDialog</name>
    <message>
        <location filename="../dialogs/TextViewDialog.cpp" line="+21"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>ThinClientImport</name>
    <message>
        <location filename="../model/ThinClientImport.cpp" line="+56"/>
        <source>
Import completed. Here are the stats:

New entries:		%L1
Updated entries:	%L2
Rejected entries:	%L3</source>
        <extracomment>the tabs line up the numbers; keep them so</extracomment>
        <translation>
Importation terminée. Voici les statistiques&#xa0;:

Nouvelles entrées&#xa0;:		%L1
Entrées mises à jour&#xa0;:		%L2
Entrées rejetées&#xa0;:		%L3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Skipped lines (not SERIAL,,,Description): %L1</source>
        <extracomment>SERIAL,,,Description is the form of a line of the list, and stays as it is</extracomment>
        <translation>Lignes ignorées (pas au format SERIAL,,,Description)&#xa0;: %L1</translation>
    </message>
</context>
<context>
    <name>ThinClientImportCommand</name>
    <message>
        <location filename="../app/ThinClientImportCommand.cpp" line="+22"/>
        <source>Text files (*.txt)</source>
        <extracomment>The file dialog&apos;s filter: the words are translated, the pattern in brackets is kept</extracomment>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from file</source>
        <translation>Importer depuis un fichier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error opening file

%1</source>
        <translation>Erreur lors de l&apos;ouverture du fichier

%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Import error</source>
        <translation>Erreur d&apos;importation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid serial number found, discarding following entry:

%1</source>
        <extracomment>%1 the line of the file that was left out</extracomment>
        <translation>Numéro de série non valide, l&apos;entrée suivante est ignorée&#xa0;:

%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import status</source>
        <translation>État de l&apos;importation</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <location filename="../model/Translations.cpp" line="+74"/>
        <source>; </source>
        <extracomment>Between the parts of one message, as in &quot;Saved zev.conf and 1 device file; 99 already up to date&quot;</extracomment>
        <translation>&#xa0;; </translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <location filename="../model/Workspace.cpp" line="+164"/>
        <source>New server “%1”</source>
        <translation>Nouveau serveur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clone server “%1”</source>
        <translation>Cloner le serveur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Edit server “%1”</source>
        <translation>Modifier le serveur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Delete server “%1”</source>
        <translation>Supprimer le serveur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Resize label “%1”</source>
        <translation>Redimensionner l&apos;étiquette «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move label “%1”</source>
        <translation>Déplacer l&apos;étiquette «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add thinclient “%1”</source>
        <translation>Ajouter le client léger «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit thinclients</source>
        <translation>Modifier les clients légers</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Assign servers</source>
        <translation>Affecter des serveurs</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Import thinclient list</source>
        <translation>Importer une liste de clients légers</translation>
    </message>
    <message>
        <location line="+154"/>
        <source>%1, or remove it while nobody is saving</source>
        <extracomment>%1 says what the owner of the lock file can do</extracomment>
        <translation>%1, ou le supprimer pendant que personne n&apos;enregistre</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Merge changes from disk</source>
        <translation>Fusionner les modifications du disque</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Reload from disk</source>
        <translation>Recharger depuis le disque</translation>
    </message>
</context>
<context>
    <name>WorkspaceReports</name>
    <message>
        <location filename="../app/WorkspaceReports.cpp" line="+27"/>
        <source>ZEV - Loading Configuration</source>
        <translation>ZEV - Chargement de la configuration</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ZEV - Saving Configuration</source>
        <translation>ZEV - Enregistrement de la configuration</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creating thinclient configuration</source>
        <translation>Création de la configuration des clients légers</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Waiting for another program to finish saving…</source>
        <translation>En attente de la fin de l&apos;enregistrement par un autre programme…</translation>
    </message>
    <message numerus="yes">
        <location line="+30"/>
        <source>Putting %Ln device files in place…</source>
        <translation>
            <numerusform>Mise en place de %Ln fichier d&apos;appareil…</numerusform>
            <numerusform>Mise en place de %Ln fichiers d&apos;appareils…</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing device files: %L1 of %L2</source>
        <translation>Écriture des fichiers des appareils&#xa0;: %L1 sur %L2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>
zev.conf was deleted by another program after ZEV read it.</source>
        <translation>
zev.conf a été supprimé par un autre programme après sa lecture par ZEV.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
zev.conf was created by another program after ZEV read it.</source>
        <translation>
zev.conf a été créé par un autre programme après sa lecture par ZEV.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
zev.conf was changed by another program after ZEV read it.</source>
        <translation>
zev.conf a été modifié par un autre programme après sa lecture par ZEV.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>zev.conf was deleted by another program — %1</source>
        <extracomment>%1 what to do about it: the File menu&apos;s merge command, or that Save writes the file again</extracomment>
        <translation>zev.conf a été supprimé par un autre programme — %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zev.conf was created by another program — %1</source>
        <translation>zev.conf a été créé par un autre programme — %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zev.conf was changed by another program — %1</source>
        <translation>zev.conf a été modifié par un autre programme — %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>

Save your configuration as zev.conf again?</source>
        <translation>

Enregistrer à nouveau votre configuration dans zev.conf&#xa0;?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>

Merge: keep both your changes and theirs.
Replace theirs: save yours over them.</source>
        <extracomment>Merge and Replace theirs are the box&apos;s buttons</extracomment>
        <translation>

Fusionner&#xa0;: conserver à la fois vos modifications et les leurs.
Remplacer leur version&#xa0;: enregistrer la vôtre par-dessus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Replace theirs</source>
        <translation>&amp;Remplacer leur version</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Not saved: your changes are kept.</source>
        <translation>Non enregistré&#xa0;: vos modifications sont conservées.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
Another program is saving into the working folder; your data has NOT been saved!

Please try again in a moment.</source>
        <translation>
Un autre programme est en train d&apos;enregistrer dans le dossier de travail&#xa0;; vos données n&apos;ont PAS été enregistrées&#xa0;!

Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>
Error opening configuration file; your data has NOT been saved!</source>
        <translation>
Erreur lors de l&apos;ouverture du fichier de configuration&#xa0;; vos données n&apos;ont PAS été enregistrées&#xa0;!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not all thinclient configuration fileshave been created</source>
        <translation>Les fichiers de configuration des clients légers n&apos;ont pas tous été créés</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>
The folder of the picture could not be opened:
%1</source>
        <translation>
Le dossier de l&apos;image n&apos;a pas pu être ouvert&#xa0;:
%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ZEV - Loading Image</source>
        <translation>ZEV - Chargement de l&apos;image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
The topology picture could not be loaded:
%1</source>
        <translation>
L&apos;image de la topologie n&apos;a pas pu être chargée&#xa0;:
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a PNG, BMP or JPEG picture</source>
        <translation>n&apos;est pas une image PNG, BMP ou JPEG</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>
zev.conf holds unresolved merge conflicts, line %1.

Settle them in an editor or with git mergetool, or all at once with
zevctl merge --ours or --theirs,
then load the picture again.</source>
        <extracomment>%1 a line number. &quot;git mergetool&quot; and &quot;zevctl merge --ours or --theirs&quot; are commands: keep them</extracomment>
        <translation>
zev.conf contient des conflits de fusion non résolus, ligne %1.

Résolvez-les dans un éditeur ou avec git mergetool, ou tous à la fois avec
zevctl merge --ours ou --theirs,
puis chargez à nouveau l&apos;image.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>
The configuration file could not be read:
%1

ZEV starts with an empty configuration. Saving will replace that file.</source>
        <translation>
Le fichier de configuration n&apos;a pas pu être lu&#xa0;:
%1

ZEV démarre avec une configuration vide. L&apos;enregistrement remplacera ce fichier.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>
Error creating file: %1
Do you want to continue?</source>
        <translation>
Erreur lors de la création du fichier&#xa0;: %1
Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>
The configuration file could not be read:
%1</source>
        <translation>
Le fichier de configuration n&apos;a pas pu être lu&#xa0;:
%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File ▸ Merge changes from disk</source>
        <extracomment>The File menu&apos;s command, named as the menu names it</extracomment>
        <translation>Fichier ▸ Fusionner les modifications du disque</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save writes it again</source>
        <translation>l&apos;enregistrement le réécrit</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>zev.conf holds no changes by another program.</source>
        <translation>zev.conf ne contient aucune modification d&apos;un autre programme.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zev.conf was deleted by another program: nothing to merge. Save writes it again.</source>
        <translation>zev.conf a été supprimé par un autre programme&#xa0;: rien à fusionner. L&apos;enregistrement le réécrit.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not merged: nothing changed.</source>
        <translation>Non fusionné&#xa0;: rien n&apos;a changé.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>
Discard your changes and load zev.conf as it is on disk?</source>
        <translation>
Abandonner vos modifications et charger zev.conf tel qu&apos;il est sur le disque&#xa0;?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reloaded zev.conf from disk.</source>
        <translation>zev.conf rechargé depuis le disque.</translation>
    </message>
</context>
<context>
    <name>zevctl</name>
    <message>
        <location filename="../cli/zevctl.cpp" line="+76"/>
        <source>line %1: settle them (an editor, git mergetool, or zevctl merge --ours or --theirs)</source>
        <extracomment>%1 is a line number; “git mergetool” and “zevctl merge --ours or --theirs” are commands</extracomment>
        <translation>ligne %1&#xa0;: résolvez-les (dans un éditeur, avec git mergetool, ou avec zevctl merge --ours ou --theirs)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>zevctl init FOLDER makes a new working folder</source>
        <extracomment>“zevctl init FOLDER” is a command and stays as it is</extracomment>
        <translation>zevctl init FOLDER crée un nouveau dossier de travail</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Another program is saving into the working folder; nothing was written.</source>
        <translation>Un autre programme est en train d&apos;enregistrer dans le dossier de travail&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>zev.conf was changed by another program meanwhile; nothing was written.</source>
        <translation>zev.conf a été modifié entre-temps par un autre programme&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Not all thinclient configuration files have been created.</source>
        <translation>Les fichiers de configuration des clients légers n&apos;ont pas tous été créés.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: missing</source>
        <extracomment>%1 is the name of a device file</extracomment>
        <translation>%1&#xa0;: manquant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1: does not match zev.conf</source>
        <translation>%1&#xa0;: ne correspond pas à zev.conf</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Invalid serial number found, discarding following entry: %1</source>
        <translation>Numéro de série non valide, l&apos;entrée suivante est ignorée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skipped line (not SERIAL,,,Description): %1</source>
        <extracomment>SERIAL,,,Description is the form of a line of the list, and stays as it is</extracomment>
        <translation>Ligne ignorée (pas au format SERIAL,,,Description)&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>line %1</source>
        <extracomment>%1 is a line number</extracomment>
        <translation>ligne %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>usage: %1</source>
        <extracomment>%1 is a command line with its placeholders, which stay as they are</extracomment>
        <translation>utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>--marker-size takes a number from 1 to 100</source>
        <translation>--marker-size attend un nombre entre 1 et 100</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>conflict: %1: %2: before %3, ours %4, theirs %5</source>
        <extracomment>%1 names a server or a thinclient, %2 the keys of zev.conf in conflict, %3 to %5 each side&apos;s value</extracomment>
        <translation>conflit&#xa0;: %1&#xa0;: %2&#xa0;: avant %3, notre version %4, leur version %5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>conflict: %1: %2: before %3, ours %4, theirs %5 (theirs taken)</source>
        <translation>conflit&#xa0;: %1&#xa0;: %2&#xa0;: avant %3, notre version %4, leur version %5 (leur version retenue)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>conflict: %1: %2: before %3, ours %4, theirs %5 (ours kept)</source>
        <translation>conflit&#xa0;: %1&#xa0;: %2&#xa0;: avant %3, notre version %4, leur version %5 (notre version conservée)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Made %1</source>
        <extracomment>%1 is the path of the zev.conf made</extracomment>
        <translation>%1 créé</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 holds unresolved merge conflicts: its device files are written once they are settled and committed</source>
        <extracomment>%1 is the path of a zev.conf</extracomment>
        <translation>%1 contient des conflits de fusion non résolus&#xa0;: les fichiers des appareils seront écrits une fois les conflits résolus et validés par un commit</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the configuration check: a problem a line; 0 none, 1 some, 2 unreadable</source>
        <translation>la vérification de la configuration&#xa0;: un problème par ligne&#xa0;; 0 aucun, 1 au moins un, 2 illisible</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writes zev.conf and every device file, as a save in the window does</source>
        <translation>écrit zev.conf et tous les fichiers des appareils, comme un enregistrement dans la fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>imports a device list (SERIAL,,,Description lines), then saves</source>
        <translation>importe une liste d&apos;appareils (lignes SERIAL,,,Description), puis enregistre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>what changed between two zev.conf files, record by record; 1 when any</source>
        <translation>ce qui a changé entre deux fichiers zev.conf, enregistrement par enregistrement&#xa0;; 1 s&apos;il y a des différences</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a zev.conf as sorted records, a line per field (a git textconv)</source>
        <translation>un zev.conf sous forme d&apos;enregistrements triés, une ligne par champ (un textconv git)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>three-way merge into OURS, conflicts marked (1) or settled one way (a git merge driver)</source>
        <translation>fusion à trois voies dans OURS, conflits marqués (1) ou résolus dans un sens (un pilote de fusion git)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>makes a new working folder: an empty zev.conf (never over one)</source>
        <translation>crée un nouveau dossier de travail&#xa0;: un zev.conf vide (jamais par-dessus un existant)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sets up the git work tree around FOLDER: attributes, ignores, the driver, the hooks</source>
        <translation>configure l&apos;arbre de travail git autour de FOLDER&#xa0;: attributs, fichiers ignorés, le pilote, les hooks</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>run by the hooks git-setup installs: writes device files that do not follow zev.conf</source>
        <translation>exécuté par les hooks qu&apos;installe git-setup&#xa0;: écrit les fichiers des appareils qui ne suivent pas zev.conf</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>commands: %1</source>
        <extracomment>%1 lists the names of the commands</extracomment>
        <translation>commandes&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown command “%1”</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown option “%1”</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 takes %2</source>
        <extracomment>%1 is a command, %2 the placeholders of its arguments (“merge takes BASE OURS THEIRS”)</extracomment>
        <translation>%1 attend %2</translation>
    </message>
</context>
</TS>
