// Drawing points: the owner's paper scale and y direction, grid units and origin in dialogs,
// device mapping, record images and the point element of the drawing file.
#include <gtest/gtest.h>
#include <cstring>
#include <string>

#include "geometry/DrawPoint.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "platform/ControlKinds.h"
#include "tests/geometry/DrawingOwner.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

std::string recordBytes(ElementRecordBuffer& buffer)
{
    std::string bytes(static_cast<size_t>(buffer.count), '\0');
    buffer.rewind();
    if (buffer.count > 0) {
        EXPECT_EQ(buffer.getBytes(&bytes[0], buffer.count), 1);
    }
    return bytes;
}

std::string doubleBytes(double v)
{
    std::string bytes(8, '\0');
    std::memcpy(&bytes[0], &v, 8);
    return bytes;
}

std::string percent(double base, double value)
{
    char text[64] = "stale";
    DrawPoint::formatPercent(base, value, text, sizeof text);
    return text;
}

TEST(DrawPoint, DetachedPointsAnswerTheFixedValues)
{
    DrawPoint p;
    EXPECT_EQ(p.state1, 1);
    EXPECT_EQ(p.state2, 1);
    p.y = 30.0;
    EXPECT_DOUBLE_EQ(p.getAxisY(), 30.0);
    EXPECT_DOUBLE_EQ(p.paperHeight(), 100.0);
    p.setPaperX(7.25);
    EXPECT_DOUBLE_EQ(p.x, 7.25);
    EXPECT_DOUBLE_EQ(p.toGridUnitX(5.0), 5.0);
    EXPECT_STREQ(DrawPoint::unitName(p.gridXUnit()), "ミリ");

    EXPECT_EQ(percent(20.0, 5.0), "25 %");
    EXPECT_EQ(percent(0.0, 5.0), "0 %");
    EXPECT_EQ(percent(3.0, 1.0), "33.33 %");
    EXPECT_EQ(percent(100.0, 12.3), "12.3 %");
    EXPECT_EQ(percent(1e-3, 1e40), "") << "too large to write: nothing, and nothing left over";
}

TEST(DrawPoint, PaperScaleAndTheUpwardAxis)
{
    OwnedDrawing drawing;
    drawing.paper().numerator = 1;
    drawing.paper().denominator = 100;
    drawing.paper().height = 297.0;
    DrawPoint p;
    p.owner = &drawing.context;

    // At 1:100 ten paper millimetres are 1000 drawing units, and back.
    p.setPaperX(10.0);
    EXPECT_DOUBLE_EQ(p.x, 1000.0);
    EXPECT_DOUBLE_EQ(p.getPaperX(), 10.0);

    // Down is plus: shown as stored.
    p.setAxisY(10.0);
    EXPECT_DOUBLE_EQ(p.y, 10.0);
    // Up is plus: measured from the bottom of the 297-unit sheet.
    drawing.paper().direction = 1;
    p.setAxisY(10.0);
    EXPECT_DOUBLE_EQ(p.y, 287.0);
    EXPECT_DOUBLE_EQ(p.getAxisY(), 10.0);

    // A scale term below 1 counts as 1.
    drawing.paper().numerator = 0;
    EXPECT_DOUBLE_EQ(p.scaleNumerator(), 1.0);

    // copyFrom takes the owner and the coordinates but not the flag.
    DrawPoint q(1, 2, 3);
    q.flag = 2;
    ASSERT_EQ(q.copyFrom(&p), 1);
    EXPECT_EQ(q.owner, &drawing.context);
    EXPECT_EQ(q.flag, 2u);
    EXPECT_DOUBLE_EQ(q.y, 287.0);
}

TEST(DrawPoint, RecordImagesAreLittleEndianFieldsInOrder)
{
    DrawPoint p(1.5, -2.0, 3.25);
    p.flag = 2;
    ElementRecordBuffer plain;
    ASSERT_EQ(p.serialize(1, plain, 2, 0), 1);
    EXPECT_EQ(recordBytes(plain), doubleBytes(1.5) + doubleBytes(-2.0));

    ElementRecordBuffer flagged;
    ASSERT_EQ(p.writeRecord(flagged, 2, 1), 1);
    EXPECT_EQ(recordBytes(flagged), std::string("\x02\x00\x00\x00", 4) + doubleBytes(1.5) + doubleBytes(-2.0));

    ElementRecordBuffer space;
    ASSERT_EQ(p.writeRecord(space, 3, 1), 1);
    EXPECT_EQ(space.count, 28);
    EXPECT_EQ(DrawPoint::recordSize(3, 1), 28);

    DrawPoint back(9, 9, 9);
    space.rewind();
    ASSERT_EQ(back.serialize(3, space, 3, 1), 1);
    EXPECT_EQ(back.flag, 2u);
    EXPECT_DOUBLE_EQ(back.z, 3.25);

    // Fields outside the record keep their values.
    DrawPoint partial(0, 0, 7.0);
    plain.rewind();
    ASSERT_EQ(partial.readRecord(plain, 2, 0), 1);
    EXPECT_DOUBLE_EQ(partial.x, 1.5);
    EXPECT_DOUBLE_EQ(partial.z, 7.0);
    EXPECT_EQ(partial.flag, 0u);

    // A record cut short changes nothing; other modes do nothing.
    DrawPoint kept(4, 5, 6);
    plain.rewind();
    plain.count = 12;
    EXPECT_EQ(kept.readRecord(plain, 2, 0), 0);
    EXPECT_DOUBLE_EQ(kept.x, 4.0);
    EXPECT_EQ(kept.serialize(2, plain, 2, 0), 0);
}

TEST(DrawPoint, ThePointElementHoldsPaperMillimetres)
{
    OwnedDrawing drawing;
    drawing.paper().denominator = 2;
    drawing.paper().direction = 1; // not applied to the file
    AttributeFile file;
    file.setOwner(&drawing.context);
    DrawPoint start;
    start.owner = &drawing.context;
    start.setPaperX(12.5);
    start.setPaperY(40.0);
    EXPECT_DOUBLE_EQ(start.x, 25.0);

    std::string bytes = file.write([&](Document& d) {
        EXPECT_EQ(start.writeXml(&d, tag_id::startPoint), 1);
        DrawPoint centre(1.0 / 3.0, -0.5);
        EXPECT_EQ(centre.writeXml(&d, tag_id::centerPoint), 1);
        // Only the five point tags are written by writeXml.
        EXPECT_EQ(centre.writeXml(&d, tag_id::layer), 0);
    });
    EXPECT_EQ(bytes, "<startPoint>\r\n <x>12.5</x>\r\n <y>40</y>\r\n</startPoint>\r\n"
                     "<centerPoint>\r\n <x>0.33333</x>\r\n <y>-0.5</y>\r\n</centerPoint>\r\n");
    EXPECT_EQ(start.xmlLink, &file);
    // The holders keep the last points written through them.
    EXPECT_DOUBLE_EQ(file.currentStartPoint.x, 25.0);
    EXPECT_EQ(file.currentStartPoint.owner, &drawing.context);
    EXPECT_DOUBLE_EQ(file.currentExtraPoint.y, -0.5);

    // Any tag through a writer given directly.
    bytes = file.write([&](Document& d) { EXPECT_EQ(start.writeXmlTo(&d, tag_id::print), 1); }, 1);
    EXPECT_EQ(bytes, " <print>\r\n  <x>12.5</x>\r\n  <y>40</y>\r\n </print>\r\n");

    // Reading: paper millimetres back into drawing units; other children skip their line.
    file.open("<startPoint>\r\n <y>40</y>\r\n <layer>3</layer>\r\n <x>12.5</x>\r\n</startPoint>\r\n<line>");
    int id = 0;
    ASSERT_TRUE(file.nextTag(id));
    DrawPoint read;
    ASSERT_EQ(read.readXmlFrom(&file, tag_id::startPoint), 1);
    EXPECT_EQ(read.owner, &drawing.context);
    EXPECT_DOUBLE_EQ(read.x, 25.0);
    EXPECT_DOUBLE_EQ(read.y, 80.0);
    ASSERT_TRUE(file.nextTag(id));
    EXPECT_EQ(id, 1);

    // Without an xml link, with a missing closing tag, or at the end of the file: 0.
    DrawPoint detached;
    EXPECT_EQ(detached.readXml(tag_id::startPoint), 0);
    MessageBoxScript boxes;
    file.open("<endPoint><x>1<y>2</y></endPoint>");
    ASSERT_TRUE(file.nextTag(id));
    EXPECT_EQ(read.readXmlFrom(&file, tag_id::endPoint), 0);
    EXPECT_EQ(boxes.texts(), "</x>がみつかりません");
    file.open("<endPoint><x>1</x>");
    ASSERT_TRUE(file.nextTag(id));
    EXPECT_EQ(read.readXmlFrom(&file, tag_id::endPoint), 0);
}

TEST(DrawPoint, DeviceMappingAndSnapping)
{
    OwnedDrawing drawing;
    OwnerView& view = drawing.view();
    DrawPoint p(1, 1, 9);
    p.owner = &drawing.context;

    p.setFromDevice(&view, 2, IntPoint(30, 50), 0);
    EXPECT_DOUBLE_EQ(p.x, 10.0);
    EXPECT_DOUBLE_EQ(p.y, 20.0);
    EXPECT_DOUBLE_EQ(p.z, 9.0) << "dims 2 leaves z";
    p.setFromDevice(&view, 3, IntPoint(16, 16), 1);
    EXPECT_DOUBLE_EQ(p.x, 5.0) << "3 snapped to the 5 grid";
    EXPECT_DOUBLE_EQ(p.z, 0.0);
    EXPECT_EQ(drawing.grid().snaps, 1);
    p.setFromDevice(&view, 4, IntPoint(100, 100), 1);
    p.setFromDevice(nullptr, 2, IntPoint(100, 100), 1);
    EXPECT_DOUBLE_EQ(p.x, 5.0);
    EXPECT_EQ(drawing.grid().snaps, 1);

    IntPoint device;
    ASSERT_EQ(p.toDevice(&view, 2, &device), 1);
    EXPECT_TRUE(device.equalsXY(20, 20));
    ASSERT_EQ(p.toDeviceOffset(&view, 3, 1.0, -1.0, 0.0, &device), 1);
    EXPECT_TRUE(device.equalsXY(22, 18));
    DrawPoint distant(1e6, -1e6);
    ASSERT_EQ(distant.toDeviceClamped(&view, 2, &device), 1);
    EXPECT_TRUE(device.equalsXY(32000, -32000));
    ASSERT_EQ(distant.toDevice(&view, 2, &device), 1);
    EXPECT_EQ(device.x, 2000010);
    EXPECT_EQ(distant.toDeviceClampedOffset(nullptr, 2, 0, 0, 0, &device), 0);
}

class DrawPointDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.onEvent = [this](int event) {
            if (event == DLG_INIT) {
                EXPECT_EQ(dialog.addControl(IDC_ATTR_REAL, KIND_REAL_EDIT), 1);
                EXPECT_EQ(dialog.addControl(IDC_ATTR_INTEGER, KIND_TEXT_EDIT), 1);
                dialog.attachControls();
            }
            return RecordingModeless::kNotAnswered;
        };
        ASSERT_EQ(dialog.create(IDD_TEST_ATTRIBUTES), 1);
    }
    void TearDown() override { dialog.destroy(); }

    double number() { return dialog.getDouble(IDC_ATTR_REAL, -1.0); }
    void type(const char* text) { SetDlgItemTextA(dialog.hwnd, IDC_ATTR_REAL, text); }
    std::string label()
    {
        char text[64] = {};
        GetDlgItemTextA(dialog.hwnd, IDC_ATTR_INTEGER, text, sizeof text);
        return text;
    }

    TestApplication app;
    RecordingModeless dialog;
};

TEST_F(DrawPointDialogTest, ValuesAreShownFromTheGridOriginInTheGridUnit)
{
    OwnedDrawing drawing;
    drawing.paper().height = 297.0;
    drawing.paper().direction = 1;
    drawing.paper().denominator = 100; // dialog values are not scaled to paper
    drawing.grid().x0 = 10.0;
    drawing.grid().y0 = 7.0;
    drawing.grid().unitX = 6; // centimetres
    drawing.grid().unitY = 6;
    DrawPoint p(60.0, 250.0);
    p.owner = &drawing.context;

    ASSERT_EQ(p.writeXToDialog(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_DOUBLE_EQ(number(), 5.0);
    ASSERT_EQ(p.writeYToDialog(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_DOUBLE_EQ(number(), 4.0) << "(297 - 250 - 7) mm upwards";
    type("2.5");
    ASSERT_EQ(p.readXFromDialog(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_DOUBLE_EQ(p.x, 35.0);
    ASSERT_EQ(p.readYFromDialog(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_DOUBLE_EQ(p.y, 297.0 - 32.0);

    // Controls take the coordinate without the origin.
    Control* field = dialog.findControl(IDC_ATTR_REAL);
    ASSERT_EQ(p.writeXToControl(field), 1);
    EXPECT_DOUBLE_EQ(number(), 3.5);
    type("1");
    ASSERT_EQ(p.readYFromControl(field), 1);
    EXPECT_DOUBLE_EQ(p.y, 10.0);

    ASSERT_EQ(p.showXUnitLabel(&dialog, IDC_ATTR_INTEGER), 1);
    EXPECT_EQ(label(), "センチ");
    DrawPoint other(25.0, 0.0);
    ASSERT_EQ(p.showDxPercent(&dialog, IDC_ATTR_INTEGER, &other, 40.0), 1);
    EXPECT_EQ(label(), "25 %");

    // A missing control changes nothing.
    const double x = p.x;
    EXPECT_EQ(p.readXFromDialog(&dialog, 12345), 0);
    EXPECT_EQ(p.writeYToDialog(nullptr, IDC_ATTR_REAL), 0);
    EXPECT_EQ(p.readXFromControl(nullptr), 0);
    EXPECT_EQ(p.showYUnitLabelIn(nullptr), 0);
    EXPECT_EQ(DrawPoint::showPercent(nullptr, 1.0, 1.0), 0);
    EXPECT_DOUBLE_EQ(p.x, x);
}

} // namespace
