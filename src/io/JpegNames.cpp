#include "io/JpegNames.h"

#include <ctime>
#include <filesystem>
#include <system_error>

namespace velakor {
namespace {

// Every occurrence of `from`, searched left to right, not overlapping and never inside a
// replacement.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// n in decimal, with leading zeros up to `width` digits.
std::string ZeroPadded(int n, std::size_t width) {
    std::string digits = std::to_string(n);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

// "_007." for the seventh copy: the mark that goes in place of every dot of the name.
std::string CopyMark(int n) {
    std::string mark = ZeroPadded(n, 3);
    mark.insert(mark.begin(), '_');
    mark.push_back('.');
    return mark;
}

}  // namespace

PathParts SplitPath(std::string_view path) {
    const std::size_t last = path.rfind(kPathSeparator);
    if (last == std::string_view::npos) return {};
    return {std::string(path.substr(0, last)), std::string(path.substr(last + 1))};
}

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(PathFromUtf8(path), ec));
}

std::string TimestampName(int year, int month, int day) {
    return ZeroPadded(year, 4) + ZeroPadded(month, 2) + ZeroPadded(day, 2);
}

std::string TimestampName() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return TimestampName(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

JpegPathResult UniqueJpegPath(std::string_view folder, std::string_view file, std::string_view exeFolder,
                              std::string_view timestamp) {
    std::string dir(folder.empty() ? exeFolder : folder);
    if (dir.empty() || dir.back() != kPathSeparator) dir.push_back(kPathSeparator);
    const char doubled[] = {kPathSeparator, kPathSeparator, '\0'};
    const char single[] = {kPathSeparator, '\0'};
    dir = ReplaceAll(dir, doubled, single);

    std::string name;
    if (file.empty()) {
        name = (timestamp.empty() ? TimestampName() : std::string(timestamp)) + ".jpg";
    } else if (file.find('.') != std::string_view::npos) {
        name = ReplaceAll(file, ".bmp", ".jpg");
    } else {
        name = std::string(file) + ".jpg";
    }

    if (!FileExists(dir + name)) return {dir + name, {}, {}};
    for (int n = 1; n <= kMaxJpegCopies; ++n) {
        const std::string candidate = dir + ReplaceAll(name, ".", CopyMark(n));
        if (!FileExists(candidate)) return {candidate, {}, {}};
    }
    return {{}, "There are too many Copies of this file  " + name, " UNABLE  TO  CREATE  NEW  FILE" + name};
}

JpegPathResult JpegTargetPath(std::string_view chosenName, std::string_view exeFolder, std::string_view timestamp) {
    const std::size_t last = chosenName.rfind(kPathSeparator);
    const std::size_t fileStart = last == std::string_view::npos ? 0 : last + 1;
    const std::size_t dot = chosenName.find('.', fileStart);
    const std::string_view base = dot == std::string_view::npos ? chosenName : chosenName.substr(0, dot);
    const PathParts parts = SplitPath(std::string(base) + ".jpg");
    return UniqueJpegPath(parts.Folder, parts.File, exeFolder, timestamp);
}

}  // namespace velakor
