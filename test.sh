#!/usr/bin/env bash
# Installs what is missing, builds the program and every test, and runs them: first the normal build,
# then the library tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
# Tests that build network namespaces need root; as another user they run through sudo.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh test

jobs=$(nproc)
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo --preserve-env=PATH)
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && "${as_root[@]}" ctest --output-on-failure -j"$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVORK_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && "${as_root[@]}" ctest --output-on-failure -j"$jobs")
