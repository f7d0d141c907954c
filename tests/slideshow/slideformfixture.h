#pragma once

#include "fakeplatform.h"
#include "fakeslideshowhost.h"
#include "imagecontrol.h"
#include "slideform.h"
#include "slideshowsettings.h"
#include "toolbutton.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace orv::test {

// A slideshow window over a fake main window with `n` pictures of 100 x 80
// pixels (1500 x 1200 twips) in a 12000 x 8000 work area.
class SlideFormFixture : public ::testing::Test
{
protected:
    SlideFormFixture() { fake.systemInfo.workArea = QSizeF(12000, 8000); }
    ~SlideFormFixture() override
    {
        delete form.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString path(int index) const { return QStringLiteral("/pics/p%1.jpg").arg(index); }
    void addPictures(int n)
    {
        for (int i = 0; i < n; ++i) {
            host.list.append(QStringLiteral("p%1.jpg").arg(i), QStringLiteral("/pics"));
            fake.pictureLoader.addPicture(path(i), QSize(100, 80));
        }
    }
    SlideForm *makeForm()
    {
        form = new SlideForm(host, settings, fake.services());
        return form;
    }
    // Starts a show of `n` pictures at picture 1.
    SlideForm *startWith(int n)
    {
        addPictures(n);
        makeForm()->startShow();
        return form;
    }

    template <class T> T *control(const char *name) const
    {
        T *w = form->findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString counter() const { return control<QLabel>("Label1")->text(); }
    bool timerOn() const { return control<QTimer>("Timer1")->isActive(); }
    bool shown() const { return control<ImageControl>("Image1")->isVisibleTo(form); }
    bool pauseBorder() const { return control<ToolButton>("pause")->border(); }
    // The path of the picture that Image1 was given last.
    QString lastLoad() const { return fake.pictureLoader.loads.value(fake.pictureLoader.loads.size() - 1); }

    FakePlatform fake;
    FakeSlideshowHost host;
    SlideshowSettings settings;
    QPointer<SlideForm> form;
};

} // namespace orv::test
