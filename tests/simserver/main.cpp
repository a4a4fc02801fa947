// simserver: the simulated storage server for the network tests. See README.md.
#include "simserver.h"

#include <QCoreApplication>

#include <cstdio>

static void usage()
{
    fprintf(stderr,
            "usage: simserver --scenario FILE [--capture FILE] [--control SOCKET]\n"
            "                 [--ready-file FILE] [--services NAME,NAME...]\n");
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    sim::Server::Options options;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--scenario") && hasValue)
            options.scenario = args[++i];
        else if (a == QLatin1String("--capture") && hasValue)
            options.capture = args[++i];
        else if (a == QLatin1String("--control") && hasValue)
            options.control = args[++i];
        else if (a == QLatin1String("--ready-file") && hasValue)
            options.readyFile = args[++i];
        else if (a == QLatin1String("--services") && hasValue)
            options.services = args[++i].split(QLatin1Char(','), Qt::SkipEmptyParts);
        else {
            usage();
            return 2;
        }
    }
    if (options.scenario.isEmpty()) {
        usage();
        return 2;
    }
    sim::Server server(options);
    QString error;
    if (!server.start(&error)) {
        sim::Server::log(QStringLiteral("start failed: ") + error);
        return 1;
    }
    return app.exec();
}
