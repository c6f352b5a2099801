#pragma once
// The window side of Messenger: a modal QMessageBox. Tests replace the box
// with a handler that records it and returns an answer.
#include <QWidget>
#include <functional>
#include <string>

#include "platform/Reporting.h"

namespace gavlin {

struct ShownMessage {
    std::string text, title;
    MsgIcon icon;
    MsgButtons buttons;
};

using MessageHandler = std::function<MsgResult(const ShownMessage&)>;
// Replaces every message box of the process; an empty handler restores real boxes.
void SetMessageHandlerForTests(MessageHandler handler);

// Shows a box (or hands it to the test handler). Text is ISO-8859-1 bytes.
MsgResult ShowMessage(QWidget* parent, const std::string& text, const std::string& title = kAppTitle,
                      MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok);

class QtMessenger : public Messenger {
public:
    explicit QtMessenger(QWidget* parent) : parent_(parent) {}
    MsgResult show(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons) override {
        return ShowMessage(parent_, text, title, icon, buttons);
    }

private:
    QWidget* parent_;
};

}  // namespace gavlin
