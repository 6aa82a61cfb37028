<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>BrowserLink</name>
    <message>
        <source>Open it in my web browser</source>
        <translation>Otwórz w mojej przeglądarce</translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Choose a Color</source>
        <translation>Wybierz kolor</translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>pink</source>
        <translation>różowy</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>ciemnoczerwony</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>jasnopomarańczowy</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>brązowy</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>jasnożółty</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>oliwkowy</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>jasnozielony</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>ciemnozielony</translation>
    </message>
    <message>
        <source>light turquoise</source>
        <translation>jasnoturkusowy</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turkusowy</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>ciemnoturkusowy</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>jasnoniebieski</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>granatowy</translation>
    </message>
    <message>
        <source>lilac</source>
        <translation>liliowy</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>fioletowy</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>ciemnofioletowy</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>jasnoróżowy</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>amarantowy</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>śliwkowy</translation>
    </message>
    <message>
        <source>dark pink</source>
        <translation>ciemnoróżowy</translation>
    </message>
    <message>
        <source>black</source>
        <translation>czarny</translation>
    </message>
    <message>
        <source>white</source>
        <translation>biały</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>ciemnoszary</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>jasnoszary</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>szary</translation>
    </message>
    <message>
        <source>light brown</source>
        <translation>jasnobrązowy</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save Your Coloring Page</source>
        <translation>Zapisz swoją kolorowankę</translation>
    </message>
</context>
<context>
    <name>FolderStore</name>
    <message>
        <source>File Open Error</source>
        <translation>Błąd otwierania</translation>
    </message>
    <message>
        <source>A coloring page could not be read, so it starts blank. Its file is kept as:
%1</source>
        <translation>Nie udało się odczytać kolorowanki, więc zaczyna się od nowa. Jej plik zachowano jako:
%1</translation>
    </message>
    <message>
        <source>Some coloring pages could not be read, so they start blank. Their files are kept as:
%1</source>
        <translation>Nie udało się odczytać niektórych kolorowanek, więc zaczynają się od nowa. Ich pliki zachowano jako:
%1</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Copyright © %1 %2
All rights reserved.</source>
        <translation>Copyright © %1 %2
Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>The Vorlane Pattern Maker is the drawing program we use to make our coloring pages. It turns a big, simple picture into lots of small shapes, each one just right for a young artist to fill with color.

To find out more about our books and programs, come and visit us at %1.</source>
        <translation>Vorlane Pattern Maker to program do rysowania, w którym robimy nasze kolorowanki. Zamienia duży, prosty obrazek w mnóstwo małych pól, a każde jest w sam raz do pokolorowania przez małego artystę.

Jeśli chcesz dowiedzieć się więcej o naszych książkach i programach, odwiedź nas na %1.</translation>
    </message>
    <message>
        <source>Vorlane Coloring Books and the Vorlane Pattern Maker
are trademarks of %1.</source>
        <translation>Vorlane Coloring Books i Vorlane Pattern Maker
są znakami towarowymi firmy %1.</translation>
    </message>
    <message>
        <source>Every picture in this book is yours to color! Print as many copies as you like for your family, your classroom or a birthday party, and color them again and again.</source>
        <translation>Każdy obrazek w tej książce możesz pokolorować! Wydrukuj tyle kopii, ile chcesz, dla rodziny, dla klasy albo na przyjęcie urodzinowe, i koloruj je wciąż od nowa.</translation>
    </message>
    <message>
        <source>Please do not sell the pictures or copy them into other books or programs.</source>
        <translation>Prosimy, nie sprzedawaj obrazków i nie kopiuj ich do innych książek ani programów.</translation>
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
        <translation>Wybór drukarki</translation>
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
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>There is no printer set up on this computer yet, so the page cannot be printed.

A parent can add a printer in the desktop&apos;s printer settings (often under Settings, then Printers). After that, the book offers it the next time you print, with no need to start it again.</source>
        <translation>Na tym komputerze nie ma jeszcze żadnej drukarki, więc nie można wydrukować strony.

Dorosły może dodać drukarkę w ustawieniach drukarek w systemie (często w Ustawieniach, a potem w Drukarkach). Potem książka sama ją zaproponuje przy następnym drukowaniu i nie trzeba jej uruchamiać od nowa.</translation>
    </message>
    <message>
        <source>The printer did not take the page. Please check that it is switched on and has paper, then try again.</source>
        <translation>Drukarka nie przyjęła strony. Sprawdź, czy jest włączona i czy ma papier, a potem spróbuj jeszcze raz.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>File Save Error</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <source>Your coloring page was not saved.</source>
        <translation>Twoja kolorowanka nie została zapisana.</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot; as it is</extracomment>
        <translation>Obraz BMP (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.png)&quot; as it is</extracomment>
        <translation>Obraz PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Nie zapisano ustawień</translation>
    </message>
    <message>
        <source>The book could not save its settings in this file:
%1

The paint colors, names and print choices you change work until the book is closed, but they will be forgotten after that. Check that the file can be written and that the disk is not full.</source>
        <translation>Książka nie mogła zapisać swoich ustawień w tym pliku:
%1

Zmienione kolory farb, imiona i ustawienia drukowania działają do zamknięcia książki, ale potem zostaną zapomniane. Sprawdź, czy plik można zapisać i czy dysk nie jest pełny.</translation>
    </message>
</context>
<context>
    <name>atoz::ColouringView</name>
    <message>
        <source>Keep this page in my book</source>
        <translation>Zachowaj tę stronę w mojej książce</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the page as a picture file</source>
        <translation>Zapisz stronę jako obrazek</translation>
    </message>
    <message>
        <source>Print the page</source>
        <translation>Wydrukuj stronę</translation>
    </message>
    <message>
        <source>Take back the last colour</source>
        <translation>Cofnij ostatni kolor</translation>
    </message>
    <message>
        <source>Change the colour of the chosen paint</source>
        <translation>Zmień wybrany kolor</translation>
    </message>
    <message>
        <source>About this page</source>
        <translation>O tej stronie</translation>
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
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Loading Pages ...</source>
        <translation>Wczytuję strony ...</translation>
    </message>
</context>
<context>
    <name>atoz::FolderNames</name>
    <message>
        <source>Copy %1</source>
        <translation>Kolorowanka %1</translation>
    </message>
    <message>
        <source>Copy %1, %2</source>
        <translation>Kolorowanka %1, %2</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Twoje imię</translation>
    </message>
</context>
<context>
    <name>atoz::HomeView</name>
    <message>
        <source>Book</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>Click your mouse button on a square to begin.</source>
        <translation>Kliknij kwadrat, żeby zacząć.</translation>
    </message>
    <message>
        <source>Close the book</source>
        <translation>Zamknij książkę</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Open the first copy of the book</source>
        <translation>Otwórz pierwszą kolorowankę</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Write the children&apos;s names on the copies</source>
        <translation>Wpisz imiona dzieci na kolorowankach</translation>
    </message>
    <message>
        <source>Your</source>
        <comment>first line of &quot;Your Name&quot;</comment>
        <translation>Twoje</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>second line of &quot;Your Name&quot;</comment>
        <translation>imię</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation>Wybierz drukarkę</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>first line of &quot;Printer Setup&quot;</comment>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>second line of &quot;Printer Setup&quot;</comment>
        <translation>drukarkę</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Wybierz drukarkę</translation>
    </message>
    <message>
        <source>More coloring books</source>
        <translation>Więcej kolorowanek</translation>
    </message>
    <message>
        <source>More</source>
        <comment>first line of &quot;More Books&quot;</comment>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>Books</source>
        <comment>second line of &quot;More Books&quot;</comment>
        <translation>książek</translation>
    </message>
    <message>
        <source>More Books</source>
        <translation>Więcej książek</translation>
    </message>
    <message>
        <source>About this book</source>
        <translation>O tej książce</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
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
        <translation>Strona: kliknij w pole, żeby je pokolorować</translation>
    </message>
</context>
<context>
    <name>atoz::PageThumbnail</name>
    <message>
        <source>Page %1</source>
        <translation>Strona %1</translation>
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
        <translation>Wszystkie obrazki w Vorlane Coloring Books powstały w programie Vorlane Pattern Maker firmy %1.</translation>
    </message>
</context>
<context>
    <name>atoz::frmBooks</name>
    <message>
        <source>offer hours of fun and creativity</source>
        <translation>to godziny zabawy</translation>
    </message>
    <message>
        <source>for young artists.  Each picture may be printed then colored by hand or color each picture using your PC and our paint palette.</source>
        <translation>i tworzenia dla młodych artystów. Każdy obrazek można wydrukować i pokolorować kredkami albo pokolorować na komputerze naszą paletą farb.</translation>
    </message>
    <message>
        <source>With Book Themes</source>
        <translation>Dzięki tematom</translation>
    </message>
    <message>
        <source>covering animals, automobiles, flowers, planes, </source>
        <translation>takim jak zwierzęta, samochody, kwiaty, samoloty, </translation>
    </message>
    <message>
        <source>scenic sites, and wildlife, every young artist&apos;s imagination is sure to come to life.</source>
        <translation>krajobrazy i dzika przyroda, wyobraźnia każdego młodego artysty na pewno ożyje.</translation>
    </message>
    <message>
        <source>Our coloring books make </source>
        <translation>Nasze kolorowanki to </translation>
    </message>
    <message>
        <source>Great Gifts And Party Prizes</source>
        <translation>świetne prezenty i nagrody na przyjęcia</translation>
    </message>
    <message>
        <source>at an affordable price.</source>
        <translation>w przystępnej cenie.</translation>
    </message>
    <message>
        <source>Easy to buy, just visit...</source>
        <translation>Łatwo je kupić, wejdź na...</translation>
    </message>
</context>
<context>
    <name>atoz::frmName</name>
    <message>
        <source>There are 8 copies of the coloring pages.  Add your name to the ones that you color.</source>
        <translation>Jest 8 kolorowanek. Wpisz swoje imię na tych, które kolorujesz.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name of copy %1</source>
        <translation>Imię na kolorowance %1</translation>
    </message>
    <message>
        <source>Maximum of 10 Characters</source>
        <translation>Najwyżej 10 liter</translation>
    </message>
</context>
<context>
    <name>atoz::frmPaintColor</name>
    <message>
        <source>Mix a colour of your own</source>
        <translation>Wymieszaj własny kolor</translation>
    </message>
    <message>
        <source>Select Custom Color</source>
        <translation>Wybierz własny kolor</translation>
    </message>
    <message>
        <source>Restore Default Color</source>
        <translation>Przywróć kolor</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Restore All Default Colors</source>
        <translation>Przywróć wszystkie kolory</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Exit Without Changing</source>
        <translation>Wyjdź bez zmian</translation>
    </message>
</context>
<context>
    <name>atoz::frmPrintQuery</name>
    <message>
        <source>Coloring Page Print</source>
        <translation>Drukowanie kolorowanki</translation>
    </message>
    <message>
        <source>Fill Page ?</source>
        <translation>Cała strona?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Fill Page: Yes</source>
        <translation>Cała strona: tak</translation>
    </message>
    <message>
        <source>Fill Page: No</source>
        <translation>Cała strona: nie</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Pionowo</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Poziomo</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margines</translation>
    </message>
    <message>
        <source>Margin: none</source>
        <translation>Margines: brak</translation>
    </message>
    <message>
        <source>Margin: a quarter inch</source>
        <translation>Margines: ćwierć cala</translation>
    </message>
    <message>
        <source>Margin: half an inch</source>
        <translation>Margines: pół cala</translation>
    </message>
    <message>
        <source>Margin: three quarters of an inch</source>
        <translation>Margines: trzy czwarte cala</translation>
    </message>
    <message>
        <source>Margin: one inch</source>
        <translation>Margines: jeden cal</translation>
    </message>
    <message>
        <source>Margin: one and a half inches</source>
        <translation>Margines: półtora cala</translation>
    </message>
    <message>
        <source>Print ?</source>
        <translation>Drukuj?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>TAK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NIE</translation>
    </message>
</context>
<context>
    <name>atoz::frmRezivIdod</name>
    <message>
        <source>Book %1: A to Z</source>
        <translation>Tom %1: od A do Z</translation>
    </message>
    <message>
        <source>A to Z, page %1</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>Od A do Z, strona %1</translation>
    </message>
</context>
</TS>
