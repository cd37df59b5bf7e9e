#pragma once
// File helpers for tests that run under Windows or Wine.
#include <string>

bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The whole file, or nothing if it cannot be read.
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
// The folder of the running executable, without a trailing backslash.
std::wstring TestProgramFolder();
// Deletes a folder with everything in it, read-only files included.
void RemoveTree(const std::wstring& folder);
