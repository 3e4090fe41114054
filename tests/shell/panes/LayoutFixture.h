#pragma once
// The pane manager under test: a hidden frame of a fixed size with its status bar and drawings'
// area, a WorkspaceLayout installed in the application with the string table's thirteen panes
// made in start-up order and arranged, a scripted mouse and a fake clock.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/panes/DockPane.h"
#include "shell/panes/ToolButton.h"
#include "shell/panes/WorkspaceLayout.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

// The toolbars in the order start-up creates them.
extern const int kStartUpOrder[13];

struct PostedEvent {
    int code, arg1;
};

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The pane of definition `id`; fails the test when there is none.
    DockPane& pane(int id);
    // The first real button of pane `id` and its centre on the screen.
    ToolButton& firstButton(int id);
    [[nodiscard]] IntPoint centreOf(const ToolButton& button) const;
    // A client point of the frame on the screen.
    [[nodiscard]] IntPoint screen(int x, int y) const;
    // The pane's rectangle in the frame's client area (docked) or on the screen (floating).
    [[nodiscard]] IntRect rectOf(int id);
    // Internal events taken off the queue.
    std::vector<PostedEvent> drainQueue();
    // The status bar's text in a part.
    [[nodiscard]] std::string statusText(int part) const;
    // A fresh layout with the thirteen panes, installed in place of the one there (which is
    // deleted); nothing is arranged.
    void renewLayout();

    TestApplication app;
    FakeClock clock;
    ScriptedMouse mouse;
    RecordingFrame frame;
    ScopedOverride<FrameWindow*> installedFrame{app->frame, &frame};
    WorkspaceLayout* layout = nullptr;
    ScopedOverride<PaneLayout*> installedLayout{app->workspaceLayout, nullptr};
};
