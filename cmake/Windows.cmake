# The Windows side: thin Win32 code around brimlet_logic, the framework stand-in,
# resources and Brimlet.exe itself.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
  _WIN32_WINNT=0x0A00 WINVER=0x0A00 _WIN32_IE=0x0A00)
if(NOT BRIMLET_RELEASE)
  add_compile_definitions(BRIMLET_CHECK_THREADS)  # framework/OwnerThread.h
endif()

add_library(brimlet_framework STATIC
  framework/Accessibility.cpp
  framework/Controls.cpp
  framework/Dialog.cpp
  framework/DialogKeys.cpp
  framework/Executable.cpp
  framework/MessageWindow.cpp
  framework/WorkerThread.cpp)
target_include_directories(brimlet_framework PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(brimlet_framework PUBLIC brimlet_logic user32 gdi32 shell32 comctl32)
brimlet_strict(brimlet_framework)
brimlet_no_exceptions(brimlet_framework)

# Everything but the entry point, which the tests do without.
add_library(brimlet_win STATIC
  app/GlobalKeys.cpp
  app/HookKeeper.cpp
  app/Runtime.cpp
  app/SessionNotifications.cpp
  app/SettingsLoader.cpp
  app/ScreenMeasure.cpp
  app/TrayIcon.cpp
  app/TrayMenu.cpp
  config/ConfigFile.cpp
  config/SaveFiles.cpp
  config/SettingsStore.cpp
  config/StartupShortcut.cpp
  devices/BrightnessWorker.cpp
  devices/AudioWorker.cpp
  devices/SystemDevices.cpp
  devices/SystemOutputs.cpp
  devices/SystemSound.cpp
  hook/MouseHook.cpp
  ui/BrightnessIndicator.cpp
  ui/MessageBoxes.cpp
  ui/Texts.cpp
  ui/about/AboutDialog.cpp
  ui/about/LinkControl.cpp
  ui/settings/KeyField.cpp
  ui/settings/SettingsDialog.cpp)
target_link_libraries(brimlet_win PUBLIC brimlet_framework shlwapi ole32 uuid)
brimlet_strict(brimlet_win)
brimlet_no_exceptions(brimlet_win)

# Self-contained: the C++ runtime, libgcc and winpthread are linked in, so the
# import table names Windows system DLLs only.
add_executable(Brimlet WIN32 app/Main.cpp framework/NoExceptions.cpp res/Brimlet.rc)
target_link_libraries(Brimlet PRIVATE brimlet_win)
target_link_options(Brimlet PRIVATE -static -municode)
set_source_files_properties(res/Brimlet.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/Brimlet.ico;${CMAKE_SOURCE_DIR}/res/Brimlet.manifest;${CMAKE_SOURCE_DIR}/res/resource.h")
brimlet_strict(Brimlet)
brimlet_no_exceptions(Brimlet)
if(BRIMLET_RELEASE)
  return()
endif()

# Helpers shared by the tests and the benchmark that drive Brimlet from outside.
add_library(brimlet_test_support STATIC
  tests/support/BrimletWindows.cpp
  tests/support/Input.cpp
  tests/support/Screenshot.cpp
  tests/support/StandInTaskbar.cpp
  tests/support/TestFiles.cpp)
target_include_directories(brimlet_test_support PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(brimlet_test_support PUBLIC user32 shell32 gdi32)
brimlet_strict(brimlet_test_support)

add_subdirectory(${CMAKE_SOURCE_DIR}/bench/wine ${CMAKE_BINARY_DIR}/bench/wine)
