// The resource-monitor page's charts, end to end: a connected unit of the simulated
// resource-monitor script on loopback, its replies (the script's own, or bodies typed here from
// the reply members the page reads), and the frames, charts and grid cells the page makes of
// them. Ticks are driven by invoking slotRefrash; the client is asked to poll again where a test
// changes the replies, and polls only then.
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QSharedPointer>
#include <QSignalSpy>
#include <QScrollArea>
#include <QStackedWidget>
#include <clocale>
#include <functional>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include "CQuenRsrcMonGrid.h"
#include "CRsrcHttp.h"
#include "CVorkWidgetPlotLine.h"
#include "CVorkWidgetPlotPie.h"
#include "HangGuard.h"
#include "PieView.h"
#include "SimRsrcMonService.h"
#include "StringTable.h"
#include "rsrcpagetest.h"

using namespace RsrcPageTest;

namespace {

const char *const ACCOUNT = "admin";
const char *const PASSWORD = "chart pw";

// One chart object's members: five x labels (four points), y maximum, legend, one curve.
#define CHART_MEMBERS                                                                          \
    "\"x_axis\":{\"labels\":{\"labels\":[\"0\",\"\",\"\",\"\",\"4\"]}},"                      \
    "\"y_axis\":{\"max\":1000},\"y_legend\":{\"text\":\"KB/s\"},"                              \
    "\"elements\":[{\"values\":[10,20,30,40],\"colour\":\"#2f6fd0\",\"text\":\"Receive\"}]"

const QByteArray NET_MIXED =
    "{\"success\":true,\"net\":["
    "{\"if_name\":\"eth0\",\"if_type\":\"lan\"," CHART_MEMBERS "},"
    "{\"if_name\":\"wlan0\",\"if_type\":\"wireless\"," CHART_MEMBERS "},"
    "{\"if_name\":null,\"if_type\":\"lan\"," CHART_MEMBERS "},"
    "{\"if_name\":\"tun0\",\"if_type\":\"lan\"," CHART_MEMBERS "}],"
    "\"pppoe\":[{" CHART_MEMBERS "}]}\n";

const QByteArray NET_EMPTY = "{\"success\":true,\"net\":[]}\n";
const QByteArray NET_UNNAMED = "{\"success\":true,\"net\":[{\"if_type\":\"lan\"," CHART_MEMBERS "}]}\n";
const QByteArray NET_OLD = "{\"success\":true,\"lan\":[{" CHART_MEMBERS "},{" CHART_MEMBERS "}]}\n";

// Volume 1: 1 GiB in state " DEGRADE ", 768 of 1024 MiB free; volume 2: an unknown state word;
// volume 3: no total size ("0") in state normal.
const QByteArray VOL_THREE =
    "{\"success\":true,\"volsID\":[1,2,3],\"vols\":["
    "{\"status\":\" DEGRADE \",\"totalsize\":\"1073741824\",\"elements\":[{\"values\":["
    "{\"value\":768,\"colour\":\"#3a9d3a\",\"label\":\"Free\"},"
    "{\"value\":256,\"colour\":\"#d04a2f\",\"label\":\"Used\"}]}]},"
    "{\"status\":\"resting\",\"totalsize\":\"2147483648\",\"elements\":[{\"values\":["
    "{\"value\":1024,\"label\":\"Free\"},{\"value\":1024,\"label\":\"Used\"}]}]},"
    "{\"status\":\"normal\",\"totalsize\":\"0\",\"elements\":[{\"values\":["
    "{\"value\":5,\"colour\":\"#112233\",\"label\":\"Free\"},"
    "{\"value\":7,\"colour\":\"#445566\",\"label\":\"Used\"}]}]}]}\n";

const QByteArray VOL_ONE_THREE =
    "{\"success\":true,\"volsID\":[3,1],\"vols\":["
    "{\"status\":\"normal\",\"totalsize\":\"x12\",\"elements\":[{\"values\":[{\"value\":5}]}]},"
    "{\"status\":\"crashed\",\"totalsize\":\"1073741824\",\"elements\":[{\"values\":["
    "{\"value\":512,\"label\":\"Free\"},{\"value\":512,\"label\":\"Used\"}]}]}]}\n";

const QByteArray VOL_OBJECT = "{\"success\":true,\"volsID\":[1],\"vols\":{\"a\":1}}\n";
const QByteArray VOL_ID_TEXT =
    "{\"success\":true,\"volsID\":[\"1\"],\"vols\":[{\"totalsize\":\"0\",\"elements\":[{\"values\":[]}]}]}\n";

const QByteArray CPU_NO_LABELS =
    "{\"success\":true,\"y_axis\":{\"max\":100},\"y_legend\":{\"text\":\"%\"},"
    "\"elements\":[{\"values\":[5,6,7,8]}]}\n";
const QByteArray CPU_AXIS_NUMBER =
    "{\"success\":true,\"x_axis\":5,\"y_axis\":{\"max\":\"lots\"},\"elements\":7}\n";
const QByteArray CPU_ONE_CURVE =
    "{\"success\":true,\"x_axis\":{\"labels\":{\"labels\":[\"a\",\"b\",\"c\"]}},"
    "\"y_axis\":{\"max\":100},\"y_legend\":{\"text\":\"%\"},"
    "\"elements\":[{\"values\":[1,2],\"colour\":\"red\"}]}\n";
const QByteArray CPU_THREE_CURVES =
    "{\"success\":true,\"x_axis\":{\"labels\":{\"labels\":[\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"]}},"
    "\"y_axis\":{\"max\":100},\"y_legend\":{\"text\":\"%\"},"
    "\"elements\":[{\"values\":[1,2,3,4,5,6]},{\"values\":[7,8,9,10,11,12]},"
    "{\"values\":[13,14,15,16,17,18],\"text\":\"third\"}]}\n";

QPair<int, int> cell(QGridLayout *grid, QWidget *widget)
{
    const int index = grid->indexOf(widget);
    if (index < 0)
        return qMakePair(-1, -1);
    int r = 0, c = 0, rs = 0, cs = 0;
    grid->getItemPosition(index, &r, &c, &rs, &cs);
    return qMakePair(r, c);
}

QAbstractItemModel *pieModel(CVorkWidgetPlotPie *pie)
{
    PieView *view = pie->findChild<PieView *>();
    return view ? view->model() : nullptr;
}

// The samples every curve of `chart` draws, against the curves of `sent`, a chart as the script
// sent it (read by Qt's own JSON reader, not by the program's).
void compareSamples(CVorkWidgetPlotLine *chart, const QJsonObject &sent)
{
    const QwtPlotItemList curves = chart->itemList(QwtPlotItem::Rtti_PlotCurve);
    const QJsonArray elements = sent.value(QLatin1String("elements")).toArray();
    QCOMPARE(curves.size(), elements.size());
    for (int c = 0; c < curves.size(); ++c) {
        const QwtPlotCurve *curve = static_cast<const QwtPlotCurve *>(curves.at(c));
        const QJsonArray values = elements.at(c).toObject().value(QLatin1String("values")).toArray();
        QCOMPARE(int(curve->dataSize()), values.size());
        for (int j = 0; j < values.size(); ++j) {
            QCOMPARE(curve->sample(size_t(j)).x(), double(j));
            QCOMPARE(curve->sample(size_t(j)).y(), values.at(j).toDouble());
        }
    }
}

// The frames of the last pass in their order: fixed frames in use, network frames by name,
// volume frames by number.
QList<CQuenRsrcMonGrid *> passFrames(CVorkWindowRsrcMon &page)
{
    QList<CQuenRsrcMonGrid *> frames;
    for (unsigned int i = 0; i < page.fixedFramesInUse(); ++i)
        frames << page.fixedFrame(int(i));
    frames << page.networkFrames().values() << page.volumeFrames().values();
    return frames;
}

} // namespace

class TestRsrcPageCharts : public QObject
{
    Q_OBJECT

private:
    SimRsrcMonService *m_sim = nullptr;
    ModalDriver *m_driver = nullptr;

    // Builds the page over the stored profile "Unit" (connect at start), waits until the first
    // round of replies is in (the client's own poll timer put off), makes the row current and
    // runs two ticks.
    CRsrcConnect *start(CVorkWindowRsrcMon &page, const QString &name = QStringLiteral("Unit"))
    {
        page.slotDelayedInit();
        CRsrcConnect *client = handPolledClient(page, name);
        if (!client)
            return nullptr;
        page.slotConfigTrigged(name);
        tick(page);
        tick(page);
        return client;
    }

    // Asks the client to poll until `done` holds, then runs one tick. Each poll waits for the
    // replies to all its requests (their requestFinished signals, up to the hang guard), so the
    // client is never asked again while a request is in flight: that would count as a stalled
    // tick, and a large reply read slowly on a busy machine would end the connection.
    bool pollUntil(CVorkWindowRsrcMon &page, CRsrcConnect *client, const std::function<bool()> &done)
    {
        for (int round = 0; round < 3 && !done(); ++round) {
            // The request objects in kind order; the first, "init", takes no part in a poll.
            const QList<CRsrcHttp *> https = client->findChildren<CRsrcHttp *>(QString(), Qt::FindDirectChildrenOnly);
            QList<QSharedPointer<QSignalSpy>> spies;
            for (CRsrcHttp *http : https.mid(1))
                spies << QSharedPointer<QSignalSpy>::create(http, &CRsrcHttp::requestFinished);
            pollClient(client);
            const bool answered = QTest::qWaitFor([&] {
                for (const auto &spy : spies)
                    if (spy->isEmpty())
                        return false;
                return true;
            }, tsup::guardMs());
            if (!answered)
                return false;
        }
        if (!done())
            return false;
        tick(page);
        return true;
    }

    // A normal reply of the script as it goes out, read by Qt's own JSON reader.
    QJsonObject sent(const char *action) const
    {
        return QJsonDocument::fromJson(m_sim->normalReply(QLatin1String(action))).object();
    }

    // The values the page draws from the script's normal replies: every sample of the CPU,
    // memory and eth0 charts, and the slices of volume 1.
    void compareDrawnValues(CVorkWindowRsrcMon &page)
    {
        const QByteArray cpu = m_sim->normalReply(QStringLiteral("cpuchart"));
        QVERIFY2(cpu.contains("\"values\":[12.5,0.25,"), cpu.constData());
        compareSamples(page.cpuChart(), sent("cpuchart"));
        if (QTest::currentTestFailed())
            return;
        compareSamples(page.memoryChart(), sent("memget"));
        if (QTest::currentTestFailed())
            return;
        CVorkWidgetPlotLine *eth0 = page.networkCharts().value(QStringLiteral("eth0"));
        QVERIFY(eth0);
        compareSamples(eth0, sent("netget").value(QLatin1String("net")).toArray().at(0).toObject());
        if (QTest::currentTestFailed())
            return;

        const QJsonArray slices = sent("volget").value(QLatin1String("vols")).toArray().at(0).toObject()
                                      .value(QLatin1String("elements")).toArray().at(0).toObject()
                                      .value(QLatin1String("values")).toArray();
        QCOMPARE(slices.size(), 2);
        QCOMPARE(slices.at(0).toObject().value(QLatin1String("value")).toDouble(), 262144.25);
        QAbstractItemModel *model = pieModel(page.volumeCharts().value(1));
        QVERIFY(model);
        for (int i = 0; i < slices.size(); ++i)
            QCOMPARE(model->data(model->index(i + 1, 1)).toDouble(),
                     slices.at(i).toObject().value(QLatin1String("value")).toDouble());
        QCOMPARE(model->data(model->index(1, 1), Qt::ToolTipRole).toString(), QStringLiteral("Available (27.5 %)"));
    }

    void custom(const char *action, const QByteArray &body)
    {
        m_sim->setCustomBody(QLatin1String(action), body);
        m_sim->setFault(QLatin1String(action), SimRsrcMonService::FaultCustomBody);
    }

private slots:
    void init()
    {
        QSettings().clear();
        m_sim = new SimRsrcMonService;
        QVERIFY(m_sim->listen());
        m_sim->setAccount(QLatin1String(ACCOUNT), QLatin1String(PASSWORD));
        m_sim->setInterfaces({QStringLiteral("eth0")});
        m_sim->setVolumes({1});
        storeProfile(QStringLiteral("Unit"), m_sim->port(), ACCOUNT, PASSWORD, true);
        m_driver = new ModalDriver;
        m_driver->start();
    }

    void cleanup()
    {
        m_driver->stop();
        delete m_driver;
        delete m_sim;
        m_sim = nullptr;
    }

    void netNamesAndVolumeWords()
    {
        CVorkWindowRsrcMon page;
        const struct { const char *name, *kind, *shown; } rows[] = {
            {"eth0", "lan", "LAN 1"}, {"eth1", "lan", "LAN 2"}, {"eth10", "lan", "LAN 11"},
            {"bond0", "bond", "Bond 1"}, {"br0", "bridge", "LAN 1"}, {"br1", "wan", "LAN 2"},
            {"lbr0", "local_bridge", "Wireless 1"}, {"wlan0", "wireless", "Wireless"},
            {"ra0", "wireless", "Wireless"}, {"ppp0", "pppoe", "PPPoE"}, {"ppp3", "pppoe", "PPPoE"},
            {"eth", "lan", "LAN"}, {"tun0", "lan", "(unknown)tun0"}, {"eth0", "fibre", "(unknown)eth0"},
            {"ETH0", "lan", "(unknown)ETH0"}, {"0", "lan", "(unknown)0"}, {"eth0", "LAN", "(unknown)eth0"},
        };
        for (const auto &r : rows)
            QCOMPARE(page.getNetName(QLatin1String(r.name), QLatin1String(r.kind)), QLatin1String(r.shown));

        const struct { const char *word; int text; } words[] = {
            {"normal", 497}, {"crashed", 491}, {"degrade", 493}, {"repairing", 499},
            {"migrating", 502}, {"expanding", 495}, {"deleting", 494}, {"creating", 492},
            {"adding_disk", 490}, {"raid_syncing", 501}, {"raid_parity_checking", 498},
            {"raid_assembling", 500}, {" DeGrAdE\t", 493},
        };
        for (const auto &w : words)
            QCOMPARE(CVorkWindowRsrcMon::getVolStatusText(QLatin1String(w.word)), getString(w.text));
        QCOMPARE(CVorkWindowRsrcMon::getVolStatusText(QStringLiteral("migrating")), QStringLiteral("Changing"));
        QCOMPARE(CVorkWindowRsrcMon::getVolStatusText(QStringLiteral("raid_assembling")), QStringLiteral("Adding disk"));
        QVERIFY(CVorkWindowRsrcMon::getVolStatusText(QStringLiteral("iscsitrg_moving")).isEmpty());
        QVERIFY(CVorkWindowRsrcMon::getVolStatusText(QStringLiteral("   ")).isEmpty());
        QVERIFY(CVorkWindowRsrcMon::getVolStatusText(QStringLiteral("normal2")).isEmpty());
    }

    void cpuAndMemoryInRowZero()
    {
        CVorkWindowRsrcMon page;
        CRsrcConnect *client = start(page);
        QVERIFY(client);

        QCOMPARE(page.m_pstkwCenter->currentWidget(), static_cast<QWidget *>(page.m_pscrollConnect));
        QCOMPARE(page.m_pgrpConnect->title(), QStringLiteral("Unit"));
        QCOMPARE(page.fixedFramesInUse(), 2u);
        CQuenRsrcMonGrid *left = page.fixedFrame(0);
        CQuenRsrcMonGrid *right = page.fixedFrame(1);
        QCOMPARE(left->getWidget(), static_cast<QWidget *>(page.cpuChart()));
        QCOMPARE(right->getWidget(), static_cast<QWidget *>(page.memoryChart()));
        QCOMPARE(left->title(), QStringLiteral("CPU Usage CPU"));
        QCOMPARE(right->title(), QStringLiteral("Memory Usage Memory"));
        QCOMPARE(left->m_plblXUnit->text(), QStringLiteral("(minutes)"));
        QVERIFY(!left->m_plblXUnit->isHidden());
        QVERIFY(!left->isHidden() && !right->isHidden());
        QVERIFY(!page.cpuChart()->isHidden() && !page.memoryChart()->isHidden());
        QCOMPARE(cell(page.chartGrid(), left), qMakePair(0, 0));
        QCOMPARE(cell(page.chartGrid(), right), qMakePair(0, 1));
        QCOMPARE(page.chartGrid()->spacing(), 6);
        QCOMPARE(page.chartGrid()->contentsMargins(), QMargins(11, 11, 11, 11));

        // 61 labels: 60 points, x axis 0..60 in steps of 12, y axis to the reply's maximum.
        CVorkWidgetPlotLine *cpu = page.cpuChart();
        QCOMPARE(cpu->getPointCount(), 60);
        QCOMPARE(cpu->getXAxisMax(), 60);
        QCOMPARE(cpu->getYAxisMax(), 100);
        const QList<double> ticks = cpu->axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick);
        QCOMPARE(ticks, QList<double>() << 0 << 12 << 24 << 36 << 48 << 60);

        // The curves carry the reply's colours and titles, and the samples the script sent.
        const Json::Value reply = client->getData(1);
        const QwtPlotItemList curves = cpu->itemList(QwtPlotItem::Rtti_PlotCurve);
        QCOMPARE(curves.size(), 2);
        for (int c = 0; c < 2; ++c) {
            const QwtPlotCurve *curve = static_cast<const QwtPlotCurve *>(curves.at(c));
            const Json::Value &element = reply["elements"][c];
            QCOMPARE(curve->title().text(), QString::fromLatin1(element["text"].asCString()));
            QCOMPARE(curve->pen().color(), QColor(QLatin1String(element["colour"].asCString())));
            QCOMPARE(int(curve->dataSize()), 60);
        }
        compareDrawnValues(page);
        if (QTest::currentTestFailed())
            return;

        // Interface and volume frames follow, two per row.
        CQuenRsrcMonGrid *eth0 = page.networkFrames().value(QStringLiteral("eth0"));
        CQuenRsrcMonGrid *vol1 = page.volumeFrames().value(1);
        QVERIFY(eth0 && vol1);
        QCOMPARE(eth0->title(), QStringLiteral("LAN 1 KB/s"));
        QCOMPARE(vol1->title(), QStringLiteral("Volume1 : Normal "));
        QVERIFY(vol1->m_plblXUnit->isHidden());
        QCOMPARE(cell(page.chartGrid(), eth0), qMakePair(1, 0));
        QCOMPARE(cell(page.chartGrid(), vol1), qMakePair(1, 1));
    }

    // A German desktop (decimal comma, in the C library and in Qt's default locale, made with
    // localedef from the system's locale sources): the replies' samples and slices, such as 12.5
    // and 0.25, are drawn as sent, not cut at the ".".
    void valuesUnderAGermanLocale()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess localedef;
        localedef.start(QStringLiteral("localedef"),
                        {"-c", "-i", "de_DE", "-f", "UTF-8", dir.filePath(QStringLiteral("de_DE.UTF-8"))});
        QVERIFY(localedef.waitForFinished(tsup::guardMs()));
        struct German {
            explicit German(const QString &path)
            {
                qputenv("LOCPATH", QFile::encodeName(path));
                active = setlocale(LC_ALL, "de_DE.UTF-8") && *localeconv()->decimal_point == ',';
                QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            }
            ~German()
            {
                QLocale::setDefault(before);
                setlocale(LC_ALL, "C");
                qunsetenv("LOCPATH");
            }
            const QLocale before;
            bool active = false;
        } german(dir.path());
        QVERIFY2(german.active, "no de_DE locale: localedef needs the package locales");
        QCOMPARE(QLocale().decimalPoint(), QLatin1Char(','));

        CVorkWindowRsrcMon page;
        QVERIFY(start(page));
        compareDrawnValues(page);
    }

    void cpuWithoutLabelsLeavesTheLeftFrameToMemory()
    {
        custom("cpuchart", CPU_NO_LABELS);
        CVorkWindowRsrcMon page;
        QVERIFY(start(page));
        QCOMPARE(page.fixedFramesInUse(), 1u);
        QCOMPARE(page.fixedFrame(0)->getWidget(), static_cast<QWidget *>(page.memoryChart()));
        QCOMPARE(page.fixedFrame(0)->title(), QStringLiteral("Memory Usage Memory"));
        QVERIFY(page.cpuChart()->isHidden());
        QVERIFY(page.fixedFrame(1)->isHidden());
        QVERIFY(!page.fixedFrame(0)->isHidden());
    }

    void oddlyTypedRepliesAreNotDrawn()
    {
        custom("cpuchart", CPU_AXIS_NUMBER);
        custom("volget", VOL_OBJECT);
        CVorkWindowRsrcMon page;
        CRsrcConnect *client = start(page);
        QVERIFY(client);
        QCOMPARE(page.fixedFramesInUse(), 1u);
        QCOMPARE(page.fixedFrame(0)->getWidget(), static_cast<QWidget *>(page.memoryChart()));
        QVERIFY(page.volumeFrames().isEmpty());

        custom("volget", VOL_ID_TEXT);
        QVERIFY(pollUntil(page, client, [client] { return client->getData(4)["volsID"][0].isString(); }));
        QVERIFY(page.volumeFrames().isEmpty());
        QCOMPARE(page.m_pstkwCenter->currentWidget(), static_cast<QWidget *>(page.m_pscrollConnect));
    }

    void interfacesByNameAndKind()
    {
        custom("netget", NET_MIXED);
        CVorkWindowRsrcMon page;
        CRsrcConnect *client = start(page);
        QVERIFY(client);

        const QMap<QString, CQuenRsrcMonGrid *> frames = page.networkFrames();
        QCOMPARE(frames.keys(), QStringList() << "eth0" << "ppp0" << "tun0" << "wlan0");
        QCOMPARE(frames.value("eth0")->title(), QStringLiteral("LAN 1 KB/s"));
        QCOMPARE(frames.value("wlan0")->title(), QStringLiteral("Wireless KB/s"));
        QCOMPARE(frames.value("ppp0")->title(), QStringLiteral("PPPoE KB/s"));
        QCOMPARE(frames.value("tun0")->title(), QStringLiteral("(unknown)tun0 KB/s"));
        QCOMPARE(cell(page.chartGrid(), frames.value("eth0")), qMakePair(1, 0));
        QCOMPARE(cell(page.chartGrid(), frames.value("ppp0")), qMakePair(1, 1));
        QCOMPARE(cell(page.chartGrid(), frames.value("tun0")), qMakePair(2, 0));
        QCOMPARE(cell(page.chartGrid(), frames.value("wlan0")), qMakePair(2, 1));
        QCOMPARE(cell(page.chartGrid(), page.volumeFrames().value(1)), qMakePair(3, 0));
        for (CQuenRsrcMonGrid *frame : frames) {
            CVorkWidgetPlotLine *chart = qobject_cast<CVorkWidgetPlotLine *>(frame->getWidget());
            QVERIFY(chart);
            QCOMPARE(chart->getPointCount(), 4);
            QVERIFY(!chart->isHidden());
            QCOMPARE(frame->m_plblXUnit->text(), QStringLiteral("(minutes)"));
        }

        // An interface keeps its chart from pass to pass, as it keeps its frame.
        QPointer<CVorkWidgetPlotLine> oldChart = page.networkCharts().value("eth0");
        QPointer<CQuenRsrcMonGrid> oldFrame = frames.value("eth0");
        tick(page);
        QVERIFY(oldChart);
        QCOMPARE(page.networkCharts().value("eth0"), oldChart.data());
        QCOMPARE(page.networkFrames().value("eth0"), oldFrame.data());

        // An empty list, or one without names, leaves the frames as they are.
        custom("netget", NET_EMPTY);
        QVERIFY(pollUntil(page, client, [client] { return client->getData(3)["net"].size() == 0; }));
        QCOMPARE(page.networkFrames(), frames);
        custom("netget", NET_UNNAMED);
        QVERIFY(pollUntil(page, client, [client] { return client->getData(3)["net"].size() == 1; }));
        QCOMPARE(page.networkFrames(), frames);

        // The old form names wired interfaces eth0, eth1, ...; the others go.
        custom("netget", NET_OLD);
        QVERIFY(pollUntil(page, client, [client] { return client->getData(3).isMember("lan"); }));
        QCOMPARE(page.networkFrames().keys(), QStringList() << "eth0" << "eth1");
        QCOMPARE(page.networkFrames().value("eth1")->title(), QStringLiteral("LAN 2 KB/s"));
        QCOMPARE(page.networkFrames().value("eth0"), oldFrame.data());
    }

    void missingInterfaceClosesUp()
    {
        m_sim->setInterfaces({QStringLiteral("eth0"), QStringLiteral("eth1"), QStringLiteral("eth2")});
        CVorkWindowRsrcMon page;
        CRsrcConnect *client = start(page);
        QVERIFY(client);
        QGridLayout *grid = page.chartGrid();
        QMap<QString, CQuenRsrcMonGrid *> frames = page.networkFrames();
        CQuenRsrcMonGrid *vol1 = page.volumeFrames().value(1);
        QCOMPARE(frames.size(), 3);
        QCOMPARE(cell(grid, frames.value("eth1")), qMakePair(1, 1));
        QCOMPARE(cell(grid, frames.value("eth2")), qMakePair(2, 0));
        QCOMPARE(cell(grid, vol1), qMakePair(2, 1));

        QPointer<CQuenRsrcMonGrid> eth1 = frames.value("eth1");
        m_sim->setInterfaces({QStringLiteral("eth0"), QStringLiteral("eth2")});
        QVERIFY(pollUntil(page, client, [client] { return client->getData(3)["net"].size() == 2; }));
        QVERIFY(eth1.isNull());
        QCOMPARE(page.networkFrames().keys(), QStringList() << "eth0" << "eth2");
        QCOMPARE(cell(grid, frames.value("eth0")), qMakePair(1, 0));
        QCOMPARE(cell(grid, frames.value("eth2")), qMakePair(1, 1));
        QCOMPARE(cell(grid, vol1), qMakePair(2, 0));
        QCOMPARE(grid->count(), 2 + 2 + 1);

        // Sizes: every frame at least 269 x 211 and no smaller than those before it.
        tick(page);
        QSize previous(269, 211);
        const QList<CQuenRsrcMonGrid *> ordered = passFrames(page);
        QCOMPARE(ordered.size(), 5);
        for (CQuenRsrcMonGrid *frame : ordered) {
            QVERIFY(!frame->isHidden());
            QVERIFY(frame->minimumWidth() >= previous.width());
            QVERIFY(frame->minimumHeight() >= previous.height());
            QVERIFY(frame->width() >= frame->minimumWidth());
            QVERIFY(frame->height() >= frame->minimumHeight());
            previous = frame->minimumSize();
        }
    }

    void volumesTitlesAndSlices()
    {
        custom("volget", VOL_THREE);
        CVorkWindowRsrcMon page;
        CRsrcConnect *client = start(page);
        QVERIFY(client);

        const QMap<int, CQuenRsrcMonGrid *> frames = page.volumeFrames();
        QCOMPARE(frames.keys(), QList<int>() << 1 << 2 << 3);
        QCOMPARE(frames.value(1)->title(), QStringLiteral("Volume1 : Degraded "));
        QCOMPARE(frames.value(2)->title(), QStringLiteral("Volume2 "));
        QCOMPARE(frames.value(3)->title(), QStringLiteral("Volume3 : Normal "));
        // eth0 takes cell 2; the volumes follow.
        QCOMPARE(cell(page.chartGrid(), frames.value(1)), qMakePair(1, 1));
        QCOMPARE(cell(page.chartGrid(), frames.value(3)), qMakePair(2, 1));

        CVorkWidgetPlotPie *pie1 = page.volumeCharts().value(1);
        QCOMPARE(frames.value(1)->getWidget(), static_cast<QWidget *>(pie1));
        QVERIFY(!pie1->isHidden());
        QAbstractItemModel *model = pieModel(pie1);
        QVERIFY(model);
        QCOMPARE(model->data(model->index(1, 0)).toString(), QStringLiteral("Free"));
        QCOMPARE(model->data(model->index(1, 1)).toDouble(), 768.0);
        QCOMPARE(model->data(model->index(1, 0), Qt::DecorationRole).value<QColor>(), QColor("#3a9d3a"));
        QCOMPARE(model->data(model->index(1, 1), Qt::ToolTipRole).toString(), QStringLiteral("Available (75.0 %)"));
        QCOMPARE(model->data(model->index(2, 0)).toString(), QStringLiteral("Used"));
        QCOMPARE(model->data(model->index(2, 1), Qt::ToolTipRole).toString(), QStringLiteral("Used size (25.0 %)"));
        // Row 0 stays empty.
        QVERIFY(!model->data(model->index(0, 1)).isValid());

        // No colour given: blue.
        QAbstractItemModel *model2 = pieModel(page.volumeCharts().value(2));
        QCOMPARE(model2->data(model2->index(1, 0), Qt::DecorationRole).value<QColor>(), QColor("blue"));
        QCOMPARE(model2->data(model2->index(1, 1), Qt::ToolTipRole).toString(), QStringLiteral("Available (50.0 %)"));

        // Total size 0: one whole slice in the first slice's colour.
        QAbstractItemModel *model3 = pieModel(page.volumeCharts().value(3));
        QCOMPARE(model3->data(model3->index(1, 0)).toString(), QStringLiteral("100 %"));
        QCOMPARE(model3->data(model3->index(1, 1)).toDouble(), 100.0);
        QCOMPARE(model3->data(model3->index(1, 0), Qt::DecorationRole).value<QColor>(), QColor("#112233"));
        QVERIFY(model3->index(2, 1).isValid());
        QCOMPARE(model3->data(model3->index(2, 1)).toDouble(), 0.0);

        // Next reply: volume 2 is gone, volume 3's size does not parse, volume 1 crashed.
        QPointer<CQuenRsrcMonGrid> frame2 = frames.value(2);
        QPointer<CVorkWidgetPlotPie> pie2 = page.volumeCharts().value(2);
        custom("volget", VOL_ONE_THREE);
        QVERIFY(pollUntil(page, client, [client] { return client->getData(4)["vols"].size() == 2; }));
        QVERIFY(frame2.isNull() && pie2.isNull());
        QCOMPARE(page.volumeFrames().keys(), QList<int>() << 1 << 3);
        QCOMPARE(page.volumeFrames().value(1), frames.value(1));
        QCOMPARE(page.volumeFrames().value(1)->title(), QStringLiteral("Volume1 : Crashed "));
        QCOMPARE(model->data(model->index(1, 1), Qt::ToolTipRole).toString(), QStringLiteral("Available (50.0 %)"));
        QCOMPARE(model3->data(model3->index(1, 0)).toString(), QStringLiteral("100 %"));
        QCOMPARE(cell(page.chartGrid(), frames.value(3)), qMakePair(2, 0));

        // Without "vols" the volume frames stay as they are.
        custom("volget", QByteArray("{\"success\":true}\n"));
        QVERIFY(pollUntil(page, client, [client] { return !client->getData(4).isMember("vols"); }));
        QCOMPARE(page.volumeFrames().keys(), QList<int>() << 1 << 3);
        QVERIFY(!page.volumeFrames().value(1)->isHidden());
    }

    void switchingUnitsDropsTheirExtraFrames()
    {
        m_sim->setInterfaces({QStringLiteral("eth0"), QStringLiteral("eth1")});
        m_sim->setVolumes({1, 2});
        SimRsrcMonService other;
        QVERIFY(other.listen());
        other.setAccount(QStringLiteral("second"), QStringLiteral("other pw"));
        other.setInterfaces({QStringLiteral("eth0")});
        other.setVolumes({1});
        storeProfile(QStringLiteral("Other"), other.port(), QStringLiteral("second"),
                     QStringLiteral("other pw"), true);

        CVorkWindowRsrcMon page;
        CRsrcConnect *first = start(page);
        QVERIFY(first);
        QCOMPARE(page.networkFrames().keys(), QStringList() << "eth0" << "eth1");
        QCOMPARE(page.volumeFrames().keys(), QList<int>() << 1 << 2);
        QPointer<CQuenRsrcMonGrid> eth1 = page.networkFrames().value("eth1");
        QPointer<CQuenRsrcMonGrid> vol2 = page.volumeFrames().value(2);

        CRsrcConnect *second = page.connection(QStringLiteral("Other"));
        QTRY_VERIFY_WITH_TIMEOUT(second->getStatus() == CRsrcConnect::RSRC_STAT_CONNECTED
                                     && second->getData(4).isMember("vols")
                                     && second->getData(3).isMember("net"), tsup::guardMs(WAIT_MS));
        page.slotConfigTrigged(QStringLiteral("Other"));
        tick(page);
        QCOMPARE(page.m_pgrpConnect->title(), QStringLiteral("Other"));
        QVERIFY(eth1.isNull());
        QVERIFY(vol2.isNull());
        QCOMPARE(page.networkFrames().keys(), QStringList() << "eth0");
        QCOMPARE(page.volumeFrames().keys(), QList<int>() << 1);
        QCOMPARE(cell(page.chartGrid(), page.volumeFrames().value(1)), qMakePair(1, 1));
    }

    void moreCurvesThanTheFirstReply()
    {
        custom("cpuchart", CPU_ONE_CURVE);
        CVorkWindowRsrcMon page;
        CRsrcConnect *client = start(page);
        QVERIFY(client);
        QCOMPARE(page.fixedFrame(0)->getWidget(), static_cast<QWidget *>(page.cpuChart()));
        QCOMPARE(page.cpuChart()->getPointCount(), 2);

        custom("cpuchart", CPU_THREE_CURVES);
        QVERIFY(pollUntil(page, client, [client] { return client->getData(1)["elements"].size() == 3; }));
        tick(page);
        // Drawn within the arrays of the first reply.
        QCOMPARE(page.fixedFrame(0)->getWidget(), static_cast<QWidget *>(page.cpuChart()));
        QVERIFY(!page.cpuChart()->isHidden());
        const QwtPlotItemList curves = page.cpuChart()->itemList(QwtPlotItem::Rtti_PlotCurve);
        QCOMPARE(curves.size(), 1);
        QCOMPARE(int(static_cast<const QwtPlotCurve *>(curves.first())->dataSize()), 2);
        QCOMPARE(static_cast<const QwtPlotCurve *>(curves.first())->sample(1).y(), 2.0);
    }

    // A reply of another shape gives an interface a new chart sized by it; replies of about 5 MB
    // with counts of 10^6, or nested 2000 deep, are drawn nowhere and size no chart.
    void reshapedAndHostileReplies()
    {
        CVorkWindowRsrcMon page;
        CRsrcConnect *client = start(page);
        QVERIFY(client);
        QPointer<CVorkWidgetPlotLine> eth0 = page.networkCharts().value("eth0");
        QVERIFY(eth0 && eth0->getPointCount() == 60);
        const auto poll = [&](const std::function<bool()> &done) { return pollUntil(page, client, done); };
        for (auto fault : {SimRsrcMonService::FaultHugeCounts, SimRsrcMonService::FaultDeepNesting}) {
            custom("netget", NET_MIXED);
            QVERIFY(poll([client] { return client->getData(3)["net"].size() == 4; }));
            QVERIFY(eth0.isNull());
            QCOMPARE(page.networkCharts().value("eth0")->getPointCount(), 4);
            m_sim->setFault(QStringLiteral("cpuchart"), fault);
            m_sim->setFault(QStringLiteral("netget"), fault);
            QVERIFY(poll([client] { return client->getData(1).isNull() && client->getData(3).isNull(); }));
            QCOMPARE(page.fixedFramesInUse(), 1u);
            QCOMPARE(page.fixedFrame(0)->getWidget(), static_cast<QWidget *>(page.memoryChart()));
            QCOMPARE(page.cpuChart()->getPointCount(), 60);
            QVERIFY(page.networkFrames().isEmpty() && page.networkCharts().isEmpty());
            QCOMPARE(client->getStatus(), int(CRsrcConnect::RSRC_STAT_CONNECTED));
        }
    }

    void pageWithLiveCharts()
    {
        m_sim->setInterfaces({QStringLiteral("eth0"), QStringLiteral("ppp0")});
        m_sim->setVolumes({1, 2});
        CVorkWindowRsrcMon page;
        page.resize(1200, 900);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
        QVERIFY(start(page));
        QTest::qWait(50);
        const QImage shot = page.grab().toImage();
        QVERIFY(!shot.isNull());
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/rsrcmon-review");
        QVERIFY(QDir().mkpath(dir));
        const QString path = dir + QStringLiteral("/rsrcmon-page.png");
        QVERIFY(shot.save(path));
        qInfo("page with live charts: %s", qPrintable(path));
        // Every frame of the pass lies inside the visible chart area.
        for (CQuenRsrcMonGrid *frame : passFrames(page))
            QVERIFY(frame->isVisible());
    }
};

RSRC_PAGE_TEST_MAIN(TestRsrcPageCharts)
#include "tst_rsrcpage_charts.moc"
