#include <QApplication>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Cli.h"
#include "shell/Gui.h"
#include "shell/Subsystems.h"

namespace {

// The application directory is the directory of the program itself.
std::filesystem::path ExecutableDirectory(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0, ec);
    return self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    gavlin::CommandLine cl = gavlin::ParseCommandLine(args);
    switch (cl.action) {
        case gavlin::CommandLine::Action::Help:
            std::cout << gavlin::UsageText();
            return 0;
        case gavlin::CommandLine::Action::UsageError:
            std::cerr << "gavlin: " << cl.error << "\n\n" << gavlin::UsageText();
            return 2;
        default: break;
    }
    std::error_code ec;
    std::filesystem::path dir = cl.dir ? std::filesystem::absolute(*cl.dir, ec) : ExecutableDirectory(argv[0]);
    if (cl.action == gavlin::CommandLine::Action::Command)
        return gavlin::RunCommand(cl.command, dir, std::cout, std::cerr);

    QApplication app(argc, argv);
    gavlin::InstallAllCommands();
    return gavlin::RunGui(dir);
}
