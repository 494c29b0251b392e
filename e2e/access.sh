# shellcheck shell=bash
# Walks for people who do not use a mouse, use a screen reader, or enlarge the screen: the whole
# walk on the keyboard alone with the focus always visible; what the accessibility bus tells of
# each screen; and the walk again at twice the scale and at a logical DPI of 144, checked in
# device pixels against the same expectations as at 96 DPI.
# Sourced by run.sh after lib.sh; uses its layouts, PALETTE, DEFAULTS and steps.
# shellcheck disable=SC2086

F1_OLE1="570 210 9495 6135"
F2_BAR="480 1080 5895 255"

# keys KEY...: presses keys on whatever has the focus, a little apart, as a person would.
keys() { xdotool key --delay 40 "$@"; }

# copied_focus: the text of the focused field, selected and copied from the keyboard.
copied_focus() {
    keys ctrl+a ctrl+c
    sleep 0.1
    timeout 5 "$PYTHON" "$E2E_DIR/clipboard.py"
}

# around LAYOUT...: the control's rectangle in pixels with a rim of 3 layout pixels, where a
# focus frame may be drawn.
around() {
    local x y w h rim=$((3 * ${E2E_SCALE_PERCENT:-100} / 100))
    read -r x y w h < <(control_rect "$@")
    echo $((x - rim)) $((y - rim)) $((w + 2 * rim)) $((h + 2 * rim))
}

# focus_moves ID NAME KEY RECT_FROM RECT_TO: the key moves the focus, and both the control that
# loses it and the one that gains it look different afterwards (the focus is always visible).
focus_moves() {
    local id=$1 name=$2 key=$3 from=$4 to=$5 before after
    before=$(shot "$id" "$name-before")
    keys "$key"
    sleep 0.3
    after=$(shot "$id" "$name-after")
    # shellcheck disable=SC2046
    ask "$after" differs $(around $from) "$before" &&
        ask "$after" differs $(around $to) "$before"
    check "$name: $key moves the focus, visibly" $? "$ANSWER" "$after"
}

# within_one GOT WANTED: a size the toolkit rounded from a fraction of a device pixel.
within_one() { [ $(($1 - $2)) -ge -1 ] && [ $(($1 - $2)) -le 1 ]; }

# keyboard_walk LABEL: intro, calibration with the arrow keys, the parameters with Tab, a mistake
# and its message, the drawing; no click. Ends on the drawing screen, the program running.
keyboard_walk() {
    local label=$1 i w h want_w want_h percent=${E2E_SCALE_PERCENT:-100}
    start_app "keys-$label"
    check "$label: the program starts with Form1" $? "" || return
    read -r _ _ w h < <(client_area "$FORM1")
    want_w=$((11670 * percent / 1500)) want_h=$((8565 * percent / 1500))
    within_one "$w" "$want_w" && within_one "$h" "$want_h"
    check "$label: Form1's client area in device pixels" $? "got ${w}x$h, want ${want_w}x$want_h"
    focus_moves "$FORM1" "$label-form1-tab" Tab "$F1_OLE1" "$F1_AVANTI"
    keys space
    FORM2=$(window Form2) && wait_for 5 is_active Form2
    check "$label: Space on AVANTI opens Form2 in front" $? "active: $(active_title)" || return
    sleep 0.3
    # The bar starts at 1; thirteen steps right and one back left make 14, the factor 0,79.
    for ((i = 0; i < 14; i++)); do keys Right; done
    keys Left
    INCR=0.79
    sleep 0.3
    SHOT=$(shot "$FORM2" "$label-circle")
    ask "$SHOT" circle 128,0,0 "$INCR" round
    check "$label: the calibration circle at 0,79 where the user scale puts it, roundest" $? "$ANSWER" "$SHOT"
    focus_moves "$FORM2" "$label-form2-tab" Tab "$F2_BAR" "$F2_TEXT1"
    expect "$label: the arrow keys set the factor 0,79" "$(copied_focus)" "0,79"
    keys Tab space
    FORM3=$(window Form3) && wait_for 5 is_active Form3
    check "$label: Tab to OK - continua and Space open Form3 in front" $? "active: $(active_title)" || return
    sleep 0.3

    # AVANTI has the focus; ESCI and the first field follow it.
    focus_moves "$FORM3" "$label-form3-tab" Tab "$F3_AVANTI" "$F3_ESCI"
    keys Tab
    keys ctrl+a
    xdotool type --delay 8 -- "abc"
    keys shift+Tab shift+Tab space
    expect_message "$label: a letter in Text1 and Space on AVANTI: a message box" "$label-message"
    close_message_box
    sleep 0.3
    SHOT=$(shot "$FORM3" "$label-text1-red")
    # shellcheck disable=SC2046
    ask "$SHOT" filled $(control_rect ${FIELD[1]}) "$RED"
    check "$label: Text1 is emptied and red where the layout puts it" $? "$ANSWER" "$SHOT"
    keys Tab Tab
    xdotool type --delay 8 -- "${DEFAULTS[0]}"
    keys shift+Tab shift+Tab space
    FORM4=$(window Form4) && wait_for 5 is_active Form4
    check "$label: Text1 corrected, Space on AVANTI opens Form4" $? "active: $(active_title)" || return
    drawn "$label-drawn" 1 "${DEFAULTS[@]}"
    check "$label: the curve's dots in ${PALETTE[1]} where the user scale puts them" $? "$ANSWER" "$SHOT"
    ask "$SHOT" axes "$FOREGROUND" "$INCR" "${DEFAULTS[@]}"
    check "$label: the three axis lines" $? "$ANSWER" "$SHOT"
    ask "$SHOT" colours "$FOREGROUND" "${PALETTE[1]}"
    check "$label: nothing else on the surface" $? "$ANSWER" "$SHOT"
}

# The whole walk on the keyboard, ending with the picture saved through its menu.
keyboard() {
    echo "# keyboard alone"
    keyboard_walk keys || return
    local saved="$WORK/keys-saved.png"
    rm -f -- "$saved"
    PICTURE=$SHOT
    keys Menu
    wait_for 3 menu_shown
    check "keys: the Menu key opens the picture's menu" $? "" "$(shot root keys-menu)"
    keys Down Down Return
    wait_for 5 is_active "Salva immagine"
    check "keys: Down, Down and Return on its second entry open the save dialog" $? "active: $(active_title)" || return
    xdotool type --delay 8 -- "$saved"
    keys Return
    gone "Salva immagine"
    unchanged keys-after-save "keys: back from the save dialog"
    ask "$SHOT" same "$saved"
    check "keys: the saved PNG's pixels are the picture on screen" $? "$ANSWER" "$SHOT"
}

# The walk once more at a scale (E2E_SCALE_PERCENT and E2E_SCALE set): the places checked in
# device pixels, then the buttons of Form4 and Form3 clicked at their scaled places.
scaled_walk() {
    local label=$1
    keyboard_walk "$label"
    click "$FORM4" $F4_RIPRENDI
    wait_for 5 is_active Form3
    check "$label: RIPRENDI clicked at its scaled place brings Form3 to the front" $? \
        "active: $(active_title)"
    click "$FORM3" $F3_AVANTI
    drawn "$label-clicked-avanti" 2 "${DEFAULTS[@]}"
    check "$label: AVANTI clicked at its scaled place draws in ${PALETTE[2]}" $? "$ANSWER" "$SHOT"
    stop_pid "$APP_PID"
    APP_PID=""
}

# Both scales on one larger screen, of the same shape as the other walks' screen so that the
# calibration circle is roundest at the same bar value; that screen comes back afterwards.
scaled() {
    echo "# twice the scale, and a logical DPI of 144"
    stop_everything
    start_display 2560x2048 || return
    export E2E_SCALE_PERCENT=200 E2E_SCALE=2 QT_SCALE_FACTOR=2
    scaled_walk scale2
    unset QT_SCALE_FACTOR
    echo "Xft.dpi: 144" | xrdb -merge
    check "Xft.dpi: 144 set with xrdb (x11-xserver-utils)" $? "" || return
    export E2E_SCALE_PERCENT=150 E2E_SCALE=1.5
    scaled_walk dpi144
    unset E2E_SCALE_PERCENT E2E_SCALE
    stop_everything
    start_display
}

# What a screen reader finds, on the accessibility bus of a session bus of its own; a11y.py
# drives the program with keys and prints one line per check.
accessibility() {
    echo "# screen reader: the accessibility tree of each screen"
    if [ ! -x /usr/libexec/at-spi-bus-launcher ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        ! command -v dbus-run-session >/dev/null; then
        check "the accessibility bus is installed (at-spi2-core, python3-pyatspi, dbus)" 1 ""
        return
    fi
    local status line detail
    while IFS= read -r line; do
        case "$line" in
        ok\|* | FAIL\|*)
            status=0
            [ "${line%%|*}" = FAIL ] && status=1
            line=${line#*|}
            detail=${line#*|}
            check "${line%%|*}" "$status" "$detail"
            ;;
        *) echo "     $line" ;;
        esac
    done < <(timeout 120 env LANG=it_IT.UTF-8 LC_ALL= LC_NUMERIC= dbus-run-session -- \
        /usr/bin/python3 "$E2E_DIR/a11y.py" "$ELICA" "$WORK" 2>"$WORK/a11y.log")
}
