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

void PictureNews::tellOpened(const PictureDocument &document)
{
    m_lastOpened = document;
    emit pictureOpened(document);
}
