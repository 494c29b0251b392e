# shellcheck shell=bash
# The 3D view in motion: A shows the strip and the passo of the fields' curve moves by itself while
# the drawing screen keeps its picture; "Usa questo valore" types the value into PASSO and AVANTI
# draws it; "Salva animazione…" saves with its progress, the view usable meanwhile, and a save
# cancelled leaves nothing; an MP4 too, its progress row coming and going, its boxes read back; a
# turn of the lit surface as a GIF and as a WebP.
# Sourced by run.sh after lib.sh, picture.sh and view.sh.
# shellcheck disable=SC2086

# save_motion PATH [SECONDS]: Ctrl+Shift+S in the view, the motion dialog taken as it comes (Enter)
# or, with SECONDS, a turn alone that long, then the file dialog with the path typed.
save_motion() {
    activate "$VIEW"
    xdotool key ctrl+shift+s
    wait_for 5 is_active "Salva animazione" || return 1
    if [ -n "${2:-}" ]; then
        xdotool key alt+g alt+d ctrl+a
        xdotool type --delay 8 -- "$2"
    fi
    xdotool key Return
    sleep 0.5
    wait_for 5 is_active "Salva animazione" || return 1
    xdotool type --delay 8 -- "$1"
    xdotool key Return
    gone "Salva animazione" 10
}

# progress_band: x y width height of a band across the view where the progress row of a save
# comes, above the status line (some 24 pixels high) and in the row (some 36).
progress_band() {
    local w h
    read -r _ _ w h < <(client_area "$VIEW")
    echo 0 $((h - 58)) "$w" 30
}

motion() {
    echo "# the view in motion: a value moving, used, and the motion saved"
    local saved="$WORK/motion" first second passo
    rm -rf -- "$saved"
    mkdir -p "$saved"
    first_drawing motion || return
    xdotool key ctrl+3
    VIEW=$(window "Vista 3D") && wait_for 5 is_active "Vista 3D"
    check "Ctrl+3 brings up Vista 3D" $? "active: $(active_title)" || return

    xdotool key a
    sleep 0.4
    first=$(shot "$VIEW" motion-moving-1)
    sleep 0.6
    second=$(shot "$VIEW" motion-moving-2)
    ! ask "$second" same "$first" && ask "$second" shows "${PALETTE[2]}"
    check "A: the fields' curve moves in ${PALETTE[2]}" $? "$ANSWER" "$second"
    [[ "$(view_status)" == *"; anima passo: "* ]]
    check "the status line names the value moving" $? "$(view_status)"
    xdotool windowraise "$FORM4"
    sleep 0.3
    SHOT=$(shot "$FORM4" motion-form4)
    ask "$SHOT" same "$PICTURE"
    check "the motion leaves Form4's picture alone" $? "$ANSWER" "$SHOT"

    # Paused, the value stays; "Usa questo valore" types it into PASSO.
    activate "$VIEW"
    xdotool key alt+p
    sleep 0.2
    xdotool key alt+u
    local shown
    shown=$(view_status | sed 's/.*anima passo: //')
    activate "$FORM3"
    passo=$(copied_text "$FORM3" ${FIELD[6]})
    [[ "$passo" =~ ^[01](,[0-9]+)?$ ]] && [ "$shown" = "$(LC_ALL=C printf '%.2f' "${passo/,/.}" | sed 's/0*$//; s/\.$//; s/\./,/')" ]
    check "Usa questo valore: PASSO holds the value shown" $? "PASSO '$passo', status '$shown'"
    avanti
    drawn motion-used 2 20 15 10 5 3 "${passo/,/.}" 45 45
    check "AVANTI draws the value used, in ${PALETTE[2]}" $? "$ANSWER" "$SHOT"
    PICTURE=$SHOT

    # A long save, cancelled: the view answers meanwhile, and nothing is written.
    save_motion "$saved/lunga.webp"
    SHOT=$(shot "$VIEW" motion-saving)
    # Into the picture first: the strip's controls have the keys for themselves.
    local ox oy w h
    read -r ox oy w h < <(client_area "$VIEW")
    xdotool mousemove $((ox + w / 2)) $((oy + 40)) click 1
    xdotool key Right
    [[ "$(view_status)" == "Azimut 50°"* ]]
    check "while it saves, the view still turns" $? "$(view_status)" "$SHOT"
    xdotool key alt+n
    # Long enough for the whole file to have come, had it not been cancelled.
    sleep 5
    [ -z "$(ls -A "$saved")" ]
    check "Annulla: nothing is left in the folder" $? "$(ls "$saved")"

    # An MP4 of a long turn, cancelled while its progress row shows: once the row has gone,
    # nothing is left either.
    local still band
    still=$(shot "$VIEW" motion-mp4-still)
    band=$(progress_band)
    save_motion "$saved/lunga.mp4" 60
    look_for "$VIEW" motion-mp4-cancelling 5 differs $band "$still"
    check "a turn of 60 s to MP4: the progress row shows" $? "$ANSWER" "$SHOT"
    xdotool key alt+n
    look_for "$VIEW" motion-mp4-cancelled 10 same "$still"
    check "Annulla on the MP4: the progress row goes" $? "$ANSWER" "$SHOT"
    [ -z "$(ls -A "$saved")" ]
    check "Annulla on the MP4: nothing is left in the folder" $? "$(ls "$saved")"

    save_motion "$saved/conchiglia.gif"
    wait_for 20 test -s "$saved/conchiglia.gif"
    check "the motion saved as a GIF" $? "" "$(shot root motion-saved)"
    sleep 0.5
    expect "the GIF turns and moves the value in 200 frames" "$(identify "$saved/conchiglia.gif" 2>/dev/null | wc -l)" 200

    save_motion "$saved/conchiglia.mp4"
    look_for "$VIEW" motion-mp4-saving 5 differs $band "$still"
    check "saving to MP4: the progress row shows" $? "$ANSWER" "$SHOT"
    wait_for 20 test -s "$saved/conchiglia.mp4"
    check "the motion saved as an MP4" $? "" "$(shot root motion-mp4-saved)"
    look_for "$VIEW" motion-mp4-done 5 same "$still"
    check "the MP4 saved: the progress row goes" $? "$ANSWER" "$SHOT"
    expect "the MP4: its index before the frames, 200 frames of H.264" \
        "$("$PYTHON" "$E2E_DIR/mp4.py" "$saved/conchiglia.mp4")" "isom: ftyp moov mdat; avc1; 200 frames"
    activate "$VIEW"
    xdotool key Escape
    sleep 0.3
    [[ "$(view_status)" != *anima* ]]
    check "Escape closes the strip" $? "$(view_status)"

    # A turn of the lit surface, from the same dialog, as a GIF and as a WebP, each saying its look.
    xdotool key s
    [[ "$(view_status)" == *"; superficie" ]]
    check "S: the view draws the surface" $? "$(view_status)"
    save_motion "$saved/superficie.gif" 2
    wait_for 30 test -s "$saved/superficie.gif"
    check "a turn of the surface saved as a GIF" $? "" "$(shot root motion-surface-gif)"
    sleep 0.5
    expect "the surface's GIF turns in 50 frames" "$(identify "$saved/superficie.gif" 2>/dev/null | wc -l)" 50
    identify -format '%c' "$saved/superficie.gif[0]" 2>/dev/null | grep -q '^look superficie$'
    check "the GIF's words say the surface" $? "$(identify -format '%c' "$saved/superficie.gif[0]" 2>/dev/null | grep look)"
    save_motion "$saved/superficie.webp" 2
    wait_for 30 test -s "$saved/superficie.webp"
    check "a turn of the surface saved as a WebP" $? "" "$(shot root motion-surface-webp)"
    sleep 0.5
    expect "the surface's WebP turns in 50 frames" "$(webpmux -info "$saved/superficie.webp" 2>/dev/null | sed -n 's/^Number of frames: //p')" 50
    grep -q -a '^look superficie$' "$saved/superficie.webp"
    check "the WebP's words say the surface" $? ""
    activate "$FORM4"
    click "$FORM4" $F4_ESCI
    wait_exit 10
    expect "ESCI ends the program with status 0" "$EXIT_STATUS" 0
}
