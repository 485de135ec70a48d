// The do-nothing platform's one step with a body: a modal window is shown and closed at once.
#include "platform/null_platform.h"

#include <QDialog>

namespace duel {

void NullPlatform::showModal(QDialog& window) {
    window.show();
    // A window that refuses to close (it awaits input) is hidden all the same.
    if (!window.close()) window.hide();
}

}  // namespace duel
