<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BookLimits</name>
    <message>
        <source>Cannot open &quot;%1&quot;: saved, the book would take %2, more than the %3 a book may take.</source>
        <translation>No se puede abrir «%1»: guardado, el libro ocuparía %2, más de los %3 que puede ocupar un libro.</translation>
    </message>
    <message>
        <source>%1: section %2 has more than %3 choices, the most a section may have.</source>
        <translation>%1: la sección %2 tiene más de %3 opciones, el máximo para una sección.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is larger than %2, the most a book may take.</source>
        <translation>No se puede abrir «%1»: el archivo ocupa más de %2, el máximo para un libro.</translation>
    </message>
    <message>
        <source>This change would make the book take more than the %1 a book may take. Nothing was changed.</source>
        <translation>Este cambio haría que el libro ocupara más de los %1 que puede ocupar un libro. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Section %1 already has %2 choices, the most a section may have.</source>
        <translation>La sección %1 ya tiene %2 opciones, el máximo para una sección.</translation>
    </message>
</context>
<context>
    <name>BrindleCli</name>
    <message>
        <source>no command given</source>
        <translation>no se ha dado ninguna orden</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>the zoom must be a percentage from 10 to 100</source>
        <translation>el zoom debe ser un porcentaje de 10 a 100</translation>
    </message>
    <message>
        <source>--page-size and --margin are for the pdf format only</source>
        <translation>--page-size y --margin son solo para el formato pdf</translation>
    </message>
    <message>
        <source>Usage:
  brindle export BOOK.brindle --format FORMAT -o OUTPUT [--force]
               [--page-size SIZE] [--margin MM]
      Writes the book as the desktop program&apos;s Export Book does. FORMAT is one of
      txt, rtf, html, xml, json, choicescript, epub, pdf, twee, or html-pages for one
      page per section in the folder OUTPUT, which must be empty unless --force is
      given.
      A PDF&apos;s pages are a4 (the default), a5, letter or 6x9 (inches), with margins
      of MM millimetres (5 to 40, default 20).
  brindle import STORY.twee|STORY.html -o BOOK.brindle [--story NAME|IFID] [--force]
      Makes a book of a Twine story: Twee 3, or Twine 2&apos;s published HTML or
      archive, where --story names the story, or gives its IFID, when there are
      several. An existing BOOK.brindle is replaced only when --force is given.
  brindle graph BOOK.brindle -o IMAGE [--zoom PERCENT]
      Draws the flowchart into IMAGE (.png, .bmp, .jpg or .gif) at PERCENT
      (10 to 100, default 100).
  brindle check BOOK.brindle [--json]
      Lists what to look at before publishing: sections that section 1 never
      leads to, empty slots, choices to empty slots, sections without text and
      repeated choices, and the endings to confirm. Exits with 0 when nothing is
      wrong, 1 when something is, 2 when the book cannot be read.
  brindle stats BOOK.brindle [--json]
      Counts sections, choices, hidden choices and words, and the shortest and
      longest way from section 1 to an ending.
  brindle --help
</source>
        <translation>Uso:
  brindle export BOOK.brindle --format FORMAT -o OUTPUT [--force]
               [--page-size SIZE] [--margin MM]
      Escribe el libro como lo hace «Exportar libro» en el programa. FORMAT es uno de
      txt, rtf, html, xml, json, choicescript, epub, pdf, twee, o html-pages para una
      página por sección en la carpeta OUTPUT, que debe estar vacía salvo con --force.
      Las páginas de un PDF son a4 (predeterminado), a5, letter o 6x9 (pulgadas), con
      márgenes de MM milímetros (de 5 a 40, 20 por defecto).
  brindle import STORY.twee|STORY.html -o BOOK.brindle [--story NAME|IFID] [--force]
      Hace un libro de una historia de Twine: Twee 3, o el HTML publicado o el archivo
      de Twine 2; --story nombra la historia, o da su IFID, cuando hay varias. Un
      BOOK.brindle existente solo se reemplaza con --force.
  brindle graph BOOK.brindle -o IMAGE [--zoom PERCENT]
      Dibuja el diagrama de flujo en IMAGE (.png, .bmp, .jpg o .gif) al PERCENT
      (de 10 a 100, 100 por defecto).
  brindle check BOOK.brindle [--json]
      Enumera lo que conviene mirar antes de publicar: secciones a las que ningún
      camino desde la sección 1 llega, huecos vacíos, opciones hacia huecos vacíos,
      secciones sin texto y opciones repetidas, y los finales por confirmar. Termina
      con 0 si nada está mal, 1 si algo lo está, 2 si el libro no se puede leer.
  brindle stats BOOK.brindle [--json]
      Cuenta secciones, opciones, opciones ocultas y palabras, y el camino más corto
      y el más largo de la sección 1 a un final.
  brindle --help
</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: no es una carpeta</translation>
    </message>
    <message>
        <source>%1: the folder is not empty; give --force to write into it</source>
        <translation>%1: la carpeta no está vacía; añada --force para escribir en ella</translation>
    </message>
    <message>
        <source>%1 of %2 pages written</source>
        <translation>%1 de %2 páginas escritas</translation>
    </message>
    <message>
        <source>unknown page size &quot;%1&quot;; use a4, a5, letter or 6x9</source>
        <translation>tamaño de página desconocido «%1»; use a4, a5, letter o 6x9</translation>
    </message>
    <message>
        <source>%1 of %2 sections laid out</source>
        <translation>%1 de %2 secciones compuestas</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use txt, rtf, html, xml, json, choicescript, epub, pdf, twee or html-pages</source>
        <translation>formato desconocido «%1»; use txt, rtf, html, xml, json, choicescript, epub, pdf, twee o html-pages</translation>
    </message>
    <message>
        <source>cannot tell the image type of &quot;%1&quot;; name a .png, .bmp, .jpg or .gif file</source>
        <translation>no se sabe el tipo de imagen de «%1»; nombre un archivo .png, .bmp, .jpg o .gif</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>the file holds %1 stories named &quot;%2&quot;; name one by its IFID: %3</source>
        <translation>el archivo contiene %1 historias llamadas «%2»; nombre una por su IFID: %3</translation>
    </message>
    <message>
        <source>the file holds %1 stories, %2; name one with --story NAME or --story IFID</source>
        <translation>el archivo contiene %1 historias, %2; nombre una con --story NAME o --story IFID</translation>
    </message>
    <message>
        <source>the file has no story &quot;%1&quot;, only %2</source>
        <translation>el archivo no tiene ninguna historia «%1», solo %2</translation>
    </message>
    <message>
        <source>%1: the file exists; give --force to replace it</source>
        <translation>%1: el archivo existe; añada --force para reemplazarlo</translation>
    </message>
    <message>
        <source>%1: the book would replace the story it is made from; name another file</source>
        <translation>%1: el libro reemplazaría la historia de la que sale; nombre otro archivo</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>Sections that no path from section 1 reaches</source>
        <translation>Secciones a las que ningún camino desde la sección 1 llega</translation>
    </message>
    <message>
        <source>Empty slots</source>
        <translation>Huecos vacíos</translation>
    </message>
    <message>
        <source>Choices to empty slots</source>
        <translation>Opciones hacia huecos vacíos</translation>
    </message>
    <message>
        <source>Sections without text</source>
        <translation>Secciones sin texto</translation>
    </message>
    <message>
        <source>Repeated choices to the same destination</source>
        <translation>Opciones repetidas hacia el mismo destino</translation>
    </message>
    <message>
        <source>Endings to confirm (sections without choices)</source>
        <translation>Finales por confirmar (secciones sin opciones)</translation>
    </message>
    <message>
        <source>Problems found.</source>
        <translation>Se han encontrado problemas.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>No se han encontrado problemas.</translation>
    </message>
    <message numerus="yes">
        <source>%n choice(s)</source>
        <translation>
            <numerusform>%n opción</numerusform>
            <numerusform>%n opciones</numerusform>
        </translation>
    </message>
    <message>
        <source>no ending is reached</source>
        <translation>no se llega a ningún final</translation>
    </message>
    <message>
        <source>Sections: %1</source>
        <translation>Secciones: %1</translation>
    </message>
    <message>
        <source>Choices: %1</source>
        <translation>Opciones: %1</translation>
    </message>
    <message>
        <source>Hidden choices: %1</source>
        <translation>Opciones ocultas: %1</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Palabras: %1</translation>
    </message>
    <message>
        <source>Shortest path from section 1 to an ending</source>
        <translation>Camino más corto de la sección 1 a un final</translation>
    </message>
    <message>
        <source>Longest path from section 1 to an ending</source>
        <translation>Camino más largo de la sección 1 a un final</translation>
    </message>
    <message>
        <source>, not going round a loop</source>
        <translation>, sin dar vueltas en un bucle</translation>
    </message>
    <message>
        <source>the results could not be written</source>
        <translation>no se han podido escribir los resultados</translation>
    </message>
    <message>
        <source>an unexpected error occurred</source>
        <translation>se ha producido un error inesperado</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>(%n choices)</source>
        <translation>
            <numerusform>(%n opción)</numerusform>
            <numerusform>(%n opciones)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>*hidden* %1</source>
        <translation>*oculta* %1</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>No se puede crear el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot export over the book itself: &quot;%1&quot;.</source>
        <translation>No se puede exportar encima del propio libro: «%1».</translation>
    </message>
</context>
<context>
    <name>FileHandling</name>
    <message>
        <source>Cannot open file &quot;%1&quot;: there is no such file</source>
        <translation>No se puede abrir el archivo «%1»: no existe</translation>
    </message>
</context>
<context>
    <name>FlowchartGraph</name>
    <message>
        <source>The flowchart could not be laid out.</source>
        <translation>No se ha podido disponer el diagrama de flujo.</translation>
    </message>
</context>
<context>
    <name>FlowchartImage</name>
    <message>
        <source>The flowchart could not be saved as %1: %2</source>
        <translation>No se ha podido guardar el diagrama de flujo como %1: %2</translation>
    </message>
    <message>
        <source>Unknown type</source>
        <translation>Tipo desconocido</translation>
    </message>
    <message>
        <source>The flowchart image of %1 by %2 pixels is too large to make. Zoom out and export it again.</source>
        <translation>Una imagen del diagrama de %1 × %2 píxeles es demasiado grande. Aleje el zoom y vuelva a exportar.</translation>
    </message>
</context>
<context>
    <name>GifWriter</name>
    <message>
        <source>The GIF image could not be written: %1</source>
        <translation>No se ha podido escribir la imagen GIF: %1</translation>
    </message>
    <message>
        <source>A GIF image can be at most %1 pixels wide and high. Zoom out and export it again.</source>
        <translation>Una imagen GIF puede medir como mucho %1 píxeles de ancho y de alto. Aleje el zoom y vuelva a exportar.</translation>
    </message>
</context>
<context>
    <name>GraphCore</name>
    <message>
        <source>Section not found</source>
        <translation>Sección no encontrada</translation>
    </message>
    <message>
        <source>Choice not found</source>
        <translation>Opción no encontrada</translation>
    </message>
    <message>
        <source>Could not add choice</source>
        <translation>No se ha podido añadir la opción</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Cannot import &quot;%1&quot;, line %2: %3</source>
        <translation>No se puede importar «%1», línea %2: %3</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation>No se puede importar «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <translation>«%1», línea %2: %3</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; has more than %2 links; a section may have at most %2 choices</source>
        <translation>el pasaje «%1» tiene más de %2 enlaces; una sección puede tener como mucho %2 opciones</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; goes on through macros that name the passage by code, not by a plain name; they make no choices</source>
        <translation>el pasaje «%1» continúa mediante macros que nombran el pasaje con código, no con un nombre simple; no dan ninguna opción</translation>
    </message>
    <message>
        <source>the metadata of passage &quot;%1&quot; is not JSON (%2); it is left out</source>
        <translation>los metadatos del pasaje «%1» no son JSON (%2); se omiten</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; was changed since it was exported; its links are read as Twine reads them</source>
        <translation>el pasaje «%1» se modificó después de exportarse; sus enlaces se leen como los lee Twine</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; is not JSON (%2); the passages are read as Twine reads them</source>
        <translation>el pasaje «%1» no es JSON (%2); los pasajes se leen como los lee Twine</translation>
    </message>
    <message>
        <source>the story makes a book of more than %1, the most a book may take</source>
        <translation>la historia daría un libro de más de %1, el máximo para un libro</translation>
    </message>
    <message>
        <source>the story needs %1 sections; a book holds at most %2</source>
        <translation>la historia necesita %1 secciones; un libro admite como mucho %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag; the book takes %2</source>
        <translation>«%1» no es una etiqueta de idioma; el libro toma %2</translation>
    </message>
    <message>
        <source>section 1 is the start passage &quot;%1&quot;, so passage &quot;1&quot; becomes section %2</source>
        <translation>la sección 1 es el pasaje inicial «%1», así que el pasaje «1» pasa a ser la sección %2</translation>
    </message>
    <message>
        <source>there is no passage &quot;%1&quot;; section %2 is made for the links to it, empty</source>
        <translation>no hay ningún pasaje «%1»; se crea vacía la sección %2 para los enlaces que llevan a él</translation>
    </message>
    <message>
        <source>the StoryData is not JSON (%1); it is left out</source>
        <translation>los StoryData no son JSON (%1); se omiten</translation>
    </message>
    <message>
        <source>the tags of passage &quot;%1&quot; are not closed with &quot;]&quot;</source>
        <translation>las etiquetas del pasaje «%1» no se cierran con «]»</translation>
    </message>
    <message>
        <source>%1 appears again; the later one is left out</source>
        <translation>%1 aparece de nuevo; el segundo se omite</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; is the story&apos;s script or style sheet; it is left out</source>
        <translation>el pasaje «%1» es el script o la hoja de estilo de la historia; se omite</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; appears again; the later one is left out</source>
        <translation>el pasaje «%1» aparece de nuevo; el segundo se omite</translation>
    </message>
    <message numerus="yes">
        <source>%n characters that no book can hold, such as NUL, are each replaced by U+FFFD</source>
        <translation>
            <numerusform>%n carácter que ningún libro puede contener, como NUL, se sustituye por U+FFFD</numerusform>
            <numerusform>%n caracteres que ningún libro puede contener, como NUL, se sustituyen cada uno por U+FFFD</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no Twine story in it (no &lt;tw-storydata&gt; element)</source>
        <translation>no contiene ninguna historia de Twine (ningún elemento &lt;tw-storydata&gt;)</translation>
    </message>
    <message>
        <source>there is no Twee passage in it (no line starting with &quot;::&quot;)</source>
        <translation>no contiene ningún pasaje de Twee (ninguna línea que empiece por «::»)</translation>
    </message>
    <message>
        <source>story &quot;%1&quot; has no passages</source>
        <translation>la historia «%1» no tiene pasajes</translation>
    </message>
</context>
<context>
    <name>Outline</name>
    <message>
        <source>%1 &lt;Empty&gt;</source>
        <translation>%1 &lt;Vacía&gt;</translation>
    </message>
</context>
<context>
    <name>PageSetup</name>
    <message>
        <source>The margin must be from %1 to %2 mm.</source>
        <translation>El margen debe estar entre %1 y %2 mm.</translation>
    </message>
</context>
<context>
    <name>PdfLinks</name>
    <message>
        <source>The PDF could not be given its links: %1.</source>
        <translation>No se han podido añadir los enlaces al PDF: %1.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Section %1 was removed from the book, so the path ends before it.</source>
        <translation>La sección %1 se ha quitado del libro, así que el camino termina antes de ella.</translation>
    </message>
</context>
<context>
    <name>PlayController</name>
    <message>
        <source>The choice is not one of the section being played</source>
        <translation>La opción no es de la sección que se está jugando</translation>
    </message>
</context>
<context>
    <name>PngWriter</name>
    <message>
        <source>The PNG image could not be written: %1</source>
        <translation>No se ha podido escribir la imagen PNG: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>No path from section 1 reaches section %1</source>
        <translation>Ningún camino desde la sección 1 llega a la sección %1</translation>
    </message>
    <message>
        <source>Section %1 is an empty slot</source>
        <translation>La sección %1 es un hueco vacío</translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choice(s) to the empty slot %2</source>
        <translation>
            <numerusform>La sección %1 tiene %n opción hacia el hueco vacío %2</numerusform>
            <numerusform>La sección %1 tiene %n opciones hacia el hueco vacío %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Section %1 has no text</source>
        <translation>La sección %1 no tiene texto</translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choices to section %2</source>
        <translation>
            <numerusform>La sección %1 tiene %n opción hacia la sección %2</numerusform>
            <numerusform>La sección %1 tiene %n opciones hacia la sección %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Section %1 is an ending: confirm that it should be</source>
        <translation>La sección %1 es un final: confirme que debe serlo</translation>
    </message>
</context>
<context>
    <name>PropertyGrid</name>
    <message>
        <source>Don&apos;t know what to do with this property</source>
        <translation>No se sabe qué hacer con esta propiedad</translation>
    </message>
</context>
<context>
    <name>SearchPattern</name>
    <message>
        <source>The regular expression cannot be read at character %1: %2</source>
        <translation>No se puede leer la expresión regular en el carácter %1: %2</translation>
    </message>
    <message>
        <source>The regular expression takes too long to search with: %1</source>
        <translation>Buscar con la expresión regular lleva demasiado tiempo: %1</translation>
    </message>
</context>
<context>
    <name>SectionNumbers</name>
    <message>
        <source>Section number must be between 1 and %1</source>
        <translation>El número de sección debe estar entre 1 y %1</translation>
    </message>
</context>
<context>
    <name>SectionSelection</name>
    <message>
        <source>There is no section %1 in this book.</source>
        <translation>Este libro no tiene la sección %1.</translation>
    </message>
</context>
<context>
    <name>SectionView</name>
    <message>
        <source>Empty Section</source>
        <translation>Sección vacía</translation>
    </message>
</context>
<context>
    <name>SpellCheck</name>
    <message>
        <source>No spelling dictionary for the language &quot;%1&quot; is installed, so spelling is not checked. Install a Hunspell dictionary for it, such as one of Debian&apos;s hunspell packages.</source>
        <translation>No hay ningún diccionario instalado para el idioma «%1», así que no se revisa la ortografía. Instale un diccionario de Hunspell para él, como uno de los paquetes hunspell de Debian.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>The spelling dictionary %1 cannot be read, or is empty.</source>
        <translation>El diccionario %1 no se puede leer o está vacío.</translation>
    </message>
    <message>
        <source>The spelling dictionary %1 is in a character set (%2) this system cannot convert.</source>
        <translation>El diccionario %1 está en un juego de caracteres (%2) que este sistema no puede convertir.</translation>
    </message>
</context>
<context>
    <name>StagedFolder</name>
    <message>
        <source>Cannot write into the folder &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir en la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2.</source>
        <translation>No se puede reemplazar «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot move the new files into &quot;%1&quot;: %2.</source>
        <translation>No se pueden mover los archivos nuevos a «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>StoryGraph</name>
    <message>
        <source>Section does not exist</source>
        <translation>La sección no existe</translation>
    </message>
    <message>
        <source>Section cannot be visited - it does not exist</source>
        <translation>No se puede visitar la sección: no existe</translation>
    </message>
    <message>
        <source>Section with this number already exists</source>
        <translation>Ya existe una sección con este número</translation>
    </message>
    <message>
        <source>Choice with this id already exists</source>
        <translation>Ya existe una opción con este identificador</translation>
    </message>
    <message>
        <source>Choice does not exist</source>
        <translation>La opción no existe</translation>
    </message>
    <message>
        <source>Choice cannot be updated</source>
        <translation>No se puede modificar la opción</translation>
    </message>
    <message>
        <source>Section cannot be updated</source>
        <translation>No se puede modificar la sección</translation>
    </message>
    <message>
        <source>Numbering gives two sections the same number</source>
        <translation>La numeración da el mismo número a dos secciones</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Brindle

BrindleDoc
Brindle Story Files (*.brindle)
.brindle
Brindle.Document
Brindle.Document</source>
        <translation>Brindle

BrindleDoc
Historias de Brindle (*.brindle)
.brindle
Brindle.Document
Brindle.Document</translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation>Barra de herramientas estándar</translation>
    </message>
    <message>
        <source>Flowchart</source>
        <translation>Diagrama de flujo</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Esquema</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>The number of the section. You can change this to a new number and all of your choice links will be magically updated.  If you change this to a section number already in use then they will get swapped over.</source>
        <translation>El número de la sección. Si lo cambia, todos los enlaces de sus opciones lo seguirán como por arte de magia. Si el número ya está en uso, las dos secciones intercambian sus números.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Display Details</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Can be auto shuffled</source>
        <translation>Se puede barajar</translation>
    </message>
    <message>
        <source>When you perform an auto shuffle, this section can either be shuffled or fixed in place.  Most sections you will want to shuffle, but you may want to keep your opening section at the beginning of the book and your win section at the end.</source>
        <translation>Al barajar, esta sección puede barajarse o quedarse en su sitio. Querrá barajar la mayoría de las secciones, pero quizá dejar la sección inicial al principio del libro y la de la victoria al final.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>This is a short description of the section for your use as you design your gamebook.</source>
        <translation>Una breve descripción de la sección para usted, mientras diseña su librojuego.</translation>
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
        <source>Background Colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>The colour of the section in the graph</source>
        <translation>El color de la sección en el diagrama</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Brindle Story Files (*.brindle)</source>
        <translation>Historias de Brindle (*.brindle)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Use a section from the drop down, or enter a number from 1</source>
        <translation>Elija una sección de la lista o escriba un número a partir de 1</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message>
        <source>Rich Text Files</source>
        <translation>Archivos de texto enriquecido</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>Archivos HTML</translation>
    </message>
    <message>
        <source>XML Files</source>
        <translation>Archivos XML</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Do you want to open your exported book?</source>
        <translation>¿Quiere abrir el libro exportado?</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>JPG</source>
        <translation>JPG</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Save changes to %s?</source>
        <translation>¿Guardar los cambios de %s?</translation>
    </message>
    <message>
        <source>Gamebook</source>
        <translation>Librojuego</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Title of your gamebook</source>
        <translation>El título de su librojuego</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Pie de página</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Who wrote your gamebook, as ebooks, print and game listings name them</source>
        <translation>Quién escribió su librojuego, tal como lo nombran los libros electrónicos, la imprenta y los catálogos de juegos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language your gamebook is written in, as a tag such as en, en-GB or fr-CA</source>
        <translation>El idioma en que está escrito su librojuego, como etiqueta: es, es-MX o en-GB</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>Made once for your gamebook and kept, so that readers&apos; libraries know a new edition of it</source>
        <translation>Creado una vez para su librojuego y conservado, para que las bibliotecas de los lectores reconozcan una nueva edición</translation>
    </message>
    <message>
        <source>The footer to your pages or book.</source>
        <translation>El pie de sus páginas o de su libro.</translation>
    </message>
    <message>
        <source>Do you want to open your exported flowchart?</source>
        <translation>¿Quiere abrir el diagrama de flujo exportado?</translation>
    </message>
    <message>
        <source>JSON Files</source>
        <translation>Archivos JSON</translation>
    </message>
    <message>
        <source>ChoiceScript (Choice of Games)</source>
        <translation>ChoiceScript (Choice of Games)</translation>
    </message>
    <message>
        <source>EPUB e-books</source>
        <translation>Libros electrónicos EPUB</translation>
    </message>
    <message>
        <source>PDF documents</source>
        <translation>Documentos PDF</translation>
    </message>
    <message>
        <source>Twee stories (Twine)</source>
        <translation>Historias de Twee (Twine)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Find and Replace</source>
        <translation>Buscar y reemplazar</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>Main book font</source>
        <translation>Fuente principal del libro</translation>
    </message>
    <message>
        <source>Font used for the main text in your book</source>
        <translation>La fuente del texto principal de su libro</translation>
    </message>
    <message>
        <source>Header font</source>
        <translation>Fuente del encabezado</translation>
    </message>
    <message>
        <source>Choice format</source>
        <translation>Formato de las opciones</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>A description of this format</source>
        <translation>Una descripción de este formato</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>The format used, where {{text}} is a placeholder for the choice text, and {{destination}} is a placeholder for the destination number.</source>
        <translation>El formato usado, donde {{text}} ocupa el lugar del texto de la opción y {{destination}} el del número de destino.</translation>
    </message>
    <message>
        <source>Book Layout</source>
        <translation>Composición del libro</translation>
    </message>
    <message>
        <source>Put every section on new page</source>
        <translation>Cada sección en una página nueva</translation>
    </message>
    <message>
        <source>Set to yes if you want each section to be separated with a page break. This works well when your sections are quite long. Say no if you want sections to appear continuously, one after another (default). This works better for shorter sections.</source>
        <translation>Elija sí para separar cada sección con un salto de página. Va bien con secciones bastante largas. Elija no para que las secciones se sucedan sin pausa (predeterminado). Va mejor con secciones cortas.</translation>
    </message>
    <message>
        <source>Font used for book header</source>
        <translation>La fuente del encabezado del libro</translation>
    </message>
    <message>
        <source>Footer font</source>
        <translation>Fuente del pie de página</translation>
    </message>
    <message>
        <source>Font used for book footer</source>
        <translation>La fuente del pie de página del libro</translation>
    </message>
    <message>
        <source>This folder is not empty and files may be overwritten! Do you want to continue?</source>
        <translation>¡Esta carpeta no está vacía y se podrían sobrescribir archivos! ¿Quiere continuar?</translation>
    </message>
    <message>
        <source>Adds a new section to the book
New Section</source>
        <translation>Añade una sección nueva al libro
Nueva sección</translation>
    </message>
    <message>
        <source>Removes the section from the book
Remove Section</source>
        <translation>Quita la sección del libro
Quitar sección</translation>
    </message>
    <message>
        <source>Randomly shuffles up the sections in your book
Shuffle Sections</source>
        <translation>Baraja al azar las secciones de su libro
Barajar secciones</translation>
    </message>
    <message>
        <source>Export your book into a readable, playable format
Export Book</source>
        <translation>Exporta su libro a un formato legible y jugable
Exportar libro</translation>
    </message>
    <message>
        <source>Export your flowchart
Export Flowchart</source>
        <translation>Exporta su diagrama de flujo
Exportar diagrama</translation>
    </message>
    <message>
        <source>Make a new book of a story from Twine: Twee, or Twine&apos;s published HTML or archive
Import Story</source>
        <translation>Crea un libro nuevo a partir de una historia de Twine: Twee, o el HTML publicado o el archivo de Twine
Importar historia</translation>
    </message>
    <message>
        <source>Show or hide the tool bar and the panes
Toolbars and Docking Windows</source>
        <translation>Muestra u oculta la barra de herramientas y los paneles
Barras de herramientas y ventanas</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Vuelve al panel anterior
Panel anterior</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Pasa al panel siguiente
Panel siguiente</translation>
    </message>
    <message>
        <source>View the help documents online
Online Help</source>
        <translation>Consulta la ayuda en línea
Ayuda en línea</translation>
    </message>
    <message>
        <source>Visit the website for the latest version
Check For Updates</source>
        <translation>Visita la web con la última versión
Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Want to request features, report a bug or just say hi? Email us your words!
Send Feeback</source>
        <translation>¿Quiere pedir algo, informar de un error o solo saludar? ¡Escríbanos!
Enviar comentarios</translation>
    </message>
    <message>
        <source>Put every pane back where it started
Reset Views</source>
        <translation>Devuelve cada panel a su sitio inicial
Restablecer vistas</translation>
    </message>
    <message>
        <source>Zoom in and out of the flowchart; type a percentage and press Enter for any zoom</source>
        <translation>Acerca y aleja el diagrama de flujo; escriba un porcentaje y pulse Intro para cualquier zoom</translation>
    </message>
    <message>
        <source>The whole chart does not fit at 10%; scroll to see the rest.</source>
        <translation>El diagrama entero no cabe al 10 %; desplácese para ver el resto.</translation>
    </message>
    <message>
        <source>Zoom out of the flowchart</source>
        <translation>Aleja el diagrama de flujo</translation>
    </message>
    <message>
        <source>Zoom into the flowchart</source>
        <translation>Acerca el diagrama de flujo</translation>
    </message>
    <message>
        <source>Zoom so that the whole flowchart shows
Fit Whole Chart</source>
        <translation>Ajusta el zoom para que se vea todo el diagrama
Diagrama entero</translation>
    </message>
    <message>
        <source>Zoom so that the flowchart&apos;s width fills the pane
Fit Width</source>
        <translation>Ajusta el zoom para que el ancho del diagrama llene el panel
Ajustar al ancho</translation>
    </message>
    <message>
        <source>Make the section with a number current
Go to Section</source>
        <translation>Hace actual la sección con un número
Ir a la sección</translation>
    </message>
    <message>
        <source>Count the book&apos;s sections, choices, words and endings, and its paths from section 1
Statistics</source>
        <translation>Cuenta las secciones, opciones, palabras y finales del libro, y sus caminos desde la sección 1
Estadísticas</translation>
    </message>
    <message>
        <source>Find words in the texts, summaries and choices of the book
Find</source>
        <translation>Busca palabras en los textos, resúmenes y opciones del libro
Buscar</translation>
    </message>
    <message>
        <source>Replace words in the texts, summaries and choices of the book
Replace</source>
        <translation>Reemplaza palabras en los textos, resúmenes y opciones del libro
Reemplazar</translation>
    </message>
    <message>
        <source>Go to the next match of the words found
Find Next</source>
        <translation>Va a la siguiente coincidencia
Siguiente coincidencia</translation>
    </message>
    <message>
        <source>Go to the previous match of the words found
Find Previous</source>
        <translation>Va a la coincidencia anterior
Coincidencia anterior</translation>
    </message>
    <message>
        <source>Show or hide the list of what the book check finds, kept up to date as you write
Problems</source>
        <translation>Muestra u oculta la lista de lo que encuentra la revisión del libro, al día mientras escribe
Problemas</translation>
    </message>
    <message>
        <source>Show or hide the book played as a reader meets it, one section at a time
Play</source>
        <translation>Muestra u oculta el libro jugado como lo vive un lector, sección a sección
Jugar</translation>
    </message>
    <message>
        <source>Play the book from the current section
Play from Here</source>
        <translation>Juega el libro desde la sección actual
Jugar desde aquí</translation>
    </message>
    <message>
        <source>Play the book from section 1
Play from Section 1</source>
        <translation>Juega el libro desde la sección 1
Jugar desde la sección 1</translation>
    </message>
    <message>
        <source>Underline words that are not in the dictionary of the book&apos;s language as you write
Check Spelling</source>
        <translation>Subraya mientras escribe las palabras que no están en el diccionario del idioma del libro
Revisar ortografía</translation>
    </message>
    <message>
        <source>Open a short gamebook written to show what the program does
Open Sample Book</source>
        <translation>Abre un librojuego breve escrito para mostrar lo que hace el programa
Abrir libro de ejemplo</translation>
    </message>
    <message>
        <source>Laying out…</source>
        <translation>Disponiendo…</translation>
    </message>
    <message>
        <source>The flowchart could not be laid out again; it shows the last layout. %1</source>
        <translation>No se ha podido volver a disponer el diagrama; muestra la última disposición. %1</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crea un documento nuevo
Nuevo</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abre un documento existente
Abrir</translation>
    </message>
    <message>
        <source>Close the active document; prompts to save it
Close</source>
        <translation>Cierra el documento activo; pregunta si se guarda
Cerrar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guarda el documento activo
Guardar</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Guarda el documento activo con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abre este documento</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copia la selección al portapapeles
Copiar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Corta la selección y la pone en el portapapeles
Cortar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserta el contenido del portapapeles
Pegar</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Deshace la última acción
Deshacer</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rehace la acción deshecha
Rehacer</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Muestra la información del programa, la versión y el copyright
Acerca de</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Sale de la aplicación; pregunta si se guardan los documentos
Salir</translation>
    </message>
    <message>
        <source>The Brindle Story Studio</source>
        <translation>The Brindle Story Studio</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>Muestra u oculta la barra de estado
Barra de estado</translation>
    </message>
</context>
<context>
    <name>TarnDataModel</name>
    <message>
        <source>Choice is listed more than once</source>
        <translation>La opción aparece más de una vez</translation>
    </message>
    <message>
        <source>Section with this number already exists</source>
        <translation>Ya existe una sección con este número</translation>
    </message>
    <message>
        <source>Section cannot be deleted while choices lead from or into it</source>
        <translation>Una sección no se puede borrar mientras haya opciones que salgan de ella o lleven a ella</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag. Write one such as &quot;en&quot;, &quot;en-GB&quot; or &quot;fr-CA&quot;.</source>
        <translation>«%1» no es una etiqueta de idioma. Escriba una como «es», «es-MX» o «en-GB».</translation>
    </message>
</context>
<context>
    <name>TarnGui::BookAutosave</name>
    <message>
        <source>No recovery copy could be kept: %1</source>
        <translation>No se ha podido guardar ninguna copia de recuperación: %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::BookJobs</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TarnGui::CAboutDlg</name>
    <message>
        <source>About The Brindle Story Studio</source>
        <translation>Acerca de The Brindle Story Studio</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation>Compilado el %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CBookPropertiesPane</name>
    <message>
        <source>dash</source>
        <translation>guion</translation>
    </message>
    <message>
        <source>turn to</source>
        <translation>pasa al</translation>
    </message>
    <message>
        <source>parenthesis</source>
        <translation>paréntesis</translation>
    </message>
    <message>
        <source>squares</source>
        <translation>corchetes</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personalizado</translation>
    </message>
</context>
<context>
    <name>TarnGui::CChoiceEditorDlg</name>
    <message>
        <source>hidden</source>
        <translation>oculta</translation>
    </message>
    <message>
        <source>Choice Editor</source>
        <translation>Editor de opciones</translation>
    </message>
    <message>
        <source>Mark choice as hidden. Hidden choices won&apos;t appear as an option in text but will still be linked in the flowchart</source>
        <translation>Marca la opción como oculta. Las opciones ocultas no aparecen como opción en el texto, pero siguen enlazadas en el diagrama de flujo</translation>
    </message>
    <message>
        <source>Choice text:</source>
        <translation>Texto de la opción:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Section number must be between 1 and %1</source>
        <translation>El número de sección debe estar entre 1 y %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CChoicesPane</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Adds a choice and its destination if it doesn&apos;t exist.</source>
        <translation>Añade una opción y, si no existe, su sección de destino.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Removes the selected choices (but keeps the destination sections.)</source>
        <translation>Quita las opciones seleccionadas (las secciones de destino se quedan).</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Opens the editor for this choice.</source>
        <translation>Abre el editor de esta opción.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Change the ordering by moving this choice upwards.</source>
        <translation>Cambia el orden subiendo esta opción.</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Change the ordering by moving this choice downwards.</source>
        <translation>Cambia el orden bajando esta opción.</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Follows this choice and selects its destination.</source>
        <translation>Sigue esta opción y selecciona su destino.</translation>
    </message>
    <message>
        <source>Choices of the section</source>
        <translation>Opciones de la sección</translation>
    </message>
    <message>
        <source>Each choice with the section it leads to</source>
        <translation>Cada opción con la sección a la que lleva</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFindReplacePane</name>
    <message>
        <source>Match &amp;case</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>Palabra &amp;completa</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>E&amp;xpresión regular</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <source>Find in texts, summaries and choices</source>
        <translation>Buscar en textos, resúmenes y opciones</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Reemplazar por</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>A&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>The replacement is empty, so Replace All will delete the one match of &quot;%1&quot;.

Delete it?</source>
        <translation>El reemplazo está vacío, así que «Reemplazar todo» borrará la única coincidencia de «%1».

¿Borrarla?</translation>
    </message>
    <message>
        <source>The replacement is empty, so Replace All will delete all %1 matches of &quot;%2&quot;.

Delete them?</source>
        <translation>El reemplazo está vacío, así que «Reemplazar todo» borrará las %1 coincidencias de «%2».

¿Borrarlas?</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Sin coincidencias</translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es)</source>
        <translation>
            <numerusform>%Ln coincidencia</numerusform>
            <numerusform>%Ln coincidencias</numerusform>
        </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Coincidencias</translation>
    </message>
    <message>
        <source>Every match in the book; Enter or a click shows it in its section</source>
        <translation>Cada coincidencia del libro; Intro o un clic la muestra en su sección</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFlowchart</name>
    <message>
        <source>Flowchart, section %1</source>
        <translation>Diagrama de flujo, sección %1</translation>
    </message>
    <message>
        <source>Flowchart</source>
        <translation>Diagrama de flujo</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFlowchartPane</name>
    <message>
        <source>An empty slot that choices lead to.</source>
        <translation>Un hueco vacío al que llevan opciones.</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (oculta)</translation>
    </message>
    <message>
        <source>An ending: no choices.</source>
        <translation>Un final: sin opciones.</translation>
    </message>
    <message>
        <source>Choices lead to %1.</source>
        <translation>Las opciones llevan a %1.</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFlowchartToolBar</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>TarnGui::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Save Book As</source>
        <translation>Guardar libro como</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %Ln match(es)</source>
        <translation>
            <numerusform>%Ln coincidencia reemplazada</numerusform>
            <numerusform>%Ln coincidencias reemplazadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>&amp;Problemas</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Play from &amp;Here</source>
        <translation>Jugar &amp;desde aquí</translation>
    </message>
    <message>
        <source>Play from Section &amp;1</source>
        <translation>Jugar desde la sección &amp;1</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>R&amp;eemplazar...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Buscar &amp;anterior</translation>
    </message>
    <message>
        <source>Check &amp;Spelling</source>
        <translation>Revisar &amp;ortografía</translation>
    </message>
    <message>
        <source>Go to Section</source>
        <translation>Ir a la sección</translation>
    </message>
    <message>
        <source>Section number:</source>
        <translation>Número de sección:</translation>
    </message>
    <message>
        <source>Open Book</source>
        <translation>Abrir libro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in %2 by %3 on %4 since %5.

Changes made in both places will overwrite each other. Open it anyway?</source>
        <translation>«%1» está abierto en %2 por %3 en %4 desde %5.

Los cambios hechos en ambos sitios se sobrescribirán. ¿Abrirlo de todos modos?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been changed by another program since it was opened or saved here.

Replace it with this version?</source>
        <translation>Otro programa ha modificado «%1» desde que se abrió o guardó aquí.

¿Reemplazarlo por esta versión?</translation>
    </message>
    <message>
        <source>Saving the book...</source>
        <translation>Guardando el libro...</translation>
    </message>
    <message>
        <source>Import Story</source>
        <translation>Importar historia</translation>
    </message>
    <message>
        <source>The sample book is missing from this build of the program.</source>
        <translation>Falta el libro de ejemplo en esta versión del programa.</translation>
    </message>
    <message>
        <source>Export Book</source>
        <translation>Exportar libro</translation>
    </message>
    <message>
        <source>Exporting the book...</source>
        <translation>Exportando el libro...</translation>
    </message>
    <message>
        <source>Writing the book&apos;s pages...</source>
        <translation>Escribiendo las páginas del libro...</translation>
    </message>
    <message>
        <source>Laying out the book&apos;s pages...</source>
        <translation>Componiendo las páginas del libro...</translation>
    </message>
    <message>
        <source>Export Flowchart Image</source>
        <translation>Exportar imagen del diagrama</translation>
    </message>
    <message>
        <source>Section %1 has 1 choice leading to it. Remove it and the choice?</source>
        <translation>A la sección %1 lleva 1 opción. ¿Quitarla junto con la opción?</translation>
    </message>
    <message>
        <source>Section %1 has %2 choices leading to it. Remove it and them?</source>
        <translation>A la sección %1 llevan %2 opciones. ¿Quitarla junto con ellas?</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <source>Nothing on this computer could open this for you:

%1

Copy it to open it elsewhere.</source>
        <translation>Nada en este equipo ha podido abrir esto:

%1

Cópielo para abrirlo en otro sitio.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>&amp;Import Story...</source>
        <translation>&amp;Importar historia...</translation>
    </message>
    <message>
        <source>Export &amp;Book</source>
        <translation>Exportar &amp;libro</translation>
    </message>
    <message>
        <source>Export &amp;Graph</source>
        <translation>Exportar &amp;diagrama</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Go to Section...</source>
        <translation>&amp;Ir a la sección...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>&amp;Reset Views</source>
        <translation>&amp;Restablecer vistas</translation>
    </message>
    <message>
        <source>&amp;Previous View</source>
        <translation>Vista &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next View</source>
        <translation>Vista &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Add Section</source>
        <translation>&amp;Añadir sección</translation>
    </message>
    <message>
        <source>&amp;Remove Section</source>
        <translation>&amp;Quitar sección</translation>
    </message>
    <message>
        <source>&amp;Shuffle Sections</source>
        <translation>&amp;Barajar secciones</translation>
    </message>
    <message>
        <source>Online &amp;Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>Check For &amp;Updates</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>Send &amp;Feedback</source>
        <translation>Enviar &amp;comentarios</translation>
    </message>
    <message>
        <source>Open &amp;Sample Book</source>
        <translation>Abrir libro de &amp;ejemplo</translation>
    </message>
    <message>
        <source>&amp;About The Brindle Story Studio...</source>
        <translation>Acerca &amp;de The Brindle Story Studio...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Toolbars and Docking Windows</source>
        <translation>Barras de &amp;herramientas y ventanas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>&amp;Libro</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Twine stories</source>
        <translation>Historias de Twine</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>The file holds %1 stories. Import which one?</source>
        <translation>El archivo contiene %1 historias. ¿Cuál importar?</translation>
    </message>
    <message>
        <source>The story was imported, with these notes:
</source>
        <translation>La historia se ha importado, con estas notas:
</translation>
    </message>
    <message>
        <source>

…and %1 more.</source>
        <translation>

…y %1 más.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The program speaks the language chosen from the next time it starts.</source>
        <translation>El programa hablará el idioma elegido a partir del próximo inicio.</translation>
    </message>
</context>
<context>
    <name>TarnGui::COutlinePane</name>
    <message>
        <source>Sections of the book</source>
        <translation>Secciones del libro</translation>
    </message>
    <message>
        <source>Every section by number with its summary; choosing one makes it the section you work on</source>
        <translation>Cada sección por número con su resumen; elegir una la convierte en la sección en la que trabaja</translation>
    </message>
</context>
<context>
    <name>TarnGui::CPlayPane</name>
    <message>
        <source>Bac&amp;k</source>
        <translation>Re&amp;gresar</translation>
    </message>
    <message>
        <source>Edi&amp;t this section</source>
        <translation>Ed&amp;itar esta sección</translation>
    </message>
    <message>
        <source>The path taken so far; click a step to go back to it</source>
        <translation>El camino recorrido hasta ahora; pulse un paso para volver a él</translation>
    </message>
    <message>
        <source>Nothing to play</source>
        <translation>Nada que jugar</translation>
    </message>
    <message>
        <source>This is an ending: the section has no choices.</source>
        <translation>Esto es un final: la sección no tiene opciones.</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculta</translation>
    </message>
    <message>
        <source>Forwar&amp;d</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Volver a em&amp;pezar</translation>
    </message>
    <message>
        <source>Text of the section played</source>
        <translation>Texto de la sección jugada</translation>
    </message>
    <message>
        <source>Path taken</source>
        <translation>Camino recorrido</translation>
    </message>
</context>
<context>
    <name>TarnGui::CPreviewPane</name>
    <message>
        <source>Preview of the book</source>
        <translation>Vista previa del libro</translation>
    </message>
    <message>
        <source>The book as readers will see it; the choices link to their sections</source>
        <translation>El libro tal como lo verán los lectores; las opciones enlazan con sus secciones</translation>
    </message>
</context>
<context>
    <name>TarnGui::CProblemsPane</name>
    <message>
        <source>Problems found</source>
        <translation>Problemas encontrados</translation>
    </message>
    <message>
        <source>What the book check finds; choosing one shows its section</source>
        <translation>Lo que encuentra la revisión del libro; elegir uno muestra su sección</translation>
    </message>
</context>
<context>
    <name>TarnGui::CSectionView</name>
    <message>
        <source>Section %1</source>
        <translation>Sección %1</translation>
    </message>
    <message>
        <source>Section text</source>
        <translation>Texto de la sección</translation>
    </message>
    <message>
        <source>What the reader reads in the section; Tab goes to the next pane, Ctrl+Tab types a tab</source>
        <translation>Lo que el lector lee en la sección; Tab pasa al panel siguiente, Ctrl+Tab escribe un tabulador</translation>
    </message>
    <message>
        <source>Text of section %1</source>
        <translation>Texto de la sección %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CTarnGuiApp</name>
    <message>
        <source>The restored work is open; &quot;%1&quot; was not opened. Open it once the restored work is saved.</source>
        <translation>El trabajo recuperado está abierto; «%1» no se ha abierto. Ábralo cuando haya guardado el trabajo recuperado.</translation>
    </message>
</context>
<context>
    <name>TarnGui::CTarnTextEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>TarnGui::ErrorBoundary</name>
    <message>
        <source>Cannot open &quot;%1&quot;, line %2: it is not a book this program can read, or it has been damaged (%3).</source>
        <translation>No se puede abrir «%1», línea %2: no es un libro que este programa sepa leer, o está dañado (%3).</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
</context>
<context>
    <name>TarnGui::ExportTypeDlg</name>
    <message>
        <source>One file</source>
        <translation>Un solo archivo</translation>
    </message>
    <message>
        <source>One HTML file per section</source>
        <translation>Un archivo HTML por sección</translation>
    </message>
    <message>
        <source>Export Book</source>
        <translation>Exportar libro</translation>
    </message>
    <message>
        <source>If you&apos;re not sure, go for this one.</source>
        <translation>Si no está seguro, elija esta.</translation>
    </message>
    <message>
        <source>This is if you want each book section to be created as a separate HTML file.</source>
        <translation>Para que cada sección del libro sea un archivo HTML aparte.</translation>
    </message>
</context>
<context>
    <name>TarnGui::MatchListModel</name>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>TarnGui::PdfPageSetupDlg</name>
    <message>
        <source>PDF Pages</source>
        <translation>Páginas del PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Tamaño de página:</translation>
    </message>
    <message>
        <source>Margins:</source>
        <translation>Márgenes:</translation>
    </message>
    <message>
        <source>A4 (210 × 297 mm)</source>
        <translation>A4 (210 × 297 mm)</translation>
    </message>
    <message>
        <source>A5 (148 × 210 mm)</source>
        <translation>A5 (148 × 210 mm)</translation>
    </message>
    <message>
        <source>US Letter (8.5 × 11 in)</source>
        <translation>Carta EE. UU. (8,5 × 11 pulg.)</translation>
    </message>
    <message>
        <source>Trade paperback (6 × 9 in)</source>
        <translation>Bolsillo (6 × 9 pulg.)</translation>
    </message>
</context>
<context>
    <name>TarnGui::RecoveryDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Recuperar el trabajo sin guardar</translation>
    </message>
    <message>
        <source>The Brindle Story Studio did not close cleanly last time. These books had changes that were not saved:</source>
        <translation>The Brindle Story Studio no se cerró correctamente la última vez. Estos libros tenían cambios sin guardar:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Más &amp;tarde</translation>
    </message>
    <message>
        <source>a book never saved</source>
        <translation>un libro nunca guardado</translation>
    </message>
    <message>
        <source>%1
%2, kept %3</source>
        <translation>%1
%2, guardado %3</translation>
    </message>
</context>
<context>
    <name>TarnGui::SpellingMenu</name>
    <message>
        <source>No suggestions</source>
        <translation>Sin sugerencias</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
</context>
<context>
    <name>TarnGui::SpellingService</name>
    <message>
        <source> Spelling is not checked.</source>
        <translation> No se revisa la ortografía.</translation>
    </message>
</context>
<context>
    <name>TarnGui::StatisticsDlg</name>
    <message>
        <source>Book Statistics</source>
        <translation>Estadísticas del libro</translation>
    </message>
    <message>
        <source>Sections:</source>
        <translation>Secciones:</translation>
    </message>
    <message>
        <source>Choices:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Hidden choices:</source>
        <translation>Opciones ocultas:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palabras:</translation>
    </message>
    <message>
        <source>Reading time:</source>
        <translation>Tiempo de lectura:</translation>
    </message>
    <message numerus="yes">
        <source>about %Ln minute(s), at 200 words a minute</source>
        <translation>
            <numerusform>unos %Ln minuto, a 200 palabras por minuto</numerusform>
            <numerusform>unos %Ln minutos, a 200 palabras por minuto</numerusform>
        </translation>
    </message>
    <message>
        <source>Endings:</source>
        <translation>Finales:</translation>
    </message>
    <message>
        <source>Shortest path:</source>
        <translation>Camino más corto:</translation>
    </message>
    <message>
        <source>Longest path:</source>
        <translation>Camino más largo:</translation>
    </message>
    <message>
        <source>, leaving out loops</source>
        <translation>, sin contar los bucles</translation>
    </message>
    <message>
        <source>no ending is reached from section 1</source>
        <translation>ningún final se alcanza desde la sección 1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln choice(s)</source>
        <translation>
            <numerusform>%Ln opción</numerusform>
            <numerusform>%Ln opciones</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDictionary</name>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot be read: %2.</source>
        <translation>Su diccionario %1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot be written: %2.</source>
        <translation>Su diccionario %1 no se puede escribir: %2.</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>the disk is full (%1)</source>
        <translation>el disco está lleno (%1)</translation>
    </message>
    <message>
        <source>your share of the disk is used up (%1)</source>
        <translation>su parte del disco se ha agotado (%1)</translation>
    </message>
    <message>
        <source>the disk is read-only (%1)</source>
        <translation>el disco es de solo lectura (%1)</translation>
    </message>
    <message>
        <source>the folder is read-only, or not yours to write in (%1)</source>
        <translation>la carpeta es de solo lectura, o no tiene permiso para escribir en ella (%1)</translation>
    </message>
    <message>
        <source>the folder does not exist (%1)</source>
        <translation>la carpeta no existe (%1)</translation>
    </message>
    <message>
        <source>part of the path is not a folder (%1)</source>
        <translation>parte de la ruta no es una carpeta (%1)</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows (%1)</source>
        <translation>el archivo superaría el tamaño que permite este sistema (%1)</translation>
    </message>
    <message>
        <source>the disk could not be written (%1)</source>
        <translation>no se ha podido escribir en el disco (%1)</translation>
    </message>
    <message>
        <source>no program is reading from it (%1)</source>
        <translation>ningún programa lo está leyendo (%1)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>el sistema no ha dado ningún motivo</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>Cannot start the archive: %1.</source>
        <translation>No se puede empezar el archivo comprimido: %1.</translation>
    </message>
    <message>
        <source>Cannot add to the archive: %1.</source>
        <translation>No se puede añadir al archivo comprimido: %1.</translation>
    </message>
    <message>
        <source>Cannot write the archive: %1.</source>
        <translation>No se puede escribir el archivo comprimido: %1.</translation>
    </message>
    <message>
        <source>Cannot read the archive back: %1.</source>
        <translation>No se puede volver a leer el archivo comprimido: %1.</translation>
    </message>
</context>
</TS>
