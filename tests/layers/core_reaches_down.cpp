// Core code that names headers of its own library: builds, as the control
// for core_reaches_up.cpp.
#include "folders/foldermodel.h"
#include "platform/twips.h"
