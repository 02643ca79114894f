#include "table_style.h"

namespace vorpo {

QFont TableFont(const QString& face, int pixelHeight, bool bold, bool italic) {
  InstallFontSubstitutions();
  QFont font(face);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

}  // namespace vorpo
