#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop, a shell and a reader of
# manual pages expect of it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
home=$(mktemp -d)
usr=$(mktemp -d)
trap 'rm -rf "$prefix" "$home" "$usr"' EXIT
fail() { echo "$*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/tarvelle bin/tarvelle-tool share/tarvelle/poker2.dat share/tarvelle/deck1.bmp \
    share/tarvelle/deck2.bmp share/tarvelle/deck3.bmp share/tarvelle/help.htm share/tarvelle/help-de.htm \
    share/tarvelle/help-fr.htm share/tarvelle/help-es.htm \
    share/tarvelle/screenshots/table.png share/tarvelle/screenshots/coach.png \
    share/tarvelle/screenshots/extra.png share/applications/org.tarvelle.Tarvelle.desktop \
    share/metainfo/org.tarvelle.Tarvelle.metainfo.xml share/icons/hicolor/scalable/apps/org.tarvelle.Tarvelle.svg \
    share/man/man6/tarvelle.6.gz share/man/man6/tarvelle-tool.6.gz \
    share/bash-completion/completions/tarvelle-tool share/doc/tarvelle/copyright \
    share/doc/tarvelle/changelog.gz; do
    [ -s "$prefix/$f" ] || fail "missing after install: $f"
done
[ "$(stat -c %s "$prefix/share/tarvelle/poker2.dat")" = 3261924 ] || fail "poker2.dat has the wrong size"

# Each theme size holds a PNG of exactly that size (width and height sit at bytes 16..23).
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/org.tarvelle.Tarvelle.png
    [ -s "$png" ] || fail "missing icon ${size}x${size}"
    [ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" = "$(printf '%08x%08x' "$size" "$size")" ] ||
        fail "icon ${size}x${size} has the wrong size"
done
if command -v rsvg-convert >/dev/null; then
    rsvg-convert -w 64 -h 64 "$prefix/share/icons/hicolor/scalable/apps/org.tarvelle.Tarvelle.svg" -o "$home/svg.png" ||
        fail "the SVG icon does not render"
fi

"$(dirname "$0")/check_metadata.sh" "$prefix"

# The menu entry starts the installed game by its full path.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/org.tarvelle.Tarvelle.desktop")
[ "$exec_line" = "$prefix/bin/tarvelle" ] || fail "desktop entry runs '$exec_line'"
"$exec_line" --version | grep -q '^Tarvelle [0-9]'
"$prefix/bin/tarvelle" --help | grep -q -- '--data-dir'
if "$prefix/bin/tarvelle" --data-dir 2>/dev/null; then fail "--data-dir without a folder was accepted"; fi

# Under /usr, where Debian keeps games' programs in games/, the entry follows them there.
DESTDIR=$usr cmake --install "$build" --prefix /usr >/dev/null
[ -x "$usr/usr/games/tarvelle" ] && [ -x "$usr/usr/games/tarvelle-tool" ] || fail "/usr install keeps no games/"
[ ! -e "$usr/usr/bin" ] || fail "/usr install still fills bin/"
grep -qx 'Exec=/usr/games/tarvelle' "$usr/usr/share/applications/org.tarvelle.Tarvelle.desktop" ||
    fail "/usr desktop entry does not run /usr/games/tarvelle"

# The manual pages render without complaint and have the sections a reader looks for.
for page in tarvelle tarvelle-tool; do
    MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$prefix/share/man/man6/$page.6.gz" >"$home/$page.txt" \
        2>"$home/$page.err"
    [ ! -s "$home/$page.err" ] || { cat "$home/$page.err"; fail "$page(6) renders with warnings"; }
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS"; do
        grep -qx "$section" "$home/$page.txt" || fail "$page(6) has no $section section"
    done
done

# tarvelle-tool --help, COMMAND --help and the manual page give each command the same synopsis.
tool=$prefix/bin/tarvelle-tool
commands=$("$tool" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p; s/^  \([a-z][a-z-]*\)$/\1/p')
[ "$(echo "$commands" | wc -l)" -ge 7 ] || fail "--help lists too few commands: $commands"
man_synopsis=$(sed -n '/^SYNOPSIS$/,/^DESCRIPTION$/p' "$home/tarvelle-tool.txt" | tr -s ' \n' '  ' |
    sed 's/ tarvelle-tool /\n&/g' | sed 's/^ *//; s/ *DESCRIPTION *$//; s/ *$//' | grep '^tarvelle-tool ')
for c in $commands; do
    listed=$("$tool" --help | grep "^  $c\b" | sed 's/^  //')
    own=$("$tool" "$c" --help | head -n 1)
    [ "$own" = "usage: tarvelle-tool $listed" ] || fail "'$c --help' says '$own', --help lists '$listed'"
    echo "$man_synopsis" | grep -qxF "tarvelle-tool $listed" || fail "tarvelle-tool(6) lacks '$listed'"
done
[ "$(echo "$man_synopsis" | grep -vc -- ' --help$')" = "$(echo "$commands" | wc -l)" ] ||
    fail "tarvelle-tool(6) lists commands the tool does not have: $man_synopsis"
"$tool" deal --help | sed -n 2p | grep -q . || fail "'deal --help' says nothing about what it prints"

# The bash completion offers the installed tool's commands and a command's options.
completion=$prefix/share/bash-completion/completions/tarvelle-tool
if [ -r /usr/share/bash-completion/bash_completion ]; then
    complete_words() {
        PATH="$prefix/bin:$PATH" bash -c '
            source /usr/share/bash-completion/bash_completion
            source "$1"; shift
            COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
            COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
            _tarvelle_tool tarvelle-tool "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
            printf "%s\n" "${COMPREPLY[@]}" | sort' _ "$completion" "$@"
    }
    [ "$(complete_words tarvelle-tool '' | grep -v -- --help)" = "$(echo "$commands" | sort)" ] ||
        fail "completion offers other commands: $(complete_words tarvelle-tool '')"
    [ "$(complete_words tarvelle-tool deal --h | tr '\n' ' ')" = "--hands --help --hold " ] ||
        fail "completion of 'deal --h': $(complete_words tarvelle-tool deal --h)"
    [ "$(complete_words tarvelle-tool return --strategy '' | tr '\n' ' ')" = "advisor optimal " ] ||
        fail "completion of --strategy: $(complete_words tarvelle-tool return --strategy '')"
else
    echo "bash-completion is not installed: completion not checked"
fi

# The installed game starts headless, finds its data in share/tarvelle and keeps the
# player's files out of the install.
HOME=$home XDG_DATA_HOME=$home/data QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/tarvelle" 2>"$home/err" ||
    [ $? = 124 ]
if grep -q '^tarvelle:' "$home/err"; then cat "$home/err"; exit 1; fi
# ...and the same check can fail: without its data the game says so.
mv "$prefix/share/tarvelle/poker2.dat" "$home/"
HOME=$home XDG_DATA_HOME=$home/data QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/tarvelle" 2>"$home/err" ||
    true
grep -q '^tarvelle: .*poker2.dat' "$home/err" || fail "a missing card file went unreported"
[ ! -e "$prefix/bin/poker.dat" ] || fail "the installed game wrote beside its program"
echo "install layout ok"
