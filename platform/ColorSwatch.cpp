#include "platform/ColorSwatch.h"

#include <new>

#include "platform/ColorDialog.h"
#include "platform/DeviceContext.h"

void ColorSwatch::setColour(const RgbColor* newColour)
{
    if (newColour)
        colour.assign(*newColour);
}

void ColorSwatch::setSource(ColorDialog* dialog)
{
    source = dialog;
    if (source)
        colour.assign(*source);
}

int ColorSwatch::chooseColour()
{
    HWND chooserOwner = ownerWindow();
    if (source) {
        int chosen = source->choose(chooserOwner);
        colour.assign(*source);
        return chosen;
    }
    // The chooser derives the inks of the chosen colour in the swatch's own colour model.
    ColorDialog* chooser = new (std::nothrow) ColorDialog;
    if (!chooser)
        return 0;
    chooser->copyAll(colour);
    int chosen = chooser->choose(chooserOwner);
    colour.assign(*chooser);
    delete chooser;
    return chosen;
}

void ColorSwatch::repaint()
{
    if (source)
        colour.assign(*source);
    if (ControlDrawing drawing{*this})
        drawing.dc().fillRect(colour, clientRect);
}
