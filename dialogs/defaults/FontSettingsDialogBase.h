#pragma once
#include "dialogs/defaults/AttributeSettingsDialog.h"
#include "dialogs/defaults/FontPage.h"

class FontDefaultsBase;

// The base of the text and measure settings dialogs: a font page (font_page) over the record's
// chooser values and font. The kind sets the page's ids (0 until then: no field) and calls the
// three operations on its font page; after storing it syncs the font with the chooser
// (FontDefaultsBase::syncFontName, syncFontStyle).
class FontSettingsDialogBase : public AttributeSettingsDialog {
public:
    // Also takes the fontInfo and font of a record that has them.
    void setRecord(ElementDefaults* edited) override;

    void declareFontPage();
    void loadFontPage();
    void storeFontPage();

    FontInfo* fontInfo = nullptr;   // the record's
    FontAttributes* font = nullptr; // the record's
    FontPageIds fontIds = {0, 0, 0};
};
