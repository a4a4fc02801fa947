#ifndef CVORKWINDOWRSRCMON_H
#define CVORKWINDOWRSRCMON_H

#include <QList>
#include <QMap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <json/value.h>

#include "CVorkNasinfoMap.h"
#include "CVorkWindowMainTab.h"
#include "ui_CVorkWindowRsrcMon.h"

class CQuenRsrcMonGrid;
class CRsrcConfig;
class CRsrcConnect;
class CVorkWidgetPlotLine;
class CVorkWidgetPlotPie;
class QAction;
class QCloseEvent;
class QEvent;
class QGridLayout;
class QTimer;
class QTreeWidgetItem;
class QWidget;

// The resource-monitor page of the main window.
//
// Left: the stored resource-monitor profiles, one row per server (name, connection icon,
// account). Right: for the current row a status text, or the live charts of a connected server
// (CPU and memory in the first row, then one chart per network interface and one pie per
// volume, two frames per row).
//
// The page owns every profile record it is handed and one polling client per profile. Its own
// 3000 ms refresh timer reads the clients' status and last replies and redraws the status
// column and the right side; the clients send no signals. Adding and editing a profile are
// handed to the main window (signalRsrcAdd, signalRsrcEdit), which runs the profile wizard and
// calls back slotConfigRemoved / slotConfigAdded. GUI thread only.
class CVorkWindowRsrcMon : public CVorkWindowMainTab, public Ui::CVorkWindowRsrcMon
{
    Q_OBJECT

public:
    // Interval of the page's refresh timer.
    static const int REFRESH_INTERVAL_MS = 3000;

    explicit CVorkWindowRsrcMon(QWidget *parent = nullptr);
    ~CVorkWindowRsrcMon() override;

    // The page never holds up quitting.
    bool hasUnfinishedTasks() override;

    // Display name of a network interface: "LAN 2" for eth1 of kind "lan", "Wireless" for
    // wlan0, "(unknown)tun0" for a name or kind the page does not know.
    QString getNetName(const QString &strName, const QString &strKind) const;
    // The text of a volume state word (trimmed, any case); empty for an unknown word.
    static QString getVolStatusText(const QString &strWord);
    // Fills the table of volume state words once; the constructor calls it.
    static void initVolStatusKeys();

    // Read-only views of the chart side, for inspection.
    QTimer *refreshTimer() const { return m_pTimerRefresh; }
    QGridLayout *chartGrid() const { return m_pgridCharts; }
    CVorkWidgetPlotLine *cpuChart() const { return m_pPlotCpu; }
    CVorkWidgetPlotLine *memoryChart() const { return m_pPlotMem; }
    CQuenRsrcMonGrid *fixedFrame(int index) const;
    unsigned int fixedFramesInUse() const { return m_uFixedGridsInUse; }
    QMap<QString, CVorkWidgetPlotLine *> networkCharts() const { return m_mapNetPlots; }
    QMap<QString, CQuenRsrcMonGrid *> networkFrames() const { return m_mapNetGrids; }
    QMap<int, CVorkWidgetPlotPie *> volumeCharts() const { return m_mapVolPlots; }
    QMap<int, CQuenRsrcMonGrid *> volumeFrames() const { return m_mapVolGrids; }
    // The client of a profile name as shown, or null.
    CRsrcConnect *connection(const QString &strProfile) const;

signals:
    void signalRsrcAdd(CVorkNasinfoMap::TKey key);
    void signalRsrcEdit(QString strProfile);
    void signalAboutTriggered();
    void signalPrefTriggered();

public slots:
    void slotDelayedInit() override;
    void slotConfigChanged();
    void slotConfigAdded(CRsrcConfig *config);
    void slotConfigRemoved(QString strProfile, QTreeWidgetItem *item = nullptr);
    void slotConfigTrigged(QString strProfile);

protected:
    void closeEvent(QCloseEvent *event) override;
    void languageChange() override;
    void changeEvent(QEvent *event) override;

private slots:
    void slotAddTrigged();
    void slotEditTrigged();
    void slotRemoveTrigged();
    void slotConnectTrigged();
    void slotDisconnectTrigged();
    void slotRefrash();
    void slotShowContextMenu(QPoint ptPosition);
    void slotAboutTriggered();
    void slotPrefTriggered();
    void slotHelpTriggered();

private:
    // Host list.
    void addItem(CRsrcConfig *config);
    QTreeWidgetItem *findItem(const QString &strProfile) const;
    void removeItem(QTreeWidgetItem *item, CRsrcConfig *config);
    CRsrcConnect *getConnect(QTreeWidgetItem *item) const;
    CRsrcConfig *getConfig(QTreeWidgetItem *item) const;
    void updateItemStatus(QTreeWidgetItem *item);
    void connectItems(const QList<QTreeWidgetItem *> &items);
    void setConnectAction(bool blConnected);
    void resizeTreeColumns();
    bool isTopLevelItem(QTreeWidgetItem *item) const;
    // Switches one Connect action between Connect and Disconnect; `blWiredToDisconnect` tracks
    // which of the two slots its triggered() signal runs now.
    void wireConnectAction(QAction *action, bool &blWiredToDisconnect, bool blConnected);
    // Stops and frees a client and the record it points to.
    void dropConnection(CRsrcConnect *client);
    // The main window's busy flag around a password prompt; granted without a main window.
    bool lockMainWindow();
    void unlockMainWindow();

    // Charts.
    void showCharts(CRsrcConnect *client);
    QList<CQuenRsrcMonGrid *> chartFrames() const;
    void showLineChart(CRsrcConnect *client, int kind);
    bool fillPlotLine(const Json::Value &chart, CVorkWidgetPlotLine *plot, CQuenRsrcMonGrid *frame);
    void showNetCharts(CRsrcConnect *client);
    void showNetChart(const QString &strName, const QString &strKind, const Json::Value &chart,
                      QStringList &names);
    void showVolumes(CRsrcConnect *client);
    bool fillPlotPie(const Json::Value &volume, CVorkWidgetPlotPie *pie);
    void relayoutCharts();

    QTimer *m_pTimerRefresh;
    QMap<QString, CRsrcConnect *> m_mapConnections;
    CVorkWidgetPlotLine *m_pPlotCpu;
    CVorkWidgetPlotLine *m_pPlotMem;
    QMap<QString, CVorkWidgetPlotLine *> m_mapNetPlots;
    QMap<int, CVorkWidgetPlotPie *> m_mapVolPlots;
    QMap<QString, CQuenRsrcMonGrid *> m_mapNetGrids;
    QMap<int, CQuenRsrcMonGrid *> m_mapVolGrids;
    CQuenRsrcMonGrid *m_pFixedGrids[2];
    QWidget *m_pwdgEmptyPage;
    QWidget *m_pwdgChartPage;
    QGridLayout *m_pgridCharts;
    unsigned int m_uFixedGridsInUse;
    bool m_blRelayout;
    QMap<QString, QString> m_mapIfPrefixes;
    QMap<QString, QString> m_mapIfKinds;

    bool m_blConnectWiredToDisconnect;
    bool m_blConnectPopUpWiredToDisconnect;
};

#endif // CVORKWINDOWRSRCMON_H
