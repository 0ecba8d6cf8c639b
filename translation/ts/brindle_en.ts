<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BrindleCli</name>
    <message numerus="yes">
        <source>%n choice(s)</source>
        <translation>
            <numerusform>%n choice</numerusform>
            <numerusform>%n choices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n choices)</source>
        <translation>
            <numerusform>(%n choice)</numerusform>
            <numerusform>(%n choices)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message numerus="yes">
        <source>%n characters that no book can hold, such as NUL, are each replaced by U+FFFD</source>
        <translation>
            <numerusform>%n character that no book can hold, such as NUL, is replaced by U+FFFD</numerusform>
            <numerusform>%n characters that no book can hold, such as NUL, are each replaced by U+FFFD</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message numerus="yes">
        <source>Section %1 has %n choice(s) to the empty slot %2</source>
        <translation>
            <numerusform>Section %1 has %n choice to the empty slot %2</numerusform>
            <numerusform>Section %1 has %n choices to the empty slot %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choices to section %2</source>
        <translation>
            <numerusform>Section %1 has %n choices to section %2</numerusform>
            <numerusform>Section %1 has %n choices to section %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TarnGui::CFindReplacePane</name>
    <message numerus="yes">
        <source>%Ln match(es)</source>
        <translation>
            <numerusform>%Ln match</numerusform>
            <numerusform>%Ln matches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TarnGui::CMainFrame</name>
    <message numerus="yes">
        <source>Replaced %Ln match(es)</source>
        <translation>
            <numerusform>Replaced %Ln match</numerusform>
            <numerusform>Replaced %Ln matches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TarnGui::StatisticsDlg</name>
    <message numerus="yes">
        <source>about %Ln minute(s), at 200 words a minute</source>
        <translation>
            <numerusform>about %Ln minute, at 200 words a minute</numerusform>
            <numerusform>about %Ln minutes, at 200 words a minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln choice(s)</source>
        <translation>
            <numerusform>%Ln choice</numerusform>
            <numerusform>%Ln choices</numerusform>
        </translation>
    </message>
</context>
</TS>
