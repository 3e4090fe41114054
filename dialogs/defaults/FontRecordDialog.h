#pragma once
#include "dialogs/defaults/FontBatchDialogBase.h"
#include "dialogs/defaults/FontSettingsDialogBase.h"
#include "dialogs/properties/LeaderLinePage.h"
#include "dialogs/properties/NumeralPage.h"

class DrawPoint;
class LeanAttribute;

// What a page of the text and measure defaults' dialogs is: the common page (the layer), the
// colour page (swatches), the font page, the numeral page, the line page (leader and arrow head,
// and the dimensions' underline) or the texts' batch page of the start point and the rotation.
enum class FontRecordPage { kCommon, kColour, kFont, kNumeral, kLine, kPoints };

// The record's values that the pages show, bound when the record is given (null for what the
// record or the dialog lacks). The colours in the order of the swatches.
struct FontRecordValues {
    static constexpr int kMostColours = 4;
    InkColor* colours[kMostColours] = {};
    MeasureAttributes* numeral = nullptr;
    LeaderLineValues lines;
    DrawPoint* start = nullptr;
    LeanAttribute* rotation = nullptr;
    IntValue* flags = nullptr; // the batch edit's apply flags
};

// A dialog's pages, a constant of the dialog: their roles, tab labels and resources in tab order
// (page 0 the common page), the swatches, the fields of the font, numeral, line and point pages,
// and for a batch dialog each page's boxes (bound to the record's flags) and which box touching a
// value ticks.
struct FontRecordLayout {
    static constexpr int kMostPages = 5;
    struct Points {
        int x, y, xUnit, yUnit, rotation;
    };
    struct Ticks {
        const BatchEditDialog::TickRow* boxes;
        int boxCount;
        const BatchEditDialog::ValueTick* touched;
        int touchedCount;
    };
    int pageCount;
    FontRecordPage roles[kMostPages];
    const char* labels[kMostPages];
    int pageIds[kMostPages];
    int swatchIds[FontRecordValues::kMostColours];
    int swatchCount;
    FontPageIds font;
    NumeralIds numeral;
    LeaderLineIds line;
    Points points;
    Ticks ticks[kMostPages]; // batch dialogs only
};

// The settings dialog (Base FontSettingsDialogBase) or the batch dialog (Base FontBatchDialogBase)
// of the text or measure defaults, built from its layout. A batch page's boxes are loaded from and
// stored into the record's flags; a swatch picked, a list chosen, a switch clicked or a number
// typed that differs from the one shown ticks its box. Choosing another unit on a settings
// numeral page keeps each unit's label (numeral_page). After the font page is stored the record's
// font follows its chooser.
template <typename Base> class FontRecordDialog : public Base {
public:
    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    [[nodiscard]] int onPageEvent() override;

protected:
    explicit FontRecordDialog(const FontRecordLayout& pages);
    // The edited record's values; all null without a record.
    [[nodiscard]] virtual FontRecordValues values() const = 0;

private:
    [[nodiscard]] FontRecordPage role() const;
    [[nodiscard]] int swatchesOf(const FontRecordValues& v, DefaultsDialog::Swatch* swatches) const;
    [[nodiscard]] int ticksOf(const FontRecordValues& v, BatchEditDialog::Tick* ticks) const;

    const FontRecordLayout& layout;
};

extern template class FontRecordDialog<FontSettingsDialogBase>;
extern template class FontRecordDialog<FontBatchDialogBase>;
