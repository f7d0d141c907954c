#include "uilanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace orv {

QString UiLanguage::install(const QLocale &locale)
{
    QCoreApplication::removeTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_qt);
    // QTranslator tries each of the locale's languages in turn (de_DE, then de).
    if (!m_program.load(locale, QStringLiteral("orvanta"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return QString();
    QCoreApplication::installTranslator(&m_program);
    const QString language = m_program.language();
    const QString folder = m_qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : m_qtFolder;
    // Qt's texts in the program's language only, so that a window never mixes two.
    if (m_qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(&m_qt);
    return language;
}

} // namespace orv
