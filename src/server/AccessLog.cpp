#include "server/AccessLog.h"

#include <algorithm>

#include <QDateTime>
#include <QTextStream>

namespace {

// Printable ASCII but for the escape itself and the quote stays as it is;
// everything else becomes %XX, as in an address.
QByteArray escaped(QByteArrayView text)
{
    QByteArray out;
    const QByteArrayView kept = text.first(qMin(text.size(), AccessLog::maxField));
    out.reserve(kept.size() + 8);
    for (char c : kept) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7f && c != '%' && c != '"' && c != '\\')
            out.append(c);
        else
            out.append('%').append(QByteArray::number(byte, 16).rightJustified(2, '0').toUpper());
    }
    if (text.size() > kept.size())
        out.append("...");
    return out.isEmpty() ? QByteArray("-") : out;
}

// A parameter as any reader of the query might take it: decoded as often
// as it was encoded ("token%3DT" is "token=T" once decoded), cut again
// where the decoding made a separator, each name in any case.
bool isSecret(QByteArrayView parameter)
{
    QByteArray decoded = parameter.toByteArray();
    for (int round = 0; round < 4 && decoded.contains('%'); ++round)
        decoded = QByteArray::fromPercentEncoding(decoded);
    decoded.replace(';', '&');
    return std::ranges::any_of(decoded.split('&'), [](const QByteArray &piece) {
        const qsizetype equals = piece.indexOf('=');
        const QByteArray name = piece.first(equals < 0 ? piece.size() : equals).trimmed().toLower();
        return std::ranges::find(AccessLog::secretParameters, name) != AccessLog::secretParameters.end();
    });
}

} // namespace

// Parameters are cut at '&' and at ';', which some readers of a query take
// for a separator too.
QByteArray AccessLog::withoutSecrets(QByteArrayView target)
{
    const qsizetype question = target.indexOf('?');
    if (question < 0)
        return target.toByteArray();
    QByteArray kept = target.first(question).toByteArray();
    char separator = '?';
    QByteArray query = target.sliced(question + 1).toByteArray();
    query.replace(';', '&');
    for (const QByteArray &parameter : query.split('&')) {
        if (parameter.isEmpty() || isSecret(parameter))
            continue;
        kept += separator + parameter;
        separator = '&';
    }
    return kept;
}

void AccessLog::write(const QHostAddress &client, QByteArrayView method, QByteArrayView target, int status,
                      qint64 bytes) const
{
    m_out << QDateTime::currentDateTime().toString(Qt::ISODate) << ' ' << client.toString() << ' '
          << escaped(method) << ' ' << escaped(withoutSecrets(target)) << ' ' << status << ' ' << bytes
          << Qt::endl;
}
