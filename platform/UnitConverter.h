#pragma once

// Converts lengths between the seven length units of input and display. Unit codes: 1 millimetre,
// 2 inch, 3 Q (級, a quarter millimetre, the Japanese typesetting unit), 4 point, 5 micron,
// 6 centimetre, 7 metre. Any other code (8 is degrees) is no length and passes values through.
// The units attribute of the geometry layer derives from it.
class UnitConverter {
public:
    enum { millimetre = 1, inch = 2, q = 3, point = 4, micron = 5, centimetre = 6, metre = 7 };

    [[nodiscard]] double convert(double value, int fromUnit, int toUnit) const;

    [[nodiscard]] double mmToInch(double v) const { return v / mmPerInch; }
    [[nodiscard]] double mmToQ(double v) const { return qPerMm * v; }
    [[nodiscard]] double mmToPoint(double v) const { return pointsPerInch * v / mmPerInch; }
    [[nodiscard]] double inchToMm(double v) const { return mmPerInch * v; }
    [[nodiscard]] double inchToQ(double v) const { return mmPerInch * qPerMm * v; }
    [[nodiscard]] double inchToPoint(double v) const { return pointsPerInch * v; }
    [[nodiscard]] double qToMm(double v) const { return v / qPerMm; }
    [[nodiscard]] double qToInch(double v) const { return v / (mmPerInch * qPerMm); }
    [[nodiscard]] double qToPoint(double v) const { return pointsPerInch * v / (mmPerInch * qPerMm); }
    [[nodiscard]] double pointToMm(double v) const { return mmPerInch * v / pointsPerInch; }
    [[nodiscard]] double pointToInch(double v) const { return v / pointsPerInch; }
    [[nodiscard]] double pointToQ(double v) const { return mmPerInch * qPerMm * v / pointsPerInch; }
    [[nodiscard]] double micronToMm(double v) const { return v / micronsPerMm; }
    [[nodiscard]] double cmToMm(double v) const { return mmPerCm * v; }
    [[nodiscard]] double metreToMm(double v) const { return mmPerMetre * v; }
    [[nodiscard]] double mmToMicron(double v) const { return micronsPerMm * v; }
    [[nodiscard]] double mmToCm(double v) const { return v / mmPerCm; }
    [[nodiscard]] double mmToMetre(double v) const { return v / mmPerMetre; }

    // Set once, never changed.
    double mmPerInch = 25.4;
    double qPerMm = 4.0;
    double pointsPerInch = 72.0;
    double micronsPerMm = 1000.0;
    double mmPerCm = 10.0;
    double mmPerMetre = 1000.0;

private:
    [[nodiscard]] double between(double value, int fromUnit, int toUnit) const;
};
