// Vorpo: the application with its title, the table window, which sets itself up from the
// settings file and asks for the player's name, then the score sheet window, and the event loop.
// The command line is read first, so that --help, --version and a mistyped flag are answered
// without a window.
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "VorpoIntro.h"
#include "VorpoMain.h"
#include "VorpoScore.h"
#include "builtin_resources.h"
#include "command_line.h"
#include "font_set_up.h"
#include "program_paths.h"
#include "start_up_leftovers.h"
#include "toolkit_translations.h"

namespace {

// Written with stdio: the standard streams would be set up, locale and all, at every start for
// the few runs that print.
void Print(std::FILE* to, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), to);
}

}  // namespace

int main(int argc, char** argv) {
  vorpo::CommandLine line;
  if (auto error = vorpo::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), line)) {
    Print(stderr, "vorpo: " + *error + "\n" + vorpo::CommandLineUsage());
    return 2;
  }
  if (line.help) {
    Print(stdout, vorpo::CommandLineUsage());
    return 0;
  }
  if (line.version) {
    Print(stdout, vorpo::VersionText());
    return 0;
  }
  // The toolkit sees only the program's name: every argument has been read above, and the
  // toolkit's own settings come from its environment variables (QT_QPA_PLATFORM and the like).
  int toolkitArgc = 1;
  vorpo::FontSetUp fonts;
  QApplication app(toolkitArgc, argv);
  fonts.Wait();
  // The menu stays in the window, where the table's layout has it, even on a desktop with a
  // menu bar of its own.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  vorpo::LoadToolkitTranslations();
  QApplication::setApplicationName(QStringLiteral("Vorpo"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.vorpo.Vorpo"));
  const auto clockSeed =
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  TForm1 form(vorpo::SettingsFor(line, vorpo::ProgramPath()), vorpo::DealerFor(line, clockSeed));
  // The table goes out to the screen before the welcome dialog is built, which would otherwise
  // keep it from showing until the dialog is ready.
  QGuiApplication::sync();
  // The icon goes to the window manager, and into every window from then on, once the table is
  // on the screen: reading it would otherwise hold the table back.
  QApplication::setWindowIcon(QIcon(vorpo::resources::kIcon256));
  form.KeepStatistics(vorpo::UserStatisticsPath());
  vorpo::StartUpLeftovers leftovers(form);
  // 終了 in the welcome dialog ends the program at once, without writing any setting.
  if (!vorpo::ShowWelcomeDialog(form, &form)) return 0;
  form.activateWindow();
  form.mnuStartClick();
  TfrmScore frmScore(form.game(), form.programSettings(), &form);
  form.AttachScoreSheet(&frmScore);
  return app.exec();
}
