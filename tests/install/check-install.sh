#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a packager and a player would: every
# file in place, the desktop entry and metainfo valid, nothing writable but by its owner, the
# launcher starting the game in the player's own folder (saves land there, the installation is left
# unchanged), and the Debian package built with the same files.
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/burrowix bin/burrowix-pak bin/burrowix-level bin/burrowix-sim bin/burrowix-image \
         bin/burrowix-mkdata lib/burrowix/burrowix \
         share/burrowix/standart.pak share/burrowix/levels0.pak share/burrowix/theme0.pak \
         share/burrowix/Grf01z_c.ttf share/burrowix/Grf02z_c.ttf share/burrowix/Grf01z_c-OFL.txt \
         share/burrowix/replays/pack0/1.rpl \
         share/applications/org.burrowix.Burrowix.desktop share/metainfo/org.burrowix.Burrowix.metainfo.xml \
         share/man/man6/burrowix.6 share/icons/hicolor/48x48/apps/burrowix.png \
         share/icons/hicolor/64x64/apps/burrowix.png share/icons/hicolor/128x128/apps/burrowix.png \
         share/icons/hicolor/256x256/apps/burrowix.png; do
  [[ -e $prefix/$f ]] || fail "$f is not installed"
done
[[ -x $prefix/bin/burrowix && -x $prefix/lib/burrowix/burrowix ]] || fail "the launcher or the game is not executable"
file "$prefix/share/icons/hicolor/256x256/apps/burrowix.png" | grep -q '256 x 256' || fail "the 256 px icon has another size"

desktop-file-validate "$prefix/share/applications/org.burrowix.Burrowix.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/org.burrowix.Burrowix.metainfo.xml" >/dev/null ||
  fail "metainfo"

writable=$(find "$prefix" -perm /022 ! -type l)
[[ -z $writable ]] || fail "writable by group or others: $writable"

# The player's side: the launcher with a fresh XDG_DATA_HOME, the game closed the way the desktop
# closes it (SIGTERM), which saves the three files.
sums_before=$(cd "$prefix" && find . -type f -exec sha256sum {} + | sort)
export XDG_DATA_HOME=$work/xdg SDL_AUDIODRIVER=dummy
if command -v xvfb-run >/dev/null; then
  runner=(xvfb-run -a -s "-screen 0 800x600x24")
else
  runner=(env SDL_VIDEODRIVER=dummy)
fi
"${runner[@]}" bash -c '"$1" & pid=$!; sleep 4; kill -TERM $pid; wait $pid' _ "$prefix/bin/burrowix" \
  >"$work/game.log" 2>&1 || true
player=$XDG_DATA_HOME/burrowix
for f in opt.dat score.dat li.dat; do
  [[ -f $player/$f && ! -L $player/$f ]] || { cat "$work/game.log" >&2; fail "$f was not saved in $player"; }
done
[[ -L $player/standart.pak ]] || fail "the player's folder has no link to the packs"
[[ -L $player/replays/pack0 && -f $player/replays/pack0/1.rpl ]] || fail "the player's folder has no link to the shipped replays"
sums_after=$(cd "$prefix" && find . -type f -exec sha256sum {} + | sort)
[[ $sums_before == "$sums_after" ]] || fail "running the game changed the installation"

# A second start with an installation whose packs moved: the stale links are replaced.
ln -sfn "$work/gone.pak" "$player/old.pak"
"${runner[@]}" bash -c '"$1" & pid=$!; sleep 3; kill -TERM $pid; wait $pid' _ "$prefix/bin/burrowix" \
  >"$work/game2.log" 2>&1 || true
[[ ! -e $player/old.pak && ! -L $player/old.pak ]] || fail "a stale link was left in the player's folder"

# The Debian package holds the same tree under /usr.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/*.deb)
listing=$(dpkg-deb -c "$deb")
for f in ./usr/bin/burrowix ./usr/lib/burrowix/burrowix ./usr/share/burrowix/standart.pak \
         ./usr/share/applications/org.burrowix.Burrowix.desktop ./usr/share/icons/hicolor/48x48/apps/burrowix.png \
         ./usr/share/metainfo/org.burrowix.Burrowix.metainfo.xml ./usr/share/man/man6/burrowix.6; do
  grep -q " $f\$" <<<"$listing" || fail "the package lacks $f"
done
dpkg-deb -f "$deb" Depends | grep -q libsdl2 || fail "the package does not depend on SDL"
echo "install check passed: $(grep -c '^-' <<<"$listing") files in $(basename "$deb")"
