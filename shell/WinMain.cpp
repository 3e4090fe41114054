#include <windows.h>

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "shell/StartUp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    if (previous)
        return 0;
    theApplication = new Application;
    theApplication->instance = instance;
    theApplication->previousInstance = nullptr;
    theApplication->commandLine = commandLine;
    theApplication->showCommand = show;
    startUp();
    int exitCode = theCurrentEvent ? theCurrentEvent->quitCode : 0;
    delete theApplication;
    theApplication = nullptr;
    return exitCode;
}
