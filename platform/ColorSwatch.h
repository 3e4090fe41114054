#pragma once
#include "platform/Control.h"
#include "platform/RgbColor.h"

// Kind 2101: a dialog item filled with a colour; a click on it lets the dialog open the colour
// chooser (chooseColour, then repaint). With a source the swatch shows the colour of that shared
// colour chooser and chooses through it. Like the owner-drawn lists it paints outside WM_PAINT.
class ColorSwatch : public Control {
public:
    // The inks and the COLORREF are copied; the swatch keeps its own colour-model word.
    void setColour(const RgbColor* newColour) override;
    [[nodiscard]] RgbColor* getColour() override { return &colour; }
    // Follows the chooser (null for none) and takes its colour.
    void setSource(ColorDialog* dialog) override;
    // Runs the chooser, owned by the dialog's window, on the swatch's colour: the source's, or a
    // temporary one. The chooser's answer: 1 when a colour was chosen, else 0 (colour unchanged).
    [[nodiscard]] int chooseColour() override;
    // Takes the source's colour, then fills the item with the colour.
    void repaint() override;
    void refresh() override { repaint(); }

    RgbColor colour;
    ColorDialog* source = nullptr;   // shared, not owned
};
