#pragma once
// The image readers' bad-input walk: every truncation of small good files and seeded byte
// mutations of them, each read through all of a reader's operations in a fault guard. A file is
// decoded without a message, or refused with exactly the reader's one message; nothing faults,
// hangs or allocates more than the reader's bound for the file.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/DeviceContext.h"
#include "tests/support/AllocationMeter.h"
#include "tests/support/DibSurface.h"
#include "tests/support/FaultGuard.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

class ImageMutation : public ::testing::Test {
protected:
    // Reads the file at the path through every operation of a fresh reader: 1 when it decoded,
    // 0 when it refused it, negative when its operations disagreed.
    using Operations = std::function<int(const std::string& path)>;
    // The most bytes one allocation may take for a file.
    using Limit = unsigned long long (*)(const std::string& bytes);

    void SetUp() override;
    void TearDown() override;

    void readChecked(const std::string& bytes, const std::string& what, const char* caption, Limit limit,
                     const Operations& operations);
    // Every truncation of each good file, then `rounds` mutations (ByteMutation.h) seeded the same
    // way every run, steered by the `interesting` bytes.
    void walk(const std::vector<std::string>& goods, const char* caption, const std::string& interesting, int rounds,
              Limit limit, const Operations& operations);

    int decodedCount = 0;
    int refusedCount = 0;
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    FaultGuard guard{10000};
    AllocationMeter meter;
    DibSurface surface{16, 16};
    DeviceContext dc;
};
