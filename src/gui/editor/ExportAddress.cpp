#include "gui/editor/ExportAddress.h"

#include <QUrlQuery>

QUrl exportAddress(const QUrl &serverBase, const QString &password, const QString &pseudo)
{
    QUrl url = serverBase;
    QString path = url.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    url.setPath(path + QStringLiteral("/expvyl2010.php"));
    // Given already encoded: QUrlQuery would leave "+", "=" and friends as
    // they are, and a server reading forms takes "+" for a space.
    const auto encoded = [](const QString &value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); };
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("mdp"), encoded(password));
    query.addQueryItem(QStringLiteral("pseudo"), encoded(pseudo));
    url.setQuery(query);
    return url;
}
