#pragma once
#include "geometry/EntityAttribute.h"
#include "geometry/InkColor.h"

class Dialog;
class DrawingOwner;
class ElementRecordBuffer;
class SettingsFile;
class XmlContext;

// How the ends of a dimension line or a leader are finished: which head, its barb length (and
// the diameter of the circle heads), how wide the barbs open, their line width and colour. The
// dimensions and the leader text own one; an arrow-head shape holds a copy while it draws.
//
// Kinds, with their file keyword (matched exactly) and list name: 0 NONE なし, 1 ARROW 矢印 (both
// barbs), 2 RIGHTARROW 右矢印 (the barb at -lean), 3 LEFTARROW 左矢印 (the barb at +lean),
// 4 FRAMETRIANGLE 枠３角, 5 FILLTRIANGLE 黒３角, 6 FRAMEARC 枠丸, 7 FILLARC 黒丸.
//
// lineSize and length are paper millimetres, lean degrees; values from files, records, settings
// and dialogs are stored unchecked (the shape keeps what it draws within pixels). Drawing-file
// block "arrowLine"; settings keys ARROWSTYLE, ARROWLSIZE, ARROWLENGTH, ARROWLEAN of SETMEASURE.
class ArrowHeadStyle : public EntityAttribute {
public:
    enum Kind : unsigned {
        kNone = 0,
        kArrow = 1,
        kRightArrow = 2,
        kLeftArrow = 3,
        kFrameTriangle = 4,
        kFillTriangle = 5,
        kFrameArc = 6,
        kFillArc = 7,
    };
    static constexpr int kKindCount = 8;
    enum SettingsKey { kStyleKey = 15461, kLineSizeKey = 15462, kLengthKey = 15463, kLeanKey = 15464 };

    // The length in drawing units: times the owner's scale denominator over its numerator (as
    // is without an owner or paper). lineSize and lean are never converted.
    [[nodiscard]] double scaledLength() const;

    // The whole colour but its model word (inks, RGB, overprint, plates, spot ink).
    void setColour(const InkColor& other) { colour.assign(other); }
    // Kind, lineSize, length, lean and the colour; the single-field copies take one field. A
    // null source changes nothing. The owner and the file link stay.
    int copyFrom(const ArrowHeadStyle* other);
    void copyKind(const ArrowHeadStyle* other);
    void copyLineSize(const ArrowHeadStyle* other);
    void copyLength(const ArrowHeadStyle* other);
    void copyLean(const ArrowHeadStyle* other);

    // With bit value 1 of flags, lineSize and then length times factor, each kept only when it
    // lies strictly between 0.001 and 100. The lean is never scaled.
    void scale(double factor, int flags);

    // Mode 1 writes, mode 3 reads: kind int32, lineSize, length, lean doubles, the colour's
    // record. A read that runs short changes nothing. Other modes 0.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // The keyword of kinds 0..7 (0 and out untouched for another kind); the kind of an exact
    // keyword (0 and kind untouched for another text).
    [[nodiscard]] static int kindName(unsigned kind, char* out, int size);
    [[nodiscard]] static int parseKind(const char* text, unsigned& kind);

    // Dialog glue: the list of the eight names in kind order (position = kind + 1) and number
    // fields. Each answers 0 when the dialog has no control with the id. takeKind with nothing
    // chosen keeps the kind.
    [[nodiscard]] int fillKindList(Dialog* dialog, int id) const;
    [[nodiscard]] int showKind(Dialog* dialog, int id) const;
    [[nodiscard]] int takeKind(Dialog* dialog, int id);
    [[nodiscard]] int showLineSize(Dialog* dialog, int id) const;
    [[nodiscard]] int takeLineSize(Dialog* dialog, int id);
    [[nodiscard]] int showLength(Dialog* dialog, int id) const;
    [[nodiscard]] int takeLength(Dialog* dialog, int id);
    [[nodiscard]] int showLean(Dialog* dialog, int id) const;
    [[nodiscard]] int takeLean(Dialog* dialog, int id);

    // The "arrowLine" block whose opening tag was just read, up to endTag. A "style" keyword of
    // no kind is a data error of that tag and keeps the kind; a tag missing from the block keeps
    // its value. 0 without a context or when the file could not be read.
    [[nodiscard]] int readXml(int endTag);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;
    // The block; 0 at the first failed write or for a kind outside 0..7.
    [[nodiscard]] int writeXml(XmlContext* context);
    // As an element writes it: the style of the document's attribute holder takes a copy and
    // writes it, then the writer's current colour is reset to white. 0 without a holder.
    [[nodiscard]] int writeXmlThroughDocument(XmlContext* context);

    // The key just read (15461..15464); any other key answers 1 untouched. A keyword of no kind,
    // a missing value or one that is no finite number answers 0 and changes nothing.
    [[nodiscard]] int readSetting(SettingsFile& file);
    // The four keys in order; 0 at the first failed write.
    [[nodiscard]] int writeSetting(SettingsFile& file) const;

    DrawingOwner* owner = nullptr; // not owned
    unsigned kind = kArrow;
    double lineSize = 0.14;
    double length = 3.5;
    double lean = 20.0;
    InkColor colour;
    XmlContext* xmlContext = nullptr; // not owned; the file of one read or write

private:
    [[nodiscard]] int readXmlWith(XmlContext& d, int endTag);
};
