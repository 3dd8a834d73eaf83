#pragma once

#include "common/platform/adapters.h"

class Win32Adapters final : public Adapters {
public:
    AdapterListStatus GetAdaptersAddresses(std::vector<AdapterAddresses>& adapters) override;
};
