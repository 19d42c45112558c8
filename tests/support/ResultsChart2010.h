#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "support/Results2010.h"
#include "tournament/Tournament.h"

// The starting chart that ships with the program, read by the test from
// the sources (pass QFINDTESTDATA of "data/VYL2010.ini").
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A chart's cells as its file holds them.
inline QByteArray chartBytes(const Tournament &t)
{
    IniDocument file;
    writeChartCells(t, file);
    return file.toBytes();
}

// Edits as "Family:index=text" separated by ";", each a change event.
inline void editCells(Tournament &t, const QString &edits)
{
    for (const QString &edit : edits.split(u';', Qt::SkipEmptyParts)) {
        const QString cell = edit.section(u'=', 0, 0);
        t.setText(t.family(cell.section(u':', 0, 0)), cell.section(u':', 1).toInt(), edit.section(u'=', 1));
    }
}

// The real results of 2010 over the starting chart's own team names, the
// whole tournament played.
inline void enterRealResults(Tournament &t, const QByteArray &starting)
{
    LoadChartDocument(t, QStringLiteral("VYL2010"), IniDocument(starting), 0);
    t.setReady(true);
    enterResults2010(t);
}
