#pragma once

#include <QByteArray>
#include <QString>

#include "online/HttpValidators.h"

// What one download brought back. Only a complete 2xx body within the size
// limit counts as a page, or, for a request that named the version it
// has, the server's word that this version is still the current one;
// anything else says why it does not.
struct DownloadResult
{
    enum class Failure {
        None,
        Connection,   // refused, unreachable, dropped before an answer
        HttpStatus,   // the server answered with something other than 2xx
        Empty,        // 2xx without a body
        Truncated,    // the body ended before the length the server announced
        TooLarge,     // over the limit; the rest is never read
        Redirected,   // sent to another scheme or host
        RedirectLoop, // sent on from address to address without end
        Undecodable,  // a compressed body that does not decompress
        TimedOut,     // nothing arrived for too long
        OverDeadline, // the whole download took too long
        Cancelled,    // the user stopped it
    };

    Failure failure = Failure::None;
    int httpStatus = 0;
    QByteArray body;
    // "304 Not Modified": the version the request named is current; no body.
    bool notModified = false;
    // Of the version the server sent, or confirmed.
    HttpValidators validators;
    // The network layer's own words, for a failure told on a terminal.
    QString detail;

    bool ok() const { return failure == Failure::None; }
    // One line in plain English for a terminal.
    QString describe() const;
};
