// Core code that names a window's header. The core library's include folders
// do not hold it, so this file must not build: tests/layers/check_layers.sh
// checks that it fails for that reason alone.
#include "mainwindow/mainwindow.h"
