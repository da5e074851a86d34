<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>TVerwijderMatForm</name>
    <message>
        <source>Verwijder materiaal</source>
        <translation>Remove material</translation>
    </message>
</context>
<context>
    <name>kelvora::BatchPage</name>
    <message>
        <source>Batchgrootte (gram)</source>
        <translation>Batch size (grams)</translation>
    </message>
    <message>
        <source> g</source>
        <translation> g</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Dit recept is zo niet te berekenen: %1</source>
        <translation>This recipe cannot be calculated as it is: %1</translation>
    </message>
    <message>
        <source>Het recept zoals het nu op het scherm staat, naar 100 % gerekend; nog niet berekend en opgeslagen (druk op Bereken).</source>
        <translation>The recipe as it now stands on screen, brought to 100 %; not yet calculated and saved (press Calculate).</translation>
    </message>
    <message>
        <source>Totaal: %1 g</source>
        <translation>Total: %1 g</translation>
    </message>
    <message>
        <source>Kostprijs: %1</source>
        <translation>Cost price: %1</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Batch</translation>
    </message>
</context>
<context>
    <name>kelvora::BatchTableModel</name>
    <message>
        <source>Toevoeging, bovenop het recept</source>
        <translation>Addition, on top of the recipe</translation>
    </message>
    <message>
        <source>Materiaal</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>Grams</translation>
    </message>
</context>
<context>
    <name>kelvora::BlendTileView</name>
    <message>
        <source>Tegel met de cellen van de mengreeks</source>
        <translation>Tile with the cells of the blend series</translation>
    </message>
</context>
<context>
    <name>kelvora::CategoryBox</name>
    <message>
        <source>1.1 Loodglazuren SK 012a-08a</source>
        <translation>1.1 Lead glazes SK 012a-08a</translation>
    </message>
    <message>
        <source>1.2 Loodglazuren SK 08a-02a</source>
        <translation>1.2 Lead glazes SK 08a-02a</translation>
    </message>
    <message>
        <source>1.3 Loodglazuren SK 02a-6a</source>
        <translation>1.3 Lead glazes SK 02a-6a</translation>
    </message>
    <message>
        <source>2.1 Boorvrije alkaliglazuren SK 06a-03a</source>
        <translation>2.1 Boron-free alkaline glazes SK 06a-03a</translation>
    </message>
    <message>
        <source>2.2 Alkali-boor glazuren SK 05a-5a</source>
        <translation>2.2 Alkaline-boron glazes SK 05a-5a</translation>
    </message>
    <message>
        <source>2.3 Alkali-boor glazuren SK 5a-9</source>
        <translation>2.3 Alkaline-boron glazes SK 5a-9</translation>
    </message>
    <message>
        <source>3.1 Zachte, loodrijke en boorvrije tin glazuren SK 05a-1a</source>
        <translation>3.1 Soft, lead-rich and boron-free tin glazes SK 05a-1a</translation>
    </message>
    <message>
        <source>3.2 Loodhoudende, glanzende glazuren SK 03a-6a</source>
        <translation>3.2 Lead-bearing glossy glazes SK 03a-6a</translation>
    </message>
    <message>
        <source>3.3 Loodvrij glazuren SK 5a-9</source>
        <translation>3.3 Lead-free glazes SK 5a-9</translation>
    </message>
    <message>
        <source>4.0 Opaak witte glazuren zonder SnO2 (ZnO-B2O3 rijk) SK 05a-9</source>
        <translation>4.0 Opaque white glazes without SnO2 (rich in ZnO-B2O3) SK 05a-9</translation>
    </message>
    <message>
        <source>5.1 Loodvrije transparante glazuren voor SK 4a-6a</source>
        <translation>5.1 Lead-free transparent glazes for SK 4a-6a</translation>
    </message>
    <message>
        <source>5.2 Loodvrije glazuren voor SK 6a-9</source>
        <translation>5.2 Lead-free glazes for SK 6a-9</translation>
    </message>
    <message>
        <source>5.3 Loodvrije glazuren voor SK 9-16</source>
        <translation>5.3 Lead-free glazes for SK 9-16</translation>
    </message>
    <message>
        <source>6.1 Calciumboraat / colemanietglazuren SK 09a-01a</source>
        <translation>6.1 Calcium borate / colemanite glazes SK 09a-01a</translation>
    </message>
    <message>
        <source>6.2 Calciumboraat / colemanietglazuren SK 2a-5a</source>
        <translation>6.2 Calcium borate / colemanite glazes SK 2a-5a</translation>
    </message>
    <message>
        <source>7.1 Zink mat glazuren SK 05a-6a</source>
        <translation>7.1 Zinc matte glazes SK 05a-6a</translation>
    </message>
    <message>
        <source>7.2 Zink-barium glazuren mat glad SK 03a-9</source>
        <translation>7.2 Zinc-barium glazes, smooth matte SK 03a-9</translation>
    </message>
    <message>
        <source>7.3 Calcium magnesium glazuren mat SK 2a-9</source>
        <translation>7.3 Calcium magnesium matte glazes SK 2a-9</translation>
    </message>
    <message>
        <source>8.1 Zinksilicaat kristalglazuren SK 01a-8</source>
        <translation>8.1 Zinc silicate crystalline glazes SK 01a-8</translation>
    </message>
    <message>
        <source>8.2 TiO2 (rutiel) kristalglazuren SK 2a-9</source>
        <translation>8.2 TiO2 (rutile) crystalline glazes SK 2a-9</translation>
    </message>
    <message>
        <source>8.3 Aventurien kristalglazuren SK 05a-8</source>
        <translation>8.3 Aventurine crystalline glazes SK 05a-8</translation>
    </message>
    <message>
        <source>8.4 Vanadium-wolfraam-molybdeen kristalglazuren SK 03a-8</source>
        <translation>8.4 Vanadium-tungsten-molybdenum crystalline glazes SK 03a-8</translation>
    </message>
    <message>
        <source>9.0 Nikkel rood glazuren SK 1a-7</source>
        <translation>9.0 Nickel red glazes SK 1a-7</translation>
    </message>
    <message>
        <source>10.0 Chroom rood glazuren SK 012a-07a</source>
        <translation>10.0 Chrome red glazes SK 012a-07a</translation>
    </message>
    <message>
        <source>11.0 Chinees rode glazuren (o.b.v fritten) SK 01a-5a</source>
        <translation>11.0 Chinese red glazes (frit based) SK 01a-5a</translation>
    </message>
    <message>
        <source>12.0 Olievlekken glazuren SK 6a-10</source>
        <translation>12.0 Oil spot glazes SK 6a-10</translation>
    </message>
    <message>
        <source>13.0 Tenmoku glazuren SK 6a-11</source>
        <translation>13.0 Tenmoku glazes SK 6a-11</translation>
    </message>
    <message>
        <source>14.1 Steengoed glazuren SK 7-10</source>
        <translation>14.1 Stoneware glazes SK 7-10</translation>
    </message>
    <message>
        <source>14.2 Steengoed glazuren SK 8-12</source>
        <translation>14.2 Stoneware glazes SK 8-12</translation>
    </message>
    <message>
        <source>14.3 Steengoed glazuren SK 12-16</source>
        <translation>14.3 Stoneware glazes SK 12-16</translation>
    </message>
    <message>
        <source>15.0 Loodhoudende kachelglazuren SK 06a-2a</source>
        <translation>15.0 Lead-bearing stove glazes SK 06a-2a</translation>
    </message>
    <message>
        <source>16.0 Transparante tussentemp. glazuren SK 03a-3a</source>
        <translation>16.0 Transparent mid-temperature glazes SK 03a-3a</translation>
    </message>
    <message>
        <source>17.0 Transparante porseleinglazuren SK 8-16</source>
        <translation>17.0 Transparent porcelain glazes SK 8-16</translation>
    </message>
</context>
<context>
    <name>kelvora::ChemiePage</name>
    <message>
        <source>Gloeiverlies van de ruwe grondstoffen (water, CO2) bij het stoken</source>
        <translation>Loss on ignition of the raw materials (water, CO2) during firing</translation>
    </message>
    <message>
        <source>Stull-diagram...</source>
        <translation>Stull chart...</translation>
    </message>
    <message>
        <source>Mengreeks...</source>
        <translation>Blend series...</translation>
    </message>
    <message>
        <source>Kengetallen</source>
        <translation>Key figures</translation>
    </message>
    <message>
        <source>SiO2 : Al2O3</source>
        <translation>SiO2 : Al2O3</translation>
    </message>
    <message>
        <source>R2O : RO</source>
        <translation>R2O : RO</translation>
    </message>
    <message>
        <source>Gloeiverlies (%)</source>
        <translation>LOI (%)</translation>
    </message>
    <message>
        <source>Uitzettingsfactoren</source>
        <translation>Expansion factors</translation>
    </message>
    <message>
        <source>Lineaire uitzetting</source>
        <translation>Linear expansion</translation>
    </message>
    <message>
        <source>Oppervlak</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Past bij kegels</source>
        <translation>Fits cones</translation>
    </message>
    <message>
        <source>Grenswaarden</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Chemische gegevens niet gevonden: %1</source>
        <translation>Chemistry data not found: %1</translation>
    </message>
    <message>
        <source>Dit recept is zo niet te berekenen: %1</source>
        <translation>This recipe cannot be calculated as it is: %1</translation>
    </message>
    <message>
        <source>Berekend uit het recept zoals het nu op het scherm staat; nog niet berekend en opgeslagen (druk op Bereken).</source>
        <translation>Calculated from the recipe as it now stands on screen; not yet calculated and saved (press Calculate).</translation>
    </message>
    <message>
        <source>(zonder %1: geen factor in deze reeks)</source>
        <translation>(without %1: no factor in this set)</translation>
    </message>
    <message>
        <source>Stull: %1</source>
        <translation>Stull: %1</translation>
    </message>
    <message>
        <source>Stull: buiten het diagram</source>
        <translation>Stull: outside the chart</translation>
    </message>
    <message>
        <source>vuistregel SiO2:Al2O3: %1</source>
        <translation>rule of thumb SiO2:Al2O3: %1</translation>
    </message>
    <message>
        <source>Stull-diagram niet gevonden: %1</source>
        <translation>Stull chart not found: %1</translation>
    </message>
    <message>
        <source>Geen grenswaarden voor de kegels van dit glazuur.</source>
        <translation>No limits for the cones of this glaze.</translation>
    </message>
    <message>
        <source>(de best passende van %1 tabellen voor deze kegels)</source>
        <translation>(the best fitting of %1 tables for these cones)</translation>
    </message>
    <message>
        <source>Bron: %1</source>
        <translation>Source: %1</translation>
    </message>
    <message>
        <source>Alle waarden binnen de grenzen.</source>
        <translation>All values within the limits.</translation>
    </message>
    <message>
        <source>%1: %2 tussen %3</source>
        <translation>%1: %2 between %3</translation>
    </message>
    <message>
        <source>%1 %2 buiten %3</source>
        <translation>%1 %2 outside %3</translation>
    </message>
</context>
<context>
    <name>kelvora::ImportMaterialsModel</name>
    <message>
        <source>Naam in bestand</source>
        <translation>Name in file</translation>
    </message>
    <message>
        <source>Staat</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Grondstof in Kelvora</source>
        <translation>Material in Kelvora</translation>
    </message>
</context>
<context>
    <name>kelvora::ImportRecipesModel</name>
    <message>
        <source>Recept</source>
        <translation>Recipe</translation>
    </message>
    <message>
        <source>Staat</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Regels</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Toevoegingen</source>
        <translation>Additions</translation>
    </message>
    <message>
        <source>Opmerkingen</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>kelvora::OxideFiguresModel</name>
    <message>
        <source>Oxide</source>
        <translation>Oxide</translation>
    </message>
    <message>
        <source>Seger</source>
        <translation>Seger</translation>
    </message>
    <message>
        <source>Gew. %</source>
        <translation>Wt. %</translation>
    </message>
    <message>
        <source>Mol %</source>
        <translation>Mol %</translation>
    </message>
</context>
<context>
    <name>kelvora::ProposedNameEdit</name>
    <message>
        <source>Ingekort; de hele naam komt in de omschrijving: %1</source>
        <translation>Shortened; the whole name goes into the description: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::ReportPrinter</name>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Het afdrukken kon niet beginnen.</source>
        <translation>Printing could not start.</translation>
    </message>
</context>
<context>
    <name>kelvora::SheetHeading</name>
    <message>
        <source>SK %1</source>
        <translation>SK %1</translation>
    </message>
    <message>
        <source>tot SK %1</source>
        <translation>to SK %1</translation>
    </message>
    <message>
        <source>SK %1 tot SK %2</source>
        <translation>SK %1 to SK %2</translation>
    </message>
    <message>
        <source>blad %1 van %2</source>
        <translation>page %1 of %2</translation>
    </message>
</context>
<context>
    <name>kelvora::SolverResultPanel</name>
    <message>
        <source>Afwijking: %1</source>
        <translation>Deviation: %1</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (was %2)</translation>
    </message>
    <message>
        <source>Kostprijs / KG: %1</source>
        <translation>Cost price / kg: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::StullNames</name>
    <message>
        <source>Niet gesmolten</source>
        <translation>Unfused</translation>
    </message>
    <message>
        <source>Mat</source>
        <translation>Matte</translation>
    </message>
    <message>
        <source>Halfmat</source>
        <translation>Semi-matte</translation>
    </message>
    <message>
        <source>Onderstookt</source>
        <translation>Underfired</translation>
    </message>
    <message>
        <source>Glans</source>
        <translation>Bright</translation>
    </message>
    <message>
        <source>Craquelé</source>
        <translation>Crazing</translation>
    </message>
    <message>
        <source>Beste glans (Stull)</source>
        <translation>Best gloss (Stull)</translation>
    </message>
    <message>
        <source>mat</source>
        <translation>matte</translation>
    </message>
    <message>
        <source>satijn</source>
        <translation>satin</translation>
    </message>
    <message>
        <source>glans</source>
        <translation>gloss</translation>
    </message>
</context>
<context>
    <name>kelvora::TExportForm</name>
    <message>
        <source>Glazy (YAML)</source>
        <translation>Glazy (YAML)</translation>
    </message>
    <message>
        <source>Insight (XML, materialen in .materials.xml)</source>
        <translation>Insight (XML, materials in .materials.xml)</translation>
    </message>
    <message>
        <source>GlazeChem (.glz, materialen in .mat)</source>
        <translation>GlazeChem (.glz, materials in .mat)</translation>
    </message>
    <message>
        <source>Tekst (e-mail, forum)</source>
        <translation>Text (e-mail, forum)</translation>
    </message>
    <message>
        <source>CSV (een regel per grondstof)</source>
        <translation>CSV (one line per material)</translation>
    </message>
    <message>
        <source>Exporteren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Glazuren</source>
        <translation>Glazes</translation>
    </message>
    <message>
        <source>Huidig glazuur: %1</source>
        <translation>Current glaze: %1</translation>
    </message>
    <message>
        <source>Gekozen glazuren</source>
        <translation>Chosen glazes</translation>
    </message>
    <message>
        <source>Alle glazuren</source>
        <translation>All glazes</translation>
    </message>
    <message>
        <source>Bladeren...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Formaat:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Bestand:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Exporteren naar</source>
        <translation>Export to</translation>
    </message>
    <message>
        <source>Kies eerst een of meer glazuren.</source>
        <translation>Choose one or more glazes first.</translation>
    </message>
    <message>
        <source>Kies eerst een bestand.</source>
        <translation>Choose a file first.</translation>
    </message>
    <message>
        <source>Glazuur &apos;%1&apos; bestaat niet meer.</source>
        <translation>Glaze &apos;%1&apos; no longer exists.</translation>
    </message>
    <message>
        <source> en </source>
        <translation> and </translation>
    </message>
    <message>
        <source>1 glazuur geëxporteerd naar %1</source>
        <translation>1 glaze exported to %1</translation>
    </message>
    <message>
        <source>%1 glazuren geëxporteerd naar %2</source>
        <translation>%1 glazes exported to %2</translation>
    </message>
</context>
<context>
    <name>kelvora::TGlazForm</name>
    <message>
        <source>Wijzigingen in het glazuur opslaan?</source>
        <translation>Save the changes to the glaze?</translation>
    </message>
    <message>
        <source>Niet bijgewerkt: druk op Bereken</source>
        <translation>Not updated: press Calculate</translation>
    </message>
    <message>
        <source>Glazuren invoeren onderhouden</source>
        <translation>Maintain glazes</translation>
    </message>
    <message>
        <source>Er bestaat al een glazuur &apos;%1&apos;. Toch bewaren?</source>
        <translation>A glaze &apos;%1&apos; exists already. Save anyway?</translation>
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
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kostprijs / KG</source>
        <translation>Cost price / kg</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Temperatuur van (Gr C)</source>
        <translation>Temperature from (°C)</translation>
    </message>
    <message>
        <source>SK</source>
        <translation>SK</translation>
    </message>
    <message>
        <source>Temperatuur tot (Gr C)</source>
        <translation>Temperature to (°C)</translation>
    </message>
    <message>
        <source>Ox./Red.</source>
        <translation>Ox./Red.</translation>
    </message>
    <message>
        <source>De Seger-formule, de kostprijs, de temperaturen en de analyse horen bij het recept zoals het laatst berekend is, niet bij het recept op het scherm.</source>
        <translation>The Seger formula, the cost price, the temperatures and the analysis belong to the recipe as last calculated, not to the recipe on screen.</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>SK vanaf</source>
        <translation>SK from</translation>
    </message>
    <message>
        <source>SK tot</source>
        <translation>SK to</translation>
    </message>
    <message>
        <source>Bladeren</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Grondstoffen...</source>
        <translation>Materials...</translation>
    </message>
    <message>
        <source>Bereken</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Basisch niet naar 1 rekenen</source>
        <translation>Do not bring bases to 1</translation>
    </message>
    <message>
        <source>percentage niet naar 100 rekenen</source>
        <translation>do not bring percentages to 100</translation>
    </message>
    <message>
        <source>Verw. mat...</source>
        <translation>Rem. mat...</translation>
    </message>
    <message>
        <source>Verwijder een materiaal uit het recept</source>
        <translation>Remove a material from the recipe</translation>
    </message>
    <message>
        <source>Mol gew/Perc.</source>
        <translation>Mol wt/Perc.</translation>
    </message>
    <message>
        <source>Grondstoffen</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>Mol gewicht</source>
        <translation>Mol weight</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Omschrijving</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Ver. mat...</source>
        <translation>Rem. mat...</translation>
    </message>
    <message>
        <source>Verwijder een toegevoegde stof</source>
        <translation>Remove an addition</translation>
    </message>
    <message>
        <source>Toegevoegde stof</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Toegev. stoffen</source>
        <translation>Additions</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Printer setup</source>
        <translation>Printer setup</translation>
    </message>
    <message>
        <source>Toon Analyse</source>
        <translation>Show analysis</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Er wordt niets toegevoegd: de gegevens zijn in gebruik door een ander Kelvora-programma.</source>
        <translation>Nothing is added: the data are in use by another Kelvora program.</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Het afdrukken kon niet beginnen.</source>
        <translation>Printing could not start.</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>Chemie</source>
        <translation>Chemistry</translation>
    </message>
    <message>
        <source>Recept zoeken...</source>
        <translation>Find recipe...</translation>
    </message>
    <message>
        <source>Zoek het recept bij een formule, of het goedkoopste</source>
        <translation>Find the recipe for a formula, or the cheapest</translation>
    </message>
    <message>
        <source>Vervang grondstof...</source>
        <translation>Replace material...</translation>
    </message>
    <message>
        <source>Vervang een grondstof van dit glazuur door andere</source>
        <translation>Replace a material of this glaze with others</translation>
    </message>
    <message>
        <source>Plak recept...</source>
        <translation>Paste recipe...</translation>
    </message>
    <message>
        <source>Neem een recept over uit geplakte tekst, na een voorbeeld</source>
        <translation>Take over a recipe from pasted text, after a preview</translation>
    </message>
    <message>
        <source>Basen</source>
        <translation>Bases</translation>
    </message>
    <message>
        <source>Neutraal</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Zuren</source>
        <translation>Acids</translation>
    </message>
    <message>
        <source>Open eerst het venster Glazuren: grondstoffen worden toegevoegd aan het glazuur dat daar openstaat.</source>
        <translation>Open the Glazes window first: materials are added to the glaze open there.</translation>
    </message>
    <message>
        <source>Totaal basisch: %1</source>
        <translation>Total bases: %1</translation>
    </message>
    <message>
        <source>Proeven</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Gestopte glazuren tonen</source>
        <translation>Show stopped glazes</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>(geen)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Testen</source>
        <translation>Testing</translation>
    </message>
    <message>
        <source>Productie</source>
        <translation>Production</translation>
    </message>
    <message>
        <source>Gestopt</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Bewaar als kopie</source>
        <translation>Save as copy</translation>
    </message>
    <message>
        <source>Bewaar dit recept als een nieuw glazuur, gebaseerd op dit</source>
        <translation>Save this recipe as a new glaze, based on this one</translation>
    </message>
    <message>
        <source>Het glazuur &apos;%1&apos; heeft %2 proef(en) met %3 foto(&apos;s). Die ook verwijderen? Nee bewaart ze in het notitieboek.</source>
        <translation>The glaze &apos;%1&apos; has %2 test(s) with %3 photo(s). Delete those too? No keeps them in the notebook.</translation>
    </message>
    <message>
        <source>Bewaar en bereken het glazuur eerst (Bereken).</source>
        <translation>Save and calculate the glaze first (Calculate).</translation>
    </message>
    <message>
        <source> (kopie)</source>
        <translation> (copy)</translation>
    </message>
    <message>
        <source>Het glazuur is bewaard als %1, gebaseerd op %2.</source>
        <translation>The glaze was saved as %1, based on %2.</translation>
    </message>
    <message>
        <source>Gebaseerd op: %1</source>
        <translation>Based on: %1</translation>
    </message>
    <message>
        <source>Afgeleid: %1</source>
        <translation>Derived: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::TMengreeksForm</name>
    <message>
        <source>Mengreeks</source>
        <translation>Blend series</translation>
    </message>
    <message>
        <source>(een bewaarde reeks openen)</source>
        <translation>(open a saved series)</translation>
    </message>
    <message>
        <source>&amp;Opgeslagen</source>
        <translation>&amp;Saved</translation>
    </message>
    <message>
        <source>&amp;Naam</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Lijn (2 glazuren)</source>
        <translation>Line (2 glazes)</translation>
    </message>
    <message>
        <source>Driehoek (3 glazuren)</source>
        <translation>Triaxial (3 glazes)</translation>
    </message>
    <message>
        <source>Raster (4 glazuren)</source>
        <translation>Grid (4 glazes)</translation>
    </message>
    <message>
        <source>Currie 7 × 5 (4 glazuren)</source>
        <translation>Currie 7 × 5 (4 glazes)</translation>
    </message>
    <message>
        <source>&amp;Soort</source>
        <translation>&amp;Kind</translation>
    </message>
    <message>
        <source>Hoek &amp;%1</source>
        <translation>Corner &amp;%1</translation>
    </message>
    <message>
        <source> cellen</source>
        <translation> cells</translation>
    </message>
    <message>
        <source> rijen</source>
        <translation> rows</translation>
    </message>
    <message>
        <source> kolommen</source>
        <translation> columns</translation>
    </message>
    <message>
        <source>7 rijen × 5 kolommen</source>
        <translation>7 rows × 5 columns</translation>
    </message>
    <message>
        <source>&amp;Grootte</source>
        <translation>&amp;Size</translation>
    </message>
    <message>
        <source>tot</source>
        <translation>to</translation>
    </message>
    <message>
        <source>B van</source>
        <translation>B from</translation>
    </message>
    <message>
        <source>&amp;Per cel</source>
        <translation>&amp;Per cell</translation>
    </message>
    <message>
        <source>&amp;Marge</source>
        <translation>&amp;Margin</translation>
    </message>
    <message>
        <source>Maak &amp;glazuur</source>
        <translation>Make &amp;glaze</translation>
    </message>
    <message>
        <source>&amp;Bewaar reeks</source>
        <translation>&amp;Save series</translation>
    </message>
    <message>
        <source>S&amp;tull-diagram</source>
        <translation>S&amp;tull chart</translation>
    </message>
    <message>
        <source>&amp;Afdrukken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>cel %1</source>
        <translation>cell %1</translation>
    </message>
    <message>
        <source> per zijde</source>
        <translation> per side</translation>
    </message>
    <message>
        <source>Kies de hoekglazuren.</source>
        <translation>Choose the corner glazes.</translation>
    </message>
    <message>
        <source>Groen: binnen de grenswaarden van de kegels van hoek A; rood: erbuiten.</source>
        <translation>Green: within the limits for the cones of corner A; red: outside them.</translation>
    </message>
    <message>
        <source>Sla eerst het glazuur op dat in bewerking is.</source>
        <translation>First save the glaze being edited.</translation>
    </message>
    <message>
        <source>Geef de mengreeks eerst een naam.</source>
        <translation>Give the blend series a name first.</translation>
    </message>
    <message>
        <source>Er is al een glazuur met de naam %1.</source>
        <translation>A glaze named %1 exists already.</translation>
    </message>
    <message>
        <source>Glazuur %1 opgeslagen.</source>
        <translation>Glaze %1 saved.</translation>
    </message>
</context>
<context>
    <name>kelvora::TReceptImportForm</name>
    <message>
        <source>Recepten importeren</source>
        <translation>Import recipes</translation>
    </message>
    <message>
        <source>&amp;Bestand...</source>
        <translation>&amp;File...</translation>
    </message>
    <message>
        <source>&amp;Plakken...</source>
        <translation>&amp;Paste...</translation>
    </message>
    <message>
        <source>herkennen</source>
        <translation>detect</translation>
    </message>
    <message>
        <source>&amp;Formaat</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>Kies een bestand of plak een recept.</source>
        <translation>Choose a file or paste a recipe.</translation>
    </message>
    <message>
        <source>Grondstoffen in het bestand</source>
        <translation>Materials in the file</translation>
    </message>
    <message>
        <source>Recepten in het bestand</source>
        <translation>Recipes in the file</translation>
    </message>
    <message>
        <source>Grondstof</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>&amp;Koppelen aan</source>
        <translation>&amp;Link to</translation>
    </message>
    <message>
        <source>Grondstof om aan te koppelen</source>
        <translation>Material to link to</translation>
    </message>
    <message>
        <source>&amp;onthouden</source>
        <translation>&amp;remember</translation>
    </message>
    <message>
        <source>Nieuw uit &amp;analyse</source>
        <translation>New from &amp;analysis</translation>
    </message>
    <message>
        <source>stoffen buiten de oxiden &amp;weglaten</source>
        <translation>&amp;leave out substances other than oxides</translation>
    </message>
    <message>
        <source>Nieuw &amp;zonder analyse</source>
        <translation>New &amp;without analysis</translation>
    </message>
    <message>
        <source>&amp;Overslaan (met de recepten die hem gebruiken)</source>
        <translation>&amp;Skip (with the recipes that use it)</translation>
    </message>
    <message>
        <source>&amp;Importeren</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Sluiten</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Grondstoffen</source>
        <translation>&amp;Materials</translation>
    </message>
    <message>
        <source>&amp;Recepten</source>
        <translation>&amp;Recipes</translation>
    </message>
    <message>
        <source>Kan %1 niet lezen: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>geplakte tekst</source>
        <translation>pasted text</translation>
    </message>
    <message>
        <source>%1: niet gelezen</source>
        <translation>%1: not read</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Receptbestanden (*.yaml *.yml *.gz *.json *.xml *.glz *.mat *.txt *.csv);;Alle bestanden (*)</source>
        <translation>Recipe files (*.yaml *.yml *.gz *.json *.xml *.glz *.mat *.txt *.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Plak recept</source>
        <translation>Paste recipe</translation>
    </message>
    <message>
        <source>Plak het recept (naam, dan per regel grondstof en hoeveelheid):</source>
        <translation>Paste the recipe (name, then one line per material and amount):</translation>
    </message>
    <message>
        <source>Bij Importeren worden opgeslagen: %1 recept(en), %2 nieuwe grondstof(fen).</source>
        <translation>Import will save: %1 recipe(s), %2 new material(s).</translation>
    </message>
    <message>
        <source>Nog te regelen: %1</source>
        <translation>Still to settle: %1</translation>
    </message>
    <message>
        <source> (en %1 meer)</source>
        <translation> (and %1 more)</translation>
    </message>
    <message>
        <source>%1 recept(en) overgeslagen.</source>
        <translation>%1 recipe(s) skipped.</translation>
    </message>
    <message>
        <source>Alleen lezen: er wordt niets opgeslagen.</source>
        <translation>Read only: nothing will be saved.</translation>
    </message>
    <message>
        <source>Kies een grondstof in de lijst.</source>
        <translation>Choose a material in the list.</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Gebruikt in: %1</source>
        <translation>Used in: %1</translation>
    </message>
    <message>
        <source>lijkt op: %1</source>
        <translation>looks like: %1</translation>
    </message>
    <message>
        <source>(kies een grondstof)</source>
        <translation>(choose a material)</translation>
    </message>
    <message>
        <source>%1 recepten en %2 nieuwe grondstoffen opgeslagen.</source>
        <translation>%1 recipes and %2 new materials saved.</translation>
    </message>
    <message>
        <source>Er is niets geïmporteerd: %1</source>
        <translation>Nothing was imported: %1</translation>
    </message>
    <message>
        <source>Geïmporteerd: %1</source>
        <translation>Imported: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::TReceptZoekenForm</name>
    <message>
        <source>Geen getal: %1</source>
        <translation>Not a number: %1</translation>
    </message>
    <message>
        <source>Recept zoeken</source>
        <translation>Find recipe</translation>
    </message>
    <message>
        <source>Grondstoffen</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>Zoeken...</source>
        <translation>Search...</translation>
    </message>
    <message>
        <source>Doel</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Formule benaderen</source>
        <translation>Approach the formula</translation>
    </message>
    <message>
        <source>Goedkoopste binnen de bereiken</source>
        <translation>Cheapest within the ranges</translation>
    </message>
    <message>
        <source>Meeste van een oxide binnen de bereiken</source>
        <translation>Most of one oxide within the ranges</translation>
    </message>
    <message>
        <source>Minste van een oxide binnen de bereiken</source>
        <translation>Least of one oxide within the ranges</translation>
    </message>
    <message>
        <source>Uitkomst</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Grondstof</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Oxide</source>
        <translation>Oxide</translation>
    </message>
    <message>
        <source>Formule</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Nieuw glazuur</source>
        <translation>New glaze</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Naam nieuw glazuur:</source>
        <translation>Name of new glaze:</translation>
    </message>
    <message>
        <source> nagebouwd</source>
        <translation> reproduced</translation>
    </message>
    <message>
        <source>Het nieuwe glazuur %1 is opgeslagen en berekend.</source>
        <translation>The new glaze %1 has been saved and calculated.</translation>
    </message>
</context>
<context>
    <name>kelvora::TStullChartForm</name>
    <message>
        <source>Stull-diagram</source>
        <translation>Stull chart</translation>
    </message>
    <message>
        <source>Seger SiO2 tegen Al2O3</source>
        <translation>Seger SiO2 against Al2O3</translation>
    </message>
    <message>
        <source>SiO2 (mol per mol flux)</source>
        <translation>SiO2 (mol per mol flux)</translation>
    </message>
    <message>
        <source>Al2O3 (mol per mol flux)</source>
        <translation>Al2O3 (mol per mol flux)</translation>
    </message>
    <message>
        <source>Vuistregel SiO2:Al2O3 tonen</source>
        <translation>Show rule of thumb SiO2:Al2O3</translation>
    </message>
    <message>
        <source>Hulplijnen van de vuistregel van pottenbakkers (mat, satijn, glans naar de verhouding SiO2:Al2O3); geen onderdeel van Stulls diagram.</source>
        <translation>Guide lines of the potters&apos; rule of thumb (matte, satin, gloss by the SiO2:Al2O3 ratio); not part of Stull&apos;s chart.</translation>
    </message>
    <message>
        <source>Exporteer PNG...</source>
        <translation>Export PNG...</translation>
    </message>
    <message>
        <source>Exporteer PDF...</source>
        <translation>Export PDF...</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Exporteer PNG</source>
        <translation>Export PNG</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
    <message>
        <source>Kan %1 niet schrijven</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>Exporteer PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Vuistregel SiO2:Al2O3 = %1</source>
        <translation>Rule of thumb SiO2:Al2O3 = %1</translation>
    </message>
    <message>
        <source>Glazuren</source>
        <translation>Glazes</translation>
    </message>
    <message>
        <source>Huidig glazuur</source>
        <translation>Current glaze</translation>
    </message>
    <message>
        <source>Mengreeks</source>
        <translation>Blend series</translation>
    </message>
    <message>
        <source>Gebieden naar %1, %2 (%3): één flux (0,3 K2O 0,7 CaO) bij ca. SK 11; coördinaten uit een gepubliceerde reproductie van zijn diagram (Glazy). Bij andere fluxen, met boor of op andere kegels schuiven de grenzen.</source>
        <translation>Regions after %1, %2 (%3): one flux (0.3 K2O 0.7 CaO) at about SK 11; coordinates from a published reproduction of his chart (Glazy). With other fluxes, with boron or at other cones the borders shift.</translation>
    </message>
    <message>
        <source>De vuistregel (%1) is een hulplijn naar %2, geen deel van Stulls diagram.</source>
        <translation>The rule of thumb (%1) is a guide line after %2, not part of Stull&apos;s chart.</translation>
    </message>
    <message>
        <source>Stull-diagram niet gevonden: %1</source>
        <translation>Stull chart not found: %1</translation>
    </message>
    <message>
        <source>(alle categorieën)</source>
        <translation>(all categories)</translation>
    </message>
</context>
<context>
    <name>kelvora::TVervangGrondstofForm</name>
    <message>
        <source>Vervang grondstof</source>
        <translation>Replace material</translation>
    </message>
    <message>
        <source>Vervang:</source>
        <translation>Replace:</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>With</translation>
    </message>
    <message>
        <source>Zoeken...</source>
        <translation>Search...</translation>
    </message>
    <message>
        <source>Oud en nieuw</source>
        <translation>Old and new</translation>
    </message>
    <message>
        <source>Grondstof</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Oud %</source>
        <translation>Old %</translation>
    </message>
    <message>
        <source>Nieuw %</source>
        <translation>New %</translation>
    </message>
    <message>
        <source>Oxide</source>
        <translation>Oxide</translation>
    </message>
    <message>
        <source>Oud</source>
        <translation>Old</translation>
    </message>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Overnemen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Naam nieuw glazuur:</source>
        <translation>Name of new glaze:</translation>
    </message>
    <message>
        <source> zonder </source>
        <translation> without </translation>
    </message>
    <message>
        <source>Geen glazuur om in te vervangen.</source>
        <translation>No glaze to replace in.</translation>
    </message>
    <message>
        <source>Kies de grondstoffen die %1 vervangen.</source>
        <translation>Choose the materials that replace %1.</translation>
    </message>
    <message>
        <source>Het nieuwe glazuur %1 is opgeslagen en berekend.</source>
        <translation>The new glaze %1 has been saved and calculated.</translation>
    </message>
    <message>
        <source>Glazuur: %1</source>
        <translation>Glaze: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::TVerwijderMatForm</name>
    <message>
        <source>Verwijder materiaal</source>
        <translation>Remove material</translation>
    </message>
    <message>
        <source>VerwijderMatform: error in program, wat = 0</source>
        <translation>VerwijderMatform: error in program, wat = 0</translation>
    </message>
</context>
<context>
    <name>kelvora::TargetFormulaModel</name>
    <message>
        <source>Oxide</source>
        <translation>Oxide</translation>
    </message>
    <message>
        <source>Doel</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
</context>
<context>
    <name>kelvora::ui::MaterialNameCompletion</name>
    <message>
        <source>Bedoelde grondstof kiezen</source>
        <translation>Choose the intended material</translation>
    </message>
    <message>
        <source>Geen grondstof heet &apos;%1&apos;.</source>
        <translation>No material is called &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Bedoeld: %1? Klik op het teken rechts in het veld om er een te kiezen.</source>
        <translation>Meant: %1? Click the sign at the right of the field to choose one.</translation>
    </message>
</context>
</TS>
