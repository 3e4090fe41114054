#include "views/ViewMembers.h"

#include <new>

#include "platform/MessageBoxes.h"
#include "views/NavigatorPainter.h"
#include "views/OffscreenPainter.h"
#include "views/PageThumbnailBar.h"
#include "views/RedrawManager.h"
#include "views/StatusPanes.h"
#include "views/ViewRulers.h"
#include "views/ViewScrollBars.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/ElementScaler.h"
#include "views/tools/InputPointList.h"
#include "views/tools/MoveTool.h"
#include "views/tools/RotateTool.h"
#include "views/tools/SelectTool.h"

namespace {
template <typename T> T* made()
{
    T* made = new (std::nothrow) T;
    if (!made)
        showOutOfMemory();
    return made;
}
} // namespace

RulerBars* makeViewRulers(DocumentContext&) { return made<ViewRulers>(); }
ViewUpdater* makeRedrawManager(DocumentContext&) { return made<RedrawManager>(); }
ViewScroller* makeViewScrollBars(DocumentContext&) { return made<ViewScrollBars>(); }
InputPointListBase* makeInputPoints(DocumentContext&) { return made<InputPointList>(); }
ElementEditorBase* makeElementEditor(DocumentContext&) { return made<ElementEditor>(); }
StatusBarPanes* makeStatusPanes(DocumentContext&) { return made<StatusPanes>(); }
SelectToolBase* makeSelectTool(DocumentContext&) { return made<SelectTool>(); }
MoveToolBase* makeMoveTool(DocumentContext&) { return made<MoveTool>(); }
RotateToolBase* makeRotateTool(DocumentContext&) { return made<RotateTool>(); }
ElementScalerBase* makeElementScaler(DocumentContext&) { return made<ElementScaler>(); }
PainterBase* makeDocumentPainter(DocumentContext&) { return made<OffscreenPainter>(); }
PainterBase* makeScratchPainter() { return made<OffscreenPainter>(); }
PagePainter* makeNavigatorPainter() { return made<NavigatorPainter>(); }
PageTabBar* makePageTabBar() { return made<PageThumbnailBar>(); }
