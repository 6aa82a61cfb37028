<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BrowserLink</name>
    <message>
        <source>Open it in my web browser</source>
        <translation>Openen in mijn browser</translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Choose a Color</source>
        <translation>Kies een kleur</translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>pink</source>
        <translation>roze</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>donkerrood</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>lichtoranje</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>oranje</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>bruin</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>lichtgeel</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olijfgroen</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>lichtgroen</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>donkergroen</translation>
    </message>
    <message>
        <source>light turquoise</source>
        <translation>lichtturquoise</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>donkerturquoise</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>lichtblauw</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>donkerblauw</translation>
    </message>
    <message>
        <source>lilac</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>paars</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>donkerpaars</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>lichtroze</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>pruimpaars</translation>
    </message>
    <message>
        <source>dark pink</source>
        <translation>donkerroze</translation>
    </message>
    <message>
        <source>black</source>
        <translation>zwart</translation>
    </message>
    <message>
        <source>white</source>
        <translation>wit</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>donkergrijs</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>lichtgrijs</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grijs</translation>
    </message>
    <message>
        <source>light brown</source>
        <translation>lichtbruin</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save Your Coloring Page</source>
        <translation>Je kleurplaat opslaan</translation>
    </message>
</context>
<context>
    <name>FolderStore</name>
    <message>
        <source>File Open Error</source>
        <translation>Fout bij openen</translation>
    </message>
    <message>
        <source>A coloring page could not be read, so it starts blank. Its file is kept as:
%1</source>
        <translation>Een kleurplaat kon niet worden gelezen en begint daarom leeg. Het bestand is bewaard als:
%1</translation>
    </message>
    <message>
        <source>Some coloring pages could not be read, so they start blank. Their files are kept as:
%1</source>
        <translation>Enkele kleurplaten konden niet worden gelezen en beginnen daarom leeg. De bestanden zijn bewaard als:
%1</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Copyright © %1 %2
All rights reserved.</source>
        <translation>Copyright © %1 %2
Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>The Vorlane Pattern Maker is the drawing program we use to make our coloring pages. It turns a big, simple picture into lots of small shapes, each one just right for a young artist to fill with color.

To find out more about our books and programs, come and visit us at %1.</source>
        <translation>De Vorlane Pattern Maker is het tekenprogramma waarmee we onze kleurplaten maken. Het maakt van een grote, eenvoudige tekening heel veel kleine vlakjes, elk precies goed voor een jonge kunstenaar om in te kleuren.

Wil je meer weten over onze boeken en programma&apos;s? Kom dan eens kijken op %1.</translation>
    </message>
    <message>
        <source>Vorlane Coloring Books and the Vorlane Pattern Maker
are trademarks of %1.</source>
        <translation>Vorlane Coloring Books en de Vorlane Pattern Maker
zijn handelsmerken van %1.</translation>
    </message>
    <message>
        <source>Every picture in this book is yours to color! Print as many copies as you like for your family, your classroom or a birthday party, and color them again and again.</source>
        <translation>Elke tekening in dit boek mag jij kleuren! Druk er zo veel af als je wilt, voor je familie, je klas of een verjaardagsfeestje, en kleur ze steeds opnieuw.</translation>
    </message>
    <message>
        <source>Please do not sell the pictures or copy them into other books or programs.</source>
        <translation>Verkoop de tekeningen alsjeblieft niet en zet ze niet in andere boeken of programma&apos;s.</translation>
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
        <translation>Printer kiezen</translation>
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
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>There is no printer set up on this computer yet, so the page cannot be printed.

A parent can add a printer in the desktop&apos;s printer settings (often under Settings, then Printers). After that, the book offers it the next time you print, with no need to start it again.</source>
        <translation>Er is op deze computer nog geen printer ingesteld, dus de pagina kan niet worden afgedrukt.

Een volwassene kan een printer toevoegen in de printerinstellingen van de computer (vaak onder Instellingen en dan Printers). Daarna biedt het boek de printer aan als je de volgende keer afdrukt, zonder dat het boek opnieuw hoeft te starten.</translation>
    </message>
    <message>
        <source>The printer did not take the page. Please check that it is switched on and has paper, then try again.</source>
        <translation>De printer heeft de pagina niet aangenomen. Kijk of hij aanstaat en papier heeft, en probeer het dan opnieuw.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>File Save Error</source>
        <translation>Fout bij opslaan</translation>
    </message>
    <message>
        <source>Your coloring page was not saved.</source>
        <translation>Je kleurplaat is niet opgeslagen.</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot; as it is</extracomment>
        <translation>Bitmapafbeelding (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.png)&quot; as it is</extracomment>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Instellingen niet opgeslagen</translation>
    </message>
    <message>
        <source>The book could not save its settings in this file:
%1

The paint colors, names and print choices you change work until the book is closed, but they will be forgotten after that. Check that the file can be written and that the disk is not full.</source>
        <translation>Het boek kon zijn instellingen niet opslaan in dit bestand:
%1

De verfkleuren, namen en afdrukkeuzes die je verandert, werken tot het boek wordt gesloten, maar daarna zijn ze vergeten. Controleer of er in het bestand geschreven mag worden en of de schijf niet vol is.</translation>
    </message>
</context>
<context>
    <name>atoz::ColouringView</name>
    <message>
        <source>Keep this page in my book</source>
        <translation>Deze pagina in mijn boek bewaren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the page as a picture file</source>
        <translation>De pagina als afbeelding opslaan</translation>
    </message>
    <message>
        <source>Print the page</source>
        <translation>De pagina afdrukken</translation>
    </message>
    <message>
        <source>Take back the last colour</source>
        <translation>De laatste kleur weghalen</translation>
    </message>
    <message>
        <source>Change the colour of the chosen paint</source>
        <translation>De gekozen kleur veranderen</translation>
    </message>
    <message>
        <source>About this page</source>
        <translation>Over deze pagina</translation>
    </message>
</context>
<context>
    <name>atoz::ContentsView</name>
    <message>
        <source>Home</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Loading Pages ...</source>
        <translation>De pagina&apos;s worden geladen ...</translation>
    </message>
</context>
<context>
    <name>atoz::FolderNames</name>
    <message>
        <source>Copy %1</source>
        <translation>Kleurboek %1</translation>
    </message>
    <message>
        <source>Copy %1, %2</source>
        <translation>Kleurboek %1, %2</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Jouw naam</translation>
    </message>
</context>
<context>
    <name>atoz::HomeView</name>
    <message>
        <source>Book</source>
        <translation>Boek</translation>
    </message>
    <message>
        <source>Click your mouse button on a square to begin.</source>
        <translation>Klik op een vakje om te beginnen.</translation>
    </message>
    <message>
        <source>Close the book</source>
        <translation>Het boek sluiten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Open the first copy of the book</source>
        <translation>Het eerste kleurboek openen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Write the children&apos;s names on the copies</source>
        <translation>De namen van de kinderen op de kleurboeken zetten</translation>
    </message>
    <message>
        <source>Your</source>
        <comment>first line of &quot;Your Name&quot;</comment>
        <translation>Jouw</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>second line of &quot;Your Name&quot;</comment>
        <translation>naam</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Jouw naam</translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation>De printer kiezen</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>first line of &quot;Printer Setup&quot;</comment>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>second line of &quot;Printer Setup&quot;</comment>
        <translation>kiezen</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Printer kiezen</translation>
    </message>
    <message>
        <source>More coloring books</source>
        <translation>Meer kleurboeken</translation>
    </message>
    <message>
        <source>More</source>
        <comment>first line of &quot;More Books&quot;</comment>
        <translation>Meer</translation>
    </message>
    <message>
        <source>Books</source>
        <comment>second line of &quot;More Books&quot;</comment>
        <translation>boeken</translation>
    </message>
    <message>
        <source>More Books</source>
        <translation>Meer boeken</translation>
    </message>
    <message>
        <source>About this book</source>
        <translation>Over dit boek</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
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
        <translation>De pagina: klik in een vlak om het te kleuren</translation>
    </message>
</context>
<context>
    <name>atoz::PageThumbnail</name>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
</context>
<context>
    <name>atoz::frmAbout</name>
    <message>
        <source>The Vorlane Pattern Maker</source>
        <translation>De Vorlane Pattern Maker</translation>
    </message>
    <message>
        <source>All patterns in the Vorlane Coloring Books were created with the Vorlane Pattern Maker by %1.  </source>
        <translation>Alle tekeningen in de Vorlane Coloring Books zijn gemaakt met de Vorlane Pattern Maker van %1.</translation>
    </message>
</context>
<context>
    <name>atoz::frmBooks</name>
    <message>
        <source>offer hours of fun and creativity</source>
        <translation>bieden urenlang plezier</translation>
    </message>
    <message>
        <source>for young artists.  Each picture may be printed then colored by hand or color each picture using your PC and our paint palette.</source>
        <translation>en creativiteit voor jonge kunstenaars. Je kunt elke tekening afdrukken en met de hand inkleuren, of op de computer kleuren met ons verfpalet.</translation>
    </message>
    <message>
        <source>With Book Themes</source>
        <translation>Met thema&apos;s</translation>
    </message>
    <message>
        <source>covering animals, automobiles, flowers, planes, </source>
        <translation>zoals dieren, auto&apos;s, bloemen, vliegtuigen, </translation>
    </message>
    <message>
        <source>scenic sites, and wildlife, every young artist&apos;s imagination is sure to come to life.</source>
        <translation>landschappen en wilde dieren komt de fantasie van elke jonge kunstenaar zeker tot leven.</translation>
    </message>
    <message>
        <source>Our coloring books make </source>
        <translation>Onze kleurboeken zijn </translation>
    </message>
    <message>
        <source>Great Gifts And Party Prizes</source>
        <translation>leuke cadeaus en feestprijsjes</translation>
    </message>
    <message>
        <source>at an affordable price.</source>
        <translation>voor een betaalbare prijs.</translation>
    </message>
    <message>
        <source>Easy to buy, just visit...</source>
        <translation>Makkelijk te kopen, kijk op...</translation>
    </message>
</context>
<context>
    <name>atoz::frmName</name>
    <message>
        <source>There are 8 copies of the coloring pages.  Add your name to the ones that you color.</source>
        <translation>Er zijn 8 kleurboeken. Zet je naam op de boeken die jij kleurt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name of copy %1</source>
        <translation>Naam voor kleurboek %1</translation>
    </message>
    <message>
        <source>Maximum of 10 Characters</source>
        <translation>Hooguit 10 letters</translation>
    </message>
</context>
<context>
    <name>atoz::frmPaintColor</name>
    <message>
        <source>Mix a colour of your own</source>
        <translation>Meng je eigen kleur</translation>
    </message>
    <message>
        <source>Select Custom Color</source>
        <translation>Eigen kleur kiezen</translation>
    </message>
    <message>
        <source>Restore Default Color</source>
        <translation>Kleur van het begin</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Restore All Default Colors</source>
        <translation>Alle kleuren van het begin</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Exit Without Changing</source>
        <translation>Niets veranderen</translation>
    </message>
</context>
<context>
    <name>atoz::frmPrintQuery</name>
    <message>
        <source>Coloring Page Print</source>
        <translation>Kleurplaat afdrukken</translation>
    </message>
    <message>
        <source>Fill Page ?</source>
        <translation>Heel blad?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Fill Page: Yes</source>
        <translation>Heel blad: ja</translation>
    </message>
    <message>
        <source>Fill Page: No</source>
        <translation>Heel blad: nee</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggend</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Margin: none</source>
        <translation>Marge: geen</translation>
    </message>
    <message>
        <source>Margin: a quarter inch</source>
        <translation>Marge: een kwart inch</translation>
    </message>
    <message>
        <source>Margin: half an inch</source>
        <translation>Marge: een halve inch</translation>
    </message>
    <message>
        <source>Margin: three quarters of an inch</source>
        <translation>Marge: driekwart inch</translation>
    </message>
    <message>
        <source>Margin: one inch</source>
        <translation>Marge: één inch</translation>
    </message>
    <message>
        <source>Margin: one and a half inches</source>
        <translation>Marge: anderhalve inch</translation>
    </message>
    <message>
        <source>Print ?</source>
        <translation>Printen?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEE</translation>
    </message>
</context>
<context>
    <name>atoz::frmRezivIdod</name>
    <message>
        <source>Book %1: A to Z</source>
        <translation>Boek %1: van A tot Z</translation>
    </message>
    <message>
        <source>A to Z, page %1</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>Van A tot Z, pagina %1</translation>
    </message>
</context>
</TS>
