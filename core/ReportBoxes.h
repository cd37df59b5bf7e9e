#pragma once
// Which of the mouse hook's error reports the tray thread shows: one box at a
// time, a report identical to the one on screen dropped, and of the reports that
// arrive while a box is open only the latest kept for afterwards. So a failing
// injection cannot stack up boxes.
#include <cstdint>
#include <optional>

struct HookReport {
  uint32_t error = 0;  // what failed
  uint32_t code = 0;   // the system's error code, where there is one

  friend bool operator==(const HookReport&, const HookReport&) = default;
};

class ReportBoxes {
 public:
  // A report arrived: true when its box is to be shown now.
  bool Arrived(const HookReport& report);
  // The box on screen was closed: the report to show next, if any.
  std::optional<HookReport> Closed();

 private:
  std::optional<HookReport> m_onScreen;
  std::optional<HookReport> m_next;
};
