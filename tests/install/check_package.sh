#!/usr/bin/env bash
# Builds the Debian package from the build tree and holds it to Debian's own checker, lintian:
# no errors and no warnings. Then looks inside: games in /usr/games, an extended description,
# Qt's Wayland plugin recommended, valid store metadata, and a menu entry that starts the packaged game.
set -euo pipefail
build=$1
for need in lintian dpkg-deb dpkg-shlibdeps cpack appstreamcli desktop-file-validate; do
    command -v "$need" >/dev/null || { echo "SKIP: $need is not installed (see deps-test.txt)"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "$*"; exit 1; }

cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; fail "cpack failed"; }
deb=$(ls "$out"/tarvelle_*.deb)

lintian --display-info --tag-display-limit 0 "$deb" >"$out/lintian.txt" 2>"$out/lintian.err" ||
    { cat "$out/lintian.txt" "$out/lintian.err"; fail "lintian failed"; }
cat "$out/lintian.txt"
if grep -q '^[EW]: ' "$out/lintian.txt"; then fail "lintian reports errors or warnings"; fi

[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "not in section games"
[ "$(dpkg-deb -f "$deb" Description | sed 1d | grep -c '[a-z]')" -ge 3 ] || fail "extended description too short"
# Without the plugin a Wayland session runs the game through XWayland.
dpkg-deb -f "$deb" Recommends | tr ',' '\n' | grep -qx ' *qt6-wayland' || fail "qt6-wayland is not recommended"

dpkg-deb -x "$deb" "$out/root"
root=$out/root
[ -x "$root/usr/games/tarvelle" ] && [ -x "$root/usr/games/tarvelle-tool" ] || fail "programs not in /usr/games"
"$(dirname "$0")/check_metadata.sh" "$root/usr"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.tarvelle.Tarvelle.desktop")
[ "$exec_line" = /usr/games/tarvelle ] || fail "menu entry runs '$exec_line'"
"$root$exec_line" --version | grep -qx "Tarvelle $(dpkg-deb -f "$deb" Version)" || fail "packaged game's version"
echo "As Ks Qs Js Ts" | "$root/usr/games/tarvelle-tool" eval | grep -qx '10 11111' || fail "packaged tool"
echo "package ok: $(basename "$deb")"
