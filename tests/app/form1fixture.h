#pragma once

#include "displayengine.h"
#include "fakeplatform.h"
#include "form1.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "picturepath.h"
#include "settingsfile.h"
#include "settingsrecords.h"
#include "testutils.h"
#include "userinput.h"

#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace orv::test {

// A main window on fakes, with a temporary program folder, shown as start-up
// shows it: covering its work area, which gives a viewing area of 9000 x 6000
// twips below the toolbar.
class Form1Test : public ::testing::Test
{
protected:
    void SetUp() override { platform.systemInfo.workArea = QSizeF(9200, 7560); }

    // A settings file as the recovery leaves it, unless the test wrote its own.
    void writeDefaultSettings()
    {
        const QString ini = SettingsFile::location(dir.path());
        if (QFileInfo::exists(ini))
            return;
        QByteArray bytes;
        SettingsRecords::writeRecoveryDefaults(bytes);
        writeFile(ini, bytes);
    }

    Form1 &start(const QString &commandLine = QString())
    {
        writeDefaultSettings();
        form = std::make_unique<Form1>(platform.services(), dir.path(), commandLine);
        // Loaded and shown as start-up does it: the window covers the work
        // area, so controls lie where a user sees them.
        form->showLoaded();
        if (form->isVisible()) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        }
        return *form;
    }

    // A picture of the given natural size in twips, served by the fake loader.
    QString addPicture(const QString &name, int widthTwips, int heightTwips)
    {
        const QString path = joinPicturePath(dir.path(), name);
        LoadedPicture p;
        p.image = QImage(std::max(1, widthTwips / 15), std::max(1, heightTwips / 15), QImage::Format_RGB32);
        p.image.fill(Qt::blue);
        p.naturalTwips = QSize(widthTwips, heightTwips);
        platform.pictureLoader.pictures[path] = p;
        platform.pictureLoader.failures.remove(path);
        return path;
    }
    void appendPicture(const QString &name, int widthTwips = 3000, int heightTwips = 2000)
    {
        addPicture(name, widthTwips, heightTwips);
        form->pictureList().append(name, dir.path());
    }

    DisplayState &state() { return form->state(); }
    ImageBoxView *view() { return form->view(); }
    TwipPlacer &placer() { return view()->placer(); }
    QString label1() { return form->findChild<QLabel *>(QStringLiteral("Label1"))->text(); }
    QString label2() { return view()->label2()->text(); }
    QListView *list(const char *name) { return form->findChild<QListView *>(QLatin1String(name)); }
    QList<int> selectedRows(const char *name)
    {
        QList<int> rows;
        const auto indexes = list(name)->selectionModel()->selectedIndexes();
        for (const QModelIndex &i : indexes)
            rows << i.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    QTemporaryDir dir;
    FakePlatform platform;
    std::unique_ptr<Form1> form;
};

} // namespace orv::test
