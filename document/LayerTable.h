#pragma once

class SettingsFile;

// One layer: its number and its display name (Shift-JIS, at most kNameSize - 1 bytes, never cut
// inside a character).
struct LayerRecord {
    static constexpr int kNameSize = 80;
    int number = 0;
    char name[kNameSize] = {};
};

// The display names of the 256 layers every element lies on (0 to 255). The application keeps
// one table (theLayerTable); dialogs that pick or rename layers work on copies. The names live
// in the settings file (section "LAYERNAME"), not in the drawings: only the names that differ
// from their default are written there.
class LayerTable {
public:
    enum SettingsId { kSection = 15060, kItemKey = 15061 };
    static constexpr int kLayerCount = 256;

    // Every layer with its default name.
    LayerTable();
    virtual ~LayerTable() = default;

    // The default name of a record whose number is set: the number in decimal, followed by " 標準"
    // for 100, " 予備" for 251 to 253, " 共通" for 254 and " 補助線" for 255. A number outside
    // 0..255 becomes 100 first.
    virtual void defaultName(LayerRecord& record) const;

    // Every layer: its own number and its default name.
    void reset();
    // Layers outside 0..255 are ignored by the setters; getLayer gives an all-zero record for them.
    void setLayer(int n, const LayerRecord& record);
    void setRecord(const LayerRecord& record) { setLayer(record.number, record); }
    [[nodiscard]] LayerRecord getLayer(int n) const;
    // The name of layer n ("" outside 0..255); valid while the table lives.
    [[nodiscard]] const char* nameOf(int n) const;
    void setName(int n, const char* text);
    void copyFrom(const LayerTable& other);
    void copyTo(LayerTable& other) const { other.copyFrom(*this); }
    // 1 when layer n's name is its default name.
    [[nodiscard]] int hasDefaultName(int n) const;

    // The section's keys up to the next section or the end of the file: each "LAYERITEM" gives a
    // number and, when a value follows it, the name; an item for a layer outside 0..255, or
    // without a name, changes nothing. Other keys are passed over. 0 when a value could not be
    // read (the names read before it stay).
    [[nodiscard]] int readIni(SettingsFile& file);
    // The section line, then one "LAYERITEM" (number, quoted name) per layer whose name differs
    // from its default; 0 when a write failed.
    [[nodiscard]] int writeIni(SettingsFile& file) const;

private:
    [[nodiscard]] static int isLayer(int n) { return n >= 0 && n < kLayerCount; }

    LayerRecord records_[kLayerCount];
};

// The application's layer names; null until the start-up creates the table.
extern LayerTable* theLayerTable;
