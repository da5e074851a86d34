<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>TVerwijderMatForm</name>
    <message>
        <source>Verwijder materiaal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::BatchPage</name>
    <message>
        <source>Batchgrootte (gram)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Dit recept is zo niet te berekenen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het recept zoals het nu op het scherm staat, naar 100 % gerekend; nog niet berekend en opgeslagen (druk op Bereken).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totaal: %1 g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kostprijs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Ansatz</translation>
    </message>
</context>
<context>
    <name>kelvora::BatchTableModel</name>
    <message>
        <source>Toevoeging, bovenop het recept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Materiaal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::BlendTileView</name>
    <message>
        <source>Tegel met de cellen van de mengreeks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::CategoryBox</name>
    <message>
        <source>1.1 Loodglazuren SK 012a-08a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.2 Loodglazuren SK 08a-02a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.3 Loodglazuren SK 02a-6a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.1 Boorvrije alkaliglazuren SK 06a-03a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.2 Alkali-boor glazuren SK 05a-5a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.3 Alkali-boor glazuren SK 5a-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.1 Zachte, loodrijke en boorvrije tin glazuren SK 05a-1a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.2 Loodhoudende, glanzende glazuren SK 03a-6a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.3 Loodvrij glazuren SK 5a-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.0 Opaak witte glazuren zonder SnO2 (ZnO-B2O3 rijk) SK 05a-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.1 Loodvrije transparante glazuren voor SK 4a-6a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.2 Loodvrije glazuren voor SK 6a-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.3 Loodvrije glazuren voor SK 9-16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.1 Calciumboraat / colemanietglazuren SK 09a-01a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.2 Calciumboraat / colemanietglazuren SK 2a-5a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.1 Zink mat glazuren SK 05a-6a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.2 Zink-barium glazuren mat glad SK 03a-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.3 Calcium magnesium glazuren mat SK 2a-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8.1 Zinksilicaat kristalglazuren SK 01a-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8.2 TiO2 (rutiel) kristalglazuren SK 2a-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8.3 Aventurien kristalglazuren SK 05a-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8.4 Vanadium-wolfraam-molybdeen kristalglazuren SK 03a-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9.0 Nikkel rood glazuren SK 1a-7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.0 Chroom rood glazuren SK 012a-07a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11.0 Chinees rode glazuren (o.b.v fritten) SK 01a-5a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.0 Olievlekken glazuren SK 6a-10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13.0 Tenmoku glazuren SK 6a-11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14.1 Steengoed glazuren SK 7-10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14.2 Steengoed glazuren SK 8-12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14.3 Steengoed glazuren SK 12-16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15.0 Loodhoudende kachelglazuren SK 06a-2a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16.0 Transparante tussentemp. glazuren SK 03a-3a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17.0 Transparante porseleinglazuren SK 8-16</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::ChemiePage</name>
    <message>
        <source>Gloeiverlies van de ruwe grondstoffen (water, CO2) bij het stoken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stull-diagram...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mengreeks...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kengetallen</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>SiO2 : Al2O3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R2O : RO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gloeiverlies (%)</source>
        <translation>Glühverlust (%)</translation>
    </message>
    <message>
        <source>Uitzettingsfactoren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lineaire uitzetting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oppervlak</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Past bij kegels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenswaarden</source>
        <translation>Grenzwerte</translation>
    </message>
    <message>
        <source>Chemische gegevens niet gevonden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dit recept is zo niet te berekenen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berekend uit het recept zoals het nu op het scherm staat; nog niet berekend en opgeslagen (druk op Bereken).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(zonder %1: geen factor in deze reeks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stull: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stull: buiten het diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vuistregel SiO2:Al2O3: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stull-diagram niet gevonden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen grenswaarden voor de kegels van dit glazuur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(de best passende van %1 tabellen voor deze kegels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bron: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle waarden binnen de grenzen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 tussen %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 buiten %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::ImportMaterialsModel</name>
    <message>
        <source>Naam in bestand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstof in Kelvora</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::ImportRecipesModel</name>
    <message>
        <source>Recept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toevoegingen</source>
        <translation>Zusätze</translation>
    </message>
    <message>
        <source>Opmerkingen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::OxideFiguresModel</name>
    <message>
        <source>Oxide</source>
        <translation>Oxid</translation>
    </message>
    <message>
        <source>Seger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gew. %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mol %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::ProposedNameEdit</name>
    <message>
        <source>Ingekort; de hele naam komt in de omschrijving: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::ReportPrinter</name>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Het afdrukken kon niet beginnen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::SheetHeading</name>
    <message>
        <source>SK %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tot SK %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SK %1 tot SK %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blad %1 van %2</source>
        <translation>Blatt %1 von %2</translation>
    </message>
</context>
<context>
    <name>kelvora::SolverResultPanel</name>
    <message>
        <source>Afwijking: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kostprijs / KG: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::StullNames</name>
    <message>
        <source>Niet gesmolten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halfmat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onderstookt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Craquelé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beste glans (Stull)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satijn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glans</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TExportForm</name>
    <message>
        <source>Glazy (YAML)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insight (XML, materialen in .materials.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GlazeChem (.glz, materialen in .mat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tekst (e-mail, forum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (een regel per grondstof)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporteren</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Glazuren</source>
        <translation>Glasuren</translation>
    </message>
    <message>
        <source>Huidig glazuur: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gekozen glazuren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle glazuren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bladeren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formaat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Exporteren naar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies eerst een of meer glazuren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies eerst een bestand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glazuur &apos;%1&apos; bestaat niet meer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> en </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 glazuur geëxporteerd naar %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 glazuren geëxporteerd naar %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TGlazForm</name>
    <message>
        <source>Wijzigingen in het glazuur opslaan?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niet bijgewerkt: druk op Bereken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glazuren invoeren onderhouden</source>
        <translation>Glasuren eingeben und pflegen</translation>
    </message>
    <message>
        <source>Er bestaat al een glazuur &apos;%1&apos;. Toch bewaren?</source>
        <translation type="unfinished"></translation>
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
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kostprijs / KG</source>
        <translation>Kostpreis / kg</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Temperatuur van (Gr C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatuur tot (Gr C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ox./Red.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De Seger-formule, de kostprijs, de temperaturen en de analyse horen bij het recept zoals het laatst berekend is, niet bij het recept op het scherm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>SK vanaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SK tot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bladeren</source>
        <translation>Blättern</translation>
    </message>
    <message>
        <source>Grondstoffen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bereken</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Basisch niet naar 1 rekenen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>percentage niet naar 100 rekenen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verw. mat...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verwijder een materiaal uit het recept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mol gew/Perc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstoffen</source>
        <translation>Rohstoffe</translation>
    </message>
    <message>
        <source>Mol gewicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Omschrijving</source>
        <translation>Umschreibung</translation>
    </message>
    <message>
        <source>Ver. mat...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verwijder een toegevoegde stof</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toegevoegde stof</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toegev. stoffen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printer setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toon Analyse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Er wordt niets toegevoegd: de gegevens zijn in gebruik door een ander Kelvora-programma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Het afdrukken kon niet beginnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Ansatz</translation>
    </message>
    <message>
        <source>Chemie</source>
        <translation>Chemie</translation>
    </message>
    <message>
        <source>Recept zoeken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoek het recept bij een formule, of het goedkoopste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vervang grondstof...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vervang een grondstof van dit glazuur door andere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plak recept...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neem een recept over uit geplakte tekst, na een voorbeeld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basen</source>
        <translation>Basen</translation>
    </message>
    <message>
        <source>Neutraal</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Zuren</source>
        <translation>Säuren</translation>
    </message>
    <message>
        <source>Open eerst het venster Glazuren: grondstoffen worden toegevoegd aan het glazuur dat daar openstaat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totaal basisch: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proeven</source>
        <translation>Proben</translation>
    </message>
    <message>
        <source>Gestopte glazuren tonen</source>
        <translation>Eingestellte Glasuren zeigen</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>(geen)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Testen</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Productie</source>
        <translation>Produktion</translation>
    </message>
    <message>
        <source>Gestopt</source>
        <translation>Eingestellt</translation>
    </message>
    <message>
        <source>Bewaar als kopie</source>
        <translation>Als Kopie speichern</translation>
    </message>
    <message>
        <source>Bewaar dit recept als een nieuw glazuur, gebaseerd op dit</source>
        <translation>Dieses Rezept als neue Glasur speichern, auf dieser basierend</translation>
    </message>
    <message>
        <source>Het glazuur &apos;%1&apos; heeft %2 proef(en) met %3 foto(&apos;s). Die ook verwijderen? Nee bewaart ze in het notitieboek.</source>
        <translation>Die Glasur &apos;%1&apos; hat %2 Probe(n) mit %3 Foto(s). Diese auch löschen? Nein behält sie im Probenbuch.</translation>
    </message>
    <message>
        <source>Bewaar en bereken het glazuur eerst (Bereken).</source>
        <translation>Speichern und berechnen Sie die Glasur zuerst (Berechnen).</translation>
    </message>
    <message>
        <source> (kopie)</source>
        <translation> (Kopie)</translation>
    </message>
    <message>
        <source>Het glazuur is bewaard als %1, gebaseerd op %2.</source>
        <translation>Die Glasur wurde als %1 gespeichert, basierend auf %2.</translation>
    </message>
    <message>
        <source>Gebaseerd op: %1</source>
        <translation>Basiert auf: %1</translation>
    </message>
    <message>
        <source>Afgeleid: %1</source>
        <translation>Abgeleitet: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::TMengreeksForm</name>
    <message>
        <source>Mengreeks</source>
        <translation>Mischreihe</translation>
    </message>
    <message>
        <source>(een bewaarde reeks openen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Opgeslagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Naam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lijn (2 glazuren)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driehoek (3 glazuren)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raster (4 glazuren)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currie 7 × 5 (4 glazuren)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Soort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hoek &amp;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> rijen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> kolommen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 rijen × 5 kolommen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grootte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B van</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Per cel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Marge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maak &amp;glazuur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bewaar reeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tull-diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Afdrukken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>cel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> per zijde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies de hoekglazuren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groen: binnen de grenswaarden van de kegels van hoek A; rood: erbuiten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sla eerst het glazuur op dat in bewerking is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geef de mengreeks eerst een naam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is al een glazuur met de naam %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glazuur %1 opgeslagen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TReceptImportForm</name>
    <message>
        <source>Recepten importeren</source>
        <translation>Rezepte importieren</translation>
    </message>
    <message>
        <source>&amp;Bestand...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plakken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>herkennen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Formaat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies een bestand of plak een recept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstoffen in het bestand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recepten in het bestand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstof</source>
        <translation>Rohstoff</translation>
    </message>
    <message>
        <source>&amp;Koppelen aan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstof om aan te koppelen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;onthouden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieuw uit &amp;analyse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stoffen buiten de oxiden &amp;weglaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieuw &amp;zonder analyse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overslaan (met de recepten die hem gebruiken)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importeren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sluiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grondstoffen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recepten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan %1 niet lezen: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geplakte tekst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: niet gelezen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receptbestanden (*.yaml *.yml *.gz *.json *.xml *.glz *.mat *.txt *.csv);;Alle bestanden (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plak recept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plak het recept (naam, dan per regel grondstof en hoeveelheid):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bij Importeren worden opgeslagen: %1 recept(en), %2 nieuwe grondstof(fen).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nog te regelen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (en %1 meer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recept(en) overgeslagen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alleen lezen: er wordt niets opgeslagen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies een grondstof in de lijst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gebruikt in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lijkt op: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(kies een grondstof)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recepten en %2 nieuwe grondstoffen opgeslagen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is niets geïmporteerd: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geïmporteerd: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TReceptZoekenForm</name>
    <message>
        <source>Geen getal: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recept zoeken</source>
        <translation>Rezept suchen</translation>
    </message>
    <message>
        <source>Grondstoffen</source>
        <translation>Rohstoffe</translation>
    </message>
    <message>
        <source>Zoeken...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Doel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formule benaderen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goedkoopste binnen de bereiken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meeste van een oxide binnen de bereiken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minste van een oxide binnen de bereiken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uitkomst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstof</source>
        <translation>Rohstoff</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Oxide</source>
        <translation>Oxid</translation>
    </message>
    <message>
        <source>Formule</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Nieuw glazuur</source>
        <translation>Neue Glasur</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Naam nieuw glazuur:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> nagebouwd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het nieuwe glazuur %1 is opgeslagen en berekend.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TStullChartForm</name>
    <message>
        <source>Stull-diagram</source>
        <translation>Stull-Diagramm</translation>
    </message>
    <message>
        <source>Seger SiO2 tegen Al2O3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SiO2 (mol per mol flux)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Al2O3 (mol per mol flux)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vuistregel SiO2:Al2O3 tonen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hulplijnen van de vuistregel van pottenbakkers (mat, satijn, glans naar de verhouding SiO2:Al2O3); geen onderdeel van Stulls diagram.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporteer PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporteer PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Exporteer PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kan %1 niet schrijven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporteer PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vuistregel SiO2:Al2O3 = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glazuren</source>
        <translation>Glasuren</translation>
    </message>
    <message>
        <source>Huidig glazuur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mengreeks</source>
        <translation>Mischreihe</translation>
    </message>
    <message>
        <source>Gebieden naar %1, %2 (%3): één flux (0,3 K2O 0,7 CaO) bij ca. SK 11; coördinaten uit een gepubliceerde reproductie van zijn diagram (Glazy). Bij andere fluxen, met boor of op andere kegels schuiven de grenzen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De vuistregel (%1) is een hulplijn naar %2, geen deel van Stulls diagram.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stull-diagram niet gevonden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(alle categorieën)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TVervangGrondstofForm</name>
    <message>
        <source>Vervang grondstof</source>
        <translation>Rohstoff ersetzen</translation>
    </message>
    <message>
        <source>Vervang:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoeken...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Oud en nieuw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstof</source>
        <translation>Rohstoff</translation>
    </message>
    <message>
        <source>Oud %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieuw %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxide</source>
        <translation>Oxid</translation>
    </message>
    <message>
        <source>Oud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieuw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overnemen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Naam nieuw glazuur:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> zonder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen glazuur om in te vervangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies de grondstoffen die %1 vervangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het nieuwe glazuur %1 is opgeslagen en berekend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glazuur: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TVerwijderMatForm</name>
    <message>
        <source>Verwijder materiaal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VerwijderMatform: error in program, wat = 0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::TargetFormulaModel</name>
    <message>
        <source>Oxide</source>
        <translation>Oxid</translation>
    </message>
    <message>
        <source>Doel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvora::ui::MaterialNameCompletion</name>
    <message>
        <source>Bedoelde grondstof kiezen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen grondstof heet &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedoeld: %1? Klik op het teken rechts in het veld om er een te kiezen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
