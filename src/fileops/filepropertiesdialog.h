#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orv {

// The properties dialog `FilePrpr`, without caption: the file's name, its
// folder, its size and its date, each beside its caption, and `ok` "OK".
class FilePropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    struct Values {
        QString filename;
        QString fullpath; // the folder
        QString size;
        QString date;
    };

    explicit FilePropertiesDialog(const Values &values, QWidget *parent = nullptr);
};

} // namespace orv
