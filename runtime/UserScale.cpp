#include "runtime/UserScale.h"
#include "runtime/Failure.h"
#include "runtime/Twips.h"

UserScale::UserScale(double dpi) : m_dpi(dpi) {}

void UserScale::setClientSize(QSizeF logicalPixels, double dpi)
{
    m_client = logicalPixels;
    m_dpi = dpi;
}

double UserScale::unitsPerPixel() const
{
    return m_mode == Centimetre ? 2.54 / m_dpi : Twips::perInch / m_dpi;
}

void UserScale::setScaleMode(int mode)
{
    if (mode != User && mode != Twip && mode != Centimetre)
        throw Failure::invalidProperty();
    if (mode == User) {
        m_userWidth = scaleWidth();
        m_userHeight = scaleHeight();
    }
    m_mode = mode;
}

float UserScale::scaleWidth() const
{
    return m_mode == User ? m_userWidth : float(m_client.width() * unitsPerPixel());
}

float UserScale::scaleHeight() const
{
    return m_mode == User ? m_userHeight : float(m_client.height() * unitsPerPixel());
}

void UserScale::setScaleWidth(float width)
{
    if (width == 0.0f)
        throw Failure::invalidProperty();
    setScaleMode(User);
    m_userWidth = width;
}

void UserScale::setScaleHeight(float height)
{
    if (height == 0.0f)
        throw Failure::invalidProperty();
    setScaleMode(User);
    m_userHeight = height;
}

UserScale::Mapping UserScale::mapping() const
{
    return {m_client.width(), double(scaleWidth()), m_client.height(), double(scaleHeight())};
}
