#pragma once
// The headless commands. Each runs on a prepared application directory,
// writes status lines to out and message-box texts to err, and returns the
// exit status (0 normal end, 1 error).
#include <filesystem>
#include <iosfwd>

namespace gavlin {

struct CliContext {
    std::filesystem::path dir;
    std::ostream& out;
    std::ostream& err;
};

int CmdMakeAll(const CliContext& c);
int CmdMakeItems(const CliContext& c);
int CmdMakeCategories(const CliContext& c);
int CmdMakeMain(const CliContext& c);
int CmdMakeRegister(const CliContext& c);
int CmdMakeInform(const CliContext& c);
int CmdExamine(const CliContext& c);
int CmdMaintenance(const CliContext& c);

}  // namespace gavlin
