# shellcheck shell=bash
# The 3D view beside the drawing screen: opening it, turning it with the mouse and the keys, the
# steady turn, the preview of the parameters being typed, and the way back to the drawing screen,
# which must not draw again. Sourced by run.sh after lib.sh, picture.sh and access.sh.
# shellcheck disable=SC2086

# view_status: the view's status line, selected with the mouse as a person would copy it.
view_status() {
    local ox oy w h
    read -r ox oy w h < <(client_area "$VIEW")
    xdotool mousemove $((ox + 2)) $((oy + h - 8)) mousedown 1 mousemove $((ox + w - 2)) $((oy + h - 8)) mouseup 1
    sleep 0.1
    timeout 5 xclip -o -selection primary
}

# drag_view X0 Y0 X1 Y1: the left button pressed at X0 Y0 from the view's centre, the pointer
# brought to X1 Y1 in steps, the button released there.
drag_view() {
    local ox oy w h i
    read -r ox oy w h < <(client_area "$VIEW")
    ox=$((ox + w / 2)) oy=$((oy + h / 2))
    xdotool mousemove $((ox + $1)) $((oy + $2)) sleep 0.05 mousedown 1
    for i in 1 2 3 4 5 6; do
        xdotool sleep 0.03 mousemove $((ox + $1 + ($3 - $1) * i / 6)) $((oy + $2 + ($4 - $2) * i / 6))
    done
    xdotool sleep 0.05 mouseup 1
    sleep 0.3
}

# view_shot NAME: the view in front, its screenshot in SHOT.
view_shot() {
    activate "$VIEW"
    sleep 0.3
    SHOT=$(shot "$VIEW" "$1")
}

view() {
    echo "# 3D view: opening, turning, steady turn, preview of the parameters"
    first_drawing view || return

    xdotool key ctrl+3
    VIEW=$(window "Vista 3D") && wait_for 5 is_active "Vista 3D"
    check "Ctrl+3 on Form4 brings up Vista 3D" $? "active: $(active_title)" || return
    local w h state start
    read -r _ _ w h < <(client_area "$VIEW")
    state=$(xprop -id "$VIEW" _NET_WM_STATE)
    within_one "$w" 853 && within_one "$h" 683 && [[ $state != *MAXIMIZED* ]]
    check "Vista 3D takes two thirds of the screen, not maximised" $? "${w}x$h, $state"
    view_shot view-opening
    start=$SHOT
    ask "$start" shows "${PALETTE[1]}" &&
        [ "$("$PYTHON" "$E2E_DIR/picture.py" "$start" pixel 4 4)" = "$("$PYTHON" "$E2E_DIR/picture.py" "$PICTURE" pixel 4 4)" ]
    check "the view shows the curve in ${PALETTE[1]} on Form4's grey" $? "$ANSWER" "$start"
    expect "the status line at the opening view" "$(view_status)" "Azimut 45°, elevazione 35,3°, ingrandimento 100%"

    # Across 0,5° a pixel, and up as much; back to where the button went down, the same view.
    drag_view 0 0 60 -20
    view_shot view-dragged
    ! ask "$SHOT" same "$start"
    check "a drag turns the view" $? "$ANSWER" "$SHOT"
    expect "a drag of 60 pixels right and 20 up: the angles" "$(view_status)" "Azimut 75°, elevazione 45,3°, ingrandimento 100%"
    drag_view 60 -20 0 0
    view_shot view-dragged-back
    ask "$SHOT" same "$start"
    check "a drag back to the start gives back the opening picture" $? "$ANSWER" "$SHOT"

    xdotool key --delay 40 Right Right Right shift+Right Up plus
    view_shot view-keys
    ! ask "$SHOT" same "$start"
    check "arrow keys and + change the view" $? "$ANSWER" "$SHOT"
    expect "Right x3, Shift+Right, Up and +: the angles and the zoom" "$(view_status)" \
        "Azimut 61°, elevazione 40,3°, ingrandimento 125%"
    xdotool key Home
    view_shot view-home
    ask "$SHOT" same "$start"
    check "Home gives back the opening picture" $? "$ANSWER" "$SHOT"

    # S steps through the looks, X cuts the figure open along its axis; back to the dots, the
    # opening picture again.
    local surface
    xdotool key s
    view_shot view-surface
    surface=$SHOT
    ! ask "$surface" same "$start"
    check "S draws the curve as a lit surface" $? "$ANSWER" "$surface"
    expect "the status line names the look" "$(view_status)" "Azimut 45°, elevazione 35,3°, ingrandimento 100%; superficie"
    xdotool key x
    view_shot view-section
    ! ask "$SHOT" same "$surface"
    check "X cuts the surface open" $? "$ANSWER" "$SHOT"
    expect "the status line names the section" "$(view_status)" \
        "Azimut 45°, elevazione 35,3°, ingrandimento 100%; superficie, sezione"
    xdotool key --delay 40 x s s
    view_shot view-dots-again
    ask "$SHOT" same "$start"
    check "X again and S twice give back the dots" $? "$ANSWER" "$SHOT"
    expect "the status line at the dots again" "$(view_status)" "Azimut 45°, elevazione 35,3°, ingrandimento 100%"

    local first second
    xdotool key space
    sleep 0.3
    first=$(shot "$VIEW" view-turning-1)
    sleep 0.5
    second=$(shot "$VIEW" view-turning-2)
    ! ask "$second" same "$first"
    check "Space starts a steady turn" $? "$ANSWER" "$second"
    xdotool key space
    sleep 0.3
    first=$(shot "$VIEW" view-stopped-1)
    sleep 0.5
    second=$(shot "$VIEW" view-stopped-2)
    ask "$second" same "$first"
    check "Space again stops it" $? "$ANSWER" "$second"
    xdotool key Home

    activate "$FORM4"
    unchanged view-back-to-form4 "from the view back to Form4"

    # Up in a field steps its value by one unit, Shift+Up by ten; the view shows the curve the fields now describe, in the
    # colour the next AVANTI will give, and Form4 keeps its picture until then.
    local stepped=(31 15 10 5 3 1 45 45)
    click "$FORM4" $F4_RIPRENDI
    wait_for 5 is_active Form3
    click "$FORM3" ${FIELD[1]}
    xdotool key --delay 40 Up shift+Up
    expect "Up and Shift+Up in Text1 step 20 to 31" "$(copied_text "$FORM3" ${FIELD[1]})" 31
    view_shot view-preview
    ask "$SHOT" shows "${PALETTE[2]}"
    check "the view previews the new values in ${PALETTE[2]}" $? "$ANSWER" "$SHOT"
    expect "the status line names the preview" "$(view_status)" \
        "Azimut 45°, elevazione 35,3°, ingrandimento 100%; anteprima: curva 2, verde scuro"
    xdotool windowraise "$FORM4"
    sleep 0.3
    SHOT=$(shot "$FORM4" view-preview-form4)
    ask "$SHOT" same "$PICTURE"
    check "the preview leaves Form4's picture alone" $? "$ANSWER" "$SHOT"
    activate "$FORM3"
    avanti
    drawn view-avanti 2 "${stepped[@]}"
    check "AVANTI draws the previewed curve on Form4 in ${PALETTE[2]}" $? "$ANSWER" "$SHOT"
    PICTURE=$SHOT
    view_shot view-after-avanti
    expect "the preview is now a curve of the picture" "$(view_status)" "Azimut 45°, elevazione 35,3°, ingrandimento 100%"
    activate "$FORM4"
    unchanged view-back-again "from the view back to Form4 after AVANTI"

    activate "$VIEW"
    xdotool key alt+F4
    gone "Vista 3D" && running
    check "closing the view hides it, the program goes on" $? ""
    activate "$FORM4"
    click "$FORM4" $F4_ESCI
    wait_exit 10
    expect "ESCI ends the program with status 0" "$EXIT_STATUS" 0
}
