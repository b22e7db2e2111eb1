#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop expects of it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/tarvelle share/tarvelle/poker2.dat share/tarvelle/deck1.bmp share/tarvelle/deck2.bmp \
    share/tarvelle/deck3.bmp share/tarvelle/help.htm share/applications/tarvelle.desktop \
    share/metainfo/org.tarvelle.Tarvelle.metainfo.xml share/icons/hicolor/256x256/apps/tarvelle.png; do
    [ -s "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ "$(stat -c %s "$prefix/share/tarvelle/poker2.dat")" = 3261924 ] || { echo "poker2.dat has the wrong size"; exit 1; }

desktop-file-validate "$prefix/share/applications/tarvelle.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.tarvelle.Tarvelle.metainfo.xml"

"$prefix/bin/tarvelle" --version | grep -q '^Tarvelle [0-9]'
"$prefix/bin/tarvelle" --help | grep -q -- '--data-dir'
if "$prefix/bin/tarvelle" --data-dir 2>/dev/null; then echo "--data-dir without a folder was accepted"; exit 1; fi

# The installed game starts headless, finds its data in share/tarvelle and keeps the
# player's files out of the install.
HOME=$home XDG_DATA_HOME=$home/data QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/tarvelle" 2>"$home/err" ||
    [ $? = 124 ]
if grep -q '^tarvelle:' "$home/err"; then cat "$home/err"; exit 1; fi
# ...and the same check can fail: without its data the game says so.
mv "$prefix/share/tarvelle/poker2.dat" "$home/"
HOME=$home XDG_DATA_HOME=$home/data QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/tarvelle" 2>"$home/err" ||
    true
grep -q '^tarvelle: .*poker2.dat' "$home/err" || { echo "a missing card file went unreported"; exit 1; }
[ ! -e "$prefix/bin/poker.dat" ] || { echo "the installed game wrote beside its program"; exit 1; }
echo "install layout ok"
