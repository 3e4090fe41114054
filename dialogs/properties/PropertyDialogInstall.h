#pragma once

// Start-up: the element kinds' property dialog makers (line, breakline, spline, arc, circle, oval,
// box, polygon, Bezier curve) and the drawings' PropertyDialogPlacement factory.
void installPropertyDialogs();
