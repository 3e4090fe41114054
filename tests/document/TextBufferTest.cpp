// The editable text of the text elements: whole Shift-JIS characters and CR LF pairs under
// Backspace, Delete and the caret, selections replaced by typing, the lines the layout takes out
// and their display columns.
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "document/TextBuffer.h"

namespace {

std::string textOf(const TextBuffer& buffer)
{
    std::vector<char> out(static_cast<size_t>(buffer.length()) + 1);
    buffer.copyOut(out.data(), static_cast<int>(out.size()));
    return std::string(out.data(), static_cast<size_t>(buffer.length()));
}

void fill(TextBuffer& buffer, const std::string& text, int caret)
{
    buffer.reset();
    ASSERT_EQ(buffer.insert(text.data(), static_cast<int>(text.size())), text.empty() ? 0 : 1);
    buffer.setCaret(caret);
}

// The position is a character start: scanning whole characters from the text's start meets it.
bool isCharacterStart(const TextBuffer& buffer, int position)
{
    int q = 0;
    while (q < position)
        q += buffer.charSizeAt(q);
    return q == position;
}

TEST(TextBuffer, BackspaceAndDeleteTakeWholeCharacters)
{
    struct Case {
        const char* what;
        std::string text;
        int caret;
        bool backspace;
        std::string after;
        int caretAfter;
    } cases[] = {
        {"after ソ (83 5C)", "aソ", 3, true, "a", 1},
        {"ソソ: the second one", "ソソ", 4, true, "ソ", 2},
        {"after 表 (95 5C)", "表", 2, true, "", 0},
        {"after CR LF", "ab\r\n", 4, true, "ab", 2},
        {"joining two lines", "ab\r\ncd", 4, true, "abcd", 2},
        {"after a lone CR", "a\rb", 2, true, "ab", 1},
        {"after a lone LF", "a\nb", 2, true, "ab", 1},
        {"a lead byte as the last byte", "a\x83", 2, true, "a", 1},
        {"at the start: nothing", "ab", 0, true, "ab", 0},
        {"Delete: CR LF", "a\r\nb", 1, false, "ab", 1},
        {"Delete: two bytes", "ソa", 0, false, "a", 0},
        {"Delete: a lead byte before CR LF", "a\x83\r\n", 1, false, "a\r\n", 1},
        {"Delete at the end: nothing", "ab", 2, false, "ab", 2},
    };
    for (const Case& c : cases) {
        TextBuffer buffer;
        fill(buffer, c.text, c.caret);
        buffer.modified = 0;
        const int changed = c.backspace ? buffer.backspace() : buffer.deleteForward();
        EXPECT_EQ(changed, c.after != c.text ? 1 : 0) << c.what;
        EXPECT_EQ(textOf(buffer), c.after) << c.what;
        EXPECT_EQ(buffer.caretPosition(), c.caretAfter) << c.what;
        EXPECT_EQ(buffer.modified, changed) << c.what;
    }
}

TEST(TextBuffer, CaretMovesStepWholeCharactersAndKeepTheColumn)
{
    // Lines: "abcdef" (0..5, CR LF 6..7), "ab" (8..9, CR 10), "表ソ" (11..14), LF 15, "" (16).
    const std::string text = "abcdef\r\nab\r表ソ\n";
    enum Key { Left, Right, Up, Down };
    struct Case {
        const char* what;
        int caret;
        Key key;
        int after;
    } cases[] = {
        {"left over 表", 13, Left, 11},
        {"left over CR LF", 8, Left, 6},
        {"right over CR LF", 6, Right, 8},
        {"right over ソ", 13, Right, 15},
        {"right at the end", 16, Right, 16},
        {"left at the start", 0, Left, 0},
        {"down from a long line stops at the shorter line's CR", 5, Down, 10},
        {"down keeps the byte column", 1, Down, 9},
        {"down into two-byte characters: whole ones only", 9, Down, 11},
        {"down from column 2 lands after 表", 10, Down, 13},
        {"down onto the empty last line", 13, Down, 16},
        {"up from the empty last line", 16, Up, 11},
        {"up to the longer line", 9, Up, 1},
        {"up on the first line: nothing", 3, Up, 3},
        {"down on the last line: nothing", 16, Down, 16},
    };
    for (const Case& c : cases) {
        TextBuffer buffer;
        fill(buffer, text, c.caret);
        switch (c.key) {
        case Left: buffer.moveLeft(0); break;
        case Right: buffer.moveRight(0); break;
        case Up: buffer.moveUp(0); break;
        case Down: buffer.moveDown(0); break;
        }
        EXPECT_EQ(buffer.caretPosition(), c.after) << c.what;
        EXPECT_FALSE(buffer.hasSelection()) << c.what;
    }

    // The bookkeeping of the caret's line.
    TextBuffer buffer;
    fill(buffer, text, 0);
    struct Line {
        int position, index, previous, start, next, column;
    } lines[] = {{0, 0, 0, 0, 8, 0}, {7, 0, 0, 0, 8, 7}, {9, 1, 0, 8, 11, 1}, {14, 2, 8, 11, 16, 3}, {16, 3, 11, 16, 0, 0}};
    for (const Line& l : lines) {
        buffer.updateLineInfo(l.position);
        EXPECT_EQ(buffer.lineIndex, l.index) << l.position;
        EXPECT_EQ(buffer.previousLineStart, l.previous) << l.position;
        EXPECT_EQ(buffer.lineStart, l.start) << l.position;
        EXPECT_EQ(buffer.nextLineStart, l.next) << l.position;
        EXPECT_EQ(buffer.column, l.column) << l.position;
    }
}

TEST(TextBuffer, SelectionsGrowByExtendingMovesAndCollapseToTheirEdge)
{
    TextBuffer buffer;
    fill(buffer, "abソcd\r\nef", 2);
    buffer.moveRight(1);
    buffer.moveRight(1);
    EXPECT_EQ(buffer.selectionStart(), 2) << "the first extending move set the anchor";
    EXPECT_EQ(buffer.selectionEnd(), 5);
    EXPECT_EQ(buffer.selectionLength(), 3);
    buffer.moveLeft(0);
    EXPECT_EQ(buffer.caretPosition(), 2) << "Left goes to the selection's start and no further";
    EXPECT_FALSE(buffer.hasSelection());

    buffer.moveLeft(1);
    buffer.moveLeft(1);
    EXPECT_EQ(buffer.selectionStart(), 0);
    EXPECT_EQ(buffer.selectionEnd(), 2);
    buffer.moveRight(0);
    EXPECT_EQ(buffer.caretPosition(), 2) << "Right goes to the selection's end and no further";

    buffer.moveDown(1);
    EXPECT_EQ(buffer.selectionEnd(), 10) << "the shorter line's end";
    buffer.moveUp(0);
    EXPECT_EQ(buffer.caretPosition(), 2) << "Up collapses to the start";
    buffer.setSelection(7, 3);
    buffer.moveDown(0);
    EXPECT_EQ(buffer.caretPosition(), 7) << "Down collapses to the end";

    // Typing over a selection replaces it; Backspace and Delete take it whole.
    buffer.setSelection(2, 4);
    ASSERT_EQ(buffer.insertChar('X'), 1);
    EXPECT_EQ(textOf(buffer), "abXcd\r\nef");
    EXPECT_EQ(buffer.caretPosition(), 3);
    buffer.setSelection(5, 1);
    ASSERT_EQ(buffer.insertChar(0x82, 0xA0), 1);
    EXPECT_EQ(textOf(buffer), "aあ\r\nef");
    EXPECT_EQ(buffer.caretPosition(), 3);
    buffer.setSelection(0, 3);
    ASSERT_EQ(buffer.backspace(), 1);
    EXPECT_EQ(textOf(buffer), "\r\nef");
    buffer.setSelection(4, 2);
    ASSERT_EQ(buffer.deleteForward(), 1);
    EXPECT_EQ(textOf(buffer), "\r\n");
    EXPECT_EQ(buffer.deleteSelection(), 0);
    EXPECT_EQ(buffer.insert("x", 0), 0);
    EXPECT_EQ(buffer.insert(nullptr, 3), 0);
}

TEST(TextBuffer, LinesComeOutWithTabsExpandedAndTheirEnd)
{
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::pair<std::string, int>> lines; // the line and the answer, up to 0
    } cases[] = {
        {"every end", "abc\tx\r\nde\rf\ng",
         {{"abc    x", 10}, {"de", 13}, {"f", 10}, {"g", 1}, {"", 0}}},
        {"a tab at the line's start is 7 blanks", "\tx", {{"       x", 1}, {"", 0}}},
        {"a tab after a two-byte character", "あ\t", {{"あ     ", 1}, {"", 0}}},
        {"two tabs", "a\t\tb", {{"a             b", 1}, {"", 0}}},
        {"other control characters are dropped", "a\x01\x1b" "b\r\n", {{"ab", 10}, {"", 0}}},
        {"an empty line between two", "a\r\n\r\nb", {{"a", 10}, {"", 10}, {"b", 1}, {"", 0}}},
        {"nothing at all", "", {{"", 0}}},
    };
    for (const Case& c : cases) {
        TextBuffer buffer;
        fill(buffer, c.text, 0);
        int position = 0;
        for (const auto& expected : c.lines) {
            char line[64] = "junk";
            EXPECT_EQ(buffer.copyNextLine(line, sizeof line, position, buffer.length()), expected.second) << c.what;
            EXPECT_EQ(line, expected.first) << c.what;
        }
    }

    // A target too small keeps whole characters and the line is still read over; an end before
    // the text's end ends the line there.
    TextBuffer buffer;
    fill(buffer, "abあcd\r\nz", 0);
    char small[4];
    int position = 0;
    EXPECT_EQ(buffer.copyNextLine(small, sizeof small, position, buffer.length()), 10);
    EXPECT_STREQ(small, "ab");
    EXPECT_EQ(position, 8);
    position = 0;
    char line[16];
    EXPECT_EQ(buffer.copyNextLine(line, sizeof line, position, 3), 1);
    EXPECT_STREQ(line, "ab\x82");
    EXPECT_EQ(buffer.copyNextLine(line, sizeof line, position, 3), 0);
}

TEST(TextBuffer, DisplayColumnsAndTheirBytes)
{
    TextBuffer buffer;
    fill(buffer, "ab\tあ\x01x\r\nlong", 0);
    struct Case {
        int start, n, columns;
    } widths[] = {{0, 2, 2}, {0, 3, 7}, {0, 5, 9}, {0, 6, 9}, {0, 7, 10}, {0, 100, 10}, {3, 2, 2}, {7, 4, 0}, {9, 4, 4}};
    for (const Case& c : widths)
        EXPECT_EQ(buffer.displayWidth(c.start, c.n), c.columns) << c.start << "+" << c.n;
    struct Fill {
        int start, width, bytes;
    } fills[] = {{0, 1, 1}, {0, 6, 2}, {0, 7, 3}, {0, 8, 3}, {0, 9, 6}, {0, 50, 7}, {9, 3, 3}, {9, 9, 4}};
    for (const Fill& f : fills)
        EXPECT_EQ(buffer.bytesForWidth(f.start, f.width), f.bytes) << f.start << " " << f.width;
}

TEST(TextBuffer, GrowsPastItsStepAndCopiesOutWholeCharacters)
{
    TextBuffer buffer;
    std::string big;
    for (int i = 0; i < 1500; ++i)
        big += "表";
    ASSERT_EQ(buffer.insert(big.data(), static_cast<int>(big.size())), 1);
    EXPECT_EQ(buffer.length(), 3000);
    EXPECT_EQ(buffer.caretPosition(), 3000);
    buffer.setCaret(2);
    ASSERT_EQ(buffer.insertChar('a'), 1);
    EXPECT_EQ(buffer.byteAt(2), 'a');
    EXPECT_EQ(buffer.byteAt(3000), 0x5C);
    EXPECT_EQ(buffer.byteAt(3001), -1);
    char out[6];
    EXPECT_EQ(buffer.copyOut(out, sizeof out), 5);
    EXPECT_EQ(std::string(out), "表a表");
    EXPECT_EQ(buffer.copyRange(3, 4, out, sizeof out), 4);
    EXPECT_EQ(std::string(out), "表表");
    EXPECT_EQ(buffer.copyRange(3, 4, out, 4), 2) << "a cut never splits a character";
    EXPECT_EQ(buffer.deleteAt(2, 1), 1);
    EXPECT_EQ(buffer.deleteAt(2999, 50), 1) << "clamped to the text";
    EXPECT_EQ(buffer.length(), 2999);
    buffer.setCaret(-5);
    EXPECT_EQ(buffer.caretPosition(), 0);
    buffer.setCaret(1 << 30);
    EXPECT_EQ(buffer.caretPosition(), 2999);
    buffer.reset();
    EXPECT_EQ(buffer.length(), 0);
    EXPECT_EQ(buffer.caretPosition(), 0);
    EXPECT_EQ(buffer.modified, 0);
}

TEST(TextBuffer, RandomKeysKeepTheCaretOnCharacterStarts)
{
    // What typing produces: characters, tabs and CR LF pairs.
    const char* pieces[] = {"a", "\r\n", "\t", "ソ", "表", "あ", "b", "\r\n", "x"};
    std::mt19937 rng(19);
    TextBuffer buffer;
    std::string model;
    for (int step = 0; step < 100000; ++step) {
        const int key = static_cast<int>(rng() % 10);
        const int extend = static_cast<int>(rng() % 2);
        const int before = buffer.length();
        switch (key) {
        case 0:
        case 1: {
            const char* piece = pieces[rng() % 9];
            const int n = static_cast<int>(std::char_traits<char>::length(piece));
            const int start = buffer.selectionStart();
            model.replace(static_cast<size_t>(start), static_cast<size_t>(buffer.selectionLength()), piece, n);
            ASSERT_EQ(buffer.insert(piece, n), 1);
            break;
        }
        case 2: (void)buffer.backspace(); break;
        case 3: (void)buffer.deleteForward(); break;
        case 4: buffer.moveLeft(extend); break;
        case 5: buffer.moveRight(extend); break;
        case 6: buffer.moveUp(extend); break;
        case 7: buffer.moveDown(extend); break;
        default: {
            std::vector<int> starts;
            for (int q = 0; q <= buffer.length(); q += q < buffer.length() ? buffer.charSizeAt(q) : 1)
                starts.push_back(q);
            buffer.setCaret(starts[rng() % starts.size()]);
            break;
        }
        }
        if (key == 2 || key == 3)
            model = textOf(buffer);
        ASSERT_EQ(textOf(buffer), model) << "step " << step;
        ASSERT_LE(buffer.length(), before + 2);
        ASSERT_TRUE(buffer.caretPosition() >= 0 && buffer.caretPosition() <= buffer.length());
        ASSERT_TRUE(isCharacterStart(buffer, buffer.caretPosition())) << "step " << step;
        ASSERT_TRUE(isCharacterStart(buffer, buffer.selectionStart())) << "step " << step;
        if (buffer.length() > 200)
            buffer.reset(), model.clear();
    }
}

} // namespace
