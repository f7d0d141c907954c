#include "maintoolbar.h"

#include "toolbutton.h"
#include "twipplacer.h"

namespace orv {

namespace {

struct ButtonDef {
    const char *name;
    const char *icon;
    const char *toolTip;
    double left;
};

// 300 x 300 twips each, in groups.
const ButtonDef kButtons[] = {
    {"del", "del", QT_TRANSLATE_NOOP("orv::MainToolbar", "Delete(Pic. File)"), 60},
    {"prev1", "prev", QT_TRANSLATE_NOOP("orv::MainToolbar", "Show prev. picture"), 510},
    {"next1", "next", QT_TRANSLATE_NOOP("orv::MainToolbar", "Show next picture"), 840},
    {"long1", "long1", QT_TRANSLATE_NOOP("orv::MainToolbar", "Elongate image box"), 1290},
    {"delong1", "delong1", QT_TRANSLATE_NOOP("orv::MainToolbar", "De-elongate image box"), 1620},
    {"wide1", "wide1", QT_TRANSLATE_NOOP("orv::MainToolbar", "Widen image box"), 1950},
    {"dewide1", "dewide1", QT_TRANSLATE_NOOP("orv::MainToolbar", "De-widen image box"), 2280},
    {"zomin1", "zomin1", QT_TRANSLATE_NOOP("orv::MainToolbar", "Zoom In"), 2730},
    {"zomout1", "zomout1", QT_TRANSLATE_NOOP("orv::MainToolbar", "Zoom Out.(press shift to restore original size)"), 3060},
    {"fit", "fit", QT_TRANSLATE_NOOP("orv::MainToolbar", "Fit pic. into box(keep in ratios)"), 3510},
    {"stretch1", "stretch1", QT_TRANSLATE_NOOP("orv::MainToolbar", "Stretch pic. to box size(disregard ratios)"), 3840},
    {"full1", "full1", QT_TRANSLATE_NOOP("orv::MainToolbar", "Set box size to full screen"), 4170},
    {"slide", "slide", QT_TRANSLATE_NOOP("orv::MainToolbar", "Run slide show"), 4620},
    {"list", "list", QT_TRANSLATE_NOOP("orv::MainToolbar", "List Manager"), 4950},
    {"this", "this", QT_TRANSLATE_NOOP("orv::MainToolbar", "\"What's this\" help"), 5400},
};

} // namespace

MainToolbar::MainToolbar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame2"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    // Clicks on the panel, its counter or a disabled button end here: only
    // the picture area around the box toggles the picture.
    setAttribute(Qt::WA_NoMousePropagation);
    for (const ButtonDef &d : kButtons) {
        const QString icon = QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(d.icon));
        auto *b = new ToolButton(QLatin1String(d.name), QIcon(icon), tr(d.toolTip), this);
        m_buttons.insert(b->objectName(), b);
    }
}

void MainToolbar::place(TwipPlacer &placer, double widthTwips)
{
    placer.place(this, QRectF(0, 0, widthTwips, 360));
    for (const ButtonDef &d : kButtons)
        placer.place(m_buttons.value(QLatin1String(d.name)), QRectF(d.left, 30, 300, 300));
}

} // namespace orv
