# shellcheck shell=bash
# A saved picture opened again: the question before the drawing is replaced, both answers, the
# curves drawn again pixel for pixel, and files that are no picture of the program. Sourced by
# run.sh after lib.sh and picture.sh.
# shellcheck disable=SC2086

open_path() { through_dialog ctrl+o "Apri immagine" "$1"; }

opening() {
    echo "# opening: a saved picture drawn again, the question before, files that are no picture"
    local saved="$WORK/opening" second=(30 15 10 5 3 1 45 45) key file
    rm -rf -- "$saved"
    mkdir -p "$saved"
    first_drawing opening || return
    save_as "$saved/curva.png"
    check "the picture saved as PNG" $? "" || return
    click "$FORM4" $F4_RIPRENDI
    wait_for 5 is_active Form3
    type_into "$FORM3" 30 ${FIELD[1]}
    avanti
    drawn opening-second 2 "${second[@]}"
    check "a second curve drawn over it in ${PALETTE[2]}" $? "$ANSWER" "$SHOT"
    PICTURE=$SHOT

    # "No" is the default: Return and Escape both keep the drawing.
    for key in Return Escape; do
        open_path "$saved/curva.png"
        expect_message "Ctrl+O and the PNG's path: a question first" "opening-question-$key"
        xdotool key "$key"
        gone Elica
        unchanged "opening-kept-$key" "$key answers No"
    done

    open_path "$saved/curva.png"
    message_box >/dev/null
    # Sì has no mnemonic: Tab takes the focus from No to it.
    xdotool key Tab space
    gone Elica
    look_for "$FORM4" opening-opened 5 same "$saved/curva.png"
    check "Sì: Form4's picture is the saved PNG, pixel for pixel" $? "$ANSWER" "$SHOT"
    PICTURE=$SHOT

    printf 'no picture\n' >"$saved/testo.png"
    : >"$saved/vuoto.png"
    for file in testo.png vuoto.png; do
        open_path "$saved/$file"
        expect_message "$file: a message box" "opening-bad-${file%.png}"
        # Were it the question, Tab and Space would answer Sì.
        xdotool key Tab space
        gone Elica && sleep 0.3 && not_shown Elica
        check "$file: one message, closed by its only button" $? ""
        unchanged "opening-bad-${file%.png}-after" "$file refused"
    done

    # A picture of version 1.1.0 as a PDF: its words give the curves, the second one in dark blue.
    open_path "$E2E_DIR/../tests/data/elica-1.1.0.pdf"
    message_box >/dev/null
    xdotool key Tab space
    gone Elica
    drawn opening-pdf-110 1 -20 15 10 5 -1.5 1 45 45
    check "a PDF of version 1.1.0 opens with its curves" $? "$ANSWER" "$SHOT"
    PICTURE=$SHOT

    # The file's last values come back into Form3, and the colours go on from the file's.
    click "$FORM4" $F4_RIPRENDI
    wait_for 5 is_active Form3
    avanti
    drawn opening-goes-on 2 -20 15 10 5 -1.5 1 45 45
    check "after opening, AVANTI draws the file's last values in ${PALETTE[2]}" $? "$ANSWER" "$SHOT"
    click "$FORM4" $F4_ESCI
    wait_exit 10
    expect "ESCI ends the program with status 0" "$EXIT_STATUS" 0
}
