#pragma once
#include "platform/RgbColor.h"

class Dialog;
class SettingsFile;

// How a picked element shows: its handles, the element in the pick colour, or its point marks.
// The number is the enclose mode that chooses it.
enum class PickStyle { Handles = 1, Colour = 2, Marks = 3 };

// The select tool's preferences of the application: how a selection rectangle picks elements
// and the colour picked elements are marked in. Enclose mode 1 (WHOLE, "全体を囲む") picks the
// elements the rectangle encloses whole, 2 (PART, "一部を囲む") those it encloses in part; 3 is
// kept as a part mode too (it shows and is written as PART). Holding Shift during the drag swaps
// the two. The mode in force (activeMode) follows the chosen mode when it is activated.
class PickSettings {
public:
    enum { kWhole = 1, kPart = 2 };

    // reset, then activateEncloseMode.
    PickSettings();

    // Mode 1 and cyan (0, 255, 255).
    void reset();
    void activateEncloseMode() { activeMode = encloseMode; }
    void setColor(const RgbColor& color) { pickColour.assign(color); }
    // The chosen mode and the colour; null does nothing.
    void copyFrom(const PickSettings* other);

    // "WHOLE" for 1, "PART" for 2 and 3, "" otherwise (at most size - 1 bytes).
    static void modeKeyword(int mode, char* out, int size);
    // Tries 1, then 2: 1 and the mode set on an exact match; 0 and nothing changed otherwise.
    [[nodiscard]] int parseModeKeyword(const char* text);

    // The combo box of the two mode texts, positions counted from 1; 0 without such a control.
    [[nodiscard]] int fillModeList(Dialog* dialog, int id) const;
    [[nodiscard]] int modeToList(Dialog* dialog, int id) const;
    // The chosen position becomes the mode; no choice (or none of the two) changes nothing.
    [[nodiscard]] int modeFromList(Dialog* dialog, int id);
    // The names of the drawing-environment dialog.
    [[nodiscard]] int writeModeToControl(Dialog* dialog, int id) const { return modeToList(dialog, id); }
    [[nodiscard]] int readModeFromControl(Dialog* dialog, int id) { return modeFromList(dialog, id); }

    // The quoted mode keyword of the key just read (a text that is not one fails the read and
    // changes nothing), and key, "=", the quoted keyword, line end.
    [[nodiscard]] int readModeSetting(SettingsFile& file);
    [[nodiscard]] int writeModeSetting(SettingsFile& file, int key) const;

    // How a picked element shows, read from the chosen enclose mode (a mode of no style answers
    // none of the three).
    [[nodiscard]] PickStyle pickStyle() const { return static_cast<PickStyle>(encloseMode); }

    int encloseMode = kWhole;
    int activeMode = kWhole;
    RgbColor pickColour;
};

// The application's pick settings; null until start-up makes them, and every reader tests it.
extern PickSettings* thePickSettings;
