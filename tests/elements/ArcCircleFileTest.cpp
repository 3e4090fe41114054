// Arcs, circles and their value lists in the drawing file and the store: tag order, paper and
// drawing units, saving again the same, bad blocks that lose nothing else, cut records, and the
// arc's default colour and DXF entity.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "document/ElementKind.h"
#include "document/FileErrorReporter.h"
#include "document/LineDefaults.h"
#include "document/SheetSettings.h"
#include "elements/ArcElement.h"
#include "elements/CircleElement.h"
#include "geometry/DoubleValue.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/InkColor.h"
#include "geometry/LineSizeAttribute.h"
#include "shapes/RadiusList.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/elements/RecordingExporters.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

const int kArc = kindCode(ElementKind::Arc);
const int kCircle = kindCode(ElementKind::Circle);

// A circle and an arc stored through editor 3 with undo records; the circle's id.
int addCircle(LineDrawing& drawing, Point centre, int count, const double* radii, double start, double end)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!editor->startNewElement(kCircle))
        return 0;
    Element* circle = editor->elementInHand();
    *static_cast<Point*>(circle->thirdPoint()) = centre;
    if (!circle->radii()->setAll(count, radii))
        return 0;
    circle->value1()->value = start;
    circle->value2()->value = end;
    return editor->commitNewElement() == 1 ? circle->id : 0;
}

int addArc(LineDrawing& drawing, Point start, Point end, Point middle)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!editor->startNewElement(kArc))
        return 0;
    Element* arc = editor->elementInHand();
    *static_cast<Point*>(arc->firstPoint()) = start;
    *static_cast<Point*>(arc->secondPoint()) = end;
    *static_cast<Point*>(arc->thirdPoint()) = middle;
    return editor->commitNewElement() == 1 ? arc->id : 0;
}

void replace(std::string& text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

// The tags in order from the opening of the section.
void expectInOrder(const std::string& text, const char* section, std::initializer_list<const char*> tags)
{
    size_t at = text.find(section);
    ASSERT_NE(at, std::string::npos) << section;
    for (const char* tag : tags) {
        const size_t next = text.find(tag, at);
        ASSERT_NE(next, std::string::npos) << tag;
        at = next;
    }
}

TEST(ArcCircleFile, TagOrderUnitsAndSavedAgainTheSame)
{
    TestApplication app;
    ScratchFolder scratch;
    std::string first;
    const double one[] = {25.0}, two[] = {15.0, 22.5};
    {
        LineDrawing drawing;
        static_cast<SheetSettings*>(drawing.context.paper)->setScaleDenominator(10);
        ASSERT_EQ(addCircle(drawing, {100, 80}, 1, one, 90, 270), 1);
        ASSERT_EQ(addArc(drawing, {0, 0}, {15, 0}, {7.5, -7.5}), 2);
        ASSERT_EQ(addCircle(drawing, {-40, 20}, 2, two, 0, 90), 3);
        first = drawing.save(scratch.pathOf("curves.ycx"));
    }
    ASSERT_FALSE(first.empty());
    // At 1:10 the circle writes its radius on paper; the arc writes its middle point.
    expectInOrder(first, "<circle>", {"<edge>", "<centerPoint>", "<radius>2.5</radius>", "<sttAngle>90</sttAngle>",
                                      "<endAngle>270</endAngle>", "<lineSize>", "<lineOrigin>", "<lineType>",
                                      "</circle>"});
    expectInOrder(first, "<arc>", {"<rgbColor>", "<startPoint>", "<endPoint>", "<midPoint>", "<lineSize>",
                                   "<lineOrigin>", "<lineType>", "</arc>"});
    expectInOrder(first, "<radiusAray>", {"<nums>2</nums>", "1.5,2.25", "</radiusAray>"});
    {
        LineDrawing reopened;
        ASSERT_EQ(reopened.open(scratch.pathOf("curves.ycx")), 1);
        ASSERT_EQ(reopened.context.elementCount(), 3);
        ElementEditorBase& editor = *reopened.context.editor3;
        ASSERT_EQ(editor.beginEdit(1), 1);
        Element* circle = editor.elementInHand();
        EXPECT_EQ(circle->kind, kCircle);
        EXPECT_EQ(circle->radii()->count, 1);
        EXPECT_NEAR(circle->radii()->first(), 25.0, 1e-9);
        EXPECT_EQ(circle->value1()->value, 90.0);
        EXPECT_EQ(circle->value2()->value, 270.0);
        EXPECT_EQ(circle->thirdPoint()->x, 100.0);
        ASSERT_EQ(editor.beginEdit(2), 1);
        Element* arc = editor.elementInHand();
        EXPECT_EQ(arc->kind, kArc);
        for (auto [p, x, y] : {std::tuple{arc->firstPoint(), 0.0, 0.0}, std::tuple{arc->secondPoint(), 15.0, 0.0},
                               std::tuple{arc->thirdPoint(), 7.5, -7.5}}) {
            EXPECT_NEAR(p->x, x, 1e-9);
            EXPECT_NEAR(p->y, y, 1e-9);
        }
        double d[2] = {};
        EXPECT_EQ(arc->getDiameter(d, nullptr), 1);
        EXPECT_NEAR(d[0], 15.0, 1e-9);
        ASSERT_EQ(editor.beginEdit(3), 1);
        EXPECT_EQ(editor.elementInHand()->radii()->count, 2);
        EXPECT_NEAR(editor.elementInHand()->radii()->value(0), 15.0, 1e-9);
        EXPECT_NEAR(editor.elementInHand()->radii()->value(1), 22.5, 1e-9);
        EXPECT_EQ(reopened.save(scratch.pathOf("again.ycx")), first);
    }

    // The first circle's values rewritten: a file value given in drawing units, or missing; bad
    // counts and short value lists are data errors that keep 1 or 2 values and lose nothing else.
    struct Case {
        const char* name;
        const char* from;
        const char* to;
        int errors;
        int count;
        double first, start, end;
    };
    const Case cases[] = {
        {"\"radNum\" is in drawing units", "<radius>2.5</radius>", "<radNum>2.5</radNum>", 0, 1, 2.5, 90, 270},
        {"no radius tag", "<radius>2.5</radius>", "", 0, 1, 5.0, 90, 270},
        {"no angles: a full circle", "<sttAngle>90</sttAngle>", "", 0, 1, 25.0, 0, 270},
        {"\"nums\" 0", "<radius>2.5</radius>", "<radiusAray>\n<nums>0</nums>\n<aray>\n3\n</aray>\n</radiusAray>", 1,
         1, 5.0, 90, 270},
        {"\"nums\" -1", "<radius>2.5</radius>", "<radiusAray>\n<nums>-1</nums>\n<aray>\n3\n</aray>\n</radiusAray>", 1,
         1, 5.0, 90, 270},
        {"\"nums\" 3", "<radius>2.5</radius>",
         "<radiusAray>\n<nums>3</nums>\n<aray>\n1,2,3\n</aray>\n</radiusAray>", 1, 2, 5.0, 90, 270},
        {"fewer values than \"nums\"", "<radius>2.5</radius>",
         "<radiusAray>\n<nums>2</nums>\n<aray>\n1.5\n</aray>\n</radiusAray>", 1, 1, 15.0, 90, 270},
        // The number reader bounds the exponent; whatever it makes of it, nothing hangs.
        {"a corrupt angle", "<sttAngle>90</sttAngle>", "<sttAngle>1e300</sttAngle>", 0, 1, 25.0, -1, 270},
    };
    for (const Case& c : cases) {
        std::string text = first;
        replace(text, c.from, c.to);
        if (std::string(c.name) == "no angles: a full circle")
            replace(text, "<endAngle>270</endAngle>", "");
        app->errorCount = 0; // a shown data error sets it, and members are not made while it is set
        theFileErrorReporter.reset();
        MessageBoxScript boxes;
        LineDrawing drawing;
        ASSERT_EQ(drawing.open(scratch.file("changed.ycx", text)), 1) << c.name;
        EXPECT_EQ(drawing.context.elementCount(), 3) << c.name << ": the rest of the file is read";
        ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1) << c.name;
        Element* circle = drawing.context.editor3->elementInHand();
        EXPECT_EQ(circle->radii()->count, c.count) << c.name;
        EXPECT_NEAR(circle->radii()->first(), c.first, 1e-9) << c.name;
        if (c.start >= 0) {
            EXPECT_EQ(circle->value1()->value, c.start) << c.name;
        }
        EXPECT_EQ(circle->value2()->value, std::string(c.name) == "no angles: a full circle" ? 360.0 : c.end)
            << c.name;
        EXPECT_EQ(drawing.context.document->dataErrorCount, c.errors) << c.name;
        circle->computeExtent(1); // a corrupt angle draws nothing and does not hang
    }

    // An arc whose middle point lies on its end point is read as it is and answers no radius; an
    // angle that is not a number fails the read without hanging.
    std::string text = first;
    const size_t endAt = text.find("<endPoint>", text.find("<arc>"));
    const size_t endStop = text.find("</endPoint>", endAt);
    ASSERT_NE(endStop, std::string::npos);
    const std::string endValue = text.substr(endAt + 10, endStop - endAt - 10);
    const size_t midAt = text.find("<midPoint>");
    replace(text, text.substr(midAt, text.find("</midPoint>", midAt) - midAt), "<midPoint>" + endValue);
    {
        app->errorCount = 0;
        MessageBoxScript boxes;
        LineDrawing drawing;
        ASSERT_EQ(drawing.open(scratch.file("flat.ycx", text)), 1);
        ASSERT_EQ(drawing.context.editor3->beginEdit(2), 1);
        double d[2] = {-1, -1};
        EXPECT_EQ(drawing.context.editor3->elementInHand()->getDiameter(d, nullptr), 0);
        EXPECT_EQ(d[0], -1.0);
    }
    text = first;
    replace(text, "<sttAngle>90</sttAngle>", "<sttAngle>ninety</sttAngle>");
    app->errorCount = 0;
    theFileErrorReporter.reset();
    MessageBoxScript boxes;
    LineDrawing drawing;
    (void)drawing.open(scratch.file("word.ycx", text)); // refused or not, the read comes back
}

TEST(ArcCircleRecord, EveryCutOfEitherRecordFailsWithinIt)
{
    TestApplication app;
    LineDrawing drawing;
    const double radii[] = {4.5, 6.25};
    ASSERT_EQ(addArc(drawing, {1.5, 2.5}, {30.25, -4}, {12, 9}), 1);
    ASSERT_EQ(addCircle(drawing, {-3, 7.75}, 2, radii, 180, 270), 2);
    for (int id : {1, 2}) {
        ASSERT_EQ(drawing.context.editor3->beginEdit(id), 1);
        Element* e = drawing.context.editor3->elementInHand();
        e->linePosition()->position = 3;
        e->lineWidth()->width = 0.35;
        expectEveryCutFails(drawing, *e, [id](Element& copy) {
            EXPECT_EQ(copy.linePosition()->position, 3);
            EXPECT_EQ(copy.lineWidth()->width, 0.35);
            if (id == 1) {
                EXPECT_EQ(copy.thirdPoint()->x, 12.0);
                EXPECT_EQ(copy.secondPoint()->y, -4.0);
            } else {
                EXPECT_EQ(copy.thirdPoint()->y, 7.75);
                EXPECT_EQ(copy.radii()->count, 2);
                EXPECT_EQ(copy.radii()->value(1), 6.25);
                EXPECT_EQ(copy.value1()->value, 180.0);
                EXPECT_EQ(copy.value2()->value, 270.0);
            }
        });
    }
}

TEST(ArcCircleDefaults, TheWholeInkColourAndTheDxfArc)
{
    TestApplication app;
    LineDrawing drawing;
    // Defaults with a CMYK colour of spot ink 3 with overprint.
    LineDefaults defaults;
    defaults.layer.layer = 7;
    defaults.edgeColor.model = 3;
    defaults.edgeColor.setInkValues(10, 20, 30, 40);
    defaults.edgeColor.inkNumber = 3;
    defaults.edgeColor.overprint = 1;
    defaults.edgeColor.setPlateOverprint(6, 1);
    defaults.lineSize.width = 0.7;
    ScopedOverride<LineDefaults*> installed(drawing.context.lineDefaults, &defaults);

    // The arc takes the colour whole; the circle takes it as its edge's and keeps its radius.
    std::unique_ptr<Element> arc(drawing.registry->createElement(kArc));
    std::unique_ptr<Element> circle(drawing.registry->createElement(kCircle));
    for (Element* e : {arc.get(), circle.get()}) {
        e->context = &drawing.context;
        e->kind = e == arc.get() ? kArc : kCircle;
        e->takeDefaultAttributes();
        const InkColor& taken = e == arc.get() ? *e->colour() : e->edge()->colour;
        EXPECT_EQ(taken.inks[3], 40) << e->kind;
        EXPECT_EQ(taken.inkNumber, 3) << e->kind;
        EXPECT_EQ(taken.overprint, 1) << e->kind;
        EXPECT_EQ(taken.plateOverprint(6), 1) << e->kind;
        EXPECT_EQ(e->layer, 7) << e->kind;
        EXPECT_EQ(e->lineWidth()->width, 0.7) << e->kind;
    }
    EXPECT_EQ(circle->radii()->first(), 5.0);
    EXPECT_EQ(circle->value2()->value, 360.0);


    // DXF: one arc entity through start, middle and end; a failed step ends the entity with -1.
    *static_cast<Point*>(arc->firstPoint()) = Point(10, 0);
    *static_cast<Point*>(arc->secondPoint()) = Point(-10, 0);
    *static_cast<Point*>(arc->thirdPoint()) = Point(0, -10);
    RecordingDxf dxf;
    EXPECT_EQ(arc->writeDxf(&dxf), 1);
    EXPECT_EQ(dxf.calls, (std::vector<std::string>{"B189", "I7", "A10,0/0,-10/-10,0", "E"}));
    for (int failAt = 1; failAt <= 4; ++failAt) {
        RecordingDxf failing;
        failing.failAt = failAt;
        EXPECT_EQ(arc->writeDxf(&failing), -1) << failAt;
        EXPECT_EQ(static_cast<int>(failing.calls.size()), failAt);
    }
}

} // namespace
