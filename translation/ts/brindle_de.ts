<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BookLimits</name>
    <message>
        <source>Cannot open &quot;%1&quot;: saved, the book would take %2, more than the %3 a book may take.</source>
        <translation>„%1“ kann nicht geöffnet werden: Gespeichert wäre das Buch %2 groß, mehr als die %3, die ein Buch haben darf.</translation>
    </message>
    <message>
        <source>%1: section %2 has more than %3 choices, the most a section may have.</source>
        <translation>%1: Abschnitt %2 hat mehr als %3 Entscheidungen, die Höchstzahl für einen Abschnitt.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is larger than %2, the most a book may take.</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei ist größer als %2, das Höchstmaß für ein Buch.</translation>
    </message>
    <message>
        <source>This change would make the book take more than the %1 a book may take. Nothing was changed.</source>
        <translation>Durch diese Änderung würde das Buch größer als die %1, die ein Buch haben darf. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Section %1 already has %2 choices, the most a section may have.</source>
        <translation>Abschnitt %1 hat bereits %2 Entscheidungen, die Höchstzahl für einen Abschnitt.</translation>
    </message>
</context>
<context>
    <name>BrindleCli</name>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>the zoom must be a percentage from 10 to 100</source>
        <translation>der Zoom muss ein Prozentwert von 10 bis 100 sein</translation>
    </message>
    <message>
        <source>--page-size and --margin are for the pdf format only</source>
        <translation>--page-size und --margin gelten nur für das Format pdf</translation>
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
        <translation>Aufruf:
  brindle export BOOK.brindle --format FORMAT -o OUTPUT [--force]
               [--page-size SIZE] [--margin MM]
      Schreibt das Buch, wie es „Buch exportieren“ im Programm tut. FORMAT ist eines von
      txt, rtf, html, xml, json, choicescript, epub, pdf, twee, oder html-pages für eine
      Seite je Abschnitt im Ordner OUTPUT, der leer sein muss, außer mit --force.
      Die Seiten eines PDF sind a4 (Standard), a5, letter oder 6x9 (Zoll), mit Rändern
      von MM Millimetern (5 bis 40, Standard 20).
  brindle import STORY.twee|STORY.html -o BOOK.brindle [--story NAME|IFID] [--force]
      Macht aus einer Twine-Geschichte ein Buch: Twee 3, oder Twine 2s veröffentlichtes
      HTML oder Archiv; --story nennt die Geschichte oder ihre IFID, wenn es mehrere
      gibt. Ein vorhandenes BOOK.brindle wird nur mit --force ersetzt.
  brindle graph BOOK.brindle -o IMAGE [--zoom PERCENT]
      Zeichnet das Flussdiagramm in IMAGE (.png, .bmp, .jpg oder .gif) mit PERCENT
      (10 bis 100, Standard 100).
  brindle check BOOK.brindle [--json]
      Listet, was vor dem Veröffentlichen anzusehen ist: Abschnitte, zu denen kein Weg
      von Abschnitt 1 führt, leere Plätze, Entscheidungen zu leeren Plätzen, Abschnitte
      ohne Text und wiederholte Entscheidungen, und die zu bestätigenden Enden. Endet
      mit 0, wenn nichts falsch ist, mit 1, wenn etwas falsch ist, mit 2, wenn das Buch
      nicht gelesen werden kann.
  brindle stats BOOK.brindle [--json]
      Zählt Abschnitte, Entscheidungen, verborgene Entscheidungen und Wörter, und den
      kürzesten und längsten Weg von Abschnitt 1 zu einem Ende.
  brindle --help
</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: ist kein Ordner</translation>
    </message>
    <message>
        <source>%1: the folder is not empty; give --force to write into it</source>
        <translation>%1: der Ordner ist nicht leer; mit --force wird hineingeschrieben</translation>
    </message>
    <message>
        <source>%1 of %2 pages written</source>
        <translation>%1 von %2 Seiten geschrieben</translation>
    </message>
    <message>
        <source>unknown page size &quot;%1&quot;; use a4, a5, letter or 6x9</source>
        <translation>unbekannte Seitengröße „%1“; nehmen Sie a4, a5, letter oder 6x9</translation>
    </message>
    <message>
        <source>%1 of %2 sections laid out</source>
        <translation>%1 von %2 Abschnitten gesetzt</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use txt, rtf, html, xml, json, choicescript, epub, pdf, twee or html-pages</source>
        <translation>unbekanntes Format „%1“; nehmen Sie txt, rtf, html, xml, json, choicescript, epub, pdf, twee oder html-pages</translation>
    </message>
    <message>
        <source>cannot tell the image type of &quot;%1&quot;; name a .png, .bmp, .jpg or .gif file</source>
        <translation>der Bildtyp von „%1“ ist nicht zu erkennen; nennen Sie eine Datei .png, .bmp, .jpg oder .gif</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>the file holds %1 stories named &quot;%2&quot;; name one by its IFID: %3</source>
        <translation>die Datei enthält %1 Geschichten namens „%2“; nennen Sie eine mit ihrer IFID: %3</translation>
    </message>
    <message>
        <source>the file holds %1 stories, %2; name one with --story NAME or --story IFID</source>
        <translation>die Datei enthält %1 Geschichten, %2; nennen Sie eine mit --story NAME oder --story IFID</translation>
    </message>
    <message>
        <source>the file has no story &quot;%1&quot;, only %2</source>
        <translation>die Datei hat keine Geschichte „%1“, nur %2</translation>
    </message>
    <message>
        <source>%1: the file exists; give --force to replace it</source>
        <translation>%1: die Datei existiert; mit --force wird sie ersetzt</translation>
    </message>
    <message>
        <source>%1: the book would replace the story it is made from; name another file</source>
        <translation>%1: das Buch würde die Geschichte ersetzen, aus der es entsteht; nennen Sie eine andere Datei</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Sections that no path from section 1 reaches</source>
        <translation>Abschnitte, die kein Weg von Abschnitt 1 erreicht</translation>
    </message>
    <message>
        <source>Empty slots</source>
        <translation>Leere Plätze</translation>
    </message>
    <message>
        <source>Choices to empty slots</source>
        <translation>Entscheidungen zu leeren Plätzen</translation>
    </message>
    <message>
        <source>Sections without text</source>
        <translation>Abschnitte ohne Text</translation>
    </message>
    <message>
        <source>Repeated choices to the same destination</source>
        <translation>Wiederholte Entscheidungen zum selben Ziel</translation>
    </message>
    <message>
        <source>Endings to confirm (sections without choices)</source>
        <translation>Zu bestätigende Enden (Abschnitte ohne Entscheidungen)</translation>
    </message>
    <message>
        <source>Problems found.</source>
        <translation>Probleme gefunden.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n choice(s)</source>
        <translation>
            <numerusform>%n Entscheidung</numerusform>
            <numerusform>%n Entscheidungen</numerusform>
        </translation>
    </message>
    <message>
        <source>no ending is reached</source>
        <translation>kein Ende wird erreicht</translation>
    </message>
    <message>
        <source>Sections: %1</source>
        <translation>Abschnitte: %1</translation>
    </message>
    <message>
        <source>Choices: %1</source>
        <translation>Entscheidungen: %1</translation>
    </message>
    <message>
        <source>Hidden choices: %1</source>
        <translation>Verborgene Entscheidungen: %1</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Wörter: %1</translation>
    </message>
    <message>
        <source>Shortest path from section 1 to an ending</source>
        <translation>Kürzester Weg von Abschnitt 1 zu einem Ende</translation>
    </message>
    <message>
        <source>Longest path from section 1 to an ending</source>
        <translation>Längster Weg von Abschnitt 1 zu einem Ende</translation>
    </message>
    <message>
        <source>, not going round a loop</source>
        <translation>, ohne eine Schleife zu durchlaufen</translation>
    </message>
    <message>
        <source>the results could not be written</source>
        <translation>die Ergebnisse konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>an unexpected error occurred</source>
        <translation>ein unerwarteter Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>(%n choices)</source>
        <translation>
            <numerusform>(%n Entscheidung)</numerusform>
            <numerusform>(%n Entscheidungen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>*hidden* %1</source>
        <translation>*verborgen* %1</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot export over the book itself: &quot;%1&quot;.</source>
        <translation>Das Buch kann nicht über sich selbst exportiert werden: „%1“.</translation>
    </message>
</context>
<context>
    <name>FileHandling</name>
    <message>
        <source>Cannot open file &quot;%1&quot;: there is no such file</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: Es gibt keine solche Datei</translation>
    </message>
</context>
<context>
    <name>FlowchartGraph</name>
    <message>
        <source>The flowchart could not be laid out.</source>
        <translation>Das Flussdiagramm konnte nicht angeordnet werden.</translation>
    </message>
</context>
<context>
    <name>FlowchartImage</name>
    <message>
        <source>The flowchart could not be saved as %1: %2</source>
        <translation>Das Flussdiagramm konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Unknown type</source>
        <translation>Unbekannter Typ</translation>
    </message>
    <message>
        <source>The flowchart image of %1 by %2 pixels is too large to make. Zoom out and export it again.</source>
        <translation>Ein Bild des Flussdiagramms mit %1 × %2 Pixeln ist zu groß. Verkleinern Sie die Ansicht und exportieren Sie erneut.</translation>
    </message>
</context>
<context>
    <name>GifWriter</name>
    <message>
        <source>The GIF image could not be written: %1</source>
        <translation>Das GIF-Bild konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>A GIF image can be at most %1 pixels wide and high. Zoom out and export it again.</source>
        <translation>Ein GIF-Bild darf höchstens %1 Pixel breit und hoch sein. Verkleinern Sie die Ansicht und exportieren Sie erneut.</translation>
    </message>
</context>
<context>
    <name>GraphCore</name>
    <message>
        <source>Section not found</source>
        <translation>Abschnitt nicht gefunden</translation>
    </message>
    <message>
        <source>Choice not found</source>
        <translation>Entscheidung nicht gefunden</translation>
    </message>
    <message>
        <source>Could not add choice</source>
        <translation>Die Entscheidung konnte nicht hinzugefügt werden</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Cannot import &quot;%1&quot;, line %2: %3</source>
        <translation>„%1“ kann nicht importiert werden, Zeile %2: %3</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <translation>„%1“, Zeile %2: %3</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; has more than %2 links; a section may have at most %2 choices</source>
        <translation>Passage „%1“ hat mehr als %2 Verweise; ein Abschnitt darf höchstens %2 Entscheidungen haben</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; goes on through macros that name the passage by code, not by a plain name; they make no choices</source>
        <translation>Passage „%1“ führt über Makros weiter, die die Passage per Code statt mit einfachem Namen nennen; daraus werden keine Entscheidungen</translation>
    </message>
    <message>
        <source>the metadata of passage &quot;%1&quot; is not JSON (%2); it is left out</source>
        <translation>die Metadaten der Passage „%1“ sind kein JSON (%2); sie werden ausgelassen</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; was changed since it was exported; its links are read as Twine reads them</source>
        <translation>Passage „%1“ wurde nach dem Export geändert; ihre Verweise werden gelesen, wie Twine sie liest</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; is not JSON (%2); the passages are read as Twine reads them</source>
        <translation>Passage „%1“ ist kein JSON (%2); die Passagen werden gelesen, wie Twine sie liest</translation>
    </message>
    <message>
        <source>the story makes a book of more than %1, the most a book may take</source>
        <translation>die Geschichte ergäbe ein Buch von mehr als %1, dem Höchstmaß für ein Buch</translation>
    </message>
    <message>
        <source>the story needs %1 sections; a book holds at most %2</source>
        <translation>die Geschichte braucht %1 Abschnitte; ein Buch fasst höchstens %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag; the book takes %2</source>
        <translation>„%1“ ist kein Sprachkürzel; das Buch erhält %2</translation>
    </message>
    <message>
        <source>section 1 is the start passage &quot;%1&quot;, so passage &quot;1&quot; becomes section %2</source>
        <translation>Abschnitt 1 ist die Startpassage „%1“, daher wird Passage „1“ zu Abschnitt %2</translation>
    </message>
    <message>
        <source>there is no passage &quot;%1&quot;; section %2 is made for the links to it, empty</source>
        <translation>es gibt keine Passage „%1“; für die Verweise darauf wird Abschnitt %2 angelegt, leer</translation>
    </message>
    <message>
        <source>the StoryData is not JSON (%1); it is left out</source>
        <translation>die StoryData sind kein JSON (%1); sie werden ausgelassen</translation>
    </message>
    <message>
        <source>the tags of passage &quot;%1&quot; are not closed with &quot;]&quot;</source>
        <translation>die Tags der Passage „%1“ sind nicht mit „]“ geschlossen</translation>
    </message>
    <message>
        <source>%1 appears again; the later one is left out</source>
        <translation>%1 kommt noch einmal vor; das spätere wird ausgelassen</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; is the story&apos;s script or style sheet; it is left out</source>
        <translation>Passage „%1“ ist das Skript oder Stylesheet der Geschichte; sie wird ausgelassen</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; appears again; the later one is left out</source>
        <translation>Passage „%1“ kommt noch einmal vor; die spätere wird ausgelassen</translation>
    </message>
    <message numerus="yes">
        <source>%n characters that no book can hold, such as NUL, are each replaced by U+FFFD</source>
        <translation>
            <numerusform>%n Zeichen, das kein Buch enthalten kann, etwa NUL, wird durch U+FFFD ersetzt</numerusform>
            <numerusform>%n Zeichen, die kein Buch enthalten kann, etwa NUL, werden jeweils durch U+FFFD ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no Twine story in it (no &lt;tw-storydata&gt; element)</source>
        <translation>sie enthält keine Twine-Geschichte (kein &lt;tw-storydata&gt;-Element)</translation>
    </message>
    <message>
        <source>there is no Twee passage in it (no line starting with &quot;::&quot;)</source>
        <translation>sie enthält keine Twee-Passage (keine Zeile, die mit „::“ beginnt)</translation>
    </message>
    <message>
        <source>story &quot;%1&quot; has no passages</source>
        <translation>Geschichte „%1“ hat keine Passagen</translation>
    </message>
</context>
<context>
    <name>Outline</name>
    <message>
        <source>%1 &lt;Empty&gt;</source>
        <translation>%1 &lt;Leer&gt;</translation>
    </message>
</context>
<context>
    <name>PageSetup</name>
    <message>
        <source>The margin must be from %1 to %2 mm.</source>
        <translation>Der Rand muss zwischen %1 und %2 mm liegen.</translation>
    </message>
</context>
<context>
    <name>PdfLinks</name>
    <message>
        <source>The PDF could not be given its links: %1.</source>
        <translation>Das PDF konnte nicht mit Verweisen versehen werden: %1.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Section %1 was removed from the book, so the path ends before it.</source>
        <translation>Abschnitt %1 wurde aus dem Buch entfernt, daher endet der Weg davor.</translation>
    </message>
</context>
<context>
    <name>PlayController</name>
    <message>
        <source>The choice is not one of the section being played</source>
        <translation>Die Entscheidung gehört nicht zum gespielten Abschnitt</translation>
    </message>
</context>
<context>
    <name>PngWriter</name>
    <message>
        <source>The PNG image could not be written: %1</source>
        <translation>Das PNG-Bild konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>No path from section 1 reaches section %1</source>
        <translation>Kein Weg von Abschnitt 1 führt zu Abschnitt %1</translation>
    </message>
    <message>
        <source>Section %1 is an empty slot</source>
        <translation>Abschnitt %1 ist ein leerer Platz</translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choice(s) to the empty slot %2</source>
        <translation>
            <numerusform>Abschnitt %1 hat %n Entscheidung zum leeren Platz %2</numerusform>
            <numerusform>Abschnitt %1 hat %n Entscheidungen zum leeren Platz %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Section %1 has no text</source>
        <translation>Abschnitt %1 hat keinen Text</translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choices to section %2</source>
        <translation>
            <numerusform>Abschnitt %1 hat %n Entscheidung zu Abschnitt %2</numerusform>
            <numerusform>Abschnitt %1 hat %n Entscheidungen zu Abschnitt %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Section %1 is an ending: confirm that it should be</source>
        <translation>Abschnitt %1 ist ein Ende: Bestätigen Sie, dass er eins sein soll</translation>
    </message>
</context>
<context>
    <name>PropertyGrid</name>
    <message>
        <source>Don&apos;t know what to do with this property</source>
        <translation>Mit dieser Eigenschaft kann nichts angefangen werden</translation>
    </message>
</context>
<context>
    <name>SearchPattern</name>
    <message>
        <source>The regular expression cannot be read at character %1: %2</source>
        <translation>Der reguläre Ausdruck kann an Zeichen %1 nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The regular expression takes too long to search with: %1</source>
        <translation>Die Suche mit dem regulären Ausdruck dauert zu lange: %1</translation>
    </message>
</context>
<context>
    <name>SectionNumbers</name>
    <message>
        <source>Section number must be between 1 and %1</source>
        <translation>Die Abschnittsnummer muss zwischen 1 und %1 liegen</translation>
    </message>
</context>
<context>
    <name>SectionSelection</name>
    <message>
        <source>There is no section %1 in this book.</source>
        <translation>In diesem Buch gibt es keinen Abschnitt %1.</translation>
    </message>
</context>
<context>
    <name>SectionView</name>
    <message>
        <source>Empty Section</source>
        <translation>Leerer Abschnitt</translation>
    </message>
</context>
<context>
    <name>SpellCheck</name>
    <message>
        <source>No spelling dictionary for the language &quot;%1&quot; is installed, so spelling is not checked. Install a Hunspell dictionary for it, such as one of Debian&apos;s hunspell packages.</source>
        <translation>Für die Sprache „%1“ ist kein Wörterbuch installiert, daher wird die Rechtschreibung nicht geprüft. Installieren Sie ein Hunspell-Wörterbuch dafür, etwa eines der hunspell-Pakete von Debian.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>The spelling dictionary %1 cannot be read, or is empty.</source>
        <translation>Das Wörterbuch %1 kann nicht gelesen werden oder ist leer.</translation>
    </message>
    <message>
        <source>The spelling dictionary %1 is in a character set (%2) this system cannot convert.</source>
        <translation>Das Wörterbuch %1 ist in einem Zeichensatz (%2), den dieses System nicht umwandeln kann.</translation>
    </message>
</context>
<context>
    <name>StagedFolder</name>
    <message>
        <source>Cannot write into the folder &quot;%1&quot;: %2.</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht ersetzt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot move the new files into &quot;%1&quot;: %2.</source>
        <translation>Die neuen Dateien können nicht nach „%1“ verschoben werden: %2.</translation>
    </message>
</context>
<context>
    <name>StoryGraph</name>
    <message>
        <source>Section does not exist</source>
        <translation>Der Abschnitt existiert nicht</translation>
    </message>
    <message>
        <source>Section cannot be visited - it does not exist</source>
        <translation>Der Abschnitt kann nicht besucht werden – er existiert nicht</translation>
    </message>
    <message>
        <source>Section with this number already exists</source>
        <translation>Ein Abschnitt mit dieser Nummer existiert bereits</translation>
    </message>
    <message>
        <source>Choice with this id already exists</source>
        <translation>Eine Entscheidung mit dieser Kennung existiert bereits</translation>
    </message>
    <message>
        <source>Choice does not exist</source>
        <translation>Die Entscheidung existiert nicht</translation>
    </message>
    <message>
        <source>Choice cannot be updated</source>
        <translation>Die Entscheidung kann nicht geändert werden</translation>
    </message>
    <message>
        <source>Section cannot be updated</source>
        <translation>Der Abschnitt kann nicht geändert werden</translation>
    </message>
    <message>
        <source>Numbering gives two sections the same number</source>
        <translation>Die Nummerierung gibt zwei Abschnitten dieselbe Nummer</translation>
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
Brindle-Geschichten (*.brindle)
.brindle
Brindle.Document
Brindle.Document</translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation>Standard-Symbolleiste</translation>
    </message>
    <message>
        <source>Flowchart</source>
        <translation>Flussdiagramm</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Gliederung</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>The number of the section. You can change this to a new number and all of your choice links will be magically updated.  If you change this to a section number already in use then they will get swapped over.</source>
        <translation>Die Nummer des Abschnitts. Wenn Sie sie ändern, folgen alle Verweise Ihrer Entscheidungen wie von selbst. Ist die neue Nummer schon vergeben, tauschen die beiden Abschnitte ihre Nummern.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Display Details</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Can be auto shuffled</source>
        <translation>Darf gemischt werden</translation>
    </message>
    <message>
        <source>When you perform an auto shuffle, this section can either be shuffled or fixed in place.  Most sections you will want to shuffle, but you may want to keep your opening section at the beginning of the book and your win section at the end.</source>
        <translation>Beim Mischen kann dieser Abschnitt mitgemischt werden oder an seinem Platz bleiben. Die meisten Abschnitte werden Sie mischen wollen, den ersten Abschnitt und den Sieg aber vielleicht am Anfang und am Ende des Buchs lassen.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>This is a short description of the section for your use as you design your gamebook.</source>
        <translation>Eine kurze Beschreibung des Abschnitts für Sie selbst, während Sie Ihr Spielbuch entwerfen.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>The colour of the section in the graph</source>
        <translation>Die Farbe des Abschnitts im Diagramm</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Entscheidungen</translation>
    </message>
    <message>
        <source>Brindle Story Files (*.brindle)</source>
        <translation>Brindle-Geschichten (*.brindle)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Use a section from the drop down, or enter a number from 1</source>
        <translation>Wählen Sie einen Abschnitt aus der Liste oder geben Sie eine Nummer ab 1 ein</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>Rich Text Files</source>
        <translation>Rich-Text-Dateien</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>HTML-Dateien</translation>
    </message>
    <message>
        <source>XML Files</source>
        <translation>XML-Dateien</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Do you want to open your exported book?</source>
        <translation>Möchten Sie das exportierte Buch öffnen?</translation>
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
        <translation>Änderungen an %s speichern?</translation>
    </message>
    <message>
        <source>Gamebook</source>
        <translation>Spielbuch</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Title of your gamebook</source>
        <translation>Der Titel Ihres Spielbuchs</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Who wrote your gamebook, as ebooks, print and game listings name them</source>
        <translation>Wer Ihr Spielbuch geschrieben hat, so wie E-Books, Druck und Spielelisten es nennen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language your gamebook is written in, as a tag such as en, en-GB or fr-CA</source>
        <translation>Die Sprache, in der Ihr Spielbuch geschrieben ist, als Kürzel wie de, de-AT oder en-GB</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Made once for your gamebook and kept, so that readers&apos; libraries know a new edition of it</source>
        <translation>Einmal für Ihr Spielbuch erzeugt und behalten, damit die Bibliotheken der Leser eine neue Ausgabe erkennen</translation>
    </message>
    <message>
        <source>The footer to your pages or book.</source>
        <translation>Die Fußzeile Ihrer Seiten oder Ihres Buchs.</translation>
    </message>
    <message>
        <source>Do you want to open your exported flowchart?</source>
        <translation>Möchten Sie das exportierte Flussdiagramm öffnen?</translation>
    </message>
    <message>
        <source>JSON Files</source>
        <translation>JSON-Dateien</translation>
    </message>
    <message>
        <source>ChoiceScript (Choice of Games)</source>
        <translation>ChoiceScript (Choice of Games)</translation>
    </message>
    <message>
        <source>EPUB e-books</source>
        <translation>EPUB-E-Books</translation>
    </message>
    <message>
        <source>PDF documents</source>
        <translation>PDF-Dokumente</translation>
    </message>
    <message>
        <source>Twee stories (Twine)</source>
        <translation>Twee-Geschichten (Twine)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Find and Replace</source>
        <translation>Suchen und Ersetzen</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Main book font</source>
        <translation>Hauptschrift des Buchs</translation>
    </message>
    <message>
        <source>Font used for the main text in your book</source>
        <translation>Die Schrift für den Haupttext Ihres Buchs</translation>
    </message>
    <message>
        <source>Header font</source>
        <translation>Schrift der Kopfzeile</translation>
    </message>
    <message>
        <source>Choice format</source>
        <translation>Entscheidungsformat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>A description of this format</source>
        <translation>Eine Beschreibung dieses Formats</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>The format used, where {{text}} is a placeholder for the choice text, and {{destination}} is a placeholder for the destination number.</source>
        <translation>Das verwendete Format: {{text}} steht für den Text der Entscheidung, {{destination}} für die Nummer des Ziels.</translation>
    </message>
    <message>
        <source>Book Layout</source>
        <translation>Buchlayout</translation>
    </message>
    <message>
        <source>Put every section on new page</source>
        <translation>Jeder Abschnitt auf neuer Seite</translation>
    </message>
    <message>
        <source>Set to yes if you want each section to be separated with a page break. This works well when your sections are quite long. Say no if you want sections to appear continuously, one after another (default). This works better for shorter sections.</source>
        <translation>Wählen Sie Ja, wenn jeder Abschnitt durch einen Seitenumbruch getrennt sein soll. Das passt zu langen Abschnitten. Wählen Sie Nein, wenn die Abschnitte fortlaufend aufeinander folgen sollen (Standard). Das passt besser zu kurzen Abschnitten.</translation>
    </message>
    <message>
        <source>Font used for book header</source>
        <translation>Die Schrift der Kopfzeile des Buchs</translation>
    </message>
    <message>
        <source>Footer font</source>
        <translation>Schrift der Fußzeile</translation>
    </message>
    <message>
        <source>Font used for book footer</source>
        <translation>Die Schrift der Fußzeile des Buchs</translation>
    </message>
    <message>
        <source>This folder is not empty and files may be overwritten! Do you want to continue?</source>
        <translation>Dieser Ordner ist nicht leer, Dateien könnten überschrieben werden! Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Adds a new section to the book
New Section</source>
        <translation>Fügt dem Buch einen neuen Abschnitt hinzu
Neuer Abschnitt</translation>
    </message>
    <message>
        <source>Removes the section from the book
Remove Section</source>
        <translation>Entfernt den Abschnitt aus dem Buch
Abschnitt entfernen</translation>
    </message>
    <message>
        <source>Randomly shuffles up the sections in your book
Shuffle Sections</source>
        <translation>Mischt die Abschnitte Ihres Buchs zufällig
Abschnitte mischen</translation>
    </message>
    <message>
        <source>Export your book into a readable, playable format
Export Book</source>
        <translation>Exportiert Ihr Buch in ein lesbares, spielbares Format
Buch exportieren</translation>
    </message>
    <message>
        <source>Export your flowchart
Export Flowchart</source>
        <translation>Exportiert Ihr Flussdiagramm
Flussdiagramm exportieren</translation>
    </message>
    <message>
        <source>Make a new book of a story from Twine: Twee, or Twine&apos;s published HTML or archive
Import Story</source>
        <translation>Macht aus einer Twine-Geschichte ein neues Buch: Twee, oder Twines veröffentlichtes HTML oder Archiv
Geschichte importieren</translation>
    </message>
    <message>
        <source>Show or hide the tool bar and the panes
Toolbars and Docking Windows</source>
        <translation>Zeigt oder verbirgt die Symbolleiste und die Fenster
Symbolleisten und Fenster</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Wechselt zurück zum vorigen Fensterbereich
Voriger Bereich</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Wechselt zum nächsten Fensterbereich
Nächster Bereich</translation>
    </message>
    <message>
        <source>View the help documents online
Online Help</source>
        <translation>Zeigt die Hilfe online
Online-Hilfe</translation>
    </message>
    <message>
        <source>Visit the website for the latest version
Check For Updates</source>
        <translation>Besucht die Website mit der neuesten Version
Nach Updates suchen</translation>
    </message>
    <message>
        <source>Want to request features, report a bug or just say hi? Email us your words!
Send Feeback</source>
        <translation>Wünsche, einen Fehler melden oder einfach Hallo sagen? Schreiben Sie uns!
Feedback senden</translation>
    </message>
    <message>
        <source>Put every pane back where it started
Reset Views</source>
        <translation>Setzt jeden Bereich an seinen Ausgangsplatz zurück
Ansichten zurücksetzen</translation>
    </message>
    <message>
        <source>Zoom in and out of the flowchart; type a percentage and press Enter for any zoom</source>
        <translation>Vergrößert und verkleinert das Flussdiagramm; geben Sie einen Prozentwert ein und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <source>The whole chart does not fit at 10%; scroll to see the rest.</source>
        <translation>Das ganze Diagramm passt bei 10 % nicht hinein; blättern Sie, um den Rest zu sehen.</translation>
    </message>
    <message>
        <source>Zoom out of the flowchart</source>
        <translation>Verkleinert das Flussdiagramm</translation>
    </message>
    <message>
        <source>Zoom into the flowchart</source>
        <translation>Vergrößert das Flussdiagramm</translation>
    </message>
    <message>
        <source>Zoom so that the whole flowchart shows
Fit Whole Chart</source>
        <translation>Zeigt das ganze Flussdiagramm
Ganzes Diagramm</translation>
    </message>
    <message>
        <source>Zoom so that the flowchart&apos;s width fills the pane
Fit Width</source>
        <translation>Das Flussdiagramm füllt die Breite des Bereichs
An Breite anpassen</translation>
    </message>
    <message>
        <source>Make the section with a number current
Go to Section</source>
        <translation>Macht den Abschnitt mit einer Nummer zum aktuellen
Gehe zu Abschnitt</translation>
    </message>
    <message>
        <source>Count the book&apos;s sections, choices, words and endings, and its paths from section 1
Statistics</source>
        <translation>Zählt die Abschnitte, Entscheidungen, Wörter und Enden des Buchs und seine Wege ab Abschnitt 1
Statistik</translation>
    </message>
    <message>
        <source>Find words in the texts, summaries and choices of the book
Find</source>
        <translation>Sucht Wörter in den Texten, Zusammenfassungen und Entscheidungen des Buchs
Suchen</translation>
    </message>
    <message>
        <source>Replace words in the texts, summaries and choices of the book
Replace</source>
        <translation>Ersetzt Wörter in den Texten, Zusammenfassungen und Entscheidungen des Buchs
Ersetzen</translation>
    </message>
    <message>
        <source>Go to the next match of the words found
Find Next</source>
        <translation>Springt zum nächsten Treffer
Nächster Treffer</translation>
    </message>
    <message>
        <source>Go to the previous match of the words found
Find Previous</source>
        <translation>Springt zum vorigen Treffer
Voriger Treffer</translation>
    </message>
    <message>
        <source>Show or hide the list of what the book check finds, kept up to date as you write
Problems</source>
        <translation>Zeigt oder verbirgt die Liste dessen, was die Buchprüfung findet, stets aktuell beim Schreiben
Probleme</translation>
    </message>
    <message>
        <source>Show or hide the book played as a reader meets it, one section at a time
Play</source>
        <translation>Zeigt oder verbirgt das Buch, wie ein Leser es erlebt, Abschnitt für Abschnitt
Spielen</translation>
    </message>
    <message>
        <source>Play the book from the current section
Play from Here</source>
        <translation>Spielt das Buch ab dem aktuellen Abschnitt
Von hier spielen</translation>
    </message>
    <message>
        <source>Play the book from section 1
Play from Section 1</source>
        <translation>Spielt das Buch ab Abschnitt 1
Ab Abschnitt 1 spielen</translation>
    </message>
    <message>
        <source>Underline words that are not in the dictionary of the book&apos;s language as you write
Check Spelling</source>
        <translation>Unterstreicht beim Schreiben Wörter, die nicht im Wörterbuch der Sprache des Buchs stehen
Rechtschreibung prüfen</translation>
    </message>
    <message>
        <source>Open a short gamebook written to show what the program does
Open Sample Book</source>
        <translation>Öffnet ein kurzes Spielbuch, das zeigt, was das Programm kann
Beispielbuch öffnen</translation>
    </message>
    <message>
        <source>Laying out…</source>
        <translation>Wird angeordnet…</translation>
    </message>
    <message>
        <source>The flowchart could not be laid out again; it shows the last layout. %1</source>
        <translation>Das Flussdiagramm konnte nicht neu angeordnet werden; es zeigt die letzte Anordnung. %1</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Legt ein neues Dokument an
Neu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Öffnet ein vorhandenes Dokument
Öffnen</translation>
    </message>
    <message>
        <source>Close the active document; prompts to save it
Close</source>
        <translation>Schließt das aktive Dokument; fragt, ob es gespeichert werden soll
Schließen</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Speichert das aktive Dokument
Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Speichert das aktive Dokument unter neuem Namen
Speichern unter</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Öffnet dieses Dokument</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Kopiert die Auswahl in die Zwischenablage
Kopieren</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Schneidet die Auswahl aus und legt sie in die Zwischenablage
Ausschneiden</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Fügt den Inhalt der Zwischenablage ein
Einfügen</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Macht die letzte Aktion rückgängig
Rückgängig</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Wiederholt die rückgängig gemachte Aktion
Wiederholen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright
Über</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Beendet die Anwendung; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>The Brindle Story Studio</source>
        <translation>The Brindle Story Studio</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>Zeigt oder verbirgt die Statusleiste
Statusleiste</translation>
    </message>
</context>
<context>
    <name>TarnDataModel</name>
    <message>
        <source>Choice is listed more than once</source>
        <translation>Die Entscheidung ist mehr als einmal aufgeführt</translation>
    </message>
    <message>
        <source>Section with this number already exists</source>
        <translation>Ein Abschnitt mit dieser Nummer existiert bereits</translation>
    </message>
    <message>
        <source>Section cannot be deleted while choices lead from or into it</source>
        <translation>Ein Abschnitt kann nicht gelöscht werden, solange Entscheidungen von ihm oder zu ihm führen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag. Write one such as &quot;en&quot;, &quot;en-GB&quot; or &quot;fr-CA&quot;.</source>
        <translation>„%1“ ist kein Sprachkürzel. Schreiben Sie eines wie „de“, „de-AT“ oder „en-GB“.</translation>
    </message>
</context>
<context>
    <name>TarnGui::BookAutosave</name>
    <message>
        <source>No recovery copy could be kept: %1</source>
        <translation>Es konnte keine Sicherungskopie angelegt werden: %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::BookJobs</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TarnGui::CAboutDlg</name>
    <message>
        <source>About The Brindle Story Studio</source>
        <translation>Über The Brindle Story Studio</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation>Erstellt am %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CBookPropertiesPane</name>
    <message>
        <source>dash</source>
        <translation>Strich</translation>
    </message>
    <message>
        <source>turn to</source>
        <translation>lies weiter bei</translation>
    </message>
    <message>
        <source>parenthesis</source>
        <translation>Klammern</translation>
    </message>
    <message>
        <source>squares</source>
        <translation>eckige Klammern</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>eigenes</translation>
    </message>
</context>
<context>
    <name>TarnGui::CChoiceEditorDlg</name>
    <message>
        <source>hidden</source>
        <translation>verborgen</translation>
    </message>
    <message>
        <source>Choice Editor</source>
        <translation>Entscheidung bearbeiten</translation>
    </message>
    <message>
        <source>Mark choice as hidden. Hidden choices won&apos;t appear as an option in text but will still be linked in the flowchart</source>
        <translation>Markiert die Entscheidung als verborgen. Verborgene Entscheidungen erscheinen nicht als Option im Text, sind im Flussdiagramm aber weiter verbunden</translation>
    </message>
    <message>
        <source>Choice text:</source>
        <translation>Text der Entscheidung:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Section number must be between 1 and %1</source>
        <translation>Die Abschnittsnummer muss zwischen 1 und %1 liegen</translation>
    </message>
</context>
<context>
    <name>TarnGui::CChoicesPane</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Adds a choice and its destination if it doesn&apos;t exist.</source>
        <translation>Fügt eine Entscheidung hinzu und, falls es ihn nicht gibt, ihren Zielabschnitt.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Removes the selected choices (but keeps the destination sections.)</source>
        <translation>Entfernt die ausgewählten Entscheidungen (die Zielabschnitte bleiben).</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Opens the editor for this choice.</source>
        <translation>Öffnet diese Entscheidung zum Bearbeiten.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Change the ordering by moving this choice upwards.</source>
        <translation>Ändert die Reihenfolge, indem diese Entscheidung nach oben rückt.</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Change the ordering by moving this choice downwards.</source>
        <translation>Ändert die Reihenfolge, indem diese Entscheidung nach unten rückt.</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>Follows this choice and selects its destination.</source>
        <translation>Folgt dieser Entscheidung und wählt ihr Ziel aus.</translation>
    </message>
    <message>
        <source>Choices of the section</source>
        <translation>Entscheidungen des Abschnitts</translation>
    </message>
    <message>
        <source>Each choice with the section it leads to</source>
        <translation>Jede Entscheidung mit dem Abschnitt, zu dem sie führt</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFindReplacePane</name>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>Nur ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>&amp;Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>A&amp;lle ersetzen</translation>
    </message>
    <message>
        <source>Find in texts, summaries and choices</source>
        <translation>Suchen in Texten, Zusammenfassungen und Entscheidungen</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Wei&amp;ter</translation>
    </message>
    <message>
        <source>The replacement is empty, so Replace All will delete the one match of &quot;%1&quot;.

Delete it?</source>
        <translation>Der Ersatz ist leer, daher löscht „Alle ersetzen“ den einen Treffer von „%1“.

Löschen?</translation>
    </message>
    <message>
        <source>The replacement is empty, so Replace All will delete all %1 matches of &quot;%2&quot;.

Delete them?</source>
        <translation>Der Ersatz ist leer, daher löscht „Alle ersetzen“ alle %1 Treffer von „%2“.

Löschen?</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Wird gesucht…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es)</source>
        <translation>
            <numerusform>%Ln Treffer</numerusform>
            <numerusform>%Ln Treffer</numerusform>
        </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Every match in the book; Enter or a click shows it in its section</source>
        <translation>Jeder Treffer im Buch; die Eingabetaste oder ein Klick zeigt ihn in seinem Abschnitt</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Suchergebnis</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFlowchart</name>
    <message>
        <source>Flowchart, section %1</source>
        <translation>Flussdiagramm, Abschnitt %1</translation>
    </message>
    <message>
        <source>Flowchart</source>
        <translation>Flussdiagramm</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFlowchartPane</name>
    <message>
        <source>An empty slot that choices lead to.</source>
        <translation>Ein leerer Platz, zu dem Entscheidungen führen.</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (verborgen)</translation>
    </message>
    <message>
        <source>An ending: no choices.</source>
        <translation>Ein Ende: keine Entscheidungen.</translation>
    </message>
    <message>
        <source>Choices lead to %1.</source>
        <translation>Entscheidungen führen zu %1.</translation>
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
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Save Book As</source>
        <translation>Buch speichern unter</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %Ln match(es)</source>
        <translation>
            <numerusform>%Ln Treffer ersetzt</numerusform>
            <numerusform>%Ln Treffer ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>Pro&amp;bleme</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Spie&amp;len</translation>
    </message>
    <message>
        <source>Play from &amp;Here</source>
        <translation>Von &amp;hier spielen</translation>
    </message>
    <message>
        <source>Play from Section &amp;1</source>
        <translation>Ab Abschnitt &amp;1 spielen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>Erse&amp;tzen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Nächster Treffer</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Voriger Treffer</translation>
    </message>
    <message>
        <source>Check &amp;Spelling</source>
        <translation>Rechtschreibung &amp;prüfen</translation>
    </message>
    <message>
        <source>Go to Section</source>
        <translation>Gehe zu Abschnitt</translation>
    </message>
    <message>
        <source>Section number:</source>
        <translation>Abschnittsnummer:</translation>
    </message>
    <message>
        <source>Open Book</source>
        <translation>Buch öffnen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in %2 by %3 on %4 since %5.

Changes made in both places will overwrite each other. Open it anyway?</source>
        <translation>„%1“ ist in %2 von %3 auf %4 geöffnet, seit %5.

Änderungen an beiden Stellen überschreiben einander. Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been changed by another program since it was opened or saved here.

Replace it with this version?</source>
        <translation>„%1“ wurde von einem anderen Programm geändert, seit es hier geöffnet oder gespeichert wurde.

Durch diese Fassung ersetzen?</translation>
    </message>
    <message>
        <source>Saving the book...</source>
        <translation>Das Buch wird gespeichert...</translation>
    </message>
    <message>
        <source>Import Story</source>
        <translation>Geschichte importieren</translation>
    </message>
    <message>
        <source>The sample book is missing from this build of the program.</source>
        <translation>Das Beispielbuch fehlt in dieser Ausgabe des Programms.</translation>
    </message>
    <message>
        <source>Export Book</source>
        <translation>Buch exportieren</translation>
    </message>
    <message>
        <source>Exporting the book...</source>
        <translation>Das Buch wird exportiert...</translation>
    </message>
    <message>
        <source>Writing the book&apos;s pages...</source>
        <translation>Die Seiten des Buchs werden geschrieben...</translation>
    </message>
    <message>
        <source>Laying out the book&apos;s pages...</source>
        <translation>Die Seiten des Buchs werden gesetzt...</translation>
    </message>
    <message>
        <source>Export Flowchart Image</source>
        <translation>Flussdiagramm als Bild exportieren</translation>
    </message>
    <message>
        <source>Section %1 has 1 choice leading to it. Remove it and the choice?</source>
        <translation>Zu Abschnitt %1 führt 1 Entscheidung. Den Abschnitt und die Entscheidung entfernen?</translation>
    </message>
    <message>
        <source>Section %1 has %2 choices leading to it. Remove it and them?</source>
        <translation>Zu Abschnitt %1 führen %2 Entscheidungen. Den Abschnitt und sie entfernen?</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Nothing on this computer could open this for you:

%1

Copy it to open it elsewhere.</source>
        <translation>Nichts auf diesem Computer konnte das für Sie öffnen:

%1

Kopieren Sie es, um es anderswo zu öffnen.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Import Story...</source>
        <translation>&amp;Geschichte importieren...</translation>
    </message>
    <message>
        <source>Export &amp;Book</source>
        <translation>&amp;Buch exportieren</translation>
    </message>
    <message>
        <source>Export &amp;Graph</source>
        <translation>&amp;Diagramm exportieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Go to Section...</source>
        <translation>&amp;Gehe zu Abschnitt...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <source>&amp;Reset Views</source>
        <translation>Ansichten &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Previous View</source>
        <translation>&amp;Vorige Ansicht</translation>
    </message>
    <message>
        <source>&amp;Next View</source>
        <translation>&amp;Nächste Ansicht</translation>
    </message>
    <message>
        <source>&amp;Add Section</source>
        <translation>&amp;Abschnitt hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Section</source>
        <translation>Abschnitt &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Shuffle Sections</source>
        <translation>Abschnitte &amp;mischen</translation>
    </message>
    <message>
        <source>Online &amp;Help</source>
        <translation>Online-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Check For &amp;Updates</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Send &amp;Feedback</source>
        <translation>&amp;Feedback senden</translation>
    </message>
    <message>
        <source>Open &amp;Sample Book</source>
        <translation>&amp;Beispielbuch öffnen</translation>
    </message>
    <message>
        <source>&amp;About The Brindle Story Studio...</source>
        <translation>&amp;Über The Brindle Story Studio...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbars and Docking Windows</source>
        <translation>Sy&amp;mbolleisten und Fenster</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>B&amp;uch</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Twine stories</source>
        <translation>Twine-Geschichten</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>The file holds %1 stories. Import which one?</source>
        <translation>Die Datei enthält %1 Geschichten. Welche soll importiert werden?</translation>
    </message>
    <message>
        <source>The story was imported, with these notes:
</source>
        <translation>Die Geschichte wurde importiert, mit diesen Hinweisen:
</translation>
    </message>
    <message>
        <source>

…and %1 more.</source>
        <translation>

…und %1 weitere.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Spr&amp;ache</translation>
    </message>
    <message>
        <source>The program speaks the language chosen from the next time it starts.</source>
        <translation>Das Programm spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>TarnGui::COutlinePane</name>
    <message>
        <source>Sections of the book</source>
        <translation>Abschnitte des Buchs</translation>
    </message>
    <message>
        <source>Every section by number with its summary; choosing one makes it the section you work on</source>
        <translation>Jeder Abschnitt nach Nummer mit seiner Zusammenfassung; die Auswahl macht ihn zum Abschnitt, an dem Sie arbeiten</translation>
    </message>
</context>
<context>
    <name>TarnGui::CPlayPane</name>
    <message>
        <source>Bac&amp;k</source>
        <translation>Zurüc&amp;k</translation>
    </message>
    <message>
        <source>Edi&amp;t this section</source>
        <translation>Abschnitt bearbe&amp;iten</translation>
    </message>
    <message>
        <source>The path taken so far; click a step to go back to it</source>
        <translation>Der bisherige Weg; klicken Sie auf einen Schritt, um dorthin zurückzugehen</translation>
    </message>
    <message>
        <source>Nothing to play</source>
        <translation>Nichts zu spielen</translation>
    </message>
    <message>
        <source>This is an ending: the section has no choices.</source>
        <translation>Dies ist ein Ende: Der Abschnitt hat keine Entscheidungen.</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>verborgen</translation>
    </message>
    <message>
        <source>Forwar&amp;d</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>Text of the section played</source>
        <translation>Text des gespielten Abschnitts</translation>
    </message>
    <message>
        <source>Path taken</source>
        <translation>Bisheriger Weg</translation>
    </message>
</context>
<context>
    <name>TarnGui::CPreviewPane</name>
    <message>
        <source>Preview of the book</source>
        <translation>Vorschau des Buchs</translation>
    </message>
    <message>
        <source>The book as readers will see it; the choices link to their sections</source>
        <translation>Das Buch, wie Leser es sehen; die Entscheidungen verweisen auf ihre Abschnitte</translation>
    </message>
</context>
<context>
    <name>TarnGui::CProblemsPane</name>
    <message>
        <source>Problems found</source>
        <translation>Gefundene Probleme</translation>
    </message>
    <message>
        <source>What the book check finds; choosing one shows its section</source>
        <translation>Was die Buchprüfung findet; die Auswahl zeigt den Abschnitt</translation>
    </message>
</context>
<context>
    <name>TarnGui::CSectionView</name>
    <message>
        <source>Section %1</source>
        <translation>Abschnitt %1</translation>
    </message>
    <message>
        <source>Section text</source>
        <translation>Text des Abschnitts</translation>
    </message>
    <message>
        <source>What the reader reads in the section; Tab goes to the next pane, Ctrl+Tab types a tab</source>
        <translation>Was der Leser im Abschnitt liest; Tab wechselt zum nächsten Bereich, Strg+Tab fügt einen Tabulator ein</translation>
    </message>
    <message>
        <source>Text of section %1</source>
        <translation>Text von Abschnitt %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CTarnGuiApp</name>
    <message>
        <source>The restored work is open; &quot;%1&quot; was not opened. Open it once the restored work is saved.</source>
        <translation>Die wiederhergestellte Arbeit ist offen; „%1“ wurde nicht geöffnet. Öffnen Sie es, sobald die wiederhergestellte Arbeit gespeichert ist.</translation>
    </message>
</context>
<context>
    <name>TarnGui::CTarnTextEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>A&amp;lles auswählen</translation>
    </message>
</context>
<context>
    <name>TarnGui::ErrorBoundary</name>
    <message>
        <source>Cannot open &quot;%1&quot;, line %2: it is not a book this program can read, or it has been damaged (%3).</source>
        <translation>„%1“ kann nicht geöffnet werden, Zeile %2: Es ist kein Buch, das dieses Programm lesen kann, oder es ist beschädigt (%3).</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>TarnGui::ExportTypeDlg</name>
    <message>
        <source>One file</source>
        <translation>Eine Datei</translation>
    </message>
    <message>
        <source>One HTML file per section</source>
        <translation>Eine HTML-Datei je Abschnitt</translation>
    </message>
    <message>
        <source>Export Book</source>
        <translation>Buch exportieren</translation>
    </message>
    <message>
        <source>If you&apos;re not sure, go for this one.</source>
        <translation>Wenn Sie unsicher sind, nehmen Sie diese.</translation>
    </message>
    <message>
        <source>This is if you want each book section to be created as a separate HTML file.</source>
        <translation>Für den Fall, dass jeder Abschnitt des Buchs eine eigene HTML-Datei werden soll.</translation>
    </message>
</context>
<context>
    <name>TarnGui::MatchListModel</name>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>TarnGui::PdfPageSetupDlg</name>
    <message>
        <source>PDF Pages</source>
        <translation>PDF-Seiten</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Seitengröße:</translation>
    </message>
    <message>
        <source>Margins:</source>
        <translation>Ränder:</translation>
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
        <translation>US Letter (8,5 × 11 Zoll)</translation>
    </message>
    <message>
        <source>Trade paperback (6 × 9 in)</source>
        <translation>Taschenbuch (6 × 9 Zoll)</translation>
    </message>
</context>
<context>
    <name>TarnGui::RecoveryDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Ungespeicherte Arbeit wiederherstellen</translation>
    </message>
    <message>
        <source>The Brindle Story Studio did not close cleanly last time. These books had changes that were not saved:</source>
        <translation>The Brindle Story Studio wurde beim letzten Mal nicht sauber beendet. In diesen Büchern gab es ungespeicherte Änderungen:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>a book never saved</source>
        <translation>ein nie gespeichertes Buch</translation>
    </message>
    <message>
        <source>%1
%2, kept %3</source>
        <translation>%1
%2, gesichert %3</translation>
    </message>
</context>
<context>
    <name>TarnGui::SpellingMenu</name>
    <message>
        <source>No suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
</context>
<context>
    <name>TarnGui::SpellingService</name>
    <message>
        <source> Spelling is not checked.</source>
        <translation> Die Rechtschreibung wird nicht geprüft.</translation>
    </message>
</context>
<context>
    <name>TarnGui::StatisticsDlg</name>
    <message>
        <source>Book Statistics</source>
        <translation>Statistik des Buchs</translation>
    </message>
    <message>
        <source>Sections:</source>
        <translation>Abschnitte:</translation>
    </message>
    <message>
        <source>Choices:</source>
        <translation>Entscheidungen:</translation>
    </message>
    <message>
        <source>Hidden choices:</source>
        <translation>Verborgene Entscheidungen:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Reading time:</source>
        <translation>Lesezeit:</translation>
    </message>
    <message numerus="yes">
        <source>about %Ln minute(s), at 200 words a minute</source>
        <translation>
            <numerusform>etwa %Ln Minute, bei 200 Wörtern pro Minute</numerusform>
            <numerusform>etwa %Ln Minuten, bei 200 Wörtern pro Minute</numerusform>
        </translation>
    </message>
    <message>
        <source>Endings:</source>
        <translation>Enden:</translation>
    </message>
    <message>
        <source>Shortest path:</source>
        <translation>Kürzester Weg:</translation>
    </message>
    <message>
        <source>Longest path:</source>
        <translation>Längster Weg:</translation>
    </message>
    <message>
        <source>, leaving out loops</source>
        <translation>, ohne Schleifen</translation>
    </message>
    <message>
        <source>no ending is reached from section 1</source>
        <translation>kein Ende ist von Abschnitt 1 aus erreichbar</translation>
    </message>
    <message numerus="yes">
        <source>%Ln choice(s)</source>
        <translation>
            <numerusform>%Ln Entscheidung</numerusform>
            <numerusform>%Ln Entscheidungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDictionary</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot be read: %2.</source>
        <translation>Ihr Wörterbuch %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot be written: %2.</source>
        <translation>Ihr Wörterbuch %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>the disk is full (%1)</source>
        <translation>der Datenträger ist voll (%1)</translation>
    </message>
    <message>
        <source>your share of the disk is used up (%1)</source>
        <translation>Ihr Anteil am Datenträger ist aufgebraucht (%1)</translation>
    </message>
    <message>
        <source>the disk is read-only (%1)</source>
        <translation>der Datenträger ist schreibgeschützt (%1)</translation>
    </message>
    <message>
        <source>the folder is read-only, or not yours to write in (%1)</source>
        <translation>der Ordner ist schreibgeschützt oder gehört nicht Ihnen (%1)</translation>
    </message>
    <message>
        <source>the folder does not exist (%1)</source>
        <translation>der Ordner existiert nicht (%1)</translation>
    </message>
    <message>
        <source>part of the path is not a folder (%1)</source>
        <translation>ein Teil des Pfads ist kein Ordner (%1)</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows (%1)</source>
        <translation>die Datei wäre größer, als dieses System erlaubt (%1)</translation>
    </message>
    <message>
        <source>the disk could not be written (%1)</source>
        <translation>auf den Datenträger konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>no program is reading from it (%1)</source>
        <translation>kein Programm liest davon (%1)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>das System nannte keinen Grund</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>Cannot start the archive: %1.</source>
        <translation>Das Archiv kann nicht begonnen werden: %1.</translation>
    </message>
    <message>
        <source>Cannot add to the archive: %1.</source>
        <translation>Zum Archiv kann nichts hinzugefügt werden: %1.</translation>
    </message>
    <message>
        <source>Cannot write the archive: %1.</source>
        <translation>Das Archiv kann nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>Cannot read the archive back: %1.</source>
        <translation>Das Archiv kann nicht zurückgelesen werden: %1.</translation>
    </message>
</context>
</TS>
