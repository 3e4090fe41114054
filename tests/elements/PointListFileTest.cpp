// The point-list kinds (breakline, arcbreakline, spline, polygon, arcpolygon) in the drawing file:
// the tags of each section in their order, the rounding block only where a radius is set, short
// lists kept, and a reopened drawing saved again byte for byte. (The file's point list holds x
// and y only: arc starts live in the element records.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/VertexRoundingList.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/PointList.h"
#include "tests/elements/LineFixture.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

struct Vertex {
    double x, y;
    uint32_t flag = 0;
};

struct Shape {
    int kind;
    std::vector<Vertex> points;
    std::vector<double> radii; // where the kind keeps them
};

// Stored through editor 3; its id.
int add(LineDrawing& drawing, const Shape& s)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!editor->startNewElement(s.kind))
        return 0;
    Element* e = editor->elementInHand();
    // The editor hands back the element it kept when the kind is the same.
    e->clearPoints();
    if (e->vertexRounding())
        e->vertexRounding()->count = 0;
    for (const Vertex& v : s.points) {
        if (!e->vertices()->appendWithFlag(v.flag, v.x, v.y, 0.0))
            return 0;
    }
    for (double r : s.radii) {
        if (!e->vertexRounding() || !e->vertexRounding()->append(r))
            return 0;
    }
    if (e->fill())
        e->fill()->draw.value = 1;
    return editor->commitNewElement() == 1 ? e->id : 0;
}

// The section of element n (1-based) of the kind's tag, from its open tag to its close tag.
std::string section(const std::string& file, const std::string& tag, int n)
{
    size_t at = 0;
    for (int i = 0; i < n; ++i) {
        at = file.find("<" + tag + ">", i ? at + 1 : 0);
        if (at == std::string::npos)
            return "";
    }
    const size_t end = file.find("</" + tag + ">", at);
    return end == std::string::npos ? "" : file.substr(at, end - at);
}

TEST(PointListFile, TagOrderRoundingShortListsAndTheSecondSaveTheSame)
{
    TestApplication app;
    ScratchFolder scratch;
    const std::vector<Shape> shapes = {
        {2, {{0, 0}, {10, 0}, {10, 10}}, {0, 0, 0}},
        {2, {{0, 20}, {10, 20}, {10, 30}}, {0, 1.5, 0}},
        {3, {{0, 40}, {5, 45, 2}, {10, 40}}, {0, 2, 0}},
        {4, {{0, 60}, {10, 70}, {20, 60}, {30, 70}}, {}},
        {8, {{40, 0}, {60, 0}, {60, 20}, {40, 20}}, {0, 2.5, 0, 0}},
        {9, {{40, 40}, {50, 35, 2}, {60, 40}, {50, 60}}, {}},
        // Short lists, as a pasted record or a hand-edited file may hold them.
        {8, {{70, 0}, {80, 0}}, {1}},
        {2, {{70, 20}}, {}},
        {4, {}, {}},
    };
    std::string first;
    {
        LineDrawing drawing;
        for (size_t i = 0; i < shapes.size(); ++i)
            ASSERT_EQ(add(drawing, shapes[i]), static_cast<int>(i + 1)) << i;
        first = drawing.save(scratch.pathOf("points.ycx"));
    }
    ASSERT_FALSE(first.empty());

    struct Section {
        const char* tag;
        int n;
        std::vector<const char*> order;
        bool rounded;
    };
    const Section sections[] = {
        {"breakline", 1, {"<rgbColor>", "<lineSize>", "<lineOrigin>", "<lineType>", "<lineCap>", "<gray>", "<listXY>"}, false},
        {"breakline", 2, {"<rgbColor>", "<lineSize>", "<lineOrigin>", "<lineType>", "<lineCap>", "<gray>", "<listXY>", "<roundAray>"}, true},
        {"arcbreakline", 1, {"<rgbColor>", "<lineSize>", "<gray>", "<listXY>"}, false},
        {"spline", 1, {"<rgbColor>", "<lineSize>", "<lineOrigin>", "<lineType>", "<lineCap>", "<gray>", "<listXY>"}, false},
        {"polygon", 1, {"<edge>", "<paint>", "<pattern>", "<lineSize>", "<lineOrigin>", "<lineType>", "<listXY>", "<roundAray>"}, true},
        {"arcpolygon", 1, {"<edge>", "<paint>", "<pattern>", "<lineSize>", "<lineOrigin>", "<lineType>", "<listXY>"}, false},
    };
    for (const Section& s : sections) {
        const std::string text = section(first, s.tag, s.n);
        ASSERT_FALSE(text.empty()) << s.tag << " " << s.n;
        size_t at = 0;
        for (const char* tag : s.order) {
            const size_t next = text.find(tag, at);
            ASSERT_NE(next, std::string::npos) << s.tag << " " << s.n << ": " << tag;
            at = next;
        }
        EXPECT_EQ(text.find("<roundAray>") != std::string::npos, s.rounded) << s.tag << " " << s.n;
    }
    EXPECT_NE(section(first, "breakline", 2).find("<nums>3</nums>"), std::string::npos);
    EXPECT_NE(section(first, "breakline", 2).find("0,1.5,0"), std::string::npos);

    LineDrawing reopened;
    ASSERT_EQ(reopened.open(scratch.pathOf("points.ycx")), 1);
    ASSERT_EQ(reopened.context.elementCount(), static_cast<int>(shapes.size()));
    ElementEditorBase& editor = *reopened.context.editor3;
    for (size_t i = 0; i < shapes.size(); ++i) {
        ASSERT_EQ(editor.beginEdit(static_cast<int>(i + 1)), 1) << i;
        Element* e = editor.elementInHand();
        EXPECT_EQ(e->kind, shapes[i].kind) << i;
        ASSERT_EQ(e->vertices()->count, static_cast<int>(shapes[i].points.size())) << i;
        for (size_t k = 0; k < shapes[i].points.size(); ++k) {
            Point p;
            ASSERT_TRUE(e->vertices()->getRecord(static_cast<int>(k), &p));
            EXPECT_EQ(p.x, shapes[i].points[k].x) << i;
            EXPECT_EQ(p.y, shapes[i].points[k].y) << i;
        }
        if (shapes[i].kind == 8 && shapes[i].points.size() == 4) {
            ASSERT_EQ(e->vertexRounding()->count, 4);
            EXPECT_EQ(e->vertexRounding()->get(1), 2.5);
            EXPECT_EQ(e->fill()->draw.value, 1);
        }
    }
    EXPECT_EQ(reopened.save(scratch.pathOf("again.ycx")), first);
}

} // namespace
