#pragma once

#include <array>

#include <QChar>

enum class GroupId { A, B, C, D, E, F, G, H, I, J, K, L };

// The most groups a format has.
constexpr int maxGroups = 12;

// The eight groups of the 32-team World Cup, the window's chart.
constexpr std::array<GroupId, 8> allGroups{GroupId::A, GroupId::B, GroupId::C, GroupId::D,
                                           GroupId::E, GroupId::F, GroupId::G, GroupId::H};

constexpr int groupIndex(GroupId g)
{
    return int(g);
}

inline QChar groupLetter(GroupId g)
{
    return QChar(u'A' + groupIndex(g));
}
