// The rotate tool with the scripted mouse and clock and the rotate dialog: where the centre is
// and how it is marked, what a click, a double click and a drag do, and the undo record.
#include <gtest/gtest.h>
#include <cmath>
#include <string>
#include <vector>

#include "platform/CurrentEvent.h"
#include "resources/ids.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/views/ToolTestDrawing.h"

using namespace tool_test;

TEST(RotateTool, TheFirstCentreIsTheMiddleOfTheSelectionMarkedByARedCross)
{
    ToolDrawing d;
    d.select->selectSingle(d.add(10, 10, 50, 50));
    RotateTool& rotate = *RotateTool::of(&d.context);
    (void)rotate.prepare();
    // The right button ends the run at once, after the mark is drawn.
    const DWORD t = d.clock.now();
    d.mouse.at(t, 200, 200).at(t + 50, 200, 200, ScriptedMouse::kRight).at(t + 100, 200, 200);
    EXPECT_EQ(rotate.run(), 21);
    EXPECT_NEAR(rotate.centreX, ToolDrawing::mm(30), 1e-9);
    EXPECT_NEAR(rotate.centreY, ToolDrawing::mm(30), 1e-9);
    RECT box = {}; // the last pixels inked, edges included
    ASSERT_TRUE(d.updater->surface.inkBox(box));
    EXPECT_EQ(box.right - box.left + 1, 12);
    EXPECT_EQ(box.bottom - box.top + 1, 12);
    EXPECT_NEAR((box.left + box.right + 1) / 2.0, 30, 1.0);
    // The two diagonals, one pixel wide, in red, and nothing else.
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(d.updater->surface.pixel(box.left + i, box.top + i), RGB(255, 0, 0)) << i;
        EXPECT_EQ(d.updater->surface.pixel(box.right - i, box.top + i), RGB(255, 0, 0)) << i;
    }
    EXPECT_EQ(d.updater->surface.inkCount(box.left, box.top, box.right + 1, box.bottom + 1), 24);
}

TEST(RotateTool, ClicksMoveTheCentreADoubleClickEndsADragRotates)
{
    struct Press {
        DWORD at;
        int x, y, keys;
    };
    struct Case {
        const char* what;
        std::vector<Press> script; // from the run's start
        int result;
        double centreX, centreY, angle; // pixels, degrees
        int records;
    };
    const int L = ScriptedMouse::kLeft;
    const Case cases[] = {
        {"a quick click moves the centre only; a double click ends the tool",
         {{0, 200, 200, 0}, {50, 100, 100, L}, {150, 100, 100, 0}, {800, 100, 100, L}, {860, 100, 100, 0},
          {920, 100, 100, L}, {980, 100, 100, 0}},
         15, 100, 100, 0, 0},
        {"a drag straight to the right gives angle 0",
         {{0, 200, 200, 0}, {50, 100, 100, L}, {200, 150, 100, L}, {450, 150, 100, 0}},
         1, 100, 100, 0, 1},
        {"a drag straight up gives angle 90",
         {{0, 200, 200, 0}, {50, 100, 100, L}, {200, 100, 40, L}, {450, 100, 40, 0}},
         1, 100, 100, 90, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolDrawing d;
        std::vector<int> ids;
        for (int i = 0; i < 5; ++i) {
            ids.push_back(d.add(110 + 20 * i, 90, 120 + 20 * i, 110));
            d.select->addToSelection(ids.back());
        }
        const int records = d.context.undoManager->recordCount();
        const DWORD t = d.clock.now();
        for (const Press& p : c.script)
            d.mouse.at(t + p.at, p.x, p.y, p.keys);
        RotateTool& rotate = *RotateTool::of(&d.context);
        EXPECT_EQ(rotate.run(), c.result);
        EXPECT_NEAR(rotate.centreX, ToolDrawing::mm(c.centreX), 1e-9);
        EXPECT_NEAR(rotate.centreY, ToolDrawing::mm(c.centreY), 1e-9);
        EXPECT_NEAR(rotate.angle, c.angle, 1e-9);
        ASSERT_EQ(d.context.undoManager->recordCount() - records, c.records);
        if (!c.records)
            continue;
        // The five rotate under one record, and one undo puts all five back.
        const double turned = c.angle * std::acos(-1.0) / 180.0;
        const auto moved = d.corner(ids[4]);
        const double dx = 190 - 100, dy = 90 - 100;
        EXPECT_NEAR(moved.first, 100 + dx * std::cos(turned) + dy * std::sin(turned), 1e-6);
        EXPECT_NEAR(moved.second, 100 + dy * std::cos(turned) - dx * std::sin(turned), 1e-6);
        ASSERT_TRUE(d.context.undo());
        for (int i = 0; i < 5; ++i)
            EXPECT_NEAR(d.corner(ids[i]).first, 110 + 20 * i, 1e-6) << "element " << i;
    }
}

TEST(RotateTool, TheDialogTakesAngleAndCentreOnlyOnOk)
{
    struct Case {
        const char* what;
        const char* angle;
        const char* x;
        int button;
        int result;
        double angleAfter, centreXAfter; // degrees, millimetres
        int records, messages;
    };
    const Case cases[] = {
        {"OK rotates by the typed angle about the typed centre", "45", "20", IDOK, 1, 45, 20, 1, 0},
        {"ｷｬﾝｾﾙ keeps centre and angle", "45", "20", IDCANCEL, 0, 30, 5, 0, 0},
        {"a huge angle comes into one turn", "1e300", "5", IDOK, 1, std::fmod(1e300, 360.0), 5, 1, 0},
        {"an angle that is no number is refused", "abc", "5", IDOK, 0, 30, 5, 0, 1},
        {"a centre beyond the coordinate range is refused", "10", "1e9", IDOK, 0, 30, 5, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolDrawing d;
        MessageBoxScript boxes;
        d.select->selectSingle(d.add(10, 10, 50, 50));
        RotateTool& rotate = *RotateTool::of(&d.context);
        rotate.angle = 30;
        rotate.centreX = rotate.centreY = 5;
        rotate.centreSet = 1;
        const int records = d.context.undoManager->recordCount();
        const INT_PTR r = driveModalDialog([&] { return rotate.rotateByDialog(); },
                                           [&](HWND w) {
                                               SetDlgItemTextA(w, IDC_ROTATE_ANGLE, c.angle);
                                               SetDlgItemTextA(w, IDC_ROTATE_CENTRE_X, c.x);
                                               click(w, c.button);
                                               if (!boxes.shown().empty())
                                                   PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                                           });
        EXPECT_EQ(r, c.result);
        EXPECT_NEAR(rotate.angle, c.angleAfter, 1e-6);
        EXPECT_NEAR(rotate.centreX, c.centreXAfter, 1e-9);
        EXPECT_NEAR(rotate.centreY, 5, 1e-9);
        EXPECT_EQ(d.context.undoManager->recordCount() - records, c.records);
        EXPECT_EQ(static_cast<int>(boxes.shown().size()), c.messages);
    }
}

// A rotation that would turn an element where the drawing file cannot write it (beyond its 40
// integer digits) turns none of the selection and writes no record, which an undo would replay
// on elements that never turned; the user is told.
TEST(RotateTool, ARotationBeyondWhatTheFileWritesTurnsNothing)
{
    ToolDrawing d;
    MessageBoxScript boxes;
    std::vector<int> ids = {d.add(110, 90, 120, 110), d.add(130, 90, 140, 110)};
    const double distant = 9.9e39 / ToolDrawing::mm(1.0); // 9.9e39 mm
    ids.push_back(d.addLine(10, 10, distant, distant));
    for (int id : ids) {
        ASSERT_GE(id, 1);
        d.select->addToSelection(id);
    }
    RotateTool& rotate = *RotateTool::of(&d.context);
    rotate.centreX = rotate.centreY = rotate.centreZ = 0.0;
    rotate.centreSet = 1;
    rotate.angle = 45.0; // (distant, distant) would come to (0, 1.4e40)
    const int records = d.context.undoManager->recordCount();
    EXPECT_EQ(rotate.applyRotation(), 0);
    EXPECT_EQ(d.context.undoManager->recordCount(), records);
    EXPECT_NEAR(d.corner(ids[0]).first, 110, 1e-6);
    EXPECT_NEAR(d.corner(ids[1]).first, 130, 1e-6);
    EXPECT_NEAR(d.corner(ids[2]).first, 10, 1e-6);
    EXPECT_EQ(boxes.texts(), "図形の数値が扱える範囲を超えるため、この操作はできません。");
}
