#pragma once
// The small interfaces through which operations report, so that they run the
// same in a window and on the command line.
#include <string>

namespace gavlin {

// A status label and a percentage bar (0 to 100).
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setStatus(const std::string& text) = 0;
    virtual void setPercent(int percent) = 0;
};

// A status box that takes one line at a time.
class StatusLog {
public:
    virtual ~StatusLog() = default;
    virtual void addLine(const std::string& line) = 0;
};

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

// The application's title, shown by a box without a title of its own.
inline const char* const kAppTitle = "Gavlin";

// A modal message box: text, title, icon, buttons; returns the button chosen.
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual MsgResult show(const std::string& text, const std::string& title = kAppTitle,
                           MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok) = 0;
};

}  // namespace gavlin
