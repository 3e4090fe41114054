#pragma once

// The keywords of the DXF dialect: section and entity names and the header variable names, each
// with a fixed id. Look-up by text is exact and case-sensitive ("line" is not LINE).
namespace dxf_keyword {

enum : int {
    kSection = 0,
    kEndSection = 1,
    kEof = 2,
    // The sections; a file's section state is one of these ids.
    kHeader = 3,
    kClasses = 4,
    kTables = 5,
    kBlocks = 6,
    kEntities = 7,
    kObjects = 8,
    // The header variables run from "$ACADVER" (9) to "$WORLDVIEW" (176); 96 has none.
    kFirstHeaderVariable = 9,
    kAcadVer = 9,
    kDwgCodePage = 94,
    kUnassignedHeaderId = 96,
    kBlock = 187,
    kEndBlock = 188,
    kArc = 189,
    kInsert = 190,
    kLine = 191,
    kPolyline = 193,
    kText = 196,
    kVertex = 197,
    kSeqend = 198,
};

// No keyword is longer than this.
constexpr int kLongestKeyword = 16;

// The id of a keyword text (n bytes, or zero-terminated), -1 when none matches.
[[nodiscard]] int idOf(const char* text, int length);
[[nodiscard]] int idOf(const char* text);
// The text of an id, null for an id that has none.
[[nodiscard]] const char* textOf(int id);

} // namespace dxf_keyword
