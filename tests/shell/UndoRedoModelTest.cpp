// Undo and redo give back, value by value, what each edit took and made: sequences of real edits
// on a drawing of the frame, undone and redone step by step and then all at once, saved and
// opened again (tests/shell/UndoRedoModel.h).
#include <gtest/gtest.h>

#include "document/ElementClipboard.h"
#include "document/ElementKind.h"
#include "tests/shell/ShellFixture.h"
#include "tests/shell/UndoRedoModel.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"

using undo_model::Edit;
using undo_model::Step;

class UndoRedoModel : public ViewFrameTest {
protected:
    ElementClipboard clipboard;
    ScopedOverride<ElementClipboard*> installed{theElementClipboard, &clipboard};
    ScratchFolder scratch;
    undo_model::Checker checker{frame, scratch.path()};
};

// An id freed by a delete and taken by a paste: the edits after it, undone past the freed
// element's creation and redone, must bring back the pasted element, not the deleted one, for
// every kind that can be deleted and whatever the last edit was.
TEST_F(UndoRedoModel, RedoGivesBackWhatEachEditMadeWhateverIdsWereFreedAndTakenMeanwhile)
{
    const Step line{Edit::Create, kindCode(ElementKind::Line), 0.0, 0.0, {}};
    const Step lastSteps[] = {
        {Edit::Move, 0, 5.5, -3.25, {}},          {Edit::Create, kindCode(ElementKind::Breakline), 20.0, 10.0, {}},
        {Edit::Rotate, 0, 30.0, 2.0, {}},         {Edit::Arrows, 3, 2.0, 0.0, {}},
        {Edit::PointMove, 0, 1.5, 2.25, {}},      {Edit::Properties, 0, 3.0, 1.0, {}},
    };
    for (int kind = 1; kind <= kElementKindRowCount; ++kind) {
        if (!kElementKindRows[kind - 1].listed)
            continue;
        for (const Edit copyOrCut : {Edit::Copy, Edit::Cut}) {
            const Step& last = lastSteps[(kind + (copyOrCut == Edit::Cut)) % std::size(lastSteps)];
            // The last edit acts on the pasted element: a point move wants a point list.
            std::vector<Step> steps = {line, {copyOrCut, 0, 0, 0, {}}, {Edit::Create, kind, 30.0, 20.0, {}},
                                       {Edit::Delete, 0, 0, 0, {}}, {Edit::Paste, 0, 0, 0, {}}, last};
            if (last.edit == Edit::PointMove)
                steps.front().kind = kindCode(ElementKind::Breakline);
            EXPECT_EQ(checker.run(steps), "") << undo_model::describe(steps);
        }
    }
    // The two sequences as found: "line text" came back instead of "line line", and a leader
    // text instead of the line.
    EXPECT_EQ(checker.run({line, {Edit::Copy, 0, 0, 0, {}}, {Edit::Create, kindCode(ElementKind::Text), 60, 60, {}},
                           {Edit::Delete, 0, 0, 0, {}}, {Edit::Paste, 0, 0, 0, {}}, {Edit::Move, 0, 5.5, -3.25, {}}}),
              "");
    EXPECT_EQ(checker.run({line, {Edit::Cut, 0, 0, 0, {}}, {Edit::Create, kindCode(ElementKind::TextLine), 60, 60, {}},
                           {Edit::Delete, 0, 0, 0, {}}, {Edit::Paste, 0, 0, 0, {}}, {Edit::Create, kindCode(ElementKind::Breakline), 9, 9, {}}}),
              "");
}

// A copy made by the move tool into an id that a delete freed: undone past the delete and redone,
// the copy comes back, not the deleted element.
TEST_F(UndoRedoModel, CopiesComeBackByRedoWhateverTookTheirIdsMeanwhile)
{
    for (int kind = 1; kind <= kElementKindRowCount; ++kind) {
        if (!kElementKindRows[kind - 1].listed)
            continue;
        const std::vector<Step> steps = {{Edit::Create, kind, 0, 0, {}},
                                         {Edit::Create, kindCode(ElementKind::Breakline), 20, 10, {}},
                                         {Edit::Select, 0, 0, 0, {0}},
                                         {Edit::Delete, 0, 0, 0, {}},
                                         {Edit::Select, 0, 0, 0, {0}},
                                         {Edit::CopyBy, 0, 12.5, -7.75, {}},
                                         {Edit::Move, 0, 1.5, 2.5, {}}};
        EXPECT_EQ(checker.run(steps), "") << undo_model::describe(steps);
    }
}

// A text reopened for editing by an undo or redo of its typing, moved, turned or scaled by the
// steps around it, or picked and moved, reshaped or changed by a dialog while it is still in edit:
// what it holds in edit never goes back over what those steps gave the store, and nothing they
// do is lost.
TEST_F(UndoRedoModel, TextsEditedInPlaceKeepWhatTheStepsAroundThemGaveBack)
{
    const int text = kindCode(ElementKind::Text), leader = kindCode(ElementKind::TextLine);
    // Typed twice, the second typing undone: the text is in edit, then picked.
    const std::vector<Step> backInEdit = {{Edit::Create, text, 0, 0, {}}, {Edit::Type, 0, 0, 0, {}},
                                          {Edit::Type, 0, 0, 0, {}},      {Edit::UndoRedo, 1, 0, 0, {}},
                                          {Edit::Select, 1, 0, 0, {}}};
    const auto then = [&](std::vector<Step> steps, const Step& last) {
        steps.push_back(last);
        return steps;
    };
    const std::vector<std::vector<Step>> sequences = {
        then(backInEdit, {Edit::Move, 0, 12.5, 7.25, {}}),
        then(backInEdit, {Edit::Arrows, 3, 2, 0, {}}),
        then(backInEdit, {Edit::MoveDialog, 0, 12.5, 7.25, {}}),
        then(backInEdit, {Edit::HandleDrag, 3, 5, 0, {}}),
        then(backInEdit, {Edit::Sheet, 0, 0, 0, {}}),
        then(backInEdit, {Edit::Rotate, 0, 90, 0, {}}),
        then(backInEdit, {Edit::Cut, 0, 0, 0, {}}),
        // The creation undone and redone: the text comes back in edit.
        {{Edit::Create, leader, 0, 0, {}}, {Edit::Type, 0, 0, 0, {}}, {Edit::UndoRedo, 2, 0, 2, {}},
         {Edit::Select, 1, 0, 0, {}}, {Edit::Move, 0, -4.5, 3, {}}},
        // A typing undone in one text, then another's: the first is stored before the second opens.
        {{Edit::Create, text, 0, 0, {}}, {Edit::Create, text, 30, 30, {}}, {Edit::Type, 0, 0, 0, {}},
         {Edit::Type, 1, 1, 0, {}}, {Edit::Type, 0, 0, 0, {}}, {Edit::UndoRedo, 2, 0, 1, {}}},
        {{Edit::Create, text, 18, -11.75, {}}, {Edit::Arrows, 3, 2, 0, {}}, {Edit::Type, 0, 1, 0, {}}},
        {{Edit::Create, text, 0, 0, {}}, {Edit::Type, 0, 0, 0, {}}, {Edit::Move, 0, 4.5, -2.25, {}}, {Edit::Type, 0, 1, 0, {}}},
        {{Edit::Create, leader, 0, 0, {}}, {Edit::Type, 0, 0, 0, {}}, {Edit::Rotate, 0, 90, 0, {}}, {Edit::Type, 0, 0, 0, {}}},
        {{Edit::Create, text, 0, 0, {}}, {Edit::Type, 0, 1, 0, {}}, {Edit::Scale, 3, 2, 0, {}}, {Edit::Properties, 0, 0, 0, {}}},
        {{Edit::Create, leader, 0, 0, {}}, {Edit::Type, 0, 0, 0, {}}, {Edit::Batch, 0, 5, 0, {}}, {Edit::UndoRedo, 2, 0, 1, {}},
         {Edit::Move, 0, -3, 3, {}}},
    };
    for (const std::vector<Step>& steps : sequences)
        EXPECT_EQ(checker.run(steps), "") << undo_model::describe(steps);
}

// Random sequences around texts in edit; bench/UndoRedoFuzz.exe --texts runs many more.
TEST_F(UndoRedoModel, RandomSequencesAroundTextsInEditUndoAndRedoToTheStatesTheyLeft)
{
    const uint64_t seed = 2026120902;
    for (long long n = 0; n < 6; ++n) {
        const std::vector<Step> steps = undo_model::randomTextSequence(seed, n);
        EXPECT_EQ(checker.run(steps), "") << "case " << n << ": " << undo_model::describe(steps);
    }
}

// Pictures with masks: a frame brought to no width or height by its corner and widened again, by
// the corner or by undo; every mask tool, undone past and redone; and random sequences of the
// same (bench/UndoRedoFuzz.exe --pictures runs many more). The mask is never lost, and a record of
// the mask's points never moves the frame.
TEST_F(UndoRedoModel, PicturesKeepTheirMasksThroughTheirFramesOfNoWidthAndEveryMaskTool)
{
    const int picture = kindCode(ElementKind::Picture);
    const std::vector<Step> placed = {{Edit::Create, picture, 0, 0, {}}, {Edit::Create, kindCode(ElementKind::Line), 5, 30, {}},
                                      {Edit::Select, 0, 0, 0, {0}}};
    const auto then = [&](std::vector<Step> steps, const std::vector<Step>& more) {
        steps.insert(steps.end(), more.begin(), more.end());
        return steps;
    };
    const std::vector<std::vector<Step>> sequences = {
        // The end corner onto the start's x, undone and redone, then out again by the corner.
        then(placed, {{Edit::Corner, 1, 0, 0, {}}, {Edit::UndoRedo, 1, 0, 1, {}}, {Edit::Corner, 5, 20, 5, {}}}),
        then(placed, {{Edit::Corner, 3, 0, 0, {}}, {Edit::Corner, 5, -6, 14, {}}, {Edit::UndoRedo, 2, 0, 2, {}}}),
        then(placed, {{Edit::Corner, 0, 0, 0, {}}, {Edit::HandleDrag, 3, 10, 0, {}}, {Edit::Scale, 0, 0.5, 0, {}}}),
        then(placed, {{Edit::Corner, 1, 0, 0, {}}, {Edit::Corner, 3, 0, 0, {}}, {Edit::Sheet, 0, 0, 0, {}},
                      {Edit::Corner, 5, 8, 8, {}}}),
    };
    for (const std::vector<Step>& steps : sequences)
        EXPECT_EQ(checker.run(steps), "") << undo_model::describe(steps);
    for (int tool = 1; tool <= 13; ++tool) {
        const std::vector<Step> steps =
            then(placed, {{Edit::MaskTool, tool, 4.5, tool % 2 ? 3.0 : -2.0, {}}, {Edit::UndoRedo, 2, 0, 2, {}}});
        EXPECT_EQ(checker.run(steps), "") << undo_model::describe(steps);
    }
    const uint64_t seed = 2026120903;
    for (long long n = 0; n < 6; ++n) {
        const std::vector<Step> steps = undo_model::randomPictureSequence(seed, n);
        EXPECT_EQ(checker.run(steps), "") << "case " << n << ": " << undo_model::describe(steps);
    }
}

// Random sequences over every edit; bench/UndoRedoFuzz.exe runs many more of the same.
TEST_F(UndoRedoModel, RandomEditSequencesUndoAndRedoToTheStatesTheyLeft)
{
    const uint64_t seed = 2026120901;
    for (long long n = 0; n < 8; ++n) {
        const std::vector<Step> steps = undo_model::randomSequence(seed, n);
        EXPECT_EQ(checker.run(steps), "") << "case " << n << ": " << undo_model::describe(steps);
    }
    EXPECT_GT(checker.recordedEdits, 80);
}
