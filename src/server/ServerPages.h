#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The server's HTML pages, in French, in the program's greens. Every text
// that comes from a request is escaped; none of them ever shows a password.
namespace serverPages {

// A page of the site around `body`, which must be HTML already escaped.
QByteArray framed(const QString &title, const QString &body);
QByteArray home();
// `files`: the names of the folder's files offered for download.
QByteArray download(const QStringList &files);
QByteArray contact(const QString &subject);
// The forum and partner pages a site without its own shows.
QByteArray forum();
QByteArray partner();
// The form posts back to its own address, query included, so a password
// the address brought is sent again without being written into the page;
// one typed into the form takes its place.
QByteArray exportForm(bool passwordInAddress, const QString &pseudo);
// A short answer: what was published, or why nothing was.
QByteArray answer(const QString &title, const QString &text);

} // namespace serverPages
