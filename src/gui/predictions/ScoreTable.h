#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

// The read-only tables of the predictions window: one row per line, the
// first column stretched, the others centred.
QTableWidget *makeScoreTable(QWidget *parent, const QString &name, const QStringList &headers);
void setScoreRow(QTableWidget *table, int row, const QStringList &cells);
