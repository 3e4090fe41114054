// The forwarders of DocumentContext for commands: default records, undo, clipboard, printing,
// export, the document and its ink choice. Each tests its member first.
#include "document/BezierDefaults.h"
#include "document/DisplayControlState.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/DxfCommand.h"
#include "document/ElementClipboard.h"
#include "document/ElementIdSet.h"
#include "document/ElementScalerBase.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/OrderChangeSettings.h"
#include "document/PdfExportJob.h"
#include "document/PictureDefaults.h"
#include "document/PopupMenuList.h"
#include "document/PrintSettings.h"
#include "document/TextBuffer.h"
#include "document/TextDefaults.h"
#include "document/UndoManager.h"
#include "geometry/InkInfo.h"
#include "geometry/PaperSettings.h"
#include "geometry/ViewParams.h"
#include "platform/ShortcutHook.h"

// Paper

void DocumentContext::editPaper()
{
    if (!paper || paper->runDialogAndRefresh() != 1)
        return;
    // The drawing file keeps its sheet: closing asks to save it. The edited sheet also becomes
    // the default of new drawings.
    (void)markModified(); // answers the change count
    if (thePaperDefaults)
        thePaperDefaults->assign(paper);
}

int DocumentContext::takePaperDefaults()
{
    if (!paper)
        return 0;
    paper->assign(thePaperDefaults);
    paper->refreshViews();
    return 1;
}

// Default records

namespace {
// The drawing file keeps the line, text, Bezier and measure defaults in its header: a confirmed
// dialog (1) changes the drawing, so that closing asks to save it.
int keptInFile(DocumentContext& context, int confirmed)
{
    if (confirmed == 1)
        (void)context.markModified(); // answers the change count
    return confirmed;
}
} // namespace

int DocumentContext::editLineDefaults() { return lineDefaults ? keptInFile(*this, lineDefaults->editSettings()) : 0; }
int DocumentContext::batchEditLine() { return lineDefaults ? keptInFile(*this, lineDefaults->batchEdit()) : 0; }
int DocumentContext::editTextDefaults() { return textDefaults ? keptInFile(*this, textDefaults->editSettings()) : 0; }
int DocumentContext::batchEditText() { return textDefaults ? keptInFile(*this, textDefaults->batchEdit()) : 0; }
int DocumentContext::editBezierDefaults()
{
    return bezierDefaults ? keptInFile(*this, bezierDefaults->editSettings()) : 0;
}
int DocumentContext::batchEditBezier() { return bezierDefaults ? keptInFile(*this, bezierDefaults->batchEdit()) : 0; }
int DocumentContext::editMeasureDefaults()
{
    return measureDefaults ? keptInFile(*this, measureDefaults->editSettings()) : 0;
}
int DocumentContext::batchEditMeasure()
{
    return measureDefaults ? keptInFile(*this, measureDefaults->batchEdit()) : 0;
}
int DocumentContext::editPictureDefaults() { return pictureDefaults ? pictureDefaults->editSettings() : 0; }
int DocumentContext::batchEditPicture() { return pictureDefaults ? pictureDefaults->batchEdit() : 0; }

// Undo manager

int DocumentContext::undoText(char* text) { return undoManager ? undoManager->undoText(text) : 0; }
int DocumentContext::canUndo() { return undoManager ? undoManager->canUndo() : 0; }
int DocumentContext::redoText(char* text) { return undoManager ? undoManager->redoText(text) : 0; }
int DocumentContext::canRedo() { return undoManager ? undoManager->canRedo() : 0; }
int DocumentContext::undo()
{
    flushArrowSteps();
    return undoManager ? undoManager->undo() : 0;
}

int DocumentContext::redo()
{
    flushArrowSteps();
    return undoManager ? undoManager->redo() : 0;
}

// Display control, groups, drawing order, scaling

void DocumentContext::runDisplayControl()
{
    if (displayControl)
        displayControl->runDialog();
}

void DocumentContext::groupSelection()
{
    if (idSet)
        idSet->runGroupDialog();
}

void DocumentContext::changeOrderByDialog()
{
    if (orderSettings)
        orderSettings->runDialog();
}

int DocumentContext::changeOrder() { return orderSettings ? orderSettings->changeOrder() : 0; }

void DocumentContext::scaleSelection()
{
    if (scaler)
        scaler->runCommand();
}

// Clipboard

ElementClipboard* DocumentContext::clipboard()
{
    if (theElementClipboard)
        theElementClipboard->setOwner(self);
    return theElementClipboard;
}

int DocumentContext::canCopy() { return clipboard() ? theElementClipboard->canCopy() : 0; }
int DocumentContext::canCut() { return clipboard() ? theElementClipboard->canCut() : 0; }
int DocumentContext::canPaste() { return clipboard() ? theElementClipboard->canPaste() : 0; }
int DocumentContext::canDelete() { return clipboard() ? theElementClipboard->canDelete() : 0; }
int DocumentContext::cut() { return clipboard() ? theElementClipboard->cut() : 0; }
int DocumentContext::copy() { return clipboard() ? theElementClipboard->copy() : 0; }
int DocumentContext::paste() { return clipboard() ? theElementClipboard->paste() : 0; }
int DocumentContext::erase() { return clipboard() ? theElementClipboard->erase() : 0; }

// Application-wide objects

int DocumentContext::trackPopupMenu()
{
    if (!thePopupMenuList)
        return 0;
    thePopupMenuList->setContext(self);
    int result = thePopupMenuList->track();
    if (view)
        view->postMouseMove();
    return result;
}

int DocumentContext::isShortcutMode() { return theShortcutHook && theShortcutHook->isShortcutMode(); }

int DocumentContext::hasTypedText()
{
    if (interactionMode != 1 && interactionMode != 3)
        return 0;
    return theTextBuffer && theTextBuffer->length() > 0;
}

int DocumentContext::canPrint() { return printSettings ? printSettings->canPrint() : 0; }

void DocumentContext::print()
{
    if (!printSettings)
        return;
    (void)settleTextInEdit(); // what is printed is what the screen shows
    // The auxiliary-line layer 255 never reaches paper.
    if (displayControl)
        displayControl->hideAuxiliaryLayer();
    printSettings->print();
    if (displayControl)
        displayControl->restoreAuxiliaryLayer();
}

void DocumentContext::exportPdf()
{
    if (!thePdfExportJob)
        return;
    (void)settleTextInEdit();
    if (displayControl)
        displayControl->hideAuxiliaryLayer();
    (void)thePdfExportJob->run(self); // the export tells the user what went wrong itself
    if (displayControl)
        displayControl->restoreAuxiliaryLayer();
}

void DocumentContext::importDxf()
{
    DxfCommand* command = documentMemberFactories.dxfCommand ? documentMemberFactories.dxfCommand(*this) : nullptr;
    if (!command)
        return;
    (void)settleTextInEdit();
    (void)command->importDxf(); // the command shows its own errors; the view is refreshed either way
    delete command;
    refreshAll();
    repaintView();
}

void DocumentContext::exportDxf()
{
    DxfCommand* command = documentMemberFactories.dxfCommand ? documentMemberFactories.dxfCommand(*this) : nullptr;
    if (!command)
        return;
    (void)settleTextInEdit();
    (void)command->exportDxf(); // the command shows its own errors
    delete command;
}

// Document

int DocumentContext::isSamePath(const char* path) { return document ? document->isSamePath(path) : 0; }

int DocumentContext::setPathAndTitle(const char* path) { return document ? document->setPathAndTitle(path) : 0; }

int DocumentContext::assignFile(const char* path) { return document ? document->assign(path) : 0; }
int DocumentContext::openFile() { return document ? document->onOpen() : 0; }
// The file gets what the screen shows: a text in edit is stored first.
int DocumentContext::save() { return document ? (settleTextInEdit(), document->save()) : 0; }
int DocumentContext::saveAs() { return document ? (settleTextInEdit(), document->onSave()) : 0; }
int DocumentContext::hasFile() { return document ? document->hasFile() : 0; }
const char* DocumentContext::title() { return document ? document->title() : nullptr; }

int DocumentContext::markModified()
{
    if (!document)
        return 0;
    document->markModified();
    return 1;
}

int DocumentContext::isModified() { return document ? document->isModified() : 0; }

// Ink choice

void DocumentContext::registerInkInfo()
{
    if (inkInfo && theInkInfo)
        theInkInfo->current = inkInfo;
}

void DocumentContext::detachInkInfo()
{
    if (inkInfo && theInkInfo && theInkInfo->current == inkInfo)
        theInkInfo->current = nullptr;
}
