#pragma once

// Reading the settings file "korvane.ini" at start-up and writing it when the frame closes. The
// settings file's reader and writer fill these in; until they do, nothing is read or written and
// every manager keeps its defaults.
struct SettingsHooks {
    // Reads the file into the managers that exist; a missing or unreadable file leaves their
    // defaults. 1 when it was read.
    int (*loadSettings)() = nullptr;
    // Writes every manager's section; 1 when the file was replaced.
    int (*saveSettings)() = nullptr;
};

extern SettingsHooks settingsHooks;
