#include "cli/Cli.h"

#include <ostream>

#include "cli/Commands.h"
#include "store/AppDir.h"

namespace gavlin {

namespace {

struct CommandEntry {
    const char* name;
    const char* what;
    int (*run)(const CliContext&);
};

const CommandEntry kCommands[] = {
    {"make-all", "make all necessary HTML files", CmdMakeAll},
    {"make-items", "create the individual auction pages", CmdMakeItems},
    {"make-categories", "create the category pages", CmdMakeCategories},
    {"make-main", "make the main menu page", CmdMakeMain},
    {"make-register", "make the user registration form page", CmdMakeRegister},
    {"make-inform", "make the new items input form page", CmdMakeInform},
    {"examine", "examine the message files in the directory, then delete them", CmdExamine},
    {"maintenance", "run system maintenance: close the ended auctions", CmdMaintenance},
};

const CommandEntry* Find(const std::string& name) {
    for (const auto& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

}  // namespace

std::string UsageText() {
    std::string s =
        "Usage: gavlin [--dir DIR] [COMMAND]\n"
        "\n"
        "Without a command, opens the windows. DIR is the application directory\n"
        "(default: the directory of the program).\n"
        "\n"
        "Commands:\n";
    for (const auto& c : kCommands) {
        std::string name = c.name;
        name.resize(17, ' ');
        s += "  " + name + c.what + "\n";
    }
    s += "\nOptions:\n  --dir DIR        use DIR as the application directory\n  --help           show this text\n";
    return s;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    auto fail = [&](std::string why) {
        cl.action = CommandLine::Action::UsageError;
        cl.error = std::move(why);
        return cl;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.action = CommandLine::Action::Help;
            return cl;
        } else if (a == "--dir") {
            if (i + 1 >= args.size() || args[i + 1].empty()) return fail("--dir needs a directory");
            cl.dir = args[++i];
        } else if (a.rfind("--dir=", 0) == 0 && a.size() > 6) {
            cl.dir = a.substr(6);
        } else if (!a.empty() && a[0] == '-') {
            return fail("unknown option " + a);
        } else if (cl.command.empty()) {
            if (!Find(a)) return fail("unknown command " + a);
            cl.command = a;
        } else {
            return fail("unexpected argument " + a);
        }
    }
    if (!cl.command.empty()) cl.action = CommandLine::Action::Command;
    return cl;
}

int RunCommand(const std::string& command, const std::filesystem::path& dir, std::ostream& out, std::ostream& err) {
    const CommandEntry* entry = Find(command);
    if (!entry) {
        err << "gavlin: unknown command " << command << '\n' << UsageText();
        return 2;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) {
        err << "The directory " << dir.string() << " does not exist.\n";
        return 1;
    }
    PreparedDirectory prepared = PrepareApplicationDirectory(dir);
    if (prepared.problem) {
        err << *prepared.problem << '\n';
        return 1;
    }
    return entry->run(CliContext{dir, out, err});
}

}  // namespace gavlin
