#include "geometry/IntValue.h"

IntValue::IntValue(DialogCheckBoxes* dialog, int id) : value(1)
{
    // Without the check box there is nothing to show; the value is 1 either way.
    (void)writeToControl(dialog, id);
}

int IntValue::writeToControl(DialogCheckBoxes* dialog, int id) const
{
    if (!dialog)
        return 0;
    return dialog->setCheckById(id, value) ? 1 : 0;
}

int IntValue::readFromControl(DialogCheckBoxes* dialog, int id)
{
    if (!dialog)
        return 0;
    int checked = 0;
    if (!dialog->getCheckById(id, &checked))
        return 0;
    value = checked;
    return 1;
}
