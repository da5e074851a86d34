<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>kelvora::TMatForm</name>
    <message>
        <source>Onderhoud grondstoffen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er bestaat al een grondstof &apos;%1&apos;. Toch bewaren?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algemeen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omschrijving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samenst. proc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prijs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Molgewicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mol/Proc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M: formule in mol, P: analyse in procenten, Z: zonder analyse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beschikbaar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% ==&gt; Mol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leverancier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samenstelling in gewichtsprocenten.
Zet Mol/Proc op P en druk op &quot;% ==&gt; Mol&quot; op het tabblad Algemeen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wijzigingen in de grondstof opslaan?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omrekenen samenstelling van procenten naar mol (Zie tabblad Samenst. proc.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TMatImportForm</name>
    <message>
        <source>MatImportForm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import bestand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML Files (*.XML *.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CDS Files (*.CDS *.cds)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TMatLkupForm</name>
    <message>
        <source>Grondstoffen zoeken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voeg toe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klik hier voor drag &amp; drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beschikbaar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoeken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstof zoeken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toont alleen de grondstoffen waarvan de naam dit bevat (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prijs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Molgewicht</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
