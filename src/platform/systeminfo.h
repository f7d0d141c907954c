#pragma once

#include <QObject>
#include <QSizeF>
#include <QString>

namespace orv {

// The desktop's work area (the screen less panels and task bars) in twips,
// the screen's logical DPI, and a notification when either changes; and the
// system the program runs on, as the splash names it.
class SystemInfo : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual QSizeF workAreaTwips() const = 0;
    virtual double logicalDpi() const = 0;
    // Device pixels per logical pixel where Qt scales the screen (1 where it
    // does not): with Qt's scaling a DPI change shows here, not in logicalDpi().
    virtual double devicePixelRatio() const = 0;
    // The platform's name: "Linux", "Windows", "macOS".
    virtual QString platformName() const = 0;
    // The system's own short name and version, "Debian 12"; empty when the
    // system does not say.
    virtual QString systemVersion() const = 0;

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
    double devicePixelRatio() const override;
    QString platformName() const override;
    QString systemVersion() const override;

private:
    void watchScreen();
};

} // namespace orv
