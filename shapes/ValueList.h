#pragma once
#include "geometry/EntityAttribute.h"

class Dialog;
class DrawingOwner;
class ElementRecordBuffer;
class Point;
class XmlContext;

// The drawing-file tags of one kind of value list: a single value and an array container, each
// in paper millimetres and in drawing units. Inside a container "nums" gives the count and "aray"
// the comma-separated values.
struct ValueListTags {
    int paperSingle;
    int paperArray;
    int drawingSingle;
    int drawingArray;
};

// One value, or two (an oval's radii), in drawing units: what a radius or diameter dimension
// shows, or a circle's radius. A new list (and one put back with reset) holds the one value 5.0.
// `owner` is the drawing whose paper scale converts paper values (none: 1:1); reading a file
// makes the drawing being read the owner.
//
// Store record: the count (int32), then that many doubles. The count is always 1 or 2.
class ValueList : public EntityAttribute {
public:
    static constexpr int kMaxValues = 2;
    static constexpr double kDefaultValue = 5.0;

    void reset()
    {
        count = 1;
        values[0] = kDefaultValue;
        values[1] = 0.0;
    }
    void setSingle(double v)
    {
        count = 1;
        values[0] = v;
    }
    void setSingleFromPaper(double v) { setSingle(fromPaper(v)); }
    [[nodiscard]] double first() const { return values[0]; }
    [[nodiscard]] double firstOnPaper() const { return toPaper(values[0]); }
    // Value i as stored; 0.0 outside the two slots (setters ignore such an i).
    [[nodiscard]] double value(int i) const { return i >= 0 && i < kMaxValues ? values[i] : 0.0; }
    void setValue(int i, double v)
    {
        if (i >= 0 && i < kMaxValues)
            values[i] = v;
    }
    [[nodiscard]] double valueOnPaper(int i) const { return toPaper(value(i)); }
    void setValueFromPaper(int i, double v) { setValue(i, fromPaper(v)); }
    // count := n, the values copied in order; 0 (nothing changed) for n outside 1..2 or no values.
    [[nodiscard]] int setAll(int n, const double* v);
    // The smallest of the values in use (a later one replaces it only when strictly smaller).
    [[nodiscard]] double minimum() const;
    // The single value of the plane distance between a and b.
    void setFromDistance(const Point& a, const Point& b);
    // The count and the values in use; nothing without a source. The owner is not copied.
    int copyFrom(const ValueList* other);
    // Every value whose product with factor is above 0.0001 is multiplied; the count stays. The
    // element's scale flags are not consulted.
    void scale(double factor, int flags);

    // Mode 1 writes, mode 3 reads back (a count outside 1..2 or a record cut short fails and
    // changes nothing); other modes 0.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    // The first value into (out of) a real-number control; 0 when the dialog lacks it.
    [[nodiscard]] int showFirst(Dialog* dialog, int controlId) const;
    [[nodiscard]] int takeFirst(Dialog* dialog, int controlId);

    // One of the list's four tags that the file has just opened. A single value sets the count
    // to 1 even when its number cannot be read. In a container a "nums" outside 1..2 is a data
    // error of the container: the count is brought into 1..2, the rest of the container is passed
    // over and the file reads on; so is an "aray" with fewer values than the count. A paper value
    // whose drawing value the file has no digits for (at a large scale) is a data error of its
    // tag and keeps the value before. 0 for another tag or when the file failed.
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;
    // Through the current file: the drawing-unit tags as stored.
    [[nodiscard]] int writeXml() const;

    DrawingOwner* owner = nullptr; // not owned
    int count = 1;
    double values[kMaxValues] = {kDefaultValue, 0.0};

protected:
    explicit ValueList(const ValueListTags& fileTags) : tags(&fileTags) {}
    ValueList(const ValueList& other) = default;
    ValueList& operator=(const ValueList& other) = default;
    // One value, or the container with every value, converted to paper when asked.
    [[nodiscard]] int writeValues(int singleTag, int arrayTag, int onPaper) const;

private:
    [[nodiscard]] double toPaper(double v) const;
    [[nodiscard]] double fromPaper(double v) const;
    [[nodiscard]] int readContainer(XmlContext& file, int tagId, int onPaper);

    const ValueListTags* tags;
};
