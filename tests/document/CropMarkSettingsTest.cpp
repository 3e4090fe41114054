// Crop mark settings: their defaults, and their reading from the "autoTombo" element that the
// print record hands over while it reads its "print" section.
#include <gtest/gtest.h>
#include <string>

#include "document/CropMarkSettings.h"
#include "document/PrintSettings.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

using namespace drawing_fixture;

namespace {

// Reads "print" as the print record does: "autoTombo" goes to the context's crop-mark settings,
// every other child is read over up to its end tag.
class HandingPrint : public PrintSettings {
public:
    void setOwner(DocumentContext* o) override { owner = o; }
    int canPrint() override { return 0; }
    void print() override {}
    int readXmlSection(Document& d, int tagId) override
    {
        int id = 0;
        while (d.nextTag(id)) {
            if (id == tagId && d.isClosingTag())
                return 1;
            if (d.isClosingTag())
                continue;
            if (id == CropMarkSettings::kAutoTombo && owner && owner->cropMarks)
                result = owner->cropMarks->readXml(id);
            else if (!d.skipSection(id))
                return 0;
        }
        return 0;
    }
    DocumentContext* owner = nullptr;
    int result = -1;
};

std::string drawingWithPrint(const std::string& printBody)
{
    return "<?xml version=\"1.0\" encording=\"Shift_JIS\"?>\r\n<tesvanCADml>\r\n <header>\r\n  <print>\r\n"
           "   <offset>\r\n    <x>0</x>\r\n    <y>0</y>\r\n   </offset>\r\n   <psout>\"OFF\"</psout>\r\n" +
           printBody + "  </print>\r\n </header>\r\n</tesvanCADml>\r\n";
}

struct PrintDrawing {
    PrintDrawing()
    {
        print = new HandingPrint;
        drawing.context.printSettings = print;
        print->setOwner(&drawing.context);
    }
    int read(const ScratchFolder& scratch, const std::string& bytes)
    {
        return drawing.open(scratch.file("print.ycx", bytes));
    }
    CropMarkSettings& marks() { return *drawing.context.cropMarks; }
    TestDrawing drawing;
    HandingPrint* print;
};

TEST(CropMarkSettings, EveryDrawingHasThemWithTheirDefaults)
{
    ScratchFolder scratch;
    PrintDrawing drawing;
    ASSERT_NE(drawing.drawing.context.cropMarks, nullptr);
    EXPECT_EQ(drawing.marks().owner, &drawing.drawing.context);

    ASSERT_EQ(drawing.read(scratch, drawingWithPrint("")), 1);
    EXPECT_EQ(drawing.print->result, -1) << "no autoTombo, nothing handed over";
    const CropMarkSettings& m = drawing.marks();
    EXPECT_EQ(m.cropMarksOn.value + m.trimMarksOn.value + m.bleedOn.value + m.centreMarksOn.value +
                  m.verticalFoldOn.value + m.horizontalFoldOn.value,
              0);
    EXPECT_EQ(m.verticalFoldCount, 3);
    EXPECT_EQ(m.horizontalFoldCount, 3);
    EXPECT_DOUBLE_EQ(m.trimLength, 7.0);
    EXPECT_DOUBLE_EQ(m.bleedLength, 3.0);
    EXPECT_DOUBLE_EQ(m.printValues[0], 0.15);
    EXPECT_DOUBLE_EQ(m.printValues[4], 2.0);
}

TEST(CropMarkSettings, AutoTomboIsReadAndOtherTagsAreSkipped)
{
    ScratchFolder scratch;
    PrintDrawing drawing;
    ASSERT_EQ(drawing.read(scratch, drawingWithPrint("   <autoTombo>\r\n"
                                                     "    <chkOut>\"TRUE\"</chkOut>\r\n"
                                                     "    <chkTati>\"TRUE\"</chkTati>\r\n"
                                                     "    <layer>3</layer>\r\n"
                                                     "    <tatiLen>9.5</tatiLen>\r\n"
                                                     "    <foreign>\"x\"</foreign>\r\n"
                                                     "    <chkNuritasi>\"FALSE\"</chkNuritasi>\r\n"
                                                     "    <nuritasiLen>2.25</nuritasiLen>\r\n"
                                                     "    <chkCenter>\"TRUE\"</chkCenter>\r\n"
                                                     "    <chkOriTate>\"TRUE\"</chkOriTate>\r\n"
                                                     "    <oriTateNum>4</oriTateNum>\r\n"
                                                     "    <chkOriYoko>\"yes\"</chkOriYoko>\r\n"
                                                     "    <oriYokoNum>0</oriYokoNum>\r\n"
                                                     "   </autoTombo>\r\n")),
              1);
    EXPECT_EQ(drawing.print->result, 1);
    const CropMarkSettings& m = drawing.marks();
    EXPECT_EQ(m.cropMarksOn.value, 1);
    EXPECT_EQ(m.trimMarksOn.value, 1);
    EXPECT_DOUBLE_EQ(m.trimLength, 9.5);
    EXPECT_EQ(m.bleedOn.value, 0);
    EXPECT_DOUBLE_EQ(m.bleedLength, 2.25);
    EXPECT_EQ(m.centreMarksOn.value, 1);
    EXPECT_EQ(m.verticalFoldOn.value, 1);
    EXPECT_EQ(m.verticalFoldCount, 4);
    EXPECT_EQ(m.horizontalFoldOn.value, 0) << "only \"TRUE\" is on";
    EXPECT_EQ(m.horizontalFoldCount, 0);
}

TEST(CropMarkSettings, DamagedValuesAreReported)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    PrintDrawing drawing;
    // A fold count the print output could not draw is refused; reading goes on.
    ASSERT_EQ(drawing.read(scratch, drawingWithPrint("   <autoTombo>\r\n"
                                                     "    <oriTateNum>2000000000</oriTateNum>\r\n"
                                                     "    <oriYokoNum>-1</oriYokoNum>\r\n"
                                                     "    <tatiLen>4</tatiLen>\r\n"
                                                     "   </autoTombo>\r\n")),
              1);
    EXPECT_EQ(drawing.marks().verticalFoldCount, 3);
    EXPECT_EQ(drawing.marks().horizontalFoldCount, 3);
    EXPECT_DOUBLE_EQ(drawing.marks().trimLength, 4.0);
    EXPECT_EQ(boxes.texts(), "</oriTateNum>のデータがエラーです") << "one data error box per read";

    // A value whose closing tag is missing fails the element.
    PrintDrawing broken;
    boxes.clear();
    broken.read(scratch, drawingWithPrint("   <autoTombo>\r\n    <tatiLen>5\r\n    <chkOut>\"TRUE\"</chkOut>\r\n"
                                          "   </autoTombo>\r\n"));
    EXPECT_EQ(broken.print->result, 0);
    ASSERT_GE(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "</tatiLen>がみつかりません");

    // Outside a read there is nothing to read from.
    CropMarkSettings detached;
    EXPECT_EQ(detached.readXml(CropMarkSettings::kAutoTombo), 0);
    EXPECT_EQ(detached.readTag(0), 1);
    EXPECT_EQ(detached.readTag(CropMarkSettings::kCropMarks), 0);
}

} // namespace
