<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>Cli</name>
    <message>
        <source>De naam %1 is langer dan 40 tekens.</source>
        <translation>Der Name %1 ist länger als 40 Zeichen.</translation>
    </message>
    <message>
        <source>Er is al een glazuur met de naam %1.</source>
        <translation>Es gibt schon eine Glasur mit dem Namen %1.</translation>
    </message>
    <message>
        <source>%1 glazuren opgeslagen</source>
        <translation>%1 Glasuren gespeichert</translation>
    </message>
    <message>
        <source>blend line|triaxial|biaxial|currie --corners &quot;A,B[,C[,D]]&quot; [--cells N | --rows R --cols C] [--range LO..HI] [--ml M | --grams G] [--store PREFIX]   plan a blend of glazes</source>
        <translation>blend line|triaxial|biaxial|currie --corners &quot;A,B[,C[,D]]&quot; [--cells N | --rows R --cols C] [--range LO..HI] [--ml M | --grams G] [--store PRÄFIX]   eine Mischreihe von Glasuren planen</translation>
    </message>
    <message>
        <source>kelvora-cli: unknown language &apos;%1&apos; in %2 (en, de or nl)</source>
        <translation>kelvora-cli: unbekannte Sprache &apos;%1&apos; in %2 (en, de oder nl)</translation>
    </message>
    <message>
        <source>kelvora-cli: --lang needs one of en, de or nl</source>
        <translation>kelvora-cli: --lang braucht en, de oder nl</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later; there is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Lizenz: GPL-3.0-or-later; es gibt KEINE GARANTIE, soweit das Gesetz es zulässt.</translation>
    </message>
    <message>
        <source>usage: kelvora-cli [--lang LANG] [--db DIR] COMMAND [ARGS]
       kelvora-cli --help | --version
  --db DIR   folder holding mat.cds and glz.cds (default: db0991 beside kelvora-cli,
             or ~/.local/share/kelvora/db0991 for an installed kelvora-cli)
  --lang LANG  language of the messages: en, de or nl (or KELVORA_LANG);
             without it they are as always
commands:
</source>
        <translation>Aufruf: kelvora-cli [--lang LANG] [--db DIR] BEFEHL [ARGUMENTE]
       kelvora-cli --help | --version
  --db DIR   Ordner mit mat.cds und glz.cds (Vorgabe: db0991 neben kelvora-cli,
             oder ~/.local/share/kelvora/db0991 für ein installiertes kelvora-cli)
  --lang LANG  Sprache der Meldungen: en, de oder nl (oder KELVORA_LANG);
             ohne sie bleiben sie wie immer
Befehle:
</translation>
    </message>
    <message>
        <source>No glaze named &quot;%1&quot; in %2</source>
        <translation>Keine Glasur namens &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>No material named &quot;%1&quot; in %2</source>
        <translation>Kein Rohstoff namens &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>%1 material imported</source>
        <translation>%1 Rohstoff importiert</translation>
    </message>
    <message>
        <source>%1 materials imported</source>
        <translation>%1 Rohstoffe importiert</translation>
    </message>
    <message>
        <source>calc NAME [--basic-not-to-one]   calculate a glaze, store it, print its analysis</source>
        <translation>calc NAME [--basic-not-to-one]   eine Glasur berechnen, speichern und ihre Analyse ausgeben</translation>
    </message>
    <message>
        <source>report NAME   print the analysis of a stored glaze</source>
        <translation>report NAME   die Analyse einer gespeicherten Glasur ausgeben</translation>
    </message>
    <message>
        <source>convert NAME   turn a material&apos;s percentage analysis into mols</source>
        <translation>convert NAME   die Prozentanalyse eines Rohstoffs in Mol umrechnen</translation>
    </message>
    <message>
        <source>import FILE   append the materials of a table file (XML or binary)</source>
        <translation>import DATEI   die Rohstoffe einer Tabellendatei anhängen (XML oder binär)</translation>
    </message>
    <message>
        <source>calc-all   calculate and store every glaze</source>
        <translation>calc-all   jede Glasur berechnen und speichern</translation>
    </message>
    <message>
        <source>recalc-using MATERIAL   recalculate and store the glazes that use a material</source>
        <translation>recalc-using ROHSTOFF   die Glasuren mit diesem Rohstoff neu berechnen und speichern</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;</source>
        <translation>Unbekanntes Format &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Materials file (%1) not written: give a FILE to get it</source>
        <translation>Rohstoffdatei (%1) nicht geschrieben: geben Sie eine DATEI an, um sie zu erhalten</translation>
    </message>
    <message>
        <source>export-recipes FILE|- --format glazy-yaml|insight-xml|glazechem|text|csv (NAME...|--all)  recipes for other tools</source>
        <translation>export-recipes DATEI|- --format glazy-yaml|insight-xml|glazechem|text|csv (NAME...|--all)  Rezepte für andere Programme</translation>
    </message>
    <message>
        <source>Bestand niet gevonden: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: %2</source>
        <translation>Rohstoff &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos; overgeslagen, en daarmee: %2</source>
        <translation>Rohstoff &apos;%1&apos; übersprungen, und damit: %2</translation>
    </message>
    <message>
        <source>recept &apos;%1&apos;: %2</source>
        <translation>Rezept &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--map: &apos;%1&apos; komt in het bestand niet voor</source>
        <translation>--map: &apos;%1&apos; kommt in der Datei nicht vor</translation>
    </message>
    <message>
        <source>Niets geschreven.</source>
        <translation>Nichts geschrieben.</translation>
    </message>
    <message>
        <source>import-recipes FILE|- [--format F] [--materials FILE] [--map &quot;NAAM=GRONDSTOF;...&quot;] [--create-materials] [--dry-run]   import recipes from other tools, after a preview</source>
        <translation>import-recipes DATEI|- [--format F] [--materials DATEI] [--map &quot;NAME=ROHSTOFF;...&quot;] [--create-materials] [--dry-run]   Rezepte aus anderen Programmen importieren, nach einer Vorschau</translation>
    </message>
    <message>
        <source>kelvora-cli: no translations for &apos;%1&apos; found</source>
        <translation>kelvora-cli: keine Übersetzungen für &apos;%1&apos; gefunden</translation>
    </message>
    <message>
        <source>Onbekend oxide: %1</source>
        <translation>Unbekanntes Oxid: %1</translation>
    </message>
    <message>
        <source>Onbekend glazuur: %1</source>
        <translation>Unbekannte Glasur: %1</translation>
    </message>
    <message>
        <source>solve --materials &quot;A,B,C&quot; (--target &quot;k2o=0.3,...&quot; | --range &quot;sio2=3..4,...&quot; [--minimise prys|--maximise STEM|--minimise STEM]) [--store NAME]   find a recipe</source>
        <translation>solve --materials &quot;A,B,C&quot; (--target &quot;k2o=0.3,...&quot; | --range &quot;sio2=3..4,...&quot; [--minimise prys|--maximise STEM|--minimise STEM]) [--store NAME]   ein Rezept finden</translation>
    </message>
    <message>
        <source>substitute GLAZE MATERIAL --with &quot;A,B&quot; [--store NAME]   replace a material of a glaze</source>
        <translation>substitute GLASUR ROHSTOFF --with &quot;A,B&quot; [--store NAME]   einen Rohstoff einer Glasur ersetzen</translation>
    </message>
    <message>
        <source>No material named &quot;%1&quot;</source>
        <translation>Kein Rohstoff namens &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No glaze named &quot;%1&quot;</source>
        <translation>Keine Glasur namens &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot read starter data &quot;%1&quot;</source>
        <translation>Startdaten &quot;%1&quot; können nicht gelesen werden</translation>
    </message>
    <message>
        <source>list materials|glazes            names in name order</source>
        <translation>list materials|glazes            Namen in Namensreihenfolge</translation>
    </message>
    <message>
        <source>show material|glaze NAME         every field of the first record of that name</source>
        <translation>show material|glaze NAME         jedes Feld des ersten Datensatzes mit diesem Namen</translation>
    </message>
    <message>
        <source>export materials|glazes FILE [--xml]  the whole table, binary or XML</source>
        <translation>export materials|glazes DATEI [--xml]  die ganze Tabelle, binär oder XML</translation>
    </message>
    <message>
        <source>new-table materials|glazes FILE [--xml]  an empty data file</source>
        <translation>new-table materials|glazes DATEI [--xml]  eine leere Datendatei</translation>
    </message>
    <message>
        <source>Batch size must be a positive number of grams, at most 1000000: %1</source>
        <translation>Die Ansatzgröße muss eine positive Zahl von Gramm sein, höchstens 1000000: %1</translation>
    </message>
    <message>
        <source>No expansion factor set named &quot;%1&quot; in %2</source>
        <translation>Kein Satz von Ausdehnungsfaktoren namens &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>batch NAME GRAMS   grams of every material for a batch of a glaze</source>
        <translation>batch NAME GRAMM   Gramm jedes Rohstoffs für einen Ansatz einer Glasur</translation>
    </message>
    <message>
        <source>analysis NAME [--expansion SET] [--data DIR]   chemistry figures and limit check of a glaze</source>
        <translation>analysis NAME [--expansion SATZ] [--data DIR]   Chemie-Kennzahlen und Grenzwertprüfung einer Glasur</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen atmosfeer; kies uit: %2.</source>
        <translation>&apos;%1&apos; ist keine Atmosphäre; zur Wahl stehen: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen status; kies uit: %2.</source>
        <translation>&apos;%1&apos; ist kein Status; zur Wahl stehen: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen gebrek; kies uit: %2.</source>
        <translation>&apos;%1&apos; ist kein Fehler; zur Wahl stehen: %2.</translation>
    </message>
    <message>
        <source>Er is geen glazuur &apos;%1&apos;.</source>
        <translation>Es gibt keine Glasur &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Er is geen proef met de code &apos;%1&apos;.</source>
        <translation>Es gibt keinen Versuch mit dem Code &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>De datum</source>
        <translation>Das Datum</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen aantal gram.</source>
        <translation>&apos;%1&apos; ist keine Anzahl Gramm.</translation>
    </message>
    <message>
        <source>Het stookschema heeft geen stappen.</source>
        <translation>Der Brennplan hat keine Schritte.</translation>
    </message>
    <message>
        <source>Er is geen sjabloon &apos;%1&apos;.</source>
        <translation>Es gibt keine Vorlage &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Het bestand &apos;%1&apos; is er niet.</source>
        <translation>Die Datei &apos;%1&apos; gibt es nicht.</translation>
    </message>
    <message>
        <source>In &apos;%1&apos; staan geen metingen.</source>
        <translation>In &apos;%1&apos; stehen keine Messungen.</translation>
    </message>
    <message>
        <source>De waardering is 1 tot 5, niet &apos;%1&apos;.</source>
        <translation>Die Bewertung ist 1 bis 5, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen ander glazuur.</source>
        <translation>&apos;%1&apos; ist keine andere Glasur.</translation>
    </message>
    <message>
        <source>test new GLAZE [--code C] [--grams G] [--date D] | list [GLAZE] | show CODE
  test find [--code C] [--glaze G] [--clay T] [--cone C] [--atmosphere A] [--kiln K] [--status S]
            [--from D] [--to D] [--defect D]   the tests of the notebook</source>
        <translation>test new GLASUR [--code C] [--grams G] [--date D] | list [GLASUR] | show CODE
  test find [--code C] [--glaze G] [--clay T] [--cone C] [--atmosphere A] [--kiln K] [--status S]
            [--from D] [--to D] [--defect D]   die Versuche des Notizbuchs</translation>
    </message>
    <message>
        <source>firing new --date D --cone C --atmosphere A [--kiln K] [--schedule &quot;rate:target:hold,...&quot; | --template NAME] [--code C]
  firing add-test FIRING CODE [--place P] [--surface S] [--transparency T] [--colour C] [--defect D]...
            [--defect-notes T] [--rating 1-5] [--notes T]   firings and the tests in them
  firing template save NAME --schedule &quot;rate:target:hold,...&quot; | template list   schedules kept by name</source>
        <translation>firing new --date D --cone C --atmosphere A [--kiln K] [--schedule &quot;Rate:Ziel:Haltezeit,...&quot; | --template NAME] [--code C]
  firing add-test BRAND CODE [--place P] [--surface S] [--transparency T] [--colour C] [--defect D]...
            [--defect-notes T] [--rating 1-5] [--notes T]   Brände und die Versuche darin
  firing template save NAME --schedule &quot;Rate:Ziel:Haltezeit,...&quot; | template list   Brennpläne unter einem Namen</translation>
    </message>
    <message>
        <source>photo add CODE FILE [--cone C] [--atmosphere A] [--title T] [--firing F]   copy a photo of a test into the data folder</source>
        <translation>photo add CODE DATEI [--cone C] [--atmosphere A] [--title T] [--firing F]   ein Foto eines Versuchs in den Datenordner kopieren</translation>
    </message>
    <message>
        <source>glaze-status GLAZE testen|productie|gestopt [--based-on PARENT]   a glaze&apos;s status and the glaze it is based on</source>
        <translation>glaze-status GLASUR testen|productie|gestopt [--based-on VORGÄNGER]   der Status einer Glasur und die Glasur, auf der sie beruht</translation>
    </message>
    <message>
        <source>notebook export GLAZE FILE.zip | import FILE.zip [--dry-run]   a glaze with its tests and photos, to take to another data folder</source>
        <translation>notebook export GLASUR DATEI.zip | import DATEI.zip [--dry-run]   eine Glasur mit ihren Versuchen und Fotos, für einen anderen Datenordner</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>De materialen zouden &apos;%1&apos; overschrijven: kies een bestandsnaam met een andere extensie.</source>
        <translation>Die Rohstoffe würden &apos;%1&apos; überschreiben: wählen Sie einen Dateinamen mit einer anderen Endung.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1: %2 is geen hoeveelheid</source>
        <translation>%1: %2 ist keine Menge</translation>
    </message>
    <message>
        <source>KNaO: splits in K2O en Na2O</source>
        <translation>KNaO: in K2O und Na2O aufteilen</translation>
    </message>
    <message>
        <source>de analyse heeft geen oxide waarop een formule te bouwen is</source>
        <translation>die Analyse hat kein Oxid, auf dem eine Formel aufgebaut werden kann</translation>
    </message>
    <message>
        <source>gloeiverlies %1 % wijkt af van 100 - som = %2 %</source>
        <translation>Glühverlust %1 % weicht ab von 100 - Summe = %2 %</translation>
    </message>
    <message>
        <source>de formule heeft geen oxide</source>
        <translation>die Formel hat kein Oxid</translation>
    </message>
    <message>
        <source>de molaire formule telt op tot %1: waarschijnlijk een analyse in gewichtsprocenten</source>
        <translation>die molare Formel ergibt zusammen %1: wahrscheinlich eine Analyse in Gewichtsprozent</translation>
    </message>
    <message>
        <source>%1 zonder %2 ervoor</source>
        <translation>%1 ohne %2 davor</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen getal</source>
        <translation>&apos;%1&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>formule van &apos;%1&apos;: %2 %3 - twee getallen achter elkaar</source>
        <translation>Formel von &apos;%1&apos;: %2 %3 - zwei Zahlen hintereinander</translation>
    </message>
    <message>
        <source>formule van &apos;%1&apos;: &apos;%2&apos; is geen getal</source>
        <translation>Formel von &apos;%1&apos;: &apos;%2&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>formule van &apos;%1&apos; eindigt met een getal zonder oxide</source>
        <translation>Formel von &apos;%1&apos; endet mit einer Zahl ohne Oxid</translation>
    </message>
    <message>
        <source>regel zonder &apos;=&apos;: &apos;%1&apos;</source>
        <translation>Zeile ohne &apos;=&apos;: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>een recept is geen JSON-object</source>
        <translation>ein Rezept ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>&apos;materialComponents&apos; is geen lijst</source>
        <translation>&apos;materialComponents&apos; ist keine Liste</translation>
    </message>
    <message>
        <source>&apos;Ingredients&apos; is geen lijst</source>
        <translation>&apos;Ingredients&apos; ist keine Liste</translation>
    </message>
    <message>
        <source>een ingrediënt zonder velden</source>
        <translation>eine Zutat ohne Felder</translation>
    </message>
    <message>
        <source>geen leesbare YAML: %1</source>
        <translation>kein lesbares YAML: %1</translation>
    </message>
    <message>
        <source>geen lijst van recepten en grondstoffen</source>
        <translation>keine Liste von Rezepten und Rohstoffen</translation>
    </message>
    <message>
        <source>een record zonder velden</source>
        <translation>ein Datensatz ohne Felder</translation>
    </message>
    <message>
        <source>gzip kan niet worden uitgepakt</source>
        <translation>gzip kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>beschadigd gzip-bestand (na %1 uitgepakte bytes)</source>
        <translation>beschädigte gzip-Datei (nach %1 entpackten Bytes)</translation>
    </message>
    <message>
        <source>afgebroken gzip-bestand (na %1 uitgepakte bytes)</source>
        <translation>abgebrochene gzip-Datei (nach %1 entpackten Bytes)</translation>
    </message>
    <message>
        <source>niet duidelijk welk getal de hoeveelheid is</source>
        <translation>nicht klar, welche Zahl die Menge ist</translation>
    </message>
    <message>
        <source>het bestand is groter dan %1 MiB en wordt niet gelezen</source>
        <translation>die Datei ist größer als %1 MiB und wird nicht gelesen</translation>
    </message>
    <message>
        <source>meer dan %1 receptregels</source>
        <translation>mehr als %1 Rezeptzeilen</translation>
    </message>
    <message>
        <source>het bestand bevat meer dan %1 recepten en grondstoffen en wordt niet gelezen</source>
        <translation>die Datei enthält mehr als %1 Rezepte und Rohstoffe und wird nicht gelesen</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos; heeft meer dan %2 bestanddelen</source>
        <translation>Rohstoff &apos;%1&apos; hat mehr als %2 Bestandteile</translation>
    </message>
    <message>
        <source>regel %1 (recept &apos;%2&apos;)</source>
        <translation>Zeile %1 (Rezept &apos;%2&apos;)</translation>
    </message>
    <message>
        <source>regel %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>(recept &apos;%1&apos;)</source>
        <translation>(Rezept &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>geen hoeveelheid</source>
        <translation>keine Menge</translation>
    </message>
    <message>
        <source>onbekende grondstof &apos;%1&apos;</source>
        <translation>unbekannter Rohstoff &apos;%1&apos;</translation>
    </message>
    <message>
        <source>onbekende grondstof &apos;%1&apos; (lijkt op: %2)</source>
        <translation>unbekannter Rohstoff &apos;%1&apos; (ähnlich: %2)</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: geen grondstof gekozen</source>
        <translation>Rohstoff &apos;%1&apos;: kein Rohstoff gewählt</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: het bestand geeft geen analyse</source>
        <translation>Rohstoff &apos;%1&apos;: die Datei gibt keine Analyse</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: %2</source>
        <translation>Rohstoff &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: buiten de %2 oxides: %3 (eerst bevestigen)</source>
        <translation>Rohstoff &apos;%1&apos;: außerhalb der %2 Oxide: %3 (erst bestätigen)</translation>
    </message>
    <message>
        <source>de analyse in het bestand wijkt af van die van &apos;%1&apos;; de opgeslagen blijft</source>
        <translation>die Analyse in der Datei weicht von der von &apos;%1&apos; ab; die gespeicherte bleibt</translation>
    </message>
    <message>
        <source>naam ingekort tot &apos;%1&apos;</source>
        <translation>Name gekürzt auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>naam bestond al; opgeslagen als &apos;%1&apos;</source>
        <translation>Name gab es schon; gespeichert als &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: %2 (&apos;%3&apos;)</source>
        <translation>%1: %2 (&apos;%3&apos;)</translation>
    </message>
    <message>
        <source>%1: geen hoeveelheid bij &apos;%2&apos;</source>
        <translation>%1: keine Menge bei &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: regel zonder grondstof (&apos;%2&apos;)</source>
        <translation>%1: Zeile ohne Rohstoff (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>%1 regel(s) passen niet en staan in de omschrijving</source>
        <translation>%1 Zeile(n) passen nicht und stehen in der Beschreibung</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: &apos;%2&apos; bestaat niet</source>
        <translation>Rohstoff &apos;%1&apos;: &apos;%2&apos; gibt es nicht</translation>
    </message>
    <message>
        <source>Het importeren is nog niet rond: %1</source>
        <translation>Der Import ist noch nicht geklärt: %1</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is geen getal</source>
        <translation>%1 &apos;%2&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>conversion &apos;%1&apos; moet groter dan 0 zijn</source>
        <translation>conversion &apos;%1&apos; muss größer als 0 sein</translation>
    </message>
    <message>
        <source>geen leesbare XML: %1</source>
        <translation>kein lesbares XML: %1</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is geen recept- of grondstoffenbestand</source>
        <translation>&lt;%1&gt; ist keine Rezept- oder Rohstoffdatei</translation>
    </message>
    <message>
        <source>geen leesbare JSON (teken %1)</source>
        <translation>kein lesbares JSON (Zeichen %1)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is geen getal</source>
        <translation>%1: &apos;%2&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>de ingrediënten staan niet in een JSON-object</source>
        <translation>die Zutaten stehen nicht in einem JSON-Objekt</translation>
    </message>
    <message>
        <source>bereik &apos;%1&apos; in plaats van één hoeveelheid</source>
        <translation>Bereich &apos;%1&apos; statt einer Menge</translation>
    </message>
    <message>
        <source>hoeveelheid zonder grondstof</source>
        <translation>Menge ohne Rohstoff</translation>
    </message>
    <message>
        <source>geen hoeveelheid vooraan</source>
        <translation>keine Menge vorne</translation>
    </message>
    <message>
        <source>het bestand breekt midden in een UTF-16-teken af</source>
        <translation>die Datei bricht mitten in einem UTF-16-Zeichen ab</translation>
    </message>
    <message>
        <source>onvolledig UTF-16-tekenpaar aan het eind</source>
        <translation>unvollständiges UTF-16-Ersatzzeichenpaar am Ende</translation>
    </message>
    <message>
        <source>ongeldig UTF-16-tekenpaar</source>
        <translation>ungültiges UTF-16-Ersatzzeichenpaar</translation>
    </message>
    <message>
        <source>tekenset %1 is op dit systeem niet beschikbaar</source>
        <translation>Zeichensatz %1 ist auf diesem System nicht verfügbar</translation>
    </message>
    <message>
        <source>het bestand bevat NUL-tekens: geen tekstbestand, of UTF-16 zonder bytevolgordeteken</source>
        <translation>die Datei enthält NUL-Zeichen: keine Textdatei, oder UTF-16 ohne Byte-Reihenfolge-Markierung</translation>
    </message>
    <message>
        <source>het bestand bevat NUL-tekens</source>
        <translation>die Datei enthält NUL-Zeichen</translation>
    </message>
</context>
</TS>
