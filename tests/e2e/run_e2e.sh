#!/usr/bin/env bash
# Drives ZEV from outside, as a person would: a real window under Xvfb,
# worked with xdotool's keyboard and mouse. Then checks the saved files byte
# for byte. Usage: run_e2e.sh ZEV_BINARY PICTURE [SCREENSHOT_ON_FAILURE]
# (E2E_KEEP=FILE keeps what ZEV printed, for a failure to be looked into.)
set -euo pipefail

# A session bus of its own, for the accessibility bus that screen readers use.
if [ -z "${E2E_IN_SESSION:-}" ]; then
    E2E_IN_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

zev=$1
picture=$2
shot=${3:-$PWD/e2e-failure.png}
work=$(mktemp -d)
display=""
zev_pid=""
xvfb_pid=""

atspi_pid=""
listener_pid=""
cleanup() {
    [ -n "$zev_pid" ] && kill "$zev_pid" 2>/dev/null || true
    [ -n "$listener_pid" ] && kill "$listener_pid" 2>/dev/null || true
    [ -n "$atspi_pid" ] && kill "$atspi_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "${E2E_KEEP:-}" ] && cp "$work/zev.log" "$E2E_KEEP" 2>/dev/null; rm -rf "$work"
}
fail() {
    echo "e2e: FAILED: $*" >&2
    tail -n 20 "$work/zev.log" >&2 2>/dev/null || true
    import -display "$display" -window root "$shot" 2>/dev/null && echo "e2e: screenshot kept in $shot" >&2
    exit 1
}
trap cleanup EXIT

# A window of its own, with settings kept away from the user's. Xvfb picks a
# free display itself and writes its number when it is ready: two runs at once
# never share one. Without -noreset it starts over each time its last client
# leaves (xdpyinfo below), and a ZEV connecting just then cannot start.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "e2e: FAILED: Xvfb did not start" >&2; exit 1; }
display=":$(head -1 "$work/display")"
export DISPLAY=$display XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
atspi_pid=$!

mkdir "$work/site"
cp "$picture" "$work/site/topology.png"
"$zev" >"$work/zev.log" 2>&1 &
zev_pid=$!

# What a screen reader hears: the events it builds its speech from, as they come.
here=$(dirname "$0")
/usr/bin/python3 "$here/listen_accessibility.py" "$work/events" 2>"$work/listener.log" &
listener_pid=$!
for _ in $(seq 100); do grep -q ready "$work/events" 2>/dev/null && break; sleep 0.1; done
grep -q ready "$work/events" 2>/dev/null || { cat "$work/listener.log" >&2; fail "no accessibility event listener"; }
# The number of events heard so far, to look only at what comes after.
heard_so_far() { wc -l <"$work/events"; }
# Waits up to 3 s for an event (type, role, name, detail, tab-separated) matching the pattern.
heard() {
    local from=$1 pattern=$2
    for _ in $(seq 30); do
        tail -n +$((from + 1)) "$work/events" | grep -qP "$pattern" && return 0
        sleep 0.1
    done
    tail -n +$((from + 1)) "$work/events" | tail -n 15 >&2
    return 1
}

# Waits for a window whose title matches, gives it the keyboard, prints its id.
window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no window '$1'"
    xdotool windowfocus --sync "$id"
    echo "$id"
}
# Clicks at an offset inside a window, with optional modifier keys held.
click_in() {
    local id=$1 dx=$2 dy=$3 mods=${4:-}
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove --sync $((X + dx)) $((Y + dy))
    [ -n "$mods" ] && xdotool keydown $mods
    xdotool click 1
    [ -n "$mods" ] && xdotool keyup $mods
    sleep 0.2
}
settle() { sleep "${1:-0.3}"; }
# Every control shown in ZEV's windows has a name a screen reader can say.
all_named() {
    /usr/bin/python3 "$(dirname "$0")/walk_accessibility.py" zev >"$work/unnamed" 2>&1 ||
        { cat "$work/unnamed" >&2; fail "a control without a name, $1"; }
}

main=$(window "Quorvane connection manager")
click_in "$main" 24 42 # Load image
dialog=$(window "Select network topology image file")
xdotool type --delay 5 "$work/site/topology.png"
from=$(heard_so_far)
xdotool key Return
settle 1
# The keyboard is on the picture (it holds no label yet), and what was loaded is said.
heard "$from" '^focus:\timage\tNetwork topology picture, topology.png\t' || fail "nothing had the keyboard after loading"
heard "$from" '^object:state-changed:showing\tnotification\tLoaded topology.png: 0 servers, 0 thinclients' ||
    fail "loading was not said"

# Two servers in a row with Save + New; the display name stays filled, so replace it.
main=$(window "Quorvane connection manager")
xdotool key ctrl+shift+n
server=$(window "Creating new server")
all_named "in the server dialog"
xdotool type "One"; xdotool key Tab; xdotool type "one.example"
# The list after the application field is read with its value; a new choice is
# said, in a handful of events a screen reader does not drop as a flood.
xdotool key Tab Tab; settle 0.3
[ "$(/usr/bin/python3 "$here/focused_text.py" zev)" = "$(printf 'combo box\tConnect using\tRDP')" ] ||
    fail "Connect using was not read with its value: $(/usr/bin/python3 "$here/focused_text.py" zev)"
from=$(heard_so_far)
xdotool key Down; settle 0.5
heard "$from" '^object:state-changed:showing\tnotification\tVNC\t' || fail "a new protocol was not said"
flood=$(($(heard_so_far) - from))
[ "$flood" -le 40 ] || fail "a protocol change sent $flood events"
xdotool key Up; settle 0.3
click_in "$server" 333 513 # Save + New
xdotool key ctrl+a; xdotool type "Two"; xdotool key Tab; xdotool type "two.example"
click_in "$server" 333 513
xdotool key Escape
settle

# Two devices: Return in the serial number field saves and starts the next.
main=$(window "Quorvane connection manager")
xdotool key ctrl+n
window "Thinclient settings" >/dev/null
all_named "in the thinclient dialog"
xdotool type "Desk A"; xdotool key Tab; xdotool type "a1"; xdotool key Return
xdotool key ctrl+a; xdotool type "Desk B"; xdotool key Tab; xdotool type "b2"; xdotool key Return
xdotool key Escape
settle

# Assignment: Shift on the first device's first box ticks its whole row; a plain click ticks one box.
main=$(window "Quorvane connection manager")
xdotool key ctrl+a
grid=$(window "Assign servers to thinclients")
all_named "in the assignment grid"
click_in "$grid" 465 44 shift
click_in "$grid" 565 74
# With the keyboard, to that box (B2's for Two): Space clears it and says so, Space ticks it again.
xdotool key Down Right Right Right; settle 0.2
from=$(heard_so_far)
xdotool key space; settle 0.3
heard "$from" '^object:state-changed:checked\ttable cell\t' || fail "Space in the grid raised no state change"
heard "$from" '^object:state-changed:showing\tnotification\tB2 – Two: not assigned\t' || fail "Space in the grid was not said"
xdotool key space; settle 0.3
# Filter, then apply to what is shown: "b2" shown alone, a Control click on its
# second box clears that column for B2 only; A1, hidden, keeps its tick.
click_in "$grid" 144 276 # search field
xdotool type "b2"
click_in "$grid" 377 276 # Show matching only
click_in "$grid" 565 44 ctrl
click_in "$grid" 662 276 # OK
settle

# Drag the first label by its middle, 200 to the right and 150 down.
main=$(window "Quorvane connection manager")
xdotool mousemove --sync 37 103; settle 0.2
xdotool mousemove --sync 38 104; settle 0.2
xdotool mousedown 1
for step in $(seq 1 10); do xdotool mousemove --sync $((38 + step * 20)) $((104 + step * 15)); done
xdotool mouseup 1
settle

from=$(heard_so_far)
xdotool key ctrl+s
settle 0.5
heard "$from" '^object:state-changed:showing\tnotification\tSaved zev.conf and 2 device files\t' || fail "the save was not said"

# Undo from the keyboard: the drag undone is saved without it, then redone.
xdotool key ctrl+z; settle 0.5
xdotool key ctrl+s; settle 0.5
cp "$work/site/zev.conf" "$work/undone.conf"
xdotool key ctrl+y; settle 0.5

# The keyboard alone: One, dragged, keeps the keyboard through the undo and redo;
# Tab goes on in reading order, round to Two at the top, and Right moves it.
main=$(window "Quorvane connection manager")
all_named "in the main window"
xdotool key Tab; settle 0.2
from=$(heard_so_far)
xdotool key Right Right Right; settle 0.3
# The label's name follows it, and its new place is said.
heard "$from" '^object:property-change:accessible-name\tpush button\tServer Two, two.example, RDP, at 80, 0, 75 by 75\t' ||
    fail "the moved label's name did not follow it"
heard "$from" '^object:state-changed:showing\tnotification\tat 80, 0\t' || fail "the move was not said"

# Another program adds a device to zev.conf: a save asks first. Escape writes
# nothing; then Return merges both, and their device gets its file too.
printf '[THINCLIENT]\ndesc=Theirs\nserial_number=C3\n\n' >>"$work/site/zev.conf"
cp "$work/site/zev.conf" "$work/theirs.conf"
xdotool key ctrl+s
window "ZEV - Saving Configuration" >/dev/null
xdotool key Escape; settle 0.5
cmp -s "$work/site/zev.conf" "$work/theirs.conf" || fail "Escape wrote over the other program's zev.conf"
main=$(window "Quorvane connection manager")
xdotool key ctrl+s
window "ZEV - Saving Configuration" >/dev/null
xdotool key Return; settle 0.5
[ -f "$work/site/C3.conf" ] || fail "Merge wrote no file for the other program's device"

main=$(window "Quorvane connection manager")
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$zev_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$zev_pid" 2>/dev/null && fail "ZEV did not exit after Ctrl+Q"
status=0
wait "$zev_pid" || status=$?
zev_pid=""
[ "$status" -eq 0 ] || { cat "$work/zev.log" >&2; fail "ZEV exited with status $status"; }

# ---- what was saved (the layouts themselves are pinned by the golden files) ----
site=$work/site
[ -f "$site/zev.conf" ] || fail "zev.conf was not written"
mapfile -t ids < <(sed -n 's/^server_id=//p' "$site/zev.conf")
[ ${#ids[@]} -eq 2 ] && [ "${ids[0]}" != "${ids[1]}" ] || fail "expected two distinct server ids, got: ${ids[*]}"
expect() { # file, then the lines it must hold in this order
    local file=$1; shift
    [ "$(grep -xF -f <(printf '%s\n' "$@") "$file")" = "$(printf '%s\n' "$@")" ] ||
        { cat "$file" >&2; fail "$(basename "$file") lacks: $*"; }
}
# The dragged label moved 200 right and 150 down; A1 got both servers, B2 none.
expect "$site/zev.conf" "display_name=One" "xpos=200" "ypos=150" "display_name=Two" "xpos=80" "ypos=0" \
    "serial_number=A1" "server=${ids[0]}" "server=${ids[1]}" "serial_number=B2"
expect "$site/A1.conf" "display_name=One" "rps_color_depth=auto" "display_name=Two" "rps_color_depth=auto"
grep -q '^\[SERVER\]' "$site/B2.conf" && fail "B2 kept a server the filtered Control click cleared"
expect "$work/undone.conf" "display_name=One" "xpos=0" "display_name=Two" "xpos=77"
grep -qx "serial_number=C3" "$site/zev.conf" || fail "Merge lost the other program's device"
cp "$site/zev.conf" "$work/after-english.conf"
# ---- once in German: the menus, the windows and what a screen reader hears ----
LANG=de_DE.UTF-8 LANGUAGE=de "$zev" >"$work/zev.log" 2>&1 &
zev_pid=$!
main=$(window "Quorvane connection manager")
listed() { /usr/bin/python3 "$here/walk_accessibility.py" zev --list "$@"; }
for menu in Datei Bearbeiten Extras Hilfe Info; do
    listed "menu item" | grep -qxP "menu item\t$menu" || fail "no menu $menu in German: $(listed "menu item" | tr '\n' ' ')"
done
click_in "$main" 24 42 # Bild laden
window "Bilddatei der Netzwerktopologie" >/dev/null
xdotool type --delay 5 "$site/topology.png"
from=$(heard_so_far)
xdotool key Return
settle 1
heard "$from" '^object:state-changed:showing\tnotification\ttopology.png geladen: 2 Server, 3 Thin Clients\t' ||
    fail "loading was not said in German"
listed image | grep -qxP 'image\tBild der Netzwerktopologie, topology.png' || fail "the picture's name is not German"
all_named "in the main window, in German"
xdotool key ctrl+shift+n
window "Neuen Server anlegen" >/dev/null
all_named "in the server dialog, in German"
xdotool key Escape; settle
main=$(window "Quorvane connection manager")
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$zev_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$zev_pid" 2>/dev/null && fail "ZEV did not exit after Ctrl+Q in German"
zev_pid=""
cmp -s "$site/zev.conf" "$work/after-english.conf" || fail "ZEV in German changed zev.conf without a save"
echo "e2e: passed"
