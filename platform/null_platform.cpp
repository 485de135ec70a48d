// The do-nothing platform's one step with a body: a modal window is shown and closed at once.
#include "platform/null_platform.h"

#include <QDialog>
#include <QFile>

namespace duel {

void NullPlatform::showModal(QDialog& window) {
    window.show();
    // A window that refuses to close (it awaits input) is hidden all the same.
    if (!window.close()) window.hide();
}

std::filesystem::path NativePath(const QString& folder) {
    if (folder.isEmpty()) return {};
    const QByteArray bytes = QFile::encodeName(folder);
    return std::filesystem::path(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace duel
