<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>kelvora::TAboutBox</name>
    <message>
        <source> (Bèta versie!)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::THelpForm</name>
    <message>
        <source>Kelvora - Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help afsluiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Handleiding niet gevonden&lt;/h2&gt;&lt;p&gt;De handleiding hoort te staan in:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Installeer Kelvora opnieuw om de handleiding terug te zetten.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TMainForm</name>
    <message>
        <source>Kelvora - Glazuur berekening en registratie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grond&amp;stoffen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Glazuren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stull-diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mengreeks...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recepten &amp;importeren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex&amp;porteren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstoffen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glazuren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NL - Nederlandse taal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D - Deutsche Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E - English language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Systeem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade database vorige versie </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (alleen lezen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wilt U Kelvora verlaten?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functionaliteit nog niet geimplementeerd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TUpgradeDBForm</name>
    <message>
        <source>Upgrade database</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::ui::FieldBinding</name>
    <message>
        <source>Het veld &apos;%1&apos; houdt ten hoogste %2 tekens; de tekst heeft er %3. Maak hem korter: er is niets opgeslagen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::ui::ReadOnlyRun</name>
    <message>
        <source>alleen lezen: de gegevens zijn in gebruik door een ander Kelvora-programma</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
