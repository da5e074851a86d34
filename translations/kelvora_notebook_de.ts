<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>kelvora::FotoDialog</name>
    <message>
        <source>Foto toevoegen aan proef %1</source>
        <translation>Foto zu Probe %1 hinzufügen</translation>
    </message>
    <message>
        <source>Bestanden: %1</source>
        <translation>Dateien: %1</translation>
    </message>
    <message>
        <source>&amp;Titel</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Stook</source>
        <translation>&amp;Brand</translation>
    </message>
    <message>
        <source>(geen)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>&amp;Kegel</source>
        <translation>&amp;Kegel</translation>
    </message>
    <message>
        <source>&amp;Atmosfeer</source>
        <translation>&amp;Atmosphäre</translation>
    </message>
    <message>
        <source>(niet gekozen)</source>
        <translation>(nicht gewählt)</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Stook</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>Kegel</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Atmosfeer</source>
        <translation>Atmosphäre</translation>
    </message>
</context>
<context>
    <name>kelvora::NotebookLabels</name>
    <message>
        <source>kegel %1</source>
        <translation>Kegel %1</translation>
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
        <translation>+ %1	%2 Teile</translation>
    </message>
</context>
<context>
    <name>kelvora::ProefDialog</name>
    <message>
        <source>%1: &apos;%2&apos; is geen getal.</source>
        <translation>%1: &apos;%2&apos; ist keine Zahl.</translation>
    </message>
    <message>
        <source>Proef %1</source>
        <translation>Probe %1</translation>
    </message>
    <message>
        <source>&amp;Datum (dd-mm-jjjj)</source>
        <translation>&amp;Datum (TT-MM-JJJJ)</translation>
    </message>
    <message>
        <source>&amp;Menging (g)</source>
        <translation>&amp;Ansatz (g)</translation>
    </message>
    <message>
        <source>&amp;Water (g)</source>
        <translation>&amp;Wasser (g)</translation>
    </message>
    <message>
        <source>S&amp;oortelijk gewicht</source>
        <translation>Spe&amp;zifisches Gewicht</translation>
    </message>
    <message>
        <source>&amp;Zeef</source>
        <translation>S&amp;ieb</translation>
    </message>
    <message>
        <source>&amp;Kleisoort</source>
        <translation>&amp;Scherben</translation>
    </message>
    <message>
        <source>&amp;Biscuitkegel</source>
        <translation>Sc&amp;hrühbrand-Kegel</translation>
    </message>
    <message>
        <source>&amp;Opbrengen</source>
        <translation>A&amp;uftragen</translation>
    </message>
    <message>
        <source>(niet gekozen)</source>
        <translation>(nicht gewählt)</translation>
    </message>
    <message>
        <source>&amp;Seconden</source>
        <translation>S&amp;ekunden</translation>
    </message>
    <message>
        <source>&amp;Lagen</source>
        <translation>Schich&amp;ten</translation>
    </message>
    <message>
        <source>D&amp;ikte</source>
        <translation>Dic&amp;ke</translation>
    </message>
    <message>
        <source>&amp;Gelaagd (over of onder)</source>
        <translation>&amp;Geschichtet (darüber oder darunter)</translation>
    </message>
    <message>
        <source>&amp;Notities</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <source>&amp;Recept zoals gemengd</source>
        <translation>&amp;Rezept wie gemischt</translation>
    </message>
    <message>
        <source>Opbrengen</source>
        <translation>Auftragen</translation>
    </message>
    <message>
        <source>Notities</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Recept zoals gemengd</source>
        <translation>Rezept wie gemischt</translation>
    </message>
    <message>
        <source>De datum</source>
        <translation>Das Datum</translation>
    </message>
</context>
<context>
    <name>kelvora::ProevenPage</name>
    <message>
        <source>&amp;Proeven</source>
        <translation>&amp;Proben</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Kleisoort</source>
        <translation>Scherben</translation>
    </message>
    <message>
        <source>Stoken</source>
        <translation>Brände</translation>
    </message>
    <message>
        <source>Beste waardering</source>
        <translation>Beste Bewertung</translation>
    </message>
    <message>
        <source>Gebreken</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Proeven van dit glazuur</source>
        <translation>Proben dieser Glasur</translation>
    </message>
    <message>
        <source>&amp;Nieuwe proef</source>
        <translation>&amp;Neue Probe</translation>
    </message>
    <message>
        <source>Een nieuwe proef met het recept zoals het nu is</source>
        <translation>Eine neue Probe mit dem Rezept, wie es jetzt ist</translation>
    </message>
    <message>
        <source>Proef &amp;bewerken...</source>
        <translation>Probe &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Resultaat...</source>
        <translation>&amp;Ergebnis...</translation>
    </message>
    <message>
        <source>&amp;Foto toevoegen...</source>
        <translation>&amp;Foto hinzufügen...</translation>
    </message>
    <message>
        <source>Foto&apos;s kunnen ook op deze pagina worden neergezet</source>
        <translation>Fotos können auch auf diese Seite gezogen werden</translation>
    </message>
    <message>
        <source>Res&amp;ultaten per stook</source>
        <translation>Ergebnisse pro Br&amp;and</translation>
    </message>
    <message>
        <source>Stook</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>Plaats</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Oppervlak</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Transparantie</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Kleur</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Waardering</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Notities</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Resultaten van de gekozen proef</source>
        <translation>Ergebnisse der gewählten Probe</translation>
    </message>
    <message>
        <source>F&amp;oto&apos;s</source>
        <translation>F&amp;otos</translation>
    </message>
    <message>
        <source>Foto&apos;s van de gekozen proef</source>
        <translation>Fotos der gewählten Probe</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Ontbreekt: %1</source>
        <translation>Fehlt: %1</translation>
    </message>
    <message>
        <source>Foto niet gevonden: %1</source>
        <translation>Foto nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Niet te tonen: %1</source>
        <translation>Nicht anzuzeigen: %1</translation>
    </message>
    <message>
        <source>kegel %1</source>
        <translation>Kegel %1</translation>
    </message>
    <message>
        <source>stook %1</source>
        <translation>Brand %1</translation>
    </message>
    <message>
        <source>Er is geen glazuur om een proef van te maken.</source>
        <translation>Es gibt keine Glasur, von der eine Probe gemacht werden kann.</translation>
    </message>
    <message>
        <source>Het recept van %1 is leeg; er is geen proef gemaakt.</source>
        <translation>Das Rezept von %1 ist leer; es wurde keine Probe angelegt.</translation>
    </message>
    <message>
        <source>Er is nog geen stook vastgelegd. Leg eerst de stook vast (Bestand › Stoken).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Foto&apos;s (%1)</source>
        <translation>Fotos (%1)</translation>
    </message>
    <message>
        <source>Foto toevoegen</source>
        <translation>Foto hinzufügen</translation>
    </message>
    <message>
        <source>Kies eerst de proef waar de foto&apos;s bij horen.</source>
        <translation>Wählen Sie zuerst die Probe, zu der die Fotos gehören.</translation>
    </message>
</context>
<context>
    <name>kelvora::ResultaatDialog</name>
    <message>
        <source>Resultaat van proef %1</source>
        <translation>Ergebnis von Probe %1</translation>
    </message>
    <message>
        <source>&amp;Stook</source>
        <translation>&amp;Brand</translation>
    </message>
    <message>
        <source>&amp;Plaats in de oven</source>
        <translation>&amp;Platz im Ofen</translation>
    </message>
    <message>
        <source>&amp;Oppervlak</source>
        <translation>&amp;Oberfläche</translation>
    </message>
    <message>
        <source>&amp;Transparantie</source>
        <translation>&amp;Transparenz</translation>
    </message>
    <message>
        <source>&amp;Kleur</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>Gebreken</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Gebreken &amp;toelichting</source>
        <translation>&amp;Erläuterung der Fehler</translation>
    </message>
    <message>
        <source>&amp;Waardering (1-5)</source>
        <translation>Be&amp;wertung (1-5)</translation>
    </message>
    <message>
        <source>geen</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>&amp;Notities</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <source>Stook</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>Waardering</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Notities</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Kies eerst een stook.</source>
        <translation>Wählen Sie zuerst einen Brand.</translation>
    </message>
</context>
<context>
    <name>kelvora::TFotoViewerForm</name>
    <message>
        <source>Foto</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Kegel:</source>
        <translation>Kegel:</translation>
    </message>
    <message>
        <source>Atmosfeer:</source>
        <translation>Atmosphäre:</translation>
    </message>
    <message>
        <source>Proef:</source>
        <translation>Probe:</translation>
    </message>
    <message>
        <source>Stook:</source>
        <translation>Brand:</translation>
    </message>
    <message>
        <source>Vorige</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Volgende</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Vorige foto (pijl links)</source>
        <translation>Vorheriges Foto (Pfeil links)</translation>
    </message>
    <message>
        <source>Volgende foto (pijl rechts)</source>
        <translation>Nächstes Foto (Pfeil rechts)</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Kegel</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Atmosfeer</source>
        <translation>Atmosphäre</translation>
    </message>
    <message>
        <source>Proef</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Stook</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>Welke foto</source>
        <translation>Welches Foto</translation>
    </message>
    <message>
        <source>Proef %1 heeft geen foto&apos;s.</source>
        <translation>Probe %1 hat keine Fotos.</translation>
    </message>
    <message>
        <source>Deze foto is niet te lezen:
%1</source>
        <translation>Dieses Foto ist nicht lesbar:
%1</translation>
    </message>
    <message>
        <source>Foto ontbreekt. Verwacht op:
%1</source>
        <translation>Foto fehlt. Erwartet unter:
%1</translation>
    </message>
    <message>
        <source>Foto %1 van %2</source>
        <translation>Foto %1 von %2</translation>
    </message>
</context>
<context>
    <name>kelvora::TProefZoekenForm</name>
    <message>
        <source>%1 (kegel %2)</source>
        <translation>%1 (Kegel %2)</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Proeven zoeken</source>
        <translation>Proben suchen</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>&amp;Glazuur:</source>
        <translation>&amp;Glasur:</translation>
    </message>
    <message>
        <source>Sc&amp;herf:</source>
        <translation>Sc&amp;herben:</translation>
    </message>
    <message>
        <source>&amp;Kegel:</source>
        <translation>&amp;Kegel:</translation>
    </message>
    <message>
        <source>&amp;Atmosfeer:</source>
        <translation>&amp;Atmosphäre:</translation>
    </message>
    <message>
        <source>&amp;Oven:</source>
        <translation>&amp;Ofen:</translation>
    </message>
    <message>
        <source>S&amp;tatus:</source>
        <translation>S&amp;tatus:</translation>
    </message>
    <message>
        <source>Gemengd &amp;vanaf:</source>
        <translation>Gemischt a&amp;b:</translation>
    </message>
    <message>
        <source>Gemengd tot en &amp;met:</source>
        <translation>Gemischt b&amp;is:</translation>
    </message>
    <message>
        <source>Ge&amp;brek:</source>
        <translation>&amp;Fehler:</translation>
    </message>
    <message>
        <source>&amp;Etiketten op:</source>
        <translation>&amp;Etiketten auf:</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Glazuur</source>
        <translation>Glasur</translation>
    </message>
    <message>
        <source>Scherf</source>
        <translation>Scherben</translation>
    </message>
    <message>
        <source>Kegel</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Atmosfeer</source>
        <translation>Atmosphäre</translation>
    </message>
    <message>
        <source>Oven</source>
        <translation>Ofen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Gemengd vanaf</source>
        <translation>Gemischt ab</translation>
    </message>
    <message>
        <source>Gemengd tot en met</source>
        <translation>Gemischt bis</translation>
    </message>
    <message>
        <source>Gebrek</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Etiketten op</source>
        <translation>Etiketten auf</translation>
    </message>
    <message>
        <source>Gevonden proeven</source>
        <translation>Gefundene Proben</translation>
    </message>
    <message>
        <source>Aantal gevonden proeven</source>
        <translation>Anzahl gefundener Proben</translation>
    </message>
    <message>
        <source>dd-mm-jjjj</source>
        <translation>TT-MM-JJJJ</translation>
    </message>
    <message>
        <source>Een datum als dd-mm-jjjj; leeg laat de datum vrij.</source>
        <translation>Ein Datum als TT-MM-JJJJ; leer lässt das Datum offen.</translation>
    </message>
    <message>
        <source>De kegel die een stook bereikte, of die bij een foto staat.</source>
        <translation>Der Kegel, den ein Brand erreichte, oder der bei einem Foto steht.</translation>
    </message>
    <message>
        <source>(alle)</source>
        <translation>(alle)</translation>
    </message>
    <message>
        <source>A4-vel met 3 × 8 etiketten van 70 × 37 mm</source>
        <translation>A4-Bogen mit 3 × 8 Etiketten zu 70 × 37 mm</translation>
    </message>
    <message>
        <source>Etikettenprinter, één etiket per blad</source>
        <translation>Etikettendrucker, ein Etikett pro Blatt</translation>
    </message>
    <message>
        <source>&amp;Zoeken</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Testblad afdrukken...</source>
        <translation>Testblatt drucken...</translation>
    </message>
    <message>
        <source>Etiketten afdrukken...</source>
        <translation>Etiketten drucken...</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Gemengd</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Stoken (kegel)</source>
        <translation>Brände (Kegel)</translation>
    </message>
    <message>
        <source>1 proef gevonden</source>
        <translation>1 Probe gefunden</translation>
    </message>
    <message>
        <source>%1 proeven gevonden</source>
        <translation>%1 Proben gefunden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen datum. Schrijf een datum als dd-mm-jjjj.</source>
        <translation>&apos;%1&apos; ist kein Datum. Schreiben Sie ein Datum als TT-MM-JJJJ.</translation>
    </message>
    <message>
        <source>Kies eerst een of meer proeven in de lijst.</source>
        <translation>Wählen Sie zuerst eine oder mehrere Proben in der Liste.</translation>
    </message>
    <message>
        <source>Proef</source>
        <translation>Probe</translation>
    </message>
</context>
<context>
    <name>kelvora::TStokenForm</name>
    <message>
        <source>Stoken</source>
        <translation>Brände</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Oven</source>
        <translation>Ofen</translation>
    </message>
    <message>
        <source>Kegel</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Atmosfeer</source>
        <translation>Atmosphäre</translation>
    </message>
    <message>
        <source>Proeven</source>
        <translation>Proben</translation>
    </message>
    <message>
        <source>Datum (dd-mm-jjjj)</source>
        <translation>Datum (TT-MM-JJJJ)</translation>
    </message>
    <message>
        <source>Kegel bereikt</source>
        <translation>Kegel erreicht</translation>
    </message>
    <message>
        <source>Zoals de meetkegels het lieten zien, bijvoorbeeld &quot;6 buigt, 7 staat&quot;</source>
        <translation>Wie die Messkegel es zeigten, zum Beispiel &quot;6 biegt sich, 7 steht&quot;</translation>
    </message>
    <message>
        <source>Reductie vanaf</source>
        <translation>Reduktion ab</translation>
    </message>
    <message>
        <source>Wanneer de reductie begon: een temperatuur of een tijd</source>
        <translation>Wann die Reduktion begann: eine Temperatur oder eine Zeit</translation>
    </message>
    <message>
        <source>Notities</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Stookschema</source>
        <translation>Brennkurve</translation>
    </message>
    <message>
        <source>Snelheid (°C/uur) of duur (u:mm)</source>
        <translation>Rate (°C/Std.) oder Dauer (h:mm)</translation>
    </message>
    <message>
        <source>Doel (°C)</source>
        <translation>Ziel (°C)</translation>
    </message>
    <message>
        <source>Houdtijd (min)</source>
        <translation>Haltezeit (min)</translation>
    </message>
    <message>
        <source>Graden Fahrenheit mogen ook: schrijf een F achter het getal, bijvoorbeeld 1832F</source>
        <translation>Grad Fahrenheit gehen auch: schreiben Sie ein F hinter die Zahl, zum Beispiel 1832F</translation>
    </message>
    <message>
        <source>Stap toevoegen</source>
        <translation>Schritt hinzufügen</translation>
    </message>
    <message>
        <source>Stap verwijderen</source>
        <translation>Schritt entfernen</translation>
    </message>
    <message>
        <source>Proeven in deze stook</source>
        <translation>Proben in diesem Brand</translation>
    </message>
    <message>
        <source>Proef</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Glazuur</source>
        <translation>Glasur</translation>
    </message>
    <message>
        <source>Plaats</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Oppervlak</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Kleur</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Gebreken</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Waardering</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Tijd (uur)</source>
        <translation>Zeit (Std.)</translation>
    </message>
    <message>
        <source>Temperatuur (°C)</source>
        <translation>Temperatur (°C)</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Grafiek van het stookschema</source>
        <translation>Diagramm der Brennkurve</translation>
    </message>
    <message>
        <source>Nieuwe stook</source>
        <translation>Neuer Brand</translation>
    </message>
    <message>
        <source>Bewaren</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Schema als sjabloon bewaren...</source>
        <translation>Kurve als Vorlage speichern...</translation>
    </message>
    <message>
        <source>Sjabloon gebruiken...</source>
        <translation>Vorlage verwenden...</translation>
    </message>
    <message>
        <source>Log inlezen...</source>
        <translation>Protokoll einlesen...</translation>
    </message>
    <message>
        <source>Schema als sjabloon bewaren</source>
        <translation>Kurve als Vorlage speichern</translation>
    </message>
    <message>
        <source>Naam van het sjabloon:</source>
        <translation>Name der Vorlage:</translation>
    </message>
    <message>
        <source>Sjabloon gebruiken</source>
        <translation>Vorlage verwenden</translation>
    </message>
    <message>
        <source>Sjabloon:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <source>Log inlezen</source>
        <translation>Protokoll einlesen</translation>
    </message>
    <message>
        <source>Plak de metingen uit een rekenblad (tijd, temperatuur, opmerking), of kies het CSV-bestand dat de ovenregelaar schreef:</source>
        <translation>Fügen Sie die Messwerte aus einer Tabelle ein (Zeit, Temperatur, Bemerkung) oder wählen Sie die CSV-Datei, die die Ofensteuerung schrieb:</translation>
    </message>
    <message>
        <source>Metingen</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Bestand kiezen...</source>
        <translation>Datei wählen...</translation>
    </message>
    <message>
        <source>Inlezen</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>De nieuwe stook</source>
        <translation>Der neue Brand</translation>
    </message>
    <message>
        <source>Stook %1</source>
        <translation>Brand %1</translation>
    </message>
    <message>
        <source>%1 is gewijzigd. Eerst bewaren?</source>
        <translation>%1 wurde geändert. Zuerst speichern?</translation>
    </message>
    <message>
        <source>Geen log bij deze stook.</source>
        <translation>Kein Protokoll zu diesem Brand.</translation>
    </message>
    <message>
        <source>Log: %1 metingen (bewaard met de stook)</source>
        <translation>Protokoll: %1 Messwerte (mit dem Brand gespeichert)</translation>
    </message>
    <message>
        <source>De datum</source>
        <translation>Das Datum</translation>
    </message>
    <message>
        <source>Het schema heeft nog geen stappen.</source>
        <translation>Die Kurve hat noch keine Schritte.</translation>
    </message>
    <message>
        <source>Geef het sjabloon een naam.</source>
        <translation>Geben Sie der Vorlage einen Namen.</translation>
    </message>
    <message>
        <source>Er is al een sjabloon &quot;%1&quot;. Vervangen?</source>
        <translation>Es gibt schon eine Vorlage &quot;%1&quot;. Ersetzen?</translation>
    </message>
    <message>
        <source>Er zijn nog geen sjablonen. Bewaar eerst een schema als sjabloon.</source>
        <translation>Es gibt noch keine Vorlagen. Speichern Sie zuerst eine Kurve als Vorlage.</translation>
    </message>
    <message>
        <source>Er staan geen metingen in.</source>
        <translation>Es sind keine Messwerte enthalten.</translation>
    </message>
    <message>
        <source>Logbestanden (*.csv *.txt);;Alle bestanden (*)</source>
        <translation>Protokolldateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Kan %1 niet lezen.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>kelvora::TestSheetPrinter</name>
    <message>
        <source>kegel %1</source>
        <translation>Kegel %1</translation>
    </message>
    <message>
        <source>Foto niet te lezen:</source>
        <translation>Foto nicht lesbar:</translation>
    </message>
    <message>
        <source>Foto ontbreekt:</source>
        <translation>Foto fehlt:</translation>
    </message>
    <message>
        <source>Het afdrukken kon niet beginnen.</source>
        <translation>Der Druck konnte nicht beginnen.</translation>
    </message>
    <message>
        <source>Proef</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Het afdrukken kon niet verder.</source>
        <translation>Der Druck konnte nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Etiket %1 × %2 mm</source>
        <translation>Etikett %1 × %2 mm</translation>
    </message>
</context>
</TS>
