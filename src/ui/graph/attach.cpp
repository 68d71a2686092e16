// Binds the three windows to their forms: the model creates, shows, hides,
// places, captions and destroys them through the form's view hooks, and
// the drawing surfaces are lent to the model while a window exists.
#include <functional>
#include <memory>

#include <QPointer>

#include "core/app.h"
#include "ui/graph/form4.h"
#include "ui/graph/form5.h"
#include "ui/graph/form6.h"
#include "ui/graph/graph_windows.h"

namespace korvel::ui {

namespace {

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
  std::function<void(Window&)> lend;  // hands the window's surface to the model
  std::function<void()> takeBack;     // and takes it back
};

template <class Window>
std::shared_ptr<Binding<Window>> bind(core::App& app, core::Form& form) {
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

}  // namespace

void attachGraphWindow(core::App& app) {
  auto b = bind<Form4>(app, app.form4);
  // Set before the form's creation steps run, which draw the centre line.
  b->lend = [&app](Form4& w) { app.form4.picture = &w.picture(); };
  b->takeBack = [&app] { app.form4.picture = nullptr; };
  // The creation steps set the button captions.
  app.form4.onLoad = [b, modelLoad = app.form4.onLoad] {
    if (modelLoad) modelLoad();
    if (b->window) b->window->showCaptions();
  };
  core::CheckBox* boxes[] = {nullptr, &app.form4.Check1, &app.form4.Check2, &app.form4.Check3, &app.form4.Check4};
  for (int n = 1; n <= 4; ++n)
    boxes[n]->onView = [b, n] {
      if (b->window) b->window->showCheck(n);
    };
}

void attachFaceWindow(core::App& app) {
  auto b = bind<Form5>(app, app.form5);
  b->lend = [&app](Form5& w) { app.form5.surface = &w.surface(); };
  b->takeBack = [&app] { app.form5.surface = nullptr; };
}

void attachOrbitWindow(core::App& app) {
  auto b = bind<Form6>(app, app.form6);
  b->lend = [&app](Form6& w) { app.form6.surface = &w.surface(); };
  b->takeBack = [&app] { app.form6.surface = nullptr; };
  app.form6.Check1.onView = [b] {
    if (b->window) b->window->showCheck();
  };
}

}  // namespace korvel::ui
