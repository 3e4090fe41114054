#include "dialogs/properties/ImagePlacementPage.h"

#include <cmath>
#include <initializer_list>

#include "dialogs/properties/PropertyFields.h"
#include "document/Element.h"
#include "geometry/DrawPoint.h"
#include "platform/ControlKinds.h"
#include "platform/Dialog.h"
#include "platform/StringUtil.h"

namespace image_placement_page {

namespace {
// A base below this (drawing units) has no size to compare with.
constexpr double kNoSize = 1e-5;
} // namespace

void declare(Dialog& dialog, const ImagePlacementIds& ids)
{
    // Declaring fails only when memory ran out: the page then goes without the control, and
    // every transfer looks for it first.
    for (int id : {ids.startX, ids.startY, ids.endX, ids.endY})
        (void)dialog.addControl(id, KIND_REAL_EDIT);
    for (int id : {ids.xUnit, ids.yUnit, ids.widthPercent, ids.heightPercent})
        (void)dialog.addControl(id, KIND_INTEGER_DISPLAY);
}

void load(Dialog& dialog, const ImagePlacementIds& ids, Element& image)
{
    if (const DrawPoint* start = image.firstPoint())
        property_fields::showPoint(dialog, *start, ids.startX, ids.startY, ids.xUnit, ids.yUnit);
    if (const DrawPoint* end = image.secondPoint())
        property_fields::showPoint(dialog, *end, ids.endX, ids.endY, 0, 0);
}

void store(Dialog& dialog, const ImagePlacementIds& ids, Element& image, double limit)
{
    DrawPoint* start = image.firstPoint();
    DrawPoint* end = image.secondPoint();
    if (!start || !end)
        return;
    DrawPoint typedStart = *start, typedEnd = *end;
    property_fields::takePoint(dialog, typedStart, ids.startX, ids.startY, limit);
    property_fields::takePoint(dialog, typedEnd, ids.endX, ids.endY, limit);
    // Both corners in one change of the frame, so that a picture's mask goes from the frame before
    // to the one typed, never through the frame of the new start and the old end.
    if (typedStart.x != start->x || typedStart.y != start->y || typedEnd.x != end->x || typedEnd.y != end->y)
        image.setCorners(typedStart, typedEnd);
}

void formatPercent(double value, double base, char* text, int size)
{
    if (!text || size < 1)
        return;
    text[0] = 0;
    const double percent = std::fabs(base) < kNoSize ? 0.0 : value * 100.0 / base;
    // A percentage too large to write shows nothing rather than a wrong number.
    if (StringUtil::formatDoubleRaw(percent, 2, text, size, 0))
        StringUtil::append(text, size, " %");
}

void showScale(Dialog& dialog, const ImagePlacementIds& ids, Element& image, double naturalWidth, double naturalHeight)
{
    const DrawPoint* start = image.firstPoint();
    const DrawPoint* end = image.secondPoint();
    if (!start || !end)
        return;
    char text[64];
    formatPercent(std::fabs(end->x - start->x), naturalWidth, text, sizeof text);
    (void)dialog.setText(ids.widthPercent, text); // a page without the label shows nothing
    formatPercent(std::fabs(end->y - start->y), naturalHeight, text, sizeof text);
    (void)dialog.setText(ids.heightPercent, text);
}

} // namespace image_placement_page
