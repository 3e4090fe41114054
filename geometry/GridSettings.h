#pragma once
// A drawing's grid as the coordinate types and the folders above see it; the document folder implements it.
#include "geometry/XmlSectionOwner.h"

class DocumentContext;
class Point;

// A document's grid (and, without owner, the application's grid defaults) as the coordinate
// types and the document context see it. The grid itself, with its snapping, dialog, file and
// settings sections and painting, is DrawingGrid (document/DrawingGrid.h); tests put simpler
// grids in its place. It owns the "grid" section of the drawing file's header.
class GridSettings : public XmlSectionOwner {
public:
    virtual ~GridSettings() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Runs the grid dialog on a copy and takes the result.
    virtual int editSettings() = 0;
    // 0 none, 1 grid, 2 mesh.
    [[nodiscard]] virtual int gridKind() = 0;
    // Copies the settings of another grid (null does nothing).
    virtual void assign(const GridSettings* other) = 0;
    // The displayed origin from the origin and the owner's paper.
    virtual void updateDisplayOrigin() = 0;
    // After the paper's scale changed: the pitch units that suit the new scale. After the
    // paper's y direction may have changed: the origin again from its displayed value. Nothing
    // here (the defaults).
    virtual void chooseUnitsForScale() {}
    virtual void updateOriginFromDisplay() {}
    // The grid tool at a mouse move over the drawing; nothing by default.
    virtual int mouseOperation() { return 0; }
    // Paints the grid again when it lies over the figures (after a new figure was drawn on the
    // page); nothing by default.
    virtual void paintOverFigures() {}

    // What the coordinate types ask of the grid: the origin in drawing units as the coordinate
    // fields measure from it (its y counted upwards from the bottom of the sheet while the paper
    // shows the y axis "UPPERPLUS", as the fields count y), the unit ids of the x and y pitch
    // (1 mm ... 8 degree, as the length units count them), and snapping a point's x and y to the
    // grid.
    [[nodiscard]] virtual double originX() const = 0;
    [[nodiscard]] virtual double originY() const = 0;
    [[nodiscard]] virtual int xUnit() const = 0;
    [[nodiscard]] virtual int yUnit() const = 0;
    virtual void convertPoint(Point* point) = 0;
};

// The application's grid defaults, copied into every new document.
extern GridSettings* theGridDefaults;
