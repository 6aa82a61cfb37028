<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>BrowserLink</name>
    <message>
        <source>Open it in my web browser</source>
        <translation>Öppna i min webbläsare</translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Choose a Color</source>
        <translation>Välj en färg</translation>
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
        <translation>röd</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>mörkröd</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>ljusorange</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>brun</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>ljusgul</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gul</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olivgrön</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>ljusgrön</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grön</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>mörkgrön</translation>
    </message>
    <message>
        <source>light turquoise</source>
        <translation>ljusturkos</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turkos</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>mörkturkos</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>ljusblå</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blå</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>mörkblå</translation>
    </message>
    <message>
        <source>lilac</source>
        <translation>ljuslila</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>mörklila</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>ljusrosa</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>cerise</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>plommonlila</translation>
    </message>
    <message>
        <source>dark pink</source>
        <translation>mörkrosa</translation>
    </message>
    <message>
        <source>black</source>
        <translation>svart</translation>
    </message>
    <message>
        <source>white</source>
        <translation>vit</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>mörkgrå</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>ljusgrå</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grå</translation>
    </message>
    <message>
        <source>light brown</source>
        <translation>ljusbrun</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save Your Coloring Page</source>
        <translation>Spara din målarbild</translation>
    </message>
</context>
<context>
    <name>FolderStore</name>
    <message>
        <source>File Open Error</source>
        <translation>Det gick inte att öppna</translation>
    </message>
    <message>
        <source>A coloring page could not be read, so it starts blank. Its file is kept as:
%1</source>
        <translation>En målarbild kunde inte läsas och börjar därför tom. Filen finns kvar som:
%1</translation>
    </message>
    <message>
        <source>Some coloring pages could not be read, so they start blank. Their files are kept as:
%1</source>
        <translation>Några målarbilder kunde inte läsas och börjar därför tomma. Filerna finns kvar som:
%1</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Copyright © %1 %2
All rights reserved.</source>
        <translation>Copyright © %1 %2
Alla rättigheter förbehållna.</translation>
    </message>
    <message>
        <source>The Vorlane Pattern Maker is the drawing program we use to make our coloring pages. It turns a big, simple picture into lots of small shapes, each one just right for a young artist to fill with color.

To find out more about our books and programs, come and visit us at %1.</source>
        <translation>Vorlane Pattern Maker är ritprogrammet som vi gör våra målarbilder med. Det gör om en stor, enkel bild till massor av små fält, vart och ett precis lagom för en ung konstnär att fylla med färg.

Vill du veta mer om våra böcker och program? Kom och hälsa på oss på %1.</translation>
    </message>
    <message>
        <source>Vorlane Coloring Books and the Vorlane Pattern Maker
are trademarks of %1.</source>
        <translation>Vorlane Coloring Books och Vorlane Pattern Maker
är varumärken som tillhör %1.</translation>
    </message>
    <message>
        <source>Every picture in this book is yours to color! Print as many copies as you like for your family, your classroom or a birthday party, and color them again and again.</source>
        <translation>Varje bild i den här boken är din att måla! Skriv ut så många du vill till familjen, klassen eller ett kalas, och måla dem om och om igen.</translation>
    </message>
    <message>
        <source>Please do not sell the pictures or copy them into other books or programs.</source>
        <translation>Sälj inte bilderna och kopiera dem inte till andra böcker eller program.</translation>
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
        <translation>Välj skrivare</translation>
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
        <translation>Utskrift</translation>
    </message>
    <message>
        <source>There is no printer set up on this computer yet, so the page cannot be printed.

A parent can add a printer in the desktop&apos;s printer settings (often under Settings, then Printers). After that, the book offers it the next time you print, with no need to start it again.</source>
        <translation>Det finns ingen skrivare på den här datorn än, så sidan kan inte skrivas ut.

En vuxen kan lägga till en skrivare i datorns skrivarinställningar (ofta under Inställningar och sedan Skrivare). Efter det erbjuder boken skrivaren nästa gång du skriver ut, utan att den behöver startas om.</translation>
    </message>
    <message>
        <source>The printer did not take the page. Please check that it is switched on and has paper, then try again.</source>
        <translation>Skrivaren tog inte emot sidan. Titta efter att den är på och har papper, och försök sedan igen.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>File Save Error</source>
        <translation>Det gick inte att spara</translation>
    </message>
    <message>
        <source>Your coloring page was not saved.</source>
        <translation>Din målarbild sparades inte.</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot; as it is</extracomment>
        <translation>Bitmappsbild (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.png)&quot; as it is</extracomment>
        <translation>PNG-bild (*.png)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Inställningarna sparades inte</translation>
    </message>
    <message>
        <source>The book could not save its settings in this file:
%1

The paint colors, names and print choices you change work until the book is closed, but they will be forgotten after that. Check that the file can be written and that the disk is not full.</source>
        <translation>Boken kunde inte spara sina inställningar i den här filen:
%1

De färger, namn och utskriftsval som du ändrar gäller tills boken stängs, men sedan glöms de bort. Kontrollera att det går att skriva till filen och att disken inte är full.</translation>
    </message>
</context>
<context>
    <name>atoz::ColouringView</name>
    <message>
        <source>Keep this page in my book</source>
        <translation>Behåll sidan i min bok</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the page as a picture file</source>
        <translation>Spara sidan som en bild</translation>
    </message>
    <message>
        <source>Print the page</source>
        <translation>Skriv ut sidan</translation>
    </message>
    <message>
        <source>Take back the last colour</source>
        <translation>Ta bort den sista färgen</translation>
    </message>
    <message>
        <source>Change the colour of the chosen paint</source>
        <translation>Ändra den valda färgen</translation>
    </message>
    <message>
        <source>About this page</source>
        <translation>Om den här sidan</translation>
    </message>
</context>
<context>
    <name>atoz::ContentsView</name>
    <message>
        <source>Home</source>
        <translation>Hem</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluta</translation>
    </message>
    <message>
        <source>Loading Pages ...</source>
        <translation>Sidorna laddas ...</translation>
    </message>
</context>
<context>
    <name>atoz::FolderNames</name>
    <message>
        <source>Copy %1</source>
        <translation>Målarbok %1</translation>
    </message>
    <message>
        <source>Copy %1, %2</source>
        <translation>Målarbok %1, %2</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ditt namn</translation>
    </message>
</context>
<context>
    <name>atoz::HomeView</name>
    <message>
        <source>Book</source>
        <translation>Bok</translation>
    </message>
    <message>
        <source>Click your mouse button on a square to begin.</source>
        <translation>Klicka på en ruta för att börja.</translation>
    </message>
    <message>
        <source>Close the book</source>
        <translation>Stäng boken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluta</translation>
    </message>
    <message>
        <source>Open the first copy of the book</source>
        <translation>Öppna den första målarboken</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Write the children&apos;s names on the copies</source>
        <translation>Skriv barnens namn på målarböckerna</translation>
    </message>
    <message>
        <source>Your</source>
        <comment>first line of &quot;Your Name&quot;</comment>
        <translation>Ditt</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>second line of &quot;Your Name&quot;</comment>
        <translation>namn</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ditt namn</translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation>Välj skrivare</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>first line of &quot;Printer Setup&quot;</comment>
        <translation>Välj</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>second line of &quot;Printer Setup&quot;</comment>
        <translation>skrivare</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Välj skrivare</translation>
    </message>
    <message>
        <source>More coloring books</source>
        <translation>Fler målarböcker</translation>
    </message>
    <message>
        <source>More</source>
        <comment>first line of &quot;More Books&quot;</comment>
        <translation>Fler</translation>
    </message>
    <message>
        <source>Books</source>
        <comment>second line of &quot;More Books&quot;</comment>
        <translation>böcker</translation>
    </message>
    <message>
        <source>More Books</source>
        <translation>Fler böcker</translation>
    </message>
    <message>
        <source>About this book</source>
        <translation>Om den här boken</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source># %1</source>
        <comment>the book&apos;s number, under &quot;Book&quot;</comment>
        <translation>Nr %1</translation>
    </message>
</context>
<context>
    <name>atoz::PageSurface</name>
    <message>
        <source>The page: click inside an area to colour it</source>
        <translation>Sidan: klicka i ett fält för att måla det</translation>
    </message>
</context>
<context>
    <name>atoz::PageThumbnail</name>
    <message>
        <source>Page %1</source>
        <translation>Sida %1</translation>
    </message>
</context>
<context>
    <name>atoz::frmAbout</name>
    <message>
        <source>The Vorlane Pattern Maker</source>
        <translation>Vorlane Pattern Maker</translation>
    </message>
    <message>
        <source>All patterns in the Vorlane Coloring Books were created with the Vorlane Pattern Maker by %1.  </source>
        <translation>Alla bilder i Vorlane Coloring Books är gjorda med Vorlane Pattern Maker från %1.</translation>
    </message>
</context>
<context>
    <name>atoz::frmBooks</name>
    <message>
        <source>offer hours of fun and creativity</source>
        <translation>ger timmar av lek och skapande</translation>
    </message>
    <message>
        <source>for young artists.  Each picture may be printed then colored by hand or color each picture using your PC and our paint palette.</source>
        <translation>för unga konstnärer. Varje bild kan skrivas ut och målas för hand, eller målas på datorn med vår färgpalett.</translation>
    </message>
    <message>
        <source>With Book Themes</source>
        <translation>Med teman</translation>
    </message>
    <message>
        <source>covering animals, automobiles, flowers, planes, </source>
        <translation>som djur, bilar, blommor, flygplan, </translation>
    </message>
    <message>
        <source>scenic sites, and wildlife, every young artist&apos;s imagination is sure to come to life.</source>
        <translation>landskap och vilda djur vaknar varje ung konstnärs fantasi till liv, helt säkert.</translation>
    </message>
    <message>
        <source>Our coloring books make </source>
        <translation>Våra målarböcker är </translation>
    </message>
    <message>
        <source>Great Gifts And Party Prizes</source>
        <translation>fina presenter och kalaspriser</translation>
    </message>
    <message>
        <source>at an affordable price.</source>
        <translation>till ett bra pris.</translation>
    </message>
    <message>
        <source>Easy to buy, just visit...</source>
        <translation>Lätta att köpa, besök bara...</translation>
    </message>
</context>
<context>
    <name>atoz::frmName</name>
    <message>
        <source>There are 8 copies of the coloring pages.  Add your name to the ones that you color.</source>
        <translation>Det finns 8 målarböcker. Skriv ditt namn på dem som du målar i.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name of copy %1</source>
        <translation>Namn på målarbok %1</translation>
    </message>
    <message>
        <source>Maximum of 10 Characters</source>
        <translation>Högst 10 bokstäver</translation>
    </message>
</context>
<context>
    <name>atoz::frmPaintColor</name>
    <message>
        <source>Mix a colour of your own</source>
        <translation>Blanda en egen färg</translation>
    </message>
    <message>
        <source>Select Custom Color</source>
        <translation>Välj egen färg</translation>
    </message>
    <message>
        <source>Restore Default Color</source>
        <translation>Färgen från början</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>Restore All Default Colors</source>
        <translation>Alla färger från början</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Exit Without Changing</source>
        <translation>Stäng utan att ändra</translation>
    </message>
</context>
<context>
    <name>atoz::frmPrintQuery</name>
    <message>
        <source>Coloring Page Print</source>
        <translation>Skriv ut målarbilden</translation>
    </message>
    <message>
        <source>Fill Page ?</source>
        <translation>Fyll sidan?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Fill Page: Yes</source>
        <translation>Fyll sidan: ja</translation>
    </message>
    <message>
        <source>Fill Page: No</source>
        <translation>Fyll sidan: nej</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggande</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marginal</translation>
    </message>
    <message>
        <source>Margin: none</source>
        <translation>Marginal: ingen</translation>
    </message>
    <message>
        <source>Margin: a quarter inch</source>
        <translation>Marginal: en kvarts tum</translation>
    </message>
    <message>
        <source>Margin: half an inch</source>
        <translation>Marginal: en halv tum</translation>
    </message>
    <message>
        <source>Margin: three quarters of an inch</source>
        <translation>Marginal: tre kvarts tum</translation>
    </message>
    <message>
        <source>Margin: one inch</source>
        <translation>Marginal: en tum</translation>
    </message>
    <message>
        <source>Margin: one and a half inches</source>
        <translation>Marginal: en och en halv tum</translation>
    </message>
    <message>
        <source>Print ?</source>
        <translation>Skriva ut?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEJ</translation>
    </message>
</context>
<context>
    <name>atoz::frmRezivIdod</name>
    <message>
        <source>Book %1: A to Z</source>
        <translation>Bok %1: från A till Z</translation>
    </message>
    <message>
        <source>A to Z, page %1</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>Från A till Z, sida %1</translation>
    </message>
</context>
</TS>
