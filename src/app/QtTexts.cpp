#include "app/QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Qt's catalogue of the interface languages that are not its own.
QString catalogueFor(LanguageIndex index)
{
    switch (index) {
    case 0:
        return QStringLiteral("qtbase_fr");
    case 2:
        return QStringLiteral("qtbase_es");
    default:
        return {};
    }
}

} // namespace

QtTexts::~QtTexts()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}

void QtTexts::apply(LanguageIndex index)
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    const QString catalogue = catalogueFor(index);
    // A system without Qt's translations keeps Qt's English.
    m_installed = !catalogue.isEmpty() &&
                  m_translator.load(catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                  QCoreApplication::installTranslator(&m_translator);
}
