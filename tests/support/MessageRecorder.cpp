#include "support/MessageRecorder.h"

namespace gavlin::test {

MessageRecorder::MessageRecorder() {
    SetMessageHandlerForTests([this](const ShownMessage& m) {
        shown_.push_back(m);
        if (!answers_.empty()) {
            MsgResult r = answers_.front();
            answers_.pop_front();
            return r;
        }
        return m.buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    });
}

MessageRecorder::~MessageRecorder() { SetMessageHandlerForTests({}); }

}  // namespace gavlin::test
