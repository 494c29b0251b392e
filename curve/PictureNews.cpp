#include "curve/PictureNews.h"

void PictureNews::tellCurves(const PictureCurves &curves, bool drawn)
{
    m_curves = curves;
    const bool previewEnds = drawn && m_preview;
    if (previewEnds)
        m_preview.reset();
    emit curvesChanged();
    if (previewEnds)
        emit previewChanged();
}

void PictureNews::tellPreview(const Preview &preview)
{
    if (m_preview == preview)
        return;
    m_preview = preview;
    emit previewChanged();
}

void PictureNews::tellOpenedView(const ViewAngles &view)
{
    m_openedView = view;
    emit openedViewChanged();
}

std::optional<ViewAngles> PictureNews::takeOpenedView()
{
    return std::exchange(m_openedView, std::nullopt);
}
