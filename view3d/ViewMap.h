#pragma once
// Where a model point falls in a frame of the 3D view, in device pixels:
// x = ox + xX X + xY Y, y = oy + yX X + yY Y + yZ Z, and how near it is to the viewer on the same
// scale: depth = oz + zX X + zY Y + zZ Z, larger nearer.

struct ViewMap {
    double ox, xX, xY;
    double oy, yX, yY, yZ;
    double oz, zX, zY, zZ;
};
