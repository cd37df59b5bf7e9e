#include "core/ReportBoxes.h"

bool ReportBoxes::Arrived(const HookReport& report) {
  if (!m_onScreen) {
    m_onScreen = report;
    return true;
  }
  if (report != *m_onScreen) m_next = report;
  return false;
}

std::optional<HookReport> ReportBoxes::Closed() {
  m_onScreen = m_next;
  m_next.reset();
  return m_onScreen;
}
