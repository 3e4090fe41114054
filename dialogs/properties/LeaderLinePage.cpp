#include "dialogs/properties/LeaderLinePage.h"

#include <initializer_list>

#include "dialogs/properties/PropertyFields.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/LineAttribute.h"
#include "platform/ControlKinds.h"
#include "platform/Dialog.h"
#include "shapes/ArrowHeadStyle.h"

using property_fields::takeReal;

namespace leader_line_page {
namespace {

// Lengths a line page takes, in paper millimetres.
constexpr double kMaxLength = 1000.0;

// The leader's style list is the underline's: "なし" is style 0, position = style + 1.
void showStyle(Dialog& dialog, int id, int style)
{
    LineAttribute list;
    list.style = style;
    (void)(list.fillStyleList(&dialog, id) && list.styleToList(&dialog, id)); // a page without the list shows none
}

void takeStyle(Dialog& dialog, int id, int& style)
{
    LineAttribute list;
    list.style = style;
    if (list.styleFromList(&dialog, id)) // nothing chosen keeps the style
        style = list.style;
}

void takeLength(Dialog& dialog, int id, double& value)
{
    double typed = 0.0;
    if (takeReal(dialog, id, 0.0, kMaxLength, typed))
        value = typed;
}

} // namespace

void declare(Dialog& dialog, const LeaderLineIds& ids)
{
    // An id of 0 (a field the page lacks) is refused; every transfer looks for its control first.
    for (int list : {ids.underlineStyle, ids.leaderStyle, ids.arrowKind})
        (void)dialog.addControl(list, KIND_COMBO_BOX);
    for (int field : {ids.underlineWidth, ids.leaderWidth, ids.leaderGap, ids.leaderOver, ids.arrowSize,
                      ids.arrowLength, ids.arrowLean})
        (void)dialog.addControl(field, KIND_REAL_EDIT);
}

void load(Dialog& dialog, const LeaderLineIds& ids, const LeaderLineValues& values)
{
    // A field the page lacks shows nothing.
    if (LineAttribute* underline = values.underline) {
        showStyle(dialog, ids.underlineStyle, underline->style);
        (void)dialog.setDouble(ids.underlineWidth, underline->penWidth);
    }
    if (DrawLineAttribute* leader = values.leader) {
        showStyle(dialog, ids.leaderStyle, leader->style);
        (void)dialog.setDouble(ids.leaderWidth, leader->width);
        (void)dialog.setDouble(ids.leaderGap, leader->space);
        (void)dialog.setDouble(ids.leaderOver, leader->over);
    }
    if (ArrowHeadStyle* arrow = values.arrow) {
        (void)(arrow->fillKindList(&dialog, ids.arrowKind) && arrow->showKind(&dialog, ids.arrowKind));
        (void)dialog.setDouble(ids.arrowSize, arrow->lineSize);
        (void)dialog.setDouble(ids.arrowLength, arrow->length);
        (void)dialog.setDouble(ids.arrowLean, arrow->lean);
    }
}

void store(Dialog& dialog, const LeaderLineIds& ids, const LeaderLineValues& values)
{
    if (LineAttribute* underline = values.underline) {
        takeStyle(dialog, ids.underlineStyle, underline->style);
        takeLength(dialog, ids.underlineWidth, underline->penWidth);
    }
    if (DrawLineAttribute* leader = values.leader) {
        takeStyle(dialog, ids.leaderStyle, leader->style);
        takeLength(dialog, ids.leaderWidth, leader->width);
        takeLength(dialog, ids.leaderGap, leader->space);
        takeLength(dialog, ids.leaderOver, leader->over);
    }
    if (ArrowHeadStyle* arrow = values.arrow) {
        (void)arrow->takeKind(&dialog, ids.arrowKind); // nothing chosen, or no list, keeps the kind
        takeLength(dialog, ids.arrowSize, arrow->lineSize);
        takeLength(dialog, ids.arrowLength, arrow->length);
        double lean = 0.0;
        if (takeReal(dialog, ids.arrowLean, -property_fields::kMaxAngle, property_fields::kMaxAngle, lean))
            arrow->lean = lean;
    }
}

} // namespace leader_line_page
