// Reading files for tests and benchmarks: the bytes the program would save for a form, and
// a folder of many distinct readings.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "TestSupport.h"
#include "app/Calculation.h"
#include "io/ReadingFile.h"

namespace velakor::test {

inline std::string ReadingBytes(const FormValues& v) {
    Program p;
    CopyFormToRecord(p, v);
    return ReadingFileBytes(p.Birth);
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// count readings of distinct people (names "Client <n>", one birth minute apart) in folder,
// as client-<n>.vlj.
inline void WriteManyReadings(const std::filesystem::path& folder, int count) {
    for (int n = 0; n < count; ++n) {
        FormValues v = DelhiForm();
        v.Name = "Client " + std::to_string(n);
        v.Hour = n / 60 % 24;
        v.Minute = n % 60;
        WriteBytes(folder / ("client-" + std::to_string(n) + ".vlj"), ReadingBytes(v));
    }
}

}  // namespace velakor::test
