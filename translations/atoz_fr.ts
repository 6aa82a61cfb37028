<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BrowserLink</name>
    <message>
        <source>Open it in my web browser</source>
        <translation>Ouvrir dans mon navigateur</translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Choose a Color</source>
        <translation>Choisis une couleur</translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rouge foncé</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>orange clair</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>jaune clair</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>vert olive</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>vert clair</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>vert foncé</translation>
    </message>
    <message>
        <source>light turquoise</source>
        <translation>turquoise clair</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>turquoise foncé</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>bleu foncé</translation>
    </message>
    <message>
        <source>lilac</source>
        <translation>lilas</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>violet foncé</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>rose clair</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>prune</translation>
    </message>
    <message>
        <source>dark pink</source>
        <translation>rose foncé</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>light brown</source>
        <translation>marron clair</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save Your Coloring Page</source>
        <translation>Enregistrer ton coloriage</translation>
    </message>
</context>
<context>
    <name>FolderStore</name>
    <message>
        <source>File Open Error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
    <message>
        <source>A coloring page could not be read, so it starts blank. Its file is kept as:
%1</source>
        <translation>Un coloriage n&apos;a pas pu être lu, il recommence donc vierge. Son fichier est conservé sous le nom :
%1</translation>
    </message>
    <message>
        <source>Some coloring pages could not be read, so they start blank. Their files are kept as:
%1</source>
        <translation>Des coloriages n&apos;ont pas pu être lus, ils recommencent donc vierges. Leurs fichiers sont conservés sous les noms :
%1</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Copyright © %1 %2
All rights reserved.</source>
        <translation>Copyright © %1 %2
Tous droits réservés.</translation>
    </message>
    <message>
        <source>The Vorlane Pattern Maker is the drawing program we use to make our coloring pages. It turns a big, simple picture into lots of small shapes, each one just right for a young artist to fill with color.

To find out more about our books and programs, come and visit us at %1.</source>
        <translation>Le Vorlane Pattern Maker est le logiciel de dessin avec lequel nous faisons nos coloriages. Il change un grand dessin simple en plein de petites formes, chacune parfaite pour qu&apos;un jeune artiste la remplisse de couleur.

Pour en savoir plus sur nos livres et nos logiciels, viens nous voir sur %1.</translation>
    </message>
    <message>
        <source>Vorlane Coloring Books and the Vorlane Pattern Maker
are trademarks of %1.</source>
        <translation>Vorlane Coloring Books et le Vorlane Pattern Maker
sont des marques de %1.</translation>
    </message>
    <message>
        <source>Every picture in this book is yours to color! Print as many copies as you like for your family, your classroom or a birthday party, and color them again and again.</source>
        <translation>Tous les dessins de ce livre sont à toi, pour les colorier&#xa0;! Imprime-les autant de fois que tu veux pour ta famille, ta classe ou un anniversaire, et colorie-les encore et encore.</translation>
    </message>
    <message>
        <source>Please do not sell the pictures or copy them into other books or programs.</source>
        <translation>Merci de ne pas vendre les dessins et de ne pas les copier dans d&apos;autres livres ou logiciels.</translation>
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
        <translation>Choix de l&apos;imprimante</translation>
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
        <translation>Impression</translation>
    </message>
    <message>
        <source>There is no printer set up on this computer yet, so the page cannot be printed.

A parent can add a printer in the desktop&apos;s printer settings (often under Settings, then Printers). After that, the book offers it the next time you print, with no need to start it again.</source>
        <translation>Il n&apos;y a pas encore d&apos;imprimante sur cet ordinateur, alors la page ne peut pas être imprimée.

Un adulte peut ajouter une imprimante dans les réglages des imprimantes du bureau (souvent dans Paramètres, puis Imprimantes). Ensuite, le livre la proposera la prochaine fois que tu imprimeras, sans avoir besoin de le relancer.</translation>
    </message>
    <message>
        <source>The printer did not take the page. Please check that it is switched on and has paper, then try again.</source>
        <translation>L&apos;imprimante n&apos;a pas pris la page. Vérifie qu&apos;elle est allumée et qu&apos;elle a du papier, puis réessaie.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>File Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Your coloring page was not saved.</source>
        <translation>Ton coloriage n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot; as it is</extracomment>
        <translation>Image bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.png)&quot; as it is</extracomment>
        <translation>Image PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
    <message>
        <source>The book could not save its settings in this file:
%1

The paint colors, names and print choices you change work until the book is closed, but they will be forgotten after that. Check that the file can be written and that the disk is not full.</source>
        <translation>Le livre n&apos;a pas pu enregistrer ses réglages dans ce fichier&#xa0;:
%1

Les couleurs, les noms et les choix d&apos;impression que tu changes marchent jusqu&apos;à ce que le livre soit fermé, mais ils seront oubliés ensuite. Vérifie que le fichier peut être modifié et que le disque n&apos;est pas plein.</translation>
    </message>
</context>
<context>
    <name>atoz::ColouringView</name>
    <message>
        <source>Keep this page in my book</source>
        <translation>Garder cette page dans mon livre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the page as a picture file</source>
        <translation>Enregistrer la page comme image</translation>
    </message>
    <message>
        <source>Print the page</source>
        <translation>Imprimer la page</translation>
    </message>
    <message>
        <source>Take back the last colour</source>
        <translation>Enlever la dernière couleur</translation>
    </message>
    <message>
        <source>Change the colour of the chosen paint</source>
        <translation>Changer la couleur choisie</translation>
    </message>
    <message>
        <source>About this page</source>
        <translation>À propos de cette page</translation>
    </message>
</context>
<context>
    <name>atoz::ContentsView</name>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Loading Pages ...</source>
        <translation>Chargement des pages ...</translation>
    </message>
</context>
<context>
    <name>atoz::FolderNames</name>
    <message>
        <source>Copy %1</source>
        <translation>Cahier %1</translation>
    </message>
    <message>
        <source>Copy %1, %2</source>
        <translation>Cahier %1, %2</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ton nom</translation>
    </message>
</context>
<context>
    <name>atoz::HomeView</name>
    <message>
        <source>Book</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Click your mouse button on a square to begin.</source>
        <translation>Clique sur un carré pour commencer.</translation>
    </message>
    <message>
        <source>Close the book</source>
        <translation>Fermer le livre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Open the first copy of the book</source>
        <translation>Ouvrir le premier cahier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Write the children&apos;s names on the copies</source>
        <translation>Écrire le nom des enfants sur les cahiers</translation>
    </message>
    <message>
        <source>Your</source>
        <comment>first line of &quot;Your Name&quot;</comment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>second line of &quot;Your Name&quot;</comment>
        <translation>nom</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation>Choisir l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>first line of &quot;Printer Setup&quot;</comment>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>second line of &quot;Printer Setup&quot;</comment>
        <translation>imprimante</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Choisir l&apos;imprimante</translation>
    </message>
    <message>
        <source>More coloring books</source>
        <translation>D&apos;autres livres de coloriage</translation>
    </message>
    <message>
        <source>More</source>
        <comment>first line of &quot;More Books&quot;</comment>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Books</source>
        <comment>second line of &quot;More Books&quot;</comment>
        <translation>livres</translation>
    </message>
    <message>
        <source>More Books</source>
        <translation>Autres livres</translation>
    </message>
    <message>
        <source>About this book</source>
        <translation>À propos de ce livre</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source># %1</source>
        <comment>the book&apos;s number, under &quot;Book&quot;</comment>
        <translation>N° %1</translation>
    </message>
</context>
<context>
    <name>atoz::PageSurface</name>
    <message>
        <source>The page: click inside an area to colour it</source>
        <translation>La page&#xa0;: clique dans une zone pour la colorier</translation>
    </message>
</context>
<context>
    <name>atoz::PageThumbnail</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>atoz::frmAbout</name>
    <message>
        <source>The Vorlane Pattern Maker</source>
        <translation>Le Vorlane Pattern Maker</translation>
    </message>
    <message>
        <source>All patterns in the Vorlane Coloring Books were created with the Vorlane Pattern Maker by %1.  </source>
        <translation>Tous les dessins des Vorlane Coloring Books ont été faits avec le Vorlane Pattern Maker de %1.</translation>
    </message>
</context>
<context>
    <name>atoz::frmBooks</name>
    <message>
        <source>offer hours of fun and creativity</source>
        <translation>offrent des heures de plaisir</translation>
    </message>
    <message>
        <source>for young artists.  Each picture may be printed then colored by hand or color each picture using your PC and our paint palette.</source>
        <translation>et de créativité aux jeunes artistes. Chaque dessin peut être imprimé puis colorié à la main, ou colorié sur l&apos;ordinateur avec notre palette de couleurs.</translation>
    </message>
    <message>
        <source>With Book Themes</source>
        <translation>Avec des thèmes</translation>
    </message>
    <message>
        <source>covering animals, automobiles, flowers, planes, </source>
        <translation>comme les animaux, les voitures, les fleurs, les avions, </translation>
    </message>
    <message>
        <source>scenic sites, and wildlife, every young artist&apos;s imagination is sure to come to life.</source>
        <translation>les paysages et la nature sauvage, l&apos;imagination de chaque jeune artiste prend vie à coup sûr.</translation>
    </message>
    <message>
        <source>Our coloring books make </source>
        <translation>Nos livres de coloriage sont de </translation>
    </message>
    <message>
        <source>Great Gifts And Party Prizes</source>
        <translation>super cadeaux et prix de fête</translation>
    </message>
    <message>
        <source>at an affordable price.</source>
        <translation>à un prix abordable.</translation>
    </message>
    <message>
        <source>Easy to buy, just visit...</source>
        <translation>Faciles à acheter, va sur...</translation>
    </message>
</context>
<context>
    <name>atoz::frmName</name>
    <message>
        <source>There are 8 copies of the coloring pages.  Add your name to the ones that you color.</source>
        <translation>Il y a 8 cahiers de coloriage. Écris ton nom sur ceux que tu colories.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name of copy %1</source>
        <translation>Nom du cahier %1</translation>
    </message>
    <message>
        <source>Maximum of 10 Characters</source>
        <translation>10 lettres au plus</translation>
    </message>
</context>
<context>
    <name>atoz::frmPaintColor</name>
    <message>
        <source>Mix a colour of your own</source>
        <translation>Mélange ta propre couleur</translation>
    </message>
    <message>
        <source>Select Custom Color</source>
        <translation>Choisir ma couleur</translation>
    </message>
    <message>
        <source>Restore Default Color</source>
        <translation>Couleur de départ</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Restore All Default Colors</source>
        <translation>Toutes les couleurs de départ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exit Without Changing</source>
        <translation>Sortir sans rien changer</translation>
    </message>
</context>
<context>
    <name>atoz::frmPrintQuery</name>
    <message>
        <source>Coloring Page Print</source>
        <translation>Imprimer le coloriage</translation>
    </message>
    <message>
        <source>Fill Page ?</source>
        <translation>En grand&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Fill Page: Yes</source>
        <translation>En grand&#xa0;: oui</translation>
    </message>
    <message>
        <source>Fill Page: No</source>
        <translation>En grand&#xa0;: non</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Margin: none</source>
        <translation>Marge&#xa0;: aucune</translation>
    </message>
    <message>
        <source>Margin: a quarter inch</source>
        <translation>Marge&#xa0;: un quart de pouce</translation>
    </message>
    <message>
        <source>Margin: half an inch</source>
        <translation>Marge&#xa0;: un demi-pouce</translation>
    </message>
    <message>
        <source>Margin: three quarters of an inch</source>
        <translation>Marge&#xa0;: trois quarts de pouce</translation>
    </message>
    <message>
        <source>Margin: one inch</source>
        <translation>Marge&#xa0;: un pouce</translation>
    </message>
    <message>
        <source>Margin: one and a half inches</source>
        <translation>Marge&#xa0;: un pouce et demi</translation>
    </message>
    <message>
        <source>Print ?</source>
        <translation>Imprimer&#xa0;?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
</context>
<context>
    <name>atoz::frmRezivIdod</name>
    <message>
        <source>Book %1: A to Z</source>
        <translation>Livre %1&#xa0;: de A à Z</translation>
    </message>
    <message>
        <source>A to Z, page %1</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>De A à Z, page %1</translation>
    </message>
</context>
</TS>
