<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="nl_NL">
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
</context>
<context>
    <name>LijstVak</name>
    <message>
        <source>Getrokken nummers</source>
        <translation>Drawn numbers</translation>
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
        <source>De taal van het programma: nl (Nederlands, de standaard) of en (Engels).</source>
        <translation>The language of the program: nl (Dutch, the default) or en (English).</translation>
    </message>
    <message>
        <source>--dir &lt;map&gt;</source>
        <translation>--dir &lt;folder&gt;</translation>
    </message>
    <message>
        <source>Gebruikt &lt;map&gt; voor alle bestanden: Sounds, Backgrounds en Quintaro.pdf worden er gelezen, Quintaro.ini en Lijstnummers.txt geschreven.</source>
        <translation>Uses &lt;folder&gt; for all files: Sounds, Backgrounds and Quintaro.pdf are read from it, Quintaro.ini and Lijstnummers.txt written to it.</translation>
    </message>
    <message>
        <source>--screenshot &lt;bestand&gt;</source>
        <translation>--screenshot &lt;file&gt;</translation>
    </message>
    <message>
        <source>Start, bewaart een PNG-afbeelding van het hele venster in &lt;bestand&gt; en sluit weer.</source>
        <translation>Starts, saves a PNG picture of the whole window to &lt;file&gt; and closes again.</translation>
    </message>
    <message>
        <source>Bestanden:</source>
        <translation>Files:</translation>
    </message>
    <message>
        <source>Zonder --dir komen die twee bestanden naast het programma als die map beschrijfbaar is, en anders in de gegevensmap van de gebruiker:</source>
        <translation>Without --dir these two files go beside the program when its folder is writable, and otherwise to the user&apos;s data folder:</translation>
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
        <source>Leest elk getrokken nummer voor in de taal van het programma; bij rollers met afbeeldingen de gewonnen punten. Zwijgt als het geluid uit staat. Aan en uit met de toets V; niet bewaard.</source>
        <translation>Reads every drawn number out in the program&apos;s language; with picture rollers the points won. Silent while the sound is off. On and off with the key V; not stored.</translation>
    </message>
    <message>
        <source>Toont onder het resultaat een bord: bij een bereik van ten hoogste 100 nummers alle nummers, de getrokken verlicht en het laatste gemarkeerd; anders de laatste tien. Aan en uit met de toets B; niet bewaard.</source>
        <translation>Shows a board below the result: for a range of at most 100 numbers every number, the drawn ones lit and the latest marked; otherwise the last ten. On and off with the key B; not stored.</translation>
    </message>
    <message>
        <source>Toetsen:</source>
        <translation>Keys:</translation>
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
        <translation>Opens the manual Quintaro.pdf.</translation>
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
</TS>
