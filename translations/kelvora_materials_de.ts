<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>TMatImportForm</name>
    <message>
        <source>MatImportForm</source>
        <translation>Rohstoffe importieren</translation>
    </message>
    <message>
        <source>Importeer vanuit bestand:</source>
        <translation>Importieren aus Datei:</translation>
    </message>
    <message>
        <source>Bladeren...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Importeer</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>kelvora::TMatForm</name>
    <message>
        <source>Onderhoud grondstoffen</source>
        <translation>Unterhalt Rohstoffe</translation>
    </message>
    <message>
        <source>Er bestaat al een grondstof &apos;%1&apos;. Toch bewaren?</source>
        <translation>Es gibt schon einen Rohstoff &apos;%1&apos;. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Algemeen</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Omschrijving</source>
        <translation>Umschreibung</translation>
    </message>
    <message>
        <source>Samenst. proc.</source>
        <translation>Zusammenst. %</translation>
    </message>
    <message>
        <source>Prijs</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Molgewicht</source>
        <translation>Molgewicht</translation>
    </message>
    <message>
        <source>Mol/Proc</source>
        <translation>Mol/Proz</translation>
    </message>
    <message>
        <source>M: formule in mol, P: analyse in procenten, Z: zonder analyse</source>
        <translation>M: Formel in Mol, P: Analyse in Prozent, Z: ohne Analyse</translation>
    </message>
    <message>
        <source>Beschikbaar</source>
        <translation>Verfuegbar</translation>
    </message>
    <message>
        <source>% ==&gt; Mol</source>
        <translation>% ==&gt; Mol</translation>
    </message>
    <message>
        <source>Leverancier</source>
        <translation>Lieferant</translation>
    </message>
    <message>
        <source>Samenstelling in gewichtsprocenten.
Zet Mol/Proc op P en druk op &quot;% ==&gt; Mol&quot; op het tabblad Algemeen.</source>
        <translation>Zusammensetzung in Gewichtsprozent.
Setzen Sie Mol/Proz auf P und drücken Sie &quot;% ==&gt; Mol&quot; auf der Seite Allgemein.</translation>
    </message>
    <message>
        <source>Wijzigingen in de grondstof opslaan?</source>
        <translation>Änderungen am Rohstoff speichern?</translation>
    </message>
    <message>
        <source>Omrekenen samenstelling van procenten naar mol (Zie tabblad Samenst. proc.)</source>
        <translation>Zusammensetzung von Prozent in Mol umrechnen (siehe Seite Zusammenst. %)</translation>
    </message>
</context>
<context>
    <name>kelvora::TMatImportForm</name>
    <message>
        <source>Import bestand</source>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>XML Files (*.XML *.xml)</source>
        <translation>XML-Dateien (*.XML *.xml)</translation>
    </message>
    <message>
        <source>CDS Files (*.CDS *.cds)</source>
        <translation>CDS-Dateien (*.CDS *.cds)</translation>
    </message>
</context>
<context>
    <name>kelvora::TMatLkupForm</name>
    <message>
        <source>Grondstoffen zoeken</source>
        <translation>Rohstoffe suchen</translation>
    </message>
    <message>
        <source>Voeg toe</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Klik hier voor drag &amp; drop</source>
        <translation>Hier klicken zum Ziehen &amp; Ablegen</translation>
    </message>
    <message>
        <source>Beschikbaar</source>
        <translation>Verfuegbar</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Zoeken...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Grondstof zoeken</source>
        <translation>Rohstoff suchen</translation>
    </message>
    <message>
        <source>Toont alleen de grondstoffen waarvan de naam dit bevat (Ctrl+F)</source>
        <translation>Zeigt nur die Rohstoffe, deren Name dies enthält (Strg+F)</translation>
    </message>
    <message>
        <source>Prijs</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Molgewicht</source>
        <translation>Molgewicht</translation>
    </message>
</context>
</TS>
