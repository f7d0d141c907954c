#pragma once

#include <QObject>
#include <QSizeF>

namespace orv {

// The desktop's work area (the screen less panels and task bars) in twips,
// the screen's logical DPI, and a notification when either changes.
class SystemInfo : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual QSizeF workAreaTwips() const = 0;
    virtual double logicalDpi() const = 0;

Q_SIGNALS:
    void settingsChanged();
};

class QtSystemInfo : public SystemInfo
{
    Q_OBJECT
public:
    explicit QtSystemInfo(QObject *parent = nullptr);
    QSizeF workAreaTwips() const override;
    double logicalDpi() const override;

private:
    void watchScreen();
};

} // namespace orv
