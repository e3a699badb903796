#!/usr/bin/env bash
# Installs the build into a fresh prefix and runs the installed programs as a user would: the
# menu entry and metadata pass their validators, both programs find their data from another
# working folder, the game keeps its logs in the user's data folder when the installed folder
# cannot be written, and the command line refuses bad options with exit status 2.
# usage: install-test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
id=org.quellin.Quellin

fail() {
  echo "install test: $*" >&2
  exit 1
}
expect_status() { # expect_status STATUS COMMAND...: runs the command, checks its exit status
  local want=$1 got=0
  shift
  "$@" >"$work/out" 2>"$work/err" || got=$?
  [ "$got" -eq "$want" ] || fail "$* ended with $got, not $want: $(cat "$work/err")"
}

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quellin bin/quellin-sim share/quellin/scripts/DeckInfo.txt \
  share/quellin/Images/Roles/Role_5.bmp share/applications/$id.desktop \
  share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
  share/icons/hicolor/{48x48,128x128,256x256}/apps/$id.png; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml"

# Run from a folder of its own, as a user without write access to the installed files (root
# writes anywhere, so root runs the programs as nobody).
chmod -R a-w "$prefix"
mkdir -m 777 "$work/elsewhere" "$work/home" "$work/xdg"
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
run() {
  (cd "$work/elsewhere" && env HOME="$work/home" XDG_DATA_HOME="$work/xdg" \
    XDG_DATA_DIRS=/nonexistent QT_QPA_PLATFORM=offscreen "${as_user[@]}" "$@")
}
expect_status 0 run "$prefix/bin/quellin-sim" --players 3 --games 5 --seed 11 --check
grep -q "^games 5, " "$work/out" || fail "quellin-sim printed: $(cat "$work/out")"
# A stalled game is counted apart and the run plays on; a run of stalled games only ends with 3.
expect_status 0 run "$prefix/bin/quellin-sim" --players 3 --games 4 --seed 433762 --check
grep -q "^games 4, .*, stalled 1 (first: seed 433764)$" "$work/out" ||
  fail "quellin-sim with a stalled game printed: $(cat "$work/out")"
printf 'Cardname:Indigo Plant\nCost:1\nNumber:10\nType:0\nCardname:Well\nCost:99\nNumber:99\n' \
  >"$work/unbuildable.txt"
expect_status 3 run "$prefix/bin/quellin-sim" --players 2 --games 2 --seed 5 \
  --catalogue "$work/unbuildable.txt"
grep -qF "in any game (seed 5, game 0; replay with --seed 5 --games 1)" "$work/err" ||
  fail "quellin-sim with stalled games only printed: $(cat "$work/err")"

# The menu entry's command, found on the PATH, plays a seeded game until the human's first
# question, when the test ends it.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")
expect_status 124 run env PATH="$prefix/bin:$PATH" timeout 8 $exec_line --seed 77 --players 2 \
  --seat 1 --computer standard --start
logs=$work/xdg/Quellin
printf '77\nquellin --seed 77 --players 2 --seat 1 --computer standard\n' | cmp - "$logs/Seed.txt" ||
  fail "Seed.txt in $logs holds: $(cat "$logs/Seed.txt" 2>&1)"
[ -f "$logs/Log.txt" ] && [ -f "$logs/GameLog.txt" ] || fail "no logs in $logs"
# Even a user who could write the installed folder (root here) leaves it to the package manager.
(cd "$work/elsewhere" && env HOME="$work/home" XDG_DATA_HOME="$work/xdg-own" \
  QT_QPA_PLATFORM=offscreen timeout 8 "$prefix/bin/quellin" --seed 78 --start 2>/dev/null) || true
[ -f "$work/xdg-own/Quellin/Seed.txt" ] || fail "no Seed.txt in the user's own data folder"
[ ! -e "$prefix/share/quellin/Log.txt" ] || fail "a log was written into the installed folder"

expect_status 0 run "$prefix/bin/quellin" --version
grep -qx "quellin [0-9.]*" "$work/out" || fail "--version printed: $(cat "$work/out")"
expect_status 0 run "$prefix/bin/quellin" --help
grep -q -- "--seed S" "$work/out" || fail "--help printed: $(cat "$work/out")"
for bad in "--fast" "--seed" "--seed -3" "--players 5" "--seat 0" "--players 2 --seat 3" \
  "--computer weak" "--start --start"; do
  # shellcheck disable=SC2086 # each case is a list of words
  expect_status 2 run "$prefix/bin/quellin" $bad
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "quellin $bad printed: $(cat "$work/err")"
done

# Without data anywhere, both programs name every place they looked in.
mkdir "$work/lonely"
cp "$prefix/bin/quellin" "$prefix/bin/quellin-sim" "$work/lonely/"
expect_status 1 run "$work/lonely/quellin-sim" --players 2 --games 1 --seed 1
grep -qF "was not found in $work/lonely, $work/share/quellin, $work/xdg/quellin, /nonexistent/quellin" \
  "$work/err" || fail "quellin-sim without data printed: $(cat "$work/err")"
# The game also shows the message in a box, which waits for the player.
expect_status 124 run timeout 5 "$work/lonely/quellin"
grep -qF "was not found in $work/lonely, " "$work/err" ||
  fail "quellin without data printed: $(cat "$work/err")"
# A catalogue path that holds a folder, or a file its user may not read, is named with what is
# wrong with it.
mkdir -p "$work/folder/scripts/DeckInfo.txt"
cp "$prefix/bin/quellin-sim" "$work/folder/"
expect_status 1 run "$work/folder/quellin-sim" --players 2 --games 1 --seed 1
grep -qF "; $work/folder/scripts/DeckInfo.txt is a folder, not a file" "$work/err" ||
  fail "quellin-sim with a folder for a catalogue printed: $(cat "$work/err")"
printf 'Cardname:Well\nNumber:1\n' >"$work/locked.txt"
chmod 000 "$work/locked.txt"
expect_status 2 run "$prefix/bin/quellin-sim" --players 2 --games 1 --seed 1 \
  --catalogue "$work/locked.txt"
grep -qF "$work/locked.txt cannot be read: Permission denied" "$work/err" ||
  fail "quellin-sim with an unreadable catalogue printed: $(cat "$work/err")"
echo "install test: passed"
