#pragma once
#include <string>
#include <vector>

#include "dialogs/properties/LeaderLinePage.h"
#include "dialogs/properties/NumeralPage.h"
#include "dialogs/properties/PropertyDialog.h"
#include "platform/ColorDialog.h"
#include "platform/FontInfo.h"

class DrawPoint;
class FontAttributes;
class VertexStepper;

// The property dialog of a kind that carries text: the text ("テキスト"), the leader text
// ("引出しテキスト") and the four dimensions ("寸法線", "角度", "半径", "直径"). After the common
// page come the kind's pages, each of one role: the colour page ("カラー"), the font page
// ("フォント"), for the dimensions the numeral page ("数値"), the line page ("線") of the leader
// text and the dimensions, and the coordinate page ("座標"): fixed points, one vertex at a time
// through a VertexStepper, or both, and the rotation of the texts.
//
// The font page lists the installed faces, enumerated once per dialog, and the element's own
// face when it is not installed, so that a face missing here stays chosen and is kept; it takes a
// face only when another one is chosen, the style as its list position (1 "標準" .. 4
// "ﾎﾞｰﾙﾄﾞｲﾀﾘｯｸ") and the size as a number above 0.1 and below 1000 mm.
//
// The colour page's swatches pick straight into the element, either through a colour chooser of
// their own that shares the application chooser's custom colours (text, leader text, length
// dimension), or through the colour's own pick (the others). A kind describes its pages in a
// Layout that outlives it (a constant of the kind).
class TextPropertyDialogBase : public PropertyDialog {
public:
    // kNoPage first: the pages a layout leaves out are none.
    enum PageRole { kNoPage, kCommonRole, kColourRole, kFontRole, kNumeralRole, kLineRole, kCoordinateRole };
    struct Page {
        PageRole role;
        int dialogId;
    };
    static constexpr int kPageCount = 5;
    // Where a swatch of the colour page takes its colour from.
    enum ColourSource { kNoColour, kTextColour, kNumeralColour, kUnderlineColour, kLeaderColour, kArrowColour };
    struct Swatch {
        int id;
        ColourSource source;
    };
    static constexpr int kSwatchCount = 4;
    struct FontIds {
        int face, style, size;
    };
    // A point of the element on the coordinate page: its accessor, its two fields and their unit
    // labels, from the grid origin along the paper's axis.
    struct PointFields {
        DrawPoint* (Element::*point)() const;
        int x, y, xUnit, yUnit;
    };
    struct Layout {
        Page pages[kPageCount]; // after the common page, in tab order; {kNoPage, 0} after the last
        Swatch swatches[kSwatchCount];
        int ownChoosers;        // 1: every swatch picks through a colour chooser of its own
        FontIds font;
        NumeralIds numeral;     // the length or the angle unit, no labels
        LeaderLineIds line;
        const PointFields* points;
        int pointCount;
        int leanId;             // the element's rotation angle (degrees) on the coordinate page; 0 none
    };

    ~TextPropertyDialogBase() override;

    void setElement(Element* target) override;
    [[nodiscard]] int pageDialogId(int index) override;
    void declareControls() override;
    void setupTabs() override;
    void loadPage() override;
    void storePage() override;
    void refreshPage() override;
    void applyPage(int markVertex) override;
    [[nodiscard]] int onPageEvent() override;

    // The font page: declare, fill from the element's font, take back.
    void declareFontControls();
    void loadFontPage();
    void storeFontPage();

    [[nodiscard]] PageRole roleOf(int index) const;

    FontInfo workingFont;                    // the listing of the installed faces and the style
    FontAttributes* fontAttributes = nullptr; // the element's
    int faceListId = 0, styleListId = 0, sizeEditId = 0;

protected:
    // A kind with a vertex page gives its stepper (bound to the element's measured or leader
    // points); one without step buttons shows a fixed vertex (the radius's point on the circle).
    explicit TextPropertyDialogBase(const Layout& kindLayout, VertexStepper* stepper = nullptr);

    // The coordinate page: the stepper's vertex, the layout's points and the rotation.
    void declareCoordinateControls();
    void loadCoordinatePage();
    void storeCoordinatePage();

    const Layout& layout;
    VertexStepper* vertexStepper;
    LeaderLineValues lineValues;
    InkColor* swatchColours[kSwatchCount] = {};
    ColorDialog choosers[kSwatchCount]; // used with ownChoosers

private:
    [[nodiscard]] int marksVertex() const;
    void showCurrentVertex();
    [[nodiscard]] int onSwatchClick(int id);
    // The installed faces, listed at the first showing of the font page.
    void listFaces();
    std::vector<std::string> faces;
    int facesListed = 0;
};
