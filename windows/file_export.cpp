// Writing a whole file through QSaveFile in pieces, and the Russian reason when it fails.
#include "windows/file_export.h"

#include "platform/translation.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>

namespace duel {

namespace {

constexpr qint64 kPiece = 64 * 1024;

// Why a write or its commit failed, from the error number the system gave and Qt's kind of error.
QString WriteFailure(int number, QFileDevice::FileError error) {
    if (number == ENOSPC || number == EDQUOT || number == EFBIG || error == QFileDevice::ResourceError)
        return Tr("windows", "на диске не хватает места");
    if (number == EROFS) return Tr("windows", "диск доступен только для чтения");
    if (number == EIO) return Tr("windows", "ошибка чтения или записи на диске");
    return Tr("windows", "файл не удалось записать до конца");
}

// Why the file could not be opened for writing.
QString OpenFailure(const QFileInfo& target, int number) {
    const QFileInfo folder(target.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.exists()) return Tr("windows", "папки «%1» нет").arg(folderName);
    if (!folder.isDir()) return Tr("windows", "«%1» — не папка").arg(folderName);
    if (target.isDir()) return Tr("windows", "это имя папки, а не файла");
    if (number == EROFS) return Tr("windows", "диск доступен только для чтения");
    if (number == ENOSPC || number == EDQUOT) return Tr("windows", "на диске не хватает места");
    if (target.exists() && !target.isWritable()) return Tr("windows", "файл защищён от записи");
    if (!folder.isWritable() || number == EACCES || number == EPERM)
        return Tr("windows", "в папку «%1» нельзя писать").arg(folderName);
    return Tr("windows", "файл не удалось открыть для записи");
}

}  // namespace

QString WriteWholeFile(const QString& path, std::string_view bytes) {
    const QFileInfo target(path);
    if (target.isDir()) return OpenFailure(target, 0);
    QSaveFile out(path);
    errno = 0;
    // Unbuffered, so that a failing write shows at once with the system's reason.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return OpenFailure(target, errno);
    for (qint64 done = 0; done < static_cast<qint64>(bytes.size());) {
        const qint64 piece = std::min<qint64>(kPiece, static_cast<qint64>(bytes.size()) - done);
        errno = 0;
        const qint64 written = out.write(bytes.data() + done, piece);
        if (written <= 0) {
            const int number = errno;
            const QFileDevice::FileError error = out.error();
            out.cancelWriting();
            return WriteFailure(number, error);
        }
        done += written;
    }
    errno = 0;
    if (!out.commit()) return WriteFailure(errno, out.error());
    return {};
}

QString SuggestedPath(const QString& fileName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

}  // namespace duel
