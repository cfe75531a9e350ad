#!/usr/bin/env bash
# Sets up everything that is missing, builds the game and its data, and starts it in the player's
# folder: player/ beside the build (or $BURROWIX_PLAYER_DIR), which holds the options, hall of fame,
# level progress and window settings, and links to the built packs, fonts and replays. A rebuild or
# a clean of build/ never touches the player's files, and the tests never see them.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
scripts/configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
game=$PWD/build/game
if [[ ! -x $game/burrowix ]]; then
  echo "play.sh: the game executable is not part of this build yet; built tools:"
  ls -1 "$game"/burrowix-* 2>/dev/null || true
  exit 1
fi

player=${BURROWIX_PLAYER_DIR:-$PWD/player}
mkdir -p "$player"
# Saves that an earlier play.sh left in the build folder move to the player's folder, unless it has
# its own already.
for save in opt.dat li.dat score.dat settings.ini; do
  if [[ -f $game/$save && ! -L $game/$save && ! -e $player/$save ]]; then
    mv "$game/$save" "$player/$save"
  fi
done
# Links that no longer point anywhere go; the current packs, fonts and licences are linked anew.
for link in "$player"/*.pak "$player"/*.ttf "$player"/*.txt; do
  if [[ -L $link && ! -e $link ]]; then rm -f "$link"; fi
done
for file in "$game"/*.pak "$game"/*.ttf "$game"/*.txt; do
  [[ -e $file ]] && ln -sfn "$file" "$player/"
done
# The shipped solutions' replays, one link per pack folder, beside the player's best replays.
mkdir -p "$player/replays"
for pack in "$game"/replays/pack*; do
  [[ -d $pack ]] && ln -sfn "$pack" "$player/replays/"
done
cd "$player"
exec "$game/burrowix"
