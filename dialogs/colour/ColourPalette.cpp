#include "dialogs/colour/ColourPalette.h"

#include "platform/Control.h"
#include "platform/DeviceContext.h"
#include "platform/Window.h"

namespace {

// Per row: the red, green and blue factors of the hue rows.
const int kFactors[ColourPalette::kRows - 1][3] = {
    {25, -11, -11}, {25, -11, 12}, {25, -11, 25}, {12, -11, 25}, {-11, -11, 25}, {-11, 12, 25},
    {-11, 25, 25},  {-11, 25, 12}, {-11, 25, -11}, {12, 25, -11}, {25, 25, -11}, {25, 12, -11},
};

int minOf(int a, int b) { return a < b ? a : b; }
int maxOf(int a, int b) { return a > b ? a : b; }

int channel(int factor, int column)
{
    if (factor >= 0)
        return minOf(factor * column, 255);
    return minOf(maxOf(factor + column, 0) * 25, 255);
}

// The gray ramp's value at a column: 0, nine steps of 14, nine of 13, then 255.
int gray(int column)
{
    if (column <= 9)
        return column * 14;
    if (column <= 18)
        return 126 + (column - 9) * 13;
    return 255;
}

} // namespace

void ColourPalette::fill()
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int i = row * kColumns + column;
            if (row < kRows - 1) {
                red[i] = channel(kFactors[row][0], column);
                green[i] = channel(kFactors[row][1], column);
                blue[i] = channel(kFactors[row][2], column);
            } else {
                red[i] = green[i] = blue[i] = gray(column);
            }
        }
    }
}

int ColourPalette::colourAt(int column, int row, int& r, int& g, int& b) const
{
    if (column < 0 || column >= columns || row < 0 || row >= rows)
        return 0;
    const int i = row * kColumns + column;
    r = red[i];
    g = green[i];
    b = blue[i];
    return 1;
}

void ColourPalette::draw(Control& control) const
{
    ControlDrawing drawing(control);
    if (!drawing)
        return;
    const IntRect area = control.getClientRect();
    const int w = area.width();
    const int h = area.height();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int i = row * kColumns + column;
            const IntRect cell = IntRect::fromEdges(area.left + column * w / columns, area.top + row * h / rows,
                                                    area.left + (column + 1) * w / columns,
                                                    area.top + (row + 1) * h / rows);
            drawing.dc().fillRect(RgbColor(red[i], green[i], blue[i]), cell);
        }
    }
}

int ColourPalette::cellAtCursor(Control& control, int& column, int& row) const
{
    if (!control.isAttached())
        return 0;
    const IntRect area = control.getClientRect();
    const IntPoint p = control.cursorPos();
    if (p.x < area.left || p.x >= area.right || p.y < area.top || p.y >= area.bottom)
        return 0;
    column = (p.x - area.left) * columns / area.width();
    row = (p.y - area.top) * rows / area.height();
    return 1;
}
