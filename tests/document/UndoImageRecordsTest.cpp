// Undo records of one element's points and of element images: point move, point add, attribute
// change and batch change.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/document/UndoTestDocument.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

void addPoints(UndoManager& undo, const std::vector<UndoPoint>& points)
{
    for (const UndoPoint& p : points)
        undo.addRecordPoint(p.x, p.y, p.z);
}

class UndoImageRecordsTest : public testing::Test {
protected:
    TestApplication app;
    ScopedOverride<UndoManager::FreeSpaceQuery> space{UndoManager::freeSpaceQuery, plentyOfFreeSpace};
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
};

TEST_F(UndoImageRecordsTest, PointMoveAndPointAdd)
{
    int line = doc.add(ElementKind::Breakline, {{0, 0, 0}, {5, 5, 0}, {9, 0, 0}});

    // Dragging point 1: two points for n = 1, the old position and the new one.
    ASSERT_TRUE(doc.editor->beginEdit(line));
    UndoTestElement* element = doc.editor->held();
    undo.beginPointMove(1, 1);
    undo.clearRecordPoints();
    undo.addRecordPoint(5, 5, 0);
    element->setPoint(1, 6, 8, 0);
    ASSERT_EQ(doc.editor->storeBack(line), 1);
    undo.addRecordPoint(6, 8, 0);
    undo.endPointMove(element);
    ASSERT_EQ(undo.recordCount(), 1);
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.read(line).x(1), 5.0);
    EXPECT_EQ(doc.read(line).y(1), 5.0);
    EXPECT_EQ(doc.selectTool->ids, std::vector<int>{line});
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.read(line).x(1), 6.0);
    EXPECT_EQ(doc.read(line).y(1), 8.0);

    // Not exactly 2 x n points: nothing is written.
    undo.beginPointMove(0, 2);
    undo.addRecordPoint(0, 0, 0);
    undo.addRecordPoint(1, 1, 0);
    undo.endPointMove(element);
    EXPECT_EQ(undo.recordCount(), 1);

    // A vertex added with its corner radius; undo rebuilds both lists as they were.
    ASSERT_TRUE(doc.editor->beginEdit(line));
    element = doc.editor->held();
    ASSERT_EQ(element->rounding.resize(0), 1);
    ASSERT_EQ(element->rounding.append(0.5), 1);
    ASSERT_EQ(element->rounding.append(1.5), 1);
    ASSERT_EQ(element->rounding.append(2.5), 1);
    ASSERT_EQ(doc.editor->storeBack(line), 1);
    undo.beginPointAdd(3);
    undo.clearRecordPoints();
    undo.setValueCountBefore(3);
    undo.clearRecordValues();
    addPoints(undo, element->points);
    for (int i = 0; i < element->rounding.count; ++i)
        ASSERT_EQ(undo.recordValues()->append(element->rounding.get(i)), 1);
    element->points.insert(element->points.begin() + 2, UndoPoint{7, 7, 0});
    ASSERT_EQ(element->rounding.insertAfter(1, 9.0), 1);
    ASSERT_EQ(doc.editor->storeBack(line), 1);
    addPoints(undo, element->points);
    for (int i = 0; i < element->rounding.count; ++i)
        ASSERT_EQ(undo.recordValues()->append(element->rounding.get(i)), 1);
    undo.endPointAdd(element);
    char text[UndoManager::kTextSize];
    undo.undoText(text);
    EXPECT_STREQ(text, "点追加の取り消し");
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.read(line).points.size(), 3u);
    EXPECT_EQ(doc.read(line).values, (std::vector<double>{0.5, 1.5, 2.5}));
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.read(line).points.size(), 4u);
    EXPECT_EQ(doc.read(line).x(2), 7.0);
    EXPECT_EQ(doc.read(line).values, (std::vector<double>{0.5, 1.5, 9.0, 2.5}));
}

TEST_F(UndoImageRecordsTest, AttributeChangePutsTheWholeImageBack)
{
    int box = doc.add(ElementKind::Box, {{1, 2, 0}}, "red");
    ASSERT_TRUE(doc.editor->beginEdit(box));
    UndoTestElement* element = doc.editor->held();
    undo.beginAttributeChange(element);
    // A longer record takes more blocks; undo must come back to the short one.
    element->text = std::string(300, 'b');
    element->points[0] = {4, 4, 0};
    ASSERT_EQ(doc.editor->storeBack(box), 1);
    undo.endAttributeChange(element);

    char text[UndoManager::kTextSize];
    undo.undoText(text);
    EXPECT_STREQ(text, "属性の取り消し");
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.read(box).text, "red");
    EXPECT_EQ(doc.read(box).x(), 1.0);
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.read(box).text, std::string(300, 'b'));
    EXPECT_EQ(doc.read(box).x(), 4.0);

    // An end call that is not its own writes nothing.
    undo.beginReshape(element);
    undo.endAttributeChange(element);
    EXPECT_EQ(undo.recordCount(), 1);
}

void changeText(UndoTestDocument& doc, int id, const std::string& text)
{
    ASSERT_TRUE(doc.editor->beginEdit(id));
    doc.editor->held()->text = text;
    ASSERT_TRUE(doc.editor->storeBack(id));
}

TEST_F(UndoImageRecordsTest, BatchChangeCountsThePairsReallyWritten)
{
    int a = doc.add(ElementKind::Line, {}, "a0"), b = doc.add(ElementKind::Text, {}, "b0");
    int c = doc.add(ElementKind::Line, {}, "c0"), d = doc.add(ElementKind::Line, {}, "d0");
    doc.add(ElementKind::Line, {}, "recorded before");
    undo.recordMove(0, 0, 0);
    size_t start = doc.logBytes().size();

    // Four selected: b is declined outright, c after its image was taken.
    undo.beginBatchChange(4);
    undo.batchChangeBefore(a);
    changeText(doc, a, "a1");
    undo.batchChangeAfter(a);
    undo.batchChangeBefore(c);
    undo.batchChangeBefore(d);
    changeText(doc, d, "d1");
    undo.batchChangeAfter(d);
    undo.endBatchChange();
    std::string log = doc.logBytes();
    EXPECT_EQ(valueAt<int32_t>(log, start + 6), 2) << "n counts the pairs written";
    EXPECT_EQ(valueAt<int32_t>(log, start + 10), a);

    char text[UndoManager::kTextSize];
    undo.undoText(text);
    EXPECT_STREQ(text, "一括変更の取り消し");
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.read(a).text, "a0");
    EXPECT_EQ(doc.read(b).text, "b0");
    EXPECT_EQ(doc.read(c).text, "c0");
    EXPECT_EQ(doc.read(d).text, "d0");
    EXPECT_EQ(doc.selectTool->ids, (std::vector<int>{a, d}));
    EXPECT_EQ(doc.selectTool->mode, 2);
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(undo.canUndo(), 0) << "the record before is reached intact";
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.read(a).text, "a1");
    EXPECT_EQ(doc.read(d).text, "d1");
    EXPECT_EQ(doc.read(c).text, "c0");
}

TEST_F(UndoImageRecordsTest, AnUnfinishedBatchLeavesNoBytesInTheLog)
{
    int a = doc.add(ElementKind::Line, {{0, 0, 0}}, "a0");
    doc.selectAndCapture({a});
    undo.recordRotate(90, 0, 0, 0);
    size_t first = doc.logBytes().size();

    // Another record begins before the batch ends: the batch is dropped whole.
    undo.beginElementZoom(1);
    undo.elementZoomBefore(a);
    doc.selectAndCapture({a});
    undo.recordMove(3, 0, 0);
    undo.elementZoomAfter(a);
    undo.endElementZoom();
    EXPECT_EQ(undo.recordCount(), 2);
    std::string log = doc.logBytes();
    EXPECT_EQ(log.size(), first + 56 - 4) << "the rotation, then a one-id move";
    EXPECT_EQ(log[first + 2], 13);
    char text[UndoManager::kTextSize];
    undo.undoText(text);
    EXPECT_STREQ(text, "移動の取り消し");
    EXPECT_EQ(undo.undo(), 1);
    undo.undoText(text);
    EXPECT_STREQ(text, "回転の取り消し");
}

} // namespace
