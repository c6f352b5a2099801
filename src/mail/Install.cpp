#include "shell/Subsystems.h"

namespace gavlin {
void InstallMailCommands() {}
}  // namespace gavlin
