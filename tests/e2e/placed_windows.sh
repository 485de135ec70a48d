#!/usr/bin/env bash
# Under a real window manager the windows placed against the main window stand where they belong, measured by their
# frames as X reports them: the about, records and prize windows right-aligned with the main window and 500 twips
# (33 px) below its top, the help window 40 px right of and below its corner; each moved only as far as keeps it whole
# on the screen.
# Usage: placed_windows.sh GAME_EXE SETTINGS_TOOL SCALE   (SCALE 1 or 2: QT_SCALE_FACTOR on a 1280x1024 screen)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
command -v xdotool >/dev/null || e2e_fail "missing xdotool (scripts/setup.sh installs it)"
command -v xprop >/dev/null || e2e_fail "missing xprop (scripts/setup.sh installs it)"
scale=${3:-}
case "$scale" in 1 | 2) ;; *) echo "usage: $0 GAME TOOL 1|2" >&2; exit 2 ;; esac
build=$(dirname -- "$1")
e2e_init "$1" "$2"
# The help topics and the picture sets beside the game, where it looks first (with every set there the gallery's menu
# asks nothing).
cp -r -- "$build/Шелвы и злыки.HLP" "$E2E_GAME_DIR/"
for stem in TessaQuorin MarlaVentobrix DoriaFelstrand LunaPressvick NinaCorveld; do
    cp -- "$build/$stem.txt" "$build/$stem.dat" "$E2E_GAME_DIR/"
done
e2e_start_desktop
export QT_SCALE_FACTOR=$scale

# The main window's frame at 160,60 logical pixels, where every placed window has room on the screen at both scales.
lines=("${E2E_DEFAULTS[@]:1}")
lines[6]=" $((160 * 15)) "
lines[7]=" $((60 * 15)) "
e2e_encode "$E2E_SETTINGS" "${lines[@]}"
e2e_start_game
e2e_wait_main_window

# A window placed after the first placement shows it to X; the second placement, with the frame known, follows at
# once.  Rounding at scale 2 may leave the frame a device pixel off (the frame's extents are odd there).
tolerance=$((scale - 1))
deadline_s=10

# expect_placed ID WHAT DX DY ALIGN: waits until the window's frame stands DY device pixels below the main window's
# frame top and, with ALIGN "right", with its right edge on the main window's; with ALIGN "left", DX pixels right of
# its left edge; where that place would leave the screen's available area, as little away from it as keeps the frame
# whole on the area.  After deadline_s seconds it reports both frames and the test goes on to the next window; it
# fails at the end.
misplaced=0
expect_placed() {
    local id=$1 what=$2 dx=$3 dy=$4 align=$5 deadline=$((SECONDS + deadline_s))
    local mx my mw mh x y w h wantx wanty offx offy ax ay aw ah
    read -r ax ay aw ah _ < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g')
    while :; do
        read -r mx my mw mh < <(e2e_frame "$E2E_MAIN_ID")
        if xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '= ' &&
            read -r x y w h < <(e2e_frame "$id" 2>/dev/null); then
            if [ "$align" = right ]; then wantx=$((mx + mw - w)); else wantx=$((mx + dx)); fi
            wanty=$((my + dy))
            ((wantx + w <= ax + aw)) || wantx=$((ax + aw - w))
            ((wantx >= ax)) || wantx=$ax
            ((wanty + h <= ay + ah)) || wanty=$((ay + ah - h))
            ((wanty >= ay)) || wanty=$ay
            offx=$((x - wantx)) offy=$((y - wanty))
            ((${offx#-} <= tolerance && ${offy#-} <= tolerance)) && break
        fi
        if ((SECONDS >= deadline)); then
            echo "FAIL: $what: frame ${x:-?},${y:-?} ${w:-?}x${h:-?} against the main window's $mx,$my ${mw}x$mh:" \
                "${offx:-?} px sideways and ${offy:-?} px down from its place" >&2
            misplaced=$((misplaced + 1))
            return
        fi
        sleep 0.1
    done
    e2e_log "$what: frame $x,$y ${w}x$h, main window $mx,$my ${mw}x$mh: in place"
    e2e_expect_on_screen "$id" "$what"
}

below=$((33 * scale))

about=$(e2e_open_from_menu alt+Cyrillic_es Cyrillic_o "О программе \"$E2E_TITLE\"")
expect_placed "$about" "about window" 0 "$below" right
e2e_key Escape

records=$(e2e_open_from_menu alt+Cyrillic_i Cyrillic_be "Лучшие результаты")
expect_placed "$records" "records window" 0 "$below" right
e2e_key Escape

# Дополнительно -> Красотка -> Луна Прессвик: choosing a set shows its prize window.
prize=$(e2e_open_from_menu alt+Cyrillic_de "Cyrillic_er Cyrillic_el" "Луна Прессвик")
expect_placed "$prize" "prize window" 0 "$below" right
e2e_key Escape

e2e_press F1
help=$(e2e_wait_box "Шелвы и злыки — справка")
expect_placed "$help" "help window" $((40 * scale)) $((40 * scale)) left
e2e_key Escape

e2e_close_game
e2e_expect_clean_exit
((misplaced == 0)) || e2e_fail "$misplaced windows out of place"
e2e_log "PASS"
