#include "shell/StartUp.h"

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "document/ContextMenuRequest.h"
#include "document/Document.h"
#include "document/FileProgressWindow.h"
#include "elements/Element.h"
#include "shell/MainFrame.h"

namespace {
// The element clipboard format: a fixed number, used without registration.
const UINT kElementClipboardFormat = 2033275747u;
} // namespace

void runApplication()
{
    Application* app = theApplication;
    if (!app || !theCurrentEvent)
        return;
    app->className = "korvane";
    app->title = "Korvane";
    app->clipboardFormat = kElementClipboardFormat;
    app->frameIcon = 108;
    app->documentIcon = 109;
    makeFileProgress = makeFileProgressWindow;
    makeBaseElement = newBaseElement;
    (void)setContextMenuRequest(postContextMenuRequest); // none was installed before

    auto* frame = new MainFrame;
    app->frame = frame;
    app->setWindowMenuPosition(4);
    if (frame->createMaximized()) {
        frame->initialize();
        app->openCommandLineFile();
        while (!app->quit)
            theCurrentEvent->pumpStep();
    }
    app->frame = nullptr;
    delete frame;
}
