#include "form1fixture.h"
#include "maintoolbar.h"

#include <QDebug>
#include <QMenuBar>

using namespace orv;
using namespace orv::test;

// After a change of the screen's DPI the window lies and draws as one started
// at the new DPI: without Qt's scaling the logical DPI changes; with it, the
// pixel ratio does and the work area shrinks in logical pixels.
TEST_F(Form1Test, ADpiChangeLooksAsIfStartedAtTheNewDpi)
{
    enum Shown { TrueSize, Fit, Hidden, Welcome };
    const struct {
        const char *name;
        Shown shown;
        double dpi, ratio, fromDpi;
    } cases[] = {
        {"true size", TrueSize, 144, 1, 96}, {"fitted", Fit, 144, 1, 96},        {"hidden", Hidden, 144, 1, 96},
        {"welcome", Welcome, 144, 1, 96},    {"Qt scales", TrueSize, 96, 1.5, 96}, {"down", Fit, 96, 1, 120},
    };
    // Where each part lies (the one-row list's row too), and the drawing.
    const auto look = [this] {
        QCoreApplication::processEvents();
        QStringList places{QDebug::toString(form->size())};
        QList<QWidget *> parts{form->menuBar(), form->toolbar(), list("List1"), view()};
        parts << form->findChild<QWidget *>(QStringLiteral("Label1")) << view()->findChildren<QWidget *>();
        for (QWidget *w : parts)
            places << QDebug::toString(w->isVisible() ? w->geometry() : QRect());
        places << QDebug::toString(list("List1")->visualRect(list("List1")->model()->index(0, 0)));
        return std::make_pair(places.join(QLatin1Char('\n')), drawn(form.get()));
    };
    const auto startShowing = [this](Shown shown) {
        start();
        if (shown == Welcome)
            return;
        appendPicture(QStringLiteral("a.jpg"), 6000, 4000);
        state().fitmode = shown == Fit;
        form->engine().disp();
        if (shown == Hidden)
            userClick(view(), QPoint(5, view()->height() - 5));
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QSizeF area(9200, 7560);
        platform.systemInfo.dpi = c.dpi;
        platform.systemInfo.ratio = c.ratio;
        platform.systemInfo.workArea = area / c.ratio;
        startShowing(c.shown);
        const auto started = look();

        platform.systemInfo.dpi = c.fromDpi;
        platform.systemInfo.ratio = 1;
        platform.systemInfo.workArea = area;
        startShowing(c.shown);
        platform.systemInfo.dpi = c.dpi;
        platform.systemInfo.ratio = c.ratio;
        platform.systemInfo.change(area / c.ratio);
        const auto changed = look();
        EXPECT_EQ(changed.first.toStdString(), started.first.toStdString());
        EXPECT_TRUE(changed.second == started.second) << "drawn as the started window";
        // A later display puts the picture where it stands.
        if (c.shown == TrueSize || c.shown == Fit) {
            form->engine().disp();
            EXPECT_EQ(look().first, changed.first);
        }
    }
}
