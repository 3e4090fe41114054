#include "platform/UnitConverter.h"

namespace {
bool isMillimetreMultiple(int unit)
{
    return unit == UnitConverter::micron || unit == UnitConverter::centimetre || unit == UnitConverter::metre;
}
bool isDirectUnit(int unit) { return unit >= UnitConverter::millimetre && unit <= UnitConverter::point; }
} // namespace

double UnitConverter::convert(double value, int fromUnit, int toUnit) const
{
    // Microns, centimetres and metres travel through millimetres.
    switch (fromUnit) {
    case micron:
        value = micronToMm(value);
        fromUnit = millimetre;
        break;
    case centimetre:
        value = cmToMm(value);
        fromUnit = millimetre;
        break;
    case metre:
        value = metreToMm(value);
        fromUnit = millimetre;
        break;
    default:
        break;
    }
    int target = isMillimetreMultiple(toUnit) ? millimetre : toUnit;
    if (isDirectUnit(fromUnit) && isDirectUnit(target) && fromUnit != target)
        value = between(value, fromUnit, target);
    switch (toUnit) {
    case micron:
        return mmToMicron(value);
    case centimetre:
        return mmToCm(value);
    case metre:
        return mmToMetre(value);
    default:
        return value;
    }
}

double UnitConverter::between(double value, int fromUnit, int toUnit) const
{
    switch (fromUnit * 10 + toUnit) {
    case 12: return mmToInch(value);
    case 13: return mmToQ(value);
    case 14: return mmToPoint(value);
    case 21: return inchToMm(value);
    case 23: return inchToQ(value);
    case 24: return inchToPoint(value);
    case 31: return qToMm(value);
    case 32: return qToInch(value);
    case 34: return qToPoint(value);
    case 41: return pointToMm(value);
    case 42: return pointToInch(value);
    case 43: return pointToQ(value);
    default: return value;
    }
}
