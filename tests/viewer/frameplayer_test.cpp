// The player of pictures that move, on scripted frames: how long each frame stays, how
// many times the sequence plays, damaged frames, stopping, and frames decoded one by one.

#include "frameplayer.h"
#include "pictureloader.h"

#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orv;

namespace {

// Frames numbered from 0; frame i is a 1x1 image whose red value is i.
struct Script {
    std::vector<int> delays;
    int loops = 0;
    int damagedAt = -1;       // this frame fails to decode
    bool countKnown = true;   // the format tells the frame count up front
};

class ScriptedFrames : public FrameDecoder
{
public:
    ScriptedFrames(const Script &s, int &decoded) : m_s(s), m_decoded(decoded) {}
    bool next(DecodedFrame &frame) override
    {
        if (m_at >= int(m_s.delays.size()) || m_at == m_s.damagedAt)
            return false;
        frame.image = QImage(1, 1, QImage::Format_RGB32);
        frame.image.fill(qRgb(m_at, 0, 0));
        frame.delayMs = m_s.delays[size_t(m_at++)];
        ++m_decoded;
        return true;
    }
    bool rewind() override
    {
        m_at = 0;
        return true;
    }
    int loopCount() const override { return m_s.loops; }
    int frameCount() const override { return m_s.countKnown ? int(m_s.delays.size()) : -1; }

private:
    Script m_s;
    int &m_decoded;
    int m_at = 0;
};

class FrameScript : public PictureLoader
{
public:
    Script script;
    mutable int opened = 0;
    mutable int decoded = 0;
    LoadedPicture load(const QString &) const override { return LoadedPicture::failure(FileError::Other); }
    FrameDecoderPtr frames(const QString &path) const override
    {
        ++opened;
        if (path != QLatin1String("moving"))
            return nullptr;
        return std::make_unique<ScriptedFrames>(script, decoded);
    }
};

int frameNumber(const QSignalSpy &spy, qsizetype i)
{
    return qRed(spy.at(i).at(0).value<QImage>().pixel(0, 0));
}

TEST(FramePlayer, EachFrameStaysForItsDelayShortOnesAHundredMilliseconds)
{
    struct Row {
        int delayMs;
        int shownMs;
    };
    const Row rows[] = {{0, 100}, {10, 100}, {19, 100}, {20, 20}, {50, 50}, {1500, 1500}};
    FrameScript loader;
    for (const Row &row : rows)
        loader.script.delays.push_back(row.delayMs);
    FramePlayer player;
    QSignalSpy spy(&player, &FramePlayer::frameChanged);
    player.play(loader, QStringLiteral("moving"));
    // The first tick comes at once and takes the first frame, which is on screen.
    EXPECT_EQ(player.timer()->interval(), 0);
    EXPECT_EQ(loader.opened, 0);
    for (size_t i = 0; i < std::size(rows); ++i) {
        player.tick();
        EXPECT_TRUE(player.timer()->isActive());
        EXPECT_EQ(player.timer()->interval(), rows[i].shownMs) << rows[i].delayMs;
        EXPECT_EQ(spy.size(), qsizetype(i));
        if (i > 0) {
            EXPECT_EQ(frameNumber(spy, spy.size() - 1), int(i));
        }
    }
    EXPECT_EQ(loader.opened, 1);
}

TEST(FramePlayer, TheSequencePlaysAsManyTimesAsTheFileSaysThenTheLastFrameStays)
{
    struct Row {
        int loops;
        bool countKnown;
        int framesShown; // after the first, within 20 ticks; -1: still playing
    };
    const Row rows[] = {{1, true, 2}, {2, true, 5}, {2, false, 5}, {3, true, 8}, {0, true, -1}};
    for (const Row &row : rows) {
        FrameScript loader;
        loader.script = {{30, 40, 50}, row.loops, -1, row.countKnown};
        FramePlayer player;
        QSignalSpy spy(&player, &FramePlayer::frameChanged);
        player.play(loader, QStringLiteral("moving"));
        for (int i = 0; i < 20 && player.isPlaying(); ++i)
            player.tick();
        if (row.framesShown < 0) {
            EXPECT_TRUE(player.isPlaying());
            EXPECT_EQ(spy.size(), 19);
            continue;
        }
        EXPECT_FALSE(player.isPlaying()) << row.loops;
        EXPECT_FALSE(player.timer()->isActive());
        ASSERT_EQ(spy.size(), row.framesShown) << row.loops;
        EXPECT_EQ(frameNumber(spy, spy.size() - 1), 2) << row.loops;
        // Each play after the first begins with the first frame.
        if (row.loops > 1) {
            EXPECT_EQ(frameNumber(spy, 2), 0);
        }
    }
}

TEST(FramePlayer, ADamagedFrameEndsThePlayWithTheFrameBeforeOnScreen)
{
    struct Row {
        int damagedAt;
        int framesShown;
    };
    const Row rows[] = {{3, 2}, {2, 1}, {1, 0}, {0, 0}};
    for (const Row &row : rows) {
        FrameScript loader;
        loader.script = {{30, 30, 30, 30}, 0, row.damagedAt, true};
        FramePlayer player;
        QSignalSpy spy(&player, &FramePlayer::frameChanged);
        player.play(loader, QStringLiteral("moving"));
        for (int i = 0; i < 10 && player.isPlaying(); ++i)
            player.tick();
        EXPECT_FALSE(player.isPlaying()) << row.damagedAt;
        EXPECT_EQ(spy.size(), row.framesShown) << row.damagedAt;
    }
}

TEST(FramePlayer, FramesAreDecodedOnlyAsTheyAreShownAndNotAfterStop)
{
    FrameScript loader;
    loader.script.delays = std::vector<int>(1000, 40);
    FramePlayer player;
    QSignalSpy spy(&player, &FramePlayer::frameChanged);
    player.play(loader, QStringLiteral("moving"));
    for (int i = 0; i < 5; ++i)
        player.tick();
    EXPECT_EQ(loader.decoded, 5);
    player.stop();
    EXPECT_FALSE(player.timer()->isActive());
    player.tick();
    EXPECT_EQ(loader.decoded, 5);
    EXPECT_EQ(spy.size(), 4);
}

} // namespace
