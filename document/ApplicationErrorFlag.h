#pragma once
#include "platform/Application.h"

// The application's error flag: set once a user-visible error (an out-of-memory report among
// them) has been counted. Builders of a document's objects stop while it is set.
inline int applicationErrorFlag()
{
    return theApplication && theApplication->errorCount != 0;
}
