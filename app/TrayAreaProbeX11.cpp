#include "TrayAreaProbe.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QSystemTrayIcon>
#include <QtGui/qguiapplication_platform.h>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace norvane::ui {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

int screenNumber() {
    char* host = nullptr;
    int display = 0;
    int screen = 0;
    if (!xcb_parse_display(nullptr, &host, &display, &screen))
        return 0;
    std::free(host);
    return screen;
}

// The XEmbed area is the window that owns the screen's tray selection.
bool xembedArea(xcb_connection_t* connection) {
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screenNumber());
    const ReplyPtr<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(selection.size()),
                        selection.constData()),
        nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const ReplyPtr<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_WINDOW_NONE;
}

// The area that desktops offer over the session bus, asked as the toolkit
// asks it.
bool sessionBusArea() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    return bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

} // namespace

// The toolkit remembers the XEmbed area it has once found and, depending on
// when it found it, may go on answering yes after the area's host has gone.
// On X11 the area is therefore looked for afresh each time.
bool TrayAreaAvailable() {
    // Other platforms (the offscreen one among them) may answer to the X11
    // interface without a connection to a server.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || QGuiApplication::platformName() != QLatin1String("xcb"))
        return QSystemTrayIcon::isSystemTrayAvailable();
    return xembedArea(connection) || sessionBusArea();
}

} // namespace norvane::ui
