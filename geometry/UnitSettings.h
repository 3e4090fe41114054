#pragma once
#include "platform/UnitConverter.h"

class Control;
class Dialog;
class ElementRecordBuffer;
class SettingsFile;
class XmlContext;

// The unit choice that a length shown to the user goes through: the grid's pitch (one per axis),
// the dimension numerals (length and angle units), the status bar and the dialogs. Over the
// class library's converter it keeps the unit chosen, the units the user may choose from (in the
// order the lists show them) and a suffix label per unit that the user may edit.
//
// Unit ids, as files and records store them: 1 "ミリ" (MIRI), 2 "インチ" (INCHI), 3 "級" (KYU, a
// quarter millimetre), 4 "ポイント" (POINT), 5 "ミクロン" (MICRON), 6 "センチ" (CENTI), 7 "メートル"
// (METRE), 8 "度" (DEGREE, the angle unit; no length, the converter passes it through).
//
// A label keeps at most 19 bytes, cut before a character that would not fit whole, and never
// holds '"', CR or LF (they would break the quoted texts of the drawing and settings files):
// every setter drops them, so labels read from files and typed alike are stored so.
class UnitSettings : public UnitConverter {
public:
    enum { degree = 8 };
    static constexpr int kUnitCount = 8;
    // A label's slot: 19 bytes and the terminator.
    static constexpr int kLabelSize = 20;
    static constexpr int kMaxChoices = 21;
    // Unit keywords and labels read from the drawing and settings files keep at most 79 bytes
    // before they are looked up or cut to a label.
    static constexpr int kTextSize = 80;

    // Settings keys: the unit keys of the grid's axes and of the dimension defaults, and the
    // label keys "MIRITEXT" .. "METRETEXT" (units 1..7) and "DEGREETEXT" (unit 8).
    enum SettingsKey {
        kGridXUnitKey = 15042,   // "GRIDYOKOUNIT"
        kGridYUnitKey = 15045,   // "GRIDTATEUNIT"
        kMeasureUnitKey = 15425, // "MSRUNIT"
        kAngleUnitKey = 15426,   // "KDOUNIT"
        kFirstLabelKey = 15431,  // "MIRITEXT"; unit n is kFirstLabelKey + n - 1
        kDegreeLabelKey = 15438, // "DEGREETEXT"
    };

    UnitSettings();

    // --- names ---
    // The display name ("" outside 1..8) and the file keyword (null outside 1..8) of a unit.
    [[nodiscard]] static const char* displayNameOf(int unit);
    [[nodiscard]] static const char* keywordOf(int unit);
    // The same into a buffer; 0 (and "") for ids outside 1..8.
    [[nodiscard]] static int unitDisplayName(int unit, char* out, int size);
    [[nodiscard]] static int unitKeyword(int unit, char* out, int size);
    // The unit of an exact keyword; 0 and id unchanged for any other text.
    [[nodiscard]] static int parseUnitKeyword(const char* text, int& unit);

    // --- the current unit ---
    [[nodiscard]] int unit() const { return currentUnit; }
    // 1..8; 0 and nothing changed for another id.
    [[nodiscard]] int setUnit(int unit);

    // --- labels ---
    // By index 0..7 (unit - 1) and by unit 1..8; 0 and nothing changed outside. labelAt answers
    // "" outside. label copies at most size - 1 bytes (a whole label fits kLabelSize).
    [[nodiscard]] int setLabelAt(int index, const char* text);
    [[nodiscard]] const char* labelAt(int index) const;
    [[nodiscard]] int setLabel(int unit, const char* text);
    [[nodiscard]] int label(int unit, char* out, int size) const;
    [[nodiscard]] int setCurrentLabel(const char* text) { return setLabel(currentUnit, text); }
    [[nodiscard]] int currentLabel(char* out, int size) const { return label(currentUnit, out, size); }
    // The names the element piece calls them by.
    [[nodiscard]] int getCurrentLabel(char* out, int size) const { return currentLabel(out, size); }
    [[nodiscard]] int getLabel(int unit, char* out, int size) const { return label(unit, out, size); }

    // The current unit, the eight labels and the choices (null does nothing).
    void copyFrom(const UnitSettings* other);

    // --- element records: the current unit as a 32-bit integer ---
    [[nodiscard]] int writeRecord(ElementRecordBuffer& buffer) const;
    // 0 when the record ends first or holds no unit id 1..8 (the unit stays).
    [[nodiscard]] int readRecord(ElementRecordBuffer& buffer);

    // --- the units offered ---
    // [1] (the constructor's), [1], [5, 1, 6, 7], [1, 2, 3, 4], and [8] with the current unit 8.
    void setSingleChoice();
    void setMillimetreChoice();
    void setLengthChoices();
    void setPrintChoices();
    void setDegreeChoice();
    [[nodiscard]] int choiceCount() const { return choices; }
    // The unit at position i, -1 outside 0..choiceCount - 1.
    [[nodiscard]] int choiceAt(int i) const;
    // Its display name; 0 (and "") outside.
    [[nodiscard]] int choiceName(int i, char* out, int size) const;
    // The first position of the unit, -1 when it is not offered.
    [[nodiscard]] int indexOfChoice(int unit) const;

    // --- dialog glue (list positions count from 1) ---
    // Each answers 0 when the dialog has no control with the id.
    // The display names of the choices in order, then the current unit selected (when offered).
    [[nodiscard]] int fillCombo(Dialog* dialog, int id);
    // The current unit from the selection; no selection leaves it.
    [[nodiscard]] int readCombo(Dialog* dialog, int id);
    // 0 also when the current unit is not offered.
    [[nodiscard]] int selectCurrentInList(Dialog* dialog, int id);
    // The control's text: the current unit's display name.
    [[nodiscard]] int showUnitName(Dialog* dialog, int id) const;
    // The same on a list control, as the element piece calls them (fillList, readListSelection).
    [[nodiscard]] int fillList(Control* list);
    [[nodiscard]] int readListSelection(Control* list);
    [[nodiscard]] int selectCurrentInList(Control* list);

    // --- the drawing file, through xmlContext (set by the owner before the call) ---
    // The tag just opened: "unit" (and "angleUnit", under which the angle unit is written) takes a
    // unit keyword (another text leaves the unit); "miriText" .. "degreeText" take the label of
    // units 1..8; both read their closing tag. Any other tag's line is skipped. 0 without a
    // context or when the file could not be read.
    [[nodiscard]] int readXml(int tag);
    // The current unit's keyword as a string tag with this id.
    [[nodiscard]] int writeXmlUnit(int tag);
    // The label of each offered unit, in choice order, under its label tag; 0 at the first
    // failed write (or a choice that is no unit).
    [[nodiscard]] int writeXmlLabels(XmlContext* writer);

    // --- the settings file ---
    // The key just read: a unit key takes a keyword (another text fails the read: 0); a label
    // key takes the label of its unit; any other key answers 1 and changes nothing.
    [[nodiscard]] int readSetting(SettingsFile& file);
    // key="KEYWORD"
    [[nodiscard]] int writeUnitSetting(SettingsFile& file, int key) const;
    // "MIRITEXT" .. "METRETEXT", each with its quoted label; the degree label on its own.
    [[nodiscard]] int writeLabelSettings(SettingsFile& file) const;
    [[nodiscard]] int writeDegreeLabelSetting(SettingsFile& file) const;

    int currentUnit = 1;
    // 1 as constructed; kept for the owners that read it.
    int flag = 1;
    XmlContext* xmlContext = nullptr; // not owned; the file of one read or write

private:
    void setChoices(const int* units, int count);
    [[nodiscard]] int writeLabelSetting(SettingsFile& file, int unit) const;

    char labels[kUnitCount][kLabelSize];
    int choices = 0;
    int choiceList[kMaxChoices] = {};
};
