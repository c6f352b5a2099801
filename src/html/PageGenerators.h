#pragma once
// The five page generators and the page commands that run them. Each reports
// through a progress sink (its caption, the bar, "Finished") and a messenger.
#include <filesystem>

#include "platform/Reporting.h"

namespace gavlin {

enum class PageResult {
    Finished,  // the pages are written
    Message,   // returned early after an informational message (nothing to do)
    Failed,    // a file could not be read or written; the message named it
};

PageResult MakeItemPages(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger);
PageResult MakeCategoryPages(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger);
PageResult MakeMainMenuPage(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger);
PageResult MakeRegistrationPage(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger);
PageResult MakeNewItemFormPage(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger);

// The commands of the HTML menu.
enum class PageCommand { All, Registration, NewItemForm, ItemPages, CategoryPages, MainMenu };

// Runs the command's generators. Make-all runs all five in order and goes on
// after a generator that only had nothing to do; a file error ends it.
PageResult RunPageCommand(PageCommand command, const std::filesystem::path& dir, ProgressSink& progress,
                          Messenger& messenger);

}  // namespace gavlin
