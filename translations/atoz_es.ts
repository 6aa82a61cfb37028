<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BrowserLink</name>
    <message>
        <source>Open it in my web browser</source>
        <translation>Abrir en mi navegador</translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Choose a Color</source>
        <translation>Elige un color</translation>
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
        <translation>rojo</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rojo oscuro</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>naranja claro</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>amarillo claro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>verde oliva</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde claro</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>verde oscuro</translation>
    </message>
    <message>
        <source>light turquoise</source>
        <translation>turquesa claro</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquesa</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>turquesa oscuro</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul claro</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>azul oscuro</translation>
    </message>
    <message>
        <source>lilac</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>morado oscuro</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>rosa claro</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>fucsia</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>ciruela</translation>
    </message>
    <message>
        <source>dark pink</source>
        <translation>rosa oscuro</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris oscuro</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris claro</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>light brown</source>
        <translation>marrón claro</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save Your Coloring Page</source>
        <translation>Guardar tu dibujo</translation>
    </message>
</context>
<context>
    <name>FolderStore</name>
    <message>
        <source>File Open Error</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>A coloring page could not be read, so it starts blank. Its file is kept as:
%1</source>
        <translation>No se ha podido leer un dibujo, así que empieza en blanco. Su archivo se conserva como:
%1</translation>
    </message>
    <message>
        <source>Some coloring pages could not be read, so they start blank. Their files are kept as:
%1</source>
        <translation>No se han podido leer algunos dibujos, así que empiezan en blanco. Sus archivos se conservan como:
%1</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Copyright © %1 %2
All rights reserved.</source>
        <translation>Copyright © %1 %2
Derechos reservados.</translation>
    </message>
    <message>
        <source>The Vorlane Pattern Maker is the drawing program we use to make our coloring pages. It turns a big, simple picture into lots of small shapes, each one just right for a young artist to fill with color.

To find out more about our books and programs, come and visit us at %1.</source>
        <translation>El Vorlane Pattern Maker es el programa de dibujo con el que hacemos nuestros dibujos para colorear. Convierte un dibujo grande y sencillo en muchas formas pequeñas, cada una perfecta para que un pequeño artista la rellene de color.

Para saber más sobre nuestros libros y programas, ven a visitarnos en %1.</translation>
    </message>
    <message>
        <source>Vorlane Coloring Books and the Vorlane Pattern Maker
are trademarks of %1.</source>
        <translation>Vorlane Coloring Books y el Vorlane Pattern Maker
son marcas de %1.</translation>
    </message>
    <message>
        <source>Every picture in this book is yours to color! Print as many copies as you like for your family, your classroom or a birthday party, and color them again and again.</source>
        <translation>¡Todos los dibujos de este libro son tuyos para colorear! Imprime todas las copias que quieras para tu familia, tu clase o una fiesta de cumpleaños, y coloréalas una y otra vez.</translation>
    </message>
    <message>
        <source>Please do not sell the pictures or copy them into other books or programs.</source>
        <translation>Por favor, no vendas los dibujos ni los copies en otros libros o programas.</translation>
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
        <translation>Elegir impresora</translation>
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
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>There is no printer set up on this computer yet, so the page cannot be printed.

A parent can add a printer in the desktop&apos;s printer settings (often under Settings, then Printers). After that, the book offers it the next time you print, with no need to start it again.</source>
        <translation>Todavía no hay ninguna impresora en este ordenador, así que no se puede imprimir la página.

Un adulto puede añadir una impresora en los ajustes de impresoras del escritorio (suele estar en Configuración y luego Impresoras). Después, el libro la ofrecerá la próxima vez que imprimas, sin tener que volver a abrirlo.</translation>
    </message>
    <message>
        <source>The printer did not take the page. Please check that it is switched on and has paper, then try again.</source>
        <translation>La impresora no ha aceptado la página. Comprueba que está encendida y que tiene papel, y vuelve a intentarlo.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>File Save Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Your coloring page was not saved.</source>
        <translation>Tu dibujo no se ha guardado.</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot; as it is</extracomment>
        <translation>Imagen de mapa de bits (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.png)&quot; as it is</extracomment>
        <translation>Imagen PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Ajustes no guardados</translation>
    </message>
    <message>
        <source>The book could not save its settings in this file:
%1

The paint colors, names and print choices you change work until the book is closed, but they will be forgotten after that. Check that the file can be written and that the disk is not full.</source>
        <translation>El libro no ha podido guardar sus ajustes en este archivo:
%1

Los colores, los nombres y las opciones de impresión que cambies funcionarán hasta que se cierre el libro, pero después se olvidarán. Comprueba que se puede escribir en el archivo y que el disco no está lleno.</translation>
    </message>
</context>
<context>
    <name>atoz::ColouringView</name>
    <message>
        <source>Keep this page in my book</source>
        <translation>Guardar esta página en mi libro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the page as a picture file</source>
        <translation>Guardar la página como imagen</translation>
    </message>
    <message>
        <source>Print the page</source>
        <translation>Imprimir la página</translation>
    </message>
    <message>
        <source>Take back the last colour</source>
        <translation>Quitar el último color</translation>
    </message>
    <message>
        <source>Change the colour of the chosen paint</source>
        <translation>Cambiar el color elegido</translation>
    </message>
    <message>
        <source>About this page</source>
        <translation>Acerca de esta página</translation>
    </message>
</context>
<context>
    <name>atoz::ContentsView</name>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Loading Pages ...</source>
        <translation>Cargando las páginas ...</translation>
    </message>
</context>
<context>
    <name>atoz::FolderNames</name>
    <message>
        <source>Copy %1</source>
        <translation>Cuaderno %1</translation>
    </message>
    <message>
        <source>Copy %1, %2</source>
        <translation>Cuaderno %1, %2</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
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
        <translation>Haz clic en un cuadrado para empezar.</translation>
    </message>
    <message>
        <source>Close the book</source>
        <translation>Cerrar el libro</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Open the first copy of the book</source>
        <translation>Abrir el primer cuaderno</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Write the children&apos;s names on the copies</source>
        <translation>Escribir los nombres de los niños en los cuadernos</translation>
    </message>
    <message>
        <source>Your</source>
        <comment>first line of &quot;Your Name&quot;</comment>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>second line of &quot;Your Name&quot;</comment>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation>Elegir la impresora</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>first line of &quot;Printer Setup&quot;</comment>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>second line of &quot;Printer Setup&quot;</comment>
        <translation>impresora</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Elegir impresora</translation>
    </message>
    <message>
        <source>More coloring books</source>
        <translation>Más libros para colorear</translation>
    </message>
    <message>
        <source>More</source>
        <comment>first line of &quot;More Books&quot;</comment>
        <translation>Más</translation>
    </message>
    <message>
        <source>Books</source>
        <comment>second line of &quot;More Books&quot;</comment>
        <translation>libros</translation>
    </message>
    <message>
        <source>More Books</source>
        <translation>Más libros</translation>
    </message>
    <message>
        <source>About this book</source>
        <translation>Acerca de este libro</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source># %1</source>
        <comment>the book&apos;s number, under &quot;Book&quot;</comment>
        <translation>N.º %1</translation>
    </message>
</context>
<context>
    <name>atoz::PageSurface</name>
    <message>
        <source>The page: click inside an area to colour it</source>
        <translation>La página: haz clic dentro de una zona para colorearla</translation>
    </message>
</context>
<context>
    <name>atoz::PageThumbnail</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>atoz::frmAbout</name>
    <message>
        <source>The Vorlane Pattern Maker</source>
        <translation>El Vorlane Pattern Maker</translation>
    </message>
    <message>
        <source>All patterns in the Vorlane Coloring Books were created with the Vorlane Pattern Maker by %1.  </source>
        <translation>Todos los dibujos de los Vorlane Coloring Books se han hecho con el Vorlane Pattern Maker de %1.</translation>
    </message>
</context>
<context>
    <name>atoz::frmBooks</name>
    <message>
        <source>offer hours of fun and creativity</source>
        <translation>ofrecen horas de diversión</translation>
    </message>
    <message>
        <source>for young artists.  Each picture may be printed then colored by hand or color each picture using your PC and our paint palette.</source>
        <translation>y creatividad a los pequeños artistas. Cada dibujo se puede imprimir y colorear a mano, o colorear en el ordenador con nuestra paleta de pinturas.</translation>
    </message>
    <message>
        <source>With Book Themes</source>
        <translation>Con temas</translation>
    </message>
    <message>
        <source>covering animals, automobiles, flowers, planes, </source>
        <translation>como animales, coches, flores, aviones, </translation>
    </message>
    <message>
        <source>scenic sites, and wildlife, every young artist&apos;s imagination is sure to come to life.</source>
        <translation>paisajes y animales salvajes, la imaginación de cada pequeño artista cobra vida seguro.</translation>
    </message>
    <message>
        <source>Our coloring books make </source>
        <translation>Nuestros libros para colorear son </translation>
    </message>
    <message>
        <source>Great Gifts And Party Prizes</source>
        <translation>geniales regalos y premios de fiesta</translation>
    </message>
    <message>
        <source>at an affordable price.</source>
        <translation>a un precio asequible.</translation>
    </message>
    <message>
        <source>Easy to buy, just visit...</source>
        <translation>Fáciles de comprar, visita...</translation>
    </message>
</context>
<context>
    <name>atoz::frmName</name>
    <message>
        <source>There are 8 copies of the coloring pages.  Add your name to the ones that you color.</source>
        <translation>Hay 8 cuadernos para colorear. Escribe tu nombre en los que colorees.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name of copy %1</source>
        <translation>Nombre del cuaderno %1</translation>
    </message>
    <message>
        <source>Maximum of 10 Characters</source>
        <translation>Máximo 10 letras</translation>
    </message>
</context>
<context>
    <name>atoz::frmPaintColor</name>
    <message>
        <source>Mix a colour of your own</source>
        <translation>Mezcla tu propio color</translation>
    </message>
    <message>
        <source>Select Custom Color</source>
        <translation>Elegir mi color</translation>
    </message>
    <message>
        <source>Restore Default Color</source>
        <translation>Color del principio</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Restore All Default Colors</source>
        <translation>Todos los colores del principio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exit Without Changing</source>
        <translation>Salir sin cambiar</translation>
    </message>
</context>
<context>
    <name>atoz::frmPrintQuery</name>
    <message>
        <source>Coloring Page Print</source>
        <translation>Imprimir el dibujo</translation>
    </message>
    <message>
        <source>Fill Page ?</source>
        <translation>¿En grande?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Fill Page: Yes</source>
        <translation>En grande: sí</translation>
    </message>
    <message>
        <source>Fill Page: No</source>
        <translation>En grande: no</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <source>Margin: none</source>
        <translation>Margen: ninguno</translation>
    </message>
    <message>
        <source>Margin: a quarter inch</source>
        <translation>Margen: un cuarto de pulgada</translation>
    </message>
    <message>
        <source>Margin: half an inch</source>
        <translation>Margen: media pulgada</translation>
    </message>
    <message>
        <source>Margin: three quarters of an inch</source>
        <translation>Margen: tres cuartos de pulgada</translation>
    </message>
    <message>
        <source>Margin: one inch</source>
        <translation>Margen: una pulgada</translation>
    </message>
    <message>
        <source>Margin: one and a half inches</source>
        <translation>Margen: pulgada y media</translation>
    </message>
    <message>
        <source>Print ?</source>
        <translation>¿Imprimir?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
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
        <translation>Libro %1: de la A a la Z</translation>
    </message>
    <message>
        <source>A to Z, page %1</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>De la A a la Z, página %1</translation>
    </message>
</context>
</TS>
