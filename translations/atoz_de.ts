<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BrowserLink</name>
    <message>
        <source>Open it in my web browser</source>
        <translation>In meinem Browser öffnen</translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Choose a Color</source>
        <translation>Wähle eine Farbe</translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>dunkelrot</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>hellorange</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>hellgelb</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olivgrün</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>hellgrün</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>dunkelgrün</translation>
    </message>
    <message>
        <source>light turquoise</source>
        <translation>helltürkis</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>dunkeltürkis</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>hellblau</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>dunkelblau</translation>
    </message>
    <message>
        <source>lilac</source>
        <translation>helllila</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>dunkellila</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>hellrosa</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>pink</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>dunkelpink</translation>
    </message>
    <message>
        <source>dark pink</source>
        <translation>dunkelrosa</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>dunkelgrau</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>hellgrau</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>light brown</source>
        <translation>hellbraun</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save Your Coloring Page</source>
        <translation>Dein Ausmalbild speichern</translation>
    </message>
</context>
<context>
    <name>FolderStore</name>
    <message>
        <source>File Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>A coloring page could not be read, so it starts blank. Its file is kept as:
%1</source>
        <translation>Ein Ausmalbild konnte nicht gelesen werden und beginnt deshalb leer. Seine Datei bleibt erhalten als:
%1</translation>
    </message>
    <message>
        <source>Some coloring pages could not be read, so they start blank. Their files are kept as:
%1</source>
        <translation>Einige Ausmalbilder konnten nicht gelesen werden und beginnen deshalb leer. Ihre Dateien bleiben erhalten als:
%1</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Copyright © %1 %2
All rights reserved.</source>
        <translation>Copyright © %1 %2
Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>The Vorlane Pattern Maker is the drawing program we use to make our coloring pages. It turns a big, simple picture into lots of small shapes, each one just right for a young artist to fill with color.

To find out more about our books and programs, come and visit us at %1.</source>
        <translation>Der Vorlane Pattern Maker ist das Zeichenprogramm, mit dem wir unsere Ausmalbilder machen. Er macht aus einem großen, einfachen Bild viele kleine Flächen, jede genau richtig für kleine Künstler zum Ausmalen.

Mehr über unsere Bücher und Programme erfährst du, wenn du uns auf %1 besuchst.</translation>
    </message>
    <message>
        <source>Vorlane Coloring Books and the Vorlane Pattern Maker
are trademarks of %1.</source>
        <translation>Vorlane Coloring Books und der Vorlane Pattern Maker
sind Marken von %1.</translation>
    </message>
    <message>
        <source>Every picture in this book is yours to color! Print as many copies as you like for your family, your classroom or a birthday party, and color them again and again.</source>
        <translation>Jedes Bild in diesem Buch darfst du ausmalen! Drucke so viele Blätter, wie du magst, für deine Familie, deine Klasse oder einen Kindergeburtstag, und male sie immer wieder neu aus.</translation>
    </message>
    <message>
        <source>Please do not sell the pictures or copy them into other books or programs.</source>
        <translation>Bitte verkaufe die Bilder nicht und kopiere sie nicht in andere Bücher oder Programme.</translation>
    </message>
</context>
<context>
    <name>OkButton</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PrinterDialog</name>
    <message>
        <source>Printer Setup</source>
        <translation>Drucker einrichten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>There is no printer set up on this computer yet, so the page cannot be printed.

A parent can add a printer in the desktop&apos;s printer settings (often under Settings, then Printers). After that, the book offers it the next time you print, with no need to start it again.</source>
        <translation>Auf diesem Computer ist noch kein Drucker eingerichtet, darum kann die Seite nicht gedruckt werden.

Ein Erwachsener kann in den Druckereinstellungen des Computers einen Drucker hinzufügen (oft unter Einstellungen und dann Drucker). Danach bietet das Buch ihn beim nächsten Drucken an, ohne dass du es neu starten musst.</translation>
    </message>
    <message>
        <source>The printer did not take the page. Please check that it is switched on and has paper, then try again.</source>
        <translation>Der Drucker hat die Seite nicht angenommen. Bitte schau nach, ob er eingeschaltet ist und Papier hat, und versuche es dann noch einmal.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>File Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Your coloring page was not saved.</source>
        <translation>Dein Ausmalbild wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot; as it is</extracomment>
        <translation>Bitmap-Bild (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.png)&quot; as it is</extracomment>
        <translation>PNG-Bild (*.png)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The book could not save its settings in this file:
%1

The paint colors, names and print choices you change work until the book is closed, but they will be forgotten after that. Check that the file can be written and that the disk is not full.</source>
        <translation>Das Buch konnte seine Einstellungen nicht in dieser Datei speichern:
%1

Die Malfarben, Namen und Druckeinstellungen, die du änderst, gelten, bis das Buch geschlossen wird, aber danach sind sie vergessen. Prüfe, ob die Datei beschrieben werden darf und ob die Festplatte nicht voll ist.</translation>
    </message>
</context>
<context>
    <name>atoz::ColouringView</name>
    <message>
        <source>Keep this page in my book</source>
        <translation>Die Seite in meinem Buch behalten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the page as a picture file</source>
        <translation>Die Seite als Bilddatei speichern</translation>
    </message>
    <message>
        <source>Print the page</source>
        <translation>Die Seite drucken</translation>
    </message>
    <message>
        <source>Take back the last colour</source>
        <translation>Die letzte Farbe zurücknehmen</translation>
    </message>
    <message>
        <source>Change the colour of the chosen paint</source>
        <translation>Die gewählte Farbe ändern</translation>
    </message>
    <message>
        <source>About this page</source>
        <translation>Über diese Seite</translation>
    </message>
</context>
<context>
    <name>atoz::ContentsView</name>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Loading Pages ...</source>
        <translation>Die Seiten werden geladen ...</translation>
    </message>
</context>
<context>
    <name>atoz::FolderNames</name>
    <message>
        <source>Copy %1</source>
        <translation>Heft %1</translation>
    </message>
    <message>
        <source>Copy %1, %2</source>
        <translation>Heft %1, %2</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Dein Name</translation>
    </message>
</context>
<context>
    <name>atoz::HomeView</name>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Click your mouse button on a square to begin.</source>
        <translation>Klicke auf ein Feld, um anzufangen.</translation>
    </message>
    <message>
        <source>Close the book</source>
        <translation>Das Buch schließen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Open the first copy of the book</source>
        <translation>Das erste Heft öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Write the children&apos;s names on the copies</source>
        <translation>Die Namen der Kinder auf die Hefte schreiben</translation>
    </message>
    <message>
        <source>Your</source>
        <comment>first line of &quot;Your Name&quot;</comment>
        <translation>Dein</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>second line of &quot;Your Name&quot;</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation>Den Drucker wählen</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>first line of &quot;Printer Setup&quot;</comment>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>second line of &quot;Printer Setup&quot;</comment>
        <translation>wählen</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Drucker wählen</translation>
    </message>
    <message>
        <source>More coloring books</source>
        <translation>Mehr Malbücher</translation>
    </message>
    <message>
        <source>More</source>
        <comment>first line of &quot;More Books&quot;</comment>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Books</source>
        <comment>second line of &quot;More Books&quot;</comment>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>More Books</source>
        <translation>Mehr Bücher</translation>
    </message>
    <message>
        <source>About this book</source>
        <translation>Über dieses Buch</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source># %1</source>
        <comment>the book&apos;s number, under &quot;Book&quot;</comment>
        <translation>Nr. %1</translation>
    </message>
</context>
<context>
    <name>atoz::PageSurface</name>
    <message>
        <source>The page: click inside an area to colour it</source>
        <translation>Die Seite: Klicke in eine Fläche, um sie auszumalen</translation>
    </message>
</context>
<context>
    <name>atoz::PageThumbnail</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>atoz::frmAbout</name>
    <message>
        <source>The Vorlane Pattern Maker</source>
        <translation>Der Vorlane Pattern Maker</translation>
    </message>
    <message>
        <source>All patterns in the Vorlane Coloring Books were created with the Vorlane Pattern Maker by %1.  </source>
        <translation>Alle Bilder der Vorlane Coloring Books wurden mit dem Vorlane Pattern Maker von %1 gemacht.</translation>
    </message>
</context>
<context>
    <name>atoz::frmBooks</name>
    <message>
        <source>offer hours of fun and creativity</source>
        <translation>machen stundenlang Spaß</translation>
    </message>
    <message>
        <source>for young artists.  Each picture may be printed then colored by hand or color each picture using your PC and our paint palette.</source>
        <translation>und wecken die Kreativität junger Künstler. Du kannst jedes Bild ausdrucken und mit Stiften ausmalen oder am Computer mit unserem Farbkasten.</translation>
    </message>
    <message>
        <source>With Book Themes</source>
        <translation>Mit Themen wie</translation>
    </message>
    <message>
        <source>covering animals, automobiles, flowers, planes, </source>
        <translation>Tiere, Autos, Blumen, Flugzeuge, </translation>
    </message>
    <message>
        <source>scenic sites, and wildlife, every young artist&apos;s imagination is sure to come to life.</source>
        <translation>Landschaften und wilde Tiere erwacht die Fantasie jedes jungen Künstlers ganz sicher zum Leben.</translation>
    </message>
    <message>
        <source>Our coloring books make </source>
        <translation>Unsere Malbücher sind </translation>
    </message>
    <message>
        <source>Great Gifts And Party Prizes</source>
        <translation>tolle Geschenke und Partypreise</translation>
    </message>
    <message>
        <source>at an affordable price.</source>
        <translation>zu einem günstigen Preis.</translation>
    </message>
    <message>
        <source>Easy to buy, just visit...</source>
        <translation>Ganz einfach zu kaufen auf ...</translation>
    </message>
</context>
<context>
    <name>atoz::frmName</name>
    <message>
        <source>There are 8 copies of the coloring pages.  Add your name to the ones that you color.</source>
        <translation>Es gibt 8 Malhefte. Schreib deinen Namen auf die Hefte, die du ausmalst.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name of copy %1</source>
        <translation>Name für Heft %1</translation>
    </message>
    <message>
        <source>Maximum of 10 Characters</source>
        <translation>Höchstens 10 Buchstaben</translation>
    </message>
</context>
<context>
    <name>atoz::frmPaintColor</name>
    <message>
        <source>Mix a colour of your own</source>
        <translation>Misch dir eine eigene Farbe</translation>
    </message>
    <message>
        <source>Select Custom Color</source>
        <translation>Eigene Farbe mischen</translation>
    </message>
    <message>
        <source>Restore Default Color</source>
        <translation>Farbe wie am Anfang</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Restore All Default Colors</source>
        <translation>Alle Farben wie am Anfang</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Exit Without Changing</source>
        <translation>Nichts ändern</translation>
    </message>
</context>
<context>
    <name>atoz::frmPrintQuery</name>
    <message>
        <source>Coloring Page Print</source>
        <translation>Ausmalbild drucken</translation>
    </message>
    <message>
        <source>Fill Page ?</source>
        <translation>Ganze Seite?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Fill Page: Yes</source>
        <translation>Ganze Seite: Ja</translation>
    </message>
    <message>
        <source>Fill Page: No</source>
        <translation>Ganze Seite: Nein</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Quer</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Margin: none</source>
        <translation>Rand: keiner</translation>
    </message>
    <message>
        <source>Margin: a quarter inch</source>
        <translation>Rand: ein Viertel Zoll</translation>
    </message>
    <message>
        <source>Margin: half an inch</source>
        <translation>Rand: ein halber Zoll</translation>
    </message>
    <message>
        <source>Margin: three quarters of an inch</source>
        <translation>Rand: drei Viertel Zoll</translation>
    </message>
    <message>
        <source>Margin: one inch</source>
        <translation>Rand: ein Zoll</translation>
    </message>
    <message>
        <source>Margin: one and a half inches</source>
        <translation>Rand: anderthalb Zoll</translation>
    </message>
    <message>
        <source>Print ?</source>
        <translation>Drucken?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
</context>
<context>
    <name>atoz::frmRezivIdod</name>
    <message>
        <source>Book %1: A to Z</source>
        <translation>Buch %1: A bis Z</translation>
    </message>
    <message>
        <source>A to Z, page %1</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>A bis Z, Seite %1</translation>
    </message>
</context>
</TS>
