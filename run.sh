#!/usr/bin/env bash
# Installs what is missing, builds, and starts a program: ./run.sh corvane|ostrel|varnick
set -euo pipefail
cd "$(dirname "$0")"
program=${1:-corvane}
case "$program" in
  corvane|ostrel|varnick) ;;
  *) echo "usage: ./run.sh corvane|ostrel|varnick" >&2; exit 2 ;;
esac
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target "$program" -j "$(nproc)"
exec "build/$program/$program"
