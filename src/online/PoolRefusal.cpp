#include "online/PoolRefusal.h"

#include <array>
#include <optional>

#include "tournament/MessageTable.h"

namespace {

struct Wording
{
    const char16_t *reason;
    Message entry;
};

// The codes the pool and the publisher send; what the server says after
// them is its own French, kept for a code this table does not have.
constexpr std::array<Wording, 12> wordings{{
    {u"wrongCode", Message::poolWrongCode},
    {u"pseudoTaken", Message::poolTaken},
    {u"badPseudo", Message::poolBadPseudo},
    {u"tooManyTries", Message::poolWait},
    {u"wrongToken", Message::poolWrongToken},
    {u"locked", Message::poolLocked},
    {u"tooLarge", Message::poolTooLarge},
    {u"notStarted", Message::poolNotStarted},
    {u"notAChart", Message::poolNotAChart},
    {u"busy", Message::serverBusy},
    {u"unknownPlayer", Message::poolUnknownPlayer},
    {u"wrongPassword", Message::wrongPassword},
}};

std::optional<Message> wordingOf(const QString &reason)
{
    for (const Wording &w : wordings)
        if (reason == QStringView(w.reason))
            return w.entry;
    return std::nullopt;
}

// A cause of "Erreur de connexion !": the request never reached a pool.
std::optional<Message> connectionCause(const PoolClient::Answer &answer)
{
    if (answer.status == 0)
        return answer.network == QNetworkReply::ConnectionRefusedError ? Message::connectionRefused
                                                                       : Message::noAnswer;
    // A server without a pool knows no such page, and says no code.
    if (answer.status == 404 && answer.reason().isEmpty())
        return Message::poolNoPool;
    return std::nullopt;
}

} // namespace

namespace poolRefusal {

QString reasonText(const MessageTable &messages, const PoolClient::Answer &answer, const QString &pseudo)
{
    const std::optional<Message> entry = wordingOf(answer.reason());
    if (!entry || (*entry == Message::poolWait && answer.retryAfter <= 0))
        return answer.error;
    switch (*entry) {
    case Message::poolTaken:
        return messages.text(*entry).section(u'|', 0, 0).arg(pseudo);
    case Message::poolWait:
        return messages.text(*entry).arg(answer.retryAfter);
    case Message::poolUnknownPlayer:
        return messages.text(*entry).arg(pseudo);
    default:
        return messages.text(*entry);
    }
}

QString line(const MessageTable &messages, const PoolClient::Answer &answer, const QString &pseudo)
{
    if (const std::optional<Message> cause = connectionCause(answer))
        return messages.text(Message::connectionFailed) + u' ' + messages.text(*cause);
    return messages.text(Message::poolRefused).arg(reasonText(messages, answer, pseudo));
}

} // namespace poolRefusal
