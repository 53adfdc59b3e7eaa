#!/usr/bin/env bash
# Installs what the demo needs and is missing, builds the program, the module
# and the viewer (no tests, no benchmarks), and runs the replacement host's
# main job.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh" demo
bash "$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release -DTONESCOPE_TESTS=OFF -DTONESCOPE_BENCH=OFF \
  -DTONESCOPE_REQUIRE_VIEWER=OFF -DTONESCOPE_REQUIRE_READERS=OFF
"$root/build/bin/tonescope"
