#pragma once
// Which error reports the tray thread shows: one box at a time, a report
// identical to the one on screen dropped, and of the reports that arrive while a
// box is open only the latest kept for afterwards. So a failing action cannot
// stack up boxes.
#include <optional>

template <class Report>
class ReportBoxes {
 public:
  // A report arrived: true when its box is to be shown now.
  bool Arrived(const Report& report) {
    if (!m_onScreen) {
      m_onScreen = report;
      return true;
    }
    if (!(report == *m_onScreen)) m_next = report;
    return false;
  }
  // The box on screen was closed: the report to show next, if any.
  std::optional<Report> Closed() {
    m_onScreen = m_next;
    m_next = std::nullopt;
    return m_onScreen;
  }

 private:
  std::optional<Report> m_onScreen;
  std::optional<Report> m_next;
};
