#include "VorkWindowFlags.h"

const Qt::WindowFlags g_wfVorkDialog = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
                                       | Qt::WindowMaximizeButtonHint | Qt::CustomizeWindowHint
                                       | Qt::WindowCloseButtonHint;
