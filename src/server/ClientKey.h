#pragma once

#include <QByteArray>
#include <QHostAddress>

// The bytes that stand for one client when counting its connections and
// its wrong passwords: the IPv4 address (also when mapped into IPv6), or
// the /64 network of an IPv6 address, since one machine usually holds a
// whole /64.
QByteArray clientKey(const QHostAddress &address);

// Who sent a request that came from `peer`: behind the proxy the server was
// told of, the address the proxy names in its X-Real-IP field; anyone
// else, or a proxy that names none, is who it is. Only the proxy is
// believed: any client can write the field.
QHostAddress clientAddress(const QHostAddress &peer, const QHostAddress &proxy, QByteArrayView realIp);
