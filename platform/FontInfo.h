#pragma once
#include <windows.h>

class Control;
class GlobalBlock;

// One face of a face listing (260 bytes).
struct FaceRecord {
    char faceName[256];
    int isShiftJis;   // 1 when the family is installed with the Shift-JIS character set
};

// A font to create (a LOGFONT with a wanted style and size) and the questions the program asks
// about the installed families: is a face installed, which member has a style, which family can
// show Shift-JIS text, which faces go into a face list. Queries read the families of the screen
// DC from the lists FontFamilies.h keeps, so a face is resolved once, not per draw. The
// program's texts are Japanese, so the default face is a TrueType face of the Shift-JIS
// character set.
class FontInfo {
public:
    // Styles, in the order of the style list.
    enum { kRegular = 1, kBold = 2, kItalic = 3, kBoldItalic = 4 };

    FontInfo() = default;

    // Each find starts afresh (`found` 0) and answers `found`. A face that is not installed
    // leaves the LOGFONT as it was.
    // The face's first enumerated member becomes the font; `isTrueType` tells its kind.
    [[nodiscard]] int findFace(const char* name);
    // The member of the face whose style name is `style` ("Regular", "Bold", "Italic",
    // "Bold Italic").
    [[nodiscard]] int findStyle(const char* name);
    // The first family (TrueType only, when `trueTypeOnly`) of character set `charset`.
    [[nodiscard]] int findCharsetFamily();
    // Only the face's character set is taken into the LOGFONT.
    [[nodiscard]] int findFaceCharset(const char* name);
    // The face's first NEWTEXTMETRIC into `metrics` (when set); 1 when the face is installed.
    [[nodiscard]] int queryMetrics(const char* name);
    // 1 when the face is installed; the LOGFONT is not touched.
    [[nodiscard]] int hasFace(const char* name);

    // The LOGFONT of the stock system font, whose kind `isTrueType` then tells.
    void useSystemFont();
    // The system font when it is TrueType (or TrueType is not insisted on); else "ＭＳ ゴシック",
    // then "ＭＳ 明朝", then the first TrueType family of the Shift-JIS character set.
    void chooseDefaultFace();

    // Face lists hold each installed face once, without vertical ("@") faces and, when
    // `trueTypeOnly`, only TrueType faces. fillFaceList also adds the own face when it is not
    // installed; fillInstalledFaceList does not. 0 for a null control.
    [[nodiscard]] int fillFaceList(Control* combo);
    [[nodiscard]] int fillInstalledFaceList(Control* combo);
    // Appends a FaceRecord per face to the block (element size 260); 0 for a null block or one
    // that holds elements of another size.
    [[nodiscard]] int listFamilies(GlobalBlock* block);
    // "標準", "ﾎﾞｰﾙﾄﾞ", "ｲﾀﾘｯｸ", "ﾎﾞｰﾙﾄﾞｲﾀﾘｯｸ": list positions 1 to 4 are the styles. 0 for a
    // null control.
    [[nodiscard]] int fillStyleList(Control* combo);
    // The combo box's selectByText of the face: its position, or -1.
    [[nodiscard]] int selectFaceInControl(Control* combo);
    // The combo box's selected face becomes the face, with its character set; 0 when nothing is
    // selected or the face is not installed.
    [[nodiscard]] int takeFaceFromControl(Control* combo);

    // setFontCell(name, style, size, size).
    [[nodiscard]] int setFont(const char* name, int style, int size);
    // The face's member of the style, made bold (weight 700) or italic itself when the family has
    // no such member, at a cell of w x h pixels. 0, leaving the LOGFONT, when the face is not
    // installed.
    [[nodiscard]] int setFontCell(const char* name, int style, int w, int h);
    // A character height of h (lfHeight -h); the width follows the face's proportions for w != h
    // and is the face's own (0) for w == h.
    void setCellSize(int w, int h);
    void setSize(int n) { setCellSize(n, n); }
    // The face name becomes `name` only when that face is installed; answers the test.
    [[nodiscard]] int setFaceIfInstalled(const char* name);
    // Style, size and the whole font record.
    void copyFrom(const FontInfo& other);
    // The LOGFONT of a font; 0 when it cannot be read.
    [[nodiscard]] int readFrom(HFONT handle);
    [[nodiscard]] HFONT createFont() const { return CreateFontIndirectA(&font.elfLogFont); }

    [[nodiscard]] const char* getFaceName() const { return font.elfLogFont.lfFaceName; }
    // At most LF_FACESIZE - 1 bytes, never half a two-byte character.
    void setFaceName(const char* name);
    [[nodiscard]] BYTE getCharset() const { return font.elfLogFont.lfCharSet; }
    void setCharset(BYTE value) { font.elfLogFont.lfCharSet = value; }
    [[nodiscard]] const LOGFONTA& logFont() const { return font.elfLogFont; }
    void setLogFont(const LOGFONTA& description) { font.elfLogFont = description; }
    [[nodiscard]] const ENUMLOGFONTA& fontRecord() const { return font; }
    void setFontRecord(const ENUMLOGFONTA& record) { font = record; }

    // The face records of `faceBlock`.
    [[nodiscard]] FaceRecord* lockFaces();
    void unlockFaces();
    [[nodiscard]] int appendFace(const FaceRecord& record);

    int style = kRegular;
    int size = 12;
    int isTrueType = 0;
    int trueTypeOnly = 1;
    int faceListed = 0;
    Control* listControl = nullptr;      // set during a listing
    GlobalBlock* faceBlock = nullptr;    // the caller's, set during a listing
    ENUMLOGFONTA font = {};
    int found = 0;
    BYTE charset = 0;                    // the character set findCharsetFamily looks for
    NEWTEXTMETRICA* metrics = nullptr;   // the caller's buffer, or null

    // One enumeration in progress (FontInfo.cpp).
    struct Query;
    // The enumeration's step for one family and character set: 1 goes on, 0 stops.
    [[nodiscard]] int onFamily(Query& query, const ENUMLOGFONTA& family, const NEWTEXTMETRICA& metric, DWORD fontType);

private:
    // The query's step run over the kept members of one family (null: all of them).
    void enumerate(const char* family, int code);
    // `found` cleared, then the enumeration; answers `found`.
    [[nodiscard]] int find(const char* name, int code);
    [[nodiscard]] int fillList(Control* combo, int withOwnFace);
    void take(const ENUMLOGFONTA& family, DWORD fontType);
    void listFace(Query& query, const char* face, BYTE familyCharset);
};
