#pragma once

#include <optional>

#include <QPageSize>
#include <QString>

// The paper a sheet is printed on, landscape. A3 is for the wall: the same
// drawing, scaled to the larger page.
enum class Paper { A4, A3 };

// "a4" or "a3", in any case; none for another name.
std::optional<Paper> paperFromName(const QString &name);
QString paperName(Paper paper);
QPageSize pageSize(Paper paper);
// How much larger than A4 the paper is, side for side.
double paperScale(Paper paper);
