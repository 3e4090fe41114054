// The select tool: its selection, picking under the mouse (the topmost element first, whole
// groups), the tracking loop with its buttons and keys, and the property sheets of the selection.
#include "views/tools/SelectTool.h"

#include <cmath>
#include <unordered_set>
#include <vector>

#include "document/ContextMenuRequest.h"
#include "document/DisplayControlState.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementStore.h"
#include "document/Selection.h"
#include "document/StatusBarPanes.h"
#include "document/ViewUpdater.h"
#include "geometry/DoubleRect.h"
#include "geometry/MouseLoopResult.h"
#include "geometry/PickSettings.h"
#include "geometry/ViewParams.h"
#include "platform/CurrentEvent.h"
#include "platform/ImeGuard.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "views/ViewMapping.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/MoveTool.h"
#include "views/tools/ToolSupport.h"

namespace {

// The main frame turns this deferred event into the properties of the selection.
constexpr int kSelectionPropertiesEvent = 6013;
// The pick tolerance, in view pixels, on each side of the pick point.
constexpr double kPickTolerancePixels = 2.0;
// How far from the pick point a hit test may reach: an extent is hit up to 3 pixels around it,
// and one pixel more covers the rounding of the extents registered at another zoom.
constexpr double kCandidateReachPixels = 4.0;
// Key codes the tool reads.
constexpr int kEscape = VK_ESCAPE;
constexpr int kFirstArrow = VK_LEFT;
constexpr int kLastArrow = VK_DOWN;

int isArrowKey(int key) { return key >= kFirstArrow && key <= kLastArrow; }
int isDigitKey(int key) { return (key >= '0' && key <= '9') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9); }
// The keypad's; the other '+' and '-' arrive as typed characters.
int isPlusKey(int key) { return key == VK_ADD; }
int isMinusKey(int key) { return key == VK_SUBTRACT; }

// The page chain of a page in drawing order (the first drawn first).
std::vector<int> pageChain(ElementStore* store, int page)
{
    std::vector<int> ids;
    if (!store || !store->pageTable)
        return ids;
    ElementIndexEntry entry;
    for (int id = store->pageTable->getFirst(page); id >= 1 && store->getEntry(id, &entry); id = entry.pageNext)
        ids.push_back(id);
    return ids;
}

} // namespace

SelectTool::~SelectTool() = default;

SelectTool* SelectTool::of(const DocumentContext* context)
{
    return static_cast<SelectTool*>(DocumentContext::selectToolOf(context));
}

void SelectTool::setOwner(DocumentContext* owner) { context = owner; }

ElementEditorBase* SelectTool::toolEditor() const { return DocumentContext::toolEditorOf(context); }

Selection* SelectTool::list() const { return DocumentContext::selectionOf(context); }

// --- the selection ---

int SelectTool::selectionMode() { return mode; }

void SelectTool::setSelectionMode(int newMode) { mode = newMode; }

void SelectTool::clearSelection()
{
    resetState();
    if (Selection* s = list())
        s->clear();
}

void SelectTool::selectSingle(int id)
{
    singleId = id;
    candidateIndex = 0;
    mode = id < 1 ? 0 : 1;
}

void SelectTool::addToSelection(int id)
{
    Selection* s = list();
    if (!s)
        return;
    s->add(id);
    mode = 2;
}

int SelectTool::firstSelectedId()
{
    listIndex = 0;
    return nextSelectedId();
}

int SelectTool::nextSelectedId()
{
    if (mode == 1)
        return listIndex++ == 0 && singleId >= 1 ? singleId : -1;
    Selection* s = list();
    if (mode != 2 || !s)
        return -1;
    const int id = s->idAt(listIndex++);
    return id >= 1 ? id : -1;
}

int SelectTool::selectedCount()
{
    if (mode == 1)
        return 1;
    Selection* s = list();
    return mode == 2 && s ? s->count : 0;
}

void SelectTool::resetState()
{
    if (locked)
        return;
    candidateIndex = 0;
    mode = 0;
    singleId = 0;
    marksEnabled = 1;
}

void SelectTool::resetPickState()
{
    candidates.count = 0;
    candidateIndex = 0;
    hoveredHandle = -1;
    addMode = removeMode = 0;
}

void SelectTool::getPressPoint(double& x, double& y)
{
    x = pressX;
    y = pressY;
}

int SelectTool::hasSelection()
{
    const int m = selectionMode();
    return m == 1 || m == 2;
}

int SelectTool::hasElementsOnPage()
{
    ElementStore* store = context ? context->elementStore() : nullptr;
    return store && store->pageTable && store->pageTable->getFirst(context->currentPage()) >= 1;
}

int SelectTool::selectAll()
{
    if (!context || !list())
        return 0;
    clearSelection();
    for (int id : pageChain(context->elementStore(), context->currentPage()))
        list()->add(id);
    mode = list()->count > 0 ? 2 : 0;
    if (context->updater)
        context->updater->repaint();
    return list()->count;
}

std::unordered_set<int> SelectTool::selectedSet()
{
    std::unordered_set<int> ids;
    for (int id = firstSelectedId(); id >= 1; id = nextSelectedId())
        ids.insert(id);
    return ids;
}

int SelectTool::groupOf(int id)
{
    ElementStore* store = context ? context->elementStore() : nullptr;
    ElementIndexEntry entry;
    return store && store->getEntry(id, &entry) && entry.group >= 1 ? entry.group : 0;
}

void SelectTool::joinGroups()
{
    Selection* s = list();
    if (!context || !s || (mode != 1 && mode != 2))
        return;
    // One pass over the page with hash sets of the selected ids and their groups.
    std::unordered_set<int> selected, groups;
    for (int id = firstSelectedId(); id >= 1; id = nextSelectedId()) {
        selected.insert(id);
        if (const int g = groupOf(id))
            groups.insert(g);
    }
    if (groups.empty())
        return;
    ElementStore* store = context->elementStore();
    std::vector<int> joining;
    ElementIndexEntry entry;
    for (int id : pageChain(store, context->currentPage())) {
        if (!selected.count(id) && store->getEntry(id, &entry) && groups.count(entry.group))
            joining.push_back(id);
    }
    if (joining.empty())
        return;
    if (mode == 1) {
        s->clear();
        s->add(singleId);
        mode = 2;
    }
    for (int id : joining)
        s->add(id);
}

void SelectTool::removeWithGroup(int id)
{
    Selection* s = list();
    if (!s)
        return;
    const int g = groupOf(id);
    std::vector<int> kept;
    for (int i = 0; i < s->count; ++i) {
        const int listed = s->idAt(i);
        if (listed != id && (g == 0 || groupOf(listed) != g))
            kept.push_back(listed);
    }
    s->clear();
    for (int listed : kept)
        s->add(listed);
    if (kept.empty())
        resetState();
}

int SelectTool::getSelectionBounds(Point& lower, Point& upper)
{
    ElementEditorBase* editor = toolEditor();
    if (!editor)
        return 0;
    int found = 0;
    Point a, b;
    for (int id : tool_support::liveSelectedIds(context)) {
        if (!editor->getElementBounds(id, &a, &b))
            continue;
        if (!found) {
            lower = a;
            upper = b;
        } else {
            (void)lower.minWith(&a); // both points exist
            (void)upper.maxWith(&b);
        }
        found = 1;
    }
    return found;
}

// --- picking ---

void SelectTool::setPickBox(double x, double y, int save)
{
    const double tolerance = tool_support::pixelLength(context ? context->view : nullptr, kPickTolerancePixels);
    pickX = x;
    pickY = y;
    pickBox.x1 = x - tolerance;
    pickBox.x2 = x + tolerance;
    pickBox.y1 = y - tolerance;
    pickBox.y2 = y + tolerance;
    if (save)
        savedPickBox = pickBox;
}

int SelectTool::pickAtMouse(int save)
{
    double x = 0.0, y = 0.0, z = 0.0;
    if (!tool_support::mouseWorldPoint(context ? context->view : nullptr, x, y, z))
        return 0;
    setPickBox(x, y, save);
    return 1;
}

void SelectTool::setPickBoxAtMouse() { (void)pickAtMouse(1); }

int SelectTool::strokePick(StrokePick& out)
{
    if (!context)
        return 0;
    out.x1 = pickBox.x1, out.y1 = pickBox.y1, out.x2 = pickBox.x2, out.y2 = pickBox.y2;
    out.tolerance = tool_support::pixelLength(context->view, kPickTolerancePixels);
    out.drawing = context;
    out.view = context->view;
    return 1;
}

int SelectTool::pickAreaContainsBox(const Point& low, const Point& high)
{
    return low.x >= pickBox.x1 && high.x <= pickBox.x2 && low.y >= pickBox.y1 && high.y <= pickBox.y2;
}

int SelectTool::collectCandidates()
{
    if (!pickAtMouse(1))
        return 0;
    return collectCandidatesInBox();
}

int SelectTool::collectCandidatesInBox()
{
    candidates.count = 0;
    candidateIndex = 0;
    ElementMaskIndex* index = context ? context->maskIndex : nullptr;
    if (!index)
        return 0;
    // The hit tests reach past the pick box (an extent counts up to 3 pixels around it): the
    // candidates are the elements whose extent meets the box grown to that reach.
    const double reach = tool_support::pixelLength(context->view, kCandidateReachPixels - kPickTolerancePixels);
    DoubleRect box;
    box.set(std::fmin(pickBox.y1, pickBox.y2) - reach, std::fmin(pickBox.x1, pickBox.x2) - reach,
            std::fmax(pickBox.x1, pickBox.x2) + reach, std::fmax(pickBox.y1, pickBox.y2) + reach);
    const int page = context->currentPage();
    std::vector<int> nearby;
    if (index->queryExtents(box, page, nearby) < 1)
        return 0;
    // The index answers by id; the click wants the drawing order, the last drawn first.
    drawingOrder.sortTopFirst(context->elementStore(), page, nearby);
    for (int32_t id : nearby) {
        if (!candidates.append(&id))
            break; // memory ran short (reported): the candidates found so far
    }
    return candidates.count;
}

int SelectTool::passesHit(int id, int byStyle)
{
    ElementEditorBase* editor = toolEditor();
    if (!editor)
        return 0;
    if (byStyle)
        return editor->hitTestById(id);
    ElementStore* store = context->elementStore();
    ElementIndexEntry entry;
    if (!store || !store->getEntry(id, &entry))
        return 0;
    if (!context->displayControl->isSelectable(entry))
        return 0;
    if (!editor->beginEdit(id))
        return 0;
    Element* element = editor->elementInHand();
    return element && element->hitTest();
}

int SelectTool::nextPassingCandidate(int byStyle, int unselectedOnly)
{
    const std::unordered_set<int> selected = unselectedOnly ? selectedSet() : std::unordered_set<int>();
    for (int i = candidateIndex; i < candidates.count; ++i) {
        int32_t id = 0;
        if (!candidates.get(i, &id) || selected.count(id))
            continue;
        if (passesHit(id, byStyle)) {
            candidateIndex = i + 1;
            return id;
        }
    }
    return -1;
}

int SelectTool::isMouseOverSelection()
{
    if (mode == 1)
        return passesHit(singleId, 1);
    Selection* s = list();
    if (mode != 2 || !s)
        return 0;
    // Only the selected elements among the pick box's candidates are tested, so that hovering
    // over a large selection costs what the box holds.
    const int savedIndex = candidateIndex;
    GlobalBlock saved(100, 4);
    (void)saved.appendAll(candidates);
    const int n = collectCandidatesInBox();
    const std::unordered_set<int> selected = selectedSet();
    int over = 0;
    for (int i = 0; i < n && !over; ++i) {
        int32_t id = 0;
        over = candidates.get(i, &id) && selected.count(id) && passesHit(id, 1);
    }
    candidates.count = 0;
    (void)candidates.appendAll(saved);
    candidateIndex = savedIndex;
    return over;
}

int SelectTool::findInPickBox()
{
    const int savedIndex = candidateIndex;
    int id = -1;
    if (collectCandidatesInBox() > 0)
        id = nextPassingCandidate(0, 0);
    candidateIndex = savedIndex;
    return id;
}

int SelectTool::pickElement()
{
    ViewParams* view = context ? context->view : nullptr;
    if (!view)
        return -1;
    if (theMouseState)
        theMouseState->releaseLeft();
    if (view->waitClick(0) != loopCode(MouseLoopResult::LeftClick))
        return -1;
    (void)context->restartTimer(); // 0 without a tick stamp: clicks are then not timed
    const int savedMode = mode, savedSingle = singleId, savedIndex = candidateIndex;
    int id = -1;
    if (collectCandidates() > 0)
        id = nextPassingCandidate(0, 0);
    mode = savedMode, singleId = savedSingle, candidateIndex = savedIndex;
    return id;
}

void SelectTool::setSelectionRect(double minX, double minY, double maxX, double maxY)
{
    pickBox.x1 = minX, pickBox.y1 = minY, pickBox.x2 = maxX, pickBox.y2 = maxY;
}

int SelectTool::testCandidate(int id, int whole)
{
    ElementEditorBase* editor = toolEditor();
    ElementStore* store = context ? context->elementStore() : nullptr;
    ElementIndexEntry entry;
    Point low, high;
    if (!editor || !store || !store->getEntry(id, &entry) || !editor->getElementBounds(id, &low, &high))
        return 0;
    if (!context->displayControl->isSelectable(entry))
        return 0;
    if (whole)
        return pickAreaContainsBox(low, high);
    const Box& r = pickBox;
    return low.x <= r.x2 && high.x >= r.x1 && low.y <= r.y2 && high.y >= r.y1;
}

// --- tracking ---

int SelectTool::onMouse()
{
    if (busy || !context || !toolEditor() || !context->view)
        return 0;
    ViewParams* view = context->view;
    hoveredHandle = -1;
    int outcome = loopCode(MouseLoopResult::Ended);
    IntPoint device;
    int left = 0, right = 0;
    // Typed keys steer the tool, not an input method.
    if (theImeGuard)
        theImeGuard->disable();
    for (;;) {
        if (context->statusBar)
            context->statusBar->showCursorPosition();
        if (!view->nextMousePoint(device, left, right, 1) || shortcutEndsLoop())
            break;
        if (left) {
            outcome = loopCode(MouseLoopResult::LeftClick);
            break;
        }
        if (right) {
            outcome = loopCode(MouseLoopResult::RightClick);
            break;
        }
        const CurrentEvent* event = theCurrentEvent;
        if (event && event->message == WM_CHAR && (event->wParam == '+' || event->wParam == '-')) {
            if (event->wParam == '+')
                setAddMode(1);
            else
                setRemoveMode(1);
            continue;
        }
        if (event && event->message == WM_KEYDOWN) {
            outcome = loopCode(MouseLoopResult::Key); // the document window has handed the key to onKeyDown already
            break;
        }
        if (!addMode && !removeMode)
            updateHoverCursor();
    }
    if (theImeGuard)
        theImeGuard->restore();
    // The clicks are timed from the last press; a loop that ended without one leaves the time.
    if (outcome == loopCode(MouseLoopResult::LeftClick) || outcome == loopCode(MouseLoopResult::RightClick))
        (void)context->restartTimer(); // 0 without a tick stamp: clicks are then not timed
    if (outcome == loopCode(MouseLoopResult::LeftClick))
        (void)onLeftButton();
    else if (outcome == loopCode(MouseLoopResult::RightClick))
        onRightButton();
    return outcome;
}

void SelectTool::setAddMode(int on)
{
    if (on && !addMode && theMouseState)
        theMouseState->setAddCursor();
    addMode = on;
    if (on)
        removeMode = 0;
}

void SelectTool::setRemoveMode(int on)
{
    if (on && !removeMode && theMouseState)
        theMouseState->setRemoveCursor();
    removeMode = on;
    if (on)
        addMode = 0;
}

int SelectTool::markUnderCursor(int& handle)
{
    handle = -1;
    int flag = 0;
    ElementEditorBase* editor = toolEditor();
    const PickStyle style = thePickSettings ? thePickSettings->pickStyle() : PickStyle::Handles;
    return mode == 1 && style == PickStyle::Handles && editor && editor->hitHandleById(singleId, &handle, &flag);
}

int SelectTool::isOnFixedMark()
{
    int handle = -1;
    return markUnderCursor(handle) && !toolEditor()->dragsHandlesById(singleId);
}

void SelectTool::updateHoverCursor()
{
    hoveredHandle = -1;
    if (!pickAtMouse(0) || !theMouseState)
        return;
    int handle = -1;
    const int onMark = markUnderCursor(handle);
    const int fixed = onMark && !toolEditor()->dragsHandlesById(singleId);
    if (!fixed && !isMouseOverSelection()) {
        theMouseState->setArrowCursor();
        return;
    }
    if (!onMark || fixed) {
        theMouseState->setSizeAllCursor(); // a press moves the selection
        return;
    }
    switch (handle) {
    case 0:
    case 4:
        theMouseState->setSizeNwseCursor();
        break;
    case 1:
    case 5:
        theMouseState->setSizeNsCursor();
        break;
    case 2:
    case 6:
        theMouseState->setSizeNeswCursor();
        break;
    case 3:
    case 7:
        theMouseState->setSizeWeCursor();
        break;
    default:
        theMouseState->setSizeAllCursor();
        return;
    }
    hoveredHandle = handle;
}

int SelectTool::secondClickFollows()
{
    IntPoint press;
    if (context && context->view)
        context->view->cursorPosition(press);
    return tool_support::secondClickFollows(context, press);
}

void SelectTool::postSelectionProperties()
{
    if (theCurrentEvent)
        (void)theCurrentEvent->postDeferredCommand(kSelectionPropertiesEvent); // a full queue drops the request
}

void SelectTool::repostMouseMove() { tool_support::repostMouseMove(context); }

int SelectTool::onLeftButton()
{
    ElementEditorBase* editor = toolEditor();
    if (!context || !editor || !pickAtMouse(1))
        return 0;
    // A press picks, drags and reshapes what the screen shows: a text still in edit (an undo or
    // redo of its typing leaves it so) is stored first, as a tool button would store it.
    (void)context->settleTextInEdit(); // 0: no text was in edit
    pressX = pickX;
    pressY = pickY;
    const int n = collectCandidatesInBox();

    if (removeMode) {
        setRemoveMode(0);
        if (n > 0 && isMouseOverSelection()) {
            const int id = nextPassingCandidateSelected();
            if (id >= 1 && mode == 1)
                clearSelection();
            else if (id >= 1)
                removeWithGroup(id);
            redrawMarks();
        }
        return 1;
    }
    if (addMode) {
        setAddMode(0);
        const int id = n > 0 ? nextPassingCandidate(0, 1) : -1;
        if (id >= 1) {
            if (mode == 0) {
                selectSingle(id);
            } else if (mode == 1 && list()) {
                list()->clear();
                list()->add(singleId);
                list()->add(id);
                mode = 2;
            } else {
                addToSelection(id);
            }
            joinGroups();
            redrawMarks();
        }
        return 1;
    }

    if (theMouseState)
        theMouseState->setArrowCursor();
    if (mode == 1 && hoveredHandle >= 0 && hoveredHandle <= 7) {
        // The element keeps its selection while its rubber band shows, and its marks after.
        locked = 1;
        (void)editor->dragHandleById(singleId, hoveredHandle); // the editor records and redraws
        locked = 0;
        hoveredHandle = -1;
        redrawMarks();
        return 1;
    }
    if (hasSelection() && MoveTool::of(context) && (isMouseOverSelection() || isOnFixedMark())) {
        marksEnabled = 0;
        moving = 1;
        const int r = MoveTool::of(context)->dragSelection();
        moving = 0;
        marksEnabled = 1;
        redrawMarks();
        if (r == 3 && secondClickFollows())
            postSelectionProperties();
        return 1;
    }
    if (Selection* band = list()) {
        const int modeBefore = mode;
        const int got = band->selectInRect();
        pickBox = savedPickBox; // the band tested its rectangle through the pick box
        if (got >= 1) {
            mode = band->count >= 1 ? 2 : 0;
            joinGroups();
            redrawMarks();
            return 1;
        }
        if (modeBefore == 2 && band->count == 0)
            mode = 0;
    }
    const int savedMode = mode, savedSingle = singleId;
    const int id = n > 0 ? nextPassingCandidate(0, 0) : -1;
    if (id >= 1) {
        singleId = id;
        mode = 1;
        joinGroups();
        redrawMarks();
        if (secondClickFollows()) // a single click has asked for a mouse move
            postSelectionProperties();
        return 1;
    }
    mode = savedMode, singleId = savedSingle;
    if (!secondClickFollows()) {
        resetState();
        redrawMarks();
    }
    return 1;
}

int SelectTool::nextPassingCandidateSelected()
{
    const std::unordered_set<int> selected = selectedSet();
    for (int i = 0; i < candidates.count; ++i) {
        int32_t id = 0;
        if (candidates.get(i, &id) && selected.count(id) && passesHit(id, 1))
            return id;
    }
    return -1;
}

void SelectTool::onRightButton()
{
    ViewParams* view = context ? context->view : nullptr;
    if (view) {
        IntPoint device;
        int left = 0, right = 1;
        while (right && view->nextMousePoint(device, left, right)) {
        }
    }
    requestContextMenu();
}

// --- keys ---

int SelectTool::onKeyDown()
{
    const CurrentEvent* event = theCurrentEvent;
    if (!event)
        return 0;
    const int code = static_cast<int>(event->wParam);
    if (event->message != WM_CHAR)
        return onKey(code);
    // The character that a key press makes follows its key-down, which has acted already: only
    // the typed '+' and '-' steer the tool (their keys differ between keyboards).
    if (code == '+')
        setAddMode(1);
    else if (code == '-')
        setRemoveMode(1);
    return 1;
}

int SelectTool::onKeyUp()
{
    // Shift+arrow pressed again and again is one move: the record waits until neither Shift nor
    // an arrow key is held any more.
    const int key = theCurrentEvent ? static_cast<int>(theCurrentEvent->wParam) : 0;
    if (!isArrowKey(key) && key != VK_SHIFT)
        return 0;
    if (isShiftDown())
        return 1;
    for (int arrow = kFirstArrow; arrow <= kLastArrow; ++arrow)
        if (isKeyDown(arrow))
            return 1;
    applyArrowMove();
    return 1;
}

int SelectTool::onKey(int key)
{
    if (key == kEscape) {
        if (mode != 1)
            return 1;
        pickBox = savedPickBox;
        const int id = nextPassingCandidate(0, 0);
        if (id >= 1) {
            singleId = id;
            joinGroups();
        } else {
            const int index = candidateIndex;
            resetState();
            candidateIndex = index;
        }
        redrawMarks();
        repostMouseMove();
        return 1;
    }
    if (isPlusKey(key)) {
        setAddMode(1);
        return 1;
    }
    if (isMinusKey(key)) {
        setRemoveMode(1);
        return 1;
    }
    if (isDigitKey(key)) {
        MoveTool* mover = MoveTool::of(context);
        if (!mover || !hasSelection())
            return 0;
        digitTyped = 1;
        (void)mover->moveSelection(); // cancelled or zero: nothing changed
        redrawMarks();
        return 1;
    }
    if (isArrowKey(key)) {
        if (moving) {
            arrowDx = arrowDy = 0;
            return 1;
        }
        MoveTool* mover = MoveTool::of(context);
        if (!mover || !hasSelection())
            return 0;
        int dx = 0, dy = 0;
        mover->arrowStep(key, dx, dy);
        arrowDx += dx;
        arrowDy += dy;
        redrawMarks();
        return 1;
    }
    return 0;
}

void SelectTool::applyArrowMove()
{
    MoveTool* mover = MoveTool::of(context);
    if ((arrowDx || arrowDy) && mover)
        mover->recordArrowMove(arrowDx, arrowDy);
    arrowDx = arrowDy = 0;
}

// --- the idle click loop ---

int SelectTool::selectByClick()
{
    ViewParams* view = context ? context->view : nullptr;
    if (!view)
        return loopCode(MouseLoopResult::Ended);
    const int r = view->waitClick(0);
    if (r == loopCode(MouseLoopResult::LeftClick)) {
        (void)context->restartTimer(); // as onMouse
        // A click as the tool's own: it selects. No handle was hovered over, none is dragged.
        hoveredHandle = -1;
        (void)onLeftButton();
        repostMouseMove();
    } else if (r == loopCode(MouseLoopResult::RightClick)) {
        requestContextMenu();
    }
    if (theMouseState)
        theMouseState->reset();
    return r;
}

// --- properties ---

int SelectTool::canEditProperties() { return hasSelection(); }

int SelectTool::isEditing() { return moving; }

// No element kind keeps an edit state of its own while merely selected.
int SelectTool::singleElementEditState() { return 0; }

int SelectTool::stepSelection(int direction)
{
    (void)direction; // the sheets step themselves through their previous and next results
    return openProperties();
}

int SelectTool::openProperties()
{
    ElementEditorBase* editor = toolEditor();
    if (!editor)
        return 0;
    if (mode == 1) {
        // The sheet's own redraws leave the marks off; they come back with the repaint.
        marksEnabled = 0;
        const int r = editor->runPropertySheet(singleId, 0, 0);
        marksEnabled = 1;
        if (context->updater)
            context->updater->repaint();
        return r;
    }
    if (mode == 2)
        return editSelectionProperties();
    return 0;
}

int SelectTool::editSelectionProperties()
{
    ElementEditorBase* editor = toolEditor();
    Selection* s = list();
    if (!editor || !s || s->count < 1)
        return 0;
    const int last = s->count - 1;
    int i = 0, r = 0;
    for (;;) {
        const int id = s->idAt(i);
        r = id >= 1 ? editor->runPropertySheet(id, i >= 1, i < last) : 2;
        if ((r == 15092 || r == 15093) && i > 0)
            --i;
        else if ((r == 15094 || r == 15095) && i < last)
            ++i;
        else
            break;
    }
    marksEnabled = 1;
    if (context->updater)
        context->updater->repaint();
    return r;
}
