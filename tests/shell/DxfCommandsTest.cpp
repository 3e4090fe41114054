// The menu's DXF commands on real document windows, with the commands start-up installs.
#include <memory>
#include <string>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "elements/ElementKindRegistry.h"
#include "shell/FrameCommands.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/ScratchFolder.h"
#include "views/tools/ElementEditor.h"

namespace {

class DxfCommands : public FrameTest {
protected:
    DocumentContext& newDrawing()
    {
        DocumentWindow* window = frame.createDocumentWindow();
        EXPECT_TRUE(window && window->context);
        settleEvents();
        return *window->context;
    }

    std::unique_ptr<ElementKindRegistry> registry{makeKindRegistry()};
    ScopedOverride<ElementKindRegistry*> kinds{theKindRegistry, registry.get()};
};

} // namespace

TEST_F(DxfCommands, TheMenuWritesTheActivePageAndReadsItIntoAnotherDrawing)
{
    ScratchFolder scratch;
    FileDialogScript dialogs;
    DocumentContext& source = newDrawing();
    ElementEditorBase* editor = source.editor3;
    ASSERT_EQ(editor->startNewElement(1), 1);
    Element* line = editor->elementInHand();
    line->firstPoint()->x = 10, line->firstPoint()->y = 20;
    line->secondPoint()->x = 30, line->secondPoint()->y = 40;
    ASSERT_EQ(editor->commitNewElement(), 1);

    dialogs.answers = {scratch.pathOf("page")};
    ASSERT_EQ(frame.onCommand(CMD_DXF_EXPORT), 1);
    settleEvents();
    EXPECT_NE(ScratchFolder::read(scratch.pathOf("page.dxf")).find("LINE\r\n  8\r\n"), std::string::npos);

    DocumentContext& target = newDrawing();
    dialogs.answers = {scratch.pathOf("page.dxf")};
    ASSERT_EQ(frame.onCommand(CMD_DXF_IMPORT), 1);
    settleEvents();
    ASSERT_EQ(target.elementCount(), 1);
    EXPECT_EQ(target.isModified(), 1);
}
