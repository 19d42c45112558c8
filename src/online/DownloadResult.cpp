#include "online/DownloadResult.h"

QString DownloadResult::describe() const
{
    switch (failure) {
    case Failure::None:
        return notModified ? QStringLiteral("not modified")
                           : QStringLiteral("downloaded %1 bytes").arg(body.size());
    case Failure::Connection:
        return QStringLiteral("no connection to the server (%1)").arg(detail);
    case Failure::HttpStatus:
        return QStringLiteral("the server answered HTTP %1").arg(httpStatus);
    case Failure::Empty:
        return QStringLiteral("the server sent an empty answer");
    case Failure::Truncated:
        return QStringLiteral("the answer was cut short");
    case Failure::TooLarge:
        return QStringLiteral("the answer is larger than a chart can be");
    case Failure::Redirected:
        return QStringLiteral("the server redirected to another site (%1)").arg(detail);
    case Failure::RedirectLoop:
        return QStringLiteral("the server redirects in a loop");
    case Failure::Undecodable:
        return QStringLiteral("the compressed answer is damaged");
    case Failure::TimedOut:
        return QStringLiteral("the server stopped answering");
    case Failure::OverDeadline:
        return QStringLiteral("the download took too long");
    case Failure::Cancelled:
        return QStringLiteral("cancelled");
    }
    return QString();
}
