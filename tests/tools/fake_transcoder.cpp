// Stands in for the transcoder in tests and benchmarks. It takes the real
// lines' arguments: the file after "-i" is its input, the last argument its
// output. The input's first line picks what it does, so each entry of one
// run can behave differently:
//   FAIL      prints an error line, writes nothing, exits 1
//   PARTIAL   writes half of the input, prints an error line, exits 1
//   CRASH     writes half of the input, then dies by a signal
//   NOTHING   writes nothing, exits 0
//   EMPTY     writes an empty output, exits 0
//   SLEEP ms  sleeps, then copies
//   MOVE      renames the input to the output (no data copied)
//   anything else: copies the input to the output, exits 0
// Every start appends its program path and arguments, one per line and the
// list ended by a line "--", to calls.log in the folder above the program's.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

std::string folderAbove(const std::string &program)
{
    std::string folder = program.substr(0, program.find_last_of('/') + 1);
    if (!folder.empty())
        folder.pop_back();
    const std::size_t slash = folder.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

void logCall(int argc, char **argv)
{
    const std::string log = folderAbove(argv[0]) + "/calls.log";
    FILE *file = std::fopen(log.c_str(), "a");
    if (!file)
        return;
    for (int i = 0; i < argc; ++i)
        std::fprintf(file, "%s\n", argv[i]);
    std::fprintf(file, "--\n");
    std::fclose(file);
}

bool readAll(const std::string &path, std::string &data)
{
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        data.append(buffer, got);
    std::fclose(file);
    return true;
}

std::string firstLine(const std::string &path)
{
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return std::string();
    char buffer[256] = {};
    if (!std::fgets(buffer, sizeof buffer, file))
        buffer[0] = 0;
    std::fclose(file);
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

bool writeAll(const std::string &path, const char *data, std::size_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    for (std::size_t done = 0; done < size;) {
        const ssize_t put = ::write(fd, data + done, size - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0) {
            ::close(fd);
            return false;
        }
        done += std::size_t(put);
    }
    return ::close(fd) == 0;
}

bool copyFile(const std::string &from, const std::string &to)
{
    const int in = ::open(from.c_str(), O_RDONLY);
    if (in < 0)
        return false;
    struct stat st {};
    ::fstat(in, &st);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    off_t left = st.st_size;
    bool ok = true;
    while (left > 0) {
        const ssize_t moved = ::copy_file_range(in, nullptr, out, nullptr, std::size_t(left), 0);
        if (moved <= 0) {
            ok = false;
            break;
        }
        left -= moved;
    }
    ::close(in);
    return ::close(out) == 0 && ok;
}

} // namespace

int main(int argc, char **argv)
{
    logCall(argc, argv);
    std::string input;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-i") == 0)
            input = argv[i + 1];
    }
    if (input.empty() || argc < 3) {
        std::fprintf(stderr, "fake transcoder: no input or output given\n");
        return 2;
    }
    const std::string output = argv[argc - 1];
    const std::string mode = firstLine(input);

    if (mode == "FAIL") {
        std::fprintf(stderr,
                     "fake transcoder: something went wrong\nfake transcoder: cannot encode this input\n");
        return 1;
    }
    if (mode == "NOTHING")
        return 0;
    if (mode == "EMPTY")
        return writeAll(output, "", 0) ? 0 : 1;
    if (mode == "MOVE")
        return std::rename(input.c_str(), output.c_str()) == 0 ? 0 : 1;
    if (mode == "PARTIAL" || mode == "CRASH") {
        std::string data;
        readAll(input, data);
        writeAll(output, data.data(), data.size() / 2);
        std::fprintf(stderr, "fake transcoder: stopped half-way\n");
        std::fflush(stderr);
        if (mode == "CRASH")
            std::raise(SIGKILL);
        return 1;
    }
    if (mode.rfind("SLEEP ", 0) == 0) {
        const long ms = std::strtol(mode.c_str() + 6, nullptr, 10);
        timespec pause{ms / 1000, (ms % 1000) * 1000000L};
        while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) {
        }
    }
    if (!copyFile(input, output)) {
        std::fprintf(stderr, "fake transcoder: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
