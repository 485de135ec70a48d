// The program's widget style: the platform's usual one, with its built-in pictures read without a format guess.
#pragma once

#include <QProxyStyle>

namespace duel {

// Draws everything as the style it stands in for (Fusion here).  Only the
// standard icons whose pictures are PNG files built into Qt are read
// differently: as PNG, where the usual reading first loads and asks every
// image-format plugin on the system what the file is.  The main window's
// menu bar asks for one such icon as it is built, which made that the
// slowest step of the start.
class GameStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// A picture file read as PNG, with no guess at its format; a null pixmap when
// it is not one.
QPixmap ReadPng(const QString& file);

}  // namespace duel
