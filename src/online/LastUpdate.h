#pragma once

#include <QByteArray>
#include <QUrl>

#include "online/HttpValidators.h"

// The version of the published chart that the last results update wrote,
// kept in the user's settings file, section "server", with the address it
// came from and a digest of the bytes written. The next update names that
// version to the server, so that checking often costs a short "not
// modified" and no download. Only while the chart file still holds exactly
// those bytes, though: once the user has saved predictions into it, "not
// modified" would leave them standing in place of the results.
class LastUpdate final
{
public:
    LastUpdate() = delete;

    // The version to name when asking address for the chart now in the
    // file; none when the file or the address is not the one remembered.
    static HttpValidators heldVersion(const QUrl &address, const QByteArray &chartFile);

    static void remember(const QUrl &address, const HttpValidators &version, const QByteArray &written);
};
