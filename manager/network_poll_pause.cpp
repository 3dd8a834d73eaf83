#include "manager/manager_cycle.h"

const std::uint32_t NetworkPollPause = 1500;
