#pragma once

#include <QString>

namespace TarnGui {

// The numbered user-interface texts. A command's text holds its status-bar prompt, then
// "\n" and its tooltip.
namespace Strings {
enum : unsigned {
    AboutBox = 100,
    DocumentTemplate = 128,
    StandardToolbar = 129,
    FlowchartCaption = 130,
    OutlineCaption = 131,
    SectionCaption = 132,
    ChoicesCaption = 145,
    BrindleFiles = 146,
    AllFiles = 147,
    NoDestination = 156,
    TextFiles = 157,
    RichTextFiles = 158,
    HtmlFiles = 159,
    XmlFiles = 160,
    Untitled = 161,
    OpenExportedBook = 162,
    BmpFilter = 163,
    JpgFilter = 164,
    PngFilter = 165,
    GifFilter = 166,
    SaveChanges = 167,
    GamebookCaption = 168,
    OpenExportedFlowchart = 179,
    JsonFiles = 180,
    ChoiceScriptFiles = 181,
    PreviewCaption = 182,
    FolderNotEmpty = 197,
    AddSection = 32771,
    RemoveSection = 32772,
    ShuffleSections = 32773,
    ExportBook = 32774,
    ExportGraph = 32775,
    ToolbarsAndPanes = 32776,
    PreviousView = 32778,
    NextView = 32779,
    OnlineHelp = 32780,
    CheckForUpdates = 32781,
    SendFeedback = 32782,
    ResetViews = 32788,
    ZoomBox = 32789,
    ZoomOut = 32790,
    ZoomIn = 32791,
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    RecentFile = 57616,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    EditRedo = 57644,
    AppAbout = 57664,
    AppExit = 57665,
    ApplicationTitle = 57344,
    ToggleStatusBar = 59393,
};
}  // namespace Strings

// The whole text of a numbered string; an unknown number gives an empty text.
QString LoadString(unsigned id);
// The status-bar prompt of a command: its text up to the first "\n".
QString CommandPrompt(unsigned id);
// The tooltip of a command: its text after the first "\n", or the prompt when it has none.
QString CommandTooltip(unsigned id);

}  // namespace TarnGui
