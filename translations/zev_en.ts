<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ConfigMerge</name>
    <message numerus="yes">
        <location filename="../model/ConfigMerge.cpp" line="+214"/>
        <source>%Ln more times</source>
        <extracomment>how often theirs holds the record again</extracomment>
        <translation>
            <numerusform>%Ln more time</numerusform>
            <numerusform>%Ln more times</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DlgEditThinClient</name>
    <message numerus="yes">
        <location filename="../dialogs/thinclient/DlgEditThinClient.cpp" line="+141"/>
        <source>%Ln thinclients will be deleted.

Are you sure you want to continue?</source>
        <translation>
            <numerusform>%Ln thinclient will be deleted.

Are you sure you want to continue?</numerusform>
            <numerusform>%Ln thinclients will be deleted.

Are you sure you want to continue?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <location filename="../app/MainWindow.cpp" line="+409"/>
        <source>%Ln servers</source>
        <translation>
            <numerusform>%Ln server</numerusform>
            <numerusform>%Ln servers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln thinclients</source>
        <translation>
            <numerusform>%Ln thinclient</numerusform>
            <numerusform>%Ln thinclients</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>zev.conf: %Ln problems — Tools ▸ Check configuration</source>
        <translation>
            <numerusform>zev.conf: %Ln problem — Tools ▸ Check configuration</numerusform>
            <numerusform>zev.conf: %Ln problems — Tools ▸ Check configuration</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message numerus="yes">
        <location filename="../model/SaveReport.cpp" line="+21"/>
        <source>%Ln servers</source>
        <translation>
            <numerusform>%Ln server</numerusform>
            <numerusform>%Ln servers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%Ln devices</source>
        <translation>
            <numerusform>%Ln device</numerusform>
            <numerusform>%Ln devices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>Saved zev.conf and %Ln device files</source>
        <translation>
            <numerusform>Saved zev.conf and %Ln device file</numerusform>
            <numerusform>Saved zev.conf and %Ln device files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Saved %Ln device files</source>
        <translation>
            <numerusform>Saved %Ln device file</numerusform>
            <numerusform>Saved %Ln device files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%Ln already up to date</source>
        <extracomment>%Ln counts device files left as they were</extracomment>
        <translation>
            <numerusform>%Ln already up to date</numerusform>
            <numerusform>%Ln already up to date</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+21"/>
        <source>%Ln device files do not match zev.conf — Save writes them</source>
        <translation>
            <numerusform>%Ln device file does not match zev.conf — Save writes it</numerusform>
            <numerusform>%Ln device files do not match zev.conf — Save writes them</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WorkspaceReports</name>
    <message numerus="yes">
        <location filename="../app/WorkspaceReports.cpp" line="+101"/>
        <source>Putting %Ln device files in place…</source>
        <translation>
            <numerusform>Putting %Ln device file in place…</numerusform>
            <numerusform>Putting %Ln device files in place…</numerusform>
        </translation>
    </message>
</context>
</TS>
