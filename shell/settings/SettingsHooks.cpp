#include "shell/settings/SettingsHooks.h"

SettingsHooks settingsHooks;
