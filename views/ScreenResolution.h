#pragma once

// The screen's dots per inch for the whole application (one object, made with the global
// managers): every view maps millimetres to pixels at this resolution times its zoom. A value
// outside 10..200 never gets in, so no mapping divides by 0 or overflows on it.
class ScreenResolution {
public:
    static constexpr int kDefault = 72;
    static constexpr int kMin = 10;
    static constexpr int kMax = 200;

    [[nodiscard]] int dpi() const { return dotsPerInch; }
    // Kept within kMin..kMax.
    void setDpi(int value) { dotsPerInch = value < kMin ? kMin : value > kMax ? kMax : value; }

private:
    int dotsPerInch = kDefault;
};

// The application's resolution; null until start-up makes it (the views then use kDefault).
extern ScreenResolution* theScreenResolution;

// The resolution in force, as a double: theScreenResolution's, or kDefault without it.
[[nodiscard]] double screenDpi();
