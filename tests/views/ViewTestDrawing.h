#pragma once
// A drawing for the view tests: a document context with a real sheet, document, tick stamp and
// view mapping, rulers of 15 pixels when asked, and a window whose client area is the size the
// test asks for.
#include <windows.h>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/RulerBars.h"
#include "document/SheetSettings.h"
#include "document/TickStamp.h"
#include "platform/CurrentEvent.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"
#include "views/ViewMapping.h"

class FifteenPixelRulers : public RulerBars {
public:
    void setOwner(DocumentContext*) override {}
    void paint() override { ++paints; }
    [[nodiscard]] int leftWidth() const override { return 15; }
    [[nodiscard]] int topHeight() const override { return 15; }
    int paints = 0;
};

class ViewTestDrawing {
public:
    explicit ViewTestDrawing(int withRulers = 0, int clientWidth = 800, int clientHeight = 600)
    {
        context.paper = sheet = new SheetSettings;
        context.document = document = new Document;
        context.tickStamp = new TickStamp;
        context.view = view = new ViewMapping;
        if (withRulers)
            context.rulers = new FifteenPixelRulers;
        context.window = &window;
        context.linkManagers();
        sizeClient(clientWidth, clientHeight);
        ownWindow = window.hwnd();
    }
    ~ViewTestDrawing() { context.window = nullptr; }
    ViewTestDrawing(const ViewTestDrawing&) = delete;
    ViewTestDrawing& operator=(const ViewTestDrawing&) = delete;

    void sizeClient(int width, int height)
    {
        window.resize(width, height, 0);
        const IntRect client = window.clientRect();
        window.resize(2 * width - client.width(), 2 * height - client.height(), 0);
    }
    // A client point in screen coordinates (for the scripted mouse).
    IntPoint screenOf(int x, int y)
    {
        IntPoint p(x, y);
        window.clientToScreen(p);
        return p;
    }
    std::string caption()
    {
        char text[512] = {};
        GetWindowTextA(window.hwnd(), text, sizeof text);
        return text;
    }

    // A pump step of the mouse loops that only lets the script move on; the step's message is
    // the view's own.
    static void ownStep(int) { theCurrentEvent->hwnd = ownWindow; }
    static inline HWND ownWindow = nullptr;

    TestApplication app;
    RecordingWindow window;
    DocumentContext context;
    SheetSettings* sheet = nullptr;
    Document* document = nullptr;
    ViewMapping* view = nullptr;
    ScopedOverride<ViewMapping::PumpStep> step{ViewMapping::pumpStep, &ViewTestDrawing::ownStep};
};
