<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BookLimits</name>
    <message>
        <source>Cannot open &quot;%1&quot;: saved, the book would take %2, more than the %3 a book may take.</source>
        <translation>Impossible d’ouvrir « %1 » : enregistré, le livre ferait %2, plus que les %3 permis pour un livre.</translation>
    </message>
    <message>
        <source>%1: section %2 has more than %3 choices, the most a section may have.</source>
        <translation>%1 : le paragraphe %2 a plus de %3 choix, le maximum pour un paragraphe.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is larger than %2, the most a book may take.</source>
        <translation>Impossible d’ouvrir « %1 » : le fichier dépasse %2, le maximum pour un livre.</translation>
    </message>
    <message>
        <source>This change would make the book take more than the %1 a book may take. Nothing was changed.</source>
        <translation>Cette modification ferait dépasser au livre les %1 permis pour un livre. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Section %1 already has %2 choices, the most a section may have.</source>
        <translation>Le paragraphe %1 a déjà %2 choix, le maximum pour un paragraphe.</translation>
    </message>
</context>
<context>
    <name>BrindleCli</name>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>the zoom must be a percentage from 10 to 100</source>
        <translation>le zoom doit être un pourcentage de 10 à 100</translation>
    </message>
    <message>
        <source>--page-size and --margin are for the pdf format only</source>
        <translation>--page-size et --margin ne valent que pour le format pdf</translation>
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
        <translation>Utilisation :
  brindle export BOOK.brindle --format FORMAT -o OUTPUT [--force]
               [--page-size SIZE] [--margin MM]
      Écrit le livre comme le fait « Exporter le livre » dans le programme. FORMAT est
      txt, rtf, html, xml, json, choicescript, epub, pdf, twee, ou html-pages pour une
      page par paragraphe dans le dossier OUTPUT, qui doit être vide sauf avec --force.
      Les pages d’un PDF sont a4 (par défaut), a5, letter ou 6x9 (pouces), avec des
      marges de MM millimètres (5 à 40, 20 par défaut).
  brindle import STORY.twee|STORY.html -o BOOK.brindle [--story NAME|IFID] [--force]
      Fait un livre d’une histoire Twine : Twee 3, ou le HTML publié ou l’archive de
      Twine 2 ; --story nomme l’histoire, ou donne son IFID, quand il y en a plusieurs.
      Un BOOK.brindle existant n’est remplacé qu’avec --force.
  brindle graph BOOK.brindle -o IMAGE [--zoom PERCENT]
      Dessine l’organigramme dans IMAGE (.png, .bmp, .jpg ou .gif) à PERCENT
      (10 à 100, 100 par défaut).
  brindle check BOOK.brindle [--json]
      Liste ce qu’il faut regarder avant de publier : les paragraphes qu’aucun chemin
      depuis le paragraphe 1 n’atteint, les places vides, les choix vers des places
      vides, les paragraphes sans texte et les choix répétés, et les fins à confirmer.
      Se termine par 0 si rien ne va mal, 1 si quelque chose ne va pas, 2 si le livre
      ne peut être lu.
  brindle stats BOOK.brindle [--json]
      Compte les paragraphes, les choix, les choix cachés et les mots, et le plus court
      et le plus long chemin du paragraphe 1 à une fin.
  brindle --help
</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1 : n’est pas un dossier</translation>
    </message>
    <message>
        <source>%1: the folder is not empty; give --force to write into it</source>
        <translation>%1 : le dossier n’est pas vide ; ajoutez --force pour y écrire</translation>
    </message>
    <message>
        <source>%1 of %2 pages written</source>
        <translation>%1 pages écrites sur %2</translation>
    </message>
    <message>
        <source>unknown page size &quot;%1&quot;; use a4, a5, letter or 6x9</source>
        <translation>format de page inconnu « %1 » ; utilisez a4, a5, letter ou 6x9</translation>
    </message>
    <message>
        <source>%1 of %2 sections laid out</source>
        <translation>%1 paragraphes mis en page sur %2</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use txt, rtf, html, xml, json, choicescript, epub, pdf, twee or html-pages</source>
        <translation>format inconnu « %1 » ; utilisez txt, rtf, html, xml, json, choicescript, epub, pdf, twee ou html-pages</translation>
    </message>
    <message>
        <source>cannot tell the image type of &quot;%1&quot;; name a .png, .bmp, .jpg or .gif file</source>
        <translation>impossible de savoir le type d’image de « %1 » ; nommez un fichier .png, .bmp, .jpg ou .gif</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>the file holds %1 stories named &quot;%2&quot;; name one by its IFID: %3</source>
        <translation>le fichier contient %1 histoires nommées « %2 » ; nommez-en une par son IFID : %3</translation>
    </message>
    <message>
        <source>the file holds %1 stories, %2; name one with --story NAME or --story IFID</source>
        <translation>le fichier contient %1 histoires, %2 ; nommez-en une avec --story NAME ou --story IFID</translation>
    </message>
    <message>
        <source>the file has no story &quot;%1&quot;, only %2</source>
        <translation>le fichier n’a pas d’histoire « %1 », seulement %2</translation>
    </message>
    <message>
        <source>%1: the file exists; give --force to replace it</source>
        <translation>%1 : le fichier existe ; ajoutez --force pour le remplacer</translation>
    </message>
    <message>
        <source>%1: the book would replace the story it is made from; name another file</source>
        <translation>%1 : le livre remplacerait l’histoire dont il est fait ; nommez un autre fichier</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>Sections that no path from section 1 reaches</source>
        <translation>Paragraphes qu’aucun chemin depuis le paragraphe 1 n’atteint</translation>
    </message>
    <message>
        <source>Empty slots</source>
        <translation>Places vides</translation>
    </message>
    <message>
        <source>Choices to empty slots</source>
        <translation>Choix vers des places vides</translation>
    </message>
    <message>
        <source>Sections without text</source>
        <translation>Paragraphes sans texte</translation>
    </message>
    <message>
        <source>Repeated choices to the same destination</source>
        <translation>Choix répétés vers la même destination</translation>
    </message>
    <message>
        <source>Endings to confirm (sections without choices)</source>
        <translation>Fins à confirmer (paragraphes sans choix)</translation>
    </message>
    <message>
        <source>Problems found.</source>
        <translation>Des problèmes ont été trouvés.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
    <message numerus="yes">
        <source>%n choice(s)</source>
        <translation>
            <numerusform>%n choix</numerusform>
            <numerusform>%n choix</numerusform>
        </translation>
    </message>
    <message>
        <source>no ending is reached</source>
        <translation>aucune fin n’est atteinte</translation>
    </message>
    <message>
        <source>Sections: %1</source>
        <translation>Paragraphes : %1</translation>
    </message>
    <message>
        <source>Choices: %1</source>
        <translation>Choix : %1</translation>
    </message>
    <message>
        <source>Hidden choices: %1</source>
        <translation>Choix cachés : %1</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Mots : %1</translation>
    </message>
    <message>
        <source>Shortest path from section 1 to an ending</source>
        <translation>Chemin le plus court du paragraphe 1 à une fin</translation>
    </message>
    <message>
        <source>Longest path from section 1 to an ending</source>
        <translation>Chemin le plus long du paragraphe 1 à une fin</translation>
    </message>
    <message>
        <source>, not going round a loop</source>
        <translation>, sans faire de boucle</translation>
    </message>
    <message>
        <source>the results could not be written</source>
        <translation>les résultats n’ont pas pu être écrits</translation>
    </message>
    <message>
        <source>an unexpected error occurred</source>
        <translation>une erreur inattendue s’est produite</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>(%n choices)</source>
        <translation>
            <numerusform>(%n choix)</numerusform>
            <numerusform>(%n choix)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>*hidden* %1</source>
        <translation>*caché* %1</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>Impossible d’écrire le fichier « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>Impossible de créer le fichier « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot export over the book itself: &quot;%1&quot;.</source>
        <translation>Impossible d’exporter par-dessus le livre lui-même : « %1 ».</translation>
    </message>
</context>
<context>
    <name>FileHandling</name>
    <message>
        <source>Cannot open file &quot;%1&quot;: there is no such file</source>
        <translation>Impossible d’ouvrir le fichier « %1 » : ce fichier n’existe pas</translation>
    </message>
</context>
<context>
    <name>FlowchartGraph</name>
    <message>
        <source>The flowchart could not be laid out.</source>
        <translation>L’organigramme n’a pas pu être disposé.</translation>
    </message>
</context>
<context>
    <name>FlowchartImage</name>
    <message>
        <source>The flowchart could not be saved as %1: %2</source>
        <translation>L’organigramme n’a pas pu être enregistré sous %1 : %2</translation>
    </message>
    <message>
        <source>Unknown type</source>
        <translation>Type inconnu</translation>
    </message>
    <message>
        <source>The flowchart image of %1 by %2 pixels is too large to make. Zoom out and export it again.</source>
        <translation>Une image de l’organigramme de %1 × %2 pixels est trop grande. Dézoomez et exportez de nouveau.</translation>
    </message>
</context>
<context>
    <name>GifWriter</name>
    <message>
        <source>The GIF image could not be written: %1</source>
        <translation>L’image GIF n’a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>A GIF image can be at most %1 pixels wide and high. Zoom out and export it again.</source>
        <translation>Une image GIF ne peut dépasser %1 pixels de large et de haut. Dézoomez et exportez de nouveau.</translation>
    </message>
</context>
<context>
    <name>GraphCore</name>
    <message>
        <source>Section not found</source>
        <translation>Paragraphe introuvable</translation>
    </message>
    <message>
        <source>Choice not found</source>
        <translation>Choix introuvable</translation>
    </message>
    <message>
        <source>Could not add choice</source>
        <translation>Impossible d’ajouter le choix</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Cannot import &quot;%1&quot;, line %2: %3</source>
        <translation>Impossible d’importer « %1 », ligne %2 : %3</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation>Impossible d’importer « %1 » : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>« %1 » : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <translation>« %1 », ligne %2 : %3</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; has more than %2 links; a section may have at most %2 choices</source>
        <translation>le passage « %1 » a plus de %2 liens ; un paragraphe peut avoir au plus %2 choix</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; goes on through macros that name the passage by code, not by a plain name; they make no choices</source>
        <translation>le passage « %1 » continue par des macros qui nomment le passage par du code, non par un simple nom ; elles ne donnent aucun choix</translation>
    </message>
    <message>
        <source>the metadata of passage &quot;%1&quot; is not JSON (%2); it is left out</source>
        <translation>les métadonnées du passage « %1 » ne sont pas du JSON (%2) ; elles sont ignorées</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; was changed since it was exported; its links are read as Twine reads them</source>
        <translation>le passage « %1 » a été modifié depuis son export ; ses liens sont lus comme Twine les lit</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; is not JSON (%2); the passages are read as Twine reads them</source>
        <translation>le passage « %1 » n’est pas du JSON (%2) ; les passages sont lus comme Twine les lit</translation>
    </message>
    <message>
        <source>the story makes a book of more than %1, the most a book may take</source>
        <translation>l’histoire ferait un livre de plus de %1, le maximum pour un livre</translation>
    </message>
    <message>
        <source>the story needs %1 sections; a book holds at most %2</source>
        <translation>l’histoire demande %1 paragraphes ; un livre en contient au plus %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag; the book takes %2</source>
        <translation>« %1 » n’est pas une étiquette de langue ; le livre prend %2</translation>
    </message>
    <message>
        <source>section 1 is the start passage &quot;%1&quot;, so passage &quot;1&quot; becomes section %2</source>
        <translation>le paragraphe 1 est le passage de départ « %1 », donc le passage « 1 » devient le paragraphe %2</translation>
    </message>
    <message>
        <source>there is no passage &quot;%1&quot;; section %2 is made for the links to it, empty</source>
        <translation>il n’y a pas de passage « %1 » ; le paragraphe %2 est créé, vide, pour les liens qui y mènent</translation>
    </message>
    <message>
        <source>the StoryData is not JSON (%1); it is left out</source>
        <translation>les StoryData ne sont pas du JSON (%1) ; elles sont ignorées</translation>
    </message>
    <message>
        <source>the tags of passage &quot;%1&quot; are not closed with &quot;]&quot;</source>
        <translation>les étiquettes du passage « %1 » ne sont pas fermées par « ] »</translation>
    </message>
    <message>
        <source>%1 appears again; the later one is left out</source>
        <translation>%1 apparaît de nouveau ; le second est ignoré</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; is the story&apos;s script or style sheet; it is left out</source>
        <translation>le passage « %1 » est le script ou la feuille de style de l’histoire ; il est ignoré</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; appears again; the later one is left out</source>
        <translation>le passage « %1 » apparaît de nouveau ; le second est ignoré</translation>
    </message>
    <message numerus="yes">
        <source>%n characters that no book can hold, such as NUL, are each replaced by U+FFFD</source>
        <translation>
            <numerusform>%n caractère qu’aucun livre ne peut contenir, comme NUL, est remplacé par U+FFFD</numerusform>
            <numerusform>%n caractères qu’aucun livre ne peut contenir, comme NUL, sont chacun remplacés par U+FFFD</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no Twine story in it (no &lt;tw-storydata&gt; element)</source>
        <translation>il ne contient aucune histoire Twine (pas d’élément &lt;tw-storydata&gt;)</translation>
    </message>
    <message>
        <source>there is no Twee passage in it (no line starting with &quot;::&quot;)</source>
        <translation>il ne contient aucun passage Twee (aucune ligne commençant par « :: »)</translation>
    </message>
    <message>
        <source>story &quot;%1&quot; has no passages</source>
        <translation>l’histoire « %1 » n’a aucun passage</translation>
    </message>
</context>
<context>
    <name>Outline</name>
    <message>
        <source>%1 &lt;Empty&gt;</source>
        <translation>%1 &lt;Vide&gt;</translation>
    </message>
</context>
<context>
    <name>PageSetup</name>
    <message>
        <source>The margin must be from %1 to %2 mm.</source>
        <translation>La marge doit être comprise entre %1 et %2 mm.</translation>
    </message>
</context>
<context>
    <name>PdfLinks</name>
    <message>
        <source>The PDF could not be given its links: %1.</source>
        <translation>Les liens n’ont pas pu être ajoutés au PDF : %1.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Section %1 was removed from the book, so the path ends before it.</source>
        <translation>Le paragraphe %1 a été retiré du livre, le parcours s’arrête donc avant lui.</translation>
    </message>
</context>
<context>
    <name>PlayController</name>
    <message>
        <source>The choice is not one of the section being played</source>
        <translation>Ce choix n’appartient pas au paragraphe en cours de jeu</translation>
    </message>
</context>
<context>
    <name>PngWriter</name>
    <message>
        <source>The PNG image could not be written: %1</source>
        <translation>L’image PNG n’a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>No path from section 1 reaches section %1</source>
        <translation>Aucun chemin depuis le paragraphe 1 n’atteint le paragraphe %1</translation>
    </message>
    <message>
        <source>Section %1 is an empty slot</source>
        <translation>Le paragraphe %1 est une place vide</translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choice(s) to the empty slot %2</source>
        <translation>
            <numerusform>Le paragraphe %1 a %n choix vers la place vide %2</numerusform>
            <numerusform>Le paragraphe %1 a %n choix vers la place vide %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Section %1 has no text</source>
        <translation>Le paragraphe %1 n’a pas de texte</translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choices to section %2</source>
        <translation>
            <numerusform>Le paragraphe %1 a %n choix vers le paragraphe %2</numerusform>
            <numerusform>Le paragraphe %1 a %n choix vers le paragraphe %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Section %1 is an ending: confirm that it should be</source>
        <translation>Le paragraphe %1 est une fin : confirmez qu’il doit l’être</translation>
    </message>
</context>
<context>
    <name>PropertyGrid</name>
    <message>
        <source>Don&apos;t know what to do with this property</source>
        <translation>Cette propriété est inconnue</translation>
    </message>
</context>
<context>
    <name>SearchPattern</name>
    <message>
        <source>The regular expression cannot be read at character %1: %2</source>
        <translation>L’expression régulière est illisible au caractère %1 : %2</translation>
    </message>
    <message>
        <source>The regular expression takes too long to search with: %1</source>
        <translation>La recherche avec cette expression régulière prend trop de temps : %1</translation>
    </message>
</context>
<context>
    <name>SectionNumbers</name>
    <message>
        <source>Section number must be between 1 and %1</source>
        <translation>Le numéro de paragraphe doit être compris entre 1 et %1</translation>
    </message>
</context>
<context>
    <name>SectionSelection</name>
    <message>
        <source>There is no section %1 in this book.</source>
        <translation>Ce livre n’a pas de paragraphe %1.</translation>
    </message>
</context>
<context>
    <name>SectionView</name>
    <message>
        <source>Empty Section</source>
        <translation>Paragraphe vide</translation>
    </message>
</context>
<context>
    <name>SpellCheck</name>
    <message>
        <source>No spelling dictionary for the language &quot;%1&quot; is installed, so spelling is not checked. Install a Hunspell dictionary for it, such as one of Debian&apos;s hunspell packages.</source>
        <translation>Aucun dictionnaire n’est installé pour la langue « %1 », l’orthographe n’est donc pas vérifiée. Installez un dictionnaire Hunspell pour cette langue, par exemple l’un des paquets hunspell de Debian.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>The spelling dictionary %1 cannot be read, or is empty.</source>
        <translation>Le dictionnaire %1 est illisible ou vide.</translation>
    </message>
    <message>
        <source>The spelling dictionary %1 is in a character set (%2) this system cannot convert.</source>
        <translation>Le dictionnaire %1 utilise un jeu de caractères (%2) que ce système ne sait pas convertir.</translation>
    </message>
</context>
<context>
    <name>StagedFolder</name>
    <message>
        <source>Cannot write into the folder &quot;%1&quot;: %2.</source>
        <translation>Impossible d’écrire dans le dossier « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2.</source>
        <translation>Impossible de remplacer « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot move the new files into &quot;%1&quot;: %2.</source>
        <translation>Impossible de déplacer les nouveaux fichiers dans « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>StoryGraph</name>
    <message>
        <source>Section does not exist</source>
        <translation>Le paragraphe n’existe pas</translation>
    </message>
    <message>
        <source>Section cannot be visited - it does not exist</source>
        <translation>Impossible de visiter le paragraphe : il n’existe pas</translation>
    </message>
    <message>
        <source>Section with this number already exists</source>
        <translation>Un paragraphe portant ce numéro existe déjà</translation>
    </message>
    <message>
        <source>Choice with this id already exists</source>
        <translation>Un choix portant cet identifiant existe déjà</translation>
    </message>
    <message>
        <source>Choice does not exist</source>
        <translation>Le choix n’existe pas</translation>
    </message>
    <message>
        <source>Choice cannot be updated</source>
        <translation>Impossible de modifier le choix</translation>
    </message>
    <message>
        <source>Section cannot be updated</source>
        <translation>Impossible de modifier le paragraphe</translation>
    </message>
    <message>
        <source>Numbering gives two sections the same number</source>
        <translation>La numérotation donne le même numéro à deux paragraphes</translation>
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
Histoires Brindle (*.brindle)
.brindle
Brindle.Document
Brindle.Document</translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation>Barre d’outils standard</translation>
    </message>
    <message>
        <source>Flowchart</source>
        <translation>Organigramme</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Paragraphe</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>The number of the section. You can change this to a new number and all of your choice links will be magically updated.  If you change this to a section number already in use then they will get swapped over.</source>
        <translation>Le numéro du paragraphe. Si vous le changez, tous les liens de vos choix suivent comme par magie. Si le nouveau numéro est déjà pris, les deux paragraphes échangent leurs numéros.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Display Details</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Can be auto shuffled</source>
        <translation>Peut être mélangé</translation>
    </message>
    <message>
        <source>When you perform an auto shuffle, this section can either be shuffled or fixed in place.  Most sections you will want to shuffle, but you may want to keep your opening section at the beginning of the book and your win section at the end.</source>
        <translation>Lors d’un mélange, ce paragraphe peut être mélangé ou rester à sa place. Vous voudrez mélanger la plupart des paragraphes, mais peut-être garder le paragraphe d’ouverture au début du livre et la victoire à la fin.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>This is a short description of the section for your use as you design your gamebook.</source>
        <translation>Une courte description du paragraphe, pour vous, pendant la conception de votre livre-jeu.</translation>
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
        <source>Background Colour</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>The colour of the section in the graph</source>
        <translation>La couleur du paragraphe dans l’organigramme</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Brindle Story Files (*.brindle)</source>
        <translation>Histoires Brindle (*.brindle)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Use a section from the drop down, or enter a number from 1</source>
        <translation>Choisissez un paragraphe dans la liste ou saisissez un numéro à partir de 1</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>Rich Text Files</source>
        <translation>Fichiers Rich Text</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>Fichiers HTML</translation>
    </message>
    <message>
        <source>XML Files</source>
        <translation>Fichiers XML</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Do you want to open your exported book?</source>
        <translation>Voulez-vous ouvrir le livre exporté ?</translation>
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
        <translation>Enregistrer les modifications de %s ?</translation>
    </message>
    <message>
        <source>Gamebook</source>
        <translation>Livre-jeu</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Title of your gamebook</source>
        <translation>Le titre de votre livre-jeu</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Pied de page</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Who wrote your gamebook, as ebooks, print and game listings name them</source>
        <translation>Qui a écrit votre livre-jeu, tel que les livres numériques, l’imprimé et les catalogues de jeux le nomment</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language your gamebook is written in, as a tag such as en, en-GB or fr-CA</source>
        <translation>La langue de votre livre-jeu, sous forme d’étiquette comme fr, fr-CA ou en-GB</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Made once for your gamebook and kept, so that readers&apos; libraries know a new edition of it</source>
        <translation>Créé une fois pour votre livre-jeu et conservé, pour que les bibliothèques des lecteurs reconnaissent une nouvelle édition</translation>
    </message>
    <message>
        <source>The footer to your pages or book.</source>
        <translation>Le pied de vos pages ou de votre livre.</translation>
    </message>
    <message>
        <source>Do you want to open your exported flowchart?</source>
        <translation>Voulez-vous ouvrir l’organigramme exporté ?</translation>
    </message>
    <message>
        <source>JSON Files</source>
        <translation>Fichiers JSON</translation>
    </message>
    <message>
        <source>ChoiceScript (Choice of Games)</source>
        <translation>ChoiceScript (Choice of Games)</translation>
    </message>
    <message>
        <source>EPUB e-books</source>
        <translation>Livres numériques EPUB</translation>
    </message>
    <message>
        <source>PDF documents</source>
        <translation>Documents PDF</translation>
    </message>
    <message>
        <source>Twee stories (Twine)</source>
        <translation>Histoires Twee (Twine)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Find and Replace</source>
        <translation>Rechercher et remplacer</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Styles</translation>
    </message>
    <message>
        <source>Main book font</source>
        <translation>Police principale du livre</translation>
    </message>
    <message>
        <source>Font used for the main text in your book</source>
        <translation>La police du texte principal de votre livre</translation>
    </message>
    <message>
        <source>Header font</source>
        <translation>Police de l’en-tête</translation>
    </message>
    <message>
        <source>Choice format</source>
        <translation>Format des choix</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>A description of this format</source>
        <translation>Une description de ce format</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>The format used, where {{text}} is a placeholder for the choice text, and {{destination}} is a placeholder for the destination number.</source>
        <translation>Le format utilisé, où {{text}} tient la place du texte du choix et {{destination}} celle du numéro de destination.</translation>
    </message>
    <message>
        <source>Book Layout</source>
        <translation>Mise en page du livre</translation>
    </message>
    <message>
        <source>Put every section on new page</source>
        <translation>Chaque paragraphe sur une nouvelle page</translation>
    </message>
    <message>
        <source>Set to yes if you want each section to be separated with a page break. This works well when your sections are quite long. Say no if you want sections to appear continuously, one after another (default). This works better for shorter sections.</source>
        <translation>Choisissez oui pour séparer chaque paragraphe par un saut de page. Cela convient aux paragraphes assez longs. Choisissez non pour que les paragraphes se suivent sans interruption (par défaut). Cela convient mieux aux paragraphes courts.</translation>
    </message>
    <message>
        <source>Font used for book header</source>
        <translation>La police de l’en-tête du livre</translation>
    </message>
    <message>
        <source>Footer font</source>
        <translation>Police du pied de page</translation>
    </message>
    <message>
        <source>Font used for book footer</source>
        <translation>La police du pied de page du livre</translation>
    </message>
    <message>
        <source>This folder is not empty and files may be overwritten! Do you want to continue?</source>
        <translation>Ce dossier n’est pas vide et des fichiers pourraient être écrasés ! Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Adds a new section to the book
New Section</source>
        <translation>Ajoute un nouveau paragraphe au livre
Nouveau paragraphe</translation>
    </message>
    <message>
        <source>Removes the section from the book
Remove Section</source>
        <translation>Retire le paragraphe du livre
Supprimer le paragraphe</translation>
    </message>
    <message>
        <source>Randomly shuffles up the sections in your book
Shuffle Sections</source>
        <translation>Mélange au hasard les paragraphes de votre livre
Mélanger les paragraphes</translation>
    </message>
    <message>
        <source>Export your book into a readable, playable format
Export Book</source>
        <translation>Exporte votre livre dans un format lisible et jouable
Exporter le livre</translation>
    </message>
    <message>
        <source>Export your flowchart
Export Flowchart</source>
        <translation>Exporte votre organigramme
Exporter l’organigramme</translation>
    </message>
    <message>
        <source>Make a new book of a story from Twine: Twee, or Twine&apos;s published HTML or archive
Import Story</source>
        <translation>Crée un nouveau livre à partir d’une histoire Twine : Twee, ou le HTML publié ou l’archive de Twine
Importer une histoire</translation>
    </message>
    <message>
        <source>Show or hide the tool bar and the panes
Toolbars and Docking Windows</source>
        <translation>Affiche ou masque la barre d’outils et les panneaux
Barres d’outils et fenêtres</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Revient au panneau précédent
Panneau précédent</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Passe au panneau suivant
Panneau suivant</translation>
    </message>
    <message>
        <source>View the help documents online
Online Help</source>
        <translation>Consulte l’aide en ligne
Aide en ligne</translation>
    </message>
    <message>
        <source>Visit the website for the latest version
Check For Updates</source>
        <translation>Visite le site pour la dernière version
Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Want to request features, report a bug or just say hi? Email us your words!
Send Feeback</source>
        <translation>Une idée, un bogue à signaler ou juste un bonjour ? Écrivez-nous !
Envoyer vos remarques</translation>
    </message>
    <message>
        <source>Put every pane back where it started
Reset Views</source>
        <translation>Remet chaque panneau à sa place de départ
Réinitialiser les vues</translation>
    </message>
    <message>
        <source>Zoom in and out of the flowchart; type a percentage and press Enter for any zoom</source>
        <translation>Zoome et dézoome l’organigramme ; saisissez un pourcentage et appuyez sur Entrée pour tout zoom</translation>
    </message>
    <message>
        <source>The whole chart does not fit at 10%; scroll to see the rest.</source>
        <translation>L’organigramme entier ne tient pas à 10 % ; faites défiler pour voir le reste.</translation>
    </message>
    <message>
        <source>Zoom out of the flowchart</source>
        <translation>Dézoome l’organigramme</translation>
    </message>
    <message>
        <source>Zoom into the flowchart</source>
        <translation>Zoome l’organigramme</translation>
    </message>
    <message>
        <source>Zoom so that the whole flowchart shows
Fit Whole Chart</source>
        <translation>Zoome pour montrer tout l’organigramme
Tout l’organigramme</translation>
    </message>
    <message>
        <source>Zoom so that the flowchart&apos;s width fills the pane
Fit Width</source>
        <translation>Zoome pour que la largeur de l’organigramme remplisse le panneau
Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Make the section with a number current
Go to Section</source>
        <translation>Rend courant le paragraphe portant un numéro
Aller au paragraphe</translation>
    </message>
    <message>
        <source>Count the book&apos;s sections, choices, words and endings, and its paths from section 1
Statistics</source>
        <translation>Compte les paragraphes, choix, mots et fins du livre, et ses chemins depuis le paragraphe 1
Statistiques</translation>
    </message>
    <message>
        <source>Find words in the texts, summaries and choices of the book
Find</source>
        <translation>Cherche des mots dans les textes, résumés et choix du livre
Rechercher</translation>
    </message>
    <message>
        <source>Replace words in the texts, summaries and choices of the book
Replace</source>
        <translation>Remplace des mots dans les textes, résumés et choix du livre
Remplacer</translation>
    </message>
    <message>
        <source>Go to the next match of the words found
Find Next</source>
        <translation>Va à l’occurrence suivante
Occurrence suivante</translation>
    </message>
    <message>
        <source>Go to the previous match of the words found
Find Previous</source>
        <translation>Va à l’occurrence précédente
Occurrence précédente</translation>
    </message>
    <message>
        <source>Show or hide the list of what the book check finds, kept up to date as you write
Problems</source>
        <translation>Affiche ou masque la liste de ce que trouve la vérification du livre, tenue à jour pendant que vous écrivez
Problèmes</translation>
    </message>
    <message>
        <source>Show or hide the book played as a reader meets it, one section at a time
Play</source>
        <translation>Affiche ou masque le livre joué comme un lecteur le découvre, un paragraphe à la fois
Jouer</translation>
    </message>
    <message>
        <source>Play the book from the current section
Play from Here</source>
        <translation>Joue le livre à partir du paragraphe courant
Jouer d’ici</translation>
    </message>
    <message>
        <source>Play the book from section 1
Play from Section 1</source>
        <translation>Joue le livre à partir du paragraphe 1
Jouer depuis le paragraphe 1</translation>
    </message>
    <message>
        <source>Underline words that are not in the dictionary of the book&apos;s language as you write
Check Spelling</source>
        <translation>Souligne pendant la frappe les mots absents du dictionnaire de la langue du livre
Vérifier l’orthographe</translation>
    </message>
    <message>
        <source>Open a short gamebook written to show what the program does
Open Sample Book</source>
        <translation>Ouvre un court livre-jeu écrit pour montrer ce que fait le programme
Ouvrir le livre d’exemple</translation>
    </message>
    <message>
        <source>Laying out…</source>
        <translation>Disposition…</translation>
    </message>
    <message>
        <source>The flowchart could not be laid out again; it shows the last layout. %1</source>
        <translation>L’organigramme n’a pas pu être redisposé ; il montre la dernière disposition. %1</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crée un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvre un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>Close the active document; prompts to save it
Close</source>
        <translation>Ferme le document actif ; propose de l’enregistrer
Fermer</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistre le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistre le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvre ce document</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copie la sélection dans le presse-papiers
Copier</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Coupe la sélection et la place dans le presse-papiers
Couper</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insère le contenu du presse-papiers
Coller</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annule la dernière action
Annuler</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rétablit l’action annulée
Rétablir</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Affiche les informations du programme, sa version et son copyright
À propos</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitte l’application ; propose d’enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>The Brindle Story Studio</source>
        <translation>The Brindle Story Studio</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>Affiche ou masque la barre d’état
Barre d’état</translation>
    </message>
</context>
<context>
    <name>TarnDataModel</name>
    <message>
        <source>Choice is listed more than once</source>
        <translation>Le choix figure plus d’une fois</translation>
    </message>
    <message>
        <source>Section with this number already exists</source>
        <translation>Un paragraphe portant ce numéro existe déjà</translation>
    </message>
    <message>
        <source>Section cannot be deleted while choices lead from or into it</source>
        <translation>Un paragraphe ne peut être supprimé tant que des choix en partent ou y mènent</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag. Write one such as &quot;en&quot;, &quot;en-GB&quot; or &quot;fr-CA&quot;.</source>
        <translation>« %1 » n’est pas une étiquette de langue. Écrivez-en une comme « fr », « fr-CA » ou « en-GB ».</translation>
    </message>
</context>
<context>
    <name>TarnGui::BookAutosave</name>
    <message>
        <source>No recovery copy could be kept: %1</source>
        <translation>Aucune copie de secours n’a pu être conservée : %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::BookJobs</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TarnGui::CAboutDlg</name>
    <message>
        <source>About The Brindle Story Studio</source>
        <translation>À propos de The Brindle Story Studio</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation>Compilé le %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CBookPropertiesPane</name>
    <message>
        <source>dash</source>
        <translation>tiret</translation>
    </message>
    <message>
        <source>turn to</source>
        <translation>rendez-vous au</translation>
    </message>
    <message>
        <source>parenthesis</source>
        <translation>parenthèses</translation>
    </message>
    <message>
        <source>squares</source>
        <translation>crochets</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personnalisé</translation>
    </message>
</context>
<context>
    <name>TarnGui::CChoiceEditorDlg</name>
    <message>
        <source>hidden</source>
        <translation>caché</translation>
    </message>
    <message>
        <source>Choice Editor</source>
        <translation>Éditeur de choix</translation>
    </message>
    <message>
        <source>Mark choice as hidden. Hidden choices won&apos;t appear as an option in text but will still be linked in the flowchart</source>
        <translation>Marque le choix comme caché. Un choix caché n’apparaît pas comme option dans le texte mais reste relié dans l’organigramme</translation>
    </message>
    <message>
        <source>Choice text:</source>
        <translation>Texte du choix :</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination :</translation>
    </message>
    <message>
        <source>Section number must be between 1 and %1</source>
        <translation>Le numéro de paragraphe doit être compris entre 1 et %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CChoicesPane</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Adds a choice and its destination if it doesn&apos;t exist.</source>
        <translation>Ajoute un choix et, s’il n’existe pas, son paragraphe de destination.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Removes the selected choices (but keeps the destination sections.)</source>
        <translation>Supprime les choix sélectionnés (les paragraphes de destination restent).</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Opens the editor for this choice.</source>
        <translation>Ouvre l’éditeur de ce choix.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Change the ordering by moving this choice upwards.</source>
        <translation>Change l’ordre en faisant monter ce choix.</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Change the ordering by moving this choice downwards.</source>
        <translation>Change l’ordre en faisant descendre ce choix.</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Follows this choice and selects its destination.</source>
        <translation>Suit ce choix et sélectionne sa destination.</translation>
    </message>
    <message>
        <source>Choices of the section</source>
        <translation>Choix du paragraphe</translation>
    </message>
    <message>
        <source>Each choice with the section it leads to</source>
        <translation>Chaque choix avec le paragraphe auquel il mène</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFindReplacePane</name>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>&amp;Mot entier</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Expression &amp;régulière</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Rem&amp;placer</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Remplacer &amp;tout</translation>
    </message>
    <message>
        <source>Find in texts, summaries and choices</source>
        <translation>Rechercher dans les textes, résumés et choix</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Précéde&amp;nt</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>The replacement is empty, so Replace All will delete the one match of &quot;%1&quot;.

Delete it?</source>
        <translation>Le remplacement est vide, « Remplacer tout » supprimera donc l’unique occurrence de « %1 ».

La supprimer ?</translation>
    </message>
    <message>
        <source>The replacement is empty, so Replace All will delete all %1 matches of &quot;%2&quot;.

Delete them?</source>
        <translation>Le remplacement est vide, « Remplacer tout » supprimera donc les %1 occurrences de « %2 ».

Les supprimer ?</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucune occurrence</translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es)</source>
        <translation>
            <numerusform>%Ln occurrence</numerusform>
            <numerusform>%Ln occurrences</numerusform>
        </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Occurrences</translation>
    </message>
    <message>
        <source>Every match in the book; Enter or a click shows it in its section</source>
        <translation>Chaque occurrence du livre ; Entrée ou un clic la montre dans son paragraphe</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Résultat de la recherche</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFlowchart</name>
    <message>
        <source>Flowchart, section %1</source>
        <translation>Organigramme, paragraphe %1</translation>
    </message>
    <message>
        <source>Flowchart</source>
        <translation>Organigramme</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFlowchartPane</name>
    <message>
        <source>An empty slot that choices lead to.</source>
        <translation>Une place vide à laquelle mènent des choix.</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (caché)</translation>
    </message>
    <message>
        <source>An ending: no choices.</source>
        <translation>Une fin : aucun choix.</translation>
    </message>
    <message>
        <source>Choices lead to %1.</source>
        <translation>Les choix mènent à %1.</translation>
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
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Save Book As</source>
        <translation>Enregistrer le livre sous</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %Ln match(es)</source>
        <translation>
            <numerusform>%Ln occurrence remplacée</numerusform>
            <numerusform>%Ln occurrences remplacées</numerusform>
        </translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>&amp;Problèmes</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Play from &amp;Here</source>
        <translation>Jouer &amp;d’ici</translation>
    </message>
    <message>
        <source>Play from Section &amp;1</source>
        <translation>Jouer depuis le paragraphe &amp;1</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>Re&amp;mplacer...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Occurrence &amp;suivante</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Occurrence &amp;précédente</translation>
    </message>
    <message>
        <source>Check &amp;Spelling</source>
        <translation>&amp;Vérifier l’orthographe</translation>
    </message>
    <message>
        <source>Go to Section</source>
        <translation>Aller au paragraphe</translation>
    </message>
    <message>
        <source>Section number:</source>
        <translation>Numéro du paragraphe :</translation>
    </message>
    <message>
        <source>Open Book</source>
        <translation>Ouvrir un livre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in %2 by %3 on %4 since %5.

Changes made in both places will overwrite each other. Open it anyway?</source>
        <translation>« %1 » est ouvert dans %2 par %3 sur %4 depuis %5.

Les modifications faites aux deux endroits s’écraseront. L’ouvrir quand même ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been changed by another program since it was opened or saved here.

Replace it with this version?</source>
        <translation>« %1 » a été modifié par un autre programme depuis son ouverture ou son enregistrement ici.

Le remplacer par cette version ?</translation>
    </message>
    <message>
        <source>Saving the book...</source>
        <translation>Enregistrement du livre...</translation>
    </message>
    <message>
        <source>Import Story</source>
        <translation>Importer une histoire</translation>
    </message>
    <message>
        <source>The sample book is missing from this build of the program.</source>
        <translation>Le livre d’exemple manque dans cette version du programme.</translation>
    </message>
    <message>
        <source>Export Book</source>
        <translation>Exporter le livre</translation>
    </message>
    <message>
        <source>Exporting the book...</source>
        <translation>Export du livre...</translation>
    </message>
    <message>
        <source>Writing the book&apos;s pages...</source>
        <translation>Écriture des pages du livre...</translation>
    </message>
    <message>
        <source>Laying out the book&apos;s pages...</source>
        <translation>Mise en page du livre...</translation>
    </message>
    <message>
        <source>Export Flowchart Image</source>
        <translation>Exporter l’organigramme en image</translation>
    </message>
    <message>
        <source>Section %1 has 1 choice leading to it. Remove it and the choice?</source>
        <translation>1 choix mène au paragraphe %1. Le supprimer avec ce choix ?</translation>
    </message>
    <message>
        <source>Section %1 has %2 choices leading to it. Remove it and them?</source>
        <translation>%2 choix mènent au paragraphe %1. Le supprimer avec ces choix ?</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <source>Nothing on this computer could open this for you:

%1

Copy it to open it elsewhere.</source>
        <translation>Rien sur cet ordinateur n’a pu ouvrir ceci pour vous :

%1

Copiez-le pour l’ouvrir ailleurs.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Import Story...</source>
        <translation>&amp;Importer une histoire...</translation>
    </message>
    <message>
        <source>Export &amp;Book</source>
        <translation>Exporter le &amp;livre</translation>
    </message>
    <message>
        <source>Export &amp;Graph</source>
        <translation>Exporter l’or&amp;ganigramme</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Go to Section...</source>
        <translation>A&amp;ller au paragraphe...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>&amp;Reset Views</source>
        <translation>&amp;Réinitialiser les vues</translation>
    </message>
    <message>
        <source>&amp;Previous View</source>
        <translation>Vue pré&amp;cédente</translation>
    </message>
    <message>
        <source>&amp;Next View</source>
        <translation>Vue &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Add Section</source>
        <translation>&amp;Ajouter un paragraphe</translation>
    </message>
    <message>
        <source>&amp;Remove Section</source>
        <translation>&amp;Supprimer le paragraphe</translation>
    </message>
    <message>
        <source>&amp;Shuffle Sections</source>
        <translation>&amp;Mélanger les paragraphes</translation>
    </message>
    <message>
        <source>Online &amp;Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>Check For &amp;Updates</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>Send &amp;Feedback</source>
        <translation>Envoyer vos &amp;remarques</translation>
    </message>
    <message>
        <source>Open &amp;Sample Book</source>
        <translation>Ouvrir le livre d’&amp;exemple</translation>
    </message>
    <message>
        <source>&amp;About The Brindle Story Studio...</source>
        <translation>À &amp;propos de The Brindle Story Studio...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Toolbars and Docking Windows</source>
        <translation>&amp;Barres d’outils et fenêtres</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>&amp;Livre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Twine stories</source>
        <translation>Histoires Twine</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>The file holds %1 stories. Import which one?</source>
        <translation>Le fichier contient %1 histoires. Laquelle importer ?</translation>
    </message>
    <message>
        <source>The story was imported, with these notes:
</source>
        <translation>L’histoire a été importée, avec ces remarques :
</translation>
    </message>
    <message>
        <source>

…and %1 more.</source>
        <translation>

…et %1 de plus.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The program speaks the language chosen from the next time it starts.</source>
        <translation>Le programme parlera la langue choisie à son prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>TarnGui::COutlinePane</name>
    <message>
        <source>Sections of the book</source>
        <translation>Paragraphes du livre</translation>
    </message>
    <message>
        <source>Every section by number with its summary; choosing one makes it the section you work on</source>
        <translation>Chaque paragraphe par numéro avec son résumé ; en choisir un en fait le paragraphe sur lequel vous travaillez</translation>
    </message>
</context>
<context>
    <name>TarnGui::CPlayPane</name>
    <message>
        <source>Bac&amp;k</source>
        <translation>Reto&amp;ur</translation>
    </message>
    <message>
        <source>Edi&amp;t this section</source>
        <translation>M&amp;odifier ce paragraphe</translation>
    </message>
    <message>
        <source>The path taken so far; click a step to go back to it</source>
        <translation>Le chemin suivi jusqu’ici ; cliquez sur une étape pour y revenir</translation>
    </message>
    <message>
        <source>Nothing to play</source>
        <translation>Rien à jouer</translation>
    </message>
    <message>
        <source>This is an ending: the section has no choices.</source>
        <translation>C’est une fin : le paragraphe n’a pas de choix.</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>caché</translation>
    </message>
    <message>
        <source>Forwar&amp;d</source>
        <translation>A&amp;vancer</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Re&amp;jouer</translation>
    </message>
    <message>
        <source>Text of the section played</source>
        <translation>Texte du paragraphe joué</translation>
    </message>
    <message>
        <source>Path taken</source>
        <translation>Chemin suivi</translation>
    </message>
</context>
<context>
    <name>TarnGui::CPreviewPane</name>
    <message>
        <source>Preview of the book</source>
        <translation>Aperçu du livre</translation>
    </message>
    <message>
        <source>The book as readers will see it; the choices link to their sections</source>
        <translation>Le livre tel que les lecteurs le verront ; les choix renvoient à leurs paragraphes</translation>
    </message>
</context>
<context>
    <name>TarnGui::CProblemsPane</name>
    <message>
        <source>Problems found</source>
        <translation>Problèmes trouvés</translation>
    </message>
    <message>
        <source>What the book check finds; choosing one shows its section</source>
        <translation>Ce que trouve la vérification du livre ; en choisir un montre son paragraphe</translation>
    </message>
</context>
<context>
    <name>TarnGui::CSectionView</name>
    <message>
        <source>Section %1</source>
        <translation>Paragraphe %1</translation>
    </message>
    <message>
        <source>Section text</source>
        <translation>Texte du paragraphe</translation>
    </message>
    <message>
        <source>What the reader reads in the section; Tab goes to the next pane, Ctrl+Tab types a tab</source>
        <translation>Ce que le lecteur lit dans le paragraphe ; Tab passe au panneau suivant, Ctrl+Tab insère une tabulation</translation>
    </message>
    <message>
        <source>Text of section %1</source>
        <translation>Texte du paragraphe %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CTarnGuiApp</name>
    <message>
        <source>The restored work is open; &quot;%1&quot; was not opened. Open it once the restored work is saved.</source>
        <translation>Le travail restauré est ouvert ; « %1 » n’a pas été ouvert. Ouvrez-le une fois le travail restauré enregistré.</translation>
    </message>
</context>
<context>
    <name>TarnGui::CTarnTextEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
</context>
<context>
    <name>TarnGui::ErrorBoundary</name>
    <message>
        <source>Cannot open &quot;%1&quot;, line %2: it is not a book this program can read, or it has been damaged (%3).</source>
        <translation>Impossible d’ouvrir « %1 », ligne %2 : ce n’est pas un livre que ce programme sait lire, ou il est endommagé (%3).</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
</context>
<context>
    <name>TarnGui::ExportTypeDlg</name>
    <message>
        <source>One file</source>
        <translation>Un seul fichier</translation>
    </message>
    <message>
        <source>One HTML file per section</source>
        <translation>Un fichier HTML par paragraphe</translation>
    </message>
    <message>
        <source>Export Book</source>
        <translation>Exporter le livre</translation>
    </message>
    <message>
        <source>If you&apos;re not sure, go for this one.</source>
        <translation>Dans le doute, choisissez celui-ci.</translation>
    </message>
    <message>
        <source>This is if you want each book section to be created as a separate HTML file.</source>
        <translation>Pour que chaque paragraphe du livre devienne un fichier HTML à part.</translation>
    </message>
</context>
<context>
    <name>TarnGui::MatchListModel</name>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>TarnGui::PdfPageSetupDlg</name>
    <message>
        <source>PDF Pages</source>
        <translation>Pages du PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Format de page :</translation>
    </message>
    <message>
        <source>Margins:</source>
        <translation>Marges :</translation>
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
        <translation>US Letter (8,5 × 11 po)</translation>
    </message>
    <message>
        <source>Trade paperback (6 × 9 in)</source>
        <translation>Format poche (6 × 9 po)</translation>
    </message>
</context>
<context>
    <name>TarnGui::RecoveryDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Récupérer le travail non enregistré</translation>
    </message>
    <message>
        <source>The Brindle Story Studio did not close cleanly last time. These books had changes that were not saved:</source>
        <translation>The Brindle Story Studio ne s’est pas fermé correctement la dernière fois. Ces livres avaient des modifications non enregistrées :</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Plus &amp;tard</translation>
    </message>
    <message>
        <source>a book never saved</source>
        <translation>un livre jamais enregistré</translation>
    </message>
    <message>
        <source>%1
%2, kept %3</source>
        <translation>%1
%2, conservé %3</translation>
    </message>
</context>
<context>
    <name>TarnGui::SpellingMenu</name>
    <message>
        <source>No suggestions</source>
        <translation>Aucune suggestion</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
</context>
<context>
    <name>TarnGui::SpellingService</name>
    <message>
        <source> Spelling is not checked.</source>
        <translation> L’orthographe n’est pas vérifiée.</translation>
    </message>
</context>
<context>
    <name>TarnGui::StatisticsDlg</name>
    <message>
        <source>Book Statistics</source>
        <translation>Statistiques du livre</translation>
    </message>
    <message>
        <source>Sections:</source>
        <translation>Paragraphes :</translation>
    </message>
    <message>
        <source>Choices:</source>
        <translation>Choix :</translation>
    </message>
    <message>
        <source>Hidden choices:</source>
        <translation>Choix cachés :</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Mots :</translation>
    </message>
    <message>
        <source>Reading time:</source>
        <translation>Temps de lecture :</translation>
    </message>
    <message numerus="yes">
        <source>about %Ln minute(s), at 200 words a minute</source>
        <translation>
            <numerusform>environ %Ln minute, à 200 mots par minute</numerusform>
            <numerusform>environ %Ln minutes, à 200 mots par minute</numerusform>
        </translation>
    </message>
    <message>
        <source>Endings:</source>
        <translation>Fins :</translation>
    </message>
    <message>
        <source>Shortest path:</source>
        <translation>Chemin le plus court :</translation>
    </message>
    <message>
        <source>Longest path:</source>
        <translation>Chemin le plus long :</translation>
    </message>
    <message>
        <source>, leaving out loops</source>
        <translation>, sans les boucles</translation>
    </message>
    <message>
        <source>no ending is reached from section 1</source>
        <translation>aucune fin n’est atteinte depuis le paragraphe 1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln choice(s)</source>
        <translation>
            <numerusform>%Ln choix</numerusform>
            <numerusform>%Ln choix</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDictionary</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot be read: %2.</source>
        <translation>Votre dictionnaire %1 est illisible : %2.</translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot be written: %2.</source>
        <translation>Votre dictionnaire %1 ne peut être écrit : %2.</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>the disk is full (%1)</source>
        <translation>le disque est plein (%1)</translation>
    </message>
    <message>
        <source>your share of the disk is used up (%1)</source>
        <translation>votre part du disque est épuisée (%1)</translation>
    </message>
    <message>
        <source>the disk is read-only (%1)</source>
        <translation>le disque est en lecture seule (%1)</translation>
    </message>
    <message>
        <source>the folder is read-only, or not yours to write in (%1)</source>
        <translation>le dossier est en lecture seule, ou vous n’avez pas le droit d’y écrire (%1)</translation>
    </message>
    <message>
        <source>the folder does not exist (%1)</source>
        <translation>le dossier n’existe pas (%1)</translation>
    </message>
    <message>
        <source>part of the path is not a folder (%1)</source>
        <translation>une partie du chemin n’est pas un dossier (%1)</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows (%1)</source>
        <translation>le fichier dépasserait la taille permise par ce système (%1)</translation>
    </message>
    <message>
        <source>the disk could not be written (%1)</source>
        <translation>le disque n’a pas pu être écrit (%1)</translation>
    </message>
    <message>
        <source>no program is reading from it (%1)</source>
        <translation>aucun programme ne le lit (%1)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>le système n’a donné aucune raison</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Impossible d’écrire « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>Cannot start the archive: %1.</source>
        <translation>Impossible de commencer l’archive : %1.</translation>
    </message>
    <message>
        <source>Cannot add to the archive: %1.</source>
        <translation>Impossible d’ajouter à l’archive : %1.</translation>
    </message>
    <message>
        <source>Cannot write the archive: %1.</source>
        <translation>Impossible d’écrire l’archive : %1.</translation>
    </message>
    <message>
        <source>Cannot read the archive back: %1.</source>
        <translation>Impossible de relire l’archive : %1.</translation>
    </message>
</context>
</TS>
