// The picture element: its file section and record, the image kinds and their keywords, placing
// at the image's size, the mask following a resize, and the mask shape dialog.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "document/FileNameValue.h"
#include "document/SheetSettings.h"
#include "elements/MaskTypeDialog.h"
#include "elements/PictureElement.h"
#include "platform/CommonFileDialog.h"
#include "resources/ids.h"
#include "shapes/ImageMask.h"
#include "shapes/ImageTypeValue.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakePictureReader.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

constexpr int kPicture = 19;

// A picture of a kind and path from (10, 10) to (30, 20) with a mask outline of `maskPoints`
// points, stored with an undo record in editor 3's hand; its id.
int addPicture(LineDrawing& drawing, int kind, const char* path, int maskPoints)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!editor->startNewElement(kPicture))
        return 0;
    Element* picture = editor->elementInHand();
    *static_cast<Point*>(picture->firstPoint()) = Point(10, 10);
    *static_cast<Point*>(picture->secondPoint()) = Point(30, 20);
    picture->imageKind()->value = kind;
    picture->fileName()->setText(path);
    picture->takePlacementDefaults(); // the editor's element in hand is reused: its mask starts empty
    for (int i = 0; i < maskPoints; ++i)
        if (!picture->imageMask()->outline.appendXY(2.0 + i, 1.0 + (i % 3)))
            return 0;
    return editor->commitNewElement() == 1 ? picture->id : 0;
}

Element* inHand(LineDrawing& drawing, int id)
{
    return drawing.context.editor3->beginEdit(id) == 1 ? drawing.context.editor3->elementInHand() : nullptr;
}

std::string replaced(std::string text, const std::string& what, const std::string& with)
{
    const size_t at = text.find(what);
    if (at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

int occurrences(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(PictureFile, KindsPathsAndMasksSavedAgainTheSame)
{
    TestApplication app;
    ScratchFolder scratch;
    std::string first;
    {
        LineDrawing drawing;
        ASSERT_EQ(addPicture(drawing, ImageTypeValue::kJpeg, "C:\\pictures\\a.jpg", 7), 1);
        ASSERT_EQ(addPicture(drawing, ImageTypeValue::kBmp, "C:\\pictures\\b.bmp", 3), 2);
        first = drawing.save(scratch.pathOf("pictures.ycx"));
    }
    ASSERT_FALSE(first.empty());
    size_t at = first.find("<picture>");
    for (const char* part : {"<startPoint>", "<endPoint>", "<imageType>\"JPEG\"</imageType>",
                             "<fileName>\"C:\\pictures\\a.jpg\"</fileName>", "<mask>", "<listXY>", "</mask>",
                             "</picture>", "<imageType>\"BMAP\"</imageType>", "</picture>"}) {
        const size_t next = first.find(part, at);
        ASSERT_NE(next, std::string::npos) << part << "\n" << first;
        at = next;
    }
    EXPECT_EQ(occurrences(first, "<mask>"), 1) << "a mask of three points is not written";
    {
        LineDrawing reopened;
        ASSERT_EQ(reopened.open(scratch.pathOf("pictures.ycx")), 1);
        ASSERT_EQ(reopened.context.elementCount(), 2);
        EXPECT_EQ(reopened.save(scratch.pathOf("again.ycx")), first);
        Element* masked = inHand(reopened, 1);
        ASSERT_NE(masked, nullptr);
        EXPECT_EQ(masked->imageMask()->outline.count, 7);
        Element* plain = inHand(reopened, 2);
        ASSERT_NE(plain, nullptr);
        EXPECT_EQ(plain->imageMask()->outline.count, 0) << "the first picture's mask does not carry over";
    }

    const struct {
        const char* keyword;
        int kind;
    } kinds[] = {{"EPS", 2}, {"GIF", 3}, {"TIFF", 5}, {"AUTO", 0}, {"PNG", 0}, {"jpeg", 0}};
    for (const auto& k : kinds) {
        LineDrawing drawing;
        ASSERT_EQ(drawing.open(scratch.file("kind.ycx", replaced(first, "\"JPEG\"", std::string("\"") + k.keyword + "\""))),
                  1)
            << k.keyword;
        Element* picture = inHand(drawing, 1);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->imageKind()->value, k.kind) << k.keyword;
    }
}

// At 1:100 and 1:1000, a masked picture taken in hand (as the scale tool and the batch change take
// it) and squeezed under a tenth of a millimetre of paper by each path, stored, saved, opened in a
// new drawing and widened back: its mask is back as the file kept it. Squeezed at once, the
// outline kept its values; squeezed by 0.001 twice, it followed the first step to 0.08 and
// 0.068807, which the file keeps as 0.08 and 0.0688.
TEST(PictureFile, AMaskSavedThroughAFrameTooThinAtAReducedScaleComesBack)
{
    TestApplication app;
    ScratchFolder scratch;
    // Millimetres of paper: the frame, and the outline from its start corner.
    const Point start(50, 40), end(162.9, 124.7);
    const std::vector<Point> mask = {{80, 10}, {80, 30}, {68.807, 50}, {55, 70}, {30, 70}, {20, 40}, {80, 10}};
    // Each resize takes the frame under 0.1 mm (narrow) or back to 112.9 x 84.7 mm; d: 1:d.
    using Resize = void (*)(Element&, double d, bool narrow);
    const struct {
        const char* name;
        Resize resize;
        double x2; // the third point's x once back
    } paths[] = {
        {"要素の拡大、縮小 by 0.001 twice, then by 1000 twice", [](Element& e, double, bool narrow) {
             for (int step = 0; step < 2; ++step) {
                 const Point a = *e.firstPoint(), b = *e.secondPoint();
                 e.scale(narrow ? 0.001 : 1000, Point((a.x + b.x) / 2, (a.y + b.y) / 2), 0);
             }
         }, 68.8},
        {"the batch change of the end's x and y", [](Element& e, double d, bool narrow) {
             e.setEndX(Point(e.firstPoint()->x + (narrow ? 0.05 : 112.9) * d, 0));
             e.setEndY(Point(0, e.firstPoint()->y + (narrow ? 0.05 : 84.7) * d));
         }, 68.807},
        {"座標: the end corner", [](Element& e, double d, bool narrow) {
             e.setPoint(2, e.firstPoint()->x + (narrow ? 0.05 : 112.9) * d, e.firstPoint()->y + (narrow ? 0.05 : 84.7) * d, 0);
         }, 68.807},
        {"the start corner", [](Element& e, double d, bool narrow) {
             e.setPoint(1, e.secondPoint()->x - (narrow ? 0.03 : 112.9) * d, e.secondPoint()->y - (narrow ? 0.03 : 84.7) * d, 0);
         }, 68.807},
    };
    for (const double d : {100.0, 1000.0}) {
        for (const auto& path : paths) {
            SCOPED_TRACE(std::string(path.name) + " at 1:" + std::to_string(static_cast<int>(d)));
            const std::string file = scratch.pathOf("thin.ycx");
            {
                LineDrawing drawing;
                static_cast<SheetSettings*>(drawing.context.paper)->setScaleDenominator(static_cast<int>(d));
                ElementEditorBase& editor = *drawing.context.editor3;
                ASSERT_EQ(editor.startNewElement(kPicture), 1);
                Element* picture = editor.elementInHand();
                picture->takePlacementDefaults();
                *static_cast<Point*>(picture->firstPoint()) = Point(start.x * d, start.y * d);
                *static_cast<Point*>(picture->secondPoint()) = Point(end.x * d, end.y * d);
                picture->imageKind()->value = ImageTypeValue::kBmp;
                picture->fileName()->setText("C:\\p\\a.bmp");
                for (const Point& p : mask)
                    ASSERT_EQ(picture->imageMask()->outline.appendXY(p.x * d, p.y * d), 1);
                ASSERT_EQ(editor.commitNewElement(), 1);
                picture = inHand(drawing, 1);
                ASSERT_NE(picture, nullptr);
                path.resize(*picture, d, true);
                ASSERT_LT(std::fabs(picture->secondPoint()->x - picture->firstPoint()->x) / d, 0.1);
                ASSERT_EQ(editor.storeBack(1), 1);
                ASSERT_FALSE(drawing.save(file).empty());
            }
            LineDrawing reopened;
            ASSERT_EQ(reopened.open(file), 1);
            Element* picture = inHand(reopened, 1);
            ASSERT_NE(picture, nullptr);
            path.resize(*picture, d, false);
            const PointList& outline = picture->imageMask()->outline;
            ASSERT_EQ(outline.count, static_cast<int>(mask.size()));
            for (int i = 0; i < outline.count; ++i) {
                Point p;
                ASSERT_EQ(outline.getPoint(i, &p), 1);
                const Point expected(i == 2 ? path.x2 : mask[i].x, mask[i].y);
                EXPECT_NEAR(p.x / d, expected.x, 1e-9) << "#" << i;
                EXPECT_NEAR(p.y / d, expected.y, 1e-9) << "#" << i;
            }
        }
    }
}

// Frames brought to the narrowest extent a mask is scaled through (a tenth of a millimetre of
// paper) and to a unit of the file's last decimal either side of it, from a thousand starts at each
// scale, by 座標, 要素の拡大、縮小 and the batch change: each axis is judged alike while the program
// runs and after a save and an open (the outline scaled into the frame, or kept), at exactly a
// tenth it is scaled; widened again after the open, the mask is the one saved at the wide frame as
// far as the file kept it (at the thin frame, to its last decimal).
TEST(PictureFile, AFrameAtTheNarrowestScaledExtentIsJudgedAlikeBeforeASaveAndAfterAnOpen)
{
    TestApplication app;
    ScratchFolder scratch;
    const struct {
        int numerator, denominator;
    } scales[] = {{1, 1}, {1, 2}, {2, 1}, {3, 1}, {5, 1}, {7, 1}, {1, 100}, {1, 1000}};
    // Millimetres of paper: the wide frame's side, and the outline from its start corner.
    constexpr double kWide = 60.0;
    const std::vector<Point> mask = {{50, 5}, {55.5, 20.25}, {30, 57}, {7.125, 41}, {50, 5}};
    const double deltas[] = {-1e-5, 0.0, 1e-5}; // the thin frame's side less 0.1 mm
    // Each path brings the frame's sides from its start corner to `side` (drawing units).
    using Resize = void (*)(Element&, double side);
    const struct {
        const char* name;
        Resize resize;
    } paths[] = {
        {"座標", [](Element& e, double side) {
             const Point start = *e.firstPoint();
             e.setPoint(2, start.x + side, start.y + side, 0);
         }},
        {"要素の拡大、縮小", [](Element& e, double side) {
             const Point start = *e.firstPoint();
             e.scale(side / (e.secondPoint()->x - start.x), start, 0);
         }},
        {"the batch change", [](Element& e, double side) {
             e.setEndX(Point(e.firstPoint()->x + side, 0));
             e.setEndY(Point(0, e.firstPoint()->y + side));
         }},
    };
    // The outline as a list of its points.
    auto outlineOf = [](Element& e) {
        std::vector<Point> points(static_cast<size_t>(e.imageMask()->outline.count));
        for (size_t i = 0; i < points.size(); ++i)
            (void)e.imageMask()->outline.getPoint(static_cast<int>(i), &points[i]);
        return points;
    };
    // Whether the outline's x (axis 0) or y changed from `before`.
    auto changed = [](const std::vector<Point>& before, const std::vector<Point>& after, int axis) {
        for (size_t i = 0; i < before.size() && i < after.size(); ++i)
            if ((axis ? before[i].y != after[i].y : before[i].x != after[i].x))
                return true;
        return before.size() != after.size();
    };
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> thousandths(0, 100000);
    std::vector<Point> starts = {{40, 40}}; // the frame typed from 40 to 40.02 at 5:1
    while (starts.size() < 1000)
        starts.emplace_back(thousandths(random) / 1000.0, thousandths(random) / 1000.0);
    const std::string file = scratch.pathOf("bound.ycx");
    for (const auto& scale : scales) {
        const double perPaperMm = static_cast<double>(scale.denominator) / scale.numerator; // drawing units
        for (const auto& path : paths) {
            const std::string where = std::string(path.name) + " at " + std::to_string(scale.numerator) + ":" +
                                      std::to_string(scale.denominator);
            SCOPED_TRACE(where);
            struct Row {
                Point start;
                double delta;
                bool scaled[2]; // x, y: the outline followed the thin frame while the program ran
            };
            std::vector<Row> rows;
            {
                LineDrawing drawing;
                auto* sheet = static_cast<SheetSettings*>(drawing.context.paper);
                sheet->setScaleNumerator(scale.numerator);
                sheet->setScaleDenominator(scale.denominator);
                ElementEditorBase& editor = *drawing.context.editor3;
                for (const Point& start : starts) {
                    for (const double delta : deltas) {
                        ASSERT_EQ(editor.startNewElement(kPicture), 1);
                        Element& picture = *editor.elementInHand();
                        picture.takePlacementDefaults();
                        *static_cast<Point*>(picture.firstPoint()) = start;
                        *static_cast<Point*>(picture.secondPoint()) =
                            Point(start.x + kWide * perPaperMm, start.y + kWide * perPaperMm);
                        picture.imageKind()->value = ImageTypeValue::kBmp;
                        picture.fileName()->setText("C:\\p\\a.bmp");
                        for (const Point& p : mask)
                            ASSERT_EQ(picture.imageMask()->outline.appendXY(p.x * perPaperMm, p.y * perPaperMm), 1);
                        const std::vector<Point> wide = outlineOf(picture);
                        path.resize(picture, (0.1 + delta) * perPaperMm);
                        const std::vector<Point> thin = outlineOf(picture);
                        rows.push_back({start, delta, {changed(wide, thin, 0), changed(wide, thin, 1)}});
                        ASSERT_EQ(editor.commitNewElement(), 1);
                    }
                }
                ASSERT_FALSE(drawing.save(file).empty());
            }
            LineDrawing reopened;
            ASSERT_EQ(reopened.open(file), 1);
            ASSERT_EQ(reopened.context.elementCount(), static_cast<int>(rows.size()));
            int wrong = 0;
            for (size_t i = 0; i < rows.size(); ++i) {
                const Row& row = rows[i];
                Element* picture = inHand(reopened, static_cast<int>(i) + 1);
                ASSERT_NE(picture, nullptr);
                const std::vector<Point> read = outlineOf(*picture);
                path.resize(*picture, kWide * perPaperMm);
                const std::vector<Point> back = outlineOf(*picture);
                std::string fault;
                for (int axis = 0; axis < 2; ++axis) {
                    const char* name = axis ? "y" : "x";
                    const bool reopenedScaled = changed(read, back, axis);
                    if (row.scaled[axis] != (row.delta >= 0.0))
                        fault += std::string(" ") + name + (row.scaled[axis] ? " scaled" : " kept") + " while running;";
                    if (reopenedScaled != row.scaled[axis])
                        fault += std::string(" ") + name + (reopenedScaled ? " scaled" : " kept") + " after the open;";
                    // Scaled, the file kept the thin outline to its last decimal, which the widening
                    // multiplies; kept, the outline is as the file wrote it at the wide frame.
                    const double tolerance = row.scaled[axis] ? 1e-5 * kWide / (0.1 + row.delta) + 1e-9 : 1e-9;
                    for (size_t k = 0; k < mask.size() && k < back.size(); ++k) {
                        const double got = (axis ? back[k].y : back[k].x) / perPaperMm;
                        const double expected = axis ? mask[k].y : mask[k].x;
                        if (!(std::fabs(got - expected) <= tolerance)) {
                            fault += std::string(" ") + name + " #" + std::to_string(k) + " is " + std::to_string(got) +
                                     " mm, not " + std::to_string(expected) + ";";
                            break;
                        }
                    }
                }
                if (!fault.empty() && ++wrong <= 3)
                    ADD_FAILURE() << "start " << row.start.x << ", " << row.start.y << ", side 0.1 mm "
                                  << (row.delta < 0 ? "- " : "+ ") << std::fabs(row.delta) << ":" << fault;
            }
            EXPECT_EQ(wrong, 0) << "frames judged otherwise, or masks not back, of " << rows.size();
        }
    }
}

TEST(PictureRecord, EveryCutFailsAndTheWholeRecordKeepsPathKindAndMask)
{
    TestApplication app;
    LineDrawing drawing;
    ASSERT_EQ(addPicture(drawing, ImageTypeValue::kGif, "C:\\p\\c.gif", 4), 1);
    Element* picture = inHand(drawing, 1);
    ASSERT_NE(picture, nullptr);
    expectEveryCutFails(drawing, *picture, [](Element& copy) {
        EXPECT_STREQ(copy.fileName()->text(), "C:\\p\\c.gif");
        EXPECT_EQ(copy.imageKind()->value, ImageTypeValue::kGif);
        EXPECT_EQ(copy.imageMask()->outline.count, 4);
        EXPECT_EQ(copy.secondPoint()->y, 20.0);
    });
}

TEST(PicturePlacement, AutoIsResolvedAndTheImageSizeFollowsThePaperScale)
{
    TestApplication app;
    FakePictureReaders readers;
    const struct {
        const char* name;
        const char* path;
        int kindBefore;
        int numerator, denominator;
        int kindAfter;
        double width, height; // 0: no size, placing answers -999
    } cases[] = {
        {"a.JPEG placed as AUTO at 1:2", "C:\\p\\a.JPEG", 0, 1, 2, 4, 100.0, 60.0},
        {"a TIFF at 1:1", "C:\\p\\x.tiff", 0, 1, 1, 5, 50.0, 30.0},
        {"a bitmap at 2:1", "C:\\p\\x.bmp", 1, 2, 1, 1, 25.0, 15.0},
        {"an unknown extension stays AUTO", "C:\\p\\x.png", 0, 1, 1, 0, 0.0, 0.0},
        {"a missing file", "C:\\p\\missing.gif", 3, 1, 1, 3, 0.0, 0.0},
    };
    for (const auto& c : cases) {
        LineDrawing drawing;
        auto* sheet = dynamic_cast<SheetSettings*>(drawing.context.paper);
        ASSERT_NE(sheet, nullptr);
        sheet->setScaleNumerator(c.numerator);
        sheet->setScaleDenominator(c.denominator);
        std::unique_ptr<Element> picture(drawing.registry->createElement(kPicture));
        picture->context = &drawing.context;
        picture->imageKind()->value = c.kindBefore;
        picture->fileName()->setText(c.path);
        auto& placed = static_cast<PictureElement&>(*picture);
        double width = 0.0, height = 0.0;
        EXPECT_EQ(placed.placementSize(width, height), c.width > 0.0 ? 1 : 0) << c.name;
        EXPECT_EQ(picture->imageKind()->value, c.kindAfter) << c.name;
        if (c.width > 0.0) {
            EXPECT_DOUBLE_EQ(width, c.width) << c.name;
            EXPECT_DOUBLE_EQ(height, c.height) << c.name;
        } else {
            EXPECT_EQ(picture->placeByMouse(0), Element::kCannotPlace) << c.name;
        }
    }
}

TEST(ImageTypeValue, ListsKeywordsAndExtensions)
{
    ImageTypeValue value;
    const char* rows[ImageTypeValue::kMaxListed + 1];
    ASSERT_EQ(value.rowTexts(rows), 4);
    EXPECT_EQ(std::vector<std::string>(rows, rows + 4), (std::vector<std::string>{"BMAP", "GIF", "JPEG", "TIFF"}));
    value.autoRow = 1;
    ASSERT_EQ(value.rowTexts(rows), 5);
    EXPECT_EQ(std::vector<std::string>(rows, rows + 5),
              (std::vector<std::string>{"自動判別", "BMAP", "GIF", "JPEG", "TIFF"}))
        << "the auto row first, never EPS";

    const struct {
        const char* path;
        int kind;
    } paths[] = {{"a.bmp", 1}, {"A.EPS", 2}, {"c:\\x.y\\b.Gif", 3}, {"a.jpg", 4}, {"a.JPEG", 4},
                 {"a.tif", 5},  {"a.tiff", 5}, {"a.png", 0},        {"c:\\x.jpg\\b", 0}, {"", 0}};
    for (const auto& p : paths)
        EXPECT_EQ(ImageTypeValue::kindOfPath(p.path), p.kind) << p.path;

    // The file chooser lists the kind's own filter, then every file.
    static const char jpeg[] = "JPEG(*.jpg)\0*.jpg\0すべて(*.*)\0*.*\0";
    static const char any[] = "ﾋﾟｸﾁｬｰ\0*.bmp;*.gif;*.jpg;*.tif;*.eps\0すべて(*.*)\0*.*\0";
    static const char all[] = "すべて(*.*)\0*.*\0";
    const struct {
        int kind;
        std::string filters; // with the list's closing NUL
    } choosers[] = {
        {4, std::string(jpeg, sizeof jpeg)},
        {0, std::string(any, sizeof any)},
        {9, std::string(all, sizeof all)},
    };
    for (const auto& c : choosers) {
        CommonFileDialog chooser;
        value.value = c.kind;
        ASSERT_EQ(value.addFileFilters(chooser), 1) << c.kind;
        int length = 0;
        const char* text = chooser.buildFilterString(&length);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::string(text, length), c.filters) << c.kind;
    }
}

TEST(PictureMask, FollowsAResizeOnTheSameImagePixels)
{
    TestApplication app;
    LineDrawing drawing;
    // A mask point at a quarter of the width and half the height of the image.
    const struct {
        const char* name;
        void (*resize)(Element&);
    } cases[] = {
        {"scaled by 2 about the centre", [](Element& e) { e.scale(2.0, Point(20, 15), 0); }},
        {"scaled by 0.5 about the start", [](Element& e) { e.scale(0.5, Point(10, 10), 0); }},
        {"the end corner moved", [](Element& e) { e.setPoint(2, 50, 12, 0); }},
        {"the start corner moved past the end", [](Element& e) { e.setPoint(1, 40, 30, 0); }},
    };
    for (const auto& c : cases) {
        std::unique_ptr<Element> picture(drawing.registry->createElement(kPicture));
        picture->context = &drawing.context;
        *static_cast<Point*>(picture->firstPoint()) = Point(10, 10);
        *static_cast<Point*>(picture->secondPoint()) = Point(30, 20);
        ASSERT_EQ(picture->imageMask()->outline.appendXY(5, 5), 1);
        c.resize(*picture);
        const Point& a = *picture->firstPoint();
        const Point& b = *picture->secondPoint();
        Point p;
        ASSERT_EQ(picture->imageMask()->outline.getPoint(0, &p), 1);
        EXPECT_DOUBLE_EQ(p.x / (b.x - a.x), 0.25) << c.name;
        EXPECT_DOUBLE_EQ(p.y / (b.y - a.y), 0.5) << c.name;
    }
}

// A frame brought to no width or height (or one too thin for the file to keep a mask scaled to
// it) and widened again, by each path that resizes a picture, at 1:1, 1:100 and 1:1000: the
// outline keeps its values along that axis, so the mask comes back whole, exactly; the other
// axis follows the frame as before. The element is taken as the scale tool and the batch change
// take it, its corners not bound to the drawing: the paper's tenth of a millimetre is measured
// through the drawing's scale all the same.
TEST(PictureMask, KeepsItsOutlineThroughAFrameTooThinToScale)
{
    TestApplication app;
    LineDrawing drawing;
    auto* sheet = static_cast<SheetSettings*>(drawing.context.paper);
    const std::vector<Point> outline = {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {30, 10}, {30, 20}, {30, 30}};
    using Resize = void (*)(Element&, double width, double height);
    const struct {
        const char* name;
        Resize resize; // the frame from (10, 10) made width x height (drawing units)
    } paths[] = {
        {"the end corner set (座標, a corner drag's undo)", [](Element& e, double w, double h) { e.setPoint(2, 10 + w, 10 + h, 0); }},
        {"the start corner set", [](Element& e, double w, double h) {
             const Point end = *e.secondPoint();
             e.setPoint(1, end.x - w, end.y - h, 0);
         }},
        {"the end's x and y changed by a batch change", [](Element& e, double w, double h) {
             e.setEndX(Point(10 + w, 0));
             e.setEndY(Point(0, 10 + h));
         }},
    };
    // Sizes in paper millimetres.
    const struct {
        double width, height;
        bool keepsX, keepsY; // the outline's x (y) left as it was
    } sizes[] = {
        {0, 60, true, false}, {80, 0, false, true}, {0, 0, true, true}, {5e-13, 60, true, false},
        {-20, 30, false, false},
        // Under a tenth of a millimetre on paper the drawing file could not keep an outline scaled
        // to the frame: it is too thin as well. Above, the outline follows.
        {1e-10, 60, true, false}, {3e-6, 60, true, false}, {0.09, 60, true, false}, {0.11, 60, false, false},
        {0.12, 0.05, false, true},
    };
    // The frame of 80 x 60 mm of paper, its outline in drawing units at each scale.
    for (const double d : {1.0, 100.0, 1000.0}) {
        sheet->setScaleDenominator(static_cast<int>(d));
        for (const auto& path : paths) {
            for (const auto& size : sizes) {
                SCOPED_TRACE(std::string(path.name) + ", 1:" + std::to_string(static_cast<int>(d)) + ", " +
                             std::to_string(size.width) + " x " + std::to_string(size.height) + " mm of paper");
                std::unique_ptr<Element> picture(drawing.registry->createElement(kPicture));
                picture->context = &drawing.context;
                *static_cast<Point*>(picture->firstPoint()) = Point(10, 10);
                *static_cast<Point*>(picture->secondPoint()) = Point(10 + 80 * d, 10 + 60 * d);
                for (const Point& p : outline)
                    ASSERT_EQ(picture->imageMask()->outline.appendXY(p.x * d, p.y * d), 1);
                path.resize(*picture, size.width * d, size.height * d);
                // The frame as its corners' coordinates hold it, to their rounding.
                const double width = picture->secondPoint()->x - picture->firstPoint()->x;
                const double height = picture->secondPoint()->y - picture->firstPoint()->y;
                for (size_t i = 0; i < outline.size(); ++i) {
                    Point p;
                    ASSERT_EQ(picture->imageMask()->outline.getPoint(static_cast<int>(i), &p), 1);
                    if (size.keepsX)
                        EXPECT_EQ(p.x, outline[i].x * d) << i;
                    else
                        EXPECT_NEAR(p.x, outline[i].x * width / 80, 1e-12 * std::fabs(p.x)) << i;
                    if (size.keepsY)
                        EXPECT_EQ(p.y, outline[i].y * d) << i;
                    else
                        EXPECT_NEAR(p.y, outline[i].y * height / 60, 1e-12 * std::fabs(p.y)) << i;
                }
                // Widened again: the mask is back exactly, kept or scaled there and back.
                path.resize(*picture, 80 * d, 60 * d);
                for (size_t i = 0; i < outline.size(); ++i) {
                    Point p;
                    ASSERT_EQ(picture->imageMask()->outline.getPoint(static_cast<int>(i), &p), 1);
                    EXPECT_EQ(p.x, outline[i].x * d) << i;
                    EXPECT_EQ(p.y, outline[i].y * d) << i;
                }
            }
        }
    }
    sheet->setScaleDenominator(1);
    // Scaled to nothing about a corner and back: the frame stays flat (there is nothing to scale
    // back), the outline as it was.
    std::unique_ptr<Element> picture(drawing.registry->createElement(kPicture));
    picture->context = &drawing.context;
    *static_cast<Point*>(picture->firstPoint()) = Point(10, 10);
    *static_cast<Point*>(picture->secondPoint()) = Point(90, 70);
    ASSERT_EQ(picture->imageMask()->outline.appendXY(20, 30), 1);
    picture->scale(0.0, Point(10, 10), 0);
    picture->scale(4.0, Point(10, 10), 0);
    Point p;
    ASSERT_EQ(picture->imageMask()->outline.getPoint(0, &p), 1);
    EXPECT_EQ(p.x, 20.0);
    EXPECT_EQ(p.y, 30.0);
}

// A frame small beside its coordinates (at 1:1000 a picture of 112.9 mm of paper is 112,900
// units wide, 50,000 units from the origin) scaled about its centre: the ratio of its widths
// carries the rounding of its corners, a few parts in 10^13. The outline still follows the factor
// itself, so a mask point at 80 mm of paper scaled by 0.001 is 0.08 and not 0.0799999999999,
// which the file, cutting to 5 decimals, would write as 0.07999 (79.99 mm once scaled back).
TEST(PictureMask, FollowsARoundFactorExactlyOnAFrameSmallBesideItsPlace)
{
    TestApplication app;
    LineDrawing drawing;
    auto* sheet = static_cast<SheetSettings*>(drawing.context.paper);
    sheet->setScaleDenominator(1000);
    const double outlineX[] = {80000, 68807, 55000, 30000, 20000};
    const struct {
        Point start, end; // drawing units
        double factor;
        double expected[5]; // the outline's x after the scale, as decimals
    } rows[] = {
        {{50000, 40000}, {162900, 124700}, 0.001, {80, 68.807, 55, 30, 20}},
        {{-162900, -124700}, {-50000, -40000}, 0.001, {80, 68.807, 55, 30, 20}},
        {{50000, 40000}, {162900, 124700}, 0.5, {40000, 34403.5, 27500, 15000, 10000}},
        // The 0.001 frame, widened back.
        {{106393.55, 82392.35}, {106506.45, 82477.05}, 1000, {8e7, 68807000, 5.5e7, 3e7, 2e7}},
        {{1e6, 1e6}, {1e6 + 350, 1e6 + 400}, 0.8, {64000, 55045.6, 44000, 24000, 16000}},
        // Not a short decimal: the outline follows the frame as measured.
        {{50000, 40000}, {162900, 124700}, 1.0 / 3,
         {80000.0 / 3, 68807.0 / 3, 55000.0 / 3, 30000.0 / 3, 20000.0 / 3}},
    };
    for (const auto& row : rows) {
        std::unique_ptr<Element> picture(drawing.registry->createElement(kPicture));
        picture->context = &drawing.context;
        *static_cast<Point*>(picture->firstPoint()) = row.start;
        *static_cast<Point*>(picture->secondPoint()) = row.end;
        for (const double x : outlineX)
            ASSERT_EQ(picture->imageMask()->outline.appendXY(x, 10), 1);
        picture->scale(row.factor, Point((row.start.x + row.end.x) / 2, (row.start.y + row.end.y) / 2), 0);
        for (int i = 0; i < 5; ++i) {
            Point p;
            ASSERT_EQ(picture->imageMask()->outline.getPoint(i, &p), 1);
            if (row.factor == 1.0 / 3)
                EXPECT_NEAR(p.x, row.expected[i], 1e-12 * row.expected[i]) << "#" << i;
            else
                EXPECT_EQ(p.x, row.expected[i]) << row.factor << " " << row.start.x << " #" << i;
        }
    }
    sheet->setScaleDenominator(1);
}

TEST(MaskTypeDialog, OpensOnTheCodeAndOkCopiesTheClickedShapeBack)
{
    TestApplication app;
    struct Case {
        int variant, codeBefore, click, end;
        int result, codeAfter;
        int checkedAtStart; // 0 for none
        int radios;         // radio buttons the dialog offers
    };
    const Case cases[] = {
        {1, 4, IDC_MASK_CURVE, IDOK, 1, 2, IDC_MASK_BOX, 6},
        {1, 8, IDC_MASK_TRIANGLE, IDOK, 1, 6, IDC_MASK_POLYGON, 6},
        {1, 3, IDC_MASK_RHOMBUS, IDCANCEL, 2, 3, IDC_MASK_OVAL, 6},
        {0, 4, IDC_MASK_OVAL, IDOK, 1, 3, IDC_MASK_BOX, 2},
        {0, 7, IDC_MASK_BOX, IDOK, 1, 4, 0, 2},
    };
    for (const Case& c : cases) {
        MaskType type;
        type.variant = c.variant;
        type.code = c.codeBefore;
        int checked = -1, radios = 0;
        const INT_PTR result = driveModalDialog([&] { return MaskTypeDialog(type).run(); }, [&](HWND window) {
            checked = 0;
            for (int id = IDC_MASK_BOX; id <= IDC_MASK_POLYGON; ++id) {
                if (!GetDlgItem(window, id))
                    continue;
                ++radios;
                if (IsDlgButtonChecked(window, id))
                    checked = id;
            }
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(c.click, BN_CLICKED), 0);
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(c.end, BN_CLICKED), 0);
        });
        EXPECT_EQ(result, c.result) << c.variant << " " << c.codeBefore;
        EXPECT_EQ(type.code, c.codeAfter) << c.variant << " " << c.codeBefore;
        EXPECT_EQ(checked, c.checkedAtStart) << c.variant << " " << c.codeBefore;
        EXPECT_EQ(radios, c.radios) << c.variant;
    }
    MaskType other;
    other.variant = 2;
    EXPECT_EQ(MaskTypeDialog(other).run(), 2) << "no dialog for another variant";
    EXPECT_EQ(other.code, 4);
}

TEST(PictureMask, TheFreehandAreaIsAClosedPathFromTheWaitedClick)
{
    TestApplication app;
    const struct {
        const char* name;
        int radio, end;
        std::vector<Point> stroke; // held from the first position, released at the last
        int result;
    } cases[] = {
        {"a freehand area", IDC_MASK_CURVE, IDOK, {{10, 10}, {10, 10}, {20, 12}, {30, 15}, {40, 20}, {25, 30}}, 1},
        {"a box", IDC_MASK_BOX, IDOK, {{10, 10}, {10, 10}, {25, 20}, {40, 30}}, 1},
        {"cancelled shape dialog", IDC_MASK_CURVE, IDCANCEL, {{10, 10}, {40, 30}}, 0},
    };
    for (const auto& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        ScriptedMouse mouse;
        DWORD at = 1000;
        for (const Point& p : c.stroke)
            mouse.at(at, static_cast<int>(p.x), static_cast<int>(p.y), ScriptedMouse::kLeft), at += 100;
        mouse.at(at, static_cast<int>(c.stroke.back().x), static_cast<int>(c.stroke.back().y), ScriptedMouse::kNone);
        mouse.advanceClockPerRead(&clock, 50);
        drawing.view->cancelAt = 60; // a loop that never ends is cancelled
        drawing.points->setOwner(&drawing.context); // the click is waited for in the drawing's view
        // The fixture's list answers its press as the previous point, as the list does with the
        // click it waited for.
        drawing.points->press = Point(10, 10);
        drawing.points->has = 1;
        std::unique_ptr<Element> picture(drawing.registry->createElement(kPicture));
        picture->context = &drawing.context;
        picture->kind = kPicture;
        *static_cast<Point*>(picture->firstPoint()) = Point(5, 5);
        *static_cast<Point*>(picture->secondPoint()) = Point(60, 50);
        const INT_PTR result = driveModalDialog([&] { return picture->runSheetAction1(); }, [&](HWND window) {
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(c.radio, BN_CLICKED), 0);
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(c.end, BN_CLICKED), 0);
        });
        EXPECT_EQ(result, c.result) << c.name;
        const PointList& outline = picture->imageMask()->outline;
        if (!c.result) {
            EXPECT_EQ(outline.count, 0) << c.name;
            continue;
        }
        ASSERT_GE(outline.count, 4) << c.name;
        EXPECT_EQ((outline.count - 1) % 3, 0) << c.name << ": whole segments";
        Point first, last;
        ASSERT_EQ(outline.getPoint(0, &first), 1);
        ASSERT_EQ(outline.getLastPoint(&last), 1);
        EXPECT_EQ(first.x, 5.0) << c.name << ": the waited click, relative to the start corner";
        EXPECT_EQ(first.y, 5.0) << c.name;
        EXPECT_EQ(static_cast<PictureElement&>(*picture).maskEditing, 0) << c.name;
    }
}

// The two mask dialogs to look at: run by hand under Xvfb and photographed while they are up.
//   Xvfb :97 -screen 0 1280x1024x24 &
//   DISPLAY=:97 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_elements.exe --gtest_also_run_disabled_tests
//       --gtest_filter='MaskTypeDialogScreenshot.*' &      (one command line)
//   sleep 5; DISPLAY=:97 import -window root /tmp/shot.png
// Each dialog stays up for 6 seconds and closes itself.
TEST(MaskTypeDialogScreenshot, DISABLED_BothVariants)
{
    TestApplication app;
    for (int variant : {1, 0}) {
        MaskType type;
        type.variant = variant;
        type.code = 3;
        (void)driveModalDialog([&] { return MaskTypeDialog(type).run(); }, [](HWND window) {
            SetTimer(window, 1, 6000, [](HWND h, UINT, UINT_PTR, DWORD) {
                PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            });
        }); // only looked at
    }
}

} // namespace
