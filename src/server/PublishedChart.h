#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A chart a server publishes: "VYL2010.ini" in its folder, or the chart of
// a coming tournament that users follow on their own ("EURO2028.ini"). A new one
// replaces it in one atomic step after the previous one has been copied
// into "archives" under the time of the replacement, so that neither a
// failed publish nor a wrong one loses what users were downloading. The
// same bytes again change nothing, and the newest `keptArchives` stay.
class PublishedChart final
{
public:
    static constexpr qsizetype maxBytes = 1024 * 1024;
    static constexpr qsizetype keptArchives = 100;

    struct Summary
    {
        int scores = 0;  // matches whose two goal cells are filled
        QString version; // the "CV" text, "-" when there is none
    };

    explicit PublishedChart(QString folder, QString chartName = QStringLiteral("VYL2010"));

    const QString &chartName() const { return m_chartName; }
    QString fileName() const { return m_chartName + QStringLiteral(".ini"); }
    static QString archiveFolderName() { return QStringLiteral("archives"); }
    QString filePath() const;

    // False, with the published chart as it was, when the copy or the
    // replacement fails; `error` then says why.
    bool publish(const QByteArray &chart, const QDateTime &now, QString &error) const;

    // Read through the program's own chart reader, as users will read it.
    Summary summary() const;

private:
    bool archivePublished(const QDateTime &now, QString &error) const;
    // The oldest archives past `keptArchives`; a failure here loses
    // nothing, so it is no failure of the publication.
    void pruneArchives() const;

    QString m_folder;
    QString m_chartName;
};
