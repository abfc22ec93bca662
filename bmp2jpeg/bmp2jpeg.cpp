#include "bmp2jpeg.h"

#include <turbojpeg.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

enum Result : int {
    kOk = 0,
    kBadArgument = 1,
    kBadQuality = 2,
    kUnreadableBitmap = 3,
    kEncodeFailed = 4,
    kWriteFailed = 5,
};

// Frees what TurboJPEG hands out, on every path out of BmpToJpeg.
struct TurboBuffer {
    unsigned char* data = nullptr;
    ~TurboBuffer() { tjFree(data); }
};

struct TurboHandle {
    tjhandle handle = nullptr;
    ~TurboHandle() {
        if (handle) tjDestroy(handle);
    }
};

// Writes the bytes under a fresh name beside target, then renames that file onto target.
int WriteAtomically(const std::string& target, const unsigned char* bytes, unsigned long size) {
    std::string temporary;
    std::FILE* file = nullptr;
    // "x": create only, never open a file that is already there (someone else's temporary).
    for (int n = 0; n < 100 && !file; ++n) {
        temporary = target + ".part" + std::to_string(n);
        errno = 0;
        file = std::fopen(temporary.c_str(), "wbx");
        if (!file && errno != EEXIST) return kWriteFailed;
    }
    if (!file) return kWriteFailed;

    bool ok = std::fwrite(bytes, 1, size, file) == size;
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(temporary, target, ec);
        ok = !ec;
    }
    if (!ok) {
        std::filesystem::remove(temporary, ec);
        return kWriteFailed;
    }
    return kOk;
}

// The one encoding of both entry points: baseline, no chroma subsampling (thin coloured lines
// stay sharp), the accurate transform.
int Encode(const unsigned char* pixels, int width, int pitch, int height, int pixelFormat, int quality,
           TurboBuffer& jpeg, unsigned long& jpegSize) {
    TurboHandle compressor;
    compressor.handle = tjInitCompress();
    if (!compressor.handle) return kEncodeFailed;
    if (tjCompress2(compressor.handle, pixels, width, pitch, height, pixelFormat, &jpeg.data, &jpegSize, TJSAMP_444,
                    quality, TJFLAG_ACCURATEDCT) != 0) {
        return kEncodeFailed;
    }
    return kOk;
}

}  // namespace

extern "C" int RgbToJpeg(const unsigned char* rgb, int width, int pitch, int height, int quality, unsigned char** jpeg,
                         unsigned long* jpegSize) {
    if (jpeg) *jpeg = nullptr;
    if (!rgb || !jpeg || !jpegSize || width <= 0 || height <= 0 || pitch < 0 || (pitch > 0 && pitch < width * 3))
        return kBadArgument;
    if (quality < 1 || quality > 100) return kBadQuality;
    TurboBuffer out;
    unsigned long size = 0;
    const int result = Encode(rgb, width, pitch, height, TJPF_RGB, quality, out, size);
    if (result != kOk) return result;
    *jpeg = out.data;
    *jpegSize = size;
    out.data = nullptr;
    return kOk;
}

extern "C" void Bmp2JpegFree(unsigned char* jpeg) { tjFree(jpeg); }

extern "C" int BmpToJpeg(const char* bmpPath, const char* jpegPath, int quality) {
    if (!bmpPath || !jpegPath || !*bmpPath || !*jpegPath) return kBadArgument;
    if (quality < 1 || quality > 100) return kBadQuality;

    int width = 0, height = 0;
    int pixelFormat = TJPF_RGB;
    TurboBuffer pixels;
    pixels.data = tjLoadImage(bmpPath, &width, 1, &height, &pixelFormat, 0);
    if (!pixels.data || width <= 0 || height <= 0) return kUnreadableBitmap;

    TurboBuffer jpeg;
    unsigned long jpegSize = 0;
    const int result = Encode(pixels.data, width, 0, height, pixelFormat, quality, jpeg, jpegSize);
    if (result != kOk) return result;
    return WriteAtomically(jpegPath, jpeg.data, jpegSize);
}
