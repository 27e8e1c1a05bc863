<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../forms/aboutdialog.ui" line="+8"/>
        <source>About Quorvane Connection Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;span&gt;Made by &lt;b&gt;Quorvane Inc&lt;/b&gt; for thin-client fleets&lt;/span&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Online help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AssignmentModel</name>
    <message>
        <location filename="../dialogs/thinclient/AssignmentModel.cpp" line="+62"/>
        <source>%1 – %2: assigned</source>
        <extracomment>A box of the assignment grid: %1 is the device&apos;s serial number, %2 the server&apos;s display name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 – %2: not assigned</source>
        <extracomment>A box of the assignment grid: %1 is the device&apos;s serial number, %2 the server&apos;s display name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigBackup</name>
    <message>
        <location filename="../app/ConfigBackup.cpp" line="+20"/>
        <source>Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
ZEV data has been modified. Do you want to save changes before creating a backup?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Your changes have not been saved, so no backup was created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Create backup file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Operation not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
ZEV cannot overwrite existing files! Backup file not created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There was an error creating the backup file.
The directory may be read only, or your may not have permission to write to the directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <location filename="../model/ConfigCheck.cpp" line="+25"/>
        <source>Servers “%1” and “%2” share the id %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Servers “%1” and “%2” share the host %3 and remote application “%4”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The label of server “%1” lies partly outside the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Thinclient “%1”: the serial number “%2” cannot name a device file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thinclients %1 (“%2”) and %3 (“%4”) share the device file %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Thinclient %1 is assigned the server id %2, which no server has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The file %1 belongs to no thinclient; a device may still read it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigCompare</name>
    <message>
        <location filename="../model/ConfigCompare.cpp" line="+102"/>
        <source>servers added %1</source>
        <extracomment>%1 lists the servers by name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>servers removed %1</source>
        <extracomment>%1 lists the servers by name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>servers reordered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>%1 removed</source>
        <extracomment>%1 names a server or a thinclient</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: %2 “%3” → “%4”</source>
        <extracomment>%1 names a server or a thinclient, %2 is a key of zev.conf, %3 its old value, %4 its new one</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <extracomment>%1 names a thinclient, %2 says how its servers changed</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigMerge</name>
    <message>
        <location filename="../model/ConfigMerge.cpp" line="+29"/>
        <source>(none)</source>
        <extracomment>the value of a side of a merge conflict that does not hold the record, or the field</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+103"/>
        <source>%1: deleted as in theirs</source>
        <extracomment>%1 names a server or a thinclient</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+13"/>
        <source>present</source>
        <extracomment>the state of a record on each side of a merge conflict: before, ours, theirs</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+13"/>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+13"/>
        <source>deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: added from theirs</source>
        <extracomment>%1 names a server or a thinclient</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1: %2 from theirs</source>
        <extracomment>%1 names a server or a thinclient, %2 lists keys of zev.conf</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>once</source>
        <extracomment>how often the record is on this side of a merge conflict</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln more times</source>
        <extracomment>how often theirs holds the record again</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+196"/>
        <source>%1: %2 settled for theirs</source>
        <extracomment>%1 names a server or a thinclient, %2 the keys of zev.conf in conflict</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2 settled for mine</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigRecords</name>
    <message>
        <location filename="../model/ConfigRecords.cpp" line="+78"/>
        <source>Thinclient “%1”</source>
        <extracomment>%1 is the serial number of a device</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Server “%1” (%2)</source>
        <extracomment>%1 is the name of a server, %2 its id</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (repeated)</source>
        <extracomment>%1 names a record whose id or serial number the file holds more than once</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConflictDialog</name>
    <message>
        <location filename="../dialogs/ConflictDialog.cpp" line="+23"/>
        <source>theirs</source>
        <extracomment>Keep column of a merge conflict: the value another program saved is kept</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mine</source>
        <extracomment>Keep column of a merge conflict: the user&apos;s own value is kept</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Merge conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These were changed both here and by another program, each differently. Choose what to keep for each; OK merges and saves, Cancel writes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mine</source>
        <extracomment>Column header: the value as changed here</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Theirs</source>
        <extracomment>Column header: the value as another program changed it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>All mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All theirs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <location filename="../app/ConnectionCheck.cpp" line="+15"/>
        <source>cannot be checked: %1</source>
        <extracomment>%1 what is wrong with the server&apos;s address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no answer within 3 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Host not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>does not answer: %1</source>
        <extracomment>%1 why: the system&apos;s reason, or that it did not answer in time</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgAssignServers</name>
    <message>
        <location filename="../forms/dlgassignservers.ui" line="+6"/>
        <source>Assign servers to thinclients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../dialogs/thinclient/DlgAssignServers.cpp" line="+34"/>
        <source>Shift click updates entire row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Space ticks or clears a box; Shift+Space or a Shift click updates the entire row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control click updates entire column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control+Space or a Control click updates the entire column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control shift click updates all rows and columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control+Shift+Space or a Control Shift click updates all rows and columns</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgEditThinClient</name>
    <message>
        <location filename="../forms/dlgeditthinclient.ui" line="+6"/>
        <source>Edit thinclient  properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../dialogs/thinclient/DlgEditThinClient.cpp" line="+29"/>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Control click selects entire column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Control+Space or a Control click selects the entire column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type inside a description field to change it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type in a description, or press F2 on it, to change it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Validating input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Found one or more thinclients with empty description fields! 

Please enter a description for them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Confirm deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln thinclients will be deleted.

Are you sure you want to continue?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DlgServer</name>
    <message>
        <location filename="../forms/dlgserver.ui" line="+11"/>
        <source>Server information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Display name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>[protocol://]Hostname[:port]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hostname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Remote Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Access protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Connect using</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Color depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Graphics quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Audio quallity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Audio quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Redirect audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Redirect mic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Latency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Window size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Window percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set default values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save + New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../dialogs/server/DlgServer.cpp" line="+75"/>
        <source>Cloning server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit server properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+8"/>
        <source>Creating new server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+239"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>Input validation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <source>
Display name cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
Server hostname cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>When hostname is set to localhost, Remote application field cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Filename extension not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
.exe extension has been removed from %1</source>
        <extracomment>%1 is the remote application, its .exe removed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Input Validation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Duplicate hostname found! Hostname and Remote application pair has been assigned to another server! 

Hostname and Remote application pairs must be unique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
&apos;Percent of screen&apos; value must be in the range 1-100</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DlgThinClient</name>
    <message>
        <location filename="../forms/dlgthinclient.ui" line="+8"/>
        <source>Thinclient settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+8"/>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save + New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../dialogs/thinclient/DlgThinClient.cpp" line="+25"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Input Validation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>
Description and Serial number fields cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
Serial numbers cannot contain the characters / and \ because they name the thinclient&apos;s configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
The specified serial number has been assigned to another thinclient device! Serial numbers must be unique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Added new Thinclient: %1</source>
        <extracomment>%1 is the new device&apos;s description</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <location filename="../model/TrustedNames.cpp" line="+141"/>
        <source>not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>larger than 256 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a link another user made or could have moved here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>read-only (no write permission set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>holds unresolved merge conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a usable file name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GitSetup</name>
    <message>
        <location filename="../model/GitSetup.cpp" line="+78"/>
        <source>an earlier zevctl&apos;s line replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>%1: not in a git work tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>git-setup stopped: a file or setting could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Already set up: nothing changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Run “zevctl git-setup %1”: zev.conf is in git, but this clone lacks the merge driver and hooks that merge it by record and keep the device files following it</source>
        <extracomment>%1 is a folder; “zevctl git-setup %1” is a command and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../forms/mainwindow.ui" line="+6"/>
        <source>Quorvane connection manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Main tool bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Open the ZEV web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZEV web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opens the ZEV web page in the browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+1"/>
        <source>Load image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>New Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>New Thinclient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Server assignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+21"/>
        <source>Assign servers to thinclients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+1"/>
        <location filename="../app/MainWindow.cpp" line="+574"/>
        <source>Save changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a new server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New thinclient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Edit thinclients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Import thinclient list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Merge changes from disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bring in what another program saved in zev.conf, keeping your changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reload from disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard your changes and load zev.conf as it is on disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Online help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About ZEV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/MainWindow.cpp" line="-525"/>
        <source>Quorvane Connection Manager Ver %1</source>
        <extracomment>The About box&apos;s line: %1 the version number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+370"/>
        <source>Check configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-368"/>
        <source>Check all servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+158"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-155"/>
        <location line="+158"/>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-136"/>
        <source>Load the topology picture of your network to begin: File ▸ Load image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Undone: %1</source>
        <extracomment>%1 the name of the step undone</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Redone: %1</source>
        <extracomment>%1 the name of the step redone</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Details of the last merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Merged changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Undo %1</source>
        <extracomment>The Edit menu&apos;s Undo: %1 the name of the step it undoes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Redo %1</source>
        <extracomment>The Edit menu&apos;s Redo: %1 the name of the step it redoes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1: %2 %3</source>
        <extracomment>A connection check&apos;s answer: %1 the server&apos;s name, %2 its address, %3 the result (&quot;answers&quot;, &quot;does not answer: …&quot; or &quot;cannot be checked: …&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Select network topology image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Images (*.png *.bmp *.jpg)</source>
        <extracomment>The file dialog&apos;s filter: the words are translated, the patterns in brackets are kept</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Loaded %1: %2, %3</source>
        <extracomment>What loading found: %1 the picture&apos;s file name, %2 how many servers, %3 how many thinclients</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln servers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln thinclients</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>zev.conf: %Ln problems — Tools ▸ Check configuration</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No problems found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Network topology picture, %1</source>
        <extracomment>%1 the picture&apos;s file name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Edit Thinclients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No thinclients have been defined yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+58"/>
        <source>
Do you want to save changes before closing this application?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../prompts/Prompts.cpp" line="+51"/>
        <source>Details</source>
        <extracomment>A message box&apos;s details, as a screen reader names them</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 File</source>
        <extracomment>The kind of a file in the file dialog: %1 the end of its name in capitals, e.g. &quot;PNG File&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProtocolTable</name>
    <message>
        <location filename="../dialogs/server/ProtocolTable.cpp" line="+9"/>
        <source>8 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High color (16 bit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>True color (24 bit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>True color (32 bit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low (LAN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium (WAN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High (Internet/VPN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Percent of screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message>
        <location filename="../model/SaveReport.cpp" line="+18"/>
        <source>Merged with the changes on disk: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln servers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln devices</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Saved zev.conf and %Ln device files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Saved %Ln device files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saved: nothing to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln already up to date</source>
        <extracomment>%Ln counts device files left as they were</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Another program changed zev.conf while it was being saved; its version was replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is kept as:
%1</source>
        <extracomment>%1 is the path of the copy</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%Ln device files do not match zev.conf — Save writes them</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <location filename="../model/ServerAddress.cpp" line="+67"/>
        <source>the “]” after the IPv6 address is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only “:” and a port may follow the “]”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>no host name or address is given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the port “%1” is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the port %1 is not between 1 and 65535</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerCheckDialog</name>
    <message>
        <location filename="../app/ServerCheckDialog.cpp" line="+18"/>
        <source>Check all servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time</source>
        <extracomment>The column of how long each check took</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>waiting</source>
        <extracomment>A server&apos;s check has not begun yet</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>checking</source>
        <extracomment>A server&apos;s check is under way</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 ms</source>
        <extracomment>%1 how long the check took, in milliseconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerLabel</name>
    <message>
        <location filename="../canvas/ServerLabel.cpp" line="+60"/>
        <source>Arrows move it, Control with arrows resizes it, Return opens it, Menu key for more</source>
        <extracomment>What a screen reader says a server label&apos;s keys do</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+148"/>
        <source>Server %1, %2, at %3, %4, %5 by %6</source>
        <extracomment>A server label as a screen reader names it: %1 the server&apos;s name, %2 its address and protocol (&quot;host:3389, RDP&quot;), %3, %4 its place and %5 by %6 its size, in pixels</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>, did not answer</source>
        <extracomment>Ends a server label&apos;s spoken name when its server did not answer a connection check</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>size %1 by %2</source>
        <extracomment>A label&apos;s new size in pixels, said as an arrow key resizes it: %1 its width, %2 its height</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>at %1, %2</source>
        <extracomment>A label&apos;s new place in pixels, said as an arrow key moves it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Clone this server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit server settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Confirm delete server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
Are you sure you want to delete this server?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharedFolder</name>
    <message>
        <location filename="../model/SharedFolder.cpp" line="+69"/>
        <source>%1 cannot be written by the folder&apos;s group “%2”: its owner “%3” can run “chgrp %2 %1 &amp;&amp; chmod g+rw %1” in the folder</source>
        <extracomment>%1 is a file name, %2 a group, %3 a user; the command between “ ” stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLabel</name>
    <message>
        <location filename="../canvas/TLabel.cpp" line="+7"/>
        <source>Network topology picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <location filename="../dialogs/thinclient/TableDialog.cpp" line="+28"/>
        <source>Search by serial number or description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thinclients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show matching only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Discard changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard the changes made in this table?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1: ticked</source>
        <extracomment>A box ticked from the keyboard; %1 is its column&apos;s header, e.g. Delete device</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: not ticked</source>
        <extracomment>A box cleared from the keyboard; %1 is its column&apos;s header, e.g. Delete device</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextViewDialog</name>
    <message>
        <location filename="../dialogs/TextViewDialog.cpp" line="+21"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Skipped lines (not SERIAL,,,Description): %L1</source>
        <extracomment>SERIAL,,,Description is the form of a line of the list, and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThinClientImportCommand</name>
    <message>
        <location filename="../app/ThinClientImportCommand.cpp" line="+22"/>
        <source>Text files (*.txt)</source>
        <extracomment>The file dialog&apos;s filter: the words are translated, the pattern in brackets is kept</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error opening file

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Import error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid serial number found, discarding following entry:

%1</source>
        <extracomment>%1 the line of the file that was left out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <location filename="../model/Workspace.cpp" line="+164"/>
        <source>New server “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clone server “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Edit server “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Delete server “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Resize label “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move label “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add thinclient “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit thinclients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Assign servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Import thinclient list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+154"/>
        <source>%1, or remove it while nobody is saving</source>
        <extracomment>%1 says what the owner of the lock file can do</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Merge changes from disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Reload from disk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkspaceReports</name>
    <message>
        <location filename="../app/WorkspaceReports.cpp" line="+27"/>
        <source>ZEV - Loading Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ZEV - Saving Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creating thinclient configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Waiting for another program to finish saving…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+30"/>
        <source>Putting %Ln device files in place…</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing device files: %L1 of %L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>
zev.conf was deleted by another program after ZEV read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
zev.conf was created by another program after ZEV read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
zev.conf was changed by another program after ZEV read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>zev.conf was deleted by another program — %1</source>
        <extracomment>%1 what to do about it: the File menu&apos;s merge command, or that Save writes the file again</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zev.conf was created by another program — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zev.conf was changed by another program — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>

Save your configuration as zev.conf again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>

Merge: keep both your changes and theirs.
Replace theirs: save yours over them.</source>
        <extracomment>Merge and Replace theirs are the box&apos;s buttons</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Replace theirs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Not saved: your changes are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
Another program is saving into the working folder; your data has NOT been saved!

Please try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>
Error opening configuration file; your data has NOT been saved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not all thinclient configuration fileshave been created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>
The folder of the picture could not be opened:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ZEV - Loading Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>
The topology picture could not be loaded:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a PNG, BMP or JPEG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>
zev.conf holds unresolved merge conflicts, line %1.

Settle them in an editor or with git mergetool, or all at once with
zevctl merge --ours or --theirs,
then load the picture again.</source>
        <extracomment>%1 a line number. &quot;git mergetool&quot; and &quot;zevctl merge --ours or --theirs&quot; are commands: keep them</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>
The configuration file could not be read:
%1

ZEV starts with an empty configuration. Saving will replace that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>
Error creating file: %1
Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>
The configuration file could not be read:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File ▸ Merge changes from disk</source>
        <extracomment>The File menu&apos;s command, named as the menu names it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save writes it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>zev.conf holds no changes by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zev.conf was deleted by another program: nothing to merge. Save writes it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not merged: nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>
Discard your changes and load zev.conf as it is on disk?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reloaded zev.conf from disk.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zevctl</name>
    <message>
        <location filename="../cli/zevctl.cpp" line="+76"/>
        <source>line %1: settle them (an editor, git mergetool, or zevctl merge --ours or --theirs)</source>
        <extracomment>%1 is a line number; “git mergetool” and “zevctl merge --ours or --theirs” are commands</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>zevctl init FOLDER makes a new working folder</source>
        <extracomment>“zevctl init FOLDER” is a command and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Another program is saving into the working folder; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>zev.conf was changed by another program meanwhile; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Not all thinclient configuration files have been created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: missing</source>
        <extracomment>%1 is the name of a device file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1: does not match zev.conf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Invalid serial number found, discarding following entry: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skipped line (not SERIAL,,,Description): %1</source>
        <extracomment>SERIAL,,,Description is the form of a line of the list, and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>line %1</source>
        <extracomment>%1 is a line number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>usage: %1</source>
        <extracomment>%1 is a command line with its placeholders, which stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>--marker-size takes a number from 1 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>conflict: %1: %2: before %3, ours %4, theirs %5</source>
        <extracomment>%1 names a server or a thinclient, %2 the keys of zev.conf in conflict, %3 to %5 each side&apos;s value</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>conflict: %1: %2: before %3, ours %4, theirs %5 (theirs taken)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>conflict: %1: %2: before %3, ours %4, theirs %5 (ours kept)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Made %1</source>
        <extracomment>%1 is the path of the zev.conf made</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 holds unresolved merge conflicts: its device files are written once they are settled and committed</source>
        <extracomment>%1 is the path of a zev.conf</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the configuration check: a problem a line; 0 none, 1 some, 2 unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writes zev.conf and every device file, as a save in the window does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>imports a device list (SERIAL,,,Description lines), then saves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>what changed between two zev.conf files, record by record; 1 when any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a zev.conf as sorted records, a line per field (a git textconv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>three-way merge into OURS, conflicts marked (1) or settled one way (a git merge driver)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>makes a new working folder: an empty zev.conf (never over one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sets up the git work tree around FOLDER: attributes, ignores, the driver, the hooks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>run by the hooks git-setup installs: writes device files that do not follow zev.conf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>commands: %1</source>
        <extracomment>%1 lists the names of the commands</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown command “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown option “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 takes %2</source>
        <extracomment>%1 is a command, %2 the placeholders of its arguments (“merge takes BASE OURS THEIRS”)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
