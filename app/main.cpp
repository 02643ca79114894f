// Vorpo: the application with its title, and the table window, which sets itself up from the
// settings file and shows itself; F2 starts a match.
#include <QApplication>
#include <QIcon>

#include <chrono>
#include <cstdint>

#include "VorpoMain.h"
#include "builtin_resources.h"
#include "program_paths.h"
#include "random.h"
#include "settings_store.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vorpo"));
  QApplication::setWindowIcon(QIcon(vorpo::resources::kIcon48));
  const auto seed =
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  TForm1 form(vorpo::SettingsStore::ForProgram(vorpo::ProgramPath()),
              vorpo::Random(seed, /*reseedFromClock=*/true));
  return app.exec();
}
