#include "shell/panes/PaneLayoutRecord.h"

#include "geometry/SettingsFile.h"

int PaneLayoutRecord::write(SettingsFile& file) const
{
    const int32_t numbers[] = {x, y, rows, top, left, right, bottom};
    if (!file.writeQuoted(group, 1, 0) || !file.writeQuoted(name, 1, 0) || !file.writeQuoted(visibility, 1, 0)
        || !file.writeQuoted(position, 1, 0))
        return 0;
    for (int i = 0; i < 7; ++i)
        if (!file.writeInt(numbers[i], i < 6, i == 6))
            return 0;
    return 1;
}

int PaneLayoutRecord::read(SettingsFile& file)
{
    // Each value but the last must be followed by ","; a value without one ended its line.
    char* texts[] = {group, name, visibility, position};
    const int sizes[] = {sizeof group, sizeof name, sizeof visibility, sizeof position};
    for (int i = 0; i < 4; ++i) {
        if (!file.readString(texts[i], sizes[i]))
            return -1;
        if (!file.getDelimiterFlag(SettingsFile::kComma))
            return 0;
    }
    int32_t* numbers[] = {&x, &y, &rows, &top, &left, &right, &bottom};
    for (int i = 0; i < 7; ++i) {
        int value = 0;
        if (!file.readInt(value))
            return -1;
        *numbers[i] = value;
        if (i < 6 && !file.getDelimiterFlag(SettingsFile::kComma))
            return 0;
    }
    return 1;
}
