#pragma once
// The base of the text and measure defaults; the defaults dialogs' folder implements it.
#include "document/BatchFlags.h"
#include "document/FontDefaultsBase.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/InkColor.h"

class ArrowHeadStyle;
class Element;
class SettingsFile;
class XmlContext;

// What the text and the measure defaults share beyond the font: the colours of the text (the
// numeral), of the leader (the extension line) and of the arrow heads, kept apart from the leader
// line and the arrow head they colour when an element takes them, and the batch edit's apply flags
// of the kind (a table the kind owns, in its steps' order). Also the header tags and settings keys
// both sections have, and the leader and arrow-head steps of both applies.
class TextBearingDefaults : public FontDefaultsBase {
public:
    ~TextBearingDefaults() override;
    TextBearingDefaults(const TextBearingDefaults&) = delete;
    TextBearingDefaults& operator=(const TextBearingDefaults&) = delete;

    // The layer's, the font's and the kind's apply flags.
    void clearFlags();
    [[nodiscard]] int anyFlagSet() const;
    // Those flags and the owner of another record of the kind.
    void assignBatch(const TextBearingDefaults& other);
    // Each colour, the leader's and the arrow head's too, that holds no inks under the ink model
    // takes those of its RGB value (RgbColor::inksFromRgbIfNone).
    virtual void inksFromRgbIfNone();

    InkColor textColor;
    InkColor drawColor;  // the leader's
    InkColor arrowColor; // the arrow heads'
    DrawLineAttribute drawLine;
    ArrowHeadStyle* arrowLine = nullptr; // owned

protected:
    // The kind's flags (not owned, a member of the kind); the default font, 4 mm.
    TextBearingDefaults(IntValue* kindFlags, int kindFlagCount);

    // The layer, the three colours, the leader, the arrow head and the font (following its chooser).
    void assignShared(const TextBearingDefaults& other);
    // The ticked steps of an apply: the leader's style and width; the arrow head's kind, line size,
    // length and lean (their flags from kindFlag on, in this order).
    void applyLeaderSteps(Element& e, const batch_flags::Steps& ticked, int styleFlag, int widthFlag) const;
    void applyArrowSteps(Element& e, const batch_flags::Steps& ticked, int kindFlag) const;
    // The header tags both sections have ("layer", "textColor", "drawColor", "arrowColor", "font",
    // "drawLine", "arrowLine"): an attribute_io child result, kChildNotMine for another tag.
    [[nodiscard]] int readSharedTag(XmlContext& reader, int tagId);
    // The settings keys both sections have ("LAYERNO", the text, leader and arrow colours with
    // their ink keys, the font keys, the leader and arrow-head keys): 1 when the key just read was
    // one of them (its value taken or passed over), 0 for another key.
    [[nodiscard]] int readSharedSetting(SettingsFile& file);

private:
    IntValue* kindFlags;
    int kindFlagCount;
};
