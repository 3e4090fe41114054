#include "views/ViewMembers.h"

#include <new>

#include "platform/MessageBoxes.h"
#include "views/NavigatorPainter.h"
#include "views/OffscreenPainter.h"
#include "views/RedrawManager.h"
#include "views/StatusPanes.h"
#include "views/ViewRulers.h"
#include "views/ViewScrollBars.h"
#include "views/tools/InputPointList.h"

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
InputPointList* makeInputPoints(DocumentContext&) { return made<InputPointList>(); }
StatusBarPanes* makeStatusPanes(DocumentContext&) { return made<StatusPanes>(); }
PainterBase* makeDocumentPainter(DocumentContext&) { return made<OffscreenPainter>(); }
PainterBase* makeScratchPainter() { return made<OffscreenPainter>(); }
PagePainter* makeNavigatorPainter() { return made<NavigatorPainter>(); }
