// Draws the five sample gallery sets (or their thumbnails) and packs them beside the program.
//
//   gallery_sample_art sets FOLDER     writes <stem>.txt and <stem>.dat for the five sets
//   gallery_sample_art thumbs FOLDER   writes thumb1.jpg .. thumb5.jpg for the prize window
#include "gallery/gallery_sets.h"
#include "gallery/pack_set.h"
#include "sample_art.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool EncodeJpeg(const QImage& image, int quality, std::string& out) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image)) {
        std::fprintf(stderr, "gallery_sample_art: JPEG encoding failed: %s\n", qPrintable(writer.errorString()));
        return false;
    }
    out.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
}

int WriteSets(const QDir& folder) {
    for (const duel::GalleryItem& set : duel::GalleryItems()) {
        if (set.stem.empty()) continue;
        const std::vector<duel::art::Picture> plan = duel::art::SetPictures(set.item);
        if (static_cast<int>(plan.size()) != set.pictureCount) {
            std::fprintf(stderr, "gallery_sample_art: set %d has %zu pictures, not %d\n", set.item, plan.size(),
                         set.pictureCount);
            return 1;
        }
        std::vector<std::string> pictures(plan.size());
        for (size_t i = 0; i < plan.size(); ++i)
            if (!EncodeJpeg(duel::art::Draw(plan[i]), 80, pictures[i])) return 1;
        const auto packed = duel::PackPictures(pictures);
        const std::string stem(set.stem);
        const std::string path = folder.filePath(QString::fromStdString(stem)).toStdString();
        const duel::GalleryError error = packed ? duel::WritePackedSet(path, packed.value) : packed.error;
        if (error != duel::GalleryError::None) {
            std::fprintf(stderr, "gallery_sample_art: %s: %s\n", stem.c_str(), duel::GalleryErrorText(error).c_str());
            return 1;
        }
    }
    return 0;
}

int WriteThumbnails(const QDir& folder) {
    int number = 0;
    for (const duel::GalleryItem& set : duel::GalleryItems()) {
        if (set.stem.empty()) continue;
        ++number;
        duel::art::Picture first = duel::art::SetPictures(set.item).front();
        first.width = duel::kThumbnailWidth;
        first.height = duel::kThumbnailHeight;
        std::string bytes;
        if (!EncodeJpeg(duel::art::Draw(first), 85, bytes)) return 1;
        QFile file(folder.filePath(QStringLiteral("thumb%1.jpg").arg(number)));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
            std::fprintf(stderr, "gallery_sample_art: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Pictures are drawn on QImage only: no screen, no fonts, no GUI application needed.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args[1] != "sets" && args[1] != "thumbs")) {
        std::fprintf(stderr, "usage: gallery_sample_art sets|thumbs FOLDER\n");
        return 2;
    }
    const QDir folder(args[2]);
    if (!QDir().mkpath(folder.absolutePath())) {
        std::fprintf(stderr, "gallery_sample_art: cannot create %s\n", qPrintable(folder.absolutePath()));
        return 1;
    }
    return args[1] == "sets" ? WriteSets(folder) : WriteThumbnails(folder);
}
