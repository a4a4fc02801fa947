#ifndef TIMESCALEDRAW_H
#define TIMESCALEDRAW_H

#include <qwt_scale_draw.h>
#include <qwt_text.h>

// Scale draw of a line chart's x axis. The x values are sample numbers, the newest sample at the
// axis maximum; a tick is labelled with the number of whole groups of 12 samples it lies before
// the newest one ("0" at the maximum, "1" twelve samples earlier, ...). Ticks between groups stay
// unlabelled.
class TimeScaleDraw : public QwtScaleDraw
{
public:
    explicit TimeScaleDraw(int nMaximum);
    ~TimeScaleDraw() override;

    int getMaximum() const;
    // Stores a new axis maximum and drops the labels Qwt has cached for the old one, so the
    // next drawing of the axis labels the ticks from the new maximum.
    void setMaximum(int nMaximum);

    QwtText label(double value) const override;

private:
    int m_nMaximum;
};

#endif // TIMESCALEDRAW_H
