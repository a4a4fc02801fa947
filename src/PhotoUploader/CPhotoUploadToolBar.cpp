#include "CPhotoUploadToolBar.h"

#include <QImage>
#include <QPainter>

CPhotoUploadToolBar::CPhotoUploadToolBar(QWidget *parent) : QToolBar(parent)
{
}

void CPhotoUploadToolBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QRect(0, 0, width(), height()),
                      QImage(QStringLiteral(":/images/main_up_sub_bg.png")));
}
