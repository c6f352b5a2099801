#include "shell/Subsystems.h"

namespace gavlin {
void InstallShellCommands() {}
}  // namespace gavlin
