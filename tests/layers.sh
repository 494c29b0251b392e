#!/bin/sh
# The folders stand in layers, each only on those below it, and tell those above of changes
# through signals: runtime < curve < picture < the four screens < view3d < app. The screens'
# folders stand side by side and may include each other: screens read each other's variables.
# Prints every include that breaks the order.
#   layers.sh SOURCE_FOLDER
cd "$1" || exit 2
exec awk '
BEGIN {
    n = split("runtime curve picture calibration:screens parameters:screens drawing:screens pages:screens view3d app", order, " ")
    for (i = 1; i <= n; ++i) {
        split(order[i], part, ":")
        level[part[1]] = i
        side[part[1]] = part[2]
    }
}
match($0, /#include "[a-z0-9]+\/[^"]*"/) {
    included = substr($0, RSTART + 10, RLENGTH - 11)
    split(FILENAME, file, "/")
    split(included, target, "/")
    from = file[1]
    to = target[1]
    alongside = side[from] != "" && side[from] == side[to]
    if (!(to in level) || (level[to] > level[from] && !alongside)) {
        print FILENAME ":" FNR ": " $0
        broken = 1
    }
}
END { exit broken }
' runtime/*.[hc]* curve/*.[hc]* picture/*.[hc]* calibration/*.[hc]* parameters/*.[hc]* drawing/*.[hc]* pages/*.[hc]* view3d/*.[hc]* app/*.[hc]*
