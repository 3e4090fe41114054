#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/ModelessDialog.h"

// What a recording dialog saw in one handleMessage call.
struct DialogEventRecord {
    int event = 0;
    UINT message = 0;
    int controlId = 0;        // of the current control, 0 for none
};

// Records every call of handleMessage. `onEvent` may answer an event itself (a value other than
// kNotAnswered); otherwise the dialog's default handler answers.
template <typename Base> class RecordingDialogOf : public Base {
public:
    static const int kNotAnswered = -1000;

    int handleMessage() override
    {
        DialogEventRecord record;
        record.event = this->event;
        record.message = this->message;
        record.controlId = this->currentControl ? this->currentControl->id : 0;
        records.push_back(record);
        if (onEvent) {
            int answer = onEvent(this->event);
            if (answer != kNotAnswered)
                return answer;
        }
        return Base::handleMessage();
    }

    // The non-zero events, in order.
    std::vector<int> events() const
    {
        std::vector<int> codes;
        for (const DialogEventRecord& r : records)
            if (r.event)
                codes.push_back(r.event);
        return codes;
    }
    // The last record with this event (an empty one when none).
    DialogEventRecord last(int code) const
    {
        for (auto it = records.rbegin(); it != records.rend(); ++it)
            if (it->event == code)
                return *it;
        return DialogEventRecord();
    }

    // The last record of a message (an empty one when none).
    DialogEventRecord lastOf(UINT message) const
    {
        for (auto it = records.rbegin(); it != records.rend(); ++it)
            if (it->message == message)
                return *it;
        return DialogEventRecord();
    }

    std::vector<DialogEventRecord> records;
    std::function<int(int event)> onEvent;
};

using RecordingDialog = RecordingDialogOf<Dialog>;
using RecordingModeless = RecordingDialogOf<ModelessDialog>;
using RecordingTemplate = RecordingDialogOf<DialogTemplate>;

// A control that records the event and life operations called on it ("click", "command",
// "change", "scroll", "notify 5 7", "attached").
class ProbeControl : public Control {
public:
    void onClick() override { calls.push_back("click"); }
    void onCommand() override { calls.push_back("command"); }
    void onChange() override { calls.push_back("change"); }
    void onScroll() override { calls.push_back("scroll"); }
    void onScrollNotify(int code, int position) override
    {
        calls.push_back("notify " + std::to_string(code) + " " + std::to_string(position));
    }
    void onAttached() override { calls.push_back("attached"); }

    std::vector<std::string> calls;
};
