#pragma once

#include <optional>

#include <QSslConfiguration>
#include <QString>

// The server's certificate chain and private key, from PEM files, ready to
// serve HTTPS; nothing, and `error` says why, when they cannot serve (no
// TLS support, unreadable, not PEM, a key behind a passphrase, a key that
// is not the certificate's, a certificate out of its dates). `warning`
// says when the certificate ends within `warningDays`.
std::optional<QSslConfiguration> loadTlsFiles(const QString &certificatePath, const QString &keyPath,
                                              QString &error, QString &warning);

constexpr int warningDays = 30;
