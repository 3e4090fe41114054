// Opening, saving and saving under a new name: the file dialogs as the user answers them, the
// overwrite question, and that no failed, cancelled or refused save loses the user's data.
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "document/FileProgress.h"
#include "document/FolderMemory.h"
#include "platform/CommonFileDialog.h"
#include "platform/StringUtil.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/LinearView.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"

using namespace drawing_fixture;

namespace {

using DialogScript = FileDialogScript;

// Fails the write of the second element, as a full disk would.
class FailingWrite : public IdleProgress {
public:
    void step(int) override
    {
        if (++steps == 2 && target)
            target->ioError = -1;
    }
    int steps = 0;
    static Document* target;
};
Document* FailingWrite::target = nullptr;

void fillTwo(TestDrawing& drawing)
{
    ShapeValues values;
    values.layer = 4;
    values.size = 0.5;
    ASSERT_EQ(drawing.add(1, ElementKind::Line, values), 1);
    values.layer = 5;
    ASSERT_EQ(drawing.add(1, ElementKind::Text, values), 1);
}

std::string savedBytes(const ScratchFolder& scratch)
{
    TestDrawing drawing;
    fillTwo(drawing);
    return drawing_fixture::savedBytes(drawing, scratch);
}

int readDxf(Document& document)
{
    // A stand-in import: one element on page 1.
    ShapeValues values;
    values.layer = 9;
    ElementEditorBase* editor = document.ioEditor();
    if (!editor || !editor->newElement(kindCode(ElementKind::Line)))
        return 0;
    static_cast<TestEditor*>(editor)->current->values = values;
    return editor->addToPage();
}

TEST(DocumentSave, AnUntitledDrawingIsSavedThroughTheDialogThenDirectly)
{
    ScratchFolder scratch;
    DialogScript dialogs;
    FolderMemory folders;
    StringUtil::copy(folders.drawingFolder, scratch.path().c_str());
    ScopedOverride folderMemory(theFolderMemory, &folders);
    TestDrawing drawing;
    fillTwo(drawing);
    ASSERT_EQ(drawing.context.isModified(), 1);
    EXPECT_EQ(drawing.context.hasFile(), 0);

    // Cancelled: nothing written, still changed, still untitled.
    dialogs.answers = {""};
    EXPECT_EQ(drawing.context.save(), 0);
    EXPECT_EQ(drawing.context.isModified(), 1);
    EXPECT_STREQ(drawing.context.title(), "SINKI");
    EXPECT_EQ(filesIn(scratch), 0);
    ASSERT_EQ(dialogs.startedFrom.size(), 1u);
    EXPECT_EQ(dialogs.startedFrom[0], scratch.path() + "*.ycx") << "the dialog starts in the remembered folder";
    EXPECT_EQ(dialogs.filters, (std::vector<std::string>{"Tesvan CAD(*.ycx)", "*.ycx", "すべて(*.*)", "*.*"}));

    // A name typed without extension is saved as a drawing.
    std::string path = scratch.pathOf("first.ycx");
    dialogs.answers = {scratch.pathOf("first")};
    ASSERT_EQ(drawing.context.save(), 1);
    EXPECT_EQ(drawing.context.isModified(), 0);
    EXPECT_EQ(drawing.context.hasFile(), 1);
    EXPECT_STREQ(drawing.context.title(), "first");
    EXPECT_EQ(ScratchFolder::read(path), savedBytes(scratch));
    EXPECT_EQ(dialogs.startedFrom.size(), 2u);

    // The next save writes directly.
    drawing.context.markModified();
    ASSERT_EQ(drawing.context.save(), 1);
    EXPECT_EQ(dialogs.startedFrom.size(), 2u);
    EXPECT_EQ(filesIn(scratch), 1);
}

TEST(DocumentSave, SaveAsAsksBeforeOverwritingAndKeepsTheNameUnlessItSucceeds)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    DialogScript dialogs;
    std::string mine = scratch.pathOf("mine.ycx");
    std::string other = scratch.file("other.ycx", "someone else's drawing");
    TestDrawing drawing;
    fillTwo(drawing);
    ASSERT_EQ(drawing.context.setPathAndTitle(mine.c_str()), 1);
    ASSERT_EQ(drawing.context.save(), 1);
    const std::string good = ScratchFolder::read(mine);

    // Save As offers the drawing's own name; refusing the overwrite writes nothing.
    drawing.context.markModified();
    dialogs.answers = {other};
    boxes.answer(IDCANCEL);
    EXPECT_EQ(drawing.context.saveAs(), 0);
    EXPECT_EQ(dialogs.startedFrom.back(), mine);
    ASSERT_EQ(boxes.texts(), "ファイルが存在します");
    EXPECT_EQ(boxes.shown()[0].caption, "重ね書きしますか？");
    EXPECT_EQ(ScratchFolder::read(other), "someone else's drawing");
    EXPECT_STREQ(drawing.context.title(), "mine");
    EXPECT_EQ(drawing.context.isModified(), 1);

    // A name of a kind that is not written is refused with an error.
    dialogs.answers = {scratch.pathOf("notes.txt")};
    EXPECT_EQ(drawing.context.saveAs(), 0);
    EXPECT_EQ(boxes.texts(), "ファイルが存在します | Write Error");
    EXPECT_FALSE(ScratchFolder::exists(scratch.pathOf("notes.txt")));

    // A write that fails midway: the target is untouched, the drawing keeps its old name and
    // stays changed.
    dialogs.answers = {other};
    boxes.answer(IDOK);
    FailingWrite::target = &drawing.document();
    {
        ScopedOverride progressHook(makeFileProgress, []() -> FileProgress* { return new FailingWrite; });
        EXPECT_EQ(drawing.context.saveAs(), 0);
    }
    EXPECT_EQ(ScratchFolder::read(other), "someone else's drawing");
    EXPECT_STREQ(drawing.context.title(), "mine");
    EXPECT_TRUE(drawing.document().isSamePath(mine.c_str()));
    EXPECT_EQ(drawing.context.isModified(), 1);
    EXPECT_EQ(filesIn(scratch), 2) << "no temporary file is left";

    // Answered OK: written, renamed, saved.
    dialogs.answers = {other};
    boxes.answer(IDOK);
    ASSERT_EQ(drawing.context.saveAs(), 1);
    EXPECT_EQ(ScratchFolder::read(other), good);
    EXPECT_STREQ(drawing.context.title(), "other");
    EXPECT_EQ(drawing.context.isModified(), 0);
    EXPECT_EQ(ScratchFolder::read(mine), good);
}

// A save that cannot finish leaves the old file byte for byte, no temporary file and the drawing
// changed; a cancel is silent, a refused or failed write says so.
TEST(DocumentSave, ASaveThatCannotFinishLeavesTheOldFileByteForByte)
{
    using Save = std::function<int(TestDrawing&, const std::string& path)>;
    const struct {
        const char* name;
        Save save;
        const char* boxes;
    } cases[] = {
        {"a write that fails midway",
         [](TestDrawing& drawing, const std::string&) {
             FailingWrite::target = &drawing.document();
             ScopedOverride progressHook(makeFileProgress, []() -> FileProgress* { return new FailingWrite; });
             return drawing.context.save();
         },
         ""},
        {"a write cancelled in the progress window",
         [](TestDrawing& drawing, const std::string&) {
             ScopedOverride progressHook(makeFileProgress, []() -> FileProgress* { return new CancelledProgress; });
             return drawing.context.save();
         },
         ""},
        {"a read-only target",
         [](TestDrawing& drawing, const std::string& path) {
             EXPECT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
             const int saved = drawing.context.save();
             SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
             return saved;
         },
         "Write Error"},
        {"a coordinate too large to write, not written as 0",
         [](TestDrawing& drawing, const std::string&) {
             ShapeValues values;
             values.xy = {1.0, 1e41};
             EXPECT_EQ(drawing.add(1, ElementKind::Line, values), 1);
             return drawing.context.save();
         },
         "Write Error"},
        {"no editor to write the page's elements",
         [](TestDrawing& drawing, const std::string&) {
             ScopedOverride noEditor(drawing.context.editor4, nullptr);
             return drawing.context.save();
         },
         "Write Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MessageBoxScript boxes;
        ScratchFolder scratch;
        const std::string old = "<?xml old drawing ?>\r\n";
        std::string path = scratch.file("keep.ycx", old);
        TestDrawing drawing;
        fillTwo(drawing);
        ASSERT_EQ(drawing.context.setPathAndTitle(path.c_str()), 1);
        EXPECT_EQ(c.save(drawing, path), 0);
        EXPECT_EQ(ScratchFolder::read(path), old);
        EXPECT_EQ(filesIn(scratch), 1) << "no temporary file is left";
        EXPECT_EQ(drawing.context.isModified(), 1);
        EXPECT_EQ(boxes.texts(), c.boxes);
    }
}

TEST(DocumentSave, ADrawingReadFromDxfIsNeverWrittenOverIt)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    DialogScript dialogs;
    const std::string dxf = "0\r\nSECTION\r\n0\r\nEOF\r\n";
    std::string path = scratch.file("plan.dxf", dxf);
    TestDrawing drawing;
    {
        ScopedOverride dxfReader(foreignFileDrivers.readDxf, readDxf);
        ASSERT_EQ(drawing.open(path), 1);
    }
    EXPECT_EQ(drawing.context.elementCount(), 1);
    EXPECT_EQ(drawing.context.isModified(), 0) << "opening marks nothing changed";
    EXPECT_EQ(drawing.context.hasFile(), 1);

    // Save goes to Save As, which offers the name as a drawing.
    dialogs.answers = {""};
    EXPECT_EQ(drawing.context.save(), 0);
    ASSERT_EQ(dialogs.startedFrom.size(), 1u);
    EXPECT_EQ(dialogs.startedFrom[0], scratch.pathOf("plan.ycx"));
    // Even a DXF name chosen in the dialog is refused.
    dialogs.answers = {path};
    EXPECT_EQ(drawing.context.save(), 0);
    EXPECT_EQ(ScratchFolder::read(path), dxf);
    EXPECT_EQ(filesIn(scratch), 1);
    EXPECT_EQ(boxes.texts(), "Write Error");

    dialogs.answers = {scratch.pathOf("plan.ycx")};
    ASSERT_EQ(drawing.context.save(), 1);
    EXPECT_EQ(ScratchFolder::read(path), dxf);
    EXPECT_EQ(filesIn(scratch), 2);
}

TEST(DocumentSave, AReadThatFailsLeavesTheDrawingUntitled)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    DialogScript dialogs;
    const std::string whole = savedBytes(scratch);
    const std::string cut = whole.substr(0, whole.find("<lineSize>", whole.find("<text>")) + 4);
    std::string path = scratch.file("cut.ycx", cut);
    TestDrawing drawing;
    EXPECT_EQ(drawing.open(path), 0);
    EXPECT_EQ(drawing.context.elementCount(), 1) << "the element before the cut stays";
    EXPECT_EQ(boxes.texts(), "Read Error");
    EXPECT_EQ(drawing.context.isModified(), 0);

    // The next Save asks for a name, and the original is not offered.
    dialogs.answers = {""};
    EXPECT_EQ(drawing.context.save(), 0);
    ASSERT_EQ(dialogs.startedFrom.size(), 1u);
    EXPECT_EQ(dialogs.startedFrom[0], "");
    EXPECT_EQ(ScratchFolder::read(path), cut);

    // The same for a read cancelled in the progress window, and for names of no known kind or
    // without extension, which are not read at all.
    std::string good = scratch.file("good.ycx", whole);
    TestDrawing cancelled;
    {
        ScopedOverride progressHook(makeFileProgress, []() -> FileProgress* { return new CancelledProgress; });
        EXPECT_EQ(cancelled.open(good), 0);
    }
    EXPECT_EQ(cancelled.context.hasFile(), 0);
    for (const char* name : {"good", "good.txt"}) {
        std::string other = scratch.file(name, whole);
        TestDrawing unknown;
        EXPECT_EQ(unknown.open(other), 0);
        EXPECT_EQ(unknown.context.elementCount(), 0);
        EXPECT_EQ(unknown.context.hasFile(), 0);
    }
    EXPECT_EQ(boxes.shown().size(), 4u);

    // The same bytes under "ydx", in capitals, open as a drawing and unchanged.
    std::string ydx = scratch.file("GOOD.YDX", whole);
    TestDrawing reopened;
    ASSERT_EQ(reopened.open(ydx), 1);
    EXPECT_EQ(reopened.context.elementCount(), 2);
    EXPECT_EQ(reopened.context.isModified(), 0);
    EXPECT_EQ(reopened.context.hasFile(), 1);
}

TEST(DocumentSave, TheOpenDialogNamesTheDocumentWithoutClaimingTheFile)
{
    ScratchFolder scratch;
    DialogScript dialogs;
    FolderMemory folders;
    ScopedOverride folderMemory(theFolderMemory, &folders);
    Document chooser;
    dialogs.answers = {""};
    EXPECT_EQ(chooser.openWithDialog(), 0);
    std::string path = scratch.pathOf("chosen.ycx");
    dialogs.answers = {path};
    ASSERT_EQ(chooser.openWithDialog(), 1);
    EXPECT_TRUE(chooser.isSamePath(path.c_str()));
    EXPECT_EQ(chooser.hasFile(), 0);
    EXPECT_EQ(std::string(folders.drawingFolder), scratch.path()) << "the folder is remembered";
}

} // namespace

namespace {

// Counts what the document asks of the view.
class CaptionView : public LinearView {
public:
    int repaintClientArea() override { return ++repaints; }
    int repaints = 0;
};

int writeSvgStandIn(Document& document) { return document.writeRawLine("<svg/>"); }

TEST(DocumentSave, ChangesMarkTheLowestPageAndRefreshTheCaptionOnce)
{
    ScratchFolder scratch;
    TestDrawing drawing;
    auto* view = new CaptionView;
    drawing.context.view = view;
    drawing.pages().setCurrent(3);
    drawing.context.markModified();
    drawing.pages().setCurrent(2);
    drawing.context.markModified();
    drawing.context.markModified();
    EXPECT_EQ(view->captions, 1) << "only the first change shows in the caption";
    EXPECT_EQ(drawing.pages().lowest, 2);
    EXPECT_EQ(drawing.document().changeCount, 3);

    std::string path = scratch.pathOf("a.ycx");
    ASSERT_EQ(drawing.context.setPathAndTitle(path.c_str()), 1);
    ASSERT_EQ(drawing.context.save(), 1);
    EXPECT_EQ(view->captions, 2);
    ASSERT_EQ(drawing.context.save(), 1);
    EXPECT_EQ(view->captions, 2) << "saving an unchanged drawing changes no caption";

    // Reading counts no change and redraws the view.
    TestDrawing reader;
    auto* readerView = new CaptionView;
    reader.context.view = readerView;
    ASSERT_EQ(reader.open(path), 1);
    EXPECT_EQ(reader.context.isModified(), 0);
    EXPECT_EQ(readerView->captions, 0);
    EXPECT_GE(readerView->repaints, 1);
}

TEST(DocumentSave, SvgIsWrittenOnlyWhenChosenAndAsksBeforeDroppingContent)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    DialogScript dialogs;
    std::string path = scratch.pathOf("shapes.svg");
    TestDrawing drawing;
    fillTwo(drawing); // a line and a text: both kept by SVG

    // Without the SVG writer nothing is written, and that is said.
    dialogs.answers = {path};
    EXPECT_EQ(drawing.context.saveAs(), 0);
    EXPECT_EQ(boxes.texts(), "Write Error");
    EXPECT_EQ(filesIn(scratch), 0);
    EXPECT_EQ(drawing.context.hasFile(), 0);

    ScopedOverride svgWriter(foreignFileDrivers.writeSvg, writeSvgStandIn);
    boxes.clear();
    dialogs.answers = {path};
    ASSERT_EQ(drawing.context.saveAs(), 1);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(ScratchFolder::read(path), "<svg/>\r\n");

    // A circle would be dropped: Cancel writes nothing and keeps the drawing changed.
    ShapeValues circle;
    ASSERT_EQ(drawing.add(1, ElementKind::Circle, circle), 1);
    dialogs.answers = {path};
    boxes.answer(IDOK);     // overwrite
    boxes.answer(IDCANCEL); // drop the circle
    EXPECT_EQ(drawing.context.saveAs(), 0);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(drawing.context.isModified(), 1);
    EXPECT_EQ(ScratchFolder::read(path), "<svg/>\r\n");

    // Save never writes over the SVG file: it offers the name as a drawing.
    dialogs.answers = {""};
    EXPECT_EQ(drawing.context.save(), 0);
    EXPECT_EQ(dialogs.startedFrom.back(), scratch.pathOf("shapes.ycx"));

    // A second page, even an empty one, would be dropped as well.
    TestDrawing pages;
    fillTwo(pages);
    pages.pages().setCurrent(2);
    pages.pages().setCurrent(1);
    boxes.clear();
    boxes.answer(IDCANCEL);
    dialogs.answers = {scratch.pathOf("pages.svg")};
    EXPECT_EQ(pages.context.saveAs(), 0);
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_FALSE(ScratchFolder::exists(scratch.pathOf("pages.svg")));
}

} // namespace

namespace {

// Without an editor to make the elements, the drawing would come up empty under the file's name,
// and the next save would write over the original without them.
TEST(DocumentSave, ElementsThatCannotBeReadFailTheWholeFile)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    std::string path = scratch.file("two.ycx", savedBytes(scratch));
    TestDrawing reader;
    ScopedOverride noEditor(reader.context.editor4, nullptr);
    EXPECT_EQ(reader.open(path), 0);
    EXPECT_EQ(reader.context.hasFile(), 0);
    EXPECT_EQ(boxes.texts(), "Read Error");
}

TEST(DocumentSave, TheShownPageIsOneThatWasRead)
{
    ScratchFolder scratch;
    std::string whole = savedBytes(scratch);
    const std::string shown = "<dspedpage>1</dspedpage>";
    size_t at = whole.find(shown);
    ASSERT_NE(at, std::string::npos);
    whole.replace(at, shown.size(), "<dspedpage>9999</dspedpage>");
    std::string path = scratch.file("far.ycx", whole);

    TestDrawing drawing;
    ASSERT_EQ(drawing.open(path), 1);
    EXPECT_EQ(drawing.pages().current, 1);
    EXPECT_EQ(drawing.pages().count, 1) << "no empty pages are made up to the shown one";
}

} // namespace
