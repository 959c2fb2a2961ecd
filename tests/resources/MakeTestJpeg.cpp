// Build-time helper of the resource tests: writes a small solid-colour JPEG.
//   make_test_jpeg OUT WIDTH HEIGHT RED GREEN BLUE
#include <turbojpeg.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: make_test_jpeg OUT WIDTH HEIGHT RED GREEN BLUE\n");
        return 2;
    }
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
        return 2;
    std::vector<unsigned char> pixels(size_t(width) * height * 3);
    for (size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = static_cast<unsigned char>(std::atoi(argv[4]));
        pixels[i + 1] = static_cast<unsigned char>(std::atoi(argv[5]));
        pixels[i + 2] = static_cast<unsigned char>(std::atoi(argv[6]));
    }
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int failed = tjCompress2(handle, pixels.data(), width, 0, height, TJPF_RGB, &jpeg,
                                   &jpegSize, TJSAMP_444, 90, 0);
    tjDestroy(handle);
    if (failed)
        return 1;
    FILE* out = std::fopen(argv[1], "wb");
    const bool written = out && std::fwrite(jpeg, 1, jpegSize, out) == jpegSize;
    if (out)
        std::fclose(out);
    tjFree(jpeg);
    return written ? 0 : 1;
}
