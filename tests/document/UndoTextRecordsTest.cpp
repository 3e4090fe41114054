// Undo records of in-place text editing: typing, deletion and paste gathered into one step each,
// and the element they act on when taken back.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/document/UndoTestDocument.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

// Types the bytes one by one at the caret, as the text element reports them.
void type(UndoManager& undo, UndoTestElement* element, int caret, const std::string& bytes)
{
    for (char c : bytes) {
        undo.beginTyping(element, caret);
        element->insertTextAt(static_cast<int>(element->text.size()), &c, 1);
        undo.appendTyped(&c, 1);
    }
}

class UndoTextRecordsTest : public testing::Test {
protected:
    TestApplication app;
    ScopedOverride<UndoManager::FreeSpaceQuery> space{UndoManager::freeSpaceQuery, plentyOfFreeSpace};
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
};

TEST_F(UndoTextRecordsTest, TypingIsOneStepUntilAnotherRecordBegins)
{
    int text = doc.add(ElementKind::Text, {{0, 0, 0}});
    int line = doc.add(ElementKind::Line, {{0, 0, 0}});
    UndoTestElement* element = doc.textEditor->editText(text);
    ASSERT_TRUE(element);
    type(undo, element, 0, "abc");
    EXPECT_EQ(undo.recordCount(), 0) << "typing stays open";
    doc.selectAndCapture({line});
    undo.recordMove(1, 0, 0);
    EXPECT_EQ(undo.recordCount(), 2);

    char menu[UndoManager::kTextSize];
    undo.undoText(menu);
    EXPECT_STREQ(menu, "移動の取り消し");
    // Taking back the move ends the text's edit first: its text is stored, so that it can never
    // go back over what the step gives the store.
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.read(text).text, "abc");
    undo.undoText(menu);
    EXPECT_STREQ(menu, "文字入力の取り消し");
    EXPECT_EQ(undo.undo(), 1);
    UndoTestElement* reopened = doc.textEditor->held();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->text, "");
    EXPECT_EQ(reopened->calls, (std::vector<std::string>{"edit at start", "hide overlay"}))
        << "a text whose edit ended is taken from the store again";
    EXPECT_TRUE(doc.selectTool->ids.empty());
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(reopened->text, "abc");
    EXPECT_EQ(doc.textEditor->held(), reopened) << "the text still in edit goes on";

    // Opening the Edit menu closes the typing so far into one step.
    type(undo, reopened, 3, "de");
    EXPECT_EQ(undo.canUndo(), 1);
    EXPECT_EQ(undo.recordCount(), 2);
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(reopened->text, "abc");
}

TEST_F(UndoTextRecordsTest, BackspacesGatherTheTextInReadingOrder)
{
    int text = doc.add(ElementKind::Text, {}, "xabc");
    UndoTestElement* element = doc.textEditor->editText(text);
    ASSERT_TRUE(element);
    for (int caret = 4; caret > 1; --caret) {
        undo.beginTextDelete(element, caret, -1);
        undo.setTextSelectionRange(4, 4);
        std::string removed = element->text.substr(static_cast<size_t>(caret - 1), 1);
        element->deleteTextAt(caret - 1, 1);
        undo.addDeletedText(caret - 1, removed.data(), 1);
    }
    EXPECT_EQ(element->text, "x");
    EXPECT_EQ(undo.canUndo(), 1);
    ASSERT_EQ(undo.recordCount(), 1);
    // id, caret, selection start and end, position, then the text.
    std::string log = doc.logBytes();
    EXPECT_EQ(log[2], 43);
    EXPECT_EQ(valueAt<int32_t>(log, 10), 4);
    EXPECT_EQ(valueAt<int32_t>(log, 22), 1);
    EXPECT_EQ(valueAt<int32_t>(log, 26), 3);
    EXPECT_EQ(log.substr(30, 3), "abc");

    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(element->text, "xabc");
    EXPECT_EQ(element->caret, 4);
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(element->text, "x");
}

TEST_F(UndoTextRecordsTest, PasteOverASelectionUndoesAndRedoesExactly)
{
    int text = doc.add(ElementKind::Text, {}, "12AB34");
    UndoTestElement* element = doc.textEditor->editText(text);
    ASSERT_TRUE(element);
    undo.beginTextPaste(element, 4);
    undo.setTextSelectionRange(4, 2);
    element->text = "12HELLO34";
    undo.endTextPaste("AB", 2, "HELLO", 5);

    char menu[UndoManager::kTextSize];
    undo.undoText(menu);
    EXPECT_STREQ(menu, "文字張込の取り消し");
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(element->text, "12AB34");
    EXPECT_EQ(element->caret, 4);
    EXPECT_EQ(element->selectionStart, 4);
    EXPECT_EQ(element->selectionEnd, 2);
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(element->text, "12HELLO34");
    EXPECT_EQ(element->selectionEnd, 0);

    // Without a selection the text goes in at the caret.
    undo.beginTextReplace(element, 0);
    undo.setTextSelectionRange(0, 0);
    element->text = "#" + element->text;
    undo.endTextReplace("", 0, "#", 1);
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(element->text, "12HELLO34");
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(element->text, "#12HELLO34");
}

TEST_F(UndoTextRecordsTest, TextStepsActOnTheRecordedElementOnly)
{
    int leader = doc.add(ElementKind::TextLine, {}, "note");
    int text = doc.add(ElementKind::Text, {}, "text");
    int line = doc.add(ElementKind::Line, {}, "line");

    // Typing into the leader text, which is then settled; the editor moves on to the text.
    ASSERT_TRUE(doc.textEditor->editText(leader));
    type(undo, doc.textEditor->held(), 4, "!");
    ASSERT_EQ(doc.textEditor->storeBack(leader), 1);
    ASSERT_TRUE(doc.textEditor->beginEdit(text));
    EXPECT_EQ(undo.recordCount(), 1) << "the typing was written when its element went away";

    EXPECT_EQ(undo.undo(), 1);
    UndoTestElement* held = doc.textEditor->held();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->id, leader) << "the leader text is reopened by its id";
    EXPECT_EQ(held->text, "note");
    EXPECT_EQ(held->calls.front(), "edit at start");
    EXPECT_EQ(doc.read(text).text, "text");

    // A record on an element that is not a text kind is never applied to the text in edit.
    ASSERT_TRUE(doc.textEditor->editText(line));
    type(undo, doc.textEditor->held(), 4, "?");
    ASSERT_TRUE(doc.textEditor->beginEdit(text));
    EXPECT_EQ(undo.undo(), 0) << "a step with nothing to act on fails";
    EXPECT_EQ(undo.appliedCount(), 1);
    EXPECT_EQ(doc.textEditor->held()->text, "text");
    EXPECT_EQ(doc.read(line).text, "line");
}

} // namespace
