#!/usr/bin/env bash
# End to end against programs nobody here wrote: Wine's notepad with its
# Find dialog (an owned dialog with a disabled button and radio buttons in a
# group box), regedit, wordpad and winemine. The finder is dragged with real
# input onto their windows and controls, and every field of the panel is
# compared with what the probe reads of the window on its own. Prints the
# matches per field and target.
#
# Usage: real_programs_e2e.sh TAVRIN_EXE PROBE_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 out=$3
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

trap 'probe end Notepad; probe end RegEdit_RegEdit; probe end WORDPADTOP; probe end-title 地雷; probe close >/dev/null 2>&1' EXIT
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }
wine regedit >/dev/null 2>&1 &
wine "$(dirname "$(type -P wine)")/../lib/x86_64-linux-gnu/wine/x86_64-windows/wordpad.exe" >/dev/null 2>&1 &
wine winemine >/dev/null 2>&1 &
for class in RegEdit_RegEdit WORDPADTOP; do
    probe window-of "$class" >/dev/null || { echo "FAILED: $class did not start"; exit 1; }
done
probe place RegEdit_RegEdit 10 20 340 260
probe place WORDPADTOP 10 740 340 260

# Notepad's Find dialog, opened from the keyboard in its editor.
notepad_with_find_dialog >/dev/null || { echo "FAILED: notepad's Find dialog did not open"; exit 1; }

# A window by a line of the probe's listing of a top-level window's
# descendants (its class and title). A dialog makes its controls one by one
# as it opens: the listing is taken again until the window is in it (for
# up to 10 s).
descendant() {  # top-level class, "class title"
    local i handle
    for i in $(seq 1 50); do
        handle=$(probe descendants "$1" | while read -r h rest; do
            [ "$rest" = "$2" ] && { echo "$h"; break; }
        done)
        [ -n "$handle" ] && { echo "$handle"; return 0; }
        sleep 0.2
    done
}
targets=(
    "notepad|$(probe window-of Notepad | cut -d' ' -f1)"
    "find dialog|$(probe window-of '#32770' | cut -d' ' -f1)"
    "find text box|$(probe descendant-class '#32770' Edit)"
    "disabled find button|$(descendant '#32770' 'Button 查找下一个(&F)')"
    "radio in group box|$(descendant '#32770' 'Button 下(&D)')"
    "regedit tree|$(probe descendant-class RegEdit_RegEdit SysTreeView32)"
    "regedit list|$(probe descendant-class RegEdit_RegEdit SysListView32)"
    "wordpad text|$(probe descendant-class WORDPADTOP RichEdit20W)"
    "wordpad font box|$(probe descendant-class WORDPADTOP Edit)"
)
while read -r handle rest; do
    if [[ "$rest" == *地雷* ]]; then
        read -r _ _ w h < <(probe window-rect "$handle")
        probe place "$handle" 360 20 "$w" "$h"
        targets+=("winemine|$handle")
        break
    fi
done < <(probe top-levels)

for target in "${targets[@]}"; do
    name=${target%%|*} handle=${target#*|}
    [ -n "$handle" ] || { echo "FAILED: $name not found"; failures=$((failures + 1)); continue; }
    pick "$name" "$handle" || continue
    compare_panel "$name" "$handle"
done
echo "all targets: $panel_matched of $panel_total fields match"
import -window root "$out/real_programs.png"

exit $((failures > 0))
