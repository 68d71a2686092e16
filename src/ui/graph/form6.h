// The orbit window: Sun, Earth and Moon seen from the north pole of the
// ecliptic, drawn afresh on every repaint, with the three remote buttons
// and the box that shows the orbits as rings.
#pragma once

#include "ui/graph/remote_buttons.h"
#include "ui/secondary_window.h"
#include "ui/qt_surface.h"

class QCheckBox;

namespace korvel::ui {

class Form6 : public SecondaryWindow {
 public:
  explicit Form6(core::App& app);

  // The picture in twips, the size of the client area.
  QtSurface& surface() { return surface_; }
  const RemoteButtons& buttons() const { return buttons_; }
  QCheckBox* check1() const { return check1_; }

  // The rings box as the model has it.
  void showCheck();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Makes the picture the size of the client area (cleared when it changes).
  void fitSurface();

  QtSurface surface_;
  RemoteButtons buttons_;
  QCheckBox* check1_ = nullptr;
  bool painting_ = false;
};

}  // namespace korvel::ui
