// The main window: every control of the working surface, bound to the
// control model of core::App, and the Moon picture drawn on its background.
// The window holds no state of its own: texts, check marks, selections and
// the timer period all live in the model, and the widgets mirror them.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QWidget>

#include "ui/qt_surface.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace korvel::core {
class App;
class CheckBox;
class OptionButton;
class TextField;
}  // namespace korvel::core

namespace korvel::ui {

class Form1 : public QWidget {
 public:
  // Client area in twips, and in logical pixels at 15 twips per pixel.
  static constexpr int kClientWidthTwips = 8184;
  static constexpr int kClientHeightTwips = 6492;
  static QSize clientPixels();

  explicit Form1(core::App& app, QWidget* parent = nullptr);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;
  ~Form1() override;

  // Paints a field (and any part of the Moon picture drawn since the last
  // paint) at once, while a long operation holds the event loop.
  void repaintField(const core::TextField& field);

  QTimer* timer() const { return timer_; }
  QtSurface& surface() { return surface_; }

  // A double-click on an entry field (by field number); without a handler
  // the model only notes the field for the ten-key pad.
  std::function<void(int code)> onFieldDoubleClick;

  // The close was confirmed: the program is to end.
  std::function<void()> onClosed;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct FieldBinding {
    core::TextField* field;
    QLineEdit* edit;
    int code;  // field number, for the double-click
  };
  struct CheckBinding {
    core::CheckBox* box;
    QCheckBox* widget;
  };
  struct OptionBinding {
    core::OptionButton* option;
    QRadioButton* widget;
  };

  void buildControls();
  void bindModel();
  void unbindModel();
  void setTabOrder();
  QLineEdit* addField(core::TextField& field, int code, QWidget* parent, QRect twips, bool result);
  QPushButton* addButton(int number, const char* caption, QWidget* parent, QRect twips);
  QLabel* addLabel(const char* name, const char* caption, QWidget* parent, QRect twips);
  QCheckBox* addCheck(core::CheckBox& box, int number, const char* caption, QWidget* parent, QRect twips);
  QRadioButton* addOption(core::OptionButton& option, int number, const char* caption, QWidget* parent, QRect twips);
  QGroupBox* addFrame(int number, const char* caption, QRect twips);
  void showField(const FieldBinding& b);
  void showCheck(const CheckBinding& b);
  void showOption(const OptionBinding& b);
  void showTimer();
  void showGeometry();
  void surfaceChanged(const QRect& area);
  void drawDecorations(QPainter& p);
  void ensureSurfaceDensity();

  core::App& app_;
  QtSurface surface_;
  QTimer* timer_ = nullptr;
  QLabel* label19_ = nullptr;
  std::vector<FieldBinding> fields_;
  std::vector<CheckBinding> checks_;
  std::vector<OptionBinding> options_;
  std::array<QPushButton*, 36> commands_{};
  QRect pendingMoon_;     // drawn into the picture, not yet on screen
  bool painting_ = false;  // inside paintEvent: the picture is being refreshed
  bool asking_ = false;   // the quit question is on the screen
  bool closed_ = false;   // the user confirmed the end
};

}  // namespace korvel::ui
