<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="nl_NL">
<context>
    <name>Bedieningslijst</name>
    <message>
        <source>vervallen</source>
        <translation>void</translation>
    </message>
    <message>
        <source>Vervallen: %1</source>
        <translation>Void: %1</translation>
    </message>
    <message>
        <source>vervallen: %1</source>
        <translation>void: %1</translation>
    </message>
    <message>
        <source>%1 punt</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>%1 punten</source>
        <translation>%1 points</translation>
    </message>
</context>
<context>
    <name>Bedieningsvenster</name>
    <message>
        <source>Quintaro - bediening</source>
        <extracomment>The operator&apos;s window&apos;s title.</extracomment>
        <translation>Quintaro - operator</translation>
    </message>
    <message>
        <source>Wat het publiek ziet:</source>
        <translation>What the audience sees:</translation>
    </message>
    <message>
        <source>Wat het publiek ziet</source>
        <translation>What the audience sees</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start een trekking (spatiebalk).</source>
        <translation>Starts a draw (space bar).</translation>
    </message>
    <message>
        <source>Getrokken nummers:</source>
        <translation>Numbers drawn:</translation>
    </message>
    <message>
        <source>Getrokken nummers met hun tijd</source>
        <translation>Numbers drawn with their times</translation>
    </message>
    <message>
        <source>&amp;Reden om het laatste nummer te laten vervallen:</source>
        <translation>&amp;Reason to void the last number:</translation>
    </message>
    <message>
        <source>bijvoorbeeld: winnaar niet aanwezig</source>
        <translation>for example: winner not present</translation>
    </message>
    <message>
        <source>Geluid</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Stem (V)</source>
        <translation>Voice (V)</translation>
    </message>
    <message>
        <source>Bord (B)</source>
        <translation>Board (B)</translation>
    </message>
    <message>
        <source>Instellingen...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>Teller: %1</source>
        <translation>Counter: %1</translation>
    </message>
    <message>
        <source>Geen reeks</source>
        <translation>No series</translation>
    </message>
    <message>
        <source>Toezegging van de reeks: %1</source>
        <translation>Commitment of the series: %1</translation>
    </message>
    <message>
        <source>Het journaal legt deze reeks vast.</source>
        <translation>The journal records this series.</translation>
    </message>
    <message>
        <source>Let op: het journaal kan niet worden geschreven (%1); deze reeks wordt niet vastgelegd.</source>
        <translation>Note: the journal cannot be written (%1); this series is not recorded.</translation>
    </message>
    <message>
        <source>Let op: het journaal kan niet worden geschreven; deze reeks wordt niet vastgelegd.</source>
        <translation>Note: the journal cannot be written; this series is not recorded.</translation>
    </message>
    <message>
        <source>Nummer %1 laten vervallen</source>
        <translation>Void number %1</translation>
    </message>
    <message>
        <source>Laatste nummer laten vervallen</source>
        <translation>Void the last number</translation>
    </message>
    <message>
        <source>Kop van de keten: %1</source>
        <translation>Head of the chain: %1</translation>
    </message>
    <message>
        <source>Niet aanwezig</source>
        <translation>Not present</translation>
    </message>
    <message>
        <source>De winnaar is niet in de zaal: het lot vervalt en dezelfde prijs wordt opnieuw getrokken.</source>
        <translation>The winner is not in the hall: the ticket is declared void and the same prize is drawn again.</translation>
    </message>
    <message>
        <source>Prijzen met hun winnaars</source>
        <translation>Prizes with their winners</translation>
    </message>
    <message>
        <source>Alle prijzen zijn getrokken.</source>
        <translation>Every prize has been drawn.</translation>
    </message>
    <message>
        <source>Aan de beurt: prijs %1 van %2, %3</source>
        <translation>Up now: prize %1 of %2, %3</translation>
    </message>
    <message>
        <source>(%1 niet aanwezig)</source>
        <translation>(%1 not present)</translation>
    </message>
</context>
<context>
    <name>Bord</name>
    <message>
        <source>Bord</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Leeg bij rollers met afbeeldingen.</source>
        <translation>Empty with picture rollers.</translation>
    </message>
    <message>
        <source>Nog geen nummers getrokken van %1 tot en met %2.</source>
        <translation>No numbers drawn yet from %1 to %2.</translation>
    </message>
    <message>
        <source>%1 van %2 getrokken: %3. Laatste: %4.</source>
        <translation>%1 of %2 drawn: %3. Latest: %4.</translation>
    </message>
    <message>
        <source>Nog geen nummers getrokken.</source>
        <translation>No numbers drawn yet.</translation>
    </message>
    <message>
        <source>Laatste nummers, het laatste eerst: %1.</source>
        <translation>Latest numbers, the latest first: %1.</translation>
    </message>
    <message>
        <source>Nog geen loten getrokken.</source>
        <translation>No tickets drawn yet.</translation>
    </message>
    <message>
        <source>Laatste loten, het laatste eerst: %1.</source>
        <translation>Latest tickets, the latest first: %1.</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source> Configuratie</source>
        <translation> Settings</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source> Reset kleuren </source>
        <translation> Reset colours </translation>
    </message>
    <message>
        <source>Random getallen</source>
        <translation>Random numbers</translation>
    </message>
    <message>
        <source>Rollers met getallen</source>
        <translation>Rollers with numbers</translation>
    </message>
    <message>
        <source>Rollers met afbeeldingen</source>
        <translation>Rollers with pictures</translation>
    </message>
    <message>
        <source>Kleur van eindgetal en titel</source>
        <translation>Colour of result number and title</translation>
    </message>
    <message>
        <source>Van            t/m</source>
        <extracomment>Stands under the two range fields: the first word under the lowest number, the second under the highest; the blanks between them set the second word&apos;s place.</extracomment>
        <translation>From          to</translation>
    </message>
    <message>
        <source>Pauze na het starten</source>
        <translation>Pause after starting</translation>
    </message>
    <message>
        <source>Titel boven de rollers</source>
        <translation>Title above the rollers</translation>
    </message>
    <message>
        <source>%1 Achtergronden</source>
        <translation>Backgrounds: %1</translation>
    </message>
    <message>
        <source>%1 Seconden</source>
        <translation>%1 sec.</translation>
    </message>
    <message>
        <source>Vul een getal in</source>
        <translation>Enter a number</translation>
    </message>
    <message>
        <source>Geen getal</source>
        <translation>Not a number</translation>
    </message>
    <message>
        <source>Buiten het bereik: %1 t/m %2</source>
        <translation>Out of range: %1 to %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Het laagste nummer is hoger dan het hoogste nummer!</source>
        <translation>The lowest number is higher than the highest number!</translation>
    </message>
</context>
<context>
    <name>Controleuitslag</name>
    <message>
        <source>Alles klopt: elke sleutel past bij zijn toezegging en elk nummer is nagerekend.</source>
        <translation>Everything verifies: every key matches its commitment and every number has been recomputed.</translation>
    </message>
    <message>
        <source>Klopt tot nu toe, maar nog niet te controleren: de sleutel van reeks %1 is nog niet onthuld.</source>
        <translation>Valid so far, but not yet checkable: the key of series %1 has not been revealed yet.</translation>
    </message>
    <message>
        <source>FOUT op regel %1: %2</source>
        <translation>ERROR in line %1: %2</translation>
    </message>
    <message>
        <source>FOUT: %1</source>
        <translation>ERROR: %1</translation>
    </message>
    <message>
        <source>Regels: %1, reeksen: %2, trekkingen: %3, nagerekend: %4</source>
        <translation>Lines: %1, series: %2, draws: %3, recomputed: %4</translation>
    </message>
</context>
<context>
    <name>Hervatting</name>
    <message>
        <source>De sleutel van reeks %1 ontbreekt: %2 bestaat niet.</source>
        <translation>The key of series %1 is missing: %2 does not exist.</translation>
    </message>
    <message>
        <source>%1 is een symbolische koppeling; Quintaro leest daar geen sleutel uit.</source>
        <translation>%1 is a symbolic link; Quintaro reads no key through it.</translation>
    </message>
    <message>
        <source>%1 was leesbaar voor anderen, dus de sleutel van reeks %2 is niet meer geheim. Het bestand is nu alleen voor de eigenaar leesbaar.</source>
        <translation>%1 was readable by others, so the key of series %2 is no longer secret. The file is now readable by its owner only.</translation>
    </message>
    <message>
        <source>%1 is beschadigd of geen sleutelbestand.</source>
        <translation>%1 is damaged or not a key file.</translation>
    </message>
    <message>
        <source>%1 bevat de sleutel van reeks %2, niet die van reeks %3.</source>
        <translation>%1 holds the key of series %2, not that of series %3.</translation>
    </message>
    <message>
        <source>De sleutel in %1 past niet bij de toezegging van reeks %2 in het journaal.</source>
        <translation>The key in %1 does not match the commitment of series %2 in the journal.</translation>
    </message>
    <message>
        <source>De getrokken nummers van reeks %1 volgen niet uit de sleutel in %2.</source>
        <translation>The numbers drawn in series %1 do not follow from the key in %2.</translation>
    </message>
    <message>
        <source>Reeks %1 gaat daarom niet verder: er begint een nieuwe reeks, met de getrokken nummers op de lijst.</source>
        <translation>Series %1 therefore does not go on: a new series begins, with the numbers drawn on the list.</translation>
    </message>
</context>
<context>
    <name>Hoofdvenster</name>
    <message>
        <source>Form1</source>
        <extracomment>The main window&apos;s caption; it has no title bar, so only task lists show it.</extracomment>
        <translation>Form1</translation>
    </message>
    <message>
        <source> Exit </source>
        <translation> Exit </translation>
    </message>
    <message>
        <source>Bewaart de instellingen en de lijst en sluit het programma.</source>
        <translation>Saves the settings and the list and closes the program.</translation>
    </message>
    <message>
        <source>quintaro: kan %1 niet schrijven
</source>
        <translation>quintaro: cannot write %1
</translation>
    </message>
    <message>
        <source> Nieuw</source>
        <translation> New</translation>
    </message>
    <message>
        <source>Alle getallen zijn getrokken,
de lijst wordt nu leeg gemaakt!</source>
        <translation>All numbers have been drawn,
the list will now be cleared!</translation>
    </message>
    <message>
        <source>quintaro: scherm %1 bestaat niet; er is maar één scherm
</source>
        <translation>quintaro: there is no screen %1; there is only one screen
</translation>
    </message>
    <message>
        <source>quintaro: scherm %1 bestaat niet; er zijn %2 schermen
</source>
        <translation>quintaro: there is no screen %1; there are %2 screens
</translation>
    </message>
    <message>
        <source>quintaro: kan %1 niet openen (%2); een tweede Quintaro in deze map wordt niet tegengehouden
</source>
        <translation>quintaro: cannot open %1 (%2); a second Quintaro in this folder is not kept out
</translation>
    </message>
    <message>
        <source>Quintaro draait al in de map %1 (proces %2). Sluit dat eerst, of kies met --dir een andere map.</source>
        <translation>Quintaro is already running in the folder %1 (process %2). Close it first, or choose another folder with --dir.</translation>
    </message>
    <message>
        <source>Quintaro draait al in de map %1. Sluit dat eerst, of kies met --dir een andere map.</source>
        <translation>Quintaro is already running in the folder %1. Close it first, or choose another folder with --dir.</translation>
    </message>
    <message>
        <source>Trekkingsjournaal</source>
        <translation>Draw journal</translation>
    </message>
    <message>
        <source>De nieuwe reeks trekt nog niets: geef eerst haar publieke invoer (P) en start dan opnieuw.</source>
        <translation>The new series draws nothing yet: first give its public input (P), then start again.</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>Teller: %1</source>
        <translation>Counter: %1</translation>
    </message>
    <message>
        <source>Alle prijzen van de loterij zijn getrokken.</source>
        <translation>Every prize of the raffle has been drawn.</translation>
    </message>
</context>
<context>
    <name>Journaalcontrole</name>
    <message>
        <source>geen journaalrecord: geen geldig JSON-object (bij byte %1)</source>
        <translation>not a journal record: not a valid JSON object (at byte %1)</translation>
    </message>
    <message>
        <source>geen journaalrecord: onbekende soort &quot;%1&quot;</source>
        <translation>not a journal record: unknown kind &quot;%1&quot;</translation>
    </message>
    <message>
        <source>het veld &quot;%1&quot; ontbreekt</source>
        <translation>the field &quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>het veld &quot;%1&quot; heeft een ongeldige waarde</source>
        <translation>the field &quot;%1&quot; has an invalid value</translation>
    </message>
    <message>
        <source>onbekend veld &quot;%1&quot;</source>
        <translation>unknown field &quot;%1&quot;</translation>
    </message>
    <message>
        <source>de regel is langer dan %1 bytes</source>
        <translation>the line is longer than %1 bytes</translation>
    </message>
    <message>
        <source>de laatste regel is onvolledig: het schrijven is afgebroken</source>
        <translation>the last line is incomplete: writing was interrupted</translation>
    </message>
    <message>
        <source>de hash van de regel ervoor hoort 64 nullen te zijn: er gaat geen regel aan vooraf</source>
        <translation>the hash of the line before should be 64 zeros: no line precedes it</translation>
    </message>
    <message>
        <source>de regel is gewijzigd of hoort hier niet: de hash van regel %1 die hij vastlegt klopt niet</source>
        <translation>the line was changed or does not belong here: the hash of line %1 that it records does not match</translation>
    </message>
    <message>
        <source>de regel is gewijzigd nadat regel %1 is geschreven, of er is een regel weggehaald of tussengevoegd: de hash in regel %1 klopt niet</source>
        <translation>the line was changed after line %1 was written, or a line was removed or inserted: the hash in line %1 does not match</translation>
    </message>
    <message>
        <source>&quot;gescheurd&quot; noemt regel %1, maar alleen de regel ervoor kan gescheurd zijn</source>
        <translation>&quot;gescheurd&quot; names line %1, but only the line just before can be torn</translation>
    </message>
    <message>
        <source>er gaat geen programmastart aan dit record vooraf</source>
        <translation>no program start precedes this record</translation>
    </message>
    <message>
        <source>reeks %1 begint terwijl reeks %2 nog loopt</source>
        <translation>series %1 begins while series %2 is still in progress</translation>
    </message>
    <message>
        <source>reeks %1 volgt niet op reeks %2</source>
        <translation>series %1 does not follow series %2</translation>
    </message>
    <message>
        <source>reeks %1 bestaat niet</source>
        <translation>series %1 does not exist</translation>
    </message>
    <message>
        <source>reeks %1 heeft geen trekking %2 met nummer %3</source>
        <translation>series %1 has no draw %2 with number %3</translation>
    </message>
    <message>
        <source>reeks %1 kan hier niet worden hervat</source>
        <translation>series %1 cannot be resumed here</translation>
    </message>
    <message>
        <source>reeks %1 heeft %2 trekkingen, niet %3</source>
        <translation>series %1 has %2 draws, not %3</translation>
    </message>
    <message>
        <source>reeks %1 loopt hier niet</source>
        <translation>series %1 is not in progress here</translation>
    </message>
    <message>
        <source>de publieke invoer komt na de eerste trekking of voor de tweede keer</source>
        <translation>the public input comes after the first draw or a second time</translation>
    </message>
    <message>
        <source>trekking met index %1 verwacht, niet %2</source>
        <translation>draw with index %1 expected, not %2</translation>
    </message>
    <message>
        <source>nummer %1 ligt buiten het bereik %2 t/m %3</source>
        <translation>number %1 lies outside the range %2 to %3</translation>
    </message>
    <message>
        <source>nummer %1 is in deze lijst al getrokken</source>
        <translation>number %1 has already been drawn in this list</translation>
    </message>
    <message>
        <source>de lijst heet uitgeput, maar er zijn nog nummers vrij in het bereik</source>
        <translation>the list is said to be exhausted, but numbers of the range are still free</translation>
    </message>
    <message>
        <source>de sleutel van reeks %1 is al onthuld</source>
        <translation>the key of series %1 has already been revealed</translation>
    </message>
    <message>
        <source>de sleutel past niet bij de toezegging van reeks %1</source>
        <translation>the key does not match the commitment of series %1</translation>
    </message>
    <message>
        <source>in het journaal staat %1, maar de sleutel geeft %2 (reeks %3, trekking %4)</source>
        <translation>the journal has %1, but the key gives %2 (series %3, draw %4)</translation>
    </message>
    <message>
        <source>%1 kan niet gelezen worden: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>het journaal is groter dan %1 bytes</source>
        <translation>the journal is larger than %1 bytes</translation>
    </message>
    <message>
        <source>het bestand kan niet verder gelezen worden</source>
        <translation>the file cannot be read any further</translation>
    </message>
    <message>
        <source>het bestand is leeg: geen trekkingsjournaal</source>
        <translation>the file is empty: not a draw journal</translation>
    </message>
    <message>
        <source>de publieke invoer is %1 bytes lang; ten hoogste %2 bytes zijn toegestaan</source>
        <translation>the public input is %1 bytes long; at most %2 bytes are allowed</translation>
    </message>
    <message>
        <source>lotenreeks %1 hoort hier niet (verwacht: %2 van %3, voor de eerste trekking)</source>
        <translation>set of tickets %1 does not belong here (expected: %2 of %3, before the first draw)</translation>
    </message>
    <message>
        <source>lotenreeks %1: het laagste nummer ligt boven het hoogste</source>
        <translation>set of tickets %1: the lowest number is above the highest</translation>
    </message>
    <message>
        <source>lotenreeks %1: &quot;uit&quot; is geen oplopende rij van losse bereiken binnen de reeks</source>
        <translation>set of tickets %1: &quot;uit&quot; is not an ascending row of separate ranges within the set</translation>
    </message>
    <message>
        <source>prijs %1 hoort hier niet (verwacht: %2 van %3, voor de eerste trekking)</source>
        <translation>prize %1 does not belong here (expected: %2 of %3, before the first draw)</translation>
    </message>
    <message>
        <source>een trekking voordat alle lotenreeksen en prijzen van de loterij zijn gegeven</source>
        <translation>a draw before every set of tickets and prize of the raffle is given</translation>
    </message>
    <message>
        <source>een trekking van de loterij zonder lotenreeks en prijs</source>
        <translation>a draw of the raffle without set of tickets and prize</translation>
    </message>
    <message>
        <source>de trekking noemt prijs %1, maar prijs %2 is aan de beurt</source>
        <translation>the draw names prize %1, but prize %2 is up</translation>
    </message>
    <message>
        <source>lot %1 van lotenreeks %2 doet niet (meer) mee</source>
        <translation>ticket %1 of set of tickets %2 is not (or no longer) in play</translation>
    </message>
    <message>
        <source>een reeks van een loterij heeft rolsoort 0 en niets overgenomen</source>
        <translation>a series of a raffle has roller kind 0 and nothing carried over</translation>
    </message>
    <message>
        <source>een lot getrokken in een reeks zonder loterij</source>
        <translation>a ticket drawn in a series without a raffle</translation>
    </message>
    <message>
        <source>reeks %1 is geen loterij</source>
        <translation>series %1 is not a raffle</translation>
    </message>
    <message>
        <source>een loterij heeft geen bereik</source>
        <translation>a raffle has no range</translation>
    </message>
    <message>
        <source>de lijst heet uitgeput, maar er doen nog loten mee</source>
        <translation>the list is said to be exhausted, but tickets are still in play</translation>
    </message>
</context>
<context>
    <name>Journaalopdracht</name>
    <message>
        <source>Trekkingsjournaal: %1</source>
        <translation>Draw journal: %1</translation>
    </message>
    <message>
        <source>Verslag geschreven: %1</source>
        <translation>Report written: %1</translation>
    </message>
    <message>
        <source>quintaro: %1 kan niet worden geschreven: %2</source>
        <translation>quintaro: %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Winnaars geschreven: %1</source>
        <translation>Winners written: %1</translation>
    </message>
</context>
<context>
    <name>Journaalrapport</name>
    <message>
        <source>Een loterij is geopend of gesloten; de lijst is gewist.</source>
        <translation>A raffle was opened or closed; the list was cleared.</translation>
    </message>
    <message>
        <source>%1 kan niet gelezen worden</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>Verslag van de trekkingen</source>
        <translation>Record of the draws</translation>
    </message>
    <message>
        <source>%1 kan niet geschreven worden</source>
        <translation>%1 cannot be written</translation>
    </message>
    <message>
        <source>Journaal: %1, gemaakt op %2</source>
        <translation>Journal: %1, made on %2</translation>
    </message>
    <message>
        <source>Reeks %1</source>
        <translation>Series %1</translation>
    </message>
    <message>
        <source>Begonnen: %1</source>
        <translation>Began: %1</translation>
    </message>
    <message>
        <source>Bereik: %1 t/m %2, %3</source>
        <translation>Range: %1 to %2, %3</translation>
    </message>
    <message>
        <source>rollers met getallen</source>
        <translation>rollers with numbers</translation>
    </message>
    <message>
        <source>rollers met afbeeldingen</source>
        <translation>rollers with pictures</translation>
    </message>
    <message>
        <source>Na %1 trekkingen gewijzigd in %2 t/m %3 (%4)</source>
        <translation>After %1 draws changed to %2 to %3 (%4)</translation>
    </message>
    <message>
        <source>Overgenomen uit de vorige reeks: %1 nummers</source>
        <translation>Carried over from the previous series: %1 numbers</translation>
    </message>
    <message>
        <source>Toezegging (SHA-256 van de sleutel):</source>
        <translation>Commitment (SHA-256 of the key):</translation>
    </message>
    <message>
        <source>Publieke invoer: &quot;%1&quot;</source>
        <translation>Public input: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Publieke invoer: geen</source>
        <translation>Public input: none</translation>
    </message>
    <message>
        <source>Sleutel:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>nog niet onthuld</source>
        <translation>not revealed yet</translation>
    </message>
    <message>
        <source>Alle nummers waren getrokken; de lijst is gewist.</source>
        <translation>All numbers had been drawn; the list was cleared.</translation>
    </message>
    <message>
        <source>Het bereik is gewijzigd; de lijst is gewist.</source>
        <translation>The range was changed; the list was cleared.</translation>
    </message>
    <message>
        <source>De soort rollers is gewijzigd; de lijst is gewist.</source>
        <translation>The kind of rollers was changed; the list was cleared.</translation>
    </message>
    <message>
        <source>Uitkomst: alle %1 nummers nagerekend, ze kloppen.</source>
        <translation>Result: all %1 numbers recomputed; they are correct.</translation>
    </message>
    <message>
        <source>Uitkomst: de controle is in deze reeks gestopt.</source>
        <translation>Result: the check stopped in this series.</translation>
    </message>
    <message>
        <source>Uitkomst: nog niet te controleren.</source>
        <translation>Result: not yet checkable.</translation>
    </message>
    <message>
        <source>  %1 p, score %2</source>
        <translation>  %1 pts, score %2</translation>
    </message>
    <message>
        <source>  vervallen: %1</source>
        <translation>  void: %1</translation>
    </message>
    <message>
        <source>Laatste kop van de keten: %1 %2 %3 %4 (regel %5)</source>
        <translation>Last head of the chain: %1 %2 %3 %4 (line %5)</translation>
    </message>
    <message>
        <source>Loterij: %1 reeksen loten, %2 prijzen</source>
        <translation>Raffle: %1 sets of tickets, %2 prizes</translation>
    </message>
    <message>
        <source>Prijs</source>
        <translation>Prize</translation>
    </message>
    <message>
        <source>Omschrijving</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Ticket</translation>
    </message>
    <message>
        <source>Tijd</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>geen winnaar</source>
        <translation>no winner</translation>
    </message>
    <message>
        <source>vervallen: %1</source>
        <translation>void: %1</translation>
    </message>
</context>
<context>
    <name>LijstVak</name>
    <message>
        <source>Getrokken nummers</source>
        <translation>Drawn numbers</translation>
    </message>
</context>
<context>
    <name>LoterijLezer</name>
    <message>
        <source>een aanhalingsteken wordt niet gesloten</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen lotnummer: een lotnummer is een geheel getal van 0 tot en met %2</source>
        <translation>&quot;%1&quot; is not a ticket number: a ticket number is a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>%1 past niet in 32 bits: het hoogste lotnummer is %2</source>
        <translation>%1 does not fit in 32 bits: the highest ticket number is %2</translation>
    </message>
    <message>
        <source>onverwacht veld %1: &quot;%2&quot;</source>
        <translation>unexpected field %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>onbekende soort regel &quot;%1&quot;: verwacht reeks, uit of prijs</source>
        <translation>unknown kind of record &quot;%1&quot;: expected reeks (set), uit (out) or prijs (prize)</translation>
    </message>
    <message>
        <source>een reeks vraagt een naam, een kleur, het laagste en het hoogste nummer: reeks;Roze;roze;1;500</source>
        <translation>a set needs a name, a colour, the lowest and the highest number: set;Pink;pink;1;500</translation>
    </message>
    <message>
        <source>onbekende kleur &quot;%1&quot;: bekend zijn %2 en #rrggbb</source>
        <translation>unknown colour &quot;%1&quot;: known are %2 and #rrggbb</translation>
    </message>
    <message>
        <source>het laagste nummer %1 ligt boven het hoogste %2</source>
        <translation>the lowest number %1 is above the highest, %2</translation>
    </message>
    <message>
        <source>de reeks &quot;%1&quot; deelt nummers met de reeks op regel %2</source>
        <translation>the set &quot;%1&quot; shares numbers with the set on line %2</translation>
    </message>
    <message>
        <source>in &quot;%1&quot; ligt het eerste nummer boven het laatste</source>
        <translation>in &quot;%1&quot; the first number is above the last</translation>
    </message>
    <message>
        <source>uit vraagt de naam van een reeks en een of meer nummers: uit;Roze;17;40-49</source>
        <translation>out needs the name of a set and one or more numbers: out;Pink;17;40-49</translation>
    </message>
    <message>
        <source>een prijs vraagt een omschrijving: prijs;Fruitmand;fruit.jpg</source>
        <translation>a prize needs a description: prize;Fruit basket;fruit.jpg</translation>
    </message>
    <message>
        <source>het plaatje &quot;%1&quot; is er niet (gezocht in %2)</source>
        <translation>the picture &quot;%1&quot; is not there (looked for in %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen plaatje</source>
        <translation>&quot;%1&quot; is not a picture</translation>
    </message>
    <message>
        <source>het bestand noemt geen reeks loten</source>
        <translation>the file names no set of tickets</translation>
    </message>
    <message>
        <source>er is geen reeks &quot;%1&quot;</source>
        <translation>there is no set &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 hoort niet bij de reeks &quot;%2&quot;</source>
        <translation>%1 is not in the set &quot;%2&quot;</translation>
    </message>
    <message>
        <source>er is geen lot in het spel: alle nummers zijn uitgesloten</source>
        <translation>no ticket is in play: every number is out of play</translation>
    </message>
    <message>
        <source>het bestand noemt geen prijs</source>
        <translation>the file names no prize</translation>
    </message>
    <message>
        <source>voor deze prijs is geen lot meer: er zijn %1 loten in het spel</source>
        <translation>no ticket is left for this prize: there are %1 tickets in play</translation>
    </message>
    <message>
        <source>regel %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>het bestand is groter dan %1 MB</source>
        <translation>the file is larger than %1 MB</translation>
    </message>
    <message>
        <source>het bestand %1 kan niet worden gelezen: %2</source>
        <translation>the file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>deze regel is geen UTF-8-tekst: bewaar het bestand als UTF-8 (in een rekenblad: CSV met tekenset Unicode (UTF-8))</source>
        <translation>this line is not UTF-8 text: save the file as UTF-8 (in a spreadsheet: CSV with the character set Unicode (UTF-8))</translation>
    </message>
</context>
<context>
    <name>Loterijkeuze</name>
    <message>
        <source>De loterij sluiten? De lijst wordt leeg gemaakt en de trekking gaat verder met de nummers van het bereik; de prijzen en winnaars blijven in het journaal.</source>
        <translation>Close the raffle? The list is cleared and the draw goes on with the numbers of the range; the prizes and winners stay in the journal.</translation>
    </message>
    <message>
        <source>Loterij openen</source>
        <translation>Open raffle</translation>
    </message>
    <message>
        <source>Loterijbestanden (*.csv *.txt)</source>
        <translation>Raffle files (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Het loterijbestand %1 is niet geopend: %2</source>
        <translation>The raffle file %1 was not opened: %2</translation>
    </message>
    <message>
        <source>Loterij</source>
        <translation>Raffle</translation>
    </message>
    <message>
        <source>Loterij: %1</source>
        <translation>Raffle: %1</translation>
    </message>
    <message>
        <source>Loterij openen...</source>
        <translation>Open raffle...</translation>
    </message>
    <message>
        <source>Opent een loterijbestand: de lijst wordt leeg gemaakt en een nieuwe reeks trekt loten in plaats van nummers.</source>
        <translation>Opens a raffle file: the list is cleared and a new series draws tickets instead of numbers.</translation>
    </message>
    <message>
        <source>Loterij sluiten</source>
        <translation>Close raffle</translation>
    </message>
    <message>
        <source>Terug naar de nummers van het bereik: de lijst wordt leeg gemaakt en een nieuwe reeks begint.</source>
        <translation>Back to the numbers of the range: the list is cleared and a new series begins.</translation>
    </message>
</context>
<context>
    <name>LiveSchakelaar</name>
    <message>
        <source>Uit: niemand kan de trekking op het web volgen.</source>
        <translation>Off: nobody can follow the draw on the web.</translation>
    </message>
    <message>
        <source>Te volgen op %1</source>
        <translation>Follow it at %1</translation>
    </message>
    <message>
        <source>Live-weergave op het web</source>
        <translation>Live view on the web</translation>
    </message>
</context>
<context>
    <name>Livetekst</name>
    <message>
        <source>Quintaro live</source>
        <translation>Quintaro live</translation>
    </message>
    <message>
        <source>Laatst getrokken</source>
        <translation>Latest number</translation>
    </message>
    <message>
        <source>Nog geen nummer getrokken</source>
        <translation>No number drawn yet</translation>
    </message>
    <message>
        <source>Er wordt getrokken…</source>
        <translation>Drawing…</translation>
    </message>
    <message>
        <source>Nu te winnen</source>
        <translation>Prize up</translation>
    </message>
    <message>
        <source>Bord</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>De laatste tien</source>
        <translation>The last ten</translation>
    </message>
    <message>
        <source>Getrokken nummers</source>
        <translation>Drawn numbers</translation>
    </message>
    <message>
        <source>Teller</source>
        <translation>Counter</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Toezegging van deze reeks</source>
        <translation>Commitment of this series</translation>
    </message>
    <message>
        <source>Publieke invoer</source>
        <translation>Public input</translation>
    </message>
    <message>
        <source>(geen)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Deze reeks wordt niet vastgelegd.</source>
        <translation>This series is not being recorded.</translation>
    </message>
    <message>
        <source>Toezegging uit de QR-code</source>
        <translation>Commitment from the QR code</translation>
    </message>
    <message>
        <source>gelijk aan die van deze reeks</source>
        <translation>the same as this series&apos;</translation>
    </message>
    <message>
        <source>van een eerdere reeks</source>
        <translation>of an earlier series</translation>
    </message>
    <message>
        <source>vervallen</source>
        <translation>void</translation>
    </message>
    <message>
        <source>Live verbonden</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Verbinding verbroken; opnieuw verbinden…</source>
        <translation>Connection lost; reconnecting…</translation>
    </message>
    <message>
        <source>Controleer de avond zelf: download het journaal en laat een van de gepubliceerde controleprogramma&apos;s het nalopen.</source>
        <translation>Check the evening yourself: download the journal and run one of the published checkers on it.</translation>
    </message>
    <message>
        <source>Trekkingsjournaal downloaden</source>
        <translation>Download the draw journal</translation>
    </message>
    <message>
        <source>Stand als JSON</source>
        <translation>State as JSON</translation>
    </message>
</context>
<context>
    <name>Liveweergave</name>
    <message>
        <source>poort %1 is al in gebruik door een ander programma</source>
        <translation>port %1 is already in use by another program</translation>
    </message>
    <message>
        <source>adres %1 is niet van deze computer</source>
        <translation>address %1 is not this computer&apos;s</translation>
    </message>
    <message>
        <source>geen toestemming voor poort %1 (poorten onder 1024 vragen beheerrechten)</source>
        <translation>no permission for port %1 (ports below 1024 need administrator rights)</translation>
    </message>
    <message>
        <source>Live-weergave op %1 niet gestart: %2. De trekking gaat gewoon door.</source>
        <translation>Live view on %1 not started: %2. The draw goes on as ever.</translation>
    </message>
</context>
<context>
    <name>NummerVak</name>
    <message>
        <source>Getrokken nummer</source>
        <translation>Drawn number</translation>
    </message>
    <message>
        <source>De spatiebalk start een trekking.</source>
        <translation>The space bar starts a draw.</translation>
    </message>
    <message>
        <source>Getrokken nummer: %1</source>
        <translation>Drawn number: %1</translation>
    </message>
    <message>
        <source>Getrokken nummer: %1, punten: %2</source>
        <translation>Drawn number: %1, points: %2</translation>
    </message>
</context>
<context>
    <name>Opdrachtregel</name>
    <message>
        <source>quintaro: --hervat zet de loterij uit het journaal voort; laat --loterij weg</source>
        <translation>quintaro: --hervat takes the raffle up again from the journal; leave out --loterij</translation>
    </message>
    <message>
        <source>Gebruik: %1 [opties]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>Quintaro trekt nummers door het toeval, voor het oog van het publiek.</source>
        <translation>Quintaro draws numbers at random in front of an audience.</translation>
    </message>
    <message>
        <source>Opties:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Toont deze hulp.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Toont het versienummer.</source>
        <translation>Shows the version number.</translation>
    </message>
    <message>
        <source>--lang &lt;taal&gt;</source>
        <translation>--lang &lt;language&gt;</translation>
    </message>
    <message>
        <source>De taal van het programma: nl (Nederlands, de standaard) of en (Engels). In het Engels opent de knop Help de Engelse handleiding, Quintaro-en.pdf.</source>
        <translation>The language of the program: nl (Dutch, the default) or en (English). In English the Help button opens the English manual, Quintaro-en.pdf.</translation>
    </message>
    <message>
        <source>--dir &lt;map&gt;</source>
        <translation>--dir &lt;folder&gt;</translation>
    </message>
    <message>
        <source>Gebruikt &lt;map&gt; voor alle bestanden: Sounds, Backgrounds, Quintaro.pdf en Quintaro-en.pdf worden er gelezen; Quintaro.ini, Lijstnummers.txt, Trekkingsjournaal.jsonl en Trekkingsjournaal.sleutel geschreven.</source>
        <translation>Uses &lt;folder&gt; for all files: Sounds, Backgrounds, Quintaro.pdf and Quintaro-en.pdf are read from it; Quintaro.ini, Lijstnummers.txt, Trekkingsjournaal.jsonl and Trekkingsjournaal.sleutel are written to it.</translation>
    </message>
    <message>
        <source>--screenshot &lt;bestand&gt;</source>
        <translation>--screenshot &lt;file&gt;</translation>
    </message>
    <message>
        <source>Bestanden:</source>
        <translation>Files:</translation>
    </message>
    <message>
        <source>quintaro: onbekende taal &quot;%1&quot;; kies uit: %2</source>
        <translation>quintaro: unknown language &quot;%1&quot;; choose from: %2</translation>
    </message>
    <message>
        <source>Zie: quintaro --help</source>
        <translation>See: quintaro --help</translation>
    </message>
    <message>
        <source>quintaro: --dir vraagt een map</source>
        <translation>quintaro: --dir needs a folder</translation>
    </message>
    <message>
        <source>Geluiden, achtergronden en handleiding worden gelezen uit:</source>
        <translation>Sounds, backgrounds and manual are read from:</translation>
    </message>
    <message>
        <source>Instellingen en getrokken nummers worden geschreven naar:</source>
        <translation>Settings and drawn numbers are written to:</translation>
    </message>
    <message>
        <source>Staan ze daar, dan toont de lijst met achtergronden ook de plaatjes uit de map Backgrounds in die gegevensmap.</source>
        <translation>When they go there, the list of backgrounds also shows the pictures of the Backgrounds folder in that data folder.</translation>
    </message>
    <message>
        <source>Leest elk getrokken nummer voor in de taal van het programma; bij rollers met afbeeldingen de gewonnen punten, bij een loterij de reeks en het nummer. Zwijgt als het geluid uit staat. Aan en uit met de toets V; niet bewaard.</source>
        <translation>Reads every drawn number out in the program&apos;s language; with picture rollers the points won, in a raffle the set and the number. Silent while the sound is off. On and off with the key V; not stored.</translation>
    </message>
    <message>
        <source>Toont onder het resultaat een bord: bij een bereik van ten hoogste 100 nummers alle nummers, de getrokken verlicht en het laatste gemarkeerd; anders (en bij een loterij altijd) de laatste tien, loten in de kleur van hun reeks. Aan en uit met de toets B; niet bewaard.</source>
        <translation>Shows a board below the result: for a range of at most 100 numbers every number, the drawn ones lit and the latest marked; otherwise (and always in a raffle) the last ten, tickets in their set&apos;s colour. On and off with the key B; not stored.</translation>
    </message>
    <message>
        <source>Toetsen:</source>
        <translation>Keys:</translation>
    </message>
    <message>
        <source>--controleer &lt;journaal&gt;</source>
        <translation>--controleer &lt;journal&gt;</translation>
    </message>
    <message>
        <source>--rapport &lt;journaal&gt; &lt;pdf&gt;</source>
        <translation>--rapport &lt;journal&gt; &lt;pdf&gt;</translation>
    </message>
    <message>
        <source>Schrijft zonder venster een afdrukbaar verslag van het journaal als PDF: per reeks het bereik, de toezegging, de publieke invoer, de sleutel, elke trekking met haar tijd en de uitkomst van de controle; bij een loterij een tabel van de prijzen met het winnende lot, de tijd en de loten die niet aanwezig waren, met de reden.</source>
        <translation>Writes, without a window, a printable record of the journal as a PDF: per series the range, the commitment, the public input, the key, every draw with its time and the result of the check; for a raffle a table of the prizes with the winning ticket, the time and the tickets whose holders were not there, with the reason.</translation>
    </message>
    <message>
        <source>Het trekkingsjournaal, en zolang een reeks loopt haar geheime sleutel, staan naast de lijst:</source>
        <translation>The draw journal, and while a series is in progress its secret key, lie beside the list:</translation>
    </message>
    <message>
        <source>Zonder --dir komen die bestanden naast het programma als die map beschrijfbaar is, en anders in de gegevensmap van de gebruiker:</source>
        <translation>Without --dir these files go beside the program when that folder can be written, and otherwise to the user&apos;s data folder:</translation>
    </message>
    <message>
        <source>quintaro: --controleer vraagt een journaal</source>
        <translation>quintaro: --controleer needs a journal</translation>
    </message>
    <message>
        <source>quintaro: --rapport vraagt een journaal en een PDF-bestand</source>
        <translation>quintaro: --rapport needs a journal and a PDF file</translation>
    </message>
    <message>
        <source>--schaal &lt;factor&gt;</source>
        <translation>--schaal &lt;factor&gt;</translation>
    </message>
    <message>
        <source>quintaro: --schaal vraagt een getal van %1 tot %2, niet &quot;%3&quot;</source>
        <translation>quintaro: --schaal needs a number from %1 to %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Start, bewaart een PNG-afbeelding van het hele venster in &lt;bestand&gt; en sluit weer. Het venster van de bediening, als dat er is, komt in &lt;bestand&gt; met -bediening voor de extensie.</source>
        <translation>Starts, saves a PNG picture of the whole window to &lt;file&gt; and closes again. The operator&apos;s window, if there is one, goes to &lt;file&gt; with -bediening before the extension.</translation>
    </message>
    <message>
        <source>Opent ook met een enkel scherm het venster van de bediening: startknop, getrokken nummers met hun tijd, teller, toezegging, geluid, stem, bord, instellingen, het vervallen van het laatste nummer en een beeld van wat het publiek ziet. Met twee of meer schermen opent het vanzelf, op het eerste scherm; het publiek krijgt het tweede.</source>
        <translation>Opens the operator&apos;s window also with a single screen: start button, numbers drawn with their times, counter, commitment, sound, voice, board, settings, voiding the last number and a picture of what the audience sees. With two or more screens it opens by itself, on the first screen; the audience gets the second.</translation>
    </message>
    <message>
        <source>--scherm &lt;n&gt;</source>
        <translation>--scherm &lt;n&gt;</translation>
    </message>
    <message>
        <source>Zet het venster van het publiek op scherm &lt;n&gt; (vanaf 1) in plaats van op het tweede; de bediening komt op het eerste andere scherm.</source>
        <translation>Puts the audience&apos;s window on screen &lt;n&gt; (counting from 1) instead of the second; the operator&apos;s window goes to the first other screen.</translation>
    </message>
    <message>
        <source>quintaro: --scherm vraagt een schermnummer vanaf 1</source>
        <translation>quintaro: --scherm needs a screen number from 1</translation>
    </message>
    <message>
        <source>--web [adres:]poort</source>
        <translation>--web [address:]port</translation>
    </message>
    <message>
        <source>Zet de live-weergave aan: het programma toont zelf op http://adres:poort/ de trekking aan telefoons en laptops (met bord, lijst, toezegging en het journaal), op /overlay het nummer op een doorzichtige achtergrond voor een streamingprogramma, en het venster van het publiek een QR-code van de pagina (toets Q). Zonder adres alleen voor deze computer (127.0.0.1); 0.0.0.0 of het adres van het zaalnetwerk laat telefoons in de zaal meekijken. Ook aan en uit in het venster van de bediening (poort %1 als --web ontbreekt). Niets op de pagina kan de avond veranderen.</source>
        <translation>Turns the live view on: the program itself shows the draw to phones and laptops at http://address:port/ (with the board, the list, the commitment and the journal), at /overlay the number on a transparent background for a streaming program, and the audience&apos;s window a QR code of the page (key Q). Without an address for this computer only (127.0.0.1); 0.0.0.0 or the hall network&apos;s address lets phones in the hall follow. Also on and off in the operator&apos;s window (port %1 when --web is not given). Nothing on the page can change the evening.</translation>
    </message>
    <message>
        <source>quintaro: --web vraagt [adres:]poort, zoals 8080 of 0.0.0.0:8080, niet &quot;%1&quot;</source>
        <translation>quintaro: --web needs [address:]port, such as 8080 or 0.0.0.0:8080, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>quintaro: onbekende optie %1</source>
        <translation>quintaro: unknown option %1</translation>
    </message>
    <message>
        <source>quintaro: %1 vraagt een waarde</source>
        <translation>quintaro: %1 needs a value</translation>
    </message>
    <message>
        <source>Tekent het venster op elk scherm &lt;factor&gt; keer zo groot (%1 tot %2), voor een scherm dat zijn maat verkeerd doorgeeft. Zonder deze optie kiest het programma de factor zelf: 1 op schermen tot %3 pixels hoog, daarboven de hoogte gedeeld door %4 (2 op een 4K-scherm), maar nooit zo veel dat er minder dan %5 pixels in de breedte overblijven (een staand scherm). Vergroot het bureaublad al, dan blijft het daarbij.</source>
        <translation>Draws the window &lt;factor&gt; times as large on every screen (%1 to %2), for a screen that reports its size wrongly. Without this option the program chooses the factor itself: 1 on screens up to %3 pixels high, above that the height divided by %4 (2 on a 4K screen), but never so much that fewer than %5 pixels remain across (a screen on its side). When the desktop already scales, it keeps to that.</translation>
    </message>
    <message>
        <source>Gaat verder waar de laatste reeks uit het trekkingsjournaal stopte: dezelfde lijst, teller, reeks getallen en soort rollers; geen nummer komt over de herstart heen terug. Na een storing gaat die reeks door met dezelfde sleutel; na een gewoon afsluiten is haar sleutel onthuld en begint een nieuwe reeks met een nieuwe sleutel, die de lijst overneemt. Is de sleutel niet te gebruiken (ontbreekt, beschadigd, een koppeling, van een andere reeks, of leesbaar voor anderen), dan zegt een melding waarom en begint ook een nieuwe reeks met dezelfde lijst; zo ook als het journaal de reeks niet meer kon vastleggen (schijf vol). Een loterij gaat door uit het journaal alleen: reeksen, uitgesloten loten, prijzen, de getrokken loten, de prijs die aan de beurt is en de winnaars die niet aanwezig waren; een nieuwe reeks van de loterij trekt de loten van de vorige niet meer. Niet samen met --loterij.</source>
        <translation>Goes on where the last series of the draw journal stopped: the same list, counter, range and kind of rollers; no number comes again across the restart. After a crash that series goes on with the same key; after a normal close its key has been revealed and a new series begins with a new key, carrying the list over. When the key cannot be used (missing, damaged, a link, of another series, or readable by others), a message says why and a new series begins with the same list as well; so too when the journal could no longer record the series (disk full). A raffle goes on from the journal alone: sets, tickets out of play, prizes, the tickets drawn, the prize up and the winners who were not present; a new series of the raffle no longer draws the tickets of the one before. Not with --loterij.</translation>
    </message>
    <message>
        <source>Zolang Quintaro draait, houdt het slot hieronder een tweede Quintaro uit dezelfde map; die meldt dat Quintaro daar al draait en stopt met eindcode 1:</source>
        <translation>While Quintaro runs, the lock below keeps a second Quintaro out of the same folder; that one says Quintaro is already running there and ends with exit status 1:</translation>
    </message>
    <message>
        <source>Controleert een trekkingsjournaal zonder venster: de hashketen, elke onthulde sleutel en elk getrokken nummer. Eindcode 0: alles klopt; 3: klopt tot nu toe, maar van een reeks is de sleutel nog niet onthuld; 1: fout (de regel en de reden worden genoemd), of een pin die bij geen regel past.</source>
        <translation>Checks a draw journal without a window: the hash chain, every revealed key and every drawn number. Exit status 0: everything verifies; 3: valid so far, but the key of a series has not been revealed yet; 1: error (the line and the reason are given), or a pin that matches no line.</translation>
    </message>
    <message>
        <source>--toezegging &lt;hex&gt;</source>
        <translation>--toezegging &lt;hex&gt;</translation>
    </message>
    <message>
        <source>Met --controleer: een toezegging zoals het publiek haar van het scherm noteerde (ten minste %1 hexadecimale cijfers; spaties tellen niet). De controle noemt de regel van de reeks met die toezegging en faalt als er geen is. Mag vaker gegeven worden.</source>
        <translation>With --controleer: a commitment as the audience noted it from the screen (at least %1 hex digits; spaces do not count). The check names the line of the series with that commitment and fails when there is none. May be given more than once.</translation>
    </message>
    <message>
        <source>--keten &lt;hex&gt;</source>
        <translation>--keten &lt;hex&gt;</translation>
    </message>
    <message>
        <source>Met --controleer: een kop van de keten van het scherm, de hash van de laatste regel van het journaal na een trekking. De controle noemt de regel met die hash en hoeveel trekkingen en vervallen de reeks daarna nog heeft, en faalt als geen regel past. Mag vaker gegeven worden.</source>
        <translation>With --controleer: a head of the chain from the screen, the hash of the journal&apos;s latest line after a draw. The check names the line with that hash and how many draws and voids its series has after it, and fails when no line matches. May be given more than once.</translation>
    </message>
    <message>
        <source>quintaro: --%1 vraagt %2 tot 64 hexadecimale cijfers, niet &quot;%3&quot;</source>
        <translation>quintaro: --%1 takes %2 to 64 hex digits, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>quintaro: --toezegging en --keten horen bij --controleer</source>
        <translation>quintaro: --toezegging and --keten go with --controleer</translation>
    </message>
    <message>
        <source>--loterij &lt;bestand&gt;</source>
        <translation>--loterij &lt;file&gt;</translation>
    </message>
    <message>
        <source>Opent een loterij: trekt loten uit de reeksen van &lt;bestand&gt; (kleuren, nummers, niet verkochte loten, prijzen; zie docs/loterij.md en het voorbeeld docs/voorbeeld-loterij.csv, na installatie in /usr/share/doc/quintaro) in plaats van nummers. Elk lot dat nog meedoet is even kansrijk; de lijst toont &quot;Roze 123&quot;. In het venster van de bediening: de prijs die aan de beurt is, de prijzen met hun winnaars en de knop Niet aanwezig, die het lot laat vervallen en dezelfde prijs opnieuw laat trekken. Een bestand met een fout wordt niet geopend: de regel en de reden komen op de standaardfout en het programma stopt. Tussen twee reeksen opent de knop Loterij openen... in het venster van de bediening een loterij, en Loterij sluiten gaat terug naar nummers. Gaat niet samen met --hervat, dat een loterij uit het journaal voortzet.</source>
        <translation>Opens a raffle: draws tickets from the sets of &lt;file&gt; (colours, numbers, unsold tickets, prizes; see docs/loterij.md and the example docs/voorbeeld-loterij.csv, once installed in /usr/share/doc/quintaro) instead of numbers. Every ticket still in play is equally likely; the list shows &quot;Roze 123&quot;. In the operator&apos;s window: the prize up, the prizes with their winners and the button Not present, which declares the ticket void and has the same prize drawn again. A file with a fault is not opened: its line and the reason go to standard error and the program stops. Between two series the button Open raffle... in the operator&apos;s window opens a raffle, and Close raffle goes back to numbers. Does not go together with --hervat, which takes a raffle up again from the journal.</translation>
    </message>
    <message>
        <source>--winnaars &lt;journaal&gt; &lt;csv&gt;</source>
        <translation>--winnaars &lt;journal&gt; &lt;csv&gt;</translation>
    </message>
    <message>
        <source>Schrijft de winnaars van de loterij in &lt;journaal&gt; naar &lt;csv&gt; (UTF-8, puntkomma&apos;s, een kopregel): prijs, omschrijving, reeks, nummer, tijd, en de loten waarvan de winnaar niet aanwezig was. Opent geen venster.</source>
        <translation>Writes the winners of the raffle in &lt;journal&gt; to &lt;csv&gt; (UTF-8, semicolons, a heading line): prize, description, set, number, time, and the tickets whose winner was not present. Opens no window.</translation>
    </message>
    <message>
        <source>quintaro: --winnaars vraagt een journaal en een CSV-bestand</source>
        <translation>quintaro: --winnaars needs a journal and a CSV file</translation>
    </message>
    <message>
        <source>quintaro: het loterijbestand %1 is niet geopend: %2</source>
        <translation>quintaro: the raffle file %1 was not opened: %2</translation>
    </message>
</context>
<context>
    <name>Pinnen</name>
    <message>
        <source>de toezegging %1 staat in geen enkele regel van het journaal</source>
        <translation>the commitment %1 is in no line of the journal</translation>
    </message>
    <message>
        <source>de kop van de keten %1 is de hash van geen enkele regel van het journaal</source>
        <translation>the head of the chain %1 is the hash of no line of the journal</translation>
    </message>
    <message>
        <source>Toezegging %1</source>
        <translation>Commitment %1</translation>
    </message>
    <message>
        <source>Keten %1</source>
        <translation>Chain %1</translation>
    </message>
    <message>
        <source>%1: in geen van de gelezen regels</source>
        <translation>%1: in none of the lines read</translation>
    </message>
    <message>
        <source>%1: regel %2, buiten een reeks</source>
        <translation>%1: line %2, outside a series</translation>
    </message>
    <message>
        <source>%1: regel %2, reeks %3 na %4 trekkingen; daarna in die reeks nog %5 trekkingen en %6 vervallen</source>
        <translation>%1: line %2, series %3 after %4 draws; after it that series has %5 more draws and %6 voids</translation>
    </message>
</context>
<context>
    <name>Prijsvak</name>
    <message>
        <source>wint prijs %1 van %2</source>
        <translation>wins prize %1 of %2</translation>
    </message>
    <message>
        <source>Prijs %1 van %2</source>
        <translation>Prize %1 of %2</translation>
    </message>
    <message>
        <source>Alle prijzen zijn getrokken.</source>
        <translation>Every prize has been drawn.</translation>
    </message>
</context>
<context>
    <name>QrVak</name>
    <message>
        <source>QR-code van de live-weergave: %1</source>
        <translation>QR code of the live view: %1</translation>
    </message>
</context>
<context>
    <name>RolVak</name>
    <message>
        <source>Roller %1</source>
        <translation>Reel %1</translation>
    </message>
    <message>
        <source>Roller %1: %2</source>
        <translation>Reel %1: %2</translation>
    </message>
    <message>
        <source>tomaat</source>
        <translation>tomato</translation>
    </message>
    <message>
        <source>appel</source>
        <translation>apple</translation>
    </message>
    <message>
        <source>mango</source>
        <translation>mango</translation>
    </message>
    <message>
        <source>banaan</source>
        <translation>banana</translation>
    </message>
    <message>
        <source>kersen</source>
        <translation>cherries</translation>
    </message>
    <message>
        <source>kiwi</source>
        <translation>kiwi</translation>
    </message>
    <message>
        <source>citroen</source>
        <translation>lemon</translation>
    </message>
    <message>
        <source>perzik</source>
        <translation>peach</translation>
    </message>
    <message>
        <source>peer</source>
        <translation>pear</translation>
    </message>
    <message>
        <source>aardbei</source>
        <translation>strawberry</translation>
    </message>
</context>
<context>
    <name>StartBediening</name>
    <message>
        <source> Startknop </source>
        <translation> Start button </translation>
    </message>
    <message>
        <source>Start een trekking.</source>
        <translation>Starts a draw.</translation>
    </message>
    <message>
        <source>Startknop links</source>
        <translation>Start button, left</translation>
    </message>
    <message>
        <source>Startknop rechts</source>
        <translation>Start button, right</translation>
    </message>
</context>
<context>
    <name>ToetsenOverzicht</name>
    <message>
        <source>Spatie</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Start een trekking</source>
        <translation>Start a draw</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Bord met de getrokken nummers aan / uit</source>
        <translation>Board of drawn numbers on / off</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Stem die de nummers voorleest aan / uit</source>
        <translation>Voice reading the numbers out on / off</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Publieke invoer in het trekkingsjournaal</source>
        <translation>Public input in the draw journal</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Dit overzicht tonen / verbergen</source>
        <translation>Show / hide this overview</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Dit overzicht verbergen</source>
        <translation>Hide this overview</translation>
    </message>
    <message>
        <source>Toetsen</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>QR-code van de live-weergave aan / uit (met --web)</source>
        <translation>QR code of the live view on / off (with --web)</translation>
    </message>
</context>
<context>
    <name>Trekking</name>
    <message>
        <source>schijf vol</source>
        <translation>disk full</translation>
    </message>
</context>
<context>
    <name>Trekkingsboek</name>
    <message>
        <source>Het trekkingsjournaal %1 kan niet worden geschreven: %2. De trekkingen gaan door, maar worden niet vastgelegd.</source>
        <translation>The draw journal %1 cannot be written: %2. The draws go on, but are not recorded.</translation>
    </message>
    <message>
        <source>De laatste regel van het trekkingsjournaal (regel %1) is geen geldige journaalregel. Hij blijft staan en is als afgebroken regel gemarkeerd, zodat de keten doorloopt; de controle slaat hem over.</source>
        <translation>The last line of the draw journal (line %1) is not a valid journal line. It stays as it is and is marked as a torn line, so that the chain goes on; the check passes over it.</translation>
    </message>
    <message>
        <source>Regel %1 van het trekkingsjournaal was half geschreven toen het programma stopte. Hij blijft staan en is als afgebroken regel gemarkeerd; de controle slaat hem over.</source>
        <translation>Line %1 of the draw journal was half written when the program stopped. It stays as it is and is marked as a torn line; the check passes over it.</translation>
    </message>
    <message>
        <source>Het sleutelbestand hoorde bij geen reeks van dit journaal; het is bewaard als %1.</source>
        <translation>The key file belonged to no series of this journal; it has been kept as %1.</translation>
    </message>
</context>
<context>
    <name>Trekkingsjournaal</name>
    <message>
        <source>het is een symbolische koppeling, en die volgt Quintaro niet</source>
        <translation>it is a symbolic link, which Quintaro does not follow</translation>
    </message>
    <message>
        <source>het is geen gewoon bestand</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>een ander programma heeft het open</source>
        <translation>another program has it open</translation>
    </message>
</context>
<context>
    <name>Werkbalk</name>
    <message>
        <source> Help (pdf-formaat) </source>
        <translation> Help (PDF format) </translation>
    </message>
    <message>
        <source> Meer software </source>
        <translation> More software </translation>
    </message>
    <message>
        <source> Geluid aan / uit </source>
        <translation> Sound on / off </translation>
    </message>
    <message>
        <source> Instellingen </source>
        <translation> Settings </translation>
    </message>
    <message>
        <source>Opent de handleiding Quintaro.pdf.</source>
        <translation>Opens the manual Quintaro-en.pdf.</translation>
    </message>
    <message>
        <source>Opent de webpagina met meer software van de maker.</source>
        <translation>Opens the maker&apos;s web page with more software.</translation>
    </message>
    <message>
        <source>Zet de geluiden aan of uit.</source>
        <translation>Switches the sounds on or off.</translation>
    </message>
    <message>
        <source>Opent de instellingen.</source>
        <translation>Opens the settings.</translation>
    </message>
</context>
<context>
    <name>Zaal</name>
    <message>
        <source>Toezegging %1</source>
        <translation>Commitment %1</translation>
    </message>
    <message>
        <source>(deze reeks wordt niet vastgelegd: %1)</source>
        <translation>(this series is not being recorded: %1)</translation>
    </message>
    <message>
        <source>(deze reeks wordt niet vastgelegd)</source>
        <translation>(this series is not being recorded)</translation>
    </message>
    <message>
        <source>Publieke invoer</source>
        <translation>Public input</translation>
    </message>
    <message>
        <source>Tekst uit de zaal, meegenomen in elke trekking van deze reeks:</source>
        <translation>Text from the hall, mixed into every draw of this series:</translation>
    </message>
    <message>
        <source>Publieke invoer: %1</source>
        <translation>Public input: %1</translation>
    </message>
    <message>
        <source>keten %1</source>
        <translation>chain %1</translation>
    </message>
    <message>
        <source>Kop van de keten %1</source>
        <translation>Head of the chain %1</translation>
    </message>
    <message>
        <source>De tekst is %1 bytes lang; de publieke invoer mag ten hoogste %2 bytes (UTF-8) hebben. Er is niets vastgelegd.</source>
        <translation>The text is %1 bytes long; the public input may have at most %2 bytes (UTF-8). Nothing was recorded.</translation>
    </message>
</context>
</TS>
