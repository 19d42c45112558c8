#include "storage/KeptPredictions.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

#include "storage/AtomicWrite.h"
#include "storage/ChartFile.h"
#include "storage/ChartForm.h"
#include "storage/IniDocument.h"
#include "storage/ProgramFolder.h"
#include "storage/TextFileReading.h"

namespace {

const QString extension = QStringLiteral(".ini");
// Long enough for any pseudo, short enough for every file system.
constexpr qsizetype longestName = 80;

// The cells of the chart's own format; a format the program does not know
// is compared as a 2010 chart.
const std::vector<ChartKey> &keysOf(const IniDocument &chart)
{
    const ChartForm form = chartFormOf(chart);
    return form.rules ? chartKeys(*form.rules) : chartKeys();
}

bool ownEntries(const IniDocument &current, const IniDocument &published)
{
    const std::vector<ChartKey> &keys = keysOf(current);
    return std::any_of(keys.cbegin(), keys.cend(), [&](const ChartKey &key) {
        const QString typed = chartText(current, key);
        return key.goals && typed != u"-" && typed != chartText(published, key);
    });
}

bool sameCells(const IniDocument &a, const IniDocument &b)
{
    const std::vector<ChartKey> &keys = keysOf(a);
    return std::all_of(keys.cbegin(), keys.cend(),
                       [&](const ChartKey &key) { return chartText(a, key) == chartText(b, key); });
}

bool keptAlready(const IniDocument &chart)
{
    const QStringList kept = KeptPredictions::names();
    return std::any_of(kept.cbegin(), kept.cend(), [&chart](const QString &name) {
        const FileReading file = readTextFile(KeptPredictions::filePath(name));
        return file.status == FileReadStatus::Read && sameCells(IniDocument(file.bytes), chart);
    });
}

} // namespace

namespace KeptPredictions {

QString folder()
{
    return ProgramFolder::filePath(QStringLiteral("pronostics"));
}

QString filePath(const QString &name)
{
    return folder() + u'/' + name + extension;
}

QStringList names()
{
    QStringList kept;
    const QStringList files = QDir(folder()).entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        kept << file.chopped(extension.size());
    // By name: the file names' ".ini" would put "Moi (2)" before "Moi".
    std::sort(kept.begin(), kept.end());
    return kept;
}

QString fileNameFor(const QString &wish)
{
    QString name;
    for (QChar c : wish)
        if (!c.isNonCharacter() && c.category() != QChar::Other_Control &&
            !QStringLiteral("/\\:*?\"<>|").contains(c))
            name += c;
    name = name.trimmed().left(longestName).trimmed();
    // A name of dots alone would climb out of the folder or hide the file.
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name;
}

KeepResult keep(const QString &name, const QByteArray &chart, bool replace)
{
    if (name.isEmpty() || fileNameFor(name) != name)
        return KeepResult::BadName;
    const QString path = filePath(name);
    if (!replace && QFileInfo::exists(path))
        return KeepResult::Exists;
    if (!QDir().mkpath(folder()))
        return KeepResult::Failed;
    return writeFileAtomically(path, chart) ? KeepResult::Kept : KeepResult::Failed;
}

std::optional<QString> keepBeforeUpdate(const QByteArray &current, const IniDocument &published,
                                        const QString &owner, const QString &unnamed)
{
    const IniDocument chart(current);
    if (current.size() > maxTextFileSize || !looksLikeChart(chart) || !ownEntries(chart, published) ||
        keptAlready(chart))
        return QString();
    QString base = fileNameFor(owner);
    if (base.isEmpty())
        base = fileNameFor(unnamed);
    QString name = base;
    for (int n = 2;; ++n) {
        switch (keep(name, current, false)) {
        case KeepResult::Kept:
            return name;
        case KeepResult::Exists:
            name = QStringLiteral("%1 (%2)").arg(base).arg(n);
            break;
        case KeepResult::BadName:
        case KeepResult::Failed:
            return std::nullopt;
        }
    }
}

} // namespace KeptPredictions
