#pragma once
// Interface header: the base of the stroked kinds' dialogs, as the kinds' headers carry it.
#include <initializer_list>

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
// field whose object the element lacks is left empty and stores nothing.
class StrokePropertyDialogBase : public PropertyDialog {
public:
    // The pages after the common one, in tab order; an area page of 0 means none.
    struct Pages {
        int colour;
        int lineType;
        int area;
        int coordinates;
    };
    // The line-type page's fields; 0 for a field the page lacks (the closed kinds have no cap).
    struct LineTypeIds {
        int width;
        int position;
        int type;
        int cap;
    };
    // A point of the element on a fixed-point coordinate page: its accessor, its two fields and
    // their unit labels. The kinds declare, show and take them (within the coordinate
    // limit) a table at a time; a point the element lacks is left out.
    struct PointFields {
        DrawPoint* (Element::*point)() const;
        int x, y, xUnit, yUnit;
    };
    enum PageRole { kCommonRole, kColourRole, kLineTypeRole, kAreaRole, kCoordinateRole, kNoPage };

    ~StrokePropertyDialogBase() override;

    void setElement(Element* target) override;
    [[nodiscard]] int pageDialogId(int index) override;
    [[nodiscard]] int addPages() override;
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
    // The vertex page of a stepping kind: shows the current vertex and marks it.
    void loadVertexPage();

    [[nodiscard]] PageRole roleOf(int index) const;

protected:
    StrokePropertyDialogBase(const Pages& kindPages, const LineTypeIds& lineTypeIds);

    // The coordinate page of the kind: fixed points by default nothing; a stepping kind gives
    // its stepper instead (vertexStepper), which the base runs.
    virtual void declareCoordinateControls() {}
    virtual void loadCoordinatePage() {}
    virtual void storeCoordinatePage() {}

    // Declares real-number fields and labels (unit names, counts) of a page.
    void declareFields(std::initializer_list<int> realFields, std::initializer_list<int> labels);
    void declarePoints(const PointFields* fields, int count);
    void loadPoints(const PointFields* fields, int count);
    void storePoints(const PointFields* fields, int count);
    // Swatch `slot` (0..2) of the colour page shows and picks `colour` (null: no swatch).
    void setSwatch(int slot, int id, InkColor* colour);
    [[nodiscard]] int onVertexStep(int controlId);

    Pages pages;
    LineTypeIds lineIds;
    LineSizeAttribute* lineWidth = nullptr;
    LineOriginAttribute* linePosition = nullptr;
    LineTypeAttribute* lineType = nullptr;
    LineCapAttribute* lineCap = nullptr;
    EdgeAttributes* edge = nullptr;
    FillAttributes* fill = nullptr;
    HatchAttributes* hatch = nullptr;
    VertexStepper* vertexStepper = nullptr; // the kind's own, for the stepping kinds

    static constexpr int kSwatchCount = 3;
    int swatchIds[kSwatchCount] = {};
    InkColor* swatchColours[kSwatchCount] = {};
};
