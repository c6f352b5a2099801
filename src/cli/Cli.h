#pragma once
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace gavlin {

struct CommandLine {
    enum class Action { Gui, Help, Command, UsageError } action = Action::Gui;
    std::optional<std::filesystem::path> dir;  // --dir DIR
    std::string command;                       // for Action::Command
    std::string error;                         // for Action::UsageError
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);
std::string UsageText();

// Runs one headless command on dir after the start-up steps; returns the exit status.
int RunCommand(const std::string& command, const std::filesystem::path& dir, std::ostream& out, std::ostream& err);

}  // namespace gavlin
