#pragma once
// The element as the document stores, reads and undoes it, with the inline defaults of its kinds;
// the element kinds implement it (elements/Element.cpp and the kinds).
#include "document/ElementAttributeTable.h"
#include "document/HandleFlags.h"
#include "geometry/DrawPoint.h"
#include "geometry/MouseLoopResult.h"

class ArrowHeadStyle;
class BitmapRaster;
class BitmapSizeRecord;
class BoxRules;
class CornerRounding;
class DiameterList;
class DibImage;
class DocumentContext;
class DoubleArray;
class DoubleValue;
class DrawPoint;
class DrawLineAttribute;
class DxfFile;
class EdgeAttributes;
class ElementDefaults;
class ElementRecordBuffer;
class ElementStore;
class ElementTextString;
class EntityAttribute;
class FileNameValue;
class FillAttributes;
class FontAttributes;
class GlobalBlock;
class GrayValue;
class GridSettings;
class HatchAttributes;
class ImageMask;
class InkColor;
class ImageTypeValue;
class InputPointListBase;
class LeanAttribute;
class LineAttribute;
class LineCapAttribute;
class LineOriginAttribute;
class LineSizeAttribute;
class LineTypeAttribute;
class MarginAttribute;
class MeasureAttributes;
class OpenCloseAttribute;
class OvalType;
class PaperSettings;
class Pen;
class PointList;
class PolyPath;
class RadiusList;
class SelectToolBase;
class SvgDocument;
class TextSpacingAttribute;
class UnitSettings;
class VertexRoundingList;
class ViewParams;
class ViewUpdater;
struct ElementHolderTags;
struct ElementIndexEntry;
struct IntPoint;

// The base of the element kinds 1 to 19. A live element is a working copy of a record in its
// drawing's element store: it writes its record into the store's staging buffer and is stored
// under a new id, or is loaded by id and reads its record back from the buffer.
//
// An element never draws itself: every geometric operation goes to execute() of the object in
// `self` with an operation code (ShapeOp) and the offset of the output, and a kind's execute runs
// its shape once. The base bodies of the virtual operations are harmless defaults (nothing, 0,
// or the result named); each kind overrides what it has.
//
// Results: 1 done, 0 refused or nothing to do, -1 a cancelled mouse input or an index not found.
// Every operation that reaches a manager of the drawing answers 0 (or -1 where its result is an
// index or a state code) and does nothing when the element has no context or the context lacks
// the manager.
class Element {
public:
    // The state codes of mouse input, as the element editor and the select tool read them.
    enum InputState : int {
        kComplete = 1,          // commit as a new element
        kStoredBack = 2,        // an edited element is stored back (finishInput)
        kEditingText = 3,
        kDone = loopCode(MouseLoopResult::LeftClick), // edit done; a click
        kDragDone = loopCode(MouseLoopResult::Released),
        // a second click inside the double-click time
        kDoubleClick = loopCode(MouseLoopResult::DoubleClick),
        kRightButton = loopCode(MouseLoopResult::RightClick),
        kCompleteAndNext = 41,  // complete; the next element of the kind starts at the cursor
        kCompleteAndStop = 43,
        kCancelled = loopCode(MouseLoopResult::Ended),
        kCannotPlace = -999,
    };
    // The internal event that brings the frame's toolbar buttons up to date.
    static constexpr int kToolButtonsEvent = 6020;

    // Kind 0, layer 100, page 1, serial and group 0, no context, no self, every attribute null.
    Element();
    // Releases every attribute still held; an undo record still open on the element is closed.
    virtual ~Element();
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    // --- the virtual operations, grouped as the document, the views and the dialogs call them ---
    virtual void beforeDelete() {}
    // Mode 1 writes the element's record into the store's staging buffer (from position 0); mode 3
    // reads it back from position 0. 1 when done, 0 without a store. The layout is each kind's own
    // and ends with serializeExtent. A value that mode 3 would refuse (an angle or spacing that is
    // not finite, a font size out of bounds, pixels short of the bitmap's size) fails mode 1 too,
    // so the store never takes a record that it could not give back.
    [[nodiscard]] virtual int exchangeRecord(int mode)
    {
        (void)mode;
        return 0;
    }

    // Hit tests against the select tool's cursor (1 on a hit). hitHandle gives the handle and its
    // flag of a hit.
    [[nodiscard]] virtual int hitTestExtent() { return 0; }
    [[nodiscard]] virtual int hitTest() { return 0; }
    // The base tests the marks on the extent measureHandlesExtent gives.
    [[nodiscard]] virtual int hitHandle(int* handle, int* flag);
    [[nodiscard]] virtual int hitTestLeader() { return 0; }
    [[nodiscard]] virtual int isInSelectionArea() { return 0; }

    // Runs the kind's shape for an operation code with the output offset (or displacement) in
    // drawing units; the shape's result. The base runs nothing.
    virtual int execute(int operation, double x, double y, double z)
    {
        (void)operation, (void)x, (void)y, (void)z;
        return 0;
    }
    // forwardOp with operation 1, 2, 12, 71, 71, 72 and 75.
    virtual int draw();
    virtual int erase();
    virtual int drawDragPreview(double dx, double dy, double dz);
    virtual int print(double x, double y, double z);
    virtual int printPlain();
    virtual int writePostScript(double x, double y, double z);
    virtual int writePdf(double x, double y, double z);

    // The pick display: by the application's pick style, 1 the handles, 2 the element in the pick
    // colour, 3 its point marks, each on self; nothing without pick settings or self.
    virtual void showPicked();
    virtual void showPickHandles() {}
    // 1 when the kind's handle marks (pick style 1) stand exactly on the extent its record
    // registers with the mask index, with no other mark, so that a redraw of the marks can place
    // them from that extent without taking the element; filled tells whether they are drawn
    // active. The base answers 0: such an element is taken and shows itself (a dimension, whose
    // numeral is measured on the view, a box or a curve, whose handles stand on another extent
    // than the one stored).
    [[nodiscard]] virtual int marksFollowExactExtent(int& filled) const
    {
        (void)filled;
        return 0;
    }
    // 1 when the kind's handle marks (pick style 1) are those of Element::drawHandleMarks on
    // extentMin and extentMax as showPickHandles leaves them, all alike (filled tells whether
    // active), with no other mark, though that extent is not the registered one: the redraw of
    // the marks keeps it with the mask index once shown, until the element is stored again.
    [[nodiscard]] virtual int marksFollowMeasuredExtent(int& filled) const
    {
        (void)filled;
        return 0;
    }
    // extentMin and extentMax := the extent the handle marks stand on, as showPickHandles
    // measures it (the exact extent unless a kind says otherwise), without drawing them.
    virtual void measureHandlesExtent() { computeExtent(1); }
    virtual void showPickColour() {}
    virtual void showPickMarks() {}
    virtual void setActiveHandle(int mode, int number) { (void)mode, (void)number; }
    // The element turned by angle (degrees) about the centre, in the pick colour (operation 14).
    virtual void drawRotatedPreview(double angle, double centreX, double centreY, double fourth)
    {
        (void)angle, (void)centreX, (void)centreY, (void)fourth;
    }
    void drawPreviewSegment(double angle, const Point& centre) { drawRotatedPreview(angle, centre.x, centre.y, 0.0); }
    virtual void repaintPicked() {}
    virtual void showInputOverlay(int show) { (void)show; }
    virtual void drawOverlayFigure(int operation) { (void)operation; }

    // --- creation input (see the state codes above) ---
    // Clears inputPending and the context's input point list.
    virtual void resetInputState();
    virtual void takeDefaultAttributes() {}
    [[nodiscard]] virtual int beginCreateInput(int arg)
    {
        (void)arg;
        return 0;
    }
    [[nodiscard]] virtual int continueCreateInput(int arg)
    {
        (void)arg;
        return 0;
    }
    virtual void redrawInputOverlay() {}
    virtual void takePlacementDefaults() {}
    [[nodiscard]] virtual int placeByMouse(int arg)
    {
        (void)arg;
        return 0;
    }
    // The result of the last input (1 commit as new, 2 store back), cleared with inputPending;
    // so a second call answers 0.
    [[nodiscard]] virtual int finishInput();
    // The stored element this one was taken from has left the store (deleted by another editor,
    // an undo or a redo step): an edit in place ends without storing anything, and the element
    // names no id any more, so that nothing writes it over the element that takes the id next.
    // 1 when an edit in place ended.
    virtual int releaseStoredId();

    // --- geometry in drawing coordinates (millimetres, degrees); undo replays through these ---
    virtual void translate(double dx, double dy, double dz) { (void)dx, (void)dy, (void)dz; }
    virtual void rotate(double angle, double centreX, double centreY, double centreZ)
    {
        (void)angle, (void)centreX, (void)centreY, (void)centreZ;
    }
    virtual void setPoint(int index, double x, double y, double z) { (void)index, (void)x, (void)y, (void)z; }
    // The x and y of both corners of a kind framed by a start and an end corner (the bitmap, the
    // picture), given together as one change of the frame: what follows the frame (a picture's
    // mask) goes from the frame before to the frame after, never through one corner's change
    // alone. The other kinds ignore it.
    virtual void setCorners(const Point& start, const Point& end) { (void)start, (void)end; }
    virtual void translatePoint(int index, double dx, double dy, double dz) { (void)index, (void)dx, (void)dy, (void)dz; }
    // flags: 1 scales line widths and dimension sizes, 2 font sizes.
    virtual void scale(double factor, const Point& centre, int flags) { (void)factor, (void)centre, (void)flags; }
    virtual void clearPoints() {}
    virtual void appendPoint(double x, double y, double z) { (void)x, (void)y, (void)z; }
    // The per-vertex values (corner radii) of the kinds that have them; null for the others.
    virtual DoubleArray* getVertexRounding() { return nullptr; }
    // Mode 0 the quick extent, 1 the exact one (containing the whole drawn stroke).
    virtual void computeExtent(int mode) { (void)mode; }
    // computeExtent for a record being written: nothing when the extent was moved with the
    // geometry already (shiftExtent), once.
    void computeExtentToStore(int mode);
    // The extent := the one registered before a translation, moved by the same offset, kept for
    // the next record written. 0 (nothing done) unless that extent comes from the geometry alone
    // and was measured at the drawing's present scale: a translation moves such an extent with
    // its points.
    [[nodiscard]] int shiftExtent(double dx, double dy, double dz);
    // Moves a point in drawing coordinates onto the element's nearest key point (an end, a
    // vertex, a centre ...); nonzero when it did. The kinds answer in the plain point's form.
    [[nodiscard]] virtual int snapToNearestPoint(DrawPoint* point)
    {
        return snapToNearestPoint(static_cast<Point*>(point));
    }

    // --- keys and in-place text editing (Shift-JIS bytes; positions in bytes) ---
    virtual void handleKey() {}
    virtual int insertCharacters(int first, int second)
    {
        (void)first, (void)second;
        return 0;
    }
    virtual void beginTextEdit() {}
    virtual void beginTextEditAtStart() {}
    // 1 while the element is a text edited in place: what it holds then is newer than its record.
    [[nodiscard]] virtual int isEditedInPlace() const { return 0; }
    virtual void insertTextAt(int position, const char* bytes, int length) { (void)position, (void)bytes, (void)length; }
    virtual void deleteTextAt(int position, int length) { (void)position, (void)length; }
    virtual void setCaretPosition(int position) { (void)position; }
    // (0, 0) clears the selection.
    virtual void setTextSelection(int start, int end) { (void)start, (void)end; }
    virtual void hideInputOverlay() {}
    virtual int onContextEvent1() { return 0; }
    virtual int onContextEvent2() { return 0; }
    virtual int onContextEvent3() { return 0; }
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

    // --- editing by mouse and snapping (11 done, -1 cancelled; snaps answer 1 when p moved) ---
    [[nodiscard]] virtual int editByMouse() { return 0; }
    [[nodiscard]] virtual int dragHandle(int handle)
    {
        (void)handle;
        return 0;
    }
    // 1 for a kind whose handles dragHandle drags. The marks of the others (circle, texts,
    // dimensions) only show the selection: a press on one is a press on the element.
    [[nodiscard]] virtual int hasHandleDrag() const { return 0; }
    [[nodiscard]] virtual int snapToNearestPoint(Point* p)
    {
        (void)p;
        return 0;
    }
    [[nodiscard]] virtual int snapToKeyPoint(Point* p)
    {
        (void)p;
        return 0;
    }
    [[nodiscard]] virtual int snapToNearestEdge(Point* p, const Point* from)
    {
        (void)p, (void)from;
        return 0;
    }
    // Up to two radius (diameter) values and the centre; the number of values, 0 for none.
    [[nodiscard]] virtual int getRadius(double out[2], Point* centre)
    {
        (void)out, (void)centre;
        return 0;
    }
    [[nodiscard]] virtual int getDiameter(double out[2], Point* centre)
    {
        (void)out, (void)centre;
        return 0;
    }

    // --- the property sheet: its result (1 OK, 9901..9904 the sheet's actions, 15092..15095
    // previous and next) ---
    [[nodiscard]] virtual int editProperties(int hasPrevious, int hasNext)
    {
        (void)hasPrevious, (void)hasNext;
        return 0;
    }
    [[nodiscard]] virtual int runSheetAction1() { return 0; }
    [[nodiscard]] virtual int runSheetAction2() { return 0; }
    [[nodiscard]] virtual int runSheetAction3() { return 0; }
    [[nodiscard]] virtual int runSheetAction4() { return 0; }

    // --- value setters of the batch edit: each copies a value of the attribute's own type (or
    // one field of it) into the matching sub-object of the kinds that have it ---
    virtual void setLineColour(const InkColor& value) { (void)value; }
    virtual void setFillColour(const InkColor& value) { (void)value; }
    virtual void setHatchColour(const InkColor& value) { (void)value; }
    virtual void setColour(const InkColor& value) { (void)value; }
    virtual void setNumeralColour(const InkColor& value) { (void)value; }
    virtual void setMeasureLineColour(const InkColor& value) { (void)value; }
    virtual void setArrowLineColour(const InkColor& value) { (void)value; }
    virtual void setArrowHeadColour(const InkColor& value) { (void)value; }
    virtual void setStartX(const Point& value) { (void)value; }
    virtual void setStartY(const Point& value) { (void)value; }
    virtual void setEndX(const Point& value) { (void)value; }
    virtual void setEndY(const Point& value) { (void)value; }
    virtual void setRotationAngle(const LeanAttribute& value) { (void)value; }
    virtual void setLineWidth(const LineSizeAttribute& value) { (void)value; }
    virtual void setLinePosition(const LineOriginAttribute& value) { (void)value; }
    virtual void setLineStyle(const LineTypeAttribute& value) { (void)value; }
    virtual void setLineCap(const LineCapAttribute& value) { (void)value; }
    virtual void setFontName(const FontAttributes& value) { (void)value; }
    virtual void setFontStyle(const FontAttributes& value) { (void)value; }
    virtual void setFontSize(const FontAttributes& value) { (void)value; }
    virtual void setEdgeDrawn(const EdgeAttributes& value) { (void)value; }
    virtual void setFillDrawn(const FillAttributes& value) { (void)value; }
    virtual void setHatchPattern(const HatchAttributes& value) { (void)value; }
    virtual void setHatchPitch1(const HatchAttributes& value) { (void)value; }
    virtual void setHatchPitch2(const HatchAttributes& value) { (void)value; }
    virtual void setLengthNumeralUnits(const MeasureAttributes& value) { (void)value; }
    virtual void setNumeralUnits(const MeasureAttributes& value) { (void)value; }
    virtual void setUnitDisplay(const MeasureAttributes& value) { (void)value; }
    virtual void setDecimalPlaces(const MeasureAttributes& value) { (void)value; }
    virtual void setNumeralSpace(const MeasureAttributes& value) { (void)value; }
    virtual void setMeasureLineStyle(const LineAttribute& value) { (void)value; }
    virtual void setMeasureLineWidth(const LineAttribute& value) { (void)value; }
    virtual void setArrowLineStyle(const DrawLineAttribute& value) { (void)value; }
    virtual void setArrowLineWidth(const DrawLineAttribute& value) { (void)value; }
    virtual void setArrowLineSize1(const DrawLineAttribute& value) { (void)value; }
    virtual void setArrowLineSize2(const DrawLineAttribute& value) { (void)value; }
    virtual void setArrowHeadStyle(const ArrowHeadStyle& value) { (void)value; }
    virtual void setArrowHeadLineSize(const ArrowHeadStyle& value) { (void)value; }
    virtual void setArrowHeadLength(const ArrowHeadStyle& value) { (void)value; }
    virtual void setArrowHeadLean(const ArrowHeadStyle& value) { (void)value; }
    // The rule counts whose flag is set (horizontal, vertical); the radii whose flag is set, in
    // corner order (all four without flags).
    virtual void setBoxRules(const BoxRules& value, int takeHorizontal = 1, int takeVertical = 1)
    {
        (void)value, (void)takeHorizontal, (void)takeVertical;
    }
    virtual void setCornerRounding(const CornerRounding& value, const int* takeCorners = nullptr)
    {
        (void)value, (void)takeCorners;
    }
    // Every field of the fill's screen.
    virtual void setFillGray(const FillAttributes& value) { (void)value; }

    // --- files. writeXml writes the element's section (openXmlSection, writeLayerAndGroup, the
    // attribute tags, closeXmlSection); 0 when a write failed. readXmlAttributes takes the values
    // read into the document's attribute holder and ends with takeDocumentLayerAndGroup. The
    // base writes and takes nothing. SVG and DXF: 0 for the kinds that do not write them. ---
    [[nodiscard]] virtual int writeXml() { return 1; }
    [[nodiscard]] virtual int readXmlAttributes() { return 1; }
    [[nodiscard]] virtual int writeSvg(SvgDocument* writer)
    {
        (void)writer;
        return 0;
    }
    [[nodiscard]] virtual int writeDxf(DxfFile* writer)
    {
        (void)writer;
        return 0;
    }

    // --- life cycle: a kind's initialize ensures the attributes it uses, its teardown releases
    // them (attributes another path ensured stay until the destructor) ---
    virtual void initialize() {}
    virtual void teardown() {}

    // --- the document's attribute holder: every attribute made (so that each routed tag of every
    // kind finds its object) and released; the object that reads the attribute tag tagId (null
    // when the holder lacks it); before each element read, every value back to its default (the
    // attribute objects stay where they are, with their links to the drawing and the file) ---
    virtual void createAllAttributes();
    virtual void releaseAllAttributes();
    [[nodiscard]] virtual EntityAttribute* entityAttribute(int tagId);
    virtual void resetReadAttributes();
    // The draw type ("drawType") of the element section read last; 0 when it had none.
    [[nodiscard]] int readDrawType() const;

    // --- the attribute sub-objects: one accessor each (null while absent); ensure makes the
    // object with its type's defaults when absent and, for the binding types, links it to the
    // file being read or written; release frees it. An ensure that could not allocate (or whose
    // type is not built yet) leaves the slot null and answers 0. ---
#define KORVANE_ATTRIBUTE_ACCESSOR(type, name, ...)                                                                \
    [[nodiscard]] type* name() const { return name##Slot; }
#define KORVANE_ATTRIBUTE_ACCESSOR_LATER(type, name) KORVANE_ATTRIBUTE_ACCESSOR(type, name)
    KORVANE_ELEMENT_ATTRIBUTES(KORVANE_ATTRIBUTE_ACCESSOR, KORVANE_ATTRIBUTE_ACCESSOR_LATER)
#undef KORVANE_ATTRIBUTE_ACCESSOR_LATER
#undef KORVANE_ATTRIBUTE_ACCESSOR
    [[nodiscard]] int ensureAttribute(ElementAttribute which);
    void releaseAttribute(ElementAttribute which);
    [[nodiscard]] int hasAttribute(ElementAttribute which) const;
    // Takes the other element's values: the header fields, the extents, and a copy of each of
    // its attributes (never its objects). The pen is never copied: the copy starts without one.
    // 0 when an attribute could not be made.
    [[nodiscard]] int copyValuesFrom(const Element& other);

    // --- mouse input of a new element (the vertex input PolyPath calls these too) ---
    // The view mapping and the input point list of the element's drawing; null without them.
    [[nodiscard]] virtual ViewParams* viewParams();
    [[nodiscard]] virtual InputPointListBase* inputPointList();
    [[nodiscard]] InputPointListBase* inputPoints() { return inputPointList(); }
    // The press that started the creation (the point before the newest of the input point list),
    // in drawing coordinates; 0 when there is none.
    [[nodiscard]] virtual int previousInputPoint(Point* out);
    // A cursor position (view client pixels) checked against the view; 1 inside its client area.
    [[nodiscard]] virtual int screenToView(IntPoint& position);
    // A view device point in drawing coordinates (z 0), snapped to the grid when snap is nonzero;
    // snapToGrid snaps a point's x and y. Nothing without a view (grid).
    virtual void deviceToDrawing(Point* out, const IntPoint& device, int snap);
    void deviceToWorldPoint(Point* out, const IntPoint& device, int snap) { deviceToDrawing(out, device, snap); }
    virtual void snapToGrid(Point* point);
    void snapPointToGrid(Point* point) { snapToGrid(point); }
    // Point n (1..3 of the three given) or vertex i from a device point; flags bit 0 snaps.
    void setPointFromDevice(int n, const IntPoint& device, Point* p1, Point* p2, Point* p3, int flags);
    void setVertexFromDevice(PointList* list, int i, const IntPoint& device, int flags);
    // The overlay of one input: opened once (select state reset, the painter flushed to the
    // window, overlayShown set); the painter copied into it and it shown in the window, whole or
    // over the device box of two drawing corners widened by margin pixels; the view refreshed
    // from the painter.
    virtual void beginOverlay();
    void prepareRubberBand() { beginOverlay(); }
    virtual void copyPainterToOverlay();
    virtual void flushOverlay();
    virtual void flushView();
    void restoreOverlay(const Point& min, const Point& max, int margin);
    // One rubber-band frame: the quick extent, the previous frame wiped (the saved extent grown
    // by this one, margin 1 pixel), the element drawn on the overlay (operation 21) and shown,
    // the extent saved.
    void drawRubberBandFrame();
    void showOverlay(const Point& min, const Point& max, int margin);
    void clipToView();
    void resetClip();
    // One step of scrolling towards a cursor outside the view; the mouse captured by the view
    // window and released; the status bar showing the cursor position.
    virtual void autoScroll();
    virtual void captureMouse();
    virtual void releaseMouse();
    virtual void showCursorPosition();
    // The drawing's click timer (its tick stamp on the program clock): restarted at a press; 1
    // while less than 150 ms, 300 ms or the double-click time have passed since.
    virtual void restartClickTimer();
    [[nodiscard]] virtual int clickWithin150ms();
    [[nodiscard]] virtual int clickWithin300ms();
    [[nodiscard]] virtual int isDoubleClick();
    // 15 for code 11 when the click came within the double-click time, else the code.
    [[nodiscard]] int doubleClickCode(int code);
    // 0 at once when no button is down; else follows the mouse until the buttons are released
    // (0) or the tracking is cancelled (-1).
    [[nodiscard]] int waitButtonUp();
    // With Shift only: p on the vertical (2) or horizontal (1) line through the anchor, or on the
    // 45-degree line (diagonal: x set 2, y set 1); 0 and p unchanged without Shift.
    [[nodiscard]] int constrainToAxis(Point& p, const Point& anchor);
    [[nodiscard]] int constrainToDiagonal(Point& p, const Point& anchor);
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

    // --- forwarding ---
    // execute of self with the operation and offset; 0 when self is null.
    int forwardOp(int operation, double x = 0.0, double y = 0.0, double z = 0.0);

    // --- the store ---
    // Writes the record into the store's staging buffer (exchangeRecord mode 1) for the store to
    // take: 0 when the kind refuses a value, or when the drawing file could not write one of the
    // element's values back (not finite, or beyond its 40 integer digits as the file writes
    // them), since one such element would fail every later save of the whole drawing.
    [[nodiscard]] int stageRecord();
    // Stores the record staged in the store's buffer as a new element and keeps the new id; -1
    // when the drawing has no store, 0 when the store could not take it. The id is 0 meanwhile.
    [[nodiscard]] int store();
    // Reads element id from the store (record into the staging buffer) and takes serial, group,
    // kind, layer and page from its entry; the store's result (0 for an id it does not hold).
    [[nodiscard]] int load(int id);
    // Words 3 to 7 of an index entry: serial, group, kind, layer, page.
    void buildIndexEntry(ElementIndexEntry& entry) const;
    void takeRecordHeader(const ElementIndexEntry& entry);
    // Puts serial, kind and layer into the stored entry of element n, its record and other words
    // untouched. Refused (0) when n holds another kind: the store does not move an element between
    // its (page, kind) chains.
    [[nodiscard]] int updateStoredEntry(int n);
    [[nodiscard]] int isStoredAsSameKind(int n);
    // The drawing's mask index takes id, page and extent; 0 for an element without id.
    [[nodiscard]] int storeExtent();
    // The scale of the view (pixels per drawing unit) the extent was measured at: 0 when the
    // extent comes from the geometry alone and holds at every scale (the default), -1 when it
    // was taken without the view it needs.
    [[nodiscard]] virtual double extentViewScale() { return 0.0; }
    // A smaller box that the element's ink keeps within on every view of at least fromViewScale
    // drawing units per pixel (where its strokes are drawn one pixel wide), when its exact
    // extent reaches further; 0 when there is none (the exact extent holds everywhere).
    [[nodiscard]] virtual int thinInkExtent(Point& lo, Point& hi, double& fromViewScale)
    {
        (void)lo, (void)hi, (void)fromViewScale;
        return 0;
    }
    // For an extent measured on the view at its present scale: the widest line's width (drawing
    // units), at most how many glyphs it holds and the size in pixels its font was asked for
    // (ElementMaskIndex::MeasuredRun); 0 when the extent was not measured so.
    [[nodiscard]] virtual int measuredRun(double& width, double& glyphs, double& emPixels)
    {
        (void)width, (void)glyphs, (void)emPixels;
        return 0;
    }
    // Drawing units per pixel of the drawing's view, what an extent measured in pixels depends
    // on; -1 without a view window.
    [[nodiscard]] static double viewScaleOf(DocumentContext* context);
    // Mode 1 appends extentMin then extentMax (x and y each); mode 3 reads them back. A record
    // that ends early answers 0 and leaves both corners as they were.
    [[nodiscard]] int serializeExtent(ElementRecordBuffer& buffer, int mode);
    // The store of the element's drawing, or null.
    [[nodiscard]] ElementStore* elementStore() const;

    // --- the select tool: handles 0..7 around the extent, pick tests at its cursor ---
    void resetSelectState();
    void drawPointMark(int operation, const Point& point);
    void drawHandleMarks();
    // The first handle 0..7 under the cursor: 1 with its number and flag; 0 leaves both as they
    // were.
    [[nodiscard]] int hitHandleMark(int* handle, int* flag);
    [[nodiscard]] int handlePoint(int k, Point* out) const;
    // For a drag of handle k: the opposite handle as anchor and which axes change; 0 (both flags
    // 0) for k outside 0..7.
    [[nodiscard]] int handleAnchor(int k, int* movesX, int* movesY, Point* anchor) const;
    // 1, 2 or 3 for the first given point under the cursor (a null point ends the search), else 0.
    [[nodiscard]] int pointUnderCursor(const Point* p1, const Point* p2, const Point* p3);
    // The index of the first vertex 0, step, 2 step ... under the cursor, or -1.
    [[nodiscard]] int vertexUnderCursor(const PointList& list, int step);
    // The select tool's outline test; a width below 0.01 is tested as 0.01, position 0 as 1.
    [[nodiscard]] int hitTestOutline(const PointList& points, double width, int position, const EdgeAttributes* edge,
                                     const FillAttributes* fill, const HatchAttributes* hatch);

    // --- point lists and snapping ---
    // Point n (1..3) := p; 0 for another n or a null point.
    [[nodiscard]] static int setPointByNumber(int n, const Point& p, Point* p1, Point* p2, Point* p3);
    [[nodiscard]] static int insertVertexAfter(PointList& list, int i, const Point& p);
    [[nodiscard]] static int removeVertex(PointList& list, int i);
    // Maps p from the box of anchor and the old handle onto the box of anchor and the new one
    // (x when scaleX, y when scaleY; an axis whose old span is nearly zero stays).
    static void rescaleAboutAnchor(Point& p, int scaleX, int scaleY, const Point& anchor, const Point& oldHandle,
                                   const Point& newHandle);
    static void rescaleVertices(PointList& list, int scaleX, int scaleY, const Point& anchor, const Point& oldHandle,
                                const Point& newHandle);
    // p moves onto the nearest given point (ties: the earlier); 1..3, 0 when p1 is null.
    [[nodiscard]] static int snapToNearestOfThree(Point& p, const Point* p1, const Point* p2, const Point* p3);
    // p moves onto the nearest of vertices 0, step, 2 step ... (ties: the earlier); its index,
    // -1 for an empty list.
    [[nodiscard]] static int snapToNearestVertex(Point& p, const PointList& list, int step);
    // p projected onto the edge at the nearest vertex (open: no wrap-around; closed: wraps); 0
    // for an empty list.
    [[nodiscard]] static int snapToNearestEdgeOpen(Point& p, int direction, const PointList& list, int step);
    [[nodiscard]] static int snapToNearestEdgeClosed(Point& p, int direction, const PointList& list, int step);

    // --- extents ---
    void clearSavedExtent();
    void resetAnchorPoints() { clearSavedExtent(); }
    void saveExtent();
    void growSavedExtent();
    void growExtent(const Point& p);

    // --- paper (0.0 for the sizes and 1.0 for the scale terms without paper settings) ---
    [[nodiscard]] double paperWidth() const;
    [[nodiscard]] double paperHeight() const;
    [[nodiscard]] double paperWidthInDrawing() const;
    [[nodiscard]] double paperHeightInDrawing() const;
    [[nodiscard]] double scaleNumerator() const;
    [[nodiscard]] double scaleDenominator() const;
    [[nodiscard]] double largerPaperSide() const;
    [[nodiscard]] double largerPaperSideInDrawing() const;
    [[nodiscard]] int isOnPaper(const Point& p) const;
    // For operations 71, 72 and 73 with the drawing's print settings: the print offset (z 0) and
    // the rotation about it (angle, centre x, centre y, fourth value 0) that the kind's shape
    // takes. 0 and nothing set for any other operation or without print settings.
    [[nodiscard]] int printOffset(int operation, double offset[3], double rotation[4]) const;

    // --- the drawing file's frame of an element section ---
    void takeDocumentLayerAndGroup();
    [[nodiscard]] int openXmlSection();
    [[nodiscard]] int closeXmlSection();
    [[nodiscard]] int writeLayerAndGroup();

    // --- fields and managers of the context ---
    [[nodiscard]] int hasNoId() const { return id < 1; }
    void setLayer(int value) { layer = value; }
    [[nodiscard]] int getLayer() const { return layer; }
    void setGroup(int value) { group = value; }
    [[nodiscard]] int getGroup() const { return group; }
    void setSerial(int value) { serial = value; }
    [[nodiscard]] int getSerial() const { return serial; }
    // The drawing's next serial; 0 without a serial counter.
    [[nodiscard]] int assignSerial();
    // A new element of the kind in hand: id 0 and the context's current page.
    void prepareNew();
    [[nodiscard]] ElementDefaults* elementDefaults(int kindCode) const;
    [[nodiscard]] ViewUpdater* viewUpdater() const;
    [[nodiscard]] SelectToolBase* selectTool() const;
    [[nodiscard]] GridSettings* gridSettings() const;
    [[nodiscard]] PaperSettings* paperSettings() const;
    // Posts the internal event that brings the toolbar buttons up to date; 0 when it could not.
    [[nodiscard]] int postDeferredCommand();
    void postMouseMove();
    // A group of pasted elements (1 or above) becomes the number the drawing's group map gives.
    void remapGroup();

    DocumentContext* context = nullptr; // not owned; null while detached
    Element* self = nullptr;            // receives forwarded operations; set by the kind registry
    int id = 0;                         // the store's number; below 1 until stored
    int kind = 0;                       // 1..19
    int serial = 0;
    int group = 0; // 0 = no group
    int layer = 100;
    int page = 1;
    DrawPoint extentMin;
    DrawPoint extentMax;
    int extentShifted = 0; // 1 while extentMin and extentMax were moved by shiftExtent
    DrawPoint savedExtentMin; // the extent last drawn on the overlay
    DrawPoint savedExtentMax;
    HandleFlags handleFlags;
    int inputPending = 0; // 1: an interrupted creation input resumes with the next mouse event
    int overlayShown = 0; // 1 once the figure was drawn on the overlay during the current input
    int inputResult = 0;  // read and cleared by finishInput
    // 1 once the editor settled the element while one of its mouse loops may still be running (a
    // tool button pumped from inside the loop ends the tool): the loop then gives the mouse back.
    int inputSettled = 0;
    int& inputStateFlag() { return inputPending; }
    int& rubberBandDrawn() { return overlayShown; }

private:
#define KORVANE_ATTRIBUTE_SLOT(type, name, ...) type* name##Slot = nullptr;
#define KORVANE_ATTRIBUTE_SLOT_LATER(type, name) KORVANE_ATTRIBUTE_SLOT(type, name)
    KORVANE_ELEMENT_ATTRIBUTES(KORVANE_ATTRIBUTE_SLOT, KORVANE_ATTRIBUTE_SLOT_LATER)
#undef KORVANE_ATTRIBUTE_SLOT_LATER
#undef KORVANE_ATTRIBUTE_SLOT
    // The holder's readers of the values kept as plain fields (layer, group, serial) and of the
    // points and point list; made by createAllAttributes.
    ElementHolderTags* holderTags = nullptr;
    friend struct ElementHolderTags;
};

// A new element of the base kind, null when memory ran out: the document's attribute holder
// (start-up installs this as makeBaseElement).
[[nodiscard]] Element* newBaseElement();
