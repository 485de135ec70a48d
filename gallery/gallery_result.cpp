// Russian texts for the gallery's error values.
#include "gallery/gallery_result.h"

namespace duel {

std::string GalleryErrorText(GalleryError error) {
    switch (error) {
        case GalleryError::None:
            return "Всё в порядке.";
        case GalleryError::FilesMissing:
            return "Файлы набора картинок не найдены.";
        case GalleryError::SizeListUnreadable:
            return "Не удалось прочитать список размеров картинок.";
        case GalleryError::StoreUnreadable:
            return "Не удалось прочитать файл с картинками.";
        case GalleryError::BadCount:
            return "В списке размеров неверное число картинок.";
        case GalleryError::BadNumber:
            return "В списке размеров картинок есть нечисловое значение.";
        case GalleryError::TooFewSizes:
            return "В списке размеров картинок не хватает значений.";
        case GalleryError::SizeBelowOne:
            return "В списке размеров есть картинка размером меньше одного байта.";
        case GalleryError::SizeTooLarge:
            return "В списке размеров есть слишком большая картинка.";
        case GalleryError::NoSuchPicture:
            return "В наборе нет картинки с таким номером.";
        case GalleryError::OffsetTooLarge:
            return "Картинка лежит слишком далеко от начала файла с картинками.";
        case GalleryError::StoreTooShort:
            return "Файл с картинками короче, чем говорит список размеров.";
        case GalleryError::NotJpeg:
            return "Файл не является картинкой JPEG.";
        case GalleryError::TooManyPictures:
            return "В наборе может быть не больше 254 картинок.";
        case GalleryError::WriteFailed:
            return "Не удалось записать файл.";
        case GalleryError::PictureTooLarge:
            return "Картинка слишком велика: в ней больше 24 миллионов точек.";
    }
    return "Неизвестная ошибка набора картинок.";
}

}  // namespace duel
