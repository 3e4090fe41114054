// The frame's document windows: making them, New, Open, the command-line drawing, Save All and
// the questions before the application closes.
#include "shell/MainFrame.h"

#include <new>

#include "document/ApplicationErrorFlag.h"
#include "document/Document.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "platform/MessageBoxes.h"
#include "platform/MouseState.h"
#include "resources/ids.h"
#include "shell/DocumentWindow.h"
#include "shell/settings/AppSettingsFile.h"

namespace {
// The wait cursor for one scope; the cursor shown before comes back.
class WaitCursor {
public:
    WaitCursor()
    {
        if (theMouseState) {
            theMouseState->saveCursor();
            theMouseState->setWaitCursor();
        }
    }
    ~WaitCursor()
    {
        if (theMouseState)
            theMouseState->restoreCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Messages that waited behind the open dialog (repainting what it covered) are delivered, for at
// most this long.
const DWORD kAfterDialogMs = 1000;
} // namespace

DocumentWindow* MainFrame::createDocumentWindow()
{
    if (theApplication)
        theApplication->errorCount = 0;
    if (!documents.hasRoom())
        return nullptr;
    return addDocumentWindow(new (std::nothrow) DocumentWindow);
}

DocumentWindow* MainFrame::addDocumentWindow(DocumentWindow* window)
{
    if (!window)
        return nullptr;
    if (applicationErrorFlag() || !documents.hasRoom()) {
        // Its drawing could not be made, or there is no room: the window never reached the list.
        delete window;
        return nullptr;
    }
    if (!documents.add(window))
        return nullptr; // the list deleted it
    window->frame = this;
    window->attachContext();
    if (applicationErrorFlag()) {
        // It closes through the usual road, which removes it from the list.
        ::postCloseRequest(window->serial);
        return nullptr;
    }
    return window;
}

void MainFrame::createFirstDocument()
{
    WaitCursor wait;
    DocumentWindow* window = createDocumentWindow();
    if (!window)
        return;
    SendMessageA(mdiClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->hwnd()), 0);
    window->refreshPagePainter();
    window->refreshPageBar();
}

int MainFrame::newDocument()
{
    WaitCursor wait;
    DocumentWindow* window = createDocumentWindow();
    if (!window)
        return 0;
    (void)window->initializeDrawing(); // without paper settings there is nothing to take
    if (applicationErrorFlag()) {
        ::postCloseRequest(window->serial);
        return 0;
    }
    refreshActivePainters();
    return 1;
}

int MainFrame::openDocument()
{
    Document chosen;
    if (!chosen.openWithDialog())
        return 0;
    const char* path = chosen.getPath();
    for (int i = 0; i < documents.count; ++i) {
        DocumentWindow* window = documentAt(i);
        if (window && window->isShowing(path)) {
            SendMessageA(mdiClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->hwnd()), 0);
            // Activation leaves an icon an icon: the drawing would not come into view.
            if (IsIconic(window->hwnd()))
                SendMessageA(mdiClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(window->hwnd()), 0);
            return 0;
        }
    }
    DocumentWindow* window = nullptr;
    {
        WaitCursor wait;
        if (theCurrentEvent)
            theCurrentEvent->pumpFor(kAfterDialogMs);
        DocumentWindow* active = activeDocument();
        window = active && !active->isModified() && !active->hasFile() ? active : createDocumentWindow();
        if (!window)
            return 0;
        if (!window->setPath(path)) {
            showErrorById(IDS_READ_ERROR);
            return 0;
        }
        (void)window->initializeDrawing(); // without paper settings there is nothing to take
    }
    (void)window->loadFile(); // a file that cannot be read has been reported
    window->refreshTitle();
    SendMessageA(mdiClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->hwnd()), 0);
    return 1;
}

int MainFrame::openFileFromCommandLine(const char* path)
{
    DocumentWindow* window = activeDocument();
    if (!window || !path)
        return 0;
    if (!window->setPath(path)) {
        // Longer than a file name can be: no file of that name can be read.
        showErrorById(IDS_READ_ERROR);
        return 0;
    }
    const int result = window->initializeDrawing();
    (void)window->loadFile(); // a file that cannot be read has been reported
    window->refreshTitle();
    return result;
}

int MainFrame::saveAll()
{
    for (int i = 0; i < documents.count; ++i) {
        DocumentWindow* window = documentAt(i);
        if (window && !window->save())
            return 0;
    }
    return 1;
}

int MainFrame::holdsFileElsewhere(const DocumentContext* saving, const char* path)
{
    for (int i = 0; i < documents.count; ++i)
        if (DocumentWindow* window = documentAt(i); window && window->context != saving && window->isShowing(path))
            return 1;
    return 0;
}

int MainFrame::confirmCloseAll()
{
    for (int i = 0; i < documents.count; ++i) {
        DocumentWindow* window = documentAt(i);
        if (window && !window->confirmSave())
            return 0;
    }
    (void)saveAppSettings(); // a file that could not be written has been reported
    return 1;
}
