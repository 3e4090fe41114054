#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

// Answers the program's message boxes while it lives: each box is recorded and answered with
// the next scripted button (IDOK when the script has run out).
//
//     MessageBoxScript boxes;
//     boxes.answer(IDNO);
//     ... code that asks ...
//     EXPECT_EQ(boxes.shown().at(0).text, "保存しますか");
class MessageBoxScript {
public:
    struct Box {
        std::string text;     // Shift-JIS, as the program passed it
        std::string caption;
        UINT style;
    };

    MessageBoxScript();
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    void answer(int button) { answers_.push_back(button); }
    const std::vector<Box>& shown() const { return shown_; }
    // The texts of the boxes shown so far joined by " | ", so that one comparison checks them all.
    std::string texts() const
    {
        std::string joined;
        for (size_t i = 0; i < shown_.size(); ++i)
            joined += (i ? " | " : "") + shown_[i].text;
        return joined;
    }
    void clear() { shown_.clear(); answers_.clear(); }

    // Runs while each box is up, before it is answered: what the system's modal loop would
    // deliver meanwhile (the frame losing and regaining activation, paints).
    std::function<void()> whileShown;

private:
    static int record(HWND owner, const char* text, const char* caption, UINT style);

    std::deque<int> answers_;
    std::vector<Box> shown_;
    void* previous_;
};
