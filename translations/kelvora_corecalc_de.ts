<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>Batch</name>
    <message>
        <source>Batch: %1</source>
        <translation>Ansatz: %1</translation>
    </message>
    <message>
        <source>Batchgrootte: %1 g</source>
        <translation>Ansatzgröße: %1 g</translation>
    </message>
    <message>
        <source>  Totaal</source>
        <translation>  Summe</translation>
    </message>
    <message>
        <source>Kostprijs: %1</source>
        <translation>Kosten: %1</translation>
    </message>
</context>
<context>
    <name>Blend</name>
    <message>
        <source>Een lijn heeft 2 tot %1 cellen.</source>
        <translation>Eine Linie hat 2 bis %1 Felder.</translation>
    </message>
    <message>
        <source>Het bereik moet binnen 0..100 % liggen, van laag naar hoog.</source>
        <translation>Der Bereich muss innerhalb 0..100 % liegen, von niedrig nach hoch.</translation>
    </message>
    <message>
        <source>Een driehoek heeft 2 tot %1 cellen per zijde.</source>
        <translation>Ein Dreieck hat 2 bis %1 Felder je Seite.</translation>
    </message>
    <message>
        <source>Een raster heeft 2 tot %1 rijen en kolommen.</source>
        <translation>Ein Raster hat 2 bis %1 Zeilen und Spalten.</translation>
    </message>
    <message>
        <source>Glazuur %1 is niet te berekenen: %2</source>
        <translation>Glasur %1 lässt sich nicht berechnen: %2</translation>
    </message>
    <message>
        <source>%1 grondstoffen en %2 toevoegingen; een glazuur heeft plaats voor %3 grondstoffen en %4 toevoegingen.</source>
        <translation>%1 Rohstoffe und %2 Zusätze; eine Glasur hat Platz für %3 Rohstoffe und %4 Zusätze.</translation>
    </message>
    <message>
        <source>Deze mengreeks heeft %1 hoekglazuren.</source>
        <translation>Diese Mischreihe hat %1 Eckglasuren.</translation>
    </message>
    <message>
        <source>De hoeveelheid per cel moet groter dan 0 en hoogstens 10000 zijn.</source>
        <translation>Die Menge je Feld muss größer als 0 und höchstens 10000 sein.</translation>
    </message>
    <message>
        <source>De marge ligt tussen 0 en 100 %.</source>
        <translation>Der Zuschlag liegt zwischen 0 und 100 %.</translation>
    </message>
    <message>
        <source>Onbekend glazuur: %1</source>
        <translation>Unbekannte Glasur: %1</translation>
    </message>
    <message>
        <source>Cel %1: %2</source>
        <translation>Feld %1: %2</translation>
    </message>
    <message>
        <source>Mengreeks %1 (%2), cel %3:</source>
        <translation>Mischreihe %1 (%2), Feld %3:</translation>
    </message>
    <message>
        <source>Cel %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>Recept</source>
        <translation>Rezept</translation>
    </message>
    <message>
        <source>Toevoegingen</source>
        <translation>Zusätze</translation>
    </message>
    <message>
        <source>Te groot voor één glazuur: %1</source>
        <translation>Zu groß für eine Glasur: %1</translation>
    </message>
    <message>
        <source>Seger formule</source>
        <translation>Segerformel</translation>
    </message>
    <message>
        <source>Gieten (%1):</source>
        <translation>Gießen (%1):</translation>
    </message>
    <message>
        <source>Mengreeks %1 (%2, %3 cellen, %4 %5 per cel)</source>
        <translation>Mischreihe %1 (%2, %3 Felder, %4 %5 je Feld)</translation>
    </message>
    <message>
        <source>maak %1 %2</source>
        <translation>ansetzen %1 %2</translation>
    </message>
    <message>
        <source>Weeg van elk hoekglazuur evenveel droog af en breng ze op gelijk volume; dan is elke %1 van een hoekglazuur even zwaar en mengt de cel naar volume.</source>
        <translation>Wiegen Sie von jeder Eckglasur gleich viel trocken ab und bringen Sie sie auf gleiches Volumen; dann wiegt jeder %1 einer Eckglasur gleich viel und das Feld wird nach Volumen gemischt.</translation>
    </message>
    <message>
        <source>cel %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>* te veel grondstoffen voor één glazuur</source>
        <translation>* zu viele Rohstoffe für eine Glasur</translation>
    </message>
</context>
<context>
    <name>Calculate</name>
    <message>
        <source>Optie Mol gew./Perc moet M of p zijn!</source>
        <translation>Die Option Mol gew./Proz muss M oder P sein!</translation>
    </message>
    <message>
        <source>Proc. GetMG: kan materiaal niet vinden: %1</source>
        <translation>Rohstoff nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Proc. GetMG: materiaal heeft geen molgewicht: %1</source>
        <translation>Rohstoff hat kein Molgewicht: %1</translation>
    </message>
    <message>
        <source>Er zijn materialen bij waarvan de prijs 0 is<byte value="xd"/>
De prijsberekening klopt waarschijnlijk niet</source>
        <translation>Einige Rohstoffe haben den Preis 0<byte value="xd"/>
Die Preisberechnung stimmt wahrscheinlich nicht</translation>
    </message>
    <message>
        <source>Totaalpercentage is 0, kan berekening niet uitvoeren</source>
        <translation>Die Summe der Prozente ist 0, die Berechnung ist nicht möglich</translation>
    </message>
    <message>
        <source>Totale hoeveelheid basische elementen is 0<byte value="xd"/>
Controleer grondstoffen!</source>
        <translation>Die Summe der basischen Oxide ist 0<byte value="xd"/>
Rohstoffe prüfen!</translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>oxidatie</source>
        <translation>Oxidation</translation>
    </message>
    <message>
        <source>neutraal</source>
        <translation>neutral</translation>
    </message>
    <message>
        <source>reductie</source>
        <translation>Reduktion</translation>
    </message>
    <message>
        <source>zout/soda</source>
        <translation>Salz/Soda</translation>
    </message>
    <message>
        <source>hout</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>raku</source>
        <translation>Raku</translation>
    </message>
    <message>
        <source>luster</source>
        <translation>Lüster</translation>
    </message>
    <message>
        <source>dompelen</source>
        <translation>Tauchen</translation>
    </message>
    <message>
        <source>gieten</source>
        <translation>Schütten</translation>
    </message>
    <message>
        <source>kwasten</source>
        <translation>Pinseln</translation>
    </message>
    <message>
        <source>spuiten</source>
        <translation>Spritzen</translation>
    </message>
    <message>
        <source>kruipen</source>
        <translation>Abrollen</translation>
    </message>
    <message>
        <source>speldenprikken</source>
        <translation>Nadelstiche</translation>
    </message>
    <message>
        <source>haarscheuren</source>
        <translation>Haarrisse</translation>
    </message>
    <message>
        <source>afschilferen</source>
        <translation>Abplatzen</translation>
    </message>
    <message>
        <source>lopen</source>
        <translation>Ablaufen</translation>
    </message>
    <message>
        <source>blazen</source>
        <translation>Blasen</translation>
    </message>
    <message>
        <source>testen</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>productie</source>
        <translation>Produktion</translation>
    </message>
    <message>
        <source>gestopt</source>
        <translation>eingestellt</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>niet te lezen: bestand bestaat niet</source>
        <translation>nicht lesbar: die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>niet te lezen: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source> regel %1</source>
        <translation> Zeile %1</translation>
    </message>
    <message>
        <source>Uitzettingsfactoren %1: %2</source>
        <translation>Ausdehnungsfaktoren %1: %2</translation>
    </message>
    <message>
        <source>geen &lt;expansion-factors&gt;</source>
        <translation>kein &lt;expansion-factors&gt;</translation>
    </message>
    <message>
        <source>zonder naam</source>
        <translation>ohne Namen</translation>
    </message>
    <message>
        <source>basis moet weight of mol zijn</source>
        <translation>basis muss weight oder mol sein</translation>
    </message>
    <message>
        <source>onbekend oxide %1</source>
        <translation>unbekanntes Oxid %1</translation>
    </message>
    <message>
        <source>geen geldige factor (een getal) voor %1</source>
        <translation>kein gültiger Faktor (eine Zahl) für %1</translation>
    </message>
    <message>
        <source>%1 staat er twee keer in</source>
        <translation>%1 steht zweimal darin</translation>
    </message>
    <message>
        <source>above en slope moeten getallen zijn voor %1</source>
        <translation>above und slope müssen Zahlen sein für %1</translation>
    </message>
    <message>
        <source>Grenswaarden %1: %2</source>
        <translation>Grenzwerte %1: %2</translation>
    </message>
    <message>
        <source>geen &lt;limit-set&gt;</source>
        <translation>kein &lt;limit-set&gt;</translation>
    </message>
    <message>
        <source>naam of kegels ontbreken</source>
        <translation>Name oder Kegel fehlen</translation>
    </message>
    <message>
        <source>grens zonder geldige min en max (getallen): %1</source>
        <translation>Grenze ohne gültiges min und max (Zahlen): %1</translation>
    </message>
    <message>
        <source>min groter dan max: %1</source>
        <translation>min größer als max: %1</translation>
    </message>
    <message>
        <source>Molmassabestand %1: %2</source>
        <translation>Molmassendatei %1: %2</translation>
    </message>
    <message>
        <source>geen &lt;molar-masses&gt;</source>
        <translation>kein &lt;molar-masses&gt;</translation>
    </message>
    <message>
        <source>geen geldige molmassa (een positief getal) voor %1</source>
        <translation>keine gültige Molmasse (eine positive Zahl) für %1</translation>
    </message>
    <message>
        <source>geen molmassa voor %1</source>
        <translation>keine Molmasse für %1</translation>
    </message>
    <message>
        <source>Vuistregel %1: %2</source>
        <translation>Faustregel %1: %2</translation>
    </message>
    <message>
        <source>geen &lt;ratio-guide&gt;</source>
        <translation>kein &lt;ratio-guide&gt;</translation>
    </message>
    <message>
        <source>naam of bron ontbreekt</source>
        <translation>Name oder Quelle fehlt</translation>
    </message>
    <message>
        <source>%1: key of label ontbreekt</source>
        <translation>%1: key oder label fehlt</translation>
    </message>
    <message>
        <source>%1: grenzen ontbreken of lopen niet op</source>
        <translation>%1: Grenzen fehlen oder steigen nicht an</translation>
    </message>
    <message>
        <source>geen banden</source>
        <translation>keine Bänder</translation>
    </message>
    <message>
        <source>Stull-diagram %1: %2</source>
        <translation>Stull-Diagramm %1: %2</translation>
    </message>
    <message>
        <source>geen &lt;stull-chart&gt;</source>
        <translation>kein &lt;stull-chart&gt;</translation>
    </message>
    <message>
        <source>de bron ontbreekt</source>
        <translation>die Quelle fehlt</translation>
    </message>
    <message>
        <source>de grenzen van het diagram ontbreken</source>
        <translation>die Grenzen des Diagramms fehlen</translation>
    </message>
    <message>
        <source>de grenzen van het diagram kloppen niet</source>
        <translation>die Grenzen des Diagramms stimmen nicht</translation>
    </message>
    <message>
        <source>&lt;%1&gt; zonder key</source>
        <translation>&lt;%1&gt; ohne key</translation>
    </message>
    <message>
        <source>%1: geen reeks getallenparen</source>
        <translation>%1: keine Folge von Zahlenpaaren</translation>
    </message>
    <message>
        <source>%1: punt buiten het diagram</source>
        <translation>%1: Punkt außerhalb des Diagramms</translation>
    </message>
    <message>
        <source>%1: minder dan twee punten</source>
        <translation>%1: weniger als zwei Punkte</translation>
    </message>
    <message>
        <source>%1: minder dan drie punten</source>
        <translation>%1: weniger als drei Punkte</translation>
    </message>
    <message>
        <source>%1: naam of kleur (#rrggbb) ontbreekt</source>
        <translation>%1: Name oder Farbe (#rrggbb) fehlt</translation>
    </message>
    <message>
        <source>%1: komt twee keer voor</source>
        <translation>%1: kommt zweimal vor</translation>
    </message>
</context>
<context>
    <name>FiringFit</name>
    <message>
        <source>De schatting (%1–%2 °C) ligt ver onder de ingevoerde kegels %3</source>
        <translation>Die Schätzung (%1–%2 °C) liegt weit unter den eingegebenen Kegeln %3</translation>
    </message>
    <message>
        <source>De schatting (%1–%2 °C) ligt ver boven de ingevoerde kegels %3</source>
        <translation>Die Schätzung (%1–%2 °C) liegt weit über den eingegebenen Kegeln %3</translation>
    </message>
    <message>
        <source>; de samenstelling past bij de limieten voor %1</source>
        <translation>; die Zusammensetzung passt zu den Grenzwerten für %1</translation>
    </message>
    <message>
        <source>; de samenstelling past het best bij de limieten voor %1</source>
        <translation>; die Zusammensetzung passt am besten zu den Grenzwerten für %1</translation>
    </message>
</context>
<context>
    <name>GlazeCategories</name>
    <message>
        <source>1.1 Loodglazuren SK 012a-08a</source>
        <translation>1.1 Bleiglasuren SK 012a-08a</translation>
    </message>
    <message>
        <source>1.2 Loodglazuren SK 08a-02a</source>
        <translation>1.2 Bleiglasuren SK 08a-02a</translation>
    </message>
    <message>
        <source>1.3 Loodglazuren SK 02a-6a</source>
        <translation>1.3 Bleiglasuren SK 02a-6a</translation>
    </message>
    <message>
        <source>2.1 Boorvrije alkaliglazuren SK 06a-03a</source>
        <translation>2.1 Borfreie Alkaliglasuren SK 06a-03a</translation>
    </message>
    <message>
        <source>2.2 Alkali-boor glazuren SK 05a-5a</source>
        <translation>2.2 Alkali-Bor-Glasuren SK 05a-5a</translation>
    </message>
    <message>
        <source>2.3 Alkali-boor glazuren SK 5a-9</source>
        <translation>2.3 Alkali-Bor-Glasuren SK 5a-9</translation>
    </message>
    <message>
        <source>3.1 Zachte, loodrijke en boorvrije tin glazuren SK 05a-1a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.2 Loodhoudende, glanzende glazuren SK 03a-6a</source>
        <translation>3.2 Bleihaltige, glänzende Glasuren SK 03a-6a</translation>
    </message>
    <message>
        <source>3.3 Loodvrij glazuren SK 5a-9</source>
        <translation>3.3 Bleifreie Glasuren SK 5a-9</translation>
    </message>
    <message>
        <source>4.0 Opaak witte glazuren zonder SnO2 (ZnO-B2O3 rijk) SK 05a-9</source>
        <translation>4.0 Opak weiße Glasuren ohne SnO2 (ZnO-B2O3-reich) SK 05a-9</translation>
    </message>
    <message>
        <source>5.1 Loodvrije transparante glazuren voor SK 4a-6a</source>
        <translation>5.1 Bleifreie transparente Glasuren für SK 4a-6a</translation>
    </message>
    <message>
        <source>5.2 Loodvrije glazuren voor SK 6a-9</source>
        <translation>5.2 Bleifreie Glasuren für SK 6a-9</translation>
    </message>
    <message>
        <source>5.3 Loodvrije glazuren voor SK 9-16</source>
        <translation>5.3 Bleifreie Glasuren für SK 9-16</translation>
    </message>
    <message>
        <source>6.1 Calciumboraat / colemanietglazuren SK 09a-01a</source>
        <translation>6.1 Calciumborat- / Colemanitglasuren SK 09a-01a</translation>
    </message>
    <message>
        <source>6.2 Calciumboraat / colemanietglazuren SK 2a-5a</source>
        <translation>6.2 Calciumborat- / Colemanitglasuren SK 2a-5a</translation>
    </message>
    <message>
        <source>7.1 Zink mat glazuren SK 05a-6a</source>
        <translation>7.1 Zinkmattglasuren SK 05a-6a</translation>
    </message>
    <message>
        <source>7.2 Zink-barium glazuren mat glad SK 03a-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.3 Calcium magnesium glazuren mat SK 2a-9</source>
        <translation>7.3 Calcium-Magnesium-Mattglasuren SK 2a-9</translation>
    </message>
    <message>
        <source>8.1 Zinksilicaat kristalglazuren SK 01a-8</source>
        <translation>8.1 Zinksilikat-Kristallglasuren SK 01a-8</translation>
    </message>
    <message>
        <source>8.2 TiO2 (rutiel) kristalglazuren SK 2a-9</source>
        <translation>8.2 TiO2 (Rutil) Kristallglasuren SK 2a-9</translation>
    </message>
    <message>
        <source>8.3 Aventurien kristalglazuren SK 05a-8</source>
        <translation>8.3 Aventurin-Kristallglasuren SK 05a-8</translation>
    </message>
    <message>
        <source>8.4 Vanadium-wolfraam-molybdeen kristalglazuren SK 03a-8</source>
        <translation>8.4 Vanadium-Wolfram-Molybdän-Kristallglasuren SK 03a-8</translation>
    </message>
    <message>
        <source>9.0 Nikkel rood glazuren SK 1a-7</source>
        <translation>9.0 Nickelrote Glasuren SK 1a-7</translation>
    </message>
    <message>
        <source>10.0 Chroom rood glazuren SK 012a-07a</source>
        <translation>10.0 Chromrote Glasuren SK 012a-07a</translation>
    </message>
    <message>
        <source>11.0 Chinees rode glazuren (o.b.v fritten) SK 01a-5a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.0 Olievlekken glazuren SK 6a-10</source>
        <translation>12.0 Ölfleckenglasuren SK 6a-10</translation>
    </message>
    <message>
        <source>13.0 Tenmoku glazuren SK 6a-11</source>
        <translation>13.0 Tenmoku-Glasuren SK 6a-11</translation>
    </message>
    <message>
        <source>14.1 Steengoed glazuren SK 7-10</source>
        <translation>14.1 Steinzeugglasuren SK 7-10</translation>
    </message>
    <message>
        <source>14.2 Steengoed glazuren SK 8-12</source>
        <translation>14.2 Steinzeugglasuren SK 8-12</translation>
    </message>
    <message>
        <source>14.3 Steengoed glazuren SK 12-16</source>
        <translation>14.3 Steinzeugglasuren SK 12-16</translation>
    </message>
    <message>
        <source>15.0 Loodhoudende kachelglazuren SK 06a-2a</source>
        <translation>15.0 Bleihaltige Ofenkachelglasuren SK 06a-2a</translation>
    </message>
    <message>
        <source>16.0 Transparante tussentemp. glazuren SK 03a-3a</source>
        <translation>16.0 Transparente Glasuren mittlerer Temp. SK 03a-3a</translation>
    </message>
    <message>
        <source>17.0 Transparante porseleinglazuren SK 8-16</source>
        <translation>17.0 Transparente Porzellanglasuren SK 8-16</translation>
    </message>
</context>
<context>
    <name>GlazeRecalculation</name>
    <message>
        <source>Ook de %1 glazuren die deze grondstof gebruiken herberekenen?</source>
        <translation>Auch die %1 Glasuren neu berechnen, die diesen Rohstoff verwenden?</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Het bewaarde recept van een proef is beschadigd.</source>
        <translation>Das gespeicherte Rezept eines Versuchs ist beschädigt.</translation>
    </message>
    <message>
        <source>Regel %1 van het stooklog is geen meting (tijd, temperatuur, opmerking).</source>
        <translation>Zeile %1 des Brandprotokolls ist keine Messung (Zeit, Temperatur, Bemerkung).</translation>
    </message>
    <message>
        <source>Een stooklog heeft hoogstens %1 metingen.</source>
        <translation>Ein Brandprotokoll hat höchstens %1 Messungen.</translation>
    </message>
    <message>
        <source>Regel %1 van het stooklog: %2 °C kan geen oventemperatuur zijn.</source>
        <translation>Zeile %1 des Brandprotokolls: %2 °C kann keine Ofentemperatur sein.</translation>
    </message>
    <message>
        <source>%1 moet tussen %2 en %3 liggen.</source>
        <translation>%1 muss zwischen %2 und %3 liegen.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is geen geldige code: 1 tot 20 letters, cijfers of -_./</source>
        <translation>%1 &apos;%2&apos; ist kein gültiger Code: 1 bis 20 Buchstaben, Ziffern oder -_./</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is geen datum als dd-mm-jjjj.</source>
        <translation>%1 &apos;%2&apos; ist kein Datum wie tt-mm-jjjj.</translation>
    </message>
    <message>
        <source>De proefcode</source>
        <translation>Der Versuchscode</translation>
    </message>
    <message>
        <source>Een proef hoort bij een glazuur.</source>
        <translation>Ein Versuch gehört zu einer Glasur.</translation>
    </message>
    <message>
        <source>De datum van proef %1</source>
        <translation>Das Datum von Versuch %1</translation>
    </message>
    <message>
        <source>Het gewicht van het mengsel is meer dan 0 en hoogstens %1 g.</source>
        <translation>Das Gewicht des Ansatzes ist mehr als 0 und höchstens %1 g.</translation>
    </message>
    <message>
        <source>Het water (g)</source>
        <translation>Das Wasser (g)</translation>
    </message>
    <message>
        <source>Het soortelijk gewicht</source>
        <translation>Das spezifische Gewicht</translation>
    </message>
    <message>
        <source>De dompel- of giettijd (s)</source>
        <translation>Die Tauch- oder Schüttzeit (s)</translation>
    </message>
    <message>
        <source>Het aantal lagen</source>
        <translation>Die Anzahl der Schichten</translation>
    </message>
    <message>
        <source>Het aantal lagen is een heel getal.</source>
        <translation>Die Anzahl der Schichten ist eine ganze Zahl.</translation>
    </message>
    <message>
        <source>De stookcode</source>
        <translation>Der Brandcode</translation>
    </message>
    <message>
        <source>De datum van stook %1</source>
        <translation>Das Datum von Brand %1</translation>
    </message>
    <message>
        <source>Een meting van het stooklog van %1 is geen tijd met een temperatuur.</source>
        <translation>Eine Messung im Brandprotokoll von %1 ist keine Zeit mit einer Temperatur.</translation>
    </message>
    <message>
        <source>De waardering is 1 tot 5 (of leeg).</source>
        <translation>Die Bewertung ist 1 bis 5 (oder leer).</translation>
    </message>
    <message>
        <source>Een foto staat in de map foto van de gegevensmap, met een relatief pad.</source>
        <translation>Ein Foto liegt im Ordner foto des Datenordners, mit einem relativen Pfad.</translation>
    </message>
    <message>
        <source>Stap %1 van het stookschema: %2</source>
        <translation>Schritt %1 des Brennplans: %2</translation>
    </message>
    <message>
        <source>schrijf snelheid:doel:houdtijd, bijvoorbeeld 150:1000:10.</source>
        <translation>schreiben Sie Rate:Ziel:Haltezeit, zum Beispiel 150:1000:10.</translation>
    </message>
    <message>
        <source>de duur ligt niet tussen 0h01 en 99h59.</source>
        <translation>die Dauer liegt nicht zwischen 0h01 und 99h59.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen snelheid (graden per uur) of duur (2h30).</source>
        <translation>&apos;%1&apos; ist keine Rate (Grad pro Stunde) und keine Dauer (2h30).</translation>
    </message>
    <message>
        <source>de snelheid ligt niet tussen 0 en %1 °C per uur.</source>
        <translation>die Rate liegt nicht zwischen 0 und %1 °C pro Stunde.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen temperatuur.</source>
        <translation>&apos;%1&apos; ist keine Temperatur.</translation>
    </message>
    <message>
        <source>de doeltemperatuur ligt niet tussen 0 en %1 °C.</source>
        <translation>die Zieltemperatur liegt nicht zwischen 0 und %1 °C.</translation>
    </message>
    <message>
        <source>de houdtijd is geen aantal minuten tussen 0 en %1.</source>
        <translation>die Haltezeit ist keine Anzahl Minuten zwischen 0 und %1.</translation>
    </message>
    <message>
        <source>Een stookschema heeft hoogstens %1 stappen.</source>
        <translation>Ein Brennplan hat höchstens %1 Schritte.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen getal.</source>
        <translation>&apos;%1&apos; ist keine Zahl.</translation>
    </message>
    <message>
        <source>Proef %1</source>
        <translation>Versuch %1</translation>
    </message>
    <message>
        <source>Glazuur: %1</source>
        <translation>Glasur: %1</translation>
    </message>
    <message>
        <source>Gemengd: %1</source>
        <translation>Gemischt: %1</translation>
    </message>
    <message>
        <source>scherf %1</source>
        <translation>Scherben %1</translation>
    </message>
    <message>
        <source>biscuit kegel %1</source>
        <translation>Schrühbrand Kegel %1</translation>
    </message>
    <message>
        <source>Tegel: %1</source>
        <translation>Probeplatte: %1</translation>
    </message>
    <message>
        <source>%1 laag</source>
        <translation>%1 Schicht</translation>
    </message>
    <message>
        <source>%1 lagen</source>
        <translation>%1 Schichten</translation>
    </message>
    <message>
        <source>Opbrengen: %1</source>
        <translation>Auftrag: %1</translation>
    </message>
    <message>
        <source>Gelaagd: %1</source>
        <translation>Geschichtet: %1</translation>
    </message>
    <message>
        <source>Recept zoals gemengd (%1 g):</source>
        <translation>Rezept wie gemischt (%1 g):</translation>
    </message>
    <message>
        <source>Recept zoals gemengd:</source>
        <translation>Rezept wie gemischt:</translation>
    </message>
    <message>
        <source>Totaal</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>water %1 g</source>
        <translation>Wasser %1 g</translation>
    </message>
    <message>
        <source>s.g. %1</source>
        <translation>spez. Gew. %1</translation>
    </message>
    <message>
        <source>zeef %1</source>
        <translation>Sieb %1</translation>
    </message>
    <message>
        <source>Slib: %1</source>
        <translation>Schlicker: %1</translation>
    </message>
    <message>
        <source>Stoken:</source>
        <translation>Brände:</translation>
    </message>
    <message>
        <source>kegel %1</source>
        <translation>Kegel %1</translation>
    </message>
    <message>
        <source>plaats %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>waardering %1</source>
        <translation>Bewertung %1</translation>
    </message>
    <message>
        <source>gebreken: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Foto&apos;s:</source>
        <translation>Fotos:</translation>
    </message>
    <message>
        <source>Notities: %1</source>
        <translation>Notizen: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Recept:</source>
        <translation>Rezept:</translation>
    </message>
    <message>
        <source>Kostprijs: %1</source>
        <translation>Kosten: %1</translation>
    </message>
    <message>
        <source>Glazuur: %1</source>
        <translation>Glasur: %1</translation>
    </message>
    <message>
        <source>Categorie: %1</source>
        <translation>Kategorie: %1</translation>
    </message>
    <message>
        <source>Temperatuur:</source>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <source>Ingevoerd van SK: %1 tot SK: %2</source>
        <translation>Eingegeben von SK: %1 bis SK: %2</translation>
    </message>
    <message>
        <source>Berekend van : %1 gr. C tot: %2 gr. C</source>
        <translation>Berechnet von: %1 °C bis: %2 °C</translation>
    </message>
    <message>
        <source>Seger formule:</source>
        <translation>Segerformel:</translation>
    </message>
    <message>
        <source>Evt. toevoegingen:</source>
        <translation>Evtl. Zusätze:</translation>
    </message>
    <message>
        <source>Uitzettings coefficient: %1 x 10 E-5</source>
        <translation>Ausdehnungskoeffizient: %1 x 10 E-5</translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>Het recept van %1 bevat geen basisch oxide.</source>
        <translation>Das Rezept von %1 enthält kein basisches Oxid.</translation>
    </message>
    <message>
        <source>Grondstof %1 staat niet in het recept van %2</source>
        <translation>Rohstoff %1 steht nicht im Rezept von %2</translation>
    </message>
    <message>
        <source>Kies de grondstoffen die %1 vervangen.</source>
        <translation>Wählen Sie die Rohstoffe, die %1 ersetzen.</translation>
    </message>
    <message>
        <source>%1 kan zichzelf niet vervangen.</source>
        <translation>%1 kann sich nicht selbst ersetzen.</translation>
    </message>
    <message>
        <source>Geef het nieuwe glazuur een naam.</source>
        <translation>Geben Sie der neuen Glasur einen Namen.</translation>
    </message>
    <message>
        <source>De naam %1 is langer dan %2 tekens.</source>
        <translation>Der Name %1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>Er is al een glazuur met de naam %1</source>
        <translation>Es gibt schon eine Glasur mit dem Namen %1</translation>
    </message>
    <message>
        <source>Er is geen recept om op te slaan.</source>
        <translation>Es gibt kein Rezept zum Speichern.</translation>
    </message>
    <message>
        <source>Het recept heeft meer dan %1 grondstoffen en past niet in een glazuur.</source>
        <translation>Das Rezept hat mehr als %1 Rohstoffe und passt nicht in eine Glasur.</translation>
    </message>
    <message>
        <source>Te veel toegevoegde stoffen.</source>
        <translation>Zu viele Zusätze.</translation>
    </message>
    <message>
        <source>Onbekend oxide: %1</source>
        <translation>Unbekanntes Oxid: %1</translation>
    </message>
    <message>
        <source> of </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>het bereik %1</source>
        <translation>der Bereich %1</translation>
    </message>
    <message>
        <source>Geen recept binnen de bereiken mogelijk: %1 kan met deze grondstoffen niet gehaald worden.</source>
        <translation>Kein Rezept innerhalb der Bereiche möglich: %1 ist mit diesen Rohstoffen nicht erreichbar.</translation>
    </message>
    <message>
        <source>Geen recept binnen de bereiken mogelijk: de bereiken zijn met deze grondstoffen niet tegelijk te halen.</source>
        <translation>Kein Rezept innerhalb der Bereiche möglich: die Bereiche sind mit diesen Rohstoffen nicht gleichzeitig erreichbar.</translation>
    </message>
    <message>
        <source>%1 vanaf %2</source>
        <translation>%1 ab %2</translation>
    </message>
    <message>
        <source>Kies eerst de grondstoffen.</source>
        <translation>Wählen Sie zuerst die Rohstoffe.</translation>
    </message>
    <message>
        <source>Geen recept mogelijk: geen van de grondstoffen bevat een basisch oxide.</source>
        <translation>Kein Rezept möglich: keiner der Rohstoffe enthält ein basisches Oxid.</translation>
    </message>
    <message>
        <source>Het rekenprogramma vond geen oplossing.</source>
        <translation>Das Rechenprogramm fand keine Lösung.</translation>
    </message>
    <message>
        <source>Bereik %1: de ondergrens is groter dan de bovengrens</source>
        <translation>Bereich %1: die Untergrenze ist größer als die Obergrenze</translation>
    </message>
    <message>
        <source>Geen recept met de meeste %1: geef er een bereik voor op.</source>
        <translation>Kein Rezept mit dem meisten %1: geben Sie dafür einen Bereich an.</translation>
    </message>
    <message>
        <source>Geen recept met de minste %1: geef er een bereik voor op.</source>
        <translation>Kein Rezept mit dem wenigsten %1: geben Sie dafür einen Bereich an.</translation>
    </message>
    <message>
        <source>Geen goedkoopste recept: geef een bereik op voor de oxiden van %1.</source>
        <translation>Kein günstigstes Rezept: geben Sie einen Bereich für die Oxide von %1 an.</translation>
    </message>
    <message>
        <source>Geen oxide vóór %1</source>
        <translation>Kein Oxid vor %1</translation>
    </message>
    <message>
        <source>Geen getal: %1</source>
        <translation>Keine Zahl: %1</translation>
    </message>
    <message>
        <source>%1: %2 ligt niet tussen %3 en %4.</source>
        <translation>%1: %2 liegt nicht zwischen %3 und %4.</translation>
    </message>
    <message>
        <source>Geen bereik: %1</source>
        <translation>Kein Bereich: %1</translation>
    </message>
    <message>
        <source>Lege naam in de lijst van grondstoffen</source>
        <translation>Leerer Name in der Liste der Rohstoffe</translation>
    </message>
    <message>
        <source>Doel %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>Gewicht %1</source>
        <translation>Gewicht %1</translation>
    </message>
    <message>
        <source>Bereik %1</source>
        <translation>Bereich %1</translation>
    </message>
    <message>
        <source>%1, ondergrens</source>
        <translation>%1, Untergrenze</translation>
    </message>
    <message>
        <source>%1, bovengrens</source>
        <translation>%1, Obergrenze</translation>
    </message>
    <message>
        <source>Grondstof %1</source>
        <translation>Rohstoff %1</translation>
    </message>
    <message>
        <source>%1, prijs</source>
        <translation>%1, Preis</translation>
    </message>
    <message>
        <source>%1, molgewicht</source>
        <translation>%1, Molgewicht</translation>
    </message>
    <message>
        <source>Onbekende grondstof: %1</source>
        <translation>Unbekannter Rohstoff: %1</translation>
    </message>
    <message>
        <source>Grondstof %1 heeft geen molgewicht; het recept kan niet berekend worden</source>
        <translation>Rohstoff %1 hat kein Molgewicht; das Rezept kann nicht berechnet werden</translation>
    </message>
</context>
</TS>
