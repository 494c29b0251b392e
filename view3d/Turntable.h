#pragma once
// How the 3D view looks at the model: a turntable with an azimuth about the vertical Z axis and
// an elevation above the X-Y plane, in degrees, seen in a true orthographic projection. The
// opening view is the isometric one, with X towards the lower left, Y towards the lower right and
// Z up, as on the drawing screen.

#include "picture/PictureDocument.h"

class Turntable {
public:
    static constexpr double openingAzimuth = 45;
    // arcsin(tan 30 degrees), about 35.26: the three axes look equally long.
    static double openingElevation();

    // A model point's direction on screen: one model unit along X, Y and Z moves the point by
    // (xX, xY, 0) to the right and by (yX, yY, yZ) downward.
    struct Axes {
        double xX, xY;
        double yX, yY, yZ;
    };

    double azimuth() const { return m_azimuth; }
    double elevation() const { return m_elevation; }
    ViewAngles angles() const { return {m_azimuth, m_elevation}; }
    // The azimuth is kept from 0 up to 360, the elevation from -90 to 90 (beyond, it stops).
    void setAngles(const ViewAngles &angles);
    void turn(double azimuthDegrees, double elevationDegrees);

    Axes axes() const;

private:
    double m_azimuth = openingAzimuth;
    double m_elevation = openingElevation();
};
