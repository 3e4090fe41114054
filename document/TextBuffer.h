#pragma once
#include "platform/GlobalBlock.h"

// The editable text of the text and leader-text elements: Shift-JIS bytes with CR LF line ends
// in one global-memory block, a caret, a selection and the line and column of the caret, with
// the edits of their text input (typing, tab, Backspace, Delete, caret moves with and without
// extending the selection) and the line extraction of their layout.
//
// Positions are byte offsets. A character is one byte; a lead byte (0x80-0x9F, 0xE0-0xFF) with
// the byte after it is one character of two bytes, and so is CR followed by LF. A lead byte as
// the last byte, or before a CR or LF, counts as one byte: a line end is never swallowed, so
// lines are found by their CR and LF bytes alone (neither is ever a trail byte). The character
// before a position is found by scanning forward from its line's start, since a trail byte may
// look like a lead byte.
//
// The selection runs between the anchor and the active end; it exists while they differ. The
// caret is the active end. A move that extends the selection moves the active end (the first one
// sets the anchor at the caret); a move that does not collapses a selection first, to its start
// for Left and Up and to its end for Right and Down, and goes no further for that key.
class TextBuffer {
public:
    static constexpr int kGrowthStep = 1024;
    static constexpr int kTabWidth = 7;
    // Answers of copyNextLine.
    enum LineEnd { kNothingLeft = 0, kTextEnded = 1, kLineFeed = 10, kCarriageReturn = 13 };

    TextBuffer() = default;
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    // Empty text; caret, anchor and active end 0; line bookkeeping cleared; not modified.
    void reset();
    [[nodiscard]] int length() const { return block.count; }
    // The byte at a position, -1 outside the text.
    [[nodiscard]] int byteAt(int position) const;

    // Caret and selection.
    [[nodiscard]] int caretPosition() const { return caret; }
    // The caret at the position (clamped to the text); the selection collapses there.
    void setCaret(int position);
    // The anchor and the active end (the caret), clamped to the text.
    void setSelection(int anchorPosition, int activePosition);
    [[nodiscard]] int hasSelection() const { return anchor != activeEnd; }
    [[nodiscard]] int selectionStart() const { return anchor < activeEnd ? anchor : activeEnd; }
    [[nodiscard]] int selectionEnd() const { return anchor < activeEnd ? activeEnd : anchor; }
    [[nodiscard]] int selectionLength() const { return selectionEnd() - selectionStart(); }

    // Edits. Each answers 1 when the text changed. insert puts n bytes at the caret in place of
    // the selection and moves the caret past them; when the text cannot grow nothing changes
    // (the selection stays too) and the answer is 0. insertChar inserts one character (second
    // byte 0: a one-byte character). The bytes must not be the buffer's own.
    [[nodiscard]] int insert(const char* bytes, int n);
    [[nodiscard]] int insertChar(int first, int second = 0);
    // Deletes n bytes from the position (clamped to the text); the caret ends there.
    [[nodiscard]] int deleteAt(int position, int n);
    [[nodiscard]] int deleteSelection();
    // The selection, else the character before (Backspace) or at (Delete) the caret.
    [[nodiscard]] int backspace();
    [[nodiscard]] int deleteForward();

    // Caret moves by one character or line; `extend` extends the selection.
    void moveLeft(int extend);
    void moveRight(int extend);
    // To the previous (next) line at the same byte column, stepping whole characters and stopping
    // early at the line's CR or LF or the end of the text; nothing on the first (last) line.
    void moveUp(int extend);
    void moveDown(int extend);

    // Bytes of the character that ends at (starts at) a position; 0 at the start (end).
    [[nodiscard]] int charSizeBefore(int position) const;
    [[nodiscard]] int charSizeAt(int position) const;

    // Fills the line bookkeeping below for a position: lines end after their CR, LF or CR LF;
    // the position's line is the first whose end lies beyond it.
    void updateLineInfo(int position);

    // One display line of the text from `position` (in/out) up to `end` into target (at most
    // size - 1 bytes of whole characters, then a terminator): the line's bytes up to its LF, CR
    // or CR LF, which end it and are consumed; a tab becomes blanks up to the next multiple of
    // the tab width of the line's columns; other control characters are dropped. Answers
    // kLineFeed after LF or CR LF, kCarriageReturn after a lone CR, kTextEnded when `end` came
    // first, kNothingLeft when nothing was left.
    [[nodiscard]] int copyNextLine(char* target, int size, int& position, int end) const;
    // The display columns of the bytes [start, start + n): a tab to the next multiple of the tab
    // width, one column per byte of 32 and above, none for other control bytes; CR and LF end
    // the count.
    [[nodiscard]] int displayWidth(int start, int n) const;
    // How many bytes from `start`, in whole characters and up to the line's end, fill at most
    // `width` columns.
    [[nodiscard]] int bytesForWidth(int start, int width) const;

    // The text, or the bytes [start, start + n) of it, into out: at most size - 1 bytes of whole
    // characters and a terminator. The number of bytes copied.
    int copyOut(char* out, int size) const;
    int copyRange(int start, int n, char* out, int size) const;

    // Set by every edit and caret move; the owner clears it after it has redrawn.
    int modified = 0;
    // Caret line bookkeeping (updateLineInfo): 0-based line index, start of the previous line,
    // of the caret's line and of the next line (0 when the caret's line is the last), and the
    // caret's column in bytes from its line's start.
    int lineIndex = 0;
    int previousLineStart = 0;
    int lineStart = 0;
    int nextLineStart = 0;
    int column = 0;
    int tabWidth = kTabWidth;

private:
    // The bytes (null before anything was stored); valid until the next change of the text.
    [[nodiscard]] unsigned char* data() const;
    // The end of the line starting at `start`: after its CR, LF or CR LF (`terminated` 1), or the
    // text's end.
    [[nodiscard]] int lineEndFrom(int start, int& terminated) const;
    // The first position of the line at `start` that is `wanted` bytes in, or before, in whole
    // characters.
    [[nodiscard]] int positionInLine(int start, int wanted) const;
    [[nodiscard]] int clamp(int position) const;
    // The caret at `position` with the selection collapsed there; modified.
    void collapseTo(int position);
    void beginMove(int extend);
    void endMove(int extend);
    [[nodiscard]] int copyBytes(int start, int n, char* out, int size) const;

    // Mutable: reading the bytes locks the block, which does not change the text.
    mutable GlobalBlock block{kGrowthStep, 1};
    int caret = 0;
    int anchor = 0;
    int activeEnd = 0;
};

// The text being typed into the element edited in place; null until start-up makes it.
extern TextBuffer* theTextBuffer;
