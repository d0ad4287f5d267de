// The yardstick of the start-up benchmark: a bare Qt Widgets program that
// shows one window, run with the same quit hook as Fairwick.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(472, 353);
  window.show();
  return QApplication::exec();
}
