<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BookLimits</name>
    <message>
        <source>Cannot open &quot;%1&quot;: saved, the book would take %2, more than the %3 a book may take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: section %2 has more than %3 choices, the most a section may have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is larger than %2, the most a book may take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This change would make the book take more than the %1 a book may take. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section %1 already has %2 choices, the most a section may have.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>*hidden* %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export over the book itself: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileHandling</name>
    <message>
        <source>Cannot open file &quot;%1&quot;: there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlowchartGraph</name>
    <message>
        <source>The flowchart could not be laid out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlowchartImage</name>
    <message>
        <source>The flowchart could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flowchart image of %1 by %2 pixels is too large to make. Zoom out and export it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GifWriter</name>
    <message>
        <source>The GIF image could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A GIF image can be at most %1 pixels wide and high. Zoom out and export it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphCore</name>
    <message>
        <source>Section not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not add choice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Cannot import &quot;%1&quot;, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; has more than %2 links; a section may have at most %2 choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; goes on through macros that name the passage by code, not by a plain name; they make no choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the metadata of passage &quot;%1&quot; is not JSON (%2); it is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; was changed since it was exported; its links are read as Twine reads them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; is not JSON (%2); the passages are read as Twine reads them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the story makes a book of more than %1, the most a book may take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the story needs %1 sections; a book holds at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag; the book takes %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>section 1 is the start passage &quot;%1&quot;, so passage &quot;1&quot; becomes section %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no passage &quot;%1&quot;; section %2 is made for the links to it, empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the StoryData is not JSON (%1); it is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tags of passage &quot;%1&quot; are not closed with &quot;]&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 appears again; the later one is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; is the story&apos;s script or style sheet; it is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passage &quot;%1&quot; appears again; the later one is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n characters that no book can hold, such as NUL, are each replaced by U+FFFD</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>there is no Twine story in it (no &lt;tw-storydata&gt; element)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no Twee passage in it (no line starting with &quot;::&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>story &quot;%1&quot; has no passages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Outline</name>
    <message>
        <source>%1 &lt;Empty&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageSetup</name>
    <message>
        <source>The margin must be from %1 to %2 mm.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfLinks</name>
    <message>
        <source>The PDF could not be given its links: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>Section %1 was removed from the book, so the path ends before it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayController</name>
    <message>
        <source>The choice is not one of the section being played</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PngWriter</name>
    <message>
        <source>The PNG image could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>No path from section 1 reaches section %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section %1 is an empty slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choice(s) to the empty slot %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Section %1 has no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Section %1 has %n choices to section %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Section %1 is an ending: confirm that it should be</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PropertyGrid</name>
    <message>
        <source>Don&apos;t know what to do with this property</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchPattern</name>
    <message>
        <source>The regular expression cannot be read at character %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The regular expression takes too long to search with: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SectionNumbers</name>
    <message>
        <source>Section number must be between 1 and %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SectionSelection</name>
    <message>
        <source>There is no section %1 in this book.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SectionView</name>
    <message>
        <source>Empty Section</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpellCheck</name>
    <message>
        <source>No spelling dictionary for the language &quot;%1&quot; is installed, so spelling is not checked. Install a Hunspell dictionary for it, such as one of Debian&apos;s hunspell packages.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <source>The spelling dictionary %1 cannot be read, or is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spelling dictionary %1 is in a character set (%2) this system cannot convert.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StagedFolder</name>
    <message>
        <source>Cannot write into the folder &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot move the new files into &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoryGraph</name>
    <message>
        <source>Section does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section cannot be visited - it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section with this number already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice with this id already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice cannot be updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section cannot be updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbering gives two sections the same number</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flowchart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of the section. You can change this to a new number and all of your choice links will be magically updated.  If you change this to a section number already in use then they will get swapped over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can be auto shuffled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you perform an auto shuffle, this section can either be shuffled or fixed in place.  Most sections you will want to shuffle, but you may want to keep your opening section at the beginning of the book and your win section at the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a short description of the section for your use as you design your gamebook.</source>
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
        <source>Background Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the section in the graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindle Story Files (*.brindle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a section from the drop down, or enter a number from 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to open your exported book?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %s?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of your gamebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who wrote your gamebook, as ebooks, print and game listings name them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language your gamebook is written in, as a tag such as en, en-GB or fr-CA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made once for your gamebook and kept, so that readers&apos; libraries know a new edition of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The footer to your pages or book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to open your exported flowchart?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ChoiceScript (Choice of Games)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EPUB e-books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twee stories (Twine)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find and Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main book font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font used for the main text in your book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A description of this format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The format used, where {{text}} is a placeholder for the choice text, and {{destination}} is a placeholder for the destination number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put every section on new page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to yes if you want each section to be separated with a page break. This works well when your sections are quite long. Say no if you want sections to appear continuously, one after another (default). This works better for shorter sections.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font used for book header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font used for book footer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder is not empty and files may be overwritten! Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a new section to the book
New Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the section from the book
Remove Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomly shuffles up the sections in your book
Shuffle Sections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export your book into a readable, playable format
Export Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export your flowchart
Export Flowchart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a new book of a story from Twine: Twee, or Twine&apos;s published HTML or archive
Import Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the tool bar and the panes
Toolbars and Docking Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View the help documents online
Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the website for the latest version
Check For Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Want to request features, report a bug or just say hi? Email us your words!
Send Feeback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put every pane back where it started
Reset Views</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in and out of the flowchart; type a percentage and press Enter for any zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole chart does not fit at 10%; scroll to see the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out of the flowchart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom into the flowchart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom so that the whole flowchart shows
Fit Whole Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom so that the flowchart&apos;s width fills the pane
Fit Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the section with a number current
Go to Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count the book&apos;s sections, choices, words and endings, and its paths from section 1
Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find words in the texts, summaries and choices of the book
Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace words in the texts, summaries and choices of the book
Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the next match of the words found
Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the previous match of the words found
Find Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the list of what the book check finds, kept up to date as you write
Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the book played as a reader meets it, one section at a time
Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the book from the current section
Play from Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the book from section 1
Play from Section 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline words that are not in the dictionary of the book&apos;s language as you write
Check Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a short gamebook written to show what the program does
Open Sample Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laying out…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flowchart could not be laid out again; it shows the last layout. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the active document; prompts to save it
Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Brindle Story Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnDataModel</name>
    <message>
        <source>Choice is listed more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section with this number already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section cannot be deleted while choices lead from or into it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language tag. Write one such as &quot;en&quot;, &quot;en-GB&quot; or &quot;fr-CA&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::BookAutosave</name>
    <message>
        <source>No recovery copy could be kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::BookJobs</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::CAboutDlg</name>
    <message>
        <source>About The Brindle Story Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::CChoiceEditorDlg</name>
    <message>
        <source>hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark choice as hidden. Hidden choices won&apos;t appear as an option in text but will still be linked in the flowchart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section number must be between 1 and %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::CChoicesPane</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a choice and its destination if it doesn&apos;t exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the selected choices (but keeps the destination sections.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the editor for this choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the ordering by moving this choice upwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the ordering by moving this choice downwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follows this choice and selects its destination.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::CFindReplacePane</name>
    <message>
        <source>Match &amp;case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in texts, summaries and choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The replacement is empty, so Replace All will delete the one match of &quot;%1&quot;.

Delete it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The replacement is empty, so Replace All will delete all %1 matches of &quot;%2&quot;.

Delete them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln match(es)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TarnGui::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Book As</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Replaced %Ln match(es)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play from &amp;Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play from Section &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in %2 by %3 on %4 since %5.

Changes made in both places will overwrite each other. Open it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been changed by another program since it was opened or saved here.

Replace it with this version?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving the book...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample book is missing from this build of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting the book...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the book&apos;s pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laying out the book&apos;s pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Flowchart Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section %1 has 1 choice leading to it. Remove it and the choice?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section %1 has %2 choices leading to it. Remove it and them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing on this computer could open this for you:

%1

Copy it to open it elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Story...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to Section...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Views</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shuffle Sections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check For &amp;Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Sample Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About The Brindle Story Studio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbars and Docking Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twine stories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 stories. Import which one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The story was imported, with these notes:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

…and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::CPlayPane</name>
    <message>
        <source>Bac&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For&amp;ward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edi&amp;t this section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path taken so far; click a step to go back to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an ending: the section has no choices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::CSectionView</name>
    <message>
        <source>Section %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::CTarnGuiApp</name>
    <message>
        <source>The restored work is open; &quot;%1&quot; was not opened. Open it once the restored work is saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::CTarnTextEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::ErrorBoundary</name>
    <message>
        <source>Cannot open &quot;%1&quot;, line %2: it is not a book this program can read, or it has been damaged (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::ExportTypeDlg</name>
    <message>
        <source>One file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One HTML file per section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you&apos;re not sure, go for this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is if you want each book section to be created as a separate HTML file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::MatchListModel</name>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::PdfPageSetupDlg</name>
    <message>
        <source>PDF Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4 (210 × 297 mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A5 (148 × 210 mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US Letter (8.5 × 11 in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trade paperback (6 × 9 in)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::RecoveryDialog</name>
    <message>
        <source>Recover Unsaved Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Brindle Story Studio did not close cleanly last time. These books had changes that were not saved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a book never saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2, kept %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::SpellingMenu</name>
    <message>
        <source>No suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::SpellingService</name>
    <message>
        <source> Spelling is not checked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGui::StatisticsDlg</name>
    <message>
        <source>Book Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sections:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choices:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden choices:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>about %Ln minute(s), at 200 words a minute</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Endings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, leaving out loops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no ending is reached from section 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln choice(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserDictionary</name>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>the disk is full (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your share of the disk is used up (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is read-only (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder is read-only, or not yours to write in (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder does not exist (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part of the path is not a folder (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file would be larger than this system allows (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk could not be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no program is reading from it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>Cannot start the archive: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add to the archive: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the archive: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the archive back: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
