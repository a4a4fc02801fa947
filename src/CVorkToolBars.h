#ifndef CVORKTOOLBARS_H
#define CVORKTOOLBARS_H

#include <QToolBar>

class QPaintEvent;

// Toolbars whose only job is to paint a background image behind their buttons. None of them
// calls the base painting, so the image replaces the toolbar's own frame. Images are loaded
// on every paint.

// The main window's page toolbar: the tab background stretched over the bar, then the logo
// flush with the right edge at its own width and the bar's full height.
class CMainToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CMainToolBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The finder page's toolbar: the sub-bar background stretched over the bar.
class CFinderToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CFinderToolBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The toolbar with the Preferences, About and Help buttons of the pages.
class CPreAboutToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CPreAboutToolBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The resource-monitor page's toolbar.
class CRsrcMoniToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CRsrcMoniToolBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // CVORKTOOLBARS_H
