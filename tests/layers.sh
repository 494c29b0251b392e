#!/bin/sh
# The folders stand in layers, each only on those below it, and tell those above of changes
# through signals. The order is one list, lowest first; a folder inside a folder has a place of
# its own in it. Folders joined by "," stand side by side and know nothing of each other (the
# kinds of file); folders joined by "+" stand side by side and may include each other (the
# screens read each other's variables). Outside those no two parts (a header and its source)
# include each other, even through others.
# Prints every include that breaks the order, and every circle.
#   layers.sh SOURCE_FOLDER
cd "$1" || exit 2
order="runtime curve picture files/still,files/motion,files/models files keeping calibration+parameters+drawing+pages view3d app"
folders=$(echo "$order" | tr ' ,+' '\n\n\n')
for folder in $folders; do
    [ -d "$folder" ] || { echo "no folder $folder"; exit 1; }
done
# Every file of the listed folders, and any source folder the list forgets.
files=$(for folder in $folders; do ls "$folder"/*.h "$folder"/*.cpp 2>/dev/null; done)
forgotten=$(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||; s|/[^/]*$||' | sort -u \
    | grep -v -E '^(tests|e2e|bench|build[^/]*)(/|$)' | grep -v -x -F "$folders")
if [ -n "$forgotten" ]; then
    echo "folders with sources outside the order: $forgotten"
    exit 1
fi
exec awk -v order="$order" '
BEGIN {
    n = split(order, levels, " ")
    for (i = 1; i <= n; ++i) {
        mutual = index(levels[i], "+") > 0
        m = split(levels[i], peers, /[,+]/)
        for (k = 1; k <= m; ++k) {
            level[peers[k]] = i
            together[peers[k]] = mutual
        }
    }
}
function folderOf(path) {
    sub(/\/[^\/]*$/, "", path)
    return path
}
match($0, /#include "[a-z0-9]+(\/[a-z0-9]+)*\/[^"\/]*"/) {
    included = substr($0, RSTART + 10, RLENGTH - 11)
    from = folderOf(FILENAME)
    to = folderOf(included)
    mates = from != to && together[from] && together[to]
    if (!(to in level) || level[to] > level[from] || (level[to] == level[from] && from != to && !mates)) {
        print FILENAME ":" FNR ": " $0
        broken = 1
    }
    # A part is a file without its extension.
    a = FILENAME
    sub(/\.[a-z]+$/, "", a)
    b = included
    sub(/\.[a-z]+$/, "", b)
    if (a != b && !(together[from] && together[to]) && !((a, b) in edge)) {
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
' $files
