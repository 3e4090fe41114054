#pragma once

class DrawingOwner;

// The value a radius dimension shows and the radius of a circle: one value, or two for an oval,
// in drawing units. A new list holds the one value 5.0. `owner` is the drawing whose paper scale
// turns paper values into drawing units (none: 1:1). The file tags, the store record and the
// dialog fields belong to the elements that carry a list.
class RadiusList {
public:
    static constexpr int kMaxValues = 2;

    // count 1, value v.
    void setSingle(double v)
    {
        count = 1;
        values[0] = v;
    }
    [[nodiscard]] double first() const { return values[0]; }
    // Value i as stored; 0.0 outside the two slots.
    [[nodiscard]] double value(int i) const { return i >= 0 && i < kMaxValues ? values[i] : 0.0; }
    void setValue(int i, double v)
    {
        if (i >= 0 && i < kMaxValues)
            values[i] = v;
    }
    // The count and the values in use; a count outside 1..2 is brought into it. Without a source
    // nothing changes. The owner is not copied.
    int copyFrom(const RadiusList* other)
    {
        if (!other)
            return 1;
        count = other->count < 1 ? 1 : other->count > kMaxValues ? kMaxValues : other->count;
        for (int i = 0; i < count; ++i)
            values[i] = other->values[i];
        return 1;
    }

    DrawingOwner* owner = nullptr; // not owned
    int count = 1;
    double values[kMaxValues] = {5.0, 0.0};
};
