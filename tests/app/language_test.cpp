// The program in the desktop's language: the translation chosen from the
// locale, Qt's own texts in the same language, and windows whose longer texts
// still fit.
#include "form1fixture.h"

#include "uilanguage.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMenuBar>

using namespace orv;
using namespace orv::test;

class LanguageTest : public Form1Test
{
};

TEST_F(LanguageTest, TheDesktopsLanguageChoosesTheTexts)
{
    const struct {
        const char *locale;
        const char *loaded;
        QStringList menus;
        const char *welcome;
        const char *qtCancel; // a button of Qt's own dialogs
    } rows[] = {
        {"de_DE", "de", {"&Datei", "&Bearbeiten", "&Ansicht", "&Liste", "&Hilfe"},
         "Willkommen. Öffnen oder erstellen Sie eine Bilderliste, um zu beginnen.", "Abbrechen"},
        {"de_AT", "de", {"&Datei", "&Bearbeiten", "&Ansicht", "&Liste", "&Hilfe"},
         "Willkommen. Öffnen oder erstellen Sie eine Bilderliste, um zu beginnen.", "Abbrechen"},
        {"fr_FR", "fr", {"&Fichier", "&Édition", "&Affichage", "&Liste", "Ai&de"},
         "Bienvenue. Ouvrez ou créez une liste d'images pour commencer.", "Annuler"},
        {"es_MX", "es", {"&Archivo", "&Edición", "&Ver", "&Lista", "Ay&uda"},
         "Bienvenido. Abra o cree una lista de imágenes para empezar.", "Cancelar"},
        {"pt_BR", "pt_BR", {"&Arquivo", "&Editar", "E&xibir", "&Lista", "Aj&uda"},
         "Bem-vindo. Abra ou crie uma lista de imagens para começar.", "Cancelar"},
        {"zh_CN", "zh_CN", {"文件(&F)", "编辑(&E)", "查看(&V)", "列表(&L)", "帮助(&H)"},
         "欢迎。请打开或创建一个图片列表以开始。", "取消"},
        {"en_GB", "", {"&File", "&Edit", "&View", "&List", "&Help"}, "Welcome. Open or make a pictures list to start.",
         "Cancel"},
        {"it_IT", "", {"&File", "&Edit", "&View", "&List", "&Help"}, "Welcome. Open or make a pictures list to start.",
         "Cancel"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.locale);
        UiLanguage language;
        EXPECT_EQ(language.install(QLocale(QLatin1String(row.locale))), QLatin1String(row.loaded));
        start();
        QStringList menus;
        for (QAction *a : form->menuBar()->actions())
            menus << a->text();
        EXPECT_EQ(menus, row.menus);
        EXPECT_EQ(label2(), QString::fromUtf8(row.welcome));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(row.qtCancel));
        form.reset();
    }
}

namespace {

// The texts of the shown labels and buttons of `window` that are narrower
// than their text needs.
QStringList clipped(QWidget *window)
{
    QStringList out;
    for (QLabel *l : window->findChildren<QLabel *>())
        if (l->isVisible() && !l->wordWrap() && !l->text().isEmpty() && l->width() < l->sizeHint().width())
            out << l->text();
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->isVisible() && !b->text().isEmpty() && b->width() < b->sizeHint().width())
            out << b->text();
    return out;
}

} // namespace

TEST_F(LanguageTest, LongerTextsFitTheirWindows)
{
    for (const char *locale : {"de_DE", "fr_FR", "es_ES", "pt_BR", "zh_CN", "en_US"}) {
        SCOPED_TRACE(locale);
        UiLanguage language;
        language.install(QLocale(QLatin1String(locale)));
        start();
        const QString picture = dir.filePath(QStringLiteral("sea.jpg"));
        writeFile(picture, "a picture");
        platform.pictureLoader.addPicture(picture, QSize(40, 30));
        form->pictureList().append(QStringLiteral("sea.jpg"), dir.path());
        form->engine().disp();
        EXPECT_EQ(clipped(form.get()), QStringList());
        for (const char *command : {"mslideoption", "mabout", "mrename", "mprop", "mpaste", "mopfolder"}) {
            SCOPED_TRACE(command);
            bool shown = false;
            platform.modalRunner.scripts.push_back([&shown](QDialog *d) {
                d->show();
                EXPECT_TRUE(QTest::qWaitForWindowExposed(d));
                EXPECT_EQ(clipped(d), QStringList());
                shown = true;
                return int(QDialog::Rejected);
            });
            form->action(QLatin1String(command))->trigger();
            EXPECT_TRUE(shown);
            platform.modalRunner.scripts.clear();
        }
        form.reset();
    }
}
