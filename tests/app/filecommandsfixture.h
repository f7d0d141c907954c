#pragma once

// The main window on real files in a temporary folder, with the file commands reached
// as a user reaches them: menus, popup, keys and the paste-to dialog.
#include "form1fixture.h"

#include "qtfileoperations.h"
#include "toolbutton.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace orv::test {

class FileCommandsFixture : public Form1Test
{
public:
    using Form1Test::view;

    void SetUp() override
    {
        Form1Test::SetUp();
        platform.fileOperations.fallback = &realOperations;
        platform.drives.drives = {{QStringLiteral("/"), QStringLiteral("/")}};
        pics = dir.filePath(QStringLiteral("pics"));
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

    // The window as start-up shows it, listing `count` picture files p1.jpg ... in
    // pics/ (picture i is 40 + i pixels wide), picture 1 on display.
    void startWithFiles(int count)
    {
        start();
        form->showLoaded();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        for (int i = 1; i <= count; ++i)
            addFile(QStringLiteral("p%1.jpg").arg(i), "a picture", QSize(40 + i, 30));
        form->engine().disp();
    }
    void addFile(const QString &name, const QByteArray &bytes = "a picture", QSize pixels = QSize(40, 30))
    {
        const QString path = pics + QLatin1Char('/') + name;
        writeFile(path, bytes);
        platform.pictureLoader.addPicture(path, pixels);
        form->pictureList().append(name, pics);
    }
    QStringList names()
    {
        QStringList out;
        for (int i = 0; i < form->pictureList().count(); ++i)
            out << list("List2")->model()->index(i, 0).data().toString();
        return out;
    }
    // Opens the full list and clicks the rows, Ctrl held from the second on.
    void select(std::initializer_list<int> rows)
    {
        QListView *list2 = list("List2");
        if (!list2->isVisible())
            QTest::mouseClick(form->findChild<ToolButton *>(QStringLiteral("listdn")), Qt::LeftButton);
        list2->doItemsLayout();
        Qt::KeyboardModifiers mods;
        for (int row : rows) {
            const QRect r = list2->visualRect(list2->model()->index(row, 0));
            QTest::mouseClick(list2->viewport(), Qt::LeftButton, mods, r.center());
            mods = Qt::ControlModifier;
        }
    }
    void clickItem(QMenu *menu, const char *name)
    {
        QAction *a = form->action(QLatin1String(name));
        ASSERT_TRUE(menu->isVisible()) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    }
    // A right-click on the first selected entry, then a popup item.
    void popup(const char *item)
    {
        QListView *list2 = list("List2");
        const QModelIndexList selected = list2->selectionModel()->selectedIndexes();
        ASSERT_FALSE(selected.isEmpty());
        QTest::mouseClick(list2->viewport(), Qt::RightButton, {}, list2->visualRect(selected.first()).center());
        clickItem(form->popmenu(), item);
    }
    QMenu *openMenu(const char *menuName)
    {
        auto *menu = form->findChild<QMenu *>(QLatin1String(menuName));
        QMenuBar *bar = form->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        return menu;
    }
    void menuItem(const char *menuName, const char *item) { clickItem(openMenu(menuName), item); }
    // Clicks the item if it is enabled; returns whether it was.
    bool menuItemIfEnabled(const char *menuName, const char *item)
    {
        QMenu *menu = openMenu(menuName);
        EXPECT_TRUE(menu->isVisible());
        if (!form->action(QLatin1String(item))->isEnabled()) {
            menu->close();
            return false;
        }
        clickItem(menu, item);
        return true;
    }
    void keyInList(int key, Qt::KeyboardModifiers mods = {})
    {
        list("List2")->setFocus();
        QTest::keyClick(list("List2"), Qt::Key(key), mods);
    }
    // The next modal dialog: `script` acts on it while it is shown.
    void whenShown(std::function<void(QDialog *)> script)
    {
        platform.modalRunner.scripts.push_back([script](QDialog *d) {
            d->show();
            script(d);
            return d->result();
        });
    }
    // In pasteto: a double-click on a subfolder of the one shown, then Paste.
    void pasteInto(const QString &subfolder)
    {
        whenShown([subfolder](QDialog *d) {
            auto *dir1 = d->findChild<QTreeWidget *>(QStringLiteral("Dir1"));
            const auto found = dir1->findItems(subfolder, Qt::MatchExactly | Qt::MatchRecursive);
            ASSERT_EQ(found.size(), 1) << subfolder.toStdString();
            const QPoint at = dir1->visualItemRect(found.first()).center();
            QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        });
    }

    QString pics;
    const QString startFolder = QDir::currentPath();
    QTemporaryDir dataHome;
    QtFileOperations realOperations{dataHome.filePath(QStringLiteral("Trash"))};
};

} // namespace orv::test
