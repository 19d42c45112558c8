#pragma once

#include <optional>

#include <QString>
#include <QUrl>

// The web addresses the program reaches: the update server (which is also
// the author's site), the partner's site and the forum page. Each is a key
// of its own in the user's settings file, section "server", so that the
// four keys of section "data" stay as they are:
//   server/update   base address of the update server
//   server/partner  the partner's home page
//   server/forum    the forum page about the program
// "--server URL" replaces the update server for one run. A stored value
// that is no http or https address with a host is ignored.
class ServerSettings final
{
public:
    ServerSettings() = delete;

    // Where a freshly installed program looks: the server a user runs on
    // this machine listens there by default.
    static QUrl defaultBaseUrl();

    static QUrl baseUrl();
    static QUrl partnerUrl();
    static QUrl forumUrl();

    // The update server's base followed by a path and query, as "/vyl.php"
    // or "/contacter.php?sub=VYL V2.6".
    static QUrl address(const QString &pathAndQuery);

    // The author's site as the help page and the printed sheet show it:
    // the update server's home page, or nothing while the server is still
    // the loopback default, which is no site a reader could visit.
    static std::optional<QUrl> siteUrl();

    // For "--server URL". False, and nothing changed, when url is no http
    // or https address with a host.
    static bool overrideBaseUrl(const QString &url);
    static void clearOverride();

    // An http or https address with a host, or nothing.
    static std::optional<QUrl> webAddress(const QString &text);
};
