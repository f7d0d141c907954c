#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace orv {

// The user's language: the program's translation for the first of the
// desktop's languages that one is shipped for (:/i18n/orvanta_<lang>.qm), and
// Qt's own texts (the buttons of message boxes, the file dialogs) in the same
// language. English needs none: the texts in the code are English. The
// translations stay installed while the object lives.
class UiLanguage
{
public:
    // Installs the translations for `locale` (QLocale::system() at start, whose
    // uiLanguages() follow LANGUAGE, LC_ALL, LC_MESSAGES and LANG); returns the
    // language loaded ("de", "pt_BR") or an empty text for English.
    QString install(const QLocale &locale);

    // Where Qt's own translations are looked for (Qt's translations folder).
    void setQtTranslationsFolder(const QString &folder) { m_qtFolder = folder; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_qtFolder;
};

} // namespace orv
