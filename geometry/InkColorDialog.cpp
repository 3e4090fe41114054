// The colour in dialog controls: colour swatches, the overprint check boxes and the ink list.
#include <new>

#include "geometry/AttributeIo.h"
#include "geometry/InkColor.h"
#include "geometry/InkInfo.h"
#include "platform/Dialog.h"

namespace {

Control* controlOf(Dialog* dialog, int id) { return dialog ? dialog->findControl(id) : nullptr; }

// The ink list's texts, in ink order.
const char* const kInkListTexts[InkColor::kInks] = {"CMYK", "特色１", "特色２", "特色３", "特色４", "特色５"};

} // namespace

int InkColor::showInControl(Dialog* dialog, int id)
{
    Control* swatch = controlOf(dialog, id);
    if (!swatch)
        return 0;
    swatch->setColour(this);
    return 1;
}

int InkColor::repaintControl(Dialog* dialog, int id)
{
    Control* swatch = controlOf(dialog, id);
    if (!swatch)
        return 0;
    swatch->repaint();
    return 1;
}

int InkColor::pickForControl(Dialog* dialog, int id)
{
    return colorModel() == 3 ? pickWithColourDialog(dialog, id) : pickWithStandardDialog(dialog, id);
}

int InkColor::pickWithStandardDialog(Dialog* dialog, int id)
{
    Control* swatch = controlOf(dialog, id);
    if (!swatch)
        return 0;
    // The swatch keeps what it showed when the user cancels, so its colour is taken either way;
    // overprint and ink stay as they are.
    (void)swatch->chooseColour();
    if (const RgbColor* chosen = swatch->getColour())
        RgbColor::assign(*chosen);
    return 1;
}

int InkColor::pickWithColourDialog(Dialog* dialog, int id)
{
    if (!controlOf(dialog, id) || !colorSettingsHooks.makeInkInfo || !colorSettingsHooks.runColorSettings)
        return 0;
    // The dialog edits copies; the colour and the ink choices change only on OK.
    InkColor* colour = new (std::nothrow) InkColor;
    InkInfo* inks = colorSettingsHooks.makeInkInfo();
    int result = 0;
    if (colour && inks) {
        colour->assign(*this);
        InkInfo* documentInks = theInkInfo ? theInkInfo->current : nullptr;
        if (documentInks)
            inks->copyFrom(documentInks);
        if (colorSettingsHooks.runColorSettings(*colour, *inks, dialog) == 1) {
            if (documentInks)
                documentInks->takeChoice(*inks);
            if (theInkInfo)
                theInkInfo->copyFrom(inks);
            assign(*colour);
            (void)showInControl(dialog, id); // the swatch was found above
            result = 1;
        }
    }
    delete inks;
    delete colour;
    return result;
}

int InkColor::overprintToCheckBox(Dialog* dialog, int id)
{
    return dialog && dialog->setCheckById(id, overprint) ? 1 : 0;
}

int InkColor::overprintFromCheckBox(Dialog* dialog, int id)
{
    int checked = 0;
    if (!dialog || !dialog->getCheckById(id, &checked))
        return 0;
    overprint = checked;
    return 1;
}

int InkColor::platesToCheckBoxes(Dialog* dialog, const int ids[kPlates])
{
    if (!dialog || !ids)
        return 0;
    int all = 1;
    for (int i = 0; i < kPlates; ++i)
        if (!dialog->setCheckById(ids[i], plateMarks[i]))
            all = 0;
    return all;
}

int InkColor::platesFromCheckBoxes(Dialog* dialog, const int ids[kPlates])
{
    if (!dialog || !ids)
        return 0;
    int all = 1;
    for (int i = 0; i < kPlates; ++i) {
        int checked = 0;
        if (dialog->getCheckById(ids[i], &checked))
            plateMarks[i] = checked;
        else
            all = 0;
    }
    return all;
}

int InkColor::fillInkList(Dialog* dialog, int id)
{
    return attribute_io::fillList(dialog, id, kInkListTexts, kInks);
}

int InkColor::inkToList(Dialog* dialog, int id) { return attribute_io::selectListPosition(dialog, id, inkNumber); }

int InkColor::inkFromList(Dialog* dialog, int id)
{
    int position = 0;
    if (!attribute_io::selectedListPosition(dialog, id, position))
        return 0;
    // No selection (0) leaves the ink.
    if (position >= 1 && position <= kInks)
        inkNumber = position;
    return 1;
}
