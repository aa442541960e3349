#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace korvane {

// Keeps the program's windows as single, process-wide instances: a window is
// created (and runs its load handling in its constructor) on first use, is
// forgotten when it closes, and is created afresh on the next use. The
// registry remembers the order in which the windows were loaded, which is
// the order in which EndProgram unloads them. Every window it loads is
// connected to the navigator, which decides what follows its events.
class WindowRegistry {
public:
    static WindowRegistry& Instance();

    // The loaded window of that kind, created and loaded if there is none.
    template <class W> W& Use() {
        if (W* existing = Find<W>())
            return *existing;
        W* created = new W();
        Register(created);
        return *created;
    }

    // The loaded window of that kind, or nullptr.
    template <class W> W* Find() const {
        for (const auto& window : loaded_) {
            if (auto* match = qobject_cast<W*>(window.data()))
                return match;
        }
        return nullptr;
    }

    // Closes the window: its unload handling runs and it is destroyed.
    static void Unload(QWidget* window);

    // Called as a window finishes closing, so that the next use creates it
    // afresh.
    void Forget(QWidget* window);

    // The loaded windows, oldest first.
    std::vector<QWidget*> LoadedInLoadOrder() const;

    // Marks the program as ending; false when it already is.
    bool BeginEnding();

    // Ends the process (see EndProgram in exit_path.h).
    void EndProcess();

    // How the process is ended; tests record the request instead.
    void SetProcessEnder(std::function<void()> ender);

    // Destroys every window that is left, once the event loop has stopped.
    // Also returns the registry to its first state (tests).
    void DestroyAll();

private:
    WindowRegistry();
    void Register(QWidget* window);

    std::vector<QPointer<QWidget>> loaded_;
    std::function<void()> processEnder_;
    bool ending_ = false;
};

} // namespace korvane
