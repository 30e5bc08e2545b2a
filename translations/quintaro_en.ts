<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="nl_NL">
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
        <source>--schaal &lt;factor&gt;</source>
        <translation>--schaal &lt;factor&gt;</translation>
    </message>
    <message>
        <source>Tekent het venster op elk scherm &lt;factor&gt; keer zo groot (%1 tot %2), voor een scherm dat zijn maat verkeerd doorgeeft. Zonder deze optie kiest het programma de factor zelf: 1 op schermen tot %3 pixels hoog, daarboven de hoogte gedeeld door %4 (2 op een 4K-scherm); vergroot het bureaublad al, dan blijft het daarbij.</source>
        <translation>Draws the window &lt;factor&gt; times as large on every screen (%1 to %2), for a screen that reports its size wrongly. Without this option the program chooses the factor itself: 1 on screens up to %3 pixels high, above that the height divided by %4 (2 on a 4K screen); when the desktop already scales, it keeps to that.</translation>
    </message>
    <message>
        <source>quintaro: --schaal vraagt een getal van %1 tot %2, niet &quot;%3&quot;</source>
        <translation>quintaro: --schaal needs a number from %1 to %2, not &quot;%3&quot;</translation>
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
