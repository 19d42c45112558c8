#include "gui/online/UpdateFailureLine.h"

#include "gui/online/OnlineMessages.h"
#include "online/UpdateOutcome.h"

namespace {

Message downloadCause(DownloadResult::Failure failure)
{
    using Failure = DownloadResult::Failure;
    switch (failure) {
    case Failure::None:
    case Failure::Connection:
        break;
    case Failure::HttpStatus:
        return Message::httpError;
    case Failure::Empty:
    case Failure::Truncated:
        return Message::incomplete;
    case Failure::TooLarge:
        return Message::notAWholeChart;
    case Failure::Redirected:
        return Message::redirectedAway;
    case Failure::RedirectLoop:
        return Message::redirectLoop;
    case Failure::Undecodable:
        return Message::undecodable;
    case Failure::TimedOut:
        return Message::stalled;
    case Failure::OverDeadline:
        return Message::tooLong;
    case Failure::Cancelled:
        return Message::cancelled;
    }
    return Message::noAnswer;
}

} // namespace

QString updateFailureLine(const MessageTable &messages, const UpdateOutcome &outcome)
{
    switch (outcome.failure) {
    case UpdateOutcome::Failure::None:
        return QString();
    case UpdateOutcome::Failure::NotAChart:
        return onlineMessages::text(messages, Message::notAWholeChart);
    case UpdateOutcome::Failure::Unwritable:
        return onlineMessages::text(messages, Message::unwritable).arg(outcome.chartName + QStringLiteral(".ini"));
    case UpdateOutcome::Failure::Download:
        break;
    }
    const DownloadResult &download = outcome.download;
    const Message cause = downloadCause(download.failure);
    const QString line = onlineMessages::text(messages, cause);
    if (cause == Message::httpError)
        return line.arg(download.httpStatus);
    if (cause == Message::redirectedAway)
        return line.arg(download.detail);
    return line;
}
