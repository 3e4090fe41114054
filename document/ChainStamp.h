#pragma once

// Stamps of chain states. Each change of a page chain's links, in any element store, takes a new
// number from one counter for the program's life, so that something derived from a chain (a
// page's drawing order) tells by its stamp whether it still holds, whichever store it came from.
inline unsigned long long newChainStamp()
{
    static unsigned long long last = 0;
    return ++last;
}
