#pragma once

#include <optional>
#include <utility>

#include <QByteArray>
#include <QString>

// The server's own publishing password, read from a one-line file that
// only its owner may read. It is never the program's editor password:
// that one ships with every copy of the program.
class PublisherPassword final
{
public:
    // In characters: with the wait after wrong tries, long enough that
    // nobody guesses it from outside.
    static constexpr qsizetype minimumLength = 12;

    explicit PublisherPassword(QByteArray secret)
        : m_secret(std::move(secret))
    {}

    // Takes as long whatever the first differing byte, so that the answer
    // times say nothing about the password.
    bool matches(const QByteArray &attempt) const;

private:
    QByteArray m_secret;
};

// The password of the file, or the reason the server must not start with
// it (not a regular file, others can change or read it, it cannot be read,
// it is short enough to guess).
struct LoadedPassword
{
    std::optional<PublisherPassword> password;
    QString refusal;
};
LoadedPassword loadPublisherPassword(const QString &path);

// The first line of a file of secrets the server starts with (`what`
// names it in the reasons), or why the server must not start with it: not
// a regular file, others can change or read it, it cannot be read, its
// first line is empty.
struct PrivateLine
{
    QByteArray line;
    QString refusal;
};
PrivateLine readPrivateLine(const QString &path, const QString &what);
