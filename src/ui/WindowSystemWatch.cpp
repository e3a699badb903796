#include "ui/WindowSystemWatch.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>

namespace {

// The shown window of the program with this X id, or none.
QWidget* ShownWindow(xcb_window_t id) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->internalWinId() == id) {
            return window;
        }
    }
    return nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

}  // namespace

std::unique_ptr<WindowSystemWatch> WindowSystemWatch::Install() {
    if (QGuiApplication::platformName() != "xcb") {
        return nullptr;  // another window system (or none): nothing of this happens there
    }
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) {
        return nullptr;
    }
    auto watch = std::make_unique<WindowSystemWatch>(
        Atoms{Atom(connection, "WM_PROTOCOLS"), Atom(connection, "WM_DELETE_WINDOW")});
    qApp->installNativeEventFilter(watch.get());
    return watch;
}

WindowSystemWatch::~WindowSystemWatch() {
    if (qApp) {
        qApp->removeNativeEventFilter(this);
    }
}

bool WindowSystemWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
        case XCB_CLIENT_MESSAGE: {
            const auto* request = static_cast<const xcb_client_message_event_t*>(message);
            QWidget* window = ShownWindow(request->window);
            const QWidget* modal = QApplication::activeModalWidget();
            if (!window || !modal || modal == window || request->type != mAtoms.protocols ||
                request->data.data32[0] != mAtoms.deleteWindow) {
                return false;
            }
            QTimer::singleShot(0, window, &QWidget::close);
            return true;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto* gone = static_cast<const xcb_destroy_notify_event_t*>(message);
            QWidget* window = ShownWindow(gone->window);
            if (!window) {
                return false;
            }
            QTimer::singleShot(0, window, [window] {
                if (qobject_cast<QDialog*>(window)) {
                    window->hide();  // a question's wait ends, and it is asked again
                    window->windowHandle()->destroy();  // in a new window when shown
                } else {
                    window->close();
                }
            });
            return true;
        }
        default:
            return false;
    }
}
