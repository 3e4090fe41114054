#pragma once

class Element;
class PointList;
class ViewParams;
struct IntPoint;

// What a left click does during the point input of an open polyline: the distance is the
// integer pixel distance from the previous fixed vertex, count the number of points in the list
// with the rubber-band point.
enum class PolylineClick { AddVertex, Finish, Stay };
[[nodiscard]] PolylineClick polylineClickAction(int pixelsFromPrevious, int count);
// What a left click does during the vertex input of a closed polygon: ignored near the previous
// vertex (under 4 pixels); a new vertex unless within 5 pixels of vertex 0, where it closes the
// figure once it has three vertices (count: the points with the rubber-band point) and is
// ignored before.
[[nodiscard]] PolylineClick polygonClickAction(int pixelsFromPrevious, int pixelsFromFirst, int count);
// The integer pixel distance between two device points.
[[nodiscard]] int pixelDistance(const IntPoint& a, const IntPoint& b);

// The point input of the open polyline kinds: vertex 0 at the press that began the creation,
// then a rubber-band point that follows the mouse (with Shift along an axis through the previous
// vertex) and is fixed by each left click. Two clicks in one place end the input; the right
// button steps back one vertex and, with one vertex left, cancels.
class PolylineInput {
public:
    // maxPoints 0: unlimited; else the list with its rubber-band point never grows past it, and
    // a click that would add a vertex at the cap ends the input keeping the rubber-band point.
    PolylineInput(Element& element, PointList& points, int maxPoints) : element_(element), points_(points), max_(maxPoints) {}

    // The list restarted at the press, the drag that may follow it, then run. 1 complete, -1
    // cancelled (a cancelled tracking leaves the input pending for the next mouse step).
    [[nodiscard]] int begin();
    // The free-mouse phase, from the list as it stands.
    [[nodiscard]] int run();

private:
    void moveBandTo(const IntPoint& device);
    [[nodiscard]] int cancelTracking();
    // Follows the mouse until no button is held; 0 when the tracking was cancelled.
    [[nodiscard]] static int waitRelease(ViewParams& view);

    Element& element_;
    PointList& points_;
    int max_;
};
