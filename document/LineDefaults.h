#pragma once
// The line-drawing defaults record: read by this folder and those above; the defaults dialogs' folder implements it.
#include "document/AreaDefaultValues.h"
#include "document/ElementDefaults.h"
#include "geometry/DrawPoint.h"
#include "geometry/IntValue.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"

class BoxRules;
class CornerRounding;
class SettingsFile;
class XmlContext;

// The default attributes of the line drawings ("線画"): line, breakline, spline, box, arc, circle,
// polygon and oval (kinds 1, 2, 4, 5, 6, 7, 8, 10; not arcbreakline 3 or arcpolygon 9).
//
// A new element takes the layer, the line's width, position and type and, by its kind: the edge
// colour as its line colour and the cap (the open kinds); the outline, fill and hatch composed by
// the take operations (box, oval, polygon); the outline alone (circle). Box rules, corner radii,
// the two points and the rotation are values of the batch edit only: a new box keeps its own.
//
// Edited by "線画の設定" (LineSettingsDialog) and applied to the selection by "線画の一括編集"
// (LineBatchDialog), whose ticks are the apply flags below, one per step of applyTo in step
// order. Kept in the drawing file's header ("setGeometry") and in the settings file ("SETSENGA").
// The cap, the fill's screen, the tints, the rules and the radii are in no file.
class LineDefaults : public ElementDefaults, public AreaDefaultValues {
public:
    // The batch edit's apply flags, in the order applyTo takes them.
    enum Flag : int {
        kEdgeColorFlag,
        kPaintColorFlag,
        kPatternColorFlag,
        kLineSizeFlag,
        kLineOriginFlag,
        kLineTypeFlag,
        kLineCapFlag,
        kEdgeDrawFlag,
        kPaintDrawFlag,
        kPatternFlag,
        kPatternPitch1Flag,
        kPatternPitch2Flag,
        kPaintGrayFlag,
        kRulesHorizontalFlag, // the rule and corner flags have no check box: they stay 0
        kRulesVerticalFlag,
        kCornerFlag1,
        kCornerFlag2,
        kCornerFlag3,
        kCornerFlag4,
        kStartXFlag,
        kStartYFlag,
        kEndXFlag,
        kEndYFlag,
        kLeanFlag,
        kFlagCount
    };
    // The settings section and its own keys (the colour, switch and hatch keys are those of
    // AreaDefaultValues, shared with the Bezier section).
    enum SettingsKey : int {
        kSection = 15110,
        kLayerKey = 15111,
        kLineSizeKey = 15114,
        kLineStyleKey = 15115,
        kLineOriginKey = 15116,
        kLineCapKey = 15117,
    };

    LineDefaults();
    ~LineDefaults() override;
    LineDefaults(const LineDefaults&) = delete;
    LineDefaults& operator=(const LineDefaults&) = delete;

    // --- what the document and the element kinds call ---
    // Also links the two batch points to the drawing, so that they show in its grid's units.
    void setOwner(DocumentContext* drawing) override;
    int editSettings() override;
    int batchEdit() override;
    // assignValues under the name the document and the settings protocol use; null does nothing.
    virtual void copyFrom(const LineDefaults* other);
    // Kinds 1, 2, 4, 5, 6, 7, 8 and 10.
    [[nodiscard]] int accepts(int kind) override;
    // The ticked values into one element (the layer first); 1 when something was applied, 0 for
    // no element.
    int apply(Element* element) override;
    [[nodiscard]] int writeXmlSection(Document& document) override;
    [[nodiscard]] int readXmlSection(Document& document, int tagId) override;

    // --- the record ---
    // The layer, the colours, the line's width, type, position and cap, the outline, fill and
    // hatch bundles, the box rules, the corner radii and the fill's screen; not the tints, the
    // points, the rotation or any flag.
    void assignValues(const LineDefaults& other);
    // Every apply flag, the owner and the layer flag, the two points and the rotation.
    void assignBatch(const LineDefaults& other);
    void clearFlags();
    [[nodiscard]] int anyFlagSet() const;

    // "setGeometry": written in the order layer, edgeColor, paintColor, patternColor, lineSize,
    // lineOrigin, lineType, edge, paint, pattern; read up to endTag in any order, another tag
    // skipped to the end of its line. A value that cannot be a default (a layer outside 0..255, a
    // width outside 0..1000 mm, a pitch outside 0.001..1000 mm) is a data error and not taken. 0
    // when the block could not be read or written.
    [[nodiscard]] int writeXml(XmlContext& writer);
    [[nodiscard]] int readXml(XmlContext& reader, int endTag);
    // "SETSENGA": the keys up to the next section, in any order; a value that cannot be read is
    // passed over and its key keeps the value before. The last key result (nonzero when the next
    // section's name was read). saveSettings writes the section line and the keys, the ink keys
    // only while the application's colour model is 2.
    [[nodiscard]] int loadSettings(SettingsFile& file);
    [[nodiscard]] int saveSettings(SettingsFile& file) const;

    LineSizeAttribute lineSize;     // 0.14 mm
    LineOriginAttribute lineOrigin; // CENTER
    LineTypeAttribute lineType;     // SOLID
    LineCapAttribute lineCap;
    BoxRules* boxRules = nullptr;             // owned
    CornerRounding* cornerRounding = nullptr; // owned
    DrawPoint startPoint;
    DrawPoint endPoint;
    LeanAttribute lean;
    IntValue flags[kFlagCount];
};

// The application's record, copied into every new document.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern LineDefaults* theLineDefaults;
