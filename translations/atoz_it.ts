<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BrowserLink</name>
    <message>
        <source>Open it in my web browser</source>
        <translation>Apri nel mio browser</translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Choose a Color</source>
        <translation>Scegli un colore</translation>
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
        <translation>rosso</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rosso scuro</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>arancione chiaro</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrone</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>giallo chiaro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>verde oliva</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde chiaro</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>verde scuro</translation>
    </message>
    <message>
        <source>light turquoise</source>
        <translation>turchese chiaro</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turchese</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>turchese scuro</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azzurro</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>blu scuro</translation>
    </message>
    <message>
        <source>lilac</source>
        <translation>lilla</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>viola</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>viola scuro</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>rosa chiaro</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>fucsia</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>prugna</translation>
    </message>
    <message>
        <source>dark pink</source>
        <translation>rosa scuro</translation>
    </message>
    <message>
        <source>black</source>
        <translation>nero</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianco</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>grigio scuro</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>grigio chiaro</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grigio</translation>
    </message>
    <message>
        <source>light brown</source>
        <translation>marrone chiaro</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save Your Coloring Page</source>
        <translation>Salva il tuo disegno</translation>
    </message>
</context>
<context>
    <name>FolderStore</name>
    <message>
        <source>File Open Error</source>
        <translation>Errore di apertura</translation>
    </message>
    <message>
        <source>A coloring page could not be read, so it starts blank. Its file is kept as:
%1</source>
        <translation>Non è stato possibile leggere un disegno, quindi ricomincia bianco. Il suo file è conservato come:
%1</translation>
    </message>
    <message>
        <source>Some coloring pages could not be read, so they start blank. Their files are kept as:
%1</source>
        <translation>Non è stato possibile leggere alcuni disegni, quindi ricominciano bianchi. I loro file sono conservati come:
%1</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Copyright © %1 %2
All rights reserved.</source>
        <translation>Copyright © %1 %2
Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>The Vorlane Pattern Maker is the drawing program we use to make our coloring pages. It turns a big, simple picture into lots of small shapes, each one just right for a young artist to fill with color.

To find out more about our books and programs, come and visit us at %1.</source>
        <translation>Il Vorlane Pattern Maker è il programma di disegno che usiamo per creare i nostri disegni da colorare. Trasforma un disegno grande e semplice in tante piccole forme, ognuna perfetta da riempire di colore per un piccolo artista.

Per scoprire di più sui nostri libri e programmi, vieni a trovarci su %1.</translation>
    </message>
    <message>
        <source>Vorlane Coloring Books and the Vorlane Pattern Maker
are trademarks of %1.</source>
        <translation>Vorlane Coloring Books e il Vorlane Pattern Maker
sono marchi di %1.</translation>
    </message>
    <message>
        <source>Every picture in this book is yours to color! Print as many copies as you like for your family, your classroom or a birthday party, and color them again and again.</source>
        <translation>Ogni disegno di questo libro è tuo da colorare! Stampane tutte le copie che vuoi per la tua famiglia, la tua classe o una festa di compleanno, e colorale ancora e ancora.</translation>
    </message>
    <message>
        <source>Please do not sell the pictures or copy them into other books or programs.</source>
        <translation>Per favore, non vendere i disegni e non copiarli in altri libri o programmi.</translation>
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
        <translation>Scegli la stampante</translation>
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
        <translation>Stampa</translation>
    </message>
    <message>
        <source>There is no printer set up on this computer yet, so the page cannot be printed.

A parent can add a printer in the desktop&apos;s printer settings (often under Settings, then Printers). After that, the book offers it the next time you print, with no need to start it again.</source>
        <translation>Su questo computer non c&apos;è ancora nessuna stampante, quindi la pagina non si può stampare.

Un adulto può aggiungere una stampante nelle impostazioni delle stampanti del desktop (spesso in Impostazioni, poi Stampanti). Dopo, il libro la proporrà la prossima volta che stampi, senza bisogno di riaprirlo.</translation>
    </message>
    <message>
        <source>The printer did not take the page. Please check that it is switched on and has paper, then try again.</source>
        <translation>La stampante non ha preso la pagina. Controlla che sia accesa e che abbia la carta, poi riprova.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>File Save Error</source>
        <translation>Errore di salvataggio</translation>
    </message>
    <message>
        <source>Your coloring page was not saved.</source>
        <translation>Il tuo disegno non è stato salvato.</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot; as it is</extracomment>
        <translation>Immagine bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.png)&quot; as it is</extracomment>
        <translation>Immagine PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Impostazioni non salvate</translation>
    </message>
    <message>
        <source>The book could not save its settings in this file:
%1

The paint colors, names and print choices you change work until the book is closed, but they will be forgotten after that. Check that the file can be written and that the disk is not full.</source>
        <translation>Il libro non è riuscito a salvare le sue impostazioni in questo file:
%1

I colori, i nomi e le scelte di stampa che cambi valgono finché il libro resta aperto, ma poi verranno dimenticati. Controlla che il file si possa scrivere e che il disco non sia pieno.</translation>
    </message>
</context>
<context>
    <name>atoz::ColouringView</name>
    <message>
        <source>Keep this page in my book</source>
        <translation>Tieni questa pagina nel mio libro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the page as a picture file</source>
        <translation>Salva la pagina come immagine</translation>
    </message>
    <message>
        <source>Print the page</source>
        <translation>Stampa la pagina</translation>
    </message>
    <message>
        <source>Take back the last colour</source>
        <translation>Togli l&apos;ultimo colore</translation>
    </message>
    <message>
        <source>Change the colour of the chosen paint</source>
        <translation>Cambia il colore scelto</translation>
    </message>
    <message>
        <source>About this page</source>
        <translation>Informazioni su questa pagina</translation>
    </message>
</context>
<context>
    <name>atoz::ContentsView</name>
    <message>
        <source>Home</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Loading Pages ...</source>
        <translation>Sto caricando le pagine ...</translation>
    </message>
</context>
<context>
    <name>atoz::FolderNames</name>
    <message>
        <source>Copy %1</source>
        <translation>Album %1</translation>
    </message>
    <message>
        <source>Copy %1, %2</source>
        <translation>Album %1, %2</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tuo nome</translation>
    </message>
</context>
<context>
    <name>atoz::HomeView</name>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Click your mouse button on a square to begin.</source>
        <translation>Fai clic su un quadrato per iniziare.</translation>
    </message>
    <message>
        <source>Close the book</source>
        <translation>Chiudi il libro</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Open the first copy of the book</source>
        <translation>Apri il primo album</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Write the children&apos;s names on the copies</source>
        <translation>Scrivi i nomi dei bambini sugli album</translation>
    </message>
    <message>
        <source>Your</source>
        <comment>first line of &quot;Your Name&quot;</comment>
        <translation>Il tuo</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>second line of &quot;Your Name&quot;</comment>
        <translation>nome</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation>Scegli la stampante</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>first line of &quot;Printer Setup&quot;</comment>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>second line of &quot;Printer Setup&quot;</comment>
        <translation>stampa</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Imposta stampa</translation>
    </message>
    <message>
        <source>More coloring books</source>
        <translation>Altri libri da colorare</translation>
    </message>
    <message>
        <source>More</source>
        <comment>first line of &quot;More Books&quot;</comment>
        <translation>Altri</translation>
    </message>
    <message>
        <source>Books</source>
        <comment>second line of &quot;More Books&quot;</comment>
        <translation>libri</translation>
    </message>
    <message>
        <source>More Books</source>
        <translation>Altri libri</translation>
    </message>
    <message>
        <source>About this book</source>
        <translation>Informazioni su questo libro</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source># %1</source>
        <comment>the book&apos;s number, under &quot;Book&quot;</comment>
        <translation>N. %1</translation>
    </message>
</context>
<context>
    <name>atoz::PageSurface</name>
    <message>
        <source>The page: click inside an area to colour it</source>
        <translation>La pagina: fai clic dentro una zona per colorarla</translation>
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
        <translation>Il Vorlane Pattern Maker</translation>
    </message>
    <message>
        <source>All patterns in the Vorlane Coloring Books were created with the Vorlane Pattern Maker by %1.  </source>
        <translation>Tutti i disegni dei Vorlane Coloring Books sono stati creati con il Vorlane Pattern Maker di %1.</translation>
    </message>
</context>
<context>
    <name>atoz::frmBooks</name>
    <message>
        <source>offer hours of fun and creativity</source>
        <translation>offrono ore di divertimento</translation>
    </message>
    <message>
        <source>for young artists.  Each picture may be printed then colored by hand or color each picture using your PC and our paint palette.</source>
        <translation>e creatività ai giovani artisti. Ogni disegno si può stampare e colorare a mano, oppure colorare al computer con la nostra tavolozza.</translation>
    </message>
    <message>
        <source>With Book Themes</source>
        <translation>Con temi</translation>
    </message>
    <message>
        <source>covering animals, automobiles, flowers, planes, </source>
        <translation>come animali, automobili, fiori, aerei, </translation>
    </message>
    <message>
        <source>scenic sites, and wildlife, every young artist&apos;s imagination is sure to come to life.</source>
        <translation>paesaggi e animali selvatici, la fantasia di ogni giovane artista prende vita di sicuro.</translation>
    </message>
    <message>
        <source>Our coloring books make </source>
        <translation>I nostri libri da colorare sono </translation>
    </message>
    <message>
        <source>Great Gifts And Party Prizes</source>
        <translation>ottimi regali e premi per le feste</translation>
    </message>
    <message>
        <source>at an affordable price.</source>
        <translation>a un prezzo conveniente.</translation>
    </message>
    <message>
        <source>Easy to buy, just visit...</source>
        <translation>Facili da comprare, basta visitare...</translation>
    </message>
</context>
<context>
    <name>atoz::frmName</name>
    <message>
        <source>There are 8 copies of the coloring pages.  Add your name to the ones that you color.</source>
        <translation>Ci sono 8 album da colorare. Scrivi il tuo nome su quelli che colori.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name of copy %1</source>
        <translation>Nome dell&apos;album %1</translation>
    </message>
    <message>
        <source>Maximum of 10 Characters</source>
        <translation>Massimo 10 lettere</translation>
    </message>
</context>
<context>
    <name>atoz::frmPaintColor</name>
    <message>
        <source>Mix a colour of your own</source>
        <translation>Mescola un colore tutto tuo</translation>
    </message>
    <message>
        <source>Select Custom Color</source>
        <translation>Scegli un tuo colore</translation>
    </message>
    <message>
        <source>Restore Default Color</source>
        <translation>Colore iniziale</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Restore All Default Colors</source>
        <translation>Tutti i colori iniziali</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Exit Without Changing</source>
        <translation>Esci senza cambiare</translation>
    </message>
</context>
<context>
    <name>atoz::frmPrintQuery</name>
    <message>
        <source>Coloring Page Print</source>
        <translation>Stampa il disegno</translation>
    </message>
    <message>
        <source>Fill Page ?</source>
        <translation>In grande?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Fill Page: Yes</source>
        <translation>In grande: sì</translation>
    </message>
    <message>
        <source>Fill Page: No</source>
        <translation>In grande: no</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Margin: none</source>
        <translation>Margine: nessuno</translation>
    </message>
    <message>
        <source>Margin: a quarter inch</source>
        <translation>Margine: un quarto di pollice</translation>
    </message>
    <message>
        <source>Margin: half an inch</source>
        <translation>Margine: mezzo pollice</translation>
    </message>
    <message>
        <source>Margin: three quarters of an inch</source>
        <translation>Margine: tre quarti di pollice</translation>
    </message>
    <message>
        <source>Margin: one inch</source>
        <translation>Margine: un pollice</translation>
    </message>
    <message>
        <source>Margin: one and a half inches</source>
        <translation>Margine: un pollice e mezzo</translation>
    </message>
    <message>
        <source>Print ?</source>
        <translation>Stampo?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>atoz::frmRezivIdod</name>
    <message>
        <source>Book %1: A to Z</source>
        <translation>Libro %1: dalla A alla Z</translation>
    </message>
    <message>
        <source>A to Z, page %1</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>Dalla A alla Z, pagina %1</translation>
    </message>
</context>
</TS>
