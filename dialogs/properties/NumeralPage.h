#pragma once

class Dialog;
class MeasureAttributes;

// The fields of a numeral page ("数値"); 0 for a field the page lacks. A page shows the length
// unit, the angle unit or both, each with the text field of its label or without.
struct NumeralIds {
    int decimals = 0;                        // "小数点以下の桁数" (integer field)
    int lengthUnit = 0, lengthLabel = 0;     // "単 位" (list) and its label (text field)
    int angleUnit = 0, angleLabel = 0;
    int showUnit = 0;                        // "表示する" (check box)
    int position = 0;                        // "位 置" (list: "中央", "任意")
    int gap = 0;                             // "下線との隙間" (real field, millimetres)
};

// The numeral page of the dimensions' property dialogs and of the measure defaults' dialogs.
// Decimals are taken only within 0..50 (another number, or text, keeps the count and the field
// shows it again); the gap as one number within 0..1000 mm; a list with nothing chosen keeps its
// value. Each unit keeps its own label: choosing another unit in a list stores the label field
// into the unit shown so far and shows the new unit's (unitChosen).
namespace numeral_page {

void declare(Dialog& dialog, const NumeralIds& ids);
void load(Dialog& dialog, const NumeralIds& ids, MeasureAttributes& numeral);
// Decimals, position, units with their labels, the unit switch, the gap, in this order.
void store(Dialog& dialog, const NumeralIds& ids, MeasureAttributes& numeral);
// A selection change of list `id`: 1 when it is one of the unit lists (the unit and its label
// follow the choice), 0 for another control.
[[nodiscard]] int unitChosen(Dialog& dialog, const NumeralIds& ids, MeasureAttributes& numeral, int id);

} // namespace numeral_page
