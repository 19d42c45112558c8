#pragma once

#include <QByteArray>

// A player's secret: 128 random bits as 32 hexadecimal digits. The server
// keeps only its SHA-256, and compares hashes in constant time.
namespace poolToken {

QByteArray make();
QByteArray hash(const QByteArray &token);
bool matches(const QByteArray &token, const QByteArray &keptHash);

} // namespace poolToken
