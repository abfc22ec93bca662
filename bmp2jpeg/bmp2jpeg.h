/* bmp2jpeg: converts a bitmap file into a JPEG file.
 *
 * A small shared library with a C interface, so that any program (or any other language)
 * can call it. Built on libjpeg-turbo's TurboJPEG API. */
#ifndef BMP2JPEG_H
#define BMP2JPEG_H

#if defined(_WIN32)
#  if defined(BMP2JPEG_BUILDING)
#    define BMP2JPEG_API __declspec(dllexport)
#  else
#    define BMP2JPEG_API __declspec(dllimport)
#  endif
#else
#  define BMP2JPEG_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Reads the Windows bitmap (BMP) at bmpPath and writes it as a baseline JPEG to jpegPath,
 * replacing any file of that name. quality runs from 1 (smallest) to 100 (best); chroma is
 * not subsampled, so thin coloured lines stay sharp.
 *
 * The JPEG is first written under a temporary name in the target's folder and then renamed
 * into place, so a failure never leaves a half-written JPEG and never harms a file already
 * called jpegPath. The bitmap is only read, never changed or removed.
 *
 * Paths are in the system's encoding for file names (UTF-8 on Linux and macOS).
 * Returns 0 on success; non-zero when an argument is null or empty, the quality is out of
 * range, the bitmap cannot be read or decoded, or the JPEG cannot be written. */
BMP2JPEG_API int BmpToJpeg(const char* bmpPath, const char* jpegPath, int quality);

/* Encodes a picture held in memory as BmpToJpeg encodes a bitmap: the same settings, so the
 * same pixels give the same JPEG bytes, without a file on either side. rgb holds height rows
 * of width pixels, three bytes each (red, green, blue), the top row first, pitch bytes from
 * the start of one row to the next (0: width * 3).
 *
 * Returns 0 on success, with *jpeg pointing to *jpegSize bytes that the caller frees with
 * Bmp2JpegFree; non-zero when an argument is null or out of range or the encoder fails
 * (*jpeg is then null). */
BMP2JPEG_API int RgbToJpeg(const unsigned char* rgb, int width, int pitch, int height, int quality,
                           unsigned char** jpeg, unsigned long* jpegSize);

/* Frees what RgbToJpeg handed out; null is allowed. */
BMP2JPEG_API void Bmp2JpegFree(unsigned char* jpeg);

#ifdef __cplusplus
}
#endif

#endif /* BMP2JPEG_H */
