#include "app/QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

QtTexts::~QtTexts()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}

void QtTexts::apply(LanguageIndex index)
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    const QStringView locale = index < languages().size() ? languages()[index].qtLocale : QStringView();
    // A system without Qt's translations keeps Qt's English.
    m_installed = !locale.isEmpty() &&
                  m_translator.load(QStringLiteral("qtbase_") + locale.toString(),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                  QCoreApplication::installTranslator(&m_translator);
}
