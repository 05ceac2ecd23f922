#pragma once
// The archive's automation server behind the program's SearchServer; Windows only.

#if defined(_WIN32) || defined(IPCAT_CHECK_COM_WRAPPER)

#include "S4_TLB.h"

// Null when the server's class is not registered on this machine.
std::unique_ptr<SearchServer> createComSearchServer();

#endif
