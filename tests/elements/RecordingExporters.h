#pragma once
// The SVG and DXF writers as the element kinds call them, recording each call as one letter and
// its values; the call numbered failAt (counted from 1) fails.
#include <string>
#include <vector>

#include "elements/DxfFile.h"
#include "elements/SvgDocument.h"
#include "geometry/Point.h"
#include "geometry/PointList.h"

namespace element_fixture {

// The calls an exporter receives, one letter and values each.
class RecordingSvg : public SvgDocument {
public:
    int beginItem(int item) override { return log("B" + std::to_string(item)); }
    int addPoint(const Point& p, int mode) override { return log("P" + num(p.x) + "," + num(p.y) + "/" + std::to_string(mode)); }
    int writePointList(const PointList& points, int mode) override
    {
        return log("L" + std::to_string(points.count) + "/" + std::to_string(mode));
    }
    int addNumber(int, double, int) override { return log("N"); }
    int closeStartTag() override { return log("C"); }
    int writeContent(const char*, int) override { return log("T"); }
    int endItem() override { return log("E"); }
    static std::string num(double v) { return std::to_string(static_cast<int>(v)); }
    int log(const std::string& call)
    {
        calls.push_back(call);
        return static_cast<int>(calls.size()) != failAt;
    }
    std::vector<std::string> calls;
    int failAt = 0;
};

class RecordingDxf : public DxfFile {
public:
    int beginEntity(int entity) override { return log("B" + std::to_string(entity)); }
    int writeInt(int value) override { return log("I" + std::to_string(value)); }
    int writePoint(const Point& p) override { return log("P" + xy(p)); }
    int writePointList(const PointList& points, int layer) override
    {
        return log("L" + std::to_string(points.count) + "/" + std::to_string(layer));
    }
    int writeThreePointArc(const Point& start, const Point& middle, const Point& end) override
    {
        return log("A" + xy(start) + "/" + xy(middle) + "/" + xy(end));
    }
    int writeGroupText(int, const char*) override { return log("T"); }
    int writeGroupDouble(int, double) override { return log("D"); }
    int endEntity() override { return log("E"); }
    static std::string xy(const Point& p) { return RecordingSvg::num(p.x) + "," + RecordingSvg::num(p.y); }
    int log(const std::string& call)
    {
        calls.push_back(call);
        return static_cast<int>(calls.size()) != failAt;
    }
    std::vector<std::string> calls;
    int failAt = 0;
};

} // namespace element_fixture
