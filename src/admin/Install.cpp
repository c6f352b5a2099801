#include "shell/Subsystems.h"

namespace gavlin {
void InstallAdminCommands() {}
}  // namespace gavlin
