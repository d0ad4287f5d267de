// Runs the window tests with one application object, on the offscreen platform
// unless QT_QPA_PLATFORM names another (scripts/xvfb-smoke.sh runs them on X).

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>

#include <cstdio>
#include <string>

#include "app/fwstartup.h"
#include "support/dialogwatch.h"

namespace {
// The offscreen platform reports every raise() it cannot do; that is noise here.
QtMessageHandler standardHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (standardHandler)
    standardHandler(type, context, text);
  else
    std::fprintf(stderr, "%s\n", qPrintable(text));
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A private runtime folder, as Qt expects one.
  const std::string runtime = "/tmp/fwtest-runtime-" + std::to_string(getuid());
  mkdir(runtime.c_str(), 0700);
  chmod(runtime.c_str(), 0700);
  qputenv("XDG_RUNTIME_DIR", runtime.c_str());
  standardHandler = qInstallMessageHandler(FilterMessages);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(fwtest::NewDialogWatch());

  // The program's own application object, with its backstop for errors.
  fw::ui::FairwickApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Fairwick for Windows"));
  return RUN_ALL_TESTS();
}
