// Clicks as a user makes them, on the window sized as start-up sizes it: which
// of them hide and show the picture, and which must leave it alone.
#include "form1fixture.h"

#include "clickpanel.h"
#include "maintoolbar.h"
#include "toolbutton.h"

#include <QTest>

using namespace orv;
using namespace orv::test;

namespace {

const QString kShownText = QStringLiteral("Click anywhere to hide this picture.");
const QString kHiddenText = QStringLiteral("Click anywhere to show back the picture.");

class MouseRoutingTest : public Form1Test
{
protected:
    // A screen of 1024 x 768 pixels: the whole toolbar lies on it.
    void SetUp() override { platform.systemInfo.workArea = QSizeF(15360, 11520); }

    // Three pictures, the first shown at true size.
    void startShowing()
    {
        start();
        platform.beep.count = 0;
        for (int i = 1; i <= 3; ++i)
            appendPicture(QStringLiteral("p%1.jpg").arg(i), 3000, 2000);
        form->engine().disp();
        ASSERT_FALSE(state().pichidden);
    }
    QWidget *control(const QString &name) { return form->findChild<QWidget *>(name); }
    // A point of the toolbar panel past its last control, inside the window.
    QPoint emptyEnd()
    {
        const int right = std::min(form->toolbar()->width(), form->centralWidget()->width());
        return QPoint(right - 8, form->toolbar()->height() / 2);
    }
};

} // namespace

TEST_F(MouseRoutingTest, EachToggleTargetHidesAndShowsThePictureOnce)
{
    const struct {
        const char *name;
        bool beepsOnEmptyList;
    } targets[] = {{"Label2", false}, {"Image2", true},   {"marup", false},
                   {"mardn", false},  {"marleft", false}, {"marright", false}};
    for (const auto &t : targets) {
        SCOPED_TRACE(t.name);
        startShowing();
        QWidget *target = control(QLatin1String(t.name));
        ASSERT_TRUE(liesOnTop(target)) << "covered where a user would click it";

        userClick(target);
        EXPECT_TRUE(state().pichidden);
        EXPECT_EQ(label2(), kHiddenText);
        ASSERT_TRUE(liesOnTop(target));
        userClick(target);
        EXPECT_FALSE(state().pichidden);
        EXPECT_EQ(label2(), kShownText);
        EXPECT_EQ(state().curpic, 1);
        EXPECT_EQ(platform.beep.count, 0);

        // With nothing to show, the click says so, and beeps only where it should.
        form.reset();
        start();
        platform.beep.count = 0;
        target = control(QLatin1String(t.name));
        ASSERT_TRUE(liesOnTop(target));
        userClick(target);
        EXPECT_EQ(label2(), DisplayEngine::emptyListText());
        EXPECT_EQ(platform.beep.count, t.beepsOnEmptyList ? 1 : 0);
        form.reset();
    }
}

TEST_F(MouseRoutingTest, AReleaseOnTheZoomedPictureTogglesIt)
{
    startShowing();
    userClick(form->toolbar()->button(QStringLiteral("zomin1")));
    ImageControl *image1 = view()->image1();
    ASSERT_TRUE(liesOnTop(image1));
    userClick(image1); // the armed click zooms
    EXPECT_FALSE(state().pichidden);
    EXPECT_FALSE(state().zoomarmed);
    ASSERT_TRUE(liesOnTop(image1)) << "the box stays hidden until the next display";
    userClick(image1);
    EXPECT_TRUE(state().pichidden);
    EXPECT_EQ(label2(), kHiddenText);
}

TEST_F(MouseRoutingTest, ClicksOnTheToolbarPanelNeverToggleThePicture)
{
    startShowing();
    // Every control the toolbar panel shows, then its empty end.
    QStringList names;
    const auto children = form->toolbar()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget *w : children) {
        if (w->isVisible())
            names << w->objectName();
    }
    ASSERT_TRUE(names.contains(QStringLiteral("Label1")));
    ASSERT_TRUE(names.contains(QStringLiteral("del"))) << "a disabled button is clicked too";
    names << QStringLiteral("Frame2");
    form.reset();

    for (const QString &name : std::as_const(names)) {
        SCOPED_TRACE(name.toStdString());
        startShowing();
        QWidget *target = name == QLatin1String("Frame2") ? form->toolbar() : control(name);
        const QPoint at = target == form->toolbar() ? emptyEnd() : QPoint();
        ASSERT_TRUE(liesOnTop(target, at));
        userClick(target, at);
        EXPECT_FALSE(state().pichidden);
        EXPECT_NE(label2(), kHiddenText);
        form.reset();
    }
}

TEST_F(MouseRoutingTest, InertToolbarPlacesLeaveAHiddenPictureHidden)
{
    startShowing();
    QTest::keyClick(form.get(), Qt::Key_Space);
    ASSERT_TRUE(state().pichidden);
    const int beeps = platform.beep.count;
    const struct {
        QWidget *target;
        QPoint at;
    } places[] = {{form->label1(), QPoint()},
                  {form->toolbar()->button(QStringLiteral("del")), QPoint()},
                  {form->toolbar()->button(QStringLiteral("list")), QPoint()},
                  {form->toolbar(), emptyEnd()}};
    for (const auto &p : places) {
        SCOPED_TRACE(p.target->objectName().toStdString());
        ASSERT_TRUE(liesOnTop(p.target, p.at));
        userClick(p.target, p.at);
        EXPECT_TRUE(state().pichidden);
        EXPECT_EQ(label2(), kHiddenText);
    }
    EXPECT_EQ(platform.beep.count, beeps);
}
