#pragma once
#include <string>
#include <vector>

#include "document/Element.h"

#include "platform/IntPoint.h"
#include "shapes/TextLines.h"

class TextBuffer;
class TextCaretPlace;
class ViewParams;
class Window;

// The base of the two text kinds (the text and the leader text): the text attributes (rotation
// angle, font, text spacing, the text string), the layout that turns the Shift-JIS bytes into
// lines with widths and a caret location, and in-place editing: caret, selection, typed
// characters, editing keys, selection with the mouse, clipboard and the undo records of every
// change. The kinds fill the record, the shape, the files and the creation.
//
// Layout, in drawing units: the anchor (the kind's first point) is the top-left corner of the
// first line before the rotation; line i lies i line pitches (the font size times 1.2) below it.
// Line widths are the widths of the bytes in the view window with the element's font at the
// zoom in force, so they follow the screen: without a view window every width is 0.
//
// Lines end at CR, LF or CR LF; a text that ends with a line end has an empty last line (where
// the caret goes after Enter). An empty text has no lines.
class TextElementBase : public Element {
public:
    // One line: the bytes [start, end) without its line end.
    using Line = TextLine;
    // The most typed bytes one key event collects.
    static constexpr int kTypedChunk = 255;

    // --- the text ---
    [[nodiscard]] TextBuffer* textBuffer() const;
    // The whole text as bytes.
    [[nodiscard]] std::string textBytes() const;
    [[nodiscard]] int textLength() const;
    [[nodiscard]] static bool isLineEnd(char c) { return isTextLineEnd(c); }
    // The lines of bytes (the text as textBytes gives it).
    static void splitLines(const std::string& bytes, std::vector<Line>& lines) { splitTextLines(bytes, lines); }

    // --- layout (drawing units) ---
    [[nodiscard]] DrawPoint* anchor() const;
    void setAnchor(double x, double y);
    [[nodiscard]] double fontSize() const;
    [[nodiscard]] double linePitch() const;
    // The width of a line's bytes; 0 without a view window.
    [[nodiscard]] double lineWidth(const std::string& bytes, const Line& line);
    // Width and height of the text block; 0 by 0 for an empty text.
    void textExtent(double& width, double& height);
    // The top of the caret's line at the caret, turned with the text; 0 without a view window,
    // view or anchor.
    [[nodiscard]] int caretLocation(Point& out);
    // The byte offset of the character boundary under a view device point; -1 for none (a point
    // outside the text when extend is 0; below the last line counts as the last line with
    // extend 1).
    [[nodiscard]] int indexAtPoint(const IntPoint& device, int extend);
    // The rotation angle in degrees (0 without one).
    [[nodiscard]] double rotationAngle() const;

    // --- the caret ---
    void showCaretAtAnchor();
    void showCaretAtCaret();
    void placeCaret();
    void hideCaret();

    // --- editing ---
    // Typed bytes at the caret in place of the selection, recorded for undo (a typing record,
    // or a replace record over a selection). A lead byte at the end waits for its trail byte in
    // the next call (or the end of the edit), so that no pair is split.
    void insertTyped(const char* bytes, int n);
    // The key of the current event (Backspace, Delete, the arrows, Escape), else the typed
    // characters waiting. 0 when the element is not being edited.
    int processKey();
    // 3 when the click is on a stored element of this kind, which is then edited; 0 otherwise.
    [[nodiscard]] int beginEditAtCursor();
    // The mouse while the text is edited: -1 aborted (also when the text was settled meanwhile),
    // 21 right button, 15 double click.
    [[nodiscard]] int trackEditMouse();
    // Enters editing: input state 2, editing flag and in-progress flag set.
    void enterEditing();
    // A stored text about to be edited in place leaves the painter, and page redraws step over
    // it until the edit ends: the overlay shows it as it is typed, and a shorter or rearranged
    // text would otherwise show through the old one.
    void leavePainterForEdit();
    [[nodiscard]] int isEditing() const { return editing; }
    [[nodiscard]] int isEditedInPlace() const override { return editing; }

    void createTextAttributes();
    void releaseTextAttributes();

    // --- Element ---
    void resetInputState() override;
    void redrawInputOverlay() override;
    void handleKey() override;
    // One typed character (second 0: a one-byte character); 0.
    int insertCharacters(int first, int second) override;
    void beginTextEditAtStart() override;
    void beginTextEdit() override;
    void setCaretPosition(int position) override;
    void setTextSelection(int start, int end) override;
    void insertTextAt(int position, const char* bytes, int length) override;
    void deleteTextAt(int position, int length) override;
    void hideInputOverlay() override;
    [[nodiscard]] int selectedTextLength() override;
    [[nodiscard]] GlobalBlock* copySelectedText() override;
    void cutSelectedText() override;
    void deleteSelectedText() override;
    void insertText(const char* bytes, int length) override;
    // The input state while the text was being edited (1 new, 2 stored back), else 0. A stored
    // text edited down to nothing is deleted instead (with an undo record) and the answer is 0.
    [[nodiscard]] int finishInput() override;
    // A text edited in place ends its edit: its caret goes and page redraws draw that id again.
    int releaseStoredId() override;
    void showPickColour() override;
    // The text block is measured in the view's pixels, with the font at the pixel height of the
    // view's scale.
    [[nodiscard]] double extentViewScale() override;
    // The widest line of the last textExtent, when it was measured on the view at its present
    // scale.
    [[nodiscard]] int measuredRun(double& width, double& glyphs, double& emPixels) override;

protected:
    [[nodiscard]] TextCaretPlace* caretPlace() const;
    [[nodiscard]] Window* viewWindow() const;
    // Selects the element's font into the view window; the font's pixel height, 0 without one.
    int selectFont();
    // Pixels of the view as drawing units.
    [[nodiscard]] double pixelsToDrawing(double pixels) const;
    // Point p turned about the anchor by angle degrees.
    void turnAboutAnchor(Point& p, double angle) const;
    void saveCaret();
    void restoreCaret();
    [[nodiscard]] int dragSelect();
    // Follows the mouse until the left button is up; 0 when the tracking was cancelled.
    [[nodiscard]] static int waitForRelease(ViewParams& view);
    void deleteBefore();
    void deleteAfter();
    void removeSelection(int forCut);
    void moveCaret(int key, int extend);
    // Deletes this stored element with an undo record (an edit that left the text empty).
    void deleteEmptied();

    // What the last textExtent measured (scale 0: nothing on the view); a record read forgets it.
    struct {
        double width = 0.0;
        double glyphs = 0.0;
        double emPixels = 0.0;
        double scale = 0.0;
    } lastRun;
    int editing = 0;    // 1 while edited in place
    int inputState = 0; // 1 new, 2 a stored element edited
    int savedCaret = 0;
    int savedAnchor = 0;
    int savedEnd = 0;
    int heldLead = 0;   // a typed lead byte waiting for its trail byte
    int pressCount = 0; // presses since the last double click, for telling the second one
    IntPoint lastPress;
};
