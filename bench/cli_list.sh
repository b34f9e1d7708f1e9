#!/usr/bin/env bash
# Usage: bench/cli_list.sh [BUILD_DIR [RUNS]]
# `quellarch-cli list DIR` as a whole process over 5,000 replays of 64 KiB each, page cache
# warm, output to /dev/null, against `head -q -c 4096` over the same files (the head the
# scan reads of each). The two run interleaved, in turn first; the medians of wall and CPU
# (user + sys) time of both are printed with the ratio. The CLI should take at most 1.3
# times head's time. BUILD_DIR (by default build/release) should be a Release build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-21}
if [ ! -x "$build/bin/quellarch-cli" ] || [ ! -x "$build/bin/quellarch-demo" ]; then
  [ -f "$build/CMakeCache.txt" ] || nice -n 5 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  nice -n 5 cmake --build "$build" -j2 --target quellarch-cli quellarch-demo >/dev/null
fi
cli=$PWD/$build/bin/quellarch-cli

# Made once and reused while it holds 5,000 files of 64 KiB.
wurzel=${TMPDIR:-/tmp}/quellarch_cli_list_5000
bib=$wurzel/library
if [ "$(find "$bib" -name '*.rec' -size 65536c 2>/dev/null | wc -l)" != 5000 ]; then
  rm -rf "$wurzel"
  "$build/bin/quellarch-demo" "$wurzel" 5000 65536 >/dev/null
fi
cd "$bib"
dateien=(*.rec)
cat "${dateien[@]}" >/dev/null

mal=$(mktemp)
# Children's user + sys time so far, in ms, into $cpu, from bash's `times`. It runs in
# this shell: in a $( ) subshell its children would be none of ours.
cpu_lesen() {
  times >"$mal"
  cpu=$(tail -n 1 "$mal" | awk '{
    s = 0
    for (i = 1; i <= 2; i++) { split($i, t, /[ms]/); s += t[1] * 60000 + t[2] * 1000 }
    printf "%.0f", s }')
}
laufen() {  # NAME COMMAND...: appends "wall_ms cpu_ms" to $mal.NAME
  local name=$1; shift
  local c0 t0 t1
  cpu_lesen; c0=$cpu; t0=$EPOCHREALTIME
  "$@" >/dev/null
  t1=$EPOCHREALTIME; cpu_lesen
  awk -v a="$t0" -v b="$t1" -v c="$c0" -v d="$cpu" 'BEGIN { printf "%.2f %d\n", (b - a) * 1000, d - c }' >>"$mal.$name"
}
cli_lauf() { laufen cli "$cli" list "$bib/"; }
head_lauf() { laufen head head -q -c 4096 "${dateien[@]}"; }
trap 'rm -f "$mal" "$mal.cli" "$mal.head"' EXIT
cli_lauf; head_lauf; : >"$mal.cli"; : >"$mal.head"  # warm-up
for ((i = 0; i < runs; i++)); do
  if ((i % 2)); then cli_lauf; head_lauf; else head_lauf; cli_lauf; fi
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
cw=$(cut -d' ' -f1 "$mal.cli" | median); cc=$(cut -d' ' -f2 "$mal.cli" | median)
hw=$(cut -d' ' -f1 "$mal.head" | median); hc=$(cut -d' ' -f2 "$mal.head" | median)
echo "5000 replays of 64 KiB, $runs runs each, interleaved, medians"
printf '%-22s wall %8.1f ms   cpu %6d ms\n' "quellarch-cli list" "$cw" "$cc" "head -q -c 4096" "$hw" "$hc"
awk -v a="$cw" -v b="$hw" -v c="$cc" -v d="$hc" \
  'BEGIN { printf "ratio cli/head         wall %8.2f      cpu %6.2f   (goal: wall <= 1.30)\n", a / b, (d ? c / d : 0) }'
