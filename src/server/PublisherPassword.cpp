#include "server/PublisherPassword.h"

#include <QFile>
#include <QFileInfo>

#include "storage/EditorPassword.h"

PrivateLine readPrivateLine(const QString &path, const QString &what)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, QStringLiteral("%1: no such file.").arg(path)};
    if (info.isDir())
        return {{}, QStringLiteral("%1: a folder, not %2.").arg(path, what)};
    if (!info.isFile())
        return {{}, QStringLiteral("%1: not a regular file.").arg(path)};
    if (info.permissions() & (QFile::WriteGroup | QFile::WriteOther))
        return {
            {},
            QStringLiteral("%1: others can change it; make it writable by its owner only (chmod 600).").arg(path)};
    if (info.permissions() & (QFile::ReadGroup | QFile::ReadOther))
        return {
            {},
            QStringLiteral("%1: others can read it; make it readable by its owner only (chmod 600).").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("%1: %2.").arg(path, file.errorString())};
    QByteArray line = file.readLine(4096);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return {{}, QStringLiteral("%1: the first line is empty.").arg(path)};
    return {line, QString()};
}

LoadedPassword loadPublisherPassword(const QString &path)
{
    const auto [line, refusal] = readPrivateLine(path, QStringLiteral("the password file"));
    if (!refusal.isEmpty())
        return {std::nullopt, refusal};
    if (QString::fromUtf8(line).toUcs4().size() < PublisherPassword::minimumLength)
        return {std::nullopt,
                QStringLiteral("%1: the password is shorter than %2 characters; choose a longer one.")
                    .arg(path)
                    .arg(PublisherPassword::minimumLength)};
    if (QString::fromUtf8(line) == editorPassword)
        return {std::nullopt, QStringLiteral("%1: that is the program's editor password, which every copy knows; "
                                             "choose another.")
                                  .arg(path)};
    return {PublisherPassword(line), QString()};
}

bool PublisherPassword::matches(const QByteArray &attempt) const
{
    // Every byte of the attempt is looked at, and the lengths take part in
    // the result rather than ending the comparison early.
    unsigned difference = unsigned(attempt.size() ^ m_secret.size());
    for (qsizetype i = 0; i < attempt.size(); ++i) {
        const char secret = m_secret.isEmpty() ? '\0' : m_secret.at(i % m_secret.size());
        difference |= unsigned(static_cast<unsigned char>(attempt.at(i) ^ secret));
    }
    return difference == 0 && !m_secret.isEmpty();
}
