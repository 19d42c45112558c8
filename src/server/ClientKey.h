#pragma once

#include <QByteArray>
#include <QHostAddress>

// The bytes that stand for one client when counting its connections and
// its wrong passwords: the IPv4 address (also when mapped into IPv6), or
// the /64 network of an IPv6 address, since one machine usually holds a
// whole /64.
QByteArray clientKey(const QHostAddress &address);
