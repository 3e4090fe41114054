#include "platform/CurrentEvent.h"

#include <new>

#include "platform/Application.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "platform/FrameWindow.h"
#include "platform/MouseState.h"
#include "platform/ShiftJis.h"
#include "platform/ShortcutHook.h"
#include "platform/TickTimer.h"
#include "platform/WindowHandle.h"

CurrentEvent* theCurrentEvent = nullptr;
ShortcutHook* theShortcutHook = nullptr;

namespace {
// Idle events while the pump may not block come at most this often, so that a shown caret does
// not keep the processor busy.
const DWORD kIdlePollMs = 15;

bool isMenuOrAcceleratorCommand(const MSG& m)
{
    return m.message == WM_COMMAND && m.lParam == 0 && (HIWORD(m.wParam) == 0 || HIWORD(m.wParam) == 1);
}
} // namespace

CurrentEvent::CurrentEvent() : queue(10, sizeof(QueuedEvent*)) {}

CurrentEvent::~CurrentEvent()
{
    BlockLock data(queue);
    if (data)
        for (int i = 0; i < queue.count; ++i)
            delete data.data<QueuedEvent*>()[i];
}

int CurrentEvent::enqueue(int eventCode, int eventArg1, int eventArg2, HWND target, int first)
{
    auto* record = new (std::nothrow) QueuedEvent;
    if (!record)
        return 0;
    record->code = eventCode;
    record->arg1 = eventArg1;
    record->arg2 = eventArg2;
    record->target = target;
    int queued = 0;
    if (!first) {
        queued = queue.append(&record);
    } else if (queue.insertGap(0, 1)) {
        queued = queue.put(0, &record);
        if (!queued)
            (void)queue.removeAt(0); // the gap just made exists
    }
    if (!queued) {
        delete record;
        return 0;
    }
    return 1;
}

int CurrentEvent::postEventTo(int eventCode, int eventArg1, int eventArg2, HWND target)
{
    return enqueue(eventCode, eventArg1, eventArg2, target, 0);
}

int CurrentEvent::postEvent(int eventCode, int eventArg1, int eventArg2)
{
    return postEventTo(eventCode, eventArg1, eventArg2, nullptr);
}

int CurrentEvent::postIdle() { return postSimpleEvent(EV_IDLE); }
int CurrentEvent::postChildActivated() { return postSimpleEvent(EV_CHILD_ACTIVATED); }

int CurrentEvent::postDeferredCommand(int command)
{
    int frameSerial = theApplication && theApplication->frame ? theApplication->frame->serial : 0;
    return postEvent(EV_DEFERRED_COMMAND, frameSerial, command);
}

int CurrentEvent::postDeferredCommandFirst(int command)
{
    int frameSerial = theApplication && theApplication->frame ? theApplication->frame->serial : 0;
    return enqueue(EV_DEFERRED_COMMAND, frameSerial, command, nullptr, 1);
}

int CurrentEvent::popAndRoute()
{
    if (queue.count < 1)
        return 0;
    QueuedEvent* record = nullptr;
    if (!queue.get(0, &record))
        return 0;
    (void)queue.removeAt(0); // index 0 was just read: it exists
    source = 1;
    code = record->code;
    arg1 = record->arg1;
    arg2 = record->arg2;
    hwnd = record->target;
    delete record;
    if (code == EV_CLOSE_REQUEST)
        code = arg2;
    if (theEventRouter) {
        if (arg1 >= 0)
            theEventRouter->dispatchToSerial(arg1);
        else
            theEventRouter->dispatchToWindow(hwnd);
    }
    return 1;
}

void CurrentEvent::resetStep()
{
    abortLoop = 0;
    captionEvents = 0;
    borderEvents = 0;
    keyConsumed = 0;
}

void CurrentEvent::copyBuffer()
{
    hwnd = buffer.hwnd;
    message = buffer.message;
    wParam = buffer.wParam;
    lParam = buffer.lParam;
}

void CurrentEvent::trackMouse()
{
    switch (buffer.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_NCMBUTTONUP:
    case WM_MOUSEWHEEL:
    case WM_NCLBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
        if (theMouseState)
            theMouseState->trackMessage(buffer);
        mouseWindow = buffer.hwnd;
        break;
    default:
        break;
    }
}

int CurrentEvent::offerAccelerators()
{
    if (!theApplication || !theApplication->frame)
        return 0;
    FrameWindow* frame = theApplication->frame;
    if (theApplication->mode == 3 && frame->mdiClientHandle() && TranslateMDISysAccel(frame->mdiClientHandle(), &buffer))
        return 1;
    if (theApplication->mode == 1 || theApplication->mode == 3)
        if (frame->acceleratorTable && TranslateAcceleratorA(frame->hwnd(), frame->acceleratorTable, &buffer))
            return 1;
    return 0;
}

int CurrentEvent::offerShortcut()
{
    if ((buffer.message == WM_KEYDOWN || buffer.message == WM_CHAR) && theShortcutHook && theShortcutHook->onKey()) {
        keyConsumed = 1;
        return 1;
    }
    return 0;
}

int CurrentEvent::takePressFor(HWND window)
{
    if (!window || !sameWindow(unreadPress, window))
        return 0;
    unreadPress = nullptr;
    return 1;
}

void CurrentEvent::deliverFetched()
{
    fetched = buffer;
    ++fetchCount;
    copyBuffer();
    trackMouse();
    if (offerAccelerators() || offerShortcut())
        return;
    TranslateMessage(&buffer);
    dispatchBuffer();
}

void CurrentEvent::dispatchBuffer()
{
    if (buffer.message == WM_PAINT && paintDispatch == 0) {
        PAINTSTRUCT paint;
        BeginPaint(buffer.hwnd, &paint);
        EndPaint(buffer.hwnd, &paint);
        return;
    }
    DispatchMessageA(&buffer);
}

void CurrentEvent::waitForInput()
{
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kIdlePollMs, QS_ALLINPUT);
}

void CurrentEvent::pumpStep()
{
    resetStep();
    unreadPress = nullptr;
    if (theShortcutHook && theShortcutHook->takePending()) {
        // A shortcut that cannot be queued is lost like a dropped key press; nothing waits for it.
        (void)postDeferredCommand(EV_SHORTCUT_COMMAND);
        return;
    }
    if (popAndRoute())
        return;
    source = 3;
    code = 0;

    if (neverBlock)
        mayBlock = 0;
    if (mayBlock == 0) {
        idleCount = 0;
        if (!PeekMessageA(&buffer, nullptr, 0, 0, PM_NOREMOVE))
            waitForInput();
    }
    if (idleCount < 4 && !PeekMessageA(&buffer, nullptr, 0, 0, PM_NOREMOVE)) {
        (void)postIdle(); // idle events come again; a lost one misses nothing
        ++idleCount;
        return;
    }

    mayBlock = blockingAllowed;
    idleCount = 0;
    BOOL got = GetMessageA(&buffer, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        if (theApplication)
            theApplication->quit = 1;
        quitCode = got == 0 ? static_cast<int>(buffer.wParam) : 0;
        return;
    }
    if (buffer.message == WM_LBUTTONDOWN || buffer.message == WM_RBUTTONDOWN)
        unreadPress = buffer.hwnd;
    deliverFetched();
}

void CurrentEvent::quitFromNested()
{
    // The quit belongs to the main loop: keep it, so that the loop ends even though a nested
    // loop met it first.
    quitCode = static_cast<int>(buffer.wParam);
    if (theApplication)
        theApplication->quit = 1;
    PostQuitMessage(quitCode);
}

int CurrentEvent::fetchNested()
{
    if (neverBlock)
        mayBlock = 0;
    if (mayBlock == 0)
        emptyPolls = 0;
    if (theApplication && theApplication->quit)
        return 0;
    if (emptyPolls >= 4) {
        mayBlock = blockingAllowed;
        emptyPolls = 0;
        BOOL got = GetMessageA(&buffer, nullptr, 0, 0);
        if (got == 0) {
            quitFromNested();
            return 0;
        }
        return got == -1 ? 0 : 1;
    }
    if (PeekMessageA(&buffer, nullptr, 0, 0, PM_REMOVE)) {
        emptyPolls = 0;
        if (buffer.message == WM_QUIT) {
            quitFromNested();
            return 0;
        }
        return 1;
    }
    ++emptyPolls;
    if (mayBlock == 0)
        waitForInput();
    return 0;
}

void CurrentEvent::fetchAndDispatchNested()
{
    source = 5;
    if (fetchNested())
        deliverFetched();
}

int CurrentEvent::pumpStepModal(int flags)
{
    resetStep();
    unreadPress = nullptr;
    if (popAndRoute())
        return 0;
    code = 0;
    if (flags != 0) {
        source = 5;
        emptyPolls = 0;
        MSG waiting;
        if (PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
            buffer = waiting;
            copyBuffer();
            if (isMenuOrAcceleratorCommand(waiting) && (flags & 1))
                return 1;
        }
        emptyPolls = 1;
    }
    fetchAndDispatchNested();
    return 0;
}

int CurrentEvent::pumpStepNoWait(int flags)
{
    mayBlock = 0;
    return pumpStepModal(flags);
}

void CurrentEvent::pumpFor(DWORD milliseconds)
{
    TickTimer timer;
    timer.start();
    unreadPress = nullptr;
    do {
        emptyPolls = 0;
        if (!popAndRoute()) {
            source = 5;
            // Only what is already waiting: this loop never blocks.
            int saved = mayBlock;
            mayBlock = 0;
            int fetched = fetchNested();
            mayBlock = saved;
            if (!fetched)
                break;
            deliverFetched();
        }
    } while (timer.notElapsed(milliseconds) && !(theApplication && theApplication->quit));
}

int CurrentEvent::translateMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    code = 0;
    hwnd = window;
    message = msg;
    wParam = wp;
    lParam = lp;
    switch (msg) {
    case WM_SIZE:
        code = 23020;
        break;
    case WM_ACTIVATE:
        code = LOWORD(wp) == WA_INACTIVE ? 9010 : 1010;
        break;
    case WM_SETFOCUS:
        code = 1010;
        break;
    case WM_PAINT:
        code = 21020;
        break;
    case WM_CLOSE:
        code = 3010;
        closeCancelled = 0;
        break;
    case WM_NCMOUSEMOVE:
        if (borderEvents)
            code = 13040;
        break;
    case WM_NCLBUTTONDOWN:
        if (wp == HTCAPTION && captionEvents)
            code = 12010;
        else if ((wp == HTLEFT || wp == HTRIGHT || wp == HTTOP || wp == HTBOTTOM || wp == HTBORDER) && borderEvents)
            code = 12010;
        break;
    case WM_KEYDOWN:
        code = 11010;
        break;
    case WM_KEYUP:
        code = 11020;
        typedChar = 0;
        break;
    case WM_CHAR:
        code = 11010;
        typedChar = static_cast<unsigned char>(wp);
        break;
    case WM_COMMAND:
        if (lp == 0 && (HIWORD(wp) == 0 || HIWORD(wp) == 1))
            code = 13030;
        break;
    case WM_HSCROLL:
        code = 19010;
        break;
    case WM_VSCROLL:
        code = 19020;
        break;
    case WM_INITMENU:
        code = 13020;
        break;
    case WM_MOUSEMOVE:
        code = 13040;
        break;
    case WM_LBUTTONDOWN:
        code = 12010;
        break;
    case WM_RBUTTONDOWN:
        code = 18010;
        break;
    case WM_MBUTTONDOWN:
        code = 13010;
        break;
    case WM_MOUSEWHEEL:
        code = 13050;
        break;
    default:
        break;
    }
    return code ? 0 : -1;
}

int CurrentEvent::getTypedChar()
{
    int result;
    if (code == EV_KEY_DOWN || code == EV_KEY_UP)
        result = message == WM_CHAR ? static_cast<int>(wParam) : static_cast<int>(message & ~0xFFu);
    else
        result = code & ~0xFF;
    typedChar = static_cast<unsigned char>(result);
    return result;
}

int CurrentEvent::getEditingKey() const
{
    if (code != EV_KEY_DOWN)
        return 0;
    if (message == WM_KEYDOWN) {
        int key = static_cast<int>(wParam);
        return (key >= VK_LEFT && key <= VK_DOWN) || key == VK_DELETE ? key : 0;
    }
    if (message == WM_CHAR && (wParam == 8 || wParam == 27))
        return static_cast<int>(wParam);
    return 0;
}

int CurrentEvent::readTypedText(char* text, int size)
{
    if (!text || size < 1)
        return 0;
    text[0] = 0;
    if (code != EV_KEY_DOWN || message != WM_CHAR)
        return 0;
    int length = 0;
    for (;;) {
        if (length < size - 1)
            text[length++] = static_cast<char>(wParam);
        if (wParam == 13 && length < size - 1)
            text[length++] = 10;
        if (length >= size - 1)
            break;
        // Only characters are taken; the first other key message stays queued for the pump.
        MSG next;
        if (!PeekMessageA(&next, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) || next.message != WM_CHAR)
            break;
        // Backspace and Escape queued behind the text are editing keys of their own, not text.
        if (next.wParam == 8 || next.wParam == 27)
            break;
        // A two-byte character arrives as two WM_CHARs: take its lead byte only when both fit.
        if (isShiftJisLeadByte(static_cast<unsigned char>(next.wParam)) && length + 2 > size - 1)
            break;
        PeekMessageA(&next, next.hwnd, WM_CHAR, WM_CHAR, PM_REMOVE);
        code = 0;
        buffer = next;
        copyBuffer();
    }
    text[length] = 0;
    return length;
}
