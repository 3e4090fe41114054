#pragma once
// A DXF writer that records its calls ("B<entity>", "I<int>", "P<x>,<y>", "A" with the three
// points, ...) and fails the call numbered failAt (counted from 1).
#include <string>
#include <vector>

#include "geometry/Point.h"
#include "io/dxf/DxfFile.h"

namespace element_fixture {

class RecordingDxf : public DxfFile {
public:
    int beginEntity(int entity) override { return log("B" + std::to_string(entity)); }
    int writeInt(int value) override { return log("I" + std::to_string(value)); }
    int writePoint(const Point& p) override { return log("P" + xy(p)); }
    int writePointList(const PointList&, int) override { return log("L"); }
    int writeThreePointArc(const Point& start, const Point& middle, const Point& end) override
    {
        return log("A" + xy(start) + "/" + xy(middle) + "/" + xy(end));
    }
    int writeGroupText(int, const char*) override { return log("T"); }
    int writeGroupDouble(int, double) override { return log("D"); }
    int endEntity() override { return log("E"); }
    // Whole units: the tests place their points on integers.
    static std::string xy(const Point& p)
    {
        return std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y));
    }
    int log(const std::string& call)
    {
        calls.push_back(call);
        return static_cast<int>(calls.size()) != failAt;
    }
    std::vector<std::string> calls;
    int failAt = 0;
};

} // namespace element_fixture
