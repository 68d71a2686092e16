// Binds a secondary window to its form: the model creates, shows, hides,
// places, captions and destroys the window through the form's view hooks.
#pragma once

#include <functional>
#include <memory>

#include <QPointer>

#include "core/form.h"

namespace korvel::core {
class App;
}

namespace korvel::ui {

// The window of one form, for as long as the form exists. Owned by the
// form's hooks, so it lives as long as the App.
template <class Window>
struct Binding {
  Binding(core::App& a, core::Form& f) : app(a), form(f) {}
  Binding(const Binding&) = delete;
  Binding& operator=(const Binding&) = delete;
  // The App is going: its window goes with it, telling the model nothing.
  ~Binding() { delete window.data(); }

  core::App& app;
  core::Form& form;
  QPointer<Window> window;
  std::function<void(Window&)> lend;  // hands a new window's surface to the model
  std::function<void()> takeBack;     // and takes it back
};

template <class Window>
std::shared_ptr<Binding<Window>> bindForm(core::App& app, core::Form& form) {
  auto b = std::make_shared<Binding<Window>>(app, form);
  form.onViewCreate = [b] {
    b->window = new Window(b->app);
    b->window->showModelCaption();
    if (b->lend) b->lend(*b->window);
  };
  form.onViewDestroy = [b] {
    Window* w = b->window.data();
    if (!w) return;
    if (b->takeBack) b->takeBack();
    b->window = nullptr;
    w->detach();
    w->hide();
    // Possibly inside the window's own close event.
    w->deleteLater();
  };
  form.onViewShow = [b] {
    if (b->window) b->window->show();
  };
  form.onViewHide = [b] {
    if (b->window) b->window->hide();
  };
  form.onViewGeometry = [b] {
    if (b->window) b->window->showModelGeometry();
  };
  form.onViewCaption = [b] {
    if (b->window) b->window->showModelCaption();
  };
  return b;
}

}  // namespace korvel::ui
