// The picture box's scroll bars draw as plain ones do beside a window's
// ground, hide what lies beneath them, and draw only when what they show
// changes.
#include "cachedscrollbar.h"
#include "testutils.h"

#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;

namespace {

// Counts the scroll bars it draws.
class CountingStyle : public QProxyStyle
{
public:
    CountingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        if (control == CC_ScrollBar)
            ++draws;
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
    mutable int draws = 0;
};

// Magenta wherever nothing covers it.
class MagentaGround : public QWidget
{
public:
    using QWidget::QWidget;
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), Qt::magenta); }
};

} // namespace

TEST(CachedScrollBarTest, LooksAsAPlainBarInEveryStateAndFollowsEachChange)
{
    CountingStyle style;
    QWidget window;
    window.resize(400, 100);
    // The plain bars on the window's ground; the cached ones over a ground of
    // their own, which would show wherever they left a pixel undrawn.
    QWidget plainGround(&window);
    MagentaGround cachedGround(&window);
    plainGround.setAutoFillBackground(true);
    plainGround.setGeometry(0, 0, 400, 50);
    cachedGround.setGeometry(0, 50, 400, 50);
    QScrollBar plain(Qt::Horizontal, &plainGround);
    CachedScrollBar cached(Qt::Horizontal, &cachedGround);
    for (QScrollBar *bar : {&plain, static_cast<QScrollBar *>(&cached)}) {
        bar->setStyle(&style);
        bar->setGeometry(0, 0, 300, 17);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const struct {
        const char *what;
        std::function<void(QScrollBar *)> change;
    } rows[] = {
        {"a range", [](QScrollBar *b) { b->setRange(0, 4000); }},
        {"a value", [](QScrollBar *b) { b->setValue(1200); }},
        {"a page step", [](QScrollBar *b) { b->setPageStep(3000); }},
        {"disabled", [](QScrollBar *b) { b->setEnabled(false); }},
        {"a longer bar", [](QScrollBar *b) { b->resize(350, 17); }},
        {"right to left", [](QScrollBar *b) { b->setLayoutDirection(Qt::RightToLeft); }},
    };
    for (const auto &r : rows) {
        r.change(&plain);
        r.change(&cached);
        // Fusion's arrow buttons blend a few levels differently on an image.
        EXPECT_LE(test::largestDifference(cached.grab().toImage(), plain.grab().toImage()), 5) << r.what;
    }

    // Repainted with nothing changed (a new picture beneath), it is not drawn again.
    cached.repaint();
    const int draws = style.draws;
    for (int i = 0; i < 3; ++i)
        cached.repaint();
    EXPECT_EQ(style.draws, draws);
    cached.setValue(100);
    cached.repaint();
    EXPECT_GT(style.draws, draws);
}
