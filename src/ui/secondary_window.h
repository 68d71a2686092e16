// A top-level window that shows one form of the model: it takes its place,
// size and caption from the form, reports back where the user moved or
// sized it, and closing it by its frame closes the form.
#pragma once

#include <cmath>

#include <QRect>
#include <QSize>
#include <QWidget>
#include "ui/twips.h"

namespace korvel::core {
class App;
class Form;
}  // namespace korvel::core

namespace korvel::ui {

// The small sizable windows that stay above the others.
inline constexpr Qt::WindowFlags kOnTopFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                               Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                               Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;

class SecondaryWindow : public QWidget {
 public:
  SecondaryWindow(core::App& app, core::Form& form, Qt::WindowFlags flags);

  core::App& app() const { return app_; }
  core::Form& form() const { return form_; }

  // The model's outer geometry (twips) put on the screen.
  void showModelGeometry();
  void showModelCaption();
  // The window no longer stands for its form (the form was closed); it
  // reports nothing more and waits to be deleted.
  void detach() { detached_ = true; }
  bool detached() const { return detached_; }

  // What the frame adds to the client area, in logical pixels: measured once
  // the window manager has framed the window (or an earlier window of the
  // same form), estimated before.
  QSize frameExtra() const { return frameExtra_; }

 protected:
  // Gives the client area this size (logical pixels), within the window's limits.
  virtual void applyClientSize(QSize client);
  // Tells the form where the window is and how large it is. Twips that
  // round to the pixels the window has are kept as the form holds them, so
  // a place survives the round trip unchanged.
  void reportGeometry();

  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  core::App& app_;
  core::Form& form_;
  QSize frameExtra_;
  QSize placedWith_;  // the frame assumed at the last placing
  bool detached_ = false;
  bool applying_ = false;
};

}  // namespace korvel::ui
