#include "gui/formats/FormatPages.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/Controls.h"
#include "gui/formats/FormatBracketPage.h"
#include "gui/formats/FormatGroupPage.h"
#include "tournament/Tournament.h"

FormatPages::FormatPages(Tournament &t, QWidget &window, QWidget &knockoutPage)
    : m_rules(&t.rules())
    , m_binding(std::make_unique<CellBinding>(t))
    , m_tournament(t)
    , m_knockoutPage(knockoutPage)
    , m_groups(new FormatGroupPage(t, *m_binding, &window))
{}

FormatPages::~FormatPages()
{
    // The widgets first: nothing may reach them through the binding after.
    delete m_groups;
    delete m_bracket;
}

FormatBracketPage &FormatPages::bracket()
{
    if (!m_bracket)
        m_bracket = new FormatBracketPage(m_tournament, *m_binding, &m_knockoutPage);
    return *m_bracket;
}

