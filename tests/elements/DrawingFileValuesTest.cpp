// Values of the real kinds that the drawing file and the store give back as they took them, or
// refuse at once; dimensions read without a font enumeration or display context apiece.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "elements/CircleDimensionElement.h"
#include "geometry/DoubleValue.h"
#include "geometry/FontAttributes.h"
#include "geometry/LineTypeAttribute.h"
#include "shapes/BitmapRaster.h"
#include "shapes/ValueList.h"
#include "tests/elements/LineFixture.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/SampleElements.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

// The element stored id in editor 3's hand, or null.
Element* taken(LineDrawing& drawing, int id)
{
    ElementEditorBase& editor = *drawing.context.editor3;
    return editor.beginEdit(id) ? editor.elementInHand() : nullptr;
}

} // namespace

// Each row saves one element of a kind (a dashed line type where it has one), edits the file and
// opens it: a value the drawing could not give back (a font size outside 0.1 < size < 1000 or a
// line type length outside 0 < v <= 1000 as the file writes them back, a paper radius past the
// file's digits at 1:1000) is a data error that keeps the value the element would have had, and
// the drawing then saves without complaint. Dash lengths chosen in a dialog come back.
TEST(DrawingFileValues, ValuesComeBackOrAreDataErrors)
{
    TestApplication app;
    ScratchFolder scratch;
    MessageBoxScript boxes;
    const std::string nines(39, '9');
    struct Row {
        int kind;
        std::string from, to;
        std::function<double(Element&)> value;
        double expected;
        const char* shown;
    };
    auto size = [](Element& e) { return e.font()->size; };
    auto dash = [](Element& e) { return e.lineType()->dash; };
    auto gap = [](Element& e) { return e.lineType()->gap; };
    auto value = [](Element& e) { return dynamic_cast<CircleDimensionElement&>(e).values()->value(0); };
    const double unsized = FontAttributes::kDefaultSize;
    const Row rows[] = {
        {1, "", "", dash, 1.5, ""},
        {10, "", "", gap, 1.5, ""},
        {4, "<kuhaku>1.5</kuhaku>", "<kuhaku>0</kuhaku>", gap, 1.0, "</kuhaku>のデータがエラーです"},
        {5, "<jisen>1.5</jisen>", "<jisen>1000.5</jisen>", dash, 2.0, "</jisen>のデータがエラーです"},
        {12, "<textSize>3.75", "<textSize>10000", size, unsized, "</textSize>のデータがエラーです"},
        {13, "<textSize>3.75", "<textSize>0.100009", size, unsized, "</textSize>のデータがエラーです"},
        {14, "<textSize>3.75", "<textSize>1000", size, unsized, "</textSize>のデータがエラーです"},
        {15, "<textSize>3.75", "<textSize>999.99999", size, 999.99999, ""},
        {16, "<radNum>12.5</radNum>", "<radius>2</radius>", value, 2000.0, ""},
        {17, "<diaNum>12.5</diaNum>", "<diameter>" + nines + "</diameter>", value, ValueList::kDefaultValue,
         "</diameter>のデータがエラーです"},
    };
    for (const Row& r : rows) {
        std::string file;
        {
            LineDrawing drawing;
            Element* e = startSampleElement(*drawing.context.editor3, r.kind);
            ASSERT_TRUE(e) << r.kind;
            if (e->lineType())
                e->lineType()->setStyleWithPresets(LineStyle::kDash);
            ASSERT_EQ(drawing.context.editor3->addToPage(), 1) << r.kind;
            file = drawing.save(scratch.pathOf("kind.ycx"));
        }
        const size_t at = file.find(r.from);
        ASSERT_NE(at, std::string::npos) << r.kind << " " << r.from;
        file.replace(at, r.from.size(), r.to);
        const size_t scale = file.find("<denominator>1</denominator>");
        file.replace(scale, 28, "<denominator>1000</denominator>");
        boxes.clear();
        LineDrawing drawing;
        ASSERT_EQ(drawing.open(scratch.file("edited.ycx", file)), 1) << r.kind << " " << r.to;
        Element* e = taken(drawing, 1);
        ASSERT_TRUE(e) << r.kind;
        EXPECT_EQ(r.value(*e), r.expected) << r.kind << " " << r.to;
        EXPECT_EQ(boxes.texts(), r.shown) << r.kind << " " << r.to;
        boxes.clear();
        EXPECT_FALSE(drawing.save(scratch.pathOf("saved.ycx")).empty()) << r.kind << " " << r.to;
        EXPECT_EQ(boxes.texts(), "") << r.kind << " " << r.to;
    }
}

// A record that could not be loaded back would be passed over at every load: the store refuses
// it, new or stored back, and keeps what it had.
TEST(ElementEditorStore, RecordsThatCannotLoadBackAreRefused)
{
    TestApplication app;
    struct Case {
        int kind;
        std::function<void(Element&)> spoil;
    };
    const Case cases[] = {
        {7, [](Element& e) { e.value1()->value = std::numeric_limits<double>::quiet_NaN(); }},
        {7, [](Element& e) { e.value2()->value = std::numeric_limits<double>::infinity(); }},
        {18, [](Element& e) { e.bitmapSize()->width = 100, e.bitmapSize()->height = 100; }},
        {12, [](Element& e) { e.font()->size = 5000.0; }},
        {13, [](Element& e) { e.font()->size = 0.05; }},
    };
    for (const Case& c : cases) {
        LineDrawing drawing;
        ElementEditorBase& editor = *drawing.context.editor3;
        Element* e = startSampleElement(editor, c.kind);
        ASSERT_TRUE(e) << c.kind;
        if (e->bitmapData()) {
            e->bitmapSize()->width = e->bitmapSize()->height = 2;
            const int bytes = static_cast<int>(e->bitmapSize()->blockBytes());
            e->bitmapData()->takeBlock(newPixelBlock(bytes), bytes);
        }
        ASSERT_EQ(editor.addToPage(), 1) << c.kind << ": the sound element is stored";
        c.spoil(*taken(drawing, 1));
        EXPECT_EQ(editor.storeBack(1), 0) << c.kind;
        EXPECT_EQ(editor.addToPage(), 0) << c.kind;
        EXPECT_EQ(drawing.context.elementCount(), 1) << c.kind;
        EXPECT_TRUE(taken(drawing, 1)) << c.kind << ": the stored record still loads";
    }
}

// Each dimension's extent measures its numeral when it is read: faces are resolved and the
// display's information context made once, not once per element (which made a radius dimension
// a hundred times dearer to read than a line).
TEST(DrawingFileValues, ReadingDimensionsResolvesFacesAndTheDisplayOnce)
{
    TestApplication app;
    ScratchFolder scratch;
    {
        LineDrawing drawing;
        for (int i = 0; i < 40; ++i) {
            ASSERT_TRUE(startSampleElement(*drawing.context.editor3, 14 + i % 4)) << i;
            ASSERT_GE(drawing.context.editor3->addToPage(), 1) << i;
        }
        ASSERT_FALSE(drawing.save(scratch.pathOf("dimensions.ycx")).empty());
    }
    struct EnumerationTag;
    struct InformationTag;
    // A first read resolves what it needs; the second counts.
    for (int read = 0; read < 2; ++read) {
        ImportCounter<EnumerationTag, int, HDC, LPCSTR, FONTENUMPROCA, LPARAM> enumerations("gdi32.dll",
                                                                                            "EnumFontFamiliesA");
        ImportCounter<InformationTag, HDC, LPCSTR, LPCSTR, LPCSTR, const DEVMODEA*> contexts("gdi32.dll", "CreateICA");
        LineDrawing reopened;
        ASSERT_EQ(reopened.open(scratch.pathOf("dimensions.ycx")), 1);
        EXPECT_EQ(reopened.context.elementCount(), 40);
        EXPECT_TRUE(read == 0 || (enumerations.calls() == 0 && contexts.calls() == 0))
            << enumerations.calls() << " enumerations, " << contexts.calls() << " information contexts";
    }
}
