#include "card_names.h"

namespace vorpo {

QString ColourName(int colourIndex) {
  static const QString names[] = {QStringLiteral("赤"), QStringLiteral("青"), QStringLiteral("黄"),
                                  QStringLiteral("緑")};
  return names[colourIndex & 3];
}

QString KindName(int kind) {
  switch (kind) {
    case kKindSkip:
      return QStringLiteral("スキップ");
    case kKindReverse:
      return QStringLiteral("リバース");
    case kKindDrawTwo:
      return QStringLiteral("ドロー2");
    default:
      return QString::number(kind);
  }
}

QString CardName(Card card) {
  if (IsWildDrawFour(card)) return QStringLiteral("ワイルドドロー4");
  if (IsWild(card)) return QStringLiteral("ワイルド");
  return ColourName(ColourOf(card)) + u' ' + KindName(KindOf(card));
}

}  // namespace vorpo
