// A stand-in for the converter tools (convert, the RAW script, ffmpeg, ...), linked into a test
// binary's tool folder under the tool's name. It learns which tool it plays from argv[0].
//
// Every run appends one line to "<tool path>.calls":
//   {"pid":<pid>,"cwd":"<working directory>","stdin":"<what fd 0 reads>","args":["<arg 1>",...]}
// with every argument exactly as received (JSON string escapes only).
//
// What the run does is line <n> of "<tool path>.plan", where n counts the earlier runs (the last
// line applies when the plan is shorter; no plan file: do nothing and exit 0). A line holds actions
// separated by " ; ", done in order:
//   write <N>      write N bytes to the output file
//   copy <path>    copy a file to the output file
//   empty          create the output file empty
//   none           write nothing
//   stdout <text>  print text to standard output (\n, \0 and \\ are decoded)
//   stderr <text>  print text to standard error (same escapes)
//   waitfor <path> block until that path exists (at most 60 s, then exit 99)
//   hang           block until killed
//   exit <K>       exit with code K
// The output file is the last argument; for a tool whose name ends in ".sh" (the RAW script) it is
// the second argument.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string jsonString(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string decodeEscapes(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char c = s[++i];
            out += c == 'n' ? '\n' : c == '0' ? '\0' : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

bool writeAll(int fd, const std::string& data)
{
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool writeFile(const std::string& path, const std::string& data)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = writeAll(fd, data);
    return ::close(fd) == 0 && ok;
}

// Appends the record of this run and returns how many runs came before it.
long recordCall(const std::string& callsPath, const std::string& record)
{
    const int fd = ::open(callsPath.c_str(), O_RDWR | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return -1;
    ::flock(fd, LOCK_EX);
    long earlier = 0;
    char buf[4096];
    ssize_t n;
    ::lseek(fd, 0, SEEK_SET);
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        for (ssize_t i = 0; i < n; ++i)
            earlier += buf[i] == '\n';
    writeAll(fd, record);
    ::flock(fd, LOCK_UN);
    ::close(fd);
    return earlier;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string self = argv[0];
    std::vector<std::string> args(argv + 1, argv + argc);

    char cwd[PATH_MAX] = "";
    if (!::getcwd(cwd, sizeof cwd))
        cwd[0] = '\0';
    // What the standard input reads: a file's path, or "pipe:[...]" and the like.
    char input[PATH_MAX] = "";
    const ssize_t inputLength = ::readlink("/proc/self/fd/0", input, sizeof input - 1);
    input[inputLength > 0 ? inputLength : 0] = '\0';
    std::string record = "{\"pid\":" + std::to_string(::getpid()) + ",\"cwd\":" + jsonString(cwd) +
                         ",\"stdin\":" + jsonString(input) + ",\"args\":[";
    for (size_t i = 0; i < args.size(); ++i)
        record += (i ? "," : "") + jsonString(args[i]);
    record += "]}\n";
    const long index = recordCall(self + ".calls", record);
    if (index < 0)
        return 98;

    std::vector<std::string> plan;
    {
        std::ifstream in(self + ".plan");
        std::string line;
        while (std::getline(in, line))
            plan.push_back(line);
    }
    if (plan.empty())
        return 0;
    const std::string& line = plan[std::min<size_t>(static_cast<size_t>(index), plan.size() - 1)];

    const bool isScript = self.size() > 3 && self.compare(self.size() - 3, 3, ".sh") == 0;
    std::string output;
    if (isScript && args.size() >= 2)
        output = args[1];
    else if (!isScript && !args.empty())
        output = args.back();

    size_t pos = 0;
    while (pos <= line.size()) {
        size_t end = line.find(" ; ", pos);
        if (end == std::string::npos)
            end = line.size();
        const std::string action = line.substr(pos, end - pos);
        pos = end + 3;
        const size_t blank = action.find(' ');
        const std::string verb = action.substr(0, blank);
        const std::string arg = blank == std::string::npos ? std::string() : action.substr(blank + 1);

        if (verb == "write") {
            if (!output.empty())
                writeFile(output, std::string(std::strtoul(arg.c_str(), nullptr, 10), 'x'));
        } else if (verb == "copy") {
            std::ifstream in(arg, std::ios::binary);
            std::stringstream data;
            data << in.rdbuf();
            if (!output.empty())
                writeFile(output, data.str());
        } else if (verb == "empty") {
            if (!output.empty())
                writeFile(output, std::string());
        } else if (verb == "stdout") {
            writeAll(1, decodeEscapes(arg));
        } else if (verb == "stderr") {
            writeAll(2, decodeEscapes(arg));
        } else if (verb == "waitfor") {
            struct stat st;
            int waited = 0;
            while (::stat(arg.c_str(), &st) != 0) {
                if (++waited > 6000)
                    return 99;
                ::usleep(10000);
            }
        } else if (verb == "hang") {
            for (;;)
                ::pause();
        } else if (verb == "exit") {
            return std::atoi(arg.c_str());
        }
    }
    return 0;
}
