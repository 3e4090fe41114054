#include "platform/Dialog.h"

#include <commctrl.h>

#include "platform/Application.h"
#include "platform/ControlKinds.h"
#include "platform/DialogRegistry.h"
#include "platform/FrameWindow.h"
#include "platform/StringUtil.h"
#include "platform/WindowHandle.h"

Dialog::Dialog() : controls(10, sizeof(Control*)) { registerDialog(); }

Dialog::~Dialog()
{
    destroyControls();
    unregisterDialog();
    controls.free();
}

void Dialog::registerDialog()
{
    // A registry that cannot grow has told the user; such a dialog refuses to run (beginRun).
    if (theDialogRegistry)
        (void)theDialogRegistry->add(this);
}

void Dialog::unregisterDialog()
{
    if (theDialogRegistry)
        (void)theDialogRegistry->remove(serial); // 0 for a dialog that never got in: nothing to remove
}

int Dialog::handleMessage()
{
    if (currentControl && (currentControl->id == IDOK || currentControl->id == IDCANCEL)) {
        end();
        return 1;
    }
    return 0;
}

int Dialog::addControl(int controlId, int controlKind)
{
    if (controlId == 0)
        return 0;
    Control* control = createControlByKind(controlKind);
    if (!control)
        return 0;
    return addControl(control, controlId, controlKind);
}

int Dialog::addControl(Control* control, int controlId, int controlKind)
{
    if (!control)
        return 0;
    if (controlId == 0) {
        destroyControlByKind(control);
        return 0;
    }
    control->owner = this;
    control->id = controlId;
    control->setKind(controlKind);
    if (!controls.append(&control)) {
        destroyControlByKind(control);
        return 0;
    }
    return 1;
}

Control* Dialog::controlAt(int index)
{
    Control* control = nullptr;
    return controls.get(index, &control) ? control : nullptr;
}

Control* Dialog::findControl(int controlId)
{
    if (controlId == 0)
        return nullptr;
    for (int i = 0; i < controls.count; ++i) {
        Control* control = controlAt(i);
        if (control && control->id == controlId)
            return control;
    }
    return nullptr;
}

Control* Dialog::findControlByWindow(HWND item)
{
    if (!item)
        return nullptr;
    for (int i = 0; i < controls.count; ++i) {
        Control* control = controlAt(i);
        if (!control)
            continue;
        // A control that was never attached learns its window here.
        if (!control->window)
            control->lookupWindow();
        if (sameWindow(control->window, item))
            return control;
    }
    return nullptr;
}

void Dialog::attachControls()
{
    for (int i = 0; i < controls.count; ++i)
        if (Control* control = controlAt(i))
            (void)control->attach(); // without its item a control stays detached and answers 0
}

void Dialog::refreshControls()
{
    for (int i = 0; i < controls.count; ++i)
        if (Control* control = controlAt(i))
            control->refresh();
}

void Dialog::destroyControls()
{
    endControlIteration();
    // The event being handled may be about one of them.
    currentControl = nullptr;
    ++controlsGeneration;
    while (controls.count > 0) {
        Control* control = controlAt(controls.count - 1);
        controls.removeLast();
        destroyControlByKind(control);
    }
}

void Dialog::beginControlIteration()
{
    endControlIteration();
    iterationData = static_cast<Control**>(controls.lock());
    iterationIndex = 0;
}

Control* Dialog::nextControl()
{
    if (!iterationData || iterationIndex >= controls.count)
        return nullptr;
    return iterationData[iterationIndex++];
}

void Dialog::endControlIteration()
{
    if (iterationData)
        controls.unlock();
    iterationData = nullptr;
    iterationIndex = 0;
}

void Dialog::setCaption(const char* text) { StringUtil::copy(caption, text ? text : ""); }

void Dialog::applyCaption()
{
    if (hwnd && caption[0])
        SetWindowTextA(hwnd, caption);
}

void Dialog::applyControlImeMode()
{
    if (Control* control = findControl(currentControlId))
        control->setImeMode();
}

void Dialog::setCurrentControlById(int controlId)
{
    rememberCommand(controlId);
    currentControl = findControl(controlId);
}

void Dialog::rememberCommand(int controlId)
{
    lastCommandId = controlId;
    currentControlId = controlId;
}

int Dialog::beginRun()
{
    hwnd = nullptr;
    event = 0;
    currentControl = nullptr;
    return !theDialogRegistry || theDialogRegistry->indexOf(serial) >= 0;
}

int Dialog::runModal(int resourceId)
{
    resolveOwner();
    if (!beginRun())
        return -1;
    HWND ownerWindow = ownerHwnd;
    if (!ownerWindow && theApplication && theApplication->frame)
        ownerWindow = theApplication->frame->hwnd();
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(resourceId), ownerWindow,
                                            DialogRegistry::dialogProc, 0));
}

void Dialog::end()
{
    rememberPosition();
    if (hwnd)
        EndDialog(hwnd, currentControl ? currentControl->id : IDCANCEL);
}

void Dialog::onScroll()
{
    if (currentControl && currentControl->kind == KIND_SCROLL_BAR)
        currentControl->onScrollNotify(LOWORD(wParam), HIWORD(wParam));
}

Control* Dialog::controlUnderCursor()
{
    for (int i = 0; i < controls.count; ++i) {
        Control* control = controlAt(i);
        if (control && control->isCursorInside())
            return control;
    }
    return nullptr;
}

int Dialog::translateMessage(UINT newMessage, WPARAM newWParam, LPARAM newLParam)
{
    int code = DLG_NONE;
    switch (newMessage) {
    case WM_INITDIALOG:
        code = DLG_INIT;
        applyPlacement();
        applyCaption();
        break;
    case WM_PAINT:
        code = DLG_PAINT;
        break;
    case WM_CLOSE:
        code = DLG_CLOSE;
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<const NMHDR*>(newLParam);
        code = header && header->code == static_cast<UINT>(TCN_SELCHANGE) ? DLG_TAB_CHANGE : DLG_NOTIFY;
        break;
    }
    case WM_COMMAND: {
        int controlId = LOWORD(newWParam);
        if (newWParam == 0) {
            code = DLG_COMMAND_ZERO;
            break;
        }
        switch (HIWORD(newWParam)) {
        case 1:
        case 9:
            code = DLG_SELECTION;
            break;
        case 2:
            code = DLG_DOUBLE_CLICK;
            break;
        case 5:
        case EN_CHANGE:
            code = DLG_CHANGE;
            break;
        case EN_SETFOCUS:
            code = DLG_EDIT_FOCUS;
            rememberCommand(controlId);
            break;
        case EN_KILLFOCUS:
            code = DLG_EDIT_FOCUS_LOST;
            break;
        default:
            // Buttons (0), focus notifications of lists and combos (3, 4) and everything else.
            code = DLG_COMMAND;
            rememberCommand(controlId);
            break;
        }
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        // lParam 0: the dialog's own scroll bar, which is no control.
        code = newLParam ? DLG_SCROLL : DLG_NONE;
        break;
    case WM_LBUTTONDOWN: {
        code = DLG_OTHER_CLICK;
        if (Control* control = controlUnderCursor()) {
            if (isClickKind(control->kind))
                code = DLG_CLICK;
            rememberCommand(control->id);
        }
        break;
    }
    default:
        break;
    }
    return code;
}

int Dialog::receive(HWND window, UINT newMessage, WPARAM newWParam, LPARAM newLParam)
{
    // Placing the window and handlers send messages that come back here (setting a field's text
    // sends EN_CHANGE).
    // When such a nested message is done, the outer handler finds its own message and event
    // again; a control destroyed meanwhile is not given back.
    UINT savedMessage = message;
    WPARAM savedWParam = wParam;
    LPARAM savedLParam = lParam;
    int savedEvent = event;
    Control* savedControl = currentControl;
    int savedGeneration = controlsGeneration;
    bool nested = receiveDepth > 0;
    ++receiveDepth;

    hwnd = window;
    message = newMessage;
    wParam = newWParam;
    lParam = newLParam;
    event = translateMessage(newMessage, newWParam, newLParam);
    switch (event) {
    case DLG_DOUBLE_CLICK:
    case DLG_CHANGE:
    case DLG_COMMAND:
    case DLG_CLICK:
    case DLG_SELECTION:
        currentControl = findControl(lastCommandId);
        break;
    case DLG_SCROLL:
        currentControl = findControlByWindow(reinterpret_cast<HWND>(newLParam));
        break;
    default:
        currentControl = nullptr;
        break;
    }

    if (Control* control = currentControl) {
        onScroll();
        switch (event) {
        case DLG_CLICK:
            control->onClick();
            break;
        case DLG_CHANGE:
            control->onChange();
            break;
        case DLG_COMMAND:
            control->onCommand();
            break;
        case DLG_SCROLL:
            control->onScroll();
            break;
        default:
            break;
        }
    }
    int result = handleMessage();
    --receiveDepth;

    if (nested) {
        message = savedMessage;
        wParam = savedWParam;
        lParam = savedLParam;
        event = savedEvent;
        currentControl = savedGeneration == controlsGeneration ? savedControl : nullptr;
    }
    return result;
}
