#pragma once

#include <chrono>

#include <QtGlobal>

// What one client may hold of the server. Each connection takes a file, so
// the program lowers the connection cap to what the file limit leaves; a
// slow or idle client gives way rather than the clients behind it.
struct ConnectionLimits
{
    std::chrono::milliseconds headTimeout{10'000};
    std::chrono::milliseconds bodyTimeout{30'000};
    // How long a refused client may still send what it had started before
    // the connection is cut, so that it reads the refusal rather than a reset.
    std::chrono::milliseconds linger{2'000};
    int maxConnections = 4000;
    int maxPerAddress = 32;
    qsizetype maxRequestLine = 8 * 1024;
    qsizetype maxHeaderBlock = 16 * 1024;
    // Past this a body is refused from its announced length. Well above the
    // chart's cap, so that a publisher who picks a wrong file still reads why.
    qint64 maxBody = 16 * 1024 * 1024;
};
