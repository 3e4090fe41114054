// Typing into the editable text of a text element: 20,000 characters one at a time, the caret
// moving left and right between them and up and down once a line (lines of 60 characters end in
// CR LF). Reports microseconds per keystroke over the whole run, and for keystrokes in the middle
// of a text of 20,000 bytes, where each one moves the rest of the text and the up and down moves
// walk the lines from the start.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchHarness.h"
#include "document/TextBuffer.h"

namespace {

const int kCharacters = 20000;
const int kLine = 60;
const int kMiddleKeystrokes = 1000;

int failed = 0;

// One keystroke: a character (or the line end), then the caret moves of an editing user.
void keystroke(TextBuffer& text, int i)
{
    const int ok = i % kLine == kLine - 1 ? text.insert("\r\n", 2) : text.insertChar('a' + i % 26);
    failed += !ok;
    text.moveLeft(0);
    text.moveRight(0);
    if (i % kLine == 0) {
        text.moveUp(0);
        text.moveDown(0);
    }
}

void type(TextBuffer& text, int n)
{
    for (int i = 0; i < n; ++i)
        keystroke(text, i);
}

} // namespace

int main()
{
    TextBuffer text;
    BenchResult typing = runBenchmark("type 20,000 characters", [&] {
        text.reset();
        type(text, kCharacters);
    }, 9);
    std::printf("%-44s %8.3f us per keystroke (text of %d bytes)\n", typing.name,
                typing.medianSeconds * 1e6 / kCharacters, text.length());

    std::vector<double> middle;
    for (int run = 0; run < 9; ++run) {
        text.reset();
        type(text, kCharacters);
        text.setCaret(text.length() / 2);
        const double start = benchNow();
        type(text, kMiddleKeystrokes);
        middle.push_back((benchNow() - start) * 1e6 / kMiddleKeystrokes);
    }
    std::sort(middle.begin(), middle.end());
    std::printf("%-44s %8.3f us per keystroke (median of 9, min %.3f)\n", "keystrokes in the middle of 20,000 bytes",
                middle[middle.size() / 2], middle.front());
    if (failed)
        std::printf("unexpected: %d keystrokes failed\n", failed);
    return failed ? 1 : 0;
}
