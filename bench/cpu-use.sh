#!/usr/bin/env bash
# CPU use of the game as a player runs it, under Xvfb (800 x 600 x 24, no GPU): the main menu, a busy
# level in `burrowix-level play`, and, when installed, two packaged games of the genre on their
# menus for comparison (Debian: `apt-get install mirrormagic lbreakout2`; this script installs
# nothing). Each program runs WARMUP seconds, then its processor time is measured over MEASURE
# seconds. Also the time from start to the first frame shown (the game's start-up log line), the
# median of five starts.
#
#   bench/cpu-use.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
# Everything runs on one virtual screen of its own.
if [[ -z ${BURROWIX_CPU_USE_SCREEN:-} ]]; then
  command -v xvfb-run >/dev/null || { echo "cpu-use: xvfb-run is needed (apt-get install xvfb)" >&2; exit 2; }
  exec env BURROWIX_CPU_USE_SCREEN=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi
build=${1:-build}
game_dir=$(realpath "$build/game")
level=${BURROWIX_BENCH_LEVEL:-data/levels/pack2/5.txt}
warmup=${WARMUP:-5}
measure=${MEASURE:-15}

for tool in xdotool; do
  command -v "$tool" >/dev/null || { echo "cpu-use: $tool is needed (apt-get install xvfb xdotool)" >&2; exit 2; }
done
[[ -x $game_dir/burrowix ]] || { echo "cpu-use: no game in $game_dir; build first" >&2; exit 2; }

work=$(mktemp -d)
trap 'kill -KILL $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# The game writes its options and records on close: it runs in a folder of links to the build's
# packs and fonts, so the build's own folder is left alone.
play_dir=$work/game
mkdir -p "$play_dir"
for f in "$game_dir"/*.pak "$game_dir"/*.ttf; do ln -s "$f" "$play_dir/"; done

export SDL_AUDIODRIVER=dummy

ticks=$(getconf CLK_TCK)
# Processor time (user + system) of a process and its threads, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# stop PID: asks the process to end, gives it GRACE seconds (a program may ignore the request),
# then kills it; reaps it either way.
grace=${GRACE:-3}
stop() {
  local pid=$1 state
  kill "$pid" 2>/dev/null || true
  for _ in $(seq $((grace * 10))); do
    # Gone, or ended and waiting to be reaped.
    state=$(sed -E 's/.*\) ([A-Za-z]).*/\1/' "/proc/$pid/stat" 2>/dev/null) || break
    [[ $state == Z ]] && break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# measure NAME COMMAND...: starts the command, optionally runs $SETUP, prints the CPU share.
measure() {
  local name=$1; shift
  "$@" >"$work/out.log" 2>&1 &
  local pid=$!
  sleep "$warmup"
  [[ -n ${SETUP:-} ]] && eval "$SETUP"
  sleep 1
  if ! kill -0 "$pid" 2>/dev/null; then
    printf "%-44s %s\n" "$name" "exited early: $(head -c 300 "$work/out.log")"; return
  fi
  local before after
  before=$(cpu_ticks "$pid")
  sleep "$measure"
  after=$(cpu_ticks "$pid")
  stop "$pid"
  awk -v n="$name" -v d=$((after - before)) -v t="$ticks" -v s="$measure" \
    'BEGIN { printf "%-44s %5.1f %%\n", n, 100 * d / t / s }'
}

echo "CPU of one core over ${measure} s after ${warmup} s (Xvfb 800x600x24, $(nproc) cores):"
# The logo gives way to the main menu on a key press.
(cd "$play_dir" && SETUP='xdotool key space' measure "Burrowix, main menu" "$game_dir/burrowix")
measure "Burrowix, burrowix-level play $(basename "$(dirname "$level")")/$(basename "$level")" \
  "$game_dir/burrowix-level" play "$level" --difficulty 2 --data "$game_dir"
if command -v mirrormagic >/dev/null; then
  measure "mirrormagic, main menu" mirrormagic
else
  echo "mirrormagic: not installed (apt-get install mirrormagic)"
fi
if command -v lbreakout2 >/dev/null; then
  measure "lbreakout2, main menu" lbreakout2
else
  echo "lbreakout2: not installed (apt-get install lbreakout2)"
fi

# first_frames LABEL: five starts of the game in the play folder; prints each start-up log line and
# the median.
first_frames() {
  echo
  echo "Start to first frame shown, $1 (the game's start-up log), five starts:"
  local times=() run line pid median
  for run in 1 2 3 4 5; do
    (cd "$play_dir" && exec "$game_dir/burrowix") >"$work/start.log" 2>&1 &
    pid=$!
    for _ in $(seq 50); do
      grep -q 'first frame shown' "$work/start.log" && break
      sleep 0.1
    done
    stop "$pid"
    line=$(grep -m1 'first frame shown' "$work/start.log" || true)
    [[ -n $line ]] || { echo "run $run: no start-up log line"; continue; }
    echo "  $line"
    times+=("$(sed -E 's/.*shown ([0-9]+) ms.*/\1/' <<<"$line")")
  done
  if ((${#times[@]})); then
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    echo "median: $median ms"
  fi
}

# Full screen is what a new player gets; the window is what a player who switched to one gets.
first_frames "full screen"
printf 'display = window\n' >"$play_dir/settings.ini"
first_frames "in a window"
