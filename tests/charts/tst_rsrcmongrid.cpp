#include <QtTest>

#include <QLabel>
#include <QPointer>
#include <QTranslator>
#include <QVBoxLayout>

#include "CQuenRsrcMonGrid.h"
#include "HangGuard.h"

namespace {
// Answers only for the frame's own context, so the test sees which context the form asks.
class FrameTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override
    {
        if (QByteArray(context) == "CQuenRsrcMonGrid" && QByteArray(sourceText) == "GroupBox")
            return QStringLiteral("Rahmen");
        return QString();
    }
    bool isEmpty() const override { return false; }
};
}

class TestRsrcMonGrid : public QObject
{
    Q_OBJECT

private slots:
    void freshFrame()
    {
        CQuenRsrcMonGrid frame;
        QCOMPARE(frame.objectName(), QString("CQuenRsrcMonGrid"));
        QCOMPARE(frame.title(), QString("GroupBox"));
        QCOMPARE(frame.windowTitle(), QString("GroupBox"));

        QWidget *placeholder = frame.getWidget();
        QVERIFY(placeholder != nullptr);
        QCOMPARE(placeholder->objectName(), QString("m_pwdgCenter"));
        QVERIFY(placeholder->minimumWidth() >= 210);
        QVERIFY(placeholder->minimumHeight() >= 150);
        QCOMPARE(placeholder->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);

        QCOMPARE(frame.m_pvertLayout->count(), 2);
        QCOMPARE(frame.m_pvertLayout->itemAt(0)->widget(), placeholder);
        QCOMPARE(frame.m_pvertLayout->itemAt(1)->widget(), frame.m_plblXUnit);
        QVERIFY(frame.m_plblXUnit->text().isEmpty());
        QCOMPARE(frame.m_plblXUnit->alignment(), Qt::AlignRight | Qt::AlignVCenter);

        QCOMPARE(frame.font().family(), QString("Arial"));
        QCOMPARE(frame.font().pixelSize(), 14);
        QCOMPARE(frame.font().weight(), 75);
        QCOMPARE(frame.m_plblXUnit->font().family(), QString("Arial"));
        QCOMPARE(frame.m_plblXUnit->font().pixelSize(), 10);
        QCOMPARE(frame.m_plblXUnit->font().weight(), 50);

        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame, tsup::guardMs()));
        QVERIFY(placeholder->width() >= 210);
        QVERIFY(placeholder->height() >= 150);
    }

    void formTitleIsTranslatedInTheFrameContext()
    {
        FrameTranslator translator;
        QCoreApplication::installTranslator(&translator);
        CQuenRsrcMonGrid frame;
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(frame.title(), QString("Rahmen"));
    }

    void titleAndLegend()
    {
        CQuenRsrcMonGrid legendOnly;
        legendOnly.setLegend("L");
        QCOMPARE(legendOnly.title(), QString(" L"));

        CQuenRsrcMonGrid nothing;
        nothing.updateTitle();
        QCOMPARE(nothing.title(), QString(" "));

        CQuenRsrcMonGrid frame;
        frame.setTitle("T");
        QCOMPARE(frame.title(), QString("T "));
        frame.setLegend("L");
        QCOMPARE(frame.title(), QString("T L"));
        frame.setTitle("CPU");
        frame.setLegend("(%)");
        QCOMPARE(frame.title(), QString("CPU (%)"));

        // Place markers inside a text are plain text, never filled with the other part.
        frame.setTitle("Load %1");
        frame.setLegend("x%2");
        QCOMPARE(frame.title(), QString("Load %1 x%2"));
    }

    void unitLabel()
    {
        CQuenRsrcMonGrid frame;
        auto *chart = new QWidget;
        chart->setFixedSize(249, 154);
        frame.setWidget(chart);

        frame.setUnitLabel("");
        QVERIFY(frame.m_plblXUnit->isHidden());

        frame.setUnitLabel("(minutes)");
        QVERIFY(!frame.m_plblXUnit->isHidden());
        QCOMPARE(frame.m_plblXUnit->text(), QString("(minutes)"));
        QCOMPARE(frame.m_pvertLayout->indexOf(chart), 0);
        QCOMPARE(frame.m_pvertLayout->indexOf(frame.m_plblXUnit), 1);

        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame, tsup::guardMs()));
        QVERIFY(frame.m_plblXUnit->isVisible());
        QVERIFY(frame.m_plblXUnit->geometry().top() >= chart->geometry().bottom());

        frame.setUnitLabel("");
        QVERIFY(!frame.m_plblXUnit->isVisible());
    }

    void setWidgetReplacesWithoutDeleting()
    {
        CQuenRsrcMonGrid frame;
        QPointer<QWidget> placeholder = frame.getWidget();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame, tsup::guardMs()));

        auto *chart = new QWidget;
        frame.setWidget(chart);
        QCOMPARE(frame.getWidget(), chart);
        QCOMPARE(frame.m_pvertLayout->count(), 2);
        QCOMPARE(frame.m_pvertLayout->itemAt(0)->widget(), chart);
        QCOMPARE(frame.m_pvertLayout->itemAt(1)->widget(), frame.m_plblXUnit);
        QCOMPARE(chart->parentWidget(), &frame);
        // The placeholder stays a child of the frame, neither deleted nor hidden.
        QVERIFY(!placeholder.isNull());
        QCOMPARE(placeholder->parentWidget(), &frame);
        QVERIFY(!placeholder->isHidden());

        // The same widget again gives the same layout.
        frame.setWidget(chart);
        QCOMPARE(frame.m_pvertLayout->count(), 2);
        QCOMPARE(frame.m_pvertLayout->itemAt(0)->widget(), chart);
        QCOMPARE(frame.m_pvertLayout->itemAt(1)->widget(), frame.m_plblXUnit);

        auto *other = new QWidget;
        frame.setWidget(other);
        QCOMPARE(frame.m_pvertLayout->count(), 2);
        QCOMPARE(frame.m_pvertLayout->indexOf(chart), -1);
        QCOMPARE(frame.m_pvertLayout->itemAt(0)->widget(), other);
    }

    void removeWidget()
    {
        CQuenRsrcMonGrid frame;
        auto *chart = new QWidget;
        frame.setWidget(chart);

        frame.removeWidget();
        QVERIFY(frame.getWidget() == nullptr);
        QCOMPARE(frame.m_pvertLayout->count(), 0);
        QCOMPARE(chart->parentWidget(), &frame);

        // Nothing present: only the pointer is cleared.
        frame.removeWidget();
        QVERIFY(frame.getWidget() == nullptr);
        QCOMPARE(frame.m_pvertLayout->count(), 0);

        auto *next = new QWidget;
        frame.setWidget(next);
        QCOMPARE(frame.getWidget(), next);
        QCOMPARE(frame.m_pvertLayout->count(), 2);
        QCOMPARE(frame.m_pvertLayout->itemAt(0)->widget(), next);
        QCOMPARE(frame.m_pvertLayout->itemAt(1)->widget(), frame.m_plblXUnit);
    }
};

QTEST_MAIN(TestRsrcMonGrid)
#include "tst_rsrcmongrid.moc"
