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

bool isSecret(QByteArrayView parameter)
{
    const qsizetype equals = parameter.indexOf('=');
    const QByteArray name = QByteArray::fromPercentEncoding(parameter.first(equals < 0 ? parameter.size() : equals).toByteArray());
    return std::find(AccessLog::secretParameters.begin(), AccessLog::secretParameters.end(), name) !=
           AccessLog::secretParameters.end();
}

} // namespace

QByteArray AccessLog::withoutSecrets(QByteArrayView target)
{
    const qsizetype question = target.indexOf('?');
    if (question < 0)
        return target.toByteArray();
    QByteArray kept = target.first(question).toByteArray();
    char separator = '?';
    for (const QByteArray &parameter : target.sliced(question + 1).toByteArray().split('&')) {
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
