#include "dialogs/properties/PropertyFields.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "dialogs/properties/TabbedPageDialog.h"
#include "geometry/DrawPoint.h"
#include "platform/Dialog.h"
#include "platform/EditControls.h"
#include "platform/StringUtil.h"

namespace property_fields {
namespace {

// Room for any number a user types; a longer text is no number.
constexpr int kTextSize = 128;

int isBlank(char c) { return c == ' ' || c == '\t'; }

// The field's whole text: 0 when it is empty or too long to be a number.
int fieldText(Control& field, char (&text)[kTextSize])
{
    text[0] = 0;
    if (!field.getText(text, kTextSize))
        return 0;
    return static_cast<int>(std::strlen(text)) < kTextSize - 1;
}

// The text's one number, blanks around it allowed.
template <typename Number, typename Parse> int parseWhole(const char* text, Parse parse, Number& out)
{
    const char* start = text;
    while (isBlank(*start))
        ++start;
    if (!*start)
        return 0;
    char* end = nullptr;
    errno = 0;
    const Number v = parse(start, &end);
    if (end == start || errno == ERANGE)
        return 0;
    while (isBlank(*end))
        ++end;
    if (*end)
        return 0;
    out = v;
    return 1;
}

// A bound as the user would type it: up to four decimals, cut towards zero, so that the bounds
// told always lie within the range.
void formatBound(double bound, char (&text)[40])
{
    if (!StringUtil::formatDouble(bound, 4, text))
        std::snprintf(text, sizeof text, "%g", bound);
}

// The typed text of `field` cannot be taken: the first such field of the page's store is named to
// the user with the numbers it takes and gets the focus, its text left for the user to mend; the
// dialog then stays on the page (TabbedPageDialog::storeShownPage).
template <typename Bound> void refuse(Dialog& dialog, Control& field, Bound low, Bound high)
{
    auto* pages = dynamic_cast<TabbedPageDialog*>(&dialog);
    if (pages) {
        if (pages->refusedField)
            return; // the user mends one field at a time
        pages->refusedField = field.id;
    }
    if constexpr (std::is_same_v<Bound, double>) {
        char from[40], to[40];
        formatBound(low, from);
        formatBound(high, to);
        refuseFieldNumber(field, from, to);
    } else {
        refuseFieldNumber(field, low, high);
    }
}

} // namespace

int takeReal(Dialog& dialog, int id, double low, double high, double& value)
{
    auto* field = dynamic_cast<RealEdit*>(dialog.findControl(id));
    if (!field)
        return 0;
    int changed = 0;
    (void)field->getDouble(&changed, 0); // only whether the text still shows the stored value
    if (!changed)
        return 0;
    char text[kTextSize];
    double typed = 0.0;
    const int number = fieldText(*field, text) &&
                       parseWhole<double>(text, [](const char* s, char** e) { return std::strtod(s, e); }, typed);
    if (!number || !std::isfinite(typed) || typed < low || typed > high) {
        refuse(dialog, *field, low, high);
        return 0;
    }
    value = field->getDouble(&changed, 1);
    return 1;
}

int takeInt(Dialog& dialog, int id, int low, int high, int& value)
{
    auto* field = dynamic_cast<IntegerEdit*>(dialog.findControl(id));
    if (!field)
        return 0;
    char text[kTextSize];
    (void)fieldText(*field, text); // a text too long for it is judged below
    char shown[32];
    std::snprintf(shown, sizeof shown, "%d", field->value);
    if (std::strcmp(text, shown) == 0)
        return 0;
    int taken = 0;
    const int judged = field->readIntInRange(low, high, taken);
    if (judged < 0)
        refuse(dialog, *field, low, high);
    if (judged <= 0)
        return 0; // an emptied field keeps the value
    value = taken;
    return 1;
}

int realDiffers(Dialog& dialog, int id)
{
    auto* field = dynamic_cast<RealEdit*>(dialog.findControl(id));
    char text[kTextSize];
    double typed = 0.0;
    if (!field || !fieldText(*field, text) ||
        !parseWhole<double>(text, [](const char* s, char** e) { return std::strtod(s, e); }, typed))
        return 0;
    int changed = 0;
    // A text that still shows the stored value is no change, whatever its digits say.
    (void)field->getDouble(&changed, 0);
    return changed && std::isfinite(typed) && typed != field->value;
}

int intDiffers(Dialog& dialog, int id)
{
    auto* field = dynamic_cast<IntegerEdit*>(dialog.findControl(id));
    char text[kTextSize];
    long long typed = 0;
    return field && fieldText(*field, text) && StringUtil::parseWholeLong(text, typed) > 0 && typed != field->value;
}

void showPoint(Dialog& dialog, const DrawPoint& point, int xId, int yId, int xUnitId, int yUnitId)
{
    // A missing field or label is left out of the page, and so out of what it shows.
    (void)point.writeXToDialog(&dialog, xId);
    (void)point.writeYToDialog(&dialog, yId);
    (void)point.showXUnitLabel(&dialog, xUnitId);
    (void)point.showYUnitLabel(&dialog, yUnitId);
}

void takePoint(Dialog& dialog, DrawPoint& point, int xId, int yId, double limit)
{
    double typed = 0.0;
    const double xLimit = std::fabs(point.toGridUnitX(limit));
    const double yLimit = std::fabs(point.toGridUnitY(limit));
    // The point's own conversions read the fields again, now that they hold a number in bounds.
    if (takeReal(dialog, xId, -xLimit, xLimit, typed))
        (void)point.readXFromDialog(&dialog, xId);
    if (takeReal(dialog, yId, -yLimit, yLimit, typed))
        (void)point.readYFromDialog(&dialog, yId);
}

void showInGridUnits(Dialog& dialog, const DrawPoint& point, int xId, int yId, int xUnitId, int yUnitId)
{
    // A missing field or label is left out of the page, and so out of what it shows.
    (void)dialog.setDouble(xId, point.toGridUnitX(point.x));
    (void)dialog.setDouble(yId, point.toGridUnitY(point.y));
    (void)point.showXUnitLabel(&dialog, xUnitId);
    (void)point.showYUnitLabel(&dialog, yUnitId);
}

void takeInGridUnits(Dialog& dialog, DrawPoint& point, int xId, int yId, double limit)
{
    double typed = 0.0;
    if (takeReal(dialog, xId, -std::fabs(point.toGridUnitX(limit)), std::fabs(point.toGridUnitX(limit)), typed))
        point.x = point.fromGridUnitX(typed);
    if (takeReal(dialog, yId, -std::fabs(point.toGridUnitY(limit)), std::fabs(point.toGridUnitY(limit)), typed))
        point.y = point.fromGridUnitY(typed);
}

void showLength(Dialog& dialog, int id, const DrawPoint& units, double length)
{
    if (Control* field = dialog.findControl(id))
        (void)field->setDouble(units.toGridUnitX(length)); // a field that takes no number stays empty
}

int takeLength(Dialog& dialog, int id, const DrawPoint& units, double limit, double& length)
{
    double typed = 0.0;
    const double bound = std::fabs(units.toGridUnitX(limit));
    if (!takeReal(dialog, id, -bound, bound, typed))
        return 0;
    length = units.fromGridUnitX(typed);
    return 1;
}

} // namespace property_fields
