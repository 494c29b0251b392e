#!/usr/bin/env bash
# End-to-end walks through the built program on a private X server, driven from outside the way
# a person uses it: calibrating, entering parameters, drawing, clearing, mistakes in the fields,
# coming back to a screen, closing and ending. Then robustness runs: long series of drawings,
# clicks into the drawing screen after a failed field, and extreme numbers in every field. The
# picture's files, the 3D view and opening a saved picture have parts of their own (picture.sh,
# view.sh, opening.sh), as have the keyboard, screen-reader and scaled walks (access.sh).
#
#   run.sh PROGRAM WORK_FOLDER
#
# Prints one line per check and "N passed, M failed"; exits non-zero if any check failed, 77 if a
# tool it needs is missing. Screenshots are kept in WORK_FOLDER/shots.
# The layouts below are lists of numbers, split into a command's arguments on purpose.
# shellcheck disable=SC2086
set -u

E2E_DIR=$(cd "$(dirname "$0")" && pwd)
ELICA=${1:?usage: run.sh PROGRAM WORK_FOLDER}
WORK=${2:?usage: run.sh PROGRAM WORK_FOLDER}
for tool in Xvfb openbox xdotool import convert xwininfo xprop python3 xclip pdftoppm; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is missing (see the Makefile's packages)"; exit 77; }
done
# shellcheck source=lib.sh
source "$E2E_DIR/lib.sh"
# shellcheck source=picture.sh
source "$E2E_DIR/picture.sh"
mkdir -p "$WORK"
rm -rf -- "$SHOTS"
mkdir -p "$SHOTS"
trap stop_everything EXIT
trap 'exit 1' INT TERM
start_display || exit 1

# --- The screens' layouts, in twips (left top width height; fields: frame left, frame top first)

F1_AVANTI="3600 5640 2895 855"
F2_TEXT1="360 2880 735 375"
F2_OK="3120 2880 1575 615"
F2_ESCI="360 4080 1695 615"
F3_ESCI="1680 4920 1935 735"
F3_AVANTI="5160 4920 1935 735"
FIELD=(""
    "720 2520 1560 360 615 495"
    "720 2520 1560 1320 615 495"
    "3720 2520 1440 360 615 495"
    "3720 2520 1440 1440 615 495"
    "6960 2520 2520 240 615 495"
    "6960 3840 2520 240 615 495"
    "720 240 3240 600 615 495"
    "720 240 6600 600 615 495")
F4_RIPRENDI="960 720 1695 615"
F4_CANCELLA="3000 720 1695 615"
F4_ESCI="960 1800 1695 615"

# The scroll bar (480 1080 5895 255 twips: 32 72 393 17 pixels) has its arrows at its two ends.
bar_left() { click_at "$FORM2" 40 80; }
bar_right() { click_at "$FORM2" 417 80; }

# The palette of the drawings, index 1 to 15 (R,G,B).
# shellcheck disable=SC2054
PALETTE=("" 0,0,128 0,128,0 0,128,128 128,0,0 128,0,128 128,128,0 192,192,192
    128,128,128 0,0,255 0,255,0 0,255,255 255,0,0 255,0,255 255,255,0 255,255,255)
FOREGROUND=0,0,0 # the axes: the default palette's button text
RED=255,0,0
DEFAULTS=(20 15 10 5 3 1 45 45)

# --- Steps shared by the walks ----------------------------------------------------------------

# calibrate CLICKS: from the intro screen to the parameter screen, moving the bar CLICKS steps
# to the right. Sets FORM2, FORM3 and INCR.
calibrate() {
    click "$FORM1" $F1_AVANTI
    FORM2=$(window Form2) || return 1
    local i
    for ((i = 0; i < $1; i++)); do bar_right; done
    INCR=$(awk -v v=$(($1 + 1)) 'BEGIN { printf "%.2f", v * 0.02 + 0.51 }')
    wait_for 5 text_is "$FORM2" "${INCR/./,}" $F2_TEXT1 || return 1
    click "$FORM2" $F2_OK
    FORM3=$(window Form3)
}

text_is() {
    local id=$1 wanted=$2
    shift 2
    [ "$(copied_text "$id" "$@")" = "$wanted" ]
}

# avanti: "AVANTI" on the parameter screen; sets FORM4 once the drawing screen is in front.
avanti() {
    click "$FORM3" $F3_AVANTI
    FORM4=$(window Form4) && wait_for 5 is_active Form4
}

# first_drawing NAME: the program started, calibrated at 0,79, the default curve drawn in the
# first colour; PICTURE is its screenshot. Fails at the first step that does not come.
first_drawing() {
    start_app "$1"
    check "the program starts with Form1" $? "" || return
    calibrate 13
    check "calibrated at 0,79, Form3 open" $? "" || return
    avanti
    drawn "$1-first" 1 "${DEFAULTS[@]}"
    check "first drawing in ${PALETTE[1]}" $? "$ANSWER" "$SHOT" || return
    PICTURE=$SHOT
}

# drawn NAME INDEX PARAMETERS...: waits for the drawing screen to show the curve in palette
# colour INDEX and checks it dot by dot.
drawn() {
    local name=$1 index=$2
    shift 2
    look_for "$FORM4" "$name" 5 curve "${PALETTE[$index]}" "$INCR" "$@"
}

# expect_message NAME SHOT_NAME: a message box comes up; its screenshot is kept.
expect_message() {
    local box status
    box=$(message_box)
    status=$?
    sleep 0.2 # a box just shown has yet to paint itself
    check "$1" $status "" "$(shot "${box:-$(xdotool getactivewindow)}" "$2")"
}

# --- Walk 1: calibration, drawing, drawing over, clearing, mistakes, coming back, ending ------

walk() {
    echo "# walk: calibrate, draw, draw over, clear, mistakes, come back, close, end"
    start_app walk
    check "the program starts with Form1" $? "" || return

    click "$FORM1" $F1_AVANTI
    FORM2=$(window Form2)
    check "AVANTI on Form1 opens Form2" $? ""
    expect "Form2 starts at the factor 0,51" "$(copied_text "$FORM2" $F2_TEXT1)" "0,51"

    click "$FORM2" $F2_OK
    expect_message "OK - continua at 0,51: a message box titled Elica" walk-refused-051
    not_shown Form3
    check "OK - continua at 0,51: no Form3" $? ""
    close_message_box
    check "Return closes the message box" $? ""

    bar_right
    expect "one click on the bar's right arrow: 0,55" "$(copied_text "$FORM2" $F2_TEXT1)" "0,55"
    bar_left
    expect "back with the left arrow: 0,53" "$(copied_text "$FORM2" $F2_TEXT1)" "0,53"
    click "$FORM2" $F2_OK
    expect_message "OK - continua at 0,53 is refused too" walk-refused-053
    close_message_box

    local i
    for ((i = 0; i < 13; i++)); do bar_right; done
    INCR=0.79
    expect "13 more clicks on the right arrow: 0,79" "$(copied_text "$FORM2" $F2_TEXT1)" "0,79"
    click "$FORM2" $F2_OK
    FORM3=$(window Form3)
    check "OK - continua at 0,79 opens Form3" $? ""
    not_shown Elica
    check "OK - continua at 0,79 shows no message" $? ""

    avanti
    check "AVANTI with the defaults opens Form4" $? ""
    drawn walk-1-first 1 "${DEFAULTS[@]}"
    check "first drawing: the curve's dots in ${PALETTE[1]}" $? "$ANSWER" "$SHOT"
    ask "$SHOT" axes "$FOREGROUND" "$INCR" "${DEFAULTS[@]}"
    check "first drawing: the three axis lines" $? "$ANSWER" "$SHOT"
    ask "$SHOT" colours "$FOREGROUND" "${PALETTE[1]}"
    check "first drawing: nothing else on the surface" $? "$ANSWER" "$SHOT"

    local second=(30 15 10 5 3 1 45 45)
    click "$FORM4" $F4_RIPRENDI
    wait_for 5 is_active Form3
    check "RIPRENDI brings Form3 to the front" $? "active: $(active_title)"
    type_into "$FORM3" 30 ${FIELD[1]}
    avanti
    drawn walk-2-over 2 "${second[@]}"
    check "second AVANTI: the new curve's dots in ${PALETTE[2]}" $? "$ANSWER" "$SHOT"
    ask "$SHOT" curve "${PALETTE[1]}" "$INCR" "${DEFAULTS[@]}" apart "$INCR" "${second[@]}"
    check "second AVANTI: the first curve stays where the new one does not cover it" $? "$ANSWER" "$SHOT"

    click "$FORM4" $F4_CANCELLA
    wait_for 5 is_active Form3
    check "Cancella e riprendi brings Form3 to the front" $? "active: $(active_title)"
    avanti
    drawn walk-3-cleared 3 "${second[@]}"
    check "after Cancella e riprendi: the curve's dots in ${PALETTE[3]}" $? "$ANSWER" "$SHOT"
    local cleared=$SHOT
    ask "$SHOT" colours "$FOREGROUND" "${PALETTE[3]}"
    check "after Cancella e riprendi: only the new drawing on the surface" $? "$ANSWER" "$SHOT"
    ask "$SHOT" axes "$FOREGROUND" "$INCR" "${second[@]}"
    check "after Cancella e riprendi: the three axis lines" $? "$ANSWER" "$SHOT"

    click "$FORM4" $F4_RIPRENDI
    wait_for 5 is_active Form3
    local case field text restore
    # A decimal point is no decimal separator in Italian; the ratio must not be 0; empty is no number.
    for case in "1|1.5|30" "3|abc|10" "5|0|3" "8||45"; do
        IFS='|' read -r field text restore <<<"$case"
        type_into "$FORM3" "$text" ${FIELD[$field]}
        click "$FORM3" $F3_AVANTI
        expect_message "Text$field '$text': a message box" "walk-bad-$field-message"
        close_message_box
        SHOT=$(shot "$FORM3" "walk-bad-$field-field")
        # shellcheck disable=SC2046
        ask "$SHOT" filled $(control_rect ${FIELD[$field]}) "$RED"
        check "Text$field '$text': the field is emptied and red" $? "$ANSWER" "$SHOT"
        sleep 0.3
        expect "Text$field '$text': no drawing, Form3 stays in front" "$(active_title)" Form3
        type_into "$FORM3" "$restore" ${FIELD[$field]}
    done

    activate "$FORM4"
    sleep 0.5
    SHOT=$(shot "$FORM4" walk-4-failed-set)
    ask "$SHOT" same "$cleared" && is_active Form4
    check "a field failed: clicking into Form4 draws nothing" $? "$ANSWER; active: $(active_title)" "$SHOT"
    running
    check "a field failed: clicking into Form4 leaves the program running" $? ""

    activate "$FORM3"
    avanti
    drawn walk-5-corrected 4 "${second[@]}"
    check "fields corrected: AVANTI draws in the next colour, ${PALETTE[4]}" $? "$ANSWER" "$SHOT"

    activate "$FORM3"
    activate "$FORM4"
    drawn walk-6-clicked-back 5 "${second[@]}"
    check "clicking back into Form4 draws again in ${PALETTE[5]}" $? "$ANSWER" "$SHOT"

    # Coming back to the calibration screen starts it again at 0,51, and the drawing screen
    # takes the factor afresh at its next activation.
    activate "$FORM2"
    expect "back in Form2: the factor is 0,51 again" "$(copied_text "$FORM2" $F2_TEXT1)" "0,51"
    click "$FORM2" $F2_OK
    expect_message "back in Form2: OK - continua is refused again" walk-7-refused-again
    close_message_box
    activate "$FORM4"
    look_for "$FORM4" walk-8-factor-051 5 curve "${PALETTE[6]}" 0.51 "${second[@]}"
    check "then Form4 draws in ${PALETTE[6]} at the factor 0,51" $? "$ANSWER" "$SHOT"

    activate "$FORM1"
    xdotool key alt+F4
    gone Form1
    check "the close control closes Form1" $? ""
    sleep 1
    running && shown Form2 && shown Form3 && shown Form4
    check "Form1 closed: the program and its other screens stay" $? ""

    activate "$FORM4"
    click "$FORM4" $F4_ESCI
    wait_exit 10
    expect "ESCI on Form4 ends the program with status 0" "$EXIT_STATUS" 0
}

# --- Robustness -------------------------------------------------------------------------------

robustness() {
    echo "# robustness: drawings in a row, clicks after a failed field, extreme numbers"
    first_drawing robust || return

    # Each click into the drawing screen draws in the next colour; after 15 the palette starts
    # again at 1. Every colour is looked at the first time round, then every twelfth drawing and
    # the last: each shows that all the drawings before it came, in order.
    local k index looked=0 good=0 first_bad="" first_shot=""
    for ((k = 1; k <= 100; k++)); do
        index=$((k % 15 + 1))
        activate "$FORM3"
        activate "$FORM4"
        running || break
        [ "$k" -le 16 ] || [ $((k % 12)) -eq 0 ] || [ "$k" -eq 100 ] || continue
        looked=$((looked + 1))
        if drawn "robust-activation-$k" "$index" "${DEFAULTS[@]}"; then
            good=$((good + 1))
        elif [ -z "$first_bad" ]; then
            first_bad="activation $k, colour ${PALETTE[$index]}: $ANSWER"
            first_shot=$SHOT
        fi
    done
    [ "$k" -gt 100 ] && [ "$good" -eq "$looked" ]
    check "100 activations of Form4 in a row: $good of $looked looked at drawn in the next colour" $? "$first_bad" "$first_shot"
    running
    check "100 activations of Form4 in a row: the program is still running" $? ""
    local before=$SHOT

    # A field that fails leaves its mark in the parameters; the drawing screen then draws nothing.
    local n nothing=0 first_drawn=""
    first_shot=""
    click "$FORM4" $F4_RIPRENDI
    wait_for 5 is_active Form3
    for n in 1 2 3 4 5 6 7 8; do
        type_into "$FORM3" "x" ${FIELD[$n]}
        click "$FORM3" $F3_AVANTI
        message_box >/dev/null && close_message_box
        activate "$FORM4"
        sleep 0.5
        SHOT=$(shot "$FORM4" "robust-failed-$n")
        if ask "$SHOT" same "$before" && is_active Form4 && running; then
            nothing=$((nothing + 1))
        elif [ -z "$first_drawn" ]; then
            first_drawn="Text$n: $ANSWER; active: $(active_title)"
            first_shot=$SHOT
        fi
        activate "$FORM3"
        type_into "$FORM3" "${DEFAULTS[$((n - 1))]}" ${FIELD[$n]}
    done
    [ "$nothing" -eq 8 ]
    check "8 failed fields, each followed by a click into Form4: $nothing drew nothing" $? "$first_drawn" "$first_shot"
    running
    check "failed fields: the program is still running" $? ""

    # Extreme numbers, one field at a time: each drawing comes within a second, on a cleared
    # surface, with its axes and whatever of its curve falls on the surface in the next colour
    # (AVANTI brings the colour back to 1 after 7), and the program goes on.
    avanti
    local colour=1 values value quick=0 total=0 slowest=0 first_slow="" previous="" params elapsed t0
    first_shot=""
    for n in 1 2 3 4 5 6 7 8; do
        values="1e300 -1e300 1e-300 1.000"
        [ "$n" -ne 5 ] && values="$values 0"
        [ "$n" -ge 7 ] && values="$values 1e15"
        for value in $values; do
            total=$((total + 1))
            click "$FORM4" $F4_CANCELLA
            wait_for 5 is_active Form3
            [ -n "$previous" ] && type_into "$FORM3" "${DEFAULTS[$((previous - 1))]}" ${FIELD[$previous]}
            type_into "$FORM3" "$value" ${FIELD[$n]}
            previous=$n
            # In Italian 1.000 is a thousand.
            params=("${DEFAULTS[@]}")
            params[n - 1]=$(awk -v v="${value/1.000/1000}" 'BEGIN { print v + 0 }')
            colour=$((colour % 7 + 1))
            t0=$(now_ms)
            click "$FORM3" $F3_AVANTI
            if look_for "$FORM4" "robust-extreme-$n-$value" 3 axes "$FOREGROUND" "$INCR" "${params[@]}" &&
                elapsed=$((SHOT_MS - t0)) && [ "$elapsed" -le 1000 ] && not_shown Elica && running &&
                ask "$SHOT" dots "${PALETTE[$colour]}" "$INCR" "${params[@]}"; then
                quick=$((quick + 1))
                [ "$elapsed" -gt "$slowest" ] && slowest=$elapsed
            elif [ -z "$first_slow" ]; then
                first_slow="Text$n=$value: ${ANSWER}, seen after $((SHOT_MS - t0)) ms, running: $(running && echo yes || echo no)"
                first_shot=$SHOT
            fi
            running || break 2
        done
    done
    [ "$quick" -eq "$total" ]
    check "extreme numbers: $quick of $total drawn within a second (slowest seen after $slowest ms)" $? \
        "$first_slow" "$first_shot"

    click "$FORM4" $F4_RIPRENDI
    wait_for 5 is_active Form3
    click "$FORM3" $F3_ESCI
    wait_exit 10
    expect "ESCI on Form3 ends the program with status 0" "$EXIT_STATUS" 0
}

# --- Ending from the calibration screen ----------------------------------------------------------

calibration_exit() {
    echo "# ending from the calibration screen"
    start_app exit
    check "the program starts with Form1" $? "" || return
    click "$FORM1" $F1_AVANTI
    FORM2=$(window Form2)
    click "$FORM2" $F2_ESCI
    wait_exit 10
    expect "ESCI on Form2 ends the program with status 0" "$EXIT_STATUS" 0
}

# shellcheck source=access.sh
source "$E2E_DIR/access.sh"
# shellcheck source=view.sh
source "$E2E_DIR/view.sh"
# shellcheck source=opening.sh
source "$E2E_DIR/opening.sh"
# shellcheck source=motion.sh
source "$E2E_DIR/motion.sh"

# E2E_PARTS picks some of the parts, for a quicker run while working on them.
for part in ${E2E_PARTS:-walk robustness calibration_exit picture view opening motion keyboard accessibility scaled}; do
    started=$SECONDS
    $part
    # A part that stopped half-way may leave the program running; the next starts it afresh.
    stop_pid "$APP_PID"
    APP_PID=""
    echo "# $part: $((SECONDS - started)) s"
done
summary
