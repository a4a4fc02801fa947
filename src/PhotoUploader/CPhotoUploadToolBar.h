#ifndef CPHOTOUPLOADTOOLBAR_H
#define CPHOTOUPLOADTOOLBAR_H

#include <QToolBar>

class QPaintEvent;

// The photo-upload page's profile toolbar: paints only the sub-bar background image, scaled
// over the whole bar (no frame, no handle).
class CPhotoUploadToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CPhotoUploadToolBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // CPHOTOUPLOADTOOLBAR_H
