#!/bin/sh
# Starts the installed Burrowix in the player's own folder, $XDG_DATA_HOME/burrowix (by default
# ~/.local/share/burrowix): the game reads its packs and fonts from its working folder and keeps
# its options, hall of fame, level progress and window settings there, so the installation itself
# stays read-only and every user keeps their own records. The folder holds links to the installed
# packs, fonts and replays, renewed at every start.
set -eu
here=$(dirname "$(readlink -f "$0")")
share=$(readlink -f "$here/../share/burrowix")
game=$(readlink -f "$here/../lib/burrowix/burrowix")
data="${XDG_DATA_HOME:-$HOME/.local/share}/burrowix"

if [ ! -x "$game" ] || [ ! -f "$share/standart.pak" ]; then
  echo "burrowix: the installation is incomplete (looked for $game and $share/standart.pak)" >&2
  exit 1
fi
mkdir -p "$data"
# Links left by an older installation that no longer point anywhere go; the current ones are renewed.
for link in "$data"/*.pak "$data"/*.ttf "$data"/*.txt; do
  if [ -L "$link" ] && [ ! -e "$link" ]; then rm -f "$link"; fi
done
for file in "$share"/*.pak "$share"/*.ttf "$share"/*.txt; do
  [ -e "$file" ] && ln -sfn "$file" "$data/"
done
# The shipped replays, one link per pack folder: the player's best replays go into replays/ itself.
if [ -d "$share/replays" ]; then
  mkdir -p "$data/replays"
  for pack in "$share"/replays/pack*; do
    [ -d "$pack" ] && ln -sfn "$pack" "$data/replays/"
  done
fi
cd "$data"
exec "$game" "$@"
