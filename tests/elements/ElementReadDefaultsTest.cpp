// Each element read from a drawing file starts from the defaults: a section that leaves a tag out
// (a drawing written by hand or by another program, a damaged file) reads as it does alone in a
// file, never with the colour, width, corner or outline of an element read before it.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>
#include <windows.h>

#include <psapi.h>

#include "document/Element.h"
#include "document/ElementStore.h"
#include "geometry/PointList.h"
#include "tests/elements/LineFixture.h"
#include "tests/support/DrawingText.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/SampleElements.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

// The tags of the kinds 1 to 19.
const char* const kKindTags[19] = {"line", "breakline", "arcbreakline", "spline", "box", "arc", "circle",
                                   "polygon", "arcpolygon", "oval", "bezier3", "text", "textline", "measure",
                                   "msrangle", "msrradius", "msrdiameter", "bitmap", "picture"};

void replaceAll(std::string& text, const std::string& what, const std::string& with)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

// The 19 kinds written in full: a sample of each as the program writes it, every value it
// writes at its default turned into another, and the blocks it leaves out at their default
// (group, draw type, vertex radii, picture file and mask, bitmap pixels) added.
std::string nineteenInFull()
{
    std::string file;
    {
        LineDrawing drawing;
        for (int kind = 1; kind <= 19; ++kind) {
            if (!startSampleElement(*drawing.context.editor3, kind) || drawing.context.editor3->addToPage() < 1)
                return "";
        }
        ScratchFolder scratch;
        file = drawing.save(scratch.pathOf("samples.ycx"));
    }
    std::string entities;
    for (const std::string& section : entitySections(file))
        entities += section;
    const std::pair<const char*, const char*> unusual[] = {
        {"<layer>100</layer>", "<layer>9</layer>\r\n    <group>3</group>"},
        {"<r>0</r>", "<r>255</r>"},
        {"<b>0</b>", "<b>64</b>"},
        {"<gray>1</gray>", "<gray>0.5</gray>"},
        {"<lineSize>0.14</lineSize>", "<lineSize>12.34</lineSize>"},
        {"<lineOrigin>\"CENTER\"", "<lineOrigin>\"TOP\""},
        {"<style>\"SOLID\"", "<style>\"DASH\""},
        {"<jisen>2</jisen>", "<jisen>4</jisen>"},
        {"<kuhaku>1</kuhaku>", "<kuhaku>2</kuhaku>"},
        {"<sasen>1</sasen>", "<sasen>0.5</sasen>"},
        {"<lineCap>\"BUTT\"", "<lineCap>\"ROUND\""},
        {"<edge>\r\n     <draw>\"ON\"", "<edge>\r\n     <draw>\"OFF\""},
        {"<style>\"NONE\"", "<style>\"MESH\""},
        {"<spacex>3</spacex>", "<spacex>4</spacex>"},
        {"<spacey>3</spacey>", "<spacey>5</spacey>"},
        {"<horizontal>2</horizontal>", "<horizontal>3</horizontal>"},
        {"<vertical>2</vertical>", "<vertical>4</vertical>"},
        {"<rightTop>0</rightTop>", "<rightTop>1</rightTop>"},
        {"<leftTop>0</leftTop>", "<leftTop>2</leftTop>"},
        {"<leftBottom>0</leftBottom>", "<leftBottom>3</leftBottom>"},
        {"<lean>0</lean>", "<lean>30</lean>"},
        {"<lean>20</lean>", "<lean>35</lean>"},
        {"<ovalType>\"FULL\"", "<ovalType>\"HALF\""},
        {"<openClose>\"CLOSE\"", "<openClose>\"OPEN\""},
        {"<radius>5</radius>", "<radius>7</radius>"},
        {"<sttAngle>0</sttAngle>", "<sttAngle>30</sttAngle>"},
        {"<endAngle>360</endAngle>", "<endAngle>200</endAngle>"},
        {"<jikan>0</jikan>", "<jikan>1.5</jikan>"},
        {"<gyokan>1</gyokan>", "<gyokan>9</gyokan>"},
        {"<textSize>3.75</textSize>", "<textSize>7.5</textSize>"},
        {"<textFont>\"\"", "<textFont>\"ＭＳ 明朝\""},
        {"<textStyle>\"DEFALUT\"", "<textStyle>\"BOLD\""},
        {"<space>3</space>", "<space>4</space>"},
        {"<over>2</over>", "<over>3</over>"},
        {"<length>3.5</length>", "<length>5</length>"},
        {"<style>\"ARROW\"", "<style>\"FILLTRIANGLE\""},
        {"<decimalNum>0</decimalNum>", "<decimalNum>2</decimalNum>"},
        {"<numeralPos>\"CENTER\"", "<numeralPos>\"FREE\""},
        {"<unit>\"MIRI\"", "<unit>\"CENTI\""},
        {"<unitDisp>\"ON\"", "<unitDisp>\"OFF\""},
        {"<angleType>\"RIGHT\"", "<angleType>\"HORIZONTAL\""},
        {"<space>1</space>", "<space>2</space>"},
        {"<radNum>12.5</radNum>", "<radNum>20</radNum>"},
        {"<diaNum>12.5</diaNum>", "<diaNum>20</diaNum>"},
        {"<imageType>\"AUTO\"", "<imageType>\"BMAP\""},
        // The blocks written only away from their default, each on a line of its own.
        {"   </polygon>", "    <roundAray><nums>3</nums><doubleAray>0,1.5,0</doubleAray></roundAray>\r\n   </polygon>"},
        {"   </msrangle>", "    <drawType>\"ARC\"</drawType>\r\n   </msrangle>"},
        {"   </picture>", "    <fileName>\"C:\\pictures\\plasma.bmp\"</fileName><mask><listXY><nums>4</nums>"
                          "<xyAray>30,40,70,40,70,65,30,40</xyAray></listXY></mask>\r\n   </picture>"},
        {"   </bitmap>", "    <bitmapParam><width>2</width><height>1</height><bitSamp>24</bitSamp></bitmapParam>"
                         "<bitmapData><startPos>\"TOPSTART\"</startPos><arrange>\"RGB\"</arrange>"
                         "<binLength>6</binLength><binHex>0102030A0B0C</binHex></bitmapData>\r\n   </bitmap>"},
    };
    for (const auto& [what, with] : unusual)
        replaceAll(entities, what, with);
    // One colour in ink percentages, on a spot ink, with overprint.
    const std::string rgb = "<rgbColor>\r\n     <r>255</r>\r\n     <g>0</g>\r\n     <b>64</b>\r\n    </rgbColor>";
    const size_t line = entities.find(rgb);
    if (line != std::string::npos)
        entities.replace(line, rgb.size(),
                         "<cmykPercent><c>10</c><m>20</m><y>30</y><k>40</k><overPrint><onOff>\"ON\"</onOff>"
                         "<1>\"ON\"</1></overPrint><useInk>\"SPECIAL1\"</useInk></cmykPercent>");
    return entities;
}

struct Saved {
    int read = 0;
    std::vector<std::string> sections;
    std::string boxes;
};

// Opens a drawing of these entities as the program opens a file and saves it again.
Saved openAndSave(const std::string& entities)
{
    ScratchFolder scratch;
    MessageBoxScript boxes;
    LineDrawing drawing;
    Saved saved;
    saved.read = drawing.open(scratch.file("opened.ycx", drawingFileText(entities)));
    saved.sections = entitySections(drawing.save(scratch.pathOf("saved.ycx")));
    saved.boxes = boxes.texts();
    return saved;
}

std::string section(const char* tag, const std::string& body)
{
    return "<" + std::string(tag) + ">" + body + "</" + tag + ">\r\n";
}

} // namespace

// Each kind given only its layer, or only some of its points, or a text and nothing else: after
// each of the 19 kinds written in full it reads and saves exactly as it does alone in a file. A
// missing point is the default point, never the point of the element before.
TEST(ElementReadDefaults, ASectionThatLeavesATagOutReadsAsItDoesAloneInAFile)
{
    TestApplication app;
    const std::string full = nineteenInFull();
    const std::vector<std::string> fullSections = entitySections("<entities>\r\n" + full + "  </entities>");
    ASSERT_EQ(fullSections.size(), 19u);
    {
        const Saved whole = openAndSave(full);
        ASSERT_EQ(whole.read, 1);
        ASSERT_EQ(whole.boxes, "");
        ASSERT_EQ(whole.sections.size(), 19u);
    }

    const std::string layer = "<layer>7</layer>";
    const std::string start = "<startPoint><x>11</x><y>12</y></startPoint>";
    const std::string end = "<endPoint><x>21</x><y>22</y></endPoint>";
    const std::string list = "<listXY><nums>2</nums><xyAray>15,16,25,26</xyAray></listXY>";
    const std::string text = "<textData><length>2</length><p>\"ab\"</p></textData>";
    std::vector<std::string> partial;
    for (const char* tag : kKindTags) {
        const bool texts = std::string(tag) == "text" || std::string(tag) == "textline";
        partial.push_back(section(tag, texts ? layer + text : layer));
    }
    for (const char* tag : {"line", "box", "oval", "msrradius", "msrdiameter", "bitmap", "picture", "text"})
        partial.push_back(section(tag, layer + start + (std::string(tag) == "text" ? text : "")));
    for (const char* tag : {"line", "box", "arc", "oval"})
        partial.push_back(section(tag, layer + end));
    partial.push_back(section("arc", layer + start + end));
    for (const char* tag : {"breakline", "polygon", "bezier3", "textline", "measure", "msrangle"})
        partial.push_back(section(tag, layer + list));

    for (const std::string& p : partial) {
        const Saved alone = openAndSave(p);
        ASSERT_EQ(alone.read, 1) << p;
        ASSERT_EQ(alone.boxes, "") << p;
        ASSERT_EQ(alone.sections.size(), 1u) << p;
        // A copy of the section after each kind in turn: the one after kind k follows every kind up
        // to k and the copies before it.
        std::string entities;
        for (const std::string& f : fullSections)
            entities += f + p;
        const Saved mixed = openAndSave(entities);
        ASSERT_EQ(mixed.read, 1) << p;
        EXPECT_EQ(mixed.boxes, "") << p;
        ASSERT_EQ(mixed.sections.size(), 38u) << p;
        for (int k = 0; k < 19; ++k)
            EXPECT_EQ(mixed.sections[2 * k + 1], alone.sections[0]) << p << " after the " << kKindTags[k];
    }
}

// A damaged drawing (found by mutating one): a Bezier area of 200 points, then thousands of opening
// tags of its kind. Each pair of tags is an area of no points; the drawing takes the memory those
// ask for, not a copy of the 200 points for each of them.
TEST(ElementReadDefaults, EmptySectionsAfterALargeOutlineHoldNoCopiesOfIt)
{
    TestApplication app;
    ScratchFolder scratch;
    MessageBoxScript boxes;
    const int kTags = 20000;
    const std::string path = scratch.file("damaged.ycx", drawingFileText(outlineThenOpeningTags(kTags)));

    LineDrawing drawing;
    // The memory the program commits, before and after the open.
    PROCESS_MEMORY_COUNTERS before = {}, after = {};
    ASSERT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before));
    ASSERT_EQ(drawing.open(path), 1);
    ASSERT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after));
    EXPECT_EQ(boxes.texts(), "");
    ASSERT_EQ(drawing.context.elementStore()->liveCount(), 1 + kTags / 2);
    long long points = 0;
    for (int id = 1; id <= 1 + kTags / 2; ++id) {
        ASSERT_EQ(drawing.context.editor3->beginEdit(id), 1) << id;
        points += drawing.context.editor3->elementInHand()->vertices()->count;
    }
    EXPECT_EQ(points, 200);
    // A copy of the outline in each area would take 10,000 x 200 points of 16 bytes or more: 32 MB.
    const double grown = static_cast<double>(after.PagefileUsage) - static_cast<double>(before.PagefileUsage);
    EXPECT_LT(grown / 1048576.0, 16.0) << "MB";
}
