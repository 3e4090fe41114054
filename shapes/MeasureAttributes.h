#pragma once
#include "geometry/DrawSwitch.h"
#include "geometry/EntityAttribute.h"
#include "geometry/InkColor.h"
#include "geometry/UnitSettings.h"

class Dialog;
class DrawingOwner;
class ElementRecordBuffer;
class RgbColor;
class SettingsFile;
class XmlContext;

// How the four dimension kinds write their measured value: decimals, unit and suffix label,
// colour, where the numeral stands (1 CENTER in the middle of the dimension line, 2 FREE at a
// point the user chose), which direction a length is measured in (1 RIGHT, 2 HORIZONTAL,
// 3 VERTICAL, 4 FREE) and the gap between numeral and dimension line (`space`, paper
// millimetres; "下線との隙間" in the dialogs). The same values are the numeral part of the
// dimension defaults, of their header section in the drawing file and of the settings section
// SETMEASURE.
//
// Decimals are 0..50: every reader (file, record, settings, dialog) ignores another value and
// keeps the one it had. The length unit offers micron, mm, cm and metre; the angle unit degrees.
// All parts are held by value; copies share nothing.
class MeasureAttributes : public EntityAttribute {
public:
    enum NumeralPosition { kCentre = 1, kFree = 2 };
    enum Direction { kRight = 1, kHorizontal = 2, kVertical = 3, kFreeDirection = 4 };
    static constexpr int kMaxDecimals = 50;
    enum SettingsKey {
        kDecimalsKey = 15423,     // "DECIMALNUM"
        kPositionKey = 15424,     // "NUMERALPOS"
        kUnitDisplayKey = 15427,  // "UNITDISP"
        kDirectionKey = 15428,    // "ANGLETYPE"
        kSpaceKey = 15429,        // "NUMERALSPACE"
    };

    MeasureAttributes();

    // Both units whole (unit, labels, choices), the switch, decimals, space, position, direction
    // and colour; the owner and the file link stay. Null does nothing.
    void assign(const MeasureAttributes* other);

    // --- values ---
    [[nodiscard]] int lengthUnitId() const { return lengthUnit.unit(); }
    // The current unit's suffix label, or unit n's (1..8; 0 and nothing outside).
    [[nodiscard]] int lengthLabel(char* out, int size) const { return lengthUnit.currentLabel(out, size); }
    [[nodiscard]] int angleLabel(char* out, int size) const { return angleUnit.currentLabel(out, size); }
    [[nodiscard]] int lengthLabelOf(int n, char* out, int size) const { return lengthUnit.label(n, out, size); }
    [[nodiscard]] int angleLabelOf(int n, char* out, int size) const { return angleUnit.label(n, out, size); }
    // The gap in drawing units (times the owner's scale denominator over numerator).
    [[nodiscard]] double scaledSpace() const;

    void setCentredNumeral() { numeralPosition = kCentre; }
    [[nodiscard]] int setLengthUnit(int id) { return lengthUnit.setUnit(id); }
    void setUnitDisplay(int on) { unitDisplay.value = on ? 1 : 0; }
    // At most 19 bytes, cut at a character boundary.
    [[nodiscard]] int setLengthLabel(const char* text) { return lengthUnit.setCurrentLabel(text); }
    [[nodiscard]] int setAngleLabel(const char* text) { return angleUnit.setCurrentLabel(text); }
    // RGB and inks of the colour; its model and ink choice stay.
    void setNumeralColour(const RgbColor& rgb);
    // 0 and nothing changed outside 0..50.
    [[nodiscard]] int setDecimals(int n);

    // With bit value 1 of flags, space times factor, kept only strictly between 0.001 and 100.
    void scale(double factor, int flags);

    // Mode 1 appends, mode 3 reads: decimals, position, length unit int32; the switch int16;
    // direction int32; space double; the colour's record; then the angle unit int32 and the
    // sixteen labels (length unit's 1..8, angle unit's 1..8), each a byte count (0..19) and its
    // bytes. A read that runs short or holds a corrupt unit or label changes nothing and answers
    // 0. Other modes 0.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // --- dialog glue: each answers 0 when the dialog has no control with the id ---
    [[nodiscard]] int showDecimals(Dialog* dialog, int id) const;
    [[nodiscard]] int takeDecimals(Dialog* dialog, int id);
    // "中央", "任意"; position = value.
    [[nodiscard]] int fillNumeralPositionList(Dialog* dialog, int id) const;
    [[nodiscard]] int showNumeralPosition(Dialog* dialog, int id) const;
    [[nodiscard]] int takeNumeralPosition(Dialog* dialog, int id);
    [[nodiscard]] int showLengthUnits(Dialog* dialog, int id) { return lengthUnit.fillCombo(dialog, id); }
    [[nodiscard]] int selectLengthUnit(Dialog* dialog, int id) { return lengthUnit.selectCurrentInList(dialog, id); }
    [[nodiscard]] int takeLengthUnit(Dialog* dialog, int id) { return lengthUnit.readCombo(dialog, id); }
    [[nodiscard]] int showAngleUnits(Dialog* dialog, int id) { return angleUnit.fillCombo(dialog, id); }
    [[nodiscard]] int selectAngleUnit(Dialog* dialog, int id) { return angleUnit.selectCurrentInList(dialog, id); }
    [[nodiscard]] int takeAngleUnit(Dialog* dialog, int id) { return angleUnit.readCombo(dialog, id); }
    [[nodiscard]] int showUnitDisplay(Dialog* dialog, int id) const { return unitDisplay.toCheckBox(dialog, id); }
    [[nodiscard]] int takeUnitDisplay(Dialog* dialog, int id) { return unitDisplay.fromCheckBox(dialog, id); }
    // The current unit's label in a text field (at most 19 bytes taken back).
    [[nodiscard]] int showLengthLabel(Dialog* dialog, int id) const { return showLabel(lengthUnit, dialog, id); }
    [[nodiscard]] int takeLengthLabel(Dialog* dialog, int id) { return takeLabel(lengthUnit, dialog, id); }
    [[nodiscard]] int showAngleLabel(Dialog* dialog, int id) const { return showLabel(angleUnit, dialog, id); }
    [[nodiscard]] int takeAngleLabel(Dialog* dialog, int id) { return takeLabel(angleUnit, dialog, id); }
    [[nodiscard]] int showSpace(Dialog* dialog, int id) const;
    [[nodiscard]] int takeSpace(Dialog* dialog, int id);

    // --- the drawing file ---
    // The "numeral" block whose opening tag was just read, up to endTag. A position or direction
    // keyword not in its table is a data error of its tag (the value stays, the block reads on).
    [[nodiscard]] int readXml(int endTag);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;
    // As a dimension writes it: the document's attribute holder takes a copy and writes the block
    // with "unit" (unitMode 1) or "angleUnit" (unitMode 2); the writer's current colour is reset
    // to white whatever the result. 0 without a holder or at the first failed write.
    [[nodiscard]] int writeElementXml(XmlContext* context, int unitMode);
    // The defaults form of the file header: both units and the labels of both choice lists.
    [[nodiscard]] int writeXml(XmlContext* context);

    // --- the settings file ---
    // The key just read (15423..15438); any other key answers 1 untouched. A missing or
    // unreadable value, or a position or direction keyword not in its table, answers 0 and
    // changes nothing; decimals outside 0..50 are ignored.
    [[nodiscard]] int readSetting(SettingsFile& file);
    // One line per key in id order; 0 at the first failed write.
    [[nodiscard]] int writeSettings(SettingsFile& file) const;

    DrawingOwner* owner = nullptr; // not owned
    int decimals = 0;
    int numeralPosition = kCentre;
    UnitSettings lengthUnit;
    UnitSettings angleUnit;
    DrawSwitch unitDisplay;
    int direction = kRight;
    double space = 1.0;
    InkColor numeralColour;
    XmlContext* xmlContext = nullptr; // not owned; the file of one read or write

private:
    [[nodiscard]] int readXmlWith(XmlContext& d, int endTag);
    [[nodiscard]] int writeBlock(XmlContext& d, int unitMode);
    [[nodiscard]] static int showLabel(const UnitSettings& units, Dialog* dialog, int id);
    [[nodiscard]] static int takeLabel(UnitSettings& units, Dialog* dialog, int id);
};
