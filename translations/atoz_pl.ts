<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>BrowserLink</name>
    <message>
        <source>Open it in my web browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Choose a Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>peach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light turquoise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lilac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light brown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save Your Coloring Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Copyright © %1 %2
All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Vorlane Pattern Maker is the drawing program we use to make our coloring pages. It turns a big, simple picture into lots of small shapes, each one just right for a young artist to fill with color.

To find out more about our books and programs, come and visit us at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlane Coloring Books and the Vorlane Pattern Maker
are trademarks of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every picture in this book is yours to color! Print as many copies as you like for your family, your classroom or a birthday party, and color them again and again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please do not sell the pictures or copy them into other books or programs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OkButton</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterDialog</name>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no printer set up on this computer yet, so the page cannot be printed.

A parent can add a printer in the desktop&apos;s printer settings (often under Settings, then Printers). After that, the book offers it the next time you print, with no need to start it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer did not take the page. Please check that it is switched on and has paper, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>File Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your coloring page was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.png)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book could not save its settings in this file:
%1

The paint colors, names and print choices you change work until the book is closed, but they will be forgotten after that. Check that the file can be written and that the disk is not full.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::ColouringView</name>
    <message>
        <source>Keep this page in my book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the page as a picture file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the colour of the chosen paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::ContentsView</name>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Pages ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::FolderNames</name>
    <message>
        <source>Copy %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::HomeView</name>
    <message>
        <source>Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click your mouse button on a square to begin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the first copy of the book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the children&apos;s names on the copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your</source>
        <comment>first line of &quot;Your Name&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <comment>second line of &quot;Your Name&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>first line of &quot;Printer Setup&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>second line of &quot;Printer Setup&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More coloring books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <comment>first line of &quot;More Books&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Books</source>
        <comment>second line of &quot;More Books&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># %1</source>
        <comment>the book&apos;s number, under &quot;Book&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::PageSurface</name>
    <message>
        <source>The page: click inside an area to colour it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::PageThumbnail</name>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::frmAbout</name>
    <message>
        <source>The Vorlane Pattern Maker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All patterns in the Vorlane Coloring Books were created with the Vorlane Pattern Maker by %1.  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::frmBooks</name>
    <message>
        <source>offer hours of fun and creativity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for young artists.  Each picture may be printed then colored by hand or color each picture using your PC and our paint palette.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Book Themes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>covering animals, automobiles, flowers, planes, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scenic sites, and wildlife, every young artist&apos;s imagination is sure to come to life.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our coloring books make </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great Gifts And Party Prizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at an affordable price.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy to buy, just visit...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::frmName</name>
    <message>
        <source>There are 8 copies of the coloring pages.  Add your name to the ones that you color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of copy %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum of 10 Characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::frmPaintColor</name>
    <message>
        <source>Mix a colour of your own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Custom Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Default Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore All Default Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Without Changing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::frmPrintQuery</name>
    <message>
        <source>Coloring Page Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Page ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Page: Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Page: No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin: a quarter inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin: half an inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin: three quarters of an inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin: one inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin: one and a half inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>atoz::frmRezivIdod</name>
    <message>
        <source>Book %1: A to Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A to Z, page %1</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
