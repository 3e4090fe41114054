#pragma once
// The text defaults record: read by this folder and those above; the defaults dialogs' folder implements it.
#include "document/TextBearingDefaults.h"
#include "geometry/DrawPoint.h"
#include "geometry/IntValue.h"
#include "geometry/LeanAttribute.h"

class SettingsFile;
class XmlContext;

// The default attributes of the texts (kind 12) and the leader texts (kind 13). A new text takes
// the layer, the text colour and the font (face, style, 4 mm at first); a new leader text also
// its leader (style and width in the leader colour) and its arrow head (in the arrow colour). The
// colours are kept apart from the leader and the arrow head and put together with them only when
// an element takes them. The start point and the rotation are values of the batch edit only.
//
// Edited by "テキストの設定" (TextSettingsDialog) and applied to the selection by "テキストの一括編集"
// (TextBatchDialog), whose ticks are the apply flags below, one per step of apply in step order
// after the layer and the font. Kept in the drawing file's header ("setText", whose leader is
// written without its gap and overshoot) and in the settings file ("SETTEXT").
class TextDefaults : public TextBearingDefaults {
public:
    // The batch edit's apply flags, in the order apply takes them.
    enum Flag : int {
        kTextColourFlag,
        kLeaderColourFlag,
        kArrowColourFlag,
        kLeaderStyleFlag,
        kLeaderWidthFlag,
        kArrowKindFlag,
        kArrowSizeFlag,
        kArrowLengthFlag,
        kArrowLeanFlag,
        kStartXFlag,
        kStartYFlag,
        kRotationFlag,
        kFlagCount
    };
    // The settings section and its layer key; the colour keys are in TextDefaults.cpp, the font,
    // leader and arrow-head keys are those of their values.
    enum SettingsKey : int { kSection = 15210, kLayerKey = 15111 };

    TextDefaults();

    // --- what the document and the element kinds call ---
    // Also links the batch start point to the drawing, so that it shows in its grid's units.
    void setOwner(DocumentContext* drawing) override;
    int editSettings() override;
    int batchEdit() override;
    // assignValues under the name the document and the settings protocol use; null does nothing.
    virtual void copyFrom(const TextDefaults* other);
    // Kinds 12 and 13.
    [[nodiscard]] int accepts(int kind) override;
    // The ticked values into one element (the layer and the font first); 1 when something was
    // applied, 0 for no element.
    int apply(Element* element) override;
    [[nodiscard]] int writeXmlSection(Document& document) override;
    [[nodiscard]] int readXmlSection(Document& document, int tagId) override;

    // --- the record ---
    // The layer, the three colours, the leader, the arrow head, the font chooser's face and style
    // and the font (the font following the chooser); not the point, the rotation or any flag.
    void assignValues(const TextDefaults& other);
    // Every apply flag (the font's and the layer's too), the owner, the start point and the
    // rotation.
    void assignBatch(const TextDefaults& other);

    // "setText": layer, textColor, drawColor, arrowColor, font, drawLine (without "space" and
    // "over": writing switches them off), arrowLine; read up to endTag in any order, another tag
    // skipped to the end of its line. A layer outside 0..255 is a data error and not taken. 0 when
    // the block could not be read or written.
    [[nodiscard]] int writeXml(XmlContext& writer);
    [[nodiscard]] int readXml(XmlContext& reader, int endTag);
    // "SETTEXT": the keys up to the next section, in any order; a value that cannot be read is
    // passed over and its key keeps the value before. The last key result (nonzero when the next
    // section's name was read). saveSettings writes the section line and the keys, the ink keys
    // only while the application's colour model is 2.
    [[nodiscard]] int loadSettings(SettingsFile& file);
    [[nodiscard]] int saveSettings(SettingsFile& file) const;

    DrawPoint startPoint;
    LeanAttribute lean;
    IntValue flags[kFlagCount];
};

// The application's record, copied into every new document.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern TextDefaults* theTextDefaults;
