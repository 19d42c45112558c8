#pragma once

#include <optional>

#include <QList>
#include <QString>

// A match note taken apart for the information panel. Every piece is cut
// relative to the first "/" of the note (the one of the date); a piece the
// note is too short for stays empty.
struct MatchInfo
{
    QString venue;              // before the first "(" of the head
    QString date;               // nine characters from the day on
    QString time;               // up to ten characters, the separator and the kick-off
    QList<int> logos;           // every broadcaster named in the head, ascending
    std::optional<int> stadium; // stadium picture 0..9

    // The information box is drawn only around some text.
    bool hasText() const { return !venue.isEmpty() || !date.isEmpty() || !time.isEmpty(); }
};

MatchInfo parseMatchInfo(const QString &hoverKey);
