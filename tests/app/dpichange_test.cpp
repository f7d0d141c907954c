#include "form1fixture.h"
#include "maintoolbar.h"

#include <QCoreApplication>
#include <QMenuBar>

using namespace orv;
using namespace orv::test;

inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}

namespace {

enum class Shown { TrueSize, Fit, Hidden, Welcome };

// Where every part of the window lies, and what it draws.
struct Look {
    QMap<QString, QRect> places;
    QImage drawing;
};

} // namespace

class DpiChangeTest : public Form1Test
{
protected:
    void show(Shown shown)
    {
        if (shown == Shown::Welcome)
            return;
        appendPicture(QStringLiteral("a.jpg"), 6000, 4000);
        appendPicture(QStringLiteral("b.jpg"), 1500, 3000);
        state().fitmode = shown == Shown::Fit;
        form->engine().disp();
        if (shown == Shown::Hidden)
            userClick(view(), QPoint(5, view()->height() - 5));
    }

    Look look()
    {
        QCoreApplication::processEvents();
        Look l;
        QList<QWidget *> parts{form->menuBar(), form->toolbar(), list("List1"), label1Widget(), view()};
        for (QWidget *w : view()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            parts << w;
        for (QWidget *w : parts)
            l.places.insert(w == form->menuBar() ? QStringLiteral("menu bar") : w->objectName(),
                            w->isVisible() ? w->geometry() : QRect());
        // The one-row list's row fills it.
        QListView *list1 = list("List1");
        l.places.insert(QStringLiteral("List1 row"), list1->visualRect(list1->model()->index(0, 0)));
        l.drawing = drawn(form.get());
        return l;
    }

    QLabel *label1Widget() { return form->findChild<QLabel *>(QStringLiteral("Label1")); }
};

// After a change of the screen's DPI the window lies and looks as one started
// at the new DPI: with Qt's scaling off the logical DPI changes; with it on,
// the pixel ratio does and the work area shrinks in logical pixels.
TEST_F(DpiChangeTest, TheWindowLooksAsIfStartedAtTheNewDpi)
{
    const struct {
        const char *name;
        Shown shown;
        double dpi;
        double ratio;
    } cases[] = {
        {"true size", Shown::TrueSize, 144, 1},  {"fitted", Shown::Fit, 144, 1},
        {"hidden", Shown::Hidden, 144, 1},       {"welcome sign", Shown::Welcome, 144, 1},
        {"scaled by Qt", Shown::TrueSize, 96, 1.5}, {"back to 96", Shown::Fit, 96, 1},
    };
    const QSizeF area(9200, 7560);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QSizeF newArea = area / c.ratio;
        platform.systemInfo.dpi = c.dpi;
        platform.systemInfo.ratio = c.ratio;
        platform.systemInfo.workArea = newArea;
        start();
        show(c.shown);
        const Look started = look();

        // The same window started at 144 dpi (120 for the case back to 96), then changed.
        platform.systemInfo.dpi = c.dpi == 96 && c.ratio == 1 ? 120 : 96;
        platform.systemInfo.ratio = 1;
        platform.systemInfo.workArea = area;
        start();
        show(c.shown);
        platform.systemInfo.dpi = c.dpi;
        platform.systemInfo.ratio = c.ratio;
        platform.systemInfo.change(newArea);
        const Look changed = look();

        for (auto it = started.places.cbegin(); it != started.places.cend(); ++it)
            EXPECT_EQ(changed.places.value(it.key()), it.value()) << it.key().toStdString();
        EXPECT_TRUE(changed.drawing == started.drawing) << "the window draws as the started one";
        EXPECT_EQ(form->geometry().size(), TwipScale(c.dpi).toPixels(QRectF(QPointF(), newArea)).size());
        // A later display of the picture puts it where it stands.
        if (c.shown == Shown::TrueSize || c.shown == Shown::Fit) {
            form->engine().disp();
            EXPECT_TRUE(look().places == changed.places);
        }
    }
}
