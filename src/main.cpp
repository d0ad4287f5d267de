// Fairwick keeps golf scores and computes golf handicaps. It takes no
// arguments and works on the data files of the current directory.

#include "app/fwstartup.h"

int main(int argc, char** argv) {
  return fw::ui::RunFairwick(argc, argv);
}
