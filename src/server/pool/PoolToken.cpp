#include "server/pool/PoolToken.h"

#include <array>

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace poolToken {

QByteArray make()
{
    std::array<quint32, 4> bits{};
    QRandomGenerator::system()->fillRange(bits.data(), bits.size());
    return QByteArray(reinterpret_cast<const char *>(bits.data()), sizeof bits).toHex();
}

QByteArray hash(const QByteArray &token)
{
    return QCryptographicHash::hash(token, QCryptographicHash::Sha256);
}

bool matches(const QByteArray &token, const QByteArray &keptHash)
{
    const QByteArray given = hash(token);
    if (keptHash.size() != given.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < given.size(); ++i)
        difference |= static_cast<unsigned char>(given[i] ^ keptHash[i]);
    return difference == 0;
}

} // namespace poolToken
