#pragma once
// The PostScript output the print settings hand to the shapes; the PostScript folder implements it.

class DibImage;
class DoubleRect;
class InkColor;
class RgbColor;

// The PostScript output stream of a drawing's print settings while a PostScript job runs (the
// print settings hand out none otherwise). Shapes write their paths, colours, texts and images
// through it.
//
// Units: coordinates and lengths are paper millimetres with y growing downwards, as the page
// shows them; the stream maps them into the page's points. Angles are degrees. Every operation
// answers 1 when written and 0 when the write failed; callers stop at the first 0.
class PsOutput {
public:
    virtual ~PsOutput() = default;

    // Path and state: "_np", "_cp", "_sp", "_f", "_clp", "_icp", "_gs", "_gr".
    [[nodiscard]] virtual int newPath() = 0;
    [[nodiscard]] virtual int closePath() = 0;
    [[nodiscard]] virtual int stroke() = 0;
    [[nodiscard]] virtual int fill() = 0;
    [[nodiscard]] virtual int clip() = 0;
    [[nodiscard]] virtual int initClip() = 0;
    [[nodiscard]] virtual int saveState() = 0;
    [[nodiscard]] virtual int restoreState() = 0;

    // " _m", " _l", " _crv"; the arc writes " _an" when clockwise, else " _a" (the stream adds its
    // own angle base to both angles).
    [[nodiscard]] virtual int moveTo(double x, double y) = 0;
    [[nodiscard]] virtual int lineTo(double x, double y) = 0;
    [[nodiscard]] virtual int curveTo(double x1, double y1, double x2, double y2, double x3, double y3) = 0;
    [[nodiscard]] virtual int arc(double x, double y, double radius, double startAngle, double endAngle,
                                  int clockwise) = 0;

    // " _lw", " _lc" (0 butt, 1 round, 2 square), " _lj".
    [[nodiscard]] virtual int setLineWidth(double width) = 0;
    [[nodiscard]] virtual int setLineCap(int cap) = 0;
    [[nodiscard]] virtual int setLineJoin(int join) = 0;
    // " _ds": the pattern of a line type code (1 solid, 2 dash, 3..5 a dash and one to three
    // dots, each followed by the gap), centred on a path of `length` (0 where it is unknown).
    [[nodiscard]] virtual int setDash(int count, double length, double dash, double gap, double dot) = 0;

    // " _fms" for a face name and style 1..4 (useCache: nothing is written when the font is the
    // last one selected); 0 when the face has no PostScript name.
    [[nodiscard]] virtual int selectFont(double size, const char* face, int style, int useCache) = 0;
    // "(" text ") _sw"; the counted form writes the bytes from..to-1.
    [[nodiscard]] virtual int showText(const char* text) = 0;
    [[nodiscard]] virtual int showText(const char* text, int from, int to) = 0;
    // " _rtt" by the angle, or by minus the angle when negate is set; nothing for a zero angle.
    [[nodiscard]] virtual int rotate(double angle, int negate) = 0;
    // An RGB image scaled into the rectangle, with its hex rows.
    [[nodiscard]] virtual int writeImage(const DibImage& image, const DoubleRect& rect) = 0;

    // "_gray" with (100 - percent) / 100; "_rgb" with each component / 255.
    [[nodiscard]] virtual int setGray(double percent) = 0;
    [[nodiscard]] virtual int setRgbColor(const RgbColor& colour) = 0;

    // Colour selection for a shape's ink, tint (1.0 full) and mode (the shape's layer; 253 means
    // the tint gives the plate percentage). selectColour makes the ink the current colour and
    // answers 1 when it prints (always outside plate separation), 0 when the current plate
    // leaves it out; setColour writes the current colour ("_gray" on a plate, else "_rgb");
    // selectAndSetColour does both and answers the selection. -1 where the stream has no plates
    // to decide by.
    [[nodiscard]] virtual int selectColour(const InkColor& ink, double tint, int mode) = 0;
    [[nodiscard]] virtual int setColour(const InkColor& ink, double tint, int mode) = 0;
    [[nodiscard]] virtual int selectAndSetColour(const InkColor& ink, double tint, int mode) = 0;
};
