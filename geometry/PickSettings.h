#pragma once

// The select tool's preferences of the application: how a selection rectangle picks elements.
// Enclose mode 1 (WHOLE) picks the elements the rectangle encloses whole, 2 and 3 (PART) those it
// encloses in part; holding Shift during the drag swaps the two.
class PickSettings {
public:
    int encloseMode = 1;
};

// The application's pick settings; null until start-up makes them, and every reader tests it.
extern PickSettings* thePickSettings;
