#pragma once

#include "fakelistmanagerhost.h"
#include "fakeplatform.h"
#include "listform.h"
#include "picturelist.h"

#include <QCoreApplication>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace orv::test {

// Entries named by letters: "b" is b.jpg in the folder /main/b (the second
// list's in /second/b), so a test sees at once which folder went where.
inline std::vector<PictureEntry> lettered(const QString &letters, const QString &root)
{
    std::vector<PictureEntry> out;
    for (QChar c : letters)
        out.push_back({QString(c) + QStringLiteral(".jpg"), root + QLatin1Char('/') + c});
    return out;
}

// The letters of a list's entries, checking that each folder still goes with
// its name.
inline QString letters(const PictureList &list)
{
    QString out;
    for (int i = 0; i < list.count(); ++i) {
        const QString name = list.name(i);
        const QString letter = name.left(name.size() - 4);
        if (!list.folder(i).endsWith(QLatin1Char('/') + letter))
            return QStringLiteral("folder of %1 is %2").arg(name, list.folder(i));
        out += letter;
    }
    return out;
}

inline QString letters(const std::vector<PictureEntry> &entries)
{
    PictureList list;
    list.setEntries(entries);
    return letters(list);
}

// A list manager window as the program opens it, over a fake main window.
class ListFormTest : public ::testing::Test
{
protected:
    ~ListFormTest() override
    {
        delete form.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ListForm *open(const QString &mainLetters = QString())
    {
        list.setEntries(lettered(mainLetters, QStringLiteral("/main")));
        form = new ListForm(list, cliplist, host, fake.services());
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        return form;
    }
    // Starts a second list holding these entries.
    void startSecond(const QString &secondLetters)
    {
        form->action(QStringLiteral("mnew"))->trigger();
        form->secondList().setEntries(lettered(secondLetters, QStringLiteral("/second")));
    }

    QListView *view(const char *name) const { return form->findChild<QListView *>(QLatin1String(name)); }
    QPoint rowCentre(QListView *v, int row) const
    {
        return v->visualRect(v->model()->index(row, 0)).center();
    }
    void click(QListView *v, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(v->viewport(), Qt::LeftButton, modifiers, rowCentre(v, row));
    }
    // Clicks the rows one after another with Ctrl, as a user picks entries.
    void pick(QListView *v, std::initializer_list<int> rows)
    {
        bool first = true;
        for (int row : rows) {
            click(v, row, first ? Qt::KeyboardModifiers() : Qt::ControlModifier);
            first = false;
        }
    }
    void rightClick(QListView *v, int row)
    {
        QTest::mousePress(v->viewport(), Qt::RightButton, {}, rowCentre(v, row));
        QTest::mouseRelease(v->viewport(), Qt::RightButton, {}, rowCentre(v, row));
    }
    // Clicks an item of a shown popup where it is drawn.
    void choose(QMenu *menu, const char *name)
    {
        ASSERT_TRUE(menu->isVisible()) << menu->objectName().toStdString();
        QAction *a = form->action(QLatin1String(name));
        ASSERT_NE(a, nullptr) << name;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    }
    QList<int> selected(QListView *v) const
    {
        QList<int> rows;
        const QModelIndexList indexes = v->selectionModel()->selectedIndexes();
        for (const QModelIndex &i : indexes)
            rows << i.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void trigger(const char *name) { form->action(QLatin1String(name))->trigger(); }

    FakePlatform fake;
    PictureList list;
    std::vector<PictureEntry> cliplist;
    FakeListManagerHost host{list};
    QPointer<ListForm> form;
};

} // namespace orv::test
