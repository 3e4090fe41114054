#pragma once
// The measure defaults record: read by this folder and those above; the defaults dialogs' folder implements it.
#include "document/TextBearingDefaults.h"
#include "geometry/IntValue.h"
#include "geometry/LineAttribute.h"

class MeasureAttributes;
class SettingsFile;
class XmlContext;

// The default attributes of the length (kind 14) and angle (kind 15) dimensions; the radius and
// diameter dimensions have none. A new dimension takes the layer, the numeral's font (4 mm at
// first) and settings (decimals, units with their labels, position, gap), the underline, the
// extension line ("引出線") and the arrow heads, each in its own colour: the four colours are kept
// apart and put together with the values only when an element takes them. The numeral's unit
// labels are also the suffixes every dimension of the drawing shows.
//
// Edited by "寸法の設定" (MeasureSettingsDialog) and applied to the selection by "寸法の一括編集"
// (MeasureBatchDialog), whose ticks are the apply flags below, one per step of apply in step order
// after the layer and the font. Kept in the drawing file's header ("setMeasure") and in the
// settings file ("SETMEASURE", where the underline keeps only its width).
class MeasureDefaults : public TextBearingDefaults {
public:
    // The batch edit's apply flags, in the order apply takes them.
    enum Flag : int {
        kNumeralColourFlag,
        kUnderlineColourFlag,
        kLeaderColourFlag,
        kArrowColourFlag,
        kLengthUnitFlag,
        kAngleUnitFlag,
        kUnitDisplayFlag,
        kDecimalsFlag,
        kGapFlag,
        kUnderlineStyleFlag,
        kUnderlineWidthFlag,
        kLeaderStyleFlag,
        kLeaderWidthFlag,
        kLeaderGapFlag,
        kLeaderOverFlag,
        kArrowKindFlag,
        kArrowSizeFlag,
        kArrowLengthFlag,
        kArrowLeanFlag,
        kFlagCount
    };
    enum SettingsKey : int { kSection = 15410, kLayerKey = 15111 };

    MeasureDefaults();
    ~MeasureDefaults() override;

    // --- what the document, the element kinds and the shapes call ---
    int editSettings() override;
    int batchEdit() override;
    // assignValues under the name the document and the settings protocol use; null does nothing.
    virtual void copyFrom(const MeasureDefaults* other);
    // The unit of the length numerals (a unit id, as the grid's units count them): the grid
    // passes its own on when the user or the drawing scale changed it. An id of no unit is not
    // taken.
    virtual void setLengthUnit(int unitId);
    // Kinds 14 and 15.
    [[nodiscard]] int accepts(int kind) override;
    // The ticked values into one element (the layer and the font first); 1 when something was
    // applied, 0 for no element.
    int apply(Element* element) override;
    [[nodiscard]] int writeXmlSection(Document& document) override;
    [[nodiscard]] int readXmlSection(Document& document, int tagId) override;

    // The values a new dimension copies (their colours are the record's four colours); null where
    // the record has none, and the element keeps its own.
    [[nodiscard]] virtual const FontAttributes* fontValues() const { return &font; }
    [[nodiscard]] virtual const MeasureAttributes* numeral() const { return numeralValues; }
    [[nodiscard]] virtual const LineAttribute* underline() const { return &underLine; }
    [[nodiscard]] virtual const DrawLineAttribute* leader() const { return &drawLine; }
    [[nodiscard]] virtual const ArrowHeadStyle* arrowHead() const { return arrowLine; }

    // --- the record ---
    // The layer, the four colours, the font chooser's face and style and the font (the font
    // following the chooser), the numeral, the underline, the extension line and the arrow head;
    // no flag. The flags are TextBearingDefaults'.
    void assignValues(const MeasureDefaults& other);
    // The shared colours, the underline's and the numeral's.
    void inksFromRgbIfNone() override;

    // "setMeasure": layer, textColor, ulineColor, drawColor, arrowColor, font, numeral,
    // underLine, drawLine, arrowLine; read up to endTag in any order, another tag skipped to the
    // end of its line. 0 when the block could not be read or written.
    [[nodiscard]] int writeXml(XmlContext& writer);
    [[nodiscard]] int readXml(XmlContext& reader, int endTag);
    // "SETMEASURE", as the text defaults' section is read and written.
    [[nodiscard]] int loadSettings(SettingsFile& file);
    [[nodiscard]] int saveSettings(SettingsFile& file) const;

    // textColor is the numeral's, drawColor the extension line's.
    InkColor ulineColor; // the underline's
    MeasureAttributes* numeralValues = nullptr; // owned
    LineAttribute underLine;
    IntValue flags[kFlagCount];
};

// The application's record, copied into every new document.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern MeasureDefaults* theMeasureDefaults;
