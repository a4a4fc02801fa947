#include "ProfileGroupKey.h"

QString profileGroupKey(const QString &name)
{
    const QString key = name.toLower();
    if (!key.contains(QLatin1Char('/')))
        return key;
    QString escaped;
    escaped.reserve(key.size() + 8);
    for (const QChar c : key) {
        if (c == QLatin1Char('%'))
            escaped += QLatin1String("%25");
        else if (c == QLatin1Char('/'))
            escaped += QLatin1String("%2F");
        else
            escaped += c;
    }
    return escaped;
}
