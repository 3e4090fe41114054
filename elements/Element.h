#pragma once
// Interface header: the element as the document sees it; declarations only, no includes.

class DibImage;
class DocumentContext;
class DoubleArray;
class DrawPoint;
class GlobalBlock;
class ElementStore;
class EntityAttribute;
class InputPointList;
class Point;
class PolyPath;
class ViewParams;
struct ElementIndexEntry;
struct IntPoint;

// The base of the element kinds 1 to 19. A live element is a working copy of a record in its
// drawing's element store: it writes its record into the store's staging buffer and is stored
// under a new id, or is loaded by id and reads its record back from the buffer.
class Element {
public:
    Element() = default;
    // An undo record that is still open on this element is closed first (see UndoManager).
    virtual ~Element();
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    // Mode 1 writes the element's record into the store's staging buffer (from position 0); mode 3
    // reads it back from position 0. 1 when done, 0 without a store. The layout is each kind's own.
    [[nodiscard]] virtual int exchangeRecord(int mode)
    {
        (void)mode;
        return 0;
    }

    // Geometry in drawing coordinates (millimetres, degrees). Undo and redo replay moves,
    // rotations and point edits through these; each kind overrides what it has.
    virtual void translate(double dx, double dy, double dz) { (void)dx, (void)dy, (void)dz; }
    virtual void rotate(double angle, double centreX, double centreY, double centreZ)
    {
        (void)angle, (void)centreX, (void)centreY, (void)centreZ;
    }
    virtual void setPoint(int index, double x, double y, double z) { (void)index, (void)x, (void)y, (void)z; }
    virtual void clearPoints() {}
    virtual void appendPoint(double x, double y, double z) { (void)x, (void)y, (void)z; }
    // The per-vertex values (corner radii) of the kinds that have them; null for the others.
    virtual DoubleArray* getVertexRounding() { return nullptr; }
    // Moves a point in drawing coordinates onto the element's nearest key point (an end, a
    // vertex, a centre ...); nonzero when it did. The base has no key points.
    [[nodiscard]] virtual int snapToNearestPoint(DrawPoint* point)
    {
        (void)point;
        return 0;
    }

    // In-place text editing of the text kinds (Shift-JIS bytes; positions in bytes).
    virtual void beginTextEdit() {}
    virtual void beginTextEditAtStart() {}
    virtual void insertTextAt(int position, const char* bytes, int length) { (void)position, (void)bytes, (void)length; }
    virtual void deleteTextAt(int position, int length) { (void)position, (void)length; }
    virtual void setCaretPosition(int position) { (void)position; }
    // (0, 0) clears the selection.
    virtual void setTextSelection(int start, int end) { (void)start, (void)end; }
    virtual void hideInputOverlay() {}
    // The selected text of the element in edit, as the clipboard's cut, copy, paste and delete
    // reach it: its length in bytes; a new block (elementSize 1, count the length) with a copy of
    // it that the caller frees, or null; removing it (after a copy, or on delete); inserting
    // bytes in its place.
    [[nodiscard]] virtual int selectedTextLength() { return 0; }
    [[nodiscard]] virtual GlobalBlock* copySelectedText() { return nullptr; }
    virtual void cutSelectedText() {}
    virtual void deleteSelectedText() {}
    virtual void insertText(const char* bytes, int length) { (void)bytes, (void)length; }

    // The bitmap kind takes a pasted image: 1 when it owns the image from then on, 0 when the
    // caller keeps it (every other kind).
    [[nodiscard]] virtual int takeImage(DibImage* image)
    {
        (void)image;
        return 0;
    }

    // Stores the record staged in the store's buffer as a new element and keeps the new id; -1
    // when the drawing has no store, 0 when the store could not take it. The id is 0 meanwhile.
    [[nodiscard]] int store();
    // Reads element id from the store (record into the staging buffer) and takes serial, group,
    // kind, layer and page from its entry; the store's result (0 for an id it does not hold).
    [[nodiscard]] int load(int id);
    // Words 3 to 7 of an index entry: serial, group, kind, layer, page.
    void buildIndexEntry(ElementIndexEntry& entry) const;
    void takeRecordHeader(const ElementIndexEntry& entry);
    // The store of the element's drawing, or null.
    [[nodiscard]] ElementStore* elementStore() const;

    // The drawing file, through the current XML context (the document being read or written).
    // writeXml writes the element in the tag of its kind keyword with its attribute tags; 0 when
    // a write failed. readXmlAttributes takes the element's values from the context's attribute
    // holder after its tags were read. The base writes and takes nothing.
    [[nodiscard]] virtual int writeXml() { return 1; }
    [[nodiscard]] virtual int readXmlAttributes() { return 1; }

    // As the document's attribute holder: every optional attribute object made (so that each
    // tag of every kind finds its object) and released; the object that reads the attribute tag
    // tagId (null when the holder lacks it); the objects that start afresh for each element put
    // back to their defaults.
    virtual void createAllAttributes() {}
    virtual void releaseAllAttributes() {}
    [[nodiscard]] virtual EntityAttribute* entityAttribute(int tagId)
    {
        (void)tagId;
        return nullptr;
    }
    virtual void resetReadAttributes() {}

    // Mouse input of a new element: what the vertex input (PolyPath) asks of the element it
    // enters points for. The bodies arrive with the element kinds and the views; until then the
    // element has no view: the operations only keep the two flags below and answer 0.
    //
    // The view mapping and the input point list of the element's drawing; null without them.
    [[nodiscard]] virtual ViewParams* viewParams() { return nullptr; }
    [[nodiscard]] virtual InputPointList* inputPointList() { return nullptr; }
    // The point the creating tool recorded for the first click (the point before the newest of
    // the input point list), in drawing coordinates; 0 when there is none.
    [[nodiscard]] virtual int previousInputPoint(Point* out)
    {
        (void)out;
        return 0;
    }
    // A cursor position in screen pixels into device pixels of the view window; 1 when it lies
    // in the view's client area.
    [[nodiscard]] virtual int screenToView(IntPoint& position)
    {
        (void)position;
        return 0;
    }
    // A view device point in drawing coordinates (z 0), snapped to the grid when snap is
    // nonzero; snapToGrid snaps a point's x and y. Nothing without a view or grid.
    virtual void deviceToDrawing(Point* out, const IntPoint& device, int snap) { (void)out, (void)device, (void)snap; }
    virtual void snapToGrid(Point* point) { (void)point; }
    // The overlay on which the figure being entered is drawn: opened once per input (which sets
    // overlayShown), its saved extent cleared, the painter copied into it and it flushed to the
    // window, the figure drawn on it for an operation (21 the rubber band), the view refreshed
    // from the painter.
    virtual void beginOverlay() { overlayShown = 1; }
    virtual void clearSavedExtent() {}
    virtual void copyPainterToOverlay() {}
    virtual void flushOverlay() {}
    virtual void flushView() {}
    virtual void drawOverlayFigure(int operation) { (void)operation; }
    // The view scrolls one step towards a cursor outside it; the mouse is captured by the view
    // window and released; the status bar shows the cursor position.
    virtual void autoScroll() {}
    virtual void captureMouse() {}
    virtual void releaseMouse() {}
    virtual void showCursorPosition() {}
    // The drawing's click timer on the program clock: restarted at a press; 1 while less than
    // 150 ms, 300 ms or the system double-click time has passed since.
    virtual void restartClickTimer() {}
    [[nodiscard]] virtual int clickWithin150ms() { return 0; }
    [[nodiscard]] virtual int clickWithin300ms() { return 0; }
    [[nodiscard]] virtual int isDoubleClick() { return 0; }
    // The closing test for the vertex just entered (the moving end of the path's current list):
    // 1 when it finishes the element; *more tells whether a further vertex is wanted (0: the
    // click is ignored). Here every vertex is kept and input goes on.
    [[nodiscard]] virtual int acceptsVertex(PolyPath& path, int* more)
    {
        (void)path;
        if (more)
            *more = 1;
        return 0;
    }

    DocumentContext* context = nullptr; // not owned; null while detached
    int id = 0;                         // 0 until stored
    int kind = 0;                       // 1..19
    int serial = 0;
    int group = 0;                      // 0 = no group
    int layer = 100;
    int page = 1;
    int inputPending = 0; // 1: an interrupted creation input resumes with the next mouse event
    int overlayShown = 0; // 1 once the figure was drawn on the overlay during the current input
};

// A new element of the base kind, null when memory ran out: the document's attribute holder
// (start-up installs this as makeBaseElement).
[[nodiscard]] Element* newBaseElement();
