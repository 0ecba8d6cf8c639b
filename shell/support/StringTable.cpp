// SPDX-License-Identifier: MIT
#include "shell/support/StringTable.h"

#include <QCoreApplication>
#include <QHash>

namespace TarnGui {

namespace {

const QHash<unsigned, const char*>& Table()
{
    static const QHash<unsigned, const char*> table{
        {Strings::DocumentTemplate,
         QT_TRANSLATE_NOOP("Strings",
                           "Brindle\n\nBrindleDoc\nBrindle Story Files (*.brindle)\n.brindle\nBrindle.Document\nBrindle.Document")},
        {Strings::StandardToolbar, QT_TRANSLATE_NOOP("Strings", "Standard Toolbar")},
        {Strings::FlowchartCaption, QT_TRANSLATE_NOOP("Strings", "Flowchart")},
        {Strings::OutlineCaption, QT_TRANSLATE_NOOP("Strings", "Outline")},
        {Strings::SectionCaption, QT_TRANSLATE_NOOP("Strings", "Section")},
        {Strings::SectionNumber, QT_TRANSLATE_NOOP("Strings", "Number")},
        {Strings::SectionNumberInfo,
         QT_TRANSLATE_NOOP("Strings", "The number of the section. You can change this to a new number and all of your choice links "
                                      "will be magically updated.  If you change this to a section number already in use then they "
                                      "will get swapped over.")},
        {Strings::SectionDetails, QT_TRANSLATE_NOOP("Strings", "Details")},
        {Strings::SectionDisplayDetails, QT_TRANSLATE_NOOP("Strings", "Display Details")},
        {Strings::SectionShiftable, QT_TRANSLATE_NOOP("Strings", "Can be auto shuffled")},
        {Strings::SectionShiftableInfo,
         QT_TRANSLATE_NOOP("Strings", "When you perform an auto shuffle, this section can either be shuffled or fixed in place.  "
                                      "Most sections you will want to shuffle, but you may want to keep your opening section at "
                                      "the beginning of the book and your win section at the end.")},
        {Strings::SectionSummary, QT_TRANSLATE_NOOP("Strings", "Summary")},
        {Strings::SectionSummaryInfo,
         QT_TRANSLATE_NOOP("Strings", "This is a short description of the section for your use as you design your gamebook.")},
        {Strings::Yes, QT_TRANSLATE_NOOP("Strings", "Yes")},
        {Strings::No, QT_TRANSLATE_NOOP("Strings", "No")},
        {Strings::SectionColour, QT_TRANSLATE_NOOP("Strings", "Background Colour")},
        {Strings::SectionColourInfo, QT_TRANSLATE_NOOP("Strings", "The colour of the section in the graph")},
        {Strings::ChoicesCaption, QT_TRANSLATE_NOOP("Strings", "Choices")},
        {Strings::BrindleFiles, QT_TRANSLATE_NOOP("Strings", "Brindle Story Files (*.brindle)")},
        {Strings::AllFiles, QT_TRANSLATE_NOOP("Strings", "All Files (*.*)")},
        {Strings::NoDestination, QT_TRANSLATE_NOOP("Strings", "Use a section from the drop down, or enter a number from 1")},
        {Strings::TextFiles, QT_TRANSLATE_NOOP("Strings", "Text Files")},
        {Strings::RichTextFiles, QT_TRANSLATE_NOOP("Strings", "Rich Text Files")},
        {Strings::HtmlFiles, QT_TRANSLATE_NOOP("Strings", "HTML Files")},
        {Strings::XmlFiles, QT_TRANSLATE_NOOP("Strings", "XML Files")},
        {Strings::Untitled, QT_TRANSLATE_NOOP("Strings", "Untitled")},
        {Strings::OpenExportedBook, QT_TRANSLATE_NOOP("Strings", "Do you want to open your exported book?")},
        {Strings::BmpFilter, QT_TRANSLATE_NOOP("Strings", "BMP")},
        {Strings::JpgFilter, QT_TRANSLATE_NOOP("Strings", "JPG")},
        {Strings::PngFilter, QT_TRANSLATE_NOOP("Strings", "PNG")},
        {Strings::GifFilter, QT_TRANSLATE_NOOP("Strings", "GIF")},
        {Strings::SaveChanges, QT_TRANSLATE_NOOP("Strings", "Save changes to %s?")},
        {Strings::GamebookCaption, QT_TRANSLATE_NOOP("Strings", "Gamebook")},
        {Strings::BookTitle, QT_TRANSLATE_NOOP("Strings", "Title")},
        {Strings::BookTitleInfo, QT_TRANSLATE_NOOP("Strings", "Title of your gamebook")},
        {Strings::BookFooter, QT_TRANSLATE_NOOP("Strings", "Footer")},
        {Strings::BookDetails, QT_TRANSLATE_NOOP("Strings", "Details")},
        {Strings::BookAuthor, QT_TRANSLATE_NOOP("Strings", "Author")},
        {Strings::BookAuthorInfo, QT_TRANSLATE_NOOP("Strings", "Who wrote your gamebook, as ebooks, print and game listings name them")},
        {Strings::BookLanguage, QT_TRANSLATE_NOOP("Strings", "Language")},
        {Strings::BookLanguageInfo,
         QT_TRANSLATE_NOOP("Strings", "The language your gamebook is written in, as a tag such as en, en-GB or fr-CA")},
        {Strings::BookIdentifier, QT_TRANSLATE_NOOP("Strings", "Identifier")},
        {Strings::BookIdentifierInfo,
         QT_TRANSLATE_NOOP("Strings", "Made once for your gamebook and kept, so that readers' libraries know a new edition of it")},
        {Strings::BookFooterInfo, QT_TRANSLATE_NOOP("Strings", "The footer to your pages or book.")},
        {Strings::OpenExportedFlowchart, QT_TRANSLATE_NOOP("Strings", "Do you want to open your exported flowchart?")},
        {Strings::JsonFiles, QT_TRANSLATE_NOOP("Strings", "JSON Files")},
        {Strings::ChoiceScriptFiles, QT_TRANSLATE_NOOP("Strings", "ChoiceScript (Choice of Games)")},
        {Strings::EpubFiles, QT_TRANSLATE_NOOP("Strings", "EPUB e-books")},
        {Strings::PdfFiles, QT_TRANSLATE_NOOP("Strings", "PDF documents")},
        {Strings::TweeFiles, QT_TRANSLATE_NOOP("Strings", "Twee stories (Twine)")},
        {Strings::PreviewCaption, QT_TRANSLATE_NOOP("Strings", "Preview")},
        {Strings::FindReplaceCaption, QT_TRANSLATE_NOOP("Strings", "Find and Replace")},
        {Strings::ProblemsCaption, QT_TRANSLATE_NOOP("Strings", "Problems")},
        {Strings::PlayCaption, QT_TRANSLATE_NOOP("Strings", "Play")},
        {Strings::BookStyles, QT_TRANSLATE_NOOP("Strings", "Styles")},
        {Strings::MainFont, QT_TRANSLATE_NOOP("Strings", "Main book font")},
        {Strings::MainFontInfo, QT_TRANSLATE_NOOP("Strings", "Font used for the main text in your book")},
        {Strings::HeaderFont, QT_TRANSLATE_NOOP("Strings", "Header font")},
        {Strings::ChoiceFormatGroup, QT_TRANSLATE_NOOP("Strings", "Choice format")},
        {Strings::ChoiceFormatName, QT_TRANSLATE_NOOP("Strings", "Name")},
        {Strings::ChoiceFormatNameInfo, QT_TRANSLATE_NOOP("Strings", "A description of this format")},
        {Strings::ChoiceFormat, QT_TRANSLATE_NOOP("Strings", "Format")},
        {Strings::ChoiceFormatInfo,
         QT_TRANSLATE_NOOP("Strings", "The format used, where {{text}} is a placeholder for the choice text, and {{destination}} is a "
                                      "placeholder for the destination number.")},
        {Strings::BookLayout, QT_TRANSLATE_NOOP("Strings", "Book Layout")},
        {Strings::NewPagePerSection, QT_TRANSLATE_NOOP("Strings", "Put every section on new page")},
        {Strings::NewPagePerSectionInfo,
         QT_TRANSLATE_NOOP("Strings", "Set to yes if you want each section to be separated with a page break. This works well "
                                      "when your sections are quite long. Say no if you want sections to appear continuously, one "
                                      "after another (default). This works better for shorter sections.")},
        {Strings::HeaderFontInfo, QT_TRANSLATE_NOOP("Strings", "Font used for book header")},
        {Strings::FooterFont, QT_TRANSLATE_NOOP("Strings", "Footer font")},
        {Strings::FooterFontInfo, QT_TRANSLATE_NOOP("Strings", "Font used for book footer")},
        {Strings::FolderNotEmpty,
         QT_TRANSLATE_NOOP("Strings", "This folder is not empty and files may be overwritten! Do you want to continue?")},
        {Strings::AddSection, QT_TRANSLATE_NOOP("Strings", "Adds a new section to the book\nNew Section")},
        {Strings::RemoveSection, QT_TRANSLATE_NOOP("Strings", "Removes the section from the book\nRemove Section")},
        {Strings::ShuffleSections, QT_TRANSLATE_NOOP("Strings", "Randomly shuffles up the sections in your book\nShuffle Sections")},
        {Strings::ExportBook, QT_TRANSLATE_NOOP("Strings", "Export your book into a readable, playable format\nExport Book")},
        {Strings::ExportGraph, QT_TRANSLATE_NOOP("Strings", "Export your flowchart\nExport Flowchart")},
        {Strings::ImportStory,
         QT_TRANSLATE_NOOP("Strings", "Make a new book of a story from Twine: Twee, or Twine's published HTML or archive\nImport Story")},
        {Strings::ToolbarsAndPanes, QT_TRANSLATE_NOOP("Strings", "Show or hide the tool bar and the panes\nToolbars and Docking Windows")},
        {Strings::PreviousView, QT_TRANSLATE_NOOP("Strings", "Switch back to the previous window pane\nPrevious Pane")},
        {Strings::NextView, QT_TRANSLATE_NOOP("Strings", "Switch to the next window pane\nNext Pane")},
        {Strings::OnlineHelp, QT_TRANSLATE_NOOP("Strings", "View the help documents online\nOnline Help")},
        {Strings::CheckForUpdates, QT_TRANSLATE_NOOP("Strings", "Visit the website for the latest version\nCheck For Updates")},
        {Strings::SendFeedback,
         QT_TRANSLATE_NOOP("Strings", "Want to request features, report a bug or just say hi? Email us your words!\nSend Feeback")},
        {Strings::ResetViews, QT_TRANSLATE_NOOP("Strings", "Put every pane back where it started\nReset Views")},
        {Strings::ZoomBox,
         QT_TRANSLATE_NOOP("Strings", "Zoom in and out of the flowchart; type a percentage and press Enter for any zoom")},
        {Strings::ChartDoesNotFit, QT_TRANSLATE_NOOP("Strings", "The whole chart does not fit at 10%; scroll to see the rest.")},
        {Strings::ZoomOut, QT_TRANSLATE_NOOP("Strings", "Zoom out of the flowchart")},
        {Strings::ZoomIn, QT_TRANSLATE_NOOP("Strings", "Zoom into the flowchart")},
        {Strings::FitWholeChart, QT_TRANSLATE_NOOP("Strings", "Zoom so that the whole flowchart shows\nFit Whole Chart")},
        {Strings::FitWidth, QT_TRANSLATE_NOOP("Strings", "Zoom so that the flowchart's width fills the pane\nFit Width")},
        {Strings::GoToSection, QT_TRANSLATE_NOOP("Strings", "Make the section with a number current\nGo to Section")},
        {Strings::BookStatistics,
         QT_TRANSLATE_NOOP("Strings", "Count the book's sections, choices, words and endings, and its paths from section 1\nStatistics")},
        {Strings::EditFind, QT_TRANSLATE_NOOP("Strings", "Find words in the texts, summaries and choices of the book\nFind")},
        {Strings::EditReplace, QT_TRANSLATE_NOOP("Strings", "Replace words in the texts, summaries and choices of the book\nReplace")},
        {Strings::FindNext, QT_TRANSLATE_NOOP("Strings", "Go to the next match of the words found\nFind Next")},
        {Strings::FindPrevious, QT_TRANSLATE_NOOP("Strings", "Go to the previous match of the words found\nFind Previous")},
        {Strings::ShowProblems,
         QT_TRANSLATE_NOOP("Strings", "Show or hide the list of what the book check finds, kept up to date as you write\nProblems")},
        {Strings::ShowPlay, QT_TRANSLATE_NOOP("Strings", "Show or hide the book played as a reader meets it, one section at a time\nPlay")},
        {Strings::PlayFromHere, QT_TRANSLATE_NOOP("Strings", "Play the book from the current section\nPlay from Here")},
        {Strings::PlayFromStart, QT_TRANSLATE_NOOP("Strings", "Play the book from section 1\nPlay from Section 1")},
        {Strings::CheckSpelling,
         QT_TRANSLATE_NOOP("Strings",
                           "Underline words that are not in the dictionary of the book's language as you write\nCheck Spelling")},
        {Strings::OpenSampleBook,
         QT_TRANSLATE_NOOP("Strings", "Open a short gamebook written to show what the program does\nOpen Sample Book")},
        {Strings::LayoutRunning, QT_TRANSLATE_NOOP("Strings", "Laying out\u2026")},
        {Strings::LayoutFailed, QT_TRANSLATE_NOOP("Strings", "The flowchart could not be laid out again; it shows the last layout. %1")},
        {Strings::FileNew, QT_TRANSLATE_NOOP("Strings", "Create a new document\nNew")},
        {Strings::FileOpen, QT_TRANSLATE_NOOP("Strings", "Open an existing document\nOpen")},
        {Strings::FileClose, QT_TRANSLATE_NOOP("Strings", "Close the active document; prompts to save it\nClose")},
        {Strings::FileSave, QT_TRANSLATE_NOOP("Strings", "Save the active document\nSave")},
        {Strings::FileSaveAs, QT_TRANSLATE_NOOP("Strings", "Save the active document with a new name\nSave As")},
        {Strings::RecentFile, QT_TRANSLATE_NOOP("Strings", "Open this document")},
        {Strings::EditCopy, QT_TRANSLATE_NOOP("Strings", "Copy the selection and put it on the Clipboard\nCopy")},
        {Strings::EditCut, QT_TRANSLATE_NOOP("Strings", "Cut the selection and put it on the Clipboard\nCut")},
        {Strings::EditPaste, QT_TRANSLATE_NOOP("Strings", "Insert Clipboard contents\nPaste")},
        {Strings::EditUndo, QT_TRANSLATE_NOOP("Strings", "Undo the last action\nUndo")},
        {Strings::EditRedo, QT_TRANSLATE_NOOP("Strings", "Redo the previously undone action\nRedo")},
        {Strings::AppAbout, QT_TRANSLATE_NOOP("Strings", "Display program information, version number and copyright\nAbout")},
        {Strings::AppExit, QT_TRANSLATE_NOOP("Strings", "Quit the application; prompts to save documents\nExit")},
        {Strings::ApplicationTitle, QT_TRANSLATE_NOOP("Strings", "The Brindle Story Studio")},
        {Strings::ToggleStatusBar, QT_TRANSLATE_NOOP("Strings", "Show or hide the status bar\nToggle Status Bar")},
    };
    return table;
}

}  // namespace

QString LoadString(unsigned id)
{
    const char* text = Table().value(id);
    return text != nullptr ? QCoreApplication::translate("Strings", text) : QString();
}

QString CommandPrompt(unsigned id)
{
    return LoadString(id).section('\n', 0, 0);
}

QString CommandTooltip(unsigned id)
{
    const QString text = LoadString(id);
    const qsizetype lineBreak = text.indexOf('\n');
    return lineBreak < 0 ? text : text.mid(lineBreak + 1);
}

}  // namespace TarnGui
