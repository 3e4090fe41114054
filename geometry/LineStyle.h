#pragma once

class XmlContext;
class ElementRecordBuffer;

// The dash pattern of a stroke: a line style code with the dash, gap and dot lengths of the
// dashed styles (paper millimetres). Codes, keywords (file form) and list texts:
//   1 "SOLID" 実線, 2 "DASH" 点線, 3 "DASHDOT1" 鎖線1, 4 "DASHDOT2" 鎖線2, 5 "DASHDOT3" 鎖線3,
//   6 "LINE2" ２本線, 7 "LINE3" ３本線, 8 "EDGE" 枠線.
// The base of the line type, the underline pen and the dimension draw line.
class LineStyle {
public:
    enum Style { kSolid = 1, kDash, kDashDot1, kDashDot2, kDashDot3, kLine2, kLine3, kEdge };
    static constexpr int kStyleCount = 8;

    // The keyword of a code; a code without one gives "" (written so, the file stays readable)
    // and still 1.
    static int keyword(int code, char* out, int size);
    // The first code whose keyword equals the text exactly; 0 and `code` untouched when none.
    [[nodiscard]] static int parse(const char* text, int& code);

    // The style; DASH also sets dash 1.5 and gap 1.5, the DASHDOT styles dash 3.0, gap 1.0 and
    // dot 1.0.
    void setStyleWithPresets(int code);
    // Style, dash, gap and dot; null does nothing.
    void assign(const LineStyle* other);
    // Record image: style int32; dash, gap, dot as doubles. Mode 1 writes, 3 reads (a record cut
    // short changes nothing), other modes 0.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    int style = kSolid;
    double dash = 2.0;
    double gap = 1.0;
    double dot = 1.0;

protected:
    // The "style" value tag just opened: a quoted text of at most size - 1 bytes whose keyword
    // sets `target` (a code only, no presets); another text is a data error of the tag and keeps
    // it. Then the closing tag. 0 when the text or the closing tag could not be read.
    [[nodiscard]] static int readStyleTag(XmlContext& d, int& target, int size);
    // The same for the lines that may be "なし" (style 0), which has no keyword and is written as
    // "": reading it back as anything else would turn a line that is not drawn into a solid one.
    [[nodiscard]] static int readStyleOrNoneTag(XmlContext& d, int& target, int size);
    [[nodiscard]] static int writeStyleTag(XmlContext& d, int code);
};
