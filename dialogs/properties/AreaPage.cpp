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

void loadSwitches(Dialog& dialog, const AreaAttributes& area)
{
    // A switch without its check box is not shown.
    if (area.edge)
        (void)area.edge->draw.toCheckBox(&dialog, IDC_AREA_EDGE_DRAWN);
    if (area.fill)
        (void)area.fill->drawToCheckBox(&dialog, IDC_AREA_FILL_DRAWN);
}

} // namespace

void declare(Dialog& dialog)
{
    // Declaring fails only when memory ran out; the page then shows without the control, and
    // every transfer below looks for it first.
    (void)dialog.addControl(IDC_AREA_EDGE_DRAWN, KIND_CHECK_BUTTON);
    (void)dialog.addControl(IDC_AREA_FILL_DRAWN, KIND_CHECK_BUTTON);
    (void)dialog.addControl(IDC_AREA_PATTERN, KIND_COMBO_BOX);
    (void)dialog.addControl(IDC_AREA_PITCH1, KIND_REAL_EDIT);
    (void)dialog.addControl(IDC_AREA_PITCH2, KIND_REAL_EDIT);
    (void)dialog.addControl(IDC_AREA_SCREEN, KIND_COMBO_BOX);
    (void)dialog.addControl(IDC_AREA_SCREEN_START, KIND_INTEGER_EDIT);
    (void)dialog.addControl(IDC_AREA_SCREEN_END, KIND_INTEGER_EDIT);
    (void)dialog.addControl(IDC_AREA_DIRECTION, KIND_COMBO_BOX);
}

void load(Dialog& dialog, const AreaAttributes& area)
{
    loadSwitches(dialog, area);
    HatchAttributes* hatch = area.hatch;
    FillAttributes* fill = area.fill;
    // Each transfer answers 0 only for a control the page lacks; the field then stays empty.
    if (hatch) {
        (void)(hatch->fillPatternList(&dialog, IDC_AREA_PATTERN) && hatch->patternToList(&dialog, IDC_AREA_PATTERN));
        (void)hatch->pitch1ToField(&dialog, IDC_AREA_PITCH1);
        (void)hatch->pitch2ToField(&dialog, IDC_AREA_PITCH2);
    }
    if (fill) {
        GrayAttributes& screen = fill->gray;
        (void)(screen.fillKindList(&dialog, IDC_AREA_SCREEN) && screen.kindToList(&dialog, IDC_AREA_SCREEN));
        (void)screen.startToField(&dialog, IDC_AREA_SCREEN_START);
        (void)screen.endToField(&dialog, IDC_AREA_SCREEN_END);
        (void)(screen.fillVectorList(&dialog, IDC_AREA_DIRECTION) && screen.vectorToList(&dialog, IDC_AREA_DIRECTION));
    }
}

void store(Dialog& dialog, const AreaAttributes& area)
{
    EdgeAttributes* edge = area.edge;
    FillAttributes* fill = area.fill;
    HatchAttributes* hatch = area.hatch;
    // A control the page lacks leaves its value.
    if (edge)
        (void)edge->draw.fromCheckBox(&dialog, IDC_AREA_EDGE_DRAWN);
    if (fill)
        (void)fill->drawFromCheckBox(&dialog, IDC_AREA_FILL_DRAWN);
    if (hatch) {
        (void)hatch->patternFromList(&dialog, IDC_AREA_PATTERN);
        double pitch = 0.0;
        if (takeReal(dialog, IDC_AREA_PITCH1, property_fields::kMinPitch, property_fields::kMaxPitch, pitch))
            hatch->pitch1 = pitch;
        if (takeReal(dialog, IDC_AREA_PITCH2, property_fields::kMinPitch, property_fields::kMaxPitch, pitch))
            hatch->pitch2 = pitch;
    }
    if (fill) {
        GrayAttributes& screen = fill->gray;
        (void)screen.kindFromList(&dialog, IDC_AREA_SCREEN);
        int percent = 0;
        if (takeInt(dialog, IDC_AREA_SCREEN_START, 0, 100, percent))
            screen.startGray = percent / 100.0;
        if (takeInt(dialog, IDC_AREA_SCREEN_END, 0, 100, percent))
            screen.endGray = percent / 100.0;
        (void)screen.vectorFromList(&dialog, IDC_AREA_DIRECTION);
    }
}

int onClick(Dialog& dialog, const AreaAttributes& area, int controlId)
{
    if (controlId != IDC_AREA_EDGE_DRAWN && controlId != IDC_AREA_FILL_DRAWN)
        return 0;
    if (!area.edge || !area.fill)
        return 1; // one switch alone has no partner to keep drawn
    DrawSwitch& clicked = controlId == IDC_AREA_EDGE_DRAWN ? area.edge->draw : area.fill->draw;
    DrawSwitch& other = controlId == IDC_AREA_EDGE_DRAWN ? area.fill->draw : area.edge->draw;
    if (clicked.fromCheckBox(&dialog, controlId) && !clicked.value)
        other.value = 1;
    loadSwitches(dialog, area);
    return 1;
}

} // namespace area_page
