<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../forms/aboutdialog.ui" line="+8"/>
        <source>About Quorvane Connection Manager</source>
        <translation>Über Quorvane Connection Manager</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;span&gt;Made by &lt;b&gt;Quorvane Inc&lt;/b&gt; for thin-client fleets&lt;/span&gt;</source>
        <translation>&lt;span&gt;Entwickelt von &lt;b&gt;Quorvane Inc&lt;/b&gt; für Thin-Client-Flotten&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Online help</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AssignmentModel</name>
    <message>
        <location filename="../dialogs/thinclient/AssignmentModel.cpp" line="+64"/>
        <source>%1 – %2: assigned</source>
        <extracomment>A box of the assignment grid: %1 is the device&apos;s serial number, %2 the server&apos;s display name</extracomment>
        <translation>%1 – %2: zugewiesen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 – %2: not assigned</source>
        <extracomment>A box of the assignment grid: %1 is the device&apos;s serial number, %2 the server&apos;s display name</extracomment>
        <translation>%1 – %2: nicht zugewiesen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>ConfigBackup</name>
    <message>
        <location filename="../app/ConfigBackup.cpp" line="+20"/>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
ZEV data has been modified. Do you want to save changes before creating a backup?</source>
        <translation>
Die ZEV-Daten wurden geändert. Möchten Sie die Änderungen speichern, bevor die Sicherung erstellt wird?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save backup</source>
        <translation>Sicherung speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Your changes have not been saved, so no backup was created.</source>
        <translation>
Ihre Änderungen wurden nicht gespeichert, daher wurde keine Sicherung erstellt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Create backup file</source>
        <translation>Sicherungsdatei erstellen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Operation not allowed</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
ZEV cannot overwrite existing files! Backup file not created</source>
        <translation>
ZEV kann vorhandene Dateien nicht überschreiben! Die Sicherungsdatei wurde nicht erstellt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File write error</source>
        <translation>Fehler beim Schreiben der Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There was an error creating the backup file.
The directory may be read only, or your may not have permission to write to the directory</source>
        <translation>Beim Erstellen der Sicherungsdatei ist ein Fehler aufgetreten.
Das Verzeichnis ist möglicherweise schreibgeschützt, oder Sie haben keine Schreibberechtigung für das Verzeichnis</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <location filename="../model/ConfigCheck.cpp" line="+25"/>
        <source>Servers “%1” and “%2” share the id %3</source>
        <translation>Die Server „%1“ und „%2“ haben dieselbe ID %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Servers “%1” and “%2” share the host %3 and remote application “%4”</source>
        <translation>Die Server „%1“ und „%2“ haben denselben Host %3 und dieselbe Remote-Anwendung „%4“</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The label of server “%1” lies partly outside the picture</source>
        <translation>Das Label des Servers „%1“ liegt teilweise außerhalb des Bildes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Thinclient “%1”: the serial number “%2” cannot name a device file</source>
        <translation>Thin Client „%1“: Die Seriennummer „%2“ kann nicht als Name einer Gerätedatei dienen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thinclients %1 (“%2”) and %3 (“%4”) share the device file %5</source>
        <translation>Die Thin Clients %1 („%2“) und %3 („%4“) teilen sich die Gerätedatei %5</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Thinclient %1 is assigned the server id %2, which no server has</source>
        <translation>Dem Thin Client %1 ist die Server-ID %2 zugewiesen, die kein Server hat</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The file %1 belongs to no thinclient; a device may still read it</source>
        <translation>Die Datei %1 gehört zu keinem Thin Client; ein Gerät liest sie möglicherweise trotzdem</translation>
    </message>
</context>
<context>
    <name>ConfigCompare</name>
    <message>
        <location filename="../model/ConfigCompare.cpp" line="+103"/>
        <source>servers added %1</source>
        <extracomment>%1 lists the servers by name</extracomment>
        <translation>Server hinzugefügt: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>servers removed %1</source>
        <extracomment>%1 lists the servers by name</extracomment>
        <translation>Server entfernt: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>servers reordered</source>
        <translation>Server umsortiert</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>%1 removed</source>
        <extracomment>%1 names a server or a thinclient</extracomment>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: %2 “%3” → “%4”</source>
        <extracomment>%1 names a server or a thinclient, %2 is a key of zev.conf, %3 its old value, %4 its new one</extracomment>
        <translation>%1: %2 „%3“ → „%4“</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <extracomment>%1 names a thinclient, %2 says how its servers changed</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigMerge</name>
    <message>
        <location filename="../model/ConfigMerge.cpp" line="+29"/>
        <source>(none)</source>
        <extracomment>the value of a side of a merge conflict that does not hold the record, or the field</extracomment>
        <translation>(nicht vorhanden)</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>%1: deleted as in theirs</source>
        <extracomment>%1 names a server or a thinclient</extracomment>
        <translation>%1: gelöscht wie in der fremden Fassung</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+13"/>
        <source>present</source>
        <extracomment>the state of a record on each side of a merge conflict: before, ours, theirs</extracomment>
        <translation>vorhanden</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+13"/>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+13"/>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: added from theirs</source>
        <extracomment>%1 names a server or a thinclient</extracomment>
        <translation>%1: aus der fremden Fassung hinzugefügt</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1: %2 from theirs</source>
        <extracomment>%1 names a server or a thinclient, %2 lists keys of zev.conf</extracomment>
        <translation>%1: %2 aus der fremden Fassung</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>once</source>
        <extracomment>how often the record is on this side of a merge conflict</extracomment>
        <translation>einmal</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln more times</source>
        <extracomment>how often theirs holds the record again</extracomment>
        <translation>
            <numerusform>%Ln weiteres Mal</numerusform>
            <numerusform>%Ln weitere Male</numerusform>
        </translation>
    </message>
    <message>
        <location line="+196"/>
        <source>%1: %2 settled for theirs</source>
        <extracomment>%1 names a server or a thinclient, %2 the keys of zev.conf in conflict</extracomment>
        <translation>%1: %2 zugunsten der fremden Fassung entschieden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2 settled for mine</source>
        <translation>%1: %2 zugunsten meiner Fassung entschieden</translation>
    </message>
</context>
<context>
    <name>ConfigRecords</name>
    <message>
        <location filename="../model/ConfigRecords.cpp" line="+78"/>
        <source>Thinclient “%1”</source>
        <extracomment>%1 is the serial number of a device</extracomment>
        <translation>Thin Client „%1“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Server “%1” (%2)</source>
        <extracomment>%1 is the name of a server, %2 its id</extracomment>
        <translation>Server „%1“ (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (repeated)</source>
        <extracomment>%1 names a record whose id or serial number the file holds more than once</extracomment>
        <translation>%1 (mehrfach)</translation>
    </message>
</context>
<context>
    <name>ConflictDialog</name>
    <message>
        <location filename="../dialogs/ConflictDialog.cpp" line="+23"/>
        <source>theirs</source>
        <extracomment>Keep column of a merge conflict: the value another program saved is kept</extracomment>
        <translation>fremde Fassung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mine</source>
        <extracomment>Keep column of a merge conflict: the user&apos;s own value is kept</extracomment>
        <translation>meine Fassung</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Merge conflicts</source>
        <translation>Konflikte beim Zusammenführen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These were changed both here and by another program, each differently. Choose what to keep for each; OK merges and saves, Cancel writes nothing.</source>
        <translation>Diese Werte wurden sowohl hier als auch von einem anderen Programm geändert, jeweils unterschiedlich. Wählen Sie für jeden, was behalten wird; OK führt zusammen und speichert, Abbrechen schreibt nichts.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mine</source>
        <extracomment>Column header: the value as changed here</extracomment>
        <translation>Meine Fassung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Theirs</source>
        <extracomment>Column header: the value as another program changed it</extracomment>
        <translation>Fremde Fassung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>All mine</source>
        <translation>Alle: meine Fassung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All theirs</source>
        <translation>Alle: fremde Fassung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <location filename="../app/ConnectionCheck.cpp" line="+15"/>
        <source>cannot be checked: %1</source>
        <extracomment>%1 what is wrong with the server&apos;s address</extracomment>
        <translation>kann nicht geprüft werden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>answers</source>
        <translation>antwortet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no answer within 3 seconds</source>
        <translation>keine Antwort innerhalb von 3 Sekunden</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>does not answer: %1</source>
        <extracomment>%1 why: the system&apos;s reason, or that it did not answer in time</extracomment>
        <translation>antwortet nicht: %1</translation>
    </message>
</context>
<context>
    <name>DlgAssignServers</name>
    <message>
        <location filename="../forms/dlgassignservers.ui" line="+6"/>
        <source>Assign servers to thinclients</source>
        <translation>Server den Thin Clients zuweisen</translation>
    </message>
    <message>
        <location filename="../dialogs/thinclient/DlgAssignServers.cpp" line="+34"/>
        <source>Shift click updates entire row</source>
        <translation>Umschalt-Klick ändert die ganze Zeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Space ticks or clears a box; Shift+Space or a Shift click updates the entire row</source>
        <translation>Leertaste setzt oder entfernt ein Häkchen; Umschalt+Leertaste oder Umschalt-Klick ändert die ganze Zeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control click updates entire column</source>
        <translation>Strg-Klick ändert die ganze Spalte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control+Space or a Control click updates the entire column</source>
        <translation>Strg+Leertaste oder Strg-Klick ändert die ganze Spalte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control shift click updates all rows and columns</source>
        <translation>Strg-Umschalt-Klick ändert alle Zeilen und Spalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control+Shift+Space or a Control Shift click updates all rows and columns</source>
        <translation>Strg+Umschalt+Leertaste oder Strg-Umschalt-Klick ändert alle Zeilen und Spalten</translation>
    </message>
</context>
<context>
    <name>DlgEditThinClient</name>
    <message>
        <location filename="../forms/dlgeditthinclient.ui" line="+6"/>
        <source>Edit thinclient  properties</source>
        <translation>Thin-Client-Eigenschaften bearbeiten</translation>
    </message>
    <message>
        <location filename="../dialogs/thinclient/DlgEditThinClient.cpp" line="+29"/>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete device</source>
        <translation>Gerät löschen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show file</source>
        <translation>Datei anzeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Control click selects entire column</source>
        <translation>Strg-Klick wählt die ganze Spalte aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control+Space or a Control click selects the entire column</source>
        <translation>Strg+Leertaste oder Strg-Klick wählt die ganze Spalte aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type inside a description field to change it</source>
        <translation>Zum Ändern einfach in ein Beschreibungsfeld tippen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type in a description, or press F2 on it, to change it</source>
        <translation>Zum Ändern einer Beschreibung hineintippen oder darauf F2 drücken</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Validating input</source>
        <translation>Eingabeprüfung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Found one or more thinclients with empty description fields! 

Please enter a description for them</source>
        <translation>Ein oder mehrere Thin Clients haben ein leeres Beschreibungsfeld! 

Bitte geben Sie für diese eine Beschreibung ein</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Confirm deletion</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln thinclients will be deleted.

Are you sure you want to continue?</source>
        <translation>
            <numerusform>%Ln Thin Client wird gelöscht.

Möchten Sie wirklich fortfahren?</numerusform>
            <numerusform>%Ln Thin Clients werden gelöscht.

Möchten Sie wirklich fortfahren?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DlgServer</name>
    <message>
        <location filename="../forms/dlgserver.ui" line="+11"/>
        <source>Server information</source>
        <translation>Serverinformationen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Display name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>[protocol://]Hostname[:port]</source>
        <translation>[Protokoll://]Hostname[:Port]</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hostname</source>
        <translation>Hostname</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Remote Application</source>
        <translation>Remote-Anwendung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Access protocol</source>
        <translation>Zugriffsprotokoll</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Connect using</source>
        <translation>Verbinden über</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Color depth</source>
        <translation>Farbtiefe</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Graphics quality</source>
        <translation>Grafikqualität</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Audio quallity</source>
        <translation>Audioqualität</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Audio quality</source>
        <translation>Audioqualität</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Redirect audio</source>
        <translation>Audio umleiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Redirect mic</source>
        <translation>Mikrofon umleiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Latency</source>
        <translation>Latenz</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Window size</source>
        <translation>Fenstergröße</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Window percentage</source>
        <translation>Fenstergröße in Prozent</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set default values</source>
        <translation>Standardwerte setzen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save + New</source>
        <translation>Speichern + Neu</translation>
    </message>
    <message>
        <location filename="../dialogs/server/DlgServer.cpp" line="+75"/>
        <source>Cloning server</source>
        <translation>Server klonen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit server properties</source>
        <translation>Servereigenschaften bearbeiten</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+8"/>
        <source>Creating new server</source>
        <translation>Neuen Server anlegen</translation>
    </message>
    <message>
        <location line="+239"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>Input validation</source>
        <translation>Eingabeprüfung</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>
Display name cannot be empty</source>
        <translation>
Der Anzeigename darf nicht leer sein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
Server hostname cannot be empty</source>
        <translation>
Der Hostname des Servers darf nicht leer sein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>When hostname is set to localhost, Remote application field cannot be empty</source>
        <translation>Wenn der Hostname localhost lautet, darf das Feld „Remote-Anwendung“ nicht leer sein</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Filename extension not allowed</source>
        <translation>Dateiendung nicht zulässig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
.exe extension has been removed from %1</source>
        <extracomment>%1 is the remote application, its .exe removed</extracomment>
        <translation>
Die Endung .exe wurde aus %1 entfernt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Input Validation</source>
        <translation>Eingabeprüfung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Duplicate hostname found! Hostname and Remote application pair has been assigned to another server! 

Hostname and Remote application pairs must be unique</source>
        <translation>
Doppelter Hostname gefunden! Diese Kombination aus Hostname und Remote-Anwendung ist bereits einem anderen Server zugewiesen! 

Kombinationen aus Hostname und Remote-Anwendung müssen eindeutig sein</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid percentage</source>
        <translation>Ungültiger Prozentwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
&apos;Percent of screen&apos; value must be in the range 1-100</source>
        <translation>
Der Wert für „Fenstergröße in Prozent“ muss zwischen 1 und 100 liegen</translation>
    </message>
</context>
<context>
    <name>DlgThinClient</name>
    <message>
        <location filename="../forms/dlgthinclient.ui" line="+8"/>
        <source>Thinclient settings</source>
        <translation>Thin-Client-Einstellungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+8"/>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save + New</source>
        <translation>Speichern + Neu</translation>
    </message>
    <message>
        <location filename="../dialogs/thinclient/DlgThinClient.cpp" line="+25"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Input Validation</source>
        <translation>Eingabeprüfung</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>
Description and Serial number fields cannot be empty</source>
        <translation>
Die Felder Beschreibung und Seriennummer dürfen nicht leer sein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
Serial numbers cannot contain the characters / and \ because they name the thinclient&apos;s configuration file</source>
        <translation>
Seriennummern dürfen die Zeichen / und \ nicht enthalten, da sie den Namen der Konfigurationsdatei des Thin Clients bilden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
The specified serial number has been assigned to another thinclient device! Serial numbers must be unique</source>
        <translation>
Die angegebene Seriennummer ist bereits einem anderen Thin Client zugeordnet! Seriennummern müssen eindeutig sein</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Added new Thinclient: %1</source>
        <extracomment>%1 is the new device&apos;s description</extracomment>
        <translation>Neuer Thin Client hinzugefügt: %1</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <location filename="../model/TrustedNames.cpp" line="+141"/>
        <source>not a plain file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>larger than 256 MiB</source>
        <translation>größer als 256 MiB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a link another user made or could have moved here</source>
        <translation>ein Link, den ein anderer Benutzer angelegt hat oder hierher verschoben haben könnte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>read-only (no write permission set)</source>
        <translation>schreibgeschützt (keine Schreibberechtigung gesetzt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>holds unresolved merge conflicts</source>
        <translation>enthält ungelöste Merge-Konflikte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a usable file name</source>
        <translation>kein verwendbarer Dateiname</translation>
    </message>
</context>
<context>
    <name>GitSetup</name>
    <message>
        <location filename="../model/GitSetup.cpp" line="+78"/>
        <source>an earlier zevctl&apos;s line replaced</source>
        <translation>Zeile einer früheren zevctl-Version ersetzt</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>%1: not in a git work tree</source>
        <translation>%1: nicht in einem git-Arbeitsverzeichnis</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>git-setup stopped: a file or setting could not be written</source>
        <translation>git-setup abgebrochen: Eine Datei oder Einstellung konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Already set up: nothing changed</source>
        <translation>Bereits eingerichtet: nichts geändert</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Run “zevctl git-setup %1”: zev.conf is in git, but this clone lacks the merge driver and hooks that merge it by record and keep the device files following it</source>
        <extracomment>%1 is a folder; “zevctl git-setup %1” is a command and stays as it is</extracomment>
        <translation>Führen Sie „zevctl git-setup %1“ aus: zev.conf liegt in git, aber diesem Klon fehlen der Merge-Treiber und die Hooks, die sie Datensatz für Datensatz zusammenführen und die Gerätedateien mit ihr abgleichen</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Main tool bar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Open the ZEV web page</source>
        <translation>ZEV-Webseite öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZEV web page</source>
        <translation>ZEV-Webseite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opens the ZEV web page in the browser</source>
        <translation>Öffnet die ZEV-Webseite im Browser</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+1"/>
        <source>Load image</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>New Server</source>
        <translation>Neuer Server</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>New Thinclient</source>
        <translation>Neuer Thin Client</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Server assignment</source>
        <translation>Serverzuweisung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+21"/>
        <source>Assign servers to thinclients</source>
        <translation>Server den Thin Clients zuweisen</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+1"/>
        <location filename="../app/MainWindow.cpp" line="+573"/>
        <source>Save changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New server</source>
        <translation>Neuer Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a new server</source>
        <translation>Neuen Server anlegen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New thinclient</source>
        <translation>Neuer Thin Client</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Edit thinclients</source>
        <translation>Thin Clients bearbeiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Import thinclient list</source>
        <translation>Thin-Client-Liste importieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save backup</source>
        <translation>Sicherung speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup configuration file</source>
        <translation>Konfigurationsdatei sichern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Merge changes from disk</source>
        <translation>Änderungen vom Datenträger zusammenführen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bring in what another program saved in zev.conf, keeping your changes</source>
        <translation>Übernimmt, was ein anderes Programm in zev.conf gespeichert hat, und behält Ihre Änderungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reload from disk</source>
        <translation>Vom Datenträger neu laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard your changes and load zev.conf as it is on disk</source>
        <translation>Verwirft Ihre Änderungen und lädt zev.conf so, wie sie auf dem Datenträger liegt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Online help</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About ZEV</source>
        <translation>Über ZEV</translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="-519"/>
        <location line="+370"/>
        <source>Check configuration</source>
        <translation>Konfiguration prüfen</translation>
    </message>
    <message>
        <location line="-368"/>
        <source>Check all servers</source>
        <translation>Alle Server prüfen</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+158"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="-155"/>
        <location line="+158"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="-136"/>
        <source>Load the topology picture of your network to begin: File ▸ Load image</source>
        <translation>Laden Sie zu Beginn das Topologiebild Ihres Netzwerks: Datei ▸ Bild laden</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Undone: %1</source>
        <extracomment>%1 the name of the step undone</extracomment>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Redone: %1</source>
        <extracomment>%1 the name of the step redone</extracomment>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Details of the last merge</source>
        <translation>Details der letzten Zusammenführung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Merged changes</source>
        <translation>Zusammengeführte Änderungen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Undo %1</source>
        <extracomment>The Edit menu&apos;s Undo: %1 the name of the step it undoes</extracomment>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Redo %1</source>
        <extracomment>The Edit menu&apos;s Redo: %1 the name of the step it redoes</extracomment>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1: %2 %3</source>
        <extracomment>A connection check&apos;s answer: %1 the server&apos;s name, %2 its address, %3 the result (&quot;answers&quot;, &quot;does not answer: …&quot; or &quot;cannot be checked: …&quot;)</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Select network topology image file</source>
        <translation>Bilddatei der Netzwerktopologie auswählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Images (*.png *.bmp *.jpg)</source>
        <extracomment>The file dialog&apos;s filter: the words are translated, the patterns in brackets are kept</extracomment>
        <translation>Bilder (*.png *.bmp *.jpg)</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Loaded %1: %2, %3</source>
        <extracomment>What loading found: %1 the picture&apos;s file name, %2 how many servers, %3 how many thinclients</extracomment>
        <translation>%1 geladen: %2, %3</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln servers</source>
        <translation>
            <numerusform>%Ln Server</numerusform>
            <numerusform>%Ln Server</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln thinclients</source>
        <translation>
            <numerusform>%Ln Thin Client</numerusform>
            <numerusform>%Ln Thin Clients</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>zev.conf: %Ln problems — Tools ▸ Check configuration</source>
        <translation>
            <numerusform>zev.conf: %Ln Problem — Extras ▸ Konfiguration prüfen</numerusform>
            <numerusform>zev.conf: %Ln Probleme — Extras ▸ Konfiguration prüfen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Network topology picture, %1</source>
        <extracomment>%1 the picture&apos;s file name</extracomment>
        <translation>Bild der Netzwerktopologie, %1</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Edit Thinclients</source>
        <translation>Thin Clients bearbeiten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No thinclients have been defined yet</source>
        <translation>Es wurden noch keine Thin Clients angelegt</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>
Do you want to save changes before closing this application?</source>
        <translation>
Möchten Sie die Änderungen vor dem Beenden der Anwendung speichern?</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <location filename="../model/ProductInfo.h" line="+14"/>
        <source>Quorvane Connection Manager Ver %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>Quorvane Connection Manager Version %1</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../prompts/Prompts.cpp" line="+51"/>
        <source>Details</source>
        <extracomment>A message box&apos;s details, as a screen reader names them</extracomment>
        <translation>Details</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 File</source>
        <extracomment>The kind of a file in the file dialog: %1 the end of its name in capitals, e.g. &quot;PNG File&quot;</extracomment>
        <translation>%1-Datei</translation>
    </message>
</context>
<context>
    <name>ProtocolTable</name>
    <message>
        <location filename="../dialogs/server/ProtocolTable.cpp" line="+9"/>
        <source>8 bit</source>
        <translation>8 Bit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High color (16 bit)</source>
        <translation>High Color (16 Bit)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>True color (24 bit)</source>
        <translation>True Color (24 Bit)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>True color (32 bit)</source>
        <translation>True Color (32 Bit)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low (LAN)</source>
        <translation>Niedrig (LAN)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium (WAN)</source>
        <translation>Mittel (WAN)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High (Internet/VPN)</source>
        <translation>Hoch (Internet/VPN)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Percent of screen</source>
        <translation>Prozent des Bildschirms</translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message>
        <location filename="../model/SaveReport.cpp" line="+20"/>
        <source>Merged with the changes on disk: %1, %2</source>
        <translation>Mit den Änderungen auf dem Datenträger zusammengeführt: %1, %2</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln servers</source>
        <translation>
            <numerusform>%Ln Server</numerusform>
            <numerusform>%Ln Server</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln devices</source>
        <translation>
            <numerusform>%Ln Gerät</numerusform>
            <numerusform>%Ln Geräte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Saved zev.conf and %Ln device files</source>
        <translation>
            <numerusform>zev.conf und %Ln Gerätedatei gespeichert</numerusform>
            <numerusform>zev.conf und %Ln Gerätedateien gespeichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Saved %Ln device files</source>
        <translation>
            <numerusform>%Ln Gerätedatei gespeichert</numerusform>
            <numerusform>%Ln Gerätedateien gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saved: nothing to write</source>
        <translation>Gespeichert: nichts zu schreiben</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln already up to date</source>
        <extracomment>%Ln counts device files left as they were</extracomment>
        <translation>
            <numerusform>%Ln bereits aktuell</numerusform>
            <numerusform>%Ln bereits aktuell</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Another program changed zev.conf while it was being saved; its version was replaced.</source>
        <translation>Ein anderes Programm hat zev.conf während des Speicherns geändert; seine Fassung wurde ersetzt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is kept as:
%1</source>
        <extracomment>%1 is the path of the copy</extracomment>
        <translation>Sie bleibt erhalten als:
%1</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%Ln device files do not match zev.conf — Save writes them</source>
        <translation>
            <numerusform>%Ln Gerätedatei passt nicht zu zev.conf — Speichern schreibt sie</numerusform>
            <numerusform>%Ln Gerätedateien passen nicht zu zev.conf — Speichern schreibt sie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <location filename="../model/ServerAddress.cpp" line="+67"/>
        <source>the “]” after the IPv6 address is missing</source>
        <translation>nach der IPv6-Adresse fehlt die „]“</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only “:” and a port may follow the “]”</source>
        <translation>auf die „]“ dürfen nur „:“ und ein Port folgen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>no host name or address is given</source>
        <translation>weder Hostname noch Adresse angegeben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the port “%1” is not a number</source>
        <translation>der Port „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the port %1 is not between 1 and 65535</source>
        <translation>der Port %1 liegt nicht zwischen 1 und 65535</translation>
    </message>
</context>
<context>
    <name>ServerCheckDialog</name>
    <message>
        <location filename="../app/ServerCheckDialog.cpp" line="+18"/>
        <source>Check all servers</source>
        <translation>Alle Server prüfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time</source>
        <extracomment>The column of how long each check took</extracomment>
        <translation>Dauer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>waiting</source>
        <extracomment>A server&apos;s check has not begun yet</extracomment>
        <translation>wartet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>checking</source>
        <extracomment>A server&apos;s check is under way</extracomment>
        <translation>wird geprüft</translation>
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
        <translation>Pfeiltasten verschieben das Label, Strg mit Pfeiltasten ändert seine Größe, Eingabetaste öffnet es, Menütaste für weitere Befehle</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>Server %1, %2, at %3, %4, %5 by %6</source>
        <extracomment>A server label as a screen reader names it: %1 the server&apos;s name, %2 its address and protocol (&quot;host:3389, RDP&quot;), %3, %4 its place and %5 by %6 its size, in pixels</extracomment>
        <translation>Server %1, %2, Position %3, %4, Größe %5 mal %6</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>, did not answer</source>
        <extracomment>Ends a server label&apos;s spoken name when its server did not answer a connection check</extracomment>
        <translation>, hat nicht geantwortet</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>size %1 by %2</source>
        <extracomment>A label&apos;s new size in pixels, said as an arrow key resizes it: %1 its width, %2 its height</extracomment>
        <translation>Größe %1 mal %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>at %1, %2</source>
        <extracomment>A label&apos;s new place in pixels, said as an arrow key moves it</extracomment>
        <translation>Position %1, %2</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Clone this server</source>
        <translation>Diesen Server klonen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit server settings</source>
        <translation>Servereinstellungen bearbeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check connection</source>
        <translation>Verbindung prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete server</source>
        <translation>Server löschen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Confirm delete server</source>
        <translation>Löschen des Servers bestätigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Are you sure you want to delete this server?</source>
        <translation>
Möchten Sie diesen Server wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>SharedFolder</name>
    <message>
        <location filename="../model/SharedFolder.cpp" line="+69"/>
        <source>%1 cannot be written by the folder&apos;s group “%2”: its owner “%3” can run “chgrp %2 %1 &amp;&amp; chmod g+rw %1” in the folder</source>
        <extracomment>%1 is a file name, %2 a group, %3 a user; the command between “ ” stays as it is</extracomment>
        <translation>%1 ist für die Gruppe „%2“ des Ordners nicht beschreibbar: Der Eigentümer „%3“ kann im Ordner „chgrp %2 %1 &amp;&amp; chmod g+rw %1“ ausführen</translation>
    </message>
</context>
<context>
    <name>TLabel</name>
    <message>
        <location filename="../canvas/TLabel.cpp" line="+7"/>
        <source>Network topology picture</source>
        <translation>Bild der Netzwerktopologie</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <location filename="../dialogs/thinclient/TableDialog.cpp" line="+28"/>
        <source>Search by serial number or description</source>
        <translation>Nach Seriennummer oder Beschreibung suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thinclients</source>
        <translation>Thin Clients</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show matching only</source>
        <translation>Nur Treffer anzeigen</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Discard changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard the changes made in this table?</source>
        <translation>Die Änderungen in dieser Tabelle verwerfen?</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1: ticked</source>
        <extracomment>A box ticked from the keyboard; %1 is its column&apos;s header, e.g. Delete device</extracomment>
        <translation>%1: aktiviert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: not ticked</source>
        <extracomment>A box cleared from the keyboard; %1 is its column&apos;s header, e.g. Delete device</extracomment>
        <translation>%1: nicht aktiviert</translation>
    </message>
</context>
<context>
    <name>TextViewDialog</name>
    <message>
        <location filename="../dialogs/TextViewDialog.cpp" line="+21"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
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
Import abgeschlossen. Die Statistik:

Neue Einträge:		%L1
Aktualisierte Einträge:	%L2
Abgelehnte Einträge:	%L3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Skipped lines (not SERIAL,,,Description): %L1</source>
        <extracomment>SERIAL,,,Description is the form of a line of the list, and stays as it is</extracomment>
        <translation>Übersprungene Zeilen (nicht SERIAL,,,Description): %L1</translation>
    </message>
</context>
<context>
    <name>ThinClientImportCommand</name>
    <message>
        <location filename="../app/ThinClientImportCommand.cpp" line="+22"/>
        <source>Text files (*.txt)</source>
        <extracomment>The file dialog&apos;s filter: the words are translated, the pattern in brackets is kept</extracomment>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from file</source>
        <translation>Aus Datei importieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error opening file

%1</source>
        <translation>Fehler beim Öffnen der Datei

%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Import error</source>
        <translation>Importfehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid serial number found, discarding following entry:

%1</source>
        <extracomment>%1 the line of the file that was left out</extracomment>
        <translation>Ungültige Seriennummer gefunden, folgender Eintrag wird verworfen:

%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import status</source>
        <translation>Importstatus</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <location filename="../model/Translations.cpp" line="+74"/>
        <source>; </source>
        <extracomment>Between the parts of one message, as in &quot;Saved zev.conf and 1 device file; 99 already up to date&quot;</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <location filename="../model/Workspace.cpp" line="+164"/>
        <source>New server “%1”</source>
        <translation>Neuer Server „%1“</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clone server “%1”</source>
        <translation>Server „%1“ klonen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Edit server “%1”</source>
        <translation>Server „%1“ bearbeiten</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Delete server “%1”</source>
        <translation>Server „%1“ löschen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Resize label “%1”</source>
        <translation>Größe des Labels „%1“ ändern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move label “%1”</source>
        <translation>Label „%1“ verschieben</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add thinclient “%1”</source>
        <translation>Thin Client „%1“ hinzufügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit thinclients</source>
        <translation>Thin Clients bearbeiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Assign servers</source>
        <translation>Server zuweisen</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Import thinclient list</source>
        <translation>Thin-Client-Liste importieren</translation>
    </message>
    <message>
        <location line="+154"/>
        <source>%1, or remove it while nobody is saving</source>
        <extracomment>%1 says what the owner of the lock file can do</extracomment>
        <translation>%1 oder die Datei löschen, solange niemand speichert</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Merge changes from disk</source>
        <translation>Änderungen vom Datenträger zusammenführen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Reload from disk</source>
        <translation>Vom Datenträger neu laden</translation>
    </message>
</context>
<context>
    <name>WorkspaceReports</name>
    <message>
        <location filename="../app/WorkspaceReports.cpp" line="+27"/>
        <source>ZEV - Loading Configuration</source>
        <translation>ZEV - Konfiguration laden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ZEV - Saving Configuration</source>
        <translation>ZEV - Konfiguration speichern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creating thinclient configuration</source>
        <translation>Thin-Client-Konfiguration erstellen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Waiting for another program to finish saving…</source>
        <translation>Warten, bis ein anderes Programm das Speichern abgeschlossen hat…</translation>
    </message>
    <message numerus="yes">
        <location line="+30"/>
        <source>Putting %Ln device files in place…</source>
        <translation>
            <numerusform>%Ln Gerätedatei wird an ihren Platz gebracht…</numerusform>
            <numerusform>%Ln Gerätedateien werden an ihren Platz gebracht…</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing device files: %L1 of %L2</source>
        <translation>Gerätedateien werden geschrieben: %L1 von %L2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>
zev.conf was deleted by another program after ZEV read it.</source>
        <translation>
zev.conf wurde von einem anderen Programm gelöscht, nachdem ZEV sie gelesen hatte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
zev.conf was created by another program after ZEV read it.</source>
        <translation>
zev.conf wurde von einem anderen Programm erstellt, nachdem ZEV sie gelesen hatte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
zev.conf was changed by another program after ZEV read it.</source>
        <translation>
zev.conf wurde von einem anderen Programm geändert, nachdem ZEV sie gelesen hatte.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>zev.conf was deleted by another program — %1</source>
        <extracomment>%1 what to do about it: the File menu&apos;s merge command, or that Save writes the file again</extracomment>
        <translation>zev.conf wurde von einem anderen Programm gelöscht — %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zev.conf was created by another program — %1</source>
        <translation>zev.conf wurde von einem anderen Programm erstellt — %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zev.conf was changed by another program — %1</source>
        <translation>zev.conf wurde von einem anderen Programm geändert — %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>

Save your configuration as zev.conf again?</source>
        <translation>

Ihre Konfiguration erneut als zev.conf speichern?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>

Merge: keep both your changes and theirs.
Replace theirs: save yours over them.</source>
        <extracomment>Merge and Replace theirs are the box&apos;s buttons</extracomment>
        <translation>

Zusammenführen: Ihre Änderungen und die des anderen Programms behalten.
Überschreiben: Ihre Fassung über die des anderen Programms speichern.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Replace theirs</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Not saved: your changes are kept.</source>
        <translation>Nicht gespeichert: Ihre Änderungen bleiben erhalten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
Another program is saving into the working folder; your data has NOT been saved!

Please try again in a moment.</source>
        <translation>
Ein anderes Programm speichert gerade in den Arbeitsordner; Ihre Daten wurden NICHT gespeichert!

Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>
Error opening configuration file; your data has NOT been saved!</source>
        <translation>
Fehler beim Öffnen der Konfigurationsdatei; Ihre Daten wurden NICHT gespeichert!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not all thinclient configuration fileshave been created</source>
        <translation>Nicht alle Konfigurationsdateien der Thin Clients wurden erstellt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>
The folder of the picture could not be opened:
%1</source>
        <translation>
Der Ordner des Bildes konnte nicht geöffnet werden:
%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ZEV - Loading Image</source>
        <translation>ZEV - Bild laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
The topology picture could not be loaded:
%1</source>
        <translation>
Das Topologiebild konnte nicht geladen werden:
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a PNG, BMP or JPEG picture</source>
        <translation>kein PNG-, BMP- oder JPEG-Bild</translation>
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
zev.conf enthält ungelöste Merge-Konflikte, Zeile %1.

Lösen Sie sie in einem Editor oder mit git mergetool, oder alle auf einmal mit
zevctl merge --ours oder --theirs,
und laden Sie dann das Bild erneut.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>
The configuration file could not be read:
%1

ZEV starts with an empty configuration. Saving will replace that file.</source>
        <translation>
Die Konfigurationsdatei konnte nicht gelesen werden:
%1

ZEV startet mit einer leeren Konfiguration. Beim Speichern wird diese Datei ersetzt.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>
Error creating file: %1
Do you want to continue?</source>
        <translation>
Fehler beim Erstellen der Datei: %1
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>
The configuration file could not be read:
%1</source>
        <translation>
Die Konfigurationsdatei konnte nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File ▸ Merge changes from disk</source>
        <extracomment>The File menu&apos;s command, named as the menu names it</extracomment>
        <translation>Datei ▸ Änderungen vom Datenträger zusammenführen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save writes it again</source>
        <translation>Speichern schreibt sie neu</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>zev.conf holds no changes by another program.</source>
        <translation>zev.conf enthält keine Änderungen eines anderen Programms.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zev.conf was deleted by another program: nothing to merge. Save writes it again.</source>
        <translation>zev.conf wurde von einem anderen Programm gelöscht: nichts zusammenzuführen. Speichern schreibt sie neu.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not merged: nothing changed.</source>
        <translation>Nicht zusammengeführt: nichts geändert.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>
Discard your changes and load zev.conf as it is on disk?</source>
        <translation>
Ihre Änderungen verwerfen und zev.conf so laden, wie sie auf dem Datenträger liegt?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reloaded zev.conf from disk.</source>
        <translation>zev.conf vom Datenträger neu geladen.</translation>
    </message>
</context>
<context>
    <name>zevctl</name>
    <message>
        <location filename="../cli/zevctl.cpp" line="+76"/>
        <source>line %1: settle them (an editor, git mergetool, or zevctl merge --ours or --theirs)</source>
        <extracomment>%1 is a line number; “git mergetool” and “zevctl merge --ours or --theirs” are commands</extracomment>
        <translation>Zeile %1: Lösen Sie sie (mit einem Editor, git mergetool oder zevctl merge --ours oder --theirs)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>zevctl init FOLDER makes a new working folder</source>
        <extracomment>“zevctl init FOLDER” is a command and stays as it is</extracomment>
        <translation>zevctl init FOLDER legt einen neuen Arbeitsordner an</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Another program is saving into the working folder; nothing was written.</source>
        <translation>Ein anderes Programm speichert gerade in den Arbeitsordner; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>zev.conf was changed by another program meanwhile; nothing was written.</source>
        <translation>zev.conf wurde inzwischen von einem anderen Programm geändert; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Not all thinclient configuration files have been created.</source>
        <translation>Nicht alle Konfigurationsdateien der Thin Clients wurden erstellt.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: missing</source>
        <extracomment>%1 is the name of a device file</extracomment>
        <translation>%1: fehlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1: does not match zev.conf</source>
        <translation>%1: passt nicht zu zev.conf</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Invalid serial number found, discarding following entry: %1</source>
        <translation>Ungültige Seriennummer gefunden, folgender Eintrag wird verworfen: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skipped line (not SERIAL,,,Description): %1</source>
        <extracomment>SERIAL,,,Description is the form of a line of the list, and stays as it is</extracomment>
        <translation>Zeile übersprungen (nicht SERIAL,,,Description): %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>line %1</source>
        <extracomment>%1 is a line number</extracomment>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>usage: %1</source>
        <extracomment>%1 is a command line with its placeholders, which stay as they are</extracomment>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>--marker-size takes a number from 1 to 100</source>
        <translation>--marker-size erwartet eine Zahl von 1 bis 100</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>conflict: %1: %2: before %3, ours %4, theirs %5</source>
        <extracomment>%1 names a server or a thinclient, %2 the keys of zev.conf in conflict, %3 to %5 each side&apos;s value</extracomment>
        <translation>Konflikt: %1: %2: vorher %3, unsere %4, fremde %5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>conflict: %1: %2: before %3, ours %4, theirs %5 (theirs taken)</source>
        <translation>Konflikt: %1: %2: vorher %3, unsere %4, fremde %5 (fremde übernommen)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>conflict: %1: %2: before %3, ours %4, theirs %5 (ours kept)</source>
        <translation>Konflikt: %1: %2: vorher %3, unsere %4, fremde %5 (unsere behalten)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Made %1</source>
        <extracomment>%1 is the path of the zev.conf made</extracomment>
        <translation>%1 angelegt</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 holds unresolved merge conflicts: its device files are written once they are settled and committed</source>
        <extracomment>%1 is the path of a zev.conf</extracomment>
        <translation>%1 enthält ungelöste Merge-Konflikte: Die Gerätedateien werden geschrieben, sobald diese gelöst und committet sind</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the configuration check: a problem a line; 0 none, 1 some, 2 unreadable</source>
        <translation>die Konfigurationsprüfung: ein Problem pro Zeile; 0 keine, 1 einige, 2 nicht lesbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writes zev.conf and every device file, as a save in the window does</source>
        <translation>schreibt zev.conf und alle Gerätedateien, wie das Speichern im Fenster</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>imports a device list (SERIAL,,,Description lines), then saves</source>
        <translation>importiert eine Geräteliste (Zeilen der Form SERIAL,,,Description) und speichert dann</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>what changed between two zev.conf files, record by record; 1 when any</source>
        <translation>was sich zwischen zwei zev.conf-Dateien geändert hat, Datensatz für Datensatz; 1, wenn sich etwas geändert hat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a zev.conf as sorted records, a line per field (a git textconv)</source>
        <translation>eine zev.conf als sortierte Datensätze, eine Zeile pro Feld (ein git textconv)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>three-way merge into OURS, conflicts marked (1) or settled one way (a git merge driver)</source>
        <translation>Drei-Wege-Merge in OURS, Konflikte markiert (1) oder einseitig entschieden (ein git-Merge-Treiber)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>makes a new working folder: an empty zev.conf (never over one)</source>
        <translation>legt einen neuen Arbeitsordner an: eine leere zev.conf (nie über eine vorhandene)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sets up the git work tree around FOLDER: attributes, ignores, the driver, the hooks</source>
        <translation>richtet das git-Arbeitsverzeichnis um FOLDER ein: Attribute, Ignore-Regeln, den Treiber, die Hooks</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>run by the hooks git-setup installs: writes device files that do not follow zev.conf</source>
        <translation>von den Hooks aufgerufen, die git-setup installiert: schreibt Gerätedateien, die nicht zu zev.conf passen</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>commands: %1</source>
        <extracomment>%1 lists the names of the commands</extracomment>
        <translation>Befehle: %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown command “%1”</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown option “%1”</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 takes %2</source>
        <extracomment>%1 is a command, %2 the placeholders of its arguments (“merge takes BASE OURS THEIRS”)</extracomment>
        <translation>%1 erwartet %2</translation>
    </message>
</context>
</TS>
