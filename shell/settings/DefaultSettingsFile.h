#pragma once
#include "shell/settings/BufferedSettingsFile.h"

// The settings file with the names of the drawing defaults' sections and keys: paper (YOUSI),
// grid, layer names, folders, inks, the line, text, Bezier and dimension defaults, the layout
// sections no owner reads any more, and the three parts lists with two spare ones.
class DefaultSettingsFile : public BufferedSettingsFile {
public:
    DefaultSettingsFile();
};
