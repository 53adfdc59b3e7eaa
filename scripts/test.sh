#!/usr/bin/env bash
# Installs what the tests need and is missing, builds the release
# configuration with everything the tests reach and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh" "${TONESCOPE_DEPS:-test}"
bash "$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release -DTONESCOPE_TESTS=ON \
  -DTONESCOPE_REQUIRE_VIEWER=ON -DTONESCOPE_REQUIRE_READERS=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
