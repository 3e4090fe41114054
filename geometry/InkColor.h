#pragma once
#include "geometry/EntityAttribute.h"
#include "platform/RgbColor.h"

class Dialog;
class XmlContext;
class ElementRecordBuffer;
class InkInfo;
class SettingsFile;

// The colour every drawing attribute carries: an RgbColor plus what print output needs, the ink
// it prints with (1 process CMYK, 2..6 the spot inks 1..5), an overprint switch and nine
// per-plate overprint marks (C, M, Y, K, spot inks 1..5). Which named colour a spot ink stands
// for is the drawing's ink choice (InkInfo).
//
// In colour model 3 the ink percentages are the master values and the drawing file keeps them
// ("cmykPercent" with overprint and ink); in the other models the RGB bytes are ("rgbColor").
// The colour also lives in element records (52 bytes), in the settings file and in dialogs.
class InkColor : public RgbColor, public EntityAttribute {
public:
    static constexpr int kPlates = 9;
    static constexpr int kInks = 6;
    static constexpr int kRecordSize = 52;

    InkColor() = default;

    // Plate mark i (0..8; the caller keeps i in range).
    [[nodiscard]] int plateOverprint(int i) const { return plateMarks[i]; }
    void setPlateOverprint(int i, int v) { plateMarks[i] = v; }
    void clearOverprint();
    void copyOverprint(const InkColor& other);
    [[nodiscard]] int hasNoPlateOverprint() const;
    // The value this colour gives separation plate `plate` (0..3 C, M, Y, K; 4..8 spot inks
    // 1..5): its ink percentage on the process plates when it prints in CMYK, 100 on its own
    // spot plate, else `defaultValue`.
    [[nodiscard]] int separationValue(int plate, int defaultValue) const;

    // Mode 1 writes the 52-byte record image, mode 3 reads it (RGB and inks taken as they are,
    // neither derived from the other, except that a colour without inks under the ink model takes
    // those of its RGB value); other modes do nothing and return 0. A read that runs past the
    // record's end changes nothing and returns 0.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    // Inks and COLORREF (the model word stays), overprint, plate marks and ink; null does nothing.
    void assign(const InkColor* other);
    void assign(const InkColor& other) { assign(&other); }
    // RGB 255, 255, 255; the inks are not touched. The writer's current colour is reset so after
    // each attribute container.
    void resetToWhite() { setRgb(-1, -1, -1); }
    void reset() { resetToWhite(); }

    // Dialog glue; each returns 0 and changes nothing when the dialog has no control with the id.
    // The colour swatch with the id shows a copy of the colour / repaints itself.
    [[nodiscard]] int showInControl(Dialog* dialog, int id);
    [[nodiscard]] int repaintControl(Dialog* dialog, int id);
    // Lets the user choose the colour of a swatch: model 3 through the colour settings dialog
    // (colour, spot inks and overprint), other models through the system colour chooser.
    [[nodiscard]] int pickForControl(Dialog* dialog, int id);
    [[nodiscard]] int pickWithStandardDialog(Dialog* dialog, int id);
    [[nodiscard]] int pickWithColourDialog(Dialog* dialog, int id);
    [[nodiscard]] int pickWithInkDialog(Dialog* dialog, int id) { return pickWithColourDialog(dialog, id); }
    [[nodiscard]] int overprintToCheckBox(Dialog* dialog, int id);
    [[nodiscard]] int overprintFromCheckBox(Dialog* dialog, int id);
    // Nine check boxes in plate order. Marks whose box is missing are kept; 0 when one is.
    [[nodiscard]] int platesToCheckBoxes(Dialog* dialog, const int ids[kPlates]);
    [[nodiscard]] int platesFromCheckBoxes(Dialog* dialog, const int ids[kPlates]);
    // The list of inks "CMYK", "特色１" .. "特色５"; list position = ink number.
    [[nodiscard]] int fillInkList(Dialog* dialog, int id);
    [[nodiscard]] int inkToList(Dialog* dialog, int id);
    [[nodiscard]] int inkFromList(Dialog* dialog, int id);

    // Keywords: "CMYK", "SPECIAL1" .. "SPECIAL5" for inks 1..6 (0 and nothing for another n);
    // "ON"/"OFF" for the overprint switch. The setters take exact upper-case texts only and
    // return 0, changing nothing, for any other text.
    [[nodiscard]] static int inkKeyword(int n, char* out, int size);
    [[nodiscard]] int inkNumberKeyword(char* out, int size) const { return inkKeyword(inkNumber, out, size); }
    [[nodiscard]] int setInkFromKeyword(const char* text);
    int overprintKeyword(char* out, int size) const;
    [[nodiscard]] int setOverprintFromKeyword(const char* text);

    // The drawing file, through the XML context (the document being read or written; not
    // owned). readXmlTag reads the "rgbColor" or "cmykPercent" block whose opening
    // tag an owner's reader just met and answers 1 untouched for any other tag; readXml reads
    // tags up to endTag and gives the colour blocks among them to readXmlTag. 0 without a
    // context or when a read failed (values taken before stay).
    [[nodiscard]] int readXmlTag(int tag);
    [[nodiscard]] int readXml(XmlContext* context, int endTag);
    // Model 3 writes "cmykPercent", the other models "rgbColor".
    [[nodiscard]] int writeXml();
    [[nodiscard]] int writeXml(XmlContext* context);
    [[nodiscard]] int writeXmlFrom(XmlContext* context, const InkColor& other);
    [[nodiscard]] int writeXmlCopyOf(const InkColor& other);
    // The form element and attribute writers use: the writer's current colour takes this colour
    // (in the writer's own colour model) and writes itself.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    // EntityAttribute: the colour tags of an element.
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    // Settings values of one key line (the key name was read or is written by the caller's id):
    // RGB "r,g,b"; CMYK "c,m,y,k"; overprint ten "TRUE"/"FALSE" (switch, then plates 0..8); ink
    // one integer. A list cut short ("255,0"), or one holding a value that is no integer within
    // 0..255 (RGB) or 0..100 (CMYK), leaves the colour as it was and gives 0; an overprint list
    // cut short keeps the marks read so far; an ink outside 1..6 is ignored.
    [[nodiscard]] int readRgbSetting(SettingsFile& file);
    [[nodiscard]] int readCmykSetting(SettingsFile& file);
    [[nodiscard]] int readOverprintSetting(SettingsFile& file);
    [[nodiscard]] int readInkSetting(SettingsFile& file);
    [[nodiscard]] int writeRgbSetting(SettingsFile& file, int key) const;
    [[nodiscard]] int writeCmykSetting(SettingsFile& file, int key) const;
    [[nodiscard]] int writeOverprintSetting(SettingsFile& file, int key) const;
    [[nodiscard]] int writeInkSetting(SettingsFile& file, int key) const;

    int overprint = 0;
    int plateMarks[kPlates] = {};
    int inkNumber = 1;
    XmlContext* xmlContext = nullptr;

private:
    [[nodiscard]] int readRgbBlock(XmlContext& d);
    [[nodiscard]] int readCmykBlock(XmlContext& d);
    [[nodiscard]] int readOverprintBlock(XmlContext& d);
    [[nodiscard]] int writeRgbBlock(XmlContext& d);
    [[nodiscard]] int writeCmykBlock(XmlContext& d);
};

// The colour settings dialog and the ink choices it edits belong to the colour dialogs, which
// install these; until then pickWithColourDialog does nothing and returns 0.
struct ColorSettingsHooks {
    // A new ink choice with its defaults (maker 1, slots cleared); the caller deletes it.
    InkInfo* (*makeInkInfo)() = nullptr;
    // Runs the colour settings dialog ("カラー設定") modally over `owner` on the colour and the
    // ink choice, which it edits in place; 1 for OK.
    int (*runColorSettings)(InkColor& colour, InkInfo& inks, Dialog* owner) = nullptr;
};
extern ColorSettingsHooks colorSettingsHooks;
