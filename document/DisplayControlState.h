#pragma once

class DocumentContext;
struct ElementIndexEntry;

// Which elements of a drawing are drawn and which can be selected: one flag per layer and one
// per element kind for each of the two. The element editors ask before they draw, print or pick
// an element; the display control dialog (表示制御) edits the four tables and the layer names.
// Each document context owns one, created with every flag on.
//
// Kinds are kept by the kind registry's columns (ElementKindColumns). A layer outside 0..255
// counts as drawn and selectable, and so does a kind the registry does not list; without a
// registry no kind counts as either. The getters and setters take layers 0..255 and columns
// 0..29: other reads give 0 and other writes are ignored.
class DisplayControlState {
public:
    static constexpr int kLayers = 256;
    static constexpr int kKindColumns = 30;
    // The auxiliary-line layer, which never reaches paper or PDF.
    static constexpr int kAuxiliaryLayer = 255;

    DisplayControlState();
    virtual ~DisplayControlState() = default;

    virtual void setOwner(DocumentContext* newOwner) { owner = newOwner; }
    // Runs the dialog on a copy, starting at the page shown last. On OK (1) the copy's flags and
    // list position become this state's, the names edited become the application's layer names
    // and the view is redrawn; キャンセル (2) changes nothing. The page shown last is kept either
    // way.
    virtual int runDialog();
    // The print bracket: layer 255 is hidden for the run, then given back the flag it had.
    virtual void hideAuxiliaryLayer();
    virtual void restoreAuxiliaryLayer();

    // An element by its index entry: its layer (word 6) and its kind (word 5) both drawn, or both
    // selectable.
    [[nodiscard]] int isDisplayed(const ElementIndexEntry& entry) const;
    [[nodiscard]] int isSelectable(const ElementIndexEntry& entry) const;
    [[nodiscard]] int isLayerDisplayed(int layer) const { return layerTest(layerDisplay, layer); }
    [[nodiscard]] int isLayerSelectable(int layer) const { return layerTest(layerSelect, layer); }
    [[nodiscard]] int isKindDisplayed(int kind) const { return kindTest(kindDisplay, kind); }
    [[nodiscard]] int isKindSelectable(int kind) const { return kindTest(kindSelect, kind); }

    // The four tables by layer or by column.
    [[nodiscard]] int layerDisplayFlag(int layer) const { return read(layerDisplay, kLayers, layer); }
    [[nodiscard]] int layerSelectFlag(int layer) const { return read(layerSelect, kLayers, layer); }
    [[nodiscard]] int kindDisplayFlag(int column) const { return read(kindDisplay, kKindColumns, column); }
    [[nodiscard]] int kindSelectFlag(int column) const { return read(kindSelect, kKindColumns, column); }
    void setLayerDisplayFlag(int layer, int on) { write(layerDisplay, kLayers, layer, on); }
    void setLayerSelectFlag(int layer, int on) { write(layerSelect, kLayers, layer, on); }
    void setKindDisplayFlag(int column, int on) { write(kindDisplay, kKindColumns, column, on); }
    void setKindSelectFlag(int column, int on) { write(kindSelect, kKindColumns, column, on); }
    // Whole tables on.
    void displayAllLayers() { fill(layerDisplay, kLayers); }
    void selectAllLayers() { fill(layerSelect, kLayers); }
    void displayAllKinds() { fill(kindDisplay, kKindColumns); }
    void selectAllKinds() { fill(kindSelect, kKindColumns); }
    // The four tables and the list position of another state.
    void copyFrom(const DisplayControlState& other);

    DocumentContext* owner = nullptr; // not owned
    // The tab shown last (0 layers drawn, 1 kinds drawn, 2 layers selectable, 3 kinds
    // selectable), kept between runs of the dialog.
    int dialogPage = 0;
    // The layer list's scroll position when the dialog was last confirmed.
    int layerListPosition = 0;
    // Layer 255's display flag before the print bracket hid it.
    unsigned char savedAuxiliaryFlag = 1;
    unsigned char layerDisplay[kLayers];
    unsigned char kindDisplay[kKindColumns];
    unsigned char layerSelect[kLayers];
    unsigned char kindSelect[kKindColumns];

private:
    [[nodiscard]] static int layerTest(const unsigned char* flags, int layer);
    [[nodiscard]] static int kindTest(const unsigned char* flags, int kind);
    [[nodiscard]] static int read(const unsigned char* flags, int size, int index)
    {
        return index >= 0 && index < size ? flags[index] : 0;
    }
    static void write(unsigned char* flags, int size, int index, int on)
    {
        if (index >= 0 && index < size)
            flags[index] = on ? 1 : 0;
    }
    static void fill(unsigned char* flags, int size);
};
