#include "document/DocumentContext.h"

#include <new>

#include "document/ApplicationErrorFlag.h"
#include "document/BezierDefaults.h"
#include "document/CropMarkSettings.h"
#include "document/DisplayControlState.h"
#include "document/Document.h"
#include "document/DrawingGrid.h"
#include "document/ElementEditorBase.h"
#include "document/ElementIdSet.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementScalerBase.h"
#include "document/ElementSerialCounter.h"
#include "document/ElementStore.h"
#include "document/InputPointListBase.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/MoveToolBase.h"
#include "document/OrderChangeSettings.h"
#include "document/PageList.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/PainterBase.h"
#include "document/PictureCache.h"
#include "document/PictureDefaults.h"
#include "document/PrintSettings.h"
#include "document/PropertyDialogPlacement.h"
#include "document/RotateToolBase.h"
#include "document/RulerBars.h"
#include "document/SelectToolBase.h"
#include "document/Selection.h"
#include "document/SheetSettings.h"
#include "document/StatusBarPanes.h"
#include "document/TextCaretPlace.h"
#include "document/TextDefaults.h"
#include "document/TickStamp.h"
#include "document/ToolWorkRecord.h"
#include "document/UndoManager.h"
#include "document/ViewScroller.h"
#include "document/ViewUpdater.h"
#include "geometry/GridSettings.h"
#include "geometry/InkInfo.h"
#include "geometry/PaperSettings.h"
#include "geometry/ViewParams.h"
#include "platform/MessageBoxes.h"

namespace {

// The creation table: one row per member in the fixed creation order. A row makes its member
// when the field is still empty, and deletes it again.
struct MemberRow {
    void (*create)(DocumentContext&);
    void (*destroy)(DocumentContext&);
};

// A member of the document's own classes. One that cannot be allocated is reported, which sets
// the application's error flag and ends the context's creation.
template <typename T> T* makeReported()
{
    T* member = new (std::nothrow) T;
    if (!member)
        showOutOfMemory();
    return member;
}

template <typename T, T* DocumentContext::*Field, typename Made = T> void createOwn(DocumentContext& context)
{
    if (!(context.*Field))
        context.*Field = makeReported<Made>();
}

// A member that a folder above builds, made through its hook.
template <typename T, T* DocumentContext::*Field, T* (*DocumentMemberFactories::*Hook)(DocumentContext&)>
void createMember(DocumentContext& context)
{
    T* (*hook)(DocumentContext&) = documentMemberFactories.*Hook;
    if (!(context.*Field) && hook)
        context.*Field = hook(context);
}

template <typename T, T* DocumentContext::*Field> void deleteMember(DocumentContext& context)
{
    delete (context.*Field);
    context.*Field = nullptr;
}

// A member whose class is not part of this build: nothing makes it.
void createNothing(DocumentContext&) {}

#define MEMBER(Type, field, hook) \
    { &createMember<Type, &DocumentContext::field, &DocumentMemberFactories::hook>, \
      &deleteMember<Type, &DocumentContext::field> }
#define OWN(Type, field, ...) \
    { &createOwn<Type, &DocumentContext::field, ##__VA_ARGS__>, &deleteMember<Type, &DocumentContext::field> }

// Only when no store is in use: while the parts library lends its store, the document gets none.
void createStore(DocumentContext& context)
{
    if (!context.elementStore())
        context.ownStore = makeReported<ElementStore>();
}

// The store is asked for through elementStore(), but the own store is the one deleted.
void deleteStore(DocumentContext& context)
{
    if (context.elementStore())
        delete context.ownStore;
    context.ownStore = nullptr;
}

// A spare painter waiting in the global is adopted (and the global cleared); else a new one.
void createPagePainter(DocumentContext& context)
{
    if (context.pagePainter)
        return;
    if (theSparePainter) {
        context.pagePainter = theSparePainter;
        theSparePainter = nullptr;
    } else if (documentMemberFactories.pagePainter) {
        context.pagePainter = documentMemberFactories.pagePainter(context);
    }
}

const MemberRow memberTable[DocumentContext::kMemberCount] = {
    {createStore, deleteStore},
    OWN(ElementMaskIndex, maskIndex),
    MEMBER(InputPointListBase, inputPoints, inputPoints),
    MEMBER(ViewParams, view, viewParams),
    OWN(GridSettings, grid, DrawingGrid),
    MEMBER(RulerBars, rulers, rulers),
    MEMBER(ViewUpdater, updater, viewUpdater),
    OWN(PageList, pages),
    OWN(PaperSettings, paper, SheetSettings),
    OWN(CropMarkSettings, cropMarks),
    MEMBER(ViewScroller, scroller, scroller),
    MEMBER(ElementEditorBase, editor1, editor1),
    MEMBER(ElementEditorBase, editor2, editor2),
    MEMBER(ElementEditorBase, editor3, editor3),
    MEMBER(ElementEditorBase, editor4, editor4),
    MEMBER(LineDefaults, lineDefaults, lineDefaults),
    MEMBER(TextDefaults, textDefaults, textDefaults),
    MEMBER(BezierDefaults, bezierDefaults, bezierDefaults),
    MEMBER(MeasureDefaults, measureDefaults, measureDefaults),
    MEMBER(PictureDefaults, pictureDefaults, pictureDefaults),
    MEMBER(PropertyDialogPlacement, propertyPlacement, propertyPlacement),
    MEMBER(StatusBarPanes, statusBar, statusBar),
    MEMBER(SelectToolBase, selectTool, selectTool),
    OWN(Selection, selection),
    {createNothing, &deleteMember<ToolWorkRecord, &DocumentContext::workRecord>},
    MEMBER(MoveToolBase, moveTool, moveTool),
    MEMBER(RotateToolBase, rotateTool, rotateTool),
    {createPagePainter, &deleteMember<PainterBase, &DocumentContext::pagePainter>},
    OWN(TickStamp, tickStamp),
    OWN(UndoManager, undoManager),
    MEMBER(TextCaretPlace, caret, caret),
    OWN(DisplayControlState, displayControl),
    OWN(ElementIdSet, idSet),
    OWN(ElementSerialCounter, serialCounter),
    OWN(OrderChangeSettings, orderSettings),
    MEMBER(ElementScalerBase, scaler, scaler),
    MEMBER(PrintSettings, printSettings, printSettings),
    OWN(Document, document),
    MEMBER(InkInfo, inkInfo, inkInfo),
};

#undef MEMBER
#undef OWN

// Rows in deletion order: the reverse of creation, except that the measure defaults go before
// the picture defaults and the paper before the crop-mark settings.
const int deletionOrder[DocumentContext::kMemberCount] = {
    38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20,
    18, 19, 17, 16, 15, 14, 13, 12, 11, 10, 8, 9, 7, 6, 5, 4, 3, 2, 1, 0,
};

template <typename T> void link(T* member, DocumentContext* owner)
{
    if (member)
        member->setOwner(owner);
}

} // namespace

DocumentContext::DocumentContext() : self(this) {}

DocumentContext::~DocumentContext() { deleteMembers(); }

ElementStore* DocumentContext::elementStore() const
{
    return theOverrideElementStore ? theOverrideElementStore : ownStore;
}

void DocumentContext::createMembers()
{
    if (applicationErrorFlag())
        return;
    for (const MemberRow& row : memberTable) {
        row.create(*this);
        if (applicationErrorFlag())
            return;
    }
}

void DocumentContext::linkManagers()
{
    if (applicationErrorFlag())
        return;
    link(view, self);
    link(inputPoints, self);
    link(maskIndex, self);
    link(updater, self);
    link(pages, self);
    link(grid, self);
    link(rulers, self);
    link(paper, self);
    link(cropMarks, self);
    link(scroller, self);
    link(editor1, self);
    link(editor2, self);
    link(editor3, self);
    link(editor4, self);
    link(lineDefaults, self);
    link(textDefaults, self);
    link(bezierDefaults, self);
    link(measureDefaults, self);
    link(pictureDefaults, self);
    link(propertyPlacement, self);
    link(statusBar, self);
    link(selectTool, self);
    link(selection, self);
    link(workRecord, self);
    link(moveTool, self);
    link(rotateTool, self);
    if (pagePainter)
        pagePainter->setContext(self);
    link(tickStamp, self);
    link(undoManager, self);
    link(caret, self);
    link(displayControl, self);
    link(idSet, self);
    link(orderSettings, self);
    link(scaler, self);
    link(printSettings, self);
    link(document, self);
    link(inkInfo, self);
    if (thePagePainter)
        thePagePainter->setContext(self);
    if (thePageTabBar)
        thePageTabBar->setContext(self);
}

void DocumentContext::deleteMembers()
{
    // The application's ink object lets go of the ink choice before it goes.
    detachInkInfo();
    delete pictures;
    pictures = nullptr;
    for (int row : deletionOrder)
        memberTable[row].destroy(*this);
}

PictureCache* DocumentContext::pictureCache()
{
    if (!pictures)
        pictures = new (std::nothrow) PictureCache;
    return pictures;
}

void DocumentContext::destroyManagers()
{
    deleteMembers();
    if (thePagePainter)
        thePagePainter->setContext(nullptr);
    if (thePageTabBar)
        thePageTabBar->setContext(nullptr);
    delete theSparePainter;
    theSparePainter = nullptr;
}

void DocumentContext::initialize()
{
    if (thePagePainter)
        thePagePainter->ensureBitmap();
    if (thePageTabBar)
        thePageTabBar->ensureBitmap();
    if (pagePainter)
        pagePainter->ensureBitmap();
    // A painter made and dropped once, so that its bitmap is known to be creatable for this
    // window; the global spare stays empty.
    if (!theSparePainter && documentMemberFactories.pagePainter) {
        PainterBase* spare = documentMemberFactories.pagePainter(*this);
        if (spare) {
            spare->setContext(this);
            spare->ensureBitmap();
            delete spare;
        }
    }
    if (applicationErrorFlag())
        return;
    // Element images in the undo log point at record blocks, so a store under undo never reuses
    // them. A store lent by the parts library keeps its own setting.
    if (ownStore)
        ownStore->setNoReuse(undoManager && undoManager->mode() == 5 ? 1 : 0);
    copyDefaults();
    if (scroller)
        scroller->resetRanges();
    if (updater)
        updater->refreshAfterReset();
    if (view)
        view->repaintClientArea();
}

void DocumentContext::copyDefaults()
{
    if (view)
        view->reset();
    if (paper && thePaperDefaults)
        paper->assign(thePaperDefaults);
    if (grid && theGridDefaults) {
        grid->assign(theGridDefaults);
        grid->updateDisplayOrigin();
    }
    if (lineDefaults && theLineDefaults)
        lineDefaults->copyFrom(theLineDefaults);
    if (textDefaults && theTextDefaults)
        textDefaults->copyFrom(theTextDefaults);
    if (bezierDefaults && theBezierDefaults)
        bezierDefaults->copyFrom(theBezierDefaults);
    if (measureDefaults && theMeasureDefaults)
        measureDefaults->copyFrom(theMeasureDefaults);
    if (pictureDefaults && thePictureDefaults)
        pictureDefaults->copyFrom(thePictureDefaults);
    if (inkInfo && theInkInfo)
        inkInfo->copyFrom(theInkInfo);
}

void DocumentContext::refreshView()
{
    if (caret)
        caret->suspend();
    if (rulers)
        rulers->paint();
    if (updater) {
        updater->beginClip();
        updater->paintWindow();
    }
    if (editor2)
        editor2->redrawInputOverlay();
    if (updater)
        updater->endClip();
}

int DocumentContext::onContextEvent1() { return editor2 ? editor2->onContextEvent1() : 0; }

int DocumentContext::onContextEvent2() { return editor2 ? editor2->onContextEvent2() : 0; }

int DocumentContext::onContextEvent3() { return editor2 ? editor2->onContextEvent3() : 0; }

int DocumentContext::editState()
{
    if (editor2 && editor2->isInEditState())
        return 0;
    if (selectTool && selectTool->selectionMode() == 1)
        return selectTool->singleElementEditState();
    return 0;
}
