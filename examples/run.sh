#!/usr/bin/env bash
# The main job: builds the library and the example host, then writes a
# complete sample file into ./out from the tables in examples/tables.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/setup build
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQB_TESTS=OFF
cmake --build build/release -j"$(nproc 2>/dev/null || echo 4)"
mkdir -p out
# The host writes its dates day/month/year: Brazilian regional settings.
LC_ALL=pt_BR.UTF-8 ./build/release/quillbook_example out examples/tables
