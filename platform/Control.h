#pragma once
#include <windows.h>

#include "platform/IntPoint.h"
#include "platform/IntRect.h"

class Container;
class ColorDialog;
class DeviceContext;
class RgbColor;
class Window;

// Base of every control object of a dialog and of the dialog classes themselves. A control binds
// to the dialog item with its id; it does not create the item. The kinds share one wide
// interface: each kind fills the operations of its own group, and every other operation keeps the
// harmless default of this base (does nothing, answers 0; the number getters also clear the
// caller's changed flag).
//
// A control is attached when its id is at least 1 and its owner has a window; every operation
// that talks to the item window does nothing and answers 0 while it is not.
class Control {
public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Kind-specific clean-up before destruction (a kind that owns items frees them here).
    virtual void release() {}
    virtual void setKind(int newKind) { kind = newKind; }
    // Range of the lists that a scroll-bar control follows.
    [[nodiscard]] virtual int getScrollRange(int* minimum, int* maximum, int* page);
    virtual int setLabel(const char*) { return 0; }

    // Check list
    virtual void clear() {}
    virtual int addItem(int /*checked*/, const char* /*text*/) { return 0; }
    [[nodiscard]] virtual int isItemChecked(int) { return 0; }
    virtual int setItemChecked(int, int) { return 0; }
    // Lists: item `index` into the buffer (the other overload reads the item window's text).
    [[nodiscard]] virtual int getItemText(int /*index*/, char* buffer, int size);
    virtual int setItemText(int /*index*/, const char*) { return 0; }
    virtual void repaintRow(int) {}
    virtual void repaint() {}
    virtual int clickAt() { return 0; }
    [[nodiscard]] virtual int getSelected() { return -1; }
    [[nodiscard]] virtual int getLastToggled() { return -1; }
    virtual void scrollTo(int) {}

    // Check box (and, with check/uncheck/isChecked, the radio button)
    virtual int setCheck(int) { return 0; }
    virtual int check() { return 0; }
    virtual int uncheck() { return 0; }
    [[nodiscard]] virtual int isChecked() { return 0; }
    virtual void onToggle() {}

    // Numbers and texts
    virtual void setRounding(int) {}
    virtual int setDouble(double) { return 0; }
    [[nodiscard]] virtual double getDouble(int* changed, int /*store*/);
    // 1 when the field's text holds a number the field's own reading finds (getDouble, getInt);
    // 0 for an empty text, text without one ("abc") and every kind that reads no number.
    [[nodiscard]] virtual int holdsNumber() { return 0; }
    virtual void setCompareSize(int) {}
    // SetDlgItemTextA; 1 when set.
    virtual int setText(const char* text);
    // GetDlgItemTextA of at most size - 1 bytes, cut on a character boundary; 1 when a non-empty
    // text was read.
    [[nodiscard]] virtual int getText(char* buffer, int size);
    [[nodiscard]] virtual int isTextChanged() { return 0; }
    virtual int setInt(int) { return 0; }
    virtual int showInt(int) { return 0; }
    [[nodiscard]] virtual int getInt(int* changed);
    // The field's text judged as a number of low..high: 1 when the whole text is one whole
    // number (blanks around it and a leading '+' or '-' allowed) within them (it becomes the
    // field's value and `number`); -1 for any other text ("15abc", "17.5", "1 6", "abc") and for
    // a number beyond them however many digits it has; 0 when the text is empty (or blanks) or
    // the kind reads none. The field's value and `number` stay but for 1. Nothing is shown.
    [[nodiscard]] virtual int readIntInRange(int /*low*/, int /*high*/, int& /*number*/) { return 0; }

    // List box (reset, addString and getSelection also serve the combo box)
    virtual int reset() { return 0; }
    virtual int addString(const char*) { return 0; }
    virtual int deleteString(int) { return 0; }
    [[nodiscard]] virtual int count() { return 0; }
    [[nodiscard]] virtual int getSelection() { return 0; }
    [[nodiscard]] virtual int textLength(int) { return -1; }
    [[nodiscard]] virtual int getTextAt(int /*index*/, char* buffer, int size);

    // Picture
    virtual void setBitmapId(int) {}
    virtual void setNaturalSize(int) {}
    [[nodiscard]] virtual int getBitmapSize(IntRect*) { return 0; }

    // Drop-down chooser (addItem with a text also serves the text list)
    virtual int addItem(const char*) { return 0; }
    [[nodiscard]] virtual int getCurrent() { return 0; }
    virtual int choose(int) { return 0; }
    virtual int setupPopup(int, int, int) { return 0; }
    virtual int openPopup() { return 0; }
    [[nodiscard]] virtual int isChanged() { return 0; }
    virtual void setTarget(Control*) {}

    // Progress bar and up-down control. Progress values are byte counts of large files, so the
    // range is 64-bit; the up-down control keeps 16-bit values.
    virtual void setRange(long long, long long) {}
    virtual void setValue(long long) {}

    // Combo box (1-based items)
    virtual int selectByPrefix(const char*, int) { return -1; }
    virtual int selectByText(const char*) { return -1; }
    // Combo box: item i (1-based); text list: row i.
    virtual int select(int) { return 0; }
    [[nodiscard]] virtual int getSelectedText(char* buffer, int size);

    // Up-down control
    virtual void setBuddy(Control*) {}

    // Scroll-bar control
    virtual void linkTo(Control*) {}
    virtual void notifyLinked() {}
    virtual void bindToItem() {}
    [[nodiscard]] virtual int position() { return 0; }
    virtual void setPosition(int) {}
    virtual void setRangeKeepPosition(int, int, int) {}

    // Colour swatch
    virtual void setColour(const RgbColor*) {}
    [[nodiscard]] virtual RgbColor* getColour() { return nullptr; }
    virtual void setSource(ColorDialog*) {}
    [[nodiscard]] virtual int chooseColour() { return 0; }

    // Text list
    [[nodiscard]] virtual int itemCount() { return 0; }
    virtual int removeItem(int) { return 0; }
    [[nodiscard]] virtual int getTag() { return 0; }
    virtual void setTag(int) {}

    // Events and life. onCommand is event 904, onClick 1201, onScroll 1901, onChange 902.
    virtual void onCommand() {}
    virtual void onClick() {}
    virtual void onScroll() {}
    virtual void onScrollTo(int) {}
    virtual void onChange() {}
    // The input-method mode the control wants while it has the focus.
    virtual void setImeMode() {}
    // Repaints owner-drawn content.
    virtual void refresh() {}
    // Looks up the item window and takes its client rectangle; 0 when not attached.
    [[nodiscard]] virtual int attach();
    virtual void enable();
    virtual void disable();
    virtual void onScrollNotify(int /*code*/, int /*position*/) {}
    virtual void onAttached() {}

    // Item window helpers
    [[nodiscard]] int isAttached() const;
    [[nodiscard]] HWND ownerWindow() const;
    HWND lookupWindow();
    [[nodiscard]] int getItemText(char* buffer, int size);
    int setItemText(const char* text);
    LRESULT sendItemMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void setEnabled(int flag);
    [[nodiscard]] IntRect getClientRect() const { return clientRect; }
    // |lfHeight| of DEFAULT_GUI_FONT, found on first use.
    [[nodiscard]] int getFontHeight();
    // A window object on the item window (or, without one, the owner's window) with its device
    // context acquired and a transparent background; give it back to releaseDrawingWindow. While
    // paintTarget is set, the window object draws on that device context instead.
    [[nodiscard]] Window* createDrawingWindow();
    static void releaseDrawingWindow(Window* drawing);
    // The cursor in client coordinates of that same window.
    [[nodiscard]] IntPoint cursorPos() const;
    // 1 when the cursor lies in the client rectangle, edges included (0 without an item window).
    [[nodiscard]] int isCursorInside() const;
    void setDefaultFont();

    Container* owner = nullptr;
    int id = 0;
    int kind = 0;
    IntRect clientRect;
    int fontHeight = 0;
    Control* linkedControl = nullptr;
    int drawOffsetX = 0;
    int drawOffsetY = 0;
    HWND window = nullptr;
    // A device context that owner-drawn content goes to instead of the item window, in the item's
    // client coordinates (off-screen painting; tests read the pixels back from it). Not owned.
    HDC paintTarget = nullptr;

private:
    [[nodiscard]] HWND drawingTarget() const;
};

// A control's drawing window (createDrawingWindow) for one scope: made when the control is
// attached, its item looked up when that has not happened yet (without an item the owner's window
// is drawn on); given back when the scope ends. Test it before drawing.
class ControlDrawing {
public:
    explicit ControlDrawing(Control& control);
    ~ControlDrawing() { Control::releaseDrawingWindow(window_); }
    ControlDrawing(const ControlDrawing&) = delete;
    ControlDrawing& operator=(const ControlDrawing&) = delete;

    explicit operator bool() const { return window_ != nullptr; }
    [[nodiscard]] Window& window() const { return *window_; }
    [[nodiscard]] DeviceContext& dc() const;

private:
    Window* window_ = nullptr;
};
