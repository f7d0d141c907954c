#pragma once

#include "displayengine.h"
#include "fakeplatform.h"
#include "form1.h"
#include "imageboxview.h"
#include "metafileprocess.h"
#include "picturelist.h"
#include "picturepath.h"
#include "qtpictureloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define ORV_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORV_TEST_SANITIZED 1
#endif
#endif

namespace orv::test {

// The longest a picture, a list or a settings file may hold the program: past it the
// program counts as hung. Sanitizer builds run several times slower.
#ifdef ORV_TEST_SANITIZED
constexpr qint64 HangMs = 20000;
#else
constexpr qint64 HangMs = 5000;
#endif

inline QString binFolder()
{
    return QCoreApplication::applicationDirPath();
}

// The real metafile helper, built beside the tests.
inline QString metafileHelper()
{
    return QDir(binFolder()).filePath(MetafileProcess::helperName());
}

// The misbehaving stand-in (fakemetafilehelper.cpp); its mode is set with FakeHelperMode.
inline QString fakeMetafileHelper()
{
    return QDir(binFolder()).filePath(QStringLiteral("orvanta-fake-metafile-helper"));
}

class FakeHelperMode
{
public:
    explicit FakeHelperMode(const char *mode) { qputenv("ORVANTA_FAKE_HELPER", mode); }
    ~FakeHelperMode() { qunsetenv("ORVANTA_FAKE_HELPER"); }
};

inline QByteArray randomBytes(qsizetype size, quint32 seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random() & 0xFF);
    return bytes;
}

// A main window on fakes whose pictures come from the real loader (with the real
// metafile helper), in a temporary program folder.
class RealPicturesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform.systemInfo.workArea = QSizeF(9200, 7560);
        loader.setMetafileHelper(metafileHelper());
        platform.pictureLoader.fallback = &loader;
    }

    Form1 &start(const QString &commandLine = QString(), const QString &apppath = QString())
    {
        form = std::make_unique<Form1>(platform.services(), apppath.isEmpty() ? dir.path() : apppath,
                                       commandLine);
        form->load();
        return *form;
    }

    QString path(const QString &name) const { return joinPicturePath(dir.path(), name); }

    // Shows entry `curpic` (1-based) of the list and returns how long it took.
    qint64 show(int curpic)
    {
        form->state().curpic = curpic;
        QElapsedTimer clock;
        clock.start();
        form->engine().disp();
        return clock.elapsed();
    }

    QString label1() const { return form->findChild<QLabel *>(QStringLiteral("Label1"))->text(); }
    QString label2() const { return form->view()->label2()->text(); }
    std::vector<PictureEntry> entries() const { return form->pictureList().entries(); }

    QTemporaryDir dir;
    FakePlatform platform;
    QtPictureLoader loader;
    std::unique_ptr<Form1> form;
};

} // namespace orv::test
