#pragma once

#include "messageboxes.h"
#include "platformservices.h"

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace orv {

class PictureList;

// The main window's list-file commands: File > Open > "&List" (`moplist`),
// "&Save list" (`msavelstclick`), "Save list &As" (`msaveasclick`) and the
// open procedure `openlistclick`. It keeps `openedfile`, the list file the
// picture list was opened from. What the main window must show or remember
// in turn is announced by signals.
class ListFileCommands : public QObject
{
    Q_OBJECT
public:
    ListFileCommands(PictureList &list, const PlatformServices &services, QWidget *dialogParent = nullptr,
                     QObject *parent = nullptr);

    QString openedfile() const { return m_openedfile; }
    // Forgets the list file (New list, Clear, the list manager's clear).
    void openedfileclr() { m_openedfile.clear(); }

    // The file name the main window's file dialog holds, for "Cancel saving
    // file". Without a source, the last name chosen in these commands' dialogs.
    void setDialogFileNameSource(std::function<QString()> source) { m_dialogFileName = std::move(source); }

    void moplist();
    void openlistclick(const QString &path);
    void msavelstclick();
    void msaveasclick();

Q_SIGNALS:
    void curpicChanged(int curpic);
    void counterTextChanged(const QString &text); // Label1
    void statusTextChanged(const QString &text);  // Label2
    // A list file was opened, or saved to a name chosen in the save dialog:
    // the main window records it with the recent lists (addtomenu).
    void recentListUsed(const QString &path);

private:
    bool refuseEmptyList();
    bool writeList(const QString &path);
    QString dialogFileName() const;
    void message(const QString &text, MsgIcon icon);

    PictureList &m_list;
    PlatformServices m_services;
    QWidget *m_dialogParent;
    QString m_openedfile;
    QString m_lastChosenFile;
    std::function<QString()> m_dialogFileName;
};

} // namespace orv
