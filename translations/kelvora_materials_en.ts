<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>TMatImportForm</name>
    <message>
        <source>MatImportForm</source>
        <translation>Import materials</translation>
    </message>
    <message>
        <source>Importeer vanuit bestand:</source>
        <translation>Import from file:</translation>
    </message>
    <message>
        <source>Bladeren...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Importeer</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>kelvora::TMatForm</name>
    <message>
        <source>Onderhoud grondstoffen</source>
        <translation>Maintain materials</translation>
    </message>
    <message>
        <source>Er bestaat al een grondstof &apos;%1&apos;. Toch bewaren?</source>
        <translation>A material named &apos;%1&apos; exists already. Save anyway?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>naam</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Algemeen</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Omschrijving</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Samenst. proc.</source>
        <translation>Composition %</translation>
    </message>
    <message>
        <source>Prijs</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Molgewicht</source>
        <translation>Molecular weight</translation>
    </message>
    <message>
        <source>Mol/Proc</source>
        <translation>Mol/Pct</translation>
    </message>
    <message>
        <source>M: formule in mol, P: analyse in procenten, Z: zonder analyse</source>
        <translation>M: formula in mol, P: analysis in percent, Z: no analysis</translation>
    </message>
    <message>
        <source>Beschikbaar</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>% ==&gt; Mol</source>
        <translation>% ==&gt; Mol</translation>
    </message>
    <message>
        <source>Leverancier</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>Samenstelling in gewichtsprocenten.
Zet Mol/Proc op P en druk op &quot;% ==&gt; Mol&quot; op het tabblad Algemeen.</source>
        <translation>Composition in percent by weight.
Set Mol/Pct to P and press &quot;% ==&gt; Mol&quot; on the General tab.</translation>
    </message>
    <message>
        <source>Wijzigingen in de grondstof opslaan?</source>
        <translation>Save the changes to the material?</translation>
    </message>
    <message>
        <source>Omrekenen samenstelling van procenten naar mol (Zie tabblad Samenst. proc.)</source>
        <translation>Convert the composition from percent to mol (see the Composition % tab)</translation>
    </message>
</context>
<context>
    <name>kelvora::TMatImportForm</name>
    <message>
        <source>Import bestand</source>
        <translation>Import file</translation>
    </message>
    <message>
        <source>XML Files (*.XML *.xml)</source>
        <translation>XML Files (*.XML *.xml)</translation>
    </message>
    <message>
        <source>CDS Files (*.CDS *.cds)</source>
        <translation>CDS Files (*.CDS *.cds)</translation>
    </message>
</context>
<context>
    <name>kelvora::TMatLkupForm</name>
    <message>
        <source>Grondstoffen zoeken</source>
        <translation>Find materials</translation>
    </message>
    <message>
        <source>Voeg toe</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Klik hier voor drag &amp; drop</source>
        <translation>Click here to drag &amp; drop</translation>
    </message>
    <message>
        <source>Beschikbaar</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Zoeken...</source>
        <translation>Search...</translation>
    </message>
    <message>
        <source>Grondstof zoeken</source>
        <translation>Find material</translation>
    </message>
    <message>
        <source>Toont alleen de grondstoffen waarvan de naam dit bevat (Ctrl+F)</source>
        <translation>Shows only the materials whose name contains this (Ctrl+F)</translation>
    </message>
    <message>
        <source>Prijs</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Molgewicht</source>
        <translation>Molecular weight</translation>
    </message>
</context>
</TS>
