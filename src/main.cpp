#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    return 0;
}
