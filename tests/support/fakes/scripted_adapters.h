#pragma once

#include <vector>

#include "common/platform/adapters.h"

// Adapters as a test describes them, with the status the list call answers.
class ScriptedAdapters final : public Adapters {
public:
    std::vector<AdapterAddresses> adapters;
    AdapterListStatus status = AdapterListOk;

    AdapterListStatus GetAdaptersAddresses(std::vector<AdapterAddresses>& listed) override {
        if (status == AdapterListOk) {
            listed = adapters;
        }
        return status;
    }
};
