<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>Alias</name>
    <message>
        <source>%1: geen tabel van andere namen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>een andere naam mag niet leeg zijn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de grondstof van &apos;%1&apos; ontbreekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de naam &apos;%1&apos; is langer dan %2 tekens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de grondstof &apos;%1&apos; is langer dan %2 tekens</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Blend</name>
    <message>
        <source>Geef de mengreeks eerst een naam.</source>
        <translation>Geben Sie der Mischreihe zuerst einen Namen.</translation>
    </message>
    <message>
        <source>De naam van een mengreeks is hoogstens %1 tekens.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>De gegevensmap kan niet vergrendeld worden: %1 is geen gewoon bestand (een symbolische koppeling, map of FIFO?). Kelvora schrijft niet in deze map zolang het er staat; verwijder het, dan maakt Kelvora een nieuw aan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De gegevens zijn in gebruik door een ander Kelvora-programma (proces %1).</source>
        <translation>Die Daten werden von einem anderen Kelvora-Programm verwendet (Prozess %1).</translation>
    </message>
    <message>
        <source>De gegevens zijn in gebruik door een ander Kelvora-programma.</source>
        <translation>Die Daten werden von einem anderen Kelvora-Programm verwendet.</translation>
    </message>
    <message>
        <source>%1 Er wordt niets opgeslagen.</source>
        <translation>%1 Es wird nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>DatabaseUpgrade</name>
    <message>
        <source>Er zijn geen databestanden van een vorige versie aanwezig.<byte value="xd"/>
Conversie is niet mogelijk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converteren database: wilt u doorgaan?</source>
        <translation>Datenbank konvertieren: möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Database geconverteerd</source>
        <translation>Datenbank konvertiert</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>zonder analyse: %1</source>
        <translation>ohne Analyse: %1</translation>
    </message>
</context>
<context>
    <name>MaterialImport</name>
    <message>
        <source>Doorgaan met toevoegen gegevens uit bestand<byte value="xd"/>
%1<byte value="xd"/>
 aan de tabel met grondstoffen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De gegevens worden NIET geimporteerd.</source>
        <translation>Die Daten werden NICHT importiert.</translation>
    </message>
    <message>
        <source>De gegevens zijn geimporteerd.</source>
        <translation>Die Daten wurden importiert.</translation>
    </message>
</context>
<context>
    <name>MaterialRename</name>
    <message>
        <source>Ook de glazuren die deze grondstof gebruiken aanpassen? (%1 glazuren)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Er is geen proef met de code &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geef het stookschema eerst een naam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen foto die Kelvora bewaart (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het bestand &apos;%1&apos; is er niet.</source>
        <translation>Die Datei &apos;%1&apos; existiert nicht.</translation>
    </message>
    <message>
        <source>Een proef met de code &apos;%1&apos; bestaat al.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een stook met de code &apos;%1&apos; bestaat al.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een stookschema met de naam &apos;%1&apos; bestaat al.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een foto met het bestand &apos;%1&apos; bestaat al.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het resultaat van stook en proef &apos;%1&apos; bestaat al.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is geen stook met de code &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Een foto wordt alleen in de map foto bewaard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De foto &apos;%1&apos; is te groot.</source>
        <translation>Das Foto &apos;%1&apos; ist zu groß.</translation>
    </message>
    <message>
        <source>Er staat al een bestand &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het veld &apos;%1&apos; is geen geldige UTF-8-tekst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het veld &apos;%1&apos; is hoogstens %2 tekens lang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het veld &apos;%1&apos; is geen getal.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotebookArchive</name>
    <message>
        <source>&apos;%1&apos; is geen bruikbare Kelvora-map: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er is geen glazuur &apos;%1&apos;.</source>
        <translation>Es gibt keine Glasur &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>De foto &apos;%1&apos; ontbreekt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De Kelvora-map kan niet gemaakt worden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De Kelvora-map kan niet gemaakt worden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het bestand &apos;%1&apos; is er niet.</source>
        <translation>Die Datei &apos;%1&apos; existiert nicht.</translation>
    </message>
    <message>
        <source>het bestand is te groot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>het is geen zip-bestand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>te veel bestanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>een bestand zonder naam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de naam &apos;%1&apos; wijst buiten de map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; staat er twee keer in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is te groot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; kan niet gelezen worden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is beschadigd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de inhoud is te groot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de inhoudsopgave ontbreekt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de inhoudsopgave is beschadigd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; ontbreekt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; klopt niet met de controlegetallen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; staat niet in de inhoudsopgave.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>er hoort precies één glazuur in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>het glazuur heeft geen naam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>proef %1 hoort niet bij %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>de foto &apos;%1&apos; ontbreekt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De naam van het glazuur is langer dan %1 tekens.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Oxides</name>
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
</context>
<context>
    <name>PacketFormat</name>
    <message>
        <source>the data end too soon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Kelvora data packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged or incomplete (checksum mismatch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was written in format version %1, which this version of Kelvora cannot read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds an invalid field count (at most %1 fields are allowed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds an invalid field name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 has a name that is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; has an unknown type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; has an invalid width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; appears twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has an invalid null map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; of %2 holds a value that is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; of %2 holds an empty text that is not marked empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds data after its last row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a data packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its rows would need more than %1 MiB of memory, more than Kelvora allows for a file of this size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; of row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text that is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text of %1 characters, longer than its width of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value that is not a whole number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text holds the character NUL, which XML cannot carry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field definition %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a document type declaration, which is not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the character NUL, which XML does not allow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the character reference &apos;&amp;%2;&apos;, which is no valid character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains an unknown entity &apos;&amp;%1;&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a field has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; has the unsupported type &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; has no valid width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number for field &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; has a name that XML cannot carry as an attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the character NUL, which XML cannot carry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has the attribute &apos;%2&apos; twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than 256 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no well-formed XML (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no field definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has more than %1 fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field definition %1 has a name that is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has the field &apos;%2&apos; twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &apos;%1&apos; of %2 holds text that is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PercentToMol</name>
    <message>
        <source>Samenstelling is niet in procenten ingevoerd<byte value="xd"/>
Voer percentages in en zet Mol/proc op P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De som van de basische oxides is 0.<byte value="xd"/>
Kan daarom Seger formule niet afleiden uit procentuele samenstelling.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gloeiverlies: %1 %</source>
        <translation>Glühverlust: %1 %</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Het instellingenbestand %1 is groter dan 1 MiB en wordt niet gebruikt; Kelvora werkt met de standaardinstellingen en laat het bestand ongemoeid.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreError</name>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Datei &quot;%1&quot; kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Unable to write to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to &quot;%1&quot;: another program changed the file after it was read. Nothing was written; open the table again to see the other changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Datei &quot;%1&quot; kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Datei &quot;%1&quot; kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben nach %1 nicht möglich</translation>
    </message>
    <message>
        <source>Unable to write to &quot;%1&quot;: another program made the file after the notebook was read. Nothing was written; open the notebook again to see the other changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read data file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot; as XML: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1: the settings would make it larger than 1 MiB, which Kelvora does not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot complete the change recorded in &quot;%1&quot;: %2. Nothing was changed; the tables may be a mix of old and new until this is resolved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot; twice in one change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write data file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to &quot;%1&quot;: it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The change is recorded and will be completed when the data folder is opened again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new file of &quot;%1&quot; is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new file of &quot;%1&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bestand bestaat niet</source>
        <translation>Datei existiert nicht</translation>
    </message>
    <message>
        <source>bestand is leeg</source>
        <translation>Datei ist leer</translation>
    </message>
    <message>
        <source>bestand kan niet gelezen worden</source>
        <translation>Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dataset not in edit or insert mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch for field &apos;%1&apos;, expecting: %2 actual: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing data provider or data packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Feld &apos;%1&apos; nicht gefunden</translation>
    </message>
    <message>
        <source>Dataset in edit or insert mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No index currently active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot hold %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value for field &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value for field &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No home folder for the data of Kelvora: HOME is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read folder &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
