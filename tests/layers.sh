#!/bin/sh
# Which folders a folder's files may include: each stands only on those below it, and tells those
# above it of changes through signals. Prints every include that breaks the rule.
#   layers.sh SOURCE_FOLDER
cd "$1" || exit 2
exec awk '
BEGIN {
    # folder: the folders it may include from, besides its own
    may["runtime"] = ""
    may["picture"] = "runtime"
    may["calibration"] = "runtime picture parameters drawing pages"
    may["parameters"] = "runtime picture calibration drawing pages"
    may["drawing"] = "runtime picture calibration parameters pages"
    may["pages"] = "runtime picture calibration parameters drawing"
    may["view3d"] = "runtime picture drawing"
}
match($0, /#include "[a-z0-9]+\/[^"]*"/) {
    included = substr($0, RSTART + 10, RLENGTH - 11)
    split(FILENAME, file, "/")
    split(included, target, "/")
    wrong = target[1] != file[1] && index(" " may[file[1]] " ", " " target[1] " ") == 0
    # The 3D view stands on the curve, not on the screens.
    wrong = wrong || (file[1] == "view3d" && included == "drawing/Form4.h")
    if (wrong) {
        print FILENAME ":" FNR ": " $0
        broken = 1
    }
}
END { exit broken }
' runtime/*.[hc]* picture/*.[hc]* calibration/*.[hc]* parameters/*.[hc]* drawing/*.[hc]* pages/*.[hc]* view3d/*.[hc]*
