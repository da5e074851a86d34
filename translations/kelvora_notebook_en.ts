<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>kelvora::FotoDialog</name>
    <message>
        <source>Foto toevoegen aan proef %1</source>
        <translation>Add photo to test %1</translation>
    </message>
    <message>
        <source>Bestanden: %1</source>
        <translation>Files: %1</translation>
    </message>
    <message>
        <source>&amp;Titel</source>
        <translation>&amp;Title</translation>
    </message>
    <message>
        <source>&amp;Stook</source>
        <translation>&amp;Firing</translation>
    </message>
    <message>
        <source>(geen)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>&amp;Kegel</source>
        <translation>&amp;Cone</translation>
    </message>
    <message>
        <source>&amp;Atmosfeer</source>
        <translation>&amp;Atmosphere</translation>
    </message>
    <message>
        <source>(niet gekozen)</source>
        <translation>(not chosen)</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Stook</source>
        <translation>Firing</translation>
    </message>
    <message>
        <source>Kegel</source>
        <translation>Cone</translation>
    </message>
    <message>
        <source>Atmosfeer</source>
        <translation>Atmosphere</translation>
    </message>
</context>
<context>
    <name>kelvora::NotebookLabels</name>
    <message>
        <source>kegel %1</source>
        <translation>cone %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1	%2 mol</source>
        <translation>%1	%2 mol</translation>
    </message>
    <message>
        <source>%1	%2 %</source>
        <translation>%1	%2 %</translation>
    </message>
    <message>
        <source>+ %1	%2 delen</source>
        <translation>+ %1	%2 parts</translation>
    </message>
</context>
<context>
    <name>kelvora::ProefDialog</name>
    <message>
        <source>%1: &apos;%2&apos; is geen getal.</source>
        <translation>%1: &apos;%2&apos; is not a number.</translation>
    </message>
    <message>
        <source>Proef %1</source>
        <translation>Test %1</translation>
    </message>
    <message>
        <source>&amp;Datum (dd-mm-jjjj)</source>
        <translation>&amp;Date (dd-mm-yyyy)</translation>
    </message>
    <message>
        <source>&amp;Menging (g)</source>
        <translation>Ba&amp;tch (g)</translation>
    </message>
    <message>
        <source>&amp;Water (g)</source>
        <translation>&amp;Water (g)</translation>
    </message>
    <message>
        <source>S&amp;oortelijk gewicht</source>
        <translation>Specific &amp;gravity</translation>
    </message>
    <message>
        <source>&amp;Zeef</source>
        <translation>Si&amp;eve</translation>
    </message>
    <message>
        <source>&amp;Kleisoort</source>
        <translation>&amp;Clay body</translation>
    </message>
    <message>
        <source>&amp;Biscuitkegel</source>
        <translation>Bis&amp;que cone</translation>
    </message>
    <message>
        <source>&amp;Opbrengen</source>
        <translation>&amp;Application</translation>
    </message>
    <message>
        <source>(niet gekozen)</source>
        <translation>(not chosen)</translation>
    </message>
    <message>
        <source>&amp;Seconden</source>
        <translation>&amp;Seconds</translation>
    </message>
    <message>
        <source>&amp;Lagen</source>
        <translation>C&amp;oats</translation>
    </message>
    <message>
        <source>D&amp;ikte</source>
        <translation>Thic&amp;kness</translation>
    </message>
    <message>
        <source>&amp;Gelaagd (over of onder)</source>
        <translation>&amp;Layered (over or under)</translation>
    </message>
    <message>
        <source>&amp;Notities</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>&amp;Recept zoals gemengd</source>
        <translation>&amp;Recipe as mixed</translation>
    </message>
    <message>
        <source>Opbrengen</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Notities</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Recept zoals gemengd</source>
        <translation>Recipe as mixed</translation>
    </message>
    <message>
        <source>De datum</source>
        <translation>The date</translation>
    </message>
</context>
<context>
    <name>kelvora::ProevenPage</name>
    <message>
        <source>&amp;Proeven</source>
        <translation>&amp;Tests</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kleisoort</source>
        <translation>Clay body</translation>
    </message>
    <message>
        <source>Stoken</source>
        <translation>Firings</translation>
    </message>
    <message>
        <source>Beste waardering</source>
        <translation>Best rating</translation>
    </message>
    <message>
        <source>Gebreken</source>
        <translation>Defects</translation>
    </message>
    <message>
        <source>Proeven van dit glazuur</source>
        <translation>Tests of this glaze</translation>
    </message>
    <message>
        <source>&amp;Nieuwe proef</source>
        <translation>&amp;New test</translation>
    </message>
    <message>
        <source>Een nieuwe proef met het recept zoals het nu is</source>
        <translation>A new test with the recipe as it is now</translation>
    </message>
    <message>
        <source>Proef &amp;bewerken...</source>
        <translation>&amp;Edit test...</translation>
    </message>
    <message>
        <source>&amp;Resultaat...</source>
        <translation>&amp;Result...</translation>
    </message>
    <message>
        <source>&amp;Foto toevoegen...</source>
        <translation>Add &amp;photo...</translation>
    </message>
    <message>
        <source>Foto&apos;s kunnen ook op deze pagina worden neergezet</source>
        <translation>Photos can also be dropped on this page</translation>
    </message>
    <message>
        <source>Res&amp;ultaten per stook</source>
        <translation>Res&amp;ults per firing</translation>
    </message>
    <message>
        <source>Stook</source>
        <translation>Firing</translation>
    </message>
    <message>
        <source>Plaats</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Oppervlak</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Transparantie</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <source>Kleur</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Waardering</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Notities</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Resultaten van de gekozen proef</source>
        <translation>Results of the chosen test</translation>
    </message>
    <message>
        <source>F&amp;oto&apos;s</source>
        <translation>Ph&amp;otos</translation>
    </message>
    <message>
        <source>Foto&apos;s van de gekozen proef</source>
        <translation>Photos of the chosen test</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Ontbreekt: %1</source>
        <translation>Missing: %1</translation>
    </message>
    <message>
        <source>Foto niet gevonden: %1</source>
        <translation>Photo not found: %1</translation>
    </message>
    <message>
        <source>Niet te tonen: %1</source>
        <translation>Cannot be shown: %1</translation>
    </message>
    <message>
        <source>kegel %1</source>
        <translation>cone %1</translation>
    </message>
    <message>
        <source>stook %1</source>
        <translation>firing %1</translation>
    </message>
    <message>
        <source>Er is geen glazuur om een proef van te maken.</source>
        <translation>There is no glaze to make a test of.</translation>
    </message>
    <message>
        <source>Het recept van %1 is leeg; er is geen proef gemaakt.</source>
        <translation>The recipe of %1 is empty; no test was made.</translation>
    </message>
    <message>
        <source>Er is nog geen stook vastgelegd. Leg eerst de stook vast (Bestand › Stoken).</source>
        <translation>No firing has been recorded yet. Record the firing first (File › Firings).</translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Foto&apos;s (%1)</source>
        <translation>Photos (%1)</translation>
    </message>
    <message>
        <source>Foto toevoegen</source>
        <translation>Add photo</translation>
    </message>
    <message>
        <source>Kies eerst de proef waar de foto&apos;s bij horen.</source>
        <translation>First choose the test the photos belong to.</translation>
    </message>
</context>
<context>
    <name>kelvora::ResultaatDialog</name>
    <message>
        <source>Resultaat van proef %1</source>
        <translation>Result of test %1</translation>
    </message>
    <message>
        <source>&amp;Stook</source>
        <translation>&amp;Firing</translation>
    </message>
    <message>
        <source>&amp;Plaats in de oven</source>
        <translation>&amp;Position in the kiln</translation>
    </message>
    <message>
        <source>&amp;Oppervlak</source>
        <translation>&amp;Surface</translation>
    </message>
    <message>
        <source>&amp;Transparantie</source>
        <translation>&amp;Transparency</translation>
    </message>
    <message>
        <source>&amp;Kleur</source>
        <translation>C&amp;olor</translation>
    </message>
    <message>
        <source>Gebreken</source>
        <translation>Defects</translation>
    </message>
    <message>
        <source>Gebreken &amp;toelichting</source>
        <translation>Defect &amp;details</translation>
    </message>
    <message>
        <source>&amp;Waardering (1-5)</source>
        <translation>&amp;Rating (1-5)</translation>
    </message>
    <message>
        <source>geen</source>
        <translation>none</translation>
    </message>
    <message>
        <source>&amp;Notities</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>Stook</source>
        <translation>Firing</translation>
    </message>
    <message>
        <source>Waardering</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Notities</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Kies eerst een stook.</source>
        <translation>Choose a firing first.</translation>
    </message>
</context>
<context>
    <name>kelvora::TFotoViewerForm</name>
    <message>
        <source>Foto</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Kegel:</source>
        <translation>Cone:</translation>
    </message>
    <message>
        <source>Atmosfeer:</source>
        <translation>Atmosphere:</translation>
    </message>
    <message>
        <source>Proef:</source>
        <translation>Test:</translation>
    </message>
    <message>
        <source>Stook:</source>
        <translation>Firing:</translation>
    </message>
    <message>
        <source>Vorige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Volgende</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vorige foto (pijl links)</source>
        <translation>Previous photo (left arrow)</translation>
    </message>
    <message>
        <source>Volgende foto (pijl rechts)</source>
        <translation>Next photo (right arrow)</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Kegel</source>
        <translation>Cone</translation>
    </message>
    <message>
        <source>Atmosfeer</source>
        <translation>Atmosphere</translation>
    </message>
    <message>
        <source>Proef</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Stook</source>
        <translation>Firing</translation>
    </message>
    <message>
        <source>Welke foto</source>
        <translation>Which photo</translation>
    </message>
    <message>
        <source>Proef %1 heeft geen foto&apos;s.</source>
        <translation>Test %1 has no photos.</translation>
    </message>
    <message>
        <source>Deze foto is niet te lezen:
%1</source>
        <translation>This photo cannot be read:
%1</translation>
    </message>
    <message>
        <source>Foto ontbreekt. Verwacht op:
%1</source>
        <translation>Photo missing. Expected at:
%1</translation>
    </message>
    <message>
        <source>Foto %1 van %2</source>
        <translation>Photo %1 of %2</translation>
    </message>
</context>
<context>
    <name>kelvora::TProefZoekenForm</name>
    <message>
        <source>%1 (kegel %2)</source>
        <translation>%1 (cone %2)</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Proeven zoeken</source>
        <translation>Find tests</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>&amp;Glazuur:</source>
        <translation>&amp;Glaze:</translation>
    </message>
    <message>
        <source>Sc&amp;herf:</source>
        <translation>Clay &amp;body:</translation>
    </message>
    <message>
        <source>&amp;Kegel:</source>
        <translation>Co&amp;ne:</translation>
    </message>
    <message>
        <source>&amp;Atmosfeer:</source>
        <translation>&amp;Atmosphere:</translation>
    </message>
    <message>
        <source>&amp;Oven:</source>
        <translation>&amp;Kiln:</translation>
    </message>
    <message>
        <source>S&amp;tatus:</source>
        <translation>S&amp;tatus:</translation>
    </message>
    <message>
        <source>Gemengd &amp;vanaf:</source>
        <translation>Mixed &amp;from:</translation>
    </message>
    <message>
        <source>Gemengd tot en &amp;met:</source>
        <translation>Mixed t&amp;hrough:</translation>
    </message>
    <message>
        <source>Ge&amp;brek:</source>
        <translation>&amp;Defect:</translation>
    </message>
    <message>
        <source>&amp;Etiketten op:</source>
        <translation>&amp;Labels on:</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Glazuur</source>
        <translation>Glaze</translation>
    </message>
    <message>
        <source>Scherf</source>
        <translation>Clay body</translation>
    </message>
    <message>
        <source>Kegel</source>
        <translation>Cone</translation>
    </message>
    <message>
        <source>Atmosfeer</source>
        <translation>Atmosphere</translation>
    </message>
    <message>
        <source>Oven</source>
        <translation>Kiln</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Gemengd vanaf</source>
        <translation>Mixed from</translation>
    </message>
    <message>
        <source>Gemengd tot en met</source>
        <translation>Mixed through</translation>
    </message>
    <message>
        <source>Gebrek</source>
        <translation>Defect</translation>
    </message>
    <message>
        <source>Etiketten op</source>
        <translation>Labels on</translation>
    </message>
    <message>
        <source>Gevonden proeven</source>
        <translation>Tests found</translation>
    </message>
    <message>
        <source>Aantal gevonden proeven</source>
        <translation>Number of tests found</translation>
    </message>
    <message>
        <source>dd-mm-jjjj</source>
        <translation>dd-mm-yyyy</translation>
    </message>
    <message>
        <source>Een datum als dd-mm-jjjj; leeg laat de datum vrij.</source>
        <translation>A date as dd-mm-yyyy; empty leaves the date open.</translation>
    </message>
    <message>
        <source>De kegel die een stook bereikte, of die bij een foto staat.</source>
        <translation>The cone a firing reached, or the one noted with a photo.</translation>
    </message>
    <message>
        <source>(alle)</source>
        <translation>(all)</translation>
    </message>
    <message>
        <source>A4-vel met 3 × 8 etiketten van 70 × 37 mm</source>
        <translation>A4 sheet of 3 × 8 labels of 70 × 37 mm</translation>
    </message>
    <message>
        <source>Etikettenprinter, één etiket per blad</source>
        <translation>Label printer, one label per page</translation>
    </message>
    <message>
        <source>&amp;Zoeken</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Testblad afdrukken...</source>
        <translation>Print test sheet...</translation>
    </message>
    <message>
        <source>Etiketten afdrukken...</source>
        <translation>Print labels...</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Gemengd</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>Stoken (kegel)</source>
        <translation>Firings (cone)</translation>
    </message>
    <message>
        <source>1 proef gevonden</source>
        <translation>1 test found</translation>
    </message>
    <message>
        <source>%1 proeven gevonden</source>
        <translation>%1 tests found</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen datum. Schrijf een datum als dd-mm-jjjj.</source>
        <translation>&apos;%1&apos; is not a date. Write a date as dd-mm-yyyy.</translation>
    </message>
    <message>
        <source>Kies eerst een of meer proeven in de lijst.</source>
        <translation>First choose one or more tests in the list.</translation>
    </message>
    <message>
        <source>Proef</source>
        <translation>Test</translation>
    </message>
</context>
<context>
    <name>kelvora::TStokenForm</name>
    <message>
        <source>Stoken</source>
        <translation>Firings</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Oven</source>
        <translation>Kiln</translation>
    </message>
    <message>
        <source>Kegel</source>
        <translation>Cone</translation>
    </message>
    <message>
        <source>Atmosfeer</source>
        <translation>Atmosphere</translation>
    </message>
    <message>
        <source>Proeven</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Datum (dd-mm-jjjj)</source>
        <translation>Date (dd-mm-yyyy)</translation>
    </message>
    <message>
        <source>Kegel bereikt</source>
        <translation>Cone reached</translation>
    </message>
    <message>
        <source>Zoals de meetkegels het lieten zien, bijvoorbeeld &quot;6 buigt, 7 staat&quot;</source>
        <translation>As the witness cones showed it, for example &quot;6 bending, 7 standing&quot;</translation>
    </message>
    <message>
        <source>Reductie vanaf</source>
        <translation>Reduction from</translation>
    </message>
    <message>
        <source>Wanneer de reductie begon: een temperatuur of een tijd</source>
        <translation>When the reduction began: a temperature or a time</translation>
    </message>
    <message>
        <source>Notities</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Stookschema</source>
        <translation>Firing schedule</translation>
    </message>
    <message>
        <source>Snelheid (°C/uur) of duur (u:mm)</source>
        <translation>Rate (°C/hour) or duration (h:mm)</translation>
    </message>
    <message>
        <source>Doel (°C)</source>
        <translation>Target (°C)</translation>
    </message>
    <message>
        <source>Houdtijd (min)</source>
        <translation>Hold (min)</translation>
    </message>
    <message>
        <source>Graden Fahrenheit mogen ook: schrijf een F achter het getal, bijvoorbeeld 1832F</source>
        <translation>Degrees Fahrenheit are accepted too: write an F after the number, for example 1832F</translation>
    </message>
    <message>
        <source>Stap toevoegen</source>
        <translation>Add step</translation>
    </message>
    <message>
        <source>Stap verwijderen</source>
        <translation>Remove step</translation>
    </message>
    <message>
        <source>Proeven in deze stook</source>
        <translation>Tests in this firing</translation>
    </message>
    <message>
        <source>Proef</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Glazuur</source>
        <translation>Glaze</translation>
    </message>
    <message>
        <source>Plaats</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Oppervlak</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Kleur</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Gebreken</source>
        <translation>Defects</translation>
    </message>
    <message>
        <source>Waardering</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Tijd (uur)</source>
        <translation>Time (hours)</translation>
    </message>
    <message>
        <source>Temperatuur (°C)</source>
        <translation>Temperature (°C)</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Grafiek van het stookschema</source>
        <translation>Chart of the firing schedule</translation>
    </message>
    <message>
        <source>Nieuwe stook</source>
        <translation>New firing</translation>
    </message>
    <message>
        <source>Bewaren</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Schema als sjabloon bewaren...</source>
        <translation>Save schedule as template...</translation>
    </message>
    <message>
        <source>Sjabloon gebruiken...</source>
        <translation>Use template...</translation>
    </message>
    <message>
        <source>Log inlezen...</source>
        <translation>Read log...</translation>
    </message>
    <message>
        <source>Schema als sjabloon bewaren</source>
        <translation>Save schedule as template</translation>
    </message>
    <message>
        <source>Naam van het sjabloon:</source>
        <translation>Name of the template:</translation>
    </message>
    <message>
        <source>Sjabloon gebruiken</source>
        <translation>Use template</translation>
    </message>
    <message>
        <source>Sjabloon:</source>
        <translation>Template:</translation>
    </message>
    <message>
        <source>Log inlezen</source>
        <translation>Read log</translation>
    </message>
    <message>
        <source>Plak de metingen uit een rekenblad (tijd, temperatuur, opmerking), of kies het CSV-bestand dat de ovenregelaar schreef:</source>
        <translation>Paste the readings from a spreadsheet (time, temperature, remark), or choose the CSV file the kiln controller wrote:</translation>
    </message>
    <message>
        <source>Metingen</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Bestand kiezen...</source>
        <translation>Choose file...</translation>
    </message>
    <message>
        <source>Inlezen</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>De nieuwe stook</source>
        <translation>The new firing</translation>
    </message>
    <message>
        <source>Stook %1</source>
        <translation>Firing %1</translation>
    </message>
    <message>
        <source>%1 is gewijzigd. Eerst bewaren?</source>
        <translation>%1 has changed. Save first?</translation>
    </message>
    <message>
        <source>Geen log bij deze stook.</source>
        <translation>No log with this firing.</translation>
    </message>
    <message>
        <source>Log: %1 metingen (bewaard met de stook)</source>
        <translation>Log: %1 readings (stored with the firing)</translation>
    </message>
    <message>
        <source>De datum</source>
        <translation>The date</translation>
    </message>
    <message>
        <source>Het schema heeft nog geen stappen.</source>
        <translation>The schedule has no steps yet.</translation>
    </message>
    <message>
        <source>Geef het sjabloon een naam.</source>
        <translation>Give the template a name.</translation>
    </message>
    <message>
        <source>Er is al een sjabloon &quot;%1&quot;. Vervangen?</source>
        <translation>There is already a template &quot;%1&quot;. Replace it?</translation>
    </message>
    <message>
        <source>Er zijn nog geen sjablonen. Bewaar eerst een schema als sjabloon.</source>
        <translation>There are no templates yet. Save a schedule as a template first.</translation>
    </message>
    <message>
        <source>Er staan geen metingen in.</source>
        <translation>There are no readings in it.</translation>
    </message>
    <message>
        <source>Logbestanden (*.csv *.txt);;Alle bestanden (*)</source>
        <translation>Log files (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Kan %1 niet lezen.</source>
        <translation>Cannot read %1.</translation>
    </message>
</context>
<context>
    <name>kelvora::TestSheetPrinter</name>
    <message>
        <source>kegel %1</source>
        <translation>cone %1</translation>
    </message>
    <message>
        <source>Foto niet te lezen:</source>
        <translation>Photo cannot be read:</translation>
    </message>
    <message>
        <source>Foto ontbreekt:</source>
        <translation>Photo missing:</translation>
    </message>
    <message>
        <source>Het afdrukken kon niet beginnen.</source>
        <translation>Printing could not begin.</translation>
    </message>
    <message>
        <source>Proef</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Het afdrukken kon niet verder.</source>
        <translation>Printing could not go on.</translation>
    </message>
    <message>
        <source>Etiket %1 × %2 mm</source>
        <translation>Label %1 × %2 mm</translation>
    </message>
</context>
</TS>
