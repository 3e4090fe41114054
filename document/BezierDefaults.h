#pragma once
// The Bezier defaults record: read by this folder and those above; the defaults dialogs' folder implements it.
#include "document/AreaDefaultValues.h"
#include "document/ElementDefaults.h"
#include "geometry/IntValue.h"

class SettingsFile;
class XmlContext;

// The default attributes of the Bezier curve ("bezier3", kind 11): its layer, the colours of its
// outline, fill and hatch with their tints, and the outline, fill and hatch bundles of which the
// draw switches, the pattern and its pitches count (AreaDefaultValues). A new curve takes the
// layer and its three bundles through the take operations; its fill starts drawn in cyan.
//
// Edited by "ベジェの設定" (BezierSettingsDialog, toolbar command 1030 "曲線設定") and applied to the
// selected curves by "ベジェの一括編集" (BezierBatchDialog, 1031 "曲線一括"), whose ticks are the
// apply flags below, one per step of apply in step order. Kept in the drawing file's header
// ("setBezier") and in the settings file ("SETBEZIER"). The tints and the fill's screen (paintGray)
// are in no file: they last until the program ends.
class BezierDefaults : public ElementDefaults, public AreaDefaultValues {
public:
    // The batch edit's apply flags, in the order apply takes them.
    enum Flag : int {
        kEdgeColorFlag,
        kPaintColorFlag,
        kPatternColorFlag,
        kEdgeDrawFlag,
        kPaintDrawFlag,
        kPatternFlag,
        kPatternSpaceXFlag,
        kPatternSpaceYFlag,
        kPaintGrayFlag,
        kFlagCount
    };
    // The settings section and its layer key (the colour, switch and hatch keys are those of
    // AreaDefaultValues, shared with the line-drawing section).
    enum SettingsKey : int {
        kSection = 15310,
        kLayerKey = 15111,
    };

    // --- what the document and the element kinds call ---
    int editSettings() override;
    int batchEdit() override;
    // assignValues under the name the document and the settings protocol use; null does nothing.
    virtual void copyFrom(const BezierDefaults* other);
    // Kind 11 only.
    [[nodiscard]] int accepts(int kind) override;
    // The ticked values into one curve (the layer first); 1 when something was applied, 0 for no
    // element.
    int apply(Element* element) override;
    [[nodiscard]] int writeXmlSection(Document& document) override;
    [[nodiscard]] int readXmlSection(Document& document, int tagId) override;

    // --- the record ---
    // The layer, the colours, the outline, fill and hatch bundles and the fill's screen; not the
    // tints or any flag.
    void assignValues(const BezierDefaults& other);
    // Every apply flag, the owner and the layer flag.
    void assignBatch(const BezierDefaults& other);
    void clearFlags();
    [[nodiscard]] int anyFlagSet() const;

    // "setBezier": layer, edgeColor, paintColor, patternColor, edge, paint, pattern; read up to
    // endTag in any order, another tag skipped to the end of its line. A layer outside 0..255 and
    // pitches no hatch can be drawn with are data errors and not taken. 0 when the block could not
    // be read or written.
    [[nodiscard]] int writeXml(XmlContext& writer);
    [[nodiscard]] int readXml(XmlContext& reader, int endTag);
    // "SETBEZIER": LAYERNO, the colours (their ink keys only while the application's colour model
    // is 2), the draw switches, AREAPATTERN and the two pitches. Reading takes the keys up to the
    // next section in any order, ink keys included whatever the model; a value that cannot be read
    // is passed over. The last key result (nonzero when the next section's name was read).
    [[nodiscard]] int loadSettings(SettingsFile& file);
    [[nodiscard]] int saveSettings(SettingsFile& file) const;

    IntValue flags[kFlagCount];
};

// The application's record, copied into every new document.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern BezierDefaults* theBezierDefaults;
