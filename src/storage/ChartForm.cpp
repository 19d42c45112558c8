#include "storage/ChartForm.h"

#include <algorithm>

#include <QHash>

#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "tournament/Tournament.h"

namespace {

const QString formSection = QStringLiteral("Tournoi");

QString missing(const ChartKey &key)
{
    return QStringLiteral("lacks [%1] %2").arg(key.section, key.key);
}

// The sections a chart of another format has and this one has not.
QString foreignPart(const IniDocument &file, const FormatRules &rules)
{
    for (int g = rules.groups; g < 26; ++g)
        for (const char16_t *prefix : {u"But", u"Equip", u"TS", u"Cond"}) {
            const QString section = QString::fromUtf16(prefix) + QChar(u'A' + g);
            if (file.hasSection(section))
                return QStringLiteral("holds [%1], a group a %2 chart lacks").arg(section, formatName(rules.id));
        }
    for (Round r : {Round::RoundOf32, Round::ThirdPlace})
        if (std::find(rules.rounds.begin(), rules.rounds.end(), r) == rules.rounds.end())
            for (const QString &section : knockoutSections(r))
                if (file.hasSection(section))
                    return QStringLiteral("holds [%1], a round a %2 chart lacks")
                        .arg(section, formatName(rules.id));
    // One key past the last of each section: a score of a larger format.
    QHash<QString, int> last;
    for (const ChartKey &key : chartKeys(rules))
        last[key.section] = std::max(last.value(key.section, -1), key.key.toInt());
    for (auto it = last.cbegin(); it != last.cend(); ++it)
        if (file.value(it.key(), QString::number(it.value() + 1)))
            return QStringLiteral("holds [%1] %2, a key a %3 chart lacks")
                .arg(it.key(), QString::number(it.value() + 1), formatName(rules.id));
    return QString();
}

} // namespace

ChartForm chartFormOf(const IniDocument &file)
{
    ChartForm form;
    if (!file.hasSection(formSection)) {
        form.rules = &formatRules(FormatId::Wc32);
        return form;
    }
    const QString name = file.value(formSection, QStringLiteral("format")).value_or(QString());
    const std::optional<FormatId> id = formatFromName(name);
    form.year = file.value(formSection, QStringLiteral("annee")).value_or(QString()).toInt();
    if (!id) {
        form.problem = QStringLiteral("unknown format \"%1\"").arg(name);
        return form;
    }
    form.rules = &formatRules(*id, form.year);
    return form;
}

QString chartFormProblem(const IniDocument &file, const FormatRules &rules)
{
    if (QString foreign = foreignPart(file, rules); !foreign.isEmpty())
        return foreign;
    if (!file.hasSection(formSection))
        return QString();
    for (const ChartKey &key : chartKeys(rules))
        if (!key.optional && !file.value(key.section, key.key))
            return missing(key);
    return QString();
}
