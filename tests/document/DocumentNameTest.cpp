// The drawing's name: a path longer than a name holds is refused openly, never kept as an empty
// name that still claims a file.
#include <gtest/gtest.h>
#include <string>

#include "tests/document/DrawingFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

using namespace drawing_fixture;

TEST(DocumentName, APathTooLongForTheNameIsRefusedAndTheDrawingKeepsItsOwn)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    const std::string own = scratch.pathOf("own.ycx");
    const std::string tooLong = scratch.path() + std::string(260, 'a') + ".ycx";

    TestDrawing drawing;
    ShapeValues values;
    values.layer = 3;
    ASSERT_EQ(drawing.add(1, ElementKind::Line, values), 1);
    ASSERT_EQ(drawing.context.setPathAndTitle(own.c_str()), 1);
    EXPECT_EQ(drawing.context.setPathAndTitle(tooLong.c_str()), 0);
    EXPECT_EQ(drawing.context.assignFile(tooLong.c_str()), 0);
    EXPECT_TRUE(drawing.document().isSamePath(own.c_str()));
    EXPECT_STREQ(drawing.context.title(), "own");
    EXPECT_EQ(drawing.context.hasFile(), 1);
    // Save still writes the drawing's own file, without asking for a name.
    ASSERT_EQ(drawing.context.save(), 1);
    EXPECT_TRUE(ScratchFolder::exists(own));

    // Opened from the command line (name, then open): the name is refused, the open fails with
    // the Read Error of a file that cannot be read, and the new drawing stays untitled.
    TestDrawing opened;
    EXPECT_EQ(opened.context.setPathAndTitle(tooLong.c_str()), 0);
    EXPECT_EQ(opened.context.hasFile(), 0);
    EXPECT_EQ(opened.context.openFile(), 0);
    EXPECT_EQ(boxes.texts(), "Read Error");
    EXPECT_STREQ(opened.context.title(), "SINKI");
    EXPECT_EQ(opened.context.hasFile(), 0);
    EXPECT_EQ(opened.context.elementCount(), 0);
}
