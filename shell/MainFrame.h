#pragma once
#include "platform/FrameWindow.h"

// The application's frame: menu 101, accelerators 102, the application's commands.
class MainFrame : public FrameWindow {
public:
    MainFrame();
    [[nodiscard]] int handleEvent() override;
    [[nodiscard]] int openFileFromCommandLine(const char* commandLine) override;
};
