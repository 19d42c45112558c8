#pragma once

#include <QUrl>

// The program's web site: the update server's base address, where the
// server a user runs on this machine listens by default.
inline QUrl siteAddress()
{
    return QUrl(QStringLiteral("http://127.0.0.1:8080/"));
}
