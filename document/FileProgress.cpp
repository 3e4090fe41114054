#include "document/FileProgress.h"

FileProgress* (*makeFileProgress)() = nullptr;
