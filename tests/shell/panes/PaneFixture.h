#pragma once
// The dock pane tests' stand-ins: a pane manager that places the bands where a test says, keeps
// the face bitmaps and lets docked panes draw into a DIB surface.
#include <memory>
#include <string>

#include "platform/BitmapCache.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/ToolButton.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/DibSurface.h"

// A window object without a window: its device context draws into a DIB surface.
class SurfaceWindow : public Window {
public:
    explicit SurfaceWindow(DibSurface& surface) { dc.attachHdc(surface.hdc); }
    ~SurfaceWindow() override { dc.detachHdc(); }
};

// The pane manager as the panes see it: band areas set by the test, the face bitmaps from the
// executable, and the window docked panes draw in.
class FakePaneManager : public RecordingLayout {
public:
    FakePaneManager();
    IntRect bandArea(int where) override { return where >= 1 && where <= 4 ? bands[where] : IntRect(); }
    BitmapCache* faceBitmap(int id) override { return faces.findOrAdd(id, 0, 0); }
    Window* dockWindow() override { return surface; }

    // A pane of definition `id` made as the layout makes its panes (linked, numbered, given the
    // face grid); null when it does not load.
    std::unique_ptr<DockPane> load(int id);

    IntRect bands[5];   // by position; the top band at (0, 0), 800 wide
    BitmapCacheList faces;
    Window* surface = nullptr;
    int lastPaneId = 0;
};

class PaneTest : public ::testing::Test {
public:
    // The pane's button of command definition `definitionId`; fails the test when there is none.
    static ToolButton& button(DockPane& pane, int definitionId);

protected:
    TestApplication app;
    FakePaneManager manager;
};

// A CP932 text as "83 69 ..." for readable failures.
std::string hexBytes(const char* text);
