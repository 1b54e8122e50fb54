#!/usr/bin/env bash
# Sets up, builds with warnings as errors and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DORVE_WERROR=ON -DORVE_BUILD_TESTS=ON
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
