#include "dialogs/properties/TextLinePropertyDialog.h"

#include "elements/TextLineElement.h"
#include "resources/ids_text_properties.h"

namespace {
using Base = TextPropertyDialogBase;
const Base::Layout kLayout = {{{Base::kColourRole, IDD_TEXTLINE_COLOUR},
                               {Base::kFontRole, IDD_TEXTLINE_FONT},
                               {Base::kLineRole, IDD_TEXTLINE_LINE},
                               {Base::kCoordinateRole, IDD_TEXTLINE_POINTS}},
                              {{IDC_TEXTLINE_TEXT_COLOUR, Base::kTextColour},
                               {IDC_TEXTLINE_LEADER_COLOUR, Base::kLeaderColour},
                               {IDC_TEXTLINE_ARROW_COLOUR, Base::kArrowColour}},
                              1,
                              {IDC_TEXTLINE_FACE, IDC_TEXTLINE_STYLE, IDC_TEXTLINE_SIZE},
                              {},
                              // No underline, and the leader has no gap or overshoot here.
                              {0, 0, IDC_TEXTLINE_LEADER_STYLE, IDC_TEXTLINE_LEADER_WIDTH, 0, 0, IDC_TEXTLINE_ARROW_KIND,
                               IDC_TEXTLINE_ARROW_SIZE, IDC_TEXTLINE_ARROW_LENGTH, IDC_TEXTLINE_ARROW_LEAN},
                              nullptr,
                              0,
                              IDC_TEXTLINE_LEAN};
// x, y, their units, number, count and the step buttons; no corner radius.
const VertexPageIds kVertexPage = {IDC_TEXTLINE_X,      IDC_TEXTLINE_Y,      IDC_TEXTLINE_X_UNIT,
                                   IDC_TEXTLINE_Y_UNIT, IDC_TEXTLINE_NUMBER, IDC_TEXTLINE_COUNT,
                                   IDC_TEXTLINE_PREVIOUS, IDC_TEXTLINE_NEXT, 0,
                                   0};
} // namespace

TextLinePropertyDialog::TextLinePropertyDialog() : TextPropertyDialogBase(kLayout, &stepper), stepper(kVertexPage, 0) {}

int TextLinePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "引出しテキスト"); }

void TextLinePropertyDialog::storePage()
{
    TextPropertyDialogBase::storePage();
    if (roleOf(currentPage) == kCoordinateRole)
        if (auto* leaderText = dynamic_cast<TextLineElement*>(element))
            leaderText->anchorAtLeaderEnd();
}
