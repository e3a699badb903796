#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <memory>

// What the X window system does to the program's windows that Qt lets pass. Qt drops the
// window manager's close request for a window that a question blocks, so the table could not be
// closed while a question was open: such a window is now closed as if nothing blocked it. Qt does
// not notice a window destroyed by another program, so the program ran on without it: a question
// whose window is destroyed is now asked again in a new window, and a table whose window is
// destroyed is closed, which ends the game and the program.
class WindowSystemWatch : public QAbstractNativeEventFilter {
  public:
    // The atoms a close request is made of.
    struct Atoms {
        std::uint32_t protocols = 0;
        std::uint32_t deleteWindow = 0;
    };

    explicit WindowSystemWatch(Atoms atoms) : mAtoms(atoms) {}
    // A watch over the program's X display, installed; none when the program runs elsewhere.
    static std::unique_ptr<WindowSystemWatch> Install();
    ~WindowSystemWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    Atoms mAtoms;
};
