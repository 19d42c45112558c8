#pragma once

#include <memory>

class CellBinding;
class FormatBracketPage;
class FormatGroupPage;
class QWidget;
class Tournament;
struct FormatRules;

// The group page and the bracket of the format the chart has, when it is
// not the 2010 one, with a binding of their own: they are made for one
// format and go when the chart takes another, taking their cells' ties
// with them. The bracket is made when first shown: a tournament still to
// come opens on its groups, and its start need not pay for it.
class FormatPages final
{
public:
    // The group page lies on the window, the bracket on the knock-out page.
    FormatPages(Tournament &t, QWidget &window, QWidget &knockoutPage);
    ~FormatPages();
    FormatPages(const FormatPages &) = delete;
    FormatPages &operator=(const FormatPages &) = delete;

    const FormatRules &rules() const { return *m_rules; }
    CellBinding &binding() const { return *m_binding; }
    FormatGroupPage &groups() const { return *m_groups; }
    // Null until made.
    FormatBracketPage *builtBracket() const { return m_bracket; }
    FormatBracketPage &bracket();

private:
    const FormatRules *m_rules;
    std::unique_ptr<CellBinding> m_binding;
    Tournament &m_tournament;
    QWidget &m_knockoutPage;
    FormatGroupPage *m_groups;
    FormatBracketPage *m_bracket = nullptr;
};
