#pragma once

// One group of a DXF file: a code line and the value line after it, with the value parsed by
// the type the code gives it.
struct DxfGroup {
    // Value types by group code.
    enum Type : int {
        kUnrecognised = 0, // codes outside 0..1071 and the codes the table leaves out: text only
        kString = 1,
        kHandle = 2,       // held as text
        kReal = 3,
        kInt16 = 4,
        kInt1070 = 5,
        kInt32 = 6,
        kInt170 = 7,
        kBinary = 8,       // held as text
        kComment = 9,      // held as text
    };
    // The value line is held in this many bytes with its terminator; a longer line is cut at a
    // character boundary and the rest of it skipped.
    static constexpr int kTextSize = 256;

    // The type of a code.
    [[nodiscard]] static int typeOf(int code);
    [[nodiscard]] static int isIntegerType(int type) { return type >= kInt16 && type <= kInt170; }

    // Code -1, type 0, empty text, keyword -1, numbers 0.
    void reset();
    // The code line's number: blanks before it skipped, a leading '-' honoured, digits taken up
    // to the first other character (saturating at the int range); no digits give 0.
    [[nodiscard]] static int parseCode(const char* line);
    // Takes a value line of `length` bytes (it may be `text` itself): keeps the text, at most
    // kTextSize - 1 bytes, and parses it by the type.
    void setValue(const char* line, int length);

    int code = -1;
    int type = kUnrecognised;
    char text[kTextSize] = {};
    int keyword = -1;    // keyword id of a string value; -1 for none and for other types
    int intValue = 0;    // types 4 to 7
    double realValue = 0.0; // type 3
};
