#pragma once

#include <optional>

#include <QByteArray>
#include <QHash>
#include <QString>

// The fields of a "multipart/form-data" body, by name, each as the bytes
// that were sent (a file field holds the file's content). The HTTP module
// hands over the body whole but does not split forms, hence this.
class MultipartForm final
{
public:
    // No form when the content type carries no boundary or the body is not
    // made of parts closed by it; a truncated body is no form either, nor
    // one with a part that is a multipart body of its own.
    static std::optional<MultipartForm> parse(const QByteArray &contentType, const QByteArray &body);

    bool contains(const QString &name) const { return m_fields.contains(name); }
    QByteArray value(const QString &name) const { return m_fields.value(name); }

private:
    QHash<QString, QByteArray> m_fields;
};
