<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Kelvora</source>
        <translation>About Kelvora</translation>
    </message>
    <message>
        <source>Versie</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Met dank aan onze testers</source>
        <translation>With thanks to our testers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TUpgradeDBForm</name>
    <message>
        <source>Upgrade database</source>
        <translation>Upgrade database</translation>
    </message>
    <message>
        <source>Let op: Indien u in de vorige versie van Kelvora (versie 0.9.0.2) glazuren heeft ingevoerd, en deze</source>
        <translation>Note: if you entered glazes in the previous version of Kelvora (version 0.9.0.2) and want to keep</translation>
    </message>
    <message>
        <source>in deze versie van Kelvora wilt blijven gebruiken, dan kunt u dat doen door op de &apos;Converteer&apos; knop</source>
        <translation>using them in this version of Kelvora, you can do so by pressing the &apos;Convert&apos;</translation>
    </message>
    <message>
        <source>te drukken. </source>
        <translation>button. </translation>
    </message>
    <message>
        <source>Let op: de eventueel in Kelvora versie 0.991 (deze versie) ingevoerde glazuren worden daarbij!!</source>
        <translation>Note: any glazes entered in Kelvora version 0.991 (this version) will then be!!</translation>
    </message>
    <message>
        <source>overschreven. Ze worden echter wel met een andere naam bewaard, met de extentie .bak.</source>
        <translation>overwritten. They are kept under another name, however, with the extension .bak.</translation>
    </message>
    <message>
        <source>Converteer</source>
        <translation>Convert</translation>
    </message>
</context>
<context>
    <name>kelvora::TAboutBox</name>
    <message>
        <source> (Bèta versie!)</source>
        <translation> (Beta version!)</translation>
    </message>
</context>
<context>
    <name>kelvora::THelpForm</name>
    <message>
        <source>Kelvora - Help</source>
        <translation>Kelvora - Help</translation>
    </message>
    <message>
        <source>Help afsluiten</source>
        <translation>Close help</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Handleiding niet gevonden&lt;/h2&gt;&lt;p&gt;De handleiding hoort te staan in:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Installeer Kelvora opnieuw om de handleiding terug te zetten.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Manual not found&lt;/h2&gt;&lt;p&gt;The manual should be in:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Install Kelvora again to restore the manual.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kelvora::TMainForm</name>
    <message>
        <source>Kelvora - Glazuur berekening en registratie</source>
        <translation>Kelvora - Glaze calculation and records</translation>
    </message>
    <message>
        <source>Grond&amp;stoffen</source>
        <translation>Material&amp;s</translation>
    </message>
    <message>
        <source>&amp;Glazuren</source>
        <translation>&amp;Glazes</translation>
    </message>
    <message>
        <source>Stull-diagram</source>
        <translation>Stull chart</translation>
    </message>
    <message>
        <source>&amp;Mengreeks...</source>
        <translation>&amp;Blend series...</translation>
    </message>
    <message>
        <source>Recepten &amp;importeren...</source>
        <translation>&amp;Import recipes...</translation>
    </message>
    <message>
        <source>Ex&amp;porteren...</source>
        <translation>Ex&amp;port...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Grondstoffen</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>Glazuren</source>
        <translation>Glazes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Systeem</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>Upgrade database vorige versie </source>
        <translation>Upgrade database from previous version </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source> (alleen lezen)</source>
        <translation> (read-only)</translation>
    </message>
    <message>
        <source>Wilt U Kelvora verlaten?</source>
        <translation>Do you want to quit Kelvora?</translation>
    </message>
    <message>
        <source>Functionaliteit nog niet geimplementeerd</source>
        <translation>This function is not available yet</translation>
    </message>
    <message>
        <source>S&amp;token</source>
        <translation>Fi&amp;rings</translation>
    </message>
    <message>
        <source>Proeven &amp;zoeken...</source>
        <translation>Find &amp;tests...</translation>
    </message>
    <message>
        <source>&amp;Taal</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Bestand</source>
        <translation>&amp;File</translation>
    </message>
</context>
<context>
    <name>kelvora::TSplashForm</name>
    <message>
        <source>Kelvora - Glazuurberekening</source>
        <translation>Kelvora - Glaze calculation</translation>
    </message>
    <message>
        <source>Opstarten...</source>
        <translation>Starting...</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::Accessibility</name>
    <message>
        <source>Alles selecteren</source>
        <translation>Select all</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::DBNavigator</name>
    <message>
        <source>Eerste record</source>
        <translation>First record</translation>
    </message>
    <message>
        <source>Vorige record</source>
        <translation>Previous record</translation>
    </message>
    <message>
        <source>Volgende record</source>
        <translation>Next record</translation>
    </message>
    <message>
        <source>Laatste record</source>
        <translation>Last record</translation>
    </message>
    <message>
        <source>Nieuw record toevoegen</source>
        <translation>Add a new record</translation>
    </message>
    <message>
        <source>Record verwijderen</source>
        <translation>Delete record</translation>
    </message>
    <message>
        <source>Record wijzigen</source>
        <translation>Edit record</translation>
    </message>
    <message>
        <source>Wijzigingen opslaan</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>Wijzigingen ongedaan maken</source>
        <translation>Undo changes</translation>
    </message>
    <message>
        <source>Wilt U dit record verwijderen?</source>
        <translation>Do you want to delete this record?</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::ErrorBox</name>
    <message>
        <source>Onbekende fout</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::FieldBinding</name>
    <message>
        <source>Het veld &apos;%1&apos; houdt ten hoogste %2 tekens; de tekst heeft er %3. Maak hem korter: er is niets opgeslagen.</source>
        <translation>The field &apos;%1&apos; holds at most %2 characters; the text has %3. Make it shorter: nothing has been saved.</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::Installation</name>
    <message>
        <source>Vrije software onder de GNU GPL, versie 3 of later (GPL-3.0-or-later); zonder enige garantie.
Gegevens: %1
Instellingen: %2</source>
        <translation>Free software under the GNU GPL, version 3 or later (GPL-3.0-or-later); without any warranty.
Data: %1
Settings: %2</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::ReadOnlyRun</name>
    <message>
        <source>alleen lezen: de gegevens zijn in gebruik door een ander Kelvora-programma</source>
        <translation>read only: the data are in use by another Kelvora program</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::WindowShortcuts</name>
    <message>
        <source>Zoeken (Ctrl+F)</source>
        <translation>Search (Ctrl+F)</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Search</translation>
    </message>
</context>
</TS>
