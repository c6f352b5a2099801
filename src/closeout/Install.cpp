#include "shell/Subsystems.h"

namespace gavlin {
void InstallCloseoutCommands() {}
}  // namespace gavlin
