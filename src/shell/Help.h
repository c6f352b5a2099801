#pragma once
// Help for a window: the commands the windows give the help viewer.
#include <QWidget>
#include <string>

namespace gavlin {

inline constexpr int kHelpClose = 2;
inline constexpr int kHelpContents = 3;
inline constexpr int kHelpOnHelp = 4;
inline constexpr int kHelpPartialKey = 261;  // search the keyword index for the key text

// The help file the commands act on.
void SetHelpFile(const std::string& file);
const std::string& HelpFile();

// Acts on the help file for the given window. A blank help file name and an
// unknown command each give their message and do nothing else.
void ShowHelp(QWidget* window, int command, const std::string& key = {});

class HelpViewer;
// The open help viewer, or nullptr.
HelpViewer* CurrentHelpViewer();

}  // namespace gavlin
