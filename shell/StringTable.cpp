#include "shell/StringTable.h"

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
        {Strings::OpenExportedFlowchart, "Do you want to open your exported flowchart?"},
        {Strings::JsonFiles, "JSON Files"},
        {Strings::ChoiceScriptFiles, "ChoiceScript (Choice of Games)"},
        {Strings::PreviewCaption, "Preview"},
        {Strings::FolderNotEmpty, "This folder is not empty and files may be overwritten! Do you want to continue?"},
        {Strings::AddSection, "Adds a new section to the book\nNew Section"},
        {Strings::RemoveSection, "Removes the section from the book\nRemove Section"},
        {Strings::ShuffleSections, "Randomly shuffles up the sections in your book\nShuffle Sections"},
        {Strings::ExportBook, "Export your book into a readable, playable format\nExport Book"},
        {Strings::ExportGraph, "Export your flowchart\nExport Flowchart"},
        {Strings::ToolbarsAndPanes, "Show or hide the tool bar and the panes\nToolbars and Docking Windows"},
        {Strings::PreviousView, "Switch back to the previous window pane\nPrevious Pane"},
        {Strings::NextView, "Switch to the next window pane\nNext Pane"},
        {Strings::OnlineHelp, "View the help documents online\nOnline Help"},
        {Strings::CheckForUpdates, "Visit the website for the latest version\nCheck For Updates"},
        {Strings::SendFeedback, "Want to request features, report a bug or just say hi? Email us your words!\nSend Feeback"},
        {Strings::ResetViews, "Put every pane back where it started\nReset Views"},
        {Strings::ZoomBox, "Zoom in and out of the flowchart"},
        {Strings::ZoomOut, "Zoom out of the flowchart"},
        {Strings::ZoomIn, "Zoom into the flowchart"},
        {Strings::FileNew, "Create a new document\nNew"},
        {Strings::FileOpen, "Open an existing document\nOpen"},
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
