#pragma once
#include "dialogs/defaults/BatchEditDialog.h"
#include "dialogs/properties/AreaPage.h"
#include "document/AreaDefaultValues.h"

class IntValue;

// The area pages ("領域") of the line-drawing and the Bezier defaults. The settings page 1573 is an
// area page (AreaPage.h) that keeps an outline or a fill on; the batch page 1603 shows the same
// values, each with its check box, and forces neither switch: a batch edit may leave elements
// with neither outline nor fill.
namespace area_defaults_page {

extern const AreaPageIds kSettingsPage;

// What a record's area pages edit: its outline, fill and hatch bundles, the fill's screen apart.
inline AreaAttributes areaOf(AreaDefaultValues& values)
{
    return {&values.edge, &values.paint, &values.pattern, &values.paintGray};
}
extern const AreaPageIds kBatchPage;

// The apply flags of the batch page's check boxes.
struct AreaFlags {
    IntValue* edgeDrawn;
    IntValue* fillDrawn;
    IntValue* pattern;
    IntValue* pitch1;
    IntValue* pitch2;
    IntValue* screen;
};

void declareBatch(BatchEditDialog& dialog);
void loadBatch(BatchEditDialog& dialog, const AreaAttributes& area, const AreaFlags& flags);
void storeBatch(BatchEditDialog& dialog, const AreaAttributes& area, const AreaFlags& flags);
// Ticks a value's box when it is touched: a click on a switch; a pattern chosen; a screen kind or
// direction chosen; a pitch or a tint typed that differs from the one shown. 1 when the event was
// the page's.
[[nodiscard]] int onBatchEvent(BatchEditDialog& dialog);

} // namespace area_defaults_page
