#include "document/DrawingGrid.h"

#include <cmath>
#include <initializer_list>

#include "document/DocumentContext.h"
#include "document/MeasureDefaults.h"
#include "geometry/AttributeIo.h"
#include "geometry/PaperSettings.h"
#include "geometry/Point.h"

namespace {

const char* const kKindKeywords[] = {"NONE", "GRID", "MESH"};
const char* const kPositionKeywords[] = {"NONE", "UNDER", "OVER"};
const char* const kOriginDesignKeywords[] = {"NONE", "+", "X", "SQUARE", "DIAMOND"};

template <int N> const char* keywordIn(const char* const (&keywords)[N], int value)
{
    return value >= 0 && value < N ? keywords[value] : keywords[0];
}

// Tries the values in ascending order; any other text is 0 ("NONE").
template <int N> int valueOf(const char* const (&keywords)[N], const char* text)
{
    int value = 0;
    (void)attribute_io::codeOfKeyword(text, keywords, N, 0, value); // another text keeps 0
    return value;
}

} // namespace

DrawingGrid::DrawingGrid()
{
    plusColor.setCyan();
    minusColor.setYellow();
    originColor.setBlack();
    applyUnitChoice();
}

void DrawingGrid::applyUnitChoice()
{
    for (UnitSettings* units : {&xUnits, &yUnits}) {
        switch (unitChoiceMode) {
        case kMillimetreOnly:
            units->setMillimetreChoice();
            break;
        case kPrintUnits:
            units->setPrintChoices();
            break;
        default:
            units->setLengthChoices();
            break;
        }
    }
}

void DrawingGrid::assign(const GridSettings* other)
{
    const auto* grid = dynamic_cast<const DrawingGrid*>(other);
    if (!grid || grid == this)
        return;
    kind = grid->kind;
    xUnits.copyFrom(&grid->xUnits);
    xOrigin = grid->xOrigin;
    xNumerator = grid->xNumerator;
    xDenominator = grid->xDenominator;
    yUnits.copyFrom(&grid->yUnits);
    yOrigin = grid->yOrigin;
    yNumerator = grid->yNumerator;
    yDenominator = grid->yDenominator;
    displayOriginX = grid->displayOriginX;
    displayOriginY = grid->displayOriginY;
    plusColor.RgbColor::assign(grid->plusColor);
    minusColor.RgbColor::assign(grid->minusColor);
    originColor.RgbColor::assign(grid->originColor);
    position = grid->position;
    originDesign = grid->originDesign;
    unitChoiceMode = grid->unitChoiceMode;
}

// Queries

double DrawingGrid::xPitchInMillimetres() const
{
    return xUnits.convert(xNumerator, xUnits.currentUnit, UnitConverter::millimetre);
}

double DrawingGrid::yPitchInMillimetres() const
{
    return yUnits.convert(yNumerator, yUnits.currentUnit, UnitConverter::millimetre);
}

double DrawingGrid::paperHeight() const
{
    const PaperSettings* paper = owner ? owner->paper : nullptr;
    return paper ? paper->verticalSizeInDrawing() : 100.0;
}

int DrawingGrid::paperYAxisMode() const
{
    const PaperSettings* paper = owner ? owner->paper : nullptr;
    return paper ? paper->yDirection() : 0;
}

double DrawingGrid::originY() const { return paperYAxisMode() == 1 ? paperHeight() - yOrigin : yOrigin; }

// Keywords

const char* DrawingGrid::kindKeyword(int value) { return keywordIn(kKindKeywords, value); }
const char* DrawingGrid::positionKeyword(int value) { return keywordIn(kPositionKeywords, value); }
const char* DrawingGrid::originDesignKeyword(int value) { return keywordIn(kOriginDesignKeywords, value); }
int DrawingGrid::kindOfKeyword(const char* text) { return valueOf(kKindKeywords, text); }
int DrawingGrid::positionOfKeyword(const char* text) { return valueOf(kPositionKeywords, text); }
int DrawingGrid::originDesignOfKeyword(const char* text) { return valueOf(kOriginDesignKeywords, text); }

// Checked setters

int DrawingGrid::isAcceptedValue(double value) { return std::isfinite(value) && std::fabs(value) <= kMaxValue; }

namespace {

int setChecked(double& field, double value, double lowest)
{
    if (!DrawingGrid::isAcceptedValue(value) || value < lowest)
        return 0;
    field = value;
    return 1;
}

} // namespace

int DrawingGrid::setXNumerator(double value) { return setChecked(xNumerator, value, -kMaxValue); }
int DrawingGrid::setYNumerator(double value) { return setChecked(yNumerator, value, -kMaxValue); }
int DrawingGrid::setXDenominator(double value) { return setChecked(xDenominator, value, 1.0); }
int DrawingGrid::setYDenominator(double value) { return setChecked(yDenominator, value, 1.0); }
int DrawingGrid::setDisplayOriginX(double value) { return setChecked(displayOriginX, value, -kMaxValue); }
int DrawingGrid::setDisplayOriginY(double value) { return setChecked(displayOriginY, value, -kMaxValue); }

// The origin as shown

void DrawingGrid::updateDisplayOrigin()
{
    displayOriginX = xOrigin;
    displayOriginY = paperYAxisMode() == 1 ? paperHeight() - yOrigin : yOrigin;
}

void DrawingGrid::updateOriginFromDisplay()
{
    xOrigin = displayOriginX;
    yOrigin = paperYAxisMode() == 1 ? paperHeight() - displayOriginY : displayOriginY;
}

// Units

void DrawingGrid::passOnUnitChange(int unit)
{
    if (MeasureDefaults* measure = owner ? owner->measureDefaults : nullptr)
        measure->setLengthUnit(unit);
}

void DrawingGrid::chooseUnitsForScale()
{
    const PaperSettings* paper = owner ? owner->paper : nullptr;
    if (!paper)
        return;
    // Both terms are at least 1 (the paper keeps them so).
    const double r = static_cast<double>(paper->scaleNumerator()) / paper->scaleDenominator();
    const int unit = r < 0.011  ? UnitConverter::metre
                     : r < 0.11 ? UnitConverter::centimetre
                     : r > 99.0 ? UnitConverter::micron
                                : UnitConverter::millimetre;
    const int before = xUnits.currentUnit;
    xUnits.currentUnit = unit;
    yUnits.copyFrom(&xUnits);
    if (unit != before)
        passOnUnitChange(unit);
}

// Snapping

double DrawingGrid::snapAxis(double v, double origin, double numerator, double denominator, int unit) const
{
    if (!isShown() || !(denominator >= 1.0) || !(numerator >= kZeroTolerance) || !std::isfinite(v) ||
        !std::isfinite(origin) || !std::isfinite(numerator) || !std::isfinite(denominator))
        return v;
    // Microns are snapped in microns, the value and the origin alike, so that the lines agree with
    // the ones painted; every other unit in millimetres.
    const UnitConverter& units = xUnits;
    const int inMicrons = unit == UnitConverter::micron;
    const double value = inMicrons ? units.mmToMicron(v) : v;
    const double o = inMicrons ? units.mmToMicron(origin) : origin;
    const double pitch =
        (inMicrons || unit == UnitConverter::millimetre ? numerator
                                                          : units.convert(numerator, unit, UnitConverter::millimetre)) /
        denominator;
    if (!(pitch > 0.0) || !std::isfinite(pitch))
        return v;
    // Line n is the last line not above the value; the division may be one off either way.
    double n = std::floor((value - o) / pitch);
    if (!std::isfinite(n))
        return v;
    if (o + n * pitch > value)
        n -= 1.0;
    else if (o + (n + 1.0) * pitch <= value)
        n += 1.0;
    const double below = o + n * pitch;
    const double above = o + (n + 1.0) * pitch;
    // A tie goes to line n.
    const double nearest = above - value < value - below ? above : below;
    const double snapped = inMicrons ? units.micronToMm(nearest) : nearest;
    return std::isfinite(snapped) ? snapped : v;
}

double DrawingGrid::snapX(double v) const { return snapAxis(v, xOrigin, xNumerator, xDenominator, xUnits.currentUnit); }

double DrawingGrid::snapY(double v) const { return snapAxis(v, yOrigin, yNumerator, yDenominator, yUnits.currentUnit); }

void DrawingGrid::snapPoint(Point* point) const
{
    if (!point)
        return;
    point->x = snapX(point->x);
    point->y = snapY(point->y);
}
