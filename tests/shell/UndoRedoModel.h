#pragma once
// Undo and redo checked against a model, shared by the shell tests and bench/UndoRedoFuzz.exe.
//
// A sequence of edits runs on the drawing of a real document window, each edit through the code
// the tools and commands run: new elements of every kind, typing into a text, moves by the move
// tool, by the arrow keys and by the digit key's move dialog, copies by the move tool, rotation,
// scaling, handle drags, point moves, additions and deletions, a property change, the property
// sheet, a batch change, delete, cut, copy, paste, grouping, drawing order, page changes, the
// corners and the mask tools of pictures (every picture is made with a mask), and
// undoing and redoing a few steps between the edits. An undo or redo of typing leaves its text in
// edit, as in the program; only the edits that the program reaches past a tool button or a menu
// command that ends the running tool find it settled, the others must settle it themselves. After each edit
// that wrote an undo record the drawing is noted as its file writes it. Then every undo must give
// back the note before its edit and every redo the note after it, value by value (numbers within
// the last digit the file writes; groups, which no record keeps, aside), and so must the drawing
// saved after undo-all and redo-all and opened again. An edit that wrote no record must change
// nothing (the page changes, which clear the history, aside).
//
// Case n of a seed is the same sequence whatever ran before it, so one case can be run alone.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class DocumentContext;
class MainFrame;

namespace undo_model {

enum class Edit {
    Create,     // a new element of `kind` at offset (a, b)
    Type,       // typing and a text paste into a text or leader text, `kind`-th one of the page
    Select,     // the elements at the `picks` places of the page (taken modulo their count); with
                // `kind` above 0 the (kind - 1)-th text of the page first
    Move,       // by (a, b)
    Arrows,     // `kind` presses of an arrow key (a picks which) in the select tool, one record
    CopyBy,     // copies moved by (a, b)
    Rotate,     // by a degrees about (b, b)
    Scale,      // by the factor a; kind 0 to 3 says whether widths and text sizes follow
    PointMove,  // a vertex of the selected element's points moved by (a, b)
    PointAdd,   // a vertex added after the first one
    PointDelete,
    Properties, // the selected element's colour and line width, as its property sheet stores them
    Batch,      // a colour given to every selected element at once
    Delete,
    Cut,
    Copy,
    Paste,
    Group,      // kind 1 makes a group of the selection, 2 breaks it
    Order,      // to the back (kind 0) or the front (kind 1)
    Page,       // kind 0 next page, 1 previous page, 2 a page inserted, 3 the page removed
    UndoRedo,   // kind undos, then b redos (at most as many as there are)
    HandleDrag, // handle `kind` of the single selection dragged by (a, b) pixels
    MoveDialog, // the digit key's 移動設定 in the select tool, confirmed with (a, b)
    Sheet,      // the single selection's property sheet, confirmed as it opens
    Corner,     // a corner of the single selected picture dragged by the 点移動 tool, on a grid laid
                // from the other corner: kind & 1 the end corner (else the start), kind / 2 % 3
                // onto the other's x (0: a frame of no width) or y (1: of no height), or by (a, b)
    MaskTool,   // a mask tool of the single selected picture's property sheet, by the mouse: kind 1
                // マスク作成 (the mask deleted first), 2 マスク移動, 3 to 10 拡大、縮小 by the mask's handle
                // kind - 3, 11 マスク点移動 of an anchor, 12 and '+' on it, 13 and '-' after; by (a, b)
};

struct Step {
    Edit edit = Edit::Select;
    int kind = 0;
    double a = 0.0;
    double b = 0.0;
    std::vector<int> picks;
};

// "move (5.5, -3.25)", for reports.
std::string describe(const Step& step);
std::string describe(const std::vector<Step>& steps);

// The sequence of case n of a seed: 12 to 60 steps.
std::vector<Step> randomSequence(uint64_t seed, long long n);
// The same around texts: texts typed into, their typing undone or redone (which leaves them in
// edit), then selected and moved, turned, reshaped or changed by a dialog, undone and redone.
std::vector<Step> randomTextSequence(uint64_t seed, long long n);
// The same around pictures with masks: their frames brought to no width or height and out
// again, resized by handles, 座標 and the scale tool, their masks edited by every mask tool,
// undone and redone.
std::vector<Step> randomPictureSequence(uint64_t seed, long long n);

// Runs sequences on one drawing of a frame; files go to `folder`.
class Checker {
public:
    Checker(MainFrame& frame, const std::string& folder);

    // Empties the drawing, runs the steps, undoes and redoes everything, saves and opens the file
    // again. "" when every comparison held, else what differed first and at which step.
    std::string run(const std::vector<Step>& steps);

    // When set, told each step as it ran: the records applied and the page's elements in order.
    std::function<void(const std::string&)> trace;

    // Edits that wrote a record, undo and redo steps compared, over all runs.
    long long recordedEdits = 0;
    long long comparedSteps = 0;

private:
    DocumentContext& drawing();
    [[nodiscard]] int apply(const Step& step);
    [[nodiscard]] std::string note();
    void traceStep(const std::string& what);
    [[nodiscard]] std::string checkHistory(const std::string& at);
    [[nodiscard]] std::string stepAndCompare(int n, bool redoing, const std::string& at);
    [[nodiscard]] std::string reopened();
    bool clearDrawing();

    MainFrame& frame;
    std::string folder;
    std::string path;
    // The notes of the history: notes[i] holds the drawing with i records applied.
    std::vector<std::string> notes;
};

// The first difference between two notes of a drawing ("" when they agree), numbers compared
// within 2e-5 (the file cuts them after five decimals).
std::string difference(const std::string& expected, const std::string& found);

} // namespace undo_model
