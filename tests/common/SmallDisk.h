// A file system of a test's own, to see what the program does when the disk is full or
// read-only: a small tmpfs mounted on a folder. Mounting needs root (CI runs as root); where
// it is refused, mounted() is false and the test takes its fallback or skips.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/mount.h>

namespace velakor::test {

class SmallDisk {
public:
    // options as mount(8) takes them for tmpfs: "size=64k", "size=64k,ro".
    SmallDisk(const std::string& folder, const std::string& options) : folder_(folder) {
        std::filesystem::create_directories(folder_);
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    std::string operator/(const std::string& name) const { return folder_ + "/" + name; }

    // Writes a file until no byte more fits.
    void Fill() const {
        std::ofstream filler(folder_ + "/filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) filler.flush();
        filler.clear();
        for (int i = 0; i < 4096 && filler.put('f'); ++i) filler.flush();
    }

private:
    std::string folder_;
    bool mounted_ = false;
};

}  // namespace velakor::test
