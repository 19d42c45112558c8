#include "server/AccessLog.h"

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

} // namespace

void AccessLog::write(const QHostAddress &client, QByteArrayView method, QByteArrayView target, int status,
                      qint64 bytes) const
{
    m_out << QDateTime::currentDateTime().toString(Qt::ISODate) << ' ' << client.toString() << ' '
          << escaped(method) << ' ' << escaped(target) << ' ' << status << ' ' << bytes << Qt::endl;
}
