#pragma once
// How the 3D view looks at the model: a turntable with an azimuth about the vertical Z axis and
// an elevation above the X-Y plane, in degrees, seen in a true orthographic projection. The
// opening view is the isometric one, with X towards the lower left, Y towards the lower right and
// Z up, as on the drawing screen.

#include "curve/PictureDocument.h"

class Turntable {
public:
    static constexpr double openingAzimuth = 45;

    // How far the view is turned from the angles it was last set to (at first the opening ones).
    // Turns are kept apart from those angles: sums of whole and half degrees are exact, so a turn
    // and its reverse give back the very same view.
    struct Turn {
        double azimuth = 0;
        double elevation = 0;
    };

    // A model point's direction on screen: one model unit along X, Y and Z moves the point by
    // (xX, xY, 0) to the right, by (yX, yY, yZ) downward and by (zX, zY, zZ) towards the viewer.
    struct Axes {
        double xX, xY;
        double yX, yY, yZ;
        double zX, zY, zZ;
        bool operator==(const Axes &) const = default;
    };

    const Turn &turned() const { return m_turn; }
    // The azimuth turns round; the elevation stops at -90 and 90 degrees.
    void setTurned(const Turn &turn);
    void turn(double azimuthDegrees, double elevationDegrees);

    // From 0 up to 360, and from -90 to 90.
    double azimuth() const;
    double elevation() const;
    ViewAngles angles() const { return {azimuth(), elevation()}; }
    // Not turned from these angles (elevation kept within its stops).
    void setAngles(const ViewAngles &angles);

    Axes axes() const;

private:
    // arcsin(tan 30 degrees), about 35.26: the three axes look equally long.
    static double openingElevation();

    ViewAngles m_base{openingAzimuth, openingElevation()};
    Turn m_turn;
};
