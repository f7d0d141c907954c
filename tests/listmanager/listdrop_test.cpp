// Files dragged from another program onto the list manager's lists.
#include "dropinput.h"
#include "form1fixture.h"
#include "listdroptarget.h"
#include "listform.h"
#include "listformfixture.h"
#include "listmanager.h"
#include "maintoolbar.h"
#include "toolbutton.h"

#include <QDragEnterEvent>
#include <QFrame>
#include <QMimeData>
#include <QTemporaryDir>

using namespace orv;
using namespace orv::test;

namespace {

// Files to drag: pics/ holds x.jpg, y.jpg and a list file.
class ListDropFiles
{
public:
    ListDropFiles()
    {
        for (const char *name : {"x.jpg", "y.jpg", "l.pvl"})
            writeFile(path(QString::fromLatin1(name)), "x");
    }
    QString folder() const { return dir.filePath(QStringLiteral("pics")); }
    QString path(const QString &name) const { return folder() + QLatin1Char('/') + name; }
    QList<QUrl> urls(const QStringList &names) const
    {
        QStringList paths;
        for (const QString &name : names)
            paths << path(name);
        return fileUrls(paths);
    }
    QTemporaryDir dir;
};

// The first letters of a list's names: "axybc".
QString initials(const PictureList &list)
{
    QString out;
    for (int i = 0; i < list.count(); ++i)
        out += list.name(i).left(1);
    return out;
}

class ListDropTest : public ListFormTest
{
protected:
    // A point in the list, in the window's coordinates: the upper or lower
    // quarter of a row, or below the last row.
    QPoint at(QListView *v, int row, bool lower)
    {
        const QRect r = v->visualRect(v->model()->index(row, 0));
        const QPoint p(r.center().x(), lower ? r.bottom() - r.height() / 4 : r.top() + r.height() / 4);
        return v->viewport()->mapTo(form, p);
    }
    QPoint belowTheLast(QListView *v)
    {
        const QRect r = v->visualRect(v->model()->index(v->model()->rowCount() - 1, 0));
        return v->viewport()->mapTo(form, QPoint(r.center().x(), r.bottom() + r.height()));
    }

    ListDropFiles files;
};

} // namespace

TEST_F(ListDropTest, PicturesGoInWhereTheyAreDropped)
{
    const struct {
        const char *name;
        int row;    // -1: below the last entry
        bool lower; // the lower half of the row
        const char *result;
        const char *hostCall;
    } cases[] = {
        {"upper half of the second entry", 1, false, "axybc", "picturesDropped 1 2 0"},
        {"lower half of the second entry", 1, true, "abxyc", "picturesDropped 2 2 0"},
        {"upper half of the first entry", 0, false, "xyabc", "picturesDropped 0 2 0"},
        {"below the last entry", -1, false, "abcxy", "picturesDropped 3 2 0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        open(QStringLiteral("abc"));
        host.calls.clear();
        QListView *v = view("List1");
        const QPoint p = c.row < 0 ? belowTheLast(v) : at(v, c.row, c.lower);
        const DropOutcome drop = dropUrls(form, p, files.urls({"x.jpg", "y.jpg"}));
        EXPECT_EQ(drop.target, v->viewport());
        EXPECT_EQ(drop.action, Qt::CopyAction);
        EXPECT_TRUE(drop.dropAccepted);
        EXPECT_EQ(initials(list), QString::fromLatin1(c.result));
        EXPECT_EQ(v->model()->rowCount(), 5) << "the window's list shows them at once";
        EXPECT_EQ(host.calls, QStringList{QString::fromLatin1(c.hostCall)});
        EXPECT_EQ(list.folder(QString::fromLatin1(c.result).indexOf('x')), files.folder());
        EXPECT_FALSE(form->findChild<QFrame *>(QStringLiteral("List1DropMarker"))->isVisible());
        delete form.data();
    }
}

TEST_F(ListDropTest, TheSecondListTakesPicturesOnceItIsThere)
{
    open(QStringLiteral("abc"));
    QListView *second = view("List2");
    // Before a second list is started it lies beyond the window's edge.
    const QPoint beyond = second->viewport()->mapTo(form, second->viewport()->rect().center());
    EXPECT_EQ(dropUrls(form, beyond, files.urls({"x.jpg"})).target, nullptr);

    startSecond(QStringLiteral("pq"));
    host.calls.clear();
    const DropOutcome drop = dropUrls(form, at(second, 1, false), files.urls({"x.jpg", "y.jpg"}));
    EXPECT_TRUE(drop.dropAccepted);
    EXPECT_EQ(initials(form->secondList()), QStringLiteral("pxyq"));
    EXPECT_EQ(form->secondList().folder(1), files.folder());
    EXPECT_EQ(initials(list), QStringLiteral("abc")) << "the picture list is not touched";
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(ListDropTest, ListFilesAndRemotePicturesAreRefused)
{
    open(QStringLiteral("abc"));
    startSecond(QStringLiteral("pq"));
    const QList<QUrl> refused[] = {
        files.urls({"l.pvl"}),
        {QUrl(QStringLiteral("https://example.com/x.jpg"))},
        files.urls({"gone.jpg"}),
    };
    for (const char *name : {"List1", "List2"})
        for (const QList<QUrl> &urls : refused) {
            SCOPED_TRACE(std::string(name) + " " + urls.first().toString().toStdString());
            const DropOutcome drop = dropUrls(form, at(view(name), 0, false), urls);
            EXPECT_NE(drop.target, nullptr);
            EXPECT_FALSE(drop.enterAccepted);
            EXPECT_FALSE(drop.dropAccepted);
        }
    EXPECT_EQ(initials(list), QStringLiteral("abc"));
    EXPECT_EQ(initials(form->secondList()), QStringLiteral("pq"));
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(ListDropTest, ALineMarksThePlaceWhileDragging)
{
    open(QStringLiteral("abc"));
    QListView *v = view("List1");
    QWidget *viewport = v->viewport();
    auto *marker = form->findChild<QFrame *>(QStringLiteral("List1DropMarker"));
    ASSERT_NE(marker, nullptr);
    QMimeData data;
    data.setUrls(files.urls({"x.jpg"}));
    const QPoint p = viewport->mapFrom(form, at(v, 2, false));
    QDragEnterEvent enter(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    ASSERT_TRUE(move.isAccepted());

    // Drawn across the list at the top of the third row, in the highlight colour.
    const int y = v->visualRect(v->model()->index(2, 0)).top();
    EXPECT_TRUE(marker->isVisible());
    const QImage shot = viewport->grab().toImage();
    const QColor line = viewport->palette().color(QPalette::Highlight);
    EXPECT_EQ(QColor(shot.pixel(viewport->width() / 2, y)), line);
    EXPECT_NE(QColor(shot.pixel(viewport->width() / 2, y + 4)), line) << "a thin line";

    QDragLeaveEvent leave;
    QApplication::sendEvent(viewport, &leave);
    EXPECT_FALSE(marker->isVisible());
    EXPECT_EQ(initials(list), QStringLiteral("abc"));
}

namespace {

// The list manager opened from the main window, over pictures on display.
class Form1ListDropTest : public Form1Test
{
protected:
    void startWith(const QStringList &names, int curpic)
    {
        start();
        for (const QString &name : names)
            appendPicture(name);
        state().curpic = curpic;
        form->engine().disp();
        QTest::mouseClick(form->toolbar()->button(QStringLiteral("list")), Qt::LeftButton);
        manager = form->listManager().window();
        ASSERT_NE(manager, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(manager));
    }
    QListView *managerList() { return manager->findChild<QListView *>(QStringLiteral("List1")); }
    QPoint on(int row)
    {
        QListView *v = managerList();
        return v->viewport()->mapTo(manager,
                                    v->visualRect(v->model()->index(row, 0)).topLeft() + QPoint(4, 2));
    }

    ListForm *manager = nullptr;
    ListDropFiles files;
};

} // namespace

TEST_F(Form1ListDropTest, TheCurrentPictureKeepsItsPlaceAndTheCounterFollows)
{
    startWith({"a.jpg", "b.jpg", "c.jpg"}, 2);
    const int loads = platform.pictureLoader.loads.size();
    const DropOutcome drop = dropUrls(manager, on(0), files.urls({"x.jpg", "y.jpg"}));
    ASSERT_TRUE(drop.dropAccepted);
    EXPECT_EQ(initials(form->pictureList()), QStringLiteral("xyabc"));
    EXPECT_EQ(state().curpic, 4) << "still b.jpg";
    EXPECT_EQ(label1(), QStringLiteral("4/5"));
    EXPECT_FALSE(state().pichidden);
    EXPECT_EQ(platform.pictureLoader.loads.size(), loads) << "not shown again";
    EXPECT_EQ(selectedRows("List2"), QList<int>{3}) << "the main window's lists follow";
}

TEST_F(Form1ListDropTest, PicturesDroppedAfterTheLastOneComeNext)
{
    startWith({"a.jpg", "b.jpg"}, 2);
    form->action(QStringLiteral("mnext"))->trigger(); // past the last: the end position
    ASSERT_EQ(state().curpic, 3);
    ASSERT_EQ(label2(), QStringLiteral("That was the last picture in this list."));
    QListView *v = managerList();
    const QRect last = v->visualRect(v->model()->index(1, 0));
    const QPoint below =
        v->viewport()->mapTo(manager, QPoint(last.center().x(), last.bottom() + last.height()));
    ASSERT_TRUE(dropUrls(manager, below, files.urls({"x.jpg"})).dropAccepted);
    EXPECT_EQ(initials(form->pictureList()), QStringLiteral("abx"));
    EXPECT_EQ(state().curpic, 3);
    EXPECT_EQ(label1(), QStringLiteral("3/3"));
    EXPECT_EQ(label2(), QStringLiteral("Click anywhere to show next picture"));
}
