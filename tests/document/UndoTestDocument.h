#pragma once
// A drawing for undo tests and the undo benchmark: a document context with a real element store
// and undo manager, and small stand-ins for the editors, the select tool, the redraw manager and
// the input point list that act on the store for real.
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementStore.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "geometry/Point.h"
#include "platform/DibImage.h"
#include "tests/support/IdleMembers.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/InputPointList.h"
#include "views/tools/SelectTool.h"

// An element whose record is its points, its text and its per-vertex values. It notes the text
// editing calls it receives.
class UndoTestElement : public Element {
public:
    [[nodiscard]] int exchangeRecord(int mode) override
    {
        ElementStore* store = elementStore();
        if (!store)
            return 0;
        ElementRecordBuffer& buffer = *store->recordBuffer;
        buffer.rewind();
        if (mode == 1) {
            int ok = buffer.putInt(static_cast<int32_t>(points.size()));
            for (const UndoPoint& p : points)
                ok = ok && buffer.putDouble(p.x) && buffer.putDouble(p.y) && buffer.putDouble(p.z);
            ok = ok && buffer.putInt(static_cast<int32_t>(text.size())) &&
                 buffer.putBytes(text.data(), static_cast<int>(text.size())) && buffer.putInt(rounding.count);
            for (int i = 0; ok && i < rounding.count; ++i)
                ok = buffer.putDouble(rounding.get(i));
            return ok;
        }
        int32_t n = 0;
        points.clear();
        int ok = buffer.getInt(n);
        for (int i = 0; ok && i < n && i < 10000; ++i) {
            UndoPoint p = {0, 0, 0};
            ok = buffer.getDouble(p.x) && buffer.getDouble(p.y) && buffer.getDouble(p.z);
            points.push_back(p);
        }
        ok = ok && buffer.getInt(n);
        text.assign(ok && n > 0 && n < 10000 ? static_cast<size_t>(n) : 0, '\0');
        if (!text.empty())
            ok = buffer.getBytes(&text[0], static_cast<int>(text.size()));
        ok = ok && buffer.getInt(n) && rounding.resize(0);
        for (int i = 0; ok && i < n && i < 10000; ++i) {
            double v = 0;
            ok = buffer.getDouble(v) && rounding.append(v);
        }
        return ok;
    }

    void translate(double dx, double dy, double dz) override
    {
        for (UndoPoint& p : points) {
            p.x += dx;
            p.y += dy;
            p.z += dz;
        }
    }
    // Quarter turns only, which keep the coordinates exact.
    void rotate(double angle, double cx, double cy, double) override
    {
        int turns = ((static_cast<int>(angle) / 90) % 4 + 4) % 4;
        for (UndoPoint& p : points) {
            for (int i = 0; i < turns; ++i) {
                double x = p.x - cx, y = p.y - cy;
                p.x = cx + y;
                p.y = cy - x;
            }
        }
    }
    void setPoint(int index, double x, double y, double z) override
    {
        if (index >= 0 && index < static_cast<int>(points.size()))
            points[static_cast<size_t>(index)] = {x, y, z};
    }
    void clearPoints() override { points.clear(); }
    void appendPoint(double x, double y, double z) override { points.push_back({x, y, z}); }
    DoubleArray* getVertexRounding() override { return &rounding; }

    void beginTextEdit() override
    {
        calls.push_back("edit");
        inputPending = 1;
    }
    void beginTextEditAtStart() override
    {
        calls.push_back("edit at start");
        inputPending = 1;
    }
    void insertTextAt(int position, const char* bytes, int length) override
    {
        text.insert(static_cast<size_t>(position), bytes, static_cast<size_t>(length));
    }
    void deleteTextAt(int position, int length) override { text.erase(static_cast<size_t>(position), static_cast<size_t>(length)); }
    void setCaretPosition(int position) override { caret = position; }
    void setTextSelection(int start, int end) override
    {
        selectionStart = start;
        selectionEnd = end;
    }
    void hideInputOverlay() override { calls.push_back("hide overlay"); }

    // The selected text is text[selectionStart, selectionEnd).
    [[nodiscard]] int selectedTextLength() override { return selectionEnd > selectionStart ? selectionEnd - selectionStart : 0; }
    [[nodiscard]] GlobalBlock* copySelectedText() override
    {
        const int n = selectedTextLength();
        auto* block = new GlobalBlock(n > 0 ? n : 1, 1);
        for (int i = 0; i < n; ++i) {
            if (!block->append(&text[static_cast<size_t>(selectionStart + i)]))
                break;
        }
        return block;
    }
    void cutSelectedText() override { deleteSelectedText(); }
    void deleteSelectedText() override
    {
        text.erase(static_cast<size_t>(selectionStart), static_cast<size_t>(selectedTextLength()));
        selectionEnd = selectionStart;
    }
    void insertText(const char* bytes, int length) override
    {
        deleteSelectedText();
        text.insert(static_cast<size_t>(selectionStart), bytes, static_cast<size_t>(length));
        selectionStart = selectionEnd = selectionStart + length;
    }
    // The bitmap kind keeps a pasted image.
    [[nodiscard]] int takeImage(DibImage* taken) override
    {
        if (kind != kindCode(ElementKind::Bitmap))
            return 0;
        image.reset(taken);
        return 1;
    }

    // The extent of the points: (minimum x, minimum y) and (maximum x, maximum y).
    void extent(Point& low, Point& high) const
    {
        low = high = Point(0, 0);
        for (size_t i = 0; i < points.size(); ++i) {
            const UndoPoint& p = points[i];
            if (i == 0 || p.x < low.x)
                low.x = p.x;
            if (i == 0 || p.y < low.y)
                low.y = p.y;
            if (i == 0 || p.x > high.x)
                high.x = p.x;
            if (i == 0 || p.y > high.y)
                high.y = p.y;
        }
    }

    std::vector<UndoPoint> points;
    std::string text;
    DoubleArray rounding;
    int caret = 0;
    int selectionStart = 0;
    int selectionEnd = 0;
    std::vector<std::string> calls;
    std::unique_ptr<DibImage> image;
};

// Takes elements by id from the store and puts them back, as the real editors do. An id can be
// refused: every operation on it then answers 0 and changes nothing, as for an element that
// cannot be taken.
class UndoTestEditor : public IdleEditor {
public:
    void setOwner(DocumentContext* newOwner) override { owner = newOwner; }
    // A text in edit is stored and its edit ends, as the real editor settles it.
    void settleElement(int) override
    {
        ++settles;
        if (inHand && inHand->inputPending) {
            (void)storeBack(inHand->id); // a refused store keeps the stored text
            inHand->inputPending = 0;
        }
        if (onSettle)
            onSettle();
    }
    [[nodiscard]] Element* elementInHand() override { return inHand.get(); }
    [[nodiscard]] int holdsKind(int kind) override { return inHand && inHand->kind == kind; }

    // The elements the editor takes and makes; a drawing of other test elements gives its own.
    [[nodiscard]] virtual std::unique_ptr<UndoTestElement> makeElement() { return std::make_unique<UndoTestElement>(); }

    [[nodiscard]] int beginEdit(int id) override
    {
        if (id == refusedId)
            return 0;
        auto element = makeElement();
        element->context = owner;
        if (!element->load(id) || !element->exchangeRecord(3))
            return 0;
        inHand = std::move(element);
        return 1;
    }
    [[nodiscard]] int storeBack(int id) override
    {
        ElementStore* store = owner ? owner->elementStore() : nullptr;
        if (id == refusedId || !store || !inHand || inHand->id != id || !inHand->exchangeRecord(1))
            return 0;
        ElementIndexEntry entry;
        inHand->buildIndexEntry(entry);
        return store->updateElement(id, &entry) && indexExtent();
    }
    [[nodiscard]] int removeById(int id) override
    {
        ElementStore* store = owner ? owner->elementStore() : nullptr;
        ElementIndexEntry entry;
        if (id == refusedId || !store || !store->deleteElement(id, &entry))
            return 0;
        if (inHand && inHand->id == id)
            inHand.reset();
        if (owner->maskIndex)
            (void)owner->maskIndex->clearElement(id); // an id never indexed has nothing to clear
        return 1;
    }
    [[nodiscard]] int reinsertById(int id, const ElementIndexEntry& entry) override
    {
        ElementStore* store = owner ? owner->elementStore() : nullptr;
        return id != refusedId && store && store->reinsertElement(id, entry) && beginEdit(id) && indexExtent();
    }
    [[nodiscard]] int appendToPageEndById(int id) override
    {
        ElementStore* store = owner ? owner->elementStore() : nullptr;
        return id != refusedId && store && store->appendToPageEnd(id) && beginEdit(id) && indexExtent();
    }

    // Pasting: an element of the entry's kind from the staged record; stored on the current page.
    [[nodiscard]] int takeRecord(const ElementIndexEntry& entry) override
    {
        auto element = makeElement();
        element->context = owner;
        element->takeRecordHeader(entry);
        if (!element->exchangeRecord(3))
            return 0;
        inHand = std::move(element);
        return 1;
    }
    [[nodiscard]] int addToPage() override
    {
        if (!inHand || !owner || !inHand->exchangeRecord(1))
            return 0;
        inHand->page = owner->currentPage();
        const int id = inHand->store();
        return id >= 1 && indexExtent() ? id : 0;
    }
    [[nodiscard]] int startNewElement(int kind) override
    {
        inHand = makeElement();
        inHand->context = owner;
        inHand->kind = kind;
        return 1;
    }
    [[nodiscard]] int commitNewId() override
    {
        const int id = addToPage();
        return id >= 1 ? id : -1;
    }
    // The element in hand's extent goes into the mask index, as every store of an element does.
    [[nodiscard]] int indexExtent()
    {
        if (!owner->maskIndex || !inHand)
            return 1;
        Point low, high;
        inHand->extent(low, high);
        return owner->maskIndex->setElement(inHand->id, low, high, inHand->page);
    }

    UndoTestElement* held() const { return inHand.get(); }
    // A stored text taken and edited in place; null when it cannot be taken.
    UndoTestElement* editText(int id)
    {
        if (!beginEdit(id))
            return nullptr;
        inHand->inputPending = 1;
        return inHand.get();
    }

    DocumentContext* owner = nullptr;
    std::unique_ptr<UndoTestElement> inHand;
    int settles = 0;
    std::function<void()> onSettle;
    int refusedId = 0;
};

class UndoTestSelectTool : public IdleSelectTool {
public:
    [[nodiscard]] int selectionMode() override { return mode; }

    void setSelectionMode(int newMode) override { mode = newMode; }
    void clearSelection() override
    {
        mode = 0;
        ids.clear();
    }
    void selectSingle(int id) override { ids.assign(1, id); }
    void addToSelection(int id) override { ids.push_back(id); }
    [[nodiscard]] int firstSelectedId() override
    {
        cursor = 0;
        return nextSelectedId();
    }
    [[nodiscard]] int nextSelectedId() override { return cursor < ids.size() ? ids[cursor++] : 0; }

    void select(const std::vector<int>& chosen)
    {
        ids = chosen;
        mode = chosen.empty() ? 0 : chosen.size() == 1 ? 1 : 2;
    }

    int mode = 0;
    std::vector<int> ids;
    size_t cursor = 0;
};

class UndoTestUpdater : public ViewUpdater {
public:
    void setOwner(DocumentContext*) override {}
    void flushPainter() override {}
    void refreshAll() override { ++refreshes; }
    void refreshAfterReset() override {}
    void repaintChanges() override { ++changeRepaints; }
    void repaint() override { ++repaints; }
    void scrollBy(int, int) override {}
    void beginClip() override {}
    void endClip() override {}
    int refreshes = 0;
    int changeRepaints = 0;
    int repaints = 0; // the painter shown with the selection's marks
};

class UndoTestInputPoints : public InputPointList {
public:
    void setFlagWord(int value) override { flagWord = value; }
    int flagWord = 0;
};

// A value of type T stored at a byte offset of a log or a block (T() past their end).
template <typename T> T valueAt(const std::string& bytes, size_t offset)
{
    T value = T();
    if (offset + sizeof value <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// Plenty of free space for the log, whatever the disk holds.
inline int plentyOfFreeSpace(const FileName&, unsigned long long& bytes)
{
    bytes = 1ULL << 40;
    return 1;
}

// The bytes of an undo log, read through its own handle; the file position is left as it was.
inline std::string undoLogBytes(UndoManager& undo)
{
    HANDLE file = undo.log().tempFile().fileHandle();
    LARGE_INTEGER zero = {}, saved = {};
    SetFilePointerEx(file, zero, &saved, FILE_CURRENT);
    SetFilePointerEx(file, zero, nullptr, FILE_BEGIN);
    std::string bytes(1 << 16, '\0');
    DWORD got = 0;
    ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
    SetFilePointerEx(file, saved, nullptr, FILE_BEGIN);
    return bytes;
}

// The drawing: members made by the context's own hooks (store, undo manager), the stand-ins put
// in place of the view members. The store keeps released blocks out of reuse, as a document's
// store under undo does.
class UndoTestDocument {
public:
    UndoTestDocument()
    {
        context.createMembers();
        context.editor2 = textEditor = new UndoTestEditor;
        context.editor3 = editor = new UndoTestEditor;
        context.selectTool = selectTool = new UndoTestSelectTool;
        context.updater = updater = new UndoTestUpdater;
        context.inputPoints = inputPoints = new UndoTestInputPoints;
        context.linkManagers();
        if (context.ownStore)
            context.ownStore->setNoReuse(1);
    }
    ~UndoTestDocument() { context.destroyManagers(); }

    UndoManager& undo() { return *context.undoManager; }
    // Selects the elements and lets undo note the selection, as a command does before it records.
    void selectAndCapture(const std::vector<int>& ids)
    {
        selectTool->select(ids);
        undo().captureSelection();
    }
    ElementStore& store() { return *context.ownStore; }

    // Stores a new element on page 1 and returns its id.
    int add(ElementKind kind, std::vector<UndoPoint> points, const std::string& text = "")
    {
        UndoTestElement element;
        element.context = &context;
        element.kind = kindCode(kind);
        element.points = std::move(points);
        element.text = text;
        int id = element.exchangeRecord(1) ? element.store() : 0;
        element.context = nullptr;
        return id;
    }
    // The element as the store holds it (kind 0 when the id is not live).
    struct Snapshot {
        int kind = 0;
        std::vector<UndoPoint> points;
        std::string text;
        std::vector<double> values;
        double x(size_t i = 0) const { return i < points.size() ? points[i].x : -1e9; }
        double y(size_t i = 0) const { return i < points.size() ? points[i].y : -1e9; }
    };
    Snapshot read(int id)
    {
        Snapshot snapshot;
        UndoTestElement element;
        element.context = &context;
        if (!store().isLive(id) || !element.load(id) || !element.exchangeRecord(3))
            return snapshot;
        snapshot.kind = element.kind;
        snapshot.points = element.points;
        snapshot.text = element.text;
        for (int i = 0; i < element.rounding.count; ++i)
            snapshot.values.push_back(element.rounding.get(i));
        return snapshot;
    }
    std::string logBytes() { return undoLogBytes(undo()); }
    long long logPosition()
    {
        LARGE_INTEGER zero = {}, position = {};
        SetFilePointerEx(undo().log().tempFile().fileHandle(), zero, &position, FILE_CURRENT);
        return position.QuadPart;
    }

    // The ids of page 1 in drawing order.
    std::vector<int> pageOrder()
    {
        std::vector<int> order;
        ElementIndexEntry entry;
        for (int id = store().pageTable->getFirst(1); id >= 1 && order.size() < 1000; id = entry.pageNext) {
            order.push_back(id);
            if (!store().getEntry(id, &entry))
                break;
        }
        return order;
    }

    DocumentContext context;
    UndoTestEditor* textEditor = nullptr;
    UndoTestEditor* editor = nullptr;
    UndoTestSelectTool* selectTool = nullptr;
    UndoTestUpdater* updater = nullptr;
    UndoTestInputPoints* inputPoints = nullptr;
};
