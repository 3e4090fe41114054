// DXF export: the file's exact frame, what ezdxf reads of every kind, and a failed write.
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "tests/io/IoTestDrawing.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

using namespace io_fixture;

namespace {

// Exports the drawing's current page to path, as the user chooses it from the DXF types.
int exportTo(IoDrawing& drawing, const std::string& path)
{
    std::vector<std::string> filters;
    const int result = drawing.exportDxf(path, &filters);
    EXPECT_EQ(filters, (std::vector<std::string>{"DXF(*.dxf)", "*.dxf", "すべて(*.*)", "*.*"}));
    return result;
}

std::string frame(const std::string& entities)
{
    auto section = [](const char* name, const std::string& body) {
        return std::string("  0\r\nSECTION\r\n  2\r\n") + name + "\r\n" + body + "  0\r\nENDSEC\r\n";
    };
    return section("HEADER", "  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n  9\r\n$DWGCODEPAGE\r\n  3\r\nANSI_932\r\n") +
           section("CLASSES", "") + section("TABLES", "") + section("BLOCKS", "") + section("ENTITIES", entities) +
           section("OBJECTS", "") + "  0\r\nEOF\r\n";
}

// Reads the file with ezdxf: the audit's errors, then one line per entity.
const char* const kEzdxfDump = R"(
import sys, math, ezdxf
sys.stdout.reconfigure(encoding='utf-8')
doc = ezdxf.readfile('page.dxf')
print('errors', len(doc.audit().errors), doc.encoding)
def p(v): return '%g %g' % (round(v[0], 3), round(v[1], 3))
def inside(e, x, y):
    a = math.degrees(math.atan2(y - e.dxf.center[1], x - e.dxf.center[0]))
    return (a - e.dxf.start_angle) % 360 <= (e.dxf.end_angle - e.dxf.start_angle) % 360
for e in doc.modelspace():
    t = e.dxftype()
    if t == 'LINE': print(t, e.dxf.layer, p(e.dxf.start), p(e.dxf.end))
    elif t == 'ARC': print(t, e.dxf.layer, p(e.start_point), p(e.end_point), inside(e, 50, 40), inside(e, 50, 60))
    elif t == 'POLYLINE': print(t, e.dxf.layer, e.is_closed, ' '.join(p(v.dxf.location) for v in e.vertices))
    elif t == 'TEXT': print(t, e.dxf.layer, p(e.dxf.insert), e.dxf.height, e.dxf.text)
    else: print(t)
)";

} // namespace

TEST(DxfExport, WritesTheFrameWithRightAlignedCodesAndFiveDecimalsCut)
{
    ScratchFolder scratch;
    IoDrawing drawing;
    ASSERT_EQ(drawing.addLine(12.5, 2.3, -0.123456789, 0.0, 5), 1);
    ASSERT_EQ(exportTo(drawing, scratch.pathOf("page.dxf")), 1);
    EXPECT_EQ(ScratchFolder::read(scratch.pathOf("page.dxf")),
              frame("  0\r\nLINE\r\n  8\r\n5\r\n 10\r\n12.50000\r\n 20\r\n2.30000\r\n 11\r\n-0.12345\r\n 21\r\n"
                    "0.00000\r\n"));
}

TEST(DxfExport, EzdxfReadsEveryKindWithACleanAuditAndSkipsWhatDxfCannotHold)
{
    ScratchFolder scratch;
    IoDrawing drawing;
    ASSERT_EQ(drawing.addLine(10, 20, 110.5, 20, 3), 1);
    // The same half circle about (50, 50), turning either way: through (50, 40) and through (50, 60).
    ASSERT_EQ(drawing.addArc(60, 50, 40, 50, 50, 40, 4), 2);
    ASSERT_EQ(drawing.addArc(60, 50, 40, 50, 50, 60, 4), 3);
    ASSERT_EQ(drawing.addPolygon({{0, 0}, {30, 0}, {30, 15}}, 7), 4);
    ASSERT_EQ(drawing.addPolygon({{5, 5}}), 5) << "one vertex: nothing a DXF reader could draw";
    ASSERT_EQ(drawing.addKind(ElementKind::Bitmap), 6);
    ASSERT_EQ(drawing.addText(1, 2, "日本語\r\n表ソ", 9, 5.0), 7);
    ASSERT_EQ(drawing.addKind(ElementKind::Bezier), 8);
    ASSERT_EQ(exportTo(drawing, scratch.pathOf("page")), 1) << "the name takes the type's extension";

    // A text goes out line by line, each line one pitch further down.
    EXPECT_EQ(runPython(scratch, kEzdxfDump), u8"errors 0 cp932\n"
                                              u8"LINE 3 10 20 110.5 20\n"
                                              u8"ARC 4 40 50 60 50 True False\n"
                                              u8"ARC 4 60 50 40 50 False True\n"
                                              u8"POLYLINE 7 True 0 0 30 0 30 15\n"
                                              u8"TEXT 9 1 2 5.0 日本語\n"
                                              u8"TEXT 9 1 8 5.0 表ソ\n");
}

namespace {
int writesBeforeFailure = 0;
BOOL WINAPI failingWriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped)
{
    if (--writesBeforeFailure < 0) {
        if (written)
            *written = 0;
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return WriteFile(file, data, size, written, overlapped);
}
} // namespace

TEST(DxfExport, AFailedWriteIsToldAndLeavesNoFileAndTheOldOneAsItWas)
{
    ScratchFolder scratch;
    IoDrawing drawing;
    for (int i = 0; i < 200; ++i)
        ASSERT_GE(drawing.addLine(i, 0, i, 100), 1);
    const std::string old = scratch.file("old.dxf", "the user's file\r\n");
    auto files = [&scratch] {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(scratch.pathOf("*").c_str(), &found);
        std::vector<std::string> names;
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        }
        FindClose(search);
        return names;
    };
    for (const std::string& target : {scratch.pathOf("new.dxf"), old}) {
        MessageBoxScript boxes;
        writesBeforeFailure = 1; // the first block goes out, the second fails as on a full disk
        {
            ImportPatch patch("kernel32.dll", "WriteFile", reinterpret_cast<void*>(failingWriteFile));
            EXPECT_EQ(exportTo(drawing, target), 0);
        }
        EXPECT_EQ(boxes.texts(), "Write Error") << "told once";
        EXPECT_EQ(files(), std::vector<std::string>{"old.dxf"}) << "no partial file stays";
        EXPECT_EQ(ScratchFolder::read(old), "the user's file\r\n");
    }

    // A file the user made read-only is left as it was, though every write succeeds.
    MessageBoxScript boxes;
    ASSERT_TRUE(SetFileAttributesA(old.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(exportTo(drawing, old), 0);
    ASSERT_TRUE(SetFileAttributesA(old.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(boxes.texts(), "Write Error");
    EXPECT_EQ(ScratchFolder::read(old), "the user's file\r\n");
    EXPECT_EQ(files(), std::vector<std::string>{"old.dxf"});
}
