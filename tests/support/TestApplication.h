#pragma once
#include <vector>
#include <windows.h>

#include "platform/Application.h"
#include "platform/FrameWindow.h"
#include "platform/Window.h"

// The application object with its singletons for one test, as WinMain would create it, named as
// the shell names it. Windows are created hidden.
class TestApplication {
public:
    TestApplication();
    ~TestApplication();
    TestApplication(const TestApplication&) = delete;
    TestApplication& operator=(const TestApplication&) = delete;

    Application* operator->() const { return theApplication; }
};

// A window object with a window of its own class whose procedure routes every message; it keeps
// the event codes it was given (and answers them as handled when `handles` is set).
class RecordingWindow : public Window {
public:
    explicit RecordingWindow(bool withSerial = true);
    ~RecordingWindow() override;
    int handleEvent() override;

    std::vector<int> codes;
    int handles = 1;
    // Called from handleEvent after the code is recorded (a nested pump inside may change the
    // current event).
    void (*onEvent)(RecordingWindow&) = nullptr;
};

// A frame that records the events it is given; its window is created hidden. Like a recording
// window it takes its window with it, so that a test that ends early leaves no frame behind.
class RecordingFrame : public FrameWindow {
public:
    RecordingFrame();
    ~RecordingFrame() override;
    int handleEvent() override;

    std::vector<int> codes;
    void (*onEvent)(RecordingFrame&) = nullptr;
};
