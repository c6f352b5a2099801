#include "platform/QtMessenger.h"

#include <QMessageBox>

#include "platform/Latin1.h"

namespace gavlin {

namespace {
MessageHandler& Handler() {
    static MessageHandler h;
    return h;
}
}  // namespace

void SetMessageHandlerForTests(MessageHandler handler) { Handler() = std::move(handler); }

MsgResult ShowMessage(QWidget* parent, const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons) {
    if (Handler()) return Handler()(ShownMessage{text, title, icon, buttons});

    QMessageBox box(parent);
    box.setText(FromLatin1(text));
    box.setWindowTitle(FromLatin1(title));
    switch (icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (box.exec()) {
        case QMessageBox::Cancel: return MsgResult::Cancel;
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        default: return buttons == MsgButtons::OkCancel ? (box.clickedButton() ? MsgResult::Ok : MsgResult::Cancel)
                                                        : MsgResult::Ok;
    }
}

}  // namespace gavlin
