#include "dialogs/properties/AreaPage.h"

#include "dialogs/properties/PropertyFields.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "platform/ControlKinds.h"
#include "platform/Dialog.h"
#include "resources/ids_properties.h"

using property_fields::takeInt;
using property_fields::takeReal;

namespace area_page {
namespace {

void loadSwitches(Dialog& dialog, const AreaPageIds& ids, const AreaAttributes& area)
{
    // A switch without its check box is not shown.
    if (area.edge)
        (void)area.edge->draw.toCheckBox(&dialog, ids.edgeDrawn);
    if (area.fill)
        (void)area.fill->drawToCheckBox(&dialog, ids.fillDrawn);
}

GrayAttributes* screenOf(const AreaAttributes& area)
{
    return area.screen ? area.screen : area.fill ? &area.fill->gray : nullptr;
}

} // namespace

const AreaPageIds kPropertyPage = {IDC_AREA_EDGE_DRAWN,   IDC_AREA_FILL_DRAWN, IDC_AREA_PATTERN,
                                   IDC_AREA_PITCH1,       IDC_AREA_PITCH2,     IDC_AREA_SCREEN,
                                   IDC_AREA_SCREEN_START, IDC_AREA_SCREEN_END, IDC_AREA_DIRECTION};

void declare(Dialog& dialog, const AreaPageIds& ids)
{
    // Declaring fails only when memory ran out; the page then shows without the control, and
    // every transfer below looks for it first.
    (void)dialog.addControl(ids.edgeDrawn, KIND_CHECK_BUTTON);
    (void)dialog.addControl(ids.fillDrawn, KIND_CHECK_BUTTON);
    (void)dialog.addControl(ids.pattern, KIND_COMBO_BOX);
    (void)dialog.addControl(ids.pitch1, KIND_REAL_EDIT);
    (void)dialog.addControl(ids.pitch2, KIND_REAL_EDIT);
    (void)dialog.addControl(ids.screen, KIND_COMBO_BOX);
    (void)dialog.addControl(ids.start, KIND_INTEGER_EDIT);
    (void)dialog.addControl(ids.end, KIND_INTEGER_EDIT);
    (void)dialog.addControl(ids.direction, KIND_COMBO_BOX);
}

void load(Dialog& dialog, const AreaPageIds& ids, const AreaAttributes& area)
{
    loadSwitches(dialog, ids, area);
    HatchAttributes* hatch = area.hatch;
    GrayAttributes* screen = screenOf(area);
    // Each transfer answers 0 only for a control the page lacks; the field then stays empty.
    if (hatch) {
        (void)(hatch->fillPatternList(&dialog, ids.pattern) && hatch->patternToList(&dialog, ids.pattern));
        (void)hatch->pitch1ToField(&dialog, ids.pitch1);
        (void)hatch->pitch2ToField(&dialog, ids.pitch2);
    }
    if (screen) {
        (void)(screen->fillKindList(&dialog, ids.screen) && screen->kindToList(&dialog, ids.screen));
        (void)screen->startToField(&dialog, ids.start);
        (void)screen->endToField(&dialog, ids.end);
        (void)(screen->fillVectorList(&dialog, ids.direction) && screen->vectorToList(&dialog, ids.direction));
    }
}

void store(Dialog& dialog, const AreaPageIds& ids, const AreaAttributes& area)
{
    EdgeAttributes* edge = area.edge;
    FillAttributes* fill = area.fill;
    HatchAttributes* hatch = area.hatch;
    GrayAttributes* screen = screenOf(area);
    // A control the page lacks leaves its value.
    if (edge)
        (void)edge->draw.fromCheckBox(&dialog, ids.edgeDrawn);
    if (fill)
        (void)fill->drawFromCheckBox(&dialog, ids.fillDrawn);
    if (hatch) {
        (void)hatch->patternFromList(&dialog, ids.pattern);
        double pitch = 0.0;
        if (takeReal(dialog, ids.pitch1, property_fields::kMinPitch, property_fields::kMaxPitch, pitch))
            hatch->pitch1 = pitch;
        if (takeReal(dialog, ids.pitch2, property_fields::kMinPitch, property_fields::kMaxPitch, pitch))
            hatch->pitch2 = pitch;
    }
    if (screen) {
        (void)screen->kindFromList(&dialog, ids.screen);
        int percent = 0;
        if (takeInt(dialog, ids.start, 0, 100, percent))
            screen->startGray = percent / 100.0;
        if (takeInt(dialog, ids.end, 0, 100, percent))
            screen->endGray = percent / 100.0;
        (void)screen->vectorFromList(&dialog, ids.direction);
    }
}

int onClick(Dialog& dialog, const AreaPageIds& ids, const AreaAttributes& area, int controlId)
{
    if (controlId != ids.edgeDrawn && controlId != ids.fillDrawn)
        return 0;
    if (!area.edge || !area.fill)
        return 1; // one switch alone has no partner to keep drawn
    DrawSwitch& clicked = controlId == ids.edgeDrawn ? area.edge->draw : area.fill->draw;
    DrawSwitch& other = controlId == ids.edgeDrawn ? area.fill->draw : area.edge->draw;
    if (clicked.fromCheckBox(&dialog, controlId) && !clicked.value)
        other.value = 1;
    loadSwitches(dialog, ids, area);
    return 1;
}

} // namespace area_page
