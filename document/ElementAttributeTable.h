#pragma once
// Plain declarations (the attribute table) shared by the document and the element kinds.

// The optional attribute sub-objects every element carries, in table order, each written once:
// MADE(type, name, binds) for the types that exist, LATER(type, name) for the slots whose types
// arrive with their element kinds (a LATER slot stays null: nothing ensures it yet). `binds`
// marks the sub-objects whose drawing-file link is set to the file being read or written on
// every ensure. The XML reader, the store exchange and the property dialogs address an attribute
// by its place here, whatever the kind.
#define KORVANE_ELEMENT_ATTRIBUTES(MADE, LATER)                                                                    \
    MADE(InkColor, colour, 1)                                                                                      \
    MADE(EdgeAttributes, edge, 1)                                                                                  \
    MADE(FillAttributes, fill, 1)                                                                                  \
    MADE(DrawPoint, firstPoint, 1)  /* start point, corner or centre */                                            \
    MADE(DrawPoint, secondPoint, 1) /* end point or second corner */                                               \
    MADE(DrawPoint, thirdPoint, 1)                                                                                 \
    MADE(PointList, vertices, 1)                                                                                   \
    MADE(LineSizeAttribute, lineWidth, 1)                                                                          \
    MADE(LineOriginAttribute, linePosition, 1)                                                                     \
    MADE(LineTypeAttribute, lineType, 1)                                                                           \
    MADE(LineCapAttribute, lineCap, 0)                                                                             \
    MADE(HatchAttributes, hatch, 1)                                                                                \
    MADE(LeanAttribute, lean, 1)                                                                                   \
    MADE(OpenCloseAttribute, openClose, 1)                                                                         \
    MADE(OvalType, ovalType, 1)                                                                                    \
    MADE(FontAttributes, font, 1)                                                                                  \
    MADE(TextSpacingAttribute, textSpacing, 1)                                                                     \
    MADE(ElementTextString, text, 1)                                                                               \
    MADE(DrawLineAttribute, arrowLine, 1) /* leader or extension line */                                           \
    MADE(ArrowHeadStyle, arrowHead, 1)                                                                             \
    MADE(MeasureAttributes, measure, 1)                                                                            \
    MADE(LineAttribute, measureLine, 1) /* the dimension line ("underLine") */                                     \
    MADE(UnitSettings, units, 1)                                                                                   \
    MADE(BitmapSizeRecord, bitmapSize, 0)                                                                          \
    MADE(BitmapRaster, bitmapData, 1)                                                                              \
    MADE(GrayValue, gray, 0)                                                                                       \
    MADE(RadiusList, radii, 0)                                                                                     \
    MADE(DiameterList, diameters, 0)                                                                               \
    MADE(DoubleValue, value1, 0) /* the start angle ("sttAngle") */                                                \
    MADE(DoubleValue, value2, 0) /* the end angle ("endAngle") */                                                  \
    MADE(BoxRules, boxRules, 0)                                                                                    \
    MADE(CornerRounding, cornerRounding, 0)                                                                        \
    MADE(MarginAttribute, margin, 0)                                                                               \
    MADE(ImageTypeValue, imageKind, 0)                                                                             \
    MADE(FileNameValue, fileName, 0)                                                                               \
    MADE(ImageMask, imageMask, 0)                                                                                  \
    MADE(Pen, pen, 0) /* a GDI pen the element made itself; a copy starts without one */                           \
    MADE(VertexRoundingList, vertexRounding, 0) /* per-vertex corner radii (breakline, polygon) */

// The place of each attribute in the table.
enum class ElementAttribute : int {
#define KORVANE_ATTRIBUTE_MADE(type, name, binds) name,
#define KORVANE_ATTRIBUTE_LATER(type, name) name,
    KORVANE_ELEMENT_ATTRIBUTES(KORVANE_ATTRIBUTE_MADE, KORVANE_ATTRIBUTE_LATER)
#undef KORVANE_ATTRIBUTE_MADE
#undef KORVANE_ATTRIBUTE_LATER
        count
};

constexpr int kElementAttributeCount = static_cast<int>(ElementAttribute::count);
static_assert(kElementAttributeCount == 38, "every element carries 38 attribute slots");
