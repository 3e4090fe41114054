// Point lists: paper scaling, record images, the "listXY" element, device polygons, the index
// window, rounded boxes and round-capped outlines.
#include <gtest/gtest.h>
#include <string>

#include "geometry/DrawPoint.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "platform/IntPolygon.h"
#include "tests/geometry/DrawingOwner.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/MessageBoxScript.h"

namespace {

void fill(PointList& list, std::initializer_list<double> xy)
{
    list.count = 0;
    for (auto it = xy.begin(); it != xy.end(); it += 2)
        ASSERT_EQ(list.appendXY(*it, *(it + 1)), 1);
}

TEST(PointList, PaperScalingAndRecordImages)
{
    OwnedDrawing drawing;
    drawing.paper().denominator = 100;
    PointList list;
    list.owner = &drawing.context;
    ASSERT_EQ(list.appendScaled(1.0, 2.0, 3.0), 1);
    EXPECT_DOUBLE_EQ(list.getX(0), 100.0);
    double x = 0, y = 0, z = 0;
    ASSERT_EQ(list.getScaled(0, &x, &y, &z), 1);
    EXPECT_DOUBLE_EQ(y, 2.0);
    EXPECT_DOUBLE_EQ(z, 3.0);
    EXPECT_EQ(list.getScaled(1, &x, &y, &z), 0);

    // No points: only the count.
    PointList empty;
    ElementRecordBuffer buffer;
    ASSERT_EQ(empty.serialize(1, buffer, 2, 0), 1);
    EXPECT_EQ(buffer.count, 4);

    // Arc markers survive in the flagged form, 20 bytes a point.
    PointList arcs;
    ASSERT_EQ(arcs.appendWithFlag(2, 1, 2, 0), 1);
    ASSERT_EQ(arcs.appendXY(3, 4), 1);
    ASSERT_EQ(arcs.appendXY(5, 6), 1);
    ElementRecordBuffer flagged;
    ASSERT_EQ(arcs.writeRecords(flagged, 2, 1), 1);
    EXPECT_EQ(flagged.count, 4 + 3 * 20);
    PointList back;
    ASSERT_EQ(back.appendXY(9, 9), 1);
    flagged.rewind();
    ASSERT_EQ(back.serialize(3, flagged, 2, 1), 1);
    ASSERT_EQ(back.count, 3);
    Point p;
    ASSERT_EQ(back.getPoint(0, &p), 1);
    EXPECT_EQ(p.flag, 2u);
    ASSERT_EQ(back.getPoint(2, &p), 1);
    EXPECT_DOUBLE_EQ(p.y, 6.0);
    EXPECT_DOUBLE_EQ(p.z, 0.0);

    // A count of 0 or below empties the list.
    ElementRecordBuffer negative;
    ASSERT_EQ(negative.putInt(-5), 1);
    negative.rewind();
    ASSERT_EQ(back.readRecords(negative, 2, 0), 1);
    EXPECT_EQ(back.count, 0);

    // A count the record does not hold keeps the points read so far.
    ElementRecordBuffer cut;
    ASSERT_EQ(cut.putInt(2000000000), 1);
    ASSERT_EQ(DrawPoint(7, 8).writeRecord(cut, 2, 0), 1);
    ASSERT_EQ(cut.putInt(0), 1);
    cut.rewind();
    EXPECT_EQ(back.readRecords(cut, 2, 0), 0);
    ASSERT_EQ(back.count, 1);
    EXPECT_DOUBLE_EQ(back.getY(0), 8.0);
}

TEST(PointList, TheListElementOfTheDrawingFile)
{
    OwnedDrawing drawing;
    AttributeFile file;
    file.setOwner(&drawing.context);
    PointList list;
    fill(list, {0, 0, 10.5, 0, 10.5, 20});
    PointList none;

    std::string bytes = file.write([&](Document& d) {
        EXPECT_EQ(list.writeXmlWithWord(&d, tag_id::listXY), 1);
        EXPECT_EQ(none.writeXml(&d, tag_id::listXY), 1);
    }, 3);
    EXPECT_EQ(bytes, "   <listXY>\r\n    <nums>3</nums>\r\n    <xyAray>\r\n0,0,10.5,0,10.5,20\r\n    </xyAray>\r\n   </listXY>\r\n"
                     "   <listXY>\r\n    <nums>0</nums>\r\n    <xyAray>\r\n    </xyAray>\r\n   </listXY>\r\n");
    EXPECT_EQ(file.currentPointList.count, 3) << "the holder keeps the last list written";
    EXPECT_EQ(list.xmlLink, &file);

    // At 1:4 the file holds paper millimetres and reads back into drawing units.
    drawing.paper().denominator = 4;
    PointList scaled;
    scaled.owner = &drawing.context;
    fill(scaled, {4, 8, -2, 1e-7});
    bytes = file.write([&](Document& d) { EXPECT_EQ(scaled.writeXml(&d, tag_id::listXY), 1); });
    EXPECT_EQ(bytes, "<listXY>\r\n <nums>2</nums>\r\n <xyAray>\r\n1,2,-0.5,0\r\n </xyAray>\r\n</listXY>\r\n");
    file.open(bytes + "<line>");
    int id = 0;
    ASSERT_TRUE(file.nextTag(id));
    PointList read;
    ASSERT_EQ(read.readXml(tag_id::listXY), 1);
    EXPECT_EQ(read.owner, &drawing.context);
    ASSERT_EQ(read.count, 2);
    EXPECT_DOUBLE_EQ(read.getX(1), -2.0);
    EXPECT_DOUBLE_EQ(read.getY(0), 8.0);
    ASSERT_TRUE(file.nextTag(id));
    EXPECT_EQ(id, 1);

    // A long list wraps only after a y value, so every line holds whole pairs.
    PointList many;
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(many.appendXY(1000.125 + i, 2000.5 + i), 1);
    bytes = file.write([&](Document& d) { EXPECT_EQ(many.writeXml(&d, tag_id::listXY), 1); });
    size_t start = bytes.find("<xyAray>\r\n") + 10;
    size_t end = bytes.find(" </xyAray>");
    std::string lines = bytes.substr(start, end - start);
    int lineCount = 0;
    for (size_t at = 0; at < lines.size();) {
        size_t stop = lines.find("\r\n", at);
        std::string line = lines.substr(at, stop - at);
        int commas = 0;
        for (char c : line)
            commas += c == ',';
        EXPECT_EQ(commas % 2, line.back() == ',' ? 0 : 1) << line;
        ++lineCount;
        at = stop + 2;
    }
    EXPECT_GT(lineCount, 3);
    file.open(bytes);
    ASSERT_TRUE(file.nextTag(id));
    ASSERT_EQ(read.readXml(tag_id::listXY), 1);
    ASSERT_EQ(read.count, 40);
    EXPECT_DOUBLE_EQ(read.getY(39), 4 * 2039.5);
}

TEST(PointList, ShortAndOversizedListsInTheFile)
{
    MessageBoxScript boxes;
    AttributeFile file;
    int id = 0;
    PointList read;

    // Fewer numbers than announced: 0, with the points read so far; the element goes on.
    file.open("<listXY><nums>3</nums><xyAray>1,2,3,4</xyAray></listXY><lineSize>2</lineSize>");
    ASSERT_TRUE(file.nextTag(id));
    EXPECT_EQ(read.readXml(tag_id::listXY), 0);
    EXPECT_EQ(read.count, 2);
    ASSERT_TRUE(file.nextTag(id));
    EXPECT_EQ(id, tag_id::xyAray);
    EXPECT_TRUE(file.isClosingTag());
    file.open("<listXY><nums>2</nums><xyAray>1,2,3</xyAray></listXY>");
    ASSERT_TRUE(file.nextTag(id));
    EXPECT_EQ(read.readXml(tag_id::listXY), 0);
    EXPECT_EQ(read.count, 1);
    EXPECT_TRUE(boxes.shown().empty());

    // A count the file cannot hold is a data error; nothing is allocated for it.
    file.open("<listXY><nums>100000000</nums><xyAray>1,2</xyAray></listXY><layer>");
    ASSERT_TRUE(file.nextTag(id));
    EXPECT_EQ(read.readXml(tag_id::listXY), 0);
    EXPECT_EQ(read.count, 0);
    EXPECT_EQ(boxes.texts(), "</nums>のデータがエラーです");
    ASSERT_TRUE(file.nextTag(id));
    EXPECT_EQ(id, tag_id::layer);

    // Without a reader: 0.
    file.open("");
    XmlContextScope none(nullptr);
    EXPECT_EQ(read.readXml(tag_id::listXY), 0);
}

TEST(PointList, DevicePolygonsDropRepeatedPixels)
{
    OwnedDrawing drawing;
    OwnerView& view = drawing.view();
    PointList list;
    fill(list, {0, 0, 0.1, 0.2, 0.4, 0.3, 5, 5});
    IntPolygon polygon;
    ASSERT_EQ(polygon.add(99, 99), 1);
    ASSERT_EQ(list.toDevicePolygon(&view, 21, &polygon), 1);
    ASSERT_EQ(polygon.count, 2) << "three points on one pixel give one polygon point";
    EXPECT_TRUE(polygon.getPoint(0).equalsXY(10, 10));
    EXPECT_TRUE(polygon.getPoint(1).equalsXY(20, 20));
    EXPECT_EQ(view.lastOperation, 21);
    ASSERT_EQ(list.toDevicePolygonOffset(&view, 10, -5, 71, &polygon), 1);
    EXPECT_TRUE(polygon.getPoint(0).equalsXY(30, 0));
    EXPECT_EQ(view.lastOperation, 71);
    ASSERT_EQ(list.toDevicePolygonReversed(&view, 21, &polygon), 1);
    ASSERT_EQ(polygon.count, 2);
    EXPECT_TRUE(polygon.getPoint(0).equalsXY(20, 20));
    EXPECT_EQ(list.toDevicePolygon(nullptr, 21, &polygon), 0);
}

TEST(PointList, TheIndexWindowWrapsOnce)
{
    PointList list;
    fill(list, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    Point p;
    int lo = 0, hi = 3;
    std::string seen;
    while (list.stepAround(1, &lo, &hi, &p))
        seen += std::to_string(static_cast<int>(p.x));
    EXPECT_EQ(seen, "012");
    EXPECT_EQ(lo, 3);

    lo = -1;
    hi = 1;
    seen.clear();
    while (list.stepAround(-1, &lo, &hi, &p))
        seen += std::to_string(static_cast<int>(p.x));
    EXPECT_EQ(seen, "04");
}

TEST(PointList, RoundedBoxesAndRoundEnds)
{
    Point a(0, 0), b(100, 50);
    PointList box;
    const double tiny[4] = {0.000001, 0.000001, 0.000001, 0.000001};
    ASSERT_EQ(box.setRoundedBox(&a, &b, tiny), 1);
    EXPECT_EQ(box.count, 5);
    ASSERT_EQ(box.setRoundedBox(&b, &a, nullptr), 1);
    EXPECT_EQ(box.count, 5);
    EXPECT_DOUBLE_EQ(box.getX(0), 0.0);

    // Right-top rounded by 10 (entry, nine arc points), left-top below 0.01, left-bottom above
    // the smaller side (50): both sharp; right-bottom a notch of 5; then closed.
    const double radii[4] = {10.0, 0.005, 60.0, -5.0};
    ASSERT_EQ(box.setRoundedBox(&a, &b, radii), 1);
    EXPECT_EQ(box.count, 10 + 1 + 1 + 10 + 1);
    EXPECT_DOUBLE_EQ(box.getX(0), 100.0);
    EXPECT_DOUBLE_EQ(box.getY(0), 10.0);
    EXPECT_DOUBLE_EQ(box.getX(10), 0.0) << "left-top stays sharp";
    EXPECT_DOUBLE_EQ(box.getY(11), 50.0) << "left-bottom stays sharp";
    EXPECT_DOUBLE_EQ(box.getX(box.count - 1), box.getX(0));
    const double side[4] = {50.0, 0, 0, 0};
    ASSERT_EQ(box.setRoundedBox(&a, &b, side), 1);
    EXPECT_EQ(box.count, 10 + 3 + 1) << "a radius of the whole smaller side still rounds";

    // A stroke outline of four points: out along 0-1, back along 2-3.
    PointList outline;
    fill(outline, {0, 10, 100, 10, 100, -10, 0, -10});
    PointList capped;
    ASSERT_EQ(capped.setRoundCappedOutline(1, 1, &outline), 1);
    EXPECT_EQ(capped.count, 1 + 17 + 2 + 17 + 1 + 1);
    // The start cap turns point 0 about the middle of points 0 and 1, 10 degrees first.
    Point first;
    ASSERT_EQ(capped.getPoint(1, &first), 1);
    Point expected(0, 10);
    expected.rotateAbout(50, 10, 10);
    EXPECT_NEAR(first.x, expected.x, 1e-9);
    EXPECT_NEAR(first.y, expected.y, 1e-9);
    ASSERT_EQ(capped.setRoundCappedOutline(0, 0, &outline), 1);
    EXPECT_EQ(capped.count, 5);
    EXPECT_EQ(capped.appendRoundCap(1, &outline, 3), 0) << "no point after the last";

    // Shifting by half the factor, past the end skipped.
    outline.shiftPoints(2, 5, 4, -2, 3);
    EXPECT_DOUBLE_EQ(outline.getX(2), 106.0);
    EXPECT_DOUBLE_EQ(outline.getY(3), -13.0);
    EXPECT_DOUBLE_EQ(outline.getX(1), 100.0);
    outline.shiftPoints(0, 0, 4, -2, 3);
    EXPECT_DOUBLE_EQ(outline.getX(0), 0.0);
}

} // namespace
