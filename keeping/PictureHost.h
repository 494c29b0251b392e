#pragma once
// What a picture menu works on: the picture that a window shows.

#include "picture/Picture.h"

class PictureHost {
public:
    virtual ~PictureHost() = default;
    // The picture as it is shown now.
    virtual Picture picture() = 0;
};
