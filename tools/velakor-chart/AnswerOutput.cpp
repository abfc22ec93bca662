#include "AnswerOutput.h"

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace velakor {
namespace {

// Batches of this size keep the number of writes low when the input is at hand anyway.
constexpr std::size_t kBufferBytes = std::size_t{1} << 16;

// The status a shell reports for a process that a broken pipe ended.
#ifdef SIGPIPE
constexpr int kBrokenPipeStatus = 128 + SIGPIPE;
#else
constexpr int kBrokenPipeStatus = 141;
#endif

}  // namespace

void EndQuietlyOnBrokenPipe() {
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_DFL);
#endif
}

AnswerOutput::AnswerOutput() {
    // Static: the C library may still flush it when the program ends.
    static char buffer[kBufferBytes];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
}

bool AnswerOutput::Failed() {
    error_ = errno != 0 ? errno : EIO;
    return false;
}

bool AnswerOutput::Write(std::string_view line) {
    if (error_ != 0) return false;
    errno = 0;
    if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size() || std::fputc('\n', stdout) == EOF) {
        return Failed();
    }
    return true;
}

bool AnswerOutput::Flush() {
    if (error_ != 0) return false;
    errno = 0;
    if (std::fflush(stdout) == EOF || std::ferror(stdout)) return Failed();
    return true;
}

void EndAfterWriteFailure(int error) {
#ifdef EPIPE
    if (error == EPIPE) {
        // SIGPIPE was blocked or ignored after all: end as the signal would have.
        std::_Exit(kBrokenPipeStatus);
    }
#endif
    const std::string reason = std::error_code(error, std::generic_category()).message();
    std::fprintf(stderr, "velakor-chart: cannot write the answers: %s\n", reason.c_str());
    std::fflush(stderr);
    // The answers that could not be written must not be written later by exit's flush.
    std::_Exit(kExitInputOutputFailed);
}

}  // namespace velakor
