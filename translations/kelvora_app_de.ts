<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Kelvora</source>
        <translation>Über Kelvora</translation>
    </message>
    <message>
        <source>Versie</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Met dank aan onze testers</source>
        <translation>Mit Dank an unsere Tester</translation>
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
        <translation>Datenbank aktualisieren</translation>
    </message>
    <message>
        <source>Let op: Indien u in de vorige versie van Kelvora (versie 0.9.0.2) glazuren heeft ingevoerd, en deze</source>
        <translation>Achtung: Wenn Sie in der vorigen Version von Kelvora (Version 0.9.0.2) Glasuren eingegeben haben und diese</translation>
    </message>
    <message>
        <source>in deze versie van Kelvora wilt blijven gebruiken, dan kunt u dat doen door op de &apos;Converteer&apos; knop</source>
        <translation>in dieser Version von Kelvora weiter benutzen möchten, können Sie das tun, indem Sie die Schaltfläche &apos;Konvertieren&apos;</translation>
    </message>
    <message>
        <source>te drukken. </source>
        <translation>drücken. </translation>
    </message>
    <message>
        <source>Let op: de eventueel in Kelvora versie 0.991 (deze versie) ingevoerde glazuren worden daarbij!!</source>
        <translation>Achtung: die eventuell in Kelvora Version 0.991 (dieser Version) eingegebenen Glasuren werden dabei!!</translation>
    </message>
    <message>
        <source>overschreven. Ze worden echter wel met een andere naam bewaard, met de extentie .bak.</source>
        <translation>überschrieben. Sie werden jedoch unter einem anderen Namen gespeichert, mit der Endung .bak.</translation>
    </message>
    <message>
        <source>Converteer</source>
        <translation>Konvertieren</translation>
    </message>
</context>
<context>
    <name>kelvora::TAboutBox</name>
    <message>
        <source> (Bèta versie!)</source>
        <translation> (Beta-Version!)</translation>
    </message>
</context>
<context>
    <name>kelvora::THelpForm</name>
    <message>
        <source>Kelvora - Help</source>
        <translation>Kelvora - Hilfe</translation>
    </message>
    <message>
        <source>Help afsluiten</source>
        <translation>Hilfe schließen</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Handleiding niet gevonden&lt;/h2&gt;&lt;p&gt;De handleiding hoort te staan in:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Installeer Kelvora opnieuw om de handleiding terug te zetten.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Handbuch nicht gefunden&lt;/h2&gt;&lt;p&gt;Das Handbuch sollte hier stehen:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Installieren Sie Kelvora erneut, um das Handbuch wiederherzustellen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kelvora::TMainForm</name>
    <message>
        <source>Kelvora - Glazuur berekening en registratie</source>
        <translation>Kelvora - Glasur berechnung und datenbank</translation>
    </message>
    <message>
        <source>Grond&amp;stoffen</source>
        <translation>Roh&amp;stoffe</translation>
    </message>
    <message>
        <source>&amp;Glazuren</source>
        <translation>&amp;Glasuren</translation>
    </message>
    <message>
        <source>Stull-diagram</source>
        <translation>Stull-Diagramm</translation>
    </message>
    <message>
        <source>&amp;Mengreeks...</source>
        <translation>&amp;Mischreihe...</translation>
    </message>
    <message>
        <source>Recepten &amp;importeren...</source>
        <translation>Rezepte &amp;importieren...</translation>
    </message>
    <message>
        <source>Ex&amp;porteren...</source>
        <translation>Ex&amp;portieren...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Grondstoffen</source>
        <translation>Rohstoffe</translation>
    </message>
    <message>
        <source>Glazuren</source>
        <translation>Glasuren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Systeem</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>Upgrade database vorige versie </source>
        <translation>Datenbank der Vorversion aktualisieren </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source> (alleen lezen)</source>
        <translation> (nur lesen)</translation>
    </message>
    <message>
        <source>Wilt U Kelvora verlaten?</source>
        <translation>Wollen Sie Kelvora beenden?</translation>
    </message>
    <message>
        <source>Functionaliteit nog niet geimplementeerd</source>
        <translation>Diese Funktion gibt es noch nicht</translation>
    </message>
    <message>
        <source>S&amp;token</source>
        <translation>&amp;Brände</translation>
    </message>
    <message>
        <source>Proeven &amp;zoeken...</source>
        <translation>&amp;Proben suchen...</translation>
    </message>
    <message>
        <source>&amp;Taal</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Bestand</source>
        <translation>&amp;Data</translation>
    </message>
</context>
<context>
    <name>kelvora::TSplashForm</name>
    <message>
        <source>Kelvora - Glazuurberekening</source>
        <translation>Kelvora - Glasurberechnung</translation>
    </message>
    <message>
        <source>Opstarten...</source>
        <translation>Starten...</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::Accessibility</name>
    <message>
        <source>Alles selecteren</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::DBNavigator</name>
    <message>
        <source>Eerste record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Vorige record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>Volgende record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <source>Laatste record</source>
        <translation>Letzter Datensatz</translation>
    </message>
    <message>
        <source>Nieuw record toevoegen</source>
        <translation>Neuen Datensatz hinzufügen</translation>
    </message>
    <message>
        <source>Record verwijderen</source>
        <translation>Datensatz löschen</translation>
    </message>
    <message>
        <source>Record wijzigen</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Wijzigingen opslaan</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Wijzigingen ongedaan maken</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Wilt U dit record verwijderen?</source>
        <translation>Möchten Sie diesen Datensatz löschen?</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::ErrorBox</name>
    <message>
        <source>Onbekende fout</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::FieldBinding</name>
    <message>
        <source>Het veld &apos;%1&apos; houdt ten hoogste %2 tekens; de tekst heeft er %3. Maak hem korter: er is niets opgeslagen.</source>
        <translation>Das Feld &apos;%1&apos; fasst höchstens %2 Zeichen; der Text hat %3. Kürzen Sie ihn: es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::Installation</name>
    <message>
        <source>Vrije software onder de GNU GPL, versie 3 of later (GPL-3.0-or-later); zonder enige garantie.
Gegevens: %1
Instellingen: %2</source>
        <translation>Freie Software unter der GNU GPL, Version 3 oder später (GPL-3.0-or-later); ohne jede Gewährleistung.
Daten: %1
Einstellungen: %2</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::ReadOnlyRun</name>
    <message>
        <source>alleen lezen: de gegevens zijn in gebruik door een ander Kelvora-programma</source>
        <translation>nur lesen: die Daten werden von einem anderen Kelvora-Programm benutzt</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::WindowShortcuts</name>
    <message>
        <source>Zoeken (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Suchen</translation>
    </message>
</context>
</TS>
