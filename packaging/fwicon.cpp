// Writes Fairwick's icon as PNG files for the desktop's icon theme:
//   fwicon FOLDER SIDE...
// writes FOLDER/SIDE.png for every SIDE, drawn as the program draws it.

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "app/fwpictures.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: fwicon FOLDER SIDE...\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  for (int i = 2; i < argc; ++i) {
    const int side = std::atoi(argv[i]);
    const QString file = folder.filePath(QString::number(side) + QStringLiteral(".png"));
    if (side <= 0 || !fw::ui::FairwickPicture(QSize(side, side)).save(file, "PNG")) {
      std::fprintf(stderr, "fwicon: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
