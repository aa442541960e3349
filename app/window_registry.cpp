#include "window_registry.h"

#include "navigator.h"

#include <QCoreApplication>

#include <algorithm>

namespace korvane {

WindowRegistry& WindowRegistry::Instance() {
    static WindowRegistry registry;
    return registry;
}

WindowRegistry::WindowRegistry() : processEnder_([] { QCoreApplication::exit(0); }) {}

void WindowRegistry::Register(QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    loaded_.emplace_back(window);
    ConnectToNavigator(window);
}

void WindowRegistry::Unload(QWidget* window) {
    if (window)
        window->close();
}

void WindowRegistry::Forget(QWidget* window) {
    std::erase_if(loaded_, [window](const QPointer<QWidget>& entry) {
        return entry.isNull() || entry.data() == window;
    });
}

std::vector<QWidget*> WindowRegistry::LoadedInLoadOrder() const {
    std::vector<QWidget*> windows;
    for (const auto& entry : loaded_) {
        if (entry)
            windows.push_back(entry.data());
    }
    return windows;
}

bool WindowRegistry::BeginEnding() {
    if (ending_)
        return false;
    ending_ = true;
    return true;
}

void WindowRegistry::EndProcess() {
    processEnder_();
}

void WindowRegistry::SetProcessEnder(std::function<void()> ender) {
    processEnder_ = std::move(ender);
}

void WindowRegistry::DestroyAll() {
    const auto windows = loaded_;
    loaded_.clear();
    for (const auto& window : windows)
        delete window.data();
    ending_ = false;
}

} // namespace korvane
