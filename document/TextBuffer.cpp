#include "document/TextBuffer.h"

#include <cstring>

#include "platform/StringUtil.h"

TextBuffer* theTextBuffer = nullptr;

namespace {

bool isLineEnd(unsigned char b) { return b == '\r' || b == '\n'; }

} // namespace

unsigned char* TextBuffer::data() const
{
    // The block stays locked from its allocation on (see GlobalBlock), so the pointer is stable
    // until the next change of the text.
    if (!block.handle)
        return nullptr;
    auto* bytes = static_cast<unsigned char*>(block.lock());
    block.unlock();
    return bytes;
}

void TextBuffer::reset()
{
    block.count = 0;
    caret = anchor = activeEnd = 0;
    lineIndex = previousLineStart = lineStart = nextLineStart = column = 0;
    modified = 0;
}

int TextBuffer::byteAt(int position) const
{
    const unsigned char* d = data();
    return d && position >= 0 && position < length() ? d[position] : -1;
}

int TextBuffer::clamp(int position) const
{
    if (position < 0)
        return 0;
    return position > length() ? length() : position;
}

void TextBuffer::collapseTo(int position)
{
    caret = anchor = activeEnd = clamp(position);
    modified = 1;
}

void TextBuffer::setCaret(int position) { collapseTo(position); }

void TextBuffer::setSelection(int anchorPosition, int activePosition)
{
    anchor = clamp(anchorPosition);
    caret = activeEnd = clamp(activePosition);
    modified = 1;
}

int TextBuffer::charSizeAt(int position) const
{
    const unsigned char* d = data();
    const int n = length();
    if (!d || position < 0 || position >= n)
        return 0;
    if (position + 1 >= n)
        return 1;
    const unsigned char b = d[position];
    const unsigned char next = d[position + 1];
    if (b == '\r')
        return next == '\n' ? 2 : 1;
    return StringUtil::isLeadByte(b) && !isLineEnd(next) ? 2 : 1;
}

int TextBuffer::charSizeBefore(int position) const
{
    const unsigned char* d = data();
    position = clamp(position);
    if (!d || position == 0)
        return 0;
    if (d[position - 1] == '\n')
        return position >= 2 && d[position - 2] == '\r' ? 2 : 1;
    if (d[position - 1] == '\r')
        return 1;
    int start = position - 1;
    while (start > 0 && !isLineEnd(d[start - 1]))
        --start;
    // Forward from the line's start: the character that reaches the position ends there.
    for (int q = start;;) {
        const int size = charSizeAt(q);
        if (q + size >= position)
            return position - q;
        q += size;
    }
}

int TextBuffer::insert(const char* bytes, int n)
{
    if (!bytes || n < 1 || n > 0x7fffffff - length())
        return 0;
    // Room first: a text that cannot grow keeps its selection as well.
    if (!block.reserveMore(n))
        return 0;
    if (hasSelection())
        (void)deleteSelection(); // there is one: it goes
    caret = clamp(caret);
    unsigned char* d = data();
    if (!d)
        return 0;
    std::memmove(d + caret + n, d + caret, static_cast<size_t>(length() - caret));
    std::memcpy(d + caret, bytes, static_cast<size_t>(n));
    block.count += n;
    collapseTo(caret + n);
    return 1;
}

int TextBuffer::insertChar(int first, int second)
{
    const char bytes[2] = {static_cast<char>(first), static_cast<char>(second)};
    return insert(bytes, second ? 2 : 1);
}

int TextBuffer::deleteAt(int position, int n)
{
    collapseTo(position);
    const int available = length() - caret;
    if (n > available)
        n = available;
    if (n < 1)
        return 0;
    unsigned char* d = data();
    std::memmove(d + caret, d + caret + n, static_cast<size_t>(available - n));
    block.count -= n;
    collapseTo(caret);
    return 1;
}

int TextBuffer::deleteSelection()
{
    if (!hasSelection())
        return 0;
    return deleteAt(selectionStart(), selectionLength());
}

int TextBuffer::backspace()
{
    if (hasSelection())
        return deleteSelection();
    const int size = charSizeBefore(caret);
    return size > 0 ? deleteAt(caret - size, size) : 0;
}

int TextBuffer::deleteForward()
{
    if (hasSelection())
        return deleteSelection();
    const int size = charSizeAt(caret);
    return size > 0 ? deleteAt(caret, size) : 0;
}

void TextBuffer::beginMove(int extend)
{
    if (extend && !hasSelection())
        anchor = caret;
}

void TextBuffer::endMove(int extend)
{
    caret = clamp(caret);
    activeEnd = caret;
    if (!extend)
        anchor = caret;
    modified = 1;
}

void TextBuffer::moveLeft(int extend)
{
    if (!extend && hasSelection()) {
        collapseTo(selectionStart());
        return;
    }
    beginMove(extend);
    caret -= charSizeBefore(caret);
    endMove(extend);
}

void TextBuffer::moveRight(int extend)
{
    if (!extend && hasSelection()) {
        collapseTo(selectionEnd());
        return;
    }
    beginMove(extend);
    caret += charSizeAt(caret);
    endMove(extend);
}

void TextBuffer::moveUp(int extend)
{
    if (!extend && hasSelection()) {
        collapseTo(selectionStart());
        return;
    }
    beginMove(extend);
    updateLineInfo(caret);
    if (lineIndex > 0)
        caret = positionInLine(previousLineStart, column);
    endMove(extend);
}

void TextBuffer::moveDown(int extend)
{
    if (!extend && hasSelection()) {
        collapseTo(selectionEnd());
        return;
    }
    beginMove(extend);
    updateLineInfo(caret);
    if (nextLineStart > 0)
        caret = positionInLine(nextLineStart, column);
    endMove(extend);
}

int TextBuffer::lineEndFrom(int start, int& terminated) const
{
    const unsigned char* d = data();
    const int n = length();
    terminated = 0;
    for (int i = start; d && i < n; ++i) {
        if (d[i] == '\n' || d[i] == '\r') {
            terminated = 1;
            return d[i] == '\r' && i + 1 < n && d[i + 1] == '\n' ? i + 2 : i + 1;
        }
    }
    return n;
}

int TextBuffer::positionInLine(int start, int wanted) const
{
    const unsigned char* d = data();
    int q = start;
    while (d && q < length() && !isLineEnd(d[q])) {
        const int size = charSizeAt(q);
        if (q + size - start > wanted)
            break;
        q += size;
    }
    return q;
}

void TextBuffer::updateLineInfo(int position)
{
    position = clamp(position);
    int start = 0;
    int previous = 0;
    int index = 0;
    for (;;) {
        int terminated = 0;
        const int end = lineEndFrom(start, terminated);
        // Every terminated line ends past its start, so the walk ends.
        if (position < end || !terminated) {
            lineIndex = index;
            previousLineStart = index > 0 ? previous : 0;
            lineStart = start;
            nextLineStart = terminated ? end : 0;
            column = position - start;
            return;
        }
        previous = start;
        start = end;
        ++index;
    }
}

int TextBuffer::copyNextLine(char* target, int size, int& position, int end) const
{
    if (target && size > 0)
        target[0] = 0;
    const unsigned char* d = data();
    if (end > length())
        end = length();
    if (!d || position < 0 || position >= end)
        return kNothingLeft;
    int stored = 0;
    int columns = 0;
    int result = kTextEnded;
    int p = position;
    // Whole characters while they fit before the terminator; the rest of the line is read over.
    const int room = target && size > 0 ? size - 1 : 0;
    bool full = false;
    auto put = [&](const unsigned char* bytes, int n) {
        if (!full && stored + n <= room) {
            std::memcpy(target + stored, bytes, static_cast<size_t>(n));
            stored += n;
        } else {
            full = true;
        }
    };
    while (p < end) {
        const unsigned char b = d[p];
        if (b == '\n') {
            ++p;
            result = kLineFeed;
            break;
        }
        if (b == '\r') {
            ++p;
            result = kCarriageReturn;
            if (p < end && d[p] == '\n') {
                ++p;
                result = kLineFeed;
            }
            break;
        }
        if (b == '\t') {
            const unsigned char blank = ' ';
            for (int blanks = tabWidth - columns % tabWidth; blanks > 0; --blanks, ++columns)
                put(&blank, 1);
            ++p;
            continue;
        }
        if (b < 32) {
            ++p;
            continue;
        }
        int n = charSizeAt(p);
        if (p + n > end)
            n = end - p;
        put(d + p, n);
        columns += n;
        p += n;
    }
    if (target && size > 0)
        target[stored] = 0;
    position = p;
    return result;
}

int TextBuffer::displayWidth(int start, int n) const
{
    const unsigned char* d = data();
    start = clamp(start);
    const int end = n > length() - start ? length() : start + (n > 0 ? n : 0);
    int columns = 0;
    for (int p = start; d && p < end; ++p) {
        const unsigned char b = d[p];
        if (isLineEnd(b))
            break;
        if (b == '\t')
            columns = (columns / tabWidth + 1) * tabWidth;
        else if (b >= 32)
            ++columns;
    }
    return columns;
}

int TextBuffer::bytesForWidth(int start, int width) const
{
    const unsigned char* d = data();
    start = clamp(start);
    int columns = 0;
    int p = start;
    while (d && p < length() && !isLineEnd(d[p])) {
        const unsigned char b = d[p];
        const int size = charSizeAt(p);
        const int next = b == '\t' ? (columns / tabWidth + 1) * tabWidth : b >= 32 ? columns + size : columns;
        if (next > width)
            break;
        columns = next;
        p += size;
    }
    return p - start;
}

int TextBuffer::copyBytes(int start, int n, char* out, int size) const
{
    if (!out || size < 1)
        return 0;
    out[0] = 0;
    const unsigned char* d = data();
    start = clamp(start);
    if (n > length() - start)
        n = length() - start;
    if (!d || n < 1)
        return 0;
    // Whole characters only: the cut falls before a character that would not fit.
    int copied = 0;
    while (copied < n) {
        int step = charSizeAt(start + copied);
        if (step < 1 || copied + step > n)
            step = n - copied;
        if (copied + step > size - 1)
            break;
        copied += step;
    }
    std::memcpy(out, d + start, static_cast<size_t>(copied));
    out[copied] = 0;
    return copied;
}

int TextBuffer::copyOut(char* out, int size) const { return copyBytes(0, length(), out, size); }

int TextBuffer::copyRange(int start, int n, char* out, int size) const { return copyBytes(start, n, out, size); }
