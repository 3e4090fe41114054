#pragma once
// The X and Y offset fields that the print and the PDF settings share ("横X(→)移動量" and
// "縦Y(↓)移動量"), in paper millimetres.
class Dialog;

namespace offset_fields {

// 1 when the output can take the offset, as the tools' dialogs take a point: one farther out
// would put the drawing off every page, and the drawing file has no text for the largest; 0 for
// no finite number too.
[[nodiscard]] bool fits(double offset);
// The offsets the fields hold. A field without a number (emptied, "abc") gives its kept offset:
// read as 0, it would move the output there.
void read(Dialog& dialog, int idX, int idY, double keptX, double keptY, double& x, double& y);
// Both fields read into keptX and keptY when both fit (1). Otherwise neither is taken, a field
// that does not fit shows its kept offset again, the user is told which, and 0.
[[nodiscard]] int take(Dialog& dialog, int idX, int idY, double& keptX, double& keptY);

} // namespace offset_fields
