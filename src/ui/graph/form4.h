// The graph window: nine buttons, the plotting area `Picture1` with its
// retained picture, and the legend with the four series boxes, which
// mirror the main window's series boxes through the model.
#pragma once

#include <array>

#include <QFrame>

#include "ui/secondary_window.h"
#include "ui/qt_surface.h"

class QCheckBox;
class QPushButton;

namespace korvel::ui {

// The plotting area: a sunken frame around the retained picture.
class GraphPicture : public QFrame {
 public:
  GraphPicture(QtSurface& surface, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QtSurface& surface_;
};

class Form4 : public SecondaryWindow {
 public:
  // The picture's scale: the plot's fixed frame of 8585 by 2 x 2202 twips
  // inside the area's border.
  static constexpr double kScaleWidth = 8585;
  static constexpr double kScaleHeight = 4404;
  // The client area holds the buttons, the plot and the legend; the frame
  // is fixed, so besides that size there is only the smallest one, where
  // the caption bar alone is left.
  static QSize layoutClient() { return pxRect(0, 0, 8700, 5130).size(); }
  static QSize smallestClient() { return QSize(120, 1); }

  explicit Form4(core::App& app);

  QtSurface& picture() { return surface_; }
  GraphPicture* pictureArea() const { return picture1_; }
  // Command1..Command9 and Check1..Check4 (index from 1).
  QPushButton* command(int n) const { return commands_.at(n); }
  QCheckBox* check(int n) const { return checks_.at(n); }

  // Button captions and box values as the model has them.
  void showCaptions();
  void showCheck(int n);

  // Command8: out of the on-top band, to the screen's top-left corner at
  // the smallest size, then to the saved geometry.
  void toCorner();

 protected:
  void applyClientSize(QSize client) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QtSurface surface_;
  GraphPicture* picture1_ = nullptr;
  std::array<QPushButton*, 10> commands_{};
  std::array<QCheckBox*, 5> checks_{};
};

}  // namespace korvel::ui
