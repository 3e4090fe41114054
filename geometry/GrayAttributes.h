#pragma once

class Dialog;
class XmlContext;
class ElementRecordBuffer;

// The screen of a fill: none, a flat tint or a gradation, with the halftone ruling and the four
// plate screen angles of print output. Tints are fractions 0..1 of full ink.
//   kind   0 "NONE" なし, 1 "FLAT" 平網, 2 "GRADATION" グラデーション
//   vector 1 "LEFT2RIGHT" 左→右, 2 "RIGHT2LEFT" 右→左, 3 "TOP2BOTTOM" 上→下, 4 "BOTTOM2TOP" 下→上
// Drawing-file block "halfTone", written only for FLAT and GRADATION.
class GrayAttributes {
public:
    enum Kind { kNone = 0, kFlat = 1, kGradation = 2 };
    // The fields assignSelected copies, by index of its flags.
    enum Field { kKindField, kStartField, kEndField, kVectorField, kCutsField, kSensuuField, kAngleCField,
                 kAngleMField, kAngleYField, kAngleKField, kFieldCount };

    // Each field whose flag is set (flags indexed by Field); null does nothing.
    void assignSelected(const GrayAttributes* other, const int flags[kFieldCount]);
    void assign(const GrayAttributes* other);
    void setDefaults() { *this = GrayAttributes(); }

    // Record image: kind, vector, cuts (int32); startGray, endGray (doubles); sensuu (int32);
    // the angles C, M, Y, K (doubles).
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // Lists (combo boxes): kind at position kind + 1, vector at position vector. A position
    // outside the table leaves the field. 0 when the dialog has no such control.
    [[nodiscard]] int fillKindList(Dialog* dialog, int id);
    [[nodiscard]] int kindToList(Dialog* dialog, int id);
    [[nodiscard]] int kindFromList(Dialog* dialog, int id);
    [[nodiscard]] int fillVectorList(Dialog* dialog, int id);
    [[nodiscard]] int vectorToList(Dialog* dialog, int id);
    [[nodiscard]] int vectorFromList(Dialog* dialog, int id);
    // Integer fields in percent: the tint times 100, cut; a typed 0..100 becomes the tint / 100,
    // other numbers and texts that are no whole number are ignored.
    [[nodiscard]] int startToField(Dialog* dialog, int id);
    [[nodiscard]] int endToField(Dialog* dialog, int id);
    [[nodiscard]] int startFromField(Dialog* dialog, int id);
    [[nodiscard]] int endFromField(Dialog* dialog, int id);

    // 1 and the keyword for a code of the table; "" and still 1 for another code (written so,
    // the file stays readable).
    static int kindKeyword(int code, char* out, int size);
    static int vectorKeyword(int code, char* out, int size);
    // The first code (ascending) whose keyword equals the text exactly; 0 and `code` untouched
    // when none.
    [[nodiscard]] static int parseKind(const char* text, int& code);
    [[nodiscard]] static int parseVector(const char* text, int& code);

    // The block's tags up to endTag, through the current XML context; "gray" and "startGray"
    // both set the start tint. A type or vector text that is not a keyword is a data error of
    // its tag and keeps the field.
    [[nodiscard]] int readXml(int endTag);
    [[nodiscard]] int readXmlWith(XmlContext& d, int endTag);
    // Nothing (and 1) unless the kind is FLAT or GRADATION.
    [[nodiscard]] int writeXml(XmlContext* writer) const;

    int kind = kNone;
    int vector = 1;
    int cuts = 32;
    double startGray = 0.2;
    double endGray = 0.8;
    int sensuu = 133;             // screen ruling, lines per inch
    double kakudo[4] = {15.0, 45.0, 30.0, 75.0}; // screen angles of the C, M, Y, K plates, degrees
};
