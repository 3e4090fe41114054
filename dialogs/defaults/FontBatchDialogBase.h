#pragma once
#include "dialogs/defaults/BatchEditDialog.h"
#include "dialogs/defaults/FontPage.h"

class FontDefaultsBase;

// The base of the text and measure batch dialogs: the font page (font_page) with a check box for
// the face, the style and the size, bound to the record's three font flags. Choosing another face
// or style ticks its box, as does a size typed that differs from the one shown. The kind sets the
// six ids (0 until then: no control) and calls the operations on its font page.
class FontBatchDialogBase : public BatchEditDialog {
public:
    // Also takes the font of a record that has one.
    void setRecord(ElementDefaults* edited) override;

    void declareFontPage();
    void loadFontPage();
    void storeFontPage();
    // The font page's events; 1 when consumed.
    [[nodiscard]] int onFontPageEvent();

    FontDefaultsBase* fontRecord = nullptr;
    int faceCheckId = 0;
    int styleCheckId = 0;
    int sizeCheckId = 0;
    FontPageIds fontIds = {0, 0, 0};

private:
    void bindTicks(Tick (&ticks)[3]) const;
};
