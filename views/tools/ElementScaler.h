#pragma once
#include "document/ElementScalerBase.h"

class DocumentContext;

// Enlarges or reduces the select tool's selection about the middle of its bounding box by a
// factor typed into the dialog 要素の拡大、縮小, optionally scaling line widths (and dimension
// sizes) and text sizes with it. The whole change is one undo step (要素ズーム). Each drawing owns
// one; the factor and the two switches persist between runs.
class ElementScaler : public ElementScalerBase {
public:
    // A factor outside [kMinFactor, kMaxFactor], or 1 within the common tolerance, scales nothing.
    static constexpr double kMinFactor = 0.001;
    static constexpr double kMaxFactor = 1000.0;
    // The flags the elements take: line widths and dimension sizes, font sizes.
    enum Flags { kLineWidths = 1, kTextSizes = 2 };

    ElementScaler() = default;
    ~ElementScaler() override;

    // The scale tool of a drawing; null when it has none. Every scale tool a drawing holds is one
    // of these (the views make it).
    [[nodiscard]] static ElementScaler* of(const DocumentContext* context);

    // --- the operations of ElementScalerBase (document/ElementScalerBase.h) ---
    void setOwner(DocumentContext* owner) override;
    void runCommand() override;
    // The dialog on a copy of the factor and switches; lastResult takes its answer (1 OK, 2
    // cancelled, -1 when it could not be shown) and only OK takes the copy back.
    virtual int scaleSelection();
    // Only after OK: every selected element scaled about the selection's middle (the centre) under
    // one record of code 75, stopping at the first element that cannot be taken. The number of
    // elements scaled; 0 for a refused factor or an empty selection (nothing is written).
    virtual int applyScale();

    // The flags passed to the elements (0 to 3).
    [[nodiscard]] int flags() const { return (scaleLineWidths ? kLineWidths : 0) | (scaleTextSizes ? kTextSizes : 0); }
    // 1 for a finite factor within the limits (the limits included) that is not 1.
    [[nodiscard]] static int scales(double factor);

    double factor = 1.0;
    int scaleLineWidths = 1;
    int scaleTextSizes = 1;
    // The middle of the selection's bounding box, drawing units; set when applying.
    double centreX = 0.0, centreY = 0.0, centreZ = 0.0;
    int lastResult = -1;

protected:
    DocumentContext* context = nullptr; // not owned
};
