// Names and numbers that reach a drawing from outside (a user's text cut inside a character, a
// damaged or foreign file): whatever the reader takes in, a save writes out again, and the saved
// file reads back whole.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/StringUtil.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/DrawingText.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

using namespace drawing_fixture;

namespace {

int readInto(TestDrawing& drawing, const std::string& path)
{
    EXPECT_EQ(drawing.document().assign(path.c_str()), 1);
    XmlContextScope publish(&drawing.document());
    return drawing.document().read();
}

// Saves the drawing as `name` in the scratch folder and reads the file into `copy`.
void saveAndReread(TestDrawing& drawing, const ScratchFolder& scratch, const char* name, TestDrawing& copy)
{
    std::string path = scratch.pathOf(name);
    ASSERT_EQ(drawing.context.setPathAndTitle(path.c_str()), 1);
    ASSERT_EQ(drawing.context.save(), 1);
    ASSERT_EQ(readInto(copy, path), 1);
}

// The value as the writer's 15-digit form gives it back.
double fifteenDigits(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.14e", value);
    return std::strtod(text, nullptr);
}

ShapeValues onlyElementOf(TestDrawing& drawing, int page)
{
    std::vector<TestShape*> shapes = drawing.elementsOf(page);
    ShapeValues values;
    if (shapes.size() == 1)
        values = shapes[0]->values;
    else
        ADD_FAILURE() << shapes.size() << " elements on page " << page;
    drawing.release(shapes);
    return values;
}

} // namespace

TEST(DrawingFileRoundTrip, ATextEndingInALoneLeadByteIsSavedWithoutIt)
{
    struct Case {
        const char* name;
        const char* saved;
    };
    const Case cases[] = {
        {"ab\x81", "ab"},                 // a name cut inside a character
        {"\x95\x5C\xE0", "\x95\x5C"},     // "表" and a lone lead byte
        {"\xFF", ""},
        {"a\x81\"", "a"},                 // the quote is dropped, so the lead byte stands alone
        {"a\x81\r\n", "a"},
        {"\x81\x81", "\x81\x81"},         // a lead-byte value as the trail byte: one character
        {"\x81\x81\x81", "\x81\x81"},
        {"a\x81\"b", "a\x81" "b"},        // the byte after the dropped quote is the trail byte
    };
    MessageBoxScript boxes;
    ScratchFolder scratch;
    for (const Case& c : cases) {
        TestDrawing drawing;
        ShapeValues named;
        named.name = c.name;
        ASSERT_EQ(drawing.add(1, ElementKind::Line, named), 1);
        ShapeValues after;
        after.layer = 7;
        after.xy = {1, 2};
        ASSERT_EQ(drawing.add(2, ElementKind::Box, after), 1);
        TestDrawing copy;
        saveAndReread(drawing, scratch, "named.ycx", copy);
        EXPECT_EQ(onlyElementOf(copy, 1).name, c.saved) << c.name;
        ShapeValues later = onlyElementOf(copy, 2);
        EXPECT_EQ(later.layer, 7) << c.name << ": the tags after the name are read";
        EXPECT_EQ(later.xy, after.xy) << c.name;
    }

    // A damaged file brings one: the trail byte of its last character is a NUL, which ends the
    // character, and the quote after it ends the name.
    std::string damaged = drawingFileText(std::string("   <line>\r\n    <fileName>\"a\x81") +
                                      std::string(1, '\0') + "\"</fileName>\r\n   </line>\r\n"
                                      "   <box>\r\n    <layer>7</layer>\r\n   </box>\r\n");
    TestDrawing drawing;
    ASSERT_EQ(readInto(drawing, scratch.file("damaged.ycx", damaged)), 1);
    TestDrawing copy;
    saveAndReread(drawing, scratch, "resaved.ycx", copy);
    std::vector<TestShape*> shapes = copy.elementsOf(1);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0]->values.name, "a");
    EXPECT_EQ(shapes[1]->values.layer, 7);
    copy.release(shapes);
    EXPECT_TRUE(boxes.shown().empty());
}

// The writer has digits for reals of at most 40 integer digits in their 15-digit form; the
// reader refuses the others as data errors, so that a drawing it read always saves.
TEST(DrawingFileRoundTrip, ARealTheWriterHasNoDigitsForIsRefusedWhenRead)
{
    struct Case {
        std::string text;
        bool accepted;
    };
    std::vector<Case> cases;
    for (int digits = 38; digits <= 42; ++digits) {
        cases.push_back({"1" + std::string(digits - 1, '0'), digits <= 40});
        // Forty nines round to 10^40 in 15 digits: one digit too many.
        cases.push_back({std::string(digits, '9'), digits <= 39});
    }
    cases.push_back({"999999999999999" + std::string(25, '0'), true});
    // The 15-digit form decides, not the digits in the file.
    cases.push_back({"9999999999999994" + std::string(24, '0'), true});
    cases.push_back({"9999999999999996" + std::string(24, '0'), false});
    cases.push_back({"-1" + std::string(40, '0'), false});
    cases.push_back({"1" + std::string(39, '0') + ".99999", true});
    cases.push_back({std::string(40, '0') + "12.5", true}); // the leading zeros are no digits of the value
    cases.push_back({std::string(77, '9'), false});        // as long as a value text is kept

    MessageBoxScript boxes;
    ScratchFolder scratch;
    for (const Case& c : cases) {
        const double value = std::strtod(c.text.c_str(), nullptr);
        // Exactly the values the writer has a text for, with any decimals and either rounding.
        for (int decimals = 0; decimals <= 5; ++decimals) {
            for (int round = 0; round < 2; ++round) {
                char digits[64];
                EXPECT_EQ(StringUtil::formatDouble(value, decimals, digits, round) != nullptr, c.accepted)
                    << c.text << " with " << decimals << " decimals";
            }
        }
        for (int listItem = 0; listItem < 2; ++listItem) {
            SCOPED_TRACE(c.text + (listItem ? " as a list item" : " as a tag value"));
            const std::string element =
                listItem ? "   <line>\r\n    <listXY>\r\n     <nums>1</nums>\r\n     <xyAray>[2," + c.text +
                               "]</xyAray>\r\n    </listXY>\r\n   </line>\r\n"
                         : "   <line>\r\n    <lineSize>" + c.text + "</lineSize>\r\n   </line>\r\n";
            const std::string path =
                scratch.file("real.ycx", drawingFileText(element + "   <box>\r\n    <layer>7</layer>\r\n   </box>\r\n"));
            boxes.clear();
            TestDrawing drawing;
            ASSERT_EQ(readInto(drawing, path), 1) << "the read goes on after the value";
            std::vector<TestShape*> shapes = drawing.elementsOf(1);
            ASSERT_EQ(shapes.size(), 2u);
            const ShapeValues read = shapes[0]->values;
            EXPECT_EQ(shapes[1]->values.layer, 7);
            drawing.release(shapes);
            if (c.accepted) {
                EXPECT_TRUE(boxes.shown().empty());
                if (listItem)
                    EXPECT_EQ(read.xy, (std::vector<double>{2, value}));
                else
                    EXPECT_EQ(read.size, value);
            } else {
                ASSERT_EQ(boxes.shown().size(), 1u);
                EXPECT_EQ(boxes.shown()[0].text,
                          listItem ? "</xyAray>のデータがエラーです" : "</lineSize>のデータがエラーです");
                EXPECT_TRUE(read.xy.empty()) << "the refused point is not kept";
                EXPECT_EQ(read.size, 0.0) << "the refused value is not kept";
            }

            // Whatever was read saves, and reads back as it was written (in 15 digits).
            boxes.clear();
            TestDrawing copy;
            saveAndReread(drawing, scratch, "resaved.ycx", copy);
            EXPECT_TRUE(boxes.shown().empty());
            std::vector<TestShape*> reread = copy.elementsOf(1);
            ASSERT_EQ(reread.size(), 2u);
            ASSERT_EQ(reread[0]->values.xy.size(), read.xy.size());
            for (size_t i = 0; i < read.xy.size(); ++i)
                EXPECT_EQ(reread[0]->values.xy[i], fifteenDigits(read.xy[i]));
            EXPECT_EQ(reread[0]->values.size, fifteenDigits(read.size));
            copy.release(reread);
        }
    }
}
