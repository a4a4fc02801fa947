#ifndef NASINFOMETATYPE_H
#define NASINFOMETATYPE_H

// NASINFO travels by value through queued signals (the discovery thread's signalRecvPkt and the
// receivers that copy it on). Qt can copy it only as a declared meta type, and a queued
// connection needs it registered at run time as well: the main window (and every test that
// connects to such a signal) calls qRegisterMetaType<NASINFO>("NASINFO") before connecting.
// Without that Qt drops the queued call with only a warning.

#include <QMetaType>

#include "fhost.h"

Q_DECLARE_METATYPE(NASINFO)

#endif // NASINFOMETATYPE_H
