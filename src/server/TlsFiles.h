#pragma once

#include <optional>

#include <QSslConfiguration>
#include <QString>

// The server's certificate chain and private key, from PEM files, ready to
// serve HTTPS; nothing, and `error` says why, when either cannot be used
// (no TLS support, unreadable, not PEM, a key behind a passphrase).
std::optional<QSslConfiguration> loadTlsFiles(const QString &certificatePath, const QString &keyPath,
                                              QString &error);
