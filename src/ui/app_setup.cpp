#include "ui/app_setup.h"

#include <cstddef>

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStringList>
#include <QTranslator>

namespace korvel::ui {

namespace {

// Japanese Gothic families, most wanted first. Generic CJK fallbacks are left
// out on purpose: they draw the shared ideographs in their Chinese shapes.
const char* const kJapaneseFamilies[] = {
    "Noto Sans CJK JP", "Noto Sans JP", "Source Han Sans JP", "IPAPGothic", "IPAexGothic",
    "TakaoPGothic",     "VL PGothic",   "IPAGothic",          "TakaoGothic", "VL Gothic",
};

// Japanese Gothic families with fixed-width (half-em) digits.
const char* const kJapaneseFixedFamilies[] = {
    "IPAGothic", "Noto Sans Mono CJK JP", "TakaoGothic", "VL Gothic", "IPAexGothic",
};

// The window layout (control sizes in twips) is made for a 9-point font.
constexpr int kWindowFontPoints = 9;

template <std::size_t N>
QStringList installedOf(const char* const (&wanted)[N]) {
  const QStringList installed = QFontDatabase::families();
  QStringList found;
  for (const char* name : wanted) {
    const QString family = QString::fromUtf8(name);
    if (installed.contains(family, Qt::CaseInsensitive)) found << family;
  }
  return found;
}

QStringList installedJapaneseFamilies() { return installedOf(kJapaneseFamilies); }

}  // namespace

QFont windowFont() {
  QFont font = QApplication::font();
  QStringList families = installedJapaneseFamilies();
  // The system's own family stays last, for whatever the Japanese fonts lack.
  const QString system = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  if (!system.isEmpty() && !families.contains(system)) families << system;
  if (!families.isEmpty()) font.setFamilies(families);
  font.setPointSize(kWindowFontPoints);
  return font;
}

QFont fieldFont() {
  QFont font = windowFont();
  QStringList families = installedOf(kJapaneseFixedFamilies);
  if (families.isEmpty()) return font;
  for (const QString& family : font.families())
    if (!families.contains(family)) families << family;
  font.setFamilies(families);
  return font;
}

QFont arrowFont() {
  QFont font(QString::fromUtf8(kArrowFontFamily), kArrowFontPoints);
  font.setWeight(QFont::Normal);
  return font;
}

void setupApplication(QApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));

  // Standard buttons ("はい", "いいえ") and dialogs in Japanese.
  auto* qtTranslator = new QTranslator(&app);
  if (qtTranslator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qtTranslator);

  // "ＭＳ Ｐゴシック" is the font the arrow buttons name; IPA P Gothic has the
  // same proportional metrics, the other Japanese families follow it.
  QStringList arrowSubstitutes{QStringLiteral("IPAPGothic")};
  for (const QString& family : installedJapaneseFamilies())
    if (!arrowSubstitutes.contains(family)) arrowSubstitutes << family;
  QFont::insertSubstitutions(QString::fromUtf8(kArrowFontFamily), arrowSubstitutes);

  QApplication::setFont(windowFont());
  QApplication::setWindowIcon(programIcon());
}

QIcon programIcon() {
  QIcon fallback;
  for (int size : {16, 24, 32, 48, 64, 128}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // The same picture as data/korvel.svg: a night-blue tile, the dark
    // disc, and a waxing crescent bounded by the disc and the terminator.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1b, 0x26, 0x4f));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(0x2e, 0x3b, 0x6e));
    p.drawEllipse(QPointF(32, 32), 22, 22);
    QPainterPath crescent(QPointF(32, 10));
    crescent.arcTo(QRectF(10, 10, 44, 44), 90, -180);
    crescent.arcTo(QRectF(20, 10, 24, 44), -90, 180);
    crescent.closeSubpath();
    p.setBrush(QColor(255, 255, 0));
    p.drawPath(crescent);
    p.end();
    fallback.addPixmap(pixmap);
  }
  return QIcon::fromTheme(QStringLiteral("korvel"), fallback);
}

}  // namespace korvel::ui
