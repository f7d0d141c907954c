#pragma once

#include <QHash>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>

namespace orv {

// A turn and mirror of a picture: first mirrored left to right (when
// `mirrored`), then turned `quarters` quarter turns clockwise. The eight
// values are every way a rectangle can be laid back onto its own outline.
struct PictureTurn {
    int quarters = 0; // 0 ... 3, clockwise
    bool mirrored = false;

    bool isNone() const { return quarters == 0 && !mirrored; }
    // Whether width and height change places.
    bool swapsSides() const { return quarters % 2 == 1; }

    // This turn followed by another.
    PictureTurn then(PictureTurn next) const;
    PictureTurn rotatedRight() const { return then({1, false}); }
    PictureTurn rotatedLeft() const { return then({3, false}); }
    PictureTurn flippedHorizontally() const { return then({0, true}); }
    PictureTurn flippedVertically() const { return then({2, true}); }

    // What an Exif orientation (1 ... 8) does to the stored pixels to show them
    // upright; no turn for any other value.
    static PictureTurn fromExifOrientation(int orientation);

    QImage applied(const QImage &image) const;
    QSize applied(QSize size) const { return swapsSides() ? size.transposed() : size; }
    // Where a point of the picture, as fractions of its width and height, lies once turned.
    QPointF applied(QPointF fraction) const;

    friend bool operator==(PictureTurn, PictureTurn) = default;
};

struct LoadedPicture;

// `picture` with its image and natural size turned.
LoadedPicture turned(LoadedPicture picture, PictureTurn turn);

// The turns the user has given pictures in this session, by file path. Every
// view of a picture (the main window in each display style, the slideshow)
// shows it turned; saving the turn into the file forgets it.
class PictureTurns
{
public:
    PictureTurn turn(const QString &path) const { return m_turns.value(path); }
    void setTurn(const QString &path, PictureTurn turn)
    {
        if (turn.isNone())
            m_turns.remove(path);
        else
            m_turns.insert(path, turn);
    }
    void forget(const QString &path) { m_turns.remove(path); }

private:
    QHash<QString, PictureTurn> m_turns;
};

} // namespace orv
