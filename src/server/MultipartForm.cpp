#include "server/MultipartForm.h"

#include <QRegularExpression>

namespace {

QByteArray boundaryOf(const QByteArray &contentType)
{
    static const QRegularExpression boundary(QStringLiteral(R"re(;\s*boundary=(?:"([^"]+)"|([^;\s]+)))re"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = boundary.match(QString::fromLatin1(contentType));
    if (!match.hasMatch())
        return {};
    return (match.captured(1).isEmpty() ? match.captured(2) : match.captured(1)).toLatin1();
}

// The field name of a part, from its Content-Disposition header; not the
// "filename", which the browser may fill with anything.
std::optional<QString> fieldName(const QByteArray &headers)
{
    static const QRegularExpression name(
        QStringLiteral(R"re(^content-disposition:\s*form-data.*?;\s*name="([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = name.match(QString::fromUtf8(headers));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

// A part that is itself a multipart body: the reader takes parts as they
// are, so whatever the inner parts hold would pass for the field's value.
bool isNested(const QByteArray &headers)
{
    static const QRegularExpression multipart(QStringLiteral(R"re(^content-type:\s*multipart/)re"),
                                              QRegularExpression::CaseInsensitiveOption |
                                                  QRegularExpression::MultilineOption);
    return multipart.match(QString::fromLatin1(headers)).hasMatch();
}

} // namespace

std::optional<MultipartForm> MultipartForm::parse(const QByteArray &contentType, const QByteArray &body)
{
    const QByteArray boundary = boundaryOf(contentType);
    if (boundary.isEmpty())
        return std::nullopt;
    const QByteArray delimiter = "--" + boundary;
    const QByteArray nextDelimiter = "\r\n" + delimiter;

    MultipartForm form;
    qsizetype at = body.indexOf(delimiter);
    if (at < 0)
        return std::nullopt;
    for (;;) {
        at += delimiter.size();
        if (body.mid(at, 2) == "--")
            return form;
        if (body.mid(at, 2) != "\r\n")
            return std::nullopt;
        at += 2;
        const qsizetype headersEnd = body.indexOf("\r\n\r\n", at);
        if (headersEnd < 0)
            return std::nullopt;
        const qsizetype contentStart = headersEnd + 4;
        const qsizetype contentEnd = body.indexOf(nextDelimiter, contentStart);
        if (contentEnd < 0)
            return std::nullopt;
        const QByteArray headers = body.mid(at, headersEnd - at);
        if (isNested(headers))
            return std::nullopt;
        const std::optional<QString> name = fieldName(headers);
        if (name && !form.m_fields.contains(*name))
            form.m_fields.insert(*name, body.mid(contentStart, contentEnd - contentStart));
        at = contentEnd + 2;
    }
}
