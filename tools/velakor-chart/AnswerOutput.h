// Where the answers go: standard output, every write checked, each answer handed on before
// the tool waits for more input.
#pragma once

#include <string_view>

namespace velakor {

// Exit statuses beyond the records' own (0 every line charted, 1 some line gave an error).
inline constexpr int kExitInputOutputFailed = 2;

// Makes a closed pipe end the tool at once, as it ends any filter: a parent that ignores
// SIGPIPE passes that on to its children, and a tool that ignored it would chart every
// remaining record for nobody. Call before the first write.
void EndQuietlyOnBrokenPipe();

class AnswerOutput {
public:
    AnswerOutput();

    // Queues one answer line (a newline is added). False once a write has failed.
    bool Write(std::string_view line);

    // Hands everything queued to the reader. False once a write has failed.
    bool Flush();

    // The system's error number of the failed write, 0 while all went well.
    int Error() const { return error_; }

private:
    bool Failed();
    int error_ = 0;
};

// Ends the tool after a failed write: quietly with the status of a broken pipe when the
// reader has gone, otherwise with the line "velakor-chart: cannot write the answers: <reason>"
// on standard error and kExitInputOutputFailed.
[[noreturn]] void EndAfterWriteFailure(int error);

}  // namespace velakor
