<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="nl">
<context>
    <name>Cli</name>
    <message>
        <source>De naam %1 is langer dan 40 tekens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is al een glazuur met de naam %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 glazuren opgeslagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blend line|triaxial|biaxial|currie --corners &quot;A,B[,C[,D]]&quot; [--cells N | --rows R --cols C] [--range LO..HI] [--ml M | --grams G] [--store PREFIX]   plan a blend of glazes</source>
        <translation>blend line|triaxial|biaxial|currie --corners &quot;A,B[,C[,D]]&quot; [--cells N | --rows R --cols C] [--range LO..HI] [--ml M | --grams G] [--store VOORVOEGSEL]   een mengreeks van glazuren plannen</translation>
    </message>
    <message>
        <source>kelvora-cli: unknown language &apos;%1&apos; in %2 (en, de or nl)</source>
        <translation>kelvora-cli: onbekende taal &apos;%1&apos; in %2 (en, de of nl)</translation>
    </message>
    <message>
        <source>kelvora-cli: --lang needs one of en, de or nl</source>
        <translation>kelvora-cli: --lang vraagt en, de of nl</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later; there is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Licentie: GPL-3.0-or-later; er is GEEN GARANTIE, voor zover de wet dat toestaat.</translation>
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
        <translation>gebruik: kelvora-cli [--lang TAAL] [--db MAP] OPDRACHT [ARGUMENTEN]
       kelvora-cli --help | --version
  --db MAP   map met mat.cds en glz.cds (standaard: db0991 naast kelvora-cli,
             of ~/.local/share/kelvora/db0991 voor een geïnstalleerde kelvora-cli)
  --lang TAAL  taal van de meldingen: en, de of nl (of KELVORA_LANG);
             zonder blijven ze zoals altijd
opdrachten:
</translation>
    </message>
    <message>
        <source>No glaze named &quot;%1&quot; in %2</source>
        <translation>Geen glazuur met de naam &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>No material named &quot;%1&quot; in %2</source>
        <translation>Geen grondstof met de naam &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>%1 material imported</source>
        <translation>%1 grondstof geïmporteerd</translation>
    </message>
    <message>
        <source>%1 materials imported</source>
        <translation>%1 grondstoffen geïmporteerd</translation>
    </message>
    <message>
        <source>calc NAME [--basic-not-to-one]   calculate a glaze, store it, print its analysis</source>
        <translation>calc NAAM [--basic-not-to-one]   een glazuur berekenen, opslaan en de analyse tonen</translation>
    </message>
    <message>
        <source>report NAME   print the analysis of a stored glaze</source>
        <translation>report NAAM   de analyse van een opgeslagen glazuur tonen</translation>
    </message>
    <message>
        <source>convert NAME   turn a material&apos;s percentage analysis into mols</source>
        <translation>convert NAAM   de procentanalyse van een grondstof omrekenen naar mol</translation>
    </message>
    <message>
        <source>import FILE   append the materials of a table file (XML or binary)</source>
        <translation>import BESTAND   de grondstoffen van een tabelbestand toevoegen (XML of binair)</translation>
    </message>
    <message>
        <source>calc-all   calculate and store every glaze</source>
        <translation>calc-all   elk glazuur berekenen en opslaan</translation>
    </message>
    <message>
        <source>recalc-using MATERIAL   recalculate and store the glazes that use a material</source>
        <translation>recalc-using GRONDSTOF   de glazuren met deze grondstof opnieuw berekenen en opslaan</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;</source>
        <translation>Onbekend formaat &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Materials file (%1) not written: give a FILE to get it</source>
        <translation>Grondstoffenbestand (%1) niet geschreven: geef een BESTAND om het te krijgen</translation>
    </message>
    <message>
        <source>export-recipes FILE|- --format glazy-yaml|insight-xml|glazechem|text|csv (NAME...|--all)  recipes for other tools</source>
        <translation>export-recipes BESTAND|- --format glazy-yaml|insight-xml|glazechem|text|csv (NAAM...|--all)  recepten voor andere programma&apos;s</translation>
    </message>
    <message>
        <source>Bestand niet gevonden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos; overgeslagen, en daarmee: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recept &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--map: &apos;%1&apos; komt in het bestand niet voor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niets geschreven.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import-recipes FILE|- [--format F] [--materials FILE] [--map &quot;NAAM=GRONDSTOF;...&quot;] [--create-materials] [--dry-run]   import recipes from other tools, after a preview</source>
        <translation>import-recipes BESTAND|- [--format F] [--materials BESTAND] [--map &quot;NAAM=GRONDSTOF;...&quot;] [--create-materials] [--dry-run]   recepten uit andere programma&apos;s importeren, na een voorbeeld</translation>
    </message>
    <message>
        <source>kelvora-cli: no translations for &apos;%1&apos; found</source>
        <translation>kelvora-cli: geen vertalingen voor &apos;%1&apos; gevonden</translation>
    </message>
    <message>
        <source>Onbekend oxide: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onbekend glazuur: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solve --materials &quot;A,B,C&quot; (--target &quot;k2o=0.3,...&quot; | --range &quot;sio2=3..4,...&quot; [--minimise prys|--maximise STEM|--minimise STEM]) [--store NAME]   find a recipe</source>
        <translation>solve --materials &quot;A,B,C&quot; (--target &quot;k2o=0.3,...&quot; | --range &quot;sio2=3..4,...&quot; [--minimise prys|--maximise STEM|--minimise STEM]) [--store NAAM]   een recept zoeken</translation>
    </message>
    <message>
        <source>substitute GLAZE MATERIAL --with &quot;A,B&quot; [--store NAME]   replace a material of a glaze</source>
        <translation>substitute GLAZUUR GRONDSTOF --with &quot;A,B&quot; [--store NAAM]   een grondstof van een glazuur vervangen</translation>
    </message>
    <message>
        <source>No material named &quot;%1&quot;</source>
        <translation>Geen grondstof met de naam &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No glaze named &quot;%1&quot;</source>
        <translation>Geen glazuur met de naam &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot read starter data &quot;%1&quot;</source>
        <translation>Startgegevens &quot;%1&quot; kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>list materials|glazes            names in name order</source>
        <translation>list materials|glazes            namen op volgorde van naam</translation>
    </message>
    <message>
        <source>show material|glaze NAME         every field of the first record of that name</source>
        <translation>show material|glaze NAAM         elk veld van het eerste record met die naam</translation>
    </message>
    <message>
        <source>export materials|glazes FILE [--xml]  the whole table, binary or XML</source>
        <translation>export materials|glazes BESTAND [--xml]  de hele tabel, binair of XML</translation>
    </message>
    <message>
        <source>new-table materials|glazes FILE [--xml]  an empty data file</source>
        <translation>new-table materials|glazes BESTAND [--xml]  een leeg gegevensbestand</translation>
    </message>
    <message>
        <source>Batch size must be a positive number of grams, at most 1000000: %1</source>
        <translation>De batchgrootte moet een positief aantal grammen zijn, hoogstens 1000000: %1</translation>
    </message>
    <message>
        <source>No expansion factor set named &quot;%1&quot; in %2</source>
        <translation>Geen set uitzettingsfactoren met de naam &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>batch NAME GRAMS   grams of every material for a batch of a glaze</source>
        <translation>batch NAAM GRAM   grammen van elke grondstof voor een batch van een glazuur</translation>
    </message>
    <message>
        <source>analysis NAME [--expansion SET] [--data DIR]   chemistry figures and limit check of a glaze</source>
        <translation>analysis NAAM [--expansion SET] [--data MAP]   chemische kengetallen en grenswaardencontrole van een glazuur</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen atmosfeer; kies uit: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen status; kies uit: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen gebrek; kies uit: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is geen glazuur &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is geen proef met de code &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen aantal gram.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het stookschema heeft geen stappen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is geen sjabloon &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het bestand &apos;%1&apos; is er niet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In &apos;%1&apos; staan geen metingen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De waardering is 1 tot 5, niet &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen ander glazuur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test new GLAZE [--code C] [--grams G] [--date D] | list [GLAZE] | show CODE
  test find [--code C] [--glaze G] [--clay T] [--cone C] [--atmosphere A] [--kiln K] [--status S]
            [--from D] [--to D] [--defect D]   the tests of the notebook</source>
        <translation>test new GLAZUUR [--code C] [--grams G] [--date D] | list [GLAZUUR] | show CODE
  test find [--code C] [--glaze G] [--clay T] [--cone C] [--atmosphere A] [--kiln K] [--status S]
            [--from D] [--to D] [--defect D]   de proeven van het notitieboek</translation>
    </message>
    <message>
        <source>firing new --date D --cone C --atmosphere A [--kiln K] [--schedule &quot;rate:target:hold,...&quot; | --template NAME] [--code C]
  firing add-test FIRING CODE [--place P] [--surface S] [--transparency T] [--colour C] [--defect D]...
            [--defect-notes T] [--rating 1-5] [--notes T]   firings and the tests in them
  firing template save NAME --schedule &quot;rate:target:hold,...&quot; | template list   schedules kept by name</source>
        <translation>firing new --date D --cone C --atmosphere A [--kiln K] [--schedule &quot;snelheid:doel:houdtijd,...&quot; | --template NAAM] [--code C]
  firing add-test STOOK CODE [--place P] [--surface S] [--transparency T] [--colour C] [--defect D]...
            [--defect-notes T] [--rating 1-5] [--notes T]   stoken en de proeven erin
  firing template save NAAM --schedule &quot;snelheid:doel:houdtijd,...&quot; | template list   stookschema&apos;s onder een naam</translation>
    </message>
    <message>
        <source>photo add CODE FILE [--cone C] [--atmosphere A] [--title T] [--firing F]   copy a photo of a test into the data folder</source>
        <translation>photo add CODE BESTAND [--cone C] [--atmosphere A] [--title T] [--firing F]   een foto van een proef naar de gegevensmap kopiëren</translation>
    </message>
    <message>
        <source>glaze-status GLAZE testen|productie|gestopt [--based-on PARENT]   a glaze&apos;s status and the glaze it is based on</source>
        <translation>glaze-status GLAZUUR testen|productie|gestopt [--based-on BASIS]   de status van een glazuur en het glazuur waarop het gebaseerd is</translation>
    </message>
    <message>
        <source>notebook export GLAZE FILE.zip | import FILE.zip [--dry-run]   a glaze with its tests and photos, to take to another data folder</source>
        <translation>notebook export GLAZUUR BESTAND.zip | import BESTAND.zip [--dry-run]   een glazuur met zijn proeven en foto&apos;s, voor een andere gegevensmap</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>De materialen zouden &apos;%1&apos; overschrijven: kies een bestandsnaam met een andere extensie.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1: %2 is geen hoeveelheid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KNaO: splits in K2O en Na2O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de analyse heeft geen oxide waarop een formule te bouwen is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gloeiverlies %1 % wijkt af van 100 - som = %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de formule heeft geen oxide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de molaire formule telt op tot %1: waarschijnlijk een analyse in gewichtsprocenten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 zonder %2 ervoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen getal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>formule van &apos;%1&apos;: %2 %3 - twee getallen achter elkaar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>formule van &apos;%1&apos;: &apos;%2&apos; is geen getal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>formule van &apos;%1&apos; eindigt met een getal zonder oxide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>regel zonder &apos;=&apos;: &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>een recept is geen JSON-object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;materialComponents&apos; is geen lijst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Ingredients&apos; is geen lijst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>een ingrediënt zonder velden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen leesbare YAML: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen lijst van recepten en grondstoffen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>een record zonder velden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gzip kan niet worden uitgepakt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beschadigd gzip-bestand (na %1 uitgepakte bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>afgebroken gzip-bestand (na %1 uitgepakte bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>niet duidelijk welk getal de hoeveelheid is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>het bestand is groter dan %1 MiB en wordt niet gelezen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meer dan %1 receptregels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>het bestand bevat meer dan %1 recepten en grondstoffen en wordt niet gelezen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos; heeft meer dan %2 bestanddelen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>regel %1 (recept &apos;%2&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>regel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(recept &apos;%1&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen hoeveelheid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onbekende grondstof &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onbekende grondstof &apos;%1&apos; (lijkt op: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: geen grondstof gekozen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: het bestand geeft geen analyse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: buiten de %2 oxides: %3 (eerst bevestigen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de analyse in het bestand wijkt af van die van &apos;%1&apos;; de opgeslagen blijft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naam ingekort tot &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naam bestond al; opgeslagen als &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (&apos;%3&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: geen hoeveelheid bij &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: regel zonder grondstof (&apos;%2&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 regel(s) passen niet en staan in de omschrijving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: &apos;%2&apos; bestaat niet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het importeren is nog niet rond: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is geen getal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conversion &apos;%1&apos; moet groter dan 0 zijn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen leesbare XML: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;%1&gt; is geen recept- of grondstoffenbestand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen leesbare JSON (teken %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is geen getal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de ingrediënten staan niet in een JSON-object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bereik &apos;%1&apos; in plaats van één hoeveelheid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hoeveelheid zonder grondstof</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>geen hoeveelheid vooraan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>het bestand breekt midden in een UTF-16-teken af</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onvolledig UTF-16-tekenpaar aan het eind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ongeldig UTF-16-tekenpaar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tekenset %1 is op dit systeem niet beschikbaar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>het bestand bevat NUL-tekens: geen tekstbestand, of UTF-16 zonder bytevolgordeteken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>het bestand bevat NUL-tekens</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
