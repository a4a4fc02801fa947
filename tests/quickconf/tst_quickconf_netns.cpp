#include <QtTest>
#include "netnsbed.h"
class TestQuickConfNetns : public QObject { Q_OBJECT };
BED_TEST_MAIN(TestQuickConfNetns)
#include "tst_quickconf_netns.moc"
