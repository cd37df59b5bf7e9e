#include "framework/ApplicationTitle.h"

#include "core/PathText.h"
#include "framework/ModuleFileName.h"

std::wstring ApplicationTitle() { return FileTitle(ModuleFileName()); }
