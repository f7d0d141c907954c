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

// The largest difference of a colour channel between two widgets' drawings.
int largestDifference(QWidget *a, QWidget *b)
{
    return test::largestDifference(a->grab().toImage(), b->grab().toImage());
}

} // namespace

TEST(CachedScrollBarTest, LooksAsAPlainBarInEveryStateAndFollowsEachChange)
{
    CountingStyle style;
    QWidget window;
    window.resize(420, 600);
    // The plain bars on the window's ground; the cached ones over a ground of
    // their own, which would show wherever they left a pixel undrawn.
    QWidget plainGround(&window);
    MagentaGround cachedGround(&window);
    plainGround.setAutoFillBackground(true);
    plainGround.setGeometry(0, 0, 420, 300);
    cachedGround.setGeometry(0, 300, 420, 300);
    QScrollBar plain(Qt::Horizontal, &plainGround), plainV(Qt::Vertical, &plainGround);
    CachedScrollBar cached(Qt::Horizontal, &cachedGround), cachedV(Qt::Vertical, &cachedGround);
    const QList<QScrollBar *> bars = {&plain, &plainV, &cached, &cachedV};
    for (QScrollBar *bar : bars) {
        bar->setStyle(&style);
        bar->setGeometry(bar->orientation() == Qt::Horizontal ? QRect(0, 0, 300, 17) : QRect(360, 0, 17, 250));
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
        {"the end", [](QScrollBar *b) { b->setValue(4000); }},
        {"disabled", [](QScrollBar *b) { b->setEnabled(false); }},
        {"a longer bar",
         [](QScrollBar *b) { b->resize(b->size() + (b->orientation() == Qt::Horizontal ? QSize(50, 0) : QSize(0, 30))); }},
        {"right to left", [](QScrollBar *b) { b->setLayoutDirection(Qt::RightToLeft); }},
        {"enabled again", [](QScrollBar *b) { b->setEnabled(true); }},
    };
    for (const auto &r : rows) {
        for (QScrollBar *bar : bars)
            r.change(bar);
        // Fusion's arrow buttons blend a few levels differently on an image.
        EXPECT_LE(largestDifference(&cached, &plain), 5) << r.what;
        EXPECT_LE(largestDifference(&cachedV, &plainV), 5) << r.what;
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
