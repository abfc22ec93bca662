// Names for the chart picture: where "Save As JPEG" writes, never over an existing file.
//
// Saving: r = JpegTargetPath(chosenName, applicationDirPath). An empty r.Path means all
// numbered names are taken: show r.Message (error icon) titled r.Title and write nothing.
// Otherwise convert the picture at kJpegQuality in memory (RgbToJpeg: the bytes BmpToJpeg
// makes of its bitmap, without a work file anywhere) and write them to r.Path whole.
//
// Paths are UTF-8 with '/' as separator, as Qt hands them out on every platform.
#pragma once

#include <string>
#include <string_view>

namespace velakor {

inline constexpr char kPathSeparator = '/';
inline constexpr int kJpegQuality = 100;
inline constexpr int kMaxJpegCopies = 999;

// The JPEG save dialog: filter and default extension; it has no title of its own.
inline constexpr std::string_view kJpegFilter = "JPEG Image (*.jpg)|*.jpg";
inline constexpr std::string_view kJpegDefaultExtension = ".JPG";

struct PathParts {
    std::string Folder;  // before the last separator, without it
    std::string File;    // after the last separator
};

// Splits at the last separator. Without a separator both parts are empty.
PathParts SplitPath(std::string_view path);

// True when anything of that name exists (a file, a folder, even a dangling link: writing
// there would not give the user a new picture).
bool FileExists(const std::string& path);

// The date as eight digits, year month day ("20240307").
std::string TimestampName(int year, int month, int day);
// Today's local date as eight digits.
std::string TimestampName();

struct JpegPathResult {
    std::string Path;     // a name that does not exist yet, or empty when none is free
    std::string Message;  // when Path is empty: "There are too many Copies of this file  " + file
    std::string Title;    // when Path is empty: " UNABLE  TO  CREATE  NEW  FILE" + file
};

// A free name in folder for file:
//  - an empty folder means exeFolder (the program's own folder); the folder gets a trailing
//    separator, then every doubled separator is made single (one pass, left to right);
//  - an empty file becomes timestamp + ".jpg" (today's date when timestamp is empty); a file
//    with a "." has every ".bmp" replaced by ".jpg"; a file without one gets ".jpg";
//  - if folder + file is taken, the numbered names follow: every "." of the file becomes
//    "_001." .. "_999." (chart.jpg -> chart_001.jpg), the first free one wins.
// Checks the disk only; never writes.
JpegPathResult UniqueJpegPath(std::string_view folder, std::string_view file, std::string_view exeFolder,
                              std::string_view timestamp = {});

// The name the save dialog returned turned into the picture's path: everything from the
// first "." of its file-name part is dropped (a "." in a folder name stays: My.Charts/chart
// gives My.Charts/chart.jpg, my.chart.jpg gives my.jpg), ".jpg" is appended, and the result is
// split and passed to UniqueJpegPath. A name without any separator splits into two empty
// parts, so it is saved under today's date in exeFolder.
JpegPathResult JpegTargetPath(std::string_view chosenName, std::string_view exeFolder,
                              std::string_view timestamp = {});

}  // namespace velakor
