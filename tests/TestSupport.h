#pragma once
// What the screen tests share: a log of what a surface was asked to draw, and
// the program's message boxes and ending recorded instead of shown.

#include "runtime/MessageBox.h"
#include "runtime/Program.h"
#include "runtime/Surface.h"

#include <QLineF>
#include <QList>
#include <QStringList>

struct Dot {
    float x;
    float y;
    QColor color;
    double X, Y, Z;
};

class DrawingLog : public SurfaceLog {
public:
    explicit DrawingLog(Surface &surface) : m_surface(surface) { surface.setLog(this); }
    ~DrawingLog() override { m_surface.setLog(nullptr); }

    void line(float x1, float y1, float x2, float y2) override { lines << QLineF(x1, y1, x2, y2); }
    void dot(float x, float y, const QColor &color) override { dots << Dot{x, y, color, 0, 0, 0}; }
    void cleared() override { ++clears; }

    QList<QLineF> lines;
    QList<Dot> dots;
    int clears = 0;

private:
    Surface &m_surface;
};

class ProgramRecorder {
public:
    ProgramRecorder()
    {
        Program::resetEnding();
        MessageBox::setPresenter([this](const QString &prompt) { messages << prompt; });
        Program::setTerminator([this](int status) { endings << status; });
    }
    ~ProgramRecorder()
    {
        MessageBox::setPresenter({});
        Program::setTerminator({});
        Program::resetEnding();
    }

    QStringList messages;
    QList<int> endings;
};
