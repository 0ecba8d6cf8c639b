// SPDX-License-Identifier: MIT
#include "shell/support/StringTable.h"

#include <QHash>

namespace TarnGui {

namespace {

const QHash<unsigned, QString>& Table()
{
    static const QHash<unsigned, QString> table{
        {Strings::DocumentTemplate, "Brindle\n\nBrindleDoc\nBrindle Story Files (*.brindle)\n.brindle\nBrindle.Document\nBrindle.Document"},
        {Strings::StandardToolbar, "Standard Toolbar"},
        {Strings::FlowchartCaption, "Flowchart"},
        {Strings::OutlineCaption, "Outline"},
        {Strings::SectionCaption, "Section"},
        {Strings::SectionNumber, "Number"},
        {Strings::SectionNumberInfo, "The number of the section. You can change this to a new number and all of your choice links "
                                     "will be magically updated.  If you change this to a section number already in use then they "
                                     "will get swapped over."},
        {Strings::SectionDetails, "Details"},
        {Strings::SectionDisplayDetails, "Display Details"},
        {Strings::SectionShiftable, "Can be auto shuffled"},
        {Strings::SectionShiftableInfo, "When you perform an auto shuffle, this section can either be shuffled or fixed in place.  "
                                        "Most sections you will want to shuffle, but you may want to keep your opening section at "
                                        "the beginning of the book and your win section at the end."},
        {Strings::SectionSummary, "Summary"},
        {Strings::SectionSummaryInfo, "This is a short description of the section for your use as you design your gamebook."},
        {Strings::Yes, "Yes"},
        {Strings::No, "No"},
        {Strings::SectionColour, "Background Colour"},
        {Strings::SectionColourInfo, "The colour of the section in the graph"},
        {Strings::ChoicesCaption, "Choices"},
        {Strings::BrindleFiles, "Brindle Story Files (*.brindle)"},
        {Strings::AllFiles, "All Files (*.*)"},
        {Strings::NoDestination, "Use a section from the drop down, or enter a number from 1"},
        {Strings::TextFiles, "Text Files"},
        {Strings::RichTextFiles, "Rich Text Files"},
        {Strings::HtmlFiles, "HTML Files"},
        {Strings::XmlFiles, "XML Files"},
        {Strings::Untitled, "Untitled"},
        {Strings::OpenExportedBook, "Do you want to open your exported book?"},
        {Strings::BmpFilter, "BMP"},
        {Strings::JpgFilter, "JPG"},
        {Strings::PngFilter, "PNG"},
        {Strings::GifFilter, "GIF"},
        {Strings::SaveChanges, "Save changes to %s?"},
        {Strings::GamebookCaption, "Gamebook"},
        {Strings::BookTitle, "Title"},
        {Strings::BookTitleInfo, "Title of your gamebook"},
        {Strings::BookFooter, "Footer"},
        {Strings::BookDetails, "Details"},
        {Strings::BookAuthor, "Author"},
        {Strings::BookAuthorInfo, "Who wrote your gamebook, as ebooks, print and game listings name them"},
        {Strings::BookLanguage, "Language"},
        {Strings::BookLanguageInfo, "The language your gamebook is written in, as a tag such as en, en-GB or fr-CA"},
        {Strings::BookIdentifier, "Identifier"},
        {Strings::BookIdentifierInfo, "Made once for your gamebook and kept, so that readers' libraries know a new edition of it"},
        {Strings::BookFooterInfo, "The footer to your pages or book."},
        {Strings::OpenExportedFlowchart, "Do you want to open your exported flowchart?"},
        {Strings::JsonFiles, "JSON Files"},
        {Strings::ChoiceScriptFiles, "ChoiceScript (Choice of Games)"},
        {Strings::EpubFiles, "EPUB e-books"},
        {Strings::PdfFiles, "PDF documents"},
        {Strings::TweeFiles, "Twee stories (Twine)"},
        {Strings::PreviewCaption, "Preview"},
        {Strings::FindReplaceCaption, "Find and Replace"},
        {Strings::ProblemsCaption, "Problems"},
        {Strings::PlayCaption, "Play"},
        {Strings::BookStyles, "Styles"},
        {Strings::MainFont, "Main book font"},
        {Strings::MainFontInfo, "Font used for the main text in your book"},
        {Strings::HeaderFont, "Header font"},
        {Strings::ChoiceFormatGroup, "Choice format"},
        {Strings::ChoiceFormatName, "Name"},
        {Strings::ChoiceFormatNameInfo, "A description of this format"},
        {Strings::ChoiceFormat, "Format"},
        {Strings::ChoiceFormatInfo, "The format used, where {{text}} is a placeholder for the choice text, and {{destination}} is a "
                                    "placeholder for the destination number."},
        {Strings::BookLayout, "Book Layout"},
        {Strings::NewPagePerSection, "Put every section on new page"},
        {Strings::NewPagePerSectionInfo, "Set to yes if you want each section to be separated with a page break. This works well "
                                         "when your sections are quite long. Say no if you want sections to appear continuously, one "
                                         "after another (default). This works better for shorter sections."},
        {Strings::HeaderFontInfo, "Font used for book header"},
        {Strings::FooterFont, "Footer font"},
        {Strings::FooterFontInfo, "Font used for book footer"},
        {Strings::FolderNotEmpty, "This folder is not empty and files may be overwritten! Do you want to continue?"},
        {Strings::AddSection, "Adds a new section to the book\nNew Section"},
        {Strings::RemoveSection, "Removes the section from the book\nRemove Section"},
        {Strings::ShuffleSections, "Randomly shuffles up the sections in your book\nShuffle Sections"},
        {Strings::ExportBook, "Export your book into a readable, playable format\nExport Book"},
        {Strings::ExportGraph, "Export your flowchart\nExport Flowchart"},
        {Strings::ImportStory, "Make a new book of a story from Twine: Twee, or Twine's published HTML or archive\nImport Story"},
        {Strings::ToolbarsAndPanes, "Show or hide the tool bar and the panes\nToolbars and Docking Windows"},
        {Strings::PreviousView, "Switch back to the previous window pane\nPrevious Pane"},
        {Strings::NextView, "Switch to the next window pane\nNext Pane"},
        {Strings::OnlineHelp, "View the help documents online\nOnline Help"},
        {Strings::CheckForUpdates, "Visit the website for the latest version\nCheck For Updates"},
        {Strings::SendFeedback, "Want to request features, report a bug or just say hi? Email us your words!\nSend Feeback"},
        {Strings::ResetViews, "Put every pane back where it started\nReset Views"},
        {Strings::ZoomBox, "Zoom in and out of the flowchart; type a percentage and press Enter for any zoom"},
        {Strings::ChartDoesNotFit, "The whole chart does not fit at 10%; scroll to see the rest."},
        {Strings::ZoomOut, "Zoom out of the flowchart"},
        {Strings::ZoomIn, "Zoom into the flowchart"},
        {Strings::FitWholeChart, "Zoom so that the whole flowchart shows\nFit Whole Chart"},
        {Strings::FitWidth, "Zoom so that the flowchart's width fills the pane\nFit Width"},
        {Strings::GoToSection, "Make the section with a number current\nGo to Section"},
        {Strings::BookStatistics, "Count the book's sections, choices, words and endings, and its paths from section 1\nStatistics"},
        {Strings::EditFind, "Find words in the texts, summaries and choices of the book\nFind"},
        {Strings::EditReplace, "Replace words in the texts, summaries and choices of the book\nReplace"},
        {Strings::FindNext, "Go to the next match of the words found\nFind Next"},
        {Strings::FindPrevious, "Go to the previous match of the words found\nFind Previous"},
        {Strings::ShowProblems, "Show or hide the list of what the book check finds, kept up to date as you write\nProblems"},
        {Strings::ShowPlay, "Show or hide the book played as a reader meets it, one section at a time\nPlay"},
        {Strings::PlayFromHere, "Play the book from the current section\nPlay from Here"},
        {Strings::PlayFromStart, "Play the book from section 1\nPlay from Section 1"},
        {Strings::CheckSpelling, "Underline words that are not in the dictionary of the book's language as you write\nCheck Spelling"},
        {Strings::OpenSampleBook, "Open a short gamebook written to show what the program does\nOpen Sample Book"},
        {Strings::LayoutRunning, "Laying out\u2026"},
        {Strings::LayoutFailed, "The flowchart could not be laid out again; it shows the last layout. %1"},
        {Strings::FileNew, "Create a new document\nNew"},
        {Strings::FileOpen, "Open an existing document\nOpen"},
        {Strings::FileClose, "Close the active document; prompts to save it\nClose"},
        {Strings::FileSave, "Save the active document\nSave"},
        {Strings::FileSaveAs, "Save the active document with a new name\nSave As"},
        {Strings::RecentFile, "Open this document"},
        {Strings::EditCopy, "Copy the selection and put it on the Clipboard\nCopy"},
        {Strings::EditCut, "Cut the selection and put it on the Clipboard\nCut"},
        {Strings::EditPaste, "Insert Clipboard contents\nPaste"},
        {Strings::EditUndo, "Undo the last action\nUndo"},
        {Strings::EditRedo, "Redo the previously undone action\nRedo"},
        {Strings::AppAbout, "Display program information, version number and copyright\nAbout"},
        {Strings::AppExit, "Quit the application; prompts to save documents\nExit"},
        {Strings::ApplicationTitle, "The Brindle Story Studio"},
        {Strings::ToggleStatusBar, "Show or hide the status bar\nToggle Status Bar"},
    };
    return table;
}

}  // namespace

QString LoadString(unsigned id)
{
    return Table().value(id);
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
