#pragma once
// Standard-output and standard-error versions of the reporting interfaces.
#include <ostream>

#include "platform/Reporting.h"

namespace gavlin {

// Prints each status text on a line of its own; percentages are not printed.
class ConsoleProgress : public ProgressSink {
public:
    explicit ConsoleProgress(std::ostream& out) : out_(out) {}
    void setStatus(const std::string& text) override { out_ << text << '\n' << std::flush; }
    void setPercent(int) override {}

private:
    std::ostream& out_;
};

class ConsoleLog : public StatusLog {
public:
    explicit ConsoleLog(std::ostream& out) : out_(out) {}
    void addLine(const std::string& line) override { out_ << line << '\n' << std::flush; }

private:
    std::ostream& out_;
};

// Prints a box's text on standard error and answers it with its first button.
class ConsoleMessenger : public Messenger {
public:
    explicit ConsoleMessenger(std::ostream& err) : err_(err) {}
    MsgResult show(const std::string& text, const std::string&, MsgIcon, MsgButtons buttons) override {
        err_ << text << '\n' << std::flush;
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }

private:
    std::ostream& err_;
};

}  // namespace gavlin
