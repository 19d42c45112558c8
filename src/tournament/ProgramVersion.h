#pragma once

#include <QString>

struct ProgramVersion
{
    static constexpr int major = 2;
    static constexpr int minor = 6;

    static QString text() { return QString::number(major) + u'.' + QString::number(minor); }
    // Versions are compared as major + minor / 10.
    static constexpr double value() { return major + minor / 10.0; }
};
