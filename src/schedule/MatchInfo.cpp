#include "schedule/MatchInfo.h"

#include <array>

namespace {

// Searched in this order over the whole note; the last one found wins.
const std::array<QString, 10> stadiumFragments{
    QStringLiteral("Bafokeng"), QStringLiteral("Durban"), QStringLiteral("Ellis"),   QStringLiteral("free"),
    QStringLiteral("Green"),    QStringLiteral("Loftus"), QStringLiteral("Mandela"), QStringLiteral("Mbombela"),
    QStringLiteral("Mokaba"),   QStringLiteral("Soccer"),
};

// By logo index: 0 "C+", 1 "TF1", 2 "F2", 3 "F3".
const std::array<QString, 4> channelNames{QStringLiteral("C+"), QStringLiteral("TF1"), QStringLiteral("F2"),
                                          QStringLiteral("F3")};

} // namespace

MatchInfo parseMatchInfo(const QString &hoverKey)
{
    MatchInfo info;
    // slash is 0-based; the date starts two characters before it, the
    // venue's head ends four before it (the character ahead of the day is
    // the separator), and the time begins six after it.
    const qsizetype slash = hoverKey.indexOf(u'/');
    const QString head = slash >= 3 ? hoverKey.left(slash - 3) : QString();

    const qsizetype bracket = head.indexOf(u'(');
    if (bracket >= 0)
        info.venue = head.left(bracket);

    for (int logo = 0; logo < int(channelNames.size()); ++logo)
        if (head.contains(channelNames[std::size_t(logo)]))
            info.logos << logo;

    if (slash >= 2)
        info.date = hoverKey.mid(slash - 2, 9);
    info.time = hoverKey.mid(slash + 6, 10);

    for (int picture = 0; picture < int(stadiumFragments.size()); ++picture)
        if (hoverKey.contains(stadiumFragments[std::size_t(picture)]))
            info.stadium = picture;
    return info;
}
