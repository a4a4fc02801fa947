// Fuzz target of the install channel's reply parser.
//
// With clang and VORK_FUZZ=ON this is a libFuzzer target for long runs:
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVORK_FUZZ=ON
//   cmake --build build-fuzz --target fuzz_nireply
//   mkdir -p /tmp/nireply-corpus
//   build-fuzz/tests/netinstall/fuzz_nireply -max_total_time=600 /tmp/nireply-corpus
//       tests/netinstall/fuzz-seeds     (one command line)
// (libFuzzer writes the inputs it finds into the first directory, so the seeds stay as they are.)
// Otherwise it is a small program that runs the files or directories named on its command line
// through the same check (the seed replies run this way in ctest).
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "CQuenTCP.h"

// The start-up values the channel reads; this program links the channel alone.
char gszPatchCopyDir[4096] = "";
bool gblPatchCopy = false;

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

// Parses one input and checks what must hold for every input.
void checkOne(const uint8_t *data, size_t size)
{
    static const bool installed = [] {
        qInstallMessageHandler(quiet);
        return true;
    }();
    (void)installed;
    NI_REPLY reply;
    const int result = CQuenTCP::parseProgress(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)), &reply);
    if (result != 0 && result != -1)
        abort();
    if (reply.ulWord[1] != 0 || reply.ulWord[3] != 0)
        abort();
    if (result == 0 && size < 11)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    checkOne(data, size);
    return 0;
}

#ifndef VORK_LIBFUZZER
static int runFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = f.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    return 0;
}

int main(int argc, char **argv)
{
    int failures = 0;
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            for (const QFileInfo &fi : QDir(arg).entryInfoList(QDir::Files, QDir::Name)) {
                failures += runFile(fi.filePath());
                ++inputs;
            }
        } else {
            failures += runFile(arg);
            ++inputs;
        }
    }
    printf("%d input(s) run\n", inputs);
    return failures == 0 && inputs > 0 ? 0 : 1;
}
#endif
