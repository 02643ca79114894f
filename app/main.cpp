// Vorpo: the application with its title, the table window, which sets itself up from the
// settings file and asks for the player's name, then the score sheet window, and the event loop.
#include <QApplication>
#include <QIcon>

#include <chrono>
#include <cstdint>

#include "VorpoIntro.h"
#include "VorpoMain.h"
#include "VorpoScore.h"
#include "builtin_resources.h"
#include "program_paths.h"
#include "random.h"
#include "settings_store.h"
#include "toolkit_translations.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vorpo::LoadToolkitTranslations();
  QApplication::setApplicationName(QStringLiteral("Vorpo"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.vorpo.Vorpo"));
  QApplication::setWindowIcon(QIcon(vorpo::resources::kIcon256));
  const auto seed =
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  TForm1 form(vorpo::SettingsStore::ForProgram(vorpo::ProgramPath()),
              vorpo::Random(seed, /*reseedFromClock=*/true));
  // 終了 in the welcome dialog ends the program at once, without writing any setting.
  if (!vorpo::ShowWelcomeDialog(form, &form)) return 0;
  form.activateWindow();
  form.mnuStartClick();
  TfrmScore frmScore(form.game(), form.programSettings(), &form);
  form.AttachScoreSheet(&frmScore);
  return app.exec();
}
