// The frame's command table, the enable states of its menu items and toolbar buttons, and help.
#include "shell/MainFrame.h"

#include "document/DocumentContext.h"
#include "geometry/FontChangeTable.h"
#include "platform/Application.h"
#include "platform/EventRouter.h"
#include "platform/HelpCall.h"
#include "platform/StringUtil.h"
#include "shell/DocumentWindow.h"
#include "shell/DrawEnvironmentDialog.h"
#include "shell/FrameCommands.h"
#include "shell/ShortcutKeys.h"
#include "shell/SplashScreen.h"
#include "shell/ToolbarHolder.h"
#include "shell/panes/WorkspaceLayout.h"
#include "views/ViewMapping.h"

namespace {

// The buttons that need an open drawing. EPS placement (1063) is not among them: no tool places
// EPS pictures, they come only from drawing files.
const int kDrawingButtons[] = {
    TOOL_YOUSI, TOOL_GRID, TOOL_LOUPE, TOOL_TRAN, TOOL_LINE_SETTINGS, TOOL_LINE, TOOL_BREAKLINE, TOOL_BOX,
    TOOL_POLYGON, TOOL_ARC3P, TOOL_OVAL, TOOL_CIRCLE, TOOL_SPLINE, TOOL_TEXT_SETTINGS, TOOL_TEXT, TOOL_TEXTLINE,
    TOOL_BEZIER_SETTINGS, TOOL_BEZIER_LINE, TOOL_BEZIER_AREA, TOOL_BEZIER_RECT, TOOL_BEZIER_OVAL,
    TOOL_BEZIER_TRIANGLE, TOOL_BEZIER_QUADRANGLE, TOOL_BEZIER_POLY, TOOL_MEASURE_SETTINGS, TOOL_MEASURE_FREE_TWO,
    TOOL_MEASURE_FREE_MANY, TOOL_MEASURE_TWO, TOOL_MEASURE_MANY, TOOL_ANGLE_FREE, TOOL_ANGLE_ITEM,
    TOOL_RADIUS_ITEM, TOOL_DIAMETER_ITEM, TOOL_PICTURE_SETTINGS, TOOL_BITMAP, TOOL_GIF, TOOL_JPEG, TOOL_TIFF,
    TOOL_SELECT, TOOL_DSPCTRL,
};
// The buttons that need a selection.
const int kSelectionButtons[] = {TOOL_PNTMOVE, TOOL_ROTATE, TOOL_TURN, TOOL_ITEMZOOM};
// The batch edits and grouping, which need several selected elements.
const int kSeveralButtons[] = {TOOL_LINE_BATCH, TOOL_TEXT_BATCH, TOOL_BEZIER_BATCH, TOOL_MEASURE_BATCH,
                               TOOL_PICTURE_BATCH, TOOL_GROUP};

template <size_t N> void setStates(WorkspaceLayout& panes, const int (&commands)[N], int enabled)
{
    for (int command : commands)
        panes.setCommandState(command, enabled);
}

const char kHelpFile[] = "KorvaneHelp.chm";

// After the drawing environment: a drawing's view maps at the new resolution (scroll ranges,
// caption and redraw, as a zoom does); a view of another kind gets its caption again.
void refreshForResolution(DocumentWindow* window)
{
    if (!window)
        return;
    auto* mapping = window->context ? dynamic_cast<ViewMapping*>(window->context->view) : nullptr;
    if (mapping)
        (void)mapping->setZoomTo(mapping->zoom); // the zoom in force is always usable
    else
        window->refreshTitle();
}
// "フォント変換": rows may be deleted only while no drawing is open, for open drawings refer to
// them by index; after OK the active drawing shows its texts in the faces chosen.
void runFontChange(int anyOpen, DocumentWindow* active)
{
    if (!theFontChangeTable)
        return;
    if (theFontChangeTable->edit(anyOpen ? 0 : 1) && active && active->context) {
        active->context->repaintView();
        active->context->refreshAll();
    }
}

const int kMenuTextSize = MainFrame::kMenuTextSize;

// The menu's own text of an item, read once before it is first replaced.
void readOwnText(Menu& menu, int id, char (&text)[kMenuTextSize])
{
    if (!text[0] && menu.handle)
        (void)menu.getItemText(id, text, sizeof text); // an item the menu lacks keeps ""
}

// The undo or redo item: the undo manager's text and the accelerator text while there is a step
// to take, else the menu's own text, greyed.
void showHistoryItem(FrameWindow& frame, int id, int available, const char* historyText, const char* ownText,
                     const char* accelerator)
{
    char text[kMenuTextSize];
    if (available && historyText[0]) {
        StringUtil::copy(text, historyText);
        StringUtil::append(text, accelerator);
    } else {
        StringUtil::copy(text, ownText);
    }
    (void)frame.menu.menu.setItemText(id, text); // a menu without the item shows nothing to change
    frame.enableMenuItem(id, available);
}

} // namespace

void MainFrame::endActiveTool()
{
    if (DocumentWindow* active = activeDocument())
        active->endTool();
}

void MainFrame::forwardEditCommand(int id)
{
    DocumentWindow* active = activeDocument();
    if (!active)
        return;
    (void)active->runEditCommand(id); // a command that did nothing has nothing to report
    updateToolButtons();
}

void MainFrame::forwardDocumentOp(int id)
{
    DocumentWindow* active = activeDocument();
    if (!active)
        return;
    active->runDocumentOp(id);
    if (WorkspaceLayout* panes = WorkspaceLayout::installed())
        panes->restoreCurrentButton();
}

void MainFrame::showHelp()
{
    char path[MAX_PATH] = {};
    if (theApplication)
        theApplication->getProgramFolder(path, sizeof path);
    StringUtil::append(path, kHelpFile);
    // The viewer tells the user about a missing file; without the viewer nothing is shown.
    (void)showHelpFile(path);
}

void MainFrame::updateMenus()
{
    readOwnText(menu.menu, CMD_UNDO, ownUndoText);
    readOwnText(menu.menu, CMD_REDO, ownRedoText);
    DocumentWindow* active = activeDocument();
    const int open = active != nullptr;
    enableMenuItem(CMD_NEW, documents.hasRoom());
    enableMenuItem(CMD_OPEN, documents.hasRoom());
    enableMenuItem(CMD_CLOSE, open);
    enableMenuItem(CMD_SAVE, open && active->hasFile());
    enableMenuItem(CMD_SAVE_AS, open);
    enableMenuItem(CMD_SAVE_ALL, open);
    enableMenuItem(CMD_PDF, open && active->hasElements());
    enableMenuItem(CMD_PRINT_SETUP, 1);
    enableMenuItem(CMD_PRINT, open && active->canPrint());
    char history[kMenuTextSize] = {};
    int available = open && active->undoText(history, sizeof history);
    showHistoryItem(*this, CMD_UNDO, available, history, ownUndoText, "\tCtrl+Z");
    available = open && active->redoText(history, sizeof history);
    showHistoryItem(*this, CMD_REDO, available, history, ownRedoText, "\tCtrl+Y");
    enableMenuItem(CMD_CUT, open && active->canCut());
    enableMenuItem(CMD_COPY, open && active->canCopy());
    enableMenuItem(CMD_PASTE, open && active->canPaste());
    enableMenuItem(CMD_DELETE, open && active->canDelete());
    enableMenuItem(CMD_SELECT_ALL, open && active->canSelectAll());
    enableMenuItem(CMD_ZOOM_IN, open && active->canZoomIn());
    enableMenuItem(CMD_ZOOM_OUT, open && active->canZoomOut());
    enableMenuItem(CMD_PROPERTIES, open && active->canEditProperties());
}

void MainFrame::updateToolButtons()
{
    WorkspaceLayout* panes = WorkspaceLayout::installed();
    if (!panes)
        return;
    DocumentWindow* active = activeDocument();
    const int open = documents.count > 0;
    setStates(*panes, kDrawingButtons, open);
    setStates(*panes, kSelectionButtons, open && active && active->hasSelection());
    setStates(*panes, kSeveralButtons, open && active && active->hasSeveralSelected());
    panes->setCommandState(EDIT_UNDO, active && active->canUndo());
    panes->setCommandState(EDIT_REDO, active && active->canRedo());
    panes->setCommandState(EDIT_CUT, active && active->canCut());
    panes->setCommandState(EDIT_COPY, active && active->canCopy());
    panes->setCommandState(EDIT_PASTE, active && active->canPaste());
}

int MainFrame::onCommand(int id)
{
    if (id != 0 && !runMenuCommand(id))
        return 0;
    // The cursor and the rubber band of the tool are redone.
    if (DocumentWindow* active = activeDocument())
        active->repostMouseMove();
    return 1;
}

int MainFrame::runMenuCommand(int id)
{
    WorkspaceLayout* panes = WorkspaceLayout::installed();
    DocumentWindow* active = activeDocument();
    switch (id) {
    case CMD_NEW:
        endActiveTool();
        if (newDocument())
            updateToolButtons();
        return 1;
    case CMD_OPEN:
        endActiveTool();
        if (openDocument())
            updateToolButtons();
        return 1;
    case CMD_CLOSE:
        endActiveTool();
        if (active)
            ::postCloseRequest(active->serial);
        updateToolButtons();
        return 1;
    case CMD_EXIT:
        sendClose();
        return 1;
    case CMD_TOOLBARS:
        endActiveTool();
        if (toolbars)
            toolbars->selectToolbars();
        return 1;
    case CMD_UNDO:
        forwardEditCommand(EDIT_UNDO);
        return 1;
    case CMD_REDO:
        forwardEditCommand(EDIT_REDO);
        return 1;
    case CMD_CUT:
        forwardEditCommand(EDIT_CUT);
        return 1;
    case CMD_COPY:
        forwardEditCommand(EDIT_COPY);
        return 1;
    case CMD_PASTE:
        forwardEditCommand(EDIT_PASTE);
        return 1;
    case CMD_DELETE:
        forwardEditCommand(EDIT_DELETE);
        return 1;
    case CMD_SELECT_ALL:
        endActiveTool();
        forwardEditCommand(EDIT_SELECT_ALL);
        return 1;
    case CMD_PRINT_SETUP:
        (void)showPrintSetup(); // the chosen printer stays with the print job
        return 1;
    case CMD_PRINT:
        endActiveTool();
        forwardEditCommand(EDIT_PRINT);
        return 1;
    case CMD_ZOOM_IN:
        if (active)
            active->zoomIn();
        return 1;
    case CMD_ZOOM_OUT:
        if (active)
            active->zoomOut();
        return 1;
    case CMD_ENVIRONMENT:
        endActiveTool();
        (void)editDrawEnvironment(); // the views are refreshed whatever the answer
        // The resolution is the application's: a drawing left as it was would map the mouse at
        // the new one over a picture drawn at the old.
        for (int i = 0; i < documentCount(); ++i)
            refreshForResolution(documentAt(i));
        return 1;
    case CMD_SAVE:
        endActiveTool();
        forwardEditCommand(EDIT_SAVE);
        return 1;
    case CMD_SAVE_AS:
        endActiveTool();
        forwardEditCommand(EDIT_SAVE_AS);
        return 1;
    case CMD_SAVE_ALL:
        endActiveTool();
        (void)saveAll(); // a drawing that was not saved has told the user
        return 1;
    case CMD_ABOUT:
        showAboutBox();
        return 1;
    case CMD_SELECT:
        endActiveTool();
        if (panes)
            panes->setCurrentTool(TOOL_SELECT);
        return 1;
    case CMD_PROPERTIES:
        endActiveTool();
        forwardDocumentOp(OP_PROPERTIES);
        return 1;
    case CMD_FONT_CHANGE:
        endActiveTool();
        runFontChange(documentCount() > 0, activeDocument());
        return 1;
    case CMD_ZOOM_BY_MOUSE:
        endActiveTool();
        if (panes)
            panes->setCurrentTool(TOOL_LOUPE);
        return 1;
    case CMD_SHORTCUT_KEYS:
        endActiveTool();
        if (shortcutKeys)
            (void)shortcutKeys->editShortcutKeys(); // the dialog shows the changes itself
        return 1;
    case CMD_PDF:
        endActiveTool();
        forwardEditCommand(EDIT_PDF);
        return 1;
    case CMD_DXF_IMPORT:
        endActiveTool();
        forwardEditCommand(EDIT_DXF_IMPORT);
        return 1;
    case CMD_DXF_EXPORT:
        endActiveTool();
        forwardEditCommand(EDIT_DXF_EXPORT);
        return 1;
    case CMD_HELP:
        showHelp();
        return 1;
    default:
        break;
    }
    // The parts and page menus and the page keys: each a document operation of the same order.
    if (id >= CMD_PART_REGISTER && id <= CMD_PART_SETTINGS) {
        endActiveTool();
        forwardDocumentOp(OP_PART_REGISTER + (id - CMD_PART_REGISTER));
        return 1;
    }
    if (id >= CMD_PAGE_INSERT_BEFORE && id <= CMD_PAGE_NEXT) {
        endActiveTool();
        forwardDocumentOp(OP_PAGE_INSERT_BEFORE + (id - CMD_PAGE_INSERT_BEFORE));
        return 1;
    }
    return 0;
}
