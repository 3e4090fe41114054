#pragma once

class SettingsFile;
class WorkspaceLayout;

// The settings section DISPTOOLBAR: DISPTOOLHINT="ON" or "OFF" (the hint window's switch), then
// one DISPTLBARPOS line per pane in pane order with its layout record.
//
// Reading: a DISPTOOLHINT text other than "ON" and "OFF" changes nothing; a DISPTLBARPOS line
// with fewer than eleven values (a value without its ",") is skipped and the lines after it are
// read; a line that names no pane, or any line while there are no panes, changes nothing. The
// result is the last readKey's, as every section reader gives it.
[[nodiscard]] int readToolbarSection(WorkspaceLayout& layout, SettingsFile& file);
// 0 when a write failed.
[[nodiscard]] int writeToolbarSection(WorkspaceLayout& layout, SettingsFile& file);
