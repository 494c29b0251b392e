#!/bin/sh
# The folders stand in layers, each only on those below it, and tell those above of changes
# through signals: runtime < curve < picture < the four screens < view3d < app. The screens'
# folders stand side by side and may include each other: screens read each other's variables.
# Outside them no two parts (a header and its source) include each other, even through others.
# Prints every include that breaks the order, and every circle.
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
    # A part is a file without its extension.
    a = FILENAME
    sub(/\.[a-z]+$/, "", a)
    b = included
    sub(/\.[a-z]+$/, "", b)
    if (a != b && side[from] == "" && side[to] == "" && !((a, b) in edge)) {
        edge[a, b] = 1
        out[a] = out[a] " " b
    }
}
# Depth first from every part: a part met again while it is still open closes a circle.
function visit(p,    list, k, m) {
    state[p] = 1
    path[++depth] = p
    m = split(out[p], list, " ")
    for (k = 1; k <= m; ++k) {
        if ((list[k] in state) && state[list[k]] == 1) {
            circle = list[k]
            for (j = depth; path[j] != list[k]; --j)
                circle = path[j] " -> " circle
            print "include circle: " list[k] " -> " circle
            broken = 1
        } else if (!(list[k] in state)) {
            visit(list[k])
        }
    }
    --depth
    state[p] = 2
}
END {
    for (p in out)
        if (!(p in state))
            visit(p)
    exit broken
}
' runtime/*.[hc]* curve/*.[hc]* picture/*.[hc]* calibration/*.[hc]* parameters/*.[hc]* drawing/*.[hc]* pages/*.[hc]* view3d/*.[hc]* app/*.[hc]*
