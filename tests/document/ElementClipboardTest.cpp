// The element clipboard: the private block, paste into another drawing and another process,
// cut, copy, paste and delete with their undo records, the text mode and bitmaps.
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "document/ElementClipboard.h"
#include "document/ElementClipboardData.h"
#include "platform/Clipboard.h"
#include "tests/document/EditTestDocument.h"
#include "tests/support/ClipboardOwner.h"
#include "tests/support/HelperProcess.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

namespace {

// The clipboard's data of the private format ("" when there is none).
std::string clipboardBlock()
{
    std::unique_ptr<GlobalBlock> data(getClipboardData(kElementClipboardFormat));
    if (!data)
        return "";
    BlockLock bytes(*data);
    return bytes ? std::string(bytes.data(), static_cast<size_t>(data->count)) : "";
}

// The code of the last applied record of the undo log: its closing head ends 4 bytes before the
// file position.
int lastUndoCode(EditTestDocument& doc)
{
    LARGE_INTEGER zero = {}, position = {};
    SetFilePointerEx(doc.undo().log().tempFile().fileHandle(), zero, &position, FILE_CURRENT);
    const std::string log = undoLogBytes(doc.undo());
    const size_t end = static_cast<size_t>(position.QuadPart);
    return end >= 10 && end <= log.size() ? valueAt<uint16_t>(log, end - 8) : 0;
}

class ElementClipboardTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(owner.ready()); }
    TestApplication app;
    ClipboardOwner owner;
    ElementClipboard clipboard;
    ScopedOverride<ElementClipboard*> installed{theElementClipboard, &clipboard};
};

// Three elements in two groups: a line, a box and another line.
struct Source {
    explicit Source(EditTestDocument& doc)
        : a(doc.add(ElementKind::Line, {{1, 2, 0}, {30, 40, 0}}, 1, 2)),
          b(doc.addBox(10, 10, 20, 5, 1, 2)),
          c(doc.add(ElementKind::Line, {{5, 5, 0}}, 1, 4))
    {
    }
    int a, b, c;
};

TEST_F(ElementClipboardTest, TheBlockHoldsEachEntryAndRecordAndTwoCopiesAreIdentical)
{
    EditTestDocument doc;
    Source s(doc);
    doc.selectTool->choose({s.a, s.b, s.c});
    ASSERT_EQ(doc.context.canCopy(), 1);
    ASSERT_EQ(doc.context.copy(), 1);
    const std::string block = clipboardBlock();
    ASSERT_EQ(valueAt<int32_t>(block, 0), 3);
    size_t offset = 4;
    for (int id : {s.a, s.b, s.c}) {
        ElementIndexEntry stored;
        ASSERT_EQ(doc.store().readElement(id, &stored), 1);
        const int length = doc.store().recordBuffer->position;
        EXPECT_EQ(length, stored.blockCount * 128);
        EXPECT_EQ(valueAt<int32_t>(block, offset), 1) << "marker";
        EXPECT_EQ(std::memcmp(block.data() + offset + 4, &stored, 48), 0) << "the entry as it stands";
        EXPECT_EQ(valueAt<int32_t>(block, offset + 52), length);
        BlockLock record(*doc.store().recordBuffer);
        ASSERT_GE(block.size(), offset + 56 + static_cast<size_t>(length));
        EXPECT_EQ(std::memcmp(block.data() + offset + 56, record.data(), static_cast<size_t>(length)), 0);
        offset += 56 + static_cast<size_t>(length);
    }
    EXPECT_GE(block.size(), offset);

    ASSERT_EQ(doc.context.copy(), 1);
    EXPECT_EQ(clipboardBlock(), block) << "a second copy is byte for byte the same";
    EXPECT_EQ(doc.undo().recordCount(), 0) << "copying is not an edit";
}

TEST_F(ElementClipboardTest, PastedElementsGetNewIdsOnTheCurrentPageAndFreshGroups)
{
    EditTestDocument source;
    Source s(source);
    source.selectTool->choose({s.a, s.b, s.c});
    ASSERT_EQ(source.context.copy(), 1);

    EditTestDocument target;
    const int first = target.addBox(0, 0, 1, 1);
    target.addBox(2, 2, 1, 1);
    target.pages().setCurrent(2);
    for (int i = 0; i < 3; ++i)
        (void)target.groups().nextGroupId(); // groups 2 to 6 are taken there
    ASSERT_EQ(target.context.canPaste(), 1);
    ASSERT_EQ(target.context.paste(), 1);
    const std::vector<int> pasted = target.selectTool->chosen();
    ASSERT_EQ(pasted, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(target.selectTool->selectionMode(), 2);
    const int groups[] = {8, 8, 10};
    const int sources[] = {s.a, s.b, s.c};
    for (int i = 0; i < 3; ++i) {
        const ElementIndexEntry entry = target.entry(pasted[static_cast<size_t>(i)]);
        EXPECT_EQ(entry.page, 2);
        EXPECT_EQ(entry.kind, source.entry(sources[i]).kind);
        EXPECT_EQ(entry.group, groups[i]) << "element " << i;
        EXPECT_EQ(target.pointsOf(pasted[static_cast<size_t>(i)]).size(), source.pointsOf(sources[i]).size());
        EXPECT_EQ(target.maskIndex().pageOf(pasted[static_cast<size_t>(i)]), 2);
    }
    EXPECT_EQ(target.pageOrder(2), pasted);
    EXPECT_EQ(lastUndoCode(target), 25);
    EXPECT_EQ(target.updater->changeRepaints, 1);
    EXPECT_EQ(target.updater->repaints, 1) << "the pasted elements are shown selected";

    // Pasting the same groups again gives them new numbers again.
    ASSERT_EQ(target.context.paste(), 1);
    const std::vector<int> again = target.selectTool->chosen();
    ASSERT_EQ(again.size(), 3u);
    EXPECT_EQ(target.entry(again[0]).group, 12);
    EXPECT_EQ(target.entry(again[1]).group, 12);
    EXPECT_EQ(target.entry(again[2]).group, 14);

    // Undo takes a paste away, redo brings it back.
    ASSERT_EQ(target.undo().undo(), 1);
    EXPECT_EQ(target.context.elementCount(), 5);
    ASSERT_EQ(target.undo().redo(), 1);
    EXPECT_EQ(target.context.elementCount(), 8);
    EXPECT_EQ(target.store().isLive(first), 1);

    // One element pasted is the single selection.
    source.selectTool->choose({s.b});
    ASSERT_EQ(source.context.copy(), 1);
    ASSERT_EQ(target.context.paste(), 1);
    EXPECT_EQ(target.selectTool->selectionMode(), 1);
    EXPECT_EQ(target.selectTool->single, 9);
    EXPECT_EQ(target.editor->held()->id, 9) << "the single selection is in hand";
}

TEST_F(ElementClipboardTest, DeleteCutAndPasteWriteTheirRecordsAndUndoBringsEveryElementBack)
{
    EditTestDocument doc;
    Source s(doc);
    const ElementIndexEntry entryA = doc.entry(s.a);

    // Delete: record 27; undo puts the elements back at their places.
    doc.selectTool->choose({s.a, s.b});
    ASSERT_EQ(doc.context.canDelete(), 1);
    ASSERT_EQ(doc.context.erase(), 1);
    EXPECT_EQ(lastUndoCode(doc), 27);
    EXPECT_EQ(doc.store().isLive(s.a) + doc.store().isLive(s.b), 0);
    EXPECT_EQ(doc.selectTool->selectionMode(), 0);
    EXPECT_EQ(doc.maskIndex().maskOf(s.a, 1), 0);
    ASSERT_EQ(doc.undo().undo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{s.a, s.b, s.c}));
    const ElementIndexEntry back = doc.entry(s.a);
    EXPECT_EQ(std::memcmp(&entryA, &back, sizeof entryA), 0);

    // Cut: the copy, then the elements go under one record 21.
    doc.selectTool->choose({s.c});
    ASSERT_EQ(doc.context.cut(), 1);
    EXPECT_EQ(lastUndoCode(doc), 21);
    EXPECT_EQ(doc.undo().recordCount(), 1) << "the undone delete was dropped by the cut";
    EXPECT_EQ(doc.store().isLive(s.c), 0);
    EXPECT_EQ(valueAt<int32_t>(clipboardBlock(), 0), 1);
    ASSERT_EQ(doc.undo().undo(), 1);
    EXPECT_EQ(doc.store().isLive(s.c), 1);
    ASSERT_EQ(doc.undo().redo(), 1);
    EXPECT_EQ(doc.store().isLive(s.c), 0);

    // A cut whose copy fails deletes nothing and leaves no record: id 99 cannot be read.
    const int records = doc.undo().recordCount();
    doc.selectTool->choose({s.a, 99});
    EXPECT_EQ(doc.context.cut(), 0);
    EXPECT_EQ(doc.store().isLive(s.a), 1);
    EXPECT_EQ(doc.undo().recordCount(), records);
    EXPECT_EQ(clipboardBlock(), "") << "the clipboard is emptied, not filled";
    EXPECT_EQ(doc.selectTool->chosen(), (std::vector<int>{s.a, 99}));
}

TEST_F(ElementClipboardTest, TextModeActsOnTheEditedTextOnly)
{
    EditTestDocument doc;
    Source s(doc);
    doc.selectTool->choose({s.a, s.b});
    ASSERT_EQ(doc.context.copy(), 1); // element data on the clipboard, no text
    doc.textEditor->inHand = std::make_unique<UndoTestElement>();
    UndoTestElement& text = *doc.textEditor->inHand;
    text.text = "abcdef";
    doc.context.interactionMode = 1;

    EXPECT_EQ(doc.context.canPaste(), 0) << "only text pastes while text is edited";
    EXPECT_EQ(doc.context.canCopy(), 0) << "no text selected";
    text.selectionStart = 1;
    text.selectionEnd = 4;
    EXPECT_EQ(doc.context.canCopy(), 1);
    EXPECT_EQ(doc.context.canCut(), 1);
    ASSERT_EQ(doc.context.copy(), 1);
    std::unique_ptr<GlobalBlock> copied(getClipboardText());
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->elementSize, 3);
    EXPECT_EQ(doc.context.canPaste(), 1);
    ASSERT_EQ(doc.context.cut(), 1);
    EXPECT_EQ(text.text, "aef");
    ASSERT_EQ(doc.context.paste(), 1);
    EXPECT_EQ(text.text, "abcdef");
    text.selectionStart = 0;
    text.selectionEnd = 2;
    ASSERT_EQ(doc.context.erase(), 1);
    EXPECT_EQ(text.text, "cdef");
    // The elements and their selection are untouched, and nothing went into the undo log here.
    EXPECT_EQ(doc.context.elementCount(), 3);
    EXPECT_EQ(doc.selectTool->chosen(), (std::vector<int>{s.a, s.b}));
    EXPECT_EQ(doc.undo().recordCount(), 0);
}

TEST_F(ElementClipboardTest, AControlDragRectangleIsCopiedAsABitmapAndABitmapPastesAsAnElement)
{
    EditTestDocument doc;
    RecordingWindow view;
    SetWindowPos(view.hwnd(), nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    ScopedOverride<Window*> viewWindow(doc.context.window, &view);
    EXPECT_EQ(doc.context.canCut(), 0) << "nothing selected, no rectangle";
    EXPECT_EQ(doc.context.copy(), 0);

    Selection& band = doc.selection();
    band.pending = 1;
    band.startX = 5, band.startY = 5, band.endX = 25, band.endY = 15; // device (10, 10) to (50, 30)
    EXPECT_EQ(doc.context.canCut(), 1);
    EXPECT_EQ(doc.context.canCopy(), 0);
    ASSERT_EQ(doc.context.copy(), 1);
    std::unique_ptr<DibImage> image(getClipboardDib());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 40);
    EXPECT_EQ(image->height, 20);
    EXPECT_EQ(doc.context.cut(), 1) << "a cut of the rectangle copies it and deletes nothing";
    EXPECT_EQ(doc.undo().recordCount(), 0);

    // The bitmap pastes as a new bitmap element of the current page, selected alone.
    ASSERT_EQ(doc.context.canPaste(), 1);
    ASSERT_EQ(doc.context.paste(), 1);
    EXPECT_EQ(doc.selectTool->selectionMode(), 1);
    const int id = doc.selectTool->single;
    EXPECT_EQ(doc.entry(id).kind, kindCode(ElementKind::Bitmap));
    ASSERT_NE(doc.textEditor->held(), nullptr);
    ASSERT_NE(doc.textEditor->held()->image, nullptr);
    EXPECT_EQ(doc.textEditor->held()->image->width, 40);
    EXPECT_EQ(lastUndoCode(doc), 25);

    clipboard.picturePaste = 0;
    EXPECT_EQ(doc.context.canPaste(), 0);
    EXPECT_EQ(doc.context.paste(), 0);
}

TEST_F(ElementClipboardTest, ABlockCopiedHereTravelsThroughAnotherProcessAndPastes)
{
    ScratchFolder scratch;
    const std::string file = scratch.pathOf("elements.bin");
    const std::string format = std::to_string(kElementClipboardFormat);
    EditTestDocument source;
    Source s(source);
    source.selectTool->choose({s.a, s.b, s.c});
    ASSERT_EQ(source.context.copy(), 1);
    const std::string block = clipboardBlock();

    // The other process reads the block, then puts it back after the clipboard was emptied.
    ASSERT_EQ(runHelperProcess("ClipboardBlockCopier.exe", "save " + format + " \"" + file + "\""), 0);
    EXPECT_EQ(ScratchFolder::read(file), block);
    ASSERT_EQ(clearClipboard(), 1);
    ASSERT_EQ(clipboardBlock(), "");
    ASSERT_EQ(runHelperProcess("ClipboardBlockCopier.exe", "put " + format + " \"" + file + "\""), 0);
    EXPECT_EQ(clipboardBlock().substr(0, block.size()), block);

    EditTestDocument target;
    ASSERT_EQ(target.context.paste(), 1);
    EXPECT_EQ(target.selectTool->chosen(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(target.pointsOf(1)[1].y, 40.0);
}

} // namespace
