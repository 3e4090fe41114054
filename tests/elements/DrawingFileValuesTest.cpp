// Values of the real kinds that the drawing file and the store must give back as they took them:
// line type lengths, font sizes within their bounds, paper radii that the file can hold, records
// that load back; and dimensions read without a font enumeration or display context apiece.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "elements/BitmapRaster.h"
#include "elements/CircleDimensionElement.h"
#include "elements/ValueList.h"
#include "geometry/DoubleValue.h"
#include "geometry/FontAttributes.h"
#include "geometry/LineTypeAttribute.h"
#include "tests/elements/LineFixture.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/SampleElements.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

Element* startKind(LineDrawing& drawing, int kind) { return startSampleElement(*drawing.context.editor3, kind); }

// The element of the kind as above, stored; its id (0 when it was refused).
int addKind(LineDrawing& drawing, int kind)
{
    return startKind(drawing, kind) ? drawing.context.editor3->addToPage() : 0;
}

// The stored element id in editor 3's hand, or null.
Element* taken(LineDrawing& drawing, int id)
{
    ElementEditor& editor = *drawing.context.editor3;
    return editor.beginEdit(id) ? editor.elementInHand() : nullptr;
}

// A drawing of one element of the kind, saved: the file's bytes.
std::string savedKind(const ScratchFolder& scratch, int kind)
{
    LineDrawing drawing;
    EXPECT_GE(addKind(drawing, kind), 1) << kind;
    return drawing.save(scratch.pathOf("kind.ycx"));
}

// The bytes with `from` (which must occur) replaced by `to`.
std::string replaced(std::string bytes, const std::string& from, const std::string& to)
{
    const size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        bytes.replace(at, from.size(), to);
    return bytes;
}

struct EnumerationTag;
struct InformationContextTag;

} // namespace

// Dash, gap and dot lengths that the user chose are in the file: each kind with a line type
// reopens with them (they used to come back as the reader's 2.0 / 1.0 / 1.0).
TEST(DrawingFileValues, DashLengthsOfEveryKindWithALineTypeSurviveSaveAndReopen)
{
    TestApplication app;
    ScratchFolder scratch;
    const int kinds[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::vector<int> ids;
    std::string first;
    {
        LineDrawing drawing;
        for (int kind : kinds) {
            Element* e = startKind(drawing, kind);
            ASSERT_TRUE(e && e->lineType()) << kind;
            if (kind % 2) {
                e->lineType()->setStyleWithPresets(LineStyle::kDash); // 1.5 / 1.5
            } else {
                e->lineType()->setStyleWithPresets(LineStyle::kDashDot3);
                e->lineType()->dash = 0.7, e->lineType()->gap = 0.3, e->lineType()->dot = 0.2;
            }
            ids.push_back(drawing.context.editor3->addToPage());
            ASSERT_GE(ids.back(), 1) << kind;
        }
        first = drawing.save(scratch.pathOf("dashes.ycx"));
    }
    ASSERT_FALSE(first.empty());
    LineDrawing reopened;
    ASSERT_EQ(reopened.open(scratch.pathOf("dashes.ycx")), 1);
    for (size_t i = 0; i < ids.size(); ++i) {
        Element* e = taken(reopened, ids[i]);
        ASSERT_TRUE(e && e->lineType()) << kinds[i];
        const LineTypeAttribute& type = *e->lineType();
        if (kinds[i] % 2) {
            EXPECT_EQ(type.style, LineStyle::kDash) << kinds[i];
            EXPECT_EQ(type.dash, 1.5) << kinds[i];
            EXPECT_EQ(type.gap, 1.5) << kinds[i];
        } else {
            EXPECT_EQ(type.style, LineStyle::kDashDot3) << kinds[i];
            EXPECT_EQ(type.dash, 0.7) << kinds[i];
            EXPECT_EQ(type.gap, 0.3) << kinds[i];
            EXPECT_EQ(type.dot, 0.2) << kinds[i];
        }
    }
    EXPECT_EQ(reopened.save(scratch.pathOf("again.ycx")), first);
}

// A font size outside 0.1 < size < 1000, as the file writes it back, is a data error of
// "textSize" for every kind with lettering; the element reads on with the size it would have had
// without the tag. Sizes inside the bounds are taken.
TEST(DrawingFileValues, FontSizesOutsideTheBoundsAreDataErrorsOfEveryKindWithLettering)
{
    TestApplication app;
    ScratchFolder scratch;
    MessageBoxScript boxes;
    struct Size {
        const char* text;
        double read; // 0: refused
    };
    const Size sizes[] = {{"10000", 0},        {"2147483648", 0}, {"1000000", 0},     {"1000", 0},
                          {"0.1", 0},          {"0.100009", 0},   {"0", 0},           {"-3.75", 0},
                          {"999.99999", 999.99999}, {"0.10001", 0.10001}, {"12.5", 12.5}};
    for (int kind : {12, 13, 14, 15, 16, 17}) {
        const std::string base = savedKind(scratch, kind);
        ASSERT_NE(base.find("<textSize>3.75</textSize>"), std::string::npos) << kind;
        double unset = 0.0;
        {
            // The size the element has when the file gives none.
            LineDrawing drawing;
            const std::string none = replaced(base, "<textSize>3.75</textSize>", "");
            ASSERT_EQ(drawing.open(scratch.file("none.ycx", none)), 1) << kind;
            Element* e = taken(drawing, 1);
            ASSERT_TRUE(e && e->font()) << kind;
            unset = e->font()->size;
        }
        for (const Size& c : sizes) {
            boxes.clear();
            app->errorCount = 0;
            const std::string file =
                replaced(base, "<textSize>3.75</textSize>", std::string("<textSize>") + c.text + "</textSize>");
            LineDrawing drawing;
            ASSERT_EQ(drawing.open(scratch.file("size.ycx", file)), 1) << kind << " " << c.text;
            Element* e = taken(drawing, 1);
            ASSERT_TRUE(e && e->font()) << kind << " " << c.text;
            EXPECT_EQ(e->font()->size, c.read ? c.read : unset) << kind << " " << c.text;
            EXPECT_EQ(boxes.texts(), c.read ? "" : "</textSize>のデータがエラーです") << kind << " " << c.text;
        }
    }
}

// A radius given on paper is kept in drawing units; at a large scale a paper value the file
// holds can grow past the digits the file has, and every later save would fail: it is a data
// error instead, and the drawing saves.
TEST(DrawingFileValues, APaperRadiusTheFileCannotHoldAtItsScaleIsADataError)
{
    TestApplication app;
    ScratchFolder scratch;
    MessageBoxScript boxes;
    std::string base = savedKind(scratch, 16);
    base = replaced(base, "<denominator>1</denominator>", "<denominator>1000</denominator>");
    struct Case {
        const char* tag;
        double radius;
        const char* shown;
    } cases[] = {
        {"<radius>2</radius>", 2000.0, ""},
        {"<radius>100000000000000000000000000000000000000</radius>", ValueList::kDefaultValue,
         "</radius>のデータがエラーです"},
        {"<radiusAray><nums>2</nums><aray>3,100000000000000000000000000000000000000</aray></radiusAray>", 3000.0,
         "</radiusAray>のデータがエラーです"},
    };
    for (const Case& c : cases) {
        boxes.clear();
        app->errorCount = 0;
        LineDrawing drawing;
        ASSERT_EQ(drawing.open(scratch.file("radius.ycx", replaced(base, "<radNum>12.5</radNum>", c.tag))), 1) << c.tag;
        Element* e = taken(drawing, 1);
        auto* dimension = dynamic_cast<CircleDimensionElement*>(e);
        ASSERT_TRUE(dimension) << c.tag;
        EXPECT_EQ(dimension->values()->value(0), c.radius) << c.tag;
        EXPECT_EQ(boxes.texts(), c.shown) << c.tag;
        boxes.clear();
        EXPECT_FALSE(drawing.save(scratch.pathOf("saved.ycx")).empty()) << c.tag;
        EXPECT_EQ(boxes.texts(), "") << c.tag;
    }
}

// A record that could not be loaded back would be passed over at every load: the store refuses
// it, new or stored back, and keeps what it had.
TEST(ElementEditorStore, RecordsThatCannotLoadBackAreRefused)
{
    TestApplication app;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        int kind;
        std::function<void(Element&)> spoil;
    };
    const Case cases[] = {
        {"a circle with a start angle that is no number", 7, [&](Element& e) { e.value1()->value = nan; }},
        {"a circle with an endless end angle", 7, [&](Element& e) { e.value2()->value = infinity; }},
        {"a bitmap whose pixels do not cover its size", 18,
         [](Element& e) {
             e.bitmapSize()->width = 100, e.bitmapSize()->height = 100;
             e.bitmapData()->takeBlock(newPixelBlock(12), 12);
         }},
        {"a text of 5000 mm", 12, [](Element& e) { e.font()->size = 5000.0; }},
        {"a leader text of 0.05 mm", 13, [](Element& e) { e.font()->size = 0.05; }},
    };
    for (const Case& c : cases) {
        LineDrawing drawing;
        ElementEditor& editor = *drawing.context.editor3;
        Element* e = startKind(drawing, c.kind);
        ASSERT_TRUE(e) << c.what;
        if (c.kind == 18) {
            e->bitmapSize()->width = 2, e->bitmapSize()->height = 2;
            e->bitmapData()->takeBlock(newPixelBlock(e->bitmapSize()->blockBytes()),
                                       static_cast<int>(e->bitmapSize()->blockBytes()));
        }
        const int id = editor.addToPage();
        ASSERT_EQ(id, 1) << c.what << ": the sound element is stored";

        ASSERT_TRUE(taken(drawing, id)) << c.what;
        c.spoil(*editor.elementInHand());
        EXPECT_EQ(editor.storeBack(id), 0) << c.what;
        EXPECT_EQ(editor.addToPage(), 0) << c.what;
        EXPECT_EQ(drawing.context.elementCount(), 1) << c.what;
        EXPECT_TRUE(taken(drawing, id)) << c.what << ": the stored record still loads";
    }
}

// Each dimension's extent measures its numeral when it is read: the faces are resolved once and
// the reference DC's display information context is made once, not once per element (which made
// a radius dimension a hundred times dearer to read than a line).
TEST(DrawingFileValues, ReadingDimensionsResolvesFacesAndTheDisplayOnce)
{
    TestApplication app;
    ScratchFolder scratch;
    std::string first;
    {
        LineDrawing drawing;
        for (int i = 0; i < 10; ++i) {
            for (int kind : {14, 15, 16, 17})
                ASSERT_GE(addKind(drawing, kind), 1) << kind;
        }
        first = drawing.save(scratch.pathOf("dimensions.ycx"));
    }
    ASSERT_FALSE(first.empty());
    // A first read resolves what it needs; the counts are those of the second.
    for (int read = 0; read < 2; ++read) {
        ImportCounter<EnumerationTag, int, HDC, LPCSTR, FONTENUMPROCA, LPARAM> enumerations("gdi32.dll",
                                                                                            "EnumFontFamiliesA");
        ImportCounter<InformationContextTag, HDC, LPCSTR, LPCSTR, LPCSTR, const DEVMODEA*> contexts("gdi32.dll",
                                                                                                    "CreateICA");
        ASSERT_TRUE(enumerations.installed() && contexts.installed());
        LineDrawing reopened;
        ASSERT_EQ(reopened.open(scratch.pathOf("dimensions.ycx")), 1);
        EXPECT_EQ(reopened.context.elementCount(), 40);
        if (read == 1) {
            EXPECT_EQ(enumerations.calls(), 0);
            EXPECT_EQ(contexts.calls(), 0);
        }
    }
}
