#pragma once

// Tells the user that a change or an addition of elements was not made because the drawing's
// store refused an element: one of its values lay beyond what the drawing holds and its file can
// write (a coordinate moved or scaled too far). The code that ran the user's action calls it once,
// however many elements were refused; reading a file or undoing says nothing.
void showElementsRefused();
// The same for a value of a dialog that the elements stored could not follow (a drawing scale):
// the message names the field by its label first.
void showElementsRefused(const char* fieldLabel);
