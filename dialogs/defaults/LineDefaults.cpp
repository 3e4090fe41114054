#include "dialogs/defaults/LineDefaults.h"

LineDefaults* theLineDefaults = nullptr;
