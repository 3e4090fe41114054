// Lines in the drawing file through the real editors, the vertex rounding list in the file, the
// bodies the kinds share, and the line's SVG and DXF calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/FileErrorReporter.h"
#include "document/TagDictionary.h"
#include "elements/DxfFile.h"
#include "elements/LineElement.h"
#include "elements/SvgDocument.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/InkColor.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "platform/BufferedFile.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordingExporters.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

std::string save(LineDrawing& drawing, const std::string& path) { return drawing.save(path); }

int open(LineDrawing& drawing, const std::string& path) { return drawing.open(path); }

// The document's attribute holder, which keeps the rounding list it read last when it is released.
class KeptHolder : public Element {
public:
    void releaseAllAttributes() override
    {
        if (vertexRounding())
            (void)list.copyFrom(vertexRounding()); // a list that cannot be copied fails the test's count
        Element::releaseAllAttributes();
    }
    static Element* make() { return new KeptHolder; }
    static VertexRoundingList list;
};
VertexRoundingList KeptHolder::list;

// A document whose tag writer writes one rounding list to a scratch file.
class TagWriterProbe : public Document {
public:
    std::string writeWith(const std::string& path, const VertexRoundingList& list)
    {
        DeleteFileA(path.c_str());
        EXPECT_TRUE(setPath(path.c_str()) && ioFile()->createEmpty(*this) && ioFile()->openReadWrite(*this));
        attachWriter(ioFile(), &tags);
        {
            XmlContextScope writing(this);
            EXPECT_EQ(list.writeXml(), 1);
        }
        // A close that fails shows in the bytes read back, which the test compares.
        (void)ioFile()->close();
        attachWriter(nullptr, nullptr);
        return ScratchFolder::read(path);
    }
    TagDictionary tags;
};

TEST(LineFile, TagOrderReopenedEqualAndSavedAgainTheSame)
{
    TestApplication app;
    ScratchFolder scratch;
    std::string first;
    {
        LineDrawing drawing;
        ASSERT_EQ(drawing.addLine(10, 20, 110.5, 20), 1);
        ASSERT_EQ(drawing.addLine(0, 0, 0, 0), 2) << "a zero-length line is stored";
        ElementEditorBase& editor = *drawing.context.editor3;
        ASSERT_EQ(editor.beginEdit(1), 1);
        Element* line = editor.elementInHand();
        line->colour()->setRgb(200, 10, 30);
        line->lineWidth()->width = 12.34;
        line->linePosition()->position = LineOriginAttribute::kTop;
        line->lineType()->setStyleWithPresets(2);
        line->layer = 7;
        ASSERT_EQ(editor.storeBack(1), 1);
        first = save(drawing, scratch.pathOf("lines.ycx"));
    }
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first.find("<lineSize>12.34</lineSize>"), std::string::npos);
    // The tags of a line section in their order.
    size_t at = first.find("<line>");
    ASSERT_NE(at, std::string::npos);
    for (const char* tag : {"<rgbColor>", "<startPoint>", "<endPoint>", "<lineSize>", "<lineOrigin>", "<lineType>",
                            "<lineCap>", "<gray>", "</line>"}) {
        const size_t next = first.find(tag, at);
        ASSERT_NE(next, std::string::npos) << tag;
        at = next;
    }

    LineDrawing reopened;
    ASSERT_EQ(open(reopened, scratch.pathOf("lines.ycx")), 1);
    ASSERT_EQ(reopened.context.elementCount(), 2);
    ElementEditorBase& editor = *reopened.context.editor3;
    ASSERT_EQ(editor.beginEdit(1), 1);
    Element* line = editor.elementInHand();
    EXPECT_EQ(line->kind, 1);
    EXPECT_EQ(line->layer, 7);
    EXPECT_NEAR(line->firstPoint()->x, 10.0, 1e-9);
    EXPECT_NEAR(line->secondPoint()->x, 110.5, 1e-9);
    EXPECT_NEAR(line->secondPoint()->y, 20.0, 1e-9);
    EXPECT_EQ(line->lineWidth()->width, 12.34);
    EXPECT_EQ(line->linePosition()->position, LineOriginAttribute::kTop);
    EXPECT_EQ(line->lineType()->style, 2);
    EXPECT_EQ(line->colour()->getRed(), 200);
    EXPECT_EQ(save(reopened, scratch.pathOf("again.ycx")), first);
}

TEST(VertexRoundingList, FileBlockBoundsRecordAndSharedBodies)
{
    TestApplication app;
    ScratchFolder scratch;
    std::string written;
    {
        LineDrawing drawing;
        ASSERT_EQ(drawing.addLine(0, 0, 10, 0), 1);
        ASSERT_EQ(drawing.addLine(0, 5, 10, 5), 2);
        written = save(drawing, scratch.pathOf("base.ycx"));
    }
    ASSERT_FALSE(written.empty());

    // Written: nothing for all zeros, else "nums" and the values.
    {
        TagWriterProbe probe;
        VertexRoundingList zeros, round;
        ASSERT_TRUE(zeros.resize(3) && round.resize(3) && round.set(1, 1.5));
        EXPECT_EQ(probe.writeWith(scratch.pathOf("zeros.ycx"), zeros), "");
        EXPECT_EQ(probe.writeWith(scratch.pathOf("round.ycx"), round),
                  "<roundAray>\r\n <nums>3</nums>\r\n <doubleAray>\r\n0,1.5,0\r\n </doubleAray>\r\n</roundAray>\r\n");
    }

    // Read: the last line section also carries three points and the block; a bad block is a
    // data error that leaves the list empty, and both lines are read.
    const std::string points = "<listXY>\n<nums>3</nums>\n<xyAray>\n0,0,1,1,2,2\n</xyAray>\n</listXY>\n";
    struct Case {
        const char* name;
        std::string block;
        int errors;
        int count;
    };
    const Case cases[] = {
        {"three values", "<roundAray>\n<nums>3</nums>\n<doubleAray>\n0,1.5,0\n</doubleAray>\n</roundAray>\n", 0, 3},
        {"read under its second name", "<rightBottom>\n<nums>1</nums>\n<doubleAray>\n2\n</doubleAray>\n</rightBottom>\n",
         0, 1},
        {"nums -1", "<roundAray>\n<nums>-1</nums>\n<doubleAray>\n0\n</doubleAray>\n</roundAray>\n", 1, 0},
        {"nums 10^9", "<roundAray>\n<nums>1000000000</nums>\n<doubleAray>\n0\n</doubleAray>\n</roundAray>\n", 1, 0},
        {"nums above the points", "<roundAray>\n<nums>4</nums>\n<doubleAray>\n0,0,0,0\n</doubleAray>\n</roundAray>\n",
         1, 0},
        {"fewer values than nums", "<roundAray>\n<nums>3</nums>\n<doubleAray>\n0,1.5\n</doubleAray>\n</roundAray>\n", 1,
         0},
    };
    for (const Case& c : cases) {
        std::string text = written;
        const size_t last = text.rfind("</line>");
        ASSERT_NE(last, std::string::npos);
        text.insert(last, points + c.block);
        const std::string path = scratch.file("rounded.ycx", text);
        MessageBoxScript boxes;
        theFileErrorReporter.reset();
        ScopedOverride<Element* (*)()> holders(makeBaseElement, KeptHolder::make);
        KeptHolder::list.count = 0;
        app->errorCount = 0; // a shown data error sets it, and members are not made while it is set
        LineDrawing drawing;
        EXPECT_EQ(open(drawing, path), 1) << c.name;
        EXPECT_EQ(drawing.context.elementCount(), 2) << c.name;
        EXPECT_EQ(drawing.context.document->dataErrorCount, c.errors) << c.name;
        EXPECT_EQ(KeptHolder::list.count, c.count) << c.name;
        if (c.count == 3) {
            EXPECT_EQ(KeptHolder::list.get(1), 1.5);
        }
    }

    // The store record: count and values; a cut record leaves the list empty.
    app->errorCount = 0;
    LineDrawing drawing;
    ElementRecordBuffer& buffer = *drawing.context.elementStore()->recordBuffer;
    VertexRoundingList list, back;
    ASSERT_TRUE(list.append(0.0) && list.append(2.5));
    buffer.rewind();
    ASSERT_EQ(list.exchangeRecord(1, buffer), 1);
    const int full = buffer.position;
    buffer.rewind();
    EXPECT_EQ(back.exchangeRecord(3, buffer), 1);
    EXPECT_EQ(back.count, 2);
    EXPECT_EQ(back.get(1), 2.5);
    buffer.rewind();
    buffer.count = full - 1;
    EXPECT_EQ(back.exchangeRecord(3, buffer), 0);
    EXPECT_EQ(back.count, 0);

    // The shared bodies on an element with a point list.
    Element element;
    element.context = &drawing.context;
    ASSERT_TRUE(element.ensureAttribute(ElementAttribute::vertices) && element.ensureAttribute(ElementAttribute::lineWidth));
    Point p(3, 4);
    EXPECT_EQ(shared_body::snapToNearestListPoint(element, &p), 0) << "no points";
    EXPECT_EQ(p.x, 3.0);
    ASSERT_TRUE(element.vertices()->appendWithFlag(2, 1, 1, 0) && element.vertices()->appendXY(5, 1));
    shared_body::setListPoint(element, 0, 2, 2, 0);
    Point moved;
    ASSERT_TRUE(element.vertices()->getRecord(0, &moved));
    EXPECT_EQ(moved.flag, 0u) << "the arc flag is cleared";
    element.lineWidth()->width = 0.5;
    shared_body::scalePoints(element, 2.0, Point(0, 0), 0);
    EXPECT_EQ(element.lineWidth()->width, 0.5) << "without the flag the width stays";
    EXPECT_EQ(element.vertices()->getX(1), 10.0);
    shared_body::scalePoints(element, 2.0, Point(0, 0), 1);
    EXPECT_EQ(element.lineWidth()->width, 1.0);
    EXPECT_EQ(shared_body::snapToNearestListPoint(element, &p), 1);
    EXPECT_EQ(p.x, 8.0) << "onto (8, 8), the nearer vertex";
    EXPECT_EQ(p.y, 8.0);
}

TEST(LineExport, SvgLineAndDxfLineStopAtTheFirstFailure)
{
    TestApplication app;
    LineDrawing drawing;
    ASSERT_EQ(drawing.addLine(10, 20, 30, 5), 1);
    ElementEditorBase& editor = *drawing.context.editor3;
    ASSERT_EQ(editor.beginEdit(1), 1);
    Element* line = editor.elementInHand();
    line->layer = 100;

    RecordingSvg svg;
    EXPECT_EQ(line->writeSvg(&svg), 1);
    EXPECT_EQ(svg.calls, (std::vector<std::string>{"B11", "P10,20/3", "P30,5/3", "E"}));
    RecordingDxf dxf;
    EXPECT_EQ(line->writeDxf(&dxf), 1);
    EXPECT_EQ(dxf.calls, (std::vector<std::string>{"B191", "I100", "P10,20", "P30,5", "E"}));

    RecordingSvg failingSvg;
    failingSvg.failAt = 2;
    EXPECT_EQ(line->writeSvg(&failingSvg), -1);
    EXPECT_EQ(failingSvg.calls.size(), 2u);
    RecordingDxf failingDxf;
    failingDxf.failAt = 3;
    EXPECT_EQ(line->writeDxf(&failingDxf), -1);
    EXPECT_EQ(failingDxf.calls.size(), 3u);
    EXPECT_EQ(line->writeSvg(nullptr), -1);
}

} // namespace
