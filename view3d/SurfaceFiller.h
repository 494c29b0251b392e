#pragma once
// Draws the 3D view's lit surfaces, with lines and dots among them, into a 32-bit frame, with a
// depth buffer: nearer samples hide farther ones, whatever the order things are given in. Seen as
// the view's map says, in a true orthographic projection, and lit by SurfaceLight. Everything is
// given first, then draw() fills the whole frame on every core, in bands of rows; the picture does
// not depend on how many there are, to the last bit.

#include "curve/CurveSurface.h"
#include "view3d/ViewMap.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <vector>

struct FillOptions {
    // Four samples a pixel, for smooth edges; else one.
    bool smooth = false;
    // Leaves out what lies on the viewer's side of the vertical plane through the model's Z axis
    // that faces the viewer, and draws where it cuts each surface.
    bool section = false;
    // The cut's width, in device pixels.
    double cutWidth = 1;
    // How many threads; 0 for one a core.
    unsigned threads = 0;
};

class SurfaceFiller {
public:
    SurfaceFiller(const ViewMap &map, QSize devicePixels, const FillOptions &options);

    // Each is kept by reference until draw().
    // Lit on both sides, in this colour; with the section, cut, the cut in its darker shade.
    void addSurface(const SurfaceMesh &mesh, QRgb colour);
    // Squares of side device pixels where the view's dots are (DotPlotter), a little nearer than
    // their points so that they show on their own surface; with the section and cut, those on the
    // viewer's side are left out.
    void addDots(const std::vector<CurveModel::Point> &points, int side, QRgb colour, bool cut);
    // width in device pixels; never cut.
    void addLine(const CurveModel::Point &from, const CurveModel::Point &to, double width, QRgb colour);

    // Every pixel of image, a frame of devicePixels in Format_RGB32: background where nothing is.
    void draw(QImage &image, QRgb background);

private:
    struct Surface {
        const SurfaceMesh *mesh;
        QRgb colour;
    };
    struct Dots {
        const std::vector<CurveModel::Point> *points;
        int side;
        QRgb colour;
        bool cut;
    };
    struct Line {
        CurveModel::Point from, to;
        double width;
        QRgb colour;
    };
    class Frame;

    ViewMap m_map;
    QSize m_pixels;
    FillOptions m_options;
    std::vector<Surface> m_surfaces;
    std::vector<Dots> m_dots;
    std::vector<Line> m_lines;
};
