#pragma once
// The tick step of a ruler axis and where its ticks and labels fall, kept apart from the painting
// so that the rules can be checked without a window.

// One axis's step: the tick step in drawing units, its kind (0 the unit itself, 1 five times a
// base, 2 ten times a base), the step in whole pixels, and the label interval (a label on every
// n-th tick, so that labels are at least 70 pixels apart unless one step is wider).
struct RulerScale {
    double step = 0.0;
    int kind = 0;
    double pixels = 0.0;
    int labelEvery = 1;
};

// The scale for a unit of unitLength drawing units, where toPixels gives a length's whole
// pixels. 0 (and no ticks) when the unit has no positive length or no step of at least 4
// pixels can be found (a mapping that gives no pixels).
[[nodiscard]] int computeRulerScale(double unitLength, double (*toPixels)(double, void*), void* mapping,
                                    RulerScale& out);

// The ticks of one axis within the device span [first, last]: tick i lies at device coordinate
// at(i) = device(origin + direction × i × step); the first index is found by division, not by
// walking from the origin. Calls visit(i, at) for every tick in order; gives the count.
struct RulerTickWalk {
    double origin = 0.0;
    double step = 1.0;
    int direction = 1; // -1 when indices grow towards smaller device coordinates
    int first = 0;
    int last = 0;
    int (*toDevice)(double world, void* mapping) = nullptr;
    double (*toWorld)(int device, void* mapping) = nullptr;
    void* mapping = nullptr;
};
int walkRulerTicks(const RulerTickWalk& walk, void (*visit)(long long index, int at, void* data), void* data);

// The tick's length on a ruler `thickness` pixels thick.
[[nodiscard]] int rulerTickLength(int kind, long long index, int thickness);
