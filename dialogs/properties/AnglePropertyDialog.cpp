#include "dialogs/properties/AnglePropertyDialog.h"

#include "dialogs/properties/AngleFamilyLayout.h"
#include "resources/ids_text_properties.h"

TextPropertyDialogBase::Layout angleFamilyLayout(int coordinatePage, int angleUnits,
                                                 const TextPropertyDialogBase::PointFields* points, int pointCount)
{
    using Base = TextPropertyDialogBase;
    return {{{Base::kColourRole, IDD_ANGLE_COLOUR},
             {Base::kFontRole, IDD_ANGLE_FONT},
             {Base::kNumeralRole, IDD_ANGLE_NUMERAL},
             {Base::kLineRole, IDD_ANGLE_LINE},
             {Base::kCoordinateRole, coordinatePage}},
            {{IDC_ANGLE_NUMERAL_COLOUR, Base::kNumeralColour},
             {IDC_ANGLE_UNDERLINE_COLOUR, Base::kUnderlineColour},
             {IDC_ANGLE_LEADER_COLOUR, Base::kLeaderColour},
             {IDC_ANGLE_ARROW_COLOUR, Base::kArrowColour}},
            0,
            {IDC_ANGLE_FACE, IDC_ANGLE_STYLE, IDC_ANGLE_SIZE},
            // decimals, the angle's or the length unit without its label, the switch, the gap
            {IDC_ANGLE_DECIMALS, angleUnits ? 0 : IDC_ANGLE_UNIT, 0, angleUnits ? IDC_ANGLE_UNIT : 0, 0,
             IDC_ANGLE_SHOW_UNIT, 0, IDC_ANGLE_GAP},
            {IDC_ANGLE_UNDERLINE_STYLE, IDC_ANGLE_UNDERLINE_WIDTH, IDC_ANGLE_LEADER_STYLE, IDC_ANGLE_LEADER_WIDTH,
             IDC_ANGLE_LEADER_GAP, IDC_ANGLE_LEADER_OVER, IDC_ANGLE_ARROW_KIND, IDC_ANGLE_ARROW_SIZE,
             IDC_ANGLE_ARROW_LENGTH, IDC_ANGLE_ARROW_LEAN},
            points,
            pointCount,
            0};
}

namespace {
const TextPropertyDialogBase::Layout kLayout = angleFamilyLayout(IDD_ANGLE_POINTS, 1, nullptr, 0);
// x, y, their units, number, count and the step buttons; no corner radius.
const VertexPageIds kVertexPage = {IDC_ANGLE_X,      IDC_ANGLE_Y,      IDC_ANGLE_X_UNIT,
                                   IDC_ANGLE_Y_UNIT, IDC_ANGLE_NUMBER, IDC_ANGLE_COUNT,
                                   IDC_ANGLE_PREVIOUS, IDC_ANGLE_NEXT, 0,
                                   0};
} // namespace

// The points as stored: no grid origin, no y flip (kept so; the values go back the same way).
AnglePropertyDialog::AnglePropertyDialog() : TextPropertyDialogBase(kLayout, &stepper), stepper(kVertexPage, 0, 0) {}

int AnglePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "角度"); }
