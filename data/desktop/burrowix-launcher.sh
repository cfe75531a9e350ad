#!/bin/sh
# Starts the installed Burrowix in the player's own folder, $XDG_DATA_HOME/burrowix (by default
# ~/.local/share/burrowix): the game reads its packs and fonts from its working folder and keeps
# its options, hall of fame, level progress and window settings there, so the installation itself
# stays read-only and every user keeps their own records. The folder holds links to the installed
# packs and fonts, renewed at every start.
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
cd "$data"
exec "$game" "$@"
