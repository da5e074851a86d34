<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>Cli</name>
    <message>
        <source>De naam %1 is langer dan 40 tekens.</source>
        <translation>The name %1 is longer than 40 characters.</translation>
    </message>
    <message>
        <source>Er is al een glazuur met de naam %1.</source>
        <translation>There already is a glaze named %1.</translation>
    </message>
    <message>
        <source>%1 glazuren opgeslagen</source>
        <translation>%1 glazes saved</translation>
    </message>
    <message>
        <source>blend line|triaxial|biaxial|currie --corners &quot;A,B[,C[,D]]&quot; [--cells N | --rows R --cols C] [--range LO..HI] [--ml M | --grams G] [--store PREFIX]   plan a blend of glazes</source>
        <translation>blend line|triaxial|biaxial|currie --corners &quot;A,B[,C[,D]]&quot; [--cells N | --rows R --cols C] [--range LO..HI] [--ml M | --grams G] [--store PREFIX]   plan a blend of glazes</translation>
    </message>
    <message>
        <source>kelvora-cli: unknown language &apos;%1&apos; in %2 (en, de or nl)</source>
        <translation>kelvora-cli: unknown language &apos;%1&apos; in %2 (en, de or nl)</translation>
    </message>
    <message>
        <source>kelvora-cli: --lang needs one of en, de or nl</source>
        <translation>kelvora-cli: --lang needs one of en, de or nl</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later; there is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Licence: GPL-3.0-or-later; there is NO WARRANTY, to the extent permitted by law.</translation>
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
        <translation>usage: kelvora-cli [--lang LANG] [--db DIR] COMMAND [ARGS]
       kelvora-cli --help | --version
  --db DIR   folder holding mat.cds and glz.cds (default: db0991 beside kelvora-cli,
             or ~/.local/share/kelvora/db0991 for an installed kelvora-cli)
  --lang LANG  language of the messages: en, de or nl (or KELVORA_LANG);
             without it they are as always
commands:
</translation>
    </message>
    <message>
        <source>No glaze named &quot;%1&quot; in %2</source>
        <translation>No glaze named &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>No material named &quot;%1&quot; in %2</source>
        <translation>No material named &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>%1 material imported</source>
        <translation>%1 material imported</translation>
    </message>
    <message>
        <source>%1 materials imported</source>
        <translation>%1 materials imported</translation>
    </message>
    <message>
        <source>calc NAME [--basic-not-to-one]   calculate a glaze, store it, print its analysis</source>
        <translation>calc NAME [--basic-not-to-one]   calculate a glaze, store it, print its analysis</translation>
    </message>
    <message>
        <source>report NAME   print the analysis of a stored glaze</source>
        <translation>report NAME   print the analysis of a stored glaze</translation>
    </message>
    <message>
        <source>convert NAME   turn a material&apos;s percentage analysis into mols</source>
        <translation>convert NAME   turn a material&apos;s percentage analysis into mols</translation>
    </message>
    <message>
        <source>import FILE   append the materials of a table file (XML or binary)</source>
        <translation>import FILE   append the materials of a table file (XML or binary)</translation>
    </message>
    <message>
        <source>calc-all   calculate and store every glaze</source>
        <translation>calc-all   calculate and store every glaze</translation>
    </message>
    <message>
        <source>recalc-using MATERIAL   recalculate and store the glazes that use a material</source>
        <translation>recalc-using MATERIAL   recalculate and store the glazes that use a material</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;</source>
        <translation>Unknown format &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Materials file (%1) not written: give a FILE to get it</source>
        <translation>Materials file (%1) not written: give a FILE to get it</translation>
    </message>
    <message>
        <source>export-recipes FILE|- --format glazy-yaml|insight-xml|glazechem|text|csv (NAME...|--all)  recipes for other tools</source>
        <translation>export-recipes FILE|- --format glazy-yaml|insight-xml|glazechem|text|csv (NAME...|--all)  recipes for other tools</translation>
    </message>
    <message>
        <source>Bestand niet gevonden: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: %2</source>
        <translation>material &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos; overgeslagen, en daarmee: %2</source>
        <translation>material &apos;%1&apos; skipped, and with it: %2</translation>
    </message>
    <message>
        <source>recept &apos;%1&apos;: %2</source>
        <translation>recipe &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--map: &apos;%1&apos; komt in het bestand niet voor</source>
        <translation>--map: &apos;%1&apos; does not occur in the file</translation>
    </message>
    <message>
        <source>Niets geschreven.</source>
        <translation>Nothing written.</translation>
    </message>
    <message>
        <source>import-recipes FILE|- [--format F] [--materials FILE] [--map &quot;NAAM=GRONDSTOF;...&quot;] [--create-materials] [--dry-run]   import recipes from other tools, after a preview</source>
        <translation>import-recipes FILE|- [--format F] [--materials FILE] [--map &quot;NAAM=GRONDSTOF;...&quot;] [--create-materials] [--dry-run]   import recipes from other tools, after a preview</translation>
    </message>
    <message>
        <source>kelvora-cli: no translations for &apos;%1&apos; found</source>
        <translation>kelvora-cli: no translations for &apos;%1&apos; found</translation>
    </message>
    <message>
        <source>Onbekend oxide: %1</source>
        <translation>Unknown oxide: %1</translation>
    </message>
    <message>
        <source>Onbekend glazuur: %1</source>
        <translation>Unknown glaze: %1</translation>
    </message>
    <message>
        <source>solve --materials &quot;A,B,C&quot; (--target &quot;k2o=0.3,...&quot; | --range &quot;sio2=3..4,...&quot; [--minimise prys|--maximise STEM|--minimise STEM]) [--store NAME]   find a recipe</source>
        <translation>solve --materials &quot;A,B,C&quot; (--target &quot;k2o=0.3,...&quot; | --range &quot;sio2=3..4,...&quot; [--minimise prys|--maximise STEM|--minimise STEM]) [--store NAME]   find a recipe</translation>
    </message>
    <message>
        <source>substitute GLAZE MATERIAL --with &quot;A,B&quot; [--store NAME]   replace a material of a glaze</source>
        <translation>substitute GLAZE MATERIAL --with &quot;A,B&quot; [--store NAME]   replace a material of a glaze</translation>
    </message>
    <message>
        <source>No material named &quot;%1&quot;</source>
        <translation>No material named &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No glaze named &quot;%1&quot;</source>
        <translation>No glaze named &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot read starter data &quot;%1&quot;</source>
        <translation>Cannot read starter data &quot;%1&quot;</translation>
    </message>
    <message>
        <source>list materials|glazes            names in name order</source>
        <translation>list materials|glazes            names in name order</translation>
    </message>
    <message>
        <source>show material|glaze NAME         every field of the first record of that name</source>
        <translation>show material|glaze NAME         every field of the first record of that name</translation>
    </message>
    <message>
        <source>export materials|glazes FILE [--xml]  the whole table, binary or XML</source>
        <translation>export materials|glazes FILE [--xml]  the whole table, binary or XML</translation>
    </message>
    <message>
        <source>new-table materials|glazes FILE [--xml]  an empty data file</source>
        <translation>new-table materials|glazes FILE [--xml]  an empty data file</translation>
    </message>
    <message>
        <source>Batch size must be a positive number of grams, at most 1000000: %1</source>
        <translation>Batch size must be a positive number of grams, at most 1000000: %1</translation>
    </message>
    <message>
        <source>No expansion factor set named &quot;%1&quot; in %2</source>
        <translation>No expansion factor set named &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>batch NAME GRAMS   grams of every material for a batch of a glaze</source>
        <translation>batch NAME GRAMS   grams of every material for a batch of a glaze</translation>
    </message>
    <message>
        <source>analysis NAME [--expansion SET] [--data DIR]   chemistry figures and limit check of a glaze</source>
        <translation>analysis NAME [--expansion SET] [--data DIR]   chemistry figures and limit check of a glaze</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen atmosfeer; kies uit: %2.</source>
        <translation>&apos;%1&apos; is not an atmosphere; choose from: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen status; kies uit: %2.</source>
        <translation>&apos;%1&apos; is not a status; choose from: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen gebrek; kies uit: %2.</source>
        <translation>&apos;%1&apos; is not a defect; choose from: %2.</translation>
    </message>
    <message>
        <source>Er is geen glazuur &apos;%1&apos;.</source>
        <translation>There is no glaze &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Er is geen proef met de code &apos;%1&apos;.</source>
        <translation>There is no test with the code &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>De datum</source>
        <translation>The date</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen aantal gram.</source>
        <translation>&apos;%1&apos; is not a number of grams.</translation>
    </message>
    <message>
        <source>Het stookschema heeft geen stappen.</source>
        <translation>The firing schedule has no steps.</translation>
    </message>
    <message>
        <source>Er is geen sjabloon &apos;%1&apos;.</source>
        <translation>There is no template &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Het bestand &apos;%1&apos; is er niet.</source>
        <translation>The file &apos;%1&apos; does not exist.</translation>
    </message>
    <message>
        <source>In &apos;%1&apos; staan geen metingen.</source>
        <translation>&apos;%1&apos; holds no readings.</translation>
    </message>
    <message>
        <source>De waardering is 1 tot 5, niet &apos;%1&apos;.</source>
        <translation>The rating is 1 to 5, not &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen ander glazuur.</source>
        <translation>&apos;%1&apos; is not another glaze.</translation>
    </message>
    <message>
        <source>test new GLAZE [--code C] [--grams G] [--date D] | list [GLAZE] | show CODE
  test find [--code C] [--glaze G] [--clay T] [--cone C] [--atmosphere A] [--kiln K] [--status S]
            [--from D] [--to D] [--defect D]   the tests of the notebook</source>
        <translation>test new GLAZE [--code C] [--grams G] [--date D] | list [GLAZE] | show CODE
  test find [--code C] [--glaze G] [--clay T] [--cone C] [--atmosphere A] [--kiln K] [--status S]
            [--from D] [--to D] [--defect D]   the tests of the notebook</translation>
    </message>
    <message>
        <source>firing new --date D --cone C --atmosphere A [--kiln K] [--schedule &quot;rate:target:hold,...&quot; | --template NAME] [--code C]
  firing add-test FIRING CODE [--place P] [--surface S] [--transparency T] [--colour C] [--defect D]...
            [--defect-notes T] [--rating 1-5] [--notes T]   firings and the tests in them
  firing template save NAME --schedule &quot;rate:target:hold,...&quot; | template list   schedules kept by name</source>
        <translation>firing new --date D --cone C --atmosphere A [--kiln K] [--schedule &quot;rate:target:hold,...&quot; | --template NAME] [--code C]
  firing add-test FIRING CODE [--place P] [--surface S] [--transparency T] [--colour C] [--defect D]...
            [--defect-notes T] [--rating 1-5] [--notes T]   firings and the tests in them
  firing template save NAME --schedule &quot;rate:target:hold,...&quot; | template list   schedules kept by name</translation>
    </message>
    <message>
        <source>photo add CODE FILE [--cone C] [--atmosphere A] [--title T] [--firing F]   copy a photo of a test into the data folder</source>
        <translation>photo add CODE FILE [--cone C] [--atmosphere A] [--title T] [--firing F]   copy a photo of a test into the data folder</translation>
    </message>
    <message>
        <source>glaze-status GLAZE testen|productie|gestopt [--based-on PARENT]   a glaze&apos;s status and the glaze it is based on</source>
        <translation>glaze-status GLAZE testen|productie|gestopt [--based-on PARENT]   a glaze&apos;s status and the glaze it is based on</translation>
    </message>
    <message>
        <source>notebook export GLAZE FILE.zip | import FILE.zip [--dry-run]   a glaze with its tests and photos, to take to another data folder</source>
        <translation>notebook export GLAZE FILE.zip | import FILE.zip [--dry-run]   a glaze with its tests and photos, to take to another data folder</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>De materialen zouden &apos;%1&apos; overschrijven: kies een bestandsnaam met een andere extensie.</source>
        <translation>The materials would overwrite &apos;%1&apos;: choose a file name with another extension.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1: %2 is geen hoeveelheid</source>
        <translation>%1: %2 is not an amount</translation>
    </message>
    <message>
        <source>KNaO: splits in K2O en Na2O</source>
        <translation>KNaO: split it into K2O and Na2O</translation>
    </message>
    <message>
        <source>de analyse heeft geen oxide waarop een formule te bouwen is</source>
        <translation>the analysis has no oxide to build a formula on</translation>
    </message>
    <message>
        <source>gloeiverlies %1 % wijkt af van 100 - som = %2 %</source>
        <translation>LOI %1 % differs from 100 - sum = %2 %</translation>
    </message>
    <message>
        <source>de formule heeft geen oxide</source>
        <translation>the formula has no oxide</translation>
    </message>
    <message>
        <source>de molaire formule telt op tot %1: waarschijnlijk een analyse in gewichtsprocenten</source>
        <translation>the molar formula adds up to %1: probably an analysis in weight percent</translation>
    </message>
    <message>
        <source>%1 zonder %2 ervoor</source>
        <translation>%1 without %2 before it</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen getal</source>
        <translation>&apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <source>formule van &apos;%1&apos;: %2 %3 - twee getallen achter elkaar</source>
        <translation>formula of &apos;%1&apos;: %2 %3 - two numbers in a row</translation>
    </message>
    <message>
        <source>formule van &apos;%1&apos;: &apos;%2&apos; is geen getal</source>
        <translation>formula of &apos;%1&apos;: &apos;%2&apos; is not a number</translation>
    </message>
    <message>
        <source>formule van &apos;%1&apos; eindigt met een getal zonder oxide</source>
        <translation>formula of &apos;%1&apos; ends with a number without an oxide</translation>
    </message>
    <message>
        <source>regel zonder &apos;=&apos;: &apos;%1&apos;</source>
        <translation>line without &apos;=&apos;: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>een recept is geen JSON-object</source>
        <translation>a recipe is not a JSON object</translation>
    </message>
    <message>
        <source>&apos;materialComponents&apos; is geen lijst</source>
        <translation>&apos;materialComponents&apos; is not a list</translation>
    </message>
    <message>
        <source>&apos;Ingredients&apos; is geen lijst</source>
        <translation>&apos;Ingredients&apos; is not a list</translation>
    </message>
    <message>
        <source>een ingrediënt zonder velden</source>
        <translation>an ingredient without fields</translation>
    </message>
    <message>
        <source>geen leesbare YAML: %1</source>
        <translation>not readable YAML: %1</translation>
    </message>
    <message>
        <source>geen lijst van recepten en grondstoffen</source>
        <translation>not a list of recipes and materials</translation>
    </message>
    <message>
        <source>een record zonder velden</source>
        <translation>a record without fields</translation>
    </message>
    <message>
        <source>gzip kan niet worden uitgepakt</source>
        <translation>gzip cannot be unpacked</translation>
    </message>
    <message>
        <source>beschadigd gzip-bestand (na %1 uitgepakte bytes)</source>
        <translation>damaged gzip file (after %1 unpacked bytes)</translation>
    </message>
    <message>
        <source>afgebroken gzip-bestand (na %1 uitgepakte bytes)</source>
        <translation>truncated gzip file (after %1 unpacked bytes)</translation>
    </message>
    <message>
        <source>niet duidelijk welk getal de hoeveelheid is</source>
        <translation>not clear which number is the amount</translation>
    </message>
    <message>
        <source>het bestand is groter dan %1 MiB en wordt niet gelezen</source>
        <translation>the file is larger than %1 MiB and is not read</translation>
    </message>
    <message>
        <source>meer dan %1 receptregels</source>
        <translation>more than %1 recipe lines</translation>
    </message>
    <message>
        <source>het bestand bevat meer dan %1 recepten en grondstoffen en wordt niet gelezen</source>
        <translation>the file holds more than %1 recipes and materials and is not read</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos; heeft meer dan %2 bestanddelen</source>
        <translation>material &apos;%1&apos; has more than %2 components</translation>
    </message>
    <message>
        <source>regel %1 (recept &apos;%2&apos;)</source>
        <translation>line %1 (recipe &apos;%2&apos;)</translation>
    </message>
    <message>
        <source>regel %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>(recept &apos;%1&apos;)</source>
        <translation>(recipe &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>geen hoeveelheid</source>
        <translation>no amount</translation>
    </message>
    <message>
        <source>onbekende grondstof &apos;%1&apos;</source>
        <translation>unknown material &apos;%1&apos;</translation>
    </message>
    <message>
        <source>onbekende grondstof &apos;%1&apos; (lijkt op: %2)</source>
        <translation>unknown material &apos;%1&apos; (looks like: %2)</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: geen grondstof gekozen</source>
        <translation>material &apos;%1&apos;: no material chosen</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: het bestand geeft geen analyse</source>
        <translation>material &apos;%1&apos;: the file gives no analysis</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: %2</source>
        <translation>material &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: buiten de %2 oxides: %3 (eerst bevestigen)</source>
        <translation>material &apos;%1&apos;: outside the %2 oxides: %3 (confirm first)</translation>
    </message>
    <message>
        <source>de analyse in het bestand wijkt af van die van &apos;%1&apos;; de opgeslagen blijft</source>
        <translation>the analysis in the file differs from that of &apos;%1&apos;; the stored one stays</translation>
    </message>
    <message>
        <source>naam ingekort tot &apos;%1&apos;</source>
        <translation>name shortened to &apos;%1&apos;</translation>
    </message>
    <message>
        <source>naam bestond al; opgeslagen als &apos;%1&apos;</source>
        <translation>name already existed; saved as &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: %2 (&apos;%3&apos;)</source>
        <translation>%1: %2 (&apos;%3&apos;)</translation>
    </message>
    <message>
        <source>%1: geen hoeveelheid bij &apos;%2&apos;</source>
        <translation>%1: no amount for &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: regel zonder grondstof (&apos;%2&apos;)</source>
        <translation>%1: line without a material (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>%1 regel(s) passen niet en staan in de omschrijving</source>
        <translation>%1 line(s) do not fit and are kept in the description</translation>
    </message>
    <message>
        <source>grondstof &apos;%1&apos;: &apos;%2&apos; bestaat niet</source>
        <translation>material &apos;%1&apos;: &apos;%2&apos; does not exist</translation>
    </message>
    <message>
        <source>Het importeren is nog niet rond: %1</source>
        <translation>The import is not settled yet: %1</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is geen getal</source>
        <translation>%1 &apos;%2&apos; is not a number</translation>
    </message>
    <message>
        <source>conversion &apos;%1&apos; moet groter dan 0 zijn</source>
        <translation>conversion &apos;%1&apos; must be greater than 0</translation>
    </message>
    <message>
        <source>geen leesbare XML: %1</source>
        <translation>not readable XML: %1</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is geen recept- of grondstoffenbestand</source>
        <translation>&lt;%1&gt; is not a recipe or materials file</translation>
    </message>
    <message>
        <source>geen leesbare JSON (teken %1)</source>
        <translation>not readable JSON (character %1)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is geen getal</source>
        <translation>%1: &apos;%2&apos; is not a number</translation>
    </message>
    <message>
        <source>de ingrediënten staan niet in een JSON-object</source>
        <translation>the ingredients are not in a JSON object</translation>
    </message>
    <message>
        <source>bereik &apos;%1&apos; in plaats van één hoeveelheid</source>
        <translation>range &apos;%1&apos; instead of one amount</translation>
    </message>
    <message>
        <source>hoeveelheid zonder grondstof</source>
        <translation>amount without a material</translation>
    </message>
    <message>
        <source>geen hoeveelheid vooraan</source>
        <translation>no amount in front</translation>
    </message>
    <message>
        <source>het bestand breekt midden in een UTF-16-teken af</source>
        <translation>the file breaks off in the middle of a UTF-16 character</translation>
    </message>
    <message>
        <source>onvolledig UTF-16-tekenpaar aan het eind</source>
        <translation>incomplete UTF-16 surrogate pair at the end</translation>
    </message>
    <message>
        <source>ongeldig UTF-16-tekenpaar</source>
        <translation>invalid UTF-16 surrogate pair</translation>
    </message>
    <message>
        <source>tekenset %1 is op dit systeem niet beschikbaar</source>
        <translation>character set %1 is not available on this system</translation>
    </message>
    <message>
        <source>het bestand bevat NUL-tekens: geen tekstbestand, of UTF-16 zonder bytevolgordeteken</source>
        <translation>the file holds NUL characters: not a text file, or UTF-16 without a byte order mark</translation>
    </message>
    <message>
        <source>het bestand bevat NUL-tekens</source>
        <translation>the file holds NUL characters</translation>
    </message>
</context>
</TS>
