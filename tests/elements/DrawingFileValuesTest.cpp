// Values of the real kinds that the drawing file and the store give back as they took them, or
// refuse at once; dimensions read without a font enumeration or display context apiece.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <iterator>
#include <string>
#include <vector>

#include "document/SheetSettings.h"
#include "elements/CircleDimensionElement.h"
#include "elements/VertexRoundingList.h"
#include "geometry/DoubleValue.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontAttributes.h"
#include "geometry/GrayAttributes.h"
#include "geometry/GrayValue.h"
#include "geometry/HatchAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/TextSpacingAttribute.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/BitmapRaster.h"
#include "shapes/CornerRounding.h"
#include "shapes/DiameterList.h"
#include "shapes/ImageMask.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/RadiusList.h"
#include "shapes/ValueList.h"
#include "tests/elements/LineFixture.h"
#include "tests/support/ImportPatch.h"
#include "resources/ids.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
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

namespace {

// One real value an element may hold, in drawing units as stored: read into `out` and set by
// `at` (0 when the kind lacks it), and a value the kind takes that the file still writes: 9.9e39,
// unless the value has a narrower range of its own.
struct StoredValue {
    const char* name;
    std::function<int(Element&, double* out, const double* set)> at;
    double inside = 9.9e39;
};

// A plain field of a sub-object, or null.
template <typename Slot> StoredValue field(const char* name, Slot slot, double inside = 9.9e39)
{
    return {name,
            [slot](Element& e, double* out, const double* set) {
                double* v = slot(e);
                if (!v)
                    return 0;
                if (out)
                    *out = *v;
                if (set)
                    *v = *set;
                return 1;
            },
            inside};
}

// Coordinate y (or x) of point i of a list; i < 0 counts from its end.
int listPoint(PointList* list, int i, int y, double* out, const double* set)
{
    Point p;
    if (!list || i >= list->count || (i < 0 && (i += list->count) < 0) || !list->getPoint(i, &p))
        return 0;
    double& v = y ? p.y : p.x;
    if (out)
        *out = v;
    if (set)
        v = *set;
    return !set || list->setXYZ(i, p.x, p.y, p.z) ? 1 : 0;
}

// Every real value of the points and attribute sub-objects the kinds write in their sections.
std::vector<StoredValue> storedValues()
{
    auto point = [](DrawPoint* (Element::*which)() const, int y) {
        return [which, y](Element& e) -> double* {
            DrawPoint* p = (e.*which)();
            return p ? (y ? &p->y : &p->x) : nullptr;
        };
    };
    return {
        field("first x", point(&Element::firstPoint, 0)),
        field("first y", point(&Element::firstPoint, 1)),
        field("second x", point(&Element::secondPoint, 0)),
        field("second y", point(&Element::secondPoint, 1)),
        field("third x", point(&Element::thirdPoint, 0)),
        field("third y", point(&Element::thirdPoint, 1)),
        {"vertex x", [](Element& e, double* out, const double* set) { return listPoint(e.vertices(), 0, 0, out, set); }},
        {"last vertex y",
         [](Element& e, double* out, const double* set) { return listPoint(e.vertices(), -1, 1, out, set); }},
        {"mask point",
         [](Element& e, double* out, const double* set) {
             return e.imageMask() ? listPoint(&e.imageMask()->outline, 0, 0, out, set) : 0;
         }},
        {"vertex radius",
         [](Element& e, double* out, const double* set) {
             VertexRoundingList* list = e.vertexRounding();
             if (!list || list->count < 2)
                 return 0;
             if (out)
                 *out = list->get(1);
             return !set || list->set(1, *set) ? 1 : 0;
         }},
        field("line width", [](Element& e) { return e.lineWidth() ? &e.lineWidth()->width : nullptr; }),
        field("dash", [](Element& e) { return e.lineType() ? &e.lineType()->dash : nullptr; }, 1000.0),
        field("gap", [](Element& e) { return e.lineType() ? &e.lineType()->gap : nullptr; }, 1000.0),
        field("dot", [](Element& e) { return e.lineType() ? &e.lineType()->dot : nullptr; }, 1000.0),
        field("hatch pitch 1", [](Element& e) { return e.hatch() ? &e.hatch()->pitch1 : nullptr; }),
        field("hatch pitch 2", [](Element& e) { return e.hatch() ? &e.hatch()->pitch2 : nullptr; }),
        field("lean", [](Element& e) { return e.lean() ? &e.lean()->angle : nullptr; }, 359.0),
        field("font size", [](Element& e) { return e.font() ? &e.font()->size : nullptr; }, 999.0),
        field("character spacing", [](Element& e) { return e.textSpacing() ? &e.textSpacing()->jikan : nullptr; }),
        field("line spacing", [](Element& e) { return e.textSpacing() ? &e.textSpacing()->gyokan : nullptr; }),
        field("leader width", [](Element& e) { return e.arrowLine() ? &e.arrowLine()->width : nullptr; }),
        field("leader gap", [](Element& e) { return e.arrowLine() ? &e.arrowLine()->space : nullptr; }),
        field("leader over", [](Element& e) { return e.arrowLine() ? &e.arrowLine()->over : nullptr; }),
        field("arrow line", [](Element& e) { return e.arrowHead() ? &e.arrowHead()->lineSize : nullptr; }),
        field("arrow length", [](Element& e) { return e.arrowHead() ? &e.arrowHead()->length : nullptr; }),
        field("arrow lean", [](Element& e) { return e.arrowHead() ? &e.arrowHead()->lean : nullptr; }),
        field("numeral gap", [](Element& e) { return e.measure() ? &e.measure()->space : nullptr; }),
        field("dimension line", [](Element& e) { return e.measureLine() ? &e.measureLine()->penWidth : nullptr; }),
        field("edge tint", [](Element& e) { return e.edge() ? &e.edge()->gray.value : nullptr; }, 0.5),
        field("fill start tint", [](Element& e) { return e.fill() ? &e.fill()->gray.startGray : nullptr; }, 0.5),
        field("fill end tint", [](Element& e) { return e.fill() ? &e.fill()->gray.endGray : nullptr; }, 0.5),
        field("screen angle", [](Element& e) { return e.fill() ? &e.fill()->gray.kakudo[3] : nullptr; }, 90.0),
        field("tint", [](Element& e) { return e.gray() ? &e.gray()->value : nullptr; }, 0.5),
        field("radius", [](Element& e) { return e.radii() ? &e.radii()->values[0] : nullptr; }),
        field("diameter", [](Element& e) { return e.diameters() ? &e.diameters()->values[0] : nullptr; }),
        field("start angle", [](Element& e) { return e.value1() ? &e.value1()->value : nullptr; }, 359.0),
        field("end angle", [](Element& e) { return e.value2() ? &e.value2()->value : nullptr; }, 359.0),
        field("corner radius", [](Element& e) { return e.cornerRounding() ? &e.cornerRounding()->radii[2] : nullptr; }),
    };
}

} // namespace

// A value the drawing file cannot write (not finite, or beyond its 40 integer digits) would fail
// every later save of the whole drawing: whichever value of whichever kind holds it, the store
// refuses the element, new or stored back, and keeps it as it was. A value just inside the limit
// is taken, saved and read back. (A value whose change leaves the file as it was is one the kind
// does not write: nothing is asked of it.)
TEST(ElementEditorStore, ValuesTheFileCannotWriteAreRefused)
{
    TestApplication app;
    ScratchFolder scratch;
    MessageBoxScript boxes;
    const double outside[] = {1e41, -1e41, std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity()};
    const std::vector<StoredValue> values = storedValues();
    for (int kind = 1; kind <= 19; ++kind) {
        LineDrawing drawing;
        ElementEditorBase& editor = *drawing.context.editor3;
        Element* sample = startSampleElement(editor, kind);
        ASSERT_TRUE(sample) << kind;
        if (sample->fill()) // the screen's tints and angles are written with a gradation only
            sample->fill()->gray.kind = GrayAttributes::kGradation;
        ASSERT_EQ(editor.addToPage(), 1) << kind;
        const std::string path = scratch.pathOf("values.ycx");
        std::string file = drawing.save(path);
        std::vector<const StoredValue*> written;
        for (const StoredValue& v : values) {
            double before = 0.0;
            if (!editor.beginEdit(1) || !v.at(*editor.elementInHand(), &before, nullptr))
                continue;
            ASSERT_TRUE(v.at(*editor.elementInHand(), nullptr, &v.inside) && editor.storeBack(1))
                << kind << " " << v.name;
            const std::string changed = drawing.save(path);
            ASSERT_FALSE(changed.empty()) << kind << " " << v.name;
            if (changed == file)
                continue;
            file = changed;
            written.push_back(&v);
            for (double bad : outside) {
                const std::string which = std::to_string(kind) + " " + v.name + " " + std::to_string(bad);
                ASSERT_TRUE(editor.beginEdit(1) && v.at(*editor.elementInHand(), nullptr, &bad)) << which;
                EXPECT_EQ(editor.storeBack(1), 0) << which;
                EXPECT_EQ(editor.addToPage(), 0) << which;
                double kept = 0.0;
                ASSERT_TRUE(editor.beginEdit(1) && v.at(*editor.elementInHand(), &kept, nullptr)) << which;
                EXPECT_EQ(kept, v.inside) << which;
            }
        }
        EXPECT_GE(written.size(), 2u) << kind;
        EXPECT_EQ(drawing.context.elementCount(), 1) << kind;
        EXPECT_EQ(drawing.save(path), file) << kind;
        EXPECT_EQ(boxes.texts(), "") << kind;
        LineDrawing reopened;
        ElementEditorBase& reader = *reopened.context.editor3;
        ASSERT_EQ(reopened.open(path), 1) << kind;
        ASSERT_TRUE(reader.beginEdit(1)) << kind;
        for (const StoredValue* v : written) {
            double read = 0.0;
            EXPECT_TRUE(v->at(*reader.elementInHand(), &read, nullptr) && read == v->inside)
                << kind << " " << v->name << " " << read;
        }
        EXPECT_EQ(boxes.texts(), "") << kind;
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

// Under the ink model a colour the drawing file gives without inks takes those of its RGB value:
// a line whose section has no colour (it takes the reader's black, also after a line of another
// colour) and an "rgbColor" block; "cmykPercent" keeps its inks, 0 0 0 0 being white.
TEST(DrawingFileValues, UnderTheInkModelAColourReadWithoutInksTakesThoseOfItsRgbValue)
{
    TestApplication app;
    ScopedOverride<int> inkModel(app->colorModel, 2);
    ScratchFolder scratch;
    MessageBoxScript boxes;
    struct Row {
        const char* block; // in place of the line's colour block
        COLORREF rgb;
        int inks[4];
    };
    const Row rows[] = {
        {"", RGB(0, 0, 0), {0, 0, 0, 100}},
        {"<rgbColor><r>255</r><g>0</g><b>0</b></rgbColor>", RGB(255, 0, 0), {0, 100, 100, 0}},
        {"<cmykPercent><c>0</c><m>0</m><y>0</y><k>0</k></cmykPercent>", RGB(255, 255, 255), {0, 0, 0, 0}},
        {"<cmykPercent><c>10</c><m>20</m><y>30</y><k>40</k></cmykPercent>", RGB(128, 102, 77), {10, 20, 30, 40}},
        {"", RGB(0, 0, 0), {0, 0, 0, 100}},
    };
    std::string file;
    {
        LineDrawing drawing;
        for (size_t i = 0; i < std::size(rows); ++i)
            ASSERT_NE(drawing.addLine(10.0, 10.0 * (i + 1), 50.0, 10.0 * (i + 1)), 0);
        file = drawing.save(scratch.pathOf("lines.ycx"));
    }
    size_t at = file.find("<entities>");
    for (const Row& row : rows) {
        const size_t begin = file.find("<cmykPercent>", at);
        const size_t end = file.find("</cmykPercent>", begin);
        ASSERT_NE(end, std::string::npos);
        file.replace(begin, end + 14 - begin, row.block);
        at = begin + std::strlen(row.block);
    }
    LineDrawing drawing;
    ASSERT_EQ(drawing.open(scratch.file("edited.ycx", file)), 1);
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i);
        Element* e = taken(drawing, static_cast<int>(i) + 1);
        ASSERT_TRUE(e && e->colour());
        EXPECT_EQ(e->colour()->colorRef, rows[i].rgb);
        EXPECT_EQ(std::vector<int>(e->colour()->inks, e->colour()->inks + 4),
                  std::vector<int>(rows[i].inks, rows[i].inks + 4));
    }
    EXPECT_EQ(boxes.texts(), "");
}

// The file writes the drawing's values on paper, at its scale. A drawing whose elements were
// scaled up as far as the store takes them at 1 / 1 (a line reaching 9e39, written with 40
// integer digits) could not be written at a larger scale: 用紙設定 refuses such a scale with the
// store's message, the scale named, as it refuses a term beyond 1 to 2147483647 (the field
// named with that range; the second term shares the label of the first), keeps the dialog on the
// field and the drawing's scale as it was, and 保存 then writes the drawing. A scale the
// elements can be written at is taken.
TEST(DrawingFileValues, AScaleTheStoredElementsCannotBeWrittenAtIsRefused)
{
    TestApplication app;
    ScratchFolder scratch;
    MessageBoxScript boxes;
    LineDrawing drawing;
    ASSERT_GE(drawing.addLine(0.0, 0.0, 9e39, 9e39), 1);
    ASSERT_GE(drawing.addLine(10.0, 10.0, 20.0, 20.0), 1);
    const std::string path = scratch.pathOf("large.ycx");
    ASSERT_EQ(drawing.context.setPathAndTitle(path.c_str()), 1);
    SheetSettings& sheet = dynamic_cast<SheetSettings&>(*drawing.context.paper);
    const std::string range = "スケールには1から2147483647までの数値を入力して下さい。";
    const std::string refused = "スケール：図形の数値が扱える範囲を超えるため、この操作はできません。";
    const struct {
        const char* numerator;
        const char* denominator;
        std::string told;
        int focused; // the field named
    } steps[] = {
        {"99999999999", "1", range, IDC_PAPER_NUMERATOR},
        {"1", "0", range, IDC_PAPER_DENOMINATOR},
        {"2147483647", "1", refused, IDC_PAPER_NUMERATOR},
        {"2", "1", refused, IDC_PAPER_NUMERATOR},
    };
    std::vector<std::string> told;
    std::vector<int> focused;
    std::vector<int> numerators;
    const INT_PTR cancelled = driveModalDialog([&] { return sheet.runDialogAndRefresh(); }, [&](HWND w) {
        for (const auto& step : steps) {
            SetDlgItemTextA(w, IDC_PAPER_NUMERATOR, step.numerator);
            SetDlgItemTextA(w, IDC_PAPER_DENOMINATOR, step.denominator);
            click(w, IDOK);
            told.push_back(boxes.texts());
            boxes.clear();
            focused.push_back(GetDlgCtrlID(GetFocus()));
            numerators.push_back(sheet.scaleNumerator());
        }
        PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(cancelled, IDCANCEL);
    ASSERT_EQ(told.size(), std::size(steps));
    for (size_t i = 0; i < told.size(); ++i) {
        EXPECT_EQ(told[i], steps[i].told) << steps[i].numerator << "/" << steps[i].denominator;
        EXPECT_EQ(focused[i], steps[i].focused) << steps[i].numerator << "/" << steps[i].denominator;
        EXPECT_EQ(numerators[i], 1) << steps[i].numerator << "/" << steps[i].denominator;
    }
    EXPECT_EQ(sheet.scaleNumerator(), 1);
    EXPECT_EQ(sheet.scaleDenominator(), 1);
    EXPECT_EQ(drawing.context.save(), 1);
    EXPECT_EQ(boxes.texts(), "");
    EXPECT_NE(ScratchFolder::read(path).find(">9" + std::string(39, '0') + "<"), std::string::npos)
        << "the line's end, 9 and 39 zeros";

    // A smaller scale writes the elements smaller: taken, and saved.
    const INT_PTR taken = driveModalDialog([&] { return sheet.runDialogAndRefresh(); }, [&](HWND w) {
        SetDlgItemTextA(w, IDC_PAPER_DENOMINATOR, "100");
        PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(taken, IDOK);
    EXPECT_EQ(sheet.scaleDenominator(), 100);
    EXPECT_EQ(drawing.context.save(), 1);
    EXPECT_EQ(boxes.texts(), "");
}
