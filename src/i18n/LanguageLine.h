#pragma once

#include <optional>
#include <variant>

#include <QString>
#include <QStringView>

// "MSG\text\number": sets one entry of the message table.
struct MessageLine
{
    int entry;
    QString text;
};

// "EQU\stored name\shown name": one team name of the language.
struct TeamNameLine
{
    QString stored;
    QString shown;
};

// "name\caption\text\tooltip\index": rewrites the named controls.
struct ControlLine
{
    QString name;
    QString caption;
    QString text;
    QString toolTip;
    std::optional<int> index;
};

// std::monostate stands for a line that changes nothing: an empty line, a
// line with too few fields, a message number outside the table, an element
// index that no control array can have.
using LanguageLine = std::variant<std::monostate, MessageLine, TeamNameLine, ControlLine>;

// One line of a language file, without its line end.
LanguageLine parseLanguageLine(QStringView line);
