#pragma once
// The archive's automation server behind the program's SearchServer; Windows only.

#ifdef _WIN32

#include "S4_TLB.h"

// Null when the server's class is not registered on this machine.
std::unique_ptr<SearchServer> createComSearchServer();

#endif
