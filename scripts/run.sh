#!/usr/bin/env bash
# Installs what is missing, builds Gavlin into build/ and starts it; build/ is
# then the application directory. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAVLIN_WERROR=ON
cmake --build build -j "$(nproc)"
exec build/gavlin "$@"
