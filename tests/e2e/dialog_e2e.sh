#!/usr/bin/env bash
# End to end: the finder dragged with real input onto controls of a dialog
# that another program's window owns: a disabled button and a radio button
# inside a group box lying above it are picked; the button is bold in the
# tree, which holds the dialog; "解禁所有按钮" enables it; and a drag over
# the still dialog leaves none of its pixels changed.
#
# Usage: dialog_e2e.sh TAVRIN_EXE PROBE_EXE FIXTURE_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 fixture=$3 out=$4
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

trap 'probe end TavrinFixtureOwner; probe close >/dev/null 2>&1' EXIT
wine "$fixture" dialog >/dev/null 2>&1 &
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }
probe place TavrinFixtureDialog 940 60 300 240 || { echo "FAILED: the dialog could not be moved"; exit 1; }

handle_box="140 42"; class_box="200 138"; title_box="200 114"
read -r dialog _ < <(probe window-of TavrinFixtureDialog)
read -r disabled dx dy < <(probe child-of TavrinFixtureDialog 301)
read -r radio rx ry < <(probe child-of TavrinFixtureDialog 311)

# The disabled button.
read -r fx fy < <(probe finder)
drag "$fx" "$fy" "$dx" "$dy"
same "handle box holds the disabled button" "$disabled" "$(probe wait-text-at $handle_box "$disabled")"
same "its title" "Disabled" "$(probe wait-text-at $title_box Disabled)"
same "its item is bold and selected in the tree" "bold $disabled|Button|Disabled" \
    "$(probe wait-tree-selected "bold $disabled|Button|Disabled")"

# The radio button inside the group box, and no trace of the drag on the
# dialog: its pixels before the drag and after it are the same.
read -r left top width height < <(probe window-rect "$dialog")
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out/dialog_before.png"
read -r fx fy < <(probe finder)
drag "$fx" "$fy" "$rx" "$ry"
same "handle box holds the radio button" "$radio" "$(probe wait-text-at $handle_box "$radio")"
same "its class" "Button" "$(probe wait-text-at $class_box Button)"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out/dialog_after.png"
changed=$(compare -metric AE "$out/dialog_before.png" "$out/dialog_after.png" null: 2>&1)
same "pixels of the dialog changed by the drag" "0" "$changed"

# "其它操作" > "解禁所有按钮": the first item of its menu.
read -r ox oy < <(probe point 76 362)
click_at "$ox" "$oy"
await "the field menu popped up" wait-menu
xdotool key Down Return
await "the menu closed" menu-gone
await "the dialog's disabled button is enabled" wait-enabled "$disabled"
import -window root "$out/dialog.png"

exit $((failures > 0))
