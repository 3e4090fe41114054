#pragma once
#include <windows.h>

#include "platform/Container.h"
#include "platform/DialogCheckBoxes.h"
#include "platform/DialogEvents.h"
#include "platform/GlobalBlock.h"

// A modal dialog made by the system from a dialog resource of the program. The object binds to
// its window at the first message that reaches it; every message becomes a dialog event code
// (DialogEvents.h), goes to the control it is about, and then to handleMessage, the one handler
// a dialog class overrides.
//
// At event 901 a dialog class declares the controls it talks to with addControl (id, kind),
// calls attachControls and fills them through the forwarders (setDouble, setText, setCheck ...);
// on OK it reads them back. The dialog owns its control objects.
class Dialog : public Container, public DialogCheckBoxes {
public:
    Dialog();
    ~Dialog() override;

    // The dialog's answer to the current event: 1 handled, 0 default dialog processing, a negative
    // value leaves the message to the system. The default ends the dialog when the event is about
    // a declared control with id 1 (OK) or 2 (Cancel).
    [[nodiscard]] virtual int handleMessage();

    // Declaring. Id 0 is refused (0). The second form declares an object the dialog class made
    // itself (a kind with hooks of its own); the dialog owns it from then on, also when refused.
    [[nodiscard]] int addControl(int controlId, int controlKind);
    [[nodiscard]] int addControl(Control* control, int controlId, int controlKind);
    // The first control in declaration order with the id; null for id 0 or none.
    [[nodiscard]] Control* findControl(int controlId);
    [[nodiscard]] Control* getControl(int controlId) { return findControl(controlId); }
    [[nodiscard]] Control* findControlByWindow(HWND item);
    void attachControls();
    void refreshControls();
    void destroyControls();
    [[nodiscard]] int controlCount() const { return controls.count; }
    // Walks the controls in declaration order; iterations over one dialog do not nest.
    void beginControlIteration();
    [[nodiscard]] Control* nextControl();
    void endControlIteration();

    // Forwarders by id: each does nothing and returns 0 (or the default) when no control has
    // the id. They hide the control operations of the same names, which a dialog never uses on
    // itself.
    int setCheck(int controlId, int flag);
    [[nodiscard]] int isChecked(int controlId, int defaultValue);
    int setDouble(int controlId, double value);
    // Reads the field and keeps the value in it.
    [[nodiscard]] double getDouble(int controlId, double defaultValue);
    [[nodiscard]] double getDoubleEx(int controlId, double defaultValue, int* changed);
    // Whether the field's text holds a number (Control::holdsNumber); 0 without the control.
    [[nodiscard]] int holdsNumber(int controlId);
    int setText(int controlId, const char* text);
    [[nodiscard]] int getText(int controlId, char* buffer, int size);
    int enableControl(int controlId, int flag);
    int setInt(int controlId, int value);
    [[nodiscard]] int getInt(int controlId, int defaultValue);
    [[nodiscard]] int getIntEx(int controlId, int defaultValue, int* changed);
    // An integer field that takes low..high (Control::readIntInRange): 1 with its number in
    // `value`; 0 when it is empty (or there is no such field), the value untouched; -1 for a
    // text that is not wholly one number within the range, which is never read as its leading
    // digits nor brought to the nearest number: the field is named to the user with its range
    // (refuseFieldNumber) and keeps its text, the value untouched.
    [[nodiscard]] int takeInt(int controlId, int low, int high, int& value);
    int checkRadio(int controlId);
    int uncheckRadio(int controlId);
    // The item text of control `controlId` (a dialog is never a list itself).
    int setItemText(int controlId, const char* text) override;
    // The edit field shows the value; the up-down control gets the range and the field as buddy.
    int setupUpDown(int editId, int upDownId, int value, int low, int high);

    // DialogCheckBoxes
    int setCheckById(int controlId, int checked) override;
    [[nodiscard]] int getCheckById(int controlId, int* checked) override;

    // The message being handled.
    [[nodiscard]] WPARAM getWParam() const { return wParam; }
    [[nodiscard]] int getCommandId() const { return LOWORD(wParam); }
    [[nodiscard]] int getNotifyCode() const { return HIWORD(wParam); }
    [[nodiscard]] LPARAM getLParam() const { return lParam; }

    // At most 79 bytes; shown at WM_INITDIALOG. An empty caption keeps the resource's own.
    void setCaption(const char* text);
    void applyCaption();
    // The input-method mode of the control that took the focus last (dialogs call it at 903).
    void applyControlImeMode();
    // Makes the control the one the dialog ends with (see end).
    void setCurrentControlById(int controlId);

    // DialogBoxParamA of the resource over ownerHwnd (else the application's main window); the
    // value given to EndDialog, -1 when the dialog could not be made.
    [[nodiscard]] int runModal(int resourceId);
    // Remembers the position, then EndDialog with the current control's id, or 2 without one.
    void end();

    void registerDialog();
    void unregisterDialog();

    // The pre-handler of every event that has a current control: a scroll-bar control gets the
    // scroll code and thumb position of the message.
    void onScroll() override;

    // One dialog message: binds the window, translates the message, hands the event to its
    // control and then to handleMessage; returns handleMessage's answer.
    [[nodiscard]] int receive(HWND window, UINT newMessage, WPARAM newWParam, LPARAM newLParam);
    // The dialog event of a message; also remembers the control a command or click is about.
    [[nodiscard]] int translateMessage(UINT newMessage, WPARAM newWParam, LPARAM newLParam);

    int serial = 0;
    char caption[80] = {};
    int currentControlId = -1;
    int lastCommandId = 0;
    GlobalBlock controls;      // Control pointers, declaration order
    Control** iterationData = nullptr;
    int iterationIndex = 0;
    int event = 0;
    Control* currentControl = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;

protected:
    [[nodiscard]] Control* controlAt(int index);
    // Prepares a new run: the window of an earlier run is forgotten. 0 when the registry does not
    // hold the dialog: its messages could not reach it, and a modal dialog could not even end.
    [[nodiscard]] int beginRun();

private:
    void rememberCommand(int controlId);
    // Counts the times the controls were destroyed, and the messages being received.
    int controlsGeneration = 0;
    int receiveDepth = 0;
    [[nodiscard]] Control* controlUnderCursor();
};
