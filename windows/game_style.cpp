// The program's widget style: the menu bar's extension arrow read as PNG.
#include "windows/game_style.h"

#include <QIcon>
#include <QImageReader>
#include <QWidget>

namespace duel {

QPixmap ReadPng(const QString& file) {
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon GameStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    // The arrow of a menu bar too narrow for its menus, as Qt's own style
    // files give it for left-to-right text.
    if (icon == SP_ToolBarHorizontalExtensionButton && (!widget || widget->layoutDirection() == Qt::LeftToRight)) {
        QIcon arrow;
        for (const int size : {8, 16, 32})
            arrow.addPixmap(
                ReadPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1.png").arg(size)));
        return arrow;
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace duel
