#pragma once

class Dialog;
class DrawPoint;

// The number fields of the property pages. A page shows each value when it is loaded; storing it
// takes a field's number only when the user changed the field's text since, and only when that
// text is one finite number (blanks around it allowed) within the field's bounds. So an untouched
// field leaves the stored value exactly as it was (not the value rounded to the decimals shown).
// A real-number field holding anything else (text, "NaN", a number out of bounds) leaves the value
// unchanged and keeps its text; the first such field of a store is named to the user with its
// bounds and gets the focus, and a tabbed dialog stays on the page
// (TabbedPageDialog::storeShownPage). The integer fields (tints, numbers of decimals) do the same
// with any text that is not wholly one number within their bounds (a leading '+' allowed), however
// many digits it has, never taking its leading digits; an emptied one keeps the value.
namespace property_fields {

// Bounds of the values typed: widths and pitches in millimetres, tints in percent, angles in
// degrees. Coordinates and corner radii are bounded by the caller's coordinate limit.
constexpr double kMaxLineWidth = 1000.0;
constexpr double kMinPitch = 0.001;
constexpr double kMaxPitch = 1000.0;
constexpr double kMaxAngle = 1.0e6;
constexpr double kMinRadius = 0.0001;

// 1 and the number when the real-number field was edited into a number within [low, high]; 0
// for an untouched or missing field, or one refused as above. A number taken becomes the field's
// stored value.
[[nodiscard]] int takeReal(Dialog& dialog, int id, double low, double high, double& value);
// The same for an integer field, read by IntegerEdit::readIntInRange.
[[nodiscard]] int takeInt(Dialog& dialog, int id, int low, int high, int& value);
// 1 when the field holds one number that differs from the value it was last given; nothing is
// taken (the batch pages tick an attribute by it while the user types).
[[nodiscard]] int realDiffers(Dialog& dialog, int id);
[[nodiscard]] int intDiffers(Dialog& dialog, int id);

// A point's x and y as the dialog shows them (from the grid origin, in the grid's units, y along
// the paper's axis), and the grid units' names in the two labels (ids of 0 are skipped).
void showPoint(Dialog& dialog, const DrawPoint& point, int xId, int yId, int xUnitId, int yUnitId);
// Each coordinate taken only as above and when within `limit` drawing units of the grid origin.
void takePoint(Dialog& dialog, DrawPoint& point, int xId, int yId, double limit);
// The same without the grid origin and the paper's axis: x and y as stored, only in the grid's
// units (the angle dimension's points).
void showInGridUnits(Dialog& dialog, const DrawPoint& point, int xId, int yId, int xUnitId, int yUnitId);
void takeInGridUnits(Dialog& dialog, DrawPoint& point, int xId, int yId, double limit);
// A length (a corner radius) in the grid's x unit, converted through the point `units` lends.
void showLength(Dialog& dialog, int id, const DrawPoint& units, double length);
// 1 and the length in drawing units when taken as above, within `limit` drawing units either side
// of 0: a negative corner radius cuts a notch centred on the corner instead of rounding it off.
[[nodiscard]] int takeLength(Dialog& dialog, int id, const DrawPoint& units, double limit, double& length);

} // namespace property_fields
