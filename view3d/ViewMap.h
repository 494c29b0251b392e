#pragma once
// Where a model point falls in a frame of the 3D view, in device pixels:
// x = ox + xX X + xY Y, y = oy + yX X + yY Y + yZ Z.

struct ViewMap {
    double ox, xX, xY;
    double oy, yX, yY, yZ;
};
