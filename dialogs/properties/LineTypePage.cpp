#include "dialogs/properties/LineTypePage.h"

#include "dialogs/properties/PropertyFields.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "platform/ControlKinds.h"
#include "platform/Dialog.h"

namespace line_type_page {

void declare(Dialog& dialog, const LineTypeIds& ids)
{
    // An id of 0 (a field the page lacks) is refused; declaring fails otherwise only when memory
    // ran out, and every transfer looks for its control first.
    (void)dialog.addControl(ids.width, KIND_REAL_EDIT);
    (void)dialog.addControl(ids.position, KIND_COMBO_BOX);
    (void)dialog.addControl(ids.type, KIND_COMBO_BOX);
    (void)dialog.addControl(ids.cap, KIND_COMBO_BOX);
}

void load(Dialog& dialog, const LineTypeIds& ids, const LineTypeValues& values)
{
    // Each transfer answers 0 only for a control the page lacks; the field then stays empty.
    if (values.width)
        (void)dialog.setDouble(ids.width, values.width->width);
    if (values.position)
        (void)(values.position->fillPositionList(&dialog, ids.position) &&
               values.position->positionToList(&dialog, ids.position));
    if (values.type)
        (void)(values.type->fillStyleList(&dialog, ids.type) && values.type->styleToList(&dialog, ids.type));
    if (values.cap)
        (void)(values.cap->fillCapList(&dialog, ids.cap) && values.cap->capToList(&dialog, ids.cap));
}

void store(Dialog& dialog, const LineTypeIds& ids, const LineTypeValues& values)
{
    double width = 0.0;
    if (values.width && property_fields::takeReal(dialog, ids.width, 0.0, property_fields::kMaxLineWidth, width))
        values.width->width = width;
    // A list the page lacks leaves its value.
    if (values.position)
        (void)values.position->positionFromList(&dialog, ids.position);
    if (values.type)
        (void)values.type->styleFromList(&dialog, ids.type);
    if (values.cap)
        (void)values.cap->capFromList(&dialog, ids.cap);
}

} // namespace line_type_page
