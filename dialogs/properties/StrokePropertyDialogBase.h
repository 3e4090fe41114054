#pragma once
#include <initializer_list>

#include "dialogs/properties/LineTypePage.h"
#include "dialogs/properties/PropertyDialog.h"

class DrawPoint;
class EdgeAttributes;
class FillAttributes;
class HatchAttributes;
class InkColor;
class LineCapAttribute;
class LineOriginAttribute;
class LineSizeAttribute;
class LineTypeAttribute;
class VertexStepper;

// The property dialog of a stroked kind (line, breakline, spline, arc, circle, oval, box,
// polygon): after the common page come the colour page ("カラー", one swatch per colour of the
// kind), the line-type page ("線種": width, position, line type and, for the open kinds, cap),
// for the closed kinds the area page ("領域") and last the coordinate page ("座標"), which is the
// kind's own: fixed points, or one vertex at a time through a VertexStepper.
//
// The pages edit the element's own attribute objects, which setElement takes from it; a page
// field whose object the element lacks is left empty and stores nothing. A kind describes its
// pages in a Layout that outlives it (a constant of the kind) and adds what its coordinate page
// shows beyond its points.
class StrokePropertyDialogBase : public PropertyDialog {
public:
    // The pages after the common one, in tab order; an area page of 0 means none.
    struct Pages {
        int colour;
        int lineType;
        int area;
        int coordinates;
    };
    // A point of the element on a fixed-point coordinate page: its accessor, its two fields and
    // their unit labels. A point the element lacks is left out.
    struct PointFields {
        DrawPoint* (Element::*point)() const;
        int x, y, xUnit, yUnit;
    };
    // Where a swatch of the colour page takes its colour from.
    enum ColourSource { kNoColour, kLineColour, kEdgeColour, kFillColour, kHatchColour };
    struct Swatch {
        int id;
        ColourSource source;
    };
    static constexpr int kSwatchCount = 3;
    // What a kind's dialog is made of: its pages, its line-type fields, the swatches of its colour
    // page (unused ones {0, kNoColour}) and the fixed points of its coordinate page (none for a
    // kind that steps through vertices).
    struct Layout {
        Pages pages;
        LineTypeIds lineIds;
        Swatch swatches[kSwatchCount];
        const PointFields* points;
        int pointCount;
    };
    enum PageRole { kCommonRole, kColourRole, kLineTypeRole, kAreaRole, kCoordinateRole, kNoPage };

    ~StrokePropertyDialogBase() override;

    void setElement(Element* target) override;
    [[nodiscard]] int pageDialogId(int index) override;
    void declareControls() override;
    void setupTabs() override;
    void loadPage() override;
    void storePage() override;
    void refreshPage() override;
    void applyPage(int markVertex) override;
    [[nodiscard]] int onPageEvent() override;

    // The tabs "共通" "カラー" "線種" "座標", and with an area page "領域" before "座標".
    void setupLineTabs();
    void setupAreaTabs();
    // The line-type page: declare, fill from the element's objects, take back in the same order.
    void declareLineTypeControls();
    void loadLineTypePage();
    void storeLineTypePage();
    [[nodiscard]] LineTypeValues lineTypeValues() const;
    // The vertex page of a stepping kind: shows the current vertex and marks it.
    void loadVertexPage();

    [[nodiscard]] PageRole roleOf(int index) const;

protected:
    // A stepping kind gives its stepper, which the base binds to the element's vertices and runs.
    explicit StrokePropertyDialogBase(const Layout& kindLayout, VertexStepper* stepper = nullptr);

    // The fixed-point coordinate page: the layout's points; a kind with more fields on the page
    // adds them after the base's.
    virtual void declareCoordinateControls();
    virtual void loadCoordinatePage();
    virtual void storeCoordinatePage();

    // Declares real-number fields and labels (unit names, counts) of a page.
    void declareFields(std::initializer_list<int> realFields, std::initializer_list<int> labels);
    [[nodiscard]] int onVertexStep(int controlId);

    const Layout& layout;
    const Pages& pages;
    const LineTypeIds& lineIds;
    LineSizeAttribute* lineWidth = nullptr;
    LineOriginAttribute* linePosition = nullptr;
    LineTypeAttribute* lineType = nullptr;
    LineCapAttribute* lineCap = nullptr;
    EdgeAttributes* edge = nullptr;
    FillAttributes* fill = nullptr;
    HatchAttributes* hatch = nullptr;
    VertexStepper* vertexStepper; // the kind's own, for the stepping kinds
    InkColor* swatchColours[kSwatchCount] = {};
};
