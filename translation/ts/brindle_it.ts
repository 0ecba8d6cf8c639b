<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BookLimits</name>
    <message>
        <source>Cannot open &quot;%1&quot;: saved, the book would take %2, more than the %3 a book may take.</source>
        <translation>Impossibile aprire «%1»: salvato, il libro occuperebbe %2, più dei %3 che un libro può occupare.</translation>
    </message>
    <message>
        <source>%1: section %2 has more than %3 choices, the most a section may have.</source>
        <translation>%1: il paragrafo %2 ha più di %3 scelte, il massimo per un paragrafo.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is larger than %2, the most a book may take.</source>
        <translation>Impossibile aprire «%1»: il file supera %2, il massimo per un libro.</translation>
    </message>
    <message>
        <source>This change would make the book take more than the %1 a book may take. Nothing was changed.</source>
        <translation>Con questa modifica il libro supererebbe i %1 che un libro può occupare. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Section %1 already has %2 choices, the most a section may have.</source>
        <translation>Il paragrafo %1 ha già %2 scelte, il massimo per un paragrafo.</translation>
    </message>
</context>
<context>
    <name>BrindleCli</name>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando sconosciuto «%1»</translation>
    </message>
    <message>
        <source>the zoom must be a percentage from 10 to 100</source>
        <translation>lo zoom deve essere una percentuale da 10 a 100</translation>
    </message>
    <message>
        <source>--page-size and --margin are for the pdf format only</source>
        <translation>--page-size e --margin valgono solo per il formato pdf</translation>
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
      Scrive il libro come fa «Esporta libro» nel programma. FORMAT è uno tra
      txt, rtf, html, xml, json, choicescript, epub, pdf, twee, o html-pages per una
      pagina per paragrafo nella cartella OUTPUT, che deve essere vuota salvo con --force.
      Le pagine di un PDF sono a4 (predefinito), a5, letter o 6x9 (pollici), con
      margini di MM millimetri (da 5 a 40, predefinito 20).
  brindle import STORY.twee|STORY.html -o BOOK.brindle [--story NAME|IFID] [--force]
      Fa un libro da una storia di Twine: Twee 3, o l’HTML pubblicato o l’archivio di
      Twine 2; --story nomina la storia, o ne dà l’IFID, quando ce ne sono diverse.
      Un BOOK.brindle esistente viene sostituito solo con --force.
  brindle graph BOOK.brindle -o IMAGE [--zoom PERCENT]
      Disegna il diagramma di flusso in IMAGE (.png, .bmp, .jpg o .gif) al PERCENT
      (da 10 a 100, predefinito 100).
  brindle check BOOK.brindle [--json]
      Elenca cosa guardare prima di pubblicare: paragrafi che nessun percorso dal
      paragrafo 1 raggiunge, posti vuoti, scelte verso posti vuoti, paragrafi senza
      testo e scelte ripetute, e i finali da confermare. Esce con 0 se non c’è nulla
      che non va, 1 se qualcosa non va, 2 se il libro non si può leggere.
  brindle stats BOOK.brindle [--json]
      Conta paragrafi, scelte, scelte nascoste e parole, e il percorso più breve e
      quello più lungo dal paragrafo 1 a un finale.
  brindle --help
</translation>
    </message>
    <message>
        <source>%1: is not a folder</source>
        <translation>%1: non è una cartella</translation>
    </message>
    <message>
        <source>%1: the folder is not empty; give --force to write into it</source>
        <translation>%1: la cartella non è vuota; aggiungi --force per scriverci</translation>
    </message>
    <message>
        <source>%1 of %2 pages written</source>
        <translation>%1 di %2 pagine scritte</translation>
    </message>
    <message>
        <source>unknown page size &quot;%1&quot;; use a4, a5, letter or 6x9</source>
        <translation>formato pagina sconosciuto «%1»; usa a4, a5, letter o 6x9</translation>
    </message>
    <message>
        <source>%1 of %2 sections laid out</source>
        <translation>%1 di %2 paragrafi impaginati</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; use txt, rtf, html, xml, json, choicescript, epub, pdf, twee or html-pages</source>
        <translation>formato sconosciuto «%1»; usa txt, rtf, html, xml, json, choicescript, epub, pdf, twee o html-pages</translation>
    </message>
    <message>
        <source>cannot tell the image type of &quot;%1&quot;; name a .png, .bmp, .jpg or .gif file</source>
        <translation>impossibile capire il tipo di immagine di «%1»; indica un file .png, .bmp, .jpg o .gif</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>the file holds %1 stories named &quot;%2&quot;; name one by its IFID: %3</source>
        <translation>il file contiene %1 storie di nome «%2»; indicane una con il suo IFID: %3</translation>
    </message>
    <message>
        <source>the file holds %1 stories, %2; name one with --story NAME or --story IFID</source>
        <translation>il file contiene %1 storie, %2; indicane una con --story NAME o --story IFID</translation>
    </message>
    <message>
        <source>the file has no story &quot;%1&quot;, only %2</source>
        <translation>il file non ha la storia «%1», solo %2</translation>
    </message>
    <message>
        <source>%1: the file exists; give --force to replace it</source>
        <translation>%1: il file esiste; aggiungi --force per sostituirlo</translation>
    </message>
    <message>
        <source>%1: the book would replace the story it is made from; name another file</source>
        <translation>%1: il libro sostituirebbe la storia da cui nasce; indica un altro file</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avviso: %1</translation>
    </message>
    <message>
        <source>Sections that no path from section 1 reaches</source>
        <translation>Paragrafi che nessun percorso dal paragrafo 1 raggiunge</translation>
    </message>
    <message>
        <source>Empty slots</source>
        <translation>Posti vuoti</translation>
    </message>
    <message>
        <source>Choices to empty slots</source>
        <translation>Scelte verso posti vuoti</translation>
    </message>
    <message>
        <source>Sections without text</source>
        <translation>Paragrafi senza testo</translation>
    </message>
    <message>
        <source>Repeated choices to the same destination</source>
        <translation>Scelte ripetute verso la stessa destinazione</translation>
    </message>
    <message>
        <source>Endings to confirm (sections without choices)</source>
        <translation>Finali da confermare (paragrafi senza scelte)</translation>
    </message>
    <message>
        <source>Problems found.</source>
        <translation>Trovati dei problemi.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Nessun problema trovato.</translation>
    </message>
    <message numerus="yes">
        <source>%n choice(s)</source>
        <translation>
            <numerusform>%n scelta</numerusform>
            <numerusform>%n scelte</numerusform>
        </translation>
    </message>
    <message>
        <source>no ending is reached</source>
        <translation>nessun finale è raggiunto</translation>
    </message>
    <message>
        <source>Sections: %1</source>
        <translation>Paragrafi: %1</translation>
    </message>
    <message>
        <source>Choices: %1</source>
        <translation>Scelte: %1</translation>
    </message>
    <message>
        <source>Hidden choices: %1</source>
        <translation>Scelte nascoste: %1</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Parole: %1</translation>
    </message>
    <message>
        <source>Shortest path from section 1 to an ending</source>
        <translation>Percorso più breve dal paragrafo 1 a un finale</translation>
    </message>
    <message>
        <source>Longest path from section 1 to an ending</source>
        <translation>Percorso più lungo dal paragrafo 1 a un finale</translation>
    </message>
    <message>
        <source>, not going round a loop</source>
        <translation>, senza girare in un ciclo</translation>
    </message>
    <message>
        <source>the results could not be written</source>
        <translation>non è stato possibile scrivere i risultati</translation>
    </message>
    <message>
        <source>an unexpected error occurred</source>
        <translation>si è verificato un errore imprevisto</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>(%n choices)</source>
        <translation>
            <numerusform>(%n scelta)</numerusform>
            <numerusform>(%n scelte)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>*hidden* %1</source>
        <translation>*nascosta* %1</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere il file «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>Impossibile creare il file «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot export over the book itself: &quot;%1&quot;.</source>
        <translation>Impossibile esportare sopra il libro stesso: «%1».</translation>
    </message>
</context>
<context>
    <name>FileHandling</name>
    <message>
        <source>Cannot open file &quot;%1&quot;: there is no such file</source>
        <translation>Impossibile aprire il file «%1»: il file non esiste</translation>
    </message>
</context>
<context>
    <name>FlowchartGraph</name>
    <message>
        <source>The flowchart could not be laid out.</source>
        <translation>Non è stato possibile disporre il diagramma di flusso.</translation>
    </message>
</context>
<context>
    <name>FlowchartImage</name>
    <message>
        <source>The flowchart could not be saved as %1: %2</source>
        <translation>Non è stato possibile salvare il diagramma di flusso come %1: %2</translation>
    </message>
    <message>
        <source>Unknown type</source>
        <translation>Tipo sconosciuto</translation>
    </message>
    <message>
        <source>The flowchart image of %1 by %2 pixels is too large to make. Zoom out and export it again.</source>
        <translation>Un’immagine del diagramma di %1 × %2 pixel è troppo grande. Riduci lo zoom ed esporta di nuovo.</translation>
    </message>
</context>
<context>
    <name>GifWriter</name>
    <message>
        <source>The GIF image could not be written: %1</source>
        <translation>Non è stato possibile scrivere l’immagine GIF: %1</translation>
    </message>
    <message>
        <source>A GIF image can be at most %1 pixels wide and high. Zoom out and export it again.</source>
        <translation>Un’immagine GIF può misurare al massimo %1 pixel in larghezza e in altezza. Riduci lo zoom ed esporta di nuovo.</translation>
    </message>
</context>
<context>
    <name>GraphCore</name>
    <message>
        <source>Section not found</source>
        <translation>Paragrafo non trovato</translation>
    </message>
    <message>
        <source>Choice not found</source>
        <translation>Scelta non trovata</translation>
    </message>
    <message>
        <source>Could not add choice</source>
        <translation>Impossibile aggiungere la scelta</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Cannot import &quot;%1&quot;, line %2: %3</source>
        <translation>Impossibile importare «%1», riga %2: %3</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation>Impossibile importare «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <translation>«%1», riga %2: %3</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; has more than %2 links; a section may have at most %2 choices</source>
        <translation>il passaggio «%1» ha più di %2 collegamenti; un paragrafo può avere al massimo %2 scelte</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; goes on through macros that name the passage by code, not by a plain name; they make no choices</source>
        <translation>il passaggio «%1» prosegue con macro che nominano il passaggio tramite codice, non con un semplice nome; non danno scelte</translation>
    </message>
    <message>
        <source>the metadata of passage &quot;%1&quot; is not JSON (%2); it is left out</source>
        <translation>i metadati del passaggio «%1» non sono JSON (%2); vengono tralasciati</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; was changed since it was exported; its links are read as Twine reads them</source>
        <translation>il passaggio «%1» è stato modificato dopo l’esportazione; i suoi collegamenti sono letti come li legge Twine</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; is not JSON (%2); the passages are read as Twine reads them</source>
        <translation>il passaggio «%1» non è JSON (%2); i passaggi sono letti come li legge Twine</translation>
    </message>
    <message>
        <source>the story makes a book of more than %1, the most a book may take</source>
        <translation>la storia darebbe un libro di oltre %1, il massimo per un libro</translation>
    </message>
    <message>
        <source>the story needs %1 sections; a book holds at most %2</source>
        <translation>la storia richiede %1 paragrafi; un libro ne contiene al massimo %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag; the book takes %2</source>
        <translation>«%1» non è un codice di lingua; il libro prende %2</translation>
    </message>
    <message>
        <source>section 1 is the start passage &quot;%1&quot;, so passage &quot;1&quot; becomes section %2</source>
        <translation>il paragrafo 1 è il passaggio iniziale «%1», quindi il passaggio «1» diventa il paragrafo %2</translation>
    </message>
    <message>
        <source>there is no passage &quot;%1&quot;; section %2 is made for the links to it, empty</source>
        <translation>non esiste il passaggio «%1»; per i collegamenti che vi portano viene creato il paragrafo %2, vuoto</translation>
    </message>
    <message>
        <source>the StoryData is not JSON (%1); it is left out</source>
        <translation>gli StoryData non sono JSON (%1); vengono tralasciati</translation>
    </message>
    <message>
        <source>the tags of passage &quot;%1&quot; are not closed with &quot;]&quot;</source>
        <translation>le etichette del passaggio «%1» non sono chiuse da «]»</translation>
    </message>
    <message>
        <source>%1 appears again; the later one is left out</source>
        <translation>%1 compare di nuovo; il secondo viene tralasciato</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; is the story&apos;s script or style sheet; it is left out</source>
        <translation>il passaggio «%1» è lo script o il foglio di stile della storia; viene tralasciato</translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; appears again; the later one is left out</source>
        <translation>il passaggio «%1» compare di nuovo; il secondo viene tralasciato</translation>
    </message>
    <message numerus="yes">
        <source>%n characters that no book can hold, such as NUL, are each replaced by U+FFFD</source>
        <translation>
            <numerusform>%n carattere che nessun libro può contenere, come NUL, è sostituito da U+FFFD</numerusform>
            <numerusform>%n caratteri che nessun libro può contenere, come NUL, sono sostituiti ciascuno da U+FFFD</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no Twine story in it (no &lt;tw-storydata&gt; element)</source>
        <translation>non contiene alcuna storia di Twine (nessun elemento &lt;tw-storydata&gt;)</translation>
    </message>
    <message>
        <source>there is no Twee passage in it (no line starting with &quot;::&quot;)</source>
        <translation>non contiene alcun passaggio Twee (nessuna riga che inizia con «::»)</translation>
    </message>
    <message>
        <source>story &quot;%1&quot; has no passages</source>
        <translation>la storia «%1» non ha passaggi</translation>
    </message>
</context>
<context>
    <name>Outline</name>
    <message>
        <source>%1 &lt;Empty&gt;</source>
        <translation>%1 &lt;Vuoto&gt;</translation>
    </message>
</context>
<context>
    <name>PageSetup</name>
    <message>
        <source>The margin must be from %1 to %2 mm.</source>
        <translation>Il margine deve essere compreso tra %1 e %2 mm.</translation>
    </message>
</context>
<context>
    <name>PdfLinks</name>
    <message>
        <source>The PDF could not be given its links: %1.</source>
        <translation>Non è stato possibile aggiungere i collegamenti al PDF: %1.</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Section %1 was removed from the book, so the path ends before it.</source>
        <translation>Il paragrafo %1 è stato rimosso dal libro, quindi il percorso finisce prima.</translation>
    </message>
</context>
<context>
    <name>PlayController</name>
    <message>
        <source>The choice is not one of the section being played</source>
        <translation>La scelta non appartiene al paragrafo in gioco</translation>
    </message>
</context>
<context>
    <name>PngWriter</name>
    <message>
        <source>The PNG image could not be written: %1</source>
        <translation>Non è stato possibile scrivere l’immagine PNG: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insufficiente</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>No path from section 1 reaches section %1</source>
        <translation>Nessun percorso dal paragrafo 1 raggiunge il paragrafo %1</translation>
    </message>
    <message>
        <source>Section %1 is an empty slot</source>
        <translation>Il paragrafo %1 è un posto vuoto</translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choice(s) to the empty slot %2</source>
        <translation>
            <numerusform>Il paragrafo %1 ha %n scelta verso il posto vuoto %2</numerusform>
            <numerusform>Il paragrafo %1 ha %n scelte verso il posto vuoto %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Section %1 has no text</source>
        <translation>Il paragrafo %1 non ha testo</translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choices to section %2</source>
        <translation>
            <numerusform>Il paragrafo %1 ha %n scelta verso il paragrafo %2</numerusform>
            <numerusform>Il paragrafo %1 ha %n scelte verso il paragrafo %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Section %1 is an ending: confirm that it should be</source>
        <translation>Il paragrafo %1 è un finale: conferma che debba esserlo</translation>
    </message>
</context>
<context>
    <name>PropertyGrid</name>
    <message>
        <source>Don&apos;t know what to do with this property</source>
        <translation>Proprietà sconosciuta</translation>
    </message>
</context>
<context>
    <name>SearchPattern</name>
    <message>
        <source>The regular expression cannot be read at character %1: %2</source>
        <translation>L’espressione regolare non si può leggere al carattere %1: %2</translation>
    </message>
    <message>
        <source>The regular expression takes too long to search with: %1</source>
        <translation>La ricerca con l’espressione regolare richiede troppo tempo: %1</translation>
    </message>
</context>
<context>
    <name>SectionNumbers</name>
    <message>
        <source>Section number must be between 1 and %1</source>
        <translation>Il numero di paragrafo deve essere compreso tra 1 e %1</translation>
    </message>
</context>
<context>
    <name>SectionSelection</name>
    <message>
        <source>There is no section %1 in this book.</source>
        <translation>In questo libro non c’è il paragrafo %1.</translation>
    </message>
</context>
<context>
    <name>SectionView</name>
    <message>
        <source>Empty Section</source>
        <translation>Paragrafo vuoto</translation>
    </message>
</context>
<context>
    <name>SpellCheck</name>
    <message>
        <source>No spelling dictionary for the language &quot;%1&quot; is installed, so spelling is not checked. Install a Hunspell dictionary for it, such as one of Debian&apos;s hunspell packages.</source>
        <translation>Non è installato alcun dizionario per la lingua «%1», quindi l’ortografia non viene controllata. Installa un dizionario Hunspell per questa lingua, ad esempio uno dei pacchetti hunspell di Debian.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>The spelling dictionary %1 cannot be read, or is empty.</source>
        <translation>Il dizionario %1 non si può leggere o è vuoto.</translation>
    </message>
    <message>
        <source>The spelling dictionary %1 is in a character set (%2) this system cannot convert.</source>
        <translation>Il dizionario %1 usa una codifica (%2) che questo sistema non sa convertire.</translation>
    </message>
</context>
<context>
    <name>StagedFolder</name>
    <message>
        <source>Cannot write into the folder &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere nella cartella «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2.</source>
        <translation>Impossibile sostituire «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot move the new files into &quot;%1&quot;: %2.</source>
        <translation>Impossibile spostare i nuovi file in «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>StoryGraph</name>
    <message>
        <source>Section does not exist</source>
        <translation>Il paragrafo non esiste</translation>
    </message>
    <message>
        <source>Section cannot be visited - it does not exist</source>
        <translation>Impossibile visitare il paragrafo: non esiste</translation>
    </message>
    <message>
        <source>Section with this number already exists</source>
        <translation>Esiste già un paragrafo con questo numero</translation>
    </message>
    <message>
        <source>Choice with this id already exists</source>
        <translation>Esiste già una scelta con questo identificativo</translation>
    </message>
    <message>
        <source>Choice does not exist</source>
        <translation>La scelta non esiste</translation>
    </message>
    <message>
        <source>Choice cannot be updated</source>
        <translation>Impossibile modificare la scelta</translation>
    </message>
    <message>
        <source>Section cannot be updated</source>
        <translation>Impossibile modificare il paragrafo</translation>
    </message>
    <message>
        <source>Numbering gives two sections the same number</source>
        <translation>La numerazione dà lo stesso numero a due paragrafi</translation>
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
Storie di Brindle (*.brindle)
.brindle
Brindle.Document
Brindle.Document</translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation>Barra degli strumenti standard</translation>
    </message>
    <message>
        <source>Flowchart</source>
        <translation>Diagramma di flusso</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Paragrafo</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>The number of the section. You can change this to a new number and all of your choice links will be magically updated.  If you change this to a section number already in use then they will get swapped over.</source>
        <translation>Il numero del paragrafo. Se lo cambi, tutti i collegamenti delle tue scelte lo seguono come per magia. Se il nuovo numero è già in uso, i due paragrafi si scambiano i numeri.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Display Details</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Can be auto shuffled</source>
        <translation>Si può mescolare</translation>
    </message>
    <message>
        <source>When you perform an auto shuffle, this section can either be shuffled or fixed in place.  Most sections you will want to shuffle, but you may want to keep your opening section at the beginning of the book and your win section at the end.</source>
        <translation>Quando mescoli, questo paragrafo può essere mescolato o restare al suo posto. Vorrai mescolare quasi tutti i paragrafi, ma forse lasciare il paragrafo d’apertura all’inizio del libro e quello della vittoria alla fine.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riassunto</translation>
    </message>
    <message>
        <source>This is a short description of the section for your use as you design your gamebook.</source>
        <translation>Una breve descrizione del paragrafo, per te, mentre progetti il tuo librogame.</translation>
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
        <source>Background Colour</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>The colour of the section in the graph</source>
        <translation>Il colore del paragrafo nel diagramma</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Scelte</translation>
    </message>
    <message>
        <source>Brindle Story Files (*.brindle)</source>
        <translation>Storie di Brindle (*.brindle)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Use a section from the drop down, or enter a number from 1</source>
        <translation>Scegli un paragrafo dall’elenco o inserisci un numero da 1 in su</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>File di testo</translation>
    </message>
    <message>
        <source>Rich Text Files</source>
        <translation>File Rich Text</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>File HTML</translation>
    </message>
    <message>
        <source>XML Files</source>
        <translation>File XML</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Do you want to open your exported book?</source>
        <translation>Vuoi aprire il libro esportato?</translation>
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
        <translation>Salvare le modifiche a %s?</translation>
    </message>
    <message>
        <source>Gamebook</source>
        <translation>Librogame</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Title of your gamebook</source>
        <translation>Il titolo del tuo librogame</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Piè di pagina</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Who wrote your gamebook, as ebooks, print and game listings name them</source>
        <translation>Chi ha scritto il tuo librogame, come lo indicano ebook, stampa e cataloghi di giochi</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The language your gamebook is written in, as a tag such as en, en-GB or fr-CA</source>
        <translation>La lingua in cui è scritto il tuo librogame, come codice: it, it-CH o en-GB</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificativo</translation>
    </message>
    <message>
        <source>Made once for your gamebook and kept, so that readers&apos; libraries know a new edition of it</source>
        <translation>Creato una volta per il tuo librogame e conservato, perché le biblioteche dei lettori riconoscano una nuova edizione</translation>
    </message>
    <message>
        <source>The footer to your pages or book.</source>
        <translation>Il piè di pagina delle tue pagine o del tuo libro.</translation>
    </message>
    <message>
        <source>Do you want to open your exported flowchart?</source>
        <translation>Vuoi aprire il diagramma di flusso esportato?</translation>
    </message>
    <message>
        <source>JSON Files</source>
        <translation>File JSON</translation>
    </message>
    <message>
        <source>ChoiceScript (Choice of Games)</source>
        <translation>ChoiceScript (Choice of Games)</translation>
    </message>
    <message>
        <source>EPUB e-books</source>
        <translation>Ebook EPUB</translation>
    </message>
    <message>
        <source>PDF documents</source>
        <translation>Documenti PDF</translation>
    </message>
    <message>
        <source>Twee stories (Twine)</source>
        <translation>Storie Twee (Twine)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Find and Replace</source>
        <translation>Trova e sostituisci</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemi</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Stili</translation>
    </message>
    <message>
        <source>Main book font</source>
        <translation>Carattere principale del libro</translation>
    </message>
    <message>
        <source>Font used for the main text in your book</source>
        <translation>Il carattere del testo principale del tuo libro</translation>
    </message>
    <message>
        <source>Header font</source>
        <translation>Carattere dell’intestazione</translation>
    </message>
    <message>
        <source>Choice format</source>
        <translation>Formato delle scelte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>A description of this format</source>
        <translation>Una descrizione di questo formato</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>The format used, where {{text}} is a placeholder for the choice text, and {{destination}} is a placeholder for the destination number.</source>
        <translation>Il formato usato, dove {{text}} sta per il testo della scelta e {{destination}} per il numero di destinazione.</translation>
    </message>
    <message>
        <source>Book Layout</source>
        <translation>Impaginazione del libro</translation>
    </message>
    <message>
        <source>Put every section on new page</source>
        <translation>Ogni paragrafo su una pagina nuova</translation>
    </message>
    <message>
        <source>Set to yes if you want each section to be separated with a page break. This works well when your sections are quite long. Say no if you want sections to appear continuously, one after another (default). This works better for shorter sections.</source>
        <translation>Scegli sì per separare ogni paragrafo con un’interruzione di pagina. Va bene per paragrafi piuttosto lunghi. Scegli no perché i paragrafi si susseguano di continuo (predefinito). Va meglio per paragrafi brevi.</translation>
    </message>
    <message>
        <source>Font used for book header</source>
        <translation>Il carattere dell’intestazione del libro</translation>
    </message>
    <message>
        <source>Footer font</source>
        <translation>Carattere del piè di pagina</translation>
    </message>
    <message>
        <source>Font used for book footer</source>
        <translation>Il carattere del piè di pagina del libro</translation>
    </message>
    <message>
        <source>This folder is not empty and files may be overwritten! Do you want to continue?</source>
        <translation>Questa cartella non è vuota e alcuni file potrebbero essere sovrascritti! Vuoi continuare?</translation>
    </message>
    <message>
        <source>Adds a new section to the book
New Section</source>
        <translation>Aggiunge un nuovo paragrafo al libro
Nuovo paragrafo</translation>
    </message>
    <message>
        <source>Removes the section from the book
Remove Section</source>
        <translation>Rimuove il paragrafo dal libro
Rimuovi paragrafo</translation>
    </message>
    <message>
        <source>Randomly shuffles up the sections in your book
Shuffle Sections</source>
        <translation>Mescola a caso i paragrafi del tuo libro
Mescola paragrafi</translation>
    </message>
    <message>
        <source>Export your book into a readable, playable format
Export Book</source>
        <translation>Esporta il tuo libro in un formato leggibile e giocabile
Esporta libro</translation>
    </message>
    <message>
        <source>Export your flowchart
Export Flowchart</source>
        <translation>Esporta il tuo diagramma di flusso
Esporta diagramma</translation>
    </message>
    <message>
        <source>Make a new book of a story from Twine: Twee, or Twine&apos;s published HTML or archive
Import Story</source>
        <translation>Crea un nuovo libro da una storia di Twine: Twee, o l’HTML pubblicato o l’archivio di Twine
Importa storia</translation>
    </message>
    <message>
        <source>Show or hide the tool bar and the panes
Toolbars and Docking Windows</source>
        <translation>Mostra o nasconde la barra degli strumenti e i riquadri
Barre degli strumenti e finestre</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Torna al riquadro precedente
Riquadro precedente</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Passa al riquadro successivo
Riquadro successivo</translation>
    </message>
    <message>
        <source>View the help documents online
Online Help</source>
        <translation>Consulta la guida in linea
Guida in linea</translation>
    </message>
    <message>
        <source>Visit the website for the latest version
Check For Updates</source>
        <translation>Visita il sito con l’ultima versione
Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Want to request features, report a bug or just say hi? Email us your words!
Send Feeback</source>
        <translation>Vuoi chiedere una funzione, segnalare un errore o solo salutare? Scrivici!
Invia commenti</translation>
    </message>
    <message>
        <source>Put every pane back where it started
Reset Views</source>
        <translation>Rimette ogni riquadro al suo posto iniziale
Ripristina viste</translation>
    </message>
    <message>
        <source>Zoom in and out of the flowchart; type a percentage and press Enter for any zoom</source>
        <translation>Ingrandisce e riduce il diagramma di flusso; scrivi una percentuale e premi Invio per qualsiasi zoom</translation>
    </message>
    <message>
        <source>The whole chart does not fit at 10%; scroll to see the rest.</source>
        <translation>Il diagramma intero non entra al 10 %; scorri per vedere il resto.</translation>
    </message>
    <message>
        <source>Zoom out of the flowchart</source>
        <translation>Riduce il diagramma di flusso</translation>
    </message>
    <message>
        <source>Zoom into the flowchart</source>
        <translation>Ingrandisce il diagramma di flusso</translation>
    </message>
    <message>
        <source>Zoom so that the whole flowchart shows
Fit Whole Chart</source>
        <translation>Adatta lo zoom per mostrare tutto il diagramma
Diagramma intero</translation>
    </message>
    <message>
        <source>Zoom so that the flowchart&apos;s width fills the pane
Fit Width</source>
        <translation>Adatta lo zoom perché la larghezza del diagramma riempia il riquadro
Adatta alla larghezza</translation>
    </message>
    <message>
        <source>Make the section with a number current
Go to Section</source>
        <translation>Rende corrente il paragrafo con un numero
Vai al paragrafo</translation>
    </message>
    <message>
        <source>Count the book&apos;s sections, choices, words and endings, and its paths from section 1
Statistics</source>
        <translation>Conta paragrafi, scelte, parole e finali del libro, e i suoi percorsi dal paragrafo 1
Statistiche</translation>
    </message>
    <message>
        <source>Find words in the texts, summaries and choices of the book
Find</source>
        <translation>Trova parole nei testi, riassunti e scelte del libro
Trova</translation>
    </message>
    <message>
        <source>Replace words in the texts, summaries and choices of the book
Replace</source>
        <translation>Sostituisce parole nei testi, riassunti e scelte del libro
Sostituisci</translation>
    </message>
    <message>
        <source>Go to the next match of the words found
Find Next</source>
        <translation>Va all’occorrenza successiva
Trova successivo</translation>
    </message>
    <message>
        <source>Go to the previous match of the words found
Find Previous</source>
        <translation>Va all’occorrenza precedente
Trova precedente</translation>
    </message>
    <message>
        <source>Show or hide the list of what the book check finds, kept up to date as you write
Problems</source>
        <translation>Mostra o nasconde l’elenco di ciò che trova il controllo del libro, aggiornato mentre scrivi
Problemi</translation>
    </message>
    <message>
        <source>Show or hide the book played as a reader meets it, one section at a time
Play</source>
        <translation>Mostra o nasconde il libro giocato come lo vive un lettore, un paragrafo alla volta
Gioca</translation>
    </message>
    <message>
        <source>Play the book from the current section
Play from Here</source>
        <translation>Gioca il libro dal paragrafo corrente
Gioca da qui</translation>
    </message>
    <message>
        <source>Play the book from section 1
Play from Section 1</source>
        <translation>Gioca il libro dal paragrafo 1
Gioca dal paragrafo 1</translation>
    </message>
    <message>
        <source>Underline words that are not in the dictionary of the book&apos;s language as you write
Check Spelling</source>
        <translation>Sottolinea mentre scrivi le parole che non sono nel dizionario della lingua del libro
Controlla ortografia</translation>
    </message>
    <message>
        <source>Open a short gamebook written to show what the program does
Open Sample Book</source>
        <translation>Apre un breve librogame scritto per mostrare cosa fa il programma
Apri il libro di esempio</translation>
    </message>
    <message>
        <source>Laying out…</source>
        <translation>Disposizione…</translation>
    </message>
    <message>
        <source>The flowchart could not be laid out again; it shows the last layout. %1</source>
        <translation>Non è stato possibile ridisporre il diagramma; mostra l’ultima disposizione. %1</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crea un nuovo documento
Nuovo</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Apre un documento esistente
Apri</translation>
    </message>
    <message>
        <source>Close the active document; prompts to save it
Close</source>
        <translation>Chiude il documento attivo; chiede se salvarlo
Chiudi</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Salva il documento attivo
Salva</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Salva il documento attivo con un nuovo nome
Salva come</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Apre questo documento</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copia la selezione negli appunti
Copia</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Taglia la selezione e la mette negli appunti
Taglia</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserisce il contenuto degli appunti
Incolla</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annulla l’ultima azione
Annulla</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Ripete l’azione annullata
Ripeti</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra le informazioni sul programma, la versione e il copyright
Informazioni</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Esce dall’applicazione; chiede se salvare i documenti
Esci</translation>
    </message>
    <message>
        <source>The Brindle Story Studio</source>
        <translation>The Brindle Story Studio</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>Mostra o nasconde la barra di stato
Barra di stato</translation>
    </message>
</context>
<context>
    <name>TarnDataModel</name>
    <message>
        <source>Choice is listed more than once</source>
        <translation>La scelta compare più di una volta</translation>
    </message>
    <message>
        <source>Section with this number already exists</source>
        <translation>Esiste già un paragrafo con questo numero</translation>
    </message>
    <message>
        <source>Section cannot be deleted while choices lead from or into it</source>
        <translation>Un paragrafo non si può eliminare finché delle scelte partono da esso o vi portano</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag. Write one such as &quot;en&quot;, &quot;en-GB&quot; or &quot;fr-CA&quot;.</source>
        <translation>«%1» non è un codice di lingua. Scrivine uno come «it», «it-CH» o «en-GB».</translation>
    </message>
</context>
<context>
    <name>TarnGui::BookAutosave</name>
    <message>
        <source>No recovery copy could be kept: %1</source>
        <translation>Non è stato possibile conservare una copia di recupero: %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::BookJobs</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TarnGui::CAboutDlg</name>
    <message>
        <source>About The Brindle Story Studio</source>
        <translation>Informazioni su The Brindle Story Studio</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation>Compilato il %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CBookPropertiesPane</name>
    <message>
        <source>dash</source>
        <translation>trattino</translation>
    </message>
    <message>
        <source>turn to</source>
        <translation>vai al</translation>
    </message>
    <message>
        <source>parenthesis</source>
        <translation>parentesi</translation>
    </message>
    <message>
        <source>squares</source>
        <translation>quadre</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personalizzato</translation>
    </message>
</context>
<context>
    <name>TarnGui::CChoiceEditorDlg</name>
    <message>
        <source>hidden</source>
        <translation>nascosta</translation>
    </message>
    <message>
        <source>Choice Editor</source>
        <translation>Editor della scelta</translation>
    </message>
    <message>
        <source>Mark choice as hidden. Hidden choices won&apos;t appear as an option in text but will still be linked in the flowchart</source>
        <translation>Segna la scelta come nascosta. Le scelte nascoste non compaiono come opzione nel testo ma restano collegate nel diagramma di flusso</translation>
    </message>
    <message>
        <source>Choice text:</source>
        <translation>Testo della scelta:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destinazione:</translation>
    </message>
    <message>
        <source>Section number must be between 1 and %1</source>
        <translation>Il numero di paragrafo deve essere compreso tra 1 e %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CChoicesPane</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Adds a choice and its destination if it doesn&apos;t exist.</source>
        <translation>Aggiunge una scelta e, se non esiste, il suo paragrafo di destinazione.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Removes the selected choices (but keeps the destination sections.)</source>
        <translation>Rimuove le scelte selezionate (i paragrafi di destinazione restano).</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Opens the editor for this choice.</source>
        <translation>Apre l’editor di questa scelta.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Change the ordering by moving this choice upwards.</source>
        <translation>Cambia l’ordine spostando questa scelta verso l’alto.</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Change the ordering by moving this choice downwards.</source>
        <translation>Cambia l’ordine spostando questa scelta verso il basso.</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Segui</translation>
    </message>
    <message>
        <source>Follows this choice and selects its destination.</source>
        <translation>Segue questa scelta e seleziona la sua destinazione.</translation>
    </message>
    <message>
        <source>Choices of the section</source>
        <translation>Scelte del paragrafo</translation>
    </message>
    <message>
        <source>Each choice with the section it leads to</source>
        <translation>Ogni scelta con il paragrafo a cui porta</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFindReplacePane</name>
    <message>
        <source>Match &amp;case</source>
        <translation>Maiuscole/mi&amp;nuscole</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>Parola int&amp;era</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Espressione &amp;regolare</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Sostit&amp;uisci</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Sostituisci &amp;tutto</translation>
    </message>
    <message>
        <source>Find in texts, summaries and choices</source>
        <translation>Cerca in testi, riassunti e scelte</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Sostituisci con</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Precedente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Successivo</translation>
    </message>
    <message>
        <source>The replacement is empty, so Replace All will delete the one match of &quot;%1&quot;.

Delete it?</source>
        <translation>La sostituzione è vuota, quindi «Sostituisci tutto» eliminerà l’unica occorrenza di «%1».

Eliminarla?</translation>
    </message>
    <message>
        <source>The replacement is empty, so Replace All will delete all %1 matches of &quot;%2&quot;.

Delete them?</source>
        <translation>La sostituzione è vuota, quindi «Sostituisci tutto» eliminerà tutte le %1 occorrenze di «%2».

Eliminarle?</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Ricerca in corso…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nessuna occorrenza</translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es)</source>
        <translation>
            <numerusform>%Ln occorrenza</numerusform>
            <numerusform>%Ln occorrenze</numerusform>
        </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Occorrenze</translation>
    </message>
    <message>
        <source>Every match in the book; Enter or a click shows it in its section</source>
        <translation>Ogni occorrenza del libro; Invio o un clic la mostra nel suo paragrafo</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Risultato della ricerca</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFlowchart</name>
    <message>
        <source>Flowchart, section %1</source>
        <translation>Diagramma di flusso, paragrafo %1</translation>
    </message>
    <message>
        <source>Flowchart</source>
        <translation>Diagramma di flusso</translation>
    </message>
</context>
<context>
    <name>TarnGui::CFlowchartPane</name>
    <message>
        <source>An empty slot that choices lead to.</source>
        <translation>Un posto vuoto a cui portano delle scelte.</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (nascosta)</translation>
    </message>
    <message>
        <source>An ending: no choices.</source>
        <translation>Un finale: nessuna scelta.</translation>
    </message>
    <message>
        <source>Choices lead to %1.</source>
        <translation>Le scelte portano a %1.</translation>
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
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Save Book As</source>
        <translation>Salva libro come</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %Ln match(es)</source>
        <translation>
            <numerusform>%Ln occorrenza sostituita</numerusform>
            <numerusform>%Ln occorrenze sostituite</numerusform>
        </translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>&amp;Problemi</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>Play from &amp;Here</source>
        <translation>Gioca da &amp;qui</translation>
    </message>
    <message>
        <source>Play from Section &amp;1</source>
        <translation>Gioca dal paragrafo &amp;1</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Tro&amp;va...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>&amp;Sostituisci...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Trova s&amp;uccessivo</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Trova &amp;precedente</translation>
    </message>
    <message>
        <source>Check &amp;Spelling</source>
        <translation>Controlla &amp;ortografia</translation>
    </message>
    <message>
        <source>Go to Section</source>
        <translation>Vai al paragrafo</translation>
    </message>
    <message>
        <source>Section number:</source>
        <translation>Numero del paragrafo:</translation>
    </message>
    <message>
        <source>Open Book</source>
        <translation>Apri libro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in %2 by %3 on %4 since %5.

Changes made in both places will overwrite each other. Open it anyway?</source>
        <translation>«%1» è aperto in %2 da %3 su %4 dal %5.

Le modifiche fatte in entrambi i posti si sovrascriveranno. Aprirlo comunque?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been changed by another program since it was opened or saved here.

Replace it with this version?</source>
        <translation>«%1» è stato modificato da un altro programma da quando è stato aperto o salvato qui.

Sostituirlo con questa versione?</translation>
    </message>
    <message>
        <source>Saving the book...</source>
        <translation>Salvataggio del libro...</translation>
    </message>
    <message>
        <source>Import Story</source>
        <translation>Importa storia</translation>
    </message>
    <message>
        <source>The sample book is missing from this build of the program.</source>
        <translation>In questa versione del programma manca il libro di esempio.</translation>
    </message>
    <message>
        <source>Export Book</source>
        <translation>Esporta libro</translation>
    </message>
    <message>
        <source>Exporting the book...</source>
        <translation>Esportazione del libro...</translation>
    </message>
    <message>
        <source>Writing the book&apos;s pages...</source>
        <translation>Scrittura delle pagine del libro...</translation>
    </message>
    <message>
        <source>Laying out the book&apos;s pages...</source>
        <translation>Impaginazione del libro...</translation>
    </message>
    <message>
        <source>Export Flowchart Image</source>
        <translation>Esporta immagine del diagramma</translation>
    </message>
    <message>
        <source>Section %1 has 1 choice leading to it. Remove it and the choice?</source>
        <translation>Al paragrafo %1 porta 1 scelta. Rimuoverlo insieme alla scelta?</translation>
    </message>
    <message>
        <source>Section %1 has %2 choices leading to it. Remove it and them?</source>
        <translation>Al paragrafo %1 portano %2 scelte. Rimuoverlo insieme a esse?</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Non chiedere più</translation>
    </message>
    <message>
        <source>Nothing on this computer could open this for you:

%1

Copy it to open it elsewhere.</source>
        <translation>Nulla su questo computer ha potuto aprire questo:

%1

Copialo per aprirlo altrove.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;come...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>&amp;Import Story...</source>
        <translation>&amp;Importa storia...</translation>
    </message>
    <message>
        <source>Export &amp;Book</source>
        <translation>Esporta &amp;libro</translation>
    </message>
    <message>
        <source>Export &amp;Graph</source>
        <translation>Esporta &amp;diagramma</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Go to Section...</source>
        <translation>Vai al para&amp;grafo...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiche...</translation>
    </message>
    <message>
        <source>&amp;Reset Views</source>
        <translation>&amp;Ripristina viste</translation>
    </message>
    <message>
        <source>&amp;Previous View</source>
        <translation>Vista pr&amp;ecedente</translation>
    </message>
    <message>
        <source>&amp;Next View</source>
        <translation>Vista &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Add Section</source>
        <translation>&amp;Aggiungi paragrafo</translation>
    </message>
    <message>
        <source>&amp;Remove Section</source>
        <translation>&amp;Rimuovi paragrafo</translation>
    </message>
    <message>
        <source>&amp;Shuffle Sections</source>
        <translation>&amp;Mescola paragrafi</translation>
    </message>
    <message>
        <source>Online &amp;Help</source>
        <translation>&amp;Guida in linea</translation>
    </message>
    <message>
        <source>Check For &amp;Updates</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>Send &amp;Feedback</source>
        <translation>Invia &amp;commenti</translation>
    </message>
    <message>
        <source>Open &amp;Sample Book</source>
        <translation>Apri il libro di &amp;esempio</translation>
    </message>
    <message>
        <source>&amp;About The Brindle Story Studio...</source>
        <translation>&amp;Informazioni su The Brindle Story Studio...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Toolbars and Docking Windows</source>
        <translation>&amp;Barre degli strumenti e finestre</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>&amp;Libro</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Twine stories</source>
        <translation>Storie di Twine</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>The file holds %1 stories. Import which one?</source>
        <translation>Il file contiene %1 storie. Quale importare?</translation>
    </message>
    <message>
        <source>The story was imported, with these notes:
</source>
        <translation>La storia è stata importata, con queste note:
</translation>
    </message>
    <message>
        <source>

…and %1 more.</source>
        <translation>

…e altre %1.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>The program speaks the language chosen from the next time it starts.</source>
        <translation>Il programma parlerà la lingua scelta dal prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>TarnGui::COutlinePane</name>
    <message>
        <source>Sections of the book</source>
        <translation>Paragrafi del libro</translation>
    </message>
    <message>
        <source>Every section by number with its summary; choosing one makes it the section you work on</source>
        <translation>Ogni paragrafo per numero con il suo riassunto; sceglierne uno lo rende il paragrafo su cui lavori</translation>
    </message>
</context>
<context>
    <name>TarnGui::CPlayPane</name>
    <message>
        <source>Bac&amp;k</source>
        <translation>In&amp;dietro</translation>
    </message>
    <message>
        <source>Edi&amp;t this section</source>
        <translation>Modifica &amp;questo paragrafo</translation>
    </message>
    <message>
        <source>The path taken so far; click a step to go back to it</source>
        <translation>Il percorso fatto finora; fai clic su un passo per tornarci</translation>
    </message>
    <message>
        <source>Nothing to play</source>
        <translation>Niente da giocare</translation>
    </message>
    <message>
        <source>This is an ending: the section has no choices.</source>
        <translation>Questo è un finale: il paragrafo non ha scelte.</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>nascosta</translation>
    </message>
    <message>
        <source>Forwar&amp;d</source>
        <translation>Avant&amp;i</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Ricomin&amp;cia</translation>
    </message>
    <message>
        <source>Text of the section played</source>
        <translation>Testo del paragrafo giocato</translation>
    </message>
    <message>
        <source>Path taken</source>
        <translation>Percorso fatto</translation>
    </message>
</context>
<context>
    <name>TarnGui::CPreviewPane</name>
    <message>
        <source>Preview of the book</source>
        <translation>Anteprima del libro</translation>
    </message>
    <message>
        <source>The book as readers will see it; the choices link to their sections</source>
        <translation>Il libro come lo vedranno i lettori; le scelte rimandano ai loro paragrafi</translation>
    </message>
</context>
<context>
    <name>TarnGui::CProblemsPane</name>
    <message>
        <source>Problems found</source>
        <translation>Problemi trovati</translation>
    </message>
    <message>
        <source>What the book check finds; choosing one shows its section</source>
        <translation>Ciò che trova il controllo del libro; sceglierne uno mostra il suo paragrafo</translation>
    </message>
</context>
<context>
    <name>TarnGui::CSectionView</name>
    <message>
        <source>Section %1</source>
        <translation>Paragrafo %1</translation>
    </message>
    <message>
        <source>Section text</source>
        <translation>Testo del paragrafo</translation>
    </message>
    <message>
        <source>What the reader reads in the section; Tab goes to the next pane, Ctrl+Tab types a tab</source>
        <translation>Ciò che il lettore legge nel paragrafo; Tab passa al riquadro successivo, Ctrl+Tab inserisce una tabulazione</translation>
    </message>
    <message>
        <source>Text of section %1</source>
        <translation>Testo del paragrafo %1</translation>
    </message>
</context>
<context>
    <name>TarnGui::CTarnGuiApp</name>
    <message>
        <source>The restored work is open; &quot;%1&quot; was not opened. Open it once the restored work is saved.</source>
        <translation>Il lavoro recuperato è aperto; «%1» non è stato aperto. Aprilo dopo aver salvato il lavoro recuperato.</translation>
    </message>
</context>
<context>
    <name>TarnGui::CTarnTextEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona t&amp;utto</translation>
    </message>
</context>
<context>
    <name>TarnGui::ErrorBoundary</name>
    <message>
        <source>Cannot open &quot;%1&quot;, line %2: it is not a book this program can read, or it has been damaged (%3).</source>
        <translation>Impossibile aprire «%1», riga %2: non è un libro che questo programma sa leggere, oppure è danneggiato (%3).</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
</context>
<context>
    <name>TarnGui::ExportTypeDlg</name>
    <message>
        <source>One file</source>
        <translation>Un solo file</translation>
    </message>
    <message>
        <source>One HTML file per section</source>
        <translation>Un file HTML per paragrafo</translation>
    </message>
    <message>
        <source>Export Book</source>
        <translation>Esporta libro</translation>
    </message>
    <message>
        <source>If you&apos;re not sure, go for this one.</source>
        <translation>Se non sei sicuro, scegli questa.</translation>
    </message>
    <message>
        <source>This is if you want each book section to be created as a separate HTML file.</source>
        <translation>Per fare di ogni paragrafo del libro un file HTML a sé.</translation>
    </message>
</context>
<context>
    <name>TarnGui::MatchListModel</name>
    <message>
        <source>Summary</source>
        <translation>Riassunto</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Scelta</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
</context>
<context>
    <name>TarnGui::PdfPageSetupDlg</name>
    <message>
        <source>PDF Pages</source>
        <translation>Pagine del PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Formato pagina:</translation>
    </message>
    <message>
        <source>Margins:</source>
        <translation>Margini:</translation>
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
        <translation>US Letter (8,5 × 11 pollici)</translation>
    </message>
    <message>
        <source>Trade paperback (6 × 9 in)</source>
        <translation>Tascabile (6 × 9 pollici)</translation>
    </message>
</context>
<context>
    <name>TarnGui::RecoveryDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Recupera il lavoro non salvato</translation>
    </message>
    <message>
        <source>The Brindle Story Studio did not close cleanly last time. These books had changes that were not saved:</source>
        <translation>L’ultima volta The Brindle Story Studio non si è chiuso correttamente. Questi libri avevano modifiche non salvate:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Scarta</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Più tardi</translation>
    </message>
    <message>
        <source>a book never saved</source>
        <translation>un libro mai salvato</translation>
    </message>
    <message>
        <source>%1
%2, kept %3</source>
        <translation>%1
%2, conservato %3</translation>
    </message>
</context>
<context>
    <name>TarnGui::SpellingMenu</name>
    <message>
        <source>No suggestions</source>
        <translation>Nessun suggerimento</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Aggiungi al dizionario</translation>
    </message>
</context>
<context>
    <name>TarnGui::SpellingService</name>
    <message>
        <source> Spelling is not checked.</source>
        <translation> L’ortografia non viene controllata.</translation>
    </message>
</context>
<context>
    <name>TarnGui::StatisticsDlg</name>
    <message>
        <source>Book Statistics</source>
        <translation>Statistiche del libro</translation>
    </message>
    <message>
        <source>Sections:</source>
        <translation>Paragrafi:</translation>
    </message>
    <message>
        <source>Choices:</source>
        <translation>Scelte:</translation>
    </message>
    <message>
        <source>Hidden choices:</source>
        <translation>Scelte nascoste:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Parole:</translation>
    </message>
    <message>
        <source>Reading time:</source>
        <translation>Tempo di lettura:</translation>
    </message>
    <message numerus="yes">
        <source>about %Ln minute(s), at 200 words a minute</source>
        <translation>
            <numerusform>circa %Ln minuto, a 200 parole al minuto</numerusform>
            <numerusform>circa %Ln minuti, a 200 parole al minuto</numerusform>
        </translation>
    </message>
    <message>
        <source>Endings:</source>
        <translation>Finali:</translation>
    </message>
    <message>
        <source>Shortest path:</source>
        <translation>Percorso più breve:</translation>
    </message>
    <message>
        <source>Longest path:</source>
        <translation>Percorso più lungo:</translation>
    </message>
    <message>
        <source>, leaving out loops</source>
        <translation>, senza contare i cicli</translation>
    </message>
    <message>
        <source>no ending is reached from section 1</source>
        <translation>nessun finale è raggiungibile dal paragrafo 1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln choice(s)</source>
        <translation>
            <numerusform>%Ln scelta</numerusform>
            <numerusform>%Ln scelte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDictionary</name>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot be read: %2.</source>
        <translation>Il tuo dizionario %1 non si può leggere: %2.</translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot be written: %2.</source>
        <translation>Il tuo dizionario %1 non si può scrivere: %2.</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>the disk is full (%1)</source>
        <translation>il disco è pieno (%1)</translation>
    </message>
    <message>
        <source>your share of the disk is used up (%1)</source>
        <translation>la tua quota del disco è esaurita (%1)</translation>
    </message>
    <message>
        <source>the disk is read-only (%1)</source>
        <translation>il disco è di sola lettura (%1)</translation>
    </message>
    <message>
        <source>the folder is read-only, or not yours to write in (%1)</source>
        <translation>la cartella è di sola lettura, o non hai i permessi per scriverci (%1)</translation>
    </message>
    <message>
        <source>the folder does not exist (%1)</source>
        <translation>la cartella non esiste (%1)</translation>
    </message>
    <message>
        <source>part of the path is not a folder (%1)</source>
        <translation>parte del percorso non è una cartella (%1)</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows (%1)</source>
        <translation>il file supererebbe la dimensione consentita da questo sistema (%1)</translation>
    </message>
    <message>
        <source>the disk could not be written (%1)</source>
        <translation>non è stato possibile scrivere sul disco (%1)</translation>
    </message>
    <message>
        <source>no program is reading from it (%1)</source>
        <translation>nessun programma lo sta leggendo (%1)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>il sistema non ha dato alcun motivo</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>Cannot start the archive: %1.</source>
        <translation>Impossibile iniziare l’archivio: %1.</translation>
    </message>
    <message>
        <source>Cannot add to the archive: %1.</source>
        <translation>Impossibile aggiungere all’archivio: %1.</translation>
    </message>
    <message>
        <source>Cannot write the archive: %1.</source>
        <translation>Impossibile scrivere l’archivio: %1.</translation>
    </message>
    <message>
        <source>Cannot read the archive back: %1.</source>
        <translation>Impossibile rileggere l’archivio: %1.</translation>
    </message>
</context>
</TS>
