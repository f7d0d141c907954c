#pragma once

#include "twipplacer.h"

#include <QWidget>

class QLabel;
class QScrollBar;

namespace orv {

class ClickPanel;
class ImageControl;

// The main window's client area: the two stacked image layers (Image1, the
// picture at true or zoomed size; Image2, the box), the four mask panels that
// hide Image1 outside the box, the scroll bars and the status line Label2.
// Controls are placed in twips through placer(). Other controls (the toolbar,
// the lists) are added by the main window on top.
class ImageBoxView : public QWidget
{
    Q_OBJECT
public:
    explicit ImageBoxView(QWidget *parent = nullptr);

    TwipPlacer &placer() { return m_placer; }
    const TwipPlacer &placer() const { return m_placer; }

    ImageControl *image1() const { return m_image1; }
    ImageControl *image2() const { return m_image2; }
    ClickPanel *marup() const { return m_marup; }
    ClickPanel *mardn() const { return m_mardn; }
    ClickPanel *marleft() const { return m_marleft; }
    ClickPanel *marright() const { return m_marright; }
    QScrollBar *vscroll() const { return m_vscroll; }
    QScrollBar *hscroll() const { return m_hscroll; }
    QLabel *label2() const { return m_label2; }

    // Status line text; the label keeps its top and is centred over the
    // viewing area of the given width.
    void setStatus(const QString &text);
    void setViewingWidth(int maxboxwidth)
    {
        m_viewingWidth = maxboxwidth;
        recentreStatus();
    }

    // Stretches the masks to the client area's edges (their designer widths
    // cover only a small screen).
    void coverClientWidth();

    // Scroll bars are shown only while enabled.
    static void setScrollEnabled(QScrollBar *bar, bool enabled);

Q_SIGNALS:
    void backgroundClicked();
    // A click on the status line (it goes no further, to the background).
    void statusClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void recentreStatus();

    TwipPlacer m_placer;
    ImageControl *m_image1;
    ImageControl *m_image2;
    ClickPanel *m_marup;
    ClickPanel *m_mardn;
    ClickPanel *m_marleft;
    ClickPanel *m_marright;
    QScrollBar *m_vscroll;
    QScrollBar *m_hscroll;
    QLabel *m_label2;
    bool m_statusPressed = false;
    int m_viewingWidth = 9600;
};

} // namespace orv
