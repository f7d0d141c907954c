#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orv {

// The properties dialog `FilePrpr`, without caption: the file's name, its
// folder, its size and its date, each beside its caption, then what the
// picture itself tells (pixels, format, camera...), and `ok` "OK".
class FilePropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    struct Values {
        QString filename;
        QString fullpath; // the folder
        QString size;
        QString date;
        // The picture's own facts, caption and value, below the file's.
        QList<QPair<QString, QString>> picture;
    };

    explicit FilePropertiesDialog(const Values &values, QWidget *parent = nullptr);
};

} // namespace orv
