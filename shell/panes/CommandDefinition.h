#pragma once

class ToolbarText;

// What a toolbar entry is, by the type keyword of its command definition (the number is kept
// with the button).
enum class ButtonType {
    Separator = 0,
    Button = 1,    // "BTN": a face in three states
    List = 2,      // "LST"
    Navigator = 3, // "NAVI"
    Page = 4,      // "PAGE": the page thumbnails
    Scroll = 5,    // "SCRL": the scroll bar of a page or parts list
    Parts = 6,     // "PARTS": a parts library's list
};

// The type of a keyword; any other word is a Separator.
[[nodiscard]] ButtonType buttonTypeOfKeyword(const char* keyword);

// One toolbar command (string-table entries 101 to 164): 14 fields, each bounded by its target.
struct CommandDefinition {
    char name[16] = {};
    int commandId = 0;     // posted when the button is pressed; 0 for scroll bars
    int faceBitmapId = 0;  // the resting faces; + 1 pressed, + 2 disabled
    int faceColumn = 0;    // the face's cell in the face bitmaps
    int faceRow = 0;
    ButtonType type = ButtonType::Separator;
    int gap = 0;           // a separator's gap, or a list cell's width
    int value = 0;         // kept, unused by the toolbar
    char unitText[16] = {};
    char codeText[4] = {};
    char label[64] = {};   // the hint window's text
    char hint[128] = {};   // the status bar's text

    // Reads the fields in order; 1 when every field up to the hint was read. A text that ends
    // early keeps the fields read so far and gives 0.
    [[nodiscard]] int read(ToolbarText& text);
    // Loads string `id` and reads it; 0 when it is missing or unreadable.
    [[nodiscard]] int load(int id);
};

// The entries of a pane's button list (string-table entries 51 to 63): a positive value is a
// command definition, 0 a separator of 3 pixels, -n one of n pixels.
struct ButtonList {
    static constexpr int kMaxEntries = 128; // a string-table text holds fewer

    int values[kMaxEntries] = {};
    int count = 0;

    // Reads values up to the end mark; 0 when the string is missing or a value cannot be read.
    [[nodiscard]] int read(ToolbarText& text);
    [[nodiscard]] int load(int id);
};
