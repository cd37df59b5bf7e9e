#include "framework/ApplicationTitle.h"

#include "framework/PathText.h"
#include "framework/ModuleFileName.h"

std::wstring ApplicationTitle() { return FileTitle(ModuleFileName()); }
