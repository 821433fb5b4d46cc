#!/usr/bin/env bash
# Installs what Lodera needs, builds it and starts it in a working folder outside
# the source tree (LODERA_HOME, ~/Lodera by default). A demo register is created
# there when the folder has no Data.ssd yet.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build="$src/build"
"$src/scripts/setup-deps.sh"
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLODERA_TESTS=OFF >/dev/null
cmake --build "$build"
work="${LODERA_HOME:-$HOME/Lodera}"
mkdir -p "$work"
if [ ! -e "$work/Data.ssd" ]; then
  "$build/bin/lodera-tool" demo-db "$work"
fi
cd "$work"
exec "$build/bin/Lodera"
