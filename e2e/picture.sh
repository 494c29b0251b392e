# shellcheck shell=bash
# The drawing screen's picture kept: the menu from a right click, the Menu key and Shift+F10;
# saving with Ctrl+S, a typed path and Enter as PNG, SVG and PDF; copying with Ctrl+C; the print
# dialog; a save that fails. None of them may draw again. Sourced by run.sh after lib.sh, whose
# helpers and the layouts and steps of run.sh it uses.
# The layouts are lists of numbers, split into a command's arguments on purpose.
# shellcheck disable=SC2086

# A menu of the program is up: a window of its own that the window manager does not frame.
menu_shown() {
    local id
    for id in $(xdotool search --onlyvisible --class elica 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
menu_gone() { ! menu_shown; }

# unchanged NAME: the drawing screen is in front and its picture is the one in $PICTURE, so no
# activation drew again.
unchanged() {
    wait_for 5 is_active Form4
    sleep 0.3
    SHOT=$(shot "$FORM4" "$1")
    ask "$SHOT" same "$PICTURE" && is_active Form4
    check "$2: nothing drawn again" $? "$ANSWER; active: $(active_title)" "$SHOT"
}

# through_dialog KEYS TITLE PATH: from the drawing screen, the keys that open a file dialog, the
# path typed into its name field, Enter.
through_dialog() {
    wait_for 5 is_active Form4 || return 1
    xdotool key "$1"
    wait_for 5 is_active "$2" || return 1
    xdotool type --delay 8 -- "$3"
    xdotool key Return
    gone "$2"
}

# save_as PATH: saved through the dialog; true once the file is there (it appears whole, when the
# writing is done).
save_as() { through_dialog ctrl+s "Salva immagine" "$1" && wait_for 10 test -e "$1"; }

picture() {
    echo "# picture: context menu, save as PNG, SVG and PDF, copy, print, a failed save"
    local saved="$WORK/pictures"
    rm -rf -- "$saved"
    mkdir -p "$saved"
    first_drawing picture || return

    local how
    for how in "right click" Menu shift+F10; do
        if [ "$how" = "right click" ]; then
            click_at "$FORM4" 900 500 >/dev/null
            xdotool click 3
        else
            xdotool key "$how"
        fi
        wait_for 3 menu_shown
        check "$how opens the picture's menu" $? "" "$(shot root "picture-menu-${how// /-}")"
        xdotool key Escape
        wait_for 3 menu_gone
        check "Escape closes the menu" $? ""
        unchanged "picture-after-menu-${how// /-}" "menu closed after $how"
    done

    save_as "$saved/curva.png"
    check "Ctrl+S, a path and Enter save the picture" $? ""
    unchanged picture-after-png "back from the save dialog"
    ask "$SHOT" same "$saved/curva.png"
    check "the PNG's pixels are the picture on screen" $? "$ANSWER" "$SHOT"

    save_as "$saved/curva.svg" && convert +antialias "$saved/curva.svg" "$saved/svg.png" 2>/dev/null
    ask "$saved/svg.png" curve "${PALETTE[1]}" "$INCR" "${DEFAULTS[@]}"
    check "the SVG holds the curve" $? "$ANSWER" "$saved/svg.png"
    save_as "$saved/curva.pdf"
    pdftoppm -r 96 -aa no -aaVector no -png -singlefile "$saved/curva.pdf" "$saved/pdf" 2>/dev/null
    ask "$saved/pdf.png" curve "${PALETTE[1]}" "$INCR" "${DEFAULTS[@]}"
    check "the PDF holds the curve" $? "$ANSWER" "$saved/pdf.png"
    unchanged picture-after-pdf "back from saving the SVG and the PDF"

    xdotool key ctrl+c
    sleep 0.3
    local size targets w h
    size=$(timeout 5 xclip -selection clipboard -t image/png -o 2>/dev/null | identify -format '%wx%h' - 2>/dev/null)
    read -r _ _ w h < <(client_area "$FORM4")
    expect "Ctrl+C puts an image of the picture's size on the clipboard" "$size" "${w}x${h}"
    targets=$(timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null | tr '\n' ' ')
    [[ "$targets" == *image/svg+xml* ]]
    check "the clipboard offers the picture as SVG too" $? "$targets"

    xdotool key ctrl+p
    wait_for 5 is_active Stampa
    check "Ctrl+P opens the print dialog" $? "active: $(active_title)" "$(shot root picture-print)"
    xdotool key Escape
    gone Stampa
    check "Escape closes the print dialog" $? ""
    unchanged picture-after-print "back from the print dialog"

    through_dialog ctrl+s "Salva immagine" "$saved/manca/curva.png"
    expect_message "a save into a folder that does not exist: a message box" picture-save-failed
    close_message_box
    [ ! -e "$saved/manca" ]
    check "the failed save wrote nothing" $? ""
    unchanged picture-after-failure "after the failed save"

    click "$FORM4" $F4_RIPRENDI
    wait_for 5 is_active Form3
    avanti
    drawn picture-goes-on 2 "${DEFAULTS[@]}"
    check "after all that, the next drawing comes in ${PALETTE[2]}" $? "$ANSWER" "$SHOT"
    local file
    for file in "$saved"/curva.*; do echo "#   $(stat -c %s "$file") bytes: ${file##*/}"; done

    click "$FORM4" $F4_ESCI
    wait_exit 10
    expect "ESCI ends the program with status 0" "$EXIT_STATUS" 0
}
