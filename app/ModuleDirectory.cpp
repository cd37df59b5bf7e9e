#include "app/ModuleDirectory.h"

#include "framework/ModuleFileName.h"
#include "framework/PathText.h"

std::wstring ModuleDirectory() { return DirectoryPart(ModuleFileName()); }
