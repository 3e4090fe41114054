#pragma once
// Plain declarations shared by this folder and those above.

// The element kinds as the kind registry lists them, each written once: the identifier (its
// class is <identifier>Element), the kind code, the keyword and the Japanese display name. The
// code is what element records, index entries, the undo log and the drawing file store; the
// keyword is the tag name of the element's section in the drawing file, whose tag id is the code.
#define KORVANE_ELEMENT_KINDS(KIND)                                                                                \
    KIND(Line, 1, "line", "線分")                                                                                  \
    KIND(Breakline, 2, "breakline", "折れ線")                                                                      \
    KIND(ArcBreakline, 3, "arcbreakline", "複合折れ線")                                                            \
    KIND(Spline, 4, "spline", "スプライン曲線")                                                                    \
    KIND(Box, 5, "box", "ボックス")                                                                                \
    KIND(Arc, 6, "arc", "円弧")                                                                                    \
    KIND(Circle, 7, "circle", "円")                                                                                \
    KIND(Polygon, 8, "polygon", "ポリゴン")                                                                        \
    KIND(ArcPolygon, 9, "arcpolygon", "複合ポリゴン")                                                              \
    KIND(Oval, 10, "oval", "楕円")                                                                                 \
    KIND(Bezier, 11, "bezier3", "ベジェ曲線")                                                                      \
    KIND(Text, 12, "text", "テキスト")                                                                             \
    KIND(TextLine, 13, "textline", "引出テキスト")                                                                 \
    KIND(Measure, 14, "measure", "寸法線")                                                                         \
    KIND(AngleMeasure, 15, "msrangle", "角度")                                                                     \
    KIND(MsrRadius, 16, "msrradius", "半径")                                                                       \
    KIND(MsrDiameter, 17, "msrdiameter", "直径")                                                                   \
    KIND(Bitmap, 18, "bitmap", "ビットマップ")                                                                     \
    KIND(Picture, 19, "picture", "ピクチュアー")

// Older keywords that still read as a kind, registered after the kinds (so the kind's own keyword
// is the one written).
#define KORVANE_ELEMENT_KIND_ALIASES(ALIAS) ALIAS(AngleMeasure, "angle", "角度")

enum class ElementKind : int {
#define KORVANE_ELEMENT_KIND(identifier, code, keyword, name) identifier = code,
    KORVANE_ELEMENT_KINDS(KORVANE_ELEMENT_KIND)
#undef KORVANE_ELEMENT_KIND
};

// The stored code of a kind.
constexpr int kindCode(ElementKind kind) { return static_cast<int>(kind); }

// 1 for the codes of the kinds (1 to 19); other tag ids are not elements.
constexpr bool isElementKind(int code)
{
    return code >= kindCode(ElementKind::Line) && code <= kindCode(ElementKind::Picture);
}

// The kinds edited in place as text: texts and leader texts.
constexpr bool isTextKind(int code)
{
    return code == kindCode(ElementKind::Text) || code == kindCode(ElementKind::TextLine);
}

// One row of the kind registry's table: the kind code, the display name (Shift-JIS), the keyword
// and whether the row is a kind of its own (1) or an older keyword of one (0).
struct ElementKindRow {
    int kind;
    const char* name;
    const char* keyword;
    int listed;
};

// The registry's table in registration order: the nineteen kinds in code order, then the aliases.
// A search by code finds the kind's own row first; the tag dictionary takes every row's keyword.
inline constexpr ElementKindRow kElementKindRows[] = {
#define KORVANE_ELEMENT_KIND_ROW(identifier, code, keyword, name) {code, name, keyword, 1},
#define KORVANE_ELEMENT_ALIAS_ROW(identifier, keyword, name) {kindCode(ElementKind::identifier), name, keyword, 0},
    KORVANE_ELEMENT_KINDS(KORVANE_ELEMENT_KIND_ROW) KORVANE_ELEMENT_KIND_ALIASES(KORVANE_ELEMENT_ALIAS_ROW)
#undef KORVANE_ELEMENT_ALIAS_ROW
#undef KORVANE_ELEMENT_KIND_ROW
};
inline constexpr int kElementKindRowCount = static_cast<int>(sizeof kElementKindRows / sizeof kElementKindRows[0]);
static_assert(kElementKindRowCount == 20, "nineteen kinds and one alias");
