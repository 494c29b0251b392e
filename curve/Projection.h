#pragma once
// The oblique axonometric projection: view coefficients from the two viewing
// angles and a model point's displacement on screen from the drawing centre.

namespace Projection {
struct View {
    double CA;
    double SA;
    double CB;
    double SB;
};

// Both pairs are cosines: the images of the X and Y axes always run at 45
// degrees, and the angles set only their lengths.
View view(double alphaDegrees, double betaDegrees, float P1);

struct Displacement {
    double M;
    double N;
};

// M = (-X) CA + Y CB and N = X SA + Y SB - Z, in double precision in this grouping.
// Inline: the curve projects thousands of points in a row.
inline Displacement transform(double X, double Y, double Z, const View &view)
{
    const double M = (-X) * view.CA + Y * view.CB;
    const double N = X * view.SA + Y * view.SB - Z;
    return {M, N};
}
}
