// The faces the windows are designed with are Windows faces. Here they are names that the
// installed IPA and Liberation faces stand in for, so that every text renders in a face of its
// kind (Gothic, Mincho, Times) whatever the locale.
#pragma once

#include <QFont>
#include <QString>

namespace vorpo {

inline const QString kUiGothic = QStringLiteral("MS UI Gothic");
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kPMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kFixedGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kTimesNewRoman = QStringLiteral("Times New Roman");

// Lets the Windows face names find their stand-ins. Calling it again changes nothing; the font
// functions below call it themselves.
void InstallFontSubstitutions();

// The face of the dialogs ("MS UI Gothic" at 9 points). Its stand-in draws wider than the face
// the dialogs were laid out with, so it is set a pixel smaller than 9 points (12 px): at 11 px
// every caption fits the place its control was designed with.
QFont DialogFont();

}  // namespace vorpo
