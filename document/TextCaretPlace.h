#pragma once
// An interface that this folder and those above call; a folder above implements it.

class DocumentContext;
class Point;

// The caret of the text being edited in place in a drawing: where it stands (drawing
// coordinates), how high (a drawing length, shown at least 3 pixels high at the zoom in force)
// and at which angle, shown over the view window through the application's one TextCaret. The
// document context refreshes, suspends and resumes it around scrolling and resets it when an
// element is settled; the text kinds place it while they are edited.
class TextCaretPlace {
public:
    virtual ~TextCaretPlace() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // When shown: the caret restores itself (after a repaint); 0 when it is not shown.
    virtual int refresh() = 0;
    // Shows again a caret that suspend hid; hides it for a scroll or a repaint.
    virtual int resume() = 0;
    virtual int suspend() = 0;
    // Hidden and released.
    virtual int reset() = 0;

    // At the point (null: where it stood), bound to the view window, shown.
    virtual void showAt(const Point* p) = 0;
    virtual void hide() = 0;
    // The height for a drawing length; the caret is hidden first.
    virtual void setHeight(double length) = 0;
    virtual void setAngle(double degrees) = 0;
    virtual void moveTo(double x, double y) = 0;
    [[nodiscard]] virtual int isShown() const = 0;
};

// The caret place of a drawing (the document member factory's maker), null when memory ran out.
[[nodiscard]] TextCaretPlace* newTextCaretPlace(DocumentContext& owner);
