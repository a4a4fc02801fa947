// Shared pieces of the memory-test wizard and skip-dialog tests: the records of servers and
// their answers. Waits, delivery from another thread, the debug-line capture and the runner for
// modal dialogs come from TestSupport.h.
#ifndef MAINTENANCETEST_H
#define MAINTENANCETEST_H

#include <cstring>

#include "CFindHostUDP.h"
#include "TestSupport.h"

namespace mtt {

inline NASINFO record(uint32_t type, const char *mac, const char *name = "Varnestor",
                      uint32_t state = FHOSTQC_DONE, uint32_t error = 0)
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    n.ulPacketType = type;
    strncpy(n.szMac, mac, sizeof(n.szMac) - 1);
    strncpy(n.szServerName, name, sizeof(n.szServerName) - 1);
    n.ulConfigured = state;
    n.ulErrCode = error;
    n.ulBuild = 3211;
    return n;
}

} // namespace mtt

#endif // MAINTENANCETEST_H
