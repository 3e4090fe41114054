#include "shell/ToolbarSettings.h"

#include "geometry/SettingsFile.h"
#include "shell/panes/PaneLayoutRecord.h"
#include "shell/panes/WorkspaceLayout.h"
#include "shell/settings/SettingsIds.h"

int readToolbarSection(WorkspaceLayout& layout, SettingsFile& file)
{
    int result;
    while ((result = file.readKey()) != 0 && file.currentKind() != SettingsFile::kSection) {
        switch (file.currentId()) {
        case settings_id::DispToolHint: {
            char text[80];
            if (!file.readString(text, sizeof text))
                return 0;
            (void)layout.hintWindow.parseEnabled(text); // another text leaves the switch
            break;
        }
        case settings_id::DispToolbarPos: {
            PaneLayoutRecord record;
            const int read = record.read(file);
            if (read < 0)
                return 0;
            if (read > 0 && layout.paneCount() > 0)
                (void)layout.applyLayoutRecord(record); // a name of no pane changes nothing
            break;
        }
        default:
            break;
        }
    }
    return result;
}

int writeToolbarSection(WorkspaceLayout& layout, SettingsFile& file)
{
    char hints[4];
    layout.hintWindow.enabledText(hints, sizeof hints);
    if (!file.writeSection(settings_id::DispToolbar) || !file.writeKey(settings_id::DispToolHint)
        || !file.writeQuoted(hints, 0, 1))
        return 0;
    for (int i = 0; i < layout.paneCount(); ++i) {
        PaneLayoutRecord record;
        if (!layout.makeLayoutRecord(i, record) || !file.writeKey(settings_id::DispToolbarPos) || !record.write(file))
            return 0;
    }
    return 1;
}
