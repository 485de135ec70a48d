// shelvy-pack's work: argument checks, reading the pictures, packing, and its messages in Russian or English.
#include "tools/pack/pack_command.h"

#include "gallery/jpeg_header.h"
#include "gallery/pack_set.h"
#include "gallery/size_list.h"
#include "terminal/terminal_texts.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace duel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsageRussian =
    "Использование: shelvy-pack ОСНОВА КАРТИНКА.jpg [КАРТИНКА.jpg ...]\n"
    "Упаковывает картинки JPEG в указанном порядке в набор галереи:\n"
    "ОСНОВА.dat (картинки одна за другой) и ОСНОВА.txt (число картинок и их размеры).\n"
    "Пример: shelvy-pack LunaPressvick луна1.jpg луна2.jpg луна3.jpg луна4.jpg\n"
    "Параметры: -h, --help — эта справка; -v, --version — версия.\n";
constexpr const char* kUsageEnglish =
    "Usage: shelvy-pack STEM PICTURE.jpg [PICTURE.jpg ...]\n"
    "Packs JPEG pictures, in the order given, into a prize set of the game shelvy:\n"
    "STEM.dat (the pictures one after another) and STEM.txt (their number and sizes).\n"
    "Example: shelvy-pack LunaPressvick moon1.jpg moon2.jpg moon3.jpg moon4.jpg\n"
    "Options: -h, --help  this help; -v, --version  the version.\n";

// Russian plural: Plural(1, "картинка", "картинки", "картинок") is "1 картинка",
// 3 gives "3 картинки", 5 and 11 give "... картинок".
std::string Plural(std::uintmax_t n, const char* one, const char* few, const char* many) {
    const std::uintmax_t lastTwo = n % 100, last = n % 10;
    const char* word = (lastTwo >= 11 && lastTwo <= 14) ? many
                       : last == 1                      ? one
                       : (last >= 2 && last <= 4)       ? few
                                                        : many;
    return std::to_string(n) + " " + word;
}

// Plural(n, "picture", "pictures") in English.
std::string PluralEnglish(std::uintmax_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The gallery's sentence for what packing can meet, in English (the gallery's own texts are
// translated through the game's catalogue, which this tool without Qt does not read).
const char* EnglishGalleryError(GalleryError error) {
    switch (error) {
        case GalleryError::TooManyPictures:
            return "A set can hold at most 254 pictures.";
        case GalleryError::NotJpeg:
            return "The file is not a JPEG picture.";
        case GalleryError::PictureTooLarge:
            return "The picture is too large: it has more than 24 million pixels.";
        case GalleryError::SizeTooLarge:
            return "The list of sizes has a picture that is too large.";
        case GalleryError::OffsetTooLarge:
            return "The picture lies too far from the start of the file of pictures.";
        default:
            return "The file could not be written.";
    }
}

// Every message in the user's language: Russian or English.
struct Say {
    bool russian;
    const char* operator()(const char* ru, const char* en) const { return russian ? ru : en; }
    std::string Error(GalleryError error) const {
        return russian ? GalleryErrorText(error) : std::string(EnglishGalleryError(error));
    }
};

bool ReadWhole(const fs::path& file, std::string& bytes) {
    try {
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) return false;
        std::ifstream in(file, std::ios::binary);
        if (!in) return false;
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return !in.bad();
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

int RunPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool russian) {
    const Say say{russian};
    const char* usage = russian ? kUsageRussian : kUsageEnglish;
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << usage;
        return kPackOk;
    }
    if (args.size() == 1 && (args[0] == "--version" || args[0] == "-v")) {
        out << VersionText("shelvy-pack (shelvy-zlyki)", russian);
        return kPackOk;
    }
    if (args.size() < 2 || args[0].empty() || args[0][0] == '-') {
        err << usage;
        return kPackUsage;
    }
    const std::string& stem = args[0];
    const std::vector<std::string> files(args.begin() + 1, args.end());
    if (files.size() > static_cast<size_t>(kMaxPicturesInSet)) {
        err << "shelvy-pack: " << say.Error(GalleryError::TooManyPictures)
            << say(" Ничего не записано.\n", " Nothing was written.\n");
        return kPackRefused;
    }

    std::vector<std::string> pictures(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        if (!ReadWhole(files[i], pictures[i])) {
            err << say("shelvy-pack: не удалось прочитать файл «", "shelvy-pack: could not read the file '") << files[i]
                << say("». Ничего не записано.\n", "'. Nothing was written.\n");
            return kPackRefused;
        }
        if (!IsJpeg(pictures[i])) {
            err << say("shelvy-pack: файл «", "shelvy-pack: the file '") << files[i]
                << say("» не является картинкой JPEG (он не начинается с байтов FF D8 FF). Ничего не записано.\n",
                       "' is not a JPEG picture (it does not begin with the bytes FF D8 FF). Nothing was written.\n");
            return kPackRefused;
        }
        // The game refuses such a picture; a set that holds one is not written.
        if (pictures[i].size() > static_cast<size_t>(kMaxPictureBytes) || StatesTooManyPixels(pictures[i])) {
            err << say("shelvy-pack: картинка «", "shelvy-pack: the picture '") << files[i]
                << say("» слишком велика: игра показывает картинки до 32 МБ и до 24 миллионов точек. "
                       "Ничего не записано.\n",
                       "' is too large: the game shows pictures of up to 32 MB and 24 million pixels. "
                       "Nothing was written.\n");
            return kPackRefused;
        }
    }

    const auto packed = PackPictures(pictures);
    const GalleryError error = packed ? WritePackedSet(stem, packed.value) : packed.error;
    if (error != GalleryError::None) {
        err << "shelvy-pack: " << say.Error(error) << say(" Ничего не записано.\n", " Nothing was written.\n");
        return kPackRefused;
    }
    if (!russian) {
        out << "Wrote the set '" << stem << "': " << stem << ".dat ("
            << PluralEnglish(pictures.size(), "picture", "pictures") << ", "
            << PluralEnglish(packed.value.store.size(), "byte", "bytes") << ") and " << stem << ".txt.\n";
        return kPackOk;
    }
    out << "Записан набор «" << stem << "»: " << stem << ".dat ("
        << Plural(pictures.size(), "картинка", "картинки", "картинок") << ", "
        << Plural(packed.value.store.size(), "байт", "байта", "байт") << ") и " << stem << ".txt.\n";
    return kPackOk;
}

}  // namespace duel
