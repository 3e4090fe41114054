#pragma once
#include "dialogs/defaults/DefaultsDialog.h"

class IntValue;

// The base of the batch dialogs of the default records ("…の一括編集"): the frame 1560 and the
// common page 1630, whose check box "レイヤー" (15211) ticks the record's layer (a click on the
// layer list ticks it too; renaming a layer does not) before the layer list 15639 with its scroll
// bar 15640 and text field 15638.
//
// Every value of a batch page has a check box beside it, bound to the record's apply flag of that
// value: loaded from the flag, stored into it. The user ticks a box, or the page ticks it when its
// value is touched (the tick operations below). Only ticked values reach the selected elements.
class BatchEditDialog : public DefaultsDialog {
public:
    // A check box of a batch page and the apply flag it shows (not owned).
    struct Tick {
        int checkId;
        IntValue* flag;
    };

    BatchEditDialog();

    void declareCommonControls() override;
    void loadCommonPage() override;
    void storeCommonPage() override;
    [[nodiscard]] int onCommonPageEvent() override;

    // Check boxes declared, loaded from their flags, stored into them.
    void declareTicks(const Tick* ticks, int count);
    void loadTicks(const Tick* ticks, int count);
    void storeTicks(const Tick* ticks, int count);

    // Sets check box checkId.
    void tick(int checkId);
    // Ticks checkId when the integer (real-number) field fieldId holds a number other than the
    // one it was last given.
    void tickIfIntChanged(int fieldId, int checkId);
    void tickIfRealChanged(int fieldId, int checkId);
    // The swatch pick of a batch colour page (pickSwatch), after which the colour's flag is 1 and
    // its box ticked, whether a colour was chosen or not; the index of the swatch, -1 for none.
    [[nodiscard]] int pickAndTick(const Swatch* swatches, const Tick* ticks, int count, int controlId);

    int applyLayerCheckId; // 15211
};
