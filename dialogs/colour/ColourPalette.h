#pragma once

class Control;

// The fixed palette of the colour dialog: 20 columns by 13 rows of RGB colours. Rows 0 to 11 run
// through the hues, each channel growing with the column by its row's factor (a negative factor
// gives a channel that starts later and climbs in steps of 25); row 12 is a gray ramp from black
// to white.
class ColourPalette {
public:
    static constexpr int kColumns = 20;
    static constexpr int kRows = 13;

    ColourPalette() { fill(); }

    void fill();
    // The colour of a cell; 0 for a cell outside the grid.
    [[nodiscard]] int colourAt(int column, int row, int& red, int& green, int& blue) const;

    // The cells spread evenly over the control's client area, each filled with its colour.
    void draw(Control& control) const;
    // The cell under the cursor; 0 when the cursor lies outside the control.
    [[nodiscard]] int cellAtCursor(Control& control, int& column, int& row) const;

    int columns = kColumns;
    int rows = kRows;
    int red[kColumns * kRows] = {};
    int green[kColumns * kRows] = {};
    int blue[kColumns * kRows] = {};
};
