// Deals played in the real table window on the offscreen platform with a wait of 1 ms: the
// computer seats move on the turn timer as in the program, seat 0 moves by the space bar the
// moment its turn comes. Reports moves per second over the whole run (timer pacing, human
// moves and deferred painting included) and the median time of one timer tick: the
// computer's move and the redrawing done inside it.
//
//   vorpo_bench_table [moves]   (default 10000)
#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "VorpoMain.h"
#include "random.h"
#include "settings_store.h"

namespace {

using Clock = std::chrono::steady_clock;

// Marks the start of every tick: the timer event reaches this filter before the timer turns it
// into its timeout signal.
class TickStart : public QObject {
  Q_OBJECT
 public:
  Clock::time_point at;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Timer) at = Clock::now();
    return false;
  }
};

// Seat 0 makes its moves with the space bar while the turn stays with it. Every press makes
// progress (a draw, a play, a pass or a colour), so a turn that does not end is a fault.
void PlayHumanTurns(TForm1& form) {
  const vorpo::GameState& state = form.game().State();
  for (int presses = 0; state.DealRunning() && state.CurSeat == 0 && !state.TimerEnabled;
       ++presses) {
    if (presses == 10000) {
      std::fprintf(stderr, "seat 0's turn does not end\n");
      std::exit(1);
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&form, &press);
  }
}

void StartMatchIfNone(TForm1& form) {
  if (form.game().State().MatchRunning()) return;
  form.mnuStartClick();
  PlayHumanTurns(form);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication app(argc, argv);
  const std::uint64_t movesWanted = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10000;

  QTemporaryDir dir;
  const std::string ini = dir.filePath("vorpo.ini").toStdString();
  {
    QFile file(QString::fromStdString(ini));
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write("[Game]\r\nWait=1\r\nSound=0\r\nJRTurns=30\r\n");
  }
  TForm1 form{vorpo::SettingsStore(ini), vorpo::Random(1)};
  const vorpo::PlayCounters& counters = form.game().counters;

  TickStart tickStart;
  form.Timer->installEventFilter(&tickStart);
  std::vector<double> tickMicroseconds;
  tickMicroseconds.reserve(movesWanted);
  // Connected after the window's own handler, so it runs when the tick's move is done.
  QObject::connect(form.Timer, &QTimer::timeout, &form, [&] {
    tickMicroseconds.push_back(
        std::chrono::duration<double, std::micro>(Clock::now() - tickStart.at).count());
    PlayHumanTurns(form);
    StartMatchIfNone(form);
    if (counters.moves >= movesWanted) app.quit();
  });

  const Clock::time_point start = Clock::now();
  StartMatchIfNone(form);
  app.exec();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

  std::sort(tickMicroseconds.begin(), tickMicroseconds.end());
  const auto last = static_cast<double>(tickMicroseconds.size() - 1);
  const auto at = [&](double fraction) {
    return tickMicroseconds[static_cast<std::size_t>(fraction * last)];
  };
  std::printf("seats %d, wait 1 ms, %llu deals, %llu moves in %.2f s\n",
              form.game().State().Players, static_cast<unsigned long long>(counters.deals),
              static_cast<unsigned long long>(counters.moves), seconds);
  std::printf("moves per second: %.0f\n", static_cast<double>(counters.moves) / seconds);
  std::printf("timer ticks: %zu, median %.1f us, 90th percentile %.1f us, max %.1f us\n",
              tickMicroseconds.size(), at(0.5), at(0.9), at(1.0));
  return 0;
}

#include "table_bench.moc"
