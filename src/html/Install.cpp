#include "shell/Subsystems.h"

namespace gavlin {
void InstallHtmlCommands() {}
}  // namespace gavlin
