#pragma once
#include "platform/GlobalBlock.h"

// A growable list of 16-byte records, grown 50 at a time. The image decoders keep their code
// tables in it; the extended form also owns a second block for the decoder's own records.
class Entry16List : public GlobalBlock {
public:
    Entry16List() : GlobalBlock(50, 16) {}
};

class ExtendedEntry16List : public Entry16List {
public:
    ExtendedEntry16List(int secondGrowthStep, int secondElementSize) : second(secondGrowthStep, secondElementSize) {}

    GlobalBlock second;
};
