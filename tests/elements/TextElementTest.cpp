// The text element and in-place editing: layout, keys, undo of every text record, committing and
// deleting emptied texts, the store record, the drawing file (and its bad "textData" blocks),
// rotation and scaling.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "document/ElementMaskIndex.h"
#include "document/FileErrorReporter.h"
#include "document/TextBuffer.h"
#include "document/TextCaretPlace.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "elements/DxfFile.h"
#include "elements/ElementTextString.h"
#include "elements/SvgDocument.h"
#include "elements/TextElement.h"
#include "elements/TextLineElement.h"
#include "geometry/DoubleRect.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/Window.h"
#include "tests/elements/LineFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

constexpr int kText = 12;
constexpr double kSize = 5.0; // millimetres

// A view that measures text in a window of its own (4 pixels per millimetre).
class MeasuringView : public TrackingView {
public:
    Window* window() override { return &measuring; }
    Window measuring;
};

// The cursor's pick box finds `hit`.
class PickingTool : public CursorSelectTool {
public:
    int findInPickBox() override { return hit; }
    int hit = -1;
};

// A drawing of the real kinds whose view measures text, with a caret place, in which editor 2 (the
// one undo edits texts with) makes the texts.
class TextDrawing : public LineDrawing {
public:
    TextDrawing()
    {
        delete context.view;
        view = measuring = new MeasuringView;
        measuring->client = IntRect::fromEdges(0, 0, 500, 500);
        measuring->scale = measuring->lengthScale = 4.0;
        context.view = measuring;
        delete context.selectTool;
        context.selectTool = tool = picking = new PickingTool;
        context.caret = newTextCaretPlace(context);
    }

    ElementEditorBase& editor() { return *context.editor2; }
    TextElement* inHand() { return static_cast<TextElement*>(editor().elementInHand()); }

    // A new text at (10, 10) holding the bytes, stored with its undo record, edited in place.
    TextElement* addText(const std::string& bytes)
    {
        if (!editor().startNewElement(kText))
            return nullptr;
        TextElement* text = inHand();
        text->setAnchor(10, 10);
        text->font()->size = kSize;
        text->textBuffer()->reset();
        if (!bytes.empty() && !text->textBuffer()->insert(bytes.data(), static_cast<int>(bytes.size())))
            return nullptr;
        if (editor().commitNewElement() != 1)
            return nullptr;
        text->enterEditing();
        return text;
    }

    MeasuringView* measuring;
    PickingTool* picking;
};

// The current event is a key: a WM_CHAR (Backspace, Escape, a character) or a WM_KEYDOWN (arrows,
// Delete).
class KeyEvent {
public:
    KeyEvent(UINT message, WPARAM key)
        : code(theCurrentEvent->code, EV_KEY_DOWN), kind(theCurrentEvent->message, message),
          value(theCurrentEvent->wParam, key), consumed(theCurrentEvent->keyConsumed, 0)
    {
    }

private:
    ScopedOverride<int> code;
    ScopedOverride<UINT> kind;
    ScopedOverride<WPARAM> value;
    ScopedOverride<int> consumed;
};

// Keeps the entities and the text values written.
class RecordingDxf : public DxfFile {
public:
    int beginEntity(int entity) override { return entities.push_back(entity), 1; }
    int writeInt(int) override { return 1; }
    int writePoint(const Point&) override { return 1; }
    int writePointList(const PointList&, int) override { return 1; }
    int writeThreePointArc(const Point&, const Point&, const Point&) override { return 1; }
    int writeGroupText(int code, const char* text) override
    {
        if (code == 1)
            values.push_back(text);
        return 1;
    }
    int writeGroupDouble(int, double) override { return 1; }
    int endEntity() override { return 1; }
    std::vector<int> entities;
    std::vector<std::string> values;
};

class CountingSvg : public SvgDocument {
public:
    int beginItem(int) override { return ++items, 1; }
    int addPoint(const Point&, int) override { return 1; }
    int writePointList(const PointList&, int) override { return 1; }
    int addNumber(int, double, int) override { return 1; }
    int closeStartTag() override { return 1; }
    int writeContent(const char* bytes, int length) override { return content.assign(bytes, length), 1; }
    int endItem() override { return 1; }
    int items = 0;
    std::string content;
};

const std::string kHyou = "\x95\x5c"; // 表, whose trail byte is a backslash
const std::string kSo = "\x83\x5c";   // ソ

TEST(TextLayout, ExtentCaretAndTheCharacterUnderAPoint)
{
    TestApplication app;
    TextDrawing drawing;
    TextElement* text = drawing.addText("");
    ASSERT_NE(text, nullptr);
    double width = -1.0, height = -1.0;
    text->textExtent(width, height);
    EXPECT_EQ(width, 0.0);
    EXPECT_EQ(height, 0.0);
    Point caret;
    ASSERT_EQ(text->caretLocation(caret), 1);
    EXPECT_EQ(caret.x, 10.0);
    EXPECT_EQ(caret.y, 10.0);

    text->insertTyped("AB\r\nC", 5);
    text->textExtent(width, height);
    EXPECT_NEAR(height, 1.2 * kSize + kSize, 1e-9);
    EXPECT_GT(width, 0.0);
    ASSERT_EQ(text->caretLocation(caret), 1);
    EXPECT_NEAR(caret.y, 10.0 + 1.2 * kSize, 1e-9) << "the caret after C is on the second line";

    // Device points (4 pixels per millimetre): inside the first line, below the last line.
    const IntPoint firstLine(41, 44), below(41, 140);
    struct Case {
        IntPoint at;
        int extend;
        int index;
    };
    const Case cases[] = {{firstLine, 0, 0}, {below, 1, 4}, {below, 0, -1}, {IntPoint(2000, 44), 1, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(text->indexAtPoint(c.at, c.extend), c.index) << c.at.x << "," << c.at.y << " " << c.extend;

    // A turned text: the same point of the text, turned with it, finds the same character, and
    // the caret turns with the text.
    for (double angle : {30.0, 90.0, 200.0}) {
        text->lean()->angle = angle;
        Point p(10.25, 10.0 + 1.2 * kSize + 1.0); // one pixel into "C" (byte 4), on the second line
        p.rotateAbout(10.0, 10.0, angle);
        EXPECT_EQ(text->indexAtPoint(IntPoint(static_cast<int>(p.x * 4), static_cast<int>(p.y * 4)), 0), 4) << angle;
        Point turned;
        ASSERT_EQ(text->caretLocation(turned), 1);
        Point expected = caret;
        expected.rotateAbout(10.0, 10.0, angle);
        EXPECT_NEAR(turned.x, expected.x, 1e-9) << angle;
        EXPECT_NEAR(turned.y, expected.y, 1e-9) << angle;
    }
}

TEST(TextLayout, AClickBelowTheTextKeepsTheCaretADragBelowSelectsToTheLastLineADoubleClickRestores)
{
    TestApplication app;
    enum { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft };
    struct Step {
        DWORD at;
        int x, y, keys;
    };
    struct Case {
        const char* name;
        std::vector<Step> script;
        int result;
        int caret, selectionStart, selectionEnd;
    };
    // "AB" on the first line, "CD" on the second; the caret starts at 1 (after A).
    const Case cases[] = {
        {"a click below the text", {{1000, 45, 200, L}, {1030, 45, 200, N}}, -1, 1, 1, 1},
        {"a drag from the first line to below the last",
         {{1000, 41, 44, L}, {1100, 400, 200, L}, {1200, 400, 200, N}}, -1, 6, 0, 6},
        {"a double click", {{1000, 41, 44, L}, {1030, 41, 44, N}, {1100, 41, 44, L}, {1130, 41, 44, N}}, 15, 1, 1, 1},
    };
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        TextDrawing drawing;
        TextElement* text = drawing.addText("AB\r\nCD");
        ASSERT_NE(text, nullptr);
        text->setCaretPosition(1);
        ScriptedMouse mouse;
        for (const Step& s : c.script)
            mouse.at(s.at, s.x, s.y, s.keys);
        mouse.advanceClockPerRead(&clock, 10);
        drawing.measuring->cancelAt = 40;
        EXPECT_EQ(text->continueCreateInput(0), c.result) << c.name;
        EXPECT_EQ(text->textBuffer()->caretPosition(), c.caret) << c.name;
        EXPECT_EQ(text->textBuffer()->selectionStart(), c.selectionStart) << c.name;
        EXPECT_EQ(text->textBuffer()->selectionEnd(), c.selectionEnd) << c.name;
    }
}

TEST(TextEditing, KeysStepWholeCharacters)
{
    TestApplication app;
    struct Case {
        const char* name;
        std::string text;
        int caret;
        UINT message;
        WPARAM key;
        std::string after;
        int caretAfter;
    };
    const Case cases[] = {
        {"Backspace after ソソ", kSo + kSo, 4, WM_CHAR, 8, kSo, 2},
        {"Backspace after 表", "a" + kHyou, 3, WM_CHAR, 8, "a", 1},
        {"Backspace after CR LF", "a\r\nb", 3, WM_CHAR, 8, "ab", 1},
        {"Delete before CR LF", "a\r\nb", 1, WM_KEYDOWN, VK_DELETE, "ab", 1},
        {"Left over 表", kHyou, 2, WM_KEYDOWN, VK_LEFT, kHyou, 0},
        {"Right over 表", kHyou + "x", 0, WM_KEYDOWN, VK_RIGHT, kHyou + "x", 2},
        {"Escape", "abc", 1, WM_CHAR, 27, "abc", 1},
        {"a typed character", "ac", 1, WM_CHAR, 'b', "abc", 2},
    };
    for (const Case& c : cases) {
        TextDrawing drawing;
        TextElement* text = drawing.addText(c.text);
        ASSERT_NE(text, nullptr) << c.name;
        text->setCaretPosition(c.caret);
        KeyEvent key(c.message, c.key);
        text->handleKey();
        EXPECT_EQ(text->textBytes(), c.after) << c.name;
        EXPECT_EQ(text->textBuffer()->caretPosition(), c.caretAfter) << c.name;
    }
}

TEST(TextEditing, TypedTextCutAfterALeadByteIsInsertedWithoutSplittingAPair)
{
    TestApplication app;
    TextDrawing drawing;
    TextElement* text = drawing.addText("");
    ASSERT_NE(text, nullptr);
    std::string typed;
    for (int i = 0; i < 128; ++i)
        typed += kHyou;
    // 255 bytes end with the lead byte of the 128th character.
    text->insertTyped(typed.data(), 255);
    EXPECT_EQ(text->textLength(), 254);
    text->insertTyped(typed.data() + 255, 1);
    EXPECT_EQ(text->textBytes(), typed);
}

TEST(TextUndo, EachTextRecordIsUndoneAndRedoneExactly)
{
    TestApplication app;
    struct Case {
        const char* name;
        std::string text;
        int anchor, caret; // the selection (anchor = caret: none)
        void (*act)(TextElement&);
        std::string after;
        UndoCode code;
    };
    const Case cases[] = {
        {"three typed characters", "xy", 2, 2,
         [](TextElement& t) {
             t.insertTyped("a", 1);
             t.insertTyped("b", 1);
             t.insertTyped("c", 1);
         },
         "xyabc", UndoCode::Typing},
        {"typing over a selection", "hello", 1, 3, [](TextElement& t) { t.insertTyped("Z", 1); }, "hZlo",
         UndoCode::TextReplace},
        {"two Backspaces", "ab" + kHyou, 4, 4,
         [](TextElement& t) {
             for (int i = 0; i < 2; ++i) {
                 KeyEvent key(WM_CHAR, 8);
                 t.handleKey();
                 t.handleKey(); // the same event offered twice is taken once
             }
         },
         "a", UndoCode::TextDelete},
        {"Delete of a selection", "abcd", 3, 1,
         [](TextElement& t) {
             KeyEvent key(WM_KEYDOWN, VK_DELETE);
             t.handleKey();
         },
         "ad", UndoCode::TextDelete},
        {"cut", "abcd", 0, 2, [](TextElement& t) { t.cutSelectedText(); }, "cd", UndoCode::TextCut},
        {"paste over a selection", "abcd", 1, 2, [](TextElement& t) { t.insertText("XY", 2); }, "aXYcd",
         UndoCode::TextPaste},
        {"paste at the caret", "abcd", 4, 4, [](TextElement& t) { t.insertText("\r\n", 2); }, "abcd\r\n",
         UndoCode::TextPaste},
    };
    for (const Case& c : cases) {
        TextDrawing drawing;
        UndoManager& undo = *drawing.context.undoManager;
        ASSERT_TRUE(undo.isEnabled()) << "the test prefix's temporary folder must take the log";
        TextElement* text = drawing.addText(c.text);
        ASSERT_NE(text, nullptr) << c.name;
        text->setTextSelection(c.anchor, c.caret);
        c.act(*text);
        EXPECT_EQ(text->textBytes(), c.after) << c.name;
        char menu[UndoManager::kTextSize];
        ASSERT_EQ(undo.undoText(menu), 1) << c.name;
        char name[UndoManager::kTextSize];
        ASSERT_EQ(UndoManager::operationName(static_cast<int>(c.code), kText, name, sizeof name), 1) << c.name;
        EXPECT_EQ(std::string(menu).find(name), 0u) << c.name << ": " << menu;
        ASSERT_EQ(undo.undo(), 1) << c.name;
        EXPECT_EQ(drawing.inHand()->textBytes(), c.text) << c.name;
        ASSERT_EQ(undo.redo(), 1) << c.name;
        EXPECT_EQ(drawing.inHand()->textBytes(), c.after) << c.name;
    }
}

// Keeps the area each repaint of the changes redrew (the mask index's changed area it takes).
class ChangeRecordingUpdater : public ViewUpdater {
public:
    explicit ChangeRecordingUpdater(DocumentContext& owner) : context(owner) {}
    void setOwner(DocumentContext*) override {}
    void flushPainter() override {}
    void refreshAll() override {}
    void refreshAfterReset() override {}
    void repaintChanges() override
    {
        DoubleRect area;
        if (context.maskIndex && context.maskIndex->takeChangedArea(area))
            repainted.push_back(area);
    }
    void scrollBy(int, int) override {}
    void beginClip() override {}
    void endClip() override {}
    DocumentContext& context;
    std::vector<DoubleRect> repainted;
};

// An edit that ends redraws the page where the text stood: drawn over the page alone, the shorter
// text left the glyphs of its deleted characters on the screen, and an emptied text, deleted,
// erased nothing.
TEST(TextCommit, TheEndOfAnEditRedrawsWhereTheStoredTextStood)
{
    TestApplication app;
    struct Case {
        const char* name;
        int backspaces; // from the end of "abcdef"
        int live;       // the text is kept
    };
    const Case cases[] = {{"five characters deleted", 5, 1}, {"every character deleted", 6, 0}};
    for (const Case& c : cases) {
        TextDrawing drawing;
        TextElement* text = drawing.addText("abcdef");
        ASSERT_NE(text, nullptr) << c.name;
        const int id = text->id;
        drawing.editor().settleElement(0);
        ASSERT_EQ(drawing.editor().beginEdit(id), 1) << c.name;
        text = drawing.inHand();
        const double storedRight = text->extentMax.x, storedLeft = text->extentMin.x;
        ASSERT_GT(storedRight - storedLeft, 5.0) << c.name << ": six characters of 5 mm";
        auto* updater = new ChangeRecordingUpdater(drawing.context);
        delete drawing.context.updater;
        drawing.context.updater = updater;
        DoubleRect setUp;
        (void)drawing.context.maskIndex->takeChangedArea(setUp); // what the set-up changed
        text->enterEditing();
        text->setCaretPosition(6);
        for (int i = 0; i < c.backspaces; ++i) {
            KeyEvent backspace(WM_CHAR, 8);
            text->handleKey();
        }
        drawing.editor().settleElement(0);
        EXPECT_EQ(drawing.context.elementStore()->isLive(id), c.live) << c.name;
        ASSERT_EQ(updater->repainted.size(), 1u) << c.name;
        EXPECT_LE(updater->repainted[0].minX, storedLeft) << c.name;
        EXPECT_GE(updater->repainted[0].maxX, storedRight) << c.name << ": the deleted glyphs stay";
    }
}

TEST(TextCommit, NewTextsAreEditedInPlaceAndTextsEditedToNothingGo)
{
    TestApplication app;
    {
        // A click with the text tool and Escape.
        TextDrawing drawing;
        ASSERT_EQ(drawing.editor().startNewElement(kText), 1);
        TextElement* text = drawing.inHand();
        EXPECT_EQ(text->beginCreateInput(0), Element::kComplete);
        EXPECT_EQ(drawing.editor().finishStep(Element::kComplete), Element::kComplete);
        const int id = text->id;
        ASSERT_GE(id, 1) << "a new text is stored at once";
        KeyEvent escape(WM_CHAR, 27);
        text->handleKey();
        drawing.editor().settleElement(0);
        EXPECT_EQ(drawing.context.elementStore()->isLive(id), 0) << "an empty new text is not kept";
    }
    {
        // Every character of a stored text deleted: the text goes, and one Undo brings it back.
        TextDrawing drawing;
        TextElement* text = drawing.addText("ab");
        ASSERT_NE(text, nullptr);
        const int id = text->id;
        drawing.editor().settleElement(0);
        ASSERT_EQ(drawing.editor().beginEdit(id), 1);
        text = drawing.inHand();
        text->enterEditing();
        text->setCaretPosition(2);
        for (int i = 0; i < 2; ++i) {
            KeyEvent backspace(WM_CHAR, 8);
            text->handleKey();
        }
        drawing.editor().settleElement(0);
        EXPECT_EQ(drawing.context.elementStore()->isLive(id), 0);
        ASSERT_EQ(drawing.context.undoManager->undo(), 1);
        ASSERT_EQ(drawing.context.editor3->beginEdit(id), 1);
        EXPECT_EQ(static_cast<TextElement*>(drawing.context.editor3->elementInHand())->textBytes(), "ab");
    }
    {
        // A click on a stored text edits it instead of making a new one.
        TextDrawing drawing;
        TextElement* text = drawing.addText("ab");
        ASSERT_NE(text, nullptr);
        const int id = text->id;
        drawing.editor().settleElement(0);
        drawing.picking->hit = id;
        ASSERT_EQ(drawing.editor().startNewElement(kText), 1);
        EXPECT_EQ(drawing.inHand()->beginCreateInput(0), Element::kEditingText);
        EXPECT_EQ(drawing.inHand()->id, id);
        EXPECT_EQ(drawing.inHand()->textBytes(), "ab");
    }
}

TEST(TextStorage, RecordsFilesAndGeometry)
{
    TestApplication app;
    ScratchFolder scratch;
    // The record, read back in pieces of 256 and 44 bytes; a record cut anywhere fails.
    {
        ElementTextString written, read;
        std::string bytes;
        for (int i = 0; i < 300; ++i)
            bytes.push_back(static_cast<char>(i % 251 + 1));
        ASSERT_EQ(written.buffer.insert(bytes.data(), 300), 1);
        ElementRecordBuffer record;
        ASSERT_EQ(written.exchange(1, record), 1);
        record.rewind();
        ASSERT_EQ(read.exchange(3, record), 1);
        std::vector<char> out(301);
        EXPECT_EQ(read.copyText(out.data(), 301), 300);
        EXPECT_EQ(std::string(out.data(), 300), bytes);
        record.count = 4 + 299;
        record.rewind();
        EXPECT_EQ(read.exchange(3, record), 0);
        EXPECT_EQ(read.length(), 0);
    }
    // Save and reload byte for byte; an empty text is not written.
    const std::string bytes = kHyou + kSo + "<A&B>\"x\"\r\n2\x8d\x73\x96\xda"; // 表ソ<A&B>"x" CR LF 2行目
    std::string saved;
    {
        TextDrawing drawing;
        ASSERT_NE(drawing.addText(bytes), nullptr);
        drawing.editor().settleElement(0);
        ASSERT_NE(drawing.addText(""), nullptr);
        drawing.editor().settleElement(0);
        ASSERT_GE(drawing.addLine(0, 0, 10, 10), 1);
        saved = drawing.save(scratch.pathOf("text.ycx"));
        ASSERT_FALSE(saved.empty());
        EXPECT_EQ(saved.find("<text>"), saved.rfind("<text>")) << "one text written";
    }
    {
        TextDrawing drawing;
        ASSERT_EQ(drawing.open(scratch.pathOf("text.ycx")), 1);
        ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1);
        EXPECT_EQ(static_cast<TextElement*>(drawing.context.editor3->elementInHand())->textBytes(), bytes);
    }
    // DXF: one TEXT entity per line, each value cut at a character boundary within 254 bytes;
    // SVG: the bytes as content, nothing for an empty text.
    {
        TextDrawing drawing;
        std::string long_line;
        for (int i = 0; i < 150; ++i)
            long_line += kHyou;
        TextElement* text = drawing.addText("first\r\n" + long_line);
        ASSERT_NE(text, nullptr);
        RecordingDxf dxf;
        EXPECT_EQ(text->writeDxf(&dxf), 1);
        EXPECT_EQ(dxf.entities, std::vector<int>({DxfFile::kText, DxfFile::kText}));
        ASSERT_EQ(dxf.values.size(), 2u);
        EXPECT_EQ(dxf.values[0], "first");
        EXPECT_EQ(dxf.values[1], long_line.substr(0, 254));
        CountingSvg svg;
        EXPECT_EQ(text->writeSvg(&svg), 1);
        EXPECT_EQ(svg.content, "first\r\n" + long_line);
        text->textBuffer()->reset();
        EXPECT_EQ(text->writeSvg(&svg), 0);
        EXPECT_EQ(svg.items, 1);
    }
    // Rotation and scaling.
    {
        TextDrawing drawing;
        TextElement* text = drawing.addText("a");
        ASSERT_NE(text, nullptr);
        text->lean()->angle = 20.0;
        text->rotate(350.0, 0.0, 0.0, 0.0);
        EXPECT_NEAR(text->lean()->angle, 10.0, 1e-9);
        struct Case {
            double factor;
            int flags;
            double size;
        };
        const Case cases[] = {{0.01, 2, 5.0}, {2.0, 2, 10.0}, {2.0, 1, 5.0}};
        for (const Case& c : cases) {
            text->font()->size = 5.0;
            text->scale(c.factor, Point(0, 0), c.flags);
            EXPECT_EQ(text->font()->size, c.size) << c.factor << " " << c.flags;
        }
    }
}

TEST(TextStorage, BadTextDataGivesAnEmptyTextAndTheRestOfTheFileIsRead)
{
    TestApplication app;
    ScratchFolder scratch;
    std::string saved;
    {
        TextDrawing drawing;
        ASSERT_NE(drawing.addText("hello"), nullptr);
        drawing.editor().settleElement(0);
        ASSERT_GE(drawing.addLine(0, 0, 10, 10), 1);
        saved = drawing.save(scratch.pathOf("good.ycx"));
    }
    const std::string block = "<length>5</length>", value = "<p>\"hello\"</p>";
    ASSERT_NE(saved.find(block), std::string::npos) << saved;
    ASSERT_NE(saved.find(value), std::string::npos) << saved;
    struct Case {
        const char* name;
        std::string from, to; // one replacement in the saved file
        std::string text;     // the text read
    };
    const Case cases[] = {
        {"-1", block, "<length>-1</length>", ""},
        {"2^31", block, "<length>2147483648</length>", ""},
        {"above 16 MiB", block, "<length>16777217</length>", ""},
        {"beyond the file", block, "<length>900000</length>", ""},
        {"p before length", block + "\r\n     " + value, value + "\r\n     " + block, ""},
        {"the read-only form s", value, "<s>\"hello\"</s>", "hello"},
        {"the read-only form data", value, "<data>\"hi\"</data>", "hi"},
    };
    for (const Case& c : cases) {
        std::string text = saved;
        ASSERT_NE(text.find(c.from), std::string::npos) << c.name;
        text.replace(text.find(c.from), c.from.size(), c.to);
        app->errorCount = 0;
        theFileErrorReporter.reset();
        MessageBoxScript boxes;
        TextDrawing drawing;
        (void)drawing.open(scratch.file("bad.ycx", text)); // a data error may fail the read's answer
        ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1) << c.name;
        EXPECT_EQ(static_cast<TextElement*>(drawing.context.editor3->elementInHand())->textBytes(), c.text) << c.name;
        EXPECT_EQ(drawing.context.elementStore()->isLive(2), 1) << c.name << ": the line after it";
        EXPECT_EQ(boxes.shown().empty(), !c.text.empty()) << c.name << ": a bad block is reported";
    }

    // Every cut of the text's section and seeded byte changes inside it open without harm, and
    // the text read never holds more than the file gave.
    const size_t from = saved.find("<text>"), to = saved.find("</text>") + 7;
    std::mt19937 random(41);
    for (size_t n = 0; n < 2 * (to - from); ++n) {
        std::string text = saved;
        if (n < to - from) {
            text.resize(from + n);
        } else {
            for (int k = 0; k < 3; ++k)
                text[from + random() % (to - from)] = static_cast<char>(random() % 256);
        }
        app->errorCount = 0; // the error of the case before would stop the drawing's making
        MessageBoxScript boxes;
        TextDrawing drawing;
        (void)drawing.open(scratch.file("changed.ycx", text)); // refused or read: either is fine here
        if (drawing.context.editor3->beginEdit(1)) {
            EXPECT_LE(static_cast<TextElement*>(drawing.context.editor3->elementInHand())->textLength(), 256) << n;
        }
    }
}

} // namespace

// --- leader texts ---

namespace {

constexpr int kTextLine = 13;

// The cursor's pick box finds `hit`, and outlines are tested for real about the cursor.
class OutlinePickingTool : public PickingTool {
public:
    OutlinePickingTool() { picks = 1; }
    int hitOutline(const PointList& points, double width, int position, int edge, int inside) override
    {
        return SelectTool::hitOutline(points, width, position, edge, inside);
    }
};

// A leader text through editor 2 with the leader points and the bytes, stored.
TextLineElement* addTextLine(TextDrawing& drawing, const std::vector<Point>& leader, const std::string& bytes)
{
    if (!drawing.editor().startNewElement(kTextLine))
        return nullptr;
    auto* e = static_cast<TextLineElement*>(drawing.editor().elementInHand());
    e->vertices()->count = 0;
    for (const Point& p : leader)
        if (!e->vertices()->appendXYZ(p.x, p.y, 0.0))
            return nullptr;
    e->translate(0.0, 0.0, 0.0); // the text at the leader's end
    e->font()->size = kSize;
    e->textBuffer()->reset();
    if (!bytes.empty() && !e->textBuffer()->insert(bytes.data(), static_cast<int>(bytes.size())))
        return nullptr;
    return drawing.editor().commitNewElement() == 1 ? e : nullptr;
}

} // namespace

// After a move, a turn or a scale the text starts at the last leader point; with no leader
// point the start point stays.
TEST(TextLineGeometry, TheTextFollowsTheLeaderEnd)
{
    TestApplication app;
    Point turned(20, 10);
    turned.rotateAbout(0.0, 0.0, 90.0);
    struct Case {
        const char* name;
        void (*act)(TextLineElement&);
        Point end;
        double lean;
    } cases[] = {
        {"move", [](TextLineElement& t) { t.translate(5, -3, 0); }, {25, 7}, 0.0},
        {"turn", [](TextLineElement& t) { t.rotate(90, 0, 0, 0); }, turned, 90.0},
        {"scale", [](TextLineElement& t) { t.scale(2, Point(0, 0), 3); }, {40, 20}, 0.0},
    };
    for (const Case& c : cases) {
        TextDrawing drawing;
        TextLineElement* t = addTextLine(drawing, {{0, 0}, {10, 0}, {20, 10}}, "AB");
        ASSERT_NE(t, nullptr) << c.name;
        c.act(*t);
        EXPECT_NEAR(t->anchor()->x, c.end.x, 1e-9) << c.name;
        EXPECT_NEAR(t->anchor()->y, c.end.y, 1e-9) << c.name;
        EXPECT_NEAR(t->rotationAngle(), c.lean, 1e-9) << c.name;
    }
    TextDrawing drawing;
    TextLineElement* empty = addTextLine(drawing, {}, "AB");
    ASSERT_NE(empty, nullptr);
    empty->setAnchor(7, 8);
    empty->translate(1, 1, 0);
    EXPECT_EQ(empty->anchor()->x, 7.0);
    EXPECT_EQ(empty->anchor()->y, 8.0);
    (void)empty->draw(); // no leader line to stroke; the shape still draws the text
}

// Clicking the text of a stored leader text edits it; clicking its leader does not, though the
// leader is part of what the select tool picks.
TEST(TextLineHits, TheTextIsEditedTheLeaderIsNot)
{
    TestApplication app;
    struct Case {
        const char* name;
        Point cursor;
        int onText, picked;
    } cases[] = {
        {"on the text", {21, 12}, 1, 1},
        {"on the leader", {5, 0}, 0, 1},
        {"away from both", {60, 60}, 0, 0},
    };
    for (const Case& c : cases) {
        TextDrawing drawing;
        delete drawing.context.selectTool;
        auto* tool = new OutlinePickingTool; // the context deletes it
        drawing.context.selectTool = drawing.tool = drawing.picking = tool;
        TextLineElement* t = addTextLine(drawing, {{0, 0}, {10, 0}, {20, 10}}, "ABC");
        ASSERT_NE(t, nullptr) << c.name;
        tool->cursor = c.cursor;
        EXPECT_EQ(t->hitTestLeader() != 0, c.onText != 0) << c.name;
        EXPECT_EQ(t->hitTest() != 0, c.picked != 0) << c.name;
    }
}

// The section: leader, text and attributes read back and saved again the same; a two-point
// leader without text is still written; nothing goes to SVG or DXF; a leader of no points loads,
// draws and keeps its start point.
TEST(TextLineStorage, FilesRecordsAndOtherFormats)
{
    TestApplication app;
    ScratchFolder scratch;
    std::string first;
    {
        TextDrawing drawing;
        ASSERT_NE(addTextLine(drawing, {{0, 0}, {10, 0}, {20, 10}}, "AB"), nullptr);
        ASSERT_NE(addTextLine(drawing, {{30, 30}, {40, 35}}, ""), nullptr);
        TextLineElement* one = addTextLine(drawing, {{50, 50}}, "C");
        ASSERT_NE(one, nullptr);
        (void)one->draw(); // no leader line to stroke; the shape still draws the text
        RecordingDxf dxf;
        CountingSvg svg;
        EXPECT_EQ(one->writeDxf(&dxf), 0);
        EXPECT_EQ(one->writeSvg(&svg), 0);
        EXPECT_TRUE(dxf.entities.empty());
        EXPECT_EQ(svg.items, 0);
        first = drawing.save(scratch.pathOf("leaders.ycx"));
    }
    ASSERT_FALSE(first.empty());
    size_t at = first.find("<textline>");
    for (const char* tag : {"<listXY>", "<drawLine>", "<arrowLine>", "<font>", "<textData>"}) {
        at = first.find(tag, at);
        ASSERT_NE(at, std::string::npos) << tag;
    }
    {
        TextDrawing reopened;
        ASSERT_EQ(reopened.open(scratch.pathOf("leaders.ycx")), 1);
        ASSERT_EQ(reopened.context.elementCount(), 3) << "the two-point leader without text is kept";
        ASSERT_EQ(reopened.context.editor3->beginEdit(1), 1);
        auto* t = static_cast<TextLineElement*>(reopened.context.editor3->elementInHand());
        EXPECT_EQ(t->textBytes(), "AB");
        EXPECT_EQ(t->vertices()->count, 3);
        EXPECT_EQ(t->anchor()->x, 20.0);
        EXPECT_EQ(t->anchor()->y, 10.0);
        EXPECT_EQ(reopened.save(scratch.pathOf("again.ycx")), first);
    }
    // A leader of no points.
    const size_t list = first.find("<listXY>");
    const size_t listEnd = first.find("</listXY>", list);
    ASSERT_NE(listEnd, std::string::npos);
    std::string text = first;
    text.replace(list, listEnd - list, "<listXY>\r\n     <nums>0</nums>\r\n");
    MessageBoxScript boxes;
    TextDrawing drawing;
    ASSERT_EQ(drawing.open(scratch.file("empty.ycx", text)), 1);
    ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1);
    auto* t = static_cast<TextLineElement*>(drawing.context.editor3->elementInHand());
    EXPECT_EQ(t->textBytes(), "AB");
    (void)t->draw(); // the text without a leader
    (void)t->hitTest();
    t->computeExtent(1);
    EXPECT_TRUE(std::isfinite(t->extentMin.x) && std::isfinite(t->extentMax.y));
}

// Typing into a leader text and undoing restores its text.
TEST(TextLineUndo, TypingIsUndone)
{
    TestApplication app;
    TextDrawing drawing;
    TextLineElement* t = addTextLine(drawing, {{0, 0}, {10, 0}}, "ab");
    ASSERT_NE(t, nullptr);
    t->enterEditing();
    t->setCaretPosition(2);
    t->insertTyped("c", 1);
    EXPECT_EQ(t->textBytes(), "abc");
    ASSERT_EQ(drawing.context.undoManager->undo(), 1);
    EXPECT_EQ(static_cast<TextLineElement*>(drawing.inHand())->textBytes(), "ab");
}

// Creation: the leader by clicks (two in one place end it), then the text is typed at its last
// point; a cancelled leader stays pending without text.
TEST(TextLineCreation, TheLeaderThenTheTextAtItsEnd)
{
    enum { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft };
    struct Step {
        int x, y, keys;
    };
    struct Case {
        const char* name;
        std::vector<Step> script;
        int cancelAt;
        int result, leaderDone, points;
    } cases[] = {
        {"two clicks in place end the leader",
         {{10, 10, L}, {10, 10, N}, {50, 10, N}, {50, 10, L}, {50, 10, N}, {50, 40, N}, {50, 40, L}, {50, 40, N},
          {50, 40, L}, {50, 40, N}},
         0, Element::kComplete, 1, 3},
        {"a cancelled tracking", {{10, 10, L}, {10, 10, N}, {50, 30, N}}, 4, Element::kCancelled, 0, 2},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        TextDrawing drawing;
        ScriptedMouse mouse;
        DWORD at = 1000;
        for (const Step& s : c.script)
            mouse.at(at, s.x, s.y, s.keys), at += 100;
        mouse.advanceClockPerRead(&clock, 50);
        drawing.points->press = Point(2.5, 2.5); // (10, 10) at 4 pixels per millimetre
        drawing.points->has = 1;
        drawing.measuring->cancelAt = c.cancelAt ? c.cancelAt : 5000;
        ASSERT_EQ(drawing.editor().startNewElement(kTextLine), 1);
        auto* t = static_cast<TextLineElement*>(drawing.inHand());
        EXPECT_EQ(t->beginCreateInput(0), c.result) << c.name;
        EXPECT_EQ(t->leaderDone, c.leaderDone) << c.name;
        EXPECT_EQ(t->vertices()->count, c.points) << c.name;
        EXPECT_EQ(t->isEditing(), c.leaderDone) << c.name;
        if (c.leaderDone) {
            EXPECT_EQ(t->anchor()->x, 12.5) << c.name;
            EXPECT_EQ(t->anchor()->y, 10.0) << c.name;
        }
    }
}
