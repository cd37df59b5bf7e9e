#pragma once
// Windows' own outputs, through Core Audio and the policy-configuration
// interface. It holds nothing between calls, so each thread may use it in
// its own COM apartment.
#include "devices/Devices.h"

class SystemOutputs final : public Outputs {
 public:
  bool List(std::vector<OutputDevice>& outputs) override;
  bool CanSwitch() override;
  bool MakeDefault(const std::wstring& id) override;
};
