#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

class IniDocument;

// The predictions kept beside the chart: one chart file each, named after
// its owner, in the program folder's "pronostics". Nothing but a keep
// asked for by name ever replaces one, and nothing here deletes one.
namespace KeptPredictions {

// "<program folder>/pronostics".
QString folder();
QString filePath(const QString &name);
// The names kept, in the order of their characters.
QStringList names();

// The name a wish can be kept under: what a file name may hold, path
// separators and control characters left out; empty when nothing is left.
QString fileNameFor(const QString &wish);

enum class KeepResult { Kept, Exists, BadName, Failed };
// Writes chart as the prediction `name`, atomically. An existing one is
// replaced only when asked to.
KeepResult keep(const QString &name, const QByteArray &chart, bool replace);

// The update's guard. `current` is the user's chart about to be replaced
// by `published`: the file, or the chart as the window shows it, saved or
// not. When it holds entries of the user's own (a played cell that the
// published chart does not hold as typed), it is kept under the owner's
// name (`unnamed`, the language's "Mon pronostic", when there is none),
// numbered when that name is
// taken, unless a kept prediction holds the same cells already. Gives the
// name kept under, an empty one when nothing needed keeping, and none when
// it had to be kept and could not be.
std::optional<QString> keepBeforeUpdate(const QByteArray &current, const IniDocument &published,
                                        const QString &owner, const QString &unnamed);

} // namespace KeptPredictions
