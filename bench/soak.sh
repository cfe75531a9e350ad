#!/usr/bin/env bash
# Soak: the game under Xvfb (800 x 600 x 24) driven by random keys, held arrows, clicks and window
# toggles for MINUTES minutes. Its resident memory is sampled every SAMPLE seconds and printed as a
# curve at the end. It fails (status 1) on a crash, a sanitizer report, a screen that stays the same
# for STUCK samples in a row while the input goes on, memory still growing in the last third of a
# run, or a close at the end that does not end with status 0. Random input that closes the game
# through its exit screen is not a fault: the game is started again and the curve notes a new run.
# Not part of CI: meant for the AddressSanitizer build, which reads the packs of a normal build.
#
#   bench/soak.sh [MINUTES] [GAME] [DATA_DIR]
#       MINUTES   default 20
#       GAME      the game executable, default build-asan/game/burrowix
#       DATA_DIR  the folder with the packs and fonts, default build/game
#   SAMPLE=30 STUCK=4 SEED=1 (environment) change the sampling, the stuck screen test and the input;
#   SHOTS=DIR keeps the screen of every sample there.
set -uo pipefail
cd "$(dirname "$0")/.."
if [[ -z ${BURROWIX_SOAK_SCREEN:-} ]]; then
  for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "soak: $tool is needed (apt-get install xvfb xdotool imagemagick)" >&2; exit 2; }
  done
  exec env BURROWIX_SOAK_SCREEN=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi

minutes=${1:-20}
game=$(realpath "${2:-build-asan/game/burrowix}")
data=$(realpath "${3:-build/game}")
sample=${SAMPLE:-30}
stuck_limit=${STUCK:-4}
RANDOM=${SEED:-1}
[[ -x $game ]] || { echo "soak: no game at $game; build it first" >&2; exit 2; }
compgen -G "$data/*.pak" >/dev/null || { echo "soak: no packs in $data; build the data first" >&2; exit 2; }

work=$(mktemp -d)
pid=
cleanup() {
  [[ -n $pid ]] && kill -9 "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# The game writes its saves on close: it runs in a folder of links to the packs and fonts.
play_dir=$work/game
mkdir -p "$play_dir"
for f in "$data"/*.pak "$data"/*.ttf; do [[ -e $f ]] && ln -s "$f" "$play_dir/"; done

# Sound runs through the mixer into nothing. The quarantine of freed memory is kept small so that it
# fills in the first minutes and does not look like a leak in the curve; reports go to files.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null
export ASAN_OPTIONS="detect_leaks=1:quarantine_size_mb=16:log_path=$work/sanitizer"
export LSAN_OPTIONS="suppressions=$(realpath bench/soak-lsan.supp):print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:log_path=$work/sanitizer"

failures=()
fail() { failures+=("$1"); echo "soak: FAIL: $1" >&2; }

run=0
start_game() {
  run=$((run + 1))
  (cd "$play_dir" && exec "$game") >>"$work/game.log" 2>&1 &
  pid=$!
  sleep 2
}

# True once the game has ended, with its exit status in `status`; false while it runs.
game_ended() {
  kill -0 "$pid" 2>/dev/null && return 1
  status=0
  wait "$pid" || status=$?
  pid=
  return 0
}

keys=(Left Right Up Down Left Right Up Down space space Tab Escape Return Return Insert Delete BackSpace
      F1 F2 F3 F4 Page_Up Page_Down Home End a b c z)
last_key=
random_input() {
  local r=$((RANDOM % 100)) key
  if ((r < 45)); then
    key=${keys[RANDOM % ${#keys[@]}]}
    # Esc then Enter would close the game through its exit screen.
    [[ $last_key == Escape && $key == Return ]] && key=space
    xdotool key "$key" 2>/dev/null || true
    last_key=$key
  elif ((r < 65)); then
    # An arrow held long enough to walk and dig.
    key=${keys[RANDOM % 4]}
    xdotool keydown "$key" sleep 0.$((3 + RANDOM % 7)) keyup "$key" 2>/dev/null || true
  elif ((r < 95)); then
    local x=$((RANDOM % 800)) y=$((RANDOM % 600))
    # Not on the main menu's exit button (the level choice's Start just above it stays in reach).
    ((x > 650 && y > 505 && y < 555)) && y=$((y - 60))
    xdotool mousemove "$x" "$y" click $((RANDOM % 5 == 0 ? 3 : 1)) 2>/dev/null || true
  elif ((r < 98)); then
    xdotool key F11 2>/dev/null || true
  else
    xdotool key alt+Return 2>/dev/null || true
  fi
}

samples=() # "seconds run rss_kb"
sample_now() {
  local rss
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  samples+=("$1 $run $rss")
}

start_game
began=$SECONDS
next_sample=0
last_hash=
same=0
while ((SECONDS - began < minutes * 60)); do
  if game_ended; then
    if [[ $status == 0 ]] && ! compgen -G "$work/sanitizer*" >/dev/null; then
      echo "soak: the random input closed the game at $(((SECONDS - began) / 60)) min; started again"
      start_game
      last_hash= same=0
      continue
    fi
    fail "the game ended with status $status at $((SECONDS - began)) s"
    break
  fi
  if ((SECONDS - began >= next_sample)); then
    sample_now $((SECONDS - began))
    next_sample=$((next_sample + sample))
    import -window root "$work/screen.png" 2>/dev/null
    hash=$(md5sum <"$work/screen.png" | cut -c1-32)
    [[ -n ${SHOTS:-} ]] && mkdir -p "$SHOTS" && cp "$work/screen.png" "$SHOTS/sample-$(printf %03d ${#samples[@]}).png"
    if [[ $hash == "$last_hash" ]]; then
      same=$((same + 1))
      if ((same + 1 >= stuck_limit)); then
        cp "$work/screen.png" ./soak-stuck.png 2>/dev/null || true
        fail "the screen stayed the same for $stuck_limit samples ($(((stuck_limit - 1) * sample)) s) of input (soak-stuck.png)"
        break
      fi
    else
      same=0
    fi
    last_hash=$hash
  fi
  compgen -G "$work/sanitizer*" >/dev/null && { fail "a sanitizer report during the run"; break; }
  random_input
  sleep 0.1
done

# The end: a close as the desktop asks for one, which saves and runs the leak check.
if [[ -n $pid ]]; then
  sample_now $((SECONDS - began))
  kill -TERM "$pid" 2>/dev/null || true
  for _ in $(seq 600); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if game_ended; then
    [[ $status == 0 ]] || fail "the close ended with status $status"
  else
    fail "the game did not end within 60 s of the close request"
  fi
fi

echo
echo "Resident memory every ${sample} s ($minutes min, $run run(s), $(basename "$game")):"
max=1
for s in "${samples[@]}"; do read -r _ _ kb <<<"$s"; ((kb > max)) && max=$kb; done
for s in "${samples[@]}"; do
  read -r t r kb <<<"$s"
  bar=$(printf '%*s' $((kb * 50 / max)) '' | tr ' ' '#')
  printf '  %3d:%02d  run %d  %7.1f MiB  %s\n' $((t / 60)) $((t % 60)) "$r" "$(awk -v k="$kb" 'BEGIN { print k / 1024 }')" "$bar"
done

# Memory still growing: within each run of six samples or more, the last sample above the first
# sample of the run's last third by more than 2 MiB and 3 %.
for r in $(seq "$run"); do
  mapfile -t series < <(for s in "${samples[@]}"; do read -r _ sr kb <<<"$s"; [[ $sr == "$r" ]] && echo "$kb"; done)
  n=${#series[@]}
  ((n >= 6)) || continue
  from=${series[n - n / 3 - 1]}
  to=${series[n - 1]}
  allowed=$((from * 3 / 100 > 2048 ? from * 3 / 100 : 2048))
  if ((to - from > allowed)); then
    fail "run $r: memory still growing in its last third ($((from / 1024)) -> $((to / 1024)) MiB)"
  else
    echo "run $r: last third $((from / 1024)) -> $((to / 1024)) MiB (allowed growth $((allowed / 1024)) MiB)"
  fi
done

if compgen -G "$work/sanitizer*" >/dev/null; then
  fail "sanitizer reports:"
  cat "$work"/sanitizer* >&2
fi
if grep -q -E 'AddressSanitizer|LeakSanitizer|runtime error:' "$work/game.log"; then
  fail "sanitizer output on standard error:"
  grep -E -A20 'AddressSanitizer|LeakSanitizer|runtime error:' "$work/game.log" | head -80 >&2
fi

if ((${#failures[@]})); then
  echo "soak: FAILED (${#failures[@]}):"
  printf '  %s\n' "${failures[@]}"
  echo "last lines of the game's standard error:"
  tail -20 "$work/game.log"
  exit 1
fi
echo "soak: clean: $minutes min, $run run(s), no crash, no sanitizer report, no stuck screen, no growth"
