#pragma once
#include "geometry/GridSettings.h"
#include "geometry/InkColor.h"
#include "geometry/UnitSettings.h"

class Dialog;
class Document;
class SettingsFile;
class XmlContext;

// The grid of a drawing: whether dots ("GRID") or a mesh of lines ("MESH") are shown, under or
// over the figures, the pitch of each axis with its unit, the origin with its mark, and three
// colours. Each document context owns one; one without owner holds the application's defaults
// (theGridDefaults), which new drawings copy and the settings file's section "GRID" keeps.
//
// Units: the origin and every coordinate are drawing units (millimetres at the drawing's scale,
// y growing downwards). The pitch of an axis is numerator / denominator in that axis's unit
// (xUnits, yUnits); the lines of the x axis lie at origin + k * pitch for whole k. The displayed
// origin is the origin as the dialog shows it and the files store it: its y counts upwards from
// the bottom of the sheet while the owner's paper shows the y axis "UPPERPLUS".
//
// Values entering from the files and the dialog are checked there: a number that is not finite,
// or larger than kMaxValue, is refused (the previous value stays), and so is a denominator below
// 1. Snapping and painting compute grid indices by division, so any value the fields hold costs
// constant time, and every loop over grid lines is bounded by the pixels it paints.
class DrawingGrid : public GridSettings {
public:
    enum Kind { kNoGrid = 0, kDots = 1, kMesh = 2 };
    enum Position { kNotShown = 0, kUnderFigures = 1, kOverFigures = 2 };
    enum OriginDesign { kNoMark = 0, kPlusMark = 1, kCrossMark = 2, kSquareMark = 3, kDiamondMark = 4 };
    // The pick the view waits for after the dialog closed: an element's key point, or a click.
    enum Pick { kNoPick = 0, kPickElementPoint = 51, kPickClick = 53 };
    // The units the unit lists offer: lengths (micron, mm, cm, metre), mm only, print units.
    enum UnitChoice { kLengthUnits = 1, kMillimetreOnly = 2, kPrintUnits = 3 };
    // The dialog's answers besides OK (1): "要素指示" and "クリック".
    enum DialogResult { kPickElementResult = 101, kPickClickResult = 103 };

    // The settings file's section "GRID" and its keys, in the order they are written.
    enum SettingsId {
        kSection = 15040,
        kTypeKey = 15041,         // "GRIDTYPE"
        kXUnitKey = UnitSettings::kGridXUnitKey,
        kXNumeratorKey = 15043,   // "GRIDYOKOBSI"
        kXDenominatorKey = 15044, // "GRIDYOKOBBO"
        kYUnitKey = UnitSettings::kGridYUnitKey,
        kYNumeratorKey = 15046,   // "GRIDTATEBSI"
        kYDenominatorKey = 15047, // "GRIDTATEBBO"
        kOriginXKey = 15048,      // "GRIDOROGINX", spelled so in stored files
        kOriginYKey = 15049,      // "GRIDOROGINY"
        kOriginDesignKey = 15050, // "GRIDORIGINZUKEI"
        kPlusColourKey = 15051,   // "GRIDPLUSCOLOR"
        kMinusColourKey = 15052,  // "GRIDMINUSCOLOR"
        kOriginColourKey = 15053, // "GRIDORIGINCOLOR"
        kPositionKey = 15054,     // "GRIDPOS"
    };

    // A keyword read from a file keeps at most this many bytes.
    static constexpr int kKeywordLength = 78;
    // Numerators below this turn snapping off for their axis.
    static constexpr double kZeroTolerance = 1e-5;
    // The largest magnitude a value from the files or the dialog may have (drawing units, or
    // units of the pitch): far beyond any sheet, and still written in full by the file writers.
    static constexpr double kMaxValue = 1e15;

    DrawingGrid();

    // --- GridSettings ---
    void setOwner(DocumentContext* newOwner) override { owner = newOwner; }
    // Runs the dialog on a copy (see DrawingGridEdit.cpp); its result.
    int editSettings() override;
    [[nodiscard]] int gridKind() override { return kind; }
    // Kind, units, origin, pitches, displayed origin, colours (RGB part), position, origin mark
    // and unit choice of another DrawingGrid; not owner, minPixelSpacing, lastPage or pendingPick.
    // A grid of another class changes nothing.
    void assign(const GridSettings* other) override;
    void updateDisplayOrigin() override;
    void updateOriginFromDisplay() override;
    // After the drawing scale changed, for both axes: metre while numerator / denominator of the
    // paper is below 0.011, centimetre below 0.11, micron above 99, else millimetre; the owner's
    // dimension defaults take a changed unit. Nothing without a paper.
    void chooseUnitsForScale() override;
    [[nodiscard]] double originX() const override { return xOrigin; }
    // The origin's y as the coordinate fields measure it (see GridSettings).
    [[nodiscard]] double originY() const override;
    [[nodiscard]] int xUnit() const override { return xUnits.currentUnit; }
    [[nodiscard]] int yUnit() const override { return yUnits.currentUnit; }
    void convertPoint(Point* point) override { snapPoint(point); }
    [[nodiscard]] int writeXmlSection(Document& document) override;
    [[nodiscard]] int readXmlSection(Document& document, int tagId) override;

    // --- queries ---
    [[nodiscard]] int isShown() const { return kind == kDots || kind == kMesh; }
    [[nodiscard]] int xUnitId() const { return xUnits.currentUnit; }
    [[nodiscard]] int yUnitId() const { return yUnits.currentUnit; }
    // The numerator converted from its axis's unit into millimetres.
    [[nodiscard]] double xPitchInMillimetres() const;
    [[nodiscard]] double yPitchInMillimetres() const;
    // The height of the owner's sheet in drawing units (100.0 without a paper), and its y axis
    // mode (1 "UPPERPLUS", 2 "UNDERPLUS"; 0 without a paper).
    [[nodiscard]] double paperHeight() const;
    [[nodiscard]] int paperYAxisMode() const;

    // --- keywords: "NONE" for a value not listed; any other text reads as 0 ---
    [[nodiscard]] static const char* kindKeyword(int value);
    [[nodiscard]] static const char* positionKeyword(int value);
    [[nodiscard]] static const char* originDesignKeyword(int value);
    [[nodiscard]] static int kindOfKeyword(const char* text);
    [[nodiscard]] static int positionOfKeyword(const char* text);
    [[nodiscard]] static int originDesignOfKeyword(const char* text);

    // --- checked setters: 0 and the value unchanged for what they refuse ---
    // A value a file or the dialog may set: finite and at most kMaxValue in magnitude.
    [[nodiscard]] static int isAcceptedValue(double value);
    [[nodiscard]] int setXNumerator(double value);
    [[nodiscard]] int setYNumerator(double value);
    // Also refused below 1.
    [[nodiscard]] int setXDenominator(double value);
    [[nodiscard]] int setYDenominator(double value);
    [[nodiscard]] int setDisplayOriginX(double value);
    [[nodiscard]] int setDisplayOriginY(double value);
    void setPlusColor(const RgbColor& colour) { plusColor.RgbColor::assign(colour); }
    void setMinusColor(const RgbColor& colour) { minusColor.RgbColor::assign(colour); }
    void setOriginColor(const RgbColor& colour) { originColor.RgbColor::assign(colour); }

    // --- snapping (drawing units) ---
    // The nearest grid line of the axis; a tie goes to the lower line. v itself while no grid is
    // shown, while the denominator is below 1 or the numerator below kZeroTolerance, and for a
    // value that is not finite. Constant time.
    [[nodiscard]] double snapX(double v) const;
    [[nodiscard]] double snapY(double v) const;
    void snapPoint(Point* point) const;

    // --- the units ---
    // The dimension defaults of the owner take the unit id (nothing without them).
    void passOnUnitChange(int unit);
    // The unit lists of the dialog: the x axis's list (the y axis follows it after the dialog).
    [[nodiscard]] int fillUnitList(Dialog* dialog, int id) { return xUnits.fillCombo(dialog, id); }
    [[nodiscard]] int readUnitList(Dialog* dialog, int id) { return xUnits.readCombo(dialog, id); }

    // --- the drawing file ---
    // The "grid" section, displayed origin updated first; 0 at the first failed write. The
    // colours are always written as "rgbColor", whatever the colour model: only that block is
    // read back.
    [[nodiscard]] int writeXml(XmlContext& writer);
    // The children of "grid" up to its closing tag; 0 when the file could not be read (the
    // values read before stay). Values the checks refuse are passed over.
    [[nodiscard]] int readXml(XmlContext& reader);

    // --- the settings file ---
    // The section line and its keys, displayed origin updated first; 0 when a write failed.
    [[nodiscard]] int writeSettings(SettingsFile& file);
    // Keys up to the next section or the end of the file; keys not listed are passed over; 0 when
    // a value could not be read (the values read before stay).
    [[nodiscard]] int readSettings(SettingsFile& file);

    // --- painting (DrawingGridPainting.cpp) into the owner view's page surface ---
    // paintUnder paints while the grid lies under the figures, paintOver while it lies over them;
    // each answers the position when it does not match.
    int paintUnder();
    int paintOver();
    void paintOverFigures() override { (void)paintOver(); } // answers the position: nothing to check
    // Dots or mesh, then the origin mark; 1 when it painted, 0 without a view, a page surface or
    // the owner's sheet.
    int paint();
    // The spacing of the axis's grid positions in pixels (0 with a denominator below 1, a unit
    // outside 1..7 or no view).
    [[nodiscard]] int xSpacingPixels() const;
    [[nodiscard]] int ySpacingPixels() const;

    // --- the origin by mouse (DrawingGridEdit.cpp) ---
    // The pick the dialog asked for (pendingPick): waits for a click in the view. A left click
    // places the origin at the mouse (with kPickElementPoint only on the key point of the element
    // found there), copies the grid to the application's defaults and repaints; a right click,
    // or a double click while the application has a context menu, asks for the context menu. The
    // pick is over afterwards.
    void runPendingPick();
    // The grid tool at the mouse: the pick above; 1.
    int mouseOperation() override;

    DocumentContext* owner = nullptr; // not owned; null for the application's defaults
    int kind = kNoGrid;
    UnitSettings xUnits;
    double xOrigin = 0.0;
    double xNumerator = 1.0;
    double xDenominator = 1.0;
    UnitSettings yUnits;
    double yOrigin = 0.0;
    double yNumerator = 1.0;
    double yDenominator = 1.0;
    double displayOriginX = 0.0;
    double displayOriginY = 0.0;
    InkColor plusColor;   // the quadrant where both shown coordinates are positive: cyan
    InkColor minusColor;  // the rest of the grid: yellow
    InkColor originColor; // the origin mark: black
    int position = kUnderFigures;
    // The smallest spacing in pixels at which lines are painted (dots need twice this).
    int minPixelSpacing = 4;
    int originDesign = kNoMark;
    int unitChoiceMode = kLengthUnits;
    int lastPage = 0;
    int pendingPick = kNoPick;

private:
    [[nodiscard]] double snapAxis(double v, double origin, double numerator, double denominator, int unit) const;
    [[nodiscard]] double spacing(double pitchMm, double denominator, int unit) const;
    [[nodiscard]] int spacingPixels(double pitchMm, double denominator, int unit) const;
    [[nodiscard]] int readSettingsKey(SettingsFile& file, int id);
    void applyUnitChoice();
};
