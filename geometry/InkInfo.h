#pragma once
// The ink choice as the ink colours and the folders above reach it; the colour dialogs' folder implements it.
#include "geometry/XmlSectionOwner.h"

class DocumentContext;
class SettingsFile;

// Which DIC colours stand for the five spot inks "特色１" to "特色５" that ink colours print with.
// Every drawing has one (its file header's section "inkInfo"); the application's own object is
// the choice new drawings copy, kept in the settings file (section "INKINFO"), and it links to
// the choice of the active drawing as `current` (null without one).
//
// A slot holds an index into the DIC colour table, or -1 for none. The settings file keeps the
// indices; the drawing file keeps the DIC numbers of the colours and finds them again by number.
// A slot whose index lies outside the table means no colour wherever it is used.
class InkInfo : public XmlSectionOwner {
public:
    static constexpr int kSlots = 5;
    static constexpr int kDicMaker = 1;
    // The maker text read from a file is kept to this many bytes, terminator included.
    static constexpr int kMakerSize = 80;

    InkInfo() = default;
    ~InkInfo() override = default;

    // Maker and ink slots of another choice (null does nothing).
    virtual void copyFrom(const InkInfo* other);
    void assign(const InkInfo& other) { copyFrom(&other); }
    // The choice the user confirmed in the colour settings dialog, taken as copyFrom does. The
    // drawing file keeps a drawing's choice in its header: a drawing whose choice this changes
    // counts as changed.
    virtual void takeChoice(const InkInfo& chosen);
    // The drawing this choice belongs to (null for the application's own).
    void setOwner(DocumentContext* drawing) { owner = drawing; }

    // Slot 0..4 takes the DIC table's current entry when it has one; 1 when it did.
    int setInkFromDicSelection(int slot);
    // " n : name" for a slot with a DIC colour (n = slot + 1), else empty.
    void inkLabel(int slot, char* out, int size) const;
    // The slot's four ink values (C, M, Y, K percent); 0 for a slot without a colour.
    [[nodiscard]] int inkValues(int slot, int values[4]) const;
    // The slot's entry index when the DIC table has it, else -1.
    [[nodiscard]] int entryOf(int slot) const;

    // "DIC" for maker 1, "" for any other.
    [[nodiscard]] const char* makerName() const;
    // Only "DIC" sets the maker; 1 when it did.
    int setMakerByName(const char* name);

    // The drawing file: "maker" and, for each slot whose colour has a number above 0, that
    // number under the tag "1" to "5". Written only while the application works with ink colours
    // (colour-model setting 2). Reading finds each number in the DIC table (-1 when absent).
    [[nodiscard]] int writeXmlSection(Document& document) override;
    [[nodiscard]] int readXmlSection(Document& document, int tagId) override;

    // The settings section "INKINFO": "MAKER" quoted, then "1" to "5" with the slots as they are.
    [[nodiscard]] int loadSettings(SettingsFile& file);
    [[nodiscard]] int saveSettings(SettingsFile& file) const;

    int maker = kDicMaker;
    int slots[kSlots] = {-1, -1, -1, -1, -1};
    InkInfo* current = nullptr;
    DocumentContext* owner = nullptr;
};

// Defined in geometry/InkColor.cpp, with its first readers.
extern InkInfo* theInkInfo;
