#include "gui/formats/FormatPages.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/Controls.h"
#include "gui/formats/FormatBracketPage.h"
#include "gui/formats/FormatGroupPage.h"
#include "tournament/Tournament.h"

FormatPages::FormatPages(Tournament &t, QWidget &window, QWidget &knockoutPage)
    : m_rules(&t.rules())
    , m_binding(std::make_unique<CellBinding>(t))
    , m_groups(new FormatGroupPage(t, *m_binding, &window))
    , m_bracket(new FormatBracketPage(t, *m_binding, &knockoutPage))
{}

FormatPages::~FormatPages()
{
    // The widgets first: nothing may reach them through the binding after.
    delete m_groups;
    delete m_bracket;
}

void FormatPages::showMessageTexts()
{
    m_groups->showMessageTexts();
    m_bracket->showMessageTexts();
}
