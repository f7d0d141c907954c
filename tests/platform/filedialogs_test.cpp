// The Qt file dialogs as the user meets them.
#include "qtfiledialogs.h"
#include "testutils.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orv;

TEST(QtFileDialogs, SavingOverAnExistingListAsksNoQuestion)
{
    QTemporaryDir dir;
    test::writeFile(dir.filePath(QStringLiteral("holiday.pvl")), "old list");
    FileDialogRequest request;
    request.filter = QStringLiteral("pic. list(*.pvl)|*.pvl");
    request.defaultExtension = QStringLiteral("pvl");
    QFileDialog dialog;
    prepareSaveDialog(dialog, request, dir.path());
    dialog.selectFile(QStringLiteral("holiday.pvl"));

    // A question would come as a modal message box: it is answered No and noted.
    QStringList questions;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            questions << box->text();
            box->done(QMessageBox::No);
        }
    });
    watch.start(10);
    static_cast<QDialog &>(dialog).accept(); // what its Save button does
    watch.stop();
    EXPECT_EQ(questions, QStringList());
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.selectedFiles(), QStringList{dir.filePath(QStringLiteral("holiday.pvl"))});
}

// Each filter names its patterns once, whatever its caption already says.
TEST(QtFileDialogs, FiltersNameTheirPatternsOnce)
{
    const struct {
        const char *filter;
        QStringList shown;
    } rows[] = {
        {"pic. list (*.pvl)|*.pvl", {"pic. list (*.pvl)"}},
        {"pic. list(*.pvl)|*.pvl", {"pic. list (*.pvl)"}},
        {"Pictures|*.jpg;*.png|All files (*.*)|*.*", {"Pictures (*.jpg *.png)", "All files (*)"}},
        {"(odd) name|*.jpg", {"(odd) name (*.jpg)"}},
    };
    for (const auto &row : rows) {
        FileDialogRequest request;
        request.filter = QLatin1String(row.filter);
        QFileDialog dialog;
        prepareSaveDialog(dialog, request, QDir::tempPath());
        EXPECT_EQ(dialog.nameFilters(), row.shown) << row.filter;
    }
}
