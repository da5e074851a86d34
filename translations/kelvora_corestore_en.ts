<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>Alias</name>
    <message>
        <source>%1: geen tabel van andere namen</source>
        <translation>%1: not a table of other names</translation>
    </message>
    <message>
        <source>een andere naam mag niet leeg zijn</source>
        <translation>another name may not be empty</translation>
    </message>
    <message>
        <source>de grondstof van &apos;%1&apos; ontbreekt</source>
        <translation>the material of &apos;%1&apos; is missing</translation>
    </message>
    <message>
        <source>de naam &apos;%1&apos; is langer dan %2 tekens</source>
        <translation>the name &apos;%1&apos; is longer than %2 characters</translation>
    </message>
    <message>
        <source>de grondstof &apos;%1&apos; is langer dan %2 tekens</source>
        <translation>the material &apos;%1&apos; is longer than %2 characters</translation>
    </message>
</context>
<context>
    <name>Blend</name>
    <message>
        <source>Geef de mengreeks eerst een naam.</source>
        <translation>Give the blend series a name first.</translation>
    </message>
    <message>
        <source>De naam van een mengreeks is hoogstens %1 tekens.</source>
        <translation>The name of a blend series is at most %1 characters.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>De gegevensmap kan niet vergrendeld worden: %1 is geen gewoon bestand (een symbolische koppeling, map of FIFO?). Kelvora schrijft niet in deze map zolang het er staat; verwijder het, dan maakt Kelvora een nieuw aan.</source>
        <translation>The data folder cannot be locked: %1 is not a regular file (a symbolic link, folder or FIFO?). Kelvora does not write in this folder while it is there; remove it and Kelvora makes a new one.</translation>
    </message>
    <message>
        <source>De gegevens zijn in gebruik door een ander Kelvora-programma (proces %1).</source>
        <translation>The data are in use by another Kelvora program (process %1).</translation>
    </message>
    <message>
        <source>De gegevens zijn in gebruik door een ander Kelvora-programma.</source>
        <translation>The data are in use by another Kelvora program.</translation>
    </message>
    <message>
        <source>%1 Er wordt niets opgeslagen.</source>
        <translation>%1 Nothing is saved.</translation>
    </message>
</context>
<context>
    <name>DatabaseUpgrade</name>
    <message>
        <source>Er zijn geen databestanden van een vorige versie aanwezig.<byte value="xd"/>
Conversie is niet mogelijk.</source>
        <translation>There are no data files of a previous version.<byte value="xd"/>
Conversion is not possible.</translation>
    </message>
    <message>
        <source>Converteren database: wilt u doorgaan?</source>
        <translation>Convert database: do you want to continue?</translation>
    </message>
    <message>
        <source>Database geconverteerd</source>
        <translation>Database converted</translation>
    </message>
</context>
<context>
    <name>Material</name>
    <message>
        <source>zonder analyse: %1</source>
        <translation>no analysis: %1</translation>
    </message>
</context>
<context>
    <name>MaterialImport</name>
    <message>
        <source>Doorgaan met toevoegen gegevens uit bestand<byte value="xd"/>
%1<byte value="xd"/>
 aan de tabel met grondstoffen?</source>
        <translation>Continue adding the data from file<byte value="xd"/>
%1<byte value="xd"/>
 to the materials table?</translation>
    </message>
    <message>
        <source>De gegevens worden NIET geimporteerd.</source>
        <translation>The data are NOT imported.</translation>
    </message>
    <message>
        <source>De gegevens zijn geimporteerd.</source>
        <translation>The data have been imported.</translation>
    </message>
</context>
<context>
    <name>MaterialRename</name>
    <message>
        <source>Ook de glazuren die deze grondstof gebruiken aanpassen? (%1 glazuren)</source>
        <translation>Also change the glazes that use this material? (%1 glazes)</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Er is geen proef met de code &apos;%1&apos;.</source>
        <translation>There is no test with the code &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Geef het stookschema eerst een naam.</source>
        <translation>Give the firing schedule a name first.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen foto die Kelvora bewaart (%2).</source>
        <translation>&apos;%1&apos; is not a photo Kelvora keeps (%2).</translation>
    </message>
    <message>
        <source>Het bestand &apos;%1&apos; is er niet.</source>
        <translation>The file &apos;%1&apos; does not exist.</translation>
    </message>
    <message>
        <source>Een proef met de code &apos;%1&apos; bestaat al.</source>
        <translation>A test with the code &apos;%1&apos; already exists.</translation>
    </message>
    <message>
        <source>Een stook met de code &apos;%1&apos; bestaat al.</source>
        <translation>A firing with the code &apos;%1&apos; already exists.</translation>
    </message>
    <message>
        <source>Een stookschema met de naam &apos;%1&apos; bestaat al.</source>
        <translation>A firing schedule named &apos;%1&apos; already exists.</translation>
    </message>
    <message>
        <source>Een foto met het bestand &apos;%1&apos; bestaat al.</source>
        <translation>A photo with the file &apos;%1&apos; already exists.</translation>
    </message>
    <message>
        <source>Het resultaat van stook en proef &apos;%1&apos; bestaat al.</source>
        <translation>The result of firing and test &apos;%1&apos; already exists.</translation>
    </message>
    <message>
        <source>Er is geen stook met de code &apos;%1&apos;.</source>
        <translation>There is no firing with the code &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Een foto wordt alleen in de map foto bewaard.</source>
        <translation>A photo is only kept in the folder foto.</translation>
    </message>
    <message>
        <source>De foto &apos;%1&apos; is te groot.</source>
        <translation>The photo &apos;%1&apos; is too large.</translation>
    </message>
    <message>
        <source>Er staat al een bestand &apos;%1&apos;.</source>
        <translation>A file &apos;%1&apos; already exists.</translation>
    </message>
    <message>
        <source>Het veld &apos;%1&apos; is geen geldige UTF-8-tekst.</source>
        <translation>The field &apos;%1&apos; is not valid UTF-8 text.</translation>
    </message>
    <message>
        <source>Het veld &apos;%1&apos; is hoogstens %2 tekens lang.</source>
        <translation>The field &apos;%1&apos; is at most %2 characters long.</translation>
    </message>
    <message>
        <source>Het veld &apos;%1&apos; is geen getal.</source>
        <translation>The field &apos;%1&apos; is not a number.</translation>
    </message>
</context>
<context>
    <name>NotebookArchive</name>
    <message>
        <source>&apos;%1&apos; is geen bruikbare Kelvora-map: %2</source>
        <translation>&apos;%1&apos; is not a usable Kelvora folder: %2</translation>
    </message>
    <message>
        <source>Er is geen glazuur &apos;%1&apos;.</source>
        <translation>There is no glaze &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>De foto &apos;%1&apos; ontbreekt.</source>
        <translation>The photo &apos;%1&apos; is missing.</translation>
    </message>
    <message>
        <source>De Kelvora-map kan niet gemaakt worden.</source>
        <translation>The Kelvora folder cannot be made.</translation>
    </message>
    <message>
        <source>De Kelvora-map kan niet gemaakt worden: %1</source>
        <translation>The Kelvora folder cannot be made: %1</translation>
    </message>
    <message>
        <source>Het bestand &apos;%1&apos; is er niet.</source>
        <translation>The file &apos;%1&apos; does not exist.</translation>
    </message>
    <message>
        <source>het bestand is te groot.</source>
        <translation>the file is too large.</translation>
    </message>
    <message>
        <source>het is geen zip-bestand.</source>
        <translation>it is not a zip file.</translation>
    </message>
    <message>
        <source>te veel bestanden.</source>
        <translation>too many files.</translation>
    </message>
    <message>
        <source>een bestand zonder naam.</source>
        <translation>a file without a name.</translation>
    </message>
    <message>
        <source>de naam &apos;%1&apos; wijst buiten de map.</source>
        <translation>the name &apos;%1&apos; points outside the folder.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; staat er twee keer in.</source>
        <translation>&apos;%1&apos; is in it twice.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is te groot.</source>
        <translation>&apos;%1&apos; is too large.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kan niet gelezen worden.</source>
        <translation>&apos;%1&apos; cannot be read.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is beschadigd.</source>
        <translation>&apos;%1&apos; is damaged.</translation>
    </message>
    <message>
        <source>de inhoud is te groot.</source>
        <translation>the contents are too large.</translation>
    </message>
    <message>
        <source>de inhoudsopgave ontbreekt.</source>
        <translation>the table of contents is missing.</translation>
    </message>
    <message>
        <source>de inhoudsopgave is beschadigd.</source>
        <translation>the table of contents is damaged.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ontbreekt.</source>
        <translation>&apos;%1&apos; is missing.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; klopt niet met de controlegetallen.</source>
        <translation>&apos;%1&apos; does not match its checksums.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; staat niet in de inhoudsopgave.</source>
        <translation>&apos;%1&apos; is not in the table of contents.</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>er hoort precies één glazuur in.</source>
        <translation>it must hold exactly one glaze.</translation>
    </message>
    <message>
        <source>het glazuur heeft geen naam.</source>
        <translation>the glaze has no name.</translation>
    </message>
    <message>
        <source>proef %1 hoort niet bij %2.</source>
        <translation>test %1 does not belong to %2.</translation>
    </message>
    <message>
        <source>de foto &apos;%1&apos; ontbreekt.</source>
        <translation>the photo &apos;%1&apos; is missing.</translation>
    </message>
    <message>
        <source>De naam van het glazuur is langer dan %1 tekens.</source>
        <translation>The name of the glaze is longer than %1 characters.</translation>
    </message>
</context>
<context>
    <name>Oxides</name>
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
</context>
<context>
    <name>PacketFormat</name>
    <message>
        <source>the data end too soon</source>
        <translation>the data end too soon</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 holds %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>it is not a Kelvora data packet</source>
        <translation>it is not a Kelvora data packet</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete (checksum mismatch)</source>
        <translation>the file is damaged or incomplete (checksum mismatch)</translation>
    </message>
    <message>
        <source>it was written in format version %1, which this version of Kelvora cannot read</source>
        <translation>it was written in format version %1, which this version of Kelvora cannot read</translation>
    </message>
    <message>
        <source>it holds an invalid field count (at most %1 fields are allowed)</source>
        <translation>it holds an invalid field count (at most %1 fields are allowed)</translation>
    </message>
    <message>
        <source>it holds an invalid field name</source>
        <translation>it holds an invalid field name</translation>
    </message>
    <message>
        <source>field %1 has a name that is not valid UTF-8</source>
        <translation>field %1 has a name that is not valid UTF-8</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; has an unknown type</source>
        <translation>field &apos;%1&apos; has an unknown type</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; has an invalid width</source>
        <translation>field &apos;%1&apos; has an invalid width</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; appears twice</source>
        <translation>field &apos;%1&apos; appears twice</translation>
    </message>
    <message>
        <source>%1 has an invalid null map</source>
        <translation>%1 has an invalid null map</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; of %2 holds a value that is not a number</source>
        <translation>field &apos;%1&apos; of %2 holds a value that is not a number</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; of %2 holds an empty text that is not marked empty</source>
        <translation>field &apos;%1&apos; of %2 holds an empty text that is not marked empty</translation>
    </message>
    <message>
        <source>the file holds data after its last row</source>
        <translation>the file holds data after its last row</translation>
    </message>
    <message>
        <source>it is not a data packet</source>
        <translation>it is not a data packet</translation>
    </message>
    <message>
        <source>its rows would need more than %1 MiB of memory, more than Kelvora allows for a file of this size</source>
        <translation>its rows would need more than %1 MiB of memory, more than Kelvora allows for a file of this size</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; of row %2</source>
        <translation>field &apos;%1&apos; of row %2</translation>
    </message>
    <message>
        <source>text that is not valid UTF-8</source>
        <translation>text that is not valid UTF-8</translation>
    </message>
    <message>
        <source>a text of %1 characters, longer than its width of %2</source>
        <translation>a text of %1 characters, longer than its width of %2</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>a value that is not a number</translation>
    </message>
    <message>
        <source>a value that is not a whole number from %1 to %2</source>
        <translation>a value that is not a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>a text holds the character NUL, which XML cannot carry</source>
        <translation>a text holds the character NUL, which XML cannot carry</translation>
    </message>
    <message>
        <source>field definition %1</source>
        <translation>field definition %1</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; of %2</source>
        <translation>field &apos;%1&apos; of %2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>it contains a document type declaration, which is not allowed</source>
        <translation>it contains a document type declaration, which is not allowed</translation>
    </message>
    <message>
        <source>%1 holds the character NUL, which XML does not allow</source>
        <translation>%1 holds the character NUL, which XML does not allow</translation>
    </message>
    <message>
        <source>%1 holds the character reference &apos;&amp;%2;&apos;, which is no valid character</source>
        <translation>%1 holds the character reference &apos;&amp;%2;&apos;, which is no valid character</translation>
    </message>
    <message>
        <source>it contains an unknown entity &apos;&amp;%1;&apos;</source>
        <translation>it contains an unknown entity &apos;&amp;%1;&apos;</translation>
    </message>
    <message>
        <source>a field has no name</source>
        <translation>a field has no name</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; has the unsupported type &apos;%2&apos;</source>
        <translation>field &apos;%1&apos; has the unsupported type &apos;%2&apos;</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; has no valid width</source>
        <translation>field &apos;%1&apos; has no valid width</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number for field &apos;%2&apos;</source>
        <translation>&apos;%1&apos; is not a valid number for field &apos;%2&apos;</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; has a name that XML cannot carry as an attribute</source>
        <translation>field &apos;%1&apos; has a name that XML cannot carry as an attribute</translation>
    </message>
    <message>
        <source>the character NUL, which XML cannot carry</source>
        <translation>the character NUL, which XML cannot carry</translation>
    </message>
    <message>
        <source>%1 has the attribute &apos;%2&apos; twice</source>
        <translation>%1 has the attribute &apos;%2&apos; twice</translation>
    </message>
    <message>
        <source>it is larger than 256 MiB</source>
        <translation>it is larger than 256 MiB</translation>
    </message>
    <message>
        <source>it is no well-formed XML (%1)</source>
        <translation>it is no well-formed XML (%1)</translation>
    </message>
    <message>
        <source>it has no field definitions</source>
        <translation>it has no field definitions</translation>
    </message>
    <message>
        <source>it has more than %1 fields</source>
        <translation>it has more than %1 fields</translation>
    </message>
    <message>
        <source>field definition %1 has a name that is not valid UTF-8</source>
        <translation>field definition %1 has a name that is not valid UTF-8</translation>
    </message>
    <message>
        <source>%1 has the field &apos;%2&apos; twice</source>
        <translation>%1 has the field &apos;%2&apos; twice</translation>
    </message>
    <message>
        <source>field &apos;%1&apos; of %2 holds text that is not valid UTF-8</source>
        <translation>field &apos;%1&apos; of %2 holds text that is not valid UTF-8</translation>
    </message>
</context>
<context>
    <name>PercentToMol</name>
    <message>
        <source>Samenstelling is niet in procenten ingevoerd<byte value="xd"/>
Voer percentages in en zet Mol/proc op P</source>
        <translation>The composition was not entered in percentages<byte value="xd"/>
Enter percentages and set Mol/Perc to P</translation>
    </message>
    <message>
        <source>De som van de basische oxides is 0.<byte value="xd"/>
Kan daarom Seger formule niet afleiden uit procentuele samenstelling.</source>
        <translation>The sum of the basic oxides is 0.<byte value="xd"/>
So the Seger formula cannot be derived from the percentage composition.</translation>
    </message>
    <message>
        <source>Gloeiverlies: %1 %</source>
        <translation>LOI: %1 %</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Het instellingenbestand %1 is groter dan 1 MiB en wordt niet gebruikt; Kelvora werkt met de standaardinstellingen en laat het bestand ongemoeid.</source>
        <translation>The settings file %1 is larger than 1 MiB and is not used; Kelvora works with the default settings and leaves the file alone.</translation>
    </message>
</context>
<context>
    <name>StoreError</name>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Cannot write file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Unable to write to &quot;%1&quot;: %2.</source>
        <translation>Unable to write to &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>Unable to write to &quot;%1&quot;: another program changed the file after it was read. Nothing was written; open the table again to see the other changes.</source>
        <translation>Unable to write to &quot;%1&quot;: another program changed the file after it was read. Nothing was written; open the table again to see the other changes.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Cannot open file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Cannot read file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Unable to write to %1</translation>
    </message>
    <message>
        <source>Unable to write to &quot;%1&quot;: another program made the file after the notebook was read. Nothing was written; open the notebook again to see the other changes.</source>
        <translation>Unable to write to &quot;%1&quot;: another program made the file after the notebook was read. Nothing was written; open the notebook again to see the other changes.</translation>
    </message>
    <message>
        <source>Cannot read data file &quot;%1&quot;: %2.</source>
        <translation>Cannot read data file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot; as XML: %2.</source>
        <translation>Cannot write &quot;%1&quot; as XML: %2.</translation>
    </message>
    <message>
        <source>Unable to write to %1: the settings would make it larger than 1 MiB, which Kelvora does not read.</source>
        <translation>Unable to write to %1: the settings would make it larger than 1 MiB, which Kelvora does not read.</translation>
    </message>
    <message>
        <source>Cannot complete the change recorded in &quot;%1&quot;: %2. Nothing was changed; the tables may be a mix of old and new until this is resolved.</source>
        <translation>Cannot complete the change recorded in &quot;%1&quot;: %2. Nothing was changed; the tables may be a mix of old and new until this is resolved.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot; twice in one change.</source>
        <translation>Cannot write file &quot;%1&quot; twice in one change.</translation>
    </message>
    <message>
        <source>Cannot write data file &quot;%1&quot;: %2.</source>
        <translation>Cannot write data file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Unable to write to &quot;%1&quot;: it is not a regular file.</source>
        <translation>Unable to write to &quot;%1&quot;: it is not a regular file.</translation>
    </message>
    <message>
        <source>%1 The change is recorded and will be completed when the data folder is opened again.</source>
        <translation>%1 The change is recorded and will be completed when the data folder is opened again.</translation>
    </message>
    <message>
        <source>the journal is damaged</source>
        <translation>the journal is damaged</translation>
    </message>
    <message>
        <source>the new file of &quot;%1&quot; is damaged</source>
        <translation>the new file of &quot;%1&quot; is damaged</translation>
    </message>
    <message>
        <source>the new file of &quot;%1&quot; is missing</source>
        <translation>the new file of &quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>bestand bestaat niet</source>
        <translation>file does not exist</translation>
    </message>
    <message>
        <source>bestand is leeg</source>
        <translation>file is empty</translation>
    </message>
    <message>
        <source>bestand kan niet gelezen worden</source>
        <translation>file cannot be read</translation>
    </message>
    <message>
        <source>: %1 (%2)</source>
        <translation>: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed dataset</source>
        <translation>Cannot perform this operation on a closed dataset</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Cannot modify a read-only dataset</translation>
    </message>
    <message>
        <source>Dataset not in edit or insert mode</source>
        <translation>Dataset not in edit or insert mode</translation>
    </message>
    <message>
        <source>Type mismatch for field &apos;%1&apos;, expecting: %2 actual: %3</source>
        <translation>Type mismatch for field &apos;%1&apos;, expecting: %2 actual: %3</translation>
    </message>
    <message>
        <source>Missing data provider or data packet</source>
        <translation>Missing data provider or data packet</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Field &apos;%1&apos; not found</translation>
    </message>
    <message>
        <source>Dataset in edit or insert mode</source>
        <translation>Dataset in edit or insert mode</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Cannot perform this operation on an empty dataset</translation>
    </message>
    <message>
        <source>No index currently active</source>
        <translation>No index currently active</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot hold %2</source>
        <translation>Field &apos;%1&apos; cannot hold %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value for field &apos;%2&apos;</source>
        <translation>&apos;%1&apos; is not a valid floating point value for field &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value for field &apos;%2&apos;</source>
        <translation>&apos;%1&apos; is not a valid integer value for field &apos;%2&apos;</translation>
    </message>
    <message>
        <source>No home folder for the data of Kelvora: HOME is not set</source>
        <translation>No home folder for the data of Kelvora: HOME is not set</translation>
    </message>
    <message>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>Cannot create folder &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot read folder &quot;%1&quot;. %2</source>
        <translation>Cannot read folder &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>The file is too large.</translation>
    </message>
</context>
</TS>
