<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>BrowserLink</name>
    <message>
        <source>Open it in my web browser</source>
        <translation>Abrir no meu navegador</translation>
    </message>
</context>
<context>
    <name>ColourDialog</name>
    <message>
        <source>Choose a Color</source>
        <translation>Escolhe uma cor</translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>pink</source>
        <translation>cor-de-rosa</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>vermelho-escuro</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>laranja-claro</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>castanho</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>amarelo-claro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>verde-azeitona</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde-claro</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>verde-escuro</translation>
    </message>
    <message>
        <source>light turquoise</source>
        <translation>turquesa-claro</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquesa</translation>
    </message>
    <message>
        <source>dark turquoise</source>
        <translation>turquesa-escuro</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul-claro</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>azul-escuro</translation>
    </message>
    <message>
        <source>lilac</source>
        <translation>lilás</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>roxo</translation>
    </message>
    <message>
        <source>dark purple</source>
        <translation>roxo-escuro</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>rosa-claro</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>fúcsia</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>ameixa</translation>
    </message>
    <message>
        <source>dark pink</source>
        <translation>rosa-escuro</translation>
    </message>
    <message>
        <source>black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>cinzento-escuro</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>cinzento-claro</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>cinzento</translation>
    </message>
    <message>
        <source>light brown</source>
        <translation>castanho-claro</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Save Your Coloring Page</source>
        <translation>Guardar o teu desenho</translation>
    </message>
</context>
<context>
    <name>FolderStore</name>
    <message>
        <source>File Open Error</source>
        <translation>Erro ao abrir</translation>
    </message>
    <message>
        <source>A coloring page could not be read, so it starts blank. Its file is kept as:
%1</source>
        <translation>Não foi possível ler um desenho, por isso começa em branco. O seu ficheiro foi guardado como:
%1</translation>
    </message>
    <message>
        <source>Some coloring pages could not be read, so they start blank. Their files are kept as:
%1</source>
        <translation>Não foi possível ler alguns desenhos, por isso começam em branco. Os seus ficheiros foram guardados como:
%1</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>Copyright © %1 %2
All rights reserved.</source>
        <translation>Copyright © %1 %2
Direitos reservados.</translation>
    </message>
    <message>
        <source>The Vorlane Pattern Maker is the drawing program we use to make our coloring pages. It turns a big, simple picture into lots of small shapes, each one just right for a young artist to fill with color.

To find out more about our books and programs, come and visit us at %1.</source>
        <translation>O Vorlane Pattern Maker é o programa de desenho que usamos para fazer os nossos desenhos para pintar. Transforma um desenho grande e simples em muitas formas pequeninas, cada uma mesmo à medida para um pequeno artista pintar.

Para saberes mais sobre os nossos livros e programas, vem visitar-nos em %1.</translation>
    </message>
    <message>
        <source>Vorlane Coloring Books and the Vorlane Pattern Maker
are trademarks of %1.</source>
        <translation>Vorlane Coloring Books e o Vorlane Pattern Maker
são marcas da %1.</translation>
    </message>
    <message>
        <source>Every picture in this book is yours to color! Print as many copies as you like for your family, your classroom or a birthday party, and color them again and again.</source>
        <translation>Todos os desenhos deste livro são teus para pintar! Imprime quantas cópias quiseres para a tua família, a tua turma ou uma festa de anos, e pinta-os vezes sem conta.</translation>
    </message>
    <message>
        <source>Please do not sell the pictures or copy them into other books or programs.</source>
        <translation>Por favor, não vendas os desenhos nem os copies para outros livros ou programas.</translation>
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
        <translation>Escolher a impressora</translation>
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
        <translation>Ainda não há nenhuma impressora neste computador, por isso a página não pode ser impressa.

Um adulto pode adicionar uma impressora nas definições de impressoras do computador (muitas vezes em Definições e depois Impressoras). Depois disso, o livro mostra-a da próxima vez que imprimires, sem ser preciso abri-lo de novo.</translation>
    </message>
    <message>
        <source>The printer did not take the page. Please check that it is switched on and has paper, then try again.</source>
        <translation>A impressora não aceitou a página. Vê se está ligada e se tem papel, e depois tenta outra vez.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>File Save Error</source>
        <translation>Erro ao guardar</translation>
    </message>
    <message>
        <source>Your coloring page was not saved.</source>
        <translation>O teu desenho não foi guardado.</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot; as it is</extracomment>
        <translation>Imagem bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.png)&quot; as it is</extracomment>
        <translation>Imagem PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Not Saved</source>
        <translation>Definições não guardadas</translation>
    </message>
    <message>
        <source>The book could not save its settings in this file:
%1

The paint colors, names and print choices you change work until the book is closed, but they will be forgotten after that. Check that the file can be written and that the disk is not full.</source>
        <translation>O livro não conseguiu guardar as definições neste ficheiro:
%1

As cores, os nomes e as opções de impressão que mudares funcionam até o livro ser fechado, mas depois disso são esquecidos. Verifica se o ficheiro pode ser alterado e se o disco não está cheio.</translation>
    </message>
</context>
<context>
    <name>atoz::ColouringView</name>
    <message>
        <source>Keep this page in my book</source>
        <translation>Guardar esta página no meu livro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save the page as a picture file</source>
        <translation>Guardar a página como imagem</translation>
    </message>
    <message>
        <source>Print the page</source>
        <translation>Imprimir a página</translation>
    </message>
    <message>
        <source>Take back the last colour</source>
        <translation>Tirar a última cor</translation>
    </message>
    <message>
        <source>Change the colour of the chosen paint</source>
        <translation>Mudar a cor escolhida</translation>
    </message>
    <message>
        <source>About this page</source>
        <translation>Sobre esta página</translation>
    </message>
</context>
<context>
    <name>atoz::ContentsView</name>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Loading Pages ...</source>
        <translation>A carregar as páginas ...</translation>
    </message>
</context>
<context>
    <name>atoz::FolderNames</name>
    <message>
        <source>Copy %1</source>
        <translation>Caderno %1</translation>
    </message>
    <message>
        <source>Copy %1, %2</source>
        <translation>Caderno %1, %2</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>O teu nome</translation>
    </message>
</context>
<context>
    <name>atoz::HomeView</name>
    <message>
        <source>Book</source>
        <translation>Livro</translation>
    </message>
    <message>
        <source>Click your mouse button on a square to begin.</source>
        <translation>Clica num quadrado para começar.</translation>
    </message>
    <message>
        <source>Close the book</source>
        <translation>Fechar o livro</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Open the first copy of the book</source>
        <translation>Abrir o primeiro caderno</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Write the children&apos;s names on the copies</source>
        <translation>Escrever os nomes das crianças nos cadernos</translation>
    </message>
    <message>
        <source>Your</source>
        <comment>first line of &quot;Your Name&quot;</comment>
        <translation>O teu</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>second line of &quot;Your Name&quot;</comment>
        <translation>nome</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>O teu nome</translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation>Escolher a impressora</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>first line of &quot;Printer Setup&quot;</comment>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>second line of &quot;Printer Setup&quot;</comment>
        <translation>impressora</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Escolher impressora</translation>
    </message>
    <message>
        <source>More coloring books</source>
        <translation>Mais livros para pintar</translation>
    </message>
    <message>
        <source>More</source>
        <comment>first line of &quot;More Books&quot;</comment>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Books</source>
        <comment>second line of &quot;More Books&quot;</comment>
        <translation>livros</translation>
    </message>
    <message>
        <source>More Books</source>
        <translation>Mais livros</translation>
    </message>
    <message>
        <source>About this book</source>
        <translation>Sobre este livro</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>A página: clica dentro de uma zona para a pintar</translation>
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
        <translation>O Vorlane Pattern Maker</translation>
    </message>
    <message>
        <source>All patterns in the Vorlane Coloring Books were created with the Vorlane Pattern Maker by %1.  </source>
        <translation>Todos os desenhos dos Vorlane Coloring Books foram feitos com o Vorlane Pattern Maker da %1.</translation>
    </message>
</context>
<context>
    <name>atoz::frmBooks</name>
    <message>
        <source>offer hours of fun and creativity</source>
        <translation>dão horas de diversão</translation>
    </message>
    <message>
        <source>for young artists.  Each picture may be printed then colored by hand or color each picture using your PC and our paint palette.</source>
        <translation>e criatividade aos jovens artistas. Cada desenho pode ser impresso e pintado à mão, ou pintado no computador com a nossa paleta de cores.</translation>
    </message>
    <message>
        <source>With Book Themes</source>
        <translation>Com temas</translation>
    </message>
    <message>
        <source>covering animals, automobiles, flowers, planes, </source>
        <translation>como animais, carros, flores, aviões, </translation>
    </message>
    <message>
        <source>scenic sites, and wildlife, every young artist&apos;s imagination is sure to come to life.</source>
        <translation>paisagens e animais selvagens, a imaginação de cada jovem artista ganha vida, de certeza.</translation>
    </message>
    <message>
        <source>Our coloring books make </source>
        <translation>Os nossos livros para pintar são </translation>
    </message>
    <message>
        <source>Great Gifts And Party Prizes</source>
        <translation>ótimas prendas e prémios de festa</translation>
    </message>
    <message>
        <source>at an affordable price.</source>
        <translation>a um preço acessível.</translation>
    </message>
    <message>
        <source>Easy to buy, just visit...</source>
        <translation>Fáceis de comprar, basta visitar...</translation>
    </message>
</context>
<context>
    <name>atoz::frmName</name>
    <message>
        <source>There are 8 copies of the coloring pages.  Add your name to the ones that you color.</source>
        <translation>Há 8 cadernos para pintar. Escreve o teu nome nos que pintares.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name of copy %1</source>
        <translation>Nome do caderno %1</translation>
    </message>
    <message>
        <source>Maximum of 10 Characters</source>
        <translation>No máximo 10 letras</translation>
    </message>
</context>
<context>
    <name>atoz::frmPaintColor</name>
    <message>
        <source>Mix a colour of your own</source>
        <translation>Mistura uma cor só tua</translation>
    </message>
    <message>
        <source>Select Custom Color</source>
        <translation>Escolher a minha cor</translation>
    </message>
    <message>
        <source>Restore Default Color</source>
        <translation>Cor do início</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Restore All Default Colors</source>
        <translation>Todas as cores do início</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exit Without Changing</source>
        <translation>Sair sem mudar</translation>
    </message>
</context>
<context>
    <name>atoz::frmPrintQuery</name>
    <message>
        <source>Coloring Page Print</source>
        <translation>Imprimir o desenho</translation>
    </message>
    <message>
        <source>Fill Page ?</source>
        <translation>Em grande?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Fill Page: Yes</source>
        <translation>Em grande: sim</translation>
    </message>
    <message>
        <source>Fill Page: No</source>
        <translation>Em grande: não</translation>
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
        <translation>Margens</translation>
    </message>
    <message>
        <source>Margin: none</source>
        <translation>Margem: nenhuma</translation>
    </message>
    <message>
        <source>Margin: a quarter inch</source>
        <translation>Margem: um quarto de polegada</translation>
    </message>
    <message>
        <source>Margin: half an inch</source>
        <translation>Margem: meia polegada</translation>
    </message>
    <message>
        <source>Margin: three quarters of an inch</source>
        <translation>Margem: três quartos de polegada</translation>
    </message>
    <message>
        <source>Margin: one inch</source>
        <translation>Margem: uma polegada</translation>
    </message>
    <message>
        <source>Margin: one and a half inches</source>
        <translation>Margem: uma polegada e meia</translation>
    </message>
    <message>
        <source>Print ?</source>
        <translation>Imprimir?</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NÃO</translation>
    </message>
</context>
<context>
    <name>atoz::frmRezivIdod</name>
    <message>
        <source>Book %1: A to Z</source>
        <translation>Livro %1: de A a Z</translation>
    </message>
    <message>
        <source>A to Z, page %1</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>De A a Z, página %1</translation>
    </message>
</context>
</TS>
