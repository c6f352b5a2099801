#pragma once
#include <filesystem>

namespace gavlin {

struct SplashTimes {
    int timerMs = 1000;  // from showing the splash to its timer
    int waitMs = 3000;   // how long the timer's handler keeps the splash up
};

// Shows the splash on the application directory and returns at once; the
// main window follows when the splash is done (QApplication already exists).
void StartGui(const std::filesystem::path& dir, SplashTimes times = {});

// Starts the windows and runs them until the main window closes.
int RunGui(const std::filesystem::path& dir);

}  // namespace gavlin
