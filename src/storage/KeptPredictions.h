#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// The update's guard. `current` is the chart file about to be replaced by
// `published`. When it holds entries of the user's own (a played cell that
// the published file does not hold as typed), it is kept under the owner's
// name ("Mon pronostic" when there is none), numbered when that name is
// taken, unless a kept prediction holds the same cells already. False only
// when it had to be kept and could not be.
bool keepBeforeUpdate(const QByteArray &current, const QByteArray &published, const QString &owner);

} // namespace KeptPredictions
