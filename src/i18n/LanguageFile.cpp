#include "i18n/LanguageFile.h"

#include <QFileInfo>
#include <QStringDecoder>

#include "i18n/ControlTarget.h"
#include "i18n/LanguageLine.h"
#include "storage/ProgramFolder.h"
#include "storage/TextFileReading.h"
#include "tournament/MessageTable.h"

namespace {

struct LineApplier
{
    MessageTable &messages;
    ControlTarget &controls;

    void operator()(std::monostate) const {}
    void operator()(const MessageLine &line) const { messages.set(line.entry, line.text); }
    void operator()(const TeamNameLine &line) const { messages.teamNames().add(line.stored, line.shown); }
    void operator()(const ControlLine &line) const
    {
        controls.applyControlLine(line.name, line.index, line.caption, line.text, line.toolTip);
    }
};

// Away from the window (the batch modes, the prompts before it opens) only
// the messages and the team names count.
struct NoControls final : ControlTarget
{
    void applyControlLine(const QString &, std::optional<int>, const QString &, const QString &,
                          const QString &) override
    {}
};

QString decoded(const QByteArray &bytes)
{
    QStringDecoder decode("windows-1252");
    return decode(bytes);
}

void applyLines(const QString &content, const LineApplier &apply)
{
    for (QStringView line : QStringView(content).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        std::visit(apply, parseLanguageLine(line));
    }
}

// A file of the user's folder is never replaced, and one kept from an
// earlier version lacks the lines added since: the shipped file of its
// name stands under it, so that those read in its language rather than in
// French. The same bytes need no second reading.
QString shippedUnder(const QString &path, const QByteArray &bytes)
{
    const QFileInfo file(path);
    if (file.absolutePath() != QFileInfo(ProgramFolder::path()).absoluteFilePath())
        return QString();
    const FileReading shipped = readTextFile(ProgramFolder::shippedFolder() + u'/' + file.fileName());
    return shipped.status == FileReadStatus::Read && shipped.bytes != bytes ? decoded(shipped.bytes) : QString();
}

} // namespace

LanguageFileStatus LoadLanguageFile(const QString &path, MessageTable &messages, ControlTarget &controls)
{
    const FileReading file = readTextFile(path);
    if (file.status == FileReadStatus::TooLarge)
        return LanguageFileStatus::TooLarge;
    if (file.status != FileReadStatus::Read)
        return LanguageFileStatus::Missing;

    // Names are the language's own: a file without them shows the stored ones.
    messages.teamNames().clear();
    const LineApplier apply{messages, controls};
    applyLines(shippedUnder(path, file.bytes), apply);
    applyLines(decoded(file.bytes), apply);
    return LanguageFileStatus::Applied;
}

QStringList yearListEntries(const MessageTable &messages)
{
    // In the order of the history's entries: the World Cups, then the
    // European Championships.
    return {messages.at(Message::chooseYear), QStringLiteral("1998"),      QStringLiteral("2002"),
            QStringLiteral("2006"),           QStringLiteral("2010"),      QStringLiteral("2014"),
            QStringLiteral("2018"),           QStringLiteral("2022"),      QStringLiteral("2026"),
            QStringLiteral("Euro 2016"),      QStringLiteral("Euro 2020"), QStringLiteral("Euro 2024")};
}

LanguageFileStatus LoadLanguageMessages(const QString &path, MessageTable &messages)
{
    NoControls controls;
    return LoadLanguageFile(path, messages, controls);
}
