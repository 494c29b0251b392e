#pragma once
// What a picture menu works on: the picture that a window shows, and how that window takes a
// picture opened from a file.

#include "picture/Picture.h"

class PictureHost {
public:
    virtual ~PictureHost() = default;
    // The picture as it is shown now.
    virtual Picture picture() = 0;
    virtual bool holdsCurves() const = 0;
    // Replaces the picture by a file's; the document has passed every check.
    virtual void open(const PictureDocument &document) = 0;
};
