#pragma once

#include <chrono>

#include <QHostAddress>
#include <QtGlobal>

// What one client may hold of the server. Each connection takes a file, so
// the program lowers the connection cap to what the file limit leaves; a
// slow or idle client gives way rather than the clients behind it.
struct ConnectionLimits
{
    // For a head to arrive, for a connection to be used again, and for an
    // answer to move on: a download that keeps moving is never cut. It
    // counts from the end of a request, so a page answered later must
    // answer within it.
    std::chrono::milliseconds headTimeout{10'000};
    std::chrono::milliseconds bodyTimeout{30'000};
    // How long a refused client may still send what it had started before
    // the connection is cut, so that it reads the refusal rather than a reset.
    std::chrono::milliseconds linger{2'000};
    int maxConnections = 4000;
    int maxPerAddress = 32;
    qsizetype maxRequestLine = 8 * 1024;
    qsizetype maxHeaderBlock = 16 * 1024;
    // All the bodies being received at once, and those whose sender is not
    // proven by the head; each route sets the length of one body.
    qint64 bodyBudget = 64 * 1024 * 1024;
    qint64 unprovenBodyBudget = 8 * 1024 * 1024;
    // What a client may send ahead while its previous answer is on its way
    // (its next requests), before the connection is cut.
    qsizetype maxAhead = 1024 * 1024;
    // The proxy in front (`--proxy`), null when there is none: the waits
    // after wrong passwords and tokens then count per client it names, not
    // for everyone behind it at once. Connections still count per proxy.
    QHostAddress proxy;
};
