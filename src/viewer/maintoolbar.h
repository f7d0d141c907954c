#pragma once

#include <QFrame>
#include <QHash>

namespace orv {

class ToolButton;
class TwipPlacer;

// The toolbar panel Frame2 (360 twips high) with its image buttons, left to
// right: delete; previous and next; the four box tools; zoom in and out; fit,
// stretch and full screen; slideshow and list manager; what's-this help.
class MainToolbar : public QFrame
{
    Q_OBJECT
public:
    explicit MainToolbar(QWidget *parent = nullptr);

    ToolButton *button(const QString &name) const { return m_buttons.value(name); }
    // Places the panel and its buttons; the panel spans `widthTwips`.
    void place(TwipPlacer &placer, double widthTwips);
    // Left edge (twips) of the area after the buttons, for the list and counter.
    static double listLeft() { return 5900; }

private:
    QHash<QString, ToolButton *> m_buttons;
};

} // namespace orv
