#include "document/SheetSettings.h"

#include <cmath>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/PaperSettingsDialog.h"
#include "document/RulerBars.h"
#include "document/TagWriter.h"
#include "document/ViewScroller.h"
#include "document/ViewUpdater.h"
#include "geometry/AttributeIo.h"
#include "geometry/GridSettings.h"
#include "geometry/ViewParams.h"
#include "platform/MathUtil.h"
#include "platform/StringUtil.h"

namespace {

const char kUpperPlusName[] = "UPPERPLUS";
const char kUnderPlusName[] = "UNDERPLUS";

// Above 0 as the files write it back (3 decimals, cut): a size that would be saved as 0 would be
// refused when the file is opened again, and the sheet would silently take another size.
int isSheetSize(double millimetres)
{
    // A size the drawing file has no text for would make every later save of the drawing fail.
    return std::isfinite(millimetres) && TagWriter::hasRealText(millimetres) &&
           attribute_io::acceptsWrittenBack(millimetres, SheetSettings::kSizeDecimals, [](double v) { return v > 0.0; });
}

} // namespace

SheetSettings::SheetSettings()
{
    tonboEdgeColour.setBlue();
    tonboAreaColour.setWhite();
    yohakuEdgeColour.setMagenta();
    yohakuAreaColour.setWhite();
}

// Queries

double SheetSettings::verticalSize() const { return MathUtil::roundTo(verticalMm, kSizeDecimals); }

double SheetSettings::horizontalSize() const { return MathUtil::roundTo(horizontalMm, kSizeDecimals); }

int SheetSettings::scaleNumerator() const { return oneToOne || numerator < 1 ? 1 : numerator; }

int SheetSettings::scaleDenominator() const { return oneToOne || denominator < 1 ? 1 : denominator; }

double SheetSettings::toDrawing(double millimetres) const
{
    return millimetres * scaleDenominator() / scaleNumerator();
}

const char* SheetSettings::yDirectionName() const
{
    if (direction == kUpperPlus)
        return kUpperPlusName;
    if (direction == kUnderPlus)
        return kUnderPlusName;
    return nullptr;
}

// Setters

int SheetSettings::setVerticalSize(double millimetres)
{
    if (!isSheetSize(millimetres))
        return 0;
    verticalMm = millimetres;
    return 1;
}

int SheetSettings::setHorizontalSize(double millimetres)
{
    if (!isSheetSize(millimetres))
        return 0;
    horizontalMm = millimetres;
    return 1;
}

int SheetSettings::setSize(double vertical, double horizontal)
{
    const int verticalTaken = setVerticalSize(vertical);
    return setHorizontalSize(horizontal) && verticalTaken;
}

int SheetSettings::setTonboWidth(Side side, double millimetres)
{
    if (!std::isfinite(millimetres))
        return 0;
    tonbo[side] = millimetres;
    return 1;
}

int SheetSettings::setYohakuWidth(Side side, double millimetres)
{
    if (!std::isfinite(millimetres))
        return 0;
    yohaku[side] = millimetres;
    return 1;
}

int SheetSettings::setYDirectionByName(const char* name)
{
    if (!name)
        return 0;
    if (StringUtil::equals(name, kUpperPlusName))
        return setYDirection(kUpperPlus);
    if (StringUtil::equals(name, kUnderPlusName))
        return setYDirection(kUnderPlus);
    return 0;
}

int SheetSettings::setYDirection(int value)
{
    if (value != kUpperPlus && value != kUnderPlus)
        return 0;
    direction = value;
    return 1;
}

void SheetSettings::assign(const PaperSettings* other)
{
    if (!other || other == this)
        return;
    const auto* sheet = dynamic_cast<const SheetSettings*>(other);
    if (sheet) {
        verticalMm = sheet->verticalMm;
        horizontalMm = sheet->horizontalMm;
        tonboEdgeColour.assign(sheet->tonboEdgeColour);
        tonboAreaColour.assign(sheet->tonboAreaColour);
        tonboEdgeShown = sheet->tonboEdgeShown;
        tonboAreaShown = sheet->tonboAreaShown;
        yohakuEdgeColour.assign(sheet->yohakuEdgeColour);
        yohakuAreaColour.assign(sheet->yohakuAreaColour);
        yohakuEdgeShown = sheet->yohakuEdgeShown;
        yohakuAreaShown = sheet->yohakuAreaShown;
        for (int side = kTop; side <= kBottom; ++side) {
            tonbo[side] = sheet->tonbo[side];
            yohaku[side] = sheet->yohaku[side];
        }
    }
    (void)setYDirection(other->yDirection()); // a paper without a direction leaves this one's
    setScaleNumerator(other->scaleNumerator());
    setScaleDenominator(other->scaleDenominator());
}

int SheetSettings::canTakeScale(int newNumerator, int newDenominator)
{
    if (!owner || owner->paper != this || (newNumerator == scaleNumerator() && newDenominator == scaleDenominator()))
        return 1;
    const int numeratorBefore = numerator, denominatorBefore = denominator, oneToOneBefore = oneToOne;
    numerator = newNumerator;
    denominator = newDenominator;
    oneToOne = 0;
    const int writable = Document::canWriteStoredElements(owner);
    numerator = numeratorBefore;
    denominator = denominatorBefore;
    oneToOne = oneToOneBefore;
    return writable;
}

// The dialog and the views

int SheetSettings::runDialog()
{
    const int numeratorBefore = scaleNumerator();
    const int denominatorBefore = scaleDenominator();
    SheetSettings copy;
    copy.assign(this);
    PaperSettingsDialog dialog(copy, this);
    const int result = dialog.run();
    if (result == 1) {
        assign(&copy);
        if (GridSettings* grid = owner ? owner->grid : nullptr) {
            if (scaleNumerator() != numeratorBefore || scaleDenominator() != denominatorBefore)
                grid->chooseUnitsForScale();
            grid->updateOriginFromDisplay();
        }
    }
    if (thePagePainter)
        thePagePainter->refresh(owner);
    if (thePageTabBar)
        thePageTabBar->refresh(owner);
    return result;
}

int SheetSettings::runDialogAndRefresh()
{
    const int result = runDialog();
    if (result == 1)
        refreshViews();
    return result;
}

void SheetSettings::resetViewsForSize()
{
    if (!owner)
        return;
    if (ViewParams* view = owner->view) {
        view->resetZoom();
        view->updateViewCaption();
    }
    if (ViewScroller* scroller = owner->scroller) {
        (void)scroller->resetRanges(); // whether a bar moved does not matter: the view is redrawn
        scroller->updatePageSizes();
        (void)scroller->applyToView();
    }
}

void SheetSettings::refreshViews()
{
    resetViewsForSize();
    // The rulers count in the grid's unit, which follows the scale, and in the sheet's y
    // direction; the redraw below covers only the view area inside them.
    if (RulerBars* rulers = owner ? owner->rulers : nullptr)
        rulers->paint();
    if (ViewUpdater* updater = owner ? owner->updater : nullptr) {
        updater->refreshAfterReset();
        updater->flushPainter();
    }
}
