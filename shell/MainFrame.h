#pragma once
#include "platform/FrameWindow.h"

// The application's frame: menu 101, accelerators 102, the application's commands.
class MainFrame : public FrameWindow {
public:
    MainFrame();
    [[nodiscard]] int handleEvent() override;
    [[nodiscard]] int openFileFromCommandLine(const char* commandLine) override;
};

// The documents' context-menu request: waits (pumping messages) until no mouse button is held any
// more, so that the release does not choose an item, then posts the tool's context-menu event
// to the frame. Installed at start-up.
void postContextMenuRequest();
