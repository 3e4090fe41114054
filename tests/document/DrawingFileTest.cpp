// Drawings written to and read from the own tagged format: the exact bytes, the page blocks,
// header routing, the reader's tolerance and error reports, and saving through a temporary file.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "document/FileProgress.h"
#include "platform/CommonFileDialog.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "views/tools/SelectTool.h"

using namespace drawing_fixture;

namespace {

const char* const kGolden =
    "<?xml version=\"1.0\" encording=\"Shift_JIS\"?>\r\n"
    "<!--- DTD is none --->\r\n"
    "<tesvanCADml>\r\n"
    " <header>\r\n"
    "  <paperSize>\r\n"
    "   <horizontal>297</horizontal>\r\n"
    "   <vertical>210</vertical>\r\n"
    "  </paperSize>\r\n"
    "  <grid>\r\n"
    "   <gridType>\"NONE\"</gridType>\r\n"
    "   <gridHorz>\r\n"
    "    <unit>\"MIRI\"</unit>\r\n"
    "    <numerator>1</numerator>\r\n"
    "    <denominator>1</denominator>\r\n"
    "   </gridHorz>\r\n"
    "   <gridVert>\r\n"
    "    <unit>\"MIRI\"</unit>\r\n"
    "    <numerator>1</numerator>\r\n"
    "    <denominator>1</denominator>\r\n"
    "   </gridVert>\r\n"
    "   <origin>\r\n"
    "    <x>0</x>\r\n"
    "    <y>0</y>\r\n"
    "   </origin>\r\n"
    "   <originDesign>\"NONE\"</originDesign>\r\n"
    "   <plusColor>\r\n"
    "    <rgbColor>\r\n"
    "     <r>0</r>\r\n"
    "     <g>255</g>\r\n"
    "     <b>255</b>\r\n"
    "    </rgbColor>\r\n"
    "   </plusColor>\r\n"
    "   <minusColor>\r\n"
    "    <rgbColor>\r\n"
    "     <r>255</r>\r\n"
    "     <g>255</g>\r\n"
    "     <b>0</b>\r\n"
    "    </rgbColor>\r\n"
    "   </minusColor>\r\n"
    "   <originColor>\r\n"
    "    <rgbColor>\r\n"
    "     <r>0</r>\r\n"
    "     <g>0</g>\r\n"
    "     <b>0</b>\r\n"
    "    </rgbColor>\r\n"
    "   </originColor>\r\n"
    "   <gridPosition>\"UNDER\"</gridPosition>\r\n"
    "  </grid>\r\n"
    "  <dspedpage>2</dspedpage>\r\n"
    " </header>\r\n"
    " <pagedata>\r\n"
    "  <page>1</page>\r\n"
    "  <entities>\r\n"
    "   <line>\r\n"
    "    <layer>12</layer>\r\n"
    "    <lineSize>0.25</lineSize>\r\n"
    "    <listXY>\r\n"
    "     <nums>2</nums>\r\n"
    "     <xyAray>[1.5,2,3,-4.125]</xyAray>\r\n"
    "    </listXY>\r\n"
    "    <fileName>\"ab\"</fileName>\r\n"
    "   </line>\r\n"
    "   <text>\r\n"
    "    <layer>3</layer>\r\n"
    "    <lineSize>2.3</lineSize>\r\n"
    "    <fileName>\"図形.bmp\"</fileName>\r\n"
    "   </text>\r\n"
    "  </entities>\r\n"
    " </pagedata>\r\n"
    " <pagedata>\r\n"
    "  <page>2</page>\r\n"
    "  <entities>\r\n"
    "   <box>\r\n"
    "    <layer>100</layer>\r\n"
    "    <lineSize>3</lineSize>\r\n"
    "    <bitmapData>\r\n"
    "     <binLength>3</binLength>\r\n"
    "     <binHex>00A5FF</binHex>\r\n"
    "    </bitmapData>\r\n"
    "   </box>\r\n"
    "  </entities>\r\n"
    " </pagedata>\r\n"
    " <pagedata>\r\n"
    "  <page>3</page>\r\n"
    "  <entities>\r\n"
    "  </entities>\r\n"
    " </pagedata>\r\n"
    "</tesvanCADml>\r\n";

// The user cancels the save dialog; counts how often it was shown.
struct CancelledSaveDialog {
    CancelledSaveDialog() : previous(setSaveFileFunction(cancel)) { shown = 0; }
    ~CancelledSaveDialog() { setSaveFileFunction(previous); }
    static BOOL cancel(OPENFILENAMEA*)
    {
        ++shown;
        return FALSE;
    }
    FileDialogFunction previous;
    static int shown;
};
int CancelledSaveDialog::shown = 0;

int readInto(TestDrawing& drawing, const std::string& path)
{
    EXPECT_EQ(drawing.document().assign(path.c_str()), 1);
    XmlContextScope publish(&drawing.document());
    return drawing.document().read();
}

class CancellingProgress : public IdleProgress {
public:
    void step(int) override { ++steps; }
    int cancelled() override { return steps >= 2; }
    int steps = 0;
};

} // namespace

TEST(DrawingFile, IsWrittenExactlyAndReadBackByteForByte)
{
    ScratchFolder scratch;
    std::string path = scratch.pathOf("sample.ycx");
    TestDrawing drawing;
    ASSERT_EQ(fillSample(drawing), 1);
    drawing.context.markModified();
    ASSERT_EQ(drawing.context.setPathAndTitle(path.c_str()), 1);
    ASSERT_EQ(drawing.context.save(), 1);
    EXPECT_EQ(ScratchFolder::read(path), kGolden);
    EXPECT_EQ(drawing.pages().current, 2) << "writing switches only the I/O page";
    EXPECT_EQ(drawing.pages().count, 3);
    EXPECT_EQ(drawing.context.isModified(), 0);

    TestDrawing copy;
    copy.paper()->width = 1;
    ASSERT_EQ(copy.open(path), 1);
    EXPECT_EQ(copy.pages().current, 2) << "the displayed page";
    EXPECT_EQ(copy.pages().count, 3);
    EXPECT_EQ(copy.context.isModified(), 0) << "opening a file does not mark the drawing changed";
    EXPECT_EQ(copy.context.hasFile(), 1);
    EXPECT_EQ(copy.paper()->width, 297.0);
    EXPECT_EQ(copy.paper()->height, 210.0);
    std::vector<TestShape*> first = copy.elementsOf(1);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0]->kind, kindCode(ElementKind::Line));
    EXPECT_EQ(first[0]->layer, 12);
    EXPECT_EQ(first[0]->values.xy, (std::vector<double>{1.5, 2, 3, -4.125}));
    EXPECT_EQ(first[0]->values.name, "ab") << "quotes are dropped from string tags";
    EXPECT_EQ(first[1]->kind, kindCode(ElementKind::Text));
    EXPECT_EQ(first[1]->values.size, 2.3);
    copy.release(first);
    std::vector<TestShape*> second = copy.elementsOf(2);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0]->values.data, std::string("\x00\xA5\xFF", 3));
    copy.release(second);

    std::string again = scratch.pathOf("again.ycx");
    ASSERT_EQ(copy.context.setPathAndTitle(again.c_str()), 1);
    ASSERT_EQ(copy.context.save(), 1);
    EXPECT_EQ(ScratchFolder::read(again), kGolden);
}

TEST(DrawingFile, TheReaderToleratesForeignTextAndReportsBadValues)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    std::string path = scratch.file("t.ycx",
                                    "anything on the first line <line><layer>7</layer></line>\r\n"
                                    "<tesvanCADmlx>\r\n"
                                    "<tesvanCADml>\r\n"
                                    "<header/>\r\n"
                                    "<pagedata>\r\n<page>2000000000</page>\r\n"
                                    "<entities>\r\n<line>\r\n<layer>9</layer>\r\n</line>\r\n</entities>\r\n</pagedata>\r\n"
                                    "<pagedata>\r\n<page>1</page>\r\n<entities>\r\n<box>\r\n</box>\r\n</entities>\r\n"
                                    "</pagedata>\r\n"
                                    "<pagedata>\r\n<page>1</page>\r\n<entities>\r\n<line>\r\n<layer>1</layer>\r\n"
                                    "<width>4</width>\r\n</line>\r\n<layer>5</layer>\r\n<line/>\r\n</entities>\r\n"
                                    "</pagedata>\r\n"
                                    "</tesvanCADml>\r\n");
    TestDrawing drawing;
    ASSERT_EQ(readInto(drawing, path), 1);
    EXPECT_EQ(drawing.pages().count, 1) << "the page of 2,000,000,000 made no pages";
    std::vector<TestShape*> shapes = drawing.elementsOf(1);
    ASSERT_EQ(shapes.size(), 3u) << "both blocks of page 1, and nothing of the refused page";
    EXPECT_EQ(shapes[0]->kind, kindCode(ElementKind::Box));
    EXPECT_EQ(shapes[0]->values.layer, 100) << "an element without attribute tags has the defaults";
    EXPECT_EQ(shapes[0]->values.size, 0.0);
    EXPECT_EQ(shapes[1]->kind, kindCode(ElementKind::Line));
    EXPECT_EQ(shapes[1]->values.layer, 1);
    EXPECT_EQ(shapes[2]->kind, kindCode(ElementKind::Line)) << "an element in empty form";
    drawing.release(shapes);
    EXPECT_EQ(boxes.texts(), "</page>のデータがエラーです");

    // The data-error count starts afresh with each read.
    ASSERT_EQ(readInto(drawing, path), 1);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

TEST(DrawingFile, AFileCutOffInAnElementKeepsTheElementsBeforeIt)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    std::string golden = kGolden;
    std::string cut = golden.substr(0, golden.find("<lineSize>3") + 11);
    std::string path = scratch.file("cut.ycx", cut);
    TestDrawing drawing;
    EXPECT_EQ(drawing.open(path), 0);
    std::vector<TestShape*> kept = drawing.elementsOf(1);
    EXPECT_EQ(kept.size(), 2u);
    drawing.release(kept);
    EXPECT_EQ(drawing.context.elementCount(), 2);
    EXPECT_EQ(boxes.texts(), "Read Error");
    // The drawing lost its name, so a save cannot write the cut drawing over the file.
    EXPECT_EQ(drawing.context.hasFile(), 0);
    EXPECT_STREQ(drawing.context.title(), "SINKI");
    CancelledSaveDialog dialog;
    EXPECT_EQ(drawing.context.save(), 0);
    EXPECT_EQ(CancelledSaveDialog::shown, 1) << "the next save asks for a name";
    EXPECT_EQ(ScratchFolder::read(path), cut);

    // A holder without the object for a tag fails the element, and with it the rest.
    std::string whole = scratch.file("whole.ycx", kGolden);
    TestDrawing lacking;
    lacking.document().missingTags = {tag_id::bitmapData};
    EXPECT_EQ(readInto(lacking, whole), 0);
    EXPECT_EQ(lacking.context.elementCount(), 2);
}

// A value the reader refuses is a data error: reported once, not kept, and the read goes on. A
// value, section or page number that cannot be read otherwise (here its closing tag is missing,
// so the reader took the next tag for it) fails the read, and the drawing does not keep the
// file's name: a save cannot write what was read over the file.
TEST(DrawingFile, AValueThatCannotBeReadFailsTheReadWhileARefusedOneDoesNot)
{
    struct Case {
        const char* what;
        std::string from, to;
        int opens;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"a real with too many digits", "<lineSize>0.25</lineSize>",
         "<lineSize>" + std::string(45, '9') + "</lineSize>", 1, {"</lineSize>のデータがエラーです"}},
        {"an attribute without its closing tag", "<lineSize>0.25</lineSize>", "<lineSize>0.25", 0,
         {"</lineSize>がみつかりません", "Read Error"}},
        {"a header section value without its closing tag", "<horizontal>297</horizontal>", "<horizontal>297", 0,
         {"</horizontal>がみつかりません", "Read Error"}},
        {"a page number without its closing tag", "<page>2</page>", "<page>2", 0,
         {"</page>がみつかりません", "Read Error"}},
    };
    MessageBoxScript boxes;
    ScratchFolder scratch;
    for (const Case& c : cases) {
        std::string bytes = kGolden;
        ASSERT_NE(bytes.find(c.from), std::string::npos) << c.what;
        bytes.replace(bytes.find(c.from), c.from.size(), c.to);
        const std::string path = scratch.file("damaged.ycx", bytes);
        boxes.clear();
        TestDrawing drawing;
        EXPECT_EQ(drawing.open(path), c.opens) << c.what;
        EXPECT_EQ(drawing.context.hasFile(), c.opens) << c.what;
        std::vector<std::string> shown;
        for (const MessageBoxScript::Box& box : boxes.shown())
            shown.push_back(box.text);
        EXPECT_EQ(shown, c.boxes) << c.what;
        if (c.opens) {
            std::vector<TestShape*> first = drawing.elementsOf(1);
            ASSERT_EQ(first.size(), 2u) << c.what;
            EXPECT_EQ(first[0]->values.size, 0.0) << "the refused value is not kept";
            EXPECT_EQ(first[0]->values.xy.size(), 4u) << "the values after it are read";
            drawing.release(first);
        }
    }
}

TEST(DrawingFile, PageSwitchesDecideWhereElementsGo)
{
    ScratchFolder scratch;
    std::string path = scratch.pathOf("nopages.ycx");
    {
        TestDrawing drawing;
        ASSERT_EQ(fillSample(drawing), 1);
        drawing.document().writeSwitches.pageNumber = 0;
        ASSERT_EQ(drawing.document().setPathAndTitle(path.c_str()), 1);
        ASSERT_EQ(drawing.document().save(), 1);
    }
    EXPECT_EQ(ScratchFolder::read(path).find("<page>"), std::string::npos);

    // Without page tags every block goes to the page current when the read starts.
    TestDrawing reader;
    reader.pages().setCurrent(3);
    ASSERT_EQ(readInto(reader, path), 1);
    std::vector<TestShape*> merged = reader.elementsOf(3);
    EXPECT_EQ(merged.size(), 3u);
    reader.release(merged);
    EXPECT_EQ(reader.pages().count, 3);

    // With the pages switch off only page 1 is read, into the current page.
    std::string paged = scratch.file("paged.ycx", kGolden);
    TestDrawing part;
    part.pages().setCurrent(2);
    part.document().readSwitches.pages = 0;
    ASSERT_EQ(readInto(part, paged), 1);
    EXPECT_EQ(part.pages().current, 2);
    std::vector<TestShape*> firstPage = part.elementsOf(2);
    EXPECT_EQ(firstPage.size(), 2u);
    part.release(firstPage);
    EXPECT_EQ(part.context.elementCount(), 2);

    // A drawing without a page list has page 1 only: the elements of page 2 fail the read
    // rather than join those of page 1.
    TestDrawing single;
    delete single.context.pages;
    single.context.pages = nullptr;
    MessageBoxScript boxes;
    EXPECT_EQ(readInto(single, paged), 0);
    EXPECT_EQ(single.context.elementCount(), 2) << "page 1 was read";
}

TEST(DrawingFile, HeaderSectionsGoToTheirOwnersWhenSwitchedOn)
{
    ScratchFolder scratch;
    std::string path = scratch.file("h.ycx", kGolden);
    TestDrawing off;
    off.document().readSwitches.paper = 0;
    off.document().readSwitches.dspedpage = 0;
    ASSERT_EQ(readInto(off, path), 1);
    EXPECT_TRUE(off.paper()->sectionsRead.empty());
    EXPECT_EQ(off.paper()->width, 297.0);
    EXPECT_EQ(off.document().displayedPage, 1);
    EXPECT_EQ(off.context.elementCount(), 3) << "the section's inner tags were passed over";

    TestDrawing without(false);
    ASSERT_EQ(readInto(without, path), 1);
    EXPECT_EQ(without.context.elementCount(), 3);
    EXPECT_EQ(without.document().displayedPage, 2);

    // Writing: a section is written only with its switch on and its owner there.
    TestDrawing writer;
    writer.document().writeSwitches.paper = 0;
    writer.document().writeSwitches.grid = 0;
    writer.document().writeSwitches.dspedpage = 0;
    std::string written = scratch.pathOf("w.ycx");
    ASSERT_EQ(writer.document().setPathAndTitle(written.c_str()), 1);
    ASSERT_EQ(writer.document().save(), 1);
    EXPECT_NE(ScratchFolder::read(written).find(" <header>\r\n </header>\r\n"), std::string::npos);
}

namespace {
class ListedSelection : public IdleSelectTool {
public:
    int selectionMode() override { return 2; }
    int firstSelectedId() override { return next = 0, nextSelectedId(); }
    int nextSelectedId() override { return next < 2 ? ids[next++] : -1; }
    int ids[2] = {3, 1};
    int next = 0;
};
} // namespace

TEST(DrawingFile, TheSelectionIsWrittenAsOnePage)
{
    ScratchFolder scratch;
    std::string path = scratch.pathOf("part.ycx");
    TestDrawing drawing;
    ASSERT_EQ(fillSample(drawing), 1);
    ListedSelection selection;
    drawing.context.selectTool = &selection;
    drawing.document().writeSwitches.selectionOnly = 1;
    ASSERT_EQ(drawing.document().setPathAndTitle(path.c_str()), 1);
    ASSERT_EQ(drawing.document().save(), 1);
    drawing.context.selectTool = nullptr;

    TestDrawing part;
    ASSERT_EQ(readInto(part, path), 1);
    std::vector<TestShape*> shapes = part.elementsOf(1);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0]->kind, kindCode(ElementKind::Box)) << "in the order of the selection";
    EXPECT_EQ(shapes[1]->kind, kindCode(ElementKind::Line));
    part.release(shapes);
    EXPECT_EQ(part.pages().count, 1);
}

TEST(DrawingFile, TheExtensionDecidesWhatIsReadAndWritten)
{
    EXPECT_EQ(Document::fileKindOfPath("a.YCX"), 1);
    EXPECT_EQ(Document::fileKindOfPath("c:\\d\\b.ydx"), 1);
    EXPECT_EQ(Document::fileKindOfPath("c.svg"), 2);
    EXPECT_EQ(Document::fileKindOfPath("d.Dxf"), 3);
    EXPECT_EQ(Document::fileKindOfPath("noextension"), 0);
    EXPECT_EQ(Document::fileKindOfPath("c:\\x.ycx\\file"), 0);

    ScratchFolder scratch;
    std::string upper = scratch.file("UPPER.YCX", kGolden);
    TestDrawing drawing;
    ASSERT_EQ(readInto(drawing, upper), 1);
    EXPECT_EQ(drawing.context.elementCount(), 3);

    // A drawing named after a DXF or extensionless file is never written over that file.
    std::string dxf = scratch.file("a.dxf", "0\r\nEOF\r\n");
    std::string plain = scratch.pathOf("plain");
    CancelledSaveDialog dialog;
    for (const std::string& target : {dxf, plain}) {
        ASSERT_EQ(drawing.document().setPathAndTitle(target.c_str()), 1);
        EXPECT_EQ(drawing.document().write(), 0);
        EXPECT_EQ(drawing.document().save(), 0) << "save goes to save-as";
    }
    EXPECT_EQ(ScratchFolder::read(dxf), "0\r\nEOF\r\n");
    EXPECT_FALSE(ScratchFolder::exists(plain));
    EXPECT_EQ(filesIn(scratch), 2);
}

TEST(DrawingFile, AFailedOrCancelledSaveKeepsTheOldFile)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    std::string path = scratch.file("keep.ycx", "old bytes");
    TestDrawing drawing;
    ASSERT_EQ(fillSample(drawing), 1);
    drawing.context.markModified();
    ASSERT_EQ(drawing.context.setPathAndTitle(path.c_str()), 1);

    {
        ScopedOverride progressHook(makeFileProgress, []() -> FileProgress* { return new CancellingProgress; });
        EXPECT_EQ(drawing.context.save(), 0);
    }
    EXPECT_EQ(ScratchFolder::read(path), "old bytes");
    EXPECT_EQ(filesIn(scratch), 1) << "no temporary file is left";
    EXPECT_EQ(drawing.context.isModified(), 1);
    EXPECT_TRUE(boxes.shown().empty());

    // A target that another program holds open cannot be replaced.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(drawing.context.save(), 0);
    CloseHandle(held);
    EXPECT_EQ(ScratchFolder::read(path), "old bytes");
    EXPECT_EQ(filesIn(scratch), 1);
    EXPECT_EQ(boxes.texts(), "Write Error");

    ASSERT_EQ(drawing.context.save(), 1);
    EXPECT_EQ(ScratchFolder::read(path), kGolden);
}
