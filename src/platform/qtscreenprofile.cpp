#include "screenprofile.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>

#if defined(ORVANTA_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>
#endif

namespace orv {

#if defined(ORVANTA_HAVE_XCB) && QT_CONFIG(xcb)

namespace {
// Atoms are asked for this many screens; more are not met in practice.
constexpr int KnownScreens = 8;
// Profiles are a few kilobytes; a larger property than this is not read.
constexpr uint32_t MaxProfileWords = 4 * 1024 * 1024;
} // namespace

// Reads the root window's properties through Qt's own xcb connection, and
// hears of their changes from the events Qt receives.
struct QtScreenProfile::X11 : QAbstractNativeEventFilter {
    QtScreenProfile *owner = nullptr;
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
    std::vector<xcb_atom_t> atoms; // _ICC_PROFILE, _ICC_PROFILE_1, ...

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *notify = static_cast<const xcb_property_notify_event_t *>(message);
        if (notify->window != root)
            return false;
        for (xcb_atom_t atom : atoms) {
            if (atom == notify->atom) {
                Q_EMIT owner->changed();
                break;
            }
        }
        return false; // Qt handles the event as well
    }
};

namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const QByteArray &name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

QtScreenProfile::QtScreenProfile(QObject *parent) : ScreenProfile(parent)
{
    auto *app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!app || !app->connection())
        return;
    xcb_connection_t *connection = app->connection();
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    if (!screens.rem)
        return;
    m_x11 = new X11;
    m_x11->owner = this;
    m_x11->connection = connection;
    m_x11->root = screens.data->root;
    for (int i = 0; i < KnownScreens; ++i) {
        const QByteArray name = i == 0 ? QByteArrayLiteral("_ICC_PROFILE") : "_ICC_PROFILE_" + QByteArray::number(i);
        m_x11->atoms.push_back(internAtom(connection, name));
    }
    // Property changes of the root window are asked for on top of the events
    // Qt asks for there already.
    xcb_get_window_attributes_reply_t *attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, m_x11->root), nullptr);
    const uint32_t mask = (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_PROPERTY_CHANGE;
    std::free(attributes);
    xcb_change_window_attributes(connection, m_x11->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    qGuiApp->installNativeEventFilter(m_x11);
}

QtScreenProfile::~QtScreenProfile()
{
    if (m_x11 && qGuiApp)
        qGuiApp->removeNativeEventFilter(m_x11);
    delete m_x11;
}

QByteArray QtScreenProfile::iccProfile(int screen) const
{
    if (!m_x11 || screen < 0 || screen >= int(m_x11->atoms.size()) || m_x11->atoms[screen] == XCB_ATOM_NONE)
        return QByteArray();
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        m_x11->connection,
        xcb_get_property(m_x11->connection, 0, m_x11->root, m_x11->atoms[screen], XCB_GET_PROPERTY_TYPE_ANY, 0,
                         MaxProfileWords),
        nullptr);
    QByteArray bytes;
    if (reply && reply->format == 8 && reply->bytes_after == 0)
        bytes = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
    std::free(reply);
    return bytes;
}

#else

struct QtScreenProfile::X11 {
};

QtScreenProfile::QtScreenProfile(QObject *parent) : ScreenProfile(parent) {}

QtScreenProfile::~QtScreenProfile() = default;

QByteArray QtScreenProfile::iccProfile(int) const
{
    return QByteArray();
}

#endif

} // namespace orv
