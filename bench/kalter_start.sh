#!/usr/bin/env bash
# Cold start of the library scan: on a library of N replays (default 20000) made by
# quellarch-demo, with the page cache dropped before every run, the median of RUNS runs
# (default 5) of
#   (a) listing and stat-ing the folder alone (find -printf),
#   (b) quellarch-cli list with a valid index,
#   (c) quellarch-cli list --no-index.
# Aims: (b) at most twice (a), (c) at least three times (b).
# Usage: bench/kalter_start.sh [N]; BUILD=<dir> and RUNS=<n> in the environment.
set -euo pipefail
cd "$(dirname "$0")/.."
anzahl="${1:-20000}"
laeufe="${RUNS:-5}"
build="${BUILD:-build/bench}"

nice -n 5 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELLARCH_TESTS=OFF >/dev/null
nice -n 5 cmake --build "$build" -j2 --target quellarch-cli quellarch-demo >/dev/null

wurzel="${TMPDIR:-/tmp}/quellarch_kalt_$anzahl"
bib="$wurzel/library/"
if [ "$(find "$bib" -maxdepth 1 -name '*.rec' 2>/dev/null | wc -l)" -ne "$anzahl" ]; then
  echo "making $anzahl replays in $bib"
  rm -rf "$wurzel"
  "$build/bin/quellarch-demo" "$wurzel" "$anzahl" >/dev/null
fi

# The index goes to a cache folder of this run, never the user's.
cache="$(mktemp -d)"
trap 'rm -rf "$cache"' EXIT
export XDG_CACHE_HOME="$cache"
cli="$build/bin/quellarch-cli"

kalt=ja
if ! { sync && echo 3 > /proc/sys/vm/drop_caches; } 2>/dev/null; then
  kalt=nein
  echo "Dropping the page cache is refused here (it needs root and a writable /proc/sys):"
  echo "the figures below are WARM, not cold."
fi

# Milliseconds of one run of the command, after dropping the page cache.
einmal() {
  [ "$kalt" = ja ] && { sync; echo 3 > /proc/sys/vm/drop_caches; }
  local start ende
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  ende=$(date +%s%N)
  echo $(( (ende - start) / 1000000 ))
}

median() {
  local werte=()
  for ((i = 0; i < laeufe; ++i)); do werte+=("$(einmal "$@")"); done
  printf '%s\n' "${werte[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}

"$cli" list "$bib" >/dev/null 2>&1  # makes the index the runs of (b) read
a=$(median find "$bib" -maxdepth 1 -name '*.rec' -printf '%s %T@ %C@ %i %m\n')
b=$(median "$cli" list "$bib")
c=$(median "$cli" list --no-index "$bib")

echo "library: $anzahl replays, cold: $kalt, median of $laeufe runs"
echo "(a) list and stat the folder:   $a ms"
echo "(b) quellarch-cli list, index:  $b ms   (aim <= 2 x (a) = $((2 * a)) ms)"
echo "(c) quellarch-cli list --no-index: $c ms   (aim >= 3 x (b) = $((3 * b)) ms)"
