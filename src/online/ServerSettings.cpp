#include "online/ServerSettings.h"

#include <QSettings>

#include "storage/UserSettings.h"

namespace {

std::optional<QUrl> &overridden()
{
    static std::optional<QUrl> url;
    return url;
}

std::optional<QUrl> stored(const QString &key)
{
    const QSettings store(UserSettings().fileName(), QSettings::IniFormat);
    return ServerSettings::webAddress(store.value(QStringLiteral("server/") + key).toString());
}

} // namespace

QUrl ServerSettings::defaultBaseUrl()
{
    return QUrl(QStringLiteral("http://127.0.0.1:8080"));
}

QUrl ServerSettings::baseUrl()
{
    if (overridden())
        return *overridden();
    return stored(QStringLiteral("update")).value_or(defaultBaseUrl());
}

// Until someone stores their own, the two pages are looked for on the
// author's site, which is where a publisher would put them.
QUrl ServerSettings::partnerUrl()
{
    return stored(QStringLiteral("partner")).value_or(address(QStringLiteral("/partenaire.php")));
}

QUrl ServerSettings::forumUrl()
{
    return stored(QStringLiteral("forum")).value_or(address(QStringLiteral("/forum.php")));
}

QUrl ServerSettings::address(const QString &pathAndQuery)
{
    QUrl url = baseUrl();
    QString path = url.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    const qsizetype query = pathAndQuery.indexOf(u'?');
    url.setPath(path + (query < 0 ? pathAndQuery : pathAndQuery.left(query)));
    url.setQuery(query < 0 ? QString() : pathAndQuery.mid(query + 1));
    url.setFragment(QString());
    return url;
}

std::optional<QUrl> ServerSettings::siteUrl()
{
    if (baseUrl() == defaultBaseUrl())
        return std::nullopt;
    return address(QStringLiteral("/"));
}

bool ServerSettings::overrideBaseUrl(const QString &url)
{
    const std::optional<QUrl> address = webAddress(url);
    if (address)
        overridden() = address;
    return address.has_value();
}

void ServerSettings::clearOverride()
{
    overridden().reset();
}

std::optional<QUrl> ServerSettings::webAddress(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || (url.scheme() != u"http" && url.scheme() != u"https"))
        return std::nullopt;
    return url;
}
