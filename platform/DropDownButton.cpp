#include "platform/DropDownButton.h"

#include "platform/Bitmap.h"
#include "platform/DropDownList.h"
#include "platform/DeviceContext.h"
#include "resources/ids.h"

void DropDownButton::setTarget(Control* control) { target = dynamic_cast<DropDownList*>(control); }

void DropDownButton::refresh() { drawFace(IDB_DROP_DOWN_REST); }

void DropDownButton::press()
{
    if (!target)
        return;
    drawFace(IDB_DROP_DOWN_PRESSED);
    (void)target->openPopup(); // the drop-down shows what was chosen; the button only opens it
    drawFace(IDB_DROP_DOWN_REST);
}

void DropDownButton::drawFace(int bitmapId)
{
    ControlDrawing drawing(*this);
    Bitmap face;
    if (drawing)
        (void)face.drawResourceOn(bitmapId, drawing.dc().hdc, clientRect); // a missing bitmap draws nothing
}
