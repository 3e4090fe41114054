// The dialog's operations by control id: each finds the first control with the id and hands the
// call to it.
#include "platform/Dialog.h"

#include "platform/EditControls.h"

int Dialog::setCheck(int controlId, int flag)
{
    Control* control = findControl(controlId);
    return control ? control->setCheck(flag) : 0;
}

int Dialog::isChecked(int controlId, int defaultValue)
{
    Control* control = findControl(controlId);
    return control ? control->isChecked() : defaultValue;
}

int Dialog::setDouble(int controlId, double value)
{
    Control* control = findControl(controlId);
    return control ? control->setDouble(value) : 0;
}

double Dialog::getDouble(int controlId, double defaultValue)
{
    Control* control = findControl(controlId);
    int changed = 0;
    return control ? control->getDouble(&changed, 1) : defaultValue;
}

double Dialog::getDoubleEx(int controlId, double defaultValue, int* changed)
{
    int ignored = 0;
    if (!changed)
        changed = &ignored;
    Control* control = findControl(controlId);
    if (!control) {
        *changed = 0;
        return defaultValue;
    }
    return control->getDouble(changed, 1);
}

int Dialog::holdsNumber(int controlId)
{
    Control* control = findControl(controlId);
    return control ? control->holdsNumber() : 0;
}

int Dialog::setText(int controlId, const char* text)
{
    Control* control = findControl(controlId);
    return control ? control->setText(text) : 0;
}

int Dialog::getText(int controlId, char* buffer, int size)
{
    Control* control = findControl(controlId);
    if (!control) {
        if (buffer && size > 0)
            buffer[0] = 0;
        return 0;
    }
    return control->getText(buffer, size);
}

int Dialog::enableControl(int controlId, int flag)
{
    Control* control = findControl(controlId);
    if (!control)
        return 0;
    control->setEnabled(flag);
    return 1;
}

int Dialog::setInt(int controlId, int value)
{
    Control* control = findControl(controlId);
    return control ? control->setInt(value) : 0;
}

int Dialog::getInt(int controlId, int defaultValue)
{
    int changed = 0;
    return getIntEx(controlId, defaultValue, &changed);
}

int Dialog::getIntEx(int controlId, int defaultValue, int* changed)
{
    int ignored = 0;
    if (!changed)
        changed = &ignored;
    Control* control = findControl(controlId);
    if (!control) {
        *changed = 0;
        return defaultValue;
    }
    return control->getInt(changed);
}

int Dialog::takeInt(int controlId, int low, int high, int& value)
{
    Control* control = findControl(controlId);
    if (!control)
        return 0;
    const int judged = control->readIntInRange(low, high, value);
    if (judged < 0)
        refuseFieldNumber(*control, low, high);
    return judged;
}

int Dialog::checkRadio(int controlId)
{
    Control* control = findControl(controlId);
    return control ? control->check() : 0;
}

int Dialog::uncheckRadio(int controlId)
{
    Control* control = findControl(controlId);
    return control ? control->uncheck() : 0;
}

int Dialog::setItemText(int controlId, const char* text)
{
    Control* control = findControl(controlId);
    return control ? control->Control::setItemText(text) : 0;
}

int Dialog::setupUpDown(int editId, int upDownId, int value, int low, int high)
{
    Control* edit = findControl(editId);
    Control* upDown = findControl(upDownId);
    if (edit)
        edit->setInt(value);
    if (!upDown)
        return 0;
    upDown->setRange(low, high);
    upDown->setBuddy(edit);
    return 1;
}

int Dialog::setCheckById(int controlId, int checked)
{
    Control* control = findControl(controlId);
    if (!control)
        return 0;
    control->setCheck(checked);
    return 1;
}

int Dialog::getCheckById(int controlId, int* checked)
{
    Control* control = findControl(controlId);
    if (!control)
        return 0;
    if (checked)
        *checked = control->isChecked();
    return 1;
}
