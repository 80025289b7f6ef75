#!/usr/bin/env bash
# Sets up, builds and starts KELO in a working folder that holds the sample
# knowledge base, so "Otevřít" finds it at once. The folder is kept between
# runs, so what you save there stays; set KELO_WORKDIR to use another one.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
workdir="${KELO_WORKDIR:-$root/work}"
mkdir -p "$workdir"
for file in "$root"/examples/*; do
  [ -e "$workdir/$(basename "$file")" ] || cp "$file" "$workdir/"
done
cd "$workdir"
exec "$root/build/ui/kelo"
