#include "fonts.h"

#include <QStringList>

namespace vorpo {

namespace {

// The dialogs' text height in pixels; see DialogFont.
constexpr int kDialogPixels = 11;

}  // namespace

void InstallFontSubstitutions() {
  const QStringList gothic{"IPAPGothic", "IPAGothic"};
  const QStringList fixedGothic{"IPAGothic"};
  const QStringList mincho{"IPAPMincho", "IPAMincho"};
  const QStringList fixedMincho{"IPAMincho"};
  struct Mapping {
    const char* windowsFace;
    const QStringList& installed;
  };
  const Mapping mappings[] = {
      {"MS UI Gothic", gothic},       {"ＭＳ Ｐゴシック", gothic}, {"MS PGothic", gothic},
      {"ＭＳ ゴシック", fixedGothic}, {"MS Gothic", fixedGothic},  {"ＭＳ Ｐ明朝", mincho},
      {"MS PMincho", mincho},         {"ＭＳ 明朝", fixedMincho},  {"MS Mincho", fixedMincho},
  };
  for (const Mapping& m : mappings) {
    const QString face = QString::fromUtf8(m.windowsFace);
    if (QFont::substitutes(face).isEmpty()) QFont::insertSubstitutions(face, m.installed);
  }
  if (QFont::substitutes(kTimesNewRoman).isEmpty())
    QFont::insertSubstitution(kTimesNewRoman, "Liberation Serif");
}

QFont DialogFont() {
  InstallFontSubstitutions();
  QFont font(kUiGothic);
  font.setPixelSize(kDialogPixels);
  return font;
}

}  // namespace vorpo
