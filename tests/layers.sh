#!/bin/sh
# Which folders a folder's files may include: each stands only on those below it, and tells those
# above it of changes through signals. Prints every include that breaks the rule.
#   layers.sh SOURCE_FOLDER
cd "$1" || exit 2
status=0
# folder: the folders it may include from (besides its own)
while IFS=: read -r folder allowed; do
    for file in "$folder"/*.h "$folder"/*.cpp; do
        grep -HnE '#include "[a-z0-9]+/' "$file" | while IFS= read -r line; do
            included=$(echo "$line" | sed -E 's/.*#include "([a-z0-9]+)\/([^"]*)".*/\1/')
            name=$(echo "$line" | sed -E 's/.*#include "([^"]*)".*/\1/')
            case " $folder $allowed " in
                *" $included "*) ;;
                *) echo "$line" ;;
            esac
            # The 3D view stands on the curve, not on the screens.
            [ "$folder" = view3d ] && [ "$name" = drawing/Form4.h ] && echo "$line"
        done
    done
done <<'LAYERS' | grep . && status=1
runtime:
picture: runtime
calibration: runtime picture parameters drawing pages
parameters: runtime picture calibration drawing pages
drawing: runtime picture calibration parameters pages
pages: runtime picture calibration parameters drawing
view3d: runtime picture drawing
LAYERS
exit $status
