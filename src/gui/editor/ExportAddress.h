#pragma once

#include <QString>
#include <QUrl>

// The server's export page for this publisher. Password and user name are
// percent-encoded whole, so that "&", "#", "=", "+", "%" or a space in them
// reach the server as typed instead of changing the address.
QUrl exportAddress(const QUrl &serverBase, const QString &password, const QString &pseudo);
