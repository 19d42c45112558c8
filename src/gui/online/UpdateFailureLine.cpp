#include "gui/online/UpdateFailureLine.h"

#include "gui/online/OnlineMessages.h"
#include "online/UpdateOutcome.h"

namespace {

onlineMessages::Entry downloadCause(DownloadResult::Failure failure)
{
    using Failure = DownloadResult::Failure;
    switch (failure) {
    case Failure::None:
    case Failure::Connection:
        break;
    case Failure::HttpStatus:
        return onlineMessages::httpError;
    case Failure::Empty:
    case Failure::Truncated:
        return onlineMessages::incomplete;
    case Failure::TooLarge:
        return onlineMessages::notAWholeChart;
    case Failure::Redirected:
        return onlineMessages::redirectedAway;
    case Failure::RedirectLoop:
        return onlineMessages::redirectLoop;
    case Failure::Undecodable:
        return onlineMessages::undecodable;
    case Failure::TimedOut:
        return onlineMessages::stalled;
    case Failure::OverDeadline:
        return onlineMessages::tooLong;
    case Failure::Cancelled:
        return onlineMessages::cancelled;
    }
    return onlineMessages::noAnswer;
}

} // namespace

QString updateFailureLine(const MessageTable &messages, const UpdateOutcome &outcome)
{
    switch (outcome.failure) {
    case UpdateOutcome::Failure::None:
        return QString();
    case UpdateOutcome::Failure::NotAChart:
        return onlineMessages::text(messages, onlineMessages::notAWholeChart);
    case UpdateOutcome::Failure::Unwritable:
        return onlineMessages::text(messages, onlineMessages::unwritable).arg(QStringLiteral("VYL2010.ini"));
    case UpdateOutcome::Failure::Download:
        break;
    }
    const DownloadResult &download = outcome.download;
    const onlineMessages::Entry cause = downloadCause(download.failure);
    const QString line = onlineMessages::text(messages, cause);
    if (cause == onlineMessages::httpError)
        return line.arg(download.httpStatus);
    if (cause == onlineMessages::redirectedAway)
        return line.arg(download.detail);
    return line;
}
