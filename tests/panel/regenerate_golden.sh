#!/usr/bin/env bash
# Redraws the panel's golden picture (tests/panel/golden/) from a built tree.
# Usage: tests/panel/regenerate_golden.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build}
cmake --build "$root/$build" --target panel_tests
TONESCOPE_REGENERATE_GOLDEN=1 "$root/$build/tests/panel/panel_tests" --gtest_filter='PanelGolden.*'
echo "Look at the new picture before committing it: $root/tests/panel/golden/"
