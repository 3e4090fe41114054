#pragma once
// A real drawing in a document window of the frame, with the application's kind registry and
// print record, for the print and PostScript tests: lines and texts are stored through the
// element editor in drawing millimetres.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "document/DocumentContext.h"
#include "document/DocumentMembers.h"
#include "document/FileProgress.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/PickSettings.h"
#include "io/print/PrintRecord.h"
#include "shell/DocumentWindow.h"
#include "shell/MainFrame.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

class PrintDrawing : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    DocumentContext& drawing() { return *window->context; }
    PrintRecord& record() { return *dynamic_cast<PrintRecord*>(drawing().printSettings); }
    // A line or a text on the current page; its id, 0 when it could not be stored.
    int addLine(double x1, double y1, double x2, double y2);
    int addText(double x, double y, const char* text, const char* face, double size = 5.0);
    // The paper: A4 portrait or landscape, and the scale 1:denominator.
    void setPaper(double width, double height, int denominator = 1);
    // Makes page n current, adding pages up to it.
    void goToPage(int n);
    // Dispatches what waits.
    static void settle();
    // The drawing's current page exported by the PDF export command into `path`; the file's
    // bytes ("" when nothing was written).
    [[nodiscard]] std::string exportPagePdf(const std::string& path);

    // The frame goes after the stand-ins below are restored: its destructor deletes the global
    // managers still in their slots.
    TestApplication app;
    ScopedOverride<DocumentMemberFactories> members{documentMemberFactories};
    ScopedOverride<FileProgress* (*)()> progress{makeFileProgress};
    MainFrame frame;
    std::unique_ptr<ElementKindRegistry> registry{makeKindRegistry()};
    ScopedOverride<ElementKindRegistry*> kinds{theKindRegistry, registry.get()};
    PickSettings pickSettings;
    ScopedOverride<PickSettings*> pick{thePickSettings, &pickSettings};
    // The application's record, owner of the PostScript font-face table.
    std::unique_ptr<PrintRecord> applicationRecord{new PrintRecord};
    ScopedOverride<PrintSettings*> shared{thePrintSettings, applicationRecord.get()};
    DocumentWindow* window = nullptr;
};

// The bytes of a file ("" when it cannot be read).
[[nodiscard]] std::string fileText(const std::string& path);
// How often `part` occurs in `text`.
[[nodiscard]] int occurrences(const std::string& text, const std::string& part);
// The box Ghostscript's bbox device finds inked on the first page of a PostScript file, in
// points from the bottom left; `found` is false when it could not be run or reported none.
struct InkedBox {
    bool found = false;
    int left = 0, bottom = 0, right = 0, top = 0;
};
[[nodiscard]] InkedBox ghostscriptBoundingBox(const std::string& postScriptPath, const std::string& work);
// The number of pages Ghostscript renders from a file as PNG (png16m at 20 dpi); -1 on failure.
[[nodiscard]] int ghostscriptPageCount(const std::string& postScriptPath, const std::string& work);
