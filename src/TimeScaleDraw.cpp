#include "TimeScaleDraw.h"

#include <QString>
#include <cstdint>

TimeScaleDraw::TimeScaleDraw(int nMaximum)
    : QwtScaleDraw()
    , m_nMaximum(nMaximum)
{
}

TimeScaleDraw::~TimeScaleDraw()
{
}

int TimeScaleDraw::getMaximum() const
{
    return m_nMaximum;
}

void TimeScaleDraw::setMaximum(int nMaximum)
{
    m_nMaximum = nMaximum;
    invalidateCache();
}

QwtText TimeScaleDraw::label(double value) const
{
    const int n = static_cast<int>(value);  // truncation toward zero
    // Computed in unsigned 32-bit arithmetic: a tick past the maximum wraps to a large distance.
    const uint32_t d = static_cast<uint32_t>(m_nMaximum) - static_cast<uint32_t>(n);
    if (d % 12 != 0)
        return QwtText(QString(), QwtText::AutoText);
    return QwtText(QString("%1").arg(d / 12), QwtText::AutoText);
}
