// A line shape written to PostScript and PDF: the paths of each line type in paper millimetres,
// the shape offset once, plates, and the PDF route before the operation filter.
#include <gtest/gtest.h>
#include <string>

#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineStyle.h"
#include "shapes/LineShape.h"
#include "tests/shapes/ShapeTestDrawing.h"

using shape_test::ShapeDrawing;

namespace {

// The line (0, 0) - (100, 0) in drawing units, 0.5 mm wide, black.
void setUpLine(LineShape& line, ShapeDrawing& d, int style, int position)
{
    line.context = &d.context;
    line.setPoints(DrawPoint(0.0, 0.0), DrawPoint(100.0, 0.0));
    line.setWidth(0.5);
    line.setPosition(position);
    LineStyle type;
    type.setStyleWithPresets(style);
    line.setLineStyle(type);
    line.setCapStyle(LineCapAttribute::kRound);
}

// The PDF form of PostScript text: the same numbers under the PDF operators, without "_np" and
// the colour and cap lines.
std::string pdfOf(std::string text)
{
    const struct {
        const char* ps;
        const char* pdf;
    } names[] = {{"_ds ", "d "}, {"_lw ", "w "}, {"_m ", "m "}, {"_l ", "l "}, {"_cp", "h"}, {"_sp", "S"}};
    const std::string dropped = "_np | ";
    for (size_t at; (at = text.find(dropped)) != std::string::npos;)
        text.erase(at, dropped.size());
    for (const auto& n : names) {
        for (size_t at = 0; (at = text.find(n.ps, at)) != std::string::npos; at += std::string(n.pdf).size())
            text.replace(at, std::string(n.ps).size(), n.pdf);
    }
    return text;
}

} // namespace

TEST(LineShapeOutput, EachLineTypeIsWrittenInPaperMillimetres)
{
    // At 1:2 the line runs from 0 to 50 mm; widths, pitches and the 0.1 of the parallel lines are
    // paper millimetres as stored, and the band is 1 drawing unit (0.5 mm) wide. The normal of
    // (1, 0) is (0, -1): TOP lies on +y, BOTTOM on -y.
    ShapeDrawing d;
    d.setScale(1, 2);
    struct Case {
        int style;
        int position;
        const char* paths; // after "_rgb 0 0 0 | _lc 1 | "
    };
    const Case cases[] = {
        {LineStyle::kSolid, LineOriginAttribute::kCenter, "_ds 1 50 2 1 1 | _lw 0.5 | _np | _m 0 0 | _l 50 0 | _sp"},
        {LineStyle::kSolid, LineOriginAttribute::kTop, "_ds 1 50 2 1 1 | _lw 0.5 | _np | _m 0 0.25 | _l 50 0.25 | _sp"},
        {LineStyle::kSolid, LineOriginAttribute::kBottom,
         "_ds 1 50 2 1 1 | _lw 0.5 | _np | _m 0 -0.25 | _l 50 -0.25 | _sp"},
        {LineStyle::kDash, LineOriginAttribute::kCenter, "_ds 2 50 1.5 1.5 1 | _lw 0.5 | _np | _m 0 0 | _l 50 0 | _sp"},
        {LineStyle::kDashDot1, LineOriginAttribute::kCenter, "_ds 3 50 3 1 1 | _lw 0.5 | _np | _m 0 0 | _l 50 0 | _sp"},
        {LineStyle::kDashDot2, LineOriginAttribute::kTop, "_ds 4 50 3 1 1 | _lw 0.5 | _np | _m 0 0.25 | _l 50 0.25 | _sp"},
        {LineStyle::kDashDot3, LineOriginAttribute::kCenter, "_ds 5 50 3 1 1 | _lw 0.5 | _np | _m 0 0 | _l 50 0 | _sp"},
        {LineStyle::kLine2, LineOriginAttribute::kCenter,
         "_ds 1 50 2 1 1 | _lw 0.1 | _np | _m 0 -0.25 | _l 50 -0.25 | _sp | "
         "_ds 1 50 2 1 1 | _lw 0.1 | _np | _m 0 0.25 | _l 50 0.25 | _sp"},
        {LineStyle::kLine2, LineOriginAttribute::kTop,
         "_ds 1 50 2 1 1 | _lw 0.1 | _np | _m 0 0 | _l 50 0 | _sp | "
         "_ds 1 50 2 1 1 | _lw 0.1 | _np | _m 0 0.5 | _l 50 0.5 | _sp"},
        {LineStyle::kLine3, LineOriginAttribute::kBottom,
         "_ds 1 50 2 1 1 | _lw 0.1 | _np | _m 0 -0.5 | _l 50 -0.5 | _sp | "
         "_ds 1 50 2 1 1 | _lw 0.1 | _np | _m 0 0 | _l 50 0 | _sp | "
         "_ds 1 50 2 1 1 | _lw 0.1 | _np | _m 0 -0.25 | _l 50 -0.25 | _sp"},
        {LineStyle::kEdge, LineOriginAttribute::kCenter,
         "_ds 1 50 2 1 1 | _lw 0.1 | _np | _m 0 -0.25 | _l 50 -0.25 | _l 50 0.25 | _l 0 0.25 | _cp | _sp"},
        {0, LineOriginAttribute::kCenter, ""},
        {9, LineOriginAttribute::kCenter, ""},
    };
    for (const Case& c : cases) {
        LineShape line;
        setUpLine(line, d, c.style, c.position);
        if (c.style == 0 || c.style == 9) {
            LineStyle unknown;
            unknown.style = c.style;
            line.setLineStyle(unknown);
        }
        d.ps.log.clear();
        d.pdf.log.clear();
        EXPECT_EQ(line.execute(ShapeOp::PostScript, 2), 1) << c.style;
        const std::string head = *c.paths ? "_rgb 0 0 0 | _lc 1 | " : "_rgb 0 0 0 | _lc 1";
        EXPECT_EQ(d.ps.log.text(), head + c.paths) << "style " << c.style << " position " << c.position;
        EXPECT_EQ(line.execute(ShapeOp::Pdf, 2), 1) << c.style;
        const std::string pdfHead = *c.paths ? "RG 0 0 0 1 | " : "RG 0 0 0 1";
        EXPECT_EQ(d.pdf.log.text(), pdfHead + pdfOf(c.paths)) << "style " << c.style << " position " << c.position;
    }
}

TEST(LineShapeOutput, OffsetRotationAndTintMoveTheLineOnce)
{
    ShapeDrawing d;
    d.setScale(1, 2);
    struct Case {
        const char* name;
        double offsetX, offsetY, angle, gray;
        const char* path; // the move and line written
        const char* colour;
    };
    // The offset (10, 20) in drawing units is (5, 10) mm on paper; turning by 90 degrees about
    // (0, 0) takes (100, 0) to (0, -100).
    const Case cases[] = {
        {"plain", 0, 0, 0, 1.0, "_m 0 0 | _l 50 0", "RG 0 0 0 1"},
        {"offset", 10, 20, 0, 1.0, "_m 5 10 | _l 55 10", "RG 0 0 0 1"},
        {"turned", 0, 0, 90, 1.0, "_m 0 0 | _l 0 -50", "RG 0 0 0 1"},
        {"turned, then offset", 10, 20, 90, 1.0, "_m 5 10 | _l 5 -40", "RG 0 0 0 1"},
        {"tinted", 0, 0, 0, 0.5, "_m 0 0 | _l 50 0", "RG 0 0 0 0.5"},
    };
    for (const Case& c : cases) {
        LineShape line;
        setUpLine(line, d, LineStyle::kSolid, LineOriginAttribute::kCenter);
        line.setOffset(c.offsetX, c.offsetY, 0.0);
        line.setRotation(c.angle, 0.0, 0.0, 0.0);
        line.setGrayValue(c.gray);
        for (int pass = 0; pass < 2; ++pass) { // a shape may run twice: nothing accumulates
            d.ps.log.clear();
            d.pdf.log.clear();
            ASSERT_EQ(line.execute(ShapeOp::PostScript, 2), 1);
            ASSERT_EQ(line.execute(ShapeOp::Pdf, 2), 1);
            EXPECT_NE(d.ps.log.text().find(c.path), std::string::npos) << c.name << ": " << d.ps.log.text();
            EXPECT_NE(d.pdf.log.text().find(pdfOf(c.path)), std::string::npos) << c.name << ": " << d.pdf.log.text();
            EXPECT_EQ(d.pdf.log.entries.at(0), c.colour) << c.name;
            EXPECT_EQ(d.ps.log.count("_ds"), 1) << c.name;
            EXPECT_NE(d.ps.log.text().find("_ds 1 50 "), std::string::npos) << c.name << ": the path's length";
            EXPECT_NE(d.ps.log.text().find("_lw 0.5"), std::string::npos) << c.name << ": the width as stored";
        }
        EXPECT_EQ(line.start.x, 0.0) << c.name << ": the shape's points stay";
        EXPECT_EQ(line.end.x, 100.0) << c.name;
        EXPECT_EQ(line.end.y, 0.0) << c.name;
    }
}

TEST(LineShapeOutput, PlatesWritersAndTheOperationFilter)
{
    struct Case {
        const char* name;
        int op;
        bool postScript;   // a PostScript job runs
        int plateMode;     // and separates plates
        int inkOnPlate;
        int pdfRunning;    // a PDF export runs
        bool surface;      // the redraw manager has surfaces
        int result;
        int psWrites;
        int pdfWrites;
    };
    const Case cases[] = {
        {"PostScript", 72, true, 0, 1, 1, true, 1, 8, 0},
        {"no PostScript job", 72, false, 0, 1, 1, true, 0, 0, 0},
        {"ink on the plate", 72, true, 1, 1, 1, true, 1, 8, 0},
        {"ink not on the plate", 72, true, 1, 0, 1, true, 1, 0, 0},
        {"PDF before the filter", 75, false, 0, 1, 1, false, 1, 0, 6},
        {"PDF not running", 75, true, 0, 1, 0, true, 1, 0, 0},
        {"refused 3", 3, true, 0, 1, 1, true, 0, 0, 0},
        {"refused 74", 74, true, 0, 1, 1, true, 0, 0, 0},
        {"no surface", 72, true, 0, 1, 1, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        d.postScriptRunning(c.postScript);
        d.ps.plateMode = c.plateMode;
        d.ps.inkOnPlate = c.inkOnPlate;
        d.pdf.running = c.pdfRunning;
        d.updater->withoutSurface = !c.surface;
        LineShape line;
        setUpLine(line, d, LineStyle::kDash, LineOriginAttribute::kCenter);
        EXPECT_EQ(line.execute(c.op, 2), c.result) << c.name;
        EXPECT_EQ(static_cast<int>(d.ps.log.entries.size()), c.psWrites) << c.name << ": " << d.ps.log.text();
        EXPECT_EQ(static_cast<int>(d.pdf.log.entries.size()), c.pdfWrites) << c.name << ": " << d.pdf.log.text();
    }
}

TEST(LineShapeOutput, AShortDashIsStillWrittenWithItsPattern)
{
    ShapeDrawing d;
    LineShape line;
    setUpLine(line, d, LineStyle::kDash, LineOriginAttribute::kCenter);
    LineStyle shortDash;
    shortDash.setStyleWithPresets(LineStyle::kDash);
    shortDash.dash = 0.05;
    line.setLineStyle(shortDash);
    ASSERT_EQ(line.execute(ShapeOp::PostScript, 2), 1);
    EXPECT_EQ(d.ps.log.text(), "_rgb 0 0 0 | _lc 1 | _ds 2 100 0.05 1.5 1 | _lw 0.5 | _np | _m 0 0 | _l 100 0 | _sp");
}
