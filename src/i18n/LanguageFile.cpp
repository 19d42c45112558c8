#include "i18n/LanguageFile.h"

#include <QStringDecoder>

#include "i18n/ControlTarget.h"
#include "i18n/LanguageLine.h"
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

} // namespace

LanguageFileStatus LoadLanguageFile(const QString &path, MessageTable &messages, ControlTarget &controls)
{
    const FileReading file = readTextFile(path);
    if (file.status == FileReadStatus::TooLarge)
        return LanguageFileStatus::TooLarge;
    if (file.status != FileReadStatus::Read)
        return LanguageFileStatus::Missing;
    QStringDecoder decode("windows-1252");
    const QString content = decode(file.bytes);

    // Names are the language's own: a file without them shows the stored ones.
    messages.teamNames().clear();
    const LineApplier apply{messages, controls};
    for (QStringView line : QStringView(content).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        std::visit(apply, parseLanguageLine(line));
    }
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
