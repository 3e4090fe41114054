#pragma once

// Start-up: the element kinds' property dialog makers (line, breakline, spline, arc, circle, oval,
// box, polygon, Bezier curve, text, leader text, the four dimensions, bitmap and picture) and the
// drawings' PropertyDialogPlacement factory.
void installPropertyDialogs();
