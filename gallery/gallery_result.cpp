// The texts for the gallery's error values, in the player's language.
#include "gallery/gallery_result.h"

#include "rules/player_text.h"

namespace duel {

std::string GalleryErrorText(GalleryError error) {
    switch (error) {
        case GalleryError::None:
            return Word(DUEL_TEXT("gallery", "Всё в порядке."));
        case GalleryError::FilesMissing:
            return Word(DUEL_TEXT("gallery", "Файлы набора картинок не найдены."));
        case GalleryError::SizeListUnreadable:
            return Word(DUEL_TEXT("gallery", "Не удалось прочитать список размеров картинок."));
        case GalleryError::StoreUnreadable:
            return Word(DUEL_TEXT("gallery", "Не удалось прочитать файл с картинками."));
        case GalleryError::BadCount:
            return Word(DUEL_TEXT("gallery", "В списке размеров неверное число картинок."));
        case GalleryError::BadNumber:
            return Word(DUEL_TEXT("gallery", "В списке размеров картинок есть нечисловое значение."));
        case GalleryError::TooFewSizes:
            return Word(DUEL_TEXT("gallery", "В списке размеров картинок не хватает значений."));
        case GalleryError::SizeBelowOne:
            return Word(DUEL_TEXT("gallery", "В списке размеров есть картинка размером меньше одного байта."));
        case GalleryError::SizeTooLarge:
            return Word(DUEL_TEXT("gallery", "В списке размеров есть слишком большая картинка."));
        case GalleryError::NoSuchPicture:
            return Word(DUEL_TEXT("gallery", "В наборе нет картинки с таким номером."));
        case GalleryError::OffsetTooLarge:
            return Word(DUEL_TEXT("gallery", "Картинка лежит слишком далеко от начала файла с картинками."));
        case GalleryError::StoreTooShort:
            return Word(DUEL_TEXT("gallery", "Файл с картинками короче, чем говорит список размеров."));
        case GalleryError::NotJpeg:
            return Word(DUEL_TEXT("gallery", "Файл не является картинкой JPEG."));
        case GalleryError::TooManyPictures:
            return Word(DUEL_TEXT("gallery", "В наборе может быть не больше 254 картинок."));
        case GalleryError::WriteFailed:
            return Word(DUEL_TEXT("gallery", "Не удалось записать файл."));
        case GalleryError::PictureTooLarge:
            return Word(DUEL_TEXT("gallery", "Картинка слишком велика: в ней больше 24 миллионов точек."));
    }
    return Word(DUEL_TEXT("gallery", "Неизвестная ошибка набора картинок."));
}

}  // namespace duel
