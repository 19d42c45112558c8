#pragma once

#include "i18n/LanguageIndex.h"

#include <QTranslator>

// Qt's own texts (the buttons of its boxes, the file dialogs) in the
// language chosen. Qt speaks English unless told otherwise, so English and
// an index without a language file install nothing.
class QtTexts final
{
public:
    ~QtTexts();
    void apply(LanguageIndex index);

private:
    QTranslator m_translator;
    bool m_installed = false;
};
