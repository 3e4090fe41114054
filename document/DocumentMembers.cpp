#include "document/DocumentMembers.h"

#include <new>

#include "document/CropMarkSettings.h"
#include "document/DisplayControlState.h"
#include "document/Document.h"
#include "document/DrawingGrid.h"
#include "document/ElementIdSet.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementSerialCounter.h"
#include "document/ElementStore.h"
#include "document/OrderChangeSettings.h"
#include "document/PageList.h"
#include "document/Selection.h"
#include "document/SheetSettings.h"
#include "document/TickStamp.h"
#include "document/UndoManager.h"
#include "platform/MessageBoxes.h"

namespace {

// A member that cannot be allocated is reported, which sets the application's error flag and
// ends the context's creation.
template <typename T> T* makeReported()
{
    T* member = new (std::nothrow) T;
    if (!member)
        showOutOfMemory();
    return member;
}

ElementStore* makeElementStore(DocumentContext&) { return makeReported<ElementStore>(); }
TickStamp* makeTickStamp(DocumentContext&) { return makeReported<TickStamp>(); }
ElementSerialCounter* makeSerialCounter(DocumentContext&) { return makeReported<ElementSerialCounter>(); }
Document* makeDocument(DocumentContext&) { return makeReported<Document>(); }
CropMarkSettings* makeCropMarks(DocumentContext&) { return makeReported<CropMarkSettings>(); }
ElementMaskIndex* makeMaskIndex(DocumentContext&) { return makeReported<ElementMaskIndex>(); }
PageList* makePageList(DocumentContext&) { return makeReported<PageList>(); }
Selection* makeSelection(DocumentContext&) { return makeReported<Selection>(); }
ElementIdSet* makeIdSet(DocumentContext&) { return makeReported<ElementIdSet>(); }
OrderChangeSettings* makeOrderSettings(DocumentContext&) { return makeReported<OrderChangeSettings>(); }
PaperSettings* makePaper(DocumentContext&) { return makeReported<SheetSettings>(); }
DisplayControlState* makeDisplayControl(DocumentContext&) { return makeReported<DisplayControlState>(); }
GridSettings* makeGrid(DocumentContext&) { return makeReported<DrawingGrid>(); }

ElementEditorBase* makeEditor(DocumentContext&)
{
    if (!makeElementEditor)
        return nullptr;
    ElementEditorBase* editor = makeElementEditor();
    if (!editor)
        showOutOfMemory();
    return editor;
}

// One row per member, in creation order. A member whose class is not part of this build yet has
// a null hook.
const DocumentMemberFactories defaults = {
    makeElementStore,  // element store
    makeMaskIndex,     // mask index
    nullptr,           // input point list
    nullptr,           // view parameters
    makeGrid,          // grid settings
    nullptr,           // rulers
    nullptr,           // redraw manager
    makePageList,      // page list
    makePaper,         // paper settings
    makeCropMarks,     // crop-mark settings
    nullptr,           // scroller
    makeEditor,        // element editor 1
    makeEditor,        // element editor 2
    makeEditor,        // element editor 3
    makeEditor,        // element editor 4
    nullptr,           // line defaults
    nullptr,           // text defaults
    nullptr,           // Bezier defaults
    nullptr,           // measure defaults
    nullptr,           // picture defaults
    nullptr,           // property dialog placement (selection stepping)
    nullptr,           // status bar panes
    nullptr,           // select tool
    makeSelection,     // selection
    nullptr,           // tool work record
    nullptr,           // move/copy tool
    nullptr,           // rotate tool
    nullptr,           // page painter
    makeTickStamp,     // tick stamp
    [](DocumentContext&) { return makeReported<UndoManager>(); }, // undo manager
    nullptr,           // text caret
    makeDisplayControl, // display control
    makeIdSet,         // id set (groups)
    makeSerialCounter, // serial counter
    makeOrderSettings, // order change settings
    nullptr,           // scale command
    nullptr,           // print settings
    makeDocument,      // document
    nullptr,           // ink choice
    nullptr,           // DXF command
};

} // namespace

ElementEditorBase* (*makeElementEditor)() = nullptr;

DocumentMemberFactories documentMemberFactories = defaults;

const DocumentMemberFactories& defaultDocumentMemberFactories() { return defaults; }
