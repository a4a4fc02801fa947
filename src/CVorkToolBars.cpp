#include "CVorkToolBars.h"

#include <QImage>
#include <QPainter>

namespace {

const char kTabBackground[] = ":/images/tab_background.png";
const char kLogo[] = ":/images/logo.png";
const char kSubBackground[] = ":/images/main_up_sub_bg.png";

// Draws the whole of one image, scaled, over the whole widget.
void paintStretched(QWidget *widget, const char *path)
{
    QPainter painter(widget);
    painter.drawImage(QRect(0, 0, widget->width(), widget->height()), QImage(QString::fromLatin1(path)));
}

} // namespace

CMainToolBar::CMainToolBar(QWidget *parent) : QToolBar(parent)
{
}

void CMainToolBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int width = this->width();
    const int height = this->height();
    painter.drawImage(QRect(0, 0, width, height), QImage(QString::fromLatin1(kTabBackground)));
    // The logo keeps its own width: on a bar narrower than the logo its left part is cut off.
    const QImage logo(QString::fromLatin1(kLogo));
    painter.drawImage(QRect(width - logo.width(), 0, logo.width(), height), logo);
}

CFinderToolBar::CFinderToolBar(QWidget *parent) : QToolBar(parent)
{
}

void CFinderToolBar::paintEvent(QPaintEvent *)
{
    paintStretched(this, kSubBackground);
}

CPreAboutToolBar::CPreAboutToolBar(QWidget *parent) : QToolBar(parent)
{
}

void CPreAboutToolBar::paintEvent(QPaintEvent *)
{
    paintStretched(this, kSubBackground);
}

CRsrcMoniToolBar::CRsrcMoniToolBar(QWidget *parent) : QToolBar(parent)
{
}

void CRsrcMoniToolBar::paintEvent(QPaintEvent *)
{
    paintStretched(this, kSubBackground);
}
