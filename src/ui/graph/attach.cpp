// Binds the three windows to their forms: the model creates, shows, hides,
// places, captions and destroys them through the form's view hooks, and
// the drawing surfaces are lent to the model while a window exists.
#include "core/app.h"
#include "ui/form_binding.h"
#include "ui/graph/form4.h"
#include "ui/graph/form5.h"
#include "ui/graph/form6.h"
#include "ui/graph/graph_windows.h"

namespace korvel::ui {

void attachGraphWindow(core::App& app) {
  auto b = bindForm<Form4>(app, app.form4);
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
  auto b = bindForm<Form5>(app, app.form5);
  b->lend = [&app](Form5& w) { app.form5.surface = &w.surface(); };
  b->takeBack = [&app] { app.form5.surface = nullptr; };
}

void attachOrbitWindow(core::App& app) {
  auto b = bindForm<Form6>(app, app.form6);
  b->lend = [&app](Form6& w) { app.form6.surface = &w.surface(); };
  b->takeBack = [&app] { app.form6.surface = nullptr; };
  app.form6.Check1.onView = [b] {
    if (b->window) b->window->showCheck();
  };
}

}  // namespace korvel::ui
