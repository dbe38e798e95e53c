// Picture benchmarks: adding a 50-megapixel photo the way the add sheet does (pick the file,
// show its preview, Add: full decode, JPEG encode at quality 70, file written, item saved), its
// time and the process's peak resident memory while it runs.
//
//   bench: images.add_50mp_ms <best of 3> ms
//   bench: images.add_50mp_peak_rss_mb <highest of 3> MB
#include "../ProcessMemory.h"
#include "ComposerDraft.h"
#include "Services/SyncManagerProtocol.h"
#include "model/ShareListViewModel.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

class NoSync : public SyncManagerProtocol
{
public:
    void uploadPendingItems() override {}
    void downloadItems() override {}
    void retry(ShareItem *) override {}
};

void report(const char *name, double value, const char *unit)
{
    std::printf("bench: %s %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

// A 8192 x 6144 photo-like JPEG at quality 90: smooth light with sensor noise, as a phone's
// 50-megapixel camera writes it (about 20 MB).
bool writePhoto(const QString &path)
{
    QImage photo(8192, 6144, QImage::Format_RGB32);
    QRandomGenerator noise(50);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int grain = int(noise.bounded(24u)) - 12;
            const int red = std::clamp(40 + x * 180 / photo.width() + grain, 0, 255);
            const int green = std::clamp(60 + y * 150 / photo.height() + grain, 0, 255);
            const int blue = std::clamp(200 - (x + y) * 120 / (photo.width() + photo.height()) + grain, 0, 255);
            line[x] = qRgb(red, green, blue);
        }
    }
    return photo.save(path, "JPEG", 90);
}

// The kernel's high-water mark of this process's resident memory is reset, so the next reading
// covers only what runs after this call.
bool resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}


} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir directory;
    qputenv("STASHLINE_GROUP_DIR", directory.filePath(QStringLiteral("group")).toUtf8());

    const QString photoPath = directory.filePath(QStringLiteral("photo.jpg"));
    if (!writePhoto(photoPath)) {
        std::fprintf(stderr, "bench_images: the sample photo could not be written\n");
        return 1;
    }
    std::printf("bench_images: sample %s, %lld bytes\n",
                qPrintable(QStringLiteral("%1x%2").arg(QImageReader(photoPath).size().width()).arg(QImageReader(photoPath).size().height())),
                QFileInfo(photoPath).size());

    std::optional<StoreError> error;
    auto store = PersistenceController::openOnDiskContainer(directory.filePath(QStringLiteral("Stashline.sqlite")), &error);
    if (!store) {
        std::fprintf(stderr, "bench_images: %s\n", qPrintable(error->description));
        return 1;
    }
    ShareListViewModel model(store->viewContext(), Calendar::current(), std::make_shared<NoSync>());

    double best = 1e300, highest = 0;
    for (int run = 0; run < 3; ++run) {
        const bool canResetPeak = resetPeakMemory();
        QElapsedTimer timer;
        timer.start();
        {
            ComposerDraft draft;
            if (!draft.pickImageFile(QUrl::fromLocalFile(photoPath)) || !draft.add(&model)) {
                std::fprintf(stderr, "bench_images: the photo was not added: %s\n", qPrintable(draft.imageProblem()));
                return 1;
            }
        }
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
        if (canResetPeak)
            highest = std::max(highest, peakMegabytes());
        QCoreApplication::processEvents();
    }
    const ShareItem *added = model.firstShare();
    if (!added || QImageReader(ImageManager::shared().imageFileURL(added->imageUUID())).size() != QSize(8192, 6144)) {
        std::fprintf(stderr, "bench_images: the stored picture is not the full photo\n");
        return 1;
    }
    report("images.add_50mp_ms", best, "ms");
    if (highest > 0)
        report("images.add_50mp_peak_rss_mb", highest, "MB");
    else
        std::printf("bench_images: this kernel cannot reset the peak memory reading; no figure\n");
    return 0;
}
