#include "app/ModuleDirectory.h"

#include "framework/ModuleFileName.h"
#include "core/PathText.h"

std::wstring ModuleDirectory() { return DirectoryPart(ModuleFileName()); }
