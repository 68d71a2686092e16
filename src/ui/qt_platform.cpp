#include "ui/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include "ui/twips.h"

namespace korvel::ui {

namespace {


QString qs(const std::string& s) { return QString::fromStdString(s); }

// A question or message the user must answer stays above the pads and the
// moon-face and orbit windows, which keep above all others and would hide
// it (and the buttons that answer it) otherwise.
void keepAboveOnTopWindows(QWidget& dialog) { dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true); }

}  // namespace

QtPlatform::~QtPlatform() {
  while (busy_ > 0) setBusy(false);
}

QWidget* QtPlatform::dialogParent() {
  if (QWidget* w = QApplication::activeWindow()) return w;
  return nullptr;
}

core::LocalTime QtPlatform::now() {
  const QDateTime t = QDateTime::currentDateTime();
  const QDate d = t.date();
  const QTime h = t.time();
  return core::LocalTime{d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
}

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::setBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++busy_;
  } else if (busy_ > 0) {
    QApplication::restoreOverrideCursor();
    --busy_;
  }
}

bool QtPlatform::askYesNo(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::Question, qs(title), qs(text), QMessageBox::Yes | QMessageBox::No, dialogParent());
  box.setDefaultButton(QMessageBox::Yes);
  keepAboveOnTopWindows(box);
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtPlatform::chooseSaveFile(const core::SaveFileRequest& request) {
  QStringList filters;
  for (const auto& [label, pattern] : request.filters) {
    QString filter = qs(label);
    if (!filter.contains(QLatin1Char('('))) filter += QStringLiteral(" (") + qs(pattern) + QLatin1Char(')');
    filters << filter;
  }
  QFileDialog dialog(dialogParent(), qs(request.title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  keepAboveOnTopWindows(dialog);
  const QFileInfo initial(qs(request.initialName));
  if (initial.isAbsolute()) dialog.setDirectory(initial.absolutePath());
  dialog.selectFile(initial.fileName());
  // No default suffix: the file type is the end of the name as chosen.
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front().toStdString();
}

bool QtPlatform::printText(const std::string& title, const std::string& text, std::string& reason) {
  if (printer) return printer(title, text, reason);
  reason = "プリンタが設定されていません。";
  return false;
}

void QtPlatform::showError(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::Warning, qs(title), qs(text), QMessageBox::Ok, dialogParent());
  keepAboveOnTopWindows(box);
  box.exec();
}

std::pair<int, int> QtPlatform::screenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {0, 0};
  const QSize size = screen->geometry().size();
  return {size.width() * kTwipsPerPixel, size.height() * kTwipsPerPixel};
}

void QtPlatform::repaintField(const core::TextField& field) {
  if (fieldRepainter) fieldRepainter(field);
}

}  // namespace korvel::ui
