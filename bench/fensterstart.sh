#!/usr/bin/env bash
# The real program's start on a big library: from starting the quellarch binary to its
# window appearing on an X server (Xvfb), which the program shows only after the list is
# filled. On a library of N replays (default 100000) of 8 KiB made by quellarch-demo, warm
# page cache, the median of RUNS runs (default 5)
#   (a) with a valid index in the cache folder, as every start after the first,
#   (b) with no index, as the first start, which reads every file and writes the index.
# Aim for (a): at most 1.5 s.
# Usage: bench/fensterstart.sh [N]; BUILD=<dir> and RUNS=<n> in the environment.
set -euo pipefail
cd "$(dirname "$0")/.."
anzahl="${1:-100000}"
laeufe="${RUNS:-5}"
build="${BUILD:-build/bench}"

scripts/deps xdotool >&2
nice -n 5 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELLARCH_TESTS=OFF >/dev/null
nice -n 5 cmake --build "$build" -j2 --target quellarch quellarch-demo >/dev/null

wurzel="${TMPDIR:-/tmp}/quellarch_fenster_$anzahl"
bib="$wurzel/library/"
if [ "$(find "$bib" -maxdepth 1 -name '*.rec' 2>/dev/null | wc -l)" -ne "$anzahl" ]; then
  echo "making $anzahl replays in $bib" >&2
  rm -rf "$wurzel"
  "$build/bin/quellarch-demo" "$wurzel" "$anzahl" 8192 >/dev/null
fi
# No replays waiting in the game's Playback folder: the import question would hold the
# start up.
rm -rf "$wurzel/game/Playback"

# The program in a folder of its own, its config.ini beside it, and a cache folder of this
# run, so that neither the build's nor the user's settings and index are touched.
arbeit="$(mktemp -d)"
xvfb=""
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$arbeit"' EXIT
# A display of our own: the first one, from a random start, whose server answers.
for ((versuch = 0; versuch < 10; versuch++)); do
  anzeige=":$((100 + RANDOM % 400))"
  Xvfb "$anzeige" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for ((i = 0; i < 50; i++)); do
    DISPLAY="$anzeige" xdotool getdisplaygeometry >/dev/null 2>&1 && break 2
    sleep 0.1
  done
  kill "$xvfb" 2>/dev/null || true
done
DISPLAY="$anzeige" xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "no X server started" >&2; exit 1; }
cp "$build/bin/quellarch" "$arbeit/"
printf '[Verzeichnisse]\nDOW=%s/game/\nReplays=%s\n' "$wurzel" "$bib" > "$arbeit/config.ini"
export DISPLAY="$anzeige" XDG_CACHE_HOME="$arbeit/cache" QT_QPA_PLATFORM=xcb

# Milliseconds from starting the program to its window being visible.
ein_start() {
  local start ende pid
  start=$(date +%s%N)
  "$arbeit/quellarch" >/dev/null 2>>"$arbeit/stderr" &
  pid=$!
  # xdotool's own --sync looks only every half second; asking every 10 ms keeps the
  # figure to that.
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    if (($(date +%s%N) - start > 60000000000)) || ! kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      echo "the window did not appear within 60 s; the program said:" >&2
      cat "$arbeit/stderr" >&2
      exit 1
    fi
    sleep 0.01
  done
  ende=$(date +%s%N)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo $(((ende - start) / 1000000))
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

ein_start >/dev/null  # warms the page cache and writes the index
mit=() ohne=()
for ((i = 0; i < laeufe; i++)); do
  mit+=("$(ein_start)")
  rm -rf "$XDG_CACHE_HOME"
  ohne+=("$(ein_start)")  # writes the index again for the next (a)
done
echo "replays: $anzahl of 8 KiB, warm cache, $laeufe runs each (ms): a: ${mit[*]}  b: ${ohne[*]}"
printf '(a) start to the filled window, with the index: %s ms (aim: at most 1500)\n' \
  "$(printf '%s\n' "${mit[@]}" | median)"
printf '(b) the same without an index (first start):     %s ms\n' "$(printf '%s\n' "${ohne[@]}" | median)"
