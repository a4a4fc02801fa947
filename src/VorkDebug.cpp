#include "VorkDebug.h"

int findhostPrintSink(const char *text)
{
    if (text)
        qDebug("%s", text);
    return 0;
}
