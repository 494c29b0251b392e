#pragma once
// Where a model point falls in a frame of the 3D view, in device pixels:
// x = ox + xX X + xY Y, y = oy + yX X + yY Y + yZ Z, and how near it is to the viewer on the same
// scale: depth = oz + zX X + zY Y + zZ Z, larger nearer.

struct ViewMap {
    double ox, xX, xY;
    double oy, yX, yY, yZ;
    double oz, zX, zY, zZ;

    // Where a point lies from the vertical plane through the Z axis that faces the viewer, the
    // section's: above 0 on the viewer's side.
    double cutSide(double X, double Y) const { return xY * X - xX * Y; }
};
