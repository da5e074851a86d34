<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="nl">
<context>
    <name>Batch</name>
    <message>
        <source>Batch: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batchgrootte: %1 g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Totaal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kostprijs: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Blend</name>
    <message>
        <source>Een lijn heeft 2 tot %1 cellen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het bereik moet binnen 0..100 % liggen, van laag naar hoog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een driehoek heeft 2 tot %1 cellen per zijde.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een raster heeft 2 tot %1 rijen en kolommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glazuur %1 is niet te berekenen: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 grondstoffen en %2 toevoegingen; een glazuur heeft plaats voor %3 grondstoffen en %4 toevoegingen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deze mengreeks heeft %1 hoekglazuren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De hoeveelheid per cel moet groter dan 0 en hoogstens 10000 zijn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De marge ligt tussen 0 en 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onbekend glazuur: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cel %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mengreeks %1 (%2), cel %3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toevoegingen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Te groot voor één glazuur: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seger formule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gieten (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mengreeks %1 (%2, %3 cellen, %4 %5 per cel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maak %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weeg van elk hoekglazuur evenveel droog af en breng ze op gelijk volume; dan is elke %1 van een hoekglazuur even zwaar en mengt de cel naar volume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* te veel grondstoffen voor één glazuur</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculate</name>
    <message>
        <source>Optie Mol gew./Perc moet M of p zijn!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proc. GetMG: kan materiaal niet vinden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proc. GetMG: materiaal heeft geen molgewicht: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er zijn materialen bij waarvan de prijs 0 is<byte value="xd"/>
De prijsberekening klopt waarschijnlijk niet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totaalpercentage is 0, kan berekening niet uitvoeren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale hoeveelheid basische elementen is 0<byte value="xd"/>
Controleer grondstoffen!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>oxidatie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neutraal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reductie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zout/soda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>luster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dompelen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gieten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kwasten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spuiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kruipen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speldenprikken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>haarscheuren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>afschilferen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lopen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blazen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>testen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>productie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gestopt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>niet te lezen: bestand bestaat niet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>niet te lezen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> regel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uitzettingsfactoren %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen &lt;expansion-factors&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zonder naam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>basis moet weight of mol zijn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onbekend oxide %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen geldige factor (een getal) voor %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 staat er twee keer in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above en slope moeten getallen zijn voor %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenswaarden %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen &lt;limit-set&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naam of kegels ontbreken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grens zonder geldige min en max (getallen): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min groter dan max: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Molmassabestand %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen &lt;molar-masses&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen geldige molmassa (een positief getal) voor %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen molmassa voor %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vuistregel %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen &lt;ratio-guide&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naam of bron ontbreekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: key of label ontbreekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: grenzen ontbreken of lopen niet op</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen banden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stull-diagram %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen &lt;stull-chart&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de bron ontbreekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de grenzen van het diagram ontbreken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de grenzen van het diagram kloppen niet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;%1&gt; zonder key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: geen reeks getallenparen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: punt buiten het diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: minder dan twee punten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: minder dan drie punten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: naam of kleur (#rrggbb) ontbreekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: komt twee keer voor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FiringFit</name>
    <message>
        <source>De schatting (%1–%2 °C) ligt ver onder de ingevoerde kegels %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De schatting (%1–%2 °C) ligt ver boven de ingevoerde kegels %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; de samenstelling past bij de limieten voor %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; de samenstelling past het best bij de limieten voor %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlazeCategories</name>
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
    <name>GlazeRecalculation</name>
    <message>
        <source>Ook de %1 glazuren die deze grondstof gebruiken herberekenen?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Het bewaarde recept van een proef is beschadigd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regel %1 van het stooklog is geen meting (tijd, temperatuur, opmerking).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een stooklog heeft hoogstens %1 metingen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regel %1 van het stooklog: %2 °C kan geen oventemperatuur zijn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moet tussen %2 en %3 liggen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is geen geldige code: 1 tot 20 letters, cijfers of -_./</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is geen datum als dd-mm-jjjj.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De proefcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een proef hoort bij een glazuur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De datum van proef %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het gewicht van het mengsel is meer dan 0 en hoogstens %1 g.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het water (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het soortelijk gewicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De dompel- of giettijd (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het aantal lagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het aantal lagen is een heel getal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De stookcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De datum van stook %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een meting van het stooklog van %1 is geen tijd met een temperatuur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De waardering is 1 tot 5 (of leeg).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een foto staat in de map foto van de gegevensmap, met een relatief pad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stap %1 van het stookschema: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>schrijf snelheid:doel:houdtijd, bijvoorbeeld 150:1000:10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de duur ligt niet tussen 0h01 en 99h59.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen snelheid (graden per uur) of duur (2h30).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de snelheid ligt niet tussen 0 en %1 °C per uur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen temperatuur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de doeltemperatuur ligt niet tussen 0 en %1 °C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de houdtijd is geen aantal minuten tussen 0 en %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een stookschema heeft hoogstens %1 stappen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen getal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proef %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glazuur: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemengd: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scherf %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>biscuit kegel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tegel: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 laag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opbrengen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gelaagd: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recept zoals gemengd (%1 g):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recept zoals gemengd:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totaal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>water %1 g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s.g. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zeef %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slib: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stoken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kegel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plaats %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waardering %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gebreken: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foto&apos;s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notities: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Recept:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kostprijs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glazuur: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categorie: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatuur:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingevoerd van SK: %1 tot SK: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berekend van : %1 gr. C tot: %2 gr. C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seger formule:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evt. toevoegingen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uitzettings coefficient: %1 x 10 E-5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>Het recept van %1 bevat geen basisch oxide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstof %1 staat niet in het recept van %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies de grondstoffen die %1 vervangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kan zichzelf niet vervangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geef het nieuwe glazuur een naam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De naam %1 is langer dan %2 tekens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is al een glazuur met de naam %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is geen recept om op te slaan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het recept heeft meer dan %1 grondstoffen en past niet in een glazuur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Te veel toegevoegde stoffen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onbekend oxide: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>het bereik %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen recept binnen de bereiken mogelijk: %1 kan met deze grondstoffen niet gehaald worden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen recept binnen de bereiken mogelijk: de bereiken zijn met deze grondstoffen niet tegelijk te halen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vanaf %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kies eerst de grondstoffen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen recept mogelijk: geen van de grondstoffen bevat een basisch oxide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het rekenprogramma vond geen oplossing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bereik %1: de ondergrens is groter dan de bovengrens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen recept met de meeste %1: geef er een bereik voor op.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen recept met de minste %1: geef er een bereik voor op.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen goedkoopste recept: geef een bereik op voor de oxiden van %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen oxide vóór %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen getal: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 ligt niet tussen %3 en %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen bereik: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lege naam in de lijst van grondstoffen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gewicht %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bereik %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, ondergrens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, bovengrens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstof %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, prijs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, molgewicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onbekende grondstof: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grondstof %1 heeft geen molgewicht; het recept kan niet berekend worden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
