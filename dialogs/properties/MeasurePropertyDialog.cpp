#include "dialogs/properties/MeasurePropertyDialog.h"

#include "resources/ids_text_properties.h"

namespace {
using Base = TextPropertyDialogBase;
// 数値 before 線, although their resources are numbered the other way.
const Base::Layout kLayout = {{{Base::kColourRole, IDD_MEASURE_COLOUR},
                               {Base::kFontRole, IDD_MEASURE_FONT},
                               {Base::kNumeralRole, IDD_MEASURE_NUMERAL},
                               {Base::kLineRole, IDD_MEASURE_LINE},
                               {Base::kCoordinateRole, IDD_MEASURE_POINTS}},
                              {{IDC_MEASURE_NUMERAL_COLOUR, Base::kNumeralColour},
                               {IDC_MEASURE_UNDERLINE_COLOUR, Base::kUnderlineColour},
                               {IDC_MEASURE_LEADER_COLOUR, Base::kLeaderColour},
                               {IDC_MEASURE_ARROW_COLOUR, Base::kArrowColour}},
                              1,
                              {IDC_MEASURE_FACE, IDC_MEASURE_STYLE, IDC_MEASURE_SIZE},
                              // decimals, the length unit without its label, the switch, the position, the gap
                              {IDC_MEASURE_DECIMALS, IDC_MEASURE_UNIT, 0, 0, 0, IDC_MEASURE_SHOW_UNIT,
                               IDC_MEASURE_POSITION, IDC_MEASURE_GAP},
                              {IDC_MEASURE_UNDERLINE_STYLE, IDC_MEASURE_UNDERLINE_WIDTH, IDC_MEASURE_LEADER_STYLE,
                               IDC_MEASURE_LEADER_WIDTH, IDC_MEASURE_LEADER_GAP, IDC_MEASURE_LEADER_OVER,
                               IDC_MEASURE_ARROW_KIND, IDC_MEASURE_ARROW_SIZE, IDC_MEASURE_ARROW_LENGTH,
                               IDC_MEASURE_ARROW_LEAN},
                              nullptr,
                              0,
                              0};
// x, y, their units, number, count and the step buttons; no corner radius.
const VertexPageIds kVertexPage = {IDC_MEASURE_X,      IDC_MEASURE_Y,      IDC_MEASURE_X_UNIT,
                                   IDC_MEASURE_Y_UNIT, IDC_MEASURE_NUMBER, IDC_MEASURE_COUNT,
                                   IDC_MEASURE_PREVIOUS, IDC_MEASURE_NEXT, 0,
                                   0};
} // namespace

MeasurePropertyDialog::MeasurePropertyDialog() : TextPropertyDialogBase(kLayout, &stepper), stepper(kVertexPage, 0) {}

int MeasurePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "寸法線"); }
