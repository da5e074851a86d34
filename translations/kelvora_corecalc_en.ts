<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>Batch</name>
    <message>
        <source>Batch: %1</source>
        <translation>Batch: %1</translation>
    </message>
    <message>
        <source>Batchgrootte: %1 g</source>
        <translation>Batch size: %1 g</translation>
    </message>
    <message>
        <source>  Totaal</source>
        <translation>  Total</translation>
    </message>
    <message>
        <source>Kostprijs: %1</source>
        <translation>Cost price: %1</translation>
    </message>
</context>
<context>
    <name>Blend</name>
    <message>
        <source>Een lijn heeft 2 tot %1 cellen.</source>
        <translation>A line has 2 to %1 cells.</translation>
    </message>
    <message>
        <source>Het bereik moet binnen 0..100 % liggen, van laag naar hoog.</source>
        <translation>The range must lie within 0..100 %, from low to high.</translation>
    </message>
    <message>
        <source>Een driehoek heeft 2 tot %1 cellen per zijde.</source>
        <translation>A triangle has 2 to %1 cells per side.</translation>
    </message>
    <message>
        <source>Een raster heeft 2 tot %1 rijen en kolommen.</source>
        <translation>A grid has 2 to %1 rows and columns.</translation>
    </message>
    <message>
        <source>Glazuur %1 is niet te berekenen: %2</source>
        <translation>Glaze %1 cannot be calculated: %2</translation>
    </message>
    <message>
        <source>%1 grondstoffen en %2 toevoegingen; een glazuur heeft plaats voor %3 grondstoffen en %4 toevoegingen.</source>
        <translation>%1 materials and %2 additions; a glaze has room for %3 materials and %4 additions.</translation>
    </message>
    <message>
        <source>Deze mengreeks heeft %1 hoekglazuren.</source>
        <translation>This blend series has %1 corner glazes.</translation>
    </message>
    <message>
        <source>De hoeveelheid per cel moet groter dan 0 en hoogstens 10000 zijn.</source>
        <translation>The amount per cell must be more than 0 and at most 10000.</translation>
    </message>
    <message>
        <source>De marge ligt tussen 0 en 100 %.</source>
        <translation>The margin lies between 0 and 100 %.</translation>
    </message>
    <message>
        <source>Onbekend glazuur: %1</source>
        <translation>Unknown glaze: %1</translation>
    </message>
    <message>
        <source>Cel %1: %2</source>
        <translation>Cell %1: %2</translation>
    </message>
    <message>
        <source>Mengreeks %1 (%2), cel %3:</source>
        <translation>Blend series %1 (%2), cell %3:</translation>
    </message>
    <message>
        <source>Cel %1</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <source>Recept</source>
        <translation>Recipe</translation>
    </message>
    <message>
        <source>Toevoegingen</source>
        <translation>Additions</translation>
    </message>
    <message>
        <source>Te groot voor één glazuur: %1</source>
        <translation>Too large for one glaze: %1</translation>
    </message>
    <message>
        <source>Seger formule</source>
        <translation>Seger formula</translation>
    </message>
    <message>
        <source>Gieten (%1):</source>
        <translation>Pour (%1):</translation>
    </message>
    <message>
        <source>Mengreeks %1 (%2, %3 cellen, %4 %5 per cel)</source>
        <translation>Blend series %1 (%2, %3 cells, %4 %5 per cell)</translation>
    </message>
    <message>
        <source>maak %1 %2</source>
        <translation>make %1 %2</translation>
    </message>
    <message>
        <source>Weeg van elk hoekglazuur evenveel droog af en breng ze op gelijk volume; dan is elke %1 van een hoekglazuur even zwaar en mengt de cel naar volume.</source>
        <translation>Weigh out the same dry amount of each corner glaze and bring them to equal volume; then every %1 of a corner glaze weighs the same and each cell is mixed by volume.</translation>
    </message>
    <message>
        <source>cel %1</source>
        <translation>cell %1</translation>
    </message>
    <message>
        <source>* te veel grondstoffen voor één glazuur</source>
        <translation>* too many materials for one glaze</translation>
    </message>
</context>
<context>
    <name>Calculate</name>
    <message>
        <source>Optie Mol gew./Perc moet M of p zijn!</source>
        <translation>The Mol weight/Perc option must be M or P!</translation>
    </message>
    <message>
        <source>Proc. GetMG: kan materiaal niet vinden: %1</source>
        <translation>Material not found: %1</translation>
    </message>
    <message>
        <source>Proc. GetMG: materiaal heeft geen molgewicht: %1</source>
        <translation>Material has no molecular weight: %1</translation>
    </message>
    <message>
        <source>Er zijn materialen bij waarvan de prijs 0 is<byte value="xd"/>
De prijsberekening klopt waarschijnlijk niet</source>
        <translation>Some materials have a price of 0<byte value="xd"/>
The cost price is probably wrong</translation>
    </message>
    <message>
        <source>Totaalpercentage is 0, kan berekening niet uitvoeren</source>
        <translation>The total percentage is 0; the calculation cannot be done</translation>
    </message>
    <message>
        <source>Totale hoeveelheid basische elementen is 0<byte value="xd"/>
Controleer grondstoffen!</source>
        <translation>The total of basic oxides is 0<byte value="xd"/>
Check the materials!</translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>oxidatie</source>
        <translation>oxidation</translation>
    </message>
    <message>
        <source>neutraal</source>
        <translation>neutral</translation>
    </message>
    <message>
        <source>reductie</source>
        <translation>reduction</translation>
    </message>
    <message>
        <source>zout/soda</source>
        <translation>salt/soda</translation>
    </message>
    <message>
        <source>hout</source>
        <translation>wood</translation>
    </message>
    <message>
        <source>raku</source>
        <translation>raku</translation>
    </message>
    <message>
        <source>luster</source>
        <translation>lustre</translation>
    </message>
    <message>
        <source>dompelen</source>
        <translation>dipping</translation>
    </message>
    <message>
        <source>gieten</source>
        <translation>pouring</translation>
    </message>
    <message>
        <source>kwasten</source>
        <translation>brushing</translation>
    </message>
    <message>
        <source>spuiten</source>
        <translation>spraying</translation>
    </message>
    <message>
        <source>kruipen</source>
        <translation>crawling</translation>
    </message>
    <message>
        <source>speldenprikken</source>
        <translation>pinholes</translation>
    </message>
    <message>
        <source>haarscheuren</source>
        <translation>crazing</translation>
    </message>
    <message>
        <source>afschilferen</source>
        <translation>shivering</translation>
    </message>
    <message>
        <source>lopen</source>
        <translation>running</translation>
    </message>
    <message>
        <source>blazen</source>
        <translation>blisters</translation>
    </message>
    <message>
        <source>testen</source>
        <translation>testing</translation>
    </message>
    <message>
        <source>productie</source>
        <translation>production</translation>
    </message>
    <message>
        <source>gestopt</source>
        <translation>stopped</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>niet te lezen: bestand bestaat niet</source>
        <translation>cannot be read: the file does not exist</translation>
    </message>
    <message>
        <source>niet te lezen: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source> regel %1</source>
        <translation> line %1</translation>
    </message>
    <message>
        <source>Uitzettingsfactoren %1: %2</source>
        <translation>Expansion factors %1: %2</translation>
    </message>
    <message>
        <source>geen &lt;expansion-factors&gt;</source>
        <translation>no &lt;expansion-factors&gt;</translation>
    </message>
    <message>
        <source>zonder naam</source>
        <translation>without a name</translation>
    </message>
    <message>
        <source>basis moet weight of mol zijn</source>
        <translation>basis must be weight or mol</translation>
    </message>
    <message>
        <source>onbekend oxide %1</source>
        <translation>unknown oxide %1</translation>
    </message>
    <message>
        <source>geen geldige factor (een getal) voor %1</source>
        <translation>no valid factor (a number) for %1</translation>
    </message>
    <message>
        <source>%1 staat er twee keer in</source>
        <translation>%1 appears twice</translation>
    </message>
    <message>
        <source>above en slope moeten getallen zijn voor %1</source>
        <translation>above and slope must be numbers for %1</translation>
    </message>
    <message>
        <source>Grenswaarden %1: %2</source>
        <translation>Limits %1: %2</translation>
    </message>
    <message>
        <source>geen &lt;limit-set&gt;</source>
        <translation>no &lt;limit-set&gt;</translation>
    </message>
    <message>
        <source>naam of kegels ontbreken</source>
        <translation>name or cones missing</translation>
    </message>
    <message>
        <source>grens zonder geldige min en max (getallen): %1</source>
        <translation>limit without a valid min and max (numbers): %1</translation>
    </message>
    <message>
        <source>min groter dan max: %1</source>
        <translation>min greater than max: %1</translation>
    </message>
    <message>
        <source>Molmassabestand %1: %2</source>
        <translation>Molar mass file %1: %2</translation>
    </message>
    <message>
        <source>geen &lt;molar-masses&gt;</source>
        <translation>no &lt;molar-masses&gt;</translation>
    </message>
    <message>
        <source>geen geldige molmassa (een positief getal) voor %1</source>
        <translation>no valid molar mass (a positive number) for %1</translation>
    </message>
    <message>
        <source>geen molmassa voor %1</source>
        <translation>no molar mass for %1</translation>
    </message>
    <message>
        <source>Vuistregel %1: %2</source>
        <translation>Rule of thumb %1: %2</translation>
    </message>
    <message>
        <source>geen &lt;ratio-guide&gt;</source>
        <translation>no &lt;ratio-guide&gt;</translation>
    </message>
    <message>
        <source>naam of bron ontbreekt</source>
        <translation>name or source missing</translation>
    </message>
    <message>
        <source>%1: key of label ontbreekt</source>
        <translation>%1: key or label missing</translation>
    </message>
    <message>
        <source>%1: grenzen ontbreken of lopen niet op</source>
        <translation>%1: bounds missing or not ascending</translation>
    </message>
    <message>
        <source>geen banden</source>
        <translation>no bands</translation>
    </message>
    <message>
        <source>Stull-diagram %1: %2</source>
        <translation>Stull chart %1: %2</translation>
    </message>
    <message>
        <source>geen &lt;stull-chart&gt;</source>
        <translation>no &lt;stull-chart&gt;</translation>
    </message>
    <message>
        <source>de bron ontbreekt</source>
        <translation>the source is missing</translation>
    </message>
    <message>
        <source>de grenzen van het diagram ontbreken</source>
        <translation>the bounds of the chart are missing</translation>
    </message>
    <message>
        <source>de grenzen van het diagram kloppen niet</source>
        <translation>the bounds of the chart are not right</translation>
    </message>
    <message>
        <source>&lt;%1&gt; zonder key</source>
        <translation>&lt;%1&gt; without key</translation>
    </message>
    <message>
        <source>%1: geen reeks getallenparen</source>
        <translation>%1: not a series of number pairs</translation>
    </message>
    <message>
        <source>%1: punt buiten het diagram</source>
        <translation>%1: point outside the chart</translation>
    </message>
    <message>
        <source>%1: minder dan twee punten</source>
        <translation>%1: fewer than two points</translation>
    </message>
    <message>
        <source>%1: minder dan drie punten</source>
        <translation>%1: fewer than three points</translation>
    </message>
    <message>
        <source>%1: naam of kleur (#rrggbb) ontbreekt</source>
        <translation>%1: name or colour (#rrggbb) missing</translation>
    </message>
    <message>
        <source>%1: komt twee keer voor</source>
        <translation>%1: appears twice</translation>
    </message>
</context>
<context>
    <name>FiringFit</name>
    <message>
        <source>De schatting (%1–%2 °C) ligt ver onder de ingevoerde kegels %3</source>
        <translation>The estimate (%1–%2 °C) lies far below the entered cones %3</translation>
    </message>
    <message>
        <source>De schatting (%1–%2 °C) ligt ver boven de ingevoerde kegels %3</source>
        <translation>The estimate (%1–%2 °C) lies far above the entered cones %3</translation>
    </message>
    <message>
        <source>; de samenstelling past bij de limieten voor %1</source>
        <translation>; the composition fits the limits for %1</translation>
    </message>
    <message>
        <source>; de samenstelling past het best bij de limieten voor %1</source>
        <translation>; the composition fits the limits for %1 best</translation>
    </message>
</context>
<context>
    <name>GlazeCategories</name>
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
        <translation>2.2 Alkaline boron glazes SK 05a-5a</translation>
    </message>
    <message>
        <source>2.3 Alkali-boor glazuren SK 5a-9</source>
        <translation>2.3 Alkaline boron glazes SK 5a-9</translation>
    </message>
    <message>
        <source>3.1 Zachte, loodrijke en boorvrije tin glazuren SK 05a-1a</source>
        <translation>3.1 Soft, lead-rich, boron-free tin glazes SK 05a-1a</translation>
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
        <translation>7.1 Zinc matt glazes SK 05a-6a</translation>
    </message>
    <message>
        <source>7.2 Zink-barium glazuren mat glad SK 03a-9</source>
        <translation>7.2 Zinc-barium glazes, smooth matt SK 03a-9</translation>
    </message>
    <message>
        <source>7.3 Calcium magnesium glazuren mat SK 2a-9</source>
        <translation>7.3 Calcium-magnesium matt glazes SK 2a-9</translation>
    </message>
    <message>
        <source>8.1 Zinksilicaat kristalglazuren SK 01a-8</source>
        <translation>8.1 Zinc silicate crystal glazes SK 01a-8</translation>
    </message>
    <message>
        <source>8.2 TiO2 (rutiel) kristalglazuren SK 2a-9</source>
        <translation>8.2 TiO2 (rutile) crystal glazes SK 2a-9</translation>
    </message>
    <message>
        <source>8.3 Aventurien kristalglazuren SK 05a-8</source>
        <translation>8.3 Aventurine crystal glazes SK 05a-8</translation>
    </message>
    <message>
        <source>8.4 Vanadium-wolfraam-molybdeen kristalglazuren SK 03a-8</source>
        <translation>8.4 Vanadium-tungsten-molybdenum crystal glazes SK 03a-8</translation>
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
        <translation>11.0 Chinese red glazes (frit-based) SK 01a-5a</translation>
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
        <translation>15.0 Lead-bearing stove tile glazes SK 06a-2a</translation>
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
    <name>GlazeRecalculation</name>
    <message>
        <source>Ook de %1 glazuren die deze grondstof gebruiken herberekenen?</source>
        <translation>Also recalculate the %1 glazes that use this material?</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Het bewaarde recept van een proef is beschadigd.</source>
        <translation>The stored recipe of a test is damaged.</translation>
    </message>
    <message>
        <source>Regel %1 van het stooklog is geen meting (tijd, temperatuur, opmerking).</source>
        <translation>Line %1 of the kiln log is not a reading (time, temperature, note).</translation>
    </message>
    <message>
        <source>Een stooklog heeft hoogstens %1 metingen.</source>
        <translation>A kiln log has at most %1 readings.</translation>
    </message>
    <message>
        <source>Regel %1 van het stooklog: %2 °C kan geen oventemperatuur zijn.</source>
        <translation>Line %1 of the kiln log: %2 °C cannot be a kiln temperature.</translation>
    </message>
    <message>
        <source>%1 moet tussen %2 en %3 liggen.</source>
        <translation>%1 must lie between %2 and %3.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is geen geldige code: 1 tot 20 letters, cijfers of -_./</source>
        <translation>%1 &apos;%2&apos; is not a valid code: 1 to 20 letters, digits or -_./</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is geen datum als dd-mm-jjjj.</source>
        <translation>%1 &apos;%2&apos; is not a date like dd-mm-yyyy.</translation>
    </message>
    <message>
        <source>De proefcode</source>
        <translation>The test code</translation>
    </message>
    <message>
        <source>Een proef hoort bij een glazuur.</source>
        <translation>A test belongs to a glaze.</translation>
    </message>
    <message>
        <source>De datum van proef %1</source>
        <translation>The date of test %1</translation>
    </message>
    <message>
        <source>Het gewicht van het mengsel is meer dan 0 en hoogstens %1 g.</source>
        <translation>The weight of the batch is more than 0 and at most %1 g.</translation>
    </message>
    <message>
        <source>Het water (g)</source>
        <translation>The water (g)</translation>
    </message>
    <message>
        <source>Het soortelijk gewicht</source>
        <translation>The specific gravity</translation>
    </message>
    <message>
        <source>De dompel- of giettijd (s)</source>
        <translation>The dipping or pouring time (s)</translation>
    </message>
    <message>
        <source>Het aantal lagen</source>
        <translation>The number of coats</translation>
    </message>
    <message>
        <source>Het aantal lagen is een heel getal.</source>
        <translation>The number of coats is a whole number.</translation>
    </message>
    <message>
        <source>De stookcode</source>
        <translation>The firing code</translation>
    </message>
    <message>
        <source>De datum van stook %1</source>
        <translation>The date of firing %1</translation>
    </message>
    <message>
        <source>Een meting van het stooklog van %1 is geen tijd met een temperatuur.</source>
        <translation>A reading in the kiln log of %1 is not a time with a temperature.</translation>
    </message>
    <message>
        <source>De waardering is 1 tot 5 (of leeg).</source>
        <translation>The rating is 1 to 5 (or empty).</translation>
    </message>
    <message>
        <source>Een foto staat in de map foto van de gegevensmap, met een relatief pad.</source>
        <translation>A photo is kept in the foto folder of the data folder, with a relative path.</translation>
    </message>
    <message>
        <source>Stap %1 van het stookschema: %2</source>
        <translation>Step %1 of the firing schedule: %2</translation>
    </message>
    <message>
        <source>schrijf snelheid:doel:houdtijd, bijvoorbeeld 150:1000:10.</source>
        <translation>write rate:target:hold, for example 150:1000:10.</translation>
    </message>
    <message>
        <source>de duur ligt niet tussen 0h01 en 99h59.</source>
        <translation>the duration is not between 0h01 and 99h59.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen snelheid (graden per uur) of duur (2h30).</source>
        <translation>&apos;%1&apos; is not a rate (degrees per hour) or a duration (2h30).</translation>
    </message>
    <message>
        <source>de snelheid ligt niet tussen 0 en %1 °C per uur.</source>
        <translation>the rate is not between 0 and %1 °C per hour.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen temperatuur.</source>
        <translation>&apos;%1&apos; is not a temperature.</translation>
    </message>
    <message>
        <source>de doeltemperatuur ligt niet tussen 0 en %1 °C.</source>
        <translation>the target temperature is not between 0 and %1 °C.</translation>
    </message>
    <message>
        <source>de houdtijd is geen aantal minuten tussen 0 en %1.</source>
        <translation>the hold is not a number of minutes between 0 and %1.</translation>
    </message>
    <message>
        <source>Een stookschema heeft hoogstens %1 stappen.</source>
        <translation>A firing schedule has at most %1 steps.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen getal.</source>
        <translation>&apos;%1&apos; is not a number.</translation>
    </message>
    <message>
        <source>Proef %1</source>
        <translation>Test %1</translation>
    </message>
    <message>
        <source>Glazuur: %1</source>
        <translation>Glaze: %1</translation>
    </message>
    <message>
        <source>Gemengd: %1</source>
        <translation>Mixed: %1</translation>
    </message>
    <message>
        <source>scherf %1</source>
        <translation>clay body %1</translation>
    </message>
    <message>
        <source>biscuit kegel %1</source>
        <translation>bisque cone %1</translation>
    </message>
    <message>
        <source>Tegel: %1</source>
        <translation>Tile: %1</translation>
    </message>
    <message>
        <source>%1 laag</source>
        <translation>%1 coat</translation>
    </message>
    <message>
        <source>%1 lagen</source>
        <translation>%1 coats</translation>
    </message>
    <message>
        <source>Opbrengen: %1</source>
        <translation>Application: %1</translation>
    </message>
    <message>
        <source>Gelaagd: %1</source>
        <translation>Layered: %1</translation>
    </message>
    <message>
        <source>Recept zoals gemengd (%1 g):</source>
        <translation>Recipe as mixed (%1 g):</translation>
    </message>
    <message>
        <source>Recept zoals gemengd:</source>
        <translation>Recipe as mixed:</translation>
    </message>
    <message>
        <source>Totaal</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>water %1 g</source>
        <translation>water %1 g</translation>
    </message>
    <message>
        <source>s.g. %1</source>
        <translation>s.g. %1</translation>
    </message>
    <message>
        <source>zeef %1</source>
        <translation>sieve %1</translation>
    </message>
    <message>
        <source>Slib: %1</source>
        <translation>Slip: %1</translation>
    </message>
    <message>
        <source>Stoken:</source>
        <translation>Firings:</translation>
    </message>
    <message>
        <source>kegel %1</source>
        <translation>cone %1</translation>
    </message>
    <message>
        <source>plaats %1</source>
        <translation>position %1</translation>
    </message>
    <message>
        <source>waardering %1</source>
        <translation>rating %1</translation>
    </message>
    <message>
        <source>gebreken: %1</source>
        <translation>defects: %1</translation>
    </message>
    <message>
        <source>Foto&apos;s:</source>
        <translation>Photos:</translation>
    </message>
    <message>
        <source>Notities: %1</source>
        <translation>Notes: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Recept:</source>
        <translation>Recipe:</translation>
    </message>
    <message>
        <source>Kostprijs: %1</source>
        <translation>Cost price: %1</translation>
    </message>
    <message>
        <source>Glazuur: %1</source>
        <translation>Glaze: %1</translation>
    </message>
    <message>
        <source>Categorie: %1</source>
        <translation>Category: %1</translation>
    </message>
    <message>
        <source>Temperatuur:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Ingevoerd van SK: %1 tot SK: %2</source>
        <translation>Entered from SK: %1 to SK: %2</translation>
    </message>
    <message>
        <source>Berekend van : %1 gr. C tot: %2 gr. C</source>
        <translation>Calculated from: %1 °C to: %2 °C</translation>
    </message>
    <message>
        <source>Seger formule:</source>
        <translation>Seger formula:</translation>
    </message>
    <message>
        <source>Evt. toevoegingen:</source>
        <translation>Additions, if any:</translation>
    </message>
    <message>
        <source>Uitzettings coefficient: %1 x 10 E-5</source>
        <translation>Expansion coefficient: %1 x 10 E-5</translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>Het recept van %1 bevat geen basisch oxide.</source>
        <translation>The recipe of %1 contains no basic oxide.</translation>
    </message>
    <message>
        <source>Grondstof %1 staat niet in het recept van %2</source>
        <translation>Material %1 is not in the recipe of %2</translation>
    </message>
    <message>
        <source>Kies de grondstoffen die %1 vervangen.</source>
        <translation>Choose the materials that replace %1.</translation>
    </message>
    <message>
        <source>%1 kan zichzelf niet vervangen.</source>
        <translation>%1 cannot replace itself.</translation>
    </message>
    <message>
        <source>Geef het nieuwe glazuur een naam.</source>
        <translation>Give the new glaze a name.</translation>
    </message>
    <message>
        <source>De naam %1 is langer dan %2 tekens.</source>
        <translation>The name %1 is longer than %2 characters.</translation>
    </message>
    <message>
        <source>Er is al een glazuur met de naam %1</source>
        <translation>There already is a glaze named %1</translation>
    </message>
    <message>
        <source>Er is geen recept om op te slaan.</source>
        <translation>There is no recipe to save.</translation>
    </message>
    <message>
        <source>Het recept heeft meer dan %1 grondstoffen en past niet in een glazuur.</source>
        <translation>The recipe has more than %1 materials and does not fit in a glaze.</translation>
    </message>
    <message>
        <source>Te veel toegevoegde stoffen.</source>
        <translation>Too many additions.</translation>
    </message>
    <message>
        <source>Onbekend oxide: %1</source>
        <translation>Unknown oxide: %1</translation>
    </message>
    <message>
        <source> of </source>
        <translation> or </translation>
    </message>
    <message>
        <source>het bereik %1</source>
        <translation>the range %1</translation>
    </message>
    <message>
        <source>Geen recept binnen de bereiken mogelijk: %1 kan met deze grondstoffen niet gehaald worden.</source>
        <translation>No recipe possible within the ranges: %1 cannot be reached with these materials.</translation>
    </message>
    <message>
        <source>Geen recept binnen de bereiken mogelijk: de bereiken zijn met deze grondstoffen niet tegelijk te halen.</source>
        <translation>No recipe possible within the ranges: these materials cannot reach all the ranges at once.</translation>
    </message>
    <message>
        <source>%1 vanaf %2</source>
        <translation>%1 from %2</translation>
    </message>
    <message>
        <source>Kies eerst de grondstoffen.</source>
        <translation>Choose the materials first.</translation>
    </message>
    <message>
        <source>Geen recept mogelijk: geen van de grondstoffen bevat een basisch oxide.</source>
        <translation>No recipe possible: none of the materials contains a basic oxide.</translation>
    </message>
    <message>
        <source>Het rekenprogramma vond geen oplossing.</source>
        <translation>The solver found no solution.</translation>
    </message>
    <message>
        <source>Bereik %1: de ondergrens is groter dan de bovengrens</source>
        <translation>Range %1: the lower limit is greater than the upper limit</translation>
    </message>
    <message>
        <source>Geen recept met de meeste %1: geef er een bereik voor op.</source>
        <translation>No recipe with the most %1: give a range for it.</translation>
    </message>
    <message>
        <source>Geen recept met de minste %1: geef er een bereik voor op.</source>
        <translation>No recipe with the least %1: give a range for it.</translation>
    </message>
    <message>
        <source>Geen goedkoopste recept: geef een bereik op voor de oxiden van %1.</source>
        <translation>No cheapest recipe: give a range for the oxides of %1.</translation>
    </message>
    <message>
        <source>Geen oxide vóór %1</source>
        <translation>No oxide before %1</translation>
    </message>
    <message>
        <source>Geen getal: %1</source>
        <translation>Not a number: %1</translation>
    </message>
    <message>
        <source>%1: %2 ligt niet tussen %3 en %4.</source>
        <translation>%1: %2 is not between %3 and %4.</translation>
    </message>
    <message>
        <source>Geen bereik: %1</source>
        <translation>Not a range: %1</translation>
    </message>
    <message>
        <source>Lege naam in de lijst van grondstoffen</source>
        <translation>Empty name in the list of materials</translation>
    </message>
    <message>
        <source>Doel %1</source>
        <translation>Target %1</translation>
    </message>
    <message>
        <source>Gewicht %1</source>
        <translation>Weight %1</translation>
    </message>
    <message>
        <source>Bereik %1</source>
        <translation>Range %1</translation>
    </message>
    <message>
        <source>%1, ondergrens</source>
        <translation>%1, lower limit</translation>
    </message>
    <message>
        <source>%1, bovengrens</source>
        <translation>%1, upper limit</translation>
    </message>
    <message>
        <source>Grondstof %1</source>
        <translation>Material %1</translation>
    </message>
    <message>
        <source>%1, prijs</source>
        <translation>%1, price</translation>
    </message>
    <message>
        <source>%1, molgewicht</source>
        <translation>%1, molecular weight</translation>
    </message>
    <message>
        <source>Onbekende grondstof: %1</source>
        <translation>Unknown material: %1</translation>
    </message>
    <message>
        <source>Grondstof %1 heeft geen molgewicht; het recept kan niet berekend worden</source>
        <translation>Material %1 has no molecular weight; the recipe cannot be calculated</translation>
    </message>
</context>
</TS>
