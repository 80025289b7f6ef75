#!/usr/bin/env bash
# Sets up, builds and starts KELO in a working folder that holds the sample
# knowledge base, so "Otevřít" finds it at once. The folder is kept between
# runs: what you save there stays.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
workdir="${KELO_WORKDIR:-$PWD/work}"
mkdir -p "$workdir"
for file in examples/*; do
  [ -e "$workdir/$(basename "$file")" ] || cp "$file" "$workdir/"
done
cd "$workdir"
exec "$OLDPWD/build/ui/kelo"
