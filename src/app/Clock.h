#pragma once

#include <QDateTime>

// Today's date and time; tests start the program on any day through it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};
