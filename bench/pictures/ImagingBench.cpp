// Decoding and encoding a 24-megapixel camera-like JPEG with the imaging
// component, side by side with libjpeg-turbo's own djpeg and cjpeg on the same
// file and pixels, and the memory the held picture takes.
//
//   bench_pictures                       runs the benchmarks (makes the photo
//                                        in a temporary folder first)
//   bench_pictures --make-photo DIR      writes DIR/photo.jpg and DIR/photo.ppm
//   bench_pictures --hold-memory FILE [picturefile]
//                                        loads FILE in this fresh process (with
//                                        the component alone or through a
//                                        PictureFile) and prints what holding
//                                        it costs
// STOUPE_BENCH_PHOTO_DIR names a folder holding photo.jpg and photo.ppm to use
// instead of making them.
#include "CameraPhoto.h"

#include "pictures/ImagingComponent.h"
#include "pictures/PictureFile.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>

using stoupe::ImagingComponent;
namespace ImagingStatus = stoupe::ImagingStatus;

namespace {

constexpr int PhotoWidth = 6000;
constexpr int PhotoHeight = 4000;
constexpr int Quality = ImagingComponent::JPEGQuality;

QString g_folder;

QString photoJpeg() {
    return g_folder + "/photo.jpg";
}
QString photoPpm() {
    return g_folder + "/photo.ppm";
}

void runTool(benchmark::State& state, const QString& program, const QStringList& arguments) {
    for (auto _ : state) {
        if (QProcess::execute(program, arguments) != 0) {
            state.SkipWithError("the tool failed (is libjpeg-turbo-progs installed?)");
            return;
        }
    }
}

void BM_Decode_ImagingComponent(benchmark::State& state) {
    ImagingComponent imaging;
    for (auto _ : state) {
        if (imaging.LoadJPEGFile(photoJpeg()) != ImagingStatus::Ok) {
            state.SkipWithError("load failed");
            return;
        }
    }
    state.counters["MB_file"] = double(QFileInfo(photoJpeg()).size()) / 1e6;
}

void BM_Decode_djpeg(benchmark::State& state) {
    runTool(state, "djpeg", {"-outfile", "/dev/null", photoJpeg()});
}

void BM_Encode_ImagingComponent(benchmark::State& state) {
    ImagingComponent imaging;
    if (imaging.LoadJPEGFile(photoJpeg()) != ImagingStatus::Ok) {
        state.SkipWithError("load failed");
        return;
    }
    const QString out = g_folder + "/ours.jpg";
    for (auto _ : state) {
        if (imaging.SaveJPEGFile(out, 0) != ImagingStatus::Ok) {
            state.SkipWithError("save failed");
            return;
        }
    }
}

void BM_Encode_cjpeg(benchmark::State& state) {
    runTool(
        state, "cjpeg",
        {"-quality", QString::number(Quality), "-outfile", g_folder + "/cjpeg.jpg", photoPpm()});
}

BENCHMARK(BM_Decode_ImagingComponent)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Decode_djpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Encode_ImagingComponent)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Encode_cjpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

long residentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// Loads the file with the imaging component alone, or through a PictureFile
// (which also keeps the JPEG in a temporary file), and reports how much the
// resident set grew while the picture is held.
int holdMemory(const QString& file, bool throughPictureFile) {
    ImagingComponent imaging;
    stoupe::PictureFile picture;
    const long rssBefore = residentKiB();
    const int32_t status = throughPictureFile ? picture.ReadJPEG(file) : imaging.LoadJPEGFile(file);
    if (status != ImagingStatus::Ok) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(file));
        return 1;
    }
    const long rssAfter = residentKiB();
    const QImage held = throughPictureFile ? picture.Picture() : imaging.HeldPicture();
    const double rgb = double(held.width()) * held.height() * 3;
    const double grown = double(rssAfter - rssBefore) * 1024;
    std::printf("%s: picture %dx%d, RGB size %.1f MB, resident set while holding +%.1f MB "
                "(%.3f x RGB)\n",
                throughPictureFile ? "PictureFile::ReadJPEG" : "ImagingComponent::LoadJPEGFile",
                held.width(), held.height(), rgb / 1e6, grown / 1e6, grown / rgb);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--make-photo") == 0) {
        return stoupe::bench::writeCameraPhoto(argv[2], PhotoWidth, PhotoHeight) ? 0 : 1;
    }
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--hold-memory") == 0) {
        return holdMemory(argv[2], argc == 4 && std::strcmp(argv[3], "picturefile") == 0);
    }
    std::unique_ptr<QTemporaryDir> made;
    g_folder = qEnvironmentVariable("STOUPE_BENCH_PHOTO_DIR");
    if (g_folder.isEmpty()) {
        made = std::make_unique<QTemporaryDir>();
        g_folder = made->path();
        if (!stoupe::bench::writeCameraPhoto(g_folder, PhotoWidth, PhotoHeight)) {
            std::fprintf(stderr, "cannot make the photograph in %s\n", qPrintable(g_folder));
            return 1;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
