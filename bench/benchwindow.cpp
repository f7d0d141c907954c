#include "benchwindow.h"

#include "commandline.h"
#include "form1.h"
#include "imageboxview.h"
#include "navigation.h"
#include "picturepath.h"
#include "settingsfile.h"
#include "settingsrecords.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>

namespace orv::bench {

BenchWindow::BenchWindow(const QString &commandLine, qint64 cacheBudget)
    : m_loader(m_systemInfo.logicalDpi()), m_cache(std::make_unique<PictureCache>(m_loader, cacheBudget)),
      m_help(&m_messageBoxes)
{
    // The settings file as a fresh installation has it.
    QByteArray settings;
    SettingsRecords::writeRecoveryDefaults(settings);
    QFile ini(SettingsFile::location(m_apppath.path()));
    if (ini.open(QIODevice::WriteOnly))
        ini.write(settings);
    ini.close();

    PlatformServices services;
    services.messageBoxes = &m_messageBoxes;
    services.fileDialogs = &m_fileDialogs;
    services.beep = &m_beep;
    services.systemInfo = &m_systemInfo;
    services.fileSystem = &m_fileSystem;
    services.pictureLoader = m_cache.get();
    services.modalRunner = &m_modalRunner;
    services.help = &m_help;
    services.drives = &m_drives;
    services.random = &m_random;
    services.fileOperations = &m_fileOperations;
    // As the program does: a picture named on the command line decodes while
    // the splash shows.
    if (classifyArgument(commandLine) == ArgumentKind::Picture)
        m_cache->prefetch(absoluteArgument(commandLine, QDir::currentPath()), QSize());
    m_services = services;
    m_form = std::make_unique<Form1>(services, m_apppath.path(), commandLine);
}

BenchWindow::~BenchWindow()
{
    m_form.reset();
    m_cache->waitForPrefetches();
}

void BenchWindow::showLoaded()
{
    m_form->showLoaded();
    QCoreApplication::processEvents();
    paint();
}

void BenchWindow::paint()
{
    m_form->view()->repaint();
}

void BenchWindow::setPictures(const QStringList &paths)
{
    std::vector<PictureEntry> entries;
    for (const QString &p : paths)
        entries.push_back(splitPicturePath(QDir::toNativeSeparators(p)));
    m_form->pictureList().setEntries(std::move(entries));
    m_form->state().curpic = 1;
}

void BenchWindow::showEntry(int index)
{
    m_form->navigation().showEntry(index);
    paint();
}

void BenchWindow::pressKey(int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(m_form.get(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(m_form.get(), &release);
}

void BenchWindow::setFitMode(bool fit)
{
    m_form->state().fitmode = fit;
    m_form->state().stretchmode = false;
}

} // namespace orv::bench
