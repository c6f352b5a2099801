#pragma once
// Answers every message box of the process and remembers what was shown.
#include <deque>
#include <vector>

#include "platform/QtMessenger.h"

namespace gavlin::test {

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();

    // Answers for the next boxes in order; once used up, boxes get their first button.
    void answer(MsgResult result) { answers_.push_back(result); }
    const std::vector<ShownMessage>& shown() const { return shown_; }
    std::string lastText() const { return shown_.empty() ? std::string() : shown_.back().text; }
    void clear() { shown_.clear(); }

private:
    std::vector<ShownMessage> shown_;
    std::deque<MsgResult> answers_;
};

}  // namespace gavlin::test
