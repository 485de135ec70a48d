// What the session needs of the window that shows its game: the duel's screen, the picture viewer and the window's
// place.
#pragma once

#include "duel/duel_screen.h"
#include "rules/dock_geometry.h"
#include "storage/held_file.h"

#include <memory>

class QTemporaryDir;

namespace duel {

// The main window implements it; tests hand the session a scripted fake.
class SessionScreen : public DuelScreen {
public:
    // The picture viewer over the won picture `picture`, modal; `privateFolder`,
    // when given, holds the file and goes with the viewer.  False when the
    // file is no picture that can be shown (the viewer then never shows).
    virtual bool ShowPicture(HeldFile picture, std::unique_ptr<QTemporaryDir> privateFolder) = 0;

    // The main window's outer top-left corner in twips, as the settings file keeps it.
    virtual TwipPoint windowPlace() const = 0;
};

}  // namespace duel
