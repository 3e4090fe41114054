#pragma once
#include "dialogs/colour/ColourPalette.h"
#include "platform/Dialog.h"

class InkColor;
class InkInfo;
struct ColorEntry;

// "カラー設定" (dialog 1634): edits one ink colour and the spot-ink choice, both working copies of
// the caller's. The colour is set by its CMYK percentages or its RGB values (only the fields of
// the model chosen with "CMYK %" / "RGB" take typing), by a palette cell, by a user colour or a
// DIC colour, or through the system colour chooser on its swatch; each of these makes it a
// process colour (ink 1). The buttons "特色１" to "特色５" give a spot ink the chosen DIC colour
// and make the colour print with it; the ink list chooses the ink; "オーバープリント..." edits the
// nine plate marks.
//
// The user colour table is edited in place by its four buttons (those edits stay even when the
// dialog is cancelled, and reach the file at exit); the DIC colour chosen can be renamed.
class ColorSettingsDialog : public Dialog {
public:
    // `owner` is the dialog whose swatch was clicked (may be null).
    ColorSettingsDialog(InkColor& colour, InkInfo& inks, Dialog* owner);

    // Runs the dialog modally, captioned "カラー設定"; 1 for OK (the colour and the choice hold
    // the edits then; on Cancel the caller drops them).
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

    InkColor& colour;
    int editModel = 3; // 3: the CMYK fields take typing, 1: the RGB fields
    ColourPalette palette;
    InkInfo& inkInfo;
    Dialog* owner;

private:
    void initialise();
    void declare();
    // The swatch and the seven fields from the colour.
    void showColour();
    void setInkInUse(int ink);
    void setEditModel(int model);
    void updateUserButtons();
    void updateDicButtons();
    void showSpotLabels();
    // The name typed into field `id` (at most size - 1 bytes); 0, with the user told, when the
    // colour file could not keep it.
    [[nodiscard]] int takeName(int id, char* name, int size);
    // A user colour of the typed name and the colour's inks; 0 as takeName.
    [[nodiscard]] int entryFromColour(ColorEntry& entry);
    [[nodiscard]] int onButton(int id);
    void pickFromPalette();
    void pickUserColour();
    void pickDicColour();
    void editUserTable(int id);
    void takeSpotInk(int slot);
    void runOverprint();
    // The typed values of the model's fields, taken as the user types: a text that is not wholly
    // one number within a field's range is named to the user and the colour stays.
    void takeCmykFields();
    void takeRgbFields();
    // When the field just edited (of `count` fields within 0..high) holds a number other than
    // its value in `values` (the colour's): every field's number into `values` (an empty field
    // keeps its value) and 1. 0 when nothing is to be taken: that field holds its value or is
    // empty, or a field was refused (the user told).
    [[nodiscard]] int takeTypedFields(const int* fields, int count, int high, int* values);
    // 1 unless a field of the model holds a text it cannot take, which is named to the user.
    [[nodiscard]] int modelFieldsHoldNumbers();
    void takeInkFromList();
    void storeAndClose();
};

// Runs the dialog over `owner` on the colour and the ink choice; the answer of run. Installed as
// the colour settings hook of the ink colours.
[[nodiscard]] int runColorSettingsDialog(InkColor& colour, InkInfo& inks, Dialog* owner);
