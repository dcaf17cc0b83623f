// The page runner: runs one survey page as a modal dialog and returns how it ended.
#pragma once

#include <cstdint>

struct HostBlock;

int32_t ShowPage(int page, void* parent, int32_t direction, const HostBlock* host);
