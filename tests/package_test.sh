#!/usr/bin/env bash
# The Debian package as a player meets it: built from this build directory, passed by lintian
# without an error or a warning, installed with apt, its launcher, software-centre metadata and
# documentation checked, the installed game started from the launcher's command and its first
# screen looked at, then removed without leaving anything behind.
#
#   tests/package_test.sh BUILD_DIR
#
# Needs root (it installs into /usr, and removes a ruvantia installed before) and a display of
# its own or the caller's; exits 77, skipped, when not root.
set -euo pipefail

build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)

if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: installing the package needs root"
    exit 77
fi
# The game needs a real display; when the test is not run under one, it brings its own.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
for tool in cpack apt-get dpkg-shlibdeps lintian desktop-file-validate appstreamcli xdotool xprop import convert; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing"; exit 1; }
done

# One package test at a time on this machine: two would install and remove the same package.
exec 9>/tmp/ruvantia-package-test.lock
flock -w 300 9

work=$(mktemp -d)
chmod 755 "$work" # apt reads the package as its own unprivileged user
pid=
installed_here=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    if [ -n "$installed_here" ]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq -o DPkg::Lock::Timeout=120 ruvantia >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

echo "== building the package"
(cd "$build" && cpack -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$work/ruvantia_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb")"; ls "$work"; exit 1; }
dpkg-deb -f "$deb" Depends

echo "== lintian"
# As Debian checks its own packages: any error or warning fails. It runs as the test does: another
# user may not reach the package where the project was cloned (a home folder, a chroot's root).
lintian --fail-on error,warning "$deb" 2> >(grep -v 'root privileges' >&2) || fail "lintian finds errors or warnings"

echo "== installing it"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; exit 1; }
installed_here=1
mapfile -t installed < <(dpkg -L ruvantia)

echo "== the launcher, the metadata, the manual, the icon and the documentation"
desktop=/usr/share/applications/ruvantia.desktop
metainfo=$(grep -l '<launchable type="desktop-id">ruvantia.desktop<' /usr/share/metainfo/*.metainfo.xml || true)
[ -x /usr/games/ruvantia ] || fail "no /usr/games/ruvantia"
desktop-file-validate "$desktop" || fail "the launcher does not validate"
grep -qx 'MimeType=text/tab-separated-values;text/csv;' "$desktop" || fail "the launcher does not open question packs"
[ -n "$metainfo" ] || fail "no metadata launches ruvantia.desktop"
[ -z "$metainfo" ] || appstreamcli validate --no-net "$metainfo" || fail "the metadata does not validate"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata has no release $version"
[ -f /usr/share/icons/hicolor/scalable/apps/ruvantia.svg ] || fail "no scalable icon"
[ -f /usr/share/man/man6/ruvantia.6.gz ] || fail "no manual page"
for f in copyright changelog.gz examples/domande.tsv; do
    [ -f "/usr/share/doc/ruvantia/$f" ] || fail "no /usr/share/doc/ruvantia/$f"
done
if command -v man >/dev/null; then
    man -l /usr/share/man/man6/ruvantia.6.gz 2>/dev/null | grep -q "COME SI GIOCA" || fail "the manual page does not render"
fi
grep -q -F -e "$build" -e "$source_dir" /usr/games/ruvantia && fail "the installed binary names the build or source tree"

echo "== starting the game from the launcher's command"
# Started with no file, as from the menu: the launcher's field codes (%f) go.
command=$(sed -n '/^Exec=/{s///;s/ *%[fFuU]//g;p}' "$desktop")
wmclass=$(sed -n 's/^StartupWMClass=//p' "$desktop")
xdotool mousemove 0 0 # the pointer away from the logo, or its tooltip would cover it
start_game() {
    (
        cd /
        unset SDL_VIDEODRIVER
        export PATH="/usr/games:$PATH"
        exec $command 2>"$work/game.err"
    ) &
    pid=$!
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --all --onlyvisible --pid "$pid" --name RUVANTIA 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
}
start_game
# A busy test display has been seen to refuse the game's connection once, late in a long run
# (the game then says it found no display and ends): that is the display's doing, not the
# package's, and a second start tells the two apart.
if [ -z "$window" ] && grep -q "needs a graphical display" "$work/game.err"; then
    echo "the display refused the game's connection ($(tr '\n' ' ' <"$work/game.err")); starting it once more"
    wait "$pid" || true
    start_game
fi
cat "$work/game.err" >&2
if [ -z "$window" ]; then
    fail "no window from '$command'"
else
    xprop -id "$window" WM_CLASS | grep -q "\"$wmclass\", \"$wmclass\"" ||
        fail "window class $(xprop -id "$window" WM_CLASS) is not the launcher's $wmclass"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # A rectangle of the board (twips, 15 to a pixel) on the screen: the board, 12345 by 10965
    # twips, is scaled to the window and centred in it. The window's own contents cannot be
    # grabbed without a window manager, so the screen is read.
    grab() {
        local crop
        crop=$(awk -v W="$WIDTH" -v H="$HEIGHT" -v X="$X" -v Y="$Y" -v l="$1" -v t="$2" -v w="$3" -v h="$4" 'BEGIN {
            bw = 12345 / 15; bh = 10965 / 15
            s = W / bw < H / bh ? W / bw : H / bh
            ox = (W - bw * s) / 2; oy = (H - bh * s) / 2
            printf "%dx%d+%d+%d", w / 15 * s, h / 15 * s, X + ox + l / 15 * s, Y + oy + t / 15 * s }')
        import -window root -crop "$crop" +repage "$5"
    }
    # The invitation blinks on the host line every 0.8 s: its cyan letters show the fonts are found.
    host=0
    for i in $(seq 12); do
        grab 240 360 11895 375 "$work/host$i.png"
        convert "$work/host$i.png" -format %c histogram:info:- | grep -qi '#00FFFF' && host=1 && break
        sleep 0.2
    done
    [ "$host" = 1 ] || fail "no cyan lettering on the host line: no font?"
    # Beside the logo, the board's own dark blue; the logo itself, a picture of many colours.
    grab 300 10200 1500 600 "$work/board.png"
    board=$(convert "$work/board.png" -format '%k %[hex:p{0,0}]' info:)
    [ "$board" = "1 000040" ] || fail "the board beside the logo is not plain #000040: $board"
    grab 2520 1320 7155 6675 "$work/logo.png"
    logo_colours=$(convert "$work/logo.png" -format %k info:)
    echo "first screen: board $board, logo of $logo_colours colours"
    [ "$logo_colours" -gt 1000 ] || fail "the logo has $logo_colours colours: the art is missing?"
    kill "$pid"
    wait "$pid" || fail "the game did not end cleanly when asked to"
    pid=
fi

echo "== removing it"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq -o DPkg::Lock::Timeout=120 ruvantia >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get remove failed"; }
installed_here=
for f in "${installed[@]}"; do
    [ -d "$f" ] || [ ! -e "$f" ] || fail "$f is left behind"
done
compgen -G '/usr/games/*ruvantia*' >/dev/null && fail "ruvantia is left in /usr/games"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "the package builds, installs, starts, shows its first screen and goes away cleanly"
