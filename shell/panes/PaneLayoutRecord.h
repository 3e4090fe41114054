#pragma once
#include <cstdint>

class SettingsFile;

// One pane's placement as the settings file keeps it: the pane's name, whether it is shown, its
// position keyword (the saved one while hidden), its dock point, its rows and the remembered
// screen rectangle.
struct PaneLayoutRecord {
    char group[10] = "SYSTEM";
    char name[32] = {};
    char visibility[10] = {};
    char position[10] = {};
    int32_t x = 0;
    int32_t y = 0;
    int32_t rows = 0;
    int32_t top = 0;
    int32_t left = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    // One key line's values after DISPTLBARPOS=: the four quoted texts and the seven integers,
    // separated by ",". 0 when a write failed.
    [[nodiscard]] int write(SettingsFile& file) const;
    // Reads the values of the key just read: 1 for a complete record, 0 when the line ended
    // early (the rest of the line is then consumed and the record is incomplete), -1 when the file
    // ended or failed.
    [[nodiscard]] int read(SettingsFile& file);
};
