#pragma once
// An interface that this folder and those above call; a folder above implements it.

class Point;
class PointList;

// The DXF writer of an export. An element writes one entity: begin it by the writer's entity
// code, write its values, end it. Every operation answers 0 on failure.
class DxfFile {
public:
    // The entity codes the elements begin.
    enum Entity : int { kArc = 189, kLine = 191, kPolygon = 193, kText = 196 };

    virtual ~DxfFile() = default;

    [[nodiscard]] virtual int beginEntity(int entity) = 0;
    // An integer value (the layer number).
    [[nodiscard]] virtual int writeInt(int value) = 0;
    [[nodiscard]] virtual int writePoint(const Point& point) = 0;
    [[nodiscard]] virtual int writePointList(const PointList& points, int layer) = 0;
    // The circle through three points as centre, radius and the two angles.
    [[nodiscard]] virtual int writeThreePointArc(const Point& start, const Point& middle, const Point& end) = 0;
    // One group code with a text or a real value (the text's layer, height, angle and bytes).
    [[nodiscard]] virtual int writeGroupText(int code, const char* text) = 0;
    [[nodiscard]] virtual int writeGroupDouble(int code, double value) = 0;
    [[nodiscard]] virtual int endEntity() = 0;
};
