#pragma once

#include <QString>

#include "online/PoolClient.h"

class MessageTable;

// The program's own words for a pool answer that did not go through, in
// the user's language: the server's reason code when the program knows it,
// else the server's text; a server that never answered, one without a pool
// and one that refused the connection each have a cause of their own.
namespace poolRefusal {

// Why the server refused, for a line that says it refused; `pseudo` is the
// one the request named.
QString reasonText(const MessageTable &messages, const PoolClient::Answer &answer, const QString &pseudo);

// The whole line: "Erreur de connexion !" and its cause, or the refusal.
QString line(const MessageTable &messages, const PoolClient::Answer &answer, const QString &pseudo);

} // namespace poolRefusal
